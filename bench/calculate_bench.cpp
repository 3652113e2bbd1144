// Calculate in each of its six cases, on the worked examples, and on pasted hostile texts.
#include <benchmark/benchmark.h>

#include <string>

#include "array_controls.h"
#include "calculate.h"

namespace dephlegmator::bench {
namespace {

using testing::ArrayControls;

struct Inputs {
    Option geometry;
    Option given;
    const char* tc;
    const char* tin;
    const char* height;
    const char* diameter;
    const char* area;
    std::string given_text;
};

ArrayControls Window(const Inputs& in) {
    ArrayControls c;
    c.select(in.geometry, in.given);
    c.set(Box::Text1, in.tc).set(Box::Text2, in.tin).set(Box::Text3, in.height);
    c.set(Box::Text4, in.diameter).set(Box::Text5, in.area).set(Box::Text6, in.given_text);
    return c;
}

// Repeats the calculation on one window, as repeated Enter presses do.
void RunCalculate(benchmark::State& bench, const Inputs& in) {
    ArrayControls controls = Window(in);
    FormState state = LoadedFormState();
    for (auto _ : bench) {
        try {
            Calculate(state, controls);
        } catch (const CalcError&) {
        }
        benchmark::DoNotOptimize(state);
        controls.clearWrites();
    }
}

using O = Option;
BENCHMARK_CAPTURE(RunCalculate, 1_height_outlet,
                  Inputs{O::Option4, O::Option6, "78", "15", "100", "5", "", "40"});
BENCHMARK_CAPTURE(RunCalculate, 2_height_heat_load,
                  Inputs{O::Option4, O::Option7, "78", "15", "60", "4", "", "1000"});
BENCHMARK_CAPTURE(RunCalculate, 3_height_water_flow,
                  Inputs{O::Option4, O::Option8, "78", "15", "30", "5", "", "1"});
BENCHMARK_CAPTURE(RunCalculate, 4_area_outlet,
                  Inputs{O::Option5, O::Option6, "78", "15", "", "", "1500", "40"});
BENCHMARK_CAPTURE(RunCalculate, 5_area_heat_load,
                  Inputs{O::Option5, O::Option7, "78", "15", "", "", "753.96", "1000"});
BENCHMARK_CAPTURE(RunCalculate, 6_area_water_flow,
                  Inputs{O::Option5, O::Option8, "78", "15", "", "", "500", "1"});
// The heat-load cases whose root lies close to the inlet temperature, where the two roots of the
// relation nearly meet and Newton's method takes the most steps, and the load the surface cannot
// pass.
BENCHMARK_CAPTURE(RunCalculate, 5_area_heat_load_near_inlet,
                  Inputs{O::Option5, O::Option7, "78", "15", "", "", "1000", "4283"});
BENCHMARK_CAPTURE(RunCalculate, 5_area_heat_load_nearly_double_root,
                  Inputs{O::Option5, O::Option7, "78.0000000001", "15", "", "", "1000", "4284"});
BENCHMARK_CAPTURE(RunCalculate, 5_area_heat_load_beyond_surface,
                  Inputs{O::Option5, O::Option7, "78", "15", "", "", "1000", "5000"});

constexpr std::size_t kMegabyte = 1 << 20;
BENCHMARK_CAPTURE(RunCalculate, hostile_megabyte_after_40,
                  Inputs{O::Option4, O::Option6, "78", "15", "100", "5", "",
                         "40" + std::string(kMegabyte, 'x')});
BENCHMARK_CAPTURE(RunCalculate, hostile_megabyte_of_blanks,
                  Inputs{O::Option4, O::Option7, "78", "15", "60", "4", "",
                         std::string(kMegabyte, ' ') + "1000"});
BENCHMARK_CAPTURE(RunCalculate, hostile_megabyte_of_nines,
                  Inputs{O::Option5, O::Option8, "78", "15", "", "", "500",
                         std::string(kMegabyte, '9')});

}  // namespace
}  // namespace dephlegmator::bench
