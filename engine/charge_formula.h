#pragma once

#include <array>
#include <string_view>

#include "engine/formula_recalculation.h"
#include "engine/site_allocation.h"

namespace kolbex::engine {

// The eighteen charge-class totals: sums of site contents by site and charge, in results order
// ("Monovalent Z" to "Divalent anions"). ZH counts H4 groups, Zv the vacancy on Z.
enum ChargeClass : int { Z1, Z2, Z3, Z4, Z5, ZH, Zv, Y2, Y3, Y4, Y5, Y6, X1, X2, X3, X4, A1, A2 };
inline constexpr int charge_class_count = 18;
using ChargeClassTotals = std::array<double, charge_class_count>;

// A term of an arrangement: a charge-class total divided by the number of such ions its formula needs.
// A term with ions = 0 is absent.
struct Term {
  ChargeClass cls;
  double ions;
};

// An ideal charge arrangement of the garnet supergroup (Grew et al. 2013). A site with two terms has two
// alternative ways of filling it. The anion term takes part in the minimum but never in the score.
struct ChargeArrangement {
  std::string_view formula;  // the dominant charge formula, as shown
  std::string_view type;     // the formula type
  std::array<Term, 2> X, Y, Z;
  Term anion;
};

inline constexpr int arrangement_count = 17;
extern const std::array<ChargeArrangement, arrangement_count> charge_arrangements;
inline constexpr int henritermierite_arrangement = 3;  // the only one that depends on the cubic flag

struct ChargeClassification {
  ChargeClassTotals totals{};
  std::array<double, arrangement_count> percentage{};  // 100 x score, never below 0
  std::string_view formula;                            // empty without a unique highest percentage
  std::string_view type;
};

// "true", "TRUE" and "True" mean cubic. Every other text, the three "false" spellings and the empty
// text included, counts as not cubic. Compared exactly, without trimming.
bool reads_cubic(std::string_view cubic_flag);

// The charge-class totals of the allocated sites (A1 the fluorine apfu, A2 the rest of the anion
// total of the first normalisation).
void charge_class_totals(const SiteAllocation& sites, const RecalculatedFormula& formula,
                         ChargeClassTotals& totals);

// Scores the seventeen arrangements and picks the dominant one: strictly higher than each of the others.
// Resets the formula and type first, so nothing carries over from the previous analysis.
void dominant_charge_formula(std::string_view cubic_flag, ChargeClassification& c);

// The anion site: OH from the H4 groups, O the rest of the divalent anions, F the monovalent anions.
struct AnionSite {
  double O = 0, OH = 0, F = 0, total = 0;
};
void split_anion_site(const ChargeClassTotals& totals, AnionSite& anions);

}  // namespace kolbex::engine
