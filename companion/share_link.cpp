#include "share_link.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "number_text.h"
#include "panel_texts.h"
#include "texts.h"
#include "window_layout.h"

namespace dephlegmator {
namespace {

// The keys of the link: those of the input boxes in kInputBoxes order, the two choices, the
// page's language, then the panel's inputs in kPanelKeys order.
constexpr std::size_t kWindowKeys = kInputBoxes.size() + 3;
constexpr std::array<std::string_view, kWindowKeys + kPanelKeys.size()> kKeys = [] {
    std::array<std::string_view, kWindowKeys + kPanelKeys.size()> keys{
        "t1", "t2", "h", "d", "a", "v", "preset", "given", "lang"};
    for (std::size_t i = 0; i < kPanelKeys.size(); ++i)
        keys.at(kWindowKeys + i) = kPanelKeys.at(i).key;
    return keys;
}();
static_assert(kKeys.size() <= 32, "a bit per key");
constexpr std::size_t kHeight = 2, kDiameter = 3, kArea = 4, kPresetKey = 6, kGivenKey = 7,
                      kLangKey = 8;

// The typing limit of each input box, in kInputBoxes order; 0 for none.
constexpr std::array<int, kInputBoxes.size()> kMaxLengths = [] {
    std::array<int, kInputBoxes.size()> limits{};
    for (std::size_t i = 0; i < limits.size(); ++i) {
        for (const layout::ControlRow& row : layout::kControls) {
            if (row.name == BoxName(kInputBoxes[i])) limits[i] = row.maxLength;
        }
    }
    return limits;
}();

// The words of the two choices, in the order of their values.
using Words = std::array<std::string_view, 3>;
constexpr Words kPresetWords{"sr", "ss", "other"};      // Preset
constexpr Words kGivenWords{"outlet", "load", "flow"};  // Given
constexpr Words kPresetOptions{"Option1", "Option2", "Option3"};

template <typename Value>
std::string_view WordOf(const Words& words, Value value) {
    return words[static_cast<std::size_t>(value)];
}

// Keeps letters, digits and - . _ ~ , as they are and writes every other byte as %XX.
std::string Encode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == ',';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text of a percent-encoded value, or none when an escape is broken.
std::optional<std::string> Decode(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        if (i + 2 >= value.size()) return std::nullopt;
        const int high = HexDigit(value[i + 1]);
        const int low = HexDigit(value[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The number of characters of a UTF-8 text, or none when it is not UTF-8.
std::optional<std::size_t> Utf8Length(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return std::nullopt;
        }
        i += length;
    }
    return characters;
}

// For a panel input with a choice, the values it takes, comma-separated, when `value` is none of
// them; "" when it is one, or the input has no choice.
std::string PanelChoices(std::string_view id, std::string_view value) {
    std::string choices;
    const auto offer = [&choices](std::string_view word) {
        choices.append(choices.empty() ? "" : ", ").append(word);
    };
    if (id == kDeviceType) {
        for (const DeviceType& device : kDeviceTypes) {
            if (device.id == value) return {};
            offer(device.id);
        }
    } else if (id == kTankReflux) {
        for (const RefluxRatio& row : kRefluxRatios) {
            if (row.number.empty()) continue;
            if (row.number == value) return {};
            offer(row.number);
        }
    }
    return choices;
}

// What a fragment is: a form, no link to one, or malformed, for one of the reasons after.
enum class Fault {
    None,
    NoLink,
    NoValue,
    Twice,
    BadEscape,
    NotUtf8,
    UnknownChoice,
    TooLong,
    AreaAndHeight
};

// What is wrong, for the sentence: the key, or the key and its value, and for some faults more.
struct Detail {
    std::string_view what;
    std::string more;
};

// Reads the fragment (without '#') into `form` and `language`, or says why not.
Fault Read(std::string_view fragment, SharedForm& form, std::optional<Language>& language,
           Detail& detail) {
    unsigned seen = 0;  // a bit per key of kKeys
    for (std::size_t start = 0; start < fragment.size();) {
        const std::size_t end = std::min(fragment.find('&', start), fragment.size());
        const std::string_view part(fragment.data() + start, end - start);
        start = end + 1;
        const std::size_t equals = std::min(part.find('='), part.size());
        const std::string_view key(part.data(), equals);
        const auto index =
            static_cast<std::size_t>(std::find(kKeys.begin(), kKeys.end(), key) - kKeys.begin());
        if (index == kKeys.size()) continue;
        detail.what = key;
        if (equals == part.size()) return Fault::NoValue;
        if ((seen & (1u << index)) != 0) return Fault::Twice;
        seen |= 1u << index;
        std::optional<std::string> value =
            Decode(std::string_view(part.data() + equals + 1, part.size() - equals - 1));
        if (!value) {
            detail.what = part;
            return Fault::BadEscape;
        }
        const std::optional<std::size_t> length = Utf8Length(*value);
        if (!length) return Fault::NotUtf8;
        if (index == kLangKey) {
            language = LanguageNamed(*value);
            if (language) continue;
            detail.what = part;
            detail.more = "en, ru";
            return Fault::UnknownChoice;
        }
        if (index >= kWindowKeys) {
            const std::size_t panel = index - kWindowKeys;
            if (const std::string more = PanelChoices(kPanelKeys.at(panel).id, *value);
                !more.empty()) {
                detail.what = part;
                detail.more = more;
                return Fault::UnknownChoice;
            }
            if (*length > kPanelTextLimit) {
                detail.more = FormatNumber(static_cast<double>(kPanelTextLimit), ".");
                return Fault::TooLong;
            }
            form.panel.at(panel) = std::move(value);
            continue;
        }
        if (index == kPresetKey || index == kGivenKey) {
            const Words& words = index == kPresetKey ? kPresetWords : kGivenWords;
            const auto chosen = std::find(words.begin(), words.end(), *value) - words.begin();
            if (chosen == std::ssize(words)) {
                detail.what = part;
                for (const std::string_view word : words) {
                    detail.more.append(detail.more.empty() ? "" : ", ").append(word);
                }
                return Fault::UnknownChoice;
            }
            if (index == kPresetKey) form.preset = static_cast<Preset>(chosen);
            if (index == kGivenKey) form.modes.given = static_cast<Given>(chosen);
            continue;
        }
        const int limit = kMaxLengths[index];
        if (limit > 0 && *length > static_cast<std::size_t>(limit)) {
            detail.more = FormatNumber(limit, ".");
            return Fault::TooLong;
        }
        form.texts[index] = std::move(value);
    }
    if ((seen & ~(1u << kLangKey)) == 0) return Fault::NoLink;
    const unsigned heightOrDiameter = (1u << kHeight) | (1u << kDiameter);
    if ((seen & (1u << kArea)) != 0 && (seen & heightOrDiameter) != 0) {
        detail.what = {};
        return Fault::AreaAndHeight;
    }
    if (form.texts[kArea]) form.modes.geometry = Geometry::SurfaceArea;
    return Fault::None;
}

// The live region's sentence for a malformed fragment.
std::string Problem(Fault fault, const Detail& detail) {
    static constexpr std::array<Text, 7> kProblems{
        Text::LinkNoValue,       Text::LinkTwice,   Text::LinkBadEscape,    Text::LinkNotUtf8,
        Text::LinkUnknownChoice, Text::LinkTooLong, Text::LinkAreaAndHeight};
    const Text problem =
        kProblems[static_cast<std::size_t>(fault) - static_cast<std::size_t>(Fault::NoValue)];
    return Fill(Text::LinkUnread,
                {{"problem", Fill(problem, {{"what", detail.what}, {"more", detail.more}})}});
}

}  // namespace

std::string ShareLinkFragment(const SharedForm& form, Language language) {
    std::string out = "preset=";
    out += WordOf(kPresetWords, form.preset);
    const auto box = [&](std::size_t index) {
        if (!form.texts[index]) return;
        out += '&';
        out += kKeys[index];
        out += '=';
        out += Encode(*form.texts[index]);
    };
    box(0);
    box(1);
    if (form.modes.geometry == Geometry::SurfaceArea) {
        box(kArea);
    } else {
        box(kHeight);
        box(kDiameter);
    }
    out += "&given=";
    out += WordOf(kGivenWords, form.modes.given);
    box(5);
    for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
        if (!form.panel.at(i)) continue;
        out += '&';
        out += kPanelKeys.at(i).key;
        out += '=';
        out += Encode(*form.panel.at(i));
    }
    if (language == Language::English) out += "&lang=en";
    return out;
}

void SetSharedPanel(SharedForm& form,
                    const std::vector<std::pair<std::string_view, std::string>>& stored) {
    for (const auto& [id, text] : stored) {
        for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
            if (kPanelKeys.at(i).id == id) form.panel.at(i) = text;
        }
    }
}

ShareLinkReading ReadShareLink(std::string_view fragment) {
    if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
    SharedForm form;
    std::optional<Language> language;
    Detail detail;
    switch (const Fault fault = Read(fragment, form, language, detail)) {
        case Fault::None:
            return {std::move(form), {}, language};
        case Fault::NoLink:
            return {std::nullopt, {}, language};
        default:
            return {std::nullopt, Problem(fault, detail), std::nullopt};
    }
}

std::array<std::string_view, 3> SelectedOptions(const SharedForm& form) {
    const auto given = static_cast<std::size_t>(form.modes.given);
    return {kPresetOptions[static_cast<std::size_t>(form.preset)],
            form.modes.geometry == Geometry::SurfaceArea ? "Option5" : "Option4",
            kOptionNames[static_cast<std::size_t>(Option::Option6) + given]};
}

void OpenSharedForm(const SharedForm& form, InputModes& modes, Window& window,
                    OptionSelector& selector) {
    for (const std::string_view option : SelectedOptions(form)) {
        selector.select(option);
        for (const auto& [name, run] : kClickHandlers) {
            if (name == option) (modes.*run)();
        }
    }
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
        if (form.texts[i]) window.setText(kInputBoxes[i], *form.texts[i]);
    }
    // A preset with another temperature in Text1 shows «другая», as after typing it.
    if (form.texts[0]) modes.Text1_Change();
    window.focus("Text1");
    window.selectAll("Text1");
    modes.BoxFocused("Text1");
    modes.Recalculate();
}

void OpenSharedPanel(const SharedForm& form, PanelControls& panel, DephlegmatorSettings& settings,
                     ColumnSection& column) {
    for (std::size_t i = 0; i < kPanelKeys.size(); ++i) {
        const std::string_view id = kPanelKeys.at(i).id;
        std::string fallback = id == kPanelU        ? FormatNumber(kHeatTransferKAtLoad, ".")
                               : id == kPanelC      ? FormatNumber(kSpecificHeatCAtLoad, ".")
                               : id == kDeviceType  ? std::string(kDeviceTypes.front().id)
                               : id == kPanelLosses ? std::string("0")
                                                    : std::string();
        panel.setValue(id, form.panel.at(i).value_or(std::move(fallback)));
    }
    settings.Restore();
    column.Restore();
}

}  // namespace dephlegmator
