#pragma once

#include <array>
#include <cstdint>
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

// The formula type of an analysis: the index of its dominant charge arrangement among the seventeen, in
// their order; `none` without a unique highest percentage.
enum class FormulaType : std::int8_t {
  none = -1,
  cryolithionite,
  alluadite_polymorph,
  vacancy,
  henritermierite,
  katoite,
  berzeliite,
  schorlomite,
  morimotoite,
  sodic_garnet,
  menzerite,
  yag,
  elbrusite,
  bitikleite,
  yafsoanite,
  tetravalent_z_garnet,
  th_option_1,
  th_option_2,
};

// An ideal charge arrangement of the garnet supergroup (Grew et al. 2013). A site with two terms has two
// alternative ways of filling it. The anion term takes part in the minimum but never in the score.
struct ChargeArrangement {
  FormulaType type;
  std::string_view formula;    // the dominant charge formula, as printed
  std::string_view type_name;  // the formula type, as printed
  std::array<Term, 2> X, Y, Z;
  Term anion;
};

inline constexpr int arrangement_count = 17;
extern const std::array<ChargeArrangement, arrangement_count> charge_arrangements;
// The only arrangement that depends on the cubic flag.
inline constexpr int henritermierite_arrangement = static_cast<int>(FormulaType::henritermierite);

// The printed dominant charge formula and formula type; empty for `none`.
std::string_view dominant_formula(FormulaType type);
std::string_view formula_type_name(FormulaType type);

struct ChargeClassification {
  ChargeClassTotals totals{};
  std::array<double, arrangement_count> percentage{};  // 100 x score, never below 0
  FormulaType type = FormulaType::none;
};

// "true", "TRUE" and "True" mean cubic. Every other text, the three "false" spellings and the empty
// text included, counts as not cubic. Compared exactly, without trimming.
bool reads_cubic(std::string_view cubic_flag);

// The charge-class totals of the allocated sites (A1 the fluorine apfu, A2 the rest of the anion
// total of the first normalisation).
void charge_class_totals(const SiteAllocation& sites, const RecalculatedFormula& formula,
                         ChargeClassTotals& totals);

// Scores the seventeen arrangements and picks the dominant one: strictly higher than each of the others.
// Resets the type first, so nothing carries over from the previous analysis.
void dominant_charge_formula(std::string_view cubic_flag, ChargeClassification& c);

// The anion site: OH from the H4 groups, O the rest of the divalent anions, F the monovalent anions.
struct AnionSite {
  double O = 0, OH = 0, F = 0, total = 0;
};
void split_anion_site(const ChargeClassTotals& totals, AnionSite& anions);

}  // namespace kolbex::engine
