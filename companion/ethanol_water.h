#pragma once

// The ethanol–water properties the column head's balance needs, at 101.325 kPa: the make-up of
// the vapour at its dew point, the density and strength of its condensate at 20 °C, and the
// latent heat of the mixture. Plain doubles, standard C++ only.
//
// Sources:
// - Vapour against temperature: the ethanol–water x–y–T data at 1 atm of Perry's Chemical
//   Engineers' Handbook, 6th ed. (Perry & Green, 1987), p. 13-12, as transcribed with its mole
//   fractions to three decimals in T. Ackland's table "Basic Data for Ethanol-Water Binary Mix",
//   section "Equilibrium Data" (stupidityshouldhurt.com/reference/org/calc.htm); the point
//   100 °C, y = 0 is pure water boiling.
// - Density at 20 °C: the formula of the International Alcoholometric Tables, OIML R 22 (1975),
//   as published in the Annex of Council Directive 76/766/EEC (OJ L 262, 27.9.1976, p. 149),
//   section 4, its coefficients A1…A12 (the terms in t − 20 vanish at 20 °C).
// - Latent heat of ethanol: 846 kJ/kg at its normal boiling point, The Engineering ToolBox,
//   "Liquids - Latent Heat of Evaporation" (engineeringtoolbox.com/fluids-evaporation-latent-
//   heat-d_147.html).
// - Latent heat of water: the saturated-water temperature table (IAPWS-IF97), as in Çengel &
//   Boles, Thermodynamics: An Engineering Approach, Table A-4: h_fg at 75, 80, …, 100 °C.

#include "form_state.h"

namespace dephlegmator {

// g/mol.
inline constexpr double kEthanolMolarMass = 46.069;
inline constexpr double kWaterMolarMass = 18.015;

// The azeotrope at 101.325 kPa: its boiling point, °C, and its ethanol mole fraction (the last
// row of the vapour table).
inline constexpr double kAzeotropeTemp = 78.15;
inline constexpr double kAzeotropeMoleFraction = 0.894;
// The vapour table ends at kWaterBoilingTemp, where water boils.
// Vapour weaker than this, % vol, is no spirit the calculator reports on.
inline constexpr double kWeakestStrength = 0.5;

// Ethanol's latent heat, J/kg, taken the same over the head's range of temperatures.
inline constexpr double kEthanolLatentHeat = 846e3;

// The ethanol mole fraction of vapour at its dew point `tc` (°C), interpolated linearly in the
// table; the azeotrope's at and below kAzeotropeTemp. Requires tc ≤ kWaterBoilingTemp.
// Examples: 84.1 → 0.509 (a table row); 88 → 0.389 + (89 − 88) / 2.3 × 0.049 ≈ 0.41030;
// 78 → 0.894; 100 → 0.
double DewVapourMoleFraction(double tc);

// The ethanol mass fraction of a mixture with ethanol mole fraction y.
// Example: 0.894 → 41.186 / (41.186 + 1.910) ≈ 0.95569.
double MassFractionFromMoleFraction(double moleFraction);

// The density in kg/m³ at 20 °C of an ethanol–water mixture of that ethanol mass fraction
// (0 to 1), by the alcoholometric tables' formula. Examples: 0 → 998.20; 1 → 789.24;
// 0.3330 → ≈ 948.1.
double DensityAt20C(double massFraction);

// The strength in % vol at 20 °C of a mixture of that mass fraction: the volume of its
// ethanol alone at 20 °C per volume of mixture, 100 × w × ρ(w) / ρ(1). Examples: 0 → 0;
// 1 → 100; 0.3330 → ≈ 40.0.
double VolumePercentAt20C(double massFraction);

// Water's latent heat in J/kg at `t` °C, interpolated in the steam table between 75 and 100 °C
// (the nearest end outside). Examples: 80 → 2 308 000; 78 → 2 313 040.
double WaterLatentHeat(double t);

// The latent heat in J/kg of a mixture of that ethanol mass fraction condensing at `t` °C: the
// mass-weighted heats of the pure liquids, the heat of mixing neglected.
// Example: 0.5 at 80 °C → (846 000 + 2 308 000) / 2 = 1 577 000.
double MixtureLatentHeat(double massFraction, double t);

// Why a vapour's make-up cannot be given.
enum class StrengthFault {
    None,
    AboveTable,  // Tc above 100 °C (or not a number): water boils below it
    TooWeak,     // under kWeakestStrength % vol
};

// The vapour that leaves the dephlegmator at its dew point, and its condensate: what the
// take-off is. Where `fault` is not None, the numbers are 0.
struct DewVapour {
    StrengthFault fault = StrengthFault::None;
    double moleFraction = 0;   // ethanol, mol/mol
    double massFraction = 0;   // ethanol, kg/kg
    double volumePercent = 0;  // % vol at 20 °C
    double density = 0;        // kg/m³ at 20 °C
    double latentHeat = 0;     // J/kg, at the dew point
    bool known() const { return fault == StrengthFault::None; }
};

// The vapour at dew point `tc` °C. At and below the azeotrope's temperature it is the azeotrope,
// whose own properties (its latent heat at kAzeotropeTemp too) it takes. Examples: 78 → 0.894
// mol, 0.9557 kg/kg, ≈ 97.18 % vol, ≈ 802.5 kg/m³, ≈ 911.0 kJ/kg; 88 → ≈ 0.4103 mol, ≈ 0.6402
// kg/kg, ≈ 71.52 % vol, ≈ 881.7 kg/m³; 100.5 → AboveTable; 99.99 → TooWeak (≈ 0.12 % vol).
DewVapour VapourAtDewPoint(double tc);

}  // namespace dephlegmator
