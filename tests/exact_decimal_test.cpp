#include "exact_decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "random_cases.h"

namespace dephlegmator {
namespace {

TEST(ExactDecimal, ReadsTheExamples) {
    struct Case {
        const char* digits;
        std::int64_t exponent;
        double expected;
    };
    const Case cases[] = {
        {"125", -2, 1.25},
        {"", 5, 0},
        {"000", 400, 0},
        {"1", 23, 1e23},
        {"9007199254740993", 0, 9007199254740992.0},  // a tie, to the even neighbour
        {"9007199254740995", 0, 9007199254740996.0},
        {"17976931348623157", 292, std::numeric_limits<double>::max()},
        {"17976931348623159", 292, HUGE_VAL},  // past the midpoint to 2^1024
        {"1", 309, HUGE_VAL},
        {"24703282292062327", -340, 0},  // below half the smallest subnormal
        {"24703282292062328", -340, std::numeric_limits<double>::denorm_min()},
        {"22250738585072011", -324, 2.2250738585072011e-308},  // the largest subnormal's region
        {"1", -400, 0},
        {"100000000000000000000000", -1, 1e22},
        {"333333333333333333333333333333", -30, 1.0 / 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecimalToDouble(c.digits, c.exponent), c.expected)
            << c.digits << "E" << c.exponent;
    }
}

TEST(ExactDecimal, WritesTheExamples) {
    struct Case {
        double x;
        int significant;
        const char* digits;
        int exponent;
    };
    const Case cases[] = {
        {1.0 / 3, 15, "333333333333333", -1},
        {100000000000000.5, 15, "100000000000000", 14},
        {100000000000001.5, 15, "100000000000002", 14},
        {9.999999999999999, 15, "100000000000000", 1},
        {5e-324, 3, "494", -324},
        {std::numeric_limits<double>::max(), 17, "17976931348623157", 308},
        {-2.5, 1, "2", 0},
        {1e23, 17, "99999999999999992", 22},
    };
    for (const Case& c : cases) {
        const DecimalDigits d = DoubleToDecimal(c.x, c.significant);
        EXPECT_EQ(d.digits, c.digits) << c.x;
        EXPECT_EQ(d.exponent, c.exponent) << c.x;
    }
}

TEST(ExactDecimal, PowersOfTenAreTheNearestDoubles) {
    EXPECT_EQ(PowerOfTen(-2), 0.01);
    EXPECT_EQ(PowerOfTen(22), 1e22);
    EXPECT_EQ(PowerOfTen(23), 1e23);
    EXPECT_EQ(PowerOfTen(-323), 1e-323);
    EXPECT_EQ(PowerOfTen(309), HUGE_VAL);
}

#ifndef __EMSCRIPTEN__
// Against the standard library where it has the conversions: random doubles over the whole
// range, their exact halfway points to the next double (the hardest texts to round), and those
// points nudged by a last digit either way.
double RandomDouble(std::mt19937_64& random) {
    for (;;) {
        const std::uint64_t bits = random() & 0x7FFF'FFFF'FFFF'FFFFULL;
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x) && x != 0) return x;
    }
}

// The exact decimal expansion of the long double x, as digits and the exponent of the last.
std::pair<std::string, std::int64_t> ExactDigits(long double x) {
    char buffer[2000];
    char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 1100).ptr;
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const std::int64_t exponent =
        std::stoll(text.substr(e + 1)) - (static_cast<int>(digits.size()) - 1);
    return {digits, exponent};
}

double Standard(const std::string& digits, std::int64_t exponent) {
    const std::string text = digits + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // from_chars leaves the value alone out of range; the decimal magnitude tells which end.
    if (error == std::errc::result_out_of_range) {
        return static_cast<std::int64_t>(digits.size()) + exponent > 0 ? HUGE_VAL : 0;
    }
    return value;
}

TEST(ExactDecimal, ReadsAsTheStandardLibraryDoes) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < testing::RandomCases(500, 8000); ++i) {
        const double x = RandomDouble(random);
        const double next = std::nextafter(x, HUGE_VAL);
        const long double midpoint =
            (static_cast<long double>(x) + static_cast<long double>(next)) / 2;
        auto [digits, exponent] = ExactDigits(midpoint);
        ASSERT_EQ(DecimalToDouble(digits, exponent), Standard(digits, exponent)) << digits;
        const std::string above = digits + "1";
        ASSERT_EQ(DecimalToDouble(above, exponent - 1), Standard(above, exponent - 1));
        std::string below = digits;
        while (below.back() == '0') below.pop_back();
        below.back() = static_cast<char>(below.back() - 1);
        below += "9999999999";
        const std::int64_t belowExponent = exponent + static_cast<std::int64_t>(digits.size()) -
                                           static_cast<std::int64_t>(below.size());
        ASSERT_EQ(DecimalToDouble(below, belowExponent), Standard(below, belowExponent));

        std::string shortDigits = std::to_string(random() % 100'000'000'000'000'000ULL);
        const auto shortExponent = static_cast<std::int64_t>(random() % 700) - 360;
        ASSERT_EQ(DecimalToDouble(shortDigits, shortExponent), Standard(shortDigits, shortExponent))
            << shortDigits << "E" << shortExponent;
    }
}

TEST(ExactDecimal, WritesAsTheStandardLibraryDoes) {
    std::mt19937_64 random(7122026);
    for (int i = 0; i < testing::RandomCases(2000, 20000); ++i) {
        // Random doubles, and whole numbers and halves near 10^15, where ties are exact.
        const double x = i % 2 == 0 ? RandomDouble(random)
                                    : static_cast<double>(random() % 2'000'000'000'000'000ULL) / 2;
        if (x == 0) continue;
        const int significant = 15 + static_cast<int>(random() % 3);
        char buffer[64];
        char* const end = std::to_chars(buffer, buffer + sizeof buffer, x,
                                        std::chars_format::scientific, significant - 1)
                              .ptr;
        const std::string text(buffer, end);
        const std::size_t e = text.find('e');
        const std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
        const DecimalDigits d = DoubleToDecimal(x, significant);
        ASSERT_EQ(d.digits, digits) << text;
        ASSERT_EQ(d.exponent, std::stoi(text.substr(e + 1))) << text;
    }
}
#endif

}  // namespace
}  // namespace dephlegmator
