#include "common/Numbers.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Numbers, LenientNumberIsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"  7", 7},    {"\t2", 2},      {"-3.25abc", -3.25},
        {"+4", 4},      {".5", 0.5},   {"5.", 5},       {"-.5", -0.5},
        {"0012", 12},   {"12 34", 12}, {"1e3", 1},      {"1,5", 1},
        {"abc", 0},     {"", 0},       {"-", 0},        {".", 0},
        {"- 3", 0},     {"x12", 0},    {"14.2#", 14.2}, {"2.5.6", 2.5},
        {"１２", 0}, // full-width digits are not decimal digits here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(common::parseLenientNumber(QString::fromUtf8(c.text)), c.value);
    }
}

TEST(Numbers, LenientIntRoundsHalvesToEvenAndSaturates) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"2.51", 3},
        {"1000", 1000},
        {"abc", 0},
        {"99999999999999", std::numeric_limits<int>::max()},
        {"-99999999999999", std::numeric_limits<int>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(common::parseLenientInt(QString::fromUtf8(c.text)), c.value);
    }
}

TEST(Numbers, BooleanText) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {
        {"True", true}, {"true", true}, {"TRUE", true},   {" False ", false}, {"false", false},
        {"1", true},    {"-1", true},   {"0", false},     {"0.0", false},     {"2.5", true},
        {"", false},    {"abc", false}, {"Truex", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(common::parseBoolText(QString::fromUtf8(c.text)), c.value);
    }
    EXPECT_EQ(common::formatBool(true), "True");
    EXPECT_EQ(common::formatBool(false), "False");
}

TEST(Numbers, FormattingWritesNoNeedlessDigitsAndNoExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {-3, "-3"},
        {12.5, "12.5"},
        {14.2, "14.2"},
        {0.1 + 0.2, "0.3"},
        {1e-5, "0.00001"},
        {1234.5678, "1234.5678"},
        {2.0 / 3.0, "0.666666666666667"},
        {1e20, "100000000000000000000"},
        {16777215, "16777215"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(common::formatNumber(c.value), c.text);
    }
    for (const double value : {12.5, 0.3, -7.25, 3600.125, 1e-5}) {
        EXPECT_DOUBLE_EQ(common::parseLenientNumber(common::formatNumber(value)), value);
    }
}
