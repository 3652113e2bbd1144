#include "ethanol_water.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace dephlegmator {
namespace {

struct Point {
    double x, y;
};

// The vapour's ethanol mole fraction y against its dew point, °C, rising in temperature: the
// handbook's rows from the azeotrope to 95.5 °C, and pure water at 100 °C.
constexpr std::array<Point, 16> kDewCurve{{
    {78.15, 0.894},
    {78.24, 0.782},
    {78.74, 0.739},
    {79.3, 0.684},
    {79.7, 0.660},
    {79.8, 0.656},
    {80.7, 0.612},
    {81.5, 0.583},
    {82.3, 0.558},
    {82.7, 0.545},
    {84.1, 0.509},
    {85.3, 0.470},
    {86.7, 0.438},
    {89.0, 0.389},
    {95.5, 0.170},
    {kWaterBoilingTemp, 0},
}};

// Water's latent heat of vaporization, J/kg, against temperature, °C.
constexpr std::array<Point, 6> kWaterLatentHeat{{
    {75, 2320.6e3},
    {80, 2308.0e3},
    {85, 2295.1e3},
    {90, 2282.5e3},
    {95, 2269.6e3},
    {100, 2256.4e3},
}};

// The alcoholometric tables' A1…A12, kg/m³: ρ(w) at 20 °C = A1 + Σ A(k) × w^(k−1).
constexpr std::array<double, 12> kDensityCoefficients{
    9.982012300e2, -1.929769495e2, 3.891238958e2, -1.668103923e3, 1.352215441e4, -8.829278388e4,
    3.062874042e5, -6.138381234e5, 7.470172998e5, -5.478461354e5, 2.234460334e5, -3.903285426e4,
};

// Linear interpolation in a table rising in x, held at the end values outside it.
double Interpolate(std::span<const Point> table, double x) {
    if (!(x > table.front().x)) return table.front().y;
    if (!(x < table.back().x)) return table.back().y;
    std::size_t i = 1;
    while (table[i].x < x) ++i;
    const Point& a = table[i - 1];
    const Point& b = table[i];
    return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
}

DewVapour Refused(StrengthFault fault) {
    DewVapour vapour;
    vapour.fault = fault;
    return vapour;
}

}  // namespace

double DewVapourMoleFraction(double tc) {
    return Interpolate(kDewCurve, tc);
}

double MassFractionFromMoleFraction(double moleFraction) {
    const double ethanol = moleFraction * kEthanolMolarMass;
    const double water = (1 - moleFraction) * kWaterMolarMass;
    return ethanol / (ethanol + water);
}

double DensityAt20C(double massFraction) {
    double sum = 0;
    for (std::size_t k = kDensityCoefficients.size() - 1; k > 0; --k) {
        sum = (sum + kDensityCoefficients.at(k)) * massFraction;
    }
    return kDensityCoefficients.front() + sum;
}

double VolumePercentAt20C(double massFraction) {
    return 100 * massFraction * DensityAt20C(massFraction) / DensityAt20C(1);
}

double WaterLatentHeat(double t) {
    return Interpolate(kWaterLatentHeat, t);
}

double MixtureLatentHeat(double massFraction, double t) {
    return massFraction * kEthanolLatentHeat + (1 - massFraction) * WaterLatentHeat(t);
}

DewVapour VapourAtDewPoint(double tc) {
    if (!(tc <= kWaterBoilingTemp)) return Refused(StrengthFault::AboveTable);
    const double t = std::max(tc, kAzeotropeTemp);
    DewVapour vapour;
    vapour.moleFraction = DewVapourMoleFraction(t);
    vapour.massFraction = MassFractionFromMoleFraction(vapour.moleFraction);
    vapour.volumePercent = VolumePercentAt20C(vapour.massFraction);
    if (!(vapour.volumePercent >= kWeakestStrength)) return Refused(StrengthFault::TooWeak);
    vapour.density = DensityAt20C(vapour.massFraction);
    vapour.latentHeat = MixtureLatentHeat(vapour.massFraction, t);
    return vapour;
}

}  // namespace dephlegmator
