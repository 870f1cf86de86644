#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "entry/analysis_table.h"
#include "entry/command_states.h"
#include "entry/heading_import.h"
#include "shell/ui/desktop.h"
#include "shell/ui/error_report.h"
#include "shell/ui/grid_commands.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace kolbex::results {
class ResultsWindow;
}
namespace kolbex::shell {
class GarnetPicture;
class TextGridView;
}  // namespace kolbex::shell

namespace kolbex::entry {

class AnalysisTableModel;

// The data entry window (kkj), the program's first window: the analysis table, the file commands, the
// editing commands, Calculate and its two options, About and Help. Every menu entry has its handler,
// named after it; the toolbar runs the same commands through Toolbar1 and reports the failure a command
// left behind.
class DataEntryWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `working_folder` holds "garn.tem", "garn.dat" and the diagram data files.
  DataEntryWindow(shell::Desktop& desktop, std::filesystem::path working_folder, QWidget* parent = nullptr);
  ~DataEntryWindow() override;

  AnalysisTable& table() { return table_; }
  AnalysisTableModel& model() { return *model_; }
  shell::TextGridView& view() { return *view_; }
  QString titleText() const;
  QLabel* filePanel() const { return file_panel_; }
  QWidget* startupPanel() const { return startup_panel_; }
  shell::ErrorReport& errorReport() { return report_; }
  // The results window, or null before the first run and after it was closed.
  results::ResultsWindow* resultsWindow() const;
  // Toolbar button 1 to 22 (separators 6, 12, 14 and 19 have no action).
  QAction* toolbarButton(int number) const { return toolbar_[static_cast<std::size_t>(number - 1)]; }
  QAction* toolbarButton(EntryButton button) const { return toolbarButton(static_cast<int>(button)); }
  QToolBar* toolbar() const { return toolbar_bar_; }
  QMenu* editMenu() const { return edit_menu_; }
  // The program folder holds Output.xlsx; the folder of the executable unless set.
  void setProgramFolder(std::filesystem::path folder) { program_folder_ = std::move(folder); }

  // The handlers of the menu entries.
  void mnuNewFile();
  void mnuOpenFile();
  void mnuSaveAs();
  void mnuClose();
  void mnuExit();
  void mnuClear();
  void mnuDelete();
  void mnuEditInsertRow();
  void mnuEditCut();
  void mnuEditCopy();
  void mnuEditPaste();
  void mnuEditDelete();
  void mnuEditSelectAll();
  void mnuEditUndo();
  void mnuEditRedo();
  void mnuOpen();      // Calculate
  void mnu9703();      // load a .xls workbook
  void mnu07Later();   // load a .xlsx workbook
  void mnu9703e();     // edit Kolbex.xls
  void mnu07Latere();  // edit Kolbex.xlsx
  void mnuImportAnalyses();
  // A file as if dropped onto the window: a data set opens as Open File does, a workbook laid out as the
  // input template loads as the load commands do, anything else is imported by its headings.
  void openDroppedFile(const QString& name);
  // How the import preview is shown; the window tests answer it without a modal loop.
  void setImportPreview(std::function<bool(class ImportDialog&)> preview) { preview_ = std::move(preview); }
  void mnuAbout();
  void mnuHelp();
  void displayNextScreen();  // toolbar 22
  // Toolbar dispatch: clears the failure number, runs the button's command, reports the failure.
  void Toolbar1(int button);

  // Whether the table changed since the last New File, Open File, Save As or load.
  bool hasUnsavedChanges() const { return table_.revision() != saved_revision_; }

 protected:
  // Closing the first window by its frame ends the program, as Exit does.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  QAction* entry(QMenu* menu, const QString& caption, const char* name, const QKeySequence& shortcut,
                 void (DataEntryWindow::*handler)());
  void setTitle(const QString& text);
  // Before a command that replaces or ends the analyses: with unsaved changes the user is asked whether
  // to save them. False when the user cancelled, or chose Save and the save did not happen.
  bool mayReplaceAnalyses();
  void markSaved() { saved_revision_ = table_.revision(); }
  // Runs a load that replaces the analyses as one undo step; the table then counts as saved.
  void replaceByLoad(const std::function<void()>& load);
  void refreshUndo();
  void newFile();
  // `chosen`: the file to use instead of asking with the dialog.
  void openFile(const QString& chosen = {});
  // `already_read`: the chosen workbook, read before.
  void loadWorkbookIntoTable(const QString& filter, bool stop_when_cancelled, const QString& chosen = {},
                             const struct WorkbookRead* already_read = nullptr);
  void openingState();
  void openedState();
  void importAnalyses(const QString& name);
  void importPlanned(const QString& name, const FieldRows& rows, const ImportPlan& plan);
  // Save As; true when the data set was written.
  bool saveAs();
  void capCell();
  void apply(EntryCommand command);
  void setElement(EntryElement element, bool on);
  void tableShown(bool shown);
  results::ResultsWindow& results();
  // The file dialog, remembering what it returned for the run's status panel.
  QString chooseOpen(const QString& filter);
  QString chooseSave(const QString& filter);
  void fileFailed(int os_error, const std::filesystem::path& path);
  void readDataSet(const std::filesystem::path& path, bool emptied_first);
  void loadWorkbook(const QString& filter, bool stop_when_cancelled);
  void editWorkbook(const char* template_name);

  shell::Desktop& desktop_;
  std::filesystem::path folder_;
  std::filesystem::path program_folder_;  // where Output.xlsx is written: the folder of the program
  AnalysisTable table_;
  std::unique_ptr<AnalysisTableModel> model_;
  shell::TextGridView* view_ = nullptr;
  shell::ErrorReport report_;
  shell::GridEditing editing_;
  bool open_to_calculate_ = false;    // the checked mark of "Open File to Calculate"
  std::uint64_t saved_revision_ = 0;  // the table's revision when it was last saved or loaded
  QString last_dialog_name_;          // RunFileName: what the file dialog returned last
  QPointer<results::ResultsWindow> results_;

  QLabel* title_ = nullptr;
  QWidget* startup_panel_ = nullptr;
  std::array<shell::GarnetPicture*, 2> pictures_{};
  QLabel* file_panel_ = nullptr;
  QLabel* time_panel_ = nullptr;
  QLabel* date_panel_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QToolBar* toolbar_bar_ = nullptr;
  std::vector<QAction*> toolbar_;  // by button number - 1

  QAction* mnuNewFile_ = nullptr;
  QAction* mnuOpenFile_ = nullptr;
  QAction* mnuSaveAs_ = nullptr;
  QAction* mnuClose_ = nullptr;
  QAction* mnu9703_ = nullptr;
  QAction* mnu07Later_ = nullptr;
  QAction* mnu9703e_ = nullptr;
  QAction* mnu07Latere_ = nullptr;
  QAction* mnuImportAnalyses_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QAction* mnuClear_ = nullptr;
  QAction* mnuDelete_ = nullptr;
  QAction* mnuEditInsertRow_ = nullptr;
  QAction* mnuEditCut_ = nullptr;
  QAction* mnuEditCopy_ = nullptr;
  QAction* mnuEditPaste_ = nullptr;
  QAction* mnuEditDelete_ = nullptr;
  QAction* mnuEditSelectAll_ = nullptr;
  QAction* mnuEditUndo_ = nullptr;
  QAction* mnuEditRedo_ = nullptr;
  QAction* mnuOpen_ = nullptr;
  QAction* mnuInputP_ = nullptr;
  QAction* mnuGanguly79_ = nullptr;
  std::function<bool(ImportDialog&)> preview_;
};

}  // namespace kolbex::entry
