#pragma once

#include "entry/analysis_table.h"
#include "shell/ui/text_grid_model.h"

namespace kolbex::entry {

// The analysis table as a grid model: texts, the column layout's alignments and heading colours, and
// Insert and Remove Row row by row.
class AnalysisTableModel : public shell::TextGridModel {
  Q_OBJECT
 public:
  explicit AnalysisTableModel(AnalysisTable& table, QObject* parent = nullptr);

  AnalysisTable& table() { return table_; }
  void typeCharacter(char32_t code) override { table_.type_character(code); }

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  bool insertTableRow(int row);
  bool removeTableRow(int row);

 private:
  AnalysisTable& table_;
};

}  // namespace kolbex::entry
