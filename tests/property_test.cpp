#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "calculate.h"
#include "fake_controls.h"
#include "form_state.h"

// Properties of the numeric text rules and of the heat balance, each over many generated inputs
// from fixed seeds, so that a failure repeats.
namespace dephlegmator {
namespace {

using testing::FakeControls;
using testing::LoadedState;

constexpr int kTrials = 20'000;
constexpr int kCalculations = 2'000;

// A whole number below 10^15 in magnitude, spread evenly over its number of digits.
double WholeNumber(std::mt19937_64& random) {
    const int digits = std::uniform_int_distribution<int>(1, 15)(random);
    const auto limit = static_cast<std::int64_t>(std::pow(10.0, digits)) - 1;
    const auto n = std::uniform_int_distribution<std::int64_t>(-limit, limit)(random);
    return static_cast<double>(n);
}

// Any finite double: random bits, so every exponent and subnormals turn up.
double AnyFinite(std::mt19937_64& random) {
    for (;;) {
        const std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) return x;
    }
}

// x rounded to 15 significant digits, by the C library.
double RoundedTo15Digits(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

std::string Fixed(double x, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    return text;
}

TEST(NumberTextProperty, WholeNumbersWrittenWithNoDecimalsReadBackUnchanged) {
    std::mt19937_64 random(20240601);
    for (int i = 0; i < kTrials; ++i) {
        const double x = WholeNumber(random);
        for (const char* separator : {".", ","}) {
            ASSERT_EQ(ParseNumber(FormatRounded(x, 0, separator)), x) << Fixed(x, 0);
        }
    }
}

TEST(NumberTextProperty, FormatThenParseGivesTheValueTo15SignificantDigits) {
    std::mt19937_64 random(20240602);
    constexpr double kLargest = std::numeric_limits<double>::max();
    for (int i = 0; i < kTrials; ++i) {
        const double x = AnyFinite(random);
        const std::string text = FormatNumber(x, ".");
        if (std::abs(x) > 1.797693134862315e308) {
            // Rounded to 15 digits the value lies past the double range.
            EXPECT_THROW(ParseNumber(text), CalcError) << text;
            continue;
        }
        ASSERT_LE(std::abs(RoundedTo15Digits(x)), kLargest);
        ASSERT_EQ(ParseNumber(text), RoundedTo15Digits(x)) << text;
    }
}

TEST(NumberTextProperty, RoundDecimalsBreaksExactTiesToEven) {
    std::mt19937_64 random(20240603);
    std::uniform_int_distribution<std::int64_t> whole(-(std::int64_t{1} << 40),
                                                      std::int64_t{1} << 40);
    std::uniform_int_distribution<int> eighth(0, 3);
    for (int i = 0; i < kTrials; ++i) {
        const std::int64_t k = whole(random);
        // n = 0: k + 1/2 is a tie between k and k + 1.
        const double half = static_cast<double>(k) + 0.5;
        const std::int64_t even0 = k % 2 == 0 ? k : k + 1;
        ASSERT_EQ(RoundDecimals(half, 0), static_cast<double>(even0)) << Fixed(half, 1);
        // n = 2: k / 8 + m / 8 with m odd is exact, and times 100 it ends in .5.
        const std::int64_t m = 2 * eighth(random) + 1;
        const double x = static_cast<double>(k) + static_cast<double>(m) / 8;
        const std::int64_t twiceScaled = 200 * k + 25 * m;  // odd: 2 × (x × 100)
        const std::int64_t below = (twiceScaled - 1) / 2;
        const std::int64_t even2 = below % 2 == 0 ? below : below + 1;
        ASSERT_EQ(RoundDecimals(x, 2), static_cast<double>(even2) / 100) << Fixed(x, 3);
    }
}

// Random temperatures and sizes as a user types them, in either geometry mode.
struct Window {
    FakeControls controls;
    double areaCm2 = 0;
};

Window RandomWindow(std::mt19937_64& random, Option given, double tc, double tin) {
    Window w;
    w.controls.set(Box::Text1, Fixed(tc, 2)).set(Box::Text2, Fixed(tin, 2));
    if (std::bernoulli_distribution(0.5)(random)) {
        const double height = std::uniform_int_distribution<int>(10, 999)(random);
        const double diameter = std::uniform_int_distribution<int>(1, 99)(random);
        w.controls.set(Box::Text3, Fixed(height, 0)).set(Box::Text4, Fixed(diameter, 0));
        w.controls.select(Option::Option4, given);
    } else {
        w.controls.set(Box::Text5, Fixed(std::uniform_real_distribution<>(10, 9999)(random), 1));
        w.controls.select(Option::Option5, given);
    }
    return w;
}

TEST(HeatBalanceProperty, WaterFlowGivenMatchesTheHeatTheWaterTakesUp) {
    std::mt19937_64 random(20240604);
    int checked = 0;
    for (int i = 0; i < kCalculations; ++i) {
        const double tc = std::uniform_real_distribution<>(40, 150)(random);
        const double tin = std::uniform_real_distribution<>(1, tc - 11)(random);
        Window w = RandomWindow(random, Option::Option8, tc, tin);
        w.controls.set(Box::Text6,
                       Fixed(std::exp(std::uniform_real_distribution<>(-1, 6)(random)), 3));
        FormState state = LoadedState();
        try {
            Calculate(state, w.controls);
        } catch (const CalcError&) {
            continue;  // the outlet temperature rounded onto Tc: flow too small for the surface
        }
        const double tcRead = ParseNumber(w.controls.text(Box::Text1));
        const double tinRead = ParseNumber(w.controls.text(Box::Text2));
        // Where the water leaves within a millionth of the span below Tc, Tc − WaterOutTemp keeps
        // only a few significant bits and the log-mean step amplifies that rounding: the formulas
        // are exact there, the doubles are not.
        if (tcRead - state.WaterOutTemp < 1e-6 * (tcRead - tinRead)) continue;
        ++checked;

        const double flow = ParseNumber(w.controls.text(Box::Text6));
        const double water = flow * state.SpecificHeatC * (state.WaterOutTemp - tinRead) / 60;
        const double shown = ParseNumber(w.controls.text(Box::Text7));
        ASSERT_NEAR(shown, water, 0.5 + 1e-9 * water)
            << "Tc " << tc << " Tin " << tin << " flow " << flow << " area " << state.AreaM2;
    }
    EXPECT_GT(checked, kCalculations * 3 / 4);
}

// The outlet temperature is a settled fixed point of the heat-load iteration.
bool Settled(const FormState& s, double tc, double tin) {
    const double next = tc - (tc - tin) * std::exp((tin - s.WaterOutTemp) / s.LogMeanDT);
    return std::abs(next - s.WaterOutTemp) <= 1e-9 * std::abs(s.WaterOutTemp);
}

TEST(HeatBalanceProperty, OutletTemperatureFromTheHeatLoadGivesTheHeatLoadBack) {
    std::mt19937_64 random(20240605);
    int checked = 0;
    for (int i = 0; i < kCalculations; ++i) {
        const double tc = std::uniform_real_distribution<>(40, 150)(random);
        const double tin = std::uniform_real_distribution<>(1, tc / 2 - 1)(random);
        Window w = RandomWindow(random, Option::Option7, tc, tin);
        FormState state = LoadedState();
        Calculate(state, w.controls);  // only to learn the area of the generated geometry
        // A required difference inside (Tin, Tc − Tin), where the iteration finds the outlet.
        const double dt =
            tin + std::uniform_real_distribution<>(0.02, 0.98)(random) * (tc - 2 * tin);
        const double load = state.HeatTransferK * state.AreaM2 * dt;
        w.controls.set(Box::Text6, Fixed(load, 2));
        try {
            Calculate(state, w.controls);
        } catch (const CalcError&) {
            continue;  // outside the physical range after all
        }
        const double tcRead = ParseNumber(w.controls.text(Box::Text1));
        const double tinRead = ParseNumber(w.controls.text(Box::Text2));
        if (!Settled(state, tcRead, tinRead) || !(state.WaterOutTemp > tinRead)) continue;

        const double givenLoad = ParseNumber(w.controls.text(Box::Text6));
        const double area = state.AreaM2;
        w.controls.set(Box::Text6, FormatNumber(state.WaterOutTemp, "."));
        w.controls.select(
            w.controls.isSelected(Option::Option4) ? Option::Option4 : Option::Option5,
            Option::Option6);
        Calculate(state, w.controls);
        // The iteration worked with the required difference rounded to 2 decimals, and the outlet
        // case shows whole watts.
        const double tolerance = state.HeatTransferK * area * 0.005 + 0.5 + 1e-9 * givenLoad;
        ASSERT_NEAR(ParseNumber(w.controls.text(Box::Text7)), givenLoad, tolerance)
            << "Tc " << tcRead << " Tin " << tinRead << " load " << givenLoad << " area " << area;
        ++checked;
    }
    EXPECT_GT(checked, kCalculations / 2);
}

}  // namespace
}  // namespace dephlegmator
