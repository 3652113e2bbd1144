#pragma once

namespace dephlegmator {

// The dephlegmator as a heat exchanger whose vapour side stays at the condensation temperature:
// how the heat it condenses depends on the cooling-water flow, and what surface a heat load needs.
// Units as in the window: temperatures in °C, flows in l/min, loads in W, areas in m².
//
// With the water's heat capacity rate C = G × specificHeatC / 60 (W/K) and the surface's
// conductance KA = heatTransferK × areaM2 (W/K), the load at flow G is
//   Q(G) = C × (Tc − Tin) × (1 − exp(−KA / C)),
// rising with G, concave, from 0 at G = 0 towards MaxLoad = KA × (Tc − Tin).
struct Condenser {
    double condensationTemp;  // Tc, °C
    double inletTemp;         // Tin, °C
    double areaM2;
    double heatTransferK;  // W/(m²·K)
    double specificHeatC;  // J/(l·K)

    // Every quantity above 0 and Tc above Tin; the functions below require it.
    bool usable() const;

    // KA × (Tc − Tin): the load with unlimited water.
    double maxLoad() const;
    // Q(G) for G ≥ 0; Q(0) = 0. Example: Tc 88, Tin 20, 0.12566 m², 680, 3760: Q(0.5) ≈ 1991 W.
    double loadAtFlow(double flow) const;
    // The water's outlet temperature at flow G: Tin + Q(G) / C; Tc at G = 0.
    double outletTempAtFlow(double flow) const;
    // The flow G with Q(G) = load, to full precision, for 0 < load < maxLoad(); 0 for a load of
    // 0 or less, and +∞ for a load of maxLoad() or more, which no flow reaches.
    double flowForLoad(double load) const;
};

// The surface in m² that condenses `load` W at condensation temperature tc with water entering
// at tin and warming by `rise` K: load / (heatTransferK × the log-mean difference of that rise),
// the difference being rise / ln((Tc − Tin) / (Tc − Tin − rise)). NaN where Tc − Tin ≤ rise.
double AreaForLoad(double load, double tc, double tin, double rise, double heatTransferK);

// The smallest surface in m² that condenses `load` W, with unlimited water:
// load / (heatTransferK × (Tc − Tin)).
double MinimumAreaForLoad(double load, double tc, double tin, double heatTransferK);

}  // namespace dephlegmator
