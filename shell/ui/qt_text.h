#pragma once

#include <QString>

#include <string_view>

namespace kolbex::shell {

// A UTF-8 text of the toolkit-free code as a Qt string.
inline QString qt_text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace kolbex::shell
