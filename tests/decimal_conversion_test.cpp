#include "decimal_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

#include "exact_decimal.h"
#include "random_cases.h"

namespace dephlegmator {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

TEST(FromChars, ReadsTheLeadingNumber) {
    constexpr auto kOk = std::errc{};
    constexpr auto kRange = std::errc::result_out_of_range;
    constexpr auto kNone = std::errc::invalid_argument;
    const std::string tieDigits = "9007199254740993";  // halfway between 2^53 and 2^53 + 2
    const std::string manyZeros(1'000'000, '0');
    struct Case {
        std::string text;
        double expected;  // for kNone: the value left alone, here −1
        std::size_t length;
        std::errc ec;
    };
    const Case cases[] = {
        {"125e-2", 1.25, 6, kOk},
        {"12.5", 12.5, 4, kOk},
        {".5", 0.5, 2, kOk},
        {"5.", 5, 2, kOk},
        {"-.25", -0.25, 4, kOk},
        {"007", 7, 3, kOk},
        {"1.5e+3", 1500, 6, kOk},
        {"3E-1", 0.3, 4, kOk},
        {"12e", 12, 2, kOk},
        {"12e-", 12, 2, kOk},
        {"1.2.3", 1.2, 3, kOk},
        {"1e2e3", 100, 3, kOk},
        {"-0", -0.0, 2, kOk},
        {"0e999999999999", 0, 14, kOk},
        {"1e23", 1e23, 4, kOk},  // the nearest double, not 1E22 × 10
        {"100000000000000000000000e-1", 1e22, 27, kOk},
        {"0.333333333333333333333333333333", 1.0 / 3, 32, kOk},
        {tieDigits, 9007199254740992.0, 16, kOk},  // a tie, to the even neighbour
        {"9007199254740995", 9007199254740996.0, 16, kOk},
        {tieDigits + "." + manyZeros, 9007199254740992.0, 1'000'017, kOk},
        {tieDigits + "." + manyZeros + "1", 9007199254740994.0, 1'000'018, kOk},  // above the tie
        {"1" + manyZeros, HUGE_VAL, 1'000'001, kRange},
        {"1.7976931348623157e308", kMax, 22, kOk},
        {"1.7976931348623158e308", kMax, 22, kOk},         // below the midpoint to 2^1024
        {"1.7976931348623159e308", HUGE_VAL, 22, kRange},  // past it
        {"1e309", HUGE_VAL, 5, kRange},
        {"-1e400", -HUGE_VAL, 6, kRange},
        {"1e999999999999999999999", HUGE_VAL, 23, kRange},
        {"2.2250738585072011e-308", 2.2250738585072011e-308, 23, kOk},  // the largest subnormal
        {"4.9406564584124654e-324", kTiny, 23, kOk},                    // the smallest one
        {"2.4703282292062328e-324", kTiny, 23, kOk},                    // just over half of it
        {"2.4703282292062327e-324", 0, 23, kRange},                     // just under
        {"1e-400", 0, 6, kRange},
        {"-1e-400", -0.0, 7, kRange},
        {"0." + manyZeros + "1", 0, 1'000'003, kRange},
        {"", -1, 0, kNone},
        {"e5", -1, 0, kNone},
        {".", -1, 0, kNone},
        {".e1", -1, 0, kNone},
        {"-", -1, 0, kNone},
        {"+1", -1, 0, kNone},
        {" 1", -1, 0, kNone},
        {"inf", -1, 0, kNone},
        {"-nan", -1, 0, kNone},
    };
    for (const Case& c : cases) {
        const std::string shown = c.text.substr(0, 40);
        for (const auto convert : {FromChars, ExactFromChars}) {
            double value = -1;
            const auto [ptr, ec] = convert(c.text.data(), c.text.data() + c.text.size(), value);
            EXPECT_EQ(value, c.expected) << shown;
            EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << shown;
            EXPECT_EQ(static_cast<std::size_t>(ptr - c.text.data()), c.length) << shown;
            EXPECT_EQ(ec, c.ec) << shown;
        }
    }
}

double RandomDouble(std::mt19937_64& random) {
    for (;;) {
        const std::uint64_t bits = random() & 0x7FFF'FFFF'FFFF'FFFFULL;
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x) && x != 0) return x;
    }
}

// The C library's reading, correctly rounded, as the oracle.
double Strtod(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// The bits of a double, which tell -0 from 0 (WebAssembly's libc++ has no std::bit_cast).
std::uint64_t Bits(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// FromChars's reading and the exact one, which must be the same double.
double Read(const std::string& text) {
    double value = 0;
    FromChars(text.data(), text.data() + text.size(), value);
    double exact = 0;
    ExactFromChars(text.data(), text.data() + text.size(), exact);
    EXPECT_EQ(Bits(value), Bits(exact)) << text;
    return value;
}

// The exact decimal expansion of the long double x in scientific notation, trailing zeros and
// all: midpoints between doubles have up to 767 significant digits, and a long double holds them.
std::string ExactText(long double x) {
    std::string text(1200, '\0');
    const int length = std::snprintf(text.data(), text.size(), "%.1100Le", x);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Random doubles over the whole range, their exact halfway points to the next double (the
// hardest texts to round), those nudged by a last digit either way, and short random texts.
TEST(FromChars, ReadsAsTheCLibraryDoes) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < testing::RandomCases(500, 8000); ++i) {
        const double x = RandomDouble(random);
        const double next = std::nextafter(x, HUGE_VAL);
        const std::string midpoint =
            ExactText((static_cast<long double>(x) + static_cast<long double>(next)) / 2);
        const std::size_t e = midpoint.find('e');
        std::string mantissa = midpoint.substr(0, e);
        const std::string exponent = midpoint.substr(e);
        while (mantissa.back() == '0') mantissa.pop_back();
        std::string below = mantissa;
        below.back() = static_cast<char>(below.back() - 1);
        below.append("9999999999").append(exponent);
        const std::string above = mantissa.append("1").append(exponent);
        for (const std::string& text : {midpoint, above, below}) {
            ASSERT_EQ(Read(text), Strtod(text)) << text;
        }
        const std::string shortText = std::to_string(random() % 100'000'000'000'000'000ULL) + "e" +
                                      std::to_string(static_cast<int>(random() % 700) - 360);
        ASSERT_EQ(Read(shortText), Strtod(shortText)) << shortText;
    }
}

TEST(ToChars, WritesScientificNotation) {
    struct Case {
        double x;
        int precision;
        const char* expected;
    };
    const Case cases[] = {
        {1.0 / 3, 14, "3.33333333333333e-01"},
        {100000000000000.5, 14, "1.00000000000000e+14"},  // an exact tie, to the even neighbour
        {100000000000001.5, 14, "1.00000000000002e+14"},
        {9.9999999999999995, 14, "1.00000000000000e+01"},
        {0.1, 16, "1.0000000000000001e-01"},
        {1e23, 16, "9.9999999999999992e+22"},
        {kMax, 16, "1.7976931348623157e+308"},
        {kTiny, 2, "4.94e-324"},
        {-2.5, 0, "-2e+00"},
        {78, 14, "7.80000000000000e+01"},
        {8.55673576237286e20, 14, "8.55673576237286e+20"},
        {0, 2, "0.00e+00"},
        {-0.0, 0, "-0e+00"},
        {HUGE_VAL, 3, "inf"},
        {-HUGE_VAL, 3, "-inf"},
    };
    for (const Case& c : cases) {
        for (const auto convert : {ToChars, ExactToChars}) {
            char buffer[40];
            const auto [ptr, ec] = convert(buffer, buffer + sizeof buffer, c.x, c.precision);
            EXPECT_EQ(ec, std::errc{}) << c.expected;
            EXPECT_EQ(std::string(buffer, ptr), c.expected);
        }
    }
}

TEST(ToChars, RefusesWhatDoesNotFit) {
    for (const auto convert : {ToChars, ExactToChars}) {
        char buffer[40];
        for (const int precision : {-1, 17}) {
            const auto [ptr, ec] = convert(buffer, buffer + sizeof buffer, 1.5, precision);
            EXPECT_EQ(ec, std::errc::value_too_large) << precision;
            EXPECT_EQ(ptr, buffer + sizeof buffer);
        }
        // "1.50e+00" needs 8 characters.
        EXPECT_EQ(convert(buffer, buffer + 7, 1.5, 2).ec, std::errc::value_too_large);
        EXPECT_EQ(convert(buffer, buffer + 8, 1.5, 2).ptr, buffer + 8);
    }
}

// At every precision, as printf's "%.*e", which rounds exactly: random doubles; whole numbers
// and halves below 10^18, where ties are exact; and, over a wide sweep of magnitudes, the doubles
// nearest to a half of the last digit written and their neighbours, which the quick path must
// leave to the exact one.
TEST(ToChars, WritesAsPrintfDoes) {
    std::mt19937_64 random(7122026);
    const auto check = [](double x, int precision) {
        char expected[40];
        (void)std::snprintf(expected, sizeof expected, "%.*e", precision, x);
        for (const auto convert : {ToChars, ExactToChars}) {
            char buffer[40];
            char* const end = convert(buffer, buffer + sizeof buffer, x, precision).ptr;
            ASSERT_EQ(std::string(buffer, end), expected) << precision;
        }
    };
    for (int i = 0; i < testing::RandomCases(2000, 20000); ++i) {
        const int precision = i % 3 == 0 ? 14 : static_cast<int>(random() % 17);
        check(RandomDouble(random), precision);
        check(static_cast<double>(random() % 2'000'000'000'000'000ULL) / 2, precision);
        const auto lowest = static_cast<std::uint64_t>(PowerOfTen(precision));
        const auto digits = static_cast<double>(lowest + random() % (9 * lowest));
        const int exponent = static_cast<int>(random() % 60) - 30;
        const double half = (digits + 0.5) * PowerOfTen(exponent - precision);
        for (const double x : {half, std::nextafter(half, 0.0), std::nextafter(half, HUGE_VAL)}) {
            check(x, precision);
        }
    }
}

TEST(PowerOfTen, IsTheNearestDouble) {
    for (int n = -400; n <= 400; ++n) {
        EXPECT_EQ(PowerOfTen(n), Strtod("1e" + std::to_string(n))) << n;
    }
    for (std::size_t n = 0; n < kExactPowersOfTen.size(); ++n) {
        EXPECT_EQ(kExactPowersOfTen.at(n), PowerOfTen(static_cast<int>(n)));
    }
}

}  // namespace
}  // namespace dephlegmator
