// mkfly2 DIR [--records N] [--seed S]: writes a complete synthetic Fly! II installation into DIR.
#include "DatabaseFiles.h"
#include "IniFiles.h"
#include "ToolFiles.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: mkfly2 DIR [--records N] [--seed S]\n");
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
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--records" || arg == "--seed") && i + 1 < argc) {
            if (!ReadNumber(argv[++i], arg == "--records" ? records : seed))
                return Usage();
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
        WriteDatabases(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkfly2: %s\n", e.what());
        return 1;
    }
    return 0;
}
