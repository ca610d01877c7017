#include "platform/ProgramArguments.h"

#include "platform/WideText.h"

#include <windows.h>
#include <shellapi.h>

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i)
        args.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return args;
}
