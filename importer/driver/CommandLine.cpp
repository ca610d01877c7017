#include "driver/CommandLine.h"

#include "pod/MappedFile.h"

#include <cctype>
#include <cstdio>

namespace {

bool IsEntryEnd(char c) {
    return c == '\r' || c == '\n' || c == '\f';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    for (std::string_view mark : {std::string_view("\xEF\xBB\xBF"), std::string_view("\xFF\xFE")}) {
        if (text.substr(0, mark.size()) == mark)
            return text.substr(mark.size());
    }
    return text;
}

void AddTrimmed(std::string& entry, std::vector<std::string>& entries) {
    size_t first = 0;
    size_t last = entry.size();
    while (first < last && IsBlank(entry[first]))
        ++first;
    while (last > first && IsBlank(entry[last - 1]))
        --last;
    if (last > first)
        entries.push_back(entry.substr(first, last - first));
    entry.clear();
}

} // namespace

bool CommandLine::Parse(const std::vector<std::string>& args, ImportOptions& options,
                        std::vector<std::string>& names) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') {
            names.push_back(arg);
            continue;
        }
        const char letter =
            arg.size() > 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(arg[1]))) : 0;
        switch (letter) {
        case '1':
            options.matchRunways = true;
            options.updateSizes = true;
            break;
        case 'S':
            options.updateSizes = true;
            break;
        case 'R':
            options.matchRunways = true;
            break;
        case 'K':
            options.keepFiles = true;
            break;
        case 'P':
            options.pauseOnError = true;
            if (arg.size() > 2 && std::toupper(static_cast<unsigned char>(arg[2])) == 'X')
                options.pauseOnExit = true;
            break;
        case 'N':
            options.preview = true;
            break;
        case 'F':
            if (i + 1 >= args.size() || args[i + 1].starts_with('-'))
                return false;
            options.flyFolder = args[++i];
            break;
        default:
            return false;
        }
    }
    // The repairs rewrite the DEX file itself, which a preview must leave as it is.
    return !options.preview || !(options.updateSizes || options.matchRunways);
}

std::vector<std::string> CommandLine::ExpandLists(const std::vector<std::string>& names) {
    std::vector<std::string> dexFiles;
    for (const std::string& name : names) {
        if (!name.starts_with('@')) {
            dexFiles.push_back(name);
            continue;
        }
        MappedFile list;
        list.Open(name.substr(1));
        const std::vector<std::string> entries =
            SplitList(std::string_view(reinterpret_cast<const char*>(list.Data()), list.Size()));
        dexFiles.insert(dexFiles.end(), entries.begin(), entries.end());
    }
    return dexFiles;
}

std::vector<std::string> CommandLine::SplitList(std::string_view text) {
    std::vector<std::string> entries;
    std::string entry;
    for (char c : WithoutByteOrderMark(text)) {
        if (IsEntryEnd(c))
            AddTrimmed(entry, entries);
        else if (c != '\0')
            entry.push_back(c);
    }
    AddTrimmed(entry, entries);
    return entries;
}

void CommandLine::PrintBanner() {
    std::fputs("Navmerger 1.3\n"
               "Merges DEX files into the Fly! II navigation database; free software, GPL-3.0-or-later\n"
               "\n",
               stderr);
}

void CommandLine::PrintUsage() {
    std::fputs("You must supply the name of the DEX file to import.\n"
               "You can also use the following options:\n"
               "  -S  Update DEX sizes from Fly1 DEX\n"
               "  -R  Match Runway based on Airport/Runway instead of key\n"
               "  -1  Do all Fly! 1 conversions (implies -R and -S)\n"
               "  -K  Keep files after packing into POD\n"
               "  -P  Pause on error\n"
               "  -PX Pause on exit\n"
               "  -N  Preview the merge, write nothing (not with -S, -R or -1)\n"
               "  -F path Set path to Fly! directory\n"
               "\nIf DEX filename begins with \"@\" it is read as a list of DEX files.\n",
               stderr);
}
