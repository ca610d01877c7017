#include "driver/RecoveryRecord.h"

#include "ImporterTestFiles.h"
#include "base/ZorException.h"
#include "pod/PodList.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class Recovery : public ::testing::Test {
  protected:
    Recovery() {
        fs::create_directories(folder.Path() / "DATABASE");
        fs::create_directories(folder.Path() / "SYSTEM");
        PodList::SetFlyFolder(folder.Slashed());
    }
    std::string Record() const { return folder.Slashed() + "SYSTEM\\AIRPORT.TODO"; }

    TempFolder folder;
};

TEST_F(Recovery, StepsReadBackAndCanBeTakenTwice) {
    RecoveryRecord record;
    record.AddMove("DATABASE\\AIRPORT.DBD.TMP", "DATABASE\\AIRPORT.DBD");
    record.AddRemoval("DATABASE\\AIRPORT.DBI");
    record.Write(Record());
    EXPECT_EQ(Listing(folder.Path() / "SYSTEM"), std::vector<std::string>{"AIRPORT.TODO"});
    const RecoveryRecord read = RecoveryRecord::Read(Record());
    EXPECT_EQ(read.Steps(), record.Steps());

    WriteText(folder.Path() / "DATABASE/AIRPORT.DBD.TMP", "new");
    WriteText(folder.Path() / "DATABASE/AIRPORT.DBD", "old");
    WriteText(folder.Path() / "DATABASE/AIRPORT.DBI", "old");
    read.CarryOut();
    read.CarryOut();
    EXPECT_EQ(Listing(folder.Path() / "DATABASE"), std::vector<std::string>{"AIRPORT.DBD"});
    EXPECT_EQ(ReadText(folder.Path() / "DATABASE/AIRPORT.DBD"), "new");
}

// A record cut short, or naming a file outside DATABASE, is never carried out.
TEST_F(Recovery, DamagedRecordsAreRefused) {
    const std::string first = "navmerger steps after the commit\n";
    const std::vector<std::string> texts = {first,
                                            first + "move DATABASE\\A.TMP\nend\n",
                                            first + "remove SYSTEM\\AIRPORT.POD\nend\n",
                                            first + "remove DATABASE\\..\\SYSTEM\\AIRPORT.POD\nend\n",
                                            first + "delete DATABASE\\A\nend\n",
                                            "other\nend\n",
                                            first + "end\nmore\n"};
    for (const std::string& text : texts) {
        WriteText(folder.Path() / "SYSTEM/AIRPORT.TODO", text);
        try {
            RecoveryRecord::Read(Record());
            ADD_FAILURE() << text;
        } catch (const ZorException& e) {
            EXPECT_EQ(e.code, 0x30003u) << text;
            EXPECT_EQ(e.message, Shown(folder.Slashed() + "SYSTEM/AIRPORT.TODO") + " is damaged: the interrupted import it records cannot be finished");
        }
    }
}

} // namespace
