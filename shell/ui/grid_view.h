#pragma once

#include <QString>
#include <QTableView>

class QAbstractButton;

namespace kolbex::shell {

// A text grid whose first row and first column stay in place while it scrolls: they are the header
// views, and the corner shows the text of cell (0, 0). No cell editor ever opens.
class GridView : public QTableView {
  Q_OBJECT
 public:
  explicit GridView(QWidget* parent = nullptr);

  void setCornerText(const QString& text);
  QString cornerText() const { return corner_text_; }

  // Widths and heights are given in twips (1/1440 inch) and drawn at the screen's logical dots per inch.
  int pixels(int twips) const;
  void setColumnWidthTwips(int column, int twips);  // a data column
  void setRowNumberWidthTwips(int twips);           // the fixed first column
  void setMinimumRowHeightTwips(int twips);
  // The fixed first column can be widened and narrowed by dragging its right edge.
  void setRowHeaderResizable(bool resizable) { row_header_resizable_ = resizable; }
  // The text a cell shows in full as its tooltip when its column is too narrow for it, else empty.
  // `header`: 0 for a data cell at `position` in the viewport, 1 for the heading row, 2 for the first
  // column (`position` in that header's viewport).
  QString clippedText(int header, QPoint position) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  bool rowHeaderEdge(QPoint position) const;

  QString corner_text_;
  QAbstractButton* corner_ = nullptr;
  bool row_header_resizable_ = false;
  int resize_from_ = -1;  // while the first column's edge is dragged: where the drag started
  int resize_width_ = 0;
};

// A window's size: the preferred one, made smaller where the screen's free area (without panels and
// docks) is smaller, so that the whole window with its frame fits on it.
QSize fitting_window_size(const QWidget* window, QSize preferred);

// "Arial Narrow", or the metric-compatible "Liberation Sans Narrow", at a size; the grids use 9.75 point.
QFont narrow_font(double point_size, bool bold = false);

// The text colour that stays readable on a coloured heading, whatever the desktop's theme: black on a
// light background, white on a dark one.
QColor readable_text_on(const QColor& background);
inline QFont grid_font() { return narrow_font(9.75); }

}  // namespace kolbex::shell
