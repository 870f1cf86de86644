#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

#include <functional>
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
  // text when the user cancels. The save form asks no overwrite question and adds no extension; it
  // starts from `suggested` (a full path) when one is given.
  virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& suggested) = 0;
};

class MessageBox {
 public:
  enum class Answer { save, discard, cancel };
  virtual ~MessageBox() = default;
  // A modal box with the text, one OK button, no icon and the application's title as caption; the
  // details (the file and the reason, say), when there are any, stand under the text.
  virtual void show(QWidget* parent, const QString& text, const QString& details) = 0;
  // A modal question with the buttons Save, Discard and Cancel; closing the box is Cancel.
  virtual Answer askToSave(QWidget* parent, const QString& question) = 0;
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
  // Asks the desktop to open a document or link with its associated program. When the desktop has no
  // program for it, or the program cannot be started, `failed` is called with the reason, perhaps
  // only after this returned (the desktop answers in its own time).
  virtual void open(const QUrl& url, std::function<void(const QString& reason)> failed) = 0;
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

// Opens a document or link with the desktop's program for it; when there is none, or it cannot be
// started, a message names what could not be opened and why.
void open_document(Desktop& desktop, QWidget* parent, const QUrl& url);

// The Qt file-dialog filter for "description|pattern": the description when it already names its
// pattern in parentheses, "description (pattern)" otherwise.
QString qt_file_filter(const QString& filter);

}  // namespace kolbex::shell
