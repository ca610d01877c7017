// -N: the merge as a real run would print it, with the installation left exactly as it was.
#include "FlyFixture.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace fs = std::filesystem;
using namespace FlyFixture;

namespace {

// Every entry below folder -> its contents (empty for a folder) and time of last writing.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Tree(const fs::path& folder) {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        tree[fs::relative(entry.path(), folder).string()] = {
            entry.is_regular_file() ? ReadBytes(entry.path()) : std::string(), entry.last_write_time()};
    return tree;
}

ProgramResult Navmerger(const fs::path& fly, const std::vector<std::string>& args) {
    std::vector<std::string> all = {"-F", fly.string()};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(NAVMERGER_PATH, all, fly.string());
}

TEST(PreviewRunTest, EveryDexPrintsTheRealRunsMergeAndWritesNothing) {
    const fs::path fly = NewInstallation("preview");
    std::vector<std::string> dexFiles;
    for (const fs::directory_entry& entry : fs::directory_iterator(fly / "dex"))
        dexFiles.push_back("dex/" + entry.path().filename().string());
    std::sort(dexFiles.begin(), dexFiles.end());
    ASSERT_GE(dexFiles.size(), 8u);

    for (const std::string& dex : dexFiles) {
        const auto before = Tree(fly);
        const ProgramResult preview = Navmerger(fly, {"-N", dex});
        EXPECT_EQ(Tree(fly), before) << dex;
        const ProgramResult real = Navmerger(fly, {dex});
        EXPECT_EQ(preview.err, real.err) << dex;
        if (real.status != 0) { // refused before its merge: refused alike
            EXPECT_EQ(preview.status, real.status) << dex;
            EXPECT_EQ(preview.out, real.out) << dex;
            continue;
        }
        EXPECT_EQ(preview.status, 0) << dex;
        std::vector<std::string> shown = Lines(preview.out);
        ASSERT_FALSE(shown.empty()) << dex;
        EXPECT_EQ(shown.back(), "Preview only: nothing was written\n") << dex;
        shown.pop_back();
        const std::vector<std::string> done = Lines(real.out);
        ASSERT_LT(shown.size(), done.size()) << dex;
        EXPECT_EQ(shown, std::vector<std::string>(done.begin(), done.begin() + std::ssize(shown))) << dex;
        // The preview stops where the merge ends, not earlier.
        const std::string& next = done[shown.size()];
        EXPECT_TRUE(next.starts_with("Rebuilding ") || next.starts_with("Building ")) << dex << ": " << next;
    }
}

} // namespace
