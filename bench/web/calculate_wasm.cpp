// Calculate in WebAssembly, in each of its six cases on the worked examples and on the slowest
// heat-load cases, repeated on one window as repeated Enter presses do; then the design panel
// after Calculate, built and written as the JSON the page draws, with the outlet temperature and
// with the heat load given. Prints, for each, the median over 15 rounds of the mean time per
// call. Run under node.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "array_controls.h"
#include "calculate.h"
#include "design_panel.h"

namespace {

using dephlegmator::Box;
using dephlegmator::CalcError;
using dephlegmator::Option;
using dephlegmator::testing::ArrayControls;

struct Case {
    const char* name;
    Option geometry;
    Option given;
    const char* tc;
    const char* tin;
    const char* height;
    const char* diameter;
    const char* area;
    const char* value;
};

constexpr Option O4 = Option::Option4, O5 = Option::Option5;
constexpr Option O6 = Option::Option6, O7 = Option::Option7, O8 = Option::Option8;
const Case kCases[] = {
    {"1 height, outlet temperature", O4, O6, "78", "15", "100", "5", "", "40"},
    {"2 height, heat load", O4, O7, "78", "15", "60", "4", "", "1000"},
    {"3 height, water flow", O4, O8, "78", "15", "30", "5", "", "1"},
    {"4 area, outlet temperature", O5, O6, "78", "15", "", "", "1500", "40"},
    {"5 area, heat load", O5, O7, "78", "15", "", "", "753.96", "1000"},
    {"6 area, water flow", O5, O8, "78", "15", "", "", "500", "1"},
    {"5 area, heat load, root near the inlet", O5, O7, "78", "15", "", "", "1000", "4283"},
    {"5 area, heat load, nearly a double root", O5, O7, "78.0000000001", "15", "", "", "1000",
     "4284"},
    {"5 area, heat load beyond the surface", O5, O7, "78", "15", "", "", "1000", "5000"},
};

const Case kPanelCases[] = {
    {"design panel, outlet temperature", O4, O6, "78", "15", "100", "5", "", "40"},
    {"design panel, heat load (the heater example)", O4, O7, "88", "20", "80", "5", "", "2000"},
};

enum class Measured { Calculate, DesignPanel };

// Where the panel's texts are counted, so that building them is not optimised away.
volatile std::size_t panelBytes = 0;

double MicrosecondsPerCall(const Case& c, int calls, Measured measured) {
    ArrayControls controls;
    controls.select(c.geometry, c.given);
    controls.set(Box::Text1, c.tc).set(Box::Text2, c.tin).set(Box::Text3, c.height);
    controls.set(Box::Text4, c.diameter).set(Box::Text5, c.area).set(Box::Text6, c.value);
    dephlegmator::FormState state = dephlegmator::LoadedFormState();
    if (measured == Measured::DesignPanel) Calculate(state, controls);  // the results it marks
    std::size_t written = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) {
        if (measured == Measured::DesignPanel) {
            written += DesignPanelJson(BuildDesignPanel(controls, state, false)).size();
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
    panelBytes = written;
    return elapsed.count() / calls;
}

void Report(const Case& c, int calls, Measured measured) {
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
    for (const Case& c : kCases) Report(c, 2000, Measured::Calculate);
    for (const Case& c : kPanelCases) Report(c, 100, Measured::DesignPanel);
    return 0;
}
