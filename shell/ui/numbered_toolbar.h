#pragma once

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include <functional>
#include <initializer_list>
#include <vector>

#include "shell/ui/icons.h"

namespace kolbex::shell {

// A button of a window's toolbar by its number (counted from 1, separators included) and its text, which
// is its tooltip.
struct ToolbarButton {
  int number;
  const char* text;
  Icon icon;
};

// Adds the toolbar "Toolbar1" to the window: the buttons at their numbers, separators in the numbers
// between them. A click runs `clicked(number)`. The actions by number - 1 (none for a separator).
QToolBar* add_numbered_toolbar(QMainWindow& window, std::initializer_list<ToolbarButton> buttons,
                               const std::function<void(int)>& clicked, std::vector<QAction*>& actions);

}  // namespace kolbex::shell
