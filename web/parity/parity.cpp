// Prints what the engine shows for a large fixed set of forms, and how it reads and writes a large
// fixed set of numbers. The native and the WebAssembly builds must print the same text: the
// number texts exactly, the calculations as the rounded texts of their result boxes and the
// design panel of each form as the page receives it: its texts and its charts' numbers.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "array_controls.h"
#include "calculate.h"
#include "design_panel.h"
#include "error_messages.h"
#include "number_text.h"
#include "tank_chart.h"

namespace {

using dephlegmator::Box;
using dephlegmator::CalcError;
using dephlegmator::Option;
using dephlegmator::testing::ArrayControls;

// SplitMix64: the same sequence on every platform, unlike the standard distributions.
class Sequence {
  public:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  private:
    std::uint64_t state_ = 11;
};

std::uint64_t Power10(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// A value from lo to hi with up to `decimals` decimals, as typed.
std::string Value(Sequence& s, std::uint64_t lo, std::uint64_t hi, int decimals) {
    std::string text = std::to_string(lo + s.next() % (hi - lo + 1));
    if (decimals > 0 && s.below(2) == 0) {
        const std::string fraction = std::to_string(s.next() % Power10(decimals));
        text +=
            '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

// A box's text: mostly a value in the box's usual range, sometimes one of the awkward texts
// users type.
std::string BoxText(Sequence& s, std::uint64_t lo, std::uint64_t hi, int decimals) {
    static const std::vector<std::string> kAwkward = {
        "",    "0",     "-5",    "1E3", "2D1",   "3,5",   "&H10", "1e-400", "1E309",
        "abc", " 4 0 ", "0.001", ".5",  "99999", "1.2.3", "-0",   "&O17",   "7e"};
    if (s.below(10) == 0) return kAwkward[s.below(kAwkward.size())];
    return Value(s, lo, hi, decimals);
}

// The bits of a double in hexadecimal: printf's %a writes subnormals differently in each C
// library.
std::string Bits(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, bits);
    return text;
}

const char* KindName(CalcError::Kind kind) {
    switch (kind) {
        case CalcError::Kind::Overflow:
            return "overflow";
        case CalcError::Kind::DivisionByZero:
            return "division-by-zero";
        case CalcError::Kind::InvalidOperation:
            return "invalid-operation";
        case CalcError::Kind::InvalidArgument:
            return "invalid-argument";
        case CalcError::Kind::HeatLoadBeyondSurface:
            return "heat-load-beyond-surface";
        case CalcError::Kind::ShownBelowItsDecimals:
            return "shown-below-its-decimals";
    }
    return "?";
}

// A double to 17 significant digits: two doubles print alike only when they are the same.
void PrintNumber(double x) {
    std::printf(" %.17g", x);
}

// A value on a chart's axis in millionths of the axis's span, to the nearest: far finer than any
// drawing, and coarse enough that the last bits in which one C library's exp and log differ from
// another's, which the curves' loads and temperatures go through, do not show.
void PrintOnAxis(double x, const dephlegmator::ChartAxis& axis) {
    constexpr double kParts = 1e6;
    std::printf(" %.0f",
                std::nearbyint((x - axis.range.min) / (axis.range.max - axis.range.min) * kParts));
}

void PrintText(const std::string& text) {
    std::printf(" [%s]", text.c_str());
}

// The chart as the page receives it, each axis, curve, level, mark and dot on a line: the axes'
// ranges and ticks exactly, the values the page places on them in millionths of their spans.
void PrintChart(const dephlegmator::Chart& chart) {
    const auto& axes = chart.axes;
    for (const dephlegmator::ChartAxis& axis : chart.axes) {
        std::printf("  axis");
        PrintNumber(axis.range.min);
        PrintNumber(axis.range.max);
        for (const double tick : axis.range.ticks) PrintNumber(tick);
        for (const std::string& label : axis.labels) PrintText(label);
        PrintText(axis.title);
        std::printf("\n");
    }
    for (const dephlegmator::ChartCurve& curve : chart.curves) {
        std::printf("  curve %d", curve.axis);
        for (const dephlegmator::ChartPoint& point : curve.points) {
            PrintOnAxis(point.x, axes.at(0));
            PrintOnAxis(point.y, axes.at(static_cast<std::size_t>(curve.axis)));
        }
        std::printf("\n");
    }
    for (const dephlegmator::ChartLevel& level : chart.levels) {
        std::printf("  level");
        PrintOnAxis(level.value, axes.at(1));
        PrintText(level.caption);
        std::printf("\n");
    }
    for (const auto* marks : {&chart.marks, &chart.dots}) {
        for (const dephlegmator::ChartMark& mark : *marks) {
            std::printf("  %s %d", marks == &chart.marks ? "mark" : "dot", mark.axis);
            PrintOnAxis(mark.at.x, axes.at(0));
            PrintOnAxis(mark.at.y, axes.at(static_cast<std::size_t>(mark.axis)));
            PrintText(mark.label);
            std::printf("\n");
        }
    }
}

// The design panel: its flags and texts on one line, the reflux rows on the next, then the
// control curve's chart.
void PrintPanel(int form, const dephlegmator::DesignPanel& panel) {
    std::printf("panel %d:", form);
    for (const bool flag :
         {panel.available, panel.holds, panel.heatLoadMode, panel.heightDiameterMode}) {
        std::printf(" %c", flag ? '1' : '0');
    }
    for (const std::string* text :
         {&panel.reason, &panel.verdict, &panel.windowNote, &panel.maxLoad, &panel.areaAt10K,
          &panel.areaMin, &panel.heightAt10K, &panel.heightMin}) {
        PrintText(*text);
    }
    std::printf("\n  reflux");
    for (const dephlegmator::RefluxFlow& row : panel.reflux) {
        std::printf(" [%s %s %c %s]", std::string(row.id).c_str(), row.flow.c_str(),
                    row.impractical ? '1' : '0', row.takeOff.c_str());
    }
    std::printf("\n");
    if (!panel.available) return;
    std::printf("  curve");
    PrintText(panel.curve.beyond);
    PrintText(panel.curve.description);
    std::printf("\n");
    PrintChart(ControlCurveDrawing(panel.curve));
}

// Two lines per form: the texts of all boxes, Text1 to Text10 in Box order, after the
// calculation, and "ok" or the error with its message; then the design panel.
void PrintForms(Sequence& s, int count) {
    constexpr Option kGiven[] = {Option::Option6, Option::Option7, Option::Option8};
    for (int i = 0; i < count; ++i) {
        ArrayControls c;
        const bool area = s.below(2) == 0;
        const Option given = kGiven[s.below(3)];
        c.select(area ? Option::Option5 : Option::Option4, given);
        if (s.below(4) == 0) c.separator(",");
        c.set(Box::Text1, s.below(3) == 0 ? "78" : BoxText(s, 40, 110, 2));
        c.set(Box::Text2, BoxText(s, 1, 40, 0));
        c.set(Box::Text3, BoxText(s, 10, 300, 0));
        c.set(Box::Text4, BoxText(s, 1, 60, 0));
        c.set(Box::Text5, BoxText(s, 100, 9999, 0));
        if (given == Option::Option6) c.set(Box::Text6, BoxText(s, 10, 100, 2));
        if (given == Option::Option7) c.set(Box::Text6, BoxText(s, 50, 30000, 1));
        if (given == Option::Option8) c.set(Box::Text6, BoxText(s, 0, 30, 3));

        dephlegmator::FormState state = dephlegmator::LoadedFormState();
        std::string outcome = "ok";
        const dephlegmator::FormInputs inputs = dephlegmator::ReadFormInputs(c);
        bool failed = false;
        try {
            Calculate(state, inputs, c);
        } catch (const CalcError& e) {
            failed = true;
            outcome = std::string(KindName(e.kind())) + " " +
                      dephlegmator::ErrorMessage(e, inputs, state, c.decimalSeparator());
            for (char& ch : outcome) {
                if (ch == '\n') ch = '|';
            }
        }
        std::printf("form %d:", i);
        for (std::size_t b = 0; b < dephlegmator::kBoxCount; ++b) {
            std::printf(" [%s]", c.text(static_cast<Box>(b)).c_str());
        }
        std::printf(" %s\n", outcome.c_str());
        // One form in four with the panel's own U and c and a heater power given at the column,
        // so that the verdict and the note under the window are compared in every mode.
        const bool own = s.below(4) == 0;
        const dephlegmator::PanelCoefficients coefficients =
            own ? dephlegmator::PanelCoefficients{static_cast<double>(100 + s.below(1500)),
                                                  4180,
                                                  {}}
                : dephlegmator::PanelCoefficients{};
        const std::optional<double> power =
            own ? std::optional<double>(static_cast<double>(50 + s.below(5000))) : std::nullopt;
        PrintPanel(i,
                   BuildDesignPanel(inputs, c, state, failed, coefficients, std::nullopt, power));
        // One form in four with a cooling tank's chart too, over times in minutes and in hours.
        if (s.below(4) == 0) {
            const auto start = static_cast<double>(5 + s.below(30));
            const double limit = start + static_cast<double>(1 + s.below(900)) / 10;
            const auto seconds = static_cast<double>(60 + s.below(200000));
            std::printf("  tank\n");
            PrintChart(dephlegmator::TankChart(start, limit, seconds, c.decimalSeparator()));
        }
    }
}

// Doubles from random bit patterns over the whole finite range, then values near the rounding
// edges of 15 significant digits.
void PrintNumberTexts(Sequence& s, int count) {
    for (int i = 0; i < count; ++i) {
        double x = 0;
        do {
            const std::uint64_t bits = s.next();
            std::memcpy(&x, &bits, sizeof x);
        } while (x - x != 0);  // skips infinities and NaNs
        const int decimals = static_cast<int>(s.below(5));
        std::printf("format %s %s %s\n", Bits(x).c_str(),
                    dephlegmator::FormatNumber(x, ".").c_str(),
                    dephlegmator::FormatRounded(x, decimals, ",").c_str());
    }
    for (int i = 0; i < count; ++i) {
        const double x =
            static_cast<double>(s.next() % 2000000000000000u) / 1e15 + 0.0000000000000005;
        std::printf("format %s %s\n", Bits(x).c_str(), dephlegmator::FormatNumber(x, ".").c_str());
    }
}

// Decimal texts of up to 20 significant digits with exponents over the whole range and beyond.
void PrintParsedNumbers(Sequence& s, int count) {
    for (int i = 0; i < count; ++i) {
        std::string text = s.below(4) == 0 ? "-" : "";
        // One draw per statement: compilers evaluate function arguments in different orders.
        const int digits = static_cast<int>(1 + s.below(18));
        const int decimals = static_cast<int>(s.below(6));
        text += Value(s, 0, Power10(digits) - 1, decimals);
        if (s.below(2) == 0) {
            text += s.below(2) == 0 ? "E" : "d";
            text += s.below(2) == 0 ? "-" : "+";
            text += std::to_string(s.below(340));
        }
        try {
            std::printf("parse %s %s\n", text.c_str(),
                        Bits(dephlegmator::ParseNumber(text)).c_str());
        } catch (const CalcError& e) {
            std::printf("parse %s %s\n", text.c_str(), KindName(e.kind()));
        }
    }
}

}  // namespace

int main() {
    Sequence s;
    PrintForms(s, 20000);
    PrintNumberTexts(s, 20000);
    PrintParsedNumbers(s, 20000);
    return 0;
}
