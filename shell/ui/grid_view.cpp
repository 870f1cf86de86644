#include "shell/ui/grid_view.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

namespace kolbex::shell {

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
  return QTableView::eventFilter(watched, event);
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
