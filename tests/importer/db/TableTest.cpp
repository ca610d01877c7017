#include "CapturedOutput.h"
#include "DbTestFiles.h"
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

#include "base/ZorException.h"
#include "db/DbClock.h"
#include "db/TableFileReader.h"
#include "db/TriDb.h"
#include "db/TriDbdHeader.h"
#include "db/TriDexHeader.h"

#include <gtest/gtest.h>

namespace {

// Record layout: mark byte, key (6), type (4), value (4): 15 bytes; the key is field 0.
const char* const kTemplate =
    "4\r\ntkey,1,6,C,key\r\ntdel,0,1,C,mark\r\nttyp,7,4,I,type\r\ntval,11,4,C,value\r\n";

Bytes Rec(const std::string& key, const std::string& value = "v", uint8_t mark = 0, int32_t type = 1) {
    return Concat({{mark}, TextBytes(key, 6), Int32Bytes(type), TextBytes(value, 4)});
}

std::vector<std::string> Keys(const TriDb& table) {
    std::vector<std::string> keys;
    for (int i = 0; i < table.GetRecordCount(); ++i)
        keys.push_back(table.GetRecord(i).GetFieldText(0));
    return keys;
}

class Table : public ::testing::Test {
protected:
    Table() { folder.Write("DATABASE/TEST.DBT", kTemplate); }
    ~Table() override { DbClock::Release(); }

    void Load(TriDb& table, const Bytes& image, const std::string& name) { table.Load(ImageOf(image, name)); }

    TempFlyFolder folder;
};

TEST_F(Table, LowerCaseExtensionLoadsAsDbdWithItsTemplate) {
    TriDb table;
    const Bytes image = DbdImage("TEST.DBD", 2, 15, {Rec("K1"), Rec("K2")});
    Load(table, image, "DATABASE\\TEST.dbd");
    EXPECT_NE(dynamic_cast<const TriDbdHeader*>(table.GetHeader()), nullptr);
    EXPECT_EQ(table.GetTemplateName(), "DATABASE\\TEST.DBT");
    EXPECT_EQ(table.GetHeader()->GetDatabaseName(), "TEST.DBD");
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"K1", "K2"}));
    EXPECT_EQ(table.CheckRecordSize(), 15);

    const ZorException wrong = FailureOf([&] { Load(table, image, "DATABASE\\TEST.dbx"); });
    EXPECT_EQ(wrong.code, 0x20001u);
    EXPECT_EQ(wrong.line, 132);
    EXPECT_EQ(wrong.message, "Unrecognized extension .DBX");
}

TEST_F(Table, SurplusWholeRecordsAreIgnoredButStrayBytesFail) {
    TriDb table;
    const Bytes surplus = DbdImage("TEST.DBD", 2, 15, {Rec("K1"), Rec("K2"), Rec("K3"), Rec("K4")});
    Load(table, surplus, "DATABASE\\TEST.DBD");
    EXPECT_EQ(table.GetRecordCount(), 2);
    table.Save(folder.Slashed() + "DATABASE\\OUT.DBD");
    EXPECT_EQ(ReadBytes(folder.Path() / "DATABASE/OUT.DBD").size(), 56u + 2 * 15);

    Bytes stray = DbdImage("TEST.DBD", 2, 15, {Rec("K1"), Rec("K2")});
    stray.push_back(0);
    const ZorException e = FailureOf([&] { Load(table, stray, "DATABASE\\TEST.DBD"); });
    EXPECT_EQ(e.file, "TriDb");
    EXPECT_EQ(e.line, 193);
    EXPECT_EQ(e.code, 0x20002u);
    EXPECT_EQ(e.message, "File size mismatch, computed = 30, actual = 31");
    EXPECT_EQ(table.GetRecordCount(), 0);
    EXPECT_EQ(table.GetHeader(), nullptr);

    const Bytes truncated(20, 0);
    EXPECT_EQ(FailureOf([&] { Load(table, truncated, "DATABASE\\TEST.DBD"); }).code, 0x20002u);
    const Bytes negative = DbdImage("TEST.DBD", -1, 0, {});
    EXPECT_EQ(FailureOf([&] { Load(table, negative, "DATABASE\\TEST.DBD"); }).code, 0x20002u);
}

TEST_F(Table, DexTakesItsTemplateFromTheDatabaseNameAndRefusesNamesOutsideDatabase) {
    TriDb dex;
    const Bytes image = DexImage("TEST.DBD", 15, 1, {Rec("K1")});
    Load(dex, image, "C:\\ADDON\\NEW.DEX");
    EXPECT_EQ(dex.GetTemplateName(), "DATABASE\\TEST.DBT");
    EXPECT_EQ(dex.GetHeader()->GetDatabaseName(), "TEST.DBD");

    for (const std::string name : {"..\\TEST.DBD", "SUB\\TEST.DBD", "/TEST.DBD", "C:TEST.DBD", ".."}) {
        TriDb bad;
        const Bytes badImage = DexImage(name, 15, 1, {Rec("K1")});
        const ZorException e = FailureOf([&] { Load(bad, badImage, "NEW.DEX"); });
        EXPECT_EQ(e.code, 0x2000Cu) << name;
        EXPECT_NE(e.message.find(name), std::string::npos) << e.message;
    }
}

TEST_F(Table, MergeReplacesInPlaceAddsAtTheEndAndDeletes) {
    TriDb table;
    TriDb dex;
    const Bytes image = DbdImage("TEST.DBD", 3, 15, {Rec("K1"), Rec("K2"), Rec("K3")});
    const Bytes update =
        DexImage("TEST.DBD", 15, 5,
                 {Rec("K2", "new"), Rec("K9"), Rec("K1", "", '*'), Rec("KX", "", '*'), Rec("K9", "twice")});
    Load(table, image, "DATABASE\\TEST.DBD");
    Load(dex, update, "NEW.DEX");
    CapturedOutput output;
    table.Merge(dex);
    EXPECT_EQ(output.text,
              "Replacing record K2\nAdding record K9\nDeleting record K1\nRecord KX already deleted.\n"
              "Replacing record K9\n");
    EXPECT_EQ(Keys(table), (std::vector<std::string>{"K2", "K3", "K9"}));
    EXPECT_EQ(table.GetRecord(0).GetFieldText("tval"), "new");
    EXPECT_EQ(table.GetRecord(2).GetFieldText("tval"), "twic");
    EXPECT_EQ(table.GetHeader()->GetRecordCount(), 4); // set when K9 was added; Save brings it up to date
}

// An update of every kind of record, one after the other: changed, replaced by the same bytes, deleted, added.
std::vector<Bytes> MixedUpdate(int count) {
    std::vector<Bytes> update;
    for (int n = 0; n < count; ++n) {
        const std::string key = "K" + std::to_string(n);
        const Bytes kinds[] = {Rec(key, "new"), Rec(key), Rec(key, "", '*'), Rec("N" + std::to_string(n))};
        update.push_back(kinds[n % 4]);
    }
    return update;
}

std::vector<Bytes> RecordBytes(const TriDb& table) {
    std::vector<Bytes> records;
    for (int i = 0; i < table.GetRecordCount(); ++i) {
        const uint8_t* data = table.GetRecord(i).GetData();
        records.emplace_back(data, data + 15);
    }
    return records;
}

// A DEX read from its file part by part, the parts' ends inside records (15 bytes do not divide a part),
// merges exactly like the same DEX loaded whole: the same records, the same progress lines.
TEST_F(Table, DexReadInPartsMergesLikeTheWholeDex) {
    constexpr int kCount = 30000; // three parts and a half
    std::vector<Bytes> records;
    for (int n = 0; n < kCount; ++n)
        records.push_back(Rec("K" + std::to_string(n)));
    const Bytes image = DbdImage("TEST.DBD", kCount, 15, records);
    const Bytes update = DexImage("TEST.DBD", 15, kCount, MixedUpdate(kCount));
    WriteBytes(folder.Path() / "UPDATE.DEX", update);
    TriDb whole;
    TriDb dex;
    Load(whole, image, "DATABASE\\TEST.DBD");
    Load(dex, update, "UPDATE.DEX");
    CapturedOutput wholeOutput;
    whole.Merge(dex);
    const std::string wholeText = std::move(wholeOutput.text);

    TriDb parts;
    Load(parts, image, "DATABASE\\TEST.DBD");
    TriDb dexParts;
    TableFileReader reader;
    reader.Open(folder.Slashed() + "UPDATE.DEX", dexParts);
    EXPECT_EQ(dexParts.GetRecordCount(), 0);
    int partCount = 0;
    CapturedOutput partsOutput;
    parts.Merge(dexParts, [&] { return reader.LoadNext(dexParts) && ++partCount > 0; });
    EXPECT_EQ(partCount, 4);
    EXPECT_EQ(partsOutput.text, wholeText);
    EXPECT_EQ(RecordBytes(parts), RecordBytes(whole));
}

#ifndef _WIN32
// A DEX cut short after it was opened fails when its records run out, having merged only the whole records
// read before the cut: those of the first part.
TEST_F(Table, DexThatShrinksWhileReadFails) {
    constexpr int kCount = 20000;
    const std::string path = (folder.Path() / "UPDATE.DEX").string();
    const std::vector<Bytes> update = MixedUpdate(kCount);
    WriteBytes(path, DexImage("TEST.DBD", 15, kCount, update));
    const Bytes image = DbdImage("TEST.DBD", 2, 15, {Rec("K1"), Rec("K2")});
    TriDb table;
    Load(table, image, "DATABASE\\TEST.DBD");
    TriDb dex;
    TableFileReader reader;
    reader.Open(path, dex);
    std::filesystem::resize_file(path, 1000);
    const CapturedOutput quiet;
    const ZorException e = FailureOf([&] { table.Merge(dex, [&] { return reader.LoadNext(dex); }); });
    EXPECT_EQ(e.code, 0x20002u);
    EXPECT_NE(e.message.find(Shown(path)), std::string::npos) << e.message;

    const size_t firstPart = (TableFileReader::kPartBytes - DexImage("TEST.DBD", 15, 0, {}).size()) / 15;
    TriDb expected;
    Load(expected, image, "DATABASE\\TEST.DBD");
    const std::vector<Bytes> read(update.begin(), update.begin() + static_cast<ptrdiff_t>(firstPart));
    Load(dex, DexImage("TEST.DBD", 15, static_cast<int32_t>(firstPart), read), "UPDATE.DEX");
    expected.Merge(dex);
    EXPECT_EQ(RecordBytes(table), RecordBytes(expected));
}
#endif

// Save writes the count of the records left, stamps the time and keeps the header's other bytes.
TEST_F(Table, TableSavedAfterDeletionsLoadsBackWithTheRecordsLeft) {
    TriDb table;
    TriDb dex;
    Bytes image = DbdImage("TEST.DBD", 3, 15, {Rec("K1"), Rec("K2"), Rec("K3")});
    for (size_t at = 24; at < 56; ++at)
        image[at] = static_cast<uint8_t>(at);
    Load(table, image, "DATABASE\\TEST.DBD");
    Load(dex, DexImage("TEST.DBD", 15, 2, {Rec("K1", "", '*'), Rec("K3", "", '*')}), "DEL.DEX");
    const CapturedOutput quiet;
    table.Merge(dex);
    DbClock::Fix(0x01020304);
    table.Save(folder.Slashed() + "DATABASE\\TEST.DBD");

    const Bytes saved = ReadBytes(folder.Path() / "DATABASE/TEST.DBD");
    ASSERT_EQ(saved.size(), 56u + 15u);
    EXPECT_EQ(Bytes(saved.begin() + 12, saved.begin() + 16), Bytes({4, 3, 2, 1}));
    EXPECT_EQ(Bytes(saved.begin() + 24, saved.begin() + 56), Bytes(image.begin() + 24, image.begin() + 56));
    TriDb reloaded;
    Load(reloaded, saved, "DATABASE\\TEST.DBD");
    EXPECT_EQ(reloaded.GetHeader()->GetRecordCount(), 1);
    EXPECT_EQ(Keys(reloaded), std::vector<std::string>{"K2"});
}

TEST_F(Table, TextKeysMatchUpToAndIncludingTheProbesFirstZeroByte) {
    TriDb table;
    const Bytes image = DbdImage(
        "TEST.DBD", 3, 15,
        {Rec("ABC"), Concat({{0}, TextBytes("AB", 3), TextBytes("QQQ", 3), Bytes(8, 0)}), Rec("ABCDEF")});
    Load(table, image, "DATABASE\\TEST.DBD");
    const TriDbTemplate& t = table.GetTemplate();
    const auto probe = [&](const Bytes& bytes) { return TriDbRecord(&t, bytes.data(), bytes.size()); };

    const Bytes shortProbe = Concat({{0}, TextBytes("AB", 3), TextBytes("ZZZ", 3), Bytes(8, 0)});
    EXPECT_EQ(table.FindRecord(probe(shortProbe), 0), 1); // bytes behind the zero ignored
    EXPECT_EQ(table.FindRecord(probe(Rec("ABCDEF")), 0), 2);
    EXPECT_EQ(table.FindRecord(probe(Rec("ABCD")), 0), -1); // a longer text with the same start
    EXPECT_EQ(table.FindRecord(probe(Rec("A")), 0), -1);    // a shorter one
    EXPECT_EQ(table.FindRecord(probe(Rec("ABC")), -1), -1);
    const Bytes other = Rec("zz", "v", 0, 1);
    EXPECT_EQ(table.FindRecord(probe(other), 2), 0); // 'I' field: whole width
}

TEST_F(Table, EqualKeysSortWithTheHigherRecordNumberFirst) {
    TriDb table;
    const Bytes image = DbdImage("TEST.DBD", 4, 15, {Rec("K2"), Rec("K1"), Rec("K2", "x"), Rec("K0")});
    Load(table, image, "DATABASE\\TEST.DBD");
    table.SortByKey();
    EXPECT_EQ(*table.GetSortOrder(), (std::vector<int>{3, 1, 2, 0}));
    DbClock::Fix(0x01020304);
    table.Save(folder.Slashed() + "DATABASE\\SORTED.DBD");
    const Bytes saved = ReadBytes(folder.Path() / "DATABASE/SORTED.DBD");
    EXPECT_EQ(Le32(saved, 12), 0x01020304u);
    EXPECT_EQ(Bytes(saved.begin() + 24, saved.begin() + 56), Bytes(32, 0xA5));
    EXPECT_EQ(Bytes(saved.begin() + 56, saved.end()),
              Concat({Rec("K0"), Rec("K1"), Rec("K2", "x"), Rec("K2")}));
}

TEST_F(Table, FirstReleaseDexIsWidenedToTheTemplate) {
    folder.Write("DATABASE/WIDE.DBT", "3\nwkey,0,12,C,\nwval,12,8,C,\nwnew,20,4,I,added later\n");
    TriDb dex;
    const Bytes image = DexImage("WIDE.DBD", 20, 2, {TextBytes("A1", 20), TextBytes("A2", 20)});
    Load(dex, image, "OLD.DEX");
    const ZorException e = FailureOf([&] { dex.CheckRecordSize(); });
    EXPECT_EQ(e.line, 421);
    EXPECT_EQ(e.code, 0x20005u);
    EXPECT_EQ(e.message, Shown("OLD.DEX specifies 20 bytes, DATABASE/WIDE.DBT specifies 24 bytes"));
    dex.ExpandRecordSize();
    EXPECT_EQ(dex.CheckRecordSize(), 24);
    dex.Save(folder.Slashed() + "OLD.DEX");
    const Bytes saved = ReadBytes(folder.Path() / "OLD.DEX");
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 32), TextBytes("WIDE.DBD", 32));
    EXPECT_EQ(Le32(saved, 32), 24u);
    EXPECT_EQ(Le32(saved, 36), 2u);
    EXPECT_EQ(Bytes(saved.begin() + 40, saved.end()), Concat({TextBytes("A1", 24), TextBytes("A2", 24)}));

    TriDb table;
    Load(table, DbdImage("TEST.DBD", 0, 15, {}), "DATABASE\\TEST.DBD");
    const ZorException dbd = FailureOf([&] { table.ExpandRecordSize(); });
    EXPECT_EQ(dbd.line, 400);
    EXPECT_EQ(dbd.message, "Can't expand size of a DBD");
}

TEST_F(Table, GetRecordOutOfRangeFails) {
    TriDb table;
    Load(table, DbdImage("TEST.DBD", 1, 15, {Rec("K1")}), "DATABASE\\TEST.DBD");
    const ZorException e = FailureOf([&] { table.GetRecord(1); });
    EXPECT_EQ(e.line, 353);
    EXPECT_EQ(e.code, 0x20003u);
    EXPECT_EQ(e.message, "Asked for record 1 when only 1 available");
}

#ifndef _WIN32 // a full disk is provoked through the file size limit
TEST_F(Table, FailedSaveLeavesThePreviousFileAsItWas) {
    TriDb table;
    std::vector<Bytes> records(2000, Rec("K"));
    Load(table, DbdImage("TEST.DBD", 2000, 15, records), "DATABASE\\TEST.DBD");
    folder.Write("DATABASE/KEEP.DBD", "previous");

    const ZorException missing = FailureOf([&] { table.Save(folder.Slashed() + "NOFOLDER\\X.DBD"); });
    EXPECT_EQ(missing.line, 311);
    EXPECT_EQ(missing.message, "Unable to open file " + Shown(folder.Slashed() + "NOFOLDER/X.DBD") + "\n");

    // A file size limit makes the writes come up short, as a full disk would.
    const ZorException full = [&] {
        const FileSizeLimit limit(1000);
        return FailureOf([&] { table.Save(folder.Slashed() + "DATABASE\\KEEP.DBD"); });
    }();
    EXPECT_EQ(full.code, static_cast<uint32_t>(EFBIG));
    EXPECT_EQ(ReadBytes(folder.Path() / "DATABASE/KEEP.DBD"),
              Bytes({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path() / "DATABASE"), {}), 2);
}
#endif

} // namespace
