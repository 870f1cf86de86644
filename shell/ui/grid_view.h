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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString corner_text_;
  QAbstractButton* corner_ = nullptr;
};

// "Arial Narrow", or the metric-compatible "Liberation Sans Narrow", at a size; the grids use 9.75 point.
QFont narrow_font(double point_size, bool bold = false);
inline QFont grid_font() { return narrow_font(9.75); }

}  // namespace kolbex::shell
