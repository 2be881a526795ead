#include "common/NumberText.h"

#include <gtest/gtest.h>
#include <QLocale>

using namespace velmora;

TEST(ReadNumber, RepairsWhatUsersType) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"7,5", 7.5},  {"1.234,5", 1.2345}, {"100 %", 100},  {"*012*", 12},    {"2.000", 2},
        {"2,000", 2},  {"2.000,5", 2.0005}, {"-3", -3},      {"  4.25", 4.25}, {"+8", 8},
        {"1e3", 1000}, {"2,5E-3", 0.0025},  {"5 mmol/l", 5}, {"- 5", -5},      {".5", 0.5},
        {"7.", 7},     {"12e", 12},         {"3,", 3},       {"0", 0},         {"pH 7,2", 7.2},
    };
    for (const Case& c : cases) {
        const std::optional<double> value = readNumber(QString::fromUtf8(c.text));
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

TEST(ReadNumber, TextsWithoutDigitsAreNoNumber) {
    for (const char* text : {"", ".", ",", "abc", "-", "   ", "e", "°C"})
        EXPECT_FALSE(readNumber(QString::fromUtf8(text)).has_value()) << '"' << text << '"';
}

TEST(ReadNumber, Gives0After200Parses) {
    // 198 repairs then a clean parse: the 199th parse still counts.
    EXPECT_EQ(readNumber(QString(198, u'x') + QStringLiteral("5")), 5.0);
    // 199 repairs: the 200th parse succeeds, but the count is reached.
    EXPECT_EQ(readNumber(QString(199, u'x') + QStringLiteral("5")), 0.0);
    EXPECT_EQ(readNumber(QString(5000, u'x') + QStringLiteral("5")), 0.0);
    // Reduced to nothing before the count is reached.
    EXPECT_FALSE(readNumber(QString(150, u'x')).has_value());
}

TEST(ReadNumber, OutOfRangeIsNoNumber) {
    EXPECT_FALSE(readNumber(QStringLiteral("1e400")).has_value());
}

TEST(ReadInteger, UsesWholeNumberSyntax) {
    EXPECT_EQ(readInteger(QStringLiteral("150 %")), 150);
    EXPECT_EQ(readInteger(QStringLiteral("1.5")), 15);
    EXPECT_EQ(readInteger(QStringLiteral("-42")), -42);
    EXPECT_EQ(readInteger(QStringLiteral("1e3")), 13);
    EXPECT_FALSE(readInteger(QStringLiteral("")).has_value());
    EXPECT_FALSE(readInteger(QStringLiteral("99999999999")).has_value());
}

TEST(FormatNumber, WritesThreeDecimalsWithAPoint) {
    EXPECT_EQ(formatNumber(7.5), QStringLiteral("7.500"));
    EXPECT_EQ(formatNumber(12345.6789), QStringLiteral("12345.679"));
    EXPECT_EQ(formatNumber(25), QStringLiteral("25.000"));
    EXPECT_EQ(formatNumber(-1.25), QStringLiteral("-1.250"));
    EXPECT_EQ(formatNumber(0.0004), QStringLiteral("0.000"));
    EXPECT_EQ(formatNumber(-0.0004), QStringLiteral("0.000"));
    EXPECT_EQ(formatNumber(-0.0), QStringLiteral("0.000"));
    EXPECT_EQ(formatNumber(1e12), QStringLiteral("1000000000000.000"));
}

TEST(FormatNumber, ReadsBackItsOwnText) {
    for (double value : {0.0, 1.0, -7.123, 2.478, 300.0, 1e-3, 98765.4321})
        EXPECT_NEAR(*readNumber(formatNumber(value)), value, 0.0005) << value;
}

TEST(FormatPattern, FollowsThePatternsOfTheDialogs) {
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {7.25, "0.0", "7,3"},
        {7.0, "#0", "7"},
        {0.4, "#0", "0"},
        {12.345, "#0.0", "12,3"},
        {-0.04, "#0.0", "0,0"},
        {1.005, "#0.00", "1,00"},
        {3.14159, "#0.000", "3,142"},
        {2.5, "#0.0000", "2,5000"},
        {2.5, "#.###", "2,5"},
        {0.125, "#.###", ",125"},
        {0.0, "#.###", ""},
        {12.0, "#.#", "12"},
        {1234567.891, "#,##0.00", "1.234.567,89"},
        {-999.5, "#,##0.00", "-999,50"},
        {0.5, "#,##0.00", "0,50"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatPattern(c.value, QString::fromUtf8(c.pattern), german), QString::fromUtf8(c.text))
            << c.value << " with " << c.pattern;
    EXPECT_EQ(formatPattern(1234.5, u"#,##0.00", QLocale::c()), QStringLiteral("1,234.50"));
}
