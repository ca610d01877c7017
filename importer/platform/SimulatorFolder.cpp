#include "platform/SimulatorFolder.h"

#include "platform/NativeFs.h"

bool HoldsFly2Exe(const std::string& folder) {
    return !folder.empty() && IsFolder(folder) && IsRegularFile(folder + "/FLY2.EXE");
}
