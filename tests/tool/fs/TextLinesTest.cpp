// Splitting and joining the lines of the text files the tool reads and writes.
#include "fs/CheckedLines.h"
#include "fs/Fingerprint.h"
#include "fs/TextLines.h"
#include "fs/NativeText.h"

#include <gtest/gtest.h>

TEST(TextLines, CrLfOrCrLfEndALineAndTheLastLineNeedsNoEnd) {
    using Lines = QList<QByteArray>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), Lines({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), Lines({"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\r"), Lines({"a", ""}));
    EXPECT_EQ(SplitLines(""), Lines());
    EXPECT_EQ(SplitLines("\r\n"), Lines({""}));
}

TEST(TextLines, JoinedLinesEndWithCrLfAndSplitBack) {
    const QStringList lines = {"première", "", "x=1"};
    const QByteArray joined = JoinLines(lines);
    EXPECT_EQ(joined, "premi\xc3\xa8re\r\n\r\nx=1\r\n");
    EXPECT_EQ(SplitLines(joined).size(), 3);
    EXPECT_EQ(JoinLines({}), QByteArray());
}

TEST(NativeText, EveryByteComesBackAndUtf8ReadsAsQtReadsIt) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    const QByteArray samples[] = {all, "sc\xc3\xa8nes \xf0\x9f\x9b\xa9",
                                  "\xed\xa0\x80\xc0\xaf\xf4\x90\x80\x80", "r\xe9glage\xf0\x90\x82\x80\x80"};
    for (const QByteArray& bytes : samples)
        EXPECT_EQ(ToNative(FromNative(bytes)), bytes) << bytes.toHex().constData();
    EXPECT_EQ(FromNative("sc\xc3\xa8nes \xf0\x9f\x9b\xa9"),
              QString::fromUtf8("sc\xc3\xa8nes \xf0\x9f\x9b\xa9"));
    EXPECT_EQ(FromNative("r\xe9g").size(), 3);
    EXPECT_EQ(ToNative(QStringLiteral("première")), "premi\xc3\xa8re");
}

// The texts our safety files store: each fingerprint reads back as itself, and only its own text reads.
TEST(StoredTexts, FingerprintsReadBackAndNoOtherTextReads) {
    const Fingerprint prints[] = {{},
                                  {Fingerprint::Kind::File, 0, 1, 0},
                                  {Fingerprint::Kind::File, 123456, 0xfedcba9876543210ull, 0x0123ull},
                                  {Fingerprint::Kind::File, 7, 0xabcull, 0, Fingerprint::Hash::Fnv},
                                  {Fingerprint::Kind::Folder, 0, 0x42},
                                  {Fingerprint::Kind::Link, 0, 0},
                                  {Fingerprint::Kind::Other, 0, 0},
                                  {Fingerprint::Kind::Unknown, 0, 0}};
    for (const Fingerprint& print : prints)
        EXPECT_EQ(Fingerprint::Parse(print.Text()), print) << print.Text().constData();
    for (const char* text : {"", "f", "f12", "f12.", "f-1.x00000000000000000000000000000001", "f1.xABC",
                             "f1.x0000000000000000000000000000001", "f01.abc", "f+1.abc", "d", "d0042", "dX",
                             "l1 ", "oo", "x"})
        EXPECT_FALSE(Fingerprint::Parse(text).has_value()) << text;
}

TEST(StoredTexts, CheckedLinesNameTheFirstDamagedLine) {
    const QByteArray whole = CheckedLine(0, "a\tb") + CheckedLine(1, "") + CheckedLine(2, "c");
    EXPECT_EQ(ReadCheckedLines(whole).texts, QList<QByteArray>({"a\tb", "", "c"}));
    EXPECT_TRUE(ReadCheckedLines(whole.chopped(1)).torn);
    QByteArray flipped = whole;
    flipped[whole.indexOf("\tc\t") + 1] = 'd';
    EXPECT_EQ(ReadCheckedLines(flipped).damage, QString::fromUtf8("ligne 3 : somme de contrôle fausse"));
    const QByteArray swapped = CheckedLine(0, "a") + CheckedLine(2, "c");
    EXPECT_EQ(ReadCheckedLines(swapped).damage, QString::fromUtf8("ligne 2 : numéro de ligne faux"));
    EXPECT_EQ(Fields("a\t\tb"), QList<QByteArrayView>({"a", "", "b"}));
}
