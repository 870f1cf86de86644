#include "engine/site_allocation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace kolbex::engine {
namespace {

using namespace cation;

// Site contents by their written name, c(Z), c(Y), c(X), and the intermediate sums.
double content(const SiteAllocation& s, std::string_view name) {
  const std::pair<std::string_view, double> all[] = {
      {"Si(Z)", s.Z.Si},
      {"Ti(Z)", s.Z.Ti},
      {"Al(Z)", s.Z.Al},
      {"Fe3+(Z)", s.Z.Fe3},
      {"Fe2+(Z)", s.Z.Fe2},
      {"Zn(Z)", s.Z.Zn},
      {"Li(Z)", s.Z.Li},
      {"H4(Z)", s.Z.H4},
      {"vacancy(Z)", s.Z.vacancy},
      {"Z total", s.Z.total},
      {"Zpre", s.Zpre},
      {"Si(Y)", s.Y.Si},
      {"Ti(Y)", s.Y.Ti},
      {"Al(Y)", s.Y.Al},
      {"Cr(Y)", s.Y.Cr},
      {"Mg(Y)", s.Y.Mg},
      {"Fe2+(Y)", s.Y.Fe2},
      {"Mn2+(Y)", s.Y.Mn2},
      {"Y0", s.Y0},
      {"Y total", s.Y.total},
      {"Fe2+(X)", s.X.Fe2},
      {"Mn2+(X)", s.X.Mn2},
      {"Mg(X)", s.X.Mg},
      {"Ca(X)", s.X.Ca},
      {"X total", s.X.total},
      {"d", s.d},
  };
  for (const auto& [n, v] : all)
    if (n == name) return v;
  ADD_FAILURE() << "no site content named " << name;
  return 0;
}

struct Case {
  const char* what;
  std::vector<std::pair<cation::Index, double>> apfu;
  double F4, H4;
  std::vector<std::pair<std::string_view, double>> expected;
};

TEST(SiteAllocation, FillsZThenYAndLeavesTheRestToX) {
  const Case cases[] = {
      {"ideal pyrope",
       {{Mg, 3}, {Al, 2}, {Si, 3}},
       0,
       0,
       {{"Si(Z)", 3},
        {"Al(Z)", 0},
        {"Z total", 3},
        {"Al(Y)", 2},
        {"Mg(Y)", 0},
        {"Y total", 2},
        {"Mg(X)", 3},
        {"X total", 3}}},
      {"Al completes Z",
       {{Si, 2.9}, {Al, 2.1}, {Mg, 3}},
       0,
       0,
       {{"Si(Z)", 2.9}, {"Al(Z)", 0.1}, {"Al(Y)", 2.0}, {"Y total", 2}}},
      {"nothing but Si on Z fills it",
       {{Si, 2.95}, {Cr, 2}, {Ca, 3}},
       0,
       0,
       {{"Si(Z)", 3}, {"Si(Y)", -0.05}, {"Z total", 3}}},
      {"hydrogarnet",
       {{Si, 2}, {Al, 2}, {Ca, 3}},
       0,
       1,
       {{"Zpre", 1}, {"Si(Z)", 2}, {"H4(Z)", 1}, {"Z total", 3}}},
      {"fluorine vacancy",
       {{Li, 0.2}, {Si, 2.5}, {Al, 2}, {Ca, 3}},
       0.5,
       0,
       {{"vacancy(Z)", 0.3}, {"Li(Z)", 0.2}, {"Zpre", 0.5}, {"Si(Z)", 2.5}}},
      {"Li balances the fluorine",
       {{Li, 0.3}, {Si, 2.7}, {Al, 2}, {Ca, 3}},
       0.1,
       0,
       {{"vacancy(Z)", 0}, {"Zpre", 0.3}}},
      {"Zn goes wholly to Z",
       {{Zn, 0.4}, {Si, 3}, {Al, 2}, {Ca, 2.6}},
       0,
       0,
       {{"Zn(Z)", 0.4}, {"Si(Z)", 2.6}, {"Si(Y)", 0.4}}},
      // Si 2.7 and Fe2+ 0.3 fill Z; Ti 0.8 and Cr 1.4 make Y0 = 2.2, so d = 0.2 moves Ti to Z and Fe2+ to X.
      {"Ti-Fe2+ exchange",
       {{Si, 2.7}, {Ti, 0.8}, {Cr, 1.4}, {Fe2, 1.0}, {Ca, 2.1}},
       0,
       0,
       {{"d", 0.2},
        {"Fe2+(Z)", 0.1},
        {"Ti(Z)", 0.2},
        {"Ti(Y)", 0.6},
        {"Y total", 2.0},
        {"Z total", 3.0},
        {"Fe2+(X)", 0.9}}},
      {"Y0 above 2 without Ti on Y",
       {{Si, 3}, {Al, 2.1}, {Mg, 0.5}, {Fe2, 0.4}, {Mn2, 0.1}, {Ca, 2}},
       0,
       0,
       {{"Y total", 2.1}, {"Mg(Y)", 0}, {"Mg(X)", 0.5}, {"Fe2+(X)", 0.4}, {"Mn2+(X)", 0.1}, {"d", 0}}},
      {"Mn2+ completes Y",
       {{Si, 3}, {Al, 1.8}, {Mg, 0.1}, {Mn2, 0.2}, {Ca, 2.9}},
       0,
       0,
       {{"Mg(Y)", 0.1}, {"Mn2+(Y)", 0.1}, {"Mn2+(X)", 0.1}, {"Y total", 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecalculatedFormula f;
    for (const auto& [label, amount] : c.apfu) f.apfu[label] = amount;
    f.F4 = c.F4;
    f.H4 = c.H4;
    SiteAllocation s;
    allocate_sites(f, s);
    for (const auto& [name, value] : c.expected) EXPECT_NEAR(content(s, name), value, 1e-12) << name;
  }
}

// The two overfull-Z corrections lower Si(Z) below 0 when the whole-Z cations alone overfill the site.
TEST(SiteAllocation, OverfullZIsBroughtToThreeThroughSilicon) {
  RecalculatedFormula f;
  f.apfu[P] = 3.2;
  f.apfu[Si] = 3.1;
  SiteAllocation s;
  allocate_sites(f, s);
  EXPECT_NEAR(s.Z.Si, 3 - 3.2, 1e-12);
  EXPECT_NEAR(s.Z.total, 3, 1e-12);
  EXPECT_NEAR(s.Y.Si, 3.1 - (3 - 3.2), 1e-12);
}

}  // namespace
}  // namespace kolbex::engine
