#pragma once

#include "thermometry/calibration.h"
#include "thermometry/exchange_inputs.h"

namespace kolbex::thermometry {

// The inputs of the garnet-clinopyroxene thermometers: pressure in kbar, clinopyroxene amounts in apfu.
// Fe2+ enters the distribution coefficient; Fe(total) and Al(total) only the fractions.
struct ClinopyroxenePair {
  GarnetExchange garnet;
  double Pcpx, Alcpx, FeTcpx, Fecpx, Mgcpx;
  ClinopyroxeneFractions cpx;
};

// lnKcpx = ln[(Fe/Mg of garnet) / (Fe/Mg of clinopyroxene)].
double ln_kcpx(const ClinopyroxenePair& p);

// The ten garnet-clinopyroxene calibrations in the order they are computed.
extern const CalibrationTable<ClinopyroxenePair> garnet_clinopyroxene;

}  // namespace kolbex::thermometry
