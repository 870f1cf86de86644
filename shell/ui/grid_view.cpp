#include "shell/ui/grid_view.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionHeader>
#include <QToolTip>

#include <algorithm>

namespace kolbex::shell {
namespace {

// The tooltip of a clipped text, or none where nothing is clipped.
void show_clipped_text(const QString& text, QPoint at, QWidget* over) {
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(at, text, over);
}

}  // namespace

QColor readable_text_on(const QColor& background) {
  return background.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

QFont narrow_font(double point_size, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")});
  font.setPointSizeF(point_size);
  font.setBold(bold);
  return font;
}

GridView::GridView(QWidget* parent) : QTableView(parent) {
  setFont(grid_font());
  horizontalHeader()->setFont(grid_font());
  verticalHeader()->setFont(grid_font());
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  horizontalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setWordWrap(false);
  verticalHeader()->viewport()->installEventFilter(this);
  verticalHeader()->viewport()->setMouseTracking(true);
  horizontalHeader()->viewport()->installEventFilter(this);
  corner_ = findChild<QAbstractButton*>();
  if (corner_) {
    corner_->installEventFilter(this);
    corner_->setEnabled(false);  // a press never selects: the fixed cells are not selectable
  }
}

void GridView::setCornerText(const QString& text) {
  corner_text_ = text;
  if (corner_) corner_->update();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    QPainter painter(corner_);
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.palette = palette();  // drawn as the enabled heading it stands for
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.rect = corner_->rect();
    option.text = corner_text_;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter.setFont(grid_font());
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
    return true;
  }
  const bool rows = watched == verticalHeader()->viewport(),
             columns = watched == horizontalHeader()->viewport();
  if ((rows || columns) && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    show_clipped_text(clippedText(rows ? 2 : 1, help->pos()), help->globalPos(),
                      static_cast<QWidget*>(watched));
    return true;
  }
  if (rows && row_header_resizable_) {
    auto* header = verticalHeader();
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && rowHeaderEdge(mouse->position().toPoint())) {
          resize_from_ = mouse->globalPosition().toPoint().x();
          resize_width_ = header->width();
          return true;
        }
        break;
      }
      case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (resize_from_ >= 0) {
          const int width = resize_width_ + mouse->globalPosition().toPoint().x() - resize_from_;
          header->setFixedWidth(std::clamp(width, pixels(300), std::max(pixels(300), this->width() - 40)));
          return true;
        }
        header->viewport()->setCursor(rowHeaderEdge(mouse->position().toPoint()) ? Qt::SplitHCursor
                                                                                 : Qt::ArrowCursor);
        break;
      }
      case QEvent::MouseButtonRelease:
        if (resize_from_ >= 0) {
          resize_from_ = -1;
          return true;
        }
        break;
      default: break;
    }
  }
  return QTableView::eventFilter(watched, event);
}

bool GridView::rowHeaderEdge(QPoint position) const {
  return position.x() >= verticalHeader()->viewport()->width() - 5;
}

QString GridView::clippedText(int header, QPoint position) const {
  if (!model()) return {};
  QString text;
  int room = 0;
  QFont font = this->font();
  if (header == 0) {
    const QModelIndex index = indexAt(position);
    if (!index.isValid()) return {};
    text = index.data(Qt::DisplayRole).toString();
    room = visualRect(index).width();
  } else {
    const QHeaderView* view = header == 1 ? horizontalHeader() : verticalHeader();
    const int section = view->logicalIndexAt(header == 1 ? position.x() : position.y());
    if (section < 0) return {};
    text = model()->headerData(section, header == 1 ? Qt::Horizontal : Qt::Vertical).toString();
    room = header == 1 ? view->sectionSize(section) : view->width();
    font = view->font();
  }
  // The cell's margins take a few pixels on either side.
  const int needed = QFontMetrics(font).horizontalAdvance(text) +
                     2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
  return needed > room ? text : QString();
}

bool GridView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    show_clipped_text(clippedText(0, help->pos()), help->globalPos(), viewport());
    return true;
  }
  return QTableView::viewportEvent(event);
}

QSize fitting_window_size(const QWidget* window, QSize preferred) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return preferred;
  // Room for the frame and title bar the window manager adds.
  const QSize room = screen->availableGeometry().size() - QSize(16, 48);
  return preferred.boundedTo(room.expandedTo(QSize(320, 240)));
}

int GridView::pixels(int twips) const { return static_cast<int>(twips * logicalDpiX() / 1440.0 + 0.5); }

void GridView::setColumnWidthTwips(int column, int twips) { setColumnWidth(column, pixels(twips)); }

void GridView::setRowNumberWidthTwips(int twips) { verticalHeader()->setFixedWidth(pixels(twips)); }

void GridView::setMinimumRowHeightTwips(int twips) {
  // Never lower than the text with its descenders.
  const int height = std::max(pixels(twips), fontMetrics().height() + 4);
  verticalHeader()->setMinimumSectionSize(height);
  verticalHeader()->setDefaultSectionSize(height);
}

}  // namespace kolbex::shell
