#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "controls.h"
#include "texts.h"

namespace dephlegmator::layout {

enum class Kind { Frame, Label, TextBox, Option, Button };
enum class Font { Standard, Bold12 };  // Bold12: bold 12 pt sans-serif with Cyrillic glyphs
enum class Align { Left, Right, Center };

// One control of the window. Positions are relative to the parent (the window when parent is
// empty) and, like sizes, in twips: 15 twips make one device-independent pixel.
struct ControlRow {
    std::string_view name;
    Kind kind;
    std::string_view parent;
    std::optional<Text> caption;  // of a frame, label, option or button; none for a box
    int x, y, w, h;
    Font font = Font::Standard;
    Align align = Align::Left;
    int maxLength = 0;  // typing limit of a text box; 0 means none
    bool visible = true;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 9375;
inline constexpr int kClientHeight = 8430;
inline constexpr std::string_view kTitle = "Form1";
using dephlegmator::kNoResult;

using enum Kind;
using enum Font;
using enum Align;

// In creation order: a window-level box that lies over a frame comes after the frame, so it is
// drawn in front of it. The captions are the catalogue's, in the current language.
inline constexpr std::array kControls = std::to_array<ControlRow>({
    {"Frame1", Frame, "", Text::Frame1Caption, 360, 960, 2775, 1935},
    {"Option1", Option, "Frame1", Text::Option1Caption, 120, 240, 975, 255},
    {"Option2", Option, "Frame1", Text::Option2Caption, 120, 600, 1095, 255},
    {"Option3", Option, "Frame1", Text::Option3Caption, 120, 960, 1335, 255},
    {"Text1", TextBox, "Frame1", {}, 120, 1320, 1215, 375, Bold12, Right, 5},
    {"Label1", Label, "Frame1", Text::UnitLabelDegrees, 1440, 1320, 495, 375, Bold12},

    {"Frame2", Frame, "", Text::Frame2Caption, 360, 3000, 2775, 735},
    {"Label2", Label, "Frame2", Text::UnitLabelDegrees, 1440, 240, 615, 375, Bold12},
    {"Text2", TextBox, "", {}, 480, 3240, 1215, 375, Bold12, Right, 2},

    {"Frame3", Frame, "", Text::Frame3Caption, 360, 3840, 2775, 2055},
    {"Option4", Option, "Frame3", Text::Option4Caption, 120, 240, 2055, 255},
    {"Option5", Option, "Frame3", Text::Option5Caption, 120, 480, 2655, 375},
    {"Text3", TextBox, "Frame3", {}, 120, 960, 1215, 375, Bold12, Right, 3},
    {"Text5", TextBox, "Frame3", {}, 120, 960, 1215, 375, Bold12, Right, 4, false},
    {"Text4", TextBox, "Frame3", {}, 120, 1440, 1215, 375, Bold12, Right, 3},
    {"Label4", Label, "Frame3", Text::UnitLabelCentimetres, 1440, 1080, 615, 375, Bold12},
    {"Label5", Label, "Frame3", Text::UnitLabelCentimetres, 1440, 1440, 615, 375, Bold12},
    {"Label6", Label, "Frame3", Text::UnitLabelSquareCentimetres, 1440, 1080, 975, 375, Bold12,
     Left, 0, false},

    {"Frame4", Frame, "", Text::Frame4Caption, 360, 6000, 2775, 1935},
    {"Option6", Option, "Frame4", Text::Option6Caption, 120, 240, 1695, 255},
    {"Option7", Option, "Frame4", Text::Option7Caption, 120, 600, 1815, 255},
    {"Option8", Option, "Frame4", Text::Option8Caption, 120, 960, 1695, 255},
    {"Text6", TextBox, "Frame4", {}, 120, 1320, 1215, 375, Bold12, Right},
    {"Label7", Label, "Frame4", Text::UnitLabelDegrees, 1440, 1320, 735, 375, Bold12},
    {"Label8", Label, "Frame4", Text::UnitLabelWatts, 1440, 1320, 1095, 375, Bold12, Left, 0,
     false},
    {"Label9", Label, "Frame4", Text::UnitLabelLitresPerMinute, 1440, 1320, 1095, 375, Bold12, Left,
     0, false},

    {"Label13", Label, "", Text::Label13Caption, 3480, 480, 2535, 375, Standard, Center},
    {"Label14", Label, "", Text::Label14Caption, 6120, 480, 2535, 615, Standard, Center},

    {"Frame5", Frame, "", Text::Frame5Caption, 3360, 960, 5175, 735},
    {"Text7", TextBox, "Frame5", {}, 720, 240, 1335, 375, Bold12, Center},
    {"Label10", Label, "Frame5", Text::UnitLabelWatts, 2400, 240, 615, 375, Bold12},
    {"Text71", TextBox, "", {}, 6720, 1200, 1335, 375, Bold12, Center},

    {"Frame6", Frame, "", Text::Frame6Caption, 3360, 1800, 5175, 735},
    {"Text8", TextBox, "Frame6", {}, 720, 240, 1335, 375, Bold12, Center},
    {"Label11", Label, "Frame6", Text::UnitLabelLitresPerMinute, 2280, 240, 855, 375, Bold12},
    {"Text81", TextBox, "", {}, 6720, 2040, 1335, 375, Bold12, Center},

    {"Frame7", Frame, "", Text::Frame7Caption, 3360, 2640, 5175, 735},
    {"Text9", TextBox, "Frame7", {}, 720, 240, 1335, 375, Bold12, Center},
    {"Label12", Label, "Frame7", Text::UnitLabelDegrees, 2400, 240, 615, 375, Bold12},
    {"Text91", TextBox, "", {}, 6720, 2880, 1335, 375, Bold12, Center},

    {"Frame8", Frame, "", Text::Frame8Caption, 3360, 3480, 3255, 735},
    {"Label3", Label, "Frame8", Text::UnitLabelSquareCentimetres, 2160, 240, 975, 375, Bold12},
    {"Text10", TextBox, "", {}, 4080, 3720, 1335, 375, Bold12, Center},

    {"Command1", Button, "", Text::Command1Caption, 3960, 7320, 1695, 495},
});

// The controls that can take the focus, in tab order. Of each option group only the selected
// button is a tab stop; hidden boxes are skipped.
inline constexpr std::array<std::string_view, 22> kTabOrder{
    "Text1",   "Command1", "Text2",   "Text3",   "Text4",   "Text5",   "Text6",   "Option1",
    "Option2", "Option3",  "Option4", "Option5", "Option6", "Option7", "Option8", "Text7",
    "Text8",   "Text9",    "Text10",  "Text81",  "Text91",  "Text71",
};

// The text a box shows when the window is built: kNoResult in a result box, nothing in an input
// box.
constexpr std::string_view StartText(const ControlRow& row) {
    for (const Box box : kResultBoxes) {
        if (BoxName(box) == row.name) return kNoResult;
    }
    return {};
}

// What a control shows in the current language: its caption, or a box's start text.
inline std::string_view Caption(const ControlRow& row) {
    return row.caption ? Tr(*row.caption) : StartText(row);
}

// The buttons selected at start, one per group.
inline constexpr std::array<std::string_view, 3> kSelectedAtStart{"Option1", "Option4", "Option6"};

// The window on a narrow screen: its groups one under another, in this order, in a column
// kPhoneColumnWidth twips wide. A group's frame spans the column at the group's top, its option
// buttons keep their places in the frame, and each of its other controls keeps its place in the
// window relative to the group's origin (x, y in window twips), unless kPhonePlaces places it.
// Example: Frame5's origin is (3960, 960), so Text7, at (4080, 1200) in the window, stands at
// (120, 240) in its group, at the frames' inset, and Text71, at (6720, 1200), at (2760, 240).
struct PhoneGroup {
    std::string_view name;
    int x, y;
    std::string_view controls;  // space-separated, the frame first where the group has one
};

inline constexpr int kPhoneColumnWidth = 4215;

inline constexpr std::array kPhoneGroups = std::to_array<PhoneGroup>({
    {"Frame1", 360, 960, "Frame1 Option1 Option2 Option3 Text1 Label1"},
    {"Frame2", 360, 3000, "Frame2 Label2 Text2"},
    {"Frame3", 360, 3840, "Frame3 Option4 Option5 Text3 Text5 Text4 Label4 Label5 Label6"},
    {"Frame4", 360, 6000, "Frame4 Option6 Option7 Option8 Text6 Label7 Label8 Label9"},
    {"Headings", 3960, 480, "Label13 Label14"},
    {"Frame5", 3960, 960, "Frame5 Text7 Label10 Text71"},
    {"Frame6", 3960, 1800, "Frame6 Text8 Label11 Text81"},
    {"Frame7", 3960, 2640, "Frame7 Text9 Label12 Text91"},
    {"Frame8", 3960, 3480, "Frame8 Label3 Text10"},
    {"Button", 3960, 7320, "Command1"},  // centred in the column
});

// A control's place in its group on a narrow screen where it is not its window place: x, y from
// the group's origin and its width, in twips. The column headings, too wide for the column side
// by side, each stand over its column of result boxes.
struct PhonePlace {
    std::string_view name;
    int x, y, w;
};

inline constexpr std::array kPhonePlaces = std::to_array<PhonePlace>({
    {"Label13", 0, 0, 1575},
    {"Label14", 2640, 0, 1575},
});

// The first control that `names` lists, space-separated, and the rest of the list after it.
// Example: FirstName("Frame2 Label2 Text2") == {"Frame2", "Label2 Text2"}.
constexpr std::pair<std::string_view, std::string_view> FirstName(std::string_view names) {
    const std::size_t end = names.find(' ');
    if (end == std::string_view::npos) return {names, {}};
    return {names.substr(0, end), names.substr(end + 1)};
}

// The index in kPhoneGroups of the group that names `control`, or -1 where none does.
// Example: PhoneGroupIndex("Text71") == 5 (Frame5); PhoneGroupIndex("Form1") == -1.
constexpr int PhoneGroupIndex(std::string_view control) {
    for (std::size_t i = 0; i < kPhoneGroups.size(); ++i) {
        for (auto names = kPhoneGroups[i].controls; !names.empty();) {
            const auto [name, rest] = FirstName(names);
            if (name == control) return static_cast<int>(i);
            names = rest;
        }
    }
    return -1;
}

// Every control stands in one group on a narrow screen, and the groups name nothing else.
constexpr bool PhoneGroupsCoverTheTable() {
    std::size_t named = 0;
    for (const PhoneGroup& group : kPhoneGroups) {
        for (auto names = group.controls; !names.empty(); names = FirstName(names).second) {
            ++named;
        }
    }
    for (const ControlRow& row : kControls) {
        if (PhoneGroupIndex(row.name) < 0) return false;
    }
    return named == kControls.size();
}
static_assert(PhoneGroupsCoverTheTable());

}  // namespace dephlegmator::layout
