#include "shell/ui/error_report.h"

#include <QString>

namespace kolbex::shell {

void ErrorReport::show(QWidget* parent, int failure_number) const {
  const auto message = error_message(window_, failure_number);
  if (!message) return;
  messages_.show(parent, QString::fromUtf8(message->data(), static_cast<qsizetype>(message->size())));
}

}  // namespace kolbex::shell
