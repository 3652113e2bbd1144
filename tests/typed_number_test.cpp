// How typed texts read: where the number ends, both decimal separators, the Unicode blanks, and
// which texts are whole numbers.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "number_text.h"
#include "random_cases.h"

namespace dephlegmator {
namespace {

TEST(ParseLeadingNumber, EndsWhereTheNumberEnds) {
    const struct {
        const char* text;
        double value;
        std::size_t end;
    } cases[] = {
        {"40", 40, 2},    {" 1 000 W", 1000, 6},
        {"12,5", 12, 2},  {"1.2.3", 1.2, 3},
        {"12E", 12, 2},   {"12E+", 12, 2},
        {"2D2", 200, 3},  {"-1e-2x", -0.01, 5},
        {"&HFF", 255, 4}, {"&HFFG", 255, 4},
        {"&O17 ", 15, 4}, {"&H", 0, 0},
        {"abc", 0, 0},    {"", 0, 0},
        {"-", 0, 0},      {".5.", 0.5, 2},
        {"\t7\n", 7, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const LeadingNumber number = ParseLeadingNumber(c.text);
        EXPECT_EQ(number.value, c.value);
        EXPECT_EQ(number.end, c.end);
    }
}

TEST(ReadTypedNumber, BothSeparatorsUnicodeBlanksAndWholeNumbers) {
    const struct {
        const char* text;
        const char* regional;
        double value;
        bool whole;
    } cases[] = {
        {"3,5", ".", 3.5, true},
        {"3.5", ",", 3.5, true},
        {"40,5", ".", 40.5, true},
        {"1\u00A0500", ",", 1500, true},
        {"1\u202F500,5", ",", 1500.5, true},
        {"\u2009 12\u2007", ".", 12, true},
        {"2\u066B5", "\u066B", 2.5, true},  // a third regional separator
        {"1E3", ",", 1000, true},
        {"1,5E3", ".", 1500, true},
        {"&HFF", ",", 255, true},
        {"1,5 кВт", ",", 1.5, false},
        {"40abc", ".", 40, false},
        {"1,234.5", ".", 1.234, false},  // after the first separator, the second ends the number
        {"1.234,5", ",", 1.234, false},
        {"12-3", ".", 12, false},
        {"abc", ".", 0, false},
        {"-", ".", 0, false},
        {"&H", ".", 0, false},
        {"-5", ",", -5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TypedNumber typed = ReadTypedNumber(c.text, c.regional);
        EXPECT_EQ(typed.value, c.value);
        EXPECT_EQ(typed.whole, c.whole);
        EXPECT_FALSE(typed.empty);
    }
    for (const char* blank : {"", " ", "\u00A0\t", "\u202F\u2009\u2007"}) {
        EXPECT_TRUE(ReadTypedNumber(blank, ",").empty) << blank;
        EXPECT_FALSE(ReadTypedNumber(blank, ",").whole) << blank;
    }
    EXPECT_THROW((void)ReadTypedNumber("1,5E999", ","), CalcError);
}

// Against a reader written independently: decimal texts of a sign, digits with one separator of
// either kind, an optional exponent, and blanks of every kind anywhere between the characters of
// the number, read whole and to the same double as the plain text.
TEST(ReadTypedNumber, AgreesWithAPlainReadingOfGeneratedTexts) {
    const char* blanks[] = {" ", "\u00A0", "\u202F", "\u2009", "\u2007"};
    std::mt19937 random(20261207);
    for (int i = 0; i < testing::RandomCases(2000, 5000); ++i) {
        std::string plain;
        if (random() % 4 == 0) plain += '-';
        plain += std::to_string(random() % 100000);
        std::string fraction = std::to_string(random() % 1000);
        const bool hasFraction = random() % 2 == 0;
        if (hasFraction) plain += "." + fraction;
        if (random() % 5 == 0) plain += "E" + std::to_string(static_cast<int>(random() % 40) - 20);

        std::string typed;
        for (const char ch : plain) {
            if (random() % 6 == 0) typed += blanks[random() % 5];
            typed += ch == '.' && random() % 2 == 0 ? ',' : ch;
        }
        if (random() % 3 == 0) typed += blanks[random() % 5];

        SCOPED_TRACE(typed);
        const TypedNumber read = ReadTypedNumber(typed, random() % 2 == 0 ? "," : ".");
        EXPECT_TRUE(read.whole);
        EXPECT_EQ(read.value, std::stod(plain));
    }
}

}  // namespace
}  // namespace dephlegmator
