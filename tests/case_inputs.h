#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "calculate.h"
#include "fake_controls.h"

namespace dephlegmator::testing {

// The window with the inputs of one calculation in height/diameter mode (Option4) and the given
// quantity selected by `given` (Option6, Option7 or Option8).
inline FakeControls HeightDiameterInputs(Option given, const char* tc, const char* tin,
                                         const char* height, const char* diameter,
                                         const char* value) {
    FakeControls c;
    c.set(Box::Text1, tc).set(Box::Text2, tin).set(Box::Text3, height).set(Box::Text4, diameter);
    c.set(Box::Text6, value).select(Option::Option4, given);
    return c;
}

// The same in area mode (Option5).
inline FakeControls AreaInputs(Option given, const char* tc, const char* tin, const char* area,
                               const char* value) {
    FakeControls c;
    c.set(Box::Text1, tc).set(Box::Text2, tin).set(Box::Text5, area).set(Box::Text6, value);
    c.select(Option::Option5, given);
    return c;
}

// Runs Calculate and returns the kind of the CalcError it raised; fails the test if none.
inline CalcError::Kind CalculateFails(FormState& state, FakeControls& controls) {
    try {
        Calculate(state, controls);
    } catch (const CalcError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "Calculate raised no CalcError";
    return CalcError::Kind::InvalidArgument;
}

// The boxes still hold the "___" they start with.
inline void ExpectUnchanged(const FakeControls& c, std::initializer_list<Box> boxes) {
    for (Box box : boxes) EXPECT_EQ(c.text(box), "___") << "box " << static_cast<int>(box);
}

}  // namespace dephlegmator::testing
