#include "shell/ui/numbered_toolbar.h"

namespace kolbex::shell {

QToolBar* add_numbered_toolbar(QMainWindow& window, std::initializer_list<ToolbarButton> buttons,
                               const std::function<void(int)>& clicked, std::vector<QAction*>& actions) {
  QToolBar* bar = window.addToolBar(QStringLiteral("Toolbar1"));
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setMovable(false);
  int next = 1;
  for (const ToolbarButton& b : buttons) {
    for (; next < b.number; ++next) bar->addSeparator();
    QAction* action = bar->addAction(icon(b.icon), QString::fromLatin1(b.text));
    action->setToolTip(QString::fromLatin1(b.text));
    action->setObjectName(QStringLiteral("Toolbar1_%1").arg(b.number));
    const int number = b.number;
    QObject::connect(action, &QAction::triggered, &window, [clicked, number] { clicked(number); });
    if (actions.size() < static_cast<std::size_t>(b.number))
      actions.resize(static_cast<std::size_t>(b.number));
    actions[static_cast<std::size_t>(b.number - 1)] = action;
    next = b.number + 1;
  }
  return bar;
}

}  // namespace kolbex::shell
