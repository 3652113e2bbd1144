#include "heat_exchanger.h"

namespace dephlegmator {

bool Condenser::usable() const {
    return condensationTemp > 0 && inletTemp > 0 && areaM2 > 0 && heatTransferK > 0 &&
           specificHeatC > 0 && condensationTemp > inletTemp;
}

double Condenser::maxLoad() const {
    return MaxLoad(heatTransferK, areaM2, span());
}

double Condenser::loadPerKelvin(double flow) const {
    if (!(flow > 0)) return 0;
    const double exponent = FlowExponent(areaM2, heatTransferK, flow, specificHeatC);
    return -CapacityRate(flow, specificHeatC) * std::expm1(exponent);
}

double Condenser::loadAtFlow(double flow) const {
    return loadPerKelvin(flow) * span();
}

double Condenser::inletTempForLoad(double flow, double load) const {
    return condensationTemp - load / loadPerKelvin(flow);
}

double Condenser::outletTempAtFlow(double flow) const {
    if (!(flow > 0)) return condensationTemp;
    return OutletTempAtExponent(condensationTemp, inletTemp,
                                FlowExponent(areaM2, heatTransferK, flow, specificHeatC));
}

double Condenser::flowForLoad(double load) const {
    if (!(load > 0)) return 0;
    if (!(load < maxLoad())) return std::numeric_limits<double>::infinity();
    const double logMeanDT = LogMeanDTForLoad(load, areaM2, heatTransferK);
    const double warming = WarmingForLogMeanDT(span(), logMeanDT);
    return FlowForLoadAndRise(load, specificHeatC, warming);
}

double AreaForLoad(double load, double heatTransferK, double logMeanDT) {
    return load / (heatTransferK * logMeanDT);
}

double HeightForArea(double areaCm2, double diameterCm) {
    return areaCm2 / (kAreaFormulaPi * diameterCm);
}

double TankHoldSeconds(double limitTemp, double startTemp, double volumeL, double specificHeatC,
                       double heaterPower) {
    return (limitTemp - startTemp) * volumeL * specificHeatC / heaterPower;
}

double RefluxLoad(double heaterPower, double refluxRatio) {
    if (refluxRatio == kFullReflux) return heaterPower;
    return heaterPower * refluxRatio / (refluxRatio + 1);
}

}  // namespace dephlegmator
