// The ethanol–water properties: the dew curve as its table gives it, the density and strength
// at 20 °C as the alcoholometric tables give them, the latent heats, and where the vapour's
// make-up is refused.
#include "ethanol_water.h"

#include <gtest/gtest.h>

#include <limits>

namespace dephlegmator {
namespace {

TEST(EthanolWater, DewCurveGivesTheTableAtItsRowsAndInterpolatesBetween) {
    struct Case {
        double tc, moleFraction;
    };
    const Case cases[] = {
        {78.15, 0.894},  // the azeotrope
        {78.74, 0.739},
        {81.5, 0.583},
        {84.1, 0.509},
        {89.0, 0.389},
        {95.5, 0.170},
        {100, 0},
        {88, 0.389 + (89.0 - 88) / (89.0 - 86.7) * (0.438 - 0.389)},  // ≈ 0.41030
        {78, 0.894},  // below the azeotrope the vapour is still the azeotrope
        {60, 0.894},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tc);
        EXPECT_NEAR(DewVapourMoleFraction(c.tc), c.moleFraction, 1e-12);
    }
}

TEST(EthanolWater, VapourGrowsWeakerAsTheDewPointRises) {
    // A misplaced row would show as a rise somewhere along the curve.
    double previous = DewVapourMoleFraction(kAzeotropeTemp);
    for (int step = 1; step <= 2185; ++step) {  // every 0.01 K up to 100 °C
        const double tc = kAzeotropeTemp + step * 0.01;
        const double y = DewVapourMoleFraction(tc);
        ASSERT_LT(y, previous) << tc;
        previous = y;
    }
}

TEST(EthanolWater, DensityAndStrengthFollowTheAlcoholometricTables) {
    // Pure water and pure ethanol at 20 °C.
    EXPECT_NEAR(DensityAt20C(0), 998.20, 0.005);
    EXPECT_NEAR(DensityAt20C(1), 789.24, 0.005);
    EXPECT_DOUBLE_EQ(VolumePercentAt20C(0), 0);
    EXPECT_DOUBLE_EQ(VolumePercentAt20C(1), 100);
    // The tables' row 40 % vol: 33.30 % by mass, 948.05 kg/m³.
    EXPECT_NEAR(DensityAt20C(0.3330), 948.05, 0.01);
    EXPECT_NEAR(VolumePercentAt20C(0.3330), 40.00, 0.01);
    // Near the azeotrope, 95, 96 and 97 % vol: about 811, 807 and 803 kg/m³.
    struct Case {
        double massFraction, volumePercent, density;
    };
    const Case cases[] = {{0.92408, 95, 811.4}, {0.93838, 96, 807.4}, {0.95305, 97, 803.3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volumePercent);
        EXPECT_NEAR(VolumePercentAt20C(c.massFraction), c.volumePercent, 0.01);
        EXPECT_NEAR(DensityAt20C(c.massFraction), c.density, 0.05);
    }
}

TEST(EthanolWater, LatentHeatsFromTheSteamTableAndEthanolsOwn) {
    EXPECT_DOUBLE_EQ(WaterLatentHeat(80), 2308.0e3);
    EXPECT_NEAR(WaterLatentHeat(78), 2313.04e3, 1e-6);  // 2320.6 − 3/5 × 12.6 kJ/kg
    EXPECT_DOUBLE_EQ(WaterLatentHeat(100), 2256.4e3);
    EXPECT_DOUBLE_EQ(WaterLatentHeat(70), 2320.6e3);  // held at the table's end
    EXPECT_DOUBLE_EQ(MixtureLatentHeat(1, 90), kEthanolLatentHeat);
    EXPECT_DOUBLE_EQ(MixtureLatentHeat(0.5, 80), (846e3 + 2308.0e3) / 2);
}

TEST(EthanolWater, TheAzeotropesStrengthIsTheTables) {
    // y 0.894: w = 0.894 × 46.069 / (0.894 × 46.069 + 0.106 × 18.015) = 41.186 / 43.095
    // ≈ 0.95569; ρ(w) ≈ 802.52 kg/m³; 100 × 0.95569 × 802.52 / 789.24 ≈ 97.18 % vol;
    // λ = 0.95569 × 846 + 0.04431 × 2312.66 (water at 78.15 °C) ≈ 910.99 kJ/kg.
    for (const double tc : {kAzeotropeTemp, 78.0, 70.0}) {
        SCOPED_TRACE(tc);
        const DewVapour vapour = VapourAtDewPoint(tc);
        ASSERT_TRUE(vapour.known());
        EXPECT_DOUBLE_EQ(vapour.moleFraction, kAzeotropeMoleFraction);
        EXPECT_NEAR(vapour.massFraction, 0.95569, 5e-6);
        EXPECT_NEAR(vapour.density, 802.52, 0.005);
        EXPECT_NEAR(vapour.volumePercent, 97.18, 0.005);
        EXPECT_NEAR(vapour.latentHeat, 910.99e3, 5);
    }
    // A table row, 84.1 °C ↔ y 0.509: w = 23.449 / 32.294 ≈ 0.72610, ≈ 79.25 % vol.
    const DewVapour row = VapourAtDewPoint(84.1);
    EXPECT_DOUBLE_EQ(row.moleFraction, 0.509);
    EXPECT_NEAR(row.massFraction, 0.72610, 5e-6);
    EXPECT_NEAR(row.volumePercent, 79.25, 0.005);
}

TEST(EthanolWater, NoStrengthAboveBoilingWaterOrForVapourTooWeak) {
    struct Case {
        double tc;
        StrengthFault fault;
    };
    const Case cases[] = {
        {100.01, StrengthFault::AboveTable},
        {120, StrengthFault::AboveTable},
        {std::numeric_limits<double>::quiet_NaN(), StrengthFault::AboveTable},
        {100, StrengthFault::TooWeak},    // pure water
        {99.99, StrengthFault::TooWeak},  // ≈ 0.12 % vol
        {99.95, StrengthFault::None},     // ≈ 0.61 % vol
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tc);
        const DewVapour vapour = VapourAtDewPoint(c.tc);
        EXPECT_EQ(vapour.fault, c.fault);
        if (c.fault != StrengthFault::None) {
            EXPECT_EQ(vapour.volumePercent, 0);
            EXPECT_EQ(vapour.latentHeat, 0);
        }
    }
}

}  // namespace
}  // namespace dephlegmator
