#include "results/diagram_files.h"

#include <cmath>

#include "results/number_format.h"
#include "shell/text_encoding.h"

namespace kolbex::results {
namespace {

using C = const RunContext&;

// Species lists of the thirteen files.
using S = engine::Species;
constexpr std::array titanian_andradites = {S::morimotoite, S::andradite, S::schorlomite};
constexpr std::array bitikleite_group = {S::elbrusite, S::usturite, S::bitikleite, S::dzhuluite};
constexpr std::array calcic_y_site = {S::morimotoite, S::andradite,  S::eringaite, S::goldmanite,
                                      S::grossular,   S::uvarovite,  S::kimzeyite, S::irinarassite,
                                      S::schorlomite, S::kerimasite, S::toturite};
constexpr std::array<S, 0> no_species = {};
constexpr std::array tetravalent_y = {S::irinarassite, S::toturite, S::kimzeyite, S::kerimasite,
                                      S::schorlomite};
constexpr std::array ferrous_titanian = {S::morimotoite, S::andradite, S::menzerite_Y};
constexpr std::array magnesian_calcic_x = {S::knorringite, S::pyrope,     S::almandine, S::andradite,
                                           S::eringaite,   S::goldmanite, S::grossular, S::uvarovite};
constexpr std::array magnesian_manganoan_x = {S::knorringite, S::pyrope,      S::calderite,
                                              S::momoiite,    S::spessartine, S::almandine};
constexpr std::array end_member_garnets = {S::pyrope,    S::grossular, S::spessartine,
                                           S::almandine, S::andradite, S::uvarovite};
constexpr std::array pyralspite_grossular = {S::pyrope, S::grossular, S::spessartine, S::almandine};

// Site sums, apfu. "YR4R2" (Ti + Fe2+ on Y) and "YR3" (the trivalent Y cations) recur under several names.
double y_ti_fe2(C c) { return c.sites.Y.Ti + c.sites.Y.Fe2; }
double y_r3(C c) { return c.sites.Y.Fe3 + c.sites.Y.Sc + c.sites.Y.V3 + c.sites.Y.Al + c.sites.Y.Cr; }
double y_mg_x_yree(C c) { return c.sites.Y.Mg + c.sites.X.YREE; }

}  // namespace

// clang-format off
constexpr std::array<DiagramFile, diagram_file_count> diagram_files = {{
    {"YR4R2R3R4.dat", titanian_andradites, false,
     {{{"YR4R2", y_ti_fe2, false},
       {"YR3", [](C c) { return c.sites.Y.Fe3; }, false},
       {"YR4", [](C c) { return c.sites.Y.Ti + c.sites.Y.Zr; }, false}}}, 3},
    {"USbZrSn.dat", bitikleite_group, false,
     {{{"YUR4", [](C c) { return c.sites.Y.U + c.sites.Y.Ti + c.sites.Y.Zr + c.sites.Y.Si; }, false},
       {"YSbZr", [](C c) { return c.sites.Y.Sb + c.sites.Y.Zr; }, false},
       {"YSbSn", [](C c) { return c.sites.Y.Sb + c.sites.Y.Sn; }, false}}}, 3},
    {"YR4R2R3R4a.dat", calcic_y_site, false,
     {{{"YR4R2Fe2TiTot", y_ti_fe2, false},
       {"YR3Fe3ScV3AlCr", y_r3, false},
       {"YR4ZrSnTiZr", [](C c) { return c.sites.Y.Zr + c.sites.Y.Sn + c.sites.Y.Ti; }, false}}}, 3},
    {"YR4R2R3YREER2.dat", no_species, true,
     {{{"R4R2", [](C c) { return c.sites.Y.Ti + c.sites.Y.Fe2 + c.sites.Y.Si + c.sites.Y.Mg; }, false},
       {"YR3", y_r3, false},
       {"YREER2", y_mg_x_yree, false}}}, 3},
    {"YSnZrTi.dat", tetravalent_y, false,
     {{{"YSn", [](C c) { return c.sites.Y.Sn; }, true},
       {"YZr", [](C c) { return c.sites.Y.Zr; }, true},
       {"YTi", [](C c) { return c.sites.Y.Ti; }, true}}}, 3},
    {"YTiFe2Fe3Mg.dat", ferrous_titanian, false,
     {{{"YTiFe2", y_ti_fe2, false},
       {"YFe3", [](C c) { return c.sites.Y.Fe3; }, true},
       {"YMg", y_mg_x_yree, false}}}, 3},
    {"XMgFe2Ca.dat", magnesian_calcic_x, false,
     {{{"XMg", [](C c) { return c.sites.X.Mg; }, true},
       {"XFe2", [](C c) { return c.sites.X.Fe2; }, true},
       {"XCa", [](C c) { return c.sites.X.Ca; }, true}}}, 3},
    {"XMgMn2Fe2.dat", magnesian_manganoan_x, false,
     {{{"XMg", [](C c) { return c.sites.X.Mg; }, true},
       {"XMn2", [](C c) { return c.sites.X.Mn2; }, true},
       {"XFe2", [](C c) { return c.sites.X.Fe2; }, true}}}, 3},
    {"XAGASP.dat", end_member_garnets, false,
     {{{"Alm", [](C c) { return c.end_members.Alm4; }, true},
       {"GrsAdrShr", [](C c) { return c.end_members.GrsAdrShr; }, false},
       {"Prp", [](C c) { return c.end_members.Prp4; }, true},
       {"Sps", [](C c) { return c.end_members.Sps4; }, true}}}, 4},
    {"PrpAlmSpsGrs.dat", pyralspite_grossular, false,
     {{{"Prp", [](C c) { return c.end_members.Prp; }, true},
       {"AlmSps", [](C c) { return c.end_members.AlmSps; }, false},
       {"Grs", [](C c) { return c.end_members.Grs; }, true}}}, 3},
    {"PrpAlmGrs.dat", pyralspite_grossular, false,
     {{{"Prp", [](C c) { return c.end_members.Prp; }, true},
       {"Alm", [](C c) { return c.end_members.Alm; }, true},
       {"Grs", [](C c) { return c.end_members.Grs; }, true}}}, 3},
    {"PrpAlmSps.dat", pyralspite_grossular, false,
     {{{"Prp", [](C c) { return c.end_members.Prp; }, true},
       {"Alm", [](C c) { return c.end_members.Alm; }, true},
       {"Sps", [](C c) { return c.end_members.Sps; }, true}}}, 3},
    {"SpsPrpGrs.dat", pyralspite_grossular, false,
     {{{"Sps", [](C c) { return c.end_members.Sps; }, true},
       {"Prp", [](C c) { return c.end_members.Prp; }, true},
       {"Grs", [](C c) { return c.end_members.Grs; }, true}}}, 3},
}};
// clang-format on

bool qualifies(const DiagramFile& file, const RunContext& analysis) {
  if (file.garnet_group) return analysis.name.group == engine::Group::garnet;
  for (const engine::Species species : file.species)
    if (analysis.name.species == species) return true;
  return false;
}

std::string diagram_header_line(const DiagramFile& file) {
  std::string line = "SampleNo";
  for (int i = 0; i < file.item_count; ++i) {
    line += '\t';
    line += file.items[static_cast<std::size_t>(i)].heading;
  }
  line += "\r\n";
  return line;
}

void append_diagram_line(const DiagramFile& file, const RunContext& analysis, std::string& out) {
  shell::append_windows_1252(out, analysis.record.SampleNo);
  for (int i = 0; i < file.item_count; ++i) {
    const DiagramItem& item = file.items[static_cast<std::size_t>(i)];
    out += '\t';
    const double x = item.value(analysis);
    if (std::isnan(x)) continue;
    if (item.fixed)
      append_grouped_fixed(out, x, 3);
    else
      append_diagram_general(out, x);
  }
  out += "\r\n";
}

DiagramFiles::DiagramFiles(const std::filesystem::path& folder) : folder_(folder) {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    files_[i].open(folder_ / diagram_files[i].name, std::ios::binary | std::ios::trunc);
    const std::string header = diagram_header_line(diagram_files[i]);
    files_[i].write(header.data(), static_cast<std::streamsize>(header.size()));
  }
}

void DiagramFiles::write_rows(const RunContext& analysis) {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    // A file whose creation or an earlier write failed receives nothing more.
    if (!files_[i] || !qualifies(diagram_files[i], analysis)) continue;
    append_diagram_line(diagram_files[i], analysis, pending_[i]);
    if (pending_[i].size() >= write_size) write_pending(i);
  }
}

void DiagramFiles::write_pending(std::size_t i) {
  if (files_[i]) files_[i].write(pending_[i].data(), static_cast<std::streamsize>(pending_[i].size()));
  pending_[i].clear();
}

std::vector<std::filesystem::path> DiagramFiles::close() {
  std::vector<std::filesystem::path> failed;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    write_pending(i);
    if (files_[i].is_open()) files_[i].close();
    if (!files_[i]) failed.push_back(folder_ / diagram_files[i].name);
  }
  return failed;
}

}  // namespace kolbex::results
