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
