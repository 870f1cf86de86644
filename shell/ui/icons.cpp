#include "shell/ui/icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <cmath>
#include <functional>

namespace kolbex::shell {
namespace {

QIcon drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  draw(p);
  return QIcon(pixmap);
}

void page(QPainter& p, QRectF r, QColor fill = Qt::white) {
  p.setBrush(fill);
  p.drawRect(r);
}

// A small spreadsheet: a framed 3 x 3 grid.
void sheet(QPainter& p, QRectF r) {
  page(p, r, QColor(235, 245, 235));
  for (int i = 1; i < 3; ++i) {
    p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()),
               QPointF(r.left() + r.width() * i / 3, r.bottom()));
    p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3),
               QPointF(r.right(), r.top() + r.height() * i / 3));
  }
}

void arrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y()) * 4;
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - d + n);
  p.drawLine(to, to - d - n);
}

QIcon standard(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

}  // namespace

QIcon icon(Icon which) {
  switch (which) {
    case Icon::new_file: return standard(QStyle::SP_FileIcon);
    case Icon::open_file: return standard(QStyle::SP_DialogOpenButton);
    case Icon::save: return standard(QStyle::SP_DialogSaveButton);
    case Icon::close: return standard(QStyle::SP_DialogCloseButton);
    case Icon::exit: return standard(QStyle::SP_BrowserStop);
    case Icon::about: return standard(QStyle::SP_MessageBoxInformation);
    case Icon::help: return standard(QStyle::SP_DialogHelpButton);
    case Icon::next_screen: return standard(QStyle::SP_ArrowForward);
    case Icon::previous_screen: return standard(QStyle::SP_ArrowBack);
    case Icon::delete_cells: return standard(QStyle::SP_TrashIcon);
    case Icon::cut:
      return drawn([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
        p.drawLine(QPointF(9, 16), QPointF(17, 3));
        p.drawLine(QPointF(15, 16), QPointF(7, 3));
      });
    case Icon::copy:
      return drawn([](QPainter& p) {
        page(p, {3, 3, 11, 14});
        page(p, {9, 7, 11, 14});
      });
    case Icon::paste:
      return drawn([](QPainter& p) {
        page(p, {4, 4, 15, 17}, QColor(210, 170, 110));
        page(p, {8, 2, 7, 4}, QColor(160, 160, 160));
        page(p, {10, 10, 10, 11});
      });
    case Icon::select_all:
      return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5, Qt::DashLine));
        p.setBrush(QColor(200, 220, 255));
        p.drawRect(QRectF(3, 3, 18, 18));
      });
    case Icon::calculate:
      return drawn([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        QPainterPath sigma;
        sigma.moveTo(18, 4);
        sigma.lineTo(6, 4);
        sigma.lineTo(13, 12);
        sigma.lineTo(6, 20);
        sigma.lineTo(18, 20);
        p.setPen(QPen(QColor(30, 60, 140), 2.2));
        p.drawPath(sigma);
      });
    case Icon::load_workbook:
      return drawn([](QPainter& p) {
        sheet(p, {2, 2, 12, 12});
        p.setPen(QPen(QColor(30, 120, 40), 2));
        arrow(p, {10, 10}, {20, 20});
      });
    case Icon::edit_workbook:
      return drawn([](QPainter& p) {
        sheet(p, {2, 2, 14, 14});
        p.setPen(QPen(QColor(150, 80, 20), 2.5));
        p.drawLine(QPointF(10, 21), QPointF(21, 10));
      });
    case Icon::send_workbook:
      return drawn([](QPainter& p) {
        sheet(p, {10, 10, 12, 12});
        p.setPen(QPen(QColor(30, 120, 40), 2));
        arrow(p, {2, 2}, {12, 12});
      });
    case Icon::open_workbook: return drawn([](QPainter& p) { sheet(p, {3, 3, 18, 18}); });
    case Icon::plot:
      return drawn([](QPainter& p) {
        p.setBrush(QColor(255, 245, 210));
        p.drawPolygon(QPolygonF({QPointF(12, 2), QPointF(22, 20), QPointF(2, 20)}));
        p.setBrush(QColor(150, 20, 40));
        p.drawEllipse(QPointF(12, 13), 2, 2);
      });
  }
  return {};
}

}  // namespace kolbex::shell
