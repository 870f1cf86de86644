#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kolbex::engine {

// One analysis row as numbers: the sample name, 43 weight percentages (41 oxides, fluorine and water),
// the cubic-symmetry flag and the compositions and pressures of the three partner minerals.
// Oxides in wt%, partner compositions in atoms per formula unit of that mineral, pressures in kbar.
struct AnalysisRecord {
  std::string SampleNo;  // as typed
  double SiO2 = 0, TiO2 = 0, ZrO2 = 0, HfO2 = 0, ThO2 = 0, SnO2 = 0;
  double Al2O3 = 0, Cr2O3 = 0, V2O3 = 0;
  double Fe2O3 = 0;  // ferric iron when determined; 0 when all iron is given as FeO
  double Mn2O3 = 0;  // 0 when all manganese is given as MnO
  double Sc2O3 = 0;
  double Y2O3 = 0;  // Y2O3, or Y2O3 with the rare-earth oxides lumped in
  double FeO = 0;   // ferrous or total iron
  double MgO = 0;
  double MnO = 0;  // divalent or total manganese
  double ZnO = 0, CaO = 0, Na2O = 0, Li2O = 0;
  double P2O5 = 0, V2O5 = 0, Sb2O5 = 0, As2O5 = 0, Nb2O5 = 0, UO3 = 0, TeO3 = 0;
  double F = 0;  // wt% of fluorine
  double H2O = 0;
  std::string CubicFlag;  // as typed
  double La2O3 = 0, Ce2O3 = 0, Pr2O3 = 0, Nd2O3 = 0, Sm2O3 = 0, Eu2O3 = 0, Gd2O3 = 0;
  double Tb2O3 = 0, Dy2O3 = 0, Ho2O3 = 0, Er2O3 = 0, Tm2O3 = 0, Yb2O3 = 0, Lu2O3 = 0;
  double PGrtBt = 0;                                         // kbar
  double BtAlVI = 0, BtTi = 0, BtFe2 = 0, BtMg = 0;          // biotite apfu
  double PGrtCpx = 0;                                        // kbar
  double CpxAlTot = 0, CpxFeTot = 0, CpxFe2 = 0, CpxMg = 0;  // clinopyroxene apfu
  double PGrtOpx = 0;                                        // kbar
  double OpxAlTot = 0, OpxFe2 = 0, OpxMg = 0;                // orthopyroxene apfu
};

// The analysis table's layout: 65 columns, column 0 the row number, columns 1 to 64 the record.
inline constexpr int analysis_columns = 65;
inline constexpr int sample_column = 1;
inline constexpr int sio2_column = 2;
inline constexpr int feo_column = 15;
inline constexpr int cubic_flag_column = 32;
// The 43 weight-percent cells: columns 2 to 30 (SiO2 to H2O) and 34 to 47 (La2O3 to Lu2O3).
inline constexpr int oxide_column_count = 43;
constexpr bool is_oxide_column(int column) {
  return (column >= 2 && column <= 30) || (column >= 34 && column <= 47);
}

// The headings of row 0. The spacer columns 31, 33, 48, 54 and 60 have none and are never read. The
// brackets of the partner-mineral headings mark the first and last column of each block.
inline constexpr auto analysis_headings = std::to_array<std::string_view>({
    "Row No",
    "Sample No",
    "SiO2",
    "TiO2",
    "ZrO2",
    "HfO2",
    "ThO2",
    "SnO2",
    "Al2O3",
    "Cr2O3",
    "V2O3",
    "Fe2O3",
    "Mn2O3",
    "Sc2O3",
    "Y2O3+REE2O3",
    "FeO",
    "MgO",
    "MnO",
    "ZnO",
    "CaO",
    "Na2O",
    "Li2O",
    "P2O5",
    "V2O5",
    "Sb2O5",
    "As2O5",
    "Nb2O5",
    "UO3",
    "TeO3",
    "F",
    "H2O",
    "",
    "Cubic? [True/False]",
    "",
    "La2O3",
    "Ce2O3",
    "Pr2O3",
    "Nd2O3",
    "Sm2O3",
    "Eu2O3",
    "Gd2O3",
    "Tb2O3",
    "Dy2O3",
    "Ho2O3",
    "Er2O3",
    "Tm2O3",
    "Yb2O3",
    "Lu2O3",
    "",
    "[P(kbar)Grt-Bt]",
    "[Al(VI)",
    "Ti",
    "Fe2+",
    "Mg]Biotite",
    "",
    "[P(kbar)Grt-Cpx]",
    "[Al(total)",
    "Fe(total)",
    "Fe2+",
    "Mg]Clinopyroxene",
    "",
    "[P(kbar)Grt-Opx]",
    "[Al(total)",
    "Fe2+",
    "Mg]Orthopyroxene",
});
static_assert(analysis_headings.size() == analysis_columns);

// A numeric column of the record.
struct RecordColumn {
  int column;
  double AnalysisRecord::*field;
};
inline constexpr auto numeric_record_columns = std::to_array<RecordColumn>({
    {2, &AnalysisRecord::SiO2},      {3, &AnalysisRecord::TiO2},      {4, &AnalysisRecord::ZrO2},
    {5, &AnalysisRecord::HfO2},      {6, &AnalysisRecord::ThO2},      {7, &AnalysisRecord::SnO2},
    {8, &AnalysisRecord::Al2O3},     {9, &AnalysisRecord::Cr2O3},     {10, &AnalysisRecord::V2O3},
    {11, &AnalysisRecord::Fe2O3},    {12, &AnalysisRecord::Mn2O3},    {13, &AnalysisRecord::Sc2O3},
    {14, &AnalysisRecord::Y2O3},     {15, &AnalysisRecord::FeO},      {16, &AnalysisRecord::MgO},
    {17, &AnalysisRecord::MnO},      {18, &AnalysisRecord::ZnO},      {19, &AnalysisRecord::CaO},
    {20, &AnalysisRecord::Na2O},     {21, &AnalysisRecord::Li2O},     {22, &AnalysisRecord::P2O5},
    {23, &AnalysisRecord::V2O5},     {24, &AnalysisRecord::Sb2O5},    {25, &AnalysisRecord::As2O5},
    {26, &AnalysisRecord::Nb2O5},    {27, &AnalysisRecord::UO3},      {28, &AnalysisRecord::TeO3},
    {29, &AnalysisRecord::F},        {30, &AnalysisRecord::H2O},      {34, &AnalysisRecord::La2O3},
    {35, &AnalysisRecord::Ce2O3},    {36, &AnalysisRecord::Pr2O3},    {37, &AnalysisRecord::Nd2O3},
    {38, &AnalysisRecord::Sm2O3},    {39, &AnalysisRecord::Eu2O3},    {40, &AnalysisRecord::Gd2O3},
    {41, &AnalysisRecord::Tb2O3},    {42, &AnalysisRecord::Dy2O3},    {43, &AnalysisRecord::Ho2O3},
    {44, &AnalysisRecord::Er2O3},    {45, &AnalysisRecord::Tm2O3},    {46, &AnalysisRecord::Yb2O3},
    {47, &AnalysisRecord::Lu2O3},    {49, &AnalysisRecord::PGrtBt},   {50, &AnalysisRecord::BtAlVI},
    {51, &AnalysisRecord::BtTi},     {52, &AnalysisRecord::BtFe2},    {53, &AnalysisRecord::BtMg},
    {55, &AnalysisRecord::PGrtCpx},  {56, &AnalysisRecord::CpxAlTot}, {57, &AnalysisRecord::CpxFeTot},
    {58, &AnalysisRecord::CpxFe2},   {59, &AnalysisRecord::CpxMg},    {61, &AnalysisRecord::PGrtOpx},
    {62, &AnalysisRecord::OpxAlTot}, {63, &AnalysisRecord::OpxFe2},   {64, &AnalysisRecord::OpxMg},
});
// Every headed column but the sample name and the cubic flag is numeric.
static_assert(numeric_record_columns.size() == 57);

// Read access to an analysis table's cells; a cell outside the table reads as the empty text.
class CellSource {
 public:
  virtual ~CellSource() = default;
  virtual std::string_view cell(int row, int column) const = 0;
};

// Fills `record` from analysis row `row` (1 = first analysis); the numbers through cell_value, the
// sample name and cubic flag as their raw text.
void read_analysis_record(const CellSource& table, int row, AnalysisRecord& record);

}  // namespace kolbex::engine
