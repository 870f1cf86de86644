#include "entry/ui/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "entry/workbook_import.h"
#include "shell/ui/qt_text.h"

namespace kolbex::entry {
namespace {

constexpr int preview_rows = 8;

}  // namespace

ImportDialog::ImportDialog(const FieldRows& rows, ImportPlan plan, const QString& file_name, QWidget* parent)
    : QDialog(parent), rows_(rows), plan_(std::move(plan)) {
  setWindowTitle(QStringLiteral("Import Analyses - ") + file_name);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Where each column of %1 goes:").arg(file_name), this));
  preview_ = new QTableWidget(preview_rows + 1, static_cast<int>(plan_.columns.size()), this);
  QStringList headings;
  for (const SourceColumn& c : plan_.columns) headings << QString::fromStdString(c.heading);
  preview_->setHorizontalHeaderLabels(headings);
  QStringList row_labels{QStringLiteral("to")};
  for (int r = 1; r <= preview_rows; ++r) row_labels << QString::number(r);
  preview_->setVerticalHeaderLabels(row_labels);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (std::size_t i = 0; i < plan_.columns.size(); ++i) {
    auto* box = new QComboBox(preview_);
    box->addItem(QStringLiteral("ignore"), 0);
    for (int c = 1; c < engine::analysis_column_count; ++c) {
      const std::string_view heading = engine::analysis_headings[static_cast<std::size_t>(c)];
      if (heading.empty()) continue;  // a spacer: nothing goes there
      box->addItem(QStringLiteral("%1  %2").arg(c).arg(shell::qt_text(heading)), c);
    }
    box->setCurrentIndex(std::max(0, box->findData(plan_.columns[i].target)));
    connect(box, &QComboBox::currentIndexChanged, this, [this, i, box] {
      place_column(plan_, i, box->currentData().toInt());
      refresh();
    });
    preview_->setCellWidget(0, static_cast<int>(i), box);
    boxes_.push_back(box);
  }
  preview_->resizeColumnsToContents();
  layout->addWidget(preview_, 1);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  keep_negatives_ = new QCheckBox(QStringLiteral("Keep negative values (below detection) as they are"), this);
  connect(keep_negatives_, &QCheckBox::toggled, this, [this] { refresh(); });
  layout->addWidget(keep_negatives_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons_);
  resize(900, 420);
  refresh();
}

bool ImportDialog::keepNegatives() const { return keep_negatives_->isChecked(); }
QString ImportDialog::summary() const { return summary_->text(); }
bool ImportDialog::canAccept() const { return buttons_->button(QDialogButtonBox::Ok)->isEnabled(); }

void ImportDialog::refresh() {
  const ImportedAnalyses placed = analyses();
  for (int r = 0; r < preview_rows; ++r)
    for (std::size_t i = 0; i < plan_.columns.size(); ++i) {
      const int target = plan_.columns[i].target;
      QString text;
      if (static_cast<std::size_t>(r) < placed.rows.size() && target > 0)
        text = QString::fromStdString(
            placed.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(target)]);
      preview_->setItem(r + 1, static_cast<int>(i), new QTableWidgetItem(text));
    }
  const bool ok = plan_.refusal.empty();
  summary_->setText(ok ? QString::fromStdString(import_summary(plan_, placed).front())
                       : QString::fromStdString(plan_.refusal));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(ok && !placed.rows.empty());
}

}  // namespace kolbex::entry
