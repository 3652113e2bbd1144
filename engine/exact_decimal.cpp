#include "exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
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

constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

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
            whole *= kExactPowers.at(static_cast<std::size_t>(exponent - 22));
            exponent = 22;
        }
        const double power = kExactPowers.at(static_cast<std::size_t>(std::abs(exponent)));
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

DecimalDigits DoubleToDecimal(double x, int significant) {
    int binaryExponent = 0;
    const double fraction = std::frexp(std::fabs(x), &binaryExponent);
    constexpr int kMantissaBits = 53;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    const int e = binaryExponent - kMantissaBits;  // |x| = mantissa × 2^e

    // The estimate is off by at most one near powers of ten; the quotient's size corrects it.
    int decimalExponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    std::uint64_t lowest = 1;
    for (int i = 1; i < significant; ++i) lowest *= 10;
    const std::uint64_t highest = lowest * 10;
    for (;;) {
        // |x| × 10^scale, as numerator / denominator, should lie in [lowest, highest).
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
        return {std::to_string(q), decimalExponent};
    }
}

double PowerOfTen(int n) {
    return DecimalToDouble("1", n);
}

}  // namespace dephlegmator
