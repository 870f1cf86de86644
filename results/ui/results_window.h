#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "results/results_table.h"
#include "shell/ui/desktop.h"
#include "shell/ui/error_report.h"
#include "shell/ui/grid_commands.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace kolbex::shell {
class TextGridView;
}

namespace kolbex::results {

class DiagramWindow;
class ResultsTableModel;

// The results window ("Calculation Screen", Form10): the results table of every run since the window was
// created, editable like the analysis table; the clipboard commands, the results workbook "Output.xlsx",
// the diagram commands, About and Help, and the way back to the data entry window. Closing it unloads it
// with its rows; the next run creates a new one.
class ResultsWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `previous`: the data entry window; `workbook`: the path of Output.xlsx (in the program folder);
  // `working_folder`: where the diagram templates are looked for.
  ResultsWindow(QWidget* previous, shell::Desktop& desktop, std::filesystem::path workbook,
                std::filesystem::path working_folder);
  ~ResultsWindow() override;

  ResultsTable& table() { return table_; }
  ResultsTableModel& model() { return *model_; }
  shell::TextGridView& view() { return *view_; }
  QString titleText() const;
  QString subtitleText() const;
  // Status panels 1 to 3.
  QLabel* panel(int number) const { return panels_[static_cast<std::size_t>(number - 1)]; }
  QProgressBar* progressBar() const { return progress_; }
  QAction* toolbarButton(int number) const { return toolbar_[static_cast<std::size_t>(number - 1)]; }
  QToolBar* toolbar() const { return toolbar_bar_; }
  QMenu* editMenu() const { return edit_menu_; }
  const std::filesystem::path& workbookPath() const { return workbook_; }

  // After a run has appended rows to the table: the grid shows them.
  void showAppendedRows();

  // The handlers of the menu entries.
  void mnuEditCut();
  void mnuEditCopy();
  void mnuEditPaste();
  void mnuEditDelete();
  void mnuEditSelectAll();
  void mnuEditUndo();
  void mnuEditRedo();
  void mnuExit();
  void mnuSEF();  // send the results to the workbook, without the wait notice
  void mnuOEF();  // show the workbook
  void mnuEOX();  // close the workbook: unloads the window
  void mnuAbaout();
  void mnuHelp();
  void displayPreviousScreen();  // toolbar 16
  // The diagram of a template name, or the desktop's program for any other template.
  void openDiagramTemplate(const QString& template_name);
  DiagramWindow* diagramWindow(const QString& template_name) const;
  void chooseAndOpenTemplate();  // toolbar 13
  // Toolbar dispatch: clears the failure number, runs the button's command, reports the failure.
  void Toolbar1(int button);

 private:
  void buildMenus();
  void buildToolbar();
  // lay_out_results_table: 188 columns with their widths, the two header rows, alignments, colours.
  void layOutResultsTable();
  void sendResultsToWorkbook(bool with_notice);
  // A failure the menu route would otherwise pass over in silence: shown at once, or after the toolbar
  // command by its report.
  void failed(int failure_number, const QString& details);
  void refreshUndo();

  QPointer<QWidget> previous_;
  shell::Desktop& desktop_;
  std::filesystem::path workbook_;
  std::filesystem::path folder_;
  ResultsTable table_;
  std::unique_ptr<ResultsTableModel> model_;
  shell::TextGridView* view_ = nullptr;
  shell::ErrorReport report_;
  shell::GridEditing editing_;
  QLabel* title_ = nullptr;
  QLabel* subtitle_ = nullptr;
  QProgressBar* progress_ = nullptr;
  std::array<QLabel*, 3> panels_{};
  QMenu* edit_menu_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QToolBar* toolbar_bar_ = nullptr;
  std::vector<QAction*> toolbar_;                     // by button number - 1
  QHash<QString, QPointer<DiagramWindow>> diagrams_;  // the open diagram windows by template name
};

}  // namespace kolbex::results
