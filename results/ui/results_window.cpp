#include "results/ui/results_window.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "results/results_columns.h"
#include "results/ui/results_table_model.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/title_label.h"

namespace kolbex::results {

// The one-line edit box of the window is 238 twips high; the rows are at least as high.
constexpr int edit_box_height = 238;

ResultsWindow::ResultsWindow(QWidget* parent) : QMainWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("K o l b e x  -  Calculation Screen"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* title = shell::title_label(QStringLiteral("Calculation Screen"), central);
  title->setObjectName(QStringLiteral("titleLabel"));
  layout->addWidget(title);
  layout->addWidget(new QLabel(QStringLiteral("A Windows Program for Garnet Supergroup Minerals "), central));
  view_ = new shell::GridView(central);
  model_ = std::make_unique<ResultsTableModel>(table_);
  view_->setModel(model_.get());
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(this);
    statusBar()->addWidget(panels_[i], i == 0 ? 2 : 1);
  }
  layOutResultsTable();
  resize(1000, 600);
}

ResultsWindow::~ResultsWindow() { view_->setModel(nullptr); }

void ResultsWindow::layOutResultsTable() {
  view_->setCornerText(model_->cellText(0, 0));
  view_->setRowNumberWidthTwips(results_columns[0].width);
  for (int c = 1; c < results_column_count; ++c)
    view_->setColumnWidthTwips(c - 1, results_columns[static_cast<std::size_t>(c)].width);
  view_->setMinimumRowHeightTwips(edit_box_height);
}

void ResultsWindow::showAppendedRows() { model_->rowsAppended(); }

}  // namespace kolbex::results
