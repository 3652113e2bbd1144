// Calculate in each of its six cases, on the worked examples, and on pasted hostile texts.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_controls.h"
#include "calculate.h"

namespace dephlegmator::bench {
namespace {

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

BenchControls Window(const Inputs& in) {
    BenchControls c(in.geometry, in.given);
    c.set(Box::Text1, in.tc).set(Box::Text2, in.tin).set(Box::Text3, in.height);
    c.set(Box::Text4, in.diameter).set(Box::Text5, in.area).set(Box::Text6, in.given_text);
    return c;
}

// Repeats the calculation on one window, as repeated Enter presses do.
void RunCalculate(benchmark::State& bench, const Inputs& in) {
    BenchControls controls = Window(in);
    FormState state = LoadedState();
    for (auto _ : bench) {
        try {
            Calculate(state, controls);
        } catch (const CalcError&) {
        }
        benchmark::DoNotOptimize(state);
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
// The heat-load case that ends in an overflow of the exponential after three passes.
BENCHMARK_CAPTURE(RunCalculate, 2_height_heat_load_error,
                  Inputs{O::Option4, O::Option7, "78", "15", "100", "5", "", "1000"});

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
