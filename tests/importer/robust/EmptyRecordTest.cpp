// Damaged tables found by fuzzing the table loader, kept as regression cases.
#include "FlyFixture.h"

#include "base/ZorException.h"
#include "db/TriDb.h"
#include "pod/FlyFile.h"
#include "pod/PodList.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace FlyFixture;

namespace {

// A header alone: count records of recordSize bytes announced, none present.
std::string Header(bool dex, int32_t count, int32_t recordSize) {
    std::string bytes(dex ? 40 : 56, '\0');
    std::memcpy(bytes.data(), "WAYPOINT.DBD", 12);
    std::memcpy(bytes.data() + (dex ? 36 : 16), &count, 4);
    std::memcpy(bytes.data() + (dex ? 32 : 20), &recordSize, 4);
    return bytes;
}

int LoadCode(const std::string& bytes, const std::string& name) {
    FlyFile image;
    image.Set(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()), name, 0);
    TriDb table;
    try {
        table.Load(image);
    } catch (const ZorException& e) {
        EXPECT_EQ(table.GetRecordCount(), 0);
        return e.code;
    }
    return 0;
}

} // namespace

// A bare header announcing two hundred million records of no bytes made the loader allocate them all.
TEST(DamagedTable, RecordsOfNoBytesAreRefusedNotAllocated) {
    const auto fly = NewInstallation("empty-records", 20);
    PodList::SetFlyFolder(fly.string());
    PodList::AddPod("SYSTEM\\WAYPOINT.POD");
    EXPECT_EQ(LoadCode(Header(false, 200000000, 0), "DATABASE\\WAYPOINT.DBD"), 0x20002);
    EXPECT_EQ(LoadCode(Header(true, 200000000, 0), "dex\\BIG.DEX"), 0x20002);
    // An empty table stays valid whatever its record size.
    EXPECT_EQ(LoadCode(Header(false, 0, 0), "DATABASE\\WAYPOINT.DBD"), 0);
    EXPECT_EQ(LoadCode(Header(true, 0, 40), "dex\\NONE.DEX"), 0);
    PodList::CloseAllPods();
}
