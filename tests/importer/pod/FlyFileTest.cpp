#include "ImporterTestFiles.h"

#include "base/ZorException.h"
#include "pod/FlyFile.h"
#include "pod/MappedFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#ifndef _WIN32 // the kernel's list of mappings is /proc/self/maps
namespace {

// How many mappings of path the process holds, from the kernel's own list.
int MappingsOf(const std::filesystem::path& path) {
    std::ifstream maps("/proc/self/maps");
    const std::string wanted = std::filesystem::canonical(path).string();
    int count = 0;
    for (std::string line; std::getline(maps, line);)
        if (line.size() >= wanted.size() &&
            line.compare(line.size() - wanted.size(), wanted.size(), wanted) == 0)
            ++count;
    return count;
}

} // namespace

TEST(FlyFileViews, CopiesShareOneViewUntilTheLastIsReset) {
    TempFolder folder;
    const auto path = folder.Path() / "loose.dbd";
    WriteText(path, "loose table");
    FlyFile original;
    original.OpenDisk(path.string());
    EXPECT_EQ(MappingsOf(path), 1);
    FlyFile copy = original;
    FlyFile assigned;
    assigned = copy;
    EXPECT_EQ(MappingsOf(path), 1);
    EXPECT_EQ(copy.data, original.data);

    original.Reset();
    EXPECT_EQ(original.data, nullptr);
    EXPECT_EQ(original.size, 0u);
    copy.Reset();
    ASSERT_EQ(MappingsOf(path), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(assigned.data), assigned.size), "loose table");
    assigned.Reset();
    EXPECT_EQ(MappingsOf(path), 0);
}

TEST(FlyFileViews, ReopeningReleasesTheOldView) {
    TempFolder folder;
    WriteText(folder.Path() / "a.dbd", "first");
    WriteText(folder.Path() / "b.dbd", "second");
    MappedFile map;
    map.Open((folder.Path() / "a.dbd").string());
    map.Open((folder.Path() / "b.dbd").string());
    EXPECT_EQ(MappingsOf(folder.Path() / "a.dbd"), 0);
    EXPECT_EQ(map.Size(), 6u);
    EXPECT_EQ(map.ShareCount(), 1);
}
#endif

TEST(FlyFileViews, EmptyLooseFileCannotBeMapped) {
    TempFolder folder;
    const std::string path = (folder.Path() / "EMPTY.DBD").string();
    WriteText(path, "");
    FlyFile file;
    try {
        file.OpenDisk(path);
        FAIL() << "no exception";
    } catch (const ZorException& e) {
        EXPECT_EQ(e.file, "MappedFile");
        EXPECT_EQ(e.message, "Unable to map file " + path);
        EXPECT_NE(e.code, 0u);
    }
    EXPECT_EQ(file.data, nullptr);
    EXPECT_EQ(file.size, 0u);
}
