#include "calculate.h"

#include <algorithm>
#include <array>
#include <string>

#include "box_io.h"
#include "cases.h"
#include "heat_exchanger.h"

namespace dephlegmator {
namespace {

// The window's boxes, remembering which result boxes a calculation wrote, so that afterwards
// every other one can be cleared: a box never shows a result of an earlier calculation beside
// this one's.
class ResultsOfThisCalculation final : public Controls {
  public:
    explicit ResultsOfThisCalculation(Controls& window) : window_(window) {}

    std::string text(Box box) const override { return window_.text(box); }
    void setText(Box box, const std::string& text) override {
        written_.at(static_cast<std::size_t>(box)) = true;
        window_.setText(box, text);
    }
    bool isSelected(Option option) const override { return window_.isSelected(option); }
    std::string decimalSeparator() const override { return window_.decimalSeparator(); }

    // Writes kNoResult into every result box this calculation did not write.
    void clearTheRest() {
        for (const Box box : kResultBoxes) {
            if (written_.at(static_cast<std::size_t>(box))) continue;
            if (window_.text(box) != kNoResult) window_.setText(box, std::string(kNoResult));
        }
    }

  private:
    Controls& window_;
    std::array<bool, kBoxCount> written_{};
};

// Whether the geometry boxes of the mode hold whole numbers above 0, so that the area shown is
// the one the user gave.
bool GeometryInRange(const FormInputs& inputs) {
    constexpr std::array<Box, 3> kGeometryBoxes{Box::Text3, Box::Text4, Box::Text5};
    return std::all_of(kGeometryBoxes.begin(), kGeometryBoxes.end(),
                       [&inputs](Box box) { return !inputs.used(box) || inputs[box].inRange(); });
}

void RunBody(FormState& state, const FormInputs& inputs, Controls& controls,
             CalcError::Stage& stage) {
    switch (inputs.modes.given) {
        case Given::OutletTemp:
            return OutletTempBody(state, inputs, controls, stage);
        case Given::HeatLoad:
            return HeatLoadBody(state, inputs, controls, stage);
        case Given::WaterFlow:
            return WaterFlowBody(state, inputs, controls, stage);
    }
}

}  // namespace

double SurfaceAreaM2(const FormInputs& inputs) {
    if (inputs.modes.geometry == Geometry::HeightDiameter) {
        const double height = inputs[Box::Text3].value();
        const double diameter = inputs[Box::Text4].value();
        return LateralAreaM2<Checked>(height, diameter).value();
    }
    return AreaM2FromCm2<Checked>(inputs[Box::Text5].value()).value();
}

void Calculate(FormState& state, const FormInputs& inputs, Controls& controls) {
    using Stage = CalcError::Stage;
    Stage stage = Stage::Area;
    ResultsOfThisCalculation results(controls);
    try {
        // The surface is assigned before the input test, so it follows the geometry even when
        // the test fails.
        state.AreaM2 = SurfaceAreaM2(inputs);
        stage = Stage::InputTest;
        if (inputs.inputTestPasses()) RunBody(state, inputs, results, stage);
        stage = Stage::Area;
        const double areaCm2 = (Checked(state.AreaM2) * 10000).value();
        if (GeometryInRange(inputs)) WriteRounded(results, Box::Text10, areaCm2, 0);
    } catch (const CalcError& error) {
        results.clearTheRest();
        throw error.at(stage);
    }
    results.clearTheRest();
}

void Calculate(FormState& state, Controls& controls) {
    Calculate(state, ReadFormInputs(controls), controls);
}

}  // namespace dephlegmator
