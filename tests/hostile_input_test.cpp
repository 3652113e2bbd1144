#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "array_controls.h"
#include "calculate.h"
#include "number_text.h"

// Texts no one types but anyone can paste: huge lengths, huge exponents, control bytes and
// broken UTF-8. Each must read as a number, as 0, or raise CalcError (overflow), and quickly.
namespace dephlegmator {
namespace {

using testing::ArrayControls;

constexpr std::size_t kMegabyte = 1 << 20;

std::string Repeat(const std::string& unit, std::size_t times) {
    std::string out;
    out.reserve(unit.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += unit;
    return out;
}

struct Hostile {
    const char* name;
    std::string text;
    std::optional<double> expected;  // kOverflow: ParseNumber raises CalcError (overflow)
};
constexpr std::nullopt_t kOverflow = std::nullopt;

void ExpectReads(const Hostile& h) {
    SCOPED_TRACE(h.name);
    if (!h.expected) {
        try {
            ParseNumber(h.text);
            ADD_FAILURE() << "no error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcError::Kind::Overflow);
        }
    } else {
        EXPECT_EQ(ParseNumber(h.text), *h.expected);
    }
}

TEST(HostileInput, MegabyteTexts) {
    const Hostile cases[] = {
        {"a number followed by a megabyte of letters", "40" + std::string(kMegabyte, 'x'), 40},
        {"a megabyte of blanks before the number", Repeat(" \t\n", kMegabyte / 3) + "40", 40},
        {"a megabyte of letters before the number", std::string(kMegabyte, 'x') + "40", 0},
        {"a megabyte of nines", std::string(kMegabyte, '9'), kOverflow},
        {"a megabyte of zeros", std::string(kMegabyte, '0'), 0},
        {"a megabyte of zeros then 7", std::string(kMegabyte, '0') + "7", 7},
        {"a megabyte of fraction digits", "0." + std::string(kMegabyte, '9'), 1},
        {"a megabyte of zeros after the point", "0." + std::string(kMegabyte, '0') + "1", 0},
        {"a megabyte of points", std::string(kMegabyte, '.'), 0},
        {"a megabyte of minus signs", std::string(kMegabyte, '-'), 0},
    };
    for (const auto& h : cases) ExpectReads(h);
}

TEST(HostileInput, LongRadixAndDecimalDigits) {
    const std::string tenThousand(10'000, '1');
    const Hostile cases[] = {
        {"&H and 10 000 hex digits", "&H" + std::string(10'000, 'F'), kOverflow},
        {"&O and 10 000 octal digits", "&O" + std::string(10'000, '7'), kOverflow},
        {"&H and 10 000 zeros", "&H" + std::string(10'000, '0'), 0},
        {"&H, leading zeros, then FFFF", "&H" + std::string(9'996, '0') + "FFFF", -1},
        {"10 000 digits", tenThousand, kOverflow},
        {"10 000 digits, negative", "-" + tenThousand, kOverflow},
        {"10 000 digits brought back by the exponent", tenThousand + "E-9990",
         1.1111111111111111e9},
        {"10 000 fraction digits lifted by the exponent", "0." + tenThousand + "E5",
         11111.111111111111},
        {"10 000 zeros after the point, then an exponent",
         "0." + std::string(10'000, '0') + "1E10005", 10'000},
        {"a point after 300 digits", tenThousand.substr(0, 300) + "." + tenThousand,
         1.1111111111111111e299},
        {"a point after 309 digits", tenThousand.substr(0, 309) + "." + tenThousand,
         1.1111111111111111e308},
        {"a point after 310 digits", tenThousand.substr(0, 310) + "." + tenThousand, kOverflow},
        {"an exponent of 10 000 digits", "1E" + std::string(10'000, '9'), kOverflow},
        {"a negative exponent of 10 000 digits", "1E-" + std::string(10'000, '9'), 0},
        {"zero with an exponent of 10 000 digits", "0E" + std::string(10'000, '9'), 0},
    };
    for (const auto& h : cases) ExpectReads(h);
}

TEST(HostileInput, HugeExponents) {
    const Hostile cases[] = {
        {"1E999999999999", "1E999999999999", kOverflow},
        {"-1D999999999999", "-1D999999999999", kOverflow},
        {"1E-999999999999", "1E-999999999999", 0},
        {"1E+999999999999 with a sign", "1E+999999999999", kOverflow},
        {"0.0E999999999999", "0.0E999999999999", 0},
        {"exponent beyond 64 bits", "1E99999999999999999999999999", kOverflow},
        {"negative exponent beyond 64 bits", "1E-99999999999999999999999999", 0},
        {"largest double", "1.7976931348623157E308", 1.7976931348623157e308},
        {"just past the largest double", "1.7976931348623159E308", kOverflow},
    };
    for (const auto& h : cases) ExpectReads(h);
}

TEST(HostileInput, ControlCharactersAndInvalidUtf8) {
    const Hostile cases[] = {
        {"control byte before the number",
         "\x01"
         "40",
         0},
        {"control byte after the number", "40\x01", 40},
        {"carriage return inside the number", "4\r0", 4},
        {"NUL inside the number",
         std::string("4\0"
                     "0",
                     3),
         4},
        {"escape sequence after the number", "40\x1b[2J", 40},
        {"DEL inside the number",
         "4\x7f"
         "0",
         4},
        {"invalid UTF-8 before the number",
         "\xff\xfe"
         "40",
         0},
        {"invalid UTF-8 after the number", "40\xff\xfe", 40},
        {"truncated UTF-8 sequence inside the number",
         "4\xc3"
         "0",
         4},
        {"overlong NUL after the point",
         "4.\xc0\x80"
         "5",
         4},
        {"non-breaking space is not a blank",
         "4\xc2\xa0"
         "0",
         4},
        {"radix prefix then a control byte",
         "&H\x01"
         "1F",
         0},
    };
    for (const auto& h : cases) ExpectReads(h);
}

// The same texts inside a whole calculation: outlet temperature given, 78 / 15 / 100 × 5.
TEST(HostileInput, CalculateReadsPastedTextsInTheGivenBox) {
    struct Case {
        const char* name;
        std::string text6;
        const char* text7;  // nullptr: Calculate raises overflow and writes nothing
    };
    const Case cases[] = {
        {"a megabyte of letters after 40", "40" + std::string(kMegabyte, 'x'), "___"},
        {"a megabyte of blanks around 40",
         std::string(kMegabyte / 2, ' ') + "4 0" + std::string(kMegabyte / 2, ' '), "5282"},
        {"a megabyte of letters", std::string(kMegabyte, 'x'), "___"},
        {"a megabyte of nines", std::string(kMegabyte, '9'), nullptr},
        {"&H and 10 000 hex digits", "&H" + std::string(10'000, 'F'), nullptr},
        {"1E999999999999", "1E999999999999", nullptr},
        {"1E-999999999999", "1E-999999999999", "___"},
        {"control bytes and broken UTF-8 after 40", "40\x01\xff\xfe", "___"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        ArrayControls c;
        c.set(Box::Text1, "78").set(Box::Text2, "15").set(Box::Text3, "100").set(Box::Text4, "5");
        c.set(Box::Text6, k.text6).select(Option::Option4, Option::Option6);
        FormState state = LoadedFormState();
        if (k.text7 == nullptr) {
            EXPECT_THROW(Calculate(state, c), CalcError);
            EXPECT_EQ(c.text(Box::Text10), "___");
            continue;
        }
        Calculate(state, c);
        EXPECT_EQ(c.text(Box::Text7), k.text7);
        EXPECT_EQ(c.text(Box::Text10), "1571");
    }
}

}  // namespace
}  // namespace dephlegmator
