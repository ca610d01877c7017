#include "ToolFiles.h"

#include "FileWriting.h"

void WriteToolFiles(const MkFly2Options& options) {
    WriteTextFile(options.folder / "FLY2.EXE", "MZ placeholder\r\n");
}
