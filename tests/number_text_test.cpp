#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "number_text.h"
#include "random_cases.h"

namespace dephlegmator {
namespace {

struct ParseCase {
    const char* text;
    double expected;
};

TEST(ParseNumber, ReadsTheLeadingNumber) {
    const ParseCase cases[] = {
        {"", 0},
        {"abc", 0},
        {"78", 78},
        {" 12.5 °C", 12.5},
        {"12,5", 12},
        {"1 000", 1000},
        {"-3", -3},
        {".5", 0.5},
        {"1.2.3", 1.2},
        {"1.5E3", 1500},
        {"2D2", 200},
        {"12E", 12},
        {"12e-", 12},
        {"+7", 7},
        {"-.25", -0.25},
        {"1e+2", 100},
        {"3d-1", 0.3},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"+", 0},
        {"e5", 0},
        {"\t4\n2", 42},
        {"1\r2", 1},
        {"40 °C", 40},
        {"40,5", 40},
        {"inf", 0},
        {"nan", 0},
        {"0x1A", 0},
        {"--1", 0},
        {"1-2", 1},
        {"1E2E3", 100},
        {"1.5E 3", 1500},
        {"007", 7},
        {"1e-999999999", 0},
        {"0e999999999999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.expected) << "text '" << c.text << "'";
    }
}

TEST(ParseNumber, ReadsRadixPrefixesAs16Or32BitSignedIntegers) {
    const ParseCase cases[] = {
        {"&H1F", 31},
        {"&h1f", 31},
        {"&HFFFF", -1},
        {"&H7FFF", 32767},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&HFFFFFFFF", -1},
        {"&H7FFFFFFF", 2147483647},
        {"&O17", 15},
        {"&o777", 511},
        {"&O8", 0},
        {"&H", 0},
        {"&HG1", 0},
        {"&H 1F", 31},
        {"&H0000000000000001", 1},
        {"&", 0},
        {"&X12", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.expected) << "text '" << c.text << "'";
    }
}

TEST(ParseNumber, ValuesBeyondTheRangeOverflow) {
    for (const char* text : {"1E309", "-1e400", "1D999999999999", "&H100000000", "&O40000000000",
                             "99999999999999999999999999999999999999999999999E300"}) {
        try {
            ParseNumber(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcError::Kind::Overflow) << text;
        }
    }
}

TEST(ParseNumber, ValuesTooSmallBecomeZeroOrSubnormal) {
    EXPECT_EQ(ParseNumber("1E-400"), 0);
    EXPECT_EQ(ParseNumber("0.000001E-318"), 0);
    EXPECT_EQ(ParseNumber("4.9406564584124654E-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::signbit(ParseNumber("-1e-400")));
}

TEST(ParseNumber, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a comma decimal point installed";
    }
    EXPECT_EQ(ParseNumber("12.5"), 12.5);
    EXPECT_EQ(ParseNumber("12,5"), 12);
    EXPECT_EQ(FormatNumber(12.5, "."), "12.5");
    EXPECT_NE(std::setlocale(LC_NUMERIC, saved.c_str()), nullptr);
}

TEST(RoundDecimals, RoundsHalfToEven) {
    struct Case {
        double x;
        int n;
        double expected;
    };
    const Case cases[] = {
        {2.5, 0, 2},         {3.5, 0, 4},       {-2.5, 0, -2},
        {2.4999, 0, 2},      {0.125, 2, 0.12},  {0.375, 2, 0.38},
        {1234.5, 0, 1234},   {1235.5, 0, 1236}, {16149.43, 0, 16149},
        {2.666666, 2, 2.67}, {7.001, 2, 7},     {19.504857489709234, 2, 19.5},
        {-0.4, 0, 0},        {1e300, 2, 1e300}, {-1e308, 2, -1e308},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundDecimals(c.x, c.n), c.expected) << c.x << " to " << c.n;
    }
}

struct FormatCase {
    double x;
    const char* dot;
    const char* comma;
};

TEST(FormatNumber, WritesUpTo15SignificantDigits) {
    const FormatCase cases[] = {
        {78, "78", "78"},
        {0.5, "0.5", "0,5"},
        {-3.25, "-3.25", "-3,25"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3, "0.666666666666667", "0,666666666666667"},
        {123456789012345, "123456789012345", "123456789012345"},
        {999999999999999.4, "999999999999999", "999999999999999"},
        {999999999999999.9, "1E+15", "1E+15"},
        {1e15, "1E+15", "1E+15"},
        {1.5e15, "1.5E+15", "1,5E+15"},
        {-2.5e20, "-2.5E+20", "-2,5E+20"},
        {8.55673576237286e20, "8.55673576237286E+20", "8,55673576237286E+20"},
        {1e100, "1E+100", "1E+100"},
        {12.50, "12.5", "12,5"},
        {0.0001, "0.0001", "0,0001"},
        {0.00001234, "1.234E-05", "1,234E-05"},
        {-0.0, "0", "0"},
        {0.0, "0", "0"},
        {0.1 + 0.2, "0.3", "0,3"},
        {3.3714893617021278, "3.37148936170213", "3,37148936170213"},
        {5e-324, "4.94065645841247E-324", "4,94065645841247E-324"},
        {1.7976931348623157e308, "1.79769313486232E+308", "1,79769313486232E+308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.x, "."), c.dot) << c.x;
        EXPECT_EQ(FormatNumber(c.x, ","), c.comma) << c.x;
    }
}

// FormatNumber writes what printf's "%.15G" writes, which rounds exactly, over a wide sweep of
// magnitudes and beside the halves of the 15th digit, where a quick path would round wrongly.
TEST(FormatNumber, AgreesWithPrintfEverywhere) {
    std::uint64_t state = 5;
    const auto next = [&state] {  // SplitMix64
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    };
    std::vector<double> numbers;
    for (int i = 0; i < testing::RandomCases(4000, 20000); ++i) {
        const double scale = std::pow(10.0, static_cast<int>(next() % 40) - 12);
        numbers.push_back((1 + static_cast<double>(next() >> 11) * 0x1p-53 * 9) * scale);
        const auto digits = static_cast<double>(next() % 900000000000000u + 100000000000000u);
        const double half = (digits + 0.5) * scale / 1e14;
        numbers.insert(numbers.end(), {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300),
                                       -half, 1 - 1 / (scale + 1)});
    }
    for (const double x : numbers) {
        char expected[40];
        (void)std::snprintf(expected, sizeof expected, "%.15G", x);
        ASSERT_EQ(FormatNumber(x, "."), expected) << std::hexfloat << x;
    }
}

TEST(FormatRounded, RoundsThenFormats) {
    struct Case {
        double x;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {16149.43, 0, "16149"}, {2.666666, 2, "2.67"}, {7.001, 2, "7"},        {1234.5, 0, "1234"},
        {1234.5, 2, "1234.5"},  {-0.4, 0, "0"},        {-1570.75, 0, "-1571"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatRounded(c.x, c.n, "."), c.expected) << c.x << " to " << c.n;
    }
    EXPECT_EQ(FormatRounded(2.666666, 2, ","), "2,67");
}

TEST(NumberText, WholeNumbersSurviveTheRoundTripUnderAnySeparator) {
    for (double x : {0.0, 1.0, 78.0, 5282.0, -1571.0, 123456789012345.0, 999999999999999.0}) {
        EXPECT_EQ(ParseNumber(FormatRounded(x, 0, ",")), x);
        EXPECT_EQ(ParseNumber(FormatRounded(x, 0, ".")), x);
    }
    EXPECT_EQ(ParseNumber(FormatRounded(2.666666, 2, ",")), 2);
}

}  // namespace
}  // namespace dephlegmator
