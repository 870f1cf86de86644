#include "results/results_columns.h"

#include <cmath>

namespace kolbex::results {
namespace {

using engine::AnalysisRecord;
using A = engine::CellAlignment;
using engine::AnionSite;
using engine::RecalculatedFormula;
using engine::XSite;
using engine::YSite;
using engine::ZSite;
namespace cation = engine::cation;

Field number(double x) { return {Field::Kind::number, x, {}}; }
Field text(std::string_view s) { return {Field::Kind::text, 0, s}; }

Field nothing(const RunContext&) { return {}; }
Field sample_name(const RunContext& c) { return text(c.record.SampleNo); }
template <double AnalysisRecord::*F>
Field entered(const RunContext& c) {
  return number(c.record.*F);
}
template <double RecalculatedFormula::*F>
Field formula(const RunContext& c) {
  return number(c.formula.*F);
}
template <cation::Index I>
Field apfu(const RunContext& c) {
  return number(c.formula.apfu[I]);
}
template <double ZSite::*F>
Field z_site(const RunContext& c) {
  return number(c.sites.Z.*F);
}
template <double YSite::*F>
Field y_site(const RunContext& c) {
  return number(c.sites.Y.*F);
}
template <double XSite::*F>
Field x_site(const RunContext& c) {
  return number(c.sites.X.*F);
}
template <double AnionSite::*F>
Field anion(const RunContext& c) {
  return number(c.anions.*F);
}
template <engine::ChargeClass K>
Field charge_class(const RunContext& c) {
  return number(c.charge.totals[K]);
}
Field dominant_formula(const RunContext& c) { return text(engine::dominant_formula(c.charge.type)); }
Field formula_type(const RunContext& c) { return text(engine::formula_type_name(c.charge.type)); }
Field garnet_group(const RunContext& c) { return text(engine::group_name(c.name.group)); }
Field garnet_species(const RunContext& c) { return text(engine::species_name(c.name.species)); }

using thermometry::ExchangeThermometry;
using thermometry::PairTemperatures;
// A partner-mineral input as entered, shown only when the pair's inputs were complete.
template <PairTemperatures ExchangeThermometry::*Pair, double AnalysisRecord::*F>
Field partner_input(const RunContext& c) {
  return (c.exchange.*Pair).inputs_shown ? number(c.record.*F) : Field{};
}
// The pair's temperature in its I-th column, in degrees Celsius, or nothing.
template <PairTemperatures ExchangeThermometry::*Pair, std::size_t I>
Field temperature(const RunContext& c) {
  const double t = (c.exchange.*Pair).celsius[I];
  return std::isnan(t) ? Field{} : number(t);
}
constexpr auto bt = &ExchangeThermometry::biotite;
constexpr auto cpx = &ExchangeThermometry::clinopyroxene;
constexpr auto opx = &ExchangeThermometry::orthopyroxene;

}  // namespace

// The 188 columns of a results row: heading (row 1), width in twips, number format and value. A missing
// or extra row fails to compile. Each exchange pair shows its inputs, then its ten temperatures in the
// order of the headings (which is not everywhere the order they are computed in).
// clang-format off
constexpr std::array<ResultsColumn, results_column_count> results_columns = std::to_array<ResultsColumn>({
    {"Sample", 1900, Format::text, sample_name},  // 0
    {"[SiO2", 800, Format::general, entered<&AnalysisRecord::SiO2>},  // 1
    {"TiO2", 800, Format::general, entered<&AnalysisRecord::TiO2>},  // 2
    {"ZrO2", 800, Format::general, entered<&AnalysisRecord::ZrO2>},  // 3
    {"HfO2", 800, Format::general, entered<&AnalysisRecord::HfO2>},  // 4
    {"ThO2", 800, Format::general, entered<&AnalysisRecord::ThO2>},  // 5
    {"SnO2", 800, Format::general, entered<&AnalysisRecord::SnO2>},  // 6
    {"Al2O3", 800, Format::general, entered<&AnalysisRecord::Al2O3>},  // 7
    {"Cr2O3", 800, Format::general, entered<&AnalysisRecord::Cr2O3>},  // 8
    {"V2O3", 800, Format::general, entered<&AnalysisRecord::V2O3>},  // 9
    {"Fe2O3", 800, Format::general, entered<&AnalysisRecord::Fe2O3>},  // 10
    {"Mn2O3", 800, Format::general, entered<&AnalysisRecord::Mn2O3>, A::right_top},  // 11
    {"Sc2O3", 800, Format::general, entered<&AnalysisRecord::Sc2O3>, A::right_top},  // 12
    {"Y2O3+REE2O3", 1300, Format::general, formula<&RecalculatedFormula::Y2O3REEwt>, A::right_top},  // 13
    {"FeO", 800, Format::general, entered<&AnalysisRecord::FeO>},  // 14
    {"MgO", 800, Format::general, entered<&AnalysisRecord::MgO>},  // 15
    {"MnO", 800, Format::general, entered<&AnalysisRecord::MnO>},  // 16
    {"ZnO", 800, Format::general, entered<&AnalysisRecord::ZnO>},  // 17
    {"CaO", 800, Format::general, entered<&AnalysisRecord::CaO>},  // 18
    {"Na2O", 800, Format::general, entered<&AnalysisRecord::Na2O>},  // 19
    {"Li2O", 800, Format::general, entered<&AnalysisRecord::Li2O>},  // 20
    {"P2O5", 800, Format::general, entered<&AnalysisRecord::P2O5>},  // 21
    {"V2O5", 800, Format::general, entered<&AnalysisRecord::V2O5>},  // 22
    {"Sb2O5", 800, Format::general, entered<&AnalysisRecord::Sb2O5>},  // 23
    {"As2O5", 800, Format::general, entered<&AnalysisRecord::As2O5>},  // 24
    {"Nb2O5", 800, Format::general, entered<&AnalysisRecord::Nb2O5>},  // 25
    {"UO3", 800, Format::general, entered<&AnalysisRecord::UO3>},  // 26
    {"TeO3", 800, Format::general, entered<&AnalysisRecord::TeO3>},  // 27
    {"F", 800, Format::general, entered<&AnalysisRecord::F>},  // 28
    {"O=F", 800, Format::fixed3, formula<&RecalculatedFormula::OFwt>},  // 29
    {"H2O", 800, Format::general, entered<&AnalysisRecord::H2O>},  // 30
    {"Total]wt%", 850, Format::fixed3, formula<&RecalculatedFormula::TotalWt>},  // 31
    {"", 400, Format::none, nothing},  // 32
    {"[FeO(c)", 800, Format::fixed3, formula<&RecalculatedFormula::FeOcalc>},  // 33
    {"Fe2O3(c)", 800, Format::fixed3, formula<&RecalculatedFormula::Fe2O3calc>},  // 34
    {"MnO(c)", 800, Format::fixed3, formula<&RecalculatedFormula::MnOcalc>},  // 35
    {"Mn2O3(c)]wt%", 850, Format::fixed3, formula<&RecalculatedFormula::Mn2O3calc>},  // 36
    {"", 400, Format::none, nothing},  // 37
    {"[Si", 800, Format::fixed3, apfu<cation::Si>},  // 38
    {"Ti", 800, Format::fixed3, apfu<cation::Ti>},  // 39
    {"Zr", 800, Format::fixed3, apfu<cation::Zr>},  // 40
    {"Hf", 800, Format::fixed3, apfu<cation::Hf>},  // 41
    {"Th", 800, Format::fixed3, apfu<cation::Th>},  // 42
    {"Sn", 800, Format::fixed3, apfu<cation::Sn>},  // 43
    {"Al", 800, Format::fixed3, apfu<cation::Al>},  // 44
    {"Cr", 800, Format::fixed3, apfu<cation::Cr>},  // 45
    {"V+3", 800, Format::fixed3, apfu<cation::V3>},  // 46
    {"Fe3+", 800, Format::fixed3, apfu<cation::Fe3>},  // 47
    {"Mn3+", 800, Format::fixed3, apfu<cation::Mn3>},  // 48
    {"Sc", 800, Format::fixed3, apfu<cation::Sc>},  // 49
    {"Y+REE", 800, Format::fixed3, apfu<cation::YREE>},  // 50
    {"Fe2+", 800, Format::fixed3, apfu<cation::Fe2>},  // 51
    {"Mg", 800, Format::fixed3, apfu<cation::Mg>},  // 52
    {"Mn", 800, Format::fixed3, apfu<cation::Mn2>},  // 53
    {"Zn", 800, Format::fixed3, apfu<cation::Zn>},  // 54
    {"Ca", 800, Format::fixed3, apfu<cation::Ca>},  // 55
    {"Na", 800, Format::fixed3, apfu<cation::Na>},  // 56
    {"Li", 800, Format::fixed3, apfu<cation::Li>},  // 57
    {"P", 800, Format::fixed3, apfu<cation::P>},  // 58
    {"V5+", 800, Format::fixed3, apfu<cation::V5>},  // 59
    {"Sb", 800, Format::fixed3, apfu<cation::Sb>},  // 60
    {"As", 800, Format::fixed3, apfu<cation::As>},  // 61
    {"Nb", 800, Format::fixed3, apfu<cation::Nb>},  // 62
    {"U", 800, Format::fixed3, apfu<cation::U>},  // 63
    {"Te", 800, Format::fixed3, apfu<cation::Te>},  // 64
    {"F", 800, Format::fixed3, formula<&RecalculatedFormula::F4>},  // 65
    {"O=F", 800, Format::fixed3, formula<&RecalculatedFormula::OFapfu>},  // 66
    {"H4", 800, Format::fixed3, formula<&RecalculatedFormula::H4>},  // 67
    {"Total](apfu)", 900, Format::fixed3, formula<&RecalculatedFormula::TotalApfu>},  // 68
    {"", 400, Format::none, nothing},  // 69
    {"[Si", 800, Format::fixed3, z_site<&ZSite::Si>},  // 70
    {"Ti", 800, Format::fixed3, z_site<&ZSite::Ti>},  // 71
    {"Al", 800, Format::fixed3, z_site<&ZSite::Al>},  // 72
    {"Fe3+", 800, Format::fixed3, z_site<&ZSite::Fe3>},  // 73
    {"As", 800, Format::fixed3, z_site<&ZSite::As>},  // 74
    {"V5+", 800, Format::fixed3, z_site<&ZSite::V5>},  // 75
    {"P", 800, Format::fixed3, z_site<&ZSite::P>},  // 76
    {"Fe2+", 800, Format::fixed3, z_site<&ZSite::Fe2>},  // 77
    {"Zn", 800, Format::fixed3, z_site<&ZSite::Zn>},  // 78
    {"Li", 800, Format::fixed3, z_site<&ZSite::Li>},  // 79
    {"H4", 800, Format::fixed3, z_site<&ZSite::H4>},  // 80
    {"Vacancy", 800, Format::fixed3, z_site<&ZSite::vacancy>},  // 81
    {"Total]Z", 800, Format::fixed3, z_site<&ZSite::total>},  // 82
    {"", 400, Format::none, nothing},  // 83
    {"[Si", 800, Format::fixed3, y_site<&YSite::Si>},  // 84
    {"Ti", 800, Format::fixed3, y_site<&YSite::Ti>},  // 85
    {"Zr", 800, Format::fixed3, y_site<&YSite::Zr>},  // 86
    {"Hf", 800, Format::fixed3, y_site<&YSite::Hf>},  // 87
    {"Sn", 800, Format::fixed3, y_site<&YSite::Sn>},  // 88
    {"Sb", 800, Format::fixed3, y_site<&YSite::Sb>},  // 89
    {"Nb", 800, Format::fixed3, y_site<&YSite::Nb>},  // 90
    {"Te", 800, Format::fixed3, y_site<&YSite::Te>},  // 91
    {"U", 800, Format::fixed3, y_site<&YSite::U>},  // 92
    {"Al", 800, Format::fixed3, y_site<&YSite::Al>},  // 93
    {"Fe3+", 800, Format::fixed3, y_site<&YSite::Fe3>},  // 94
    {"Sc", 800, Format::fixed3, y_site<&YSite::Sc>},  // 95
    {"V3+", 800, Format::fixed3, y_site<&YSite::V3>},  // 96
    {"Cr", 800, Format::fixed3, y_site<&YSite::Cr>},  // 97
    {"Mn3+", 800, Format::fixed3, y_site<&YSite::Mn3>},  // 98
    {"Mg", 800, Format::fixed3, y_site<&YSite::Mg>},  // 99
    {"Fe2+", 800, Format::fixed3, y_site<&YSite::Fe2>},  // 100
    {"Mn2+", 800, Format::fixed3, y_site<&YSite::Mn2>},  // 101
    {"Total]Y", 800, Format::fixed3, y_site<&YSite::total>},  // 102
    {"", 400, Format::none, nothing},  // 103
    {"[Th", 800, Format::fixed3, x_site<&XSite::Th>},  // 104
    {"Y+REE", 800, Format::fixed3, x_site<&XSite::YREE>},  // 105
    {"Fe2+", 800, Format::fixed3, x_site<&XSite::Fe2>},  // 106
    {"Mn2+", 800, Format::fixed3, x_site<&XSite::Mn2>},  // 107
    {"Mg", 800, Format::fixed3, x_site<&XSite::Mg>},  // 108
    {"Ca", 800, Format::fixed3, x_site<&XSite::Ca>},  // 109
    {"Na", 800, Format::fixed3, x_site<&XSite::Na>},  // 110
    {"Total]X", 800, Format::fixed3, x_site<&XSite::total>},  // 111
    {"", 400, Format::none, nothing},  // 112
    {"[O", 800, Format::fixed3, anion<&AnionSite::O>},  // 113
    {"OH", 800, Format::fixed3, anion<&AnionSite::OH>},  // 114
    {"F", 800, Format::fixed3, anion<&AnionSite::F>},  // 115
    {"Total]Anion", 1000, Format::fixed3, anion<&AnionSite::total>},  // 116
    {"", 400, Format::none, nothing},  // 117
    {"Monovalent Z", 1200, Format::fixed2, charge_class<engine::Z1>},  // 118
    {"Divalent Z", 1000, Format::fixed2, charge_class<engine::Z2>},  // 119
    {"Trivalent Z", 1000, Format::fixed2, charge_class<engine::Z3>},  // 120
    {"Tetravalent Z", 1100, Format::fixed2, charge_class<engine::Z4>},  // 121
    {"Pentavalent Z", 1200, Format::fixed2, charge_class<engine::Z5>},  // 122
    {"Hydrogen for Z", 1300, Format::fixed2, charge_class<engine::ZH>},  // 123
    {"Vacancy at Z", 1100, Format::fixed2, charge_class<engine::Zv>},  // 124
    {"Divalent Y", 1000, Format::fixed2, charge_class<engine::Y2>},  // 125
    {"Trivalent Y", 1000, Format::fixed2, charge_class<engine::Y3>},  // 126
    {"Tetravalent Y", 1100, Format::fixed2, charge_class<engine::Y4>},  // 127
    {"Pentavalent Y", 1200, Format::fixed2, charge_class<engine::Y5>},  // 128
    {"Hexavalent Y", 1200, Format::fixed2, charge_class<engine::Y6>},  // 129
    {"Monovalent X", 1200, Format::fixed2, charge_class<engine::X1>},  // 130
    {"Divalent X", 1000, Format::fixed2, charge_class<engine::X2>},  // 131
    {"Trivalent X", 1000, Format::fixed2, charge_class<engine::X3>},  // 132
    {"Tetravalent X", 1200, Format::fixed2, charge_class<engine::X4>},  // 133
    {"Monovalent anions", 1600, Format::fixed2, charge_class<engine::A1>},  // 134
    {"Divalent anions", 1300, Format::fixed2, charge_class<engine::A2>},  // 135
    {"", 400, Format::none, nothing},  // 136
    {"[Dominant Charge Formula]", 2700, Format::text, dominant_formula},  // 137
    {"[Dominant Formula Type]", 2200, Format::text, formula_type},  // 138
    {"[Garnet Group]", 1500, Format::text, garnet_group},  // 139
    {"[Garnet Species]", 1800, Format::text, garnet_species},  // 140
    {"", 400, Format::none, nothing},  // 141
    {"[P](kbar)", 900, Format::general, partner_input<bt, &AnalysisRecord::PGrtBt>},  // 142
    {"[AlVI", 900, Format::general, partner_input<bt, &AnalysisRecord::BtAlVI>},  // 143
    {"Ti", 900, Format::general, partner_input<bt, &AnalysisRecord::BtTi>},  // 144
    {"Fe2+", 900, Format::general, partner_input<bt, &AnalysisRecord::BtFe2>},  // 145
    {"Mg](apfu)", 900, Format::general, partner_input<bt, &AnalysisRecord::BtMg>},  // 146
    {"[TT76", 1000, Format::whole, temperature<bt, 0>},  // 147
    {"TFS78", 1000, Format::whole, temperature<bt, 1>},  // 148
    {"THS82", 1000, Format::whole, temperature<bt, 2>},  // 149
    {"TPL83", 1000, Format::whole, temperature<bt, 3>},  // 150
    {"TGS84", 1000, Format::whole, temperature<bt, 4>},  // 151
    {"T1IM85", 1000, Format::whole, temperature<bt, 5>},  // 152
    {"T2IM85", 1000, Format::whole, temperature<bt, 6>},  // 153
    {"TD91", 1000, Format::whole, temperature<bt, 7>},  // 154
    {"TDB92HW84", 1100, Format::whole, temperature<bt, 8>},  // 155
    {"TDB92GS84](oC)", 1400, Format::whole, temperature<bt, 9>},  // 156
    {"", 400, Format::none, nothing},  // 157
    {"[P](kbar)", 900, Format::general, partner_input<cpx, &AnalysisRecord::PGrtCpx>},  // 158
    {"[Al(tot)", 900, Format::general, partner_input<cpx, &AnalysisRecord::CpxAlTot>},  // 159
    {"Fe(tot)", 900, Format::general, partner_input<cpx, &AnalysisRecord::CpxFeTot>},  // 160
    {"Fe2+", 900, Format::general, partner_input<cpx, &AnalysisRecord::CpxFe2>},  // 161
    {"Mg](apfu)", 900, Format::general, partner_input<cpx, &AnalysisRecord::CpxMg>},  // 162
    {"[TRG74", 1000, Format::whole, temperature<cpx, 0>},  // 163
    {"TEG79", 1000, Format::whole, temperature<cpx, 1>},  // 164
    {"TG79", 1000, Format::whole, temperature<cpx, 2>},  // 165
    {"TP85", 1000, Format::whole, temperature<cpx, 3>},  // 166
    {"TK88", 1000, Format::whole, temperature<cpx, 4>},  // 167
    {"TA94", 1000, Format::whole, temperature<cpx, 5>},  // 168
    {"TG96", 1000, Format::whole, temperature<cpx, 6>},  // 169
    {"TL98", 1000, Format::whole, temperature<cpx, 7>},  // 170
    {"TKR00", 1000, Format::whole, temperature<cpx, 8>},  // 171
    {"TN09]oC)Grt-Cpx", 1400, Format::whole, temperature<cpx, 9>},  // 172
    {"", 400, Format::none, nothing},  // 173
    {"[P](kbar)", 900, Format::general, partner_input<opx, &AnalysisRecord::PGrtOpx>},  // 174
    {"[Altot", 900, Format::general, partner_input<opx, &AnalysisRecord::OpxAlTot>},  // 175
    {"Fe2+", 900, Format::general, partner_input<opx, &AnalysisRecord::OpxFe2>},  // 176
    {"Mg](apfu)", 900, Format::general, partner_input<opx, &AnalysisRecord::OpxMg>},  // 177
    {"[TD80", 1000, Format::whole, temperature<opx, 0>},  // 178
    {"TR83", 1000, Format::whole, temperature<opx, 1>},  // 179
    {"TH84", 1000, Format::whole, temperature<opx, 2>},  // 180
    {"TSB84", 1000, Format::whole, temperature<opx, 3>},  // 181
    {"TLG84", 1000, Format::whole, temperature<opx, 4>},  // 182
    {"TP85", 1000, Format::whole, temperature<opx, 5>},  // 183
    {"TLG88", 1000, Format::whole, temperature<opx, 6>},  // 184
    {"TPL90", 1000, Format::whole, temperature<opx, 7>},  // 185
    {"TB91", 1000, Format::whole, temperature<opx, 8>},  // 186
    {"TL93]oC)Grt-Opx", 1500, Format::whole, temperature<opx, 9>},  // 187
});
// clang-format on

std::optional<engine::Rgb> results_heading_colour(int c) {
  using engine::Block;
  using engine::Rgb;
  if (c >= 142 && c <= 146) return engine::block_colour(Block::biotite);
  if (c >= 147 && c <= 156) return Rgb{204, 255, 255};  // garnet-biotite temperatures
  if (c >= 158 && c <= 162) return engine::block_colour(Block::clinopyroxene);
  if (c >= 163 && c <= 172) return Rgb{204, 255, 52};  // garnet-clinopyroxene temperatures
  if (c >= 174 && c <= 177) return engine::block_colour(Block::orthopyroxene);
  if (c >= 178 && c <= 187) return Rgb{255, 220, 255};  // garnet-orthopyroxene temperatures
  return std::nullopt;
}

}  // namespace kolbex::results
