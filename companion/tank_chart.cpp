#include "tank_chart.h"

#include <algorithm>

#include "number_text.h"
#include "texts.h"

namespace dephlegmator {
namespace {

constexpr double kSecondsPerHour = 3600;
constexpr double kSecondsPerMinute = 60;
// A run shorter than this is counted in minutes: 0,1…0,6 h says less than 6…36 min.
constexpr double kMinutesBelowSeconds = 2 * kSecondsPerHour;
// Room above the limit: the temperature axis reaches this multiple of it.
constexpr double kRoomAboveLimit = 1.1;

// The plot between the axes' labels, in viewBox units.
struct Plot {
    double left = 34, right = kTankChartSize.width - 14;
    double top = 18, bottom = kTankChartSize.height - 36;
};

// A coordinate to a tenth of a unit, far below a pixel, with '.' as SVG wants.
std::string At(double x) {
    return FormatRounded(x, 1, ".");
}

class Svg {
  public:
    Svg& line(std::string_view cssClass, double x1, double y1, double x2, double y2) {
        text_ += "<line class=\"" + std::string(cssClass) + "\" x1=\"" + At(x1) + "\" y1=\"" +
                 At(y1) + "\" x2=\"" + At(x2) + "\" y2=\"" + At(y2) + "\"/>";
        return *this;
    }
    Svg& text(std::string_view cssClass, double x, double y, std::string_view anchor,
              std::string_view content) {
        text_ += "<text class=\"" + std::string(cssClass) + "\" x=\"" + At(x) + "\" y=\"" + At(y) +
                 "\" text-anchor=\"" + std::string(anchor) + "\">" + std::string(content) +
                 "</text>";
        return *this;
    }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

}  // namespace

std::string TankChartMarkup(double startTemp, double limitTemp, double seconds,
                            std::string_view separator) {
    const Plot plot;
    const bool inMinutes = seconds < kMinutesBelowSeconds;
    const double timeUnit = inMinutes ? kSecondsPerMinute : kSecondsPerHour;
    const Axis time = AxisFromZeroNear(seconds / timeUnit);
    const Axis temp = AxisFromZero(kRoomAboveLimit * std::max(limitTemp, startTemp));
    const auto x = [&](double at) { return plot.left + at / time.max * (plot.right - plot.left); };
    const auto y = [&](double t) { return plot.bottom - t / temp.max * (plot.bottom - plot.top); };

    Svg svg;
    for (const double tick : temp.ticks) {
        svg.line("grid", plot.left, y(tick), plot.right, y(tick));
        svg.text("tick", plot.left - 6, y(tick) + 4, "end", FormatNumber(tick, separator));
    }
    for (const double tick : time.ticks) {
        svg.line("grid", x(tick), plot.top, x(tick), plot.bottom);
        svg.text("tick", x(tick), plot.bottom + 15, "middle", FormatNumber(tick, separator));
    }
    svg.line("axis", plot.left, plot.top, plot.left, plot.bottom)
        .line("axis", plot.left, plot.bottom, plot.right, plot.bottom);
    svg.text("title", (plot.left + plot.right) / 2, kTankChartSize.height - 4, "middle",
             Tr(inMinutes ? Text::TankChartTimeMinutes : Text::TankChartTime));
    // The unit of the temperatures stands right of the axis's top, clear of the top tick's label.
    svg.text("title", plot.left + 4, plot.top - 6, "start", Tr(Text::UnitDegrees));
    svg.line("limit", plot.left, y(limitTemp), plot.right, y(limitTemp));
    svg.text("caption", plot.right - 4, y(limitTemp) - 4, "end",
             Fill(Text::TankChartLimit, {{"temp", FormatRounded(limitTemp, 1, separator)}}));
    svg.line("tank", x(0), y(startTemp), x(seconds / timeUnit), y(limitTemp));
    return svg.take();
}

}  // namespace dephlegmator
