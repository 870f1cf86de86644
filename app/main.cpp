// kolbex: the desktop program. It opens the data entry window; the working folder (for "garn.tem",
// "garn.dat" and the diagram data files) is the folder it was started in, or ~/Kolbex when that is the
// home folder (a start from the desktop menu) or cannot be written.

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "entry/ui/data_entry_window.h"
#include "shell/program_folders.h"
#include "shell/ui/desktop.h"
#include "shell/version.h"

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
  // --version and --help answer without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("kolbex %s\n", kolbex::shell::version);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "usage: kolbex [FILE]\n\n"
          "Garnet-supergroup formulas, names (Grew et al. 2013) and Fe-Mg exchange temperatures.\n"
          "FILE, when given, is opened: a data set (.gsg) as Open File does, any other file of analyses\n"
          "(.csv, .tsv, .txt, .xlsx, .xls) through Import Analyses.\n\n"
          "  --version  show the version\n"
          "  --help     show this text\n");
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolbex"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kolbex"));
  QApplication::setApplicationVersion(QString::fromLatin1(kolbex::shell::version));
  QApplication::setDesktopFileName(QStringLiteral("org.kolbex.Kolbex"));
  // --check-resources: say where the help, the templates and the example were found, and fail when one
  // is missing (for checking an installation).
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--check-resources") == 0) {
      const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
      bool all = true;
      for (const char* name : {"help/index.html", "Kolbex.xls", "Kolbex.xlsx", "examples/garnets.gsg"}) {
        const std::filesystem::path path = kolbex::shell::resource_path(program, name);
        const bool found = std::filesystem::is_regular_file(path);
        std::printf("%s %s\n", found ? "found" : "missing", path.string().c_str());
        all = all && found;
      }
      return all ? 0 : 1;
    }
  // --quit-when-shown: leave as soon as the first window has been drawn (for timing the start).
  bool quit_when_shown = false;
  QString file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quit-when-shown") == 0)
      quit_when_shown = true;
    else if (argv[i][0] != '-' && file.isEmpty())
      file = QString::fromLocal8Bit(argv[i]);
  }
  if (!file.isEmpty()) file = QDir::current().absoluteFilePath(file);

  const std::filesystem::path folder =
      kolbex::shell::working_folder(QDir::currentPath().toStdString(), QDir::homePath().toStdString());
  kolbex::entry::DataEntryWindow window(kolbex::shell::system_desktop(), folder);
  QuitWhenPainted quit;
  if (quit_when_shown) window.installEventFilter(&quit);
  window.show();
  if (!file.isEmpty()) QTimer::singleShot(0, &window, [&window, file] { window.openDroppedFile(file); });
  return QApplication::exec();
}
