#pragma once

#include "thermometry/calibration.h"
#include "thermometry/exchange_inputs.h"

namespace kolbex::thermometry {

// The inputs of the garnet-orthopyroxene thermometers: pressure in kbar, orthopyroxene amounts in apfu.
struct OrthopyroxenePair {
  GarnetExchange garnet;
  double Popx, Alopx, Feopx, Mgopx;
  OrthopyroxeneFractions opx;
};

// lnKopx = ln[(Fe/Mg of garnet) / (Fe/Mg of orthopyroxene)]; lnKopx' its inverse, orthopyroxene over
// garnet; lnKopx'' = ln[(XFe YMg) / (XMg YFe)] from the garnet and orthopyroxene site fractions.
double ln_kopx(const OrthopyroxenePair& p);
double ln_kopx_inverse(const OrthopyroxenePair& p);
double ln_kopx_sites(const OrthopyroxenePair& p);

// The ten garnet-orthopyroxene calibrations in the order they are computed.
extern const CalibrationTable<OrthopyroxenePair> garnet_orthopyroxene;

}  // namespace kolbex::thermometry
