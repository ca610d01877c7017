#include "ImporterTestFiles.h"

#include "platform/NativeFs.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(NativeFs, EachComponentMatchedExactlyFirstThenIgnoringCase) {
    TempFolder temp;
    WriteText(temp.Path() / "Fly2" / "system" / "airport.pod", "lower");
    WriteText(temp.Path() / "Fly2" / "system" / "AIRPORT.POD", "upper");
    WriteText(temp.Path() / "Fly2" / "system" / "Ils.Pod", "mixed");
    const std::string fly = temp.Slashed() + "Fly2/";
    EXPECT_EQ(NativePath(fly + "SYSTEM\\AIRPORT.POD"), fly + "system/AIRPORT.POD");
    EXPECT_EQ(NativePath(fly + "SYSTEM\\airport.pod"), fly + "system/airport.pod");
    EXPECT_EQ(NativePath(fly + "SYSTEM\\ILS.POD"), fly + "system/Ils.Pod");
    // What does not exist keeps the name it was given, below the existing beginning.
    EXPECT_EQ(NativePath(fly + "SYSTEM\\NEW\\X.TMP"), fly + "system/NEW/X.TMP");
    EXPECT_EQ(NativePath(fly + "DATABASE\\"), fly + "DATABASE/");
}

TEST(NativeFs, ShownPathTakesTheCaseOnDiskAndStaysRelativeToItsFolder) {
    namespace fs = std::filesystem;
    const fs::path current = fs::current_path();
    TempFolder temp;
    WriteText(temp.Path() / "Fly2" / "Database" / "navaid.dbi", "");
    const std::string fly = temp.Slashed() + "Fly2/";
    EXPECT_EQ(ShownPath(temp.Slashed() + "FLY2\\DATABASE\\NAVAID.DBI"), fly + "Database/navaid.dbi");
    EXPECT_EQ(ShownPath(fly + "DATABASE\\NEW.DBI"), fly + "Database/NEW.DBI");
    EXPECT_EQ(ShownPath("DATABASE\\AIRPORT.DBD", fly), "Database/AIRPORT.DBD");
    EXPECT_EQ(ShownPath("DATABASE\\AIRPORT.DBD", temp.Slashed() + "FLY2"), "Database/AIRPORT.DBD");
    EXPECT_EQ(ShownPath(fly + "DATABASE\\NAVAID.DBI", "/elsewhere/"), fly + "Database/navaid.dbi");
    // A full name below a relative folder is not put below it twice.
    fs::current_path(temp.Path());
    EXPECT_EQ(ShownPath("fly2/DATABASE\\X.DBD", "fly2"), "Fly2/Database/X.DBD");
    EXPECT_EQ(ShownPath("DATABASE\\X.DBD", "fly2"), "Database/X.DBD");
    fs::current_path(current);
}

TEST(NativeFs, RenamesTargetAnExistingEntryInAnotherCase) {
    TempFolder temp;
    const std::string dir = temp.Slashed();
    WriteText(temp.Path() / "airport.pod", "old");
    WriteText(temp.Path() / "a.tmp", "new");
    WriteText(temp.Path() / "b.tmp", "newer");
    EXPECT_EQ(RenameNoReplace(dir + "a.tmp", dir + "AIRPORT.POD"), EEXIST);
    EXPECT_EQ(RenameNoReplace(dir + "a.tmp", dir + "AIRPORT.TRI"), 0);
    EXPECT_EQ(RenameReplacing(dir + "b.tmp", dir + "AIRPORT.POD"), 0);
    EXPECT_EQ(Listing(temp.Path()), (std::vector<std::string>{"AIRPORT.TRI", "airport.pod"}));
    const Bytes replaced = ReadBytes(temp.Path() / "airport.pod");
    EXPECT_EQ(std::string(replaced.begin(), replaced.end()), "newer");
}
