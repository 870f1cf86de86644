#include "results/ui/diagram_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolTip>

#include "results/ui/ternary_plot.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/qt_text.h"

namespace kolbex::results {

DiagramView::DiagramView(const DiagramCommand& diagram, QWidget* parent)
    : QWidget(parent), diagram_(diagram) {
  setMinimumSize(480, 460);
  setMouseTracking(true);
  setFont(shell::grid_font());
}

void DiagramView::setData(DiagramData data) {
  data_ = std::move(data);
  update();
}

void DiagramView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_ternary(painter, rect(), diagram_, data_, &positions_);
}

int DiagramView::pointAt(QPointF position) const {
  int best = -1;
  double best_distance = 7.0 * 7.0;  // pixels, squared
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    const QPointF d = positions_[i] - position;
    const double distance = d.x() * d.x() + d.y() * d.y();
    if (distance <= best_distance) {
      best_distance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

bool DiagramView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const int i = pointAt(help->pos());
  if (i < 0) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  const DiagramPoint& p = data_.points[static_cast<std::size_t>(i)];
  QString text = QString::fromStdString(p.sample);
  for (std::size_t k = 0; k < 3; ++k)
    text += QStringLiteral("\n%1: %2")
                .arg(shell::qt_text(diagram_.columns[k]), QString::number(p.values[k], 'g', 6));
  QToolTip::showText(help->globalPos(), text, this);
  return true;
}

DiagramWindow::DiagramWindow(const DiagramCommand& diagram, std::filesystem::path data_folder,
                             shell::Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), diagram_(diagram), folder_(std::move(data_folder)), desktop_(desktop) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(shell::qt_text(diagram.caption));
  view_ = new DiagramView(diagram_, this);
  setCentralWidget(view_);
  QMenu* file = menuBar()->addMenu(QStringLiteral("Diagram"));
  QToolBar* bar = addToolBar(QStringLiteral("Diagram"));
  const auto command = [&](const QString& text, auto handler) {
    QAction* action = file->addAction(text);
    bar->addAction(action);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  command(QStringLiteral("Export PNG..."), [this] {
    exportWith(QStringLiteral("PNG image (*.png)|*.png"), QStringLiteral("png"), &DiagramWindow::exportPng);
  });
  command(QStringLiteral("Export SVG..."), [this] {
    exportWith(QStringLiteral("SVG drawing (*.svg)|*.svg"), QStringLiteral("svg"), &DiagramWindow::exportSvg);
  });
  command(QStringLiteral("Export PDF..."), [this] {
    exportWith(QStringLiteral("PDF document (*.pdf)|*.pdf"), QStringLiteral("pdf"),
               &DiagramWindow::exportPdf);
  });
  command(QStringLiteral("Copy Image"), [this] { copyImage(); });
  command(QStringLiteral("Print..."), [this] { print(); });
  file->addSeparator();
  command(QStringLiteral("Close"), [this] { close(); });
  resize(820, 800);
  reload();
}

void DiagramWindow::reload() { view_->setData(read_diagram_data(folder_, diagram_)); }

void DiagramWindow::exportWith(const QString& filter, const QString& extension,
                               bool (DiagramWindow::*write)(const QString&)) {
  const QString suggested = QDir(QString::fromStdString(folder_.string()))
                                .filePath(diagram_file_stem(diagram_) + QLatin1Char('.') + extension);
  QString name = desktop_.files.saveFileName(this, filter, suggested);
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QLatin1Char('.') + extension;
  if (!(this->*write)(name)) {
    const QFileInfo where(name);
    const QString reason = !where.dir().exists() ? QStringLiteral("the folder does not exist")
                           : !QFileInfo(where.absolutePath()).isWritable()
                               ? QStringLiteral("the folder cannot be written to")
                               : QStringLiteral("the file cannot be written");
    desktop_.messages.show(this, QStringLiteral("The diagram could not be written to ") + name, reason);
  }
}

QImage DiagramWindow::image(QSize size) const { return diagram_image(diagram_, view_->data(), size); }

bool DiagramWindow::exportPng(const QString& path) {
  return write_diagram_png(path, diagram_, view_->data());
}

bool DiagramWindow::exportSvg(const QString& path) {
  return write_diagram_svg(path, diagram_, view_->data());
}

bool DiagramWindow::exportPdf(const QString& path) {
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setResolution(300);
  pdf.setTitle(windowTitle());
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  const QRect page = painter.viewport();
  paint_ternary(painter, QRectF(page.left(), page.top(), page.width(), page.width() * 0.95), diagram_,
                view_->data());
  return painter.end();
}

void DiagramWindow::copyImage() { desktop_.clipboard.setImage(image(view_->size() * 2)); }

void DiagramWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  paint_ternary(painter, QRectF(page.left(), page.top(), page.width(), page.width() * 0.95), diagram_,
                view_->data());
}

}  // namespace kolbex::results
