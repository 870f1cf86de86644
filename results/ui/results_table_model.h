#pragma once

#include "results/results_table.h"
#include "shell/ui/text_grid_model.h"

namespace kolbex::results {

// The results table as a grid model: row 0 (the column numbers) and column 0 (the sample names, "Sample"
// in row 1) are the header views; alignments and the heading colours of the partner-mineral and
// thermometer blocks.
class ResultsTableModel : public shell::TextGridModel {
  Q_OBJECT
 public:
  explicit ResultsTableModel(ResultsTable& table, QObject* parent = nullptr);

  ResultsTable& table() { return table_; }
  void typeCharacter(char32_t code) override { table_.type_character(code); }

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  ResultsTable& table_;
};

}  // namespace kolbex::results
