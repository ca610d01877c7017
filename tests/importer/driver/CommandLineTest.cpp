#include "ImporterTestFiles.h"

#include "base/ZorException.h"
#include "driver/CommandLine.h"
#include "driver/ImportRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

struct Parsed {
    bool ok = false;
    ImportOptions options;
    std::vector<std::string> names;
};

Parsed Parse(const Args& args) {
    Parsed parsed;
    parsed.ok = CommandLine::Parse(args, parsed.options, parsed.names);
    return parsed;
}

std::string Flags(const ImportOptions& o) {
    std::string flags;
    flags += o.updateSizes ? 'S' : '.';
    flags += o.matchRunways ? 'R' : '.';
    flags += o.keepFiles ? 'K' : '.';
    flags += o.pauseOnError ? 'P' : '.';
    flags += o.pauseOnExit ? 'X' : '.';
    return flags;
}

TEST(CommandLineTest, OptionsAreChosenByTheirSecondCharacterWhateverFollows) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"-S"}, "S...."},        {{"-r"}, ".R..."},    {{"-1"}, "SR..."},  {{"-K"}, "..K.."},
        {{"-Kx"}, "..K.."},       {{"-kEEP"}, "..K.."}, {{"-P"}, "...P."},  {{"-PX"}, "...PX"},
        {{"-px"}, "...PX"},       {{"-Px"}, "...PX"},   {{"-PY"}, "...P."}, {{"-pause"}, "...P."},
        {{"-Sx", "-R"}, "SR..."},
    };
    for (const auto& [args, flags] : cases) {
        const Parsed parsed = Parse(args);
        EXPECT_TRUE(parsed.ok) << args[0];
        EXPECT_EQ(Flags(parsed.options), flags) << args[0];
        EXPECT_TRUE(parsed.options.flyFolder.empty());
    }
}

TEST(CommandLineTest, UnknownOptionsAndFolderlessDashFAskForTheUsage) {
    for (const Args& args : {Args{"-"}, Args{"-Z"}, Args{"-X"}, Args{"a.dex", "-F"},
                             Args{"-F", "-K", "a.dex"}, Args{"-f", "-"}, Args{"--", "a.dex"}})
        EXPECT_FALSE(Parse(args).ok) << args[0] << ' ' << args[1 % args.size()];
}

TEST(CommandLineTest, FolderIsTheNextArgumentAndTheLastOneWins) {
    const Parsed parsed = Parse({"-F", "/games/one", "a.dex", "-f", "/games/two", "b.dex", "-F", "@x"});
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.options.flyFolder, "@x");
    EXPECT_EQ(parsed.names, (std::vector<std::string>{"a.dex", "b.dex"}));
}

TEST(CommandLineTest, NamesAndListFilesKeepTheirCommandLineOrder) {
    const Parsed parsed = Parse({"a.dex", "-K", "@list.txt", "", "b.DEX"});
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.names, (std::vector<std::string>{"a.dex", "@list.txt", "", "b.DEX"}));
    EXPECT_EQ(Flags(parsed.options), "..K..");
}

TEST(CommandLineTest, ListEntriesEndAtRunsOfLineEndsAndAreTrimmed) {
    EXPECT_EQ(CommandLine::SplitList("a.dex\r\n\r\n  b.dex \t\r\n\tc d.dex\f\fe.dex"),
              (std::vector<std::string>{"a.dex", "b.dex", "c d.dex", "e.dex"}));
    EXPECT_EQ(CommandLine::SplitList("\r\n \t \n\f"), std::vector<std::string>{});
    EXPECT_EQ(CommandLine::SplitList(""), std::vector<std::string>{});
    EXPECT_EQ(CommandLine::SplitList("only.dex"), std::vector<std::string>{"only.dex"});
    EXPECT_EQ(CommandLine::SplitList("@nested.txt\n-K\n"), (std::vector<std::string>{"@nested.txt", "-K"}));
}

TEST(CommandLineTest, ZeroBytesNeitherStopNorSplitTheList) {
    static constexpr char utf16Bytes[] = "\xFF\xFE"
                                         "a\0.\0d\0e\0x\0\r\0\n\0 \0b\0\r\0\n\0";
    const std::string utf16(utf16Bytes, sizeof utf16Bytes - 1);
    EXPECT_EQ(CommandLine::SplitList(utf16), (std::vector<std::string>{"a.dex", "b"}));
    EXPECT_EQ(CommandLine::SplitList(std::string("\0\0\0\n\0", 5)), std::vector<std::string>{});
    EXPECT_EQ(CommandLine::SplitList("\xEF\xBB\xBFx.dex\n"), std::vector<std::string>{"x.dex"});
}

class ListFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        const std::filesystem::path path = folder_ / name;
        WriteText(path, text);
        return path.string();
    }

    const TempFolder temp_;
    const std::filesystem::path folder_ = temp_.Path();
};

TEST_F(ListFileTest, ListsAreExpandedInPlaceAndOnlyOnce) {
    const std::string list = Write("list.txt", "one.dex\r\n  two.dex\t\r\n\r\n@three.txt\r\n");
    EXPECT_EQ(CommandLine::ExpandLists({"a.dex", "@" + list, "b.dex", "@" + list}),
              (std::vector<std::string>{"a.dex", "one.dex", "two.dex", "@three.txt", "b.dex", "one.dex",
                                        "two.dex", "@three.txt"}));
}

TEST_F(ListFileTest, MissingOrEmptyListsRaise) {
    const std::string empty = Write("empty.txt", "");
    for (const std::string& name : {"@" + empty, "@" + (folder_ / "missing.txt").string()}) {
        try {
            CommandLine::ExpandLists({"a.dex", name});
            ADD_FAILURE() << name << " was read";
        } catch (const ZorException& error) {
            EXPECT_NE(error.code, 0u);
            EXPECT_NE(error.message.find(name.substr(1)), std::string::npos) << error.message;
        }
    }
}

TEST(ExitStatusTest, StatusIsTheCodeAndNeverZero) {
    EXPECT_EQ(ExitStatusForCode(2), 2);
    EXPECT_EQ(ExitStatusForCode(3), 3);
    EXPECT_EQ(ExitStatusForCode(0x20005), 5);
    EXPECT_NE(ExitStatusForCode(0), 0);
    EXPECT_NE(ExitStatusForCode(0x100), 0);
    EXPECT_NE(ExitStatusForCode(0x30000), 0);
}

} // namespace
