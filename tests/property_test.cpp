#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "array_controls.h"
#include "calculate.h"
#include "number_text.h"
#include "random_cases.h"

// Properties of the numeric text rules and of the heat balance, each over many generated inputs
// from fixed seeds, so that a failure repeats.
namespace dephlegmator {
namespace {

using testing::ArrayControls;

constexpr int kTrials = testing::RandomCases(5'000, 20'000);
constexpr int kCalculations = testing::RandomCases(500, 2'000);

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
    (void)std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

std::string Fixed(double x, int decimals) {
    char text[64];
    (void)std::snprintf(text, sizeof text, "%.*f", decimals, x);
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
    ArrayControls controls;
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
        const double tc = std::uniform_real_distribution<>(40, 100)(random);
        const double tin = std::uniform_real_distribution<>(1, tc - 11)(random);
        Window w = RandomWindow(random, Option::Option8, tc, tin);
        w.controls.set(Box::Text6,
                       Fixed(std::exp(std::uniform_real_distribution<>(-1, 6)(random)), 3));
        FormState state = LoadedFormState();
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

TEST(HeatBalanceProperty, OutletTemperatureFromTheHeatLoadGivesTheHeatLoadBack) {
    std::mt19937_64 random(20240605);
    for (int i = 0; i < kCalculations; ++i) {
        const double tc = std::uniform_real_distribution<>(40, 100)(random);
        const double tin = std::uniform_real_distribution<>(1, tc / 2 - 1)(random);
        Window w = RandomWindow(random, Option::Option7, tc, tin);
        FormState state = LoadedFormState();
        Calculate(state, w.controls);  // only to learn the area of the generated geometry
        // A required difference inside (0, Tc − Tin), where an outlet temperature exists, above
        // and below Tin. Not much smaller: the outlet would lie so close to Tc that its 15 digits
        // in Text6 would not fix the heat load.
        const double dt = std::uniform_real_distribution<>(0.2, 0.98)(random) * (tc - tin);
        const double load = state.HeatTransferK * state.AreaM2 * dt;
        w.controls.set(Box::Text6, Fixed(load, 2));
        Calculate(state, w.controls);
        const double tcRead = ParseNumber(w.controls.text(Box::Text1));
        const double tinRead = ParseNumber(w.controls.text(Box::Text2));
        ASSERT_GT(state.WaterOutTemp, tinRead);
        ASSERT_LT(state.WaterOutTemp, tcRead);

        const double givenLoad = ParseNumber(w.controls.text(Box::Text6));
        const double area = state.AreaM2;
        w.controls.set(Box::Text6, FormatNumber(state.WaterOutTemp, "."));
        w.controls.select(
            w.controls.isSelected(Option::Option4) ? Option::Option4 : Option::Option5,
            Option::Option6);
        Calculate(state, w.controls);
        // The outlet temperature was found for the required difference rounded to 2 decimals,
        // and the outlet case shows whole watts.
        const double tolerance = state.HeatTransferK * area * 0.005 + 0.5 + 1e-9 * givenLoad;
        ASSERT_NEAR(ParseNumber(w.controls.text(Box::Text7)), givenLoad, tolerance)
            << "Tc " << tcRead << " Tin " << tinRead << " load " << givenLoad << " area " << area;
    }
}

// The outlet temperature for a required difference 0 < L < D = Tc − Tin, found apart from the
// engine: bisection in long double on u = T − Tin of g(u) = u − D × (1 − exp(−u / L)). g is
// convex, falls from g(0) = 0 to its minimum at u = L ln(D / L) and rises from there to g(D) > 0,
// which brackets the one root that is not Tin.
long double RootByBisection(long double tc, long double tin, long double logMeanDT) {
    const long double d = tc - tin;
    const auto g = [&](long double u) { return u + d * std::expm1(-u / logMeanDT); };
    long double below = logMeanDT * std::log(d / logMeanDT);
    long double above = d;
    for (int i = 0; i < 200; ++i) {
        const long double middle = (below + above) / 2;
        (g(middle) < 0 ? below : above) = middle;
    }
    return tin + (below + above) / 2;
}

// Realistic windows: the presets or a condensation temperature up to 100 °C, tap water, a column
// head of 20 to 150 cm by 2 to 6 cm, the load of an ordinary heater, typed with either separator.
TEST(HeatLoadProperty, OutletIsTheRootOrTheLoadIsRefusedExactlyWhenBeyondTheSurface) {
    std::mt19937_64 random(20240606);
    int found = 0;
    int refused = 0;
    for (int i = 0; i < kCalculations; ++i) {
        const int preset = std::uniform_int_distribution<int>(0, 2)(random);
        const std::string tc = preset == 0 ? "78"
                               : preset == 1
                                   ? "88"
                                   : Fixed(std::uniform_real_distribution<>(78, 100)(random), 2);
        const std::string tin = Fixed(std::uniform_real_distribution<>(5, 30)(random), 1);
        const std::string height = Fixed(std::uniform_real_distribution<>(20, 150)(random), 1);
        const std::string diameter = Fixed(std::uniform_real_distribution<>(2, 6)(random), 1);
        const std::string load = Fixed(std::uniform_real_distribution<>(300, 3550)(random), 1);
        SCOPED_TRACE(::testing::Message() << tc << " / " << tin << " / " << height << " x "
                                          << diameter << ", " << load << " W");

        const std::string separator = std::bernoulli_distribution(0.5)(random) ? "." : ",";
        const auto typed = [&](std::string text) {
            if (const auto at = text.find('.'); at != std::string::npos) {
                text.replace(at, 1, separator);
            }
            return text;
        };
        ArrayControls c;
        c.separator(separator).select(Option::Option4, Option::Option7);
        c.set(Box::Text1, typed(tc)).set(Box::Text2, typed(tin)).set(Box::Text3, typed(height));
        c.set(Box::Text4, typed(diameter)).set(Box::Text6, typed(load));

        const double span = ParseNumber(tc) - ParseNumber(tin);
        FormState state = LoadedFormState();
        try {
            Calculate(state, c);
        } catch (const CalcError& e) {
            ASSERT_EQ(e.kind(), CalcError::Kind::HeatLoadBeyondSurface);
            ASSERT_GE(state.LogMeanDT, span);
            EXPECT_DOUBLE_EQ(e.maxHeatLoad(), state.HeatTransferK * state.AreaM2 * span);
            ++refused;
            continue;
        }
        ASSERT_LT(state.LogMeanDT, span);
        const auto root = static_cast<double>(
            RootByBisection(ParseNumber(tc), ParseNumber(tin), state.LogMeanDT));
        ASSERT_NEAR(state.WaterOutTemp, root, 1e-12 * root);
        ++found;
    }
    EXPECT_GT(found, kCalculations / 5);
    EXPECT_GT(refused, kCalculations / 10);
}

}  // namespace
}  // namespace dephlegmator
