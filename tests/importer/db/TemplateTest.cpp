#include "DbTestFiles.h"

#include "base/ZorException.h"
#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <gtest/gtest.h>

namespace {

TriDbTemplate Parse(const std::string& text) {
    TriDbTemplate recordTemplate;
    recordTemplate.LoadFromImage(ImageOf(text, "DATABASE\\TEST.DBT"));
    return recordTemplate;
}

ZorException ParseFailure(const std::string& text) {
    SCOPED_TRACE(text);
    return FailureOf([&] { Parse(text); });
}

TEST(TemplateFile, LineEndsOfAnyKindAndBlankLinesReadAlike) {
    const TriDbTemplate plain = Parse("2\nakey,0,5,C,key\nantp,5,4,I,type");
    const TriDbTemplate blank =
        Parse("  2\r\n\r\n\rakey,0,5,C,key\n\n\r\nantp,5,4,I,type\r\n\r\nextra,9,9,X,ignored\r\n");
    ASSERT_EQ(blank.GetFieldCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(blank.GetField(i).fieldCode, plain.GetField(i).fieldCode);
        EXPECT_EQ(blank.GetField(i).comment, plain.GetField(i).comment);
    }
    EXPECT_EQ(blank.GetField("antp").offset, 5);
    EXPECT_EQ(blank.GetField("antp").type, 'I');
    EXPECT_EQ(blank.GetRecordSize(), 9);
    EXPECT_EQ(blank.name, "DATABASE\\TEST.DBT");
}

TEST(TemplateFile, TokensAreCutAtCommasAndNothingIsTrimmed) {
    const TriDbTemplate t = Parse("3\nrunway,12,x7, C,comment, with, commas\nab,junk,,\nzz");
    EXPECT_EQ(t.GetField(0).fieldCode, "runw");
    EXPECT_EQ(t.GetField(0).offset, 12);
    EXPECT_EQ(t.GetField(0).width, 0); // like atoi: "x7" is no number
    EXPECT_EQ(t.GetField(0).type, ' ');
    EXPECT_EQ(t.GetField(0).comment, "comment, with, commas");
    EXPECT_EQ(t.GetField(1).fieldCode, "ab");
    EXPECT_EQ(t.GetField(1).type, '\0');
    EXPECT_EQ(t.GetField(1).comment, "");
    EXPECT_EQ(t.GetField(2).fieldCode, "zz");
    EXPECT_EQ(t.GetField(2).width, 0);
}

TEST(TemplateFile, RecordSizeFollowsTheLastLine) {
    EXPECT_EQ(Parse("2\nwide,0,4,C,\nnarr,0,2,C,").GetRecordSize(), 2);
    EXPECT_EQ(Parse("-3\nwide,0,4,C,").GetFieldCount(), 0);
    EXPECT_EQ(Parse("-3\nwide,0,4,C,").GetRecordSize(), 0);
}

TEST(TemplateFile, FailuresCarryModuleSiteCodeAndMessage) {
    const ZorException zero = ParseFailure("0\nakey,0,4,C,");
    EXPECT_EQ(zero.file, "TriDbTemplate");
    EXPECT_EQ(zero.line, 140);
    EXPECT_EQ(zero.code, 0x2000Bu);
    EXPECT_EQ(zero.message, "Invalid file");
    EXPECT_EQ(ParseFailure("none\n").message, "Invalid file");

    const ZorException shortFile = ParseFailure("3\nakey,0,4,C,\nbkey,4,4,C,\n");
    EXPECT_EQ(shortFile.line, 145);
    EXPECT_EQ(shortFile.message, "ReadString fails");
    EXPECT_EQ(ParseFailure("\r\n\r\n").line, 136);

    const TriDbTemplate t = Parse("1\nakey,0,4,C,");
    try {
        t.GetFieldIndex("akeyx");
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.line, 71);
        EXPECT_EQ(e.code, 0x2000Au);
        EXPECT_EQ(e.message, "Asked for field akeyx which doesn't exist");
    }
    try {
        t.GetField(1);
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.line, 93);
        EXPECT_EQ(e.message, "Asked for field 1 when only 1 available");
    }
    EXPECT_THROW(t.GetField("AKEY"), ZorException);
}

TEST(TemplateFile, FieldsOutsideAnyRecordAreRefused) {
    EXPECT_EQ(ParseFailure("1\nakey,-4,8,C,").code, 0x2000Bu);
    EXPECT_EQ(ParseFailure("1\nakey,0,-1,C,").code, 0x2000Bu);
    EXPECT_EQ(ParseFailure("1\nakey,0,99999999,C,").code, 0x2000Bu);
}

class FieldText : public ::testing::Test {
protected:
    TriDbTemplate t =
        Parse("6\nname,0,5,C,\nchar,5,1,B,\nnumb,6,4,I,\nposn,10,8,D,\nflag,18,1,C,\nlast,19,1,C,");

    TriDbRecord Make(const Bytes& bytes) const { return TriDbRecord(&t, bytes.data(), bytes.size()); }
};

TEST_F(FieldText, PrintableForms) {
    const TriDbRecord r =
        Make(Concat({TextBytes("AB", 5), {0x41}, Int32Bytes(-42), DoubleBytes(-1.5), {0x07}, {0xC8}}));
    EXPECT_EQ(r.GetFieldText("name"), "AB");
    EXPECT_EQ(r.GetFieldText("char"), "'A' (65)");
    EXPECT_EQ(r.GetFieldText("numb"), "-42");
    EXPECT_EQ(r.GetFieldText("posn"), "-1.500000");
    EXPECT_EQ(r.GetFieldText("flag"), "7");
    EXPECT_EQ(r.GetFieldText("last"), "-56");
    EXPECT_EQ(Make(TextBytes("ABCDE", 20)).GetFieldText(0), "ABCDE");
}

TEST_F(FieldText, ShortSlotsAreZeroFilledAndCopiesShareTheBytes) {
    const TriDbRecord r = Make(TextBytes("XY", 3));
    EXPECT_EQ(r.GetFieldText("numb"), "0");
    TriDbRecord copy = r; // what a table hands out writes to the table's bytes
    copy.SetFieldText("name", "QQ");
    EXPECT_EQ(r.GetFieldText(0), "QQ");
}

TEST_F(FieldText, SetFieldTextIsStrncpyOverTheWidth) {
    TriDbRecord r = Make(Bytes(20, 0xEE));
    r.SetFieldText("name", "ABCDEFG");
    EXPECT_EQ(Bytes(r.GetData(), r.GetData() + 6), Concat({TextBytes("ABCDE", 5), {0xEE}}));
    r.SetFieldText("name", "XY");
    EXPECT_EQ(Bytes(r.GetData(), r.GetData() + 6), Concat({TextBytes("XY", 5), {0xEE}}));
    try {
        r.SetFieldText("numb", "1");
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.file, "TriDbRecord");
        EXPECT_EQ(e.line, 165);
        EXPECT_EQ(e.code, 0x20007u);
        EXPECT_EQ(e.message, "Tried to set field 2 to char when it's really type 73");
    }
}

TEST_F(FieldText, AssignNeedsEqualRecordSizes) {
    const TriDbTemplate other = Parse("1\nname,0,5,C,");
    const Bytes bytes = TextBytes("QQ", 5);
    TriDbRecord narrow(&other, bytes.data(), bytes.size());
    TriDbRecord r = Make(Bytes(20, 0));
    r.Assign(Make(TextBytes("NEW", 20)));
    EXPECT_EQ(r.GetFieldText(0), "NEW");
    try {
        r.Assign(narrow);
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.line, 207);
        EXPECT_EQ(e.code, 0x20005u);
        EXPECT_EQ(e.message, "Assigning mismatched records");
    }
}

// Merging by a key without a byte in the record made every key empty: each update replaced or deleted
// the first record. A key partly inside the record still tells records apart.
TEST(TemplateFile, KeyFieldWithoutAByteInTheRecordIsRefused) {
    for (const std::string text : {"2\nakey,10,4,C,\nbkey,0,6,C,", "2\nakey,0,0,C,\nbkey,0,6,C,"}) {
        const ZorException e = FailureOf([&] { Parse(text).CheckKeyField(); });
        EXPECT_EQ(e.code, 0x2000Eu) << text;
        EXPECT_TRUE(e.message.starts_with(Shown("Key field akey of DATABASE/TEST.DBT lies outside the record"))) << e.message;
    }
    EXPECT_NO_THROW(Parse("2\nakey,4,4,C,\nbkey,0,6,C,").CheckKeyField());
}

TEST(FieldTextOutsideRecord, FieldsPastTheRecordEndReadAsZero) {
    const TriDbTemplate t = Parse("2\nwide,0,12,C,\nnarr,0,2,C,");
    const Bytes bytes = TextBytes("ABCDEFGHIJKL", 12);
    TriDbRecord r(&t, bytes.data(), bytes.size());
    EXPECT_EQ(r.GetBufferSize(), 2u);
    EXPECT_EQ(r.GetFieldText("wide"), "AB");
    r.SetFieldText("wide", "XYZXYZ");
    EXPECT_EQ(r.GetFieldText("narr"), "XY");
}

} // namespace
