// kolbex: the desktop program. It opens the data entry window; the working folder (for "garn.tem",
// "garn.dat" and the diagram data files) is the folder it was started in.

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <cstring>

#include "entry/ui/data_entry_window.h"
#include "shell/ui/desktop.h"

namespace {

// Ends the program once the watched window has been painted for the first time.
class QuitWhenPainted : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolbex"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolbex"));
  // --quit-when-shown: leave as soon as the first window has been drawn (for timing the start).
  bool quit_when_shown = false;
  for (int i = 1; i < argc; ++i)
    quit_when_shown = quit_when_shown || std::strcmp(argv[i], "--quit-when-shown") == 0;

  kolbex::entry::DataEntryWindow window(kolbex::shell::system_desktop(), QDir::currentPath().toStdString());
  QuitWhenPainted quit;
  if (quit_when_shown) window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
