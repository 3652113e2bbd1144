#pragma once

#include <array>
#include <optional>
#include <string>

#include "controls.h"

namespace dephlegmator {

// How the surface is given: height and diameter (Option4) or the area itself (Option5).
enum class Geometry { HeightDiameter, SurfaceArea };
// Which quantity Text6 holds: the outlet water temperature (Option6), the heat load (Option7) or
// the water flow (Option8).
enum class Given { OutletTemp, HeatLoad, WaterFlow };

struct Modes {
    Geometry geometry = Geometry::HeightDiameter;
    Given given = Given::OutletTemp;
};

// The modes the option buttons select. This is the one place that asks them.
Modes ReadModes(const Controls& controls);

// Why an input box cannot take part in the calculation.
enum class InputFault {
    None,
    Empty,       // nothing typed yet (blanks at most)
    NotANumber,  // the number does not take all of the text: '1,5 кВт', 'abc', '12-3'
    Unreadable,  // its number lies beyond the double range ('1E309')
    NotAbove0,   // it reads as 0 or less: '0', '-5'
    // The outlet temperature is not strictly between the inlet and condensation temperatures.
    OutletNotBetween,
    // The condensation temperature is above kWaterBoilingTemp: '101', '2000'.
    AboveBoiling,
};

// One input box as read: its text, the number the calculation takes from it, and whether that
// number is in range.
struct Input {
    std::string text;
    // ReadTypedNumber of the text: its leading number, also when that is not the whole text;
    // 0 when unreadable.
    double number = 0;
    InputFault fault = InputFault::None;

    bool readable() const { return fault != InputFault::Unreadable; }
    bool inRange() const { return fault == InputFault::None; }
    // The number; throws CalcError (overflow) for an unreadable text, so that a calculation
    // fails where it first uses such an input.
    double value() const;
};

// The window's inputs as one event reads them, once: the modes and the input boxes Text1 to
// Text6. The calculation, its input test, the messages and the design panel all take this.
struct FormInputs {
    Modes modes;
    std::array<Input, 6> boxes;  // Text1 … Text6

    const Input& operator[](Box box) const;
    // Whether the modes read the box: Text1, Text2 and Text6 always; Text3 and Text4 with height
    // and diameter, Text5 with the area.
    bool used(Box box) const;
    // The input test: true when every box the modes read is in range. Throws CalcError (overflow)
    // when one of them is unreadable, as the calculation would on using it.
    bool inputTestPasses() const;
    // The first box the modes read that is not in range, in the order Text1, Text2, Text3, Text4,
    // Text5, Text6; none when all are.
    std::optional<Box> firstOutOfRange() const;
};

// Reads the option buttons and the six input boxes once, each with ReadTypedNumber under the
// regional separator. Never throws: an unreadable box is marked, not raised. A box is in range
// when it holds a whole number above 0; Text1 must also be at most kWaterBoilingTemp; with the
// outlet temperature given, Text6 must also lie strictly between Text2 and Text1.
// Examples: Text1 78, Text2 15, Text6 80 with Option6 → Text6 has OutletNotBetween; Text1 2000 →
// Text1 has AboveBoiling; Text1 100 is in range.
FormInputs ReadFormInputs(const Controls& controls);

}  // namespace dephlegmator
