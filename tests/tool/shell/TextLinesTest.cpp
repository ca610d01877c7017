// Splitting and joining the lines of the text files the tool reads and writes.
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
