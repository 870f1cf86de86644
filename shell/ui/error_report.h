#pragma once

#include "shell/error_messages.h"
#include "shell/ui/desktop.h"

class QWidget;

namespace kolbex::shell {

// A window's current failure number and its report. A toolbar command clears the number when it starts
// and reports it when it ends; a failing operation sets it (the first failure of a command is kept).
class ErrorReport {
 public:
  ErrorReport(ReportingWindow window, MessageBox& messages) : window_(window), messages_(messages) {}

  void clear() { failure_ = 0; }
  void set(int failure_number) {
    if (failure_ == 0) failure_ = failure_number;
  }
  int failure() const { return failure_; }

  // report_error: shows the window's message for the current failure number, if its table has one.
  // The number stays as it is.
  void report(QWidget* parent) const { show(parent, failure_); }
  // Shows the window's message for a given failure number, if its table has one.
  void show(QWidget* parent, int failure_number) const;

 private:
  ReportingWindow window_;
  MessageBox& messages_;
  int failure_ = 0;
};

}  // namespace kolbex::shell
