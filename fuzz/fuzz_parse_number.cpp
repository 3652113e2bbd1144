// ParseNumber and the typed reading over arbitrary bytes: a finite double or CalcError (overflow),
// nothing else, and an end within the text. Where the text is a plain decimal number that the C
// library reads whole, ParseNumber must agree with it. The exact conversions, which WebAssembly
// uses, must agree with the standard library's: the same double, end and range from FromChars
// and ExactFromChars on the text, the same text from ToChars and ExactToChars for the double
// that the input's first eight bytes hold.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "decimal_conversion.h"
#include "exact_decimal.h"
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

void CheckExactConversions(std::string_view text) {
    const char* const first = text.data();
    const char* const last = first + text.size();
    double standard = 0;
    double exact = 0;
    const std::from_chars_result read = dephlegmator::FromChars(first, last, standard);
    const std::from_chars_result exactRead = dephlegmator::ExactFromChars(first, last, exact);
    if (read.ptr != exactRead.ptr || read.ec != exactRead.ec) std::abort();
    if (std::bit_cast<std::uint64_t>(standard) != std::bit_cast<std::uint64_t>(exact)) std::abort();

    double x = 0;
    if (text.size() < sizeof x + 1) return;
    std::memcpy(&x, first, sizeof x);
    const int precision = static_cast<unsigned char>(text[sizeof x]) % 17;
    char written[40];
    char exactWritten[40];
    const char* const end =
        dephlegmator::ToChars(written, written + sizeof written, x, precision).ptr;
    const char* const exactEnd =
        dephlegmator::ExactToChars(exactWritten, exactWritten + sizeof exactWritten, x, precision)
            .ptr;
    if (std::string_view(written, static_cast<std::size_t>(end - written)) !=
        std::string_view(exactWritten, static_cast<std::size_t>(exactEnd - exactWritten))) {
        std::abort();
    }
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
    CheckExactConversions(text);
    try {
        const dephlegmator::TypedNumber typed = dephlegmator::ReadTypedNumber(text, "\u066B");
        if (!std::isfinite(typed.value) || (typed.whole && typed.empty)) std::abort();
    } catch (const CalcError& e) {
        if (e.kind() != CalcError::Kind::Overflow) std::abort();
    }
    return 0;
}
