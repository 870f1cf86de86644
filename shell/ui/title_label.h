#pragma once

#include <QLabel>

namespace kolbex::shell {

// The large bold label at the top of the two main windows that names the current step.
QLabel* title_label(const QString& text, QWidget* parent);

}  // namespace kolbex::shell
