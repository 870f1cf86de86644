#pragma once

#include <QMainWindow>

#include <memory>

#include "results/results_table.h"

class QLabel;

namespace kolbex::shell {
class GridView;
}

namespace kolbex::results {

class ResultsTableModel;

// The results window ("Calculation Screen", Form10): the results table of every run since the window was
// created, and three status panels the run writes. Closing it unloads it with its rows.
class ResultsWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit ResultsWindow(QWidget* parent = nullptr);
  ~ResultsWindow() override;

  ResultsTable& table() { return table_; }
  ResultsTableModel& model() { return *model_; }
  shell::GridView& view() { return *view_; }
  // Status panels 1 to 3.
  QLabel* panel(int number) const { return panels_[static_cast<std::size_t>(number - 1)]; }

  // After a run has appended rows to the table: the grid shows them.
  void showAppendedRows();

 private:
  // lay_out_results_table: 188 columns with their widths, the two header rows, alignments, colours.
  void layOutResultsTable();

  ResultsTable table_;
  std::unique_ptr<ResultsTableModel> model_;
  shell::GridView* view_;
  std::array<QLabel*, 3> panels_{};
};

}  // namespace kolbex::results
