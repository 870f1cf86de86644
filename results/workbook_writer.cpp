#include "results/workbook_writer.h"

#include <xlsxwriter.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "results/number_format.h"
#include "shell/file_io.h"

namespace kolbex::results {
namespace {

// The text a number has in a format.
std::string formatted(double x, Format format) {
  switch (format) {
    case Format::fixed3: return grouped_fixed(x, 3);
    case Format::fixed2: return grouped_fixed(x, 2);
    case Format::whole: return whole(x);
    case Format::general: return general(x);
    case Format::text:
    case Format::none: break;
  }
  return {};
}

// Excel's column width in characters of the default font for a width in twips (15 twips to the pixel,
// 7 pixels to the character plus 5 of padding).
double column_characters(int twips) {
  const double pixels = twips / 15.0;
  return pixels > 12 ? (pixels - 5) / 7.0 : pixels / 12.0;
}

const char* number_format_code(Format f) {
  switch (f) {
    case Format::fixed3: return "#,##0.000";
    case Format::fixed2: return "#,##0.00";
    case Format::whole: return "####";
    default: return nullptr;
  }
}

// The workbook itself, written to `file`.
bool write_workbook(const ResultsTable& table, const std::filesystem::path& file,
                    const std::function<void(std::size_t)>& progress, std::string& reason,
                    int& error_number) {
  // Creating the file first tells why a folder cannot take it (no permission, no folder, no space).
  errno = 0;
  std::FILE* probe = std::fopen(file.c_str(), "wb");
  if (!probe) {
    error_number = errno;
    return false;
  }
  std::fclose(probe);

  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;  // rows go out as they are written
  lxw_workbook* workbook = workbook_new_opt(file.c_str(), &options);
  if (!workbook) {
    error_number = errno;
    reason = "the workbook could not be created";
    return false;
  }
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Results");

  // The number formats by Format: only fixed3, fixed2 and whole have one.
  std::array<lxw_format*, static_cast<std::size_t>(Format::none) + 1> number_formats{};
  for (Format f : {Format::fixed3, Format::fixed2, Format::whole}) {
    lxw_format* format = workbook_add_format(workbook);
    format_set_num_format(format, number_format_code(f));
    number_formats[static_cast<std::size_t>(f)] = format;
  }
  std::array<lxw_format*, results_column_count> heading_formats{};
  for (int c = 0; c < results_column_count; ++c) {
    if (const auto colour = results_heading_colour(c)) {
      lxw_format* format = workbook_add_format(workbook);
      format_set_pattern(format, LXW_PATTERN_SOLID);
      format_set_bg_color(format,
                          static_cast<lxw_color_t>(colour->red << 16 | colour->green << 8 | colour->blue));
      heading_formats[static_cast<std::size_t>(c)] = format;
    }
    worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                         column_characters(results_columns[static_cast<std::size_t>(c)].width), nullptr);
  }
  worksheet_freeze_panes(sheet, 2, 1);

  std::string text;
  for (int r = 0; r < table.R(); ++r) {
    for (int c = 0; c < table.C(); ++c) {
      text.assign(table.cell_text(r, c));
      // The header rows have no number format of their own; their numbers (row 0) are general.
      const Format column_format =
          r < 2 ? Format::general : results_columns[static_cast<std::size_t>(c)].format;
      const WorkbookCell cell = workbook_cell(text, column_format);
      lxw_format* heading = r == 1 ? heading_formats[static_cast<std::size_t>(c)] : nullptr;
      const auto row = static_cast<lxw_row_t>(r);
      const auto column = static_cast<lxw_col_t>(c);
      if (cell.kind == WorkbookCell::Kind::number) {
        lxw_format* format =
            cell.format == Format::general ? heading : number_formats[static_cast<std::size_t>(cell.format)];
        worksheet_write_number(sheet, row, column, cell.number, format);
      } else if (cell.kind == WorkbookCell::Kind::string) {
        worksheet_write_string(sheet, row, column, text.c_str(), heading);
      } else if (heading) {
        worksheet_write_blank(sheet, row, column, heading);
      }
    }
    if (progress) progress(static_cast<std::size_t>(r));
  }

  errno = 0;
  const lxw_error closed = workbook_close(workbook);
  if (closed != LXW_NO_ERROR) {
    error_number = errno;
    reason = lxw_strerror(closed);
    return false;
  }
  return true;
}

}  // namespace

WorkbookCell workbook_cell(std::string_view text, Format column_format) {
  if (text.empty()) return {};
  const std::optional<double> x = formatted_number(text);
  if (x) {
    const Format candidates[] = {column_format, Format::fixed3, Format::fixed2, Format::whole,
                                 Format::general};
    for (Format f : candidates)
      if ((f == Format::fixed3 || f == Format::fixed2 || f == Format::whole || f == Format::general) &&
          formatted(*x, f) == text)
        return {WorkbookCell::Kind::number, *x, f};
  }
  return {WorkbookCell::Kind::string, 0, Format::text};
}

bool write_results_workbook(const ResultsTable& table, const std::filesystem::path& path, std::string& error,
                            int* os_error, const std::function<void(std::size_t)>& progress) {
  return shell::write_file_replacing(
      path,
      [&](const std::filesystem::path& file, std::string& reason, int& error_number) {
        return write_workbook(table, file, progress, reason, error_number);
      },
      error, os_error);
}

}  // namespace kolbex::results
