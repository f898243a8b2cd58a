// The numeric check of the edit boxes, the two conversions and the general form of the angle.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "Unit2/Failure.h"
#include "Unit2/NumericText.h"

namespace varno {
namespace {

struct NumericCase {
    std::string text;
    bool numeric;

    friend void PrintTo(const NumericCase& c, std::ostream* out) { *out << "'" << c.text << "'"; }
};

class IsNumericTextTest : public testing::TestWithParam<NumericCase> {};

TEST_P(IsNumericTextTest, AcceptsDigitsWithOneSeparatorAfterAnOptionalMinus) {
    const auto& [text, numeric] = GetParam();
    EXPECT_EQ(IsNumericText(text), numeric) << "text '" << text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsNumericTextTest,
    testing::Values(NumericCase{"", false}, NumericCase{"-", false}, NumericCase{"12", true},
                    NumericCase{"0012", true}, NumericCase{"-12", true}, NumericCase{"-0", true},
                    NumericCase{"1.5", true}, NumericCase{"1,5", true}, NumericCase{"5.", true},
                    NumericCase{".5", true}, NumericCase{"-.5", true}, NumericCase{".", true},
                    NumericCase{"-.", true}, NumericCase{"1.2.3", false},
                    NumericCase{"1,2.3", false}, NumericCase{"1..", false},
                    NumericCase{"+1", false}, NumericCase{"1e5", false}, NumericCase{"--1", false},
                    NumericCase{"1-", false}, NumericCase{" 12", false}, NumericCase{"12 ", false},
                    NumericCase{"1\xB0", false}));

struct WholeCase {
    std::string text;
    std::int32_t value;

    friend void PrintTo(const WholeCase& c, std::ostream* out) { *out << "'" << c.text << "'"; }
};

class ToWholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(ToWholeNumberTest, ReadsSigned32BitDecimal) {
    const auto& [text, value] = GetParam();
    EXPECT_EQ(ToWholeNumber(text), value) << "text '" << text << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, ToWholeNumberTest,
                         testing::Values(WholeCase{"12", 12}, WholeCase{"0012", 12},
                                         WholeCase{"-12", -12}, WholeCase{"-0", 0},
                                         WholeCase{"2147483647", 2147483647},
                                         WholeCase{"-2147483648", -2147483647 - 1}));

class ToWholeNumberFailureTest : public testing::TestWithParam<std::string> {};

TEST_P(ToWholeNumberFailureTest, NamesTheTextInItsMessage) {
    const std::string& text = GetParam();
    try {
        const auto value = ToWholeNumber(text);
        ADD_FAILURE() << "text '" << text << "' gave " << value;
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), "'" + text + "' is not a valid integer value");
    }
}

// Texts that pass IsNumericText but are no whole number, and a few that do not pass it.
INSTANTIATE_TEST_SUITE_P(Table, ToWholeNumberFailureTest,
                         testing::Values("12.", "12.5", "1,5", ".", "-.", "2147483648",
                                         "-2147483649", "99999999999", "", "-", "+1", " 1", "1 "));

// head, then `zeros` zeros, then tail: numbers with more digits than a double holds.
std::string WithZeros(std::string head, std::size_t zeros, std::string_view tail) {
    head.append(zeros, '0');
    head.append(tail);
    return head;
}

struct FloatCase {
    std::string text;
    char separator;
    double value;

    friend void PrintTo(const FloatCase& c, std::ostream* out) {
        *out << "'" << c.text.substr(0, 40) << "' with '" << c.separator << "'";
    }
};

class ToFloatingPointTest : public testing::TestWithParam<FloatCase> {};

TEST_P(ToFloatingPointTest, ReadsTheCorrectlyRoundedDouble) {
    const auto& [text, separator, value] = GetParam();
    const double read = ToFloatingPoint(text, separator);
    EXPECT_EQ(read, value) << "text '" << text << "'";
    EXPECT_EQ(std::signbit(read), std::signbit(value)) << "text '" << text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToFloatingPointTest,
    testing::Values(FloatCase{"12,5", ',', 12.5}, FloatCase{"12.5", '.', 12.5},
                    FloatCase{"5.", '.', 5.0}, FloatCase{".5", '.', 0.5},
                    FloatCase{"-.5", '.', -0.5}, FloatCase{"-90", ',', -90.0},
                    FloatCase{"0012", '.', 12.0}, FloatCase{"-0", '.', -0.0},
                    FloatCase{"0.1", '.', 0.1},
                    // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
                    FloatCase{"9007199254740993", '.', 9007199254740992.0},
                    FloatCase{"0.1000000000000000055511151231257827", '.', 0.1},
                    // Below the smallest denormal: the nearest double is a zero of that sign.
                    FloatCase{WithZeros("0.", 400, "1"), '.', 0.0},
                    FloatCase{WithZeros("-0,", 400, "1"), ',', -0.0}));

class ToFloatingPointFailureTest : public testing::TestWithParam<std::pair<std::string, char>> {};

TEST_P(ToFloatingPointFailureTest, NamesTheTextInItsMessage) {
    const auto& [text, separator] = GetParam();
    try {
        const double value = ToFloatingPoint(text, separator);
        ADD_FAILURE() << "text '" << text << "' gave " << value;
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToFloatingPointFailureTest,
    testing::Values(
        std::pair<std::string, char>{"1.5", ','}, std::pair<std::string, char>{"1,5", '.'},
        std::pair<std::string, char>{".", '.'}, std::pair<std::string, char>{"-.", '.'},
        std::pair<std::string, char>{"-", '.'}, std::pair<std::string, char>{"", '.'},
        std::pair<std::string, char>{"1.2.3", '.'}, std::pair<std::string, char>{"1e5", '.'},
        std::pair<std::string, char>{"inf", '.'}, std::pair<std::string, char>{"+1", '.'},
        std::pair<std::string, char>{"--1", '.'},
        std::pair<std::string, char>{WithZeros("1", 400, ""), '.'}));

struct GeneralCase {
    double value;
    char separator;
    std::string text;

    friend void PrintTo(const GeneralCase& c, std::ostream* out) {
        *out << c.value << " with '" << c.separator << "'";
    }
};

class FormatGeneralTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
    const auto& [value, separator, text] = GetParam();
    EXPECT_EQ(FormatGeneral(value, separator), text) << "value " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatGeneralTest,
    testing::Values(
        GeneralCase{90.0, '.', "90"}, GeneralCase{-90.0, '.', "-90"},
        GeneralCase{12.5, ',', "12,5"}, GeneralCase{0.1 + 0.2, '.', "0.3"},
        GeneralCase{-0.0, '.', "0"}, GeneralCase{0.0, ',', "0"}, GeneralCase{180.0, '.', "180"},
        GeneralCase{100.0, '.', "100"}, GeneralCase{-0.5, ',', "-0,5"},
        GeneralCase{1.0 / 3.0, '.', "0.333333333333333"},
        GeneralCase{2.0 / 3.0, '.', "0.666666666666667"},
        GeneralCase{1234567.125, '.', "1234567.125"},
        GeneralCase{123456789012345.0, '.', "123456789012345"},
        GeneralCase{1e14, '.', "100000000000000"},
        // Sixteen digits: rounded to fifteen, and at 1E15 and above in exponent form.
        GeneralCase{1234567890123456.0, '.', "1.23456789012346E15"}, GeneralCase{1e15, '.', "1E15"},
        // Rounded to 15 digits this is 1E15, so it is written as one.
        GeneralCase{999999999999999.9, '.', "1E15"}, GeneralCase{0.00001, '.', "0.00001"},
        GeneralCase{0.000123, ',', "0,000123"}, GeneralCase{9.99e-6, '.', "9.99E-6"},
        GeneralCase{1.5e-7, '.', "1.5E-7"}, GeneralCase{1.5e-7, ',', "1,5E-7"},
        GeneralCase{-2.5e300, '.', "-2.5E300"}, GeneralCase{1e100, '.', "1E100"},
        GeneralCase{std::numeric_limits<double>::denorm_min(), '.', "4.94065645841247E-324"},
        GeneralCase{std::numeric_limits<double>::max(), '.', "1.79769313486232E308"},
        GeneralCase{std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
        GeneralCase{std::numeric_limits<double>::infinity(), '.', "INF"},
        GeneralCase{-std::numeric_limits<double>::infinity(), '.', "-INF"}));

TEST(FormatGeneralTest, FixedTextReadsBackAsTheSameAngle) {
    for (const double angle : {45.0, -180.0, 12.5, -0.0001, 359.999999, 0.00001}) {
        const std::string text = FormatGeneral(angle, ',');
        ASSERT_TRUE(IsNumericText(text)) << text;
        EXPECT_DOUBLE_EQ(ToFloatingPoint(text, ','), angle) << text;
    }
}

}  // namespace
}  // namespace varno
