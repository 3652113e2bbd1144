#pragma once

namespace dephlegmator {

// The two physical constants, as the load handler sets them.
inline constexpr double kHeatTransferKAtLoad = 680.0;   // W/(m²·K)
inline constexpr double kSpecificHeatCAtLoad = 3760.0;  // J/(l·K)

// The fixed numbers of the formulas.
inline constexpr double kAreaFormulaPi = 3.1415;  // π in the lateral area, exactly 3.1415
inline constexpr double kAutonomousRiseK = 10;    // warming of the water in autonomous cooling, K
// The cooling water boils at 100 °C, so a condensation temperature above it is no case for water
// cooling (100 °C itself, steam as in essential-oil stills, is).
inline constexpr double kWaterBoilingTemp = 100;  // °C

// The window's numeric variables. They live as long as the window; nothing resets them, so a
// calculation that does not assign one leaves the value of an earlier calculation in place.
struct FormState {
    double HeatTransferK = 0;  // W/(m²·K); kHeatTransferKAtLoad after load
    double SpecificHeatC = 0;  // J/(l·K); kSpecificHeatCAtLoad after load
    double AreaM2 = 0;         // heat-exchange surface, m²
    double LogMeanDT = 0;      // mean temperature difference, external cooling, K
    double AutoLogMeanDT = 0;  // mean temperature difference, autonomous cooling, K
    double WaterOutTemp = 0;   // computed outlet water temperature, °C
};

// The variables as the load handler leaves them: the two constants set, everything else 0.
constexpr FormState LoadedFormState() {
    FormState state;
    state.HeatTransferK = kHeatTransferKAtLoad;
    state.SpecificHeatC = kSpecificHeatCAtLoad;
    return state;
}

}  // namespace dephlegmator
