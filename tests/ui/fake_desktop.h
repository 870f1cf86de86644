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
  QString openFileName(QWidget*, const QString& filter) override {
    if (while_open_dialog) while_open_dialog();
    return answer(filter);
  }
  QString saveFileName(QWidget*, const QString& filter, const QString& suggestion) override {
    suggested << suggestion;
    return answer(filter);
  }
  void show(QWidget*, const QString& text, const QString& detail) override {
    messages.push_back(text);
    details.push_back(detail);
  }
  Answer askToSave(QWidget*, const QString& question) override {
    questions.push_back(question);
    return save_answer;
  }
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
  void open(const QUrl& url, std::function<void(const QString&)> failed) override {
    opened.push_back(url);
    if (!open_fails.isEmpty() && failed) failed(open_fails);
  }

  shell::Desktop desktop() { return {*this, *this, *this, *this}; }

  std::deque<QString> answers;  // what the next dialogs return; an empty queue cancels
  QStringList filters;          // the filters the dialogs were shown with
  QStringList suggested;        // the names the save dialogs suggested
  QStringList messages;
  QStringList details;    // the details shown under each message
  QStringList questions;  // the save questions asked
  Answer save_answer = Answer::cancel;
  QString open_fails;  // when set, every hand-off to the desktop fails with this reason
  std::vector<QUrl> opened;
  bool clipboard_fails = false;
  std::function<void()> while_open_dialog;  // runs while an open dialog is shown

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
