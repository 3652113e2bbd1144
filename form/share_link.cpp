#include "share_link.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "window_layout.h"

namespace dephlegmator {
namespace {

// The key of each input box, in kInputBoxes order.
constexpr std::array<std::string_view, kInputBoxes.size()> kBoxKeys{"t1", "t2", "h", "d", "a", "v"};
constexpr std::size_t kHeight = 2, kDiameter = 3, kArea = 4;

// A choice's word in the link and the value it stands for.
template <typename Value>
struct Word {
    std::string_view word;
    Value value;
};
constexpr std::array<Word<Preset>, 3> kPresets{{
    {"sr", Preset::SR},
    {"ss", Preset::SS},
    {"other", Preset::Other},
}};
constexpr std::array<Word<Given>, 3> kGivens{{
    {"outlet", Given::OutletTemp},
    {"load", Given::HeatLoad},
    {"flow", Given::WaterFlow},
}};
constexpr std::array<std::string_view, 3> kPresetOptions{"Option1", "Option2", "Option3"};

template <typename Value, std::size_t N>
std::string_view WordOf(const std::array<Word<Value>, N>& words, Value value) {
    for (const auto& [word, of] : words) {
        if (of == value) return word;
    }
    return {};
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

// The typing limit of an input box; 0 for none.
int MaxLength(Box box) {
    for (const layout::ControlRow& row : layout::kControls) {
        if (row.name == BoxName(box)) return row.maxLength;
    }
    return 0;
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// Sets `chosen` to the choice a word names; false when it names none.
template <typename Value, std::size_t N>
bool Choose(const std::array<Word<Value>, N>& words, std::string_view word, Value& chosen) {
    for (const auto& [name, value] : words) {
        if (name == word) {
            chosen = value;
            return true;
        }
    }
    return false;
}

template <typename Value, std::size_t N>
std::string WordList(const std::array<Word<Value>, N>& words) {
    std::string list;
    for (const auto& [word, value] : words) {
        list += (list.empty() ? "" : ", ") + std::string(word);
    }
    return list;
}

ShareLinkReading Malformed(const std::string& why) {
    return {std::nullopt,
            "Ссылка на расчёт не прочитана: " + why + ". Окно показано в начальном состоянии."};
}

}  // namespace

std::string ShareLinkFragment(const SharedForm& form) {
    std::string out = "preset=" + std::string(WordOf(kPresets, form.preset));
    const auto box = [&](std::size_t index) {
        if (!form.texts[index]) return;
        out += "&" + std::string(kBoxKeys[index]) + "=" + Encode(*form.texts[index]);
    };
    box(0);
    box(1);
    if (form.modes.geometry == Geometry::SurfaceArea) {
        box(kArea);
    } else {
        box(kHeight);
        box(kDiameter);
    }
    out += "&given=" + std::string(WordOf(kGivens, form.modes.given));
    box(5);
    return out;
}

ShareLinkReading ReadShareLink(std::string_view fragment) {
    if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
    SharedForm form;
    bool any = false;
    std::vector<std::string_view> seen;
    bool heightOrDiameter = false;
    while (!fragment.empty()) {
        const std::size_t end = std::min(fragment.find('&'), fragment.size());
        const std::string_view part = fragment.substr(0, end);
        fragment.remove_prefix(std::min(end + 1, fragment.size()));
        if (part.empty()) continue;
        const std::size_t equals = part.find('=');
        const std::string_view key = part.substr(0, equals);
        const auto* const boxKey = std::find(kBoxKeys.begin(), kBoxKeys.end(), key);
        const bool known = boxKey != kBoxKeys.end() || key == "preset" || key == "given";
        if (!known) continue;
        any = true;
        if (equals == std::string_view::npos) return Malformed(Quoted(key) + " без значения");
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            return Malformed(Quoted(key) + " указано дважды");
        }
        seen.push_back(key);
        const std::optional<std::string> value = Decode(part.substr(equals + 1));
        if (!value) return Malformed("неверная %-запись в " + Quoted(part));
        const std::optional<std::size_t> length = Utf8Length(*value);
        if (!length) return Malformed("в " + Quoted(key) + " не текст в UTF-8");
        if (key == "preset" || key == "given") {
            const bool preset = key == "preset";
            if (!(preset ? Choose(kPresets, *value, form.preset)
                         : Choose(kGivens, *value, form.modes.given))) {
                return Malformed("неизвестное значение " + Quoted(part) + ", возможны " +
                                 (preset ? WordList(kPresets) : WordList(kGivens)));
            }
            continue;
        }
        const auto index = static_cast<std::size_t>(boxKey - kBoxKeys.begin());
        const int limit = MaxLength(kInputBoxes[index]);
        if (limit > 0 && *length > static_cast<std::size_t>(limit)) {
            return Malformed(Quoted(key) + " длиннее " + std::to_string(limit) +
                             (limit == 1 ? " знака" : " знаков"));
        }
        form.texts[index] = *value;
        if (index == kHeight || index == kDiameter) heightOrDiameter = true;
    }
    if (!any) return {};
    if (form.texts[kArea] && heightOrDiameter) {
        return Malformed("указаны и площадь («a»), и высота или диаметр («h», «d»)");
    }
    if (form.texts[kArea]) form.modes.geometry = Geometry::SurfaceArea;
    return {form, {}};
}

std::array<std::string_view, 3> SelectedOptions(const SharedForm& form) {
    const auto given = static_cast<std::size_t>(form.modes.given);
    return {kPresetOptions[static_cast<std::size_t>(form.preset)],
            form.modes.geometry == Geometry::SurfaceArea ? "Option5" : "Option4",
            kOptionNames[static_cast<std::size_t>(Option::Option6) + given]};
}

void OpenSharedForm(const SharedForm& form, InputModes& modes, Window& window,
                    const std::function<void(std::string_view option)>& select) {
    for (const std::string_view option : SelectedOptions(form)) {
        select(option);
        for (const auto& [name, run] : kClickHandlers) {
            if (name == option) (modes.*run)();
        }
    }
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
        if (form.texts[i]) window.setText(kInputBoxes[i], *form.texts[i]);
    }
    window.focus("Text1");
    window.selectAll("Text1");
    modes.BoxFocused("Text1");
    modes.Recalculate();
}

}  // namespace dephlegmator
