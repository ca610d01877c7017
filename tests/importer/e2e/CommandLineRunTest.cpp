// The program's command line, error report, exit status and pauses, run as a user would run it.
#include "FlyFixture.h"
#include "ProgramRun.h"
#include "platform/NativeFs.h"

#include <gtest/gtest.h>

namespace {

const std::string banner =
    "Navmerger 1.3\nMerges DEX files into the Fly! II navigation database; free software, GPL-3.0-or-later\n\n";
const std::string usage = "You must supply the name of the DEX file to import.\n"
                          "You can also use the following options:\n"
                          "  -S  Update DEX sizes from Fly1 DEX\n"
                          "  -R  Match Runway based on Airport/Runway instead of key\n"
                          "  -1  Do all Fly! 1 conversions (implies -R and -S)\n"
                          "  -K  Keep files after packing into POD\n"
                          "  -P  Pause on error\n"
                          "  -PX Pause on exit\n"
                          "  -N  Preview the merge, write nothing (not with -S, -R or -1)\n"
                          "  -F path Set path to Fly! directory\n"
                          "\nIf DEX filename begins with \"@\" it is read as a list of DEX files.\n";

TEST(CommandLineRunTest, UsageGoesToStandardErrorWithStatusOneAndNoPause) {
    const std::vector<std::vector<std::string>> commandLines = {{},
                                                                {"-PX"},
                                                                {"-PX", "a.dex", "-F"},
                                                                {"-PX", "-F", "-K", "a.dex"},
                                                                {"-PX", "-Q", "a.dex"},
                                                                {"-P", "-", "a.dex"},
                                                                {"-N", "-1", "a.dex"},
                                                                {"-R", "-n", "a.dex"}};
    for (const auto& args : commandLines) {
        const ProgramResult run = RunProgram(NAVMERGER_PATH, args);
        EXPECT_EQ(run.status, 1) << testing::PrintToString(args);
        EXPECT_EQ(run.err, banner + usage) << testing::PrintToString(args);
        EXPECT_EQ(run.out, "") << testing::PrintToString(args);
    }
}

TEST(CommandLineRunTest, ListOfNothingButBlanksAsksForTheUsage) {
    const auto folder = FlyFixture::NewFolder("blank-list");
    FlyFixture::WriteBytes(folder / "list.txt", "\r\n  \t\r\n\f");
    const ProgramResult run = RunProgram(NAVMERGER_PATH, {"-PX", "@list.txt"}, folder.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, banner + usage);
    EXPECT_EQ(run.out, "");
}

TEST(CommandLineRunTest, UnreadableListIsReportedLikeARunError) {
    const auto folder = FlyFixture::NewFolder("missing-list");
    const ProgramResult run = RunProgram(NAVMERGER_PATH, {"a.dex", "@missing.txt", "-P"}, folder.string());
    EXPECT_TRUE(Matches(run.out,
                        "An error has occurred:\nUnable to open missing.txt\nError code 0x2 in MappedFile, "
                        "line [0-9]*\n"))
        << run.out;
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, banner);
}

TEST(CommandLineRunTest, ErrorReportHasThreeLinesAndTheCodeAsStatus) {
    const auto folder = FlyFixture::NewFolder("no-archives");
    const ProgramResult run = RunProgram(NAVMERGER_PATH, {"-F", folder.string(), "a.dex", "b.dex"});
    // The system's error for a name whose folder is missing: ENOENT, or ERROR_PATH_NOT_FOUND on Windows.
    EXPECT_TRUE(Matches(run.out, "An error has occurred:\nUnable to open *SYSTEM?AIRPORT.POD\n"
                                 "Error code 0x[23] in MappedFile, line [0-9]*\n"))
        << run.out;
    EXPECT_TRUE(IsNoSuchFile(run.status)) << run.status;
}

#ifndef _WIN32 // a pseudo-terminal drives these runs
TerminalResult RunWithPauses(const std::string& name, bool outputToTerminal) {
    const auto folder = FlyFixture::NewFolder(name);
    try {
        return RunOnTerminal(NAVMERGER_PATH, {"-PX", "-F", folder.string(), "a.dex"}, outputToTerminal,
                             "Press any key to continue...", 'x');
    } catch (const std::runtime_error& error) {
        return {{-1, {}, error.what()}, false};
    }
}

TEST(CommandLineRunTest, PauseReadsOneKeyFromTheTerminalWithoutEcho) {
    const TerminalResult run = RunWithPauses("pause-terminal", true);
    if (run.result.status == -1)
        GTEST_SKIP() << run.result.err;
    EXPECT_TRUE(run.waited) << run.result.out;
    EXPECT_EQ(run.result.status, 2);
    const size_t prompt = run.result.out.find("Press any key to continue...");
    ASSERT_NE(prompt, std::string::npos) << run.result.out;
    EXPECT_NE(run.result.out.find("Error code 0x2"), std::string::npos) << run.result.out;
    EXPECT_EQ(run.result.out.find('x', prompt), std::string::npos) << "the key was echoed";
}

// A terminal to read from, but the output is captured: nobody sees a prompt, so none is printed.
TEST(CommandLineRunTest, NoPromptAndNoWaitWhenNobodySeesTheOutput) {
    const TerminalResult run = RunWithPauses("pause-captured", false);
    if (run.result.status == -1)
        GTEST_SKIP() << run.result.err;
    EXPECT_FALSE(run.waited);
    EXPECT_EQ(run.result.status, 2);
    EXPECT_EQ(run.result.out.find("Press any key"), std::string::npos) << run.result.out;
}
#endif

} // namespace
