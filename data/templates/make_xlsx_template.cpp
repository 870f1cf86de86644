// Writes the input template Kolbex.xlsx: a first worksheet laid out as the analysis table, the headings
// and column layout taken from the program's own tables so that the template can never drift from them.
// Built and run with the program; its output goes beside the program.

#include <xlsxwriter.h>

#include <cstdio>
#include <string>

#include "engine/analysis_columns.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_xlsx_template OUTPUT.xlsx\n");
    return 2;
  }
  lxw_workbook* workbook = workbook_new(argv[1]);
  if (!workbook) return 1;
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Analyses");
  lxw_format* plain_heading = workbook_add_format(workbook);
  format_set_bold(plain_heading);
  format_set_align(plain_heading, LXW_ALIGN_CENTER);
  for (int c = 0; c < kolbex::engine::analysis_column_count; ++c) {
    const kolbex::engine::AnalysisColumn& layout =
        kolbex::engine::analysis_columns[static_cast<std::size_t>(c)];
    lxw_format* heading = plain_heading;
    if (const auto colour = kolbex::engine::block_colour(layout.block)) {
      heading = workbook_add_format(workbook);
      format_set_bold(heading);
      format_set_align(heading, LXW_ALIGN_CENTER);
      format_set_pattern(heading, LXW_PATTERN_SOLID);
      const kolbex::engine::Rgb rgb = *colour;
      format_set_bg_color(heading, static_cast<lxw_color_t>(rgb.red << 16 | rgb.green << 8 | rgb.blue));
    }
    // Twips to the spreadsheet's character widths: 15 twips a pixel, about 7 pixels a character.
    worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                         layout.width / 15.0 / 7.0 + 1, nullptr);
    const std::string text(layout.heading);
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), text.c_str(), heading);
  }
  for (int r = 1; r <= 100; ++r) worksheet_write_number(sheet, static_cast<lxw_row_t>(r), 0, r, nullptr);
  worksheet_freeze_panes(sheet, 1, 2);
  return workbook_close(workbook) == LXW_NO_ERROR ? 0 : 1;
}
