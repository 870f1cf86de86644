#include "entry/ui/data_entry_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "engine/analysis_columns.h"
#include "entry/data_set_file.h"
#include "entry/ui/analysis_table_model.h"
#include "entry/ui/import_dialog.h"
#include "entry/workbook_import.h"
#include "results/calculation_run.h"
#include "results/ui/results_window.h"
#include "shell/failure.h"
#include "shell/file_io.h"
#include "shell/program_folders.h"
#include "shell/ui/about_window.h"
#include "shell/ui/garnet_picture.h"
#include "shell/ui/grid_commands.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/help_window.h"
#include "shell/ui/icons.h"
#include "shell/ui/numbered_toolbar.h"
#include "shell/ui/text_grid_view.h"
#include "shell/ui/title_label.h"

namespace kolbex::entry {
namespace {

// The edit buffer is 238 twips high; New File makes it the table's minimum row height.
constexpr int edit_buffer_height = 238;
// The run reads rows 1 to 300 of the analysis table.
constexpr int run_row_limit = 300;

const QString data_set_filter = QStringLiteral("Garnet(*.gsg) |*.gsg");
const QString xls_filter = QStringLiteral("Excel files (*.xls)|*.xls");
const QString xlsx_filter = QStringLiteral("Excel files (*.xlsx)|*.xlsx");
const QString save_filter = QStringLiteral("Garnet files(*.gsg) |*.gsg");
const QString import_filter =
    QStringLiteral("Analyses (*.csv *.tsv *.txt *.xlsx *.xls)|*.csv;*.tsv;*.txt;*.xlsx;*.xls");

std::filesystem::path path_of(const QString& name) { return std::filesystem::path(name.toStdString()); }

}  // namespace

DataEntryWindow::DataEntryWindow(shell::Desktop& desktop, std::filesystem::path working_folder,
                                 QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      folder_(std::move(working_folder)),
      program_folder_(QCoreApplication::applicationDirPath().toStdString()),
      model_(std::make_unique<AnalysisTableModel>(table_)),
      report_(shell::ReportingWindow::data_entry, desktop.messages),
      editing_(*model_, desktop.clipboard, report_) {
  setObjectName(QStringLiteral("kkj"));
  setAcceptDrops(true);
  setWindowTitle(QStringLiteral("K o l b e x") + QString(10, u' '));

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* heading = new QHBoxLayout;
  pictures_[0] = new shell::GarnetPicture(QColor(150, 20, 40), central);
  pictures_[1] = new shell::GarnetPicture(QColor(200, 120, 30), central);
  auto* titles = new QVBoxLayout;
  title_ = shell::title_label({}, central);
  title_->setObjectName(QStringLiteral("Label3"));
  titles->addWidget(title_);
  auto* subtitle = new QLabel(QStringLiteral("A Windows Program for Garnet Supergroup Minerals"), central);
  subtitle->setWordWrap(true);
  titles->addWidget(subtitle);
  heading->addWidget(pictures_[0]);
  heading->addLayout(titles, 1);
  heading->addWidget(pictures_[1]);
  layout->addLayout(heading);

  startup_panel_ = new QWidget(central);
  startup_panel_->setObjectName(QStringLiteral("startupPanel"));
  auto* startup = new QVBoxLayout(startup_panel_);
  auto* name = new QLabel(QStringLiteral("K o l b e x"), startup_panel_);
  QFont huge = name->font();
  huge.setPointSizeF(huge.pointSizeF() * 3);
  huge.setBold(true);
  name->setFont(huge);
  name->setAlignment(Qt::AlignCenter);
  startup->addStretch();
  startup->addWidget(name);
  auto* functions = new QLabel(
      QStringLiteral(
          "Formula calculation  ·  Classification (Grew et al. 2013)  ·  30 Fe-Mg exchange geothermometers"),
      startup_panel_);
  functions->setAlignment(Qt::AlignCenter);
  functions->setWordWrap(true);  // on a small screen the line wraps rather than widening the window
  startup->addWidget(functions);
  startup->addStretch();
  layout->addWidget(startup_panel_, 1);

  view_ = new shell::TextGridView(*model_, central);
  view_->setObjectName(QStringLiteral("analysisTable"));
  view_->setMinimumRowHeightTwips(edit_buffer_height);
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  connect(view_, &shell::TextGridView::popupRequested, this, [this](QPoint at) {
    edit_menu_->popup(QPoint(at.x() - edit_menu_->sizeHint().width() / 2, at.y()));
  });

  buildMenus();
  buildToolbar();
  buildStatusBar();
  // F1 anywhere in the program opens the help.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::ApplicationShortcut);
  connect(f1, &QShortcut::activated, this, [] { shell::open_help(); });

  // Undo and Redo are there while the table is shown and has a step to undo or do again.
  shell::on_every_change(model_.get(), this, &DataEntryWindow::refreshUndo);

  // The window is created in the start-up state, its table laid out and hidden.
  capCell();
  setTitle(QStringLiteral("Start-up Screen"));
  apply(EntryCommand::created);
  for (auto* picture : pictures_) picture->hide();
  resize(shell::fitting_window_size(this, QSize(1100, 700)));
}

DataEntryWindow::~DataEntryWindow() {
  view_->setModel(nullptr);
  if (results_) results_->close();
}

QAction* DataEntryWindow::entry(QMenu* menu, const QString& caption, const char* name,
                                const QKeySequence& shortcut, void (DataEntryWindow::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  if (handler) connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

void DataEntryWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  mnuNewFile_ = entry(file, QStringLiteral("New File"), "mnuNewFile", QKeySequence(QStringLiteral("Ctrl+N")),
                      &DataEntryWindow::mnuNewFile);
  mnuOpenFile_ = entry(file, QStringLiteral("Open File"), "mnuOpenFile",
                       QKeySequence(QStringLiteral("Ctrl+O")), &DataEntryWindow::mnuOpenFile);
  mnuSaveAs_ = entry(file, QStringLiteral("Save As"), "mnuSaveAs", QKeySequence(QStringLiteral("Ctrl+S")),
                     &DataEntryWindow::mnuSaveAs);
  mnuClose_ = entry(file, QStringLiteral("Close"), "mnuClose", QKeySequence(QStringLiteral("Ctrl+C")),
                    &DataEntryWindow::mnuClose);
  file->addSeparator();
  QMenu* load = file->addMenu(QStringLiteral("Open Excel File"));
  load->menuAction()->setObjectName(QStringLiteral("mnuOEF"));
  load->addSeparator();
  mnu9703_ = entry(load, QStringLiteral("1997 - 2003 Files (.xls)"), "mnu9703",
                   QKeySequence(QStringLiteral("Ctrl+G")), &DataEntryWindow::mnu9703);
  mnu07Later_ = entry(load, QStringLiteral("2007 - Later (.xlsx)"), "mnu07Later",
                      QKeySequence(QStringLiteral("Ctrl+H")), &DataEntryWindow::mnu07Later);
  load->addSeparator();
  QMenu* edit_workbook = file->addMenu(QStringLiteral("Edit Excel File"));
  edit_workbook->menuAction()->setObjectName(QStringLiteral("mnuEEF"));
  edit_workbook->addSeparator();
  mnu9703e_ = entry(edit_workbook, QStringLiteral("1997 - 2003 Files (.xls)"), "mnu9703e",
                    QKeySequence(QStringLiteral("Ctrl+F1")), &DataEntryWindow::mnu9703e);
  mnu07Latere_ = entry(edit_workbook, QStringLiteral("2007 - Later (.xlsx)"), "mnu07Latere",
                       QKeySequence(QStringLiteral("Ctrl+F2")), &DataEntryWindow::mnu07Latere);
  edit_workbook->addSeparator();
  mnuImportAnalyses_ =
      entry(file, QStringLiteral("Import Analyses..."), "mnuImportAnalyses",
            QKeySequence(QStringLiteral("Ctrl+Shift+I")), &DataEntryWindow::mnuImportAnalyses);
  file->addSeparator();
  mnuExit_ = entry(file, QStringLiteral("Exit"), "mnuExit", QKeySequence(QStringLiteral("Ctrl+X")),
                   &DataEntryWindow::mnuExit);

  edit_menu_ = menuBar()->addMenu(QStringLiteral("Edit"));
  mnuEditUndo_ = entry(edit_menu_, QStringLiteral("Undo"), "mnuEditUndo",
                       QKeySequence(QStringLiteral("Ctrl+Z")), &DataEntryWindow::mnuEditUndo);
  mnuEditRedo_ = entry(edit_menu_, QStringLiteral("Redo"), "mnuEditRedo",
                       QKeySequence(QStringLiteral("Ctrl+Shift+Z")), &DataEntryWindow::mnuEditRedo);
  edit_menu_->addSeparator();
  mnuClear_ = entry(edit_menu_, QStringLiteral("Clear All"), "mnuClear",
                    QKeySequence(QStringLiteral("Ctrl+A")), &DataEntryWindow::mnuClear);
  mnuDelete_ = entry(edit_menu_, QStringLiteral("Remove Row"), "mnuDelete",
                     QKeySequence(QStringLiteral("Ctrl+D")), &DataEntryWindow::mnuDelete);
  mnuEditInsertRow_ = entry(edit_menu_, QStringLiteral("Insert Row"), "mnuEditInsertRow",
                            QKeySequence(QStringLiteral("Ctrl+I")), &DataEntryWindow::mnuEditInsertRow);
  edit_menu_->addSeparator();
  mnuEditCut_ = entry(edit_menu_, QStringLiteral("Cut"), "mnuEditCut", QKeySequence(QStringLiteral("Ctrl+T")),
                      &DataEntryWindow::mnuEditCut);
  mnuEditCopy_ = entry(edit_menu_, QStringLiteral("Copy"), "mnuEditCopy",
                       QKeySequence(QStringLiteral("Ctrl+Y")), &DataEntryWindow::mnuEditCopy);
  mnuEditPaste_ = entry(edit_menu_, QStringLiteral("Paste"), "mnuEditPaste",
                        QKeySequence(QStringLiteral("Ctrl+P")), &DataEntryWindow::mnuEditPaste);
  mnuEditDelete_ = entry(edit_menu_, QStringLiteral("Delete"), "mnuEditDelete",
                         QKeySequence(QStringLiteral("Ctrl+L")), &DataEntryWindow::mnuEditDelete);
  mnuEditSelectAll_ = entry(edit_menu_, QStringLiteral("Select All"), "mnuEditSelectAll",
                            QKeySequence(QStringLiteral("Ctrl+E")), &DataEntryWindow::mnuEditSelectAll);
  edit_menu_->addSeparator();

  QMenu* calculate = menuBar()->addMenu(QStringLiteral("Calculate"));
  mnuOpen_ = entry(calculate, QStringLiteral("Open File to Calculate"), "mnuOpen",
                   QKeySequence(QStringLiteral("Ctrl+F")), &DataEntryWindow::mnuOpen);
  mnuOpen_->setCheckable(true);
  calculate->addSeparator();
  mnuInputP_ =
      entry(calculate,
            QStringLiteral("Use Input P (kbar) for Pressure-independent  Garnet-Biotite Geothermometers"),
            "mnuInputP", QKeySequence(QStringLiteral("Ctrl+R")), nullptr);
  mnuInputP_->setCheckable(true);
  calculate->addSeparator();
  mnuGanguly79_ = entry(
      calculate, QStringLiteral("Use Ganguly's (1979) Garnet-Clinopyroxene Geothermometer for T(oC) =< 1060"),
      "mnuGanguly79", QKeySequence(QStringLiteral("Ctrl+U")), nullptr);
  mnuGanguly79_->setCheckable(true);
  calculate->addSeparator();

  // "About" is a menu title that acts at once; opening "Help" already opens the help.
  QAction* about = menuBar()->addAction(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  connect(about, &QAction::triggered, this, &DataEntryWindow::mnuAbout);
  QMenu* help = menuBar()->addMenu(QStringLiteral("Help") + QString(10, u' '));
  help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
  connect(help, &QMenu::aboutToShow, this, &DataEntryWindow::mnuHelp);
  entry(help, QStringLiteral("Click Here for Help Index           F1"), "mnuHelpContents", {},
        &DataEntryWindow::mnuHelp);
}

namespace {

constexpr int place(EntryButton button) { return static_cast<int>(button); }

}  // namespace

void DataEntryWindow::buildToolbar() {
  toolbar_bar_ = shell::add_numbered_toolbar(
      *this,
      {
          {place(EntryButton::new_file), "New", shell::Icon::new_file},
          {place(EntryButton::open_file), "Open", shell::Icon::open_file},
          {place(EntryButton::save_as), "Save", shell::Icon::save},
          {place(EntryButton::close), "Close", shell::Icon::close},
          {place(EntryButton::exit), "Exit", shell::Icon::exit},
          {place(EntryButton::cut), "Cut", shell::Icon::cut},
          {place(EntryButton::copy), "Copy", shell::Icon::copy},
          {place(EntryButton::paste), "Paste", shell::Icon::paste},
          {place(EntryButton::delete_cells), "Delete", shell::Icon::delete_cells},
          {place(EntryButton::select_all), "Select All", shell::Icon::select_all},
          {place(EntryButton::calculate), "Calculate", shell::Icon::calculate},
          {place(EntryButton::load_xls), "Load Excel (.xls)  into Grid", shell::Icon::load_workbook},
          {place(EntryButton::load_xlsx), "Load Excel (.xlsx)  into Grid", shell::Icon::load_workbook},
          {place(EntryButton::edit_xls), "Edit Excel (.xls) File", shell::Icon::edit_workbook},
          {place(EntryButton::edit_xlsx), "Edit Excel (.xlsx) File", shell::Icon::edit_workbook},
          {place(EntryButton::about), "About", shell::Icon::about},
          {place(EntryButton::help), "Help", shell::Icon::help},
          {place(EntryButton::next_screen), "Display Next Screen", shell::Icon::next_screen},
      },
      [this](int number) { Toolbar1(number); }, toolbar_);
}

void DataEntryWindow::buildStatusBar() {
  file_panel_ = new QLabel(QStringLiteral("No Selected File"), this);
  file_panel_->setObjectName(QStringLiteral("filePanel"));
  file_panel_->setEnabled(false);
  time_panel_ = new QLabel(this);
  date_panel_ = new QLabel(this);
  statusBar()->addWidget(file_panel_, 3);
  statusBar()->addWidget(time_panel_, 1);
  statusBar()->addWidget(date_panel_, 1);
  auto* about =
      new QLabel(QStringLiteral("Kolbex  ·  garnet-supergroup formulas, names and temperatures"), this);
  statusBar()->addWidget(about, 3);
  // The panels give way on a small screen (or at a large scaling) instead of widening the window past it.
  for (QLabel* panel : {file_panel_, time_panel_, date_panel_, about}) {
    panel->setMinimumWidth(1);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  // Panels 2 and 3 keep the time and the date by themselves.
  auto tick = [this] {
    const QDateTime now = QDateTime::currentDateTime();
    time_panel_->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    date_panel_->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
  };
  tick();
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, tick);
  clock->start(1000);
}

QString DataEntryWindow::titleText() const { return title_->text(); }

results::ResultsWindow* DataEntryWindow::resultsWindow() const { return results_.data(); }

void DataEntryWindow::setTitle(const QString& text) { title_->setText(text); }

void DataEntryWindow::capCell() {
  table_.capCell();
  model_->tableChanged();
  view_->setCornerText(QString::fromStdString(table_.text(0, 0)));
  view_->setRowNumberWidthTwips(engine::analysis_columns[0].width);
  for (int c = 1; c < table_.C(); ++c)
    view_->setColumnWidthTwips(c - 1, engine::analysis_columns[static_cast<std::size_t>(c)].width);
  view_->showTableSelection();
}

void DataEntryWindow::tableShown(bool shown) { view_->setVisible(shown); }

void DataEntryWindow::setElement(EntryElement element, bool on) {
  switch (element) {
    case EntryElement::save_as_and_close:
      mnuSaveAs_->setEnabled(on);
      mnuClose_->setEnabled(on);
      break;
    case EntryElement::row_commands:
      for (QAction* a : {mnuClear_, mnuDelete_}) a->setEnabled(on);
      break;
    case EntryElement::insert_row: mnuEditInsertRow_->setEnabled(on); break;
    case EntryElement::edit_commands:
      for (QAction* a : {mnuEditCut_, mnuEditCopy_, mnuEditPaste_, mnuEditDelete_, mnuEditSelectAll_})
        a->setEnabled(on);
      break;
    case EntryElement::workbook_load_entries:
      mnu9703_->setEnabled(on);
      mnu07Later_->setEnabled(on);
      break;
    case EntryElement::toolbar_save_close:
    case EntryElement::toolbar_edit:
    case EntryElement::toolbar_calculate:
    case EntryElement::toolbar_workbook_load:
      for (const EntryButton b : element_buttons(element)) toolbarButton(b)->setEnabled(on);
      break;
    case EntryElement::table: tableShown(on); break;
    case EntryElement::startup_panel: startup_panel_->setVisible(on); break;
  }
}

void DataEntryWindow::apply(EntryCommand command) {
  for (int e = 0; e < entry_element_count; ++e) {
    const auto element = static_cast<EntryElement>(e);
    const Setting setting = command_setting(element, command);
    if (setting != Setting::keep) setElement(element, setting == Setting::on);
  }
  refreshUndo();
}

void DataEntryWindow::refreshUndo() {
  const bool shown = !view_->isHidden();
  mnuEditUndo_->setEnabled(shown && table_.can_undo());
  mnuEditRedo_->setEnabled(shown && table_.can_redo());
}

bool DataEntryWindow::mayReplaceAnalyses() {
  if (!hasUnsavedChanges()) return true;
  switch (desktop_.messages.askToSave(
      this, QStringLiteral("The analyses have changed since they were last saved. Save them?"))) {
    case shell::MessageBox::Answer::save: return saveAs();
    case shell::MessageBox::Answer::discard: return true;
    case shell::MessageBox::Answer::cancel: break;
  }
  return false;
}

QString DataEntryWindow::chooseOpen(const QString& filter) {
  last_dialog_name_ = desktop_.files.openFileName(this, filter);
  return last_dialog_name_;
}

QString DataEntryWindow::chooseSave(const QString& filter) {
  last_dialog_name_ = desktop_.files.saveFileName(this, filter, {});
  return last_dialog_name_;
}

void DataEntryWindow::fileFailed(int os_error, const std::filesystem::path& path) {
  report_.set(shell::file_failure(os_error, path), shell::file_failure_details(path, os_error));
}

// A data set into the table, its failure left for the report, and the grid told. Open File empties the
// analysis area first, once the file has been read.
void DataEntryWindow::readDataSet(const std::filesystem::path& path, bool emptied_first) {
  std::string error;
  int os_error = 0;
  const bool read = emptied_first ? open_data_set(table_, path, error, &os_error)
                                  : read_data_set(table_, path, error, &os_error);
  if (!read) fileFailed(os_error, path);
  model_->tableChanged();
  view_->showTableSelection();
}

// New File: an empty table of 300 rows, written to "garn.tem".
void DataEntryWindow::mnuNewFile() {
  if (mayReplaceAnalyses()) replaceByLoad([this] { newFile(); });
}

void DataEntryWindow::replaceByLoad(const std::function<void()>& load) {
  {
    shell::TextGrid::Change change(table_);
    load();
  }
  markSaved();
}

void DataEntryWindow::newFile() {
  setTitle(QStringLiteral("New  File"));
  mnuClear();
  view_->setMinimumRowHeightTwips(edit_buffer_height);
  apply(EntryCommand::new_file);
  file_panel_->setText(QStringLiteral("New File"));
  file_panel_->setEnabled(true);
  capCell();
  std::string error;
  int os_error = 0;
  const std::filesystem::path tem = folder_ / "garn.tem";
  if (!write_data_set(table_, tem, error, &os_error)) fileFailed(os_error, tem);
  view_->showTableSelection();
}

// Open File: a chosen data set into the table; a cancelled dialog closes the data set and loads
// "garn.dat" into the hidden table.
void DataEntryWindow::mnuOpenFile() {
  if (mayReplaceAnalyses()) replaceByLoad([this] { openFile(); });
}

// The commands a data set makes available, in two moments: before its dialog and once it is chosen.
void DataEntryWindow::openingState() {
  apply(EntryCommand::open_file_before_dialog);
  for (auto* picture : pictures_) picture->show();
}

void DataEntryWindow::openedState() {
  apply(EntryCommand::open_file);
  file_panel_->setEnabled(true);
  open_to_calculate_ = true;
  mnuOpen_->setChecked(true);
}

void DataEntryWindow::openFile(const QString& chosen) {
  setTitle(QStringLiteral("Open  File"));
  openingState();
  QString name = chosen.isEmpty() ? chooseOpen(data_set_filter) : (last_dialog_name_ = chosen);
  openedState();
  file_panel_->setText(name);
  capCell();
  const bool named = !name.isEmpty();
  if (!named || QFileInfo::exists(name)) {
    std::filesystem::path path = path_of(name);
    if (!named) {
      path = folder_ / "garn.dat";
      mnuClose();
    }
    setElement(EntryElement::workbook_load_entries, false);
    // A missing "garn.dat" after a cancelled dialog is no failure: that read is simply skipped.
    std::error_code ec;
    if (named || std::filesystem::exists(path, ec)) readDataSet(path, true);
  }
  setTitle(QStringLiteral("Data Entry Screen"));
  setElement(EntryElement::toolbar_workbook_load, false);  // again, after a cancelled dialog's Close
}

// Save As: the table's analysis block to the chosen file, which is replaced only once the whole data set
// is written.
void DataEntryWindow::mnuSaveAs() { saveAs(); }

bool DataEntryWindow::saveAs() {
  setTitle(QStringLiteral("Save As"));
  for (auto* picture : pictures_) picture->show();
  const QString name = chooseSave(save_filter);
  tableShown(true);
  statusBar()->show();
  file_panel_->setText(name);
  if (name.isEmpty()) return false;
  std::string error;
  int os_error = 0;
  const std::filesystem::path path = path_of(name);
  const bool saved = write_data_set(table_, path, error, &os_error);
  if (saved) {
    markSaved();
  } else {
    // A save that failed must never pass for one that worked: from the menu too, the user is told.
    report_.fail(this, shell::file_failure(os_error, path), shell::file_failure_details(path, os_error));
  }
  view_->showTableSelection();
  setTitle(QStringLiteral("Data Entry Screen"));
  return saved;
}

void DataEntryWindow::mnuClose() {
  setTitle(QStringLiteral("Start-up Screen"));
  apply(EntryCommand::close);
}

void DataEntryWindow::mnuExit() { close(); }

// Every way out (Exit, Ctrl+X, the toolbar, the close box, Exit of the results window) comes here:
// unsaved analyses are offered for saving first, and Cancel keeps the program running.
void DataEntryWindow::closeEvent(QCloseEvent* event) {
  if (!mayReplaceAnalyses()) {
    event->ignore();
    return;
  }
  if (results_) results_->close();
  QMainWindow::closeEvent(event);
  QCoreApplication::quit();
}

void DataEntryWindow::mnuClear() {
  shell::TextGrid::Change change(table_);
  table_.clear();
  capCell();
}

void DataEntryWindow::mnuDelete() {
  shell::TextGrid::Change change(table_);
  if (model_->removeTableRow(table_.current().row)) view_->showTableSelection();
}

void DataEntryWindow::mnuEditInsertRow() {
  shell::TextGrid::Change change(table_);
  if (model_->insertTableRow(table_.current().row)) view_->showTableSelection();
}

void DataEntryWindow::mnuEditUndo() { editing_.undo(); }
void DataEntryWindow::mnuEditRedo() { editing_.redo(); }

void DataEntryWindow::mnuEditCopy() { editing_.copy(); }
void DataEntryWindow::mnuEditCut() { editing_.cut(); }
void DataEntryWindow::mnuEditDelete() { editing_.erase(); }
void DataEntryWindow::mnuEditPaste() { editing_.paste(); }

void DataEntryWindow::mnuEditSelectAll() {
  tableShown(false);
  table_.select_block({1, 1}, {table_.R() - 1, table_.C() - 1});
  view_->showTableSelection(true);
  tableShown(true);
}

results::ResultsWindow& DataEntryWindow::results() {
  if (!results_) {
    // Beside the program when its folder can be written, else in the user's data folder.
    std::filesystem::path workbook = shell::output_workbook(
        program_folder_, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    if (workbook.empty()) workbook = program_folder_ / "Output.xlsx";  // the send then says why it failed
    results_ = new results::ResultsWindow(this, desktop_, workbook, folder_);
  }
  return *results_;
}

// Calculate: the run over rows 1 to 300, its rows appended to the results window.
void DataEntryWindow::mnuOpen() {
  mnuOpen_->setChecked(open_to_calculate_);  // a click does not change the mark: Open File sets it
  setTitle(QStringLiteral("Wait Please"));
  results::ResultsWindow& window = results();
  window.panel(2)->setText(QStringLiteral("Assuming 8 cations"));
  window.panel(3)->setText(QStringLiteral("Assuming 12 anions"));
  if (!open_to_calculate_) {
    const QString name = chooseOpen(data_set_filter);
    file_panel_->setText(name);
    {
      shell::TextGrid::Change change(table_);
      capCell();
      if (name.isEmpty()) {
        report_.report(this);
      } else if (QFileInfo::exists(name)) {
        readDataSet(path_of(name), false);
      }
    }
    if (!name.isEmpty()) markSaved();
  }
  window.show();
  window.raise();
  window.activateWindow();
  const thermometry::RunOptions options{mnuInputP_->isChecked(), mnuGanguly79_->isChecked()};
  results::run_calculation(table_, run_row_limit, options, window.table(), folder_);
  window.panel(1)->setText(last_dialog_name_);
  window.showAppendedRows();
  setTitle(QStringLiteral("Data Entry Screen"));
}

// The load commands: the shown sheet's 101 x 65 rectangle of a workbook into a new table. A workbook that
// cannot be read says why, whatever the command was started from.
void DataEntryWindow::loadWorkbook(const QString& filter, bool stop_when_cancelled) {
  if (mayReplaceAnalyses()) replaceByLoad([&] { loadWorkbookIntoTable(filter, stop_when_cancelled); });
}

void DataEntryWindow::loadWorkbookIntoTable(const QString& filter, bool stop_when_cancelled,
                                            const QString& chosen, const WorkbookRead* already_read) {
  newFile();
  setTitle(QStringLiteral("Open Excel File"));
  const QString name = chosen.isEmpty() ? chooseOpen(filter) : (last_dialog_name_ = chosen);
  if (name.isEmpty()) mnuClose();
  setTitle(QStringLiteral("Wait  Please"));
  std::optional<WorkbookRead> read;
  if (!name.isEmpty()) {
    read = already_read ? *already_read : read_workbook(path_of(name));
    if (read->failure != 0) {
      const QString details = shell::file_failure_details(path_of(name), read->reason);
      report_.fail(this, read->failure, details);
    }
  }
  if (name.isEmpty() && stop_when_cancelled) return;
  table_.set_row_count(WorkbookRectangle::rows);
  if (read && read->failure == 0) place_workbook(read->cells, table_);
  model_->tableChanged();
  view_->showTableSelection();
  setTitle(QStringLiteral("Data Entry Screen"));
}

// Import Analyses: any probe export or table, read by its column headings after a preview.
void DataEntryWindow::mnuImportAnalyses() {
  if (!mayReplaceAnalyses()) return;
  const QString name = chooseOpen(import_filter);
  if (!name.isEmpty()) importAnalyses(name);
}

namespace {

QString import_failure(const QString& name) {
  return QStringLiteral("The analyses could not be imported from ") + name;
}

bool is_workbook_name(const QString& name) {
  const QString suffix = QFileInfo(name).suffix().toLower();
  return suffix == QStringLiteral("xlsx") || suffix == QStringLiteral("xls");
}

// The rows of a file to import, or the reason it cannot be read.
bool import_rows(const std::filesystem::path& path, bool workbook, FieldRows& rows, char& separator,
                 std::string& reason) {
  if (workbook) {
    const WorkbookRead read = read_workbook(path);
    if (read.failure != 0) {
      reason = read.reason;
      return false;
    }
    rows = workbook_rows(read.cells);
    separator = '\t';
    return true;
  }
  std::string bytes;
  if (!shell::read_file_bytes(path, bytes, reason)) return false;
  const bool tabs = path.extension() == ".tsv" || path.extension() == ".TSV";
  return split_fields(bytes, tabs ? '\t' : 0, rows, separator, reason);
}

}  // namespace

void DataEntryWindow::importAnalyses(const QString& name) {
  FieldRows rows;
  char separator = 0;
  std::string reason;
  if (!import_rows(path_of(name), is_workbook_name(name), rows, separator, reason)) {
    desktop_.messages.show(this, import_failure(name), QString::fromStdString(reason));
    return;
  }
  importPlanned(name, rows, plan_import(rows, separator));
}

void DataEntryWindow::importPlanned(const QString& name, const FieldRows& rows, const ImportPlan& plan) {
  if (!plan.refusal.empty()) {
    desktop_.messages.show(this, import_failure(name), QString::fromStdString(plan.refusal));
    return;
  }
  ImportedAnalyses analyses;
  if (plan.by_position) {
    analyses = positional_analyses(rows, &plan);
  } else {
    ImportDialog dialog(rows, plan, QFileInfo(name).fileName(), this);
    const bool accepted = preview_ ? preview_(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted) return;
    analyses = dialog.analyses();
  }
  constexpr std::size_t room = AnalysisTable::layout_rows - 1;  // as New File lays the table out
  replaceByLoad([&] {
    newFile();
    openingState();
    openedState();
    place_analyses(analyses, table_, room);
    setElement(EntryElement::workbook_load_entries, false);
    setElement(EntryElement::toolbar_workbook_load, false);
    file_panel_->setText(name);
    last_dialog_name_ = name;
    model_->tableChanged();
    view_->showTableSelection(true);
    setTitle(QStringLiteral("Data Entry Screen"));
  });
  if (analyses.rows.size() > room)
    desktop_.messages.show(
        this,
        QStringLiteral("The table holds %1 analyses: the first %1 of %2 were placed and %3 were left out.")
            .arg(room)
            .arg(analyses.rows.size())
            .arg(analyses.rows.size() - room),
        QStringLiteral("kolbex-calc calculates any number of analyses: kolbex-calc %1").arg(name));
}

void DataEntryWindow::openDroppedFile(const QString& name) {
  if (!mayReplaceAnalyses()) return;
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == QStringLiteral("gsg")) {
    replaceByLoad([&] { openFile(name); });
    return;
  }
  if (is_workbook_name(name)) {
    // Read once: a workbook laid out as the input template (no heading row but the table's own) loads
    // as it is, any other goes through the import; one that cannot be read is reported by the import.
    const WorkbookRead read = read_workbook(path_of(name));
    if (read.failure == 0) {
      const FieldRows rows = workbook_rows(read.cells);
      std::optional<ImportPlan> plan;
      if (has_heading_row(rows)) plan = plan_import(rows, '\t');
      if (!plan || plan->by_position) {
        replaceByLoad([&] {
          loadWorkbookIntoTable(suffix == QStringLiteral("xls") ? xls_filter : xlsx_filter, true, name,
                                &read);
        });
      } else {
        importPlanned(name, rows, *plan);
      }
      return;
    }
  }
  importAnalyses(name);
}

void DataEntryWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void DataEntryWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  openDroppedFile(urls.front().toLocalFile());
}

void DataEntryWindow::mnu9703() { loadWorkbook(xls_filter, true); }
void DataEntryWindow::mnu07Later() { loadWorkbook(xlsx_filter, true); }

// The edit commands: the input template beside the program, in the desktop's spreadsheet program. The
// program never writes into it.
void DataEntryWindow::editWorkbook(const char* template_name) {
  setTitle(QStringLiteral("Edit Excel File"));
  const std::filesystem::path path = shell::resource_path(program_folder_, template_name);
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec))
    shell::open_document(desktop_, this, QUrl::fromLocalFile(QString::fromStdString(path.string())));
  else
    report_.set(shell::failure::file_not_found);
  // A cell text in the edit buffer: the report runs at once, as the command has always done.
  if (!QString::fromStdString(view_->editBuffer()).trimmed().isEmpty()) report_.report(this);
  setTitle(QStringLiteral("Data Entry Screen"));
}

void DataEntryWindow::mnu9703e() { editWorkbook("Kolbex.xls"); }
void DataEntryWindow::mnu07Latere() { editWorkbook("Kolbex.xlsx"); }

void DataEntryWindow::mnuAbout() { shell::show_about(desktop_); }

void DataEntryWindow::mnuHelp() { shell::open_help(); }

void DataEntryWindow::displayNextScreen() {
  results::ResultsWindow& window = results();
  window.show();
  window.raise();
}

void DataEntryWindow::Toolbar1(int button) {
  report_.toolbar_command(this, [&] {
    switch (static_cast<EntryButton>(button)) {
      case EntryButton::new_file: mnuNewFile(); break;
      case EntryButton::open_file: mnuOpenFile(); break;
      case EntryButton::save_as: mnuSaveAs(); break;
      case EntryButton::close: mnuClose(); break;
      case EntryButton::exit: mnuExit(); break;
      case EntryButton::cut: mnuEditCut(); break;
      case EntryButton::copy: mnuEditCopy(); break;
      case EntryButton::paste: mnuEditPaste(); break;
      case EntryButton::delete_cells: mnuEditDelete(); break;
      case EntryButton::select_all: mnuEditSelectAll(); break;
      case EntryButton::calculate: mnuOpen(); break;
      case EntryButton::about: mnuAbout(); break;
      case EntryButton::help: mnuHelp(); break;
      case EntryButton::next_screen: displayNextScreen(); break;
      case EntryButton::load_xls:
        loadWorkbook(xls_filter, false);
        break;  // the first kind: goes on after a cancelled dialog
      case EntryButton::load_xlsx: mnu07Later(); break;
      case EntryButton::edit_xls: mnu9703e(); break;
      case EntryButton::edit_xlsx: mnu07Latere(); break;
      default: break;
    }
  });
}

}  // namespace kolbex::entry
