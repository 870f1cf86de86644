#include "results/diagram_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "entry/analysis_table.h"
#include "results/calculation_run.h"
#include "results/number_format.h"
#include "shell/file_io.h"
#include "tests/support/record_builder.h"
#include "tests/support/table_rows.h"
#include "tests/support/temp_folder.h"

namespace kolbex::results {
namespace {

namespace oxide = engine::oxide;
using entry::AnalysisTable;

TEST(DiagramFiles, GeneralFormDropsTheLeadingZeroAndPadsWithSpaces) {
  const std::pair<double, std::string_view> cases[] = {
      {0.5, " .5 "},       {-0.25, "-.25 "},       {100, " 100 "},  {0, " 0 "},
      {-0.0, " 0 "},       {1.5e-16, " 1.5E-16 "}, {-1.5, "-1.5 "}, {10.726651717331, " 10.726651717331 "},
      {0.0001, " .0001 "}, {-2.5e-5, "-2.5E-05 "},
  };
  for (const auto& [x, text] : cases) {
    std::string out;
    append_diagram_general(out, x);
    EXPECT_EQ(out, text) << x;
  }
}

RunContext calculated(std::initializer_list<std::pair<oxide::Index, double>> cations, std::string name) {
  RunContext c;
  c.record = test::record_with_cations(cations);
  c.record.SampleNo = std::move(name);
  calculate_analysis(c, {});
  return c;
}

// The files an analysis is written to, with the line each receives.
std::map<std::string, std::string> lines_of(const RunContext& c) {
  std::map<std::string, std::string> out;
  for (const DiagramFile& file : diagram_files) {
    if (!qualifies(file, c)) continue;
    std::string line;
    append_diagram_line(file, c, line);
    out[std::string(file.name)] = line;
  }
  return out;
}

std::set<std::string> names_of(const std::map<std::string, std::string>& lines) {
  std::set<std::string> names;
  for (const auto& [name, line] : lines) names.insert(name);
  return names;
}

TEST(DiagramFiles, IdealEndMembersGoToTheirFiles) {
  struct Case {
    const char* species;
    RunContext analysis;
    std::set<std::string> files;
    std::map<std::string, std::string> lines;  // some of the lines, exactly
  } cases[] = {
      {"pyrope",
       calculated({{oxide::MgO, 3}, {oxide::Al2O3, 2}, {oxide::SiO2, 3}}, "Prp"),
       {"XMgFe2Ca.dat", "XMgMn2Fe2.dat", "XAGASP.dat", "PrpAlmSpsGrs.dat", "PrpAlmGrs.dat", "PrpAlmSps.dat",
        "SpsPrpGrs.dat", "YR4R2R3YREER2.dat"},
       {{"PrpAlmSpsGrs.dat", "Prp\t100.000\t 0 \t0.000\r\n"},
        {"PrpAlmSps.dat", "Prp\t100.000\t0.000\t0.000\r\n"},
        {"XMgFe2Ca.dat", "Prp\t3.000\t0.000\t0.000\r\n"}}},
      {"grossular",
       calculated({{oxide::CaO, 3}, {oxide::Al2O3, 2}, {oxide::SiO2, 3}}, "Grs"),
       {"YR4R2R3R4a.dat", "YR4R2R3YREER2.dat", "XMgFe2Ca.dat", "XAGASP.dat", "PrpAlmSpsGrs.dat",
        "PrpAlmGrs.dat", "PrpAlmSps.dat", "SpsPrpGrs.dat"},
       {{"XAGASP.dat", "Grs\t0.000\t 100 \t0.000\t0.000\r\n"},
        {"PrpAlmGrs.dat", "Grs\t0.000\t0.000\t100.000\r\n"},
        {"YR4R2R3R4a.dat", "Grs\t 0 \t 2 \t 0 \r\n"}}},
      {"andradite",
       calculated({{oxide::CaO, 3}, {oxide::Fe2O3, 2}, {oxide::SiO2, 3}}, "Adr"),
       {"YR4R2R3R4.dat", "YR4R2R3R4a.dat", "YR4R2R3YREER2.dat", "YTiFe2Fe3Mg.dat", "XMgFe2Ca.dat",
        "XAGASP.dat"},
       {{"XAGASP.dat", "Adr\t0.000\t 100 \t0.000\t0.000\r\n"},
        {"YTiFe2Fe3Mg.dat", "Adr\t 0 \t2.000\t 0 \r\n"}}},
      {"uvarovite",
       calculated({{oxide::CaO, 3}, {oxide::Cr2O3, 2}, {oxide::SiO2, 3}}, "Uv"),
       {"YR4R2R3R4a.dat", "YR4R2R3YREER2.dat", "XMgFe2Ca.dat", "XAGASP.dat"},
       // Its Ca goes to none of Al, Fe3+ and Ti: the calcic shares are 0.
       {{"XAGASP.dat", "Uv\t0.000\t 0 \t0.000\t0.000\r\n"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.species);
    ASSERT_EQ(engine::species_name(c.analysis.name.species), c.species);
    const auto lines = lines_of(c.analysis);
    EXPECT_EQ(names_of(lines), c.files);
    for (const auto& [file, line] : c.lines) EXPECT_EQ(lines.at(file), line) << file;
  }
}

TEST(DiagramFiles, EndMembersFollowTheSpeciesRules) {
  const RunContext uvarovite = calculated({{oxide::CaO, 3}, {oxide::Cr2O3, 2}, {oxide::SiO2, 3}}, "Uv");
  EXPECT_TRUE(std::isnan(uvarovite.end_members.Grs));
  EXPECT_TRUE(std::isnan(uvarovite.end_members.AlmSps));
  EXPECT_EQ(uvarovite.end_members.Alm4, 0);

  // An almandine with some of everything: the three- and four-component sets share Alm, Prp and Sps,
  // and the calcic shares split Grs in proportion to Al, Fe3+ and Ti among Ti + Al + Fe3+ + Cr.
  const RunContext alm = calculated({{oxide::FeO, 2.1},
                                     {oxide::MgO, 0.4},
                                     {oxide::MnO, 0.2},
                                     {oxide::CaO, 0.3},
                                     {oxide::Al2O3, 1.8},
                                     {oxide::Fe2O3, 0.1},
                                     {oxide::TiO2, 0.05},
                                     {oxide::Cr2O3, 0.05},
                                     {oxide::SiO2, 2.95}},
                                    "Alm");
  ASSERT_EQ(alm.name.species, engine::Species::almandine);
  const engine::EndMembers& e = alm.end_members;
  EXPECT_NEAR(e.Alm + e.Prp + e.Sps + e.Grs, 100, 1e-9);
  EXPECT_EQ(e.Alm4, e.Alm);
  EXPECT_NEAR(e.GrsAdrShr, e.Grs * (1.8 + 0.1 + 0.05) / 2.0, 1e-6);  // Cr takes its share from none
  EXPECT_NEAR(e.AlmSps, e.Alm + e.Sps, 1e-12);

  RunContext renamed = alm;  // the same numbers under a species outside the diagrams keep nothing
  renamed.name = {engine::Group::garnet, engine::Species::knorringite};
  engine::compute_end_members(renamed.formula, renamed.name, renamed.charge.type, renamed.end_members);
  EXPECT_TRUE(std::isnan(renamed.end_members.Alm4));
  EXPECT_TRUE(std::isnan(renamed.end_members.GrsAdrShr));
}

// A garnet-group analysis without a species (a sodic garnet, say) goes to the one file that asks for the
// group alone; an analysis without a group to none.
TEST(DiagramFiles, GroupWithoutSpeciesGoesToOneFile) {
  RunContext c = calculated({{oxide::MgO, 3}, {oxide::Al2O3, 2}, {oxide::SiO2, 3}}, "Na garnet");
  c.name = {engine::Group::garnet, engine::Species::none};
  EXPECT_EQ(names_of(lines_of(c)), std::set<std::string>{"YR4R2R3YREER2.dat"});
  c.name = {};
  EXPECT_TRUE(lines_of(c).empty());
}

TEST(DiagramFiles, SampleNameIsWrittenAsTypedInOneBytePerCharacter) {
  // Windows-1252 holds ü, µ and € (0x80) but not α, which becomes "?".
  RunContext c = calculated({{oxide::MgO, 3}, {oxide::Al2O3, 2}, {oxide::SiO2, 3}}, "Grün 12 µm € α rim");
  std::string line;
  append_diagram_line(diagram_files[12], c, line);
  EXPECT_EQ(line.substr(0, 19), "Gr\xfcn 12 \xb5m \x80 ? rim\t");
}

std::string file_text(const std::filesystem::path& path) {
  std::string bytes, error;
  EXPECT_TRUE(shell::read_file_bytes(path, bytes, error)) << error;
  return bytes;
}

class DiagramFilesOfARun : public testing::Test {
 protected:
  test::TempFolder folder_{"kolbex-diagrams"};
  ResultsTable results_;
  RunSummary run(const AnalysisTable& table, const std::filesystem::path& folder) {
    return run_calculation(table, AnalysisTable::layout_rows - 1, {}, results_, folder);
  }
};

TEST_F(DiagramFilesOfARun, EmptyRunLeavesThirteenHeaderLines) {
  const RunSummary s = run(AnalysisTable(), folder_.path());
  EXPECT_TRUE(s.unwritten_diagram_files.empty());
  for (const DiagramFile& file : diagram_files)
    EXPECT_EQ(file_text(folder_.path() / file.name), diagram_header_line(file)) << file.name;
  EXPECT_EQ(diagram_header_line(diagram_files[8]), "SampleNo\tAlm\tGrsAdrShr\tPrp\tSps\r\n");
  EXPECT_EQ(diagram_header_line(diagram_files[0]), "SampleNo\tYR4R2\tYR3\tYR4\r\n");
}

TEST_F(DiagramFilesOfARun, EachRunReplacesTheFiles) {
  AnalysisTable table;
  test::set_row(table, 1, test::dhz_almandine("first"));
  run(table, folder_.path());
  test::set_row(table, 1, test::dhz_almandine("second"));
  test::set_row(table, 2, test::dhz_almandine("third"));
  run(table, folder_.path());
  const std::string text = file_text(folder_.path() / "PrpAlmGrs.dat");
  EXPECT_EQ(text.find("first"), std::string::npos);
  EXPECT_EQ(std::ranges::count(text, '\n'), 3);  // header, second, third
  EXPECT_EQ(results_.result_count(), 3u);
}

// A file that cannot be created loses its lines, nothing else: the other files and the results are
// written, and the run names the file.
TEST_F(DiagramFilesOfARun, UnwritableFilesAreReportedAndSkipped) {
  AnalysisTable table;
  test::set_row(table, 1, test::dhz_almandine());
  std::filesystem::create_directory(folder_.path() / "XAGASP.dat");  // a folder in the file's place
  RunSummary s = run(table, folder_.path());
  EXPECT_EQ(s.unwritten_diagram_files, std::vector{folder_.path() / "XAGASP.dat"});
  EXPECT_NE(file_text(folder_.path() / "PrpAlmGrs.dat").find("DHZ-almandine\t"), std::string::npos);
  EXPECT_EQ(results_.result_count(), 1u);

  s = run(table, folder_.path() / "missing");
  EXPECT_EQ(s.unwritten_diagram_files.size(), 13u);
  EXPECT_EQ(results_.result_count(), 2u);
}

}  // namespace
}  // namespace kolbex::results
