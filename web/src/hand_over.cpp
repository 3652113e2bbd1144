#include "hand_over.h"

#include <cstdint>

namespace dephlegmator {

const double* HandOver::WritePanel(const DesignPanel& panel, const std::optional<Chart>& tank) {
    start();
    flag(panel.available);
    flag(panel.holds);
    flag(panel.heatLoadMode);
    flag(panel.heightDiameterMode);
    for (const std::string* field :
         {&panel.reason, &panel.verdict, &panel.windowNote, &panel.maxLoad, &panel.areaAt10K,
          &panel.areaMin, &panel.heightAt10K, &panel.heightMin}) {
        text(*field);
    }
    count(panel.reflux.size());
    for (const RefluxFlow& row : panel.reflux) {
        text(row.id);
        text(row.flow);
        flag(row.impractical);
        text(row.takeOffId);
        text(row.takeOff);
    }
    text(panel.available ? panel.curve.beyond : std::string());
    text(panel.available ? panel.curve.description : std::string());
    flag(panel.available);
    if (panel.available) chart(ControlCurveDrawing(panel.curve));
    flag(tank.has_value());
    if (tank) chart(*tank);
    return finish();
}

const double* HandOver::WriteTexts(
    const std::vector<std::pair<std::string_view, std::string>>& texts) {
    start();
    count(texts.size());
    for (const auto& [id, value] : texts) {
        text(id);
        text(value);
    }
    return finish();
}

const double* HandOver::WriteNothing() {
    start();
    return finish();
}

void HandOver::start() {
    numbers_.clear();
    bytes_.clear();
    textsAt_.clear();
    number(0);  // the count, set by finish()
}

const double* HandOver::finish() {
    numbers_[0] = static_cast<double>(numbers_.size() - 1);
    // An address fits a double exactly: 32 bits in WebAssembly, 48 on a 64-bit machine.
    const auto base = static_cast<double>(reinterpret_cast<std::uintptr_t>(bytes_.data()));
    for (const std::size_t at : textsAt_) numbers_[at] += base;
    return numbers_.data();
}

void HandOver::text(std::string_view text) {
    textsAt_.push_back(numbers_.size());
    count(bytes_.size());
    count(text.size());
    bytes_ += text;
}

void HandOver::chart(const Chart& chart) {
    count(chart.axes.size());
    for (const ChartAxis& axis : chart.axes) {
        number(axis.range.min);
        number(axis.range.max);
        count(axis.range.ticks.size());
        for (std::size_t i = 0; i < axis.range.ticks.size(); ++i) {
            number(axis.range.ticks[i]);
            text(i < axis.labels.size() ? std::string_view(axis.labels[i]) : std::string_view());
        }
        text(axis.title);
    }
    count(chart.curves.size());
    for (const ChartCurve& curve : chart.curves) {
        number(curve.axis);
        count(curve.points.size());
        for (const ChartPoint& point : curve.points) {
            number(point.x);
            number(point.y);
        }
    }
    count(chart.levels.size());
    for (const ChartLevel& level : chart.levels) {
        number(level.value);
        text(level.caption);
    }
    count(chart.marks.size());
    for (const ChartMark& m : chart.marks) mark(m);
    count(chart.dots.size());
    for (const ChartMark& m : chart.dots) mark(m);
}

void HandOver::mark(const ChartMark& mark) {
    number(mark.axis);
    number(mark.at.x);
    number(mark.at.y);
    text(mark.label);
}

}  // namespace dephlegmator
