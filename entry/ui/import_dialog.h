#pragma once

#include <QDialog>

#include <vector>

#include "entry/heading_import.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace kolbex::entry {

// The preview of an import: one column per column of the file, headed by a box that says where it goes
// (an analysis-table column or "ignore"), the first analyses as they will be placed, the summary line,
// and the choice to keep negative values. OK stays disabled while two columns share a place.
class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  ImportDialog(const FieldRows& rows, ImportPlan plan, const QString& file_name, QWidget* parent = nullptr);

  const ImportPlan& plan() const { return plan_; }
  bool keepNegatives() const;
  ImportedAnalyses analyses() const { return import_analyses(rows_, plan_, keepNegatives()); }

  QComboBox* placeBox(int column) const { return boxes_.at(static_cast<std::size_t>(column)); }
  QString summary() const;
  bool canAccept() const;

 private:
  void refresh();

  const FieldRows& rows_;
  ImportPlan plan_;
  QTableWidget* preview_;
  std::vector<QComboBox*> boxes_;
  QLabel* summary_;
  QCheckBox* keep_negatives_;
  QDialogButtonBox* buttons_;
};

}  // namespace kolbex::entry
