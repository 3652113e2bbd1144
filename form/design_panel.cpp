#include "design_panel.h"

#include <algorithm>
#include <cmath>

#include "box_io.h"
#include "heat_exchanger.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

constexpr int kCurvePoints = 121;
// The curve runs at least to the flow at which the load reaches this share of its limit.
constexpr double kCurveReach = 0.95;
constexpr int kTicksWanted = 5;

struct RefluxRatio {
    std::string_view id;
    std::string_view label;
    double ratio;  // 0: full reflux, the whole load condensed
};
constexpr std::array<RefluxRatio, 6> kRefluxRatios{{
    {"RefluxFlow1", "1", 1},
    {"RefluxFlow2", "2", 2},
    {"RefluxFlow3", "3", 3},
    {"RefluxFlow5", "5", 5},
    {"RefluxFlow10", "10", 10},
    {"RefluxFlowFull", "полное", 0},
}};

// The inputs as the calculation read them, or why they give no panel.
struct Inputs {
    double tc = 0, tin = 0, given = 0, diameter = 0;
    std::string problem;
};

// A box that must read above 0 for the panel, how to ask for it, and where its value goes.
struct Required {
    Box box;
    const char* askFor;    // accusative, after «Введите»
    double Inputs::*into;  // nullptr: only tested
};

const char* GivenQuantity(const Controls& window) {
    if (window.isSelected(Option::Option7)) return "тепловую нагрузку";
    if (window.isSelected(Option::Option8)) return "расход воды";
    return "температуру воды на выходе";
}

Inputs ReadInputs(const Controls& window) {
    std::vector<Required> required{{Box::Text1, "температуру конденсации", &Inputs::tc},
                                   {Box::Text2, "температуру воды на входе", &Inputs::tin}};
    if (window.isSelected(Option::Option5)) {
        required.push_back({Box::Text5, "площадь поверхности", nullptr});
    } else {
        required.push_back({Box::Text3, "высоту", nullptr});
        required.push_back({Box::Text4, "диаметр", &Inputs::diameter});
    }
    required.push_back({Box::Text6, GivenQuantity(window), &Inputs::given});
    Inputs in;
    for (const auto& [box, askFor, into] : required) {
        const double value = ReadInput(window, box);
        if (!(value > 0)) {
            in.problem = std::string("Введите ") + askFor + " больше нуля.";
            return in;
        }
        if (into != nullptr) in.*into = value;
    }
    if (!(in.tc > in.tin)) {
        in.problem = "Температура конденсации должна быть выше температуры воды на входе.";
    } else if (window.isSelected(Option::Option6) && !(in.given > in.tin && in.given < in.tc)) {
        in.problem =
            "Температура воды на выходе должна быть между температурой на входе и температурой "
            "конденсации.";
    }
    return in;
}

// Round steps (1, 2 or 5 × 10^k) that cut [from, to] into about kTicksWanted parts.
double TickStep(double span) {
    const double raw = span / kTicksWanted;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double leading = raw / magnitude;
    const double nice = leading < 1.5 ? 1 : leading < 3 ? 2 : leading < 7 ? 5 : 10;
    return nice * magnitude;
}

std::vector<ChartTick> Ticks(double from, double to, double step, std::string_view separator) {
    std::vector<ChartTick> ticks;
    const auto first = static_cast<long>(std::ceil(from / step));
    const auto last = static_cast<long>(std::floor(to / step * (1 + 1e-12)));
    for (long k = first; k <= last; ++k) {
        const double value = static_cast<double>(k) * step;
        ticks.push_back({value, FormatNumber(value, separator)});
    }
    return ticks;
}

// An axis from 0 that ends on a round value at or above `top`.
double AxisTop(double top) {
    const double step = TickStep(top);
    return std::ceil(top / step * (1 - 1e-12)) * step;
}

std::optional<CurvePoint> LastResult(const Controls& window, const Condenser& condenser) {
    try {
        const double flow = ReadInput(window, Box::Text8);
        const double load = ReadInput(window, Box::Text7);
        if (!(flow > 0 && load > 0)) return std::nullopt;
        return CurvePoint{flow, load, condenser.outletTempAtFlow(flow)};
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

ControlCurve BuildCurve(const Condenser& condenser, std::optional<CurvePoint> result,
                        std::optional<double> heaterPower, std::string_view separator) {
    ControlCurve curve;
    curve.maxLoad = condenser.maxLoad();
    curve.result = result;
    curve.heaterPower = heaterPower;
    const double reach = condenser.flowForLoad(kCurveReach * curve.maxLoad);
    const double lastFlow = std::max(reach, result ? 1.5 * result->flow : 0.0);
    curve.flowAxisMax = AxisTop(lastFlow);
    for (int i = 0; i < kCurvePoints; ++i) {
        const double flow = curve.flowAxisMax * i / (kCurvePoints - 1);
        curve.points.push_back(
            {flow, condenser.loadAtFlow(flow), condenser.outletTempAtFlow(flow)});
    }
    double topLoad = curve.maxLoad;
    if (heaterPower) topLoad = std::max(topLoad, *heaterPower);
    curve.loadAxisMax = AxisTop(topLoad * 1.05);
    curve.tempAxisMin = condenser.inletTemp;
    curve.tempAxisMax = condenser.condensationTemp;

    curve.flowTicks = Ticks(0, curve.flowAxisMax, TickStep(curve.flowAxisMax), separator);
    curve.loadTicks = Ticks(0, curve.loadAxisMax, TickStep(curve.loadAxisMax), separator);
    curve.tempTicks = Ticks(curve.tempAxisMin, curve.tempAxisMax,
                            TickStep(curve.tempAxisMax - curve.tempAxisMin), separator);

    curve.description =
        "График: тепловая нагрузка дефлегматора в ваттах в зависимости от "
        "расхода воды в литрах в минуту, от 0 до " +
        FormatNumber(curve.flowAxisMax, separator) +
        " л/мин, и температура воды на выходе. Предел поверхности " +
        FormatRounded(curve.maxLoad, 0, separator) + " Вт.";
    if (result) {
        curve.description += " Результат расчёта: " + FormatRounded(result->flow, 2, separator) +
                             " л/мин, " + FormatRounded(result->load, 0, separator) + " Вт.";
    }
    if (heaterPower) {
        curve.description += " Мощность нагрева " + FormatNumber(*heaterPower, separator) + " Вт.";
    }
    return curve;
}

void FillHeaterSizing(DesignPanel& panel, const Condenser& condenser, const Inputs& in,
                      std::string_view separator) {
    const double power = in.given;
    for (std::size_t i = 0; i < kRefluxRatios.size(); ++i) {
        const auto& [id, label, ratio] = kRefluxRatios[i];
        const double load = ratio > 0 ? power * ratio / (ratio + 1) : power;
        const double flow = condenser.flowForLoad(load);
        panel.reflux[i] = {id, label,
                           std::isfinite(flow) ? FormatRounded(flow, 2, separator) : "не достичь"};
    }
    const bool warms10K = condenser.span() > kAutonomousRiseK;
    const double at10K = AreaForLoad(power, condenser.heatTransferK,
                                     RiseLogMeanDifference(in.tc, in.tin, kAutonomousRiseK)) *
                         10000;
    const double minimum = AreaForLoad(power, condenser.heatTransferK, condenser.span()) * 10000;
    panel.areaAt10K = warms10K ? FormatRounded(at10K, 0, separator) : std::string(kNoNumber);
    panel.areaMin = FormatRounded(minimum, 0, separator);
    if (panel.heightDiameterMode) {
        panel.heightAt10K = warms10K
                                ? FormatRounded(HeightForArea(at10K, in.diameter), 1, separator)
                                : std::string(kNoNumber);
        panel.heightMin = FormatRounded(HeightForArea(minimum, in.diameter), 1, separator);
    }
}

// «—» for every number, in the window's modes, so that the page shows the rows that mode has.
DesignPanel Dashes(const Controls& window) {
    DesignPanel panel;
    panel.heatLoadMode = window.isSelected(Option::Option7);
    panel.heightDiameterMode = window.isSelected(Option::Option4);
    panel.maxLoad = kNoNumber;
    for (std::size_t i = 0; i < kRefluxRatios.size(); ++i) {
        panel.reflux[i] = {kRefluxRatios[i].id, kRefluxRatios[i].label, std::string(kNoNumber)};
    }
    panel.areaAt10K = panel.areaMin = panel.heightAt10K = panel.heightMin = kNoNumber;
    return panel;
}

DesignPanel Unavailable(const Controls& window, std::string reason) {
    DesignPanel panel = Dashes(window);
    panel.reason = std::move(reason);
    return panel;
}

}  // namespace

DesignPanel BuildDesignPanel(const Controls& window, const FormState& state,
                             bool calculationFailed) {
    try {
        const Inputs in = ReadInputs(window);
        if (!in.problem.empty()) return Unavailable(window, in.problem);
        if (calculationFailed) {
            return Unavailable(window, "Расчёт остановлен ошибкой, поэтому характеристики нет.");
        }
        const Condenser condenser{in.tc, in.tin, state.AreaM2, state.HeatTransferK,
                                  state.SpecificHeatC};
        if (!condenser.usable()) return Unavailable(window, "Нет данных для характеристики.");

        const std::string separator = window.decimalSeparator();
        DesignPanel panel = Dashes(window);
        panel.available = true;
        panel.maxLoad = FormatRounded(condenser.maxLoad(), 0, separator);
        const std::optional<double> heater =
            panel.heatLoadMode ? std::optional<double>(in.given) : std::nullopt;
        panel.curve = BuildCurve(condenser, LastResult(window, condenser), heater, separator);
        if (panel.heatLoadMode) FillHeaterSizing(panel, condenser, in, separator);
        return panel;
    } catch (const CalcError&) {
        return Unavailable(window, "Число вне допустимого диапазона.");
    }
}

}  // namespace dephlegmator

namespace dephlegmator {
namespace {

// A tiny JSON writer: the panel holds only strings, finite numbers, booleans and arrays of them.
class Json {
  public:
    std::string text;

    Json& key(std::string_view name) {
        comma();
        quoted(name);
        text += ':';
        fresh_ = true;
        return *this;
    }
    Json& string(std::string_view value) {
        comma();
        quoted(value);
        return *this;
    }
    Json& number(double value) {
        comma();
        text += FormatNumber(value, ".");  // 15 significant digits; its exponent form is JSON's
        return *this;
    }
    Json& boolean(bool value) {
        comma();
        text += value ? "true" : "false";
        return *this;
    }
    Json& null() {
        comma();
        text += "null";
        return *this;
    }
    Json& open(char bracket) {
        comma();
        text += bracket;
        fresh_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text += bracket;
        fresh_ = false;
        return *this;
    }

  private:
    void comma() {
        if (!fresh_) text += ',';
        fresh_ = false;
    }
    // Control characters never occur in the panel's texts; a blank stands in for any that did.
    void quoted(std::string_view value) {
        text += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') text += '\\';
            text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
        text += '"';
    }
    bool fresh_ = true;
};

void WritePoint(Json& json, const CurvePoint& point) {
    json.open('[').number(point.flow).number(point.load).number(point.outletTemp).close(']');
}

void WriteTicks(Json& json, std::string_view name, const std::vector<ChartTick>& ticks) {
    json.key(name).open('[');
    for (const auto& [value, label] : ticks) {
        json.open('{').key("value").number(value).key("label").string(label).close('}');
    }
    json.close(']');
}

void WriteCurve(Json& json, const ControlCurve& curve) {
    json.key("curve").open('{');
    json.key("points").open('[');
    for (const CurvePoint& point : curve.points) WritePoint(json, point);
    json.close(']');
    json.key("flowAxisMax").number(curve.flowAxisMax);
    json.key("loadAxisMax").number(curve.loadAxisMax);
    json.key("tempAxisMin").number(curve.tempAxisMin);
    json.key("tempAxisMax").number(curve.tempAxisMax);
    WriteTicks(json, "flowTicks", curve.flowTicks);
    WriteTicks(json, "loadTicks", curve.loadTicks);
    WriteTicks(json, "tempTicks", curve.tempTicks);
    json.key("maxLoad").number(curve.maxLoad);
    json.key("result");
    if (curve.result) {
        WritePoint(json, *curve.result);
    } else {
        json.null();
    }
    json.key("heaterPower");
    if (curve.heaterPower) {
        json.number(*curve.heaterPower);
    } else {
        json.null();
    }
    json.key("description").string(curve.description);
    json.close('}');
}

}  // namespace

std::string DesignPanelJson(const DesignPanel& panel) {
    Json json;
    json.open('{');
    json.key("available").boolean(panel.available);
    json.key("reason").string(panel.reason);
    json.key("MaxLoad").string(panel.maxLoad);
    if (panel.available) WriteCurve(json, panel.curve);
    json.key("heatLoadMode").boolean(panel.heatLoadMode);
    json.key("reflux").open('[');
    for (const RefluxRow& row : panel.reflux) {
        json.open('{').key("id").string(row.id).key("ratio").string(row.ratio);
        json.key("flow").string(row.flow).close('}');
    }
    json.close(']');
    json.key("AreaAt10K").string(panel.areaAt10K);
    json.key("AreaMin").string(panel.areaMin);
    json.key("heightDiameterMode").boolean(panel.heightDiameterMode);
    json.key("HeightAt10K").string(panel.heightAt10K);
    json.key("HeightMin").string(panel.heightMin);
    json.close('}');
    return json.text;
}

}  // namespace dephlegmator
