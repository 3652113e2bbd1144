// The column head's balance: the take-off against a hand calculation, the tap's reflux ratio
// and take-off, the reflux ratio from a measured take-off, the losses from a full-reflux run,
// the sensitivity of R, and every refusal.
#include "column_head.h"

#include <gtest/gtest.h>

#include <limits>

namespace dephlegmator {
namespace {

// 100 cm × 5 cm, U 680, c 3760, water at 15 °C, vapour at `tc`; a 2000 W heater.
ColumnHead Head(double tc = 78, double losses = 0) {
    return {Condenser{tc, 15, 0.157075, kHeatTransferKAtLoad, kSpecificHeatCAtLoad}, 2000, losses};
}

TEST(ColumnHead, TakeOffAgainstAHandCalculation) {
    // 1000 W of take-off heat is 3600 kJ per hour.
    // Tc 78 °C, below the azeotrope's 78.15: the azeotrope, y 0.894, w 0.95569; λ = 0.95569 ×
    // 846 + 0.04431 × 2312.66 ≈ 910.99 kJ/kg; ρ ≈ 802.52 kg/m³. D = 3600 / 910.99 / 802.52
    // m³/h ≈ 4.924 l/h: 4.92 ml/h per watt.
    // Tc 88 °C: y = 0.389 + 1 / 2.3 × 0.049 ≈ 0.41030; w = 18.902 / (18.902 + 10.623) ≈ 0.64020;
    // ρ ≈ 881.75 kg/m³ (71.52 % vol); water's λ at 88 °C = 2295.1 − 3/5 × 12.6 = 2287.54
    // kJ/kg, so λ = 0.64020 × 846 + 0.35980 × 2287.54 ≈ 1364.67 kJ/kg. D = 3600 / 1364.67 /
    // 881.75 m³/h ≈ 2.992 l/h.
    struct Case {
        double tc, mlPerHour, volumePercent;
    };
    const Case cases[] = {{78, 4924.2, 97.18}, {88, 2991.8, 71.52}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tc);
        const TakeOff takeOff = TakeOffForHeat(1000, c.tc);
        ASSERT_EQ(takeOff.fault, HeadFault::None);
        EXPECT_NEAR(takeOff.mlPerHour, c.mlPerHour, 0.1);
        EXPECT_NEAR(takeOff.vapour.volumePercent, c.volumePercent, 0.005);
        EXPECT_DOUBLE_EQ(TakeOffForHeat(250, c.tc).mlPerHour, takeOff.mlPerHour / 4);
    }
}

TEST(ColumnHead, TheTapsFlowSplitsTheVapourIntoRefluxAndTakeOff) {
    const ColumnHead head = Head();
    // 0.3 l/min condenses Q ≈ 1180.36 W of the 2000: R = 1180.36 / 819.64 ≈ 1.440, and
    // 819.64 W × 4.9242 ml/h per W ≈ 4036 ml/h.
    const TapBalance partial = BalanceAtFlow(head, 0.3);
    ASSERT_EQ(partial.fault, HeadFault::None);
    EXPECT_NEAR(partial.load, 1180.36, 0.01);
    EXPECT_NEAR(partial.refluxRatio, 1.4401, 1e-4);
    EXPECT_NEAR(partial.takeOff.heat, 2000 - partial.load, 1e-9);
    EXPECT_NEAR(partial.takeOff.mlPerHour, 4036.05, 0.01);
    // 2 l/min could condense more than the vapour brings: full reflux, nothing taken off.
    const TapBalance full = BalanceAtFlow(head, 2);
    EXPECT_EQ(full.refluxRatio, kFullReflux);
    EXPECT_EQ(full.load, 2000);
    EXPECT_EQ(full.takeOff.fault, HeadFault::None);
    EXPECT_EQ(full.takeOff.mlPerHour, 0);
    // 150 W lost on the way up leave 1850 W at the head: the same Q is a higher R.
    const TapBalance lossy = BalanceAtFlow(Head(78, 150), 0.3);
    EXPECT_NEAR(lossy.refluxRatio, partial.load / (1850 - partial.load), 1e-12);
    // Above boiling water the ratio stands, the take-off's rate does not.
    const TapBalance hot = BalanceAtFlow(Head(101), 0.3);
    EXPECT_EQ(hot.fault, HeadFault::None);
    EXPECT_GT(hot.refluxRatio, 0);
    EXPECT_EQ(hot.takeOff.fault, HeadFault::VapourAboveTable);
    EXPECT_EQ(hot.takeOff.mlPerHour, 0);
}

TEST(ColumnHead, BalancesRefusedForTheHeadOrTheirInput) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ColumnHead noSurface = Head();
    noSurface.condenser.areaM2 = 0;
    struct Case {
        const char* what;
        ColumnHead head;
        double flow, ratio;
        HeadFault fault;
    };
    const Case cases[] = {
        {"losses take it all", Head(78, 2000), 0.3, 3, HeadFault::NoVapour},
        {"losses above the heater", Head(78, 2500), 0.3, 3, HeadFault::NoVapour},
        {"losses below 0", Head(78, -100), 0.3, 3, HeadFault::NegativeLosses},
        {"losses not a number", Head(78, nan), 0.3, 3, HeadFault::NegativeLosses},
        {"no flow", Head(), 0, 3, HeadFault::FlowNotPositive},
        {"flow not a number", Head(), nan, 3, HeadFault::FlowNotPositive},
        {"no surface", noSurface, 0.3, 3, HeadFault::NoCondenser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TapBalance balance = BalanceAtFlow(c.head, c.flow);
        EXPECT_EQ(balance.fault, c.fault);
        EXPECT_EQ(balance.refluxRatio, 0);
        EXPECT_EQ(balance.takeOff.mlPerHour, 0);
        const RefluxSensitivity s = SensitivityAtFlow(c.head, c.flow);
        for (const TapBalance* shifted :
             {&s.lowFlow, &s.highFlow, &s.colderInlet, &s.warmerInlet}) {
            EXPECT_EQ(shifted->fault, c.fault);
        }
    }
    EXPECT_EQ(TakeOffAtReflux(Head(78, 2500), 3).fault, HeadFault::NoVapour);
    EXPECT_EQ(TakeOffAtReflux(Head(78, -1), 3).fault, HeadFault::NegativeLosses);
    EXPECT_EQ(TakeOffAtReflux(Head(), -1).fault, HeadFault::RatioNegative);
    EXPECT_EQ(TakeOffAtReflux(Head(), nan).fault, HeadFault::RatioNegative);
    EXPECT_EQ(TakeOffAtReflux(Head(), 0).heat, 2000);  // all taken off, none returned
    EXPECT_EQ(RefluxFromTakeOff(noSurface, 1000).fault, HeadFault::NoCondenser);
}

TEST(ColumnHead, MeasuredTakeOffGivesTheRefluxRatioBack) {
    // For each row of the reflux table: the take-off that holds R, measured, gives R, the
    // dephlegmator's load P_v × R / (R + 1) and the flow the table shows for it.
    for (const double tc : {78.0, 88.0}) {
        for (const double ratio : {1.0, 2.0, 3.0, 5.0, 10.0}) {
            SCOPED_TRACE(::testing::Message() << tc << " °C, R " << ratio);
            const ColumnHead head = Head(tc, 150);
            const TakeOff takeOff = TakeOffAtReflux(head, ratio);
            ASSERT_EQ(takeOff.fault, HeadFault::None);
            EXPECT_NEAR(takeOff.heat, 1850 / (ratio + 1), 1e-9);
            const MeasuredReflux measured = RefluxFromTakeOff(head, takeOff.mlPerHour);
            ASSERT_EQ(measured.fault, HeadFault::None);
            EXPECT_NEAR(measured.refluxRatio, ratio, 1e-9 * ratio);
            EXPECT_NEAR(measured.load, RefluxLoad(1850, ratio), 1e-9);
            ASSERT_EQ(measured.flowFault, HeadFault::None);
            EXPECT_NEAR(measured.flow, head.condenser.flowForLoad(RefluxLoad(1850, ratio)), 1e-9);
            EXPECT_NEAR(head.condenser.loadAtFlow(measured.flow), measured.load, 1e-6);
        }
    }
    // R 3 at 78 °C: P_d = 2000 / 4 = 500 W, 500 × 4.9242 ≈ 2462.1 ml/h.
    EXPECT_NEAR(TakeOffAtReflux(Head(), 3).mlPerHour, 2462.1, 0.05);
    EXPECT_EQ(TakeOffAtReflux(Head(), kFullReflux).mlPerHour, 0);
}

TEST(ColumnHead, MeasuredTakeOffRefusals) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // All of 2000 W taken off at 78 °C is 2000 × 4.9242 ≈ 9848 ml/h.
    const double all = TakeOffForHeat(2000, 78).mlPerHour;
    struct Case {
        const char* what;
        ColumnHead head;
        double mlPerHour;
        HeadFault fault;
    };
    const Case cases[] = {
        {"none taken", Head(), 0, HeadFault::TakeOffNotPositive},
        {"negative", Head(), -100, HeadFault::TakeOffNotPositive},
        {"not a number", Head(), nan, HeadFault::TakeOffNotPositive},
        {"more than the vapour", Head(), all * 1.001, HeadFault::TakeOffAboveVapour},
        {"above boiling water", Head(101), 1000, HeadFault::VapourAboveTable},
        {"pure water", Head(100), 1000, HeadFault::VapourTooWeak},
        {"no vapour", Head(78, 2000), 1000, HeadFault::NoVapour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MeasuredReflux measured = RefluxFromTakeOff(c.head, c.mlPerHour);
        EXPECT_EQ(measured.fault, c.fault);
        EXPECT_EQ(measured.refluxRatio, 0);
        EXPECT_EQ(measured.flow, 0);
    }
    // Above the vapour, the heat the take-off would carry says how far: 2002 W of 2000.
    EXPECT_NEAR(RefluxFromTakeOff(Head(), all * 1.001).takeOffHeat, 2002, 1e-9);
    // All the vapour taken off: R 0, the dephlegmator condenses nothing and needs no water.
    const MeasuredReflux everything = RefluxFromTakeOff(Head(), all);
    EXPECT_EQ(everything.fault, HeadFault::None);
    EXPECT_NEAR(everything.refluxRatio, 0, 1e-12);
    // A load the surface cannot condense (its limit is 680 × 0.157075 × 63 ≈ 6729 W): R stands,
    // the flow does not.
    ColumnHead big = Head();
    big.heaterPower = 10000;
    const MeasuredReflux beyond = RefluxFromTakeOff(big, 1000);
    EXPECT_EQ(beyond.fault, HeadFault::None);
    EXPECT_GT(beyond.refluxRatio, 0);
    EXPECT_EQ(beyond.flowFault, HeadFault::BeyondSurface);
    EXPECT_EQ(beyond.flow, 0);
}

TEST(ColumnHead, TimeToCollectAVolume) {
    // 3 l at 2462.1 ml/h: 3000 / 2462.1 h ≈ 1.2185 h ≈ 4386.5 s (1 h 13 min).
    const CollectionTime time = TimeToCollect(3, TakeOffAtReflux(Head(), 3));
    ASSERT_EQ(time.fault, HeadFault::None);
    EXPECT_NEAR(time.seconds, 4386.5, 0.1);
    EXPECT_EQ(TimeToCollect(3, TakeOffAtReflux(Head(), kFullReflux)).fault, HeadFault::NoTakeOff);
    EXPECT_EQ(TimeToCollect(0, TakeOffAtReflux(Head(), 3)).fault, HeadFault::VolumeNotPositive);
    EXPECT_EQ(TimeToCollect(3, TakeOffAtReflux(Head(101), 3)).fault, HeadFault::VapourAboveTable);
}

TEST(ColumnHead, LossesFromAFullRefluxRun) {
    // 1 l/min warming 15 → 44 °C carries 1 × 3760 / 60 × 29 ≈ 1817.33 W of the heater's 2000.
    const ColumnLosses losses = LossesFromFullRefluxRun(2000, 1, 3760, 15, 44);
    ASSERT_EQ(losses.fault, HeadFault::None);
    EXPECT_NEAR(losses.watts, 182.667, 0.001);
    // The water carried all of it: nothing lost.
    EXPECT_NEAR(LossesFromFullRefluxRun(1880, 1, 3760, 15, 45).watts, 0, 1e-9);
    // More than the heater gives (15 → 50 °C carries 2193 W), or water that did not warm.
    EXPECT_EQ(LossesFromFullRefluxRun(2000, 1, 3760, 15, 50).fault, HeadFault::NegativeLosses);
    EXPECT_EQ(LossesFromFullRefluxRun(2000, 1, 3760, 15, 15).fault, HeadFault::OutletNotAboveInlet);
    EXPECT_EQ(LossesFromFullRefluxRun(2000, 1, 3760, 20, 15).fault, HeadFault::OutletNotAboveInlet);
}

TEST(ColumnHead, SensitivityRecomputesAtTheShiftedInputs) {
    const ColumnHead head = Head(78, 100);
    const RefluxSensitivity s = SensitivityAtFlow(head, 0.3);
    const auto at = [](double tin, double flow) {
        const Condenser c{78, tin, 0.157075, kHeatTransferKAtLoad, kSpecificHeatCAtLoad};
        const double q = c.loadAtFlow(flow);
        return q / (1900 - q);
    };
    struct Case {
        const char* what;
        const TapBalance& balance;
        double ratio;
    };
    // At 2000 W less 100: 0.27 l/min ≈ 1.27, 0.33 l/min ≈ 2.14, Tin 10 °C ≈ 2.03, 20 °C ≈ 1.34.
    const Case cases[] = {
        {"0.9 G", s.lowFlow, at(15, 0.27)},
        {"1.1 G", s.highFlow, at(15, 0.33)},
        {"Tin − 5", s.colderInlet, at(10, 0.3)},
        {"Tin + 5", s.warmerInlet, at(20, 0.3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.balance.fault, HeadFault::None);
        EXPECT_NEAR(c.balance.refluxRatio, c.ratio, 1e-12);
    }
    EXPECT_LT(s.lowFlow.refluxRatio, s.highFlow.refluxRatio);
    EXPECT_GT(s.colderInlet.refluxRatio, s.warmerInlet.refluxRatio);
    // Tin shifted to Tc or beyond, or to freezing.
    ColumnHead warm = head;
    warm.condenser.inletTemp = 74;
    EXPECT_EQ(SensitivityAtFlow(warm, 0.3).warmerInlet.fault, HeadFault::InletOutOfRange);
    EXPECT_EQ(SensitivityAtFlow(warm, 0.3).colderInlet.fault, HeadFault::None);
    ColumnHead cold = head;
    cold.condenser.inletTemp = 4;
    EXPECT_EQ(SensitivityAtFlow(cold, 0.3).colderInlet.fault, HeadFault::InletOutOfRange);
}

}  // namespace
}  // namespace dephlegmator
