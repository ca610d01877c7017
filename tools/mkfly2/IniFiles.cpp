#include "IniFiles.h"

#include "FileWriting.h"

void WriteIniFiles(const MkFly2Options& options) {
    WriteTextFile(options.folder / "system" / "fly.ini",
                  "[Graphics]\r\nNullZone=0\r\nwind=1\r\n");
    WriteTextFile(options.folder / "system" / "render.ini",
                  "[Textures]\r\nmaxTextures256=100\r\nmaxTextures128=32\r\n");
}
