#pragma once

#include <QString>

#include <filesystem>

#include "shell/error_messages.h"
#include "shell/ui/desktop.h"

class QWidget;

namespace kolbex::shell {

// A window's current failure number and its report. A toolbar command clears the number when it starts
// and reports it when it ends; a failing operation sets it (the first failure of a command is kept),
// with the details of what failed: the file and the reason.
class ErrorReport {
 public:
  ErrorReport(ReportingWindow window, MessageBox& messages) : window_(window), messages_(messages) {}

  void clear() {
    failure_ = 0;
    details_.clear();
  }
  void set(int failure_number, const QString& details = {}) {
    if (failure_ != 0 || failure_number == 0) return;
    failure_ = failure_number;
    details_ = details;
  }
  int failure() const { return failure_; }
  const QString& details() const { return details_; }

  // report_error: shows the window's message for the current failure number, if its table has one, the
  // details under it. The number stays as it is.
  void report(QWidget* parent) const { show(parent, failure_, details_); }
  // Shows the window's message for a given failure number, if its table has one.
  void show(QWidget* parent, int failure_number, const QString& details = {}) const;

  // A toolbar command: the number cleared when it starts and reported when it ends.
  template <class Command>
  void toolbar_command(QWidget* parent, Command&& command) {
    clear();
    in_toolbar_command_ = true;
    command();
    in_toolbar_command_ = false;
    report(parent);
  }
  // A failure that must be seen: kept as the current one, and shown at once unless a toolbar command
  // will report it when it ends.
  void fail(QWidget* parent, int failure_number, const QString& details = {}) {
    set(failure_number, details);
    if (!in_toolbar_command_) show(parent, failure_number, details);
  }

 private:
  ReportingWindow window_;
  MessageBox& messages_;
  int failure_ = 0;
  QString details_;
  bool in_toolbar_command_ = false;
};

// The details of a failed file operation: the file, and the system's reason for the error number.
QString file_failure_details(const std::filesystem::path& path, int error_number);
// The details of a failure with a reason of the program's own.
QString file_failure_details(const std::filesystem::path& path, const std::string& reason);

}  // namespace kolbex::shell
