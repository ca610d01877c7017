// navmerger: merges DEX files into the Fly! II navigation database.
#include "driver/ImportRun.h"

int main(int argc, char** argv) {
    return RunNavmerger(std::vector<std::string>(argv + 1, argv + argc));
}
