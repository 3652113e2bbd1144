#pragma once

// The design panel as the JSON text that the page's design_panel.js reads, and the two writers
// it is made of.

#include <string>
#include <string_view>

#include "design_panel.h"

namespace dephlegmator {

// The panel as JSON, in this shape ("curve" only when the panel is available):
//   {"available":true,"reason":"","verdict":"2000 Вт: …","holds":true,"windowNote":"",
//    "MaxLoad":"5811",
//    "curve":{"points":[[0,0,88],…,[14,5536.525,26.31063]],"flowAxisMax":14,
//             "loadAxisMax":7000,"tempAxisMin":20,"tempAxisMax":88,
//             "flowTicks":[{"value":0,"label":"0"},…],"loadTicks":[…],"tempTicks":[…],
//             "maxLoad":5810.518,"result":[0.5,2000,83.55216]
//             (or null),"heaterPower":2000 (or null),"refluxMarks":[[0.2427,1000,"R 1"],…],
//             "beyond":"Дальше кривая …" (or ""),"description":"График: …"},
//    "heatLoadMode":true,"reflux":[{"id":"RefluxFlow1","flow":"0.24","impractical":false},…],"AreaAt10K":"468",
//    "AreaMin":"433","heightDiameterMode":true,"HeightAt10K":"29.8","HeightMin":"27.5"}
// The chart's numbers are written to the DrawingDecimals of their axis, all the page needs to
// place them; the texts as they are.
std::string DesignPanelJson(const DesignPanel& panel);

// Appends `text` (UTF-8) as a JSON string: '"' and '\' after a backslash, the control
// characters U+0000 to U+001F as \u00XX, every other byte as it is.
// Example: a"b\ and a line feed → "a\"b\\\u000a".
void AppendJsonString(std::string& out, std::string_view text);

// Appends `x` rounded to `decimals` places (negative: to tens, hundreds, …), ties to even, as a
// JSON number without trailing zeros; null for an infinity or NaN, which JSON cannot write.
// Examples: (1234.5678, 2) → 1234.57; (0.6000000000000001, 7) → 0.6; (1234, −1) → 1230;
// (−0.004, 2) → 0. Where x at that precision needs more than 15 digits, or decimals lies beyond
// ±22, x is written with FormatNumber's 15 significant digits instead: (1E300, 0) → 1E+300.
void AppendJsonNumber(std::string& out, double x, int decimals);

}  // namespace dephlegmator
