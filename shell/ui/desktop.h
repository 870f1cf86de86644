#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace kolbex::shell {

// The platform pieces the windows use, each behind a small interface so that tests can choose a file,
// read a shown message, make the clipboard fail or see what would be opened, without a modal dialog or
// a real program starting.

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // `filter` is "description|pattern", as "Garnet(*.gsg) |*.gsg". The full path chosen, or an empty
  // text when the user cancels. The save form asks no overwrite question and adds no extension.
  virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;
};

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // A modal box with the text, one OK button, no icon and the application's title as caption.
  virtual void show(QWidget* parent, const QString& text) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Each false when the clipboard cannot be opened.
  virtual bool clear() = 0;
  virtual bool setText(const QString& text) = 0;
  virtual std::optional<QString> text() = 0;
  virtual bool setImage(const QImage& image) = 0;
};

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Asks the desktop to open a document or link with its associated program. The answer of the desktop
  // cannot be trusted either way, so it is not returned.
  virtual void open(const QUrl& url) = 0;
};

// The platform of the program: the real dialogs, message box, clipboard and desktop.
struct Desktop {
  FileDialog& files;
  MessageBox& messages;
  Clipboard& clipboard;
  DocumentOpener& opener;
};

// The Qt implementations, one of each for the running program.
Desktop& system_desktop();

// The Qt file-dialog filter for "description|pattern": the description when it already names its
// pattern in parentheses, "description (pattern)" otherwise.
QString qt_file_filter(const QString& filter);

}  // namespace kolbex::shell
