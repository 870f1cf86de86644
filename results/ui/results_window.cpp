#include "results/ui/results_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "results/diagram_commands.h"
#include "results/results_columns.h"
#include "results/ui/diagram_window.h"
#include "results/ui/results_table_model.h"
#include "results/workbook_writer.h"
#include "shell/failure.h"
#include "shell/ui/about_window.h"
#include "shell/ui/grid_commands.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/help_window.h"
#include "shell/ui/icons.h"
#include "shell/ui/numbered_toolbar.h"
#include "shell/ui/qt_text.h"
#include "shell/ui/text_grid_view.h"
#include "shell/ui/title_label.h"

namespace kolbex::results {
namespace {

// The one-line edit box of the window is 238 twips high; the rows are at least as high.
constexpr int edit_box_height = 238;

const QString subtitle = QStringLiteral("A Windows Program for Garnet Supergroup Minerals ");

}  // namespace

ResultsWindow::ResultsWindow(QWidget* previous, shell::Desktop& desktop, std::filesystem::path workbook,
                             std::filesystem::path working_folder)
    : previous_(previous),
      desktop_(desktop),
      workbook_(std::move(workbook)),
      folder_(std::move(working_folder)),
      model_(std::make_unique<ResultsTableModel>(table_)),
      report_(shell::ReportingWindow::results, desktop.messages),
      editing_(*model_, desktop.clipboard, report_) {
  setObjectName(QStringLiteral("Form10"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("K o l b e x  -  Calculation Screen"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  title_ = shell::title_label(QStringLiteral("Calculation Screen"), central);
  subtitle_ = new QLabel(subtitle, central);
  layout->addWidget(title_);
  layout->addWidget(subtitle_);
  view_ = new shell::TextGridView(*model_, central);
  view_->setObjectName(QStringLiteral("resultsTable"));
  view_->setRowHeaderResizable(true);  // sample names can be long
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  connect(view_, &shell::TextGridView::popupRequested, this, [this](QPoint at) {
    edit_menu_->popup(QPoint(at.x() - edit_menu_->sizeHint().width() / 2, at.y()));
  });
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(this);
    statusBar()->addWidget(panels_[i], i == 0 ? 2 : 1);
  }
  progress_ = new QProgressBar(this);
  progress_->hide();
  statusBar()->addPermanentWidget(progress_);
  buildMenus();
  buildToolbar();
  layOutResultsTable();
  shell::on_every_change(model_.get(), this, &ResultsWindow::refreshUndo);
  refreshUndo();
  resize(shell::fitting_window_size(this, QSize(1000, 600)));
}

ResultsWindow::~ResultsWindow() { view_->setModel(nullptr); }

void ResultsWindow::buildMenus() {
  const auto entry = [this](QMenu* menu, const QString& caption, const char* name, const char* shortcut,
                            void (ResultsWindow::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  edit_menu_ = menuBar()->addMenu(QStringLiteral("Edit"));
  edit_menu_->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
  undo_ = entry(edit_menu_, QStringLiteral("Undo"), "mnuEditUndo", "Ctrl+Z", &ResultsWindow::mnuEditUndo);
  redo_ =
      entry(edit_menu_, QStringLiteral("Redo"), "mnuEditRedo", "Ctrl+Shift+Z", &ResultsWindow::mnuEditRedo);
  edit_menu_->addSeparator();
  entry(edit_menu_, QStringLiteral("Cut"), "mnuEditCut", "Ctrl+C", &ResultsWindow::mnuEditCut);
  entry(edit_menu_, QStringLiteral("Copy"), "mnuEditCopy", "Ctrl+Y", &ResultsWindow::mnuEditCopy);
  entry(edit_menu_, QStringLiteral("Paste"), "mnuEditPaste", "Ctrl+P", &ResultsWindow::mnuEditPaste);
  entry(edit_menu_, QStringLiteral("Delete"), "mnuEditDelete", "Ctrl+D", &ResultsWindow::mnuEditDelete);
  entry(edit_menu_, QStringLiteral("Select All"), "mnuEditSelectAll", "Ctrl+S",
        &ResultsWindow::mnuEditSelectAll);
  edit_menu_->addSeparator();
  entry(edit_menu_, QStringLiteral("Exit"), "mnuExit", "Ctrl+E", &ResultsWindow::mnuExit);

  QMenu* excel = menuBar()->addMenu(QStringLiteral("Excel"));
  excel->menuAction()->setObjectName(QStringLiteral("mnuOEF1"));
  excel->addSeparator();
  entry(excel, QStringLiteral("Send Results to Excel (Output.xlsx)"), "mnuSEF", "Ctrl+G",
        &ResultsWindow::mnuSEF);
  entry(excel, QStringLiteral("Open Excel File (Output.xlsx)"), "mnuOEF", "Ctrl+H", &ResultsWindow::mnuOEF);
  excel->addSeparator();
  entry(excel, QStringLiteral("Exit Excel File (i.e., Output.xlsx)"), "mnuEOX", nullptr,
        &ResultsWindow::mnuEOX);
  excel->addSeparator();

  QMenu* graph = menuBar()->addMenu(QStringLiteral("Graph"));
  graph->menuAction()->setObjectName(QStringLiteral("mnuGraph"));
  for (DiagramSubmenu which : {DiagramSubmenu::classification, DiagramSubmenu::provenance}) {
    graph->addSeparator();
    const std::string_view title =
        which == DiagramSubmenu::classification ? classification_submenu : provenance_submenu;
    QMenu* submenu = graph->addMenu(shell::qt_text(title));
    for (const DiagramCommand& d : diagram_commands) {
      if (d.submenu != which) continue;
      QAction* item = submenu->addAction(shell::qt_text(d.caption));
      const QString name = shell::qt_text(d.template_name);
      item->setObjectName(name);
      connect(item, &QAction::triggered, this, [this, name] { openDiagramTemplate(name); });
    }
  }
  graph->addSeparator();

  QAction* about = menuBar()->addAction(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("mnuAbaout"));
  connect(about, &QAction::triggered, this, &ResultsWindow::mnuAbaout);
  QMenu* help = menuBar()->addMenu(QStringLiteral("Help") + QString(10, u' '));
  help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
  connect(help, &QMenu::aboutToShow, this, &ResultsWindow::mnuHelp);
  entry(help, QStringLiteral("Click Here for Help Index           F1"), "mnuHelpContents", nullptr,
        &ResultsWindow::mnuHelp);
}

void ResultsWindow::buildToolbar() {
  toolbar_bar_ = shell::add_numbered_toolbar(
      *this,
      {
          {1, "Cut", shell::Icon::cut},
          {2, "Copy", shell::Icon::copy},
          {3, "Paste", shell::Icon::paste},
          {4, "Delete", shell::Icon::delete_cells},
          {5, "Select All", shell::Icon::select_all},
          {7, "Exit program", shell::Icon::exit},
          {9, "Send results to Excel File (Output.xlsx)", shell::Icon::send_workbook},
          {10, "Open and Edit Excel file (Output.xlsx)", shell::Icon::open_workbook},
          {12, "About", shell::Icon::about},
          {13, "Plot graph by using Grapher", shell::Icon::plot},
          {14, "Help", shell::Icon::help},
          {16, "Display Previous Screen", shell::Icon::previous_screen},
      },
      [this](int number) { Toolbar1(number); }, toolbar_);
}

void ResultsWindow::layOutResultsTable() {
  view_->setCornerText(model_->cellText(0, 0));
  view_->setRowNumberWidthTwips(results_columns[0].width);
  for (int c = 1; c < results_column_count; ++c)
    view_->setColumnWidthTwips(c - 1, results_columns[static_cast<std::size_t>(c)].width);
  view_->setMinimumRowHeightTwips(edit_box_height);
}

QString ResultsWindow::titleText() const { return title_->text(); }
QString ResultsWindow::subtitleText() const { return subtitle_->text(); }

void ResultsWindow::showAppendedRows() { model_->rowsAppended(); }

void ResultsWindow::failed(int failure_number, const QString& details) {
  report_.fail(this, failure_number, details);
}

void ResultsWindow::mnuEditCopy() { editing_.copy(); }
void ResultsWindow::mnuEditCut() { editing_.cut(); }
void ResultsWindow::mnuEditDelete() { editing_.erase(); }
void ResultsWindow::mnuEditPaste() { editing_.paste(); }

// Select All takes the whole table, the column-number row and the sample column included.
void ResultsWindow::mnuEditUndo() { editing_.undo(); }
void ResultsWindow::mnuEditRedo() { editing_.redo(); }

void ResultsWindow::refreshUndo() {
  undo_->setEnabled(table_.can_undo());
  redo_->setEnabled(table_.can_redo());
}

void ResultsWindow::mnuEditSelectAll() {
  view_->hide();
  table_.select_block({0, 0}, {table_.R() - 1, table_.C() - 1});
  view_->showTableSelection(true);
  view_->show();
}

// Exit ends the program; the data entry window first offers to save unsaved analyses, and Cancel there
// keeps everything open.
void ResultsWindow::mnuExit() {
  if (previous_ && !previous_->close()) return;
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

// Send: the whole table into Output.xlsx, which is replaced only once complete.
void ResultsWindow::sendResultsToWorkbook(bool with_notice) {
  if (with_notice) {
    title_->setText(QStringLiteral("Wait Please"));
    subtitle_->setText(
        QStringLiteral("The program sends all calculated results to an Excel file called Output.xlsx."));
  }
  progress_->setEnabled(true);
  progress_->setRange(0, table_.R());
  progress_->setValue(0);
  progress_->show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  std::string error;
  int os_error = 0;
  const bool sent = write_results_workbook(table_, workbook_, error, &os_error, [this](std::size_t row) {
    progress_->setValue(static_cast<int>(row) + 1);
    if (row % 32 == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  progress_->setEnabled(false);
  progress_->hide();
  if (with_notice) {
    subtitle_->setText(subtitle);
    title_->setText(QStringLiteral("Calculation Screen"));
  }
  if (!sent) {
    // never to pass for a send that worked
    failed(shell::file_failure(os_error, workbook_), os_error != 0
                                                         ? shell::file_failure_details(workbook_, os_error)
                                                         : shell::file_failure_details(workbook_, error));
    return;
  }
  statusBar()->showMessage(QStringLiteral("Results sent to ") + QString::fromStdString(workbook_.string()));
}

void ResultsWindow::mnuSEF() { sendResultsToWorkbook(false); }

// Open Excel File: Output.xlsx in the desktop's spreadsheet program.
void ResultsWindow::mnuOEF() {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(workbook_, ec)) {
    failed(shell::failure::object_required, shell::file_failure_details(workbook_, "not sent yet"));
    return;
  }
  shell::open_document(desktop_, this, QUrl::fromLocalFile(QString::fromStdString(workbook_.string())));
}

// close_results_workbook: there is no spreadsheet application to quit; the window is unloaded.
void ResultsWindow::mnuEOX() { close(); }

void ResultsWindow::mnuAbaout() { shell::show_about(desktop_); }

void ResultsWindow::mnuHelp() { shell::open_help(); }

void ResultsWindow::displayPreviousScreen() {
  if (!previous_) return;
  previous_->show();
  previous_->raise();
  previous_->activateWindow();
}

// open_diagram_template: the diagram of a template, drawn from the data files of the last run. A diagram
// already open is brought forward with the data read again.
void ResultsWindow::openDiagramTemplate(const QString& template_name) {
  const DiagramCommand* diagram = diagram_for_template(template_name.toStdString());
  if (!diagram) {
    shell::open_document(
        desktop_, this,
        QUrl::fromLocalFile(QDir(QString::fromStdString(folder_.string())).filePath(template_name)));
    return;
  }
  QPointer<DiagramWindow>& window = diagrams_[template_name];
  if (!window)
    window = new DiagramWindow(*diagram, folder_, desktop_);
  else
    window->reload();
  window->show();
  window->raise();
  window->activateWindow();
}

DiagramWindow* ResultsWindow::diagramWindow(const QString& template_name) const {
  return diagrams_.value(template_name).data();
}

// choose_and_open_template: a template the program knows by its name opens as its diagram; any other file
// goes to the desktop's program for it.
void ResultsWindow::chooseAndOpenTemplate() {
  const QString name = desktop_.files.openFileName(this, QStringLiteral("Grapher files(*.grf) |*.grf"));
  if (name.isEmpty()) return;
  const QString file = QFileInfo(name).fileName();
  if (diagram_for_template(file.toStdString()))
    openDiagramTemplate(file);
  else
    shell::open_document(desktop_, this, QUrl::fromLocalFile(name));
}

void ResultsWindow::Toolbar1(int button) {
  report_.toolbar_command(this, [&] {
    switch (button) {
      case 1: mnuEditCut(); break;
      case 2: mnuEditCopy(); break;
      case 3: mnuEditPaste(); break;
      case 4: mnuEditDelete(); break;
      case 5: mnuEditSelectAll(); break;
      case 7: mnuExit(); break;
      case 9: sendResultsToWorkbook(true); break;
      case 10: mnuOEF(); break;
      case 12: mnuAbaout(); break;
      case 13: chooseAndOpenTemplate(); break;
      case 14: mnuHelp(); break;
      case 16: displayPreviousScreen(); break;
      default: break;
    }
  });
}

}  // namespace kolbex::results
