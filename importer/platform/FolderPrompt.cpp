#include "platform/FolderPrompt.h"

#include "platform/FolderDialog.h"
#include "platform/NativeFs.h"
#include "platform/SimulatorFolder.h"
#include "platform/TerminalKey.h"
#include "platform/WineRegistry.h"

#include <vector>

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
    const std::string real = RealPath(folder);
    return real.empty() ? folder : real;
}

// The installation numbered by answer ("1" is the first); nothing when answer is no such number.
std::optional<std::string> Numbered(const std::string& answer, const std::vector<std::string>& choices) {
    if (answer.empty() || answer.size() > 3 || answer.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const size_t number = std::stoul(answer);
    if (number < 1 || number > choices.size())
        return std::nullopt;
    return choices[number - 1];
}

void ShowChoices(FILE* out, const std::vector<std::string>& choices) {
    if (choices.empty()) {
        std::fprintf(out, "The registry entry pointing to Fly II is missing. \n");
        return;
    }
    std::fprintf(out, "Fly II is installed in several Wine prefixes:\n");
    for (size_t i = 0; i < choices.size(); ++i)
        std::fprintf(out, "  %zu. %s\n", i + 1, choices[i].c_str());
    std::fprintf(out, "Type a number to use that installation, or a directory.\n");
}

} // namespace

std::optional<std::string> PromptFlyFolder() {
    FILE* in = promptIn != nullptr ? promptIn : stdin;
    FILE* out = promptOut != nullptr ? promptOut : stderr;
    if (promptIn == nullptr && FolderDialogAvailable())
        return BrowseForFlyFolder();
    if (promptIn == nullptr && !InputIsTerminal())
        return std::nullopt;
    const std::vector<std::string> choices = FindWineInstallations();
    ShowChoices(out, choices);
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
        if (const std::optional<std::string> numbered = Numbered(*answer, choices))
            return numbered;
        chosen = HoldsFly2Exe(*answer) ? std::optional(AbsolutePath(*answer)) : std::nullopt;
    }
}

void SetPromptStreams(FILE* in, FILE* out) {
    promptIn = in;
    promptOut = out;
}
