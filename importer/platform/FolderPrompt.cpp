#include "platform/FolderPrompt.h"

#include "platform/NativeFs.h"

#include <cstdlib>
#include <unistd.h>

namespace {

FILE* promptIn = nullptr;
FILE* promptOut = nullptr;

std::optional<std::string> ReadLine(FILE* in) {
    std::string line;
    int c;
    while ((c = std::fgetc(in)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (c == EOF && line.empty())
        return std::nullopt;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

// The answer as an absolute path, so that the stored setting works from any current folder.
std::string AbsolutePath(const std::string& folder) {
    char* resolved = realpath(NativePath(folder).c_str(), nullptr);
    if (resolved == nullptr)
        return folder;
    std::string absolute = resolved;
    std::free(resolved);
    return absolute;
}

} // namespace

bool HoldsFly2Exe(const std::string& folder) {
    return !folder.empty() && IsFolder(folder) && IsRegularFile(folder + "/FLY2.EXE");
}

std::optional<std::string> PromptFlyFolder() {
    FILE* in = promptIn != nullptr ? promptIn : stdin;
    FILE* out = promptOut != nullptr ? promptOut : stderr;
    if (promptIn == nullptr && isatty(STDIN_FILENO) == 0)
        return std::nullopt;
    std::fprintf(out, "The registry entry pointing to Fly II is missing. \n");
    std::optional<std::string> chosen;
    for (;;) {
        std::fprintf(out, chosen ? "FLY2.EXE found.  Press Enter to use this directory.\n"
                                 : "Select a directory containing FLY2.EXE\n");
        std::fprintf(out, "Fly2 directory: ");
        std::fflush(out);
        const std::optional<std::string> answer = ReadLine(in);
        if (!answer)
            return std::nullopt;
        if (answer->empty())
            return chosen;
        chosen = HoldsFly2Exe(*answer) ? std::optional(AbsolutePath(*answer)) : std::nullopt;
    }
}

void SetPromptStreams(FILE* in, FILE* out) {
    promptIn = in;
    promptOut = out;
}
