#include "shell/ui/error_report.h"

#include <cstring>

#include "shell/ui/qt_text.h"

namespace kolbex::shell {

void ErrorReport::show(QWidget* parent, int failure_number, const QString& details) const {
  const auto message = error_message(window_, failure_number);
  if (!message) return;
  messages_.show(parent, qt_text(*message), details);
}

QString file_failure_details(const std::filesystem::path& path, int error_number) {
  return file_failure_details(path,
                              error_number == 0 ? std::string() : std::string(std::strerror(error_number)));
}

QString file_failure_details(const std::filesystem::path& path, const std::string& reason) {
  const QString file = QString::fromStdString(path.string());
  return reason.empty() ? file : file + QStringLiteral("\n") + QString::fromStdString(reason);
}

}  // namespace kolbex::shell
