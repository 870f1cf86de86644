#include "engine/formula_recalculation.h"

#include "engine/checked.h"

namespace kolbex::engine {
namespace {

// The iron or manganese step: OX3 is the frame-1 oxygen bound to the trivalent cation, X2 the divalent
// amount. An entered trivalent oxide stands as entered; otherwise the excess E (E2 for manganese) turns
// divalent into trivalent. 0.66667 is the literal five-decimal threshold, not 2/3: R must exceed it for
// the branch that makes all of the element trivalent. Neither oxide above 0 leaves no trivalent cation.
void estimate_valence(double entered_trivalent_wt, double entered_divalent_wt, double q1_trivalent,
                      double q1_divalent, double R, double excess, double& OX3, double& X2) {
  if (entered_trivalent_wt > 0) {
    store(OX3, q1_trivalent);
    store(X2, q1_divalent);
  } else if (entered_divalent_wt > 0) {
    if (R > 0.66667 && excess > 0.5 * q1_divalent)
      store(OX3, 1.5 * q1_divalent);
    else
      store(OX3, 3 * excess);
    if (OX3 < 0) OX3 = 0;
    store(X2, q1_divalent - (2.0 / 3.0) * OX3);
  } else {
    OX3 = 0;
    X2 = 0;
  }
}

// One recomputed oxide: wt x factor x share / (share + other) when the entered divalent oxide is
// above 0, no trivalent oxide was entered, the estimate produced the trivalent cation and the
// ratio share / (share + other) is above 0; otherwise 0.
double recomputed_oxide(double factor_times_wt, double share, double other, bool applies) {
  return applies && div(share, share + other) > 0 ? div(factor_times_wt * share, share + other) : 0.0;
}

bool is_iron_or_manganese(int e) {
  return e == oxide::Fe2O3 || e == oxide::FeO || e == oxide::Mn2O3 || e == oxide::MnO;
}

}  // namespace

void recalculate_formula(const AnalysisRecord& r, FormulaWork& w, RecalculatedFormula& f) {
  // Rare earths: as entered for the total, as Y2O3 equivalents for the formula.
  double ree_sum = 0;
  double y2o3 = r.Y2O3;
  for (const RareEarthEntry& ree : RareEarthCatalogue) {
    ree_sum += r.*ree.field;
    y2o3 += r.*ree.field * 225.8099 / ree.M;
  }
  store(w.REEsum, ree_sum);
  store(w.Y2O3recalc, y2o3);
  store(f.Y2O3REEwt, r.Y2O3 + w.REEsum);

  // Weight-percent quantities, summed in catalogue order.
  store(f.OFwt, -(r.F * oxygen_mass / two_fluorine_mass));
  double total = 0;
  for (int e = 0; e < catalogue_size; ++e)
    total += e == oxide::Y2O3 ? (r.Y2O3 + w.REEsum) : r.*OxideCatalogue[e].field;
  store(f.TotalWt, total + f.OFwt);

  // Moles, cation and oxygen proportions.
  for (int e = 0; e < catalogue_size; ++e) {
    const OxideEntry& ox = OxideCatalogue[e];
    const double wt = e == oxide::Y2O3 ? w.Y2O3recalc : r.*ox.field;
    store(w.m[e], wt / ox.M);
    store(w.c[e], w.m[e] * ox.n);
    if (e != oxide::F) store(w.p[e], w.c[e] * ox.o);
  }
  const double Fp = w.c[oxide::F];   // fluorine proportion
  const double H = w.c[oxide::H2O];  // hydrogen proportion

  // First normalisation: 12 anion equivalents, oxidation states as entered.
  double oxygen = 0;
  for (int e = 0; e < catalogue_size; ++e)
    if (e != oxide::F) oxygen += w.p[e];
  store(w.A, oxygen + Fp - 0.5 * Fp);
  store(w.k, div(12, w.A));
  for (int i = 0; i < cation_oxide_count; ++i) store(w.x1[i], w.c[i] * w.k);
  store(w.F4_1, 0.25 * Fp * w.k);
  store(w.H4_1, H / 4 * w.k);
  double cations = 0;
  for (double x : w.x1) cations += x;
  store(f.CationSum1, cations + w.F4_1 + w.H4_1);
  for (int e = 0; e < catalogue_size; ++e)
    if (e != oxide::F) store(w.q1[e], w.p[e] * w.k);
  store(w.F1, Fp * w.k);
  store(w.OF1, -0.5 * w.F1);
  double anions = 0;
  for (int e = 0; e < catalogue_size; ++e)
    if (e != oxide::F) anions += w.q1[e];
  store(f.AnionTotal1, anions + w.F1 + w.OF1);
  const double S = f.CationSum1;
  const double T = f.AnionTotal1;
  store(w.R, div(S, T));
  store(w.E, 1.5 * S - T);

  // Iron first; manganese takes the excess the iron estimate left.
  estimate_valence(r.Fe2O3, r.FeO, w.q1[oxide::Fe2O3], w.q1[oxide::FeO], w.R, w.E, w.OFe3, w.Fe2);
  store(w.E2, w.E - w.OFe3 / 3);
  estimate_valence(r.Mn2O3, r.MnO, w.q1[oxide::Mn2O3], w.q1[oxide::MnO], w.R, w.E2, w.OMn3, w.Mn2);

  // Second normalisation.
  store(w.Fe3amount, (2.0 / 3.0) * w.OFe3);
  store(w.Fe2amount, w.Fe2);
  store(w.Mn3amount, (2.0 / 3.0) * w.OMn3);
  store(w.Mn2amount, w.Mn2);
  double oxygen2 = 0;
  for (int e = 0; e < catalogue_size; ++e)
    if (e != oxide::F && !is_iron_or_manganese(e)) oxygen2 += w.q1[e];
  store(w.A2, oxygen2 + w.OFe3 + w.Fe2 + w.OMn3 + w.Mn2 + w.F1 + w.OF1);
  for (int i = 0; i < cation_oxide_count; ++i) {
    double amount = w.x1[i];
    if (i == cation::Fe3)
      amount = w.Fe3amount;
    else if (i == cation::Fe2)
      amount = w.Fe2amount;
    else if (i == cation::Mn3)
      amount = w.Mn3amount;
    else if (i == cation::Mn2)
      amount = w.Mn2amount;
    store(f.apfu[i], div(amount * 12, w.A2));
  }
  store(f.F4, div(0.25 * w.F1 * 12, w.A2));
  store(f.H4, div(w.H4_1 * 12, w.A2));
  store(f.Fapfu, div(w.F1 * 12, w.A2));
  store(f.OFapfu, div(w.OF1 * 12, w.A2));
  double final_cations = 0;
  for (double x : f.apfu) final_cations += x;
  store(f.TotalApfu, final_cations + f.F4 + f.H4);

  // Iron and manganese oxides recomputed from the estimate; "Fe2O3 = 0" is an exact test.
  const double Fe3 = f.apfu[cation::Fe3], Fe2 = f.apfu[cation::Fe2];
  const double Mn3 = f.apfu[cation::Mn3], Mn2 = f.apfu[cation::Mn2];
  const bool iron_estimated = r.FeO > 0 && r.Fe2O3 == 0 && Fe3 > 0;
  const bool manganese_estimated = r.MnO > 0 && r.Mn2O3 == 0 && Mn3 > 0;
  store(f.FeOcalc, recomputed_oxide(r.FeO, Fe2, Fe3, iron_estimated));
  store(f.Fe2O3calc, recomputed_oxide(1.1113 * r.FeO, Fe3, Fe2, iron_estimated));
  store(f.MnOcalc, recomputed_oxide(r.MnO, Mn2, Mn3, manganese_estimated));
  store(f.Mn2O3calc, recomputed_oxide(1.112771 * r.MnO, Mn3, Mn2, manganese_estimated));
}

}  // namespace kolbex::engine
