#include "thermometry/exchange_inputs.h"

#include "engine/checked.h"

namespace kolbex::thermometry {

using engine::div;
using engine::store;
namespace cation = engine::cation;

void compute_garnet_fractions(const engine::RecalculatedFormula& f, GarnetFractions& g) {
  const double Mg = f.apfu[cation::Mg], Fe = f.apfu[cation::Fe2];
  const double Mn = f.apfu[cation::Mn2], Ca = f.apfu[cation::Ca];
  store(g.S, Mg + Fe + Mn + Ca);
  store(g.XMg, div(Mg, g.S));
  store(g.XFe, div(Fe, g.S));
  store(g.XCa, div(Ca, g.S));
  store(g.XMn, div(Mn, g.S));
  store(g.MgNumber, div(Mg, Mg + Fe));
  store(g.XCaPrime, div(Ca, Mg + Fe + Ca));
}

void compute_biotite_fractions(const engine::AnalysisRecord& r, BiotiteFractions& bt) {
  if (!(r.BtMg > 0 && r.BtFe2 > 0 && r.BtAlVI > 0 && r.BtTi > 0)) return;
  store(bt.Tbt, r.BtMg + r.BtFe2 + r.BtAlVI + r.BtTi);
  store(bt.XMgbt, div(r.BtMg, bt.Tbt));
  store(bt.XFebt, div(r.BtFe2, bt.Tbt));
  store(bt.XTibt, div(r.BtTi, bt.Tbt));
  store(bt.XAlbt, div(r.BtAlVI, bt.Tbt));
}

void compute_clinopyroxene_fractions(const engine::AnalysisRecord& r, ClinopyroxeneFractions& cpx) {
  store(cpx.XMgcpx, div(r.CpxMg, r.CpxMg + r.CpxFeTot + r.CpxAlTot));
  store(cpx.XFecpx, div(r.CpxFe2, r.CpxMg + r.CpxFeTot + r.CpxAlTot));
}

void compute_orthopyroxene_fractions(const engine::AnalysisRecord& r, OrthopyroxeneFractions& opx) {
  store(opx.N, r.OpxFe2 + r.OpxMg + r.OpxAlTot / 2);
  store(opx.YMg, div(r.OpxMg, opx.N));
  store(opx.YFe, div(r.OpxFe2, opx.N));
  store(opx.YAl, 1 - (opx.YMg + opx.YFe));
}

}  // namespace kolbex::thermometry
