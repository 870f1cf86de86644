#include "engine/site_allocation.h"

#include "engine/checked.h"

namespace kolbex::engine {
namespace {

// What a site of `capacity` takes of `available` when it already holds `held`. The comparisons are
// exact, without tolerance. An overflowing sum is a failed step (NaN), not a full site.
double fill(double available, double held, double capacity) {
  if (held >= capacity) return 0;
  const double sum = available + held;
  if (!std::isfinite(sum)) return failed;
  return sum <= capacity ? available : capacity - held;
}

void total_Z(SiteAllocation& s) { store(s.Z.total, s.Zpre + s.Z.Si + s.Z.Al + s.Z.Fe3 + s.Z.Fe2 + s.Z.Ti); }

void total_Y(SiteAllocation& s) {
  store(s.Y0, s.Ypre + s.Y.Si + s.Y.Al + s.Y.Fe3 + s.Y.Ti);
  store(s.Y.total, s.Y0 + s.Y.Mg + s.Y.Fe2 + s.Y.Mn2);
}

}  // namespace

void allocate_sites(const RecalculatedFormula& f, SiteAllocation& s) {
  using namespace cation;
  const auto& a = f.apfu;
  ZSite& Z = s.Z;
  YSite& Y = s.Y;
  XSite& X = s.X;
  constexpr double Zcap = 3, Ycap = 2;

  // Z: the whole-Z cations and the vacancy first, then Si, Al, Fe3+, Fe2+ and Ti fill up to 3.
  const double vacancy = f.F4 - a[Li];
  if (vacancy > 0)
    store(Z.vacancy, vacancy);
  else
    Z.vacancy = 0;
  Z.As = a[As];
  Z.V5 = a[V5];
  Z.P = a[P];
  Z.Zn = a[Zn];
  Z.Li = a[Li];
  Z.H4 = f.H4;
  store(s.Zpre, a[As] + a[V5] + a[P] + a[Zn] + a[Li] + f.H4 + Z.vacancy);
  store(Z.Si, fill(a[Si], s.Zpre, Zcap));
  store(Z.Al, fill(a[Al], s.Zpre + Z.Si, Zcap));
  store(Z.Fe3, fill(a[Fe3], s.Zpre + Z.Si + Z.Al, Zcap));
  store(Z.Fe2, fill(a[Fe2], s.Zpre + Z.Si + Z.Al + Z.Fe3, Zcap));
  store(Z.Ti, fill(a[Ti], s.Zpre + Z.Si + Z.Al + Z.Fe3 + Z.Fe2, Zcap));
  total_Z(s);

  // Two corrections of an overfull Z, both lowering Si(Z), below 0 if need be: with a vacancy for (F)4
  // groups, by the excess over 3; with whole-Z cations and more than 3 Si, to 3 - Zpre.
  if (Z.vacancy > 0 && Z.total > 3) store(Z.Si, Z.Si - (Z.total - 3));
  total_Z(s);
  if (s.Zpre > 0 && a[Si] > 3 && Z.total > 3) store(Z.Si, 3 - s.Zpre);
  total_Z(s);
  if (Z.total == Z.Si) Z.Si = 3;  // nothing but silicon on Z: it fills the site
  total_Z(s);

  // Y: the whole-Y cations, what Z left of Si, Al, Fe3+ and Ti, then Mg, Fe2+ and Mn2+ up to 2.
  Y.Sc = a[Sc];
  Y.V3 = a[V3];
  Y.Cr = a[Cr];
  Y.Mn3 = a[Mn3];
  Y.Zr = a[Zr];
  Y.Hf = a[Hf];
  Y.Nb = a[Nb];
  Y.Sn = a[Sn];
  Y.Sb = a[Sb];
  Y.Te = a[Te];
  Y.U = a[U];
  store(s.Ypre, a[Sc] + a[V3] + a[Cr] + a[Mn3] + a[Zr] + a[Hf] + a[Nb] + a[Sn] + a[Sb] + a[Te] + a[U]);
  store(Y.Si, a[Si] - Z.Si);
  store(Y.Al, a[Al] - Z.Al);
  store(Y.Fe3, a[Fe3] - Z.Fe3);
  store(Y.Ti, a[Ti] - Z.Ti);
  store(s.Y0, s.Ypre + Y.Si + Y.Al + Y.Fe3 + Y.Ti);
  store(Y.Mg, fill(a[Mg], s.Y0, Ycap));
  store(Y.Fe2, fill(a[Fe2] - Z.Fe2, s.Y0 + Y.Mg, Ycap));
  store(Y.Mn2, fill(a[Mn2], s.Y0 + Y.Mg + Y.Fe2, Ycap));
  store(Y.total, s.Y0 + Y.Mg + Y.Fe2 + Y.Mn2);

  // Ti-Fe2+ exchange: Ti moves from an overfull Y to Z in place of Fe2+, which goes on to X. d is not
  // limited by Fe2+(Z) or Ti(Y), so either may become negative.
  if (Y.total > 2 && Y.Ti > 0 && Z.Fe2 > 0) {
    store(s.d, Y.total - 2);
    store(Z.Fe2, Z.Fe2 - s.d);
    store(Z.Ti, Z.Ti + s.d);
    store(Y.Ti, Y.Ti - s.d);
    total_Z(s);
    total_Y(s);
  }

  // X takes whatever Z and Y left.
  store(X.Fe2, a[Fe2] - Z.Fe2 - Y.Fe2);
  store(X.Mn2, a[Mn2] - Y.Mn2);
  store(X.Mg, a[Mg] - Y.Mg);
  X.Th = a[Th];
  X.YREE = a[YREE];
  X.Ca = a[Ca];
  X.Na = a[Na];
  store(X.total, X.Th + X.YREE + X.Fe2 + X.Mn2 + X.Mg + X.Ca + X.Na);
}

}  // namespace kolbex::engine
