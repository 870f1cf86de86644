#pragma once

#include "thermometry/calibration.h"
#include "thermometry/exchange_inputs.h"

namespace kolbex::thermometry {

// The inputs of the garnet-biotite thermometers: pressure in kbar, biotite amounts in apfu.
struct BiotitePair {
  GarnetExchange garnet;
  double Pbt, AlVI, Ti, Febt, Mgbt;
  BiotiteFractions bt;
};

// lnKbt = ln[(Mg/Fe of garnet) / (Mg/Fe of biotite)].
double ln_kbt(const BiotitePair& p);

// The ten garnet-biotite calibrations in the order they are computed.
extern const CalibrationTable<BiotitePair> garnet_biotite;

}  // namespace kolbex::thermometry
