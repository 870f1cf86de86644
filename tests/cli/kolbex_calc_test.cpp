// kolbex-calc end to end: the built program on small fixtures.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "entry/analysis_table.h"
#include "entry/data_set_file.h"
#include "results/calculation_run.h"
#include "results/results_table.h"
#include "shell/line_reader.h"
#include "shell/text_encoding.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xlsx_sheet.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

class KolbexCalc : public testing::Test {
 protected:
  // Runs kolbex-calc with the arguments (each single-quoted for the shell) in the test's folder.
  int run(const std::vector<std::string>& args) {
    std::string command = "cd '" + folder_.string() + "' && '" KOLBEX_CALC "'";
    for (const std::string& a : args) command += " '" + a + "'";
    command += " > out.txt 2> err.txt";
    const int status = std::system(command.c_str());
    out_ = slurp(folder_ / "out.txt");
    err_ = slurp(folder_ / "err.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // The results table as rows of fields; every row ends with LF.
  std::vector<std::vector<std::string>> table() const {
    EXPECT_FALSE(out_.empty());
    EXPECT_EQ(out_.back(), '\n');
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : split(out_.substr(0, out_.size() - 1), '\n'))
      rows.push_back(split(line, '\t'));
    return rows;
  }

  kolbex::test::TempFolder temp_{"kolbex-calc"};
  const fs::path folder_ = temp_.path();
  std::string out_, err_;
};

const std::string fixtures = KOLBEX_FIXTURES;

// The example data set's analyses as lines of TAB-separated fields, columns 1 to 64.
std::vector<std::string> example_lines() {
  kolbex::entry::AnalysisTable table;
  kolbex::entry::place_data_set(table, slurp(KOLBEX_EXAMPLE));
  std::vector<std::string> lines;
  for (int r = 1; r <= kolbex::results::count_analyses(table, 300).row_count; ++r) {
    std::string line;
    for (int c = 1; c < table.C(); ++c) line += (c > 1 ? "\t" : "") + table.text(r, c);
    lines.push_back(line);
  }
  return lines;
}

// The results file of a text pasted into an analysis table of as many rows as it has lines, calculated
// over all of them.
std::string table_route_results(const std::string& bytes, const fs::path& diagrams) {
  const std::string text = kolbex::shell::to_utf8(bytes);
  int lines = 0;
  std::string_view line;
  for (std::size_t start = 0; kolbex::shell::next_line(text, start, line);) ++lines;
  kolbex::entry::AnalysisTable table(lines);
  table.select_block({1, 1}, {lines, table.C() - 1});
  table.write_clip_text(text);
  fs::create_directories(diagrams);
  kolbex::results::ResultsTable results;
  kolbex::results::run_calculation(table, lines, {}, results, diagrams);
  std::string out;
  for (std::size_t r = 0; r < results.row_count(); ++r) out += std::string(results.row_text(r)) + '\n';
  return out;
}

TEST_F(KolbexCalc, CalculatesADataSet) {
  ASSERT_EQ(run({fixtures + "/three_garnets.gsg"}), 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 5u);  // two header rows and three analyses
  for (const auto& row : rows) ASSERT_EQ(row.size(), 188u);
  EXPECT_EQ(rows[0][0], "K o l b e x");
  EXPECT_EQ(rows[1][140], "[Garnet Species]");
  const std::string species[] = {"pyrope", "almandine", "andradite"};
  for (int i = 0; i < 3; ++i) {
    const auto& r = rows[2 + i];
    EXPECT_EQ(r[139], "Garnet");
    EXPECT_EQ(r[140], species[i]);
    EXPECT_EQ(r[138], "tetravalent Z garnet");
    EXPECT_EQ(r[137], "{X2+3}[Y3+2](Z4+3)A2-12");
  }
  // DHZ almandine: 36.7 + 0.75 + 21.4 + 29.9 + 0.9 + 1.14 + 9.02 = 99.81 wt%.
  EXPECT_EQ(rows[3][0], "DHZ-almandine");
  EXPECT_EQ(rows[3][1], "36.7");
  EXPECT_EQ(rows[3][31], "99.810");
  // On 12 oxygens its cations sum to 7.9923 (Si 2.949, Al 2.027, Fe 2.009, Ca 0.777, ...): with no cation
  // excess no iron becomes ferric.
  EXPECT_EQ(rows[3][38], "2.949");
  EXPECT_EQ(rows[3][47], "0.000");
  EXPECT_EQ(rows[3][68], "7.992");
}

TEST_F(KolbexCalc, TabTextAndSeveralRunsAppendToOneTable) {
  const std::string results = (folder_ / "results.tsv").string();
  ASSERT_EQ(run({"--results", results, fixtures + "/three_garnets.tsv", fixtures + "/three_garnets.gsg"}), 0)
      << err_;
  EXPECT_TRUE(out_.empty());
  out_ = slurp(results);
  const auto rows = table();
  ASSERT_EQ(rows.size(), 8u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rows[2 + i], rows[5 + i]) << "row " << i;
}

// A .tsv runs through its last line that holds an analysis: a blank line inside is an all-zero analysis,
// and a silica-free garnet on the last line is not dropped.
TEST_F(KolbexCalc, TabTextRunsThroughTheLastAnalysis) {
  std::string almandine = "alm\t36.7\t0.75";
  for (int c = 4; c <= 7; ++c) almandine += '\t';
  almandine += "\t21.4";  // column 8, Al2O3
  std::string arsenate = "ars";
  for (int c = 2; c <= 24; ++c) arsenate += '\t';
  arsenate += "\t50.1";  // column 25, As2O5
  std::ofstream(folder_ / "gaps.tsv", std::ios::binary) << almandine << "\n\n" << arsenate << "\n";
  ASSERT_EQ(run({"gaps.tsv"}), 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 2u + 3u);
  EXPECT_EQ(rows[2][0], "alm");
  EXPECT_EQ(rows[3][0], "");
  EXPECT_EQ(rows[4][0], "ars");
}

// A tab-separated text is read line by line, never held: the results are those of the same text pasted
// into an analysis table and calculated there. Windows-1252 names, CR, LF and CR LF endings, a line with
// more than 64 fields, blank lines inside and after the analyses.
TEST_F(KolbexCalc, StreamedTabTextMatchesTheTableRoute) {
  std::string text;
  const std::vector<std::string> lines = example_lines();
  const char* endings[] = {"\r\n", "\n", "\r"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += (i == 3 ? std::string("Gr\xFCn ") : std::string()) + lines[i];  // not UTF-8: Windows-1252
    if (i == 5) text += std::string(70, '\t') + "beyond column 64";
    text += endings[i % 3];
    if (i == 7) text += "\n\n";
  }
  text += "\r\n\r\n";
  std::ofstream(folder_ / "stream.tsv", std::ios::binary) << text;
  ASSERT_EQ(run({"--no-headings", "stream.tsv"}), 0) << err_;
  EXPECT_EQ(out_, table_route_results(text, (folder_ / "table").string()));
}

// The 386 published analyses of real-garnets.csv (copied from the shared data; its columns include source,
// sample, NiO, K2O, P2O5 and notes) imported by their headings give the same results, row for row, as the
// same analyses typed into the fixed layout (real_garnets_fixed.tsv, written by make_fixed_layout.py).
TEST_F(KolbexCalc, ImportByHeadingsMatchesTheFixedLayout) {
  const std::string folder = fixtures + "/import";
  ASSERT_EQ(run({folder + "/real-garnets.csv"}), 0) << err_;
  const auto imported = table();
  EXPECT_NE(err_.find("386 analyses, 18 columns recognised, 11 ignored: source, NiO, K2O, total_as_given"),
            std::string::npos)
      << err_;
  EXPECT_NE(err_.find("ignored column: NiO\n"), std::string::npos);
  ASSERT_EQ(run({folder + "/real_garnets_fixed.tsv"}), 0) << err_;
  const auto typed = table();
  ASSERT_EQ(imported.size(), 2u + 386u);
  EXPECT_EQ(imported, typed);
  int almandine = 0, pyrope = 0;
  for (std::size_t r = 2; r < imported.size(); ++r) {
    almandine += imported[r][140] == "almandine";
    pyrope += imported[r][140] == "pyrope";
  }
  EXPECT_EQ(almandine, 160);
  EXPECT_EQ(pyrope, 82);
}

// A CSV in probe order, the heading row under a title; --no-headings reads the same file by position;
// files that cannot be imported say why and write nothing.
TEST_F(KolbexCalc, CsvByHeadingsByPositionAndRefused) {
  std::ofstream(folder_ / "probe.csv", std::ios::binary)
      << "Run 7\nSample,SiO2,TiO2,Al2O3,Cr2O3,FeO,MnO,MgO,CaO,Na2O,K2O,Total\n"
         "DHZ-almandine,36.7,0.75,21.4,,29.9,1.14,0.9,9.02,,,99.81\n";
  ASSERT_EQ(run({"probe.csv"}), 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2][0], "DHZ-almandine");
  EXPECT_EQ(rows[2][1], "36.7");  // SiO2 where SiO2 belongs
  EXPECT_EQ(rows[2][140], "almandine");
  EXPECT_NE(err_.find("probe.csv: skipped above the headings: Run 7"), std::string::npos) << err_;
  ASSERT_EQ(run({"--no-headings", "probe.csv"}), 0) << err_;
  EXPECT_EQ(table().size(), 2u + 3u);  // the title, the heading row and the analysis, by position
  const std::string results = (folder_ / "results.tsv").string();
  std::ofstream(folder_ / "empty.csv") << "";
  std::ofstream(folder_ / "twice.csv") << "SiO2,Al2O3,FeO,FeOT\n37,21,30,31\n";
  std::ofstream(folder_ / "elements.csv") << "Sample,Si,Al,Fe,Mg\na,17.5,11.2,23.1,2.0\n";
  for (const auto& [file, reason] :
       std::vector<std::pair<std::string, std::string>>{{"empty.csv", "empty"},
                                                        {"twice.csv", "both go to FeO"},
                                                        {"elements.csv", "element percentages"}}) {
    EXPECT_EQ(run({"--results", results, file}), 2) << file;
    EXPECT_NE(err_.find(file + ": "), std::string::npos) << err_;
    EXPECT_NE(err_.find(reason), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(results));
  }
}

// A workbook exported by a probe, its headings on row 3 under a title and a units line, is imported by
// its headings like a CSV.
TEST_F(KolbexCalc, WorkbookWithHeadingsOnRowThree) {
  const int status = run({std::string(KOLBEX_WORKBOOKS) + "/probe_export.xlsx"});
  ASSERT_EQ(status, 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 2u + 2u);
  EXPECT_EQ(rows[2][0], "DHZ-almandine");
  EXPECT_EQ(rows[2][1], "36.7");
  EXPECT_EQ(rows[2][140], "almandine");
  EXPECT_EQ(rows[3][140], "pyrope");
  EXPECT_NE(err_.find("2 analyses, 8 columns recognised, 2 ignored: K2O, Total"), std::string::npos) << err_;
  EXPECT_NE(err_.find("skipped above the headings: Microprobe run 2026-11-03"), std::string::npos);
}

// The whole output of the example data set against the golden files: every field of every results row
// (a mismatch names its row, sample and heading; a missing or extra row fails), and the thirteen diagram
// data files byte for byte.
TEST_F(KolbexCalc, ExampleMatchesTheGoldenOutput) {
  const fs::path golden = fs::path(fixtures) / "golden";
  ASSERT_EQ(run({"--diagrams", "out", KOLBEX_EXAMPLE}), 0) << err_;
  const auto got = table();
  out_ = slurp(golden / "garnets_results.tsv");
  const auto expected = table();
  ASSERT_GE(expected.size(), 3u);
  const std::vector<std::string>& headings = expected[1];
  for (std::size_t r = 0; r < std::max(got.size(), expected.size()); ++r) {
    ASSERT_LT(r, got.size()) << "row " << r << " (" << expected[r][0] << ") is missing";
    ASSERT_LT(r, expected.size()) << "row " << r << " (" << got[r][0] << ") is extra";
    ASSERT_EQ(got[r].size(), expected[r].size()) << "row " << r;
    for (std::size_t c = 0; c < expected[r].size(); ++c)
      EXPECT_EQ(got[r][c], expected[r][c])
          << "row " << r << " (" << expected[r][0] << "), column " << c + 1 << " (" << headings[c] << ")";
  }
  int files = 0;
  for (const auto& entry : fs::directory_iterator(golden)) {
    if (entry.path().extension() != ".dat") continue;
    ++files;
    EXPECT_EQ(slurp(folder_ / "out" / entry.path().filename()), slurp(entry.path()))
        << entry.path().filename();
  }
  EXPECT_EQ(files, 13);
}

// Rows 24 to 28 of the example data set hold garnets whose oxides were recomputed (to 0.01 wt%) from the
// cations published with batchRCLC (Horton, Holder & Swindle 2021), Fe3+ entered as Fe2O3. The
// recalculation on 12 anions must give those cations back.
TEST_F(KolbexCalc, ExampleReproducesPublishedCations) {
  ASSERT_EQ(run({KOLBEX_EXAMPLE}), 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 2u + 30u);
  // Columns of Si, Ti, Al, Cr, Fe3+, Fe2+, Mn, Mg, Ca in the cation block.
  const int columns[] = {38, 39, 44, 45, 47, 51, 53, 52, 55};
  const double published[5][9] = {
      {2.947, 0.003, 2.017, 0.004, 0.079, 1.508, 0.017, 1.304, 0.121},
      {2.952, 0.003, 1.988, 0.001, 0.100, 1.517, 0.017, 1.301, 0.120},
      {2.953, 0.002, 2.003, 0.001, 0.087, 1.510, 0.017, 1.304, 0.122},
      {2.947, 0.003, 1.995, 0.002, 0.103, 1.506, 0.016, 1.305, 0.124},
      {2.962, 0.005, 2.008, 0.001, 0.057, 1.529, 0.017, 1.300, 0.120},
  };
  for (int p = 0; p < 5; ++p) {
    const auto& row = rows[2 + 23 + p];
    EXPECT_EQ(row[0], "batchRCLC-" + std::to_string(p + 1));
    for (int i = 0; i < 9; ++i)
      EXPECT_NEAR(std::stod(row[columns[i]]), published[p][i], 0.003) << row[0] << " " << rows[1][columns[i]];
  }
}

// The example has a garnet with each partner mineral: every column but the eleven separators shows a
// value in some row, and the run leaves the thirteen diagram data files in the current folder.
TEST_F(KolbexCalc, ExampleFillsEveryColumnAndWritesTheDiagramFiles) {
  ASSERT_EQ(run({KOLBEX_EXAMPLE}), 0) << err_;
  EXPECT_TRUE(err_.empty()) << err_;
  const auto rows = table();
  const std::set<int> separators = {32, 37, 69, 83, 103, 112, 117, 136, 141, 157, 173};
  for (int c = 0; c < 188; ++c) {
    const bool filled =
        std::any_of(rows.begin() + 2, rows.end(), [c](const auto& r) { return !r[c].empty(); });
    EXPECT_EQ(filled, separators.count(c) == 0) << "column " << c << " " << rows[1][c];
  }
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder_))
    if (entry.path().extension() == ".dat") ++files;
  EXPECT_EQ(files, 13);
  // Header and the 28 analyses named pyrope, almandine, spessartine, grossular, andradite or uvarovite.
  const std::string xagasp = slurp(folder_ / "XAGASP.dat");
  EXPECT_TRUE(xagasp.starts_with("SampleNo\tAlm\tGrsAdrShr\tPrp\tSps\r\n"));
  EXPECT_NE(xagasp.find("\r\nDHZ-pyrope\t"), std::string::npos);
}

// A diagram data file that cannot be written costs its lines and a warning, not the run.
TEST_F(KolbexCalc, UnwritableDiagramFileWarnsAndSucceeds) {
  fs::create_directory(folder_ / "PrpAlmGrs.dat");
  const std::string results = (folder_ / "results.tsv").string();
  ASSERT_EQ(run({"--results", results, fixtures + "/three_garnets.gsg"}), 0) << err_;
  EXPECT_NE(err_.find("warning"), std::string::npos) << err_;
  EXPECT_NE(err_.find("PrpAlmGrs.dat"), std::string::npos) << err_;
  EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;
  EXPECT_TRUE(fs::exists(results));
  EXPECT_NE(slurp(folder_ / "PrpAlmSps.dat").find("DHZ-almandine"), std::string::npos);
}

// --workbook writes the same table as a workbook, numbers as numbers.
TEST_F(KolbexCalc, WritesTheResultsWorkbook) {
  const auto workbook = folder_ / "Output.xlsx";
  ASSERT_EQ(run({"--workbook", workbook.string(), fixtures + "/three_garnets.gsg"}), 0) << err_;
  const auto cells = kolbex::test::read_first_sheet(workbook);
  const auto rows = table();
  EXPECT_EQ(cells.at("A1").value, "K o l b e x");
  EXPECT_EQ(cells.at("A4").value, rows[3][0]);
  EXPECT_EQ(cells.at("AF4").type, "n");  // the analysis total
  EXPECT_EQ(std::stod(cells.at("AF4").value), 99.81);
  EXPECT_EQ(cells.at("EK4").value, "almandine");
  EXPECT_FALSE(cells.count("A6"));  // two header rows and three analyses
}

// A workbook laid out as the analysis table is one run over its rows, as the load command gives them.
TEST_F(KolbexCalc, CalculatesAWorkbook) {
  const int status = run({std::string(KOLBEX_WORKBOOKS) + "/basic.xlsx"});
  ASSERT_EQ(status, 0) << err_;
  const auto rows = table();
  ASSERT_EQ(rows.size(), 4u);  // the two header rows, S1 and S2
  EXPECT_EQ(rows[2][0], "S1");
  EXPECT_EQ(rows[2][1], "40.1");
  EXPECT_EQ(rows[3][0], "S2");
  EXPECT_EQ(run({std::string(KOLBEX_WORKBOOKS) + "/truncated.xlsx"}), 2);
  EXPECT_NE(err_.find("truncated.xlsx"), std::string::npos);
}

// --plots draws the seventeen diagrams of the run as SVG and PNG, without a display.
TEST_F(KolbexCalc, DrawsTheDiagrams) {
  // Both folders are created when missing, as in `--diagrams out --plots out/plots`.
  const int status = run({"--diagrams", "out", "--plots", "out/plots", KOLBEX_EXAMPLE});
  if (err_.find("built without Qt") != std::string::npos) GTEST_SKIP() << "built without Qt";
  ASSERT_EQ(status, 0) << err_;
  int svg = 0, png = 0;
  for (const auto& entry : fs::directory_iterator(folder_ / "out" / "plots")) {
    svg += entry.path().extension() == ".svg";
    png += entry.path().extension() == ".png";
  }
  EXPECT_EQ(svg, 17);
  EXPECT_EQ(png, 17);
  EXPECT_NE(slurp(folder_ / "out" / "plots" / "XMgFeMnCa.svg").find("<circle"), std::string::npos);
}

TEST_F(KolbexCalc, BadInputWritesNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string named;  // in the one line on standard error
  };
  const std::string good = fixtures + "/three_garnets.gsg";
  const std::string results = (folder_ / "results.tsv").string();
  fs::create_directory(folder_ / "a-folder.gsg");
  std::ofstream(folder_ / "a-file") << "not a folder";
  const Case cases[] = {
      {{"--results", results, good, "missing.gsg"}, "missing.gsg"},
      {{"--results", results, good, "a-folder.gsg"}, "a-folder.gsg"},
      {{"--results", results, "notes.docx"}, "notes.docx"},
      {{"--results", results}, "no INPUT"},
      {{"--results", (folder_ / "no-such-folder" / "r.tsv").string(), good}, "r.tsv"},
      {{"--results", results, "--diagrams", "a-file", good}, "a-file"},
      {{"--results", results, "--plots", (folder_ / "a-file").string(), good}, "a-file"},
      {{"--results", results, "--frobnicate", good}, "--frobnicate"},
      {{"--results", results, "--workbook", (folder_ / "none" / "Output.xlsx").string(), good},
       "Output.xlsx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.named);
    EXPECT_EQ(run(c.args), 2);
    EXPECT_NE(err_.find(c.named), std::string::npos) << err_;
    EXPECT_FALSE(fs::exists(results));
    EXPECT_TRUE(out_.empty());
  }
}

TEST_F(KolbexCalc, ReadsAnyBytes) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
  std::ofstream(folder_ / "noise.gsg", std::ios::binary) << bytes;
  std::ofstream(folder_ / "noise.tsv", std::ios::binary) << bytes;
  EXPECT_EQ(run({"noise.gsg", "noise.tsv"}), 0) << err_;
  EXPECT_EQ(table()[0][0], "K o l b e x");
}

// The synopsis names every option the list under it explains, and the list every option the synopsis names.
TEST_F(KolbexCalc, HelpListsEveryOption) {
  EXPECT_EQ(run({"--help"}), 0);
  const std::size_t blank = out_.find("\n\n");
  ASSERT_EQ(out_.rfind("usage: kolbex-calc", 0), 0u);
  ASSERT_NE(blank, std::string::npos);
  const std::string synopsis = out_.substr(0, blank);
  std::vector<std::string> listed;
  for (const std::string& line : split(out_.substr(blank), '\n'))
    if (line.rfind("  --", 0) == 0) listed.push_back(line.substr(2, line.find(' ', 2) - 2));
  ASSERT_GE(listed.size(), 2u);
  for (const std::string& option : listed) EXPECT_NE(synopsis.find(option), std::string::npos) << option;
  for (std::size_t at = synopsis.find("--"); at != std::string::npos; at = synopsis.find("--", at + 2)) {
    const std::string option = synopsis.substr(at, synopsis.find_first_of(" ]\n", at) - at);
    EXPECT_NE(std::find(listed.begin(), listed.end(), option), listed.end()) << option;
  }
}

}  // namespace
