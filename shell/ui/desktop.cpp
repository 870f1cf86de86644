#include "shell/ui/desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace kolbex::shell {
namespace {

class QtFileDialog : public FileDialog {
 public:
  QString openFileName(QWidget* parent, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, {}, {}, qt_file_filter(filter));
  }
  QString saveFileName(QWidget* parent, const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, {}, {}, qt_file_filter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  }
};

class QtMessageBox : public MessageBox {
 public:
  void show(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
  }
};

class QtClipboard : public Clipboard {
 public:
  bool clear() override {
    QGuiApplication::clipboard()->clear();
    return true;
  }
  bool setText(const QString& text) override {
    QGuiApplication::clipboard()->setText(text);
    return true;
  }
  std::optional<QString> text() override { return QGuiApplication::clipboard()->text(); }
  bool setImage(const QImage& image) override {
    QGuiApplication::clipboard()->setImage(image);
    return true;
  }
};

class QtDocumentOpener : public DocumentOpener {
 public:
  void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

}  // namespace

Desktop& system_desktop() {
  static QtFileDialog files;
  static QtMessageBox messages;
  static QtClipboard clipboard;
  static QtDocumentOpener opener;
  static Desktop desktop{files, messages, clipboard, opener};
  return desktop;
}

QString qt_file_filter(const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  const QString description = (bar < 0 ? filter : filter.left(bar)).trimmed();
  const QString pattern = bar < 0 ? QString() : filter.mid(bar + 1).trimmed();
  if (pattern.isEmpty() || description.endsWith(u')')) return description;
  return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

}  // namespace kolbex::shell
