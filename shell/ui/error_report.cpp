#include "shell/ui/error_report.h"

#include <QString>

namespace kolbex::shell {

void ErrorReport::report(QWidget* parent) const {
  const auto message = error_message(window_, failure_);
  if (!message) return;
  messages_.show(parent, QString::fromUtf8(message->data(), static_cast<qsizetype>(message->size())));
}

}  // namespace kolbex::shell
