#pragma once

#include <array>
#include <string>

#include "array_controls.h"

namespace dephlegmator::bench {

// The inputs of one calculation: the selected options and the texts of the input boxes.
struct CalculateCase {
    const char* name;
    Option geometry;
    Option given;
    const char* tc;
    const char* tin;
    const char* height;
    const char* diameter;
    const char* area;
    std::string value;  // Text6
};

// The window with a case's inputs, its result boxes still as at start.
inline testing::ArrayControls FormFor(const CalculateCase& c) {
    testing::ArrayControls controls;
    controls.select(c.geometry, c.given);
    controls.set(Box::Text1, c.tc).set(Box::Text2, c.tin).set(Box::Text3, c.height);
    controls.set(Box::Text4, c.diameter).set(Box::Text5, c.area).set(Box::Text6, c.value);
    return controls;
}

// Calculate's six cases on the worked examples, then the heat-load cases whose root lies close to
// the inlet temperature, where the two roots of the relation nearly meet and Newton's method takes
// the most steps, and a load the surface cannot pass. The same table serves the native and the
// WebAssembly timings, so their figures compare.
inline const std::array<CalculateCase, 9> kCalculateCases{{
    {"1 height, outlet temperature", Option::Option4, Option::Option6, "78", "15", "100", "5", "",
     "40"},
    {"2 height, heat load", Option::Option4, Option::Option7, "78", "15", "60", "4", "", "1000"},
    {"3 height, water flow", Option::Option4, Option::Option8, "78", "15", "30", "5", "", "1"},
    {"4 area, outlet temperature", Option::Option5, Option::Option6, "78", "15", "", "", "1500",
     "40"},
    {"5 area, heat load", Option::Option5, Option::Option7, "78", "15", "", "", "753.96", "1000"},
    {"6 area, water flow", Option::Option5, Option::Option8, "78", "15", "", "", "500", "1"},
    {"5 area, heat load, root near the inlet", Option::Option5, Option::Option7, "78", "15", "", "",
     "1000", "4283"},
    {"5 area, heat load, nearly a double root", Option::Option5, Option::Option7, "78.0000000001",
     "15", "", "", "1000", "4284"},
    {"5 area, heat load beyond the surface", Option::Option5, Option::Option7, "78", "15", "", "",
     "1000", "5000"},
}};

}  // namespace dephlegmator::bench
