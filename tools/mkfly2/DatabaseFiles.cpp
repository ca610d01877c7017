#include "DatabaseFiles.h"

void WriteDatabases(const MkFly2Options&) {}
