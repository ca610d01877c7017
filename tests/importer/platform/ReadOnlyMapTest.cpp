#include "ImporterTestFiles.h"

#include "platform/ReadOnlyMap.h"

#include <gtest/gtest.h>

// Pages let go of behind a reading come back with the file's bytes, those at the edges of the range
// (in pages only partly inside it) untouched.
TEST(ReadOnlyMap, ReleasedPagesReadBackTheFile) {
    TempFolder folder;
    Bytes bytes(256 * 1024);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 4096);
    WriteBytes(folder.Path() / "TABLE.DBD", bytes);
    const ReadOnlyMap map = MapWholeFile((folder.Path() / "TABLE.DBD").string());
    ASSERT_EQ(map.stage, ReadOnlyMap::Stage::Done);
    ASSERT_EQ(Bytes(map.data, map.data + map.size), bytes);
    ReleaseMappedPages(map.data + 1000, map.size - 5000);
    EXPECT_EQ(Bytes(map.data, map.data + map.size), bytes);
    UnmapWholeFile(map.data, map.size);
}
