// mkfly2 DIR [--records N] [--seed S] [--bench BASE]: writes a complete synthetic Fly! II installation
// into DIR; with --bench, the benchmark installation for database BASE (see BenchScenario.h).
#include "BenchScenario.h"
#include "DatabaseFiles.h"
#include "IniFiles.h"
#include "ToolFiles.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: mkfly2 DIR [--records N] [--seed S] [--bench BASE]\n");
    return 1;
}

bool ReadNumber(const char* text, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    unsigned long records = 200;
    unsigned long seed = 1;
    std::string bench;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--records" || arg == "--seed") && i + 1 < argc) {
            if (!ReadNumber(argv[++i], arg == "--records" ? records : seed))
                return Usage();
        } else if (arg == "--bench" && i + 1 < argc) {
            bench = argv[++i];
        } else if (folder.empty() && arg.rfind("--", 0) != 0) {
            folder = arg;
        } else {
            return Usage();
        }
    }
    if (folder.empty())
        return Usage();
    try {
        const MkFly2Options options{folder, static_cast<uint32_t>(records), static_cast<uint32_t>(seed)};
        WriteToolFiles(options);
        WriteIniFiles(options);
        if (bench.empty())
            WriteDatabases(options);
        else
            WriteBenchScenario(options, bench);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkfly2: %s\n", e.what());
        return 1;
    }
    return 0;
}
