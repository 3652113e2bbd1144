// ParseNumber and the typed reading over arbitrary bytes: a finite double or CalcError (overflow),
// nothing else, and an end within the text. Where the text is a plain decimal number that the C
// library reads whole, ParseNumber must agree with it.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

using dephlegmator::CalcError;

// The C library's reading of the text, when the text is nothing but a decimal number in the
// syntax both readers share (no blanks, no 'D' exponent, no radix prefix).
bool ReadByStrtod(std::string_view text, double& value, bool& outOfRange) {
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        return false;
    }
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(copy.c_str(), &end);
    outOfRange = errno == ERANGE && std::isinf(value);
    return end == copy.c_str() + copy.size();
}

void CheckAgainstStrtod(std::string_view text, double parsed, bool overflowed) {
    double expected = 0;
    bool tooLarge = false;
    if (!ReadByStrtod(text, expected, tooLarge)) return;
    if (overflowed != tooLarge) std::abort();
    if (!overflowed && parsed != expected) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double parsed = 0;
    bool overflowed = false;
    try {
        const dephlegmator::LeadingNumber number = dephlegmator::ParseLeadingNumber(text);
        parsed = number.value;
        if (!std::isfinite(parsed) || number.end > text.size()) std::abort();
    } catch (const CalcError& e) {
        if (e.kind() != CalcError::Kind::Overflow) std::abort();
        overflowed = true;
    } catch (...) {
        std::abort();
    }
    CheckAgainstStrtod(text, parsed, overflowed);
    try {
        const dephlegmator::TypedNumber typed = dephlegmator::ReadTypedNumber(text, "\u066B");
        if (!std::isfinite(typed.value) || (typed.whole && typed.empty)) std::abort();
    } catch (const CalcError& e) {
        if (e.kind() != CalcError::Kind::Overflow) std::abort();
    }
    return 0;
}
