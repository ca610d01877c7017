#pragma once

#include "driver/ImportOptions.h"

#include <string>
#include <string_view>
#include <vector>

// The command line of navmerger: options, DEX names and "@" list files.
class CommandLine final {
  public:
    CommandLine() = delete;

    // Reads args (without the program name) into options; DEX names and "@list" arguments are kept in
    // names, in order, unread. False when the usage text is due (unknown option, -F without a folder,
    // -N with a DEX repair).
    static bool Parse(const std::vector<std::string>& args, ImportOptions& options,
                      std::vector<std::string>& names);
    // names with every "@list" replaced by the entries of that list file; raises ZorException when a
    // list file cannot be read. Entries are not expanded again.
    static std::vector<std::string> ExpandLists(const std::vector<std::string>& names);
    // Entries end at runs of CR, LF and FF; each is trimmed; empty ones are dropped; zero bytes and a
    // leading byte-order mark are skipped, so a list saved as UTF-16 reads like plain text.
    static std::vector<std::string> SplitList(std::string_view text);

    static void PrintBanner();
    static void PrintUsage();
};
