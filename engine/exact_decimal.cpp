#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dephlegmator {
namespace {

// A whole number of any size, in 32-bit limbs, least significant first, without leading zero
// limbs. Only what the conversions need.
class Big {
  public:
    explicit Big(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    bool isZero() const { return limbs_.empty(); }

    int bitLength() const {
        if (limbs_.empty()) return 0;
        return static_cast<int>(32 * (limbs_.size() - 1) + std::bit_width(limbs_.back()));
    }

    // this = this × factor + addend
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfTen(std::int64_t n) {
        constexpr std::uint32_t kBillion = 1'000'000'000;
        for (; n >= 9; n -= 9) multiplyAdd(kBillion);
        std::uint32_t rest = 1;
        for (; n > 0; --n) rest *= 10;
        multiplyAdd(rest);
    }

    void shiftLeft(int bits) {
        if (limbs_.empty() || bits == 0) return;
        const auto whole = static_cast<std::size_t>(bits / 32);
        const int part = bits % 32;
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - part);
                limb = (limb << part) | carry;
                carry = next;
            }
            if (carry != 0) limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), whole, 0);
    }

    friend bool operator<(const Big& a, const Big& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size();
        return std::lexicographical_compare(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                            b.limbs_.rend());
    }

    // this −= other, where other ≤ this
    void subtract(const Big& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::int64_t difference =
                std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
            limbs_[i] = static_cast<std::uint32_t>(difference);
            borrow = difference < 0 ? 1 : 0;
        }
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    // The 64 highest bits (all of them when there are fewer), the number of bits below them, and
    // whether any of those is set.
    struct Top {
        std::uint64_t bits;
        int shift;
        bool sticky;
    };
    Top top64() const {
        const int shift = std::max(bitLength() - 64, 0);
        std::uint64_t bits = 0;
        for (int i = bitLength() - 1; i >= shift; --i) bits = (bits << 1) | bit(i);
        bool sticky = false;
        for (int i = 0; i < shift && !sticky; ++i) sticky = bit(i) != 0;
        return {bits, shift, sticky};
    }

    // ⌊this / divisor⌋ when it is below 2^64; this becomes the remainder.
    std::uint64_t divideSmallQuotient(const Big& divisor) {
        std::uint64_t quotient = 0;
        for (int i = 63; i >= 0; --i) {
            Big shifted = divisor;
            shifted.shiftLeft(i);
            if (!(*this < shifted)) {
                subtract(shifted);
                quotient |= std::uint64_t{1} << i;
            }
        }
        return quotient;
    }

  private:
    unsigned bit(int i) const {
        return (limbs_[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1U;
    }

    std::vector<std::uint32_t> limbs_;
};

Big FromDigits(std::string_view digits) {
    Big n;
    for (const char c : digits) n.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
    return n;
}

// The double nearest to (m + δ) × 2^e, where 0 ≤ δ < 1 and δ > 0 exactly when `sticky`; m must
// hold at least 55 bits when sticky (the callers give 63 or 64), so that δ only breaks ties.
double RoundToDouble(std::uint64_t m, int e, bool sticky) {
    constexpr int kMantissaBits = 53;
    constexpr int kMinExponent = -1022;  // of the smallest normal double, 2^−1022
    const auto length = static_cast<int>(std::bit_width(m));
    const int exponent = length - 1 + e;  // 2^exponent ≤ value < 2^(exponent + 1)
    const int precision =
        exponent >= kMinExponent ? kMantissaBits : kMantissaBits - (kMinExponent - exponent);
    const int drop = length - precision;
    if (drop <= 0) return std::ldexp(static_cast<double>(m), e);
    if (drop > length) return 0;  // below half the smallest subnormal
    const std::uint64_t kept = drop == 64 ? 0 : m >> drop;
    const bool half = ((m >> (drop - 1)) & 1U) != 0;
    const bool below = sticky || (m & ((std::uint64_t{1} << (drop - 1)) - 1)) != 0;
    const std::uint64_t rounded = kept + (half && (below || (kept & 1U) != 0) ? 1 : 0);
    return std::ldexp(static_cast<double>(rounded), e + drop);
}

// Digits beyond these only tell whether the number lies above its truncation: a halfway point
// between two doubles has at most 767 significant digits.
constexpr std::size_t kDecisiveDigits = 800;

// The double nearest to digits × 10^exponent, where `digits` holds only '0'–'9' (leading and
// trailing zeros allowed, empty means 0). Beyond the largest double it gives +infinity, below
// half the smallest subnormal +0; subnormal results stand. A million digits cost about as much
// as 800: beyond those, only whether another digit is non-zero matters.
double DecimalToDouble(std::string_view digits, std::int64_t exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - last - 1);
    digits = digits.substr(0, last + 1);

    const auto count = static_cast<std::int64_t>(digits.size());
    if (count - 1 + exponent >= 309) return HUGE_VAL;  // ≥ 1E309
    if (count + exponent <= -325) return 0;            // < 1E−325, under half of 4.9E−324

    // Few digits and a small power of ten: one exact operand each, so one rounding.
    constexpr std::int64_t kExactDigits = 15;
    if (count <= kExactDigits && exponent >= -22 && exponent <= 22 + kExactDigits - count) {
        double whole = 0;
        for (const char c : digits) whole = whole * 10 + (c - '0');
        if (exponent > 22) {
            whole *= kExactPowersOfTen.at(static_cast<std::size_t>(exponent - 22));
            exponent = 22;
        }
        const double power = kExactPowersOfTen.at(static_cast<std::size_t>(std::abs(exponent)));
        return exponent >= 0 ? whole * power : whole / power;
    }

    std::string kept(digits.substr(0, std::min(digits.size(), kDecisiveDigits)));
    if (kept.size() < digits.size()) {
        // The rest is non-zero (trailing zeros are gone): a final 1 stands for it.
        exponent += static_cast<std::int64_t>(digits.size() - kept.size()) - 1;
        kept.push_back('1');
    }
    Big n = FromDigits(kept);
    if (exponent >= 0) {
        n.multiplyByPowerOfTen(exponent);
        const Big::Top top = n.top64();
        return RoundToDouble(top.bits, top.shift, top.sticky);
    }
    Big divisor(1);
    divisor.multiplyByPowerOfTen(-exponent);
    // n × 2^shift / divisor lies in [2^62, 2^64): 63 or 64 bits of quotient.
    const int shift = 63 + divisor.bitLength() - n.bitLength();
    if (shift >= 0) {
        n.shiftLeft(shift);
    } else {
        divisor.shiftLeft(-shift);
    }
    const std::uint64_t quotient = n.divideSmallQuotient(divisor);
    return RoundToDouble(quotient, -shift, !n.isZero());
}

// A positive double rounded to a number of significant digits: exactly `digits` (1 to 17 of
// them, the first non-zero) as a whole number, and the decimal exponent of the first digit, so
// that the double ≈ digits × 10^(exponent + 1 − significant).
struct Rounded {
    std::uint64_t digits = 0;
    int exponent = 0;
};

std::uint64_t Power10Whole(int n) {
    std::uint64_t power = 1;
    for (; n > 0; --n) power *= 10;
    return power;
}

// The digits from one multiplication or division by an exact power of ten, for up to 15
// significant digits of a double whose scaling needs no power beyond 10^22. The scaled value,
// below 10^15 < 2^50, lies within 1/16 of the exact one, so its nearest whole number is the
// correctly rounded one unless the scaled value lies that close to a half; then, and outside
// those magnitudes, there is none. The exact conversion, which settles every case, costs ten
// times as much.
std::optional<Rounded> ScaledDigits(double magnitude, int significant) {
    constexpr int kMostDigits = 15;
    constexpr int kLargestPower = 22;
    constexpr double kScalingError = 1.0 / 16;
    if (significant > kMostDigits) return std::nullopt;
    const auto power = [](int n) { return kExactPowersOfTen.at(static_cast<std::size_t>(n)); };
    const int highest = kLargestPower - 1;  // magnitude < 10^22 is decided by exact compares
    const int lowest = significant - 1 - kLargestPower;  // the scale stays within 10^22
    int exponent = 0;  // 10^exponent ≤ magnitude < 10^(exponent + 1), or too high by one below 1
    if (magnitude >= 1) {
        while (exponent <= highest && magnitude >= power(exponent + 1)) ++exponent;
    } else {
        do {
            --exponent;
        } while (exponent >= lowest && magnitude * power(-exponent) < 1);
    }
    if (exponent < lowest || exponent > highest) return std::nullopt;
    const int scale = significant - 1 - exponent;
    const double scaled = scale >= 0 ? magnitude * power(scale) : magnitude / power(-scale);
    if (std::fabs(scaled - std::floor(scaled) - 0.5) <= kScalingError) return std::nullopt;
    double whole = std::nearbyint(scaled);
    const auto top = static_cast<double>(Power10Whole(significant));
    if (whole >= top) {  // rounded up to the next power of ten
        whole /= 10;
        ++exponent;
    }
    // Below 1, the exponent may have been taken one too high; the digits then fall short.
    if (whole < top / 10) return std::nullopt;
    return Rounded{static_cast<std::uint64_t>(whole), exponent};
}

// The same by exact arithmetic, for any positive finite double and 1 to 17 digits.
Rounded ExactDigits(double magnitude, int significant) {
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    constexpr int kMantissaBits = 53;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    const int e = binaryExponent - kMantissaBits;  // magnitude = mantissa × 2^e

    // 2^(binaryExponent − 1) ≤ magnitude < 2^binaryExponent, and 315653 / 2^20 is log10(2) to six
    // digits: the estimate lies within one of the decimal exponent, and the quotient's size
    // corrects it.
    int decimalExponent = ((binaryExponent - 1) * 315653) >> 20;
    const std::uint64_t lowest = Power10Whole(significant - 1);
    const std::uint64_t highest = lowest * 10;
    for (;;) {
        // magnitude × 10^scale, as numerator / denominator, should lie in [lowest, highest).
        const int scale = significant - 1 - decimalExponent;
        Big numerator(mantissa);
        Big denominator(1);
        if (e >= 0) {
            numerator.shiftLeft(e);
        } else {
            denominator.shiftLeft(-e);
        }
        if (scale >= 0) {
            numerator.multiplyByPowerOfTen(scale);
        } else {
            denominator.multiplyByPowerOfTen(-scale);
        }
        std::uint64_t q = numerator.divideSmallQuotient(denominator);
        if (q >= highest) {
            ++decimalExponent;
            continue;
        }
        if (q < lowest) {
            --decimalExponent;
            continue;
        }
        numerator.shiftLeft(1);  // twice the remainder, against the denominator
        if (denominator < numerator || (!(numerator < denominator) && (q & 1U) != 0)) ++q;
        if (q == highest) {
            q = lowest;
            ++decimalExponent;
        }
        return {q, decimalExponent};
    }
}

// Copies `text` to first, or reports that it does not fit.
std::to_chars_result Copy(char* first, char* last, std::string_view text) {
    if (static_cast<std::size_t>(last - first) < text.size()) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(text.begin(), text.end(), first), std::errc{}};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::from_chars_result ExactFromChars(const char* first, const char* last, double& value) {
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    // The significant digits, up to those that decide the rounding and a final 1 for any
    // non-zero digit after them, and the power of ten of the last one: a long text costs no copy.
    std::string digits;
    std::int64_t exponent = 0;
    bool sawDigit = false;
    bool nonZeroDropped = false;
    const auto take = [&](char c, bool fraction) {
        sawDigit = true;
        if (digits.empty() && c == '0') {
            if (fraction) --exponent;
        } else if (digits.size() <= kDecisiveDigits) {
            digits.push_back(c);
            if (fraction) --exponent;
        } else {
            nonZeroDropped = nonZeroDropped || c != '0';
            if (!fraction) ++exponent;
        }
    };
    for (; i < text.size() && IsDigit(text[i]); ++i) take(text[i], false);
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) take(text[i], true);
    }
    if (!sawDigit) return {first, std::errc::invalid_argument};
    if (nonZeroDropped) {
        digits.push_back('1');
        --exponent;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        // Far beyond any double, however many digits the mantissa has.
        constexpr std::int64_t kSaturated = 1'000'000'000'000'000;
        std::int64_t written = 0;
        for (; j < text.size() && IsDigit(text[j]); ++j) {
            written = std::min(written * 10 + (text[j] - '0'), kSaturated);
            end = j + 1;
        }
        exponent += negativeExponent ? -written : written;
    }
    const double magnitude = DecimalToDouble(digits, exponent);
    value = negative ? -magnitude : magnitude;
    const bool tooSmall = magnitude == 0 && !digits.empty();
    return {first + end,
            std::isinf(magnitude) || tooSmall ? std::errc::result_out_of_range : std::errc{}};
}

std::to_chars_result ExactToChars(char* first, char* last, double x, int precision) {
    constexpr int kMostPrecision = 16;
    if (precision < 0 || precision > kMostPrecision) return {last, std::errc::value_too_large};
    const bool negative = std::signbit(x);
    if (std::isnan(x)) return Copy(first, last, negative ? "-nan" : "nan");
    if (std::isinf(x)) return Copy(first, last, negative ? "-inf" : "inf");

    const int significant = precision + 1;
    Rounded rounded;
    if (x != 0) {
        const double magnitude = std::fabs(x);
        const std::optional<Rounded> quick = ScaledDigits(magnitude, significant);
        rounded = quick ? *quick : ExactDigits(magnitude, significant);
    }
    // Sign, digits, point, 'e', the exponent's sign and up to three digits.
    char text[32];
    char* out = text;
    if (negative) *out++ = '-';
    char digits[24];
    char* const digitsEnd = std::to_chars(digits, digits + sizeof digits, rounded.digits).ptr;
    // Zero has a single digit "0"; every other value exactly `significant` of them.
    const auto count = static_cast<std::size_t>(digitsEnd - digits);
    *out++ = digits[0];
    if (precision > 0) {
        *out++ = '.';
        out = std::copy(digits + 1, digitsEnd, out);
        out = std::fill_n(out, significant - static_cast<int>(count), '0');
    }
    *out++ = 'e';
    *out++ = rounded.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(rounded.exponent);
    if (magnitude < 10) *out++ = '0';
    out = std::to_chars(out, text + sizeof text, magnitude).ptr;
    return Copy(first, last, {text, static_cast<std::size_t>(out - text)});
}

}  // namespace dephlegmator
