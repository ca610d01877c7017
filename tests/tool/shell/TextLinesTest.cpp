// Splitting and joining the lines of the text files the tool reads and writes.
#include "shell/TextLines.h"

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
