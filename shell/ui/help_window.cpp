#include "shell/ui/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/program_folders.h"

namespace kolbex::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Kolbex Help"));
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({help_folder()});
  layout->addWidget(browser_);
  resize(760, 640);
}

QString help_folder() {
  return QString::fromStdString(
      resource_path(QCoreApplication::applicationDirPath().toStdString(), "help").string());
}

HelpWindow& open_help() {
  static QPointer<HelpWindow> help;
  if (!help) help = new HelpWindow;
  const QString index = QDir(help_folder()).filePath(QStringLiteral("index.html"));
  if (QFileInfo::exists(index))
    help->browser()->setSource(QUrl::fromLocalFile(index));
  else
    help->browser()->setPlainText(QStringLiteral("The help pages are missing: no file ") + index);
  help->show();
  help->raise();
  help->activateWindow();
  return *help;
}

}  // namespace kolbex::shell
