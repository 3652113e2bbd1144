#include "window_texts.h"

#include <array>

#include "texts.h"
#include "window_layout.h"

namespace dephlegmator {
namespace {

struct ToolTip {
    std::string_view control;
    Text tip;
};

// The terms the window's captions leave unexplained: the presets, abbreviations in Russian and a
// single word in English, what «Предполагается» means and what autonomous cooling assumes; and
// Option6's English caption, shortened to fit its button.
constexpr std::array<ToolTip, 5> kToolTips{{
    {"Option1", Text::Option1About},
    {"Option2", Text::Option2About},
    {"Frame4", Text::Frame4About},
    {"Label14", Text::Label14About},
    {"Option6", Text::Option6Full},
}};

}  // namespace

std::string_view CaptionToolTip(std::string_view control) {
    for (const auto& [named, tip] : kToolTips) {
        if (named != control) continue;
        for (const layout::ControlRow& row : layout::kControls) {
            if (row.name == control && row.caption && Tr(*row.caption) == Tr(tip)) return {};
        }
        return Tr(tip);
    }
    return {};
}

void WriteCaptions(Window& window) {
    for (const layout::ControlRow& row : layout::kControls) {
        if (!row.caption) continue;
        window.setCaption(row.name, Tr(*row.caption));
        window.setToolTip(row.name, CaptionToolTip(row.name));
    }
}

}  // namespace dephlegmator
