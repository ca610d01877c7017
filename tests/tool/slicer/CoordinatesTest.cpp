#include "slicer/Coordinates.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

QString Typed(const char* text) {
    const Result<long double> read = ReadCoordinate(QString::fromUtf8(text));
    return read ? DecimalDegreeText(*read) : QString();
}

// The failure's reason and the text it names.
QString ErrorOf(const char* text) {
    const Result<long double> read = ReadCoordinate(QString::fromUtf8(text));
    return read ? QString() : read.failure().reason + " @" + read.failure().path;
}

} // namespace

TEST(Coordinates, SignCharactersSetTheSign) {
    EXPECT_EQ(Typed("+12.25"), "12.250000000000000000");
    EXPECT_EQ(Typed("-12.25"), "-12.250000000000000000");
    EXPECT_EQ(Typed("s12.25"), "-12.250000000000000000");
    EXPECT_EQ(Typed("  n 12.25  "), "12.250000000000000000");
    // The letter of the other axis is only a sign.
    EXPECT_EQ(Typed("E47.5"), "47.500000000000000000");
    EXPECT_EQ(Typed("W47.5"), "-47.500000000000000000");
}

TEST(Coordinates, InvalidTextsGiveZero) {
    for (const char* text : {"N", "X 47", "47.5", "", "   ", "N 47a", "N -47", "N47,5", "-0"})
        EXPECT_EQ(Typed(text), "0.000000000000000000") << text;
}

TEST(Coordinates, DegreesMinutesSeconds) {
    EXPECT_EQ(Typed("N 47 30 0"), "47.500000000000000000");
    EXPECT_EQ(Typed("N47.5"), "47.500000000000000000");
    EXPECT_EQ(Typed("N47 30 0"), "47.500000000000000000");
    EXPECT_EQ(Typed("W 7 15 0"), "-7.250000000000000000");
    EXPECT_EQ(Typed("S   7  15   36.0  99"), "-7.260000000000000000");
    // Until the seconds are typed.
    EXPECT_EQ(Typed("N 47 30"), "0.000000000000000000");
}

TEST(Coordinates, NumbersThatDontReadFailNamingTheirText) {
    EXPECT_EQ(ErrorOf("N."), "'.' is not a valid floating point value @.");
    EXPECT_EQ(ErrorOf("- . "), "'.' is not a valid floating point value @.");
    EXPECT_EQ(ErrorOf("N 1.2.3"), "'1.2.3' is not a valid floating point value @1.2.3");
    EXPECT_EQ(ErrorOf("N 4.5 30 0"), "'4.5' is not a valid integer value @4.5");
    EXPECT_EQ(ErrorOf("N 47 30 ."), "'.' is not a valid floating point value @.");
    EXPECT_EQ(ErrorOf("N 47. 30 0"), "'47.' is not a valid integer value @47.");
    EXPECT_EQ(ErrorOf("N 47 3.0 0"), "'3.0' is not a valid integer value @3.0");
    EXPECT_TRUE(ErrorOf("N 47.").isEmpty());
    EXPECT_TRUE(ErrorOf("N .5").isEmpty());
}

TEST(Coordinates, DecimalNumbersReadWithAPointWhateverTheLocale) {
    EXPECT_EQ(ReadDecimalOrZero("").value_or(1), 0);
    EXPECT_EQ(ReadDecimalNumber("-12.25").value_or(0), -12.25L);
    EXPECT_EQ(ReadDecimalNumber("+0.5").value_or(0), 0.5L);
    for (const char* bad : {"12,5", "abc", "inf", "nan", "+-1", " 1", "+"})
        EXPECT_EQ(ReadDecimalNumber(bad).failure().path, bad) << bad;
    EXPECT_EQ(ReadWholeNumber("-42").value_or(0), -42);
    for (const char* bad : {"4.0", "", "99999999999", "x"})
        EXPECT_EQ(ReadWholeNumber(bad).failure().reason,
                  QString("'%1' is not a valid integer value").arg(bad))
            << bad;
}

TEST(Coordinates, DecimalDegreeTextKeepsEighteenSignificantDigits) {
    EXPECT_EQ(DecimalDegreeText(0.1L), "0.100000000000000000");
    EXPECT_EQ(DecimalDegreeText(123.456L), "123.456000000000000000");
    EXPECT_EQ(DecimalDegreeText(-0.0L), "0.000000000000000000");
    EXPECT_EQ(DecimalDegreeText(ReadDecimalNumber("47.123456789012345678").value_or(0)),
              "47.123456789012345700");
}

TEST(Coordinates, DegreeMinuteSecondText) {
    EXPECT_EQ(DmsText(47.5L, true), "47 30 0.0 N");
    EXPECT_EQ(DmsText(-0.25L, false), "0 15 0.0 W");
    EXPECT_EQ(DmsText(0, true), "0 0 0.0 N");
    EXPECT_EQ(DmsText(0, false), "0 0 0.0 E");
    EXPECT_EQ(DmsText(-12.5L, true), "12 30 0.0 S");
    // Seconds are cut to one decimal, not rounded ...
    EXPECT_EQ(DmsText(47.5L + 15.26L / 3600, true), "47 30 15.2 N");
    // ... after rounding to four decimals.
    EXPECT_EQ(DmsText(47.5L + 15.29996L / 3600, true), "47 30 15.3 N");
    // Seconds that round up to a whole minute stay 60.0, without a carry.
    EXPECT_EQ(DmsText(47.5L + 59.99999L / 3600, true), "47 30 60.0 N");
}
