#include "shell/ui/about_window.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "shell/ui/garnet_picture.h"
#include "shell/version.h"

namespace kolbex::shell {
namespace {

// No address of the authors is published yet: the mail opens with the subject and body filled in and the
// recipient left to the user.
constexpr char authors_address[] = "";

}  // namespace

CitationWindow::CitationWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("J o u r n a l"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(new GarnetPicture(QColor(40, 110, 60), this));
  auto* column = new QVBoxLayout;
  reference_ = new QLabel(
      QStringLiteral("Cite Kolbex as the program of its publication, and the garnet-supergroup nomenclature\n"
                     "it applies as:\n\n"
                     "Grew, E.S., Locock, A.J., Mills, S.J., Galuskina, I.O., Galuskin, E.V. & Hålenius, U.\n"
                     "(2013) Nomenclature of the garnet supergroup. American Mineralogist 98, 785–811."),
      this);
  reference_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(reference_);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);  // close_citation
  column->addWidget(close, 0, Qt::AlignRight);
  layout->addLayout(column);
}

AboutWindow::AboutWindow(Desktop desktop, QWidget* parent) : QWidget(parent, Qt::Window), desktop_(desktop) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("A b o u t"));
  auto* layout = new QHBoxLayout(this);
  auto* pictures = new QVBoxLayout;
  pictures->addWidget(new GarnetPicture(QColor(150, 20, 40), this));
  pictures->addWidget(new GarnetPicture(QColor(200, 120, 30), this));
  layout->addLayout(pictures);

  auto* column = new QVBoxLayout;
  auto* title = new QLabel(QStringLiteral("K o l b e x") + QString(27, u' ') + QStringLiteral("Version ") +
                               QString::fromLatin1(version) + QStringLiteral(" \n") +
                               QStringLiteral("The Kolbex developers"),
                           this);
  QFont big = title->font();
  big.setBold(true);
  title->setFont(big);
  column->addWidget(title);
  auto* description = new QLabel(
      QStringLiteral(
          "     Kolbex estimates and classifies electron microprobe and wet chemical garnet supergroup "
          "mineral analyses based on the recommended nomenclature scheme  by Grew et al. (2013). "
          "Kolbex provides the users 30 geothermometers based on Fe2+ - Mg exchange reactions for "
          "grt-bt, grt-cpx and grt-opx pairs. The program also enables the users sedimentary "
          "provanance analysis using specific garnet end-members on ternary classification "
          "diagrams."),
      this);
  description->setWordWrap(true);
  description->setMinimumWidth(420);
  column->addWidget(description);
  column->addWidget(new QLabel(
      QStringLiteral("Results are estimates: check them against the analyses before you publish them."),
      this));
  auto* buttons = new QHBoxLayout;
  published_in_ = new QPushButton(QStringLiteral("Published in"), this);
  e_mail_ = new QPushButton(QStringLiteral("E-mail"), this);
  e_mail_->setToolTip(QStringLiteral("Send e-mail to author"));
  close_ = new QPushButton(QStringLiteral("Close"), this);
  buttons->addWidget(published_in_);
  buttons->addWidget(e_mail_);
  buttons->addStretch();
  buttons->addWidget(close_);
  column->addLayout(buttons);
  layout->addLayout(column);

  // show_citation: a window of its own, which stays when the About window closes.
  connect(published_in_, &QPushButton::clicked, this, [this] {
    citation_ = new CitationWindow;
    citation_->show();
  });
  connect(e_mail_, &QPushButton::clicked, this, [this] {
    open_document(desktop_, this, mailLink(QDateTime::currentDateTime()));
  });                                                             // write_to_authors
  connect(close_, &QPushButton::clicked, this, &QWidget::close);  // close_about
}

QUrl AboutWindow::mailLink(const QDateTime& now) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(QString::fromLatin1(authors_address));
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Kolbex"));
  query.addQueryItem(QStringLiteral("body"), QGuiApplication::applicationDisplayName() +
                                                 QStringLiteral("; ") +
                                                 QLocale().toString(now, QLocale::ShortFormat));
  url.setQuery(query);
  return url;
}

AboutWindow& show_about(Desktop& desktop) {
  static QPointer<AboutWindow> about;
  if (!about) about = new AboutWindow(desktop);
  about->show();
  about->raise();
  about->activateWindow();
  return *about;
}

}  // namespace kolbex::shell
