#include "shell/ui/error_report.h"

#include "shell/ui/qt_text.h"

namespace kolbex::shell {

void ErrorReport::show(QWidget* parent, int failure_number) const {
  const auto message = error_message(window_, failure_number);
  if (!message) return;
  messages_.show(parent, qt_text(*message));
}

}  // namespace kolbex::shell
