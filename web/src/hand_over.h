#pragma once

// What the module hands the page beyond the window's operations, as numbers: the design panel
// with its charts after a recalculation, and the texts the panel's sections keep on the device.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart_geometry.h"
#include "design_panel.h"

namespace dephlegmator {

// A flat array of doubles in the module's memory, which the page reads in order
// (web/page/hand_over.js). An item is one of:
//   number  the double itself;
//   flag    0 or 1;
//   text    two numbers: the address of its UTF-8 bytes in the module's memory, and their count;
//   list    the count of its entries, then each entry.
// The first number counts those that follow: 0 when there is nothing to show.
//
// The design panel (WritePanel):
//   available holds heatLoadMode heightDiameterMode                       (flags)
//   reason verdict windowNote maxLoad areaAt10K areaMin heightAt10K heightMin    (texts)
//   list of reflux rows: id flow (texts) impractical (flag) takeOffId takeOff (texts)
//   beyond description (texts: the control curve's, "" when the panel is not available)
//   flag, and the control curve's chart when it is 1 (ControlCurveDrawing)
//   flag, and the tank's chart when it is 1 (TankChart)
// A chart (Chart):
//   list of axes: min max (numbers) list of ticks: value (number) label (text); title (text)
//   list of curves: axis (number, a ChartAxisIndex) list of points: x y (numbers)
//   list of levels: value (number) caption (text)
//   list of marks: axis x y (numbers) label (text)
//   list of dots: axis x y (numbers) label (text)
// The texts to keep (WriteTexts): list of entries: id text (texts).
//
// Example: the heater example (88 °C, 20 °C, 80 cm × 5 cm, heat load 2000 W) begins
//   n  1 1 1 1  a 0  a v  a 0  a 4  a 3  a 3  a 4  a 4  6  a 11 a 4 0  …
// with n the count of the numbers after it, then its four flags, and each "a" the address of a
// text, whose byte count follows it: "" (reason), the verdict "2000 Вт: …" of v bytes, ""
// (windowNote), "5811", "468", "433", "29.8", "27.5"; then six reflux rows, the first
// "RefluxFlow1", "0.24", not impractical.
class HandOver {
  public:
    // Lays out the panel, and the tank's chart where the section «У колонны» draws one
    // (`tank`); returns the first number, valid until the next call.
    const double* WritePanel(const DesignPanel& panel, const std::optional<Chart>& tank);
    // Lays out texts by element id; returns the first number, valid until the next call.
    const double* WriteTexts(const std::vector<std::pair<std::string_view, std::string>>& texts);
    // Nothing to show: the count 0 alone.
    const double* WriteNothing();

  private:
    void start();
    const double* finish();
    void number(double x) { numbers_.push_back(x); }
    void flag(bool b) { numbers_.push_back(b ? 1 : 0); }
    void count(std::size_t n) { numbers_.push_back(static_cast<double>(n)); }
    void text(std::string_view text);
    void chart(const Chart& chart);
    void mark(const ChartMark& mark);

    std::vector<double> numbers_;
    // The texts' bytes, one after another; a text's first number holds its offset here until
    // finish() turns it into the address.
    std::string bytes_;
    std::vector<std::size_t> textsAt_;
};

}  // namespace dephlegmator
