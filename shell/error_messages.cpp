#include "shell/error_messages.h"

#include <array>

namespace kolbex::shell {
namespace {

struct ErrorMessage {
  int number;
  std::string_view data_entry;  // empty: the data entry window shows nothing for this number
  std::string_view results;     // empty: the results window shows nothing for this number
};

// clang-format off
constexpr auto error_messages = std::to_array<ErrorMessage>({
    {6, "", "Overflow"},
    {7, "Out of memory", "Out of memory"},
    {9, "Subscript out of range", "Subscript out of range"},
    {11, "Division by zero", ""},
    {14, "Out of string space", "Out of string space"},
    {16, "Expression too complex", "Expression too complex"},
    {17, "Can't perform requested operation", "Can't perform requested operation"},
    {18, "User interrupt occured", "User interrupt occured"},
    {28, "Out of stack space", "Out of stack space"},
    {48, "Error in loading DLL", "Error in loading DLL"},
    {51, "Internal error", "Internal error"},
    {52, "Bad file name or number", "Bad file name or number"},
    {53, "File not found", "File not found"},
    {54, "Bad file mode", "Bad file mode"},
    {55, "File already open", "File already open"},
    {57, "Device I/O error", "Device I/O error"},
    {58, "File already exists", "File already exists"},
    {59, "Bad record length", "Bad record length"},
    {61, "Disk full", "Disk full"},
    {63, "Bad record number", "Bad record number"},
    {67, "Too many files", "Too many files"},
    {68, "Device unavailable", "Device unavailable"},
    {71, "Disk not ready", "Disk not ready"},
    {75, "Path/File access error", "Path/File access error"},
    {76, "Path not found", "Path not found"},
    {321, "Invalid file format", "Invalid file format"},
    {325, "Invalid format in resource file", "Invalid format in resource file"},
    {327, "Data value named not found", "Data value named not found"},
    {337, "Component not found", "Component not found"},
    {424, "Object required. Possibly [Output.Xls]", "Object required. Possibly [Output.Xlsx]"},
    {425, "Invalid object use", "Invalid object use"},
    {438, "Object doesn't support this property or method", "Object doesn't support this property or method"},
    {445, "Object doesn't support this action", "Object doesn't support this action"},
    {521, "Can't open clipboard", "Can't open clipboard"},
    {735, "Can't save file to TEMP directory", "Can't save file to TEMP directory"},
    {31001, "Out of memory", "Out of memory"},
});
// clang-format on

}  // namespace

std::optional<std::string_view> error_message(ReportingWindow window, int failure_number) {
  for (const ErrorMessage& m : error_messages) {
    if (m.number != failure_number) continue;
    const std::string_view text = window == ReportingWindow::data_entry ? m.data_entry : m.results;
    if (text.empty()) return std::nullopt;
    return text;
  }
  return std::nullopt;
}

}  // namespace kolbex::shell
