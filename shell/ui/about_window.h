#pragma once

#include <QWidget>

#include "shell/ui/desktop.h"

class QLabel;
class QPushButton;

namespace kolbex::shell {

// "J o u r n a l": how to cite the program.
class CitationWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CitationWindow(QWidget* parent = nullptr);
  QLabel* reference() const { return reference_; }

 private:
  QLabel* reference_;
};

// "A b o u t": what the program does, its version, and the way to the citation and to the authors.
class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AboutWindow(Desktop desktop, QWidget* parent = nullptr);

  QPushButton* publishedIn() const { return published_in_; }
  QPushButton* eMail() const { return e_mail_; }
  QPushButton* closeButton() const { return close_; }
  CitationWindow* citation() const { return citation_; }

  // write_to_authors: a mailto link with the application title and the date and time of the click.
  static QUrl mailLink(const QDateTime& now);

 private:
  Desktop desktop_;
  QPushButton* published_in_;
  QPushButton* e_mail_;
  QPushButton* close_;
  CitationWindow* citation_ = nullptr;
};

// show_about: the one About window of the program, created when first needed and brought forward.
AboutWindow& show_about(Desktop& desktop);

}  // namespace kolbex::shell
