// The heat exchanger's plain-double characteristic agrees with the window's own calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calculate.h"
#include "case_inputs.h"
#include "heat_exchanger.h"
#include "number_text.h"
#include "random_cases.h"

namespace dephlegmator {
namespace {

Condenser ExampleCondenser() {  // 88 °C, 20 °C, 80 cm × 5 cm
    return {88, 20, 80 * kAreaFormulaPi / 100 * 5 / 100, kHeatTransferKAtLoad,
            kSpecificHeatCAtLoad};
}

TEST(HeatExchanger, CurveAtTheExampleFlows) {
    const Condenser condenser = ExampleCondenser();
    EXPECT_EQ(std::nearbyint(condenser.maxLoad()), 5811);
    EXPECT_EQ(std::nearbyint(condenser.loadAtFlow(0.5)), 1991);
    EXPECT_EQ(std::nearbyint(condenser.loadAtFlow(1)), 3171);
    EXPECT_EQ(condenser.loadAtFlow(0), 0);
    EXPECT_EQ(condenser.outletTempAtFlow(0), 88);
    EXPECT_TRUE(std::isinf(condenser.flowForLoad(condenser.maxLoad())));
}

// The curve is the water-flow mode's own relation: at a flow it gives that mode's heat load
// before rounding, HeatTransferK × AreaM2 × LogMeanDT. (Below about 0.2 l/min here the window's
// outlet temperature comes within 1e-6 K of Tc and its log-mean difference loses digits to
// cancellation; the curve does not.)
TEST(HeatExchanger, CurveIsTheWaterFlowModesLoad) {
    for (const char* flow : {"0.3", "1", "2.5", "10"}) {
        SCOPED_TRACE(flow);
        FormState state = LoadedFormState();
        auto window = testing::HeightDiameterInputs(Option::Option8, "88", "20", "80", "5", flow);
        Calculate(state, window);
        const double windowLoad = state.HeatTransferK * state.AreaM2 * state.LogMeanDT;
        const Condenser condenser{88, 20, state.AreaM2, state.HeatTransferK, state.SpecificHeatC};
        EXPECT_NEAR(condenser.loadAtFlow(ParseNumber(flow)), windowLoad, windowLoad * 1e-9);
    }
}

// The flow for a load inverts the curve to full precision, from a trickle to near the limit.
TEST(HeatExchanger, FlowForLoadInvertsTheCurve) {
    const Condenser condenser = ExampleCondenser();
    for (const double share : {1e-6, 0.01, 0.3, 0.5, 0.9, 0.999, 0.999999}) {
        SCOPED_TRACE(share);
        const double load = share * condenser.maxLoad();
        const double flow = condenser.flowForLoad(load);
        EXPECT_NEAR(condenser.loadAtFlow(flow), load, load * 1e-12);
    }
}

// The heat-load mode at full reflux: the flow the curve gives for the heater's power carries
// that power, and agrees with the window's flow as displayed.
TEST(HeatExchanger, FullRefluxFlowCarriesTheHeatLoadModesLoad) {
    FormState state = LoadedFormState();
    auto window = testing::HeightDiameterInputs(Option::Option7, "88", "20", "80", "5", "2000");
    Calculate(state, window);
    const Condenser condenser{88, 20, state.AreaM2, state.HeatTransferK, state.SpecificHeatC};
    const double flow = condenser.flowForLoad(2000);
    EXPECT_NEAR(condenser.loadAtFlow(flow), 2000, 1e-9);
    EXPECT_EQ(FormatRounded(flow, 2, "."), window.text(Box::Text8));  // 0.5
}

// The area for a 10 K rise, typed into the area mode with the outlet at Tin + 10, gives back the
// heater's power within the rounding of the area to whole cm².
TEST(HeatExchanger, AreaAt10KGivesBackThePower) {
    for (const double power : {500.0, 2000.0, 3550.0}) {
        SCOPED_TRACE(power);
        const double areaCm2 =
            AreaForLoad(power, kHeatTransferKAtLoad, RiseLogMeanDifference(88.0, 20.0, 10.0)) *
            10000;
        FormState state = LoadedFormState();
        auto window = testing::AreaInputs(Option::Option6, "88", "20",
                                          FormatRounded(areaCm2, 0, ".").c_str(), "30");
        Calculate(state, window);
        EXPECT_NEAR(ParseNumber(window.text(Box::Text7)), power, power / areaCm2 + 0.5);
    }
    EXPECT_NEAR(AreaForLoad(2000, 680, 88 - 20) * 10000, 432.5, 0.1);  // with unlimited water
}

// The load the dephlegmator condenses for a reflux ratio: the returning share of the heater's
// power, all of it at full reflux.
TEST(HeatExchanger, RefluxLoadIsTheReturningShare) {
    struct Case {
        double ratio;
        double load;
    };
    for (const Case& c :
         {Case{1, 1000}, Case{3, 1500}, Case{10, 20000.0 / 11}, Case{kFullReflux, 2000}}) {
        SCOPED_TRACE(c.ratio);
        EXPECT_DOUBLE_EQ(RefluxLoad(2000, c.ratio), c.load);
    }
}

// A measured run gives back the U it was made with: the outlet temperature the curve gives at a
// flow, calibrated, is that U, across the ranges a column meets. The flow is drawn through the
// number of transfer units U·A/C, up to 7 (the water then leaves within 0.1 % of the span from
// Tc): beyond that Tc − Tout is a few rounding steps of Tc, which no calibration can read.
TEST(HeatExchanger, CalibrationFromARunRoundTrips) {
    std::mt19937_64 random(20261207);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int i = 0; i < testing::RandomCases(500, 2000); ++i) {
        const double tin = uniform(2, 40);
        const Condenser condenser{uniform(tin + 5, 100), tin, uniform(0.005, 2), uniform(50, 5000),
                                  uniform(3000, 4500)};
        const double transferUnits = uniform(0.01, 7);
        const double flow = condenser.heatTransferK * condenser.areaM2 * 60 /
                            (transferUnits * condenser.specificHeatC);
        const double tout = condenser.outletTempAtFlow(flow);
        const double u = HeatTransferFromRun(flow, condenser.specificHeatC, condenser.areaM2,
                                             condenser.condensationTemp, tin, tout);
        EXPECT_NEAR(u, condenser.heatTransferK, condenser.heatTransferK * 1e-9)
            << "flow " << flow << ", tout " << tout;
    }
}

// The tank lasts as long as a step-by-step integration of its heat balance says: the tank warms
// by P / (V·c) each second until the pump's water, entering at the tank's temperature, can no
// longer condense the load that holds the reflux ratio.
TEST(HeatExchanger, TankTimeAgreesWithAStepByStepIntegration) {
    std::mt19937_64 random(20261208);
    const auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int i = 0; i < testing::RandomCases(10, 50); ++i) {
        const Condenser condenser{uniform(75, 100), 15, uniform(0.05, 0.5), uniform(300, 1200),
                                  uniform(3700, 4200)};
        const double power = uniform(500, 3000);
        const double needed = RefluxLoad(power, uniform(1, 10));
        const double volume = uniform(50, 500);
        const double pump = uniform(2, 20);
        const double start = uniform(5, 25);
        const double limit = condenser.inletTempForLoad(pump, needed);
        if (!(limit > start)) continue;
        const auto holds = [&](double tankTemp) {
            Condenser fromTank = condenser;
            fromTank.inletTemp = tankTemp;
            return fromTank.loadAtFlow(pump) >= needed;
        };
        const double warming = power / (volume * condenser.specificHeatC);  // K/s
        constexpr double kStep = 1;                                         // s
        double time = 0;
        while (holds(start + warming * (time + kStep))) time += kStep;
        double low = time;  // the last step, halved down to the moment the tank stops holding
        double high = time + kStep;
        for (int k = 0; k < 60; ++k) {
            const double middle = (low + high) / 2;
            (holds(start + warming * middle) ? low : high) = middle;
        }
        const double seconds =
            TankHoldSeconds(limit, start, volume, condenser.specificHeatC, power);
        EXPECT_NEAR(low, seconds, seconds * 1e-6) << "case " << i;
    }
}

}  // namespace
}  // namespace dephlegmator
