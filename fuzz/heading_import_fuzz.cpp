// libFuzzer target: splitting any bytes into fields, finding a heading row and importing the analyses.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entry/heading_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kolbex::entry::FieldRows rows;
  char separator = 0;
  std::string reason;
  if (!kolbex::entry::split_fields(bytes, 0, rows, separator, reason)) return reason.empty() ? 1 : 0;
  const kolbex::entry::ImportPlan plan = kolbex::entry::plan_import(rows, separator);
  const kolbex::entry::ImportedAnalyses analyses = kolbex::entry::import_analyses(rows, plan);
  return kolbex::entry::import_summary(plan, analyses).empty() ? 1 : 0;
}
