// navmerger: merges DEX files into the Fly! II navigation database.
#include "driver/ImportRun.h"
#include "platform/ProgramArguments.h"

int main(int argc, char** argv) {
    return RunNavmerger(ProgramArguments(argc, argv));
}
