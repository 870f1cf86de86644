#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis_record.h"

namespace kolbex::engine {

// How a grid cell's text sits in it.
enum class CellAlignment {
  grid_default,  // left, vertically centred
  left,          // left, vertically centred
  centred,       // centred both ways
  right_top,     // right and top
};

// The blocks of the analysis table's columns.
enum class Block : std::uint8_t {
  row_number,
  sample,
  oxides,  // the weight percentages SiO2 to H2O
  spacer,  // an empty column between blocks, never read
  cubic_flag,
  rare_earths,  // La2O3 to Lu2O3, in weight per cent
  biotite,      // the garnet-biotite pressure and the biotite's composition
  clinopyroxene,
  orthopyroxene,
};

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

// The heading colour of a block: the three partner minerals have one each, in both grids and the input
// templates; the others none.
constexpr std::optional<Rgb> block_colour(Block block) {
  switch (block) {
    case Block::biotite: return Rgb{224, 255, 255};
    case Block::clinopyroxene: return Rgb{230, 255, 204};
    case Block::orthopyroxene: return Rgb{255, 235, 255};
    default: return std::nullopt;
  }
}

// A column of the analysis table: its heading (row 0), the record field its cells fill (a number read by
// cell_value, or a text as typed; neither for the row number and the spacers), its width in twips (1/1440
// inch; 15 twips are one pixel at 96 dots per inch), how its data cells and its heading are aligned, and
// its block.
struct AnalysisColumn {
  std::string_view heading;
  double AnalysisRecord::*number;
  std::string AnalysisRecord::*text;
  int width;
  CellAlignment data, heading_alignment;
  Block block;
};

inline constexpr int analysis_column_count = 65;

// The 65 columns, column 0 the row number, columns 1 to 64 the record. The brackets of the partner-mineral
// headings mark the first and last column of each block.
// clang-format off
inline constexpr std::array<AnalysisColumn, analysis_column_count> analysis_columns = [] {
  using R = AnalysisRecord;
  using A = CellAlignment;
  using B = Block;
  return std::array<AnalysisColumn, analysis_column_count>{{
      {"Row No", nullptr, nullptr, 700, A::centred, A::left, B::row_number},  // 0
      {"Sample No", nullptr, &R::SampleNo, 1800, A::grid_default, A::left, B::sample},  // 1
      {"SiO2", &R::SiO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 2
      {"TiO2", &R::TiO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 3
      {"ZrO2", &R::ZrO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 4
      {"HfO2", &R::HfO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 5
      {"ThO2", &R::ThO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 6
      {"SnO2", &R::SnO2, nullptr, 800, A::centred, A::centred, B::oxides},  // 7
      {"Al2O3", &R::Al2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 8
      {"Cr2O3", &R::Cr2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 9
      {"V2O3", &R::V2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 10
      {"Fe2O3", &R::Fe2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 11
      {"Mn2O3", &R::Mn2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 12
      {"Sc2O3", &R::Sc2O3, nullptr, 800, A::centred, A::centred, B::oxides},  // 13
      {"Y2O3+REE2O3", &R::Y2O3, nullptr, 1300, A::centred, A::centred, B::oxides},  // 14
      {"FeO", &R::FeO, nullptr, 800, A::centred, A::centred, B::oxides},  // 15
      {"MgO", &R::MgO, nullptr, 800, A::centred, A::centred, B::oxides},  // 16
      {"MnO", &R::MnO, nullptr, 800, A::centred, A::centred, B::oxides},  // 17
      {"ZnO", &R::ZnO, nullptr, 800, A::centred, A::centred, B::oxides},  // 18
      {"CaO", &R::CaO, nullptr, 800, A::centred, A::centred, B::oxides},  // 19
      {"Na2O", &R::Na2O, nullptr, 800, A::centred, A::centred, B::oxides},  // 20
      {"Li2O", &R::Li2O, nullptr, 800, A::centred, A::centred, B::oxides},  // 21
      {"P2O5", &R::P2O5, nullptr, 800, A::centred, A::centred, B::oxides},  // 22
      {"V2O5", &R::V2O5, nullptr, 800, A::centred, A::centred, B::oxides},  // 23
      {"Sb2O5", &R::Sb2O5, nullptr, 800, A::centred, A::centred, B::oxides},  // 24
      {"As2O5", &R::As2O5, nullptr, 800, A::centred, A::centred, B::oxides},  // 25
      {"Nb2O5", &R::Nb2O5, nullptr, 800, A::centred, A::centred, B::oxides},  // 26
      {"UO3", &R::UO3, nullptr, 800, A::centred, A::centred, B::oxides},  // 27
      {"TeO3", &R::TeO3, nullptr, 800, A::centred, A::centred, B::oxides},  // 28
      {"F", &R::F, nullptr, 800, A::centred, A::centred, B::oxides},  // 29
      {"H2O", &R::H2O, nullptr, 800, A::centred, A::centred, B::oxides},  // 30
      {"", nullptr, nullptr, 400, A::grid_default, A::centred, B::spacer},  // 31
      {"Cubic? [True/False]", nullptr, &R::CubicFlag, 1800, A::centred, A::centred, B::cubic_flag},  // 32
      {"", nullptr, nullptr, 400, A::grid_default, A::centred, B::spacer},  // 33
      {"La2O3", &R::La2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 34
      {"Ce2O3", &R::Ce2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 35
      {"Pr2O3", &R::Pr2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 36
      {"Nd2O3", &R::Nd2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 37
      {"Sm2O3", &R::Sm2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 38
      {"Eu2O3", &R::Eu2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 39
      {"Gd2O3", &R::Gd2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 40
      {"Tb2O3", &R::Tb2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 41
      {"Dy2O3", &R::Dy2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 42
      {"Ho2O3", &R::Ho2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 43
      {"Er2O3", &R::Er2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 44
      {"Tm2O3", &R::Tm2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 45
      {"Yb2O3", &R::Yb2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 46
      {"Lu2O3", &R::Lu2O3, nullptr, 800, A::centred, A::centred, B::rare_earths},  // 47
      {"", nullptr, nullptr, 400, A::grid_default, A::centred, B::spacer},  // 48
      {"[P(kbar)Grt-Bt]", &R::PGrtBt, nullptr, 1300, A::centred, A::centred, B::biotite},  // 49
      {"[Al(VI)", &R::BtAlVI, nullptr, 800, A::centred, A::centred, B::biotite},  // 50
      {"Ti", &R::BtTi, nullptr, 800, A::centred, A::centred, B::biotite},  // 51
      {"Fe2+", &R::BtFe2, nullptr, 800, A::centred, A::centred, B::biotite},  // 52
      {"Mg]Biotite", &R::BtMg, nullptr, 900, A::centred, A::centred, B::biotite},  // 53
      {"", nullptr, nullptr, 400, A::grid_default, A::centred, B::spacer},  // 54
      {"[P(kbar)Grt-Cpx]", &R::PGrtCpx, nullptr, 1400, A::centred, A::centred, B::clinopyroxene},  // 55
      {"[Al(total)", &R::CpxAlTot, nullptr, 1000, A::centred, A::centred, B::clinopyroxene},  // 56
      {"Fe(total)", &R::CpxFeTot, nullptr, 1000, A::centred, A::centred, B::clinopyroxene},  // 57
      {"Fe2+", &R::CpxFe2, nullptr, 800, A::centred, A::centred, B::clinopyroxene},  // 58
      {"Mg]Clinopyroxene", &R::CpxMg, nullptr, 1600, A::centred, A::centred, B::clinopyroxene},  // 59
      {"", nullptr, nullptr, 400, A::grid_default, A::centred, B::spacer},  // 60
      {"[P(kbar)Grt-Opx]", &R::PGrtOpx, nullptr, 1400, A::centred, A::centred, B::orthopyroxene},  // 61
      {"[Al(total)", &R::OpxAlTot, nullptr, 1000, A::centred, A::centred, B::orthopyroxene},  // 62
      {"Fe2+", &R::OpxFe2, nullptr, 800, A::centred, A::centred, B::orthopyroxene},  // 63
      {"Mg]Orthopyroxene", &R::OpxMg, nullptr, 1600, A::centred, A::centred, B::orthopyroxene},  // 64
  }};
}();
// clang-format on

inline constexpr int sample_column = 1;
inline constexpr int sio2_column = 2;
inline constexpr int feo_column = 15;
inline constexpr int cubic_flag_column = 32;
static_assert(analysis_columns[sample_column].text == &AnalysisRecord::SampleNo);
static_assert(analysis_columns[sio2_column].number == &AnalysisRecord::SiO2);
static_assert(analysis_columns[feo_column].number == &AnalysisRecord::FeO);
static_assert(analysis_columns[cubic_flag_column].text == &AnalysisRecord::CubicFlag);

// The 43 weight-percent cells: columns 2 to 30 (SiO2 to H2O) and 34 to 47 (La2O3 to Lu2O3).
inline constexpr int oxide_column_count = 43;
constexpr bool is_oxide_column(int column) {
  if (column < 0 || column >= analysis_column_count) return false;
  const Block b = analysis_columns[static_cast<std::size_t>(column)].block;
  return b == Block::oxides || b == Block::rare_earths;
}

// The headings of row 0, as the table above has them.
inline constexpr auto analysis_headings = [] {
  std::array<std::string_view, analysis_column_count> headings{};
  for (std::size_t c = 0; c < headings.size(); ++c) headings[c] = analysis_columns[c].heading;
  return headings;
}();

}  // namespace kolbex::engine
