#pragma once

#include <optional>
#include <string_view>

namespace kolbex::shell {

// The two main windows each report failures from a message table of their own; the tables differ in
// three numbers (6, 11 and 424).
enum class ReportingWindow { data_entry, results };

// The message for a failure number, or nothing when the window's table has no entry for it (0 among
// them).
std::optional<std::string_view> error_message(ReportingWindow window, int failure_number);

}  // namespace kolbex::shell
