#include "shell/ui/desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QSpacerItem>
#include <QStandardPaths>

namespace kolbex::shell {
namespace {

class QtFileDialog : public FileDialog {
 public:
  QString openFileName(QWidget* parent, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, {}, {}, qt_file_filter(filter));
  }
  QString saveFileName(QWidget* parent, const QString& filter, const QString& suggested) override {
    return QFileDialog::getSaveFileName(parent, {}, suggested, qt_file_filter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  }
};

// A message box sizes itself to its text; a short text would cut its caption off.
void fit_caption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  QFont caption = box.font();
  caption.setBold(true);
  const int width = QFontMetrics(caption).horizontalAdvance(box.windowTitle()) + 160;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                1, grid->columnCount());
}

class QtMessageBox : public MessageBox {
 public:
  void show(QWidget* parent, const QString& text, const QString& details) override {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    parent);
    if (!details.isEmpty()) box.setInformativeText(details);
    fit_caption(box);
    box.exec();
  }
  Answer askToSave(QWidget* parent, const QString& question) override {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    fit_caption(box);
    switch (box.exec()) {
      case QMessageBox::Save: return Answer::save;
      case QMessageBox::Discard: return Answer::discard;
      default: return Answer::cancel;
    }
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

// The reasons xdg-open gives by its exit status.
QString xdg_open_reason(int status) {
  switch (status) {
    case 1: return QStringLiteral("the desktop did not understand the request");
    case 2: return QStringLiteral("the file does not exist");
    case 3: return QStringLiteral("no program is set up to open it");
    case 4: return QStringLiteral("the program for it could not open it");
    default: return QStringLiteral("the desktop could not open it (status %1)").arg(status);
  }
}

// Through xdg-open where the desktop has it, whose exit status says whether a program took the
// document; otherwise through Qt's own hand-off.
class QtDocumentOpener : public DocumentOpener {
 public:
  void open(const QUrl& url, std::function<void(const QString&)> failed) override {
    const QString xdg_open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdg_open.isEmpty()) {
      if (!QDesktopServices::openUrl(url) && failed)
        failed(QStringLiteral("no program is set up to open it"));
      return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int status, QProcess::ExitStatus how) {
                       if (failed && how == QProcess::NormalExit && status != 0)
                         failed(xdg_open_reason(status));
                       process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError e) {
      if (e != QProcess::FailedToStart) return;
      if (failed) failed(process->errorString());
      process->deleteLater();
    });
    process->start(xdg_open, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
  }
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

void open_document(Desktop& desktop, QWidget* parent, const QUrl& url) {
  const QString name = url.isLocalFile() ? url.toLocalFile() : url.toDisplayString();
  QPointer<QWidget> window(parent);
  desktop.opener.open(url, [&messages = desktop.messages, window, name](const QString& reason) {
    messages.show(window, QStringLiteral("%1 could not be opened.").arg(name), reason);
  });
}

QString qt_file_filter(const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  const QString description = (bar < 0 ? filter : filter.left(bar)).trimmed();
  const QString pattern = bar < 0 ? QString() : filter.mid(bar + 1).trimmed();
  if (pattern.isEmpty() || description.endsWith(u')')) return description;
  return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

}  // namespace kolbex::shell
