#pragma once

#include <QStringList>
#include <QUrl>

#include <deque>
#include <vector>

#include "shell/ui/desktop.h"

namespace kolbex::test {

// The platform for window tests: the file dialog answers from a queue, shown messages are recorded, the
// clipboard is the real one unless told to fail, and nothing is ever opened.
class FakeDesktop : public shell::FileDialog,
                    public shell::MessageBox,
                    public shell::Clipboard,
                    public shell::DocumentOpener {
 public:
  QString openFileName(QWidget*, const QString& filter) override { return answer(filter); }
  QString saveFileName(QWidget*, const QString& filter) override { return answer(filter); }
  void show(QWidget*, const QString& text) override { messages.push_back(text); }
  bool clear() override { return !clipboard_fails && shell::system_desktop().clipboard.clear(); }
  bool setText(const QString& text) override {
    return !clipboard_fails && shell::system_desktop().clipboard.setText(text);
  }
  std::optional<QString> text() override {
    if (clipboard_fails) return std::nullopt;
    return shell::system_desktop().clipboard.text();
  }
  bool setImage(const QImage& image) override {
    return !clipboard_fails && shell::system_desktop().clipboard.setImage(image);
  }
  void open(const QUrl& url) override { opened.push_back(url); }

  shell::Desktop desktop() { return {*this, *this, *this, *this}; }

  std::deque<QString> answers;  // what the next dialogs return; an empty queue cancels
  QStringList filters;          // the filters the dialogs were shown with
  QStringList messages;
  std::vector<QUrl> opened;
  bool clipboard_fails = false;

 private:
  QString answer(const QString& filter) {
    filters << filter;
    if (answers.empty()) return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace kolbex::test
