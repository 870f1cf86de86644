#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>

namespace kolbex::shell {

// The help: HTML pages in the folder "help" beside the program, shown in a window of the program.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// The help folder: "help" beside the executable.
QString help_folder();

// open_help: the one help window, created when first needed, showing the index, brought forward.
HelpWindow& open_help();

}  // namespace kolbex::shell
