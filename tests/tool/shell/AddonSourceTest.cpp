#include "ShellFixture.h"

#include "shell/AddonSource.h"

namespace {

using AddonSourceTest = ShellTest;

TEST_F(AddonSourceTest, AFolderOrAFileWithAnArchivesNameIsASource) {
    const struct {
        const char* file;
        bool archive;
    } cases[] = {{"a.zip", true},     {"A.ZIP", true},       {"a.rar", true},    {"a.7z", true},
                 {"setup.Exe", true}, {"a.tar", true},       {"a.tar.gz", true}, {"a.tgz", true},
                 {"a.tar.bz2", true}, {"a.tbz2", true},      {"a.tar.xz", true}, {"a.txz", true},
                 {"a.gz", false},     {"readme.txt", false}, {"zip", false},     {".zip", false},
                 {"a.zip.txt", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(IsArchiveName(c.file), c.archive);
        EXPECT_EQ(IsAddonSource(CreateFile(c.file)), c.archive);
    }
    EXPECT_FALSE(IsArchiveName("downloads.zip/readme"));
    EXPECT_TRUE(IsAddonSource(CreateDir("addon.d")));
    EXPECT_FALSE(IsAddonSource(Path("gone.zip")));
    EXPECT_FALSE(IsAddonSource(QString()));
}

} // namespace
