// Calculate in each of its six cases, on the worked examples, and on pasted hostile texts.
#include <benchmark/benchmark.h>

#include <string>

#include "calculate.h"
#include "calculate_cases.h"

namespace dephlegmator::bench {
namespace {

using testing::ArrayControls;

// Repeats the calculation on one window, as repeated Enter presses do.
void RunCalculate(benchmark::State& bench, const CalculateCase& c) {
    ArrayControls controls = FormFor(c);
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

constexpr std::size_t kMegabyte = 1 << 20;
const CalculateCase kHostileCases[] = {
    {"hostile: a megabyte after 40", Option::Option4, Option::Option6, "78", "15", "100", "5", "",
     "40" + std::string(kMegabyte, 'x')},
    {"hostile: a megabyte of blanks", Option::Option4, Option::Option7, "78", "15", "60", "4", "",
     std::string(kMegabyte, ' ') + "1000"},
    {"hostile: a megabyte of nines", Option::Option5, Option::Option8, "78", "15", "", "", "500",
     std::string(kMegabyte, '9')},
};

const bool kCasesRegistered = [] {
    for (const CalculateCase& c : kCalculateCases) {
        benchmark::RegisterBenchmark(c.name, RunCalculate, c);
    }
    for (const CalculateCase& c : kHostileCases) {
        benchmark::RegisterBenchmark(c.name, RunCalculate, c);
    }
    return true;
}();

}  // namespace
}  // namespace dephlegmator::bench
