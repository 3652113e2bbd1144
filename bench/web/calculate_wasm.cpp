// Calculate in WebAssembly, in each of its six cases on the worked examples and on the slowest
// heat-load cases, repeated on one window as repeated Enter presses do; then the design panel
// after Calculate, built and laid out as the numbers the page reads (HandOver), with the outlet
// temperature and with the heat load given. Prints, for each, the median over 15 rounds of the mean
// time per call. Run under node.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calculate.h"
#include "calculate_cases.h"
#include "design_panel.h"
#include "hand_over.h"

namespace {

using dephlegmator::CalcError;
using dephlegmator::Option;
using dephlegmator::testing::ArrayControls;

using dephlegmator::bench::CalculateCase;
using dephlegmator::bench::FormFor;
using dephlegmator::bench::kCalculateCases;

const CalculateCase kPanelCases[] = {
    {"design panel, outlet temperature", Option::Option4, Option::Option6, "78", "15", "100", "5",
     "", "40"},
    {"design panel, heat load (the heater example)", Option::Option4, Option::Option7, "88", "20",
     "80", "5", "", "2000"},
};

enum class Measured { Calculate, DesignPanel };

// Where the numbers of the panel handed over are counted, so that building it is not optimised
// away.
volatile std::size_t panelNumbers = 0;

double MicrosecondsPerCall(const CalculateCase& c, int calls, Measured measured) {
    ArrayControls controls = FormFor(c);
    dephlegmator::FormState state = dephlegmator::LoadedFormState();
    const dephlegmator::FormInputs inputs = dephlegmator::ReadFormInputs(controls);
    if (measured == Measured::DesignPanel) Calculate(state, inputs, controls);  // its results
    std::size_t written = 0;
    dephlegmator::HandOver handOver;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        if (measured == Measured::DesignPanel) {
            written += static_cast<std::size_t>(*handOver.WritePanel(
                BuildDesignPanel(inputs, controls, state, false), std::nullopt));
            continue;
        }
        try {
            Calculate(state, controls);
        } catch (const CalcError&) {
        }
        controls.clearWrites();
    }
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    panelNumbers = written;
    return elapsed.count() / calls;
}

void Report(const CalculateCase& c, int calls, Measured measured) {
    constexpr int kRounds = 15;
    MicrosecondsPerCall(c, calls, measured);  // warm-up: the code compiled by the JIT tiers
    std::vector<double> rounds;
    for (int r = 0; r < kRounds; ++r) rounds.push_back(MicrosecondsPerCall(c, calls, measured));
    std::sort(rounds.begin(), rounds.end());
    std::printf("%s\t%.2f\t%.2f\n", c.name, rounds[kRounds / 2], rounds.back());
}

}  // namespace

int main() {
    std::printf("case\tmedian us per call\tslowest round\n");
    for (const CalculateCase& c : kCalculateCases) Report(c, 2000, Measured::Calculate);
    for (const CalculateCase& c : kPanelCases) Report(c, 100, Measured::DesignPanel);
    return 0;
}
