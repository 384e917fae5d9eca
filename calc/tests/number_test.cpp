// SPDX-License-Identifier: GPL-3.0-or-later
// Reading typed numbers with Val and showing numbers with FormatNumber.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <utility>

#include "calc/number.h"
#include "calc/tests/shown.h"

namespace {

using calc::FormatNumber;
using calc::Val;
using calc_test::ExpectShown;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValCase {
    const char* name;
    std::string_view text;
    double expected;
};

void PrintTo(const ValCase& c, std::ostream* os) {
    *os << c.name;
}

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const ValCase& c = GetParam();
    EXPECT_EQ(Val(c.text), c.expected) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Val, ValTest,
    ::testing::Values(
        ValCase{"BlanksAnywhere", "1 2 . 5", 12.5}, ValCase{"TabsAndLineEnds", "\t3\r\n7 ", 37},
        ValCase{"BlankAfterSign", "- 5", -5}, ValCase{"BlanksInExponent", "1 e 3", 1000},
        ValCase{"CommaStopsTheNumber", "3,5", 3}, ValCase{"CommaInDosage", "350,5", 350},
        ValCase{"Empty", "", 0}, ValCase{"OnlyBlanks", " \t\n", 0}, ValCase{"Letters", "abc", 0},
        ValCase{"Negative", "-1", -1}, ValCase{"PlusSign", "+2", 2}, ValCase{"TwoSigns", "+-2", 0},
        ValCase{"LoneSign", "-", 0}, ValCase{"LeadingPoint", ".5", 0.5},
        ValCase{"TrailingPoint", "5.", 5}, ValCase{"LonePoint", ".", 0},
        ValCase{"LeadingZeros", "007.50", 7.5}, ValCase{"Exponent", "1e3", 1000},
        ValCase{"UpperExponentWithPlus", "1E+3", 1000}, ValCase{"NegativeExponent", "1e-3", 1e-3},
        ValCase{"ExponentWithoutDigits", "1e", 1}, ValCase{"ExponentSignWithoutDigits", "2e+", 2},
        ValCase{"ExponentAlone", "e5", 0}, ValCase{"SecondPointStops", "1.2.3", 1.2},
        ValCase{"TrailingLetters", "12abc", 12}, ValCase{"NegativeZero", "-0", 0},
        ValCase{"NearestDouble", "0.1", 0.1},
        ValCase{"SmallestNormal", "2.2250738585072014e-308", DBL_MIN},
        ValCase{"LargestFinite", "1.7976931348623157e308", DBL_MAX},
        ValCase{"FractionTimesExponent", "0.000123e310", 1.23e306},
        ValCase{"HugeExponent", "1e999", kInf}, ValCase{"HugeNegativeExponent", "-1e999", -kInf},
        ValCase{"JustAboveLargest", "1.8e308", kInf}, ValCase{"TinyExponent", "1e-999", 0},
        ValCase{"ZeroWithHugeExponent", "0e999", 0}, ValCase{"Hex", "&H1F", 31},
        ValCase{"HexLowerCase", "&h1f", 31}, ValCase{"HexWithBlanks", "& H 1 F", 31},
        ValCase{"HexStopsAtNonDigit", "&H1G", 1}, ValCase{"Octal", "&o17", 15},
        ValCase{"OctalStopsAtEight", "&O178", 15}, ValCase{"HexWithoutDigits", "&H", 0},
        ValCase{"AmpersandAlone", "&12", 0}, ValCase{"HexIsUnsigned", "&HFFFFFFFF", 4294967295.0},
        ValCase{"SignBeforeHex", "-&H10", 0}),
    [](const ::testing::TestParamInfo<ValCase>& info) { return std::string(info.param.name); });

// A number typed into a box: Val's rules, with the comma as a second decimal point.
TEST(ReadTyped, ReadsTheCommaAsTheDecimalPoint) {
    const std::pair<std::string_view, double> cases[] = {
        {"7,25", 7.25},    {"350,5", 350.5}, {"0,5", 0.5},   {",5", 0.5},  {"1,5e2", 150},
        {"1,2,3", 1.2},    {"1.5,5", 1.5},   {"1,5.5", 1.5}, {"7 €", 7},   {"7,25 €", 7.25},
        {"- 3 , 5", -3.5}, {"1e999", kInf},  {"&H1F", 31},   {"abc,5", 0}, {"", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(calc::ReadTyped(text), expected) << "text \"" << text << "\"";
}

TEST(ValLongText, HundredThousandDigitsOverflow) {
    EXPECT_EQ(Val(std::string(100000, '9')), kInf);
}

TEST(ValLongText, HundredThousandZerosBeforeADigitUnderflow) {
    EXPECT_EQ(Val("0." + std::string(100000, '0') + "1"), 0);
}

TEST(ValLongText, LongFractionRoundsCorrectly) {
    EXPECT_EQ(Val("0." + std::string(100000, '3')), 1.0 / 3.0);
}

TEST(ValLongText, HundredThousandExponentDigits) {
    EXPECT_EQ(Val("1e" + std::string(100000, '9')), kInf);
    EXPECT_EQ(Val("1e-" + std::string(100000, '9')), 0);
}

TEST(ValLongText, LongBlanksThenNumber) {
    EXPECT_EQ(Val(std::string(100000, ' ') + "42"), 42);
}

TEST(ValLongText, LongHexOverflows) {
    EXPECT_EQ(Val("&H" + std::string(100000, 'F')), kInf);
}

struct FormatCase {
    const char* name;
    double value;
    std::string_view pattern;
    std::string_view commaText;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, ShowsWithBothSeparators) {
    const FormatCase& c = GetParam();
    ExpectShown(c.value, c.pattern, c.commaText);
}

INSTANTIATE_TEST_SUITE_P(
    FormatNumber, FormatNumberTest,
    ::testing::Values(FormatCase{"HalfUpAtOneDecimal", 0.15, "0.0", "0,2"},
                      FormatCase{"HalfUpAtTwoDecimals", 2.675, "0.00", "2,68"},
                      FormatCase{"NegativeHalfAwayFromZero", -2.675, "0.00", "-2,68"},
                      FormatCase{"BelowHalfDown", 0.149999, "0.0", "0,1"},
                      FormatCase{"TwentiethToWhole", 0.05, "##0", "0"},
                      FormatCase{"HalfToWhole", 0.5, "##0", "1"},
                      FormatCase{"CarryIntoNewDigit", 9.96, "######0.0", "10,0"},
                      FormatCase{"CarryThroughNines", 999.999, "######0.#0", "1000,00"},
                      FormatCase{"OptionalPlaceShownBeforeMandatory", 72, "######0.#0", "72,00"},
                      FormatCase{"OneDecimalPrice", 72.5, "######0.#0", "72,50"},
                      FormatCase{"ZeroPrice", 0, "######0.#0", "0,00"},
                      FormatCase{"TrailingOptionalPlaceDropped", 1.5, "0.0#", "1,5"},
                      FormatCase{"OptionalIntegerDigitsAbsent", 0.5, "#.#", ",5"},
                      FormatCase{"NegativeZero", -0.0, "######0.0", "0,0"},
                      FormatCase{"NegativeRoundingToZero", -0.04, "######0.0", "0,0"},
                      FormatCase{"NegativeWholeRoundingToZero", -0.4, "##0", "0"},
                      FormatCase{"Negative", -3.5, "######0.0", "-3,5"},
                      FormatCase{"LongerThanPattern", 123456789012.5, "######0.0",
                                 "123456789012,5"},
                      FormatCase{"HoursLongerThanPattern", 1234567, "####0", "1234567"},
                      FormatCase{"FifteenSignificantDigits", 0.1 + 0.2, "0.0000000000000000",
                                 "0,3000000000000000"},
                      FormatCase{"Subnormal", 5e-324, "######0.0", "0,0"},
                      FormatCase{"SmallValueTwoDecimals", 0.005, "######0.#0", "0,01"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatNumberExtremes, HugeValueShownInFull) {
    const std::string text = FormatNumber(1e300, "######0.0", ',');
    ASSERT_EQ(text.size(), 303u);
    EXPECT_EQ(text.substr(0, 16), "1000000000000000");
    EXPECT_EQ(text.substr(text.size() - 2), ",0");
    EXPECT_EQ(Val(FormatNumber(1e300, "######0.0", '.')), 1e300);
}

TEST(FormatNumberExtremes, LargestDoubleShownInFull) {
    const std::string text = FormatNumber(-DBL_MAX, "######0.#0", '.');
    EXPECT_EQ(text.substr(0, 16), "-179769313486232");
    EXPECT_EQ(text.size(), 1u + 309u + 3u);
}

TEST(FormatNumberExtremes, NotFiniteShowsOverflow) {
    for (const double value : {kInf, -kInf, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(FormatNumber(value, "######0.#0", ','), "Dépassement");
        EXPECT_EQ(FormatNumber(value, "##0", '.'), calc::kOverflowText);
    }
}

}  // namespace
