#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls.h"
#include "form_state.h"

namespace dephlegmator {

// The design panel beside the window: the control curve of the dephlegmator (condensed load
// against water flow), the flows that give common reflux ratios at the heater's power, and the
// surface the heater needs. It is built after each recalculation from the inputs as the
// calculation read them; every text is written as the window writes numbers, with its regional
// decimal separator.

struct ChartTick {
    double value;
    std::string label;
};

struct CurvePoint {
    double flow;        // l/min
    double load;        // W
    double outletTemp;  // °C
};

struct ControlCurve {
    std::vector<CurvePoint> points;  // from flow 0 to flowAxisMax, evenly spaced
    double flowAxisMax = 0;          // l/min
    double loadAxisMax = 0;          // W
    double tempAxisMin = 0;          // °C: the inlet temperature
    double tempAxisMax = 0;          // °C: the condensation temperature
    std::vector<ChartTick> flowTicks, loadTicks, tempTicks;
    double maxLoad = 0;                 // W, drawn dashed: the surface's limit
    std::optional<CurvePoint> result;   // the window's last result
    std::optional<double> heaterPower;  // W, heat-load mode only
    std::string description;            // what the chart shows, for a screen reader
};

// One row of the reflux table: the flow at which the dephlegmator condenses P × R / (R + 1).
struct RefluxRow {
    std::string_view id;     // "RefluxFlow1" … "RefluxFlow10", "RefluxFlowFull"
    std::string_view ratio;  // "1" … "10", "полное"
    std::string flow;  // l/min, 2 decimals; «не достичь» beyond the surface's limit
};

struct DesignPanel {
    bool available = false;  // false: every number shows «—» and `reason` says why
    std::string reason;
    std::string maxLoad;  // W, whole
    ControlCurve curve;

    bool heatLoadMode = false;  // the reflux table and the heater's surface apply
    std::array<RefluxRow, 6> reflux{};
    std::string areaAt10K, areaMin;  // cm², whole; «—» where the water cannot warm by 10 K
    bool heightDiameterMode = false;
    std::string heightAt10K, heightMin;  // cm, 1 decimal, at the current diameter
};

// The panel after a recalculation. `calculationFailed`: it stopped with an error, so the panel
// shows no numbers. Never throws.
DesignPanel BuildDesignPanel(const Controls& window, const FormState& state,
                             bool calculationFailed);

// The panel as JSON, for a front end that draws it in a page.
std::string DesignPanelJson(const DesignPanel& panel);

// The dash shown in place of a number that cannot be given.
inline constexpr std::string_view kNoNumber = "—";

}  // namespace dephlegmator
