#pragma once

#include <array>
#include <string_view>

#include "controls.h"

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
    std::string_view caption;  // caption of a frame, label, option or button; start text of a box
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
// drawn in front of it. Option4's caption has a Latin "c" before the Cyrillic "м"; every "[°С]"
// has a Cyrillic "С".
inline constexpr std::array kControls = std::to_array<ControlRow>({
    {"Frame1", Frame, "", "Т конденсации", 360, 960, 2775, 1935},
    {"Option1", Option, "Frame1", "СР", 120, 240, 975, 255},
    {"Option2", Option, "Frame1", "СС", 120, 600, 1095, 255},
    {"Option3", Option, "Frame1", "другая", 120, 960, 1335, 255},
    {"Text1", TextBox, "Frame1", "", 120, 1320, 1215, 375, Bold12, Right, 5},
    {"Label1", Label, "Frame1", "[°С]", 1440, 1320, 495, 375, Bold12},

    {"Frame2", Frame, "", "Т воды на входе", 360, 3000, 2775, 735},
    {"Label2", Label, "Frame2", "[°С]", 1440, 240, 615, 375, Bold12},
    {"Text2", TextBox, "", "", 480, 3240, 1215, 375, Bold12, Right, 2},

    {"Frame3", Frame, "", "Дефлегматор", 360, 3840, 2775, 2055},
    {"Option4", Option, "Frame3", "Высота, Диаметр [cм]", 120, 240, 2055, 255},
    {"Option5", Option, "Frame3", "Площадь поверхности [см кв]", 120, 480, 2655, 375},
    {"Text3", TextBox, "Frame3", "", 120, 960, 1215, 375, Bold12, Right, 3},
    {"Text5", TextBox, "Frame3", "", 120, 960, 1215, 375, Bold12, Right, 4, false},
    {"Text4", TextBox, "Frame3", "", 120, 1440, 1215, 375, Bold12, Right, 3},
    {"Label4", Label, "Frame3", "[см]", 1440, 1080, 615, 375, Bold12},
    {"Label5", Label, "Frame3", "[см]", 1440, 1440, 615, 375, Bold12},
    {"Label6", Label, "Frame3", "[см кв.]", 1440, 1080, 975, 375, Bold12, Left, 0, false},

    {"Frame4", Frame, "", "Предполагается", 360, 6000, 2775, 1935},
    {"Option6", Option, "Frame4", "Т воды на выходе", 120, 240, 1695, 255},
    {"Option7", Option, "Frame4", "Тепловая нагрузка", 120, 600, 1815, 255},
    {"Option8", Option, "Frame4", "Расход воды", 120, 960, 1695, 255},
    {"Text6", TextBox, "Frame4", "", 120, 1320, 1215, 375, Bold12, Right},
    {"Label7", Label, "Frame4", "[°С]", 1440, 1320, 735, 375, Bold12},
    {"Label8", Label, "Frame4", "[Вт]", 1440, 1320, 1095, 375, Bold12, Left, 0, false},
    {"Label9", Label, "Frame4", "[л/мин]", 1440, 1320, 1095, 375, Bold12, Left, 0, false},

    {"Label13", Label, "", "Результаты для внешнего охлаждения", 3480, 480, 2535, 375, Standard,
     Center},
    {"Label14", Label, "", "Результаты для автономного охлаждения", 6120, 480, 2535, 615, Standard,
     Center},

    {"Frame5", Frame, "", "Тепловая нагрузка", 3360, 960, 5175, 735},
    {"Text7", TextBox, "Frame5", kNoResult, 720, 240, 1335, 375, Bold12, Center},
    {"Label10", Label, "Frame5", "[Вт]", 2400, 240, 615, 375, Bold12},
    {"Text71", TextBox, "", kNoResult, 6720, 1200, 1335, 375, Bold12, Center},

    {"Frame6", Frame, "", "Расход воды", 3360, 1800, 5175, 735},
    {"Text8", TextBox, "Frame6", kNoResult, 720, 240, 1335, 375, Bold12, Center},
    {"Label11", Label, "Frame6", "[л/мин]", 2280, 240, 855, 375, Bold12},
    {"Text81", TextBox, "", kNoResult, 6720, 2040, 1335, 375, Bold12, Center},

    {"Frame7", Frame, "", "Т воды на выходе", 3360, 2640, 5175, 735},
    {"Text9", TextBox, "Frame7", kNoResult, 720, 240, 1335, 375, Bold12, Center},
    {"Label12", Label, "Frame7", "[°С]", 2400, 240, 615, 375, Bold12},
    {"Text91", TextBox, "", kNoResult, 6720, 2880, 1335, 375, Bold12, Center},

    {"Frame8", Frame, "", "Площадь поверхности", 3360, 3480, 3255, 735},
    {"Label3", Label, "Frame8", "[см кв.]", 2160, 240, 975, 375, Bold12},
    {"Text10", TextBox, "", kNoResult, 4080, 3720, 1335, 375, Bold12, Center},

    {"Command1", Button, "", "Пересчет(ENTER)", 3960, 7320, 1695, 495},
});

// The controls that can take the focus, in tab order. Of each option group only the selected
// button is a tab stop; hidden boxes are skipped.
inline constexpr std::array<std::string_view, 22> kTabOrder{
    "Text1",   "Command1", "Text2",   "Text3",   "Text4",   "Text5",   "Text6",   "Option1",
    "Option2", "Option3",  "Option4", "Option5", "Option6", "Option7", "Option8", "Text7",
    "Text8",   "Text9",    "Text10",  "Text81",  "Text91",  "Text71",
};

// The buttons selected at start, one per group.
inline constexpr std::array<std::string_view, 3> kSelectedAtStart{"Option1", "Option4", "Option6"};

}  // namespace dephlegmator::layout
