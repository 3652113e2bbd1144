#include <array>
#include <string>

#include "number_text.h"

namespace dephlegmator {
namespace {

// The Unicode blanks that grouped numbers carry, in UTF-8: no-break space, narrow no-break
// space, thin space, figure space.
constexpr std::array<std::string_view, 4> kUnicodeBlanks{"\u00A0", "\u202F", "\u2009", "\u2007"};

// The length of the decimal separator that starts `rest`, or 0.
std::size_t SeparatorAt(std::string_view rest, std::string_view regionalSeparator) {
    if (rest.front() == ',' || rest.front() == '.') return 1;
    if (!regionalSeparator.empty() && rest.starts_with(regionalSeparator)) {
        return regionalSeparator.size();
    }
    return 0;
}

std::size_t UnicodeBlankAt(std::string_view rest) {
    for (const std::string_view blank : kUnicodeBlanks) {
        if (rest.starts_with(blank)) return blank.size();
    }
    return 0;
}

// The text in ParseNumber's terms: Unicode blanks as spaces, the first separator as '.'. Only a
// separator or a byte of a multi-byte character needs a closer look; a pasted megabyte of
// anything else is copied as it stands.
std::string Normalised(std::string_view text, std::string_view regionalSeparator) {
    std::string out;
    out.reserve(text.size());
    bool pointSeen = false;
    const char regionalStart = regionalSeparator.empty() ? ',' : regionalSeparator.front();
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const bool plain =
            c != ',' && c != '.' && c != regionalStart && static_cast<unsigned char>(c) < 0x80;
        if (plain) {
            out += c;
            ++i;
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (const std::size_t blank = UnicodeBlankAt(rest); blank > 0) {
            out += ' ';
            i += blank;
        } else if (const std::size_t separator =
                       pointSeen ? 0 : SeparatorAt(rest, regionalSeparator);
                   separator > 0) {
            out += '.';
            pointSeen = true;
            i += separator;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace

TypedNumber ReadTypedNumber(std::string_view text, std::string_view regionalSeparator) {
    const std::string normal = Normalised(text, regionalSeparator);
    constexpr std::string_view kBlanks = " \t\n";
    const LeadingNumber number = ParseLeadingNumber(normal);
    TypedNumber typed;
    typed.value = number.value;
    typed.empty = normal.find_first_not_of(kBlanks) == std::string::npos;
    typed.whole =
        number.end > 0 && normal.find_first_not_of(kBlanks, number.end) == std::string::npos;
    return typed;
}

}  // namespace dephlegmator
