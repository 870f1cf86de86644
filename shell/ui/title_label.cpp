#include "shell/ui/title_label.h"

namespace kolbex::shell {

QLabel* title_label(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont big = label->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  label->setFont(big);
  return label;
}

}  // namespace kolbex::shell
