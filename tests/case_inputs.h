#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "array_controls.h"
#include "calculate.h"

namespace dephlegmator::testing {

// The window with the inputs of one calculation in height/diameter mode (Option4) and the given
// quantity selected by `given` (Option6, Option7 or Option8).
inline ArrayControls HeightDiameterInputs(Option given, const char* tc, const char* tin,
                                          const char* height, const char* diameter,
                                          const char* value) {
    ArrayControls c;
    c.set(Box::Text1, tc).set(Box::Text2, tin).set(Box::Text3, height).set(Box::Text4, diameter);
    c.set(Box::Text6, value).select(Option::Option4, given);
    return c;
}

// The same in area mode (Option5).
inline ArrayControls AreaInputs(Option given, const char* tc, const char* tin, const char* area,
                                const char* value) {
    ArrayControls c;
    c.set(Box::Text1, tc).set(Box::Text2, tin).set(Box::Text5, area).set(Box::Text6, value);
    c.select(Option::Option5, given);
    return c;
}

// Runs Calculate and returns the CalcError it raised; fails the test if none.
inline CalcError CalculateError(FormState& state, ArrayControls& controls) {
    try {
        Calculate(state, controls);
    } catch (const CalcError& e) {
        return e;
    }
    ADD_FAILURE() << "Calculate raised no CalcError";
    return CalcError(CalcError::Kind::InvalidArgument);
}

// Runs Calculate and returns the kind of the CalcError it raised; fails the test if none.
inline CalcError::Kind CalculateFails(FormState& state, ArrayControls& controls) {
    return CalculateError(state, controls).kind();
}

// The boxes still hold the kNoResult they start with.
inline void ExpectUnchanged(const ArrayControls& c, std::initializer_list<Box> boxes) {
    for (Box box : boxes) EXPECT_EQ(c.text(box), kNoResult) << BoxName(box);
}

}  // namespace dephlegmator::testing
