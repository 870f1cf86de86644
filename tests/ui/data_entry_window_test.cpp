#include "entry/ui/data_entry_window.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolBar>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "entry/ui/analysis_table_model.h"
#include "results/ui/results_table_model.h"
#include "results/ui/results_window.h"
#include "shell/ui/help_window.h"
#include "shell/ui/text_grid_view.h"
#include "tests/ui/window_fixture.h"

using kolbex::entry::CellPosition;
using kolbex::entry::DataEntryWindow;

namespace {

bool enabled(Window& w, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (!w.action(n)->isEnabled()) return false;
  return true;
}
bool disabled(Window& w, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (w.action(n)->isEnabled()) return false;
  return true;
}

const auto data_set_commands = {"mnuSaveAs",        "mnuClose",        "mnuClear",    "mnuDelete",
                                "mnuEditInsertRow", "mnuEditCut",      "mnuEditCopy", "mnuEditPaste",
                                "mnuEditDelete",    "mnuEditSelectAll"};

}  // namespace

class DataEntryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void modelsPassTheModelTester() {
    Window w;
    QAbstractItemModelTester tester(&w.window.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.click(1);
    w.window.table().set_current({5, 3});
    w.shortcut(Qt::Key_I);
    w.shortcut(Qt::Key_D);
    w.fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_O);
    w.click(13);
    QAbstractItemModelTester results(&w.window.resultsWindow()->model(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.click(13);
  }

  // Every coloured heading of both grids sets its text colour too, so a dark desktop theme (light text)
  // does not leave light text on the light heading colours.
  void colouredHeadingsCarryTheirTextColour() {
    Window w;
    w.fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_O);
    w.click(13);
    int coloured = 0;
    const auto check = [&](const QVariant& background, const QVariant& text) {
      if (!background.isValid()) return;
      ++coloured;
      QVERIFY(text.isValid());
      const QColor b = background.value<QBrush>().color(), t = text.value<QBrush>().color();
      QVERIFY(std::abs(b.lightness() - t.lightness()) >= 100);
    };
    auto& entry = w.window.model();
    for (int c = 0; c < entry.columnCount(); ++c)
      check(entry.headerData(c, Qt::Horizontal, Qt::BackgroundRole),
            entry.headerData(c, Qt::Horizontal, Qt::ForegroundRole));
    auto& results = w.window.resultsWindow()->model();
    for (int c = 0; c < results.columnCount(); ++c)
      check(results.data(results.index(0, c), Qt::BackgroundRole),
            results.data(results.index(0, c), Qt::ForegroundRole));
    QVERIFY(coloured > 40);
  }

  // The enabled states and texts that New File, Open File, Close and Save As set.
  void stateTableAcrossTheFileCommands() {
    Window w;
    QCOMPARE(w.window.titleText(), QStringLiteral("Start-up Screen"));
    QVERIFY(disabled(w, data_set_commands));
    QVERIFY(enabled(w, {"mnu9703", "mnu07Later", "mnuNewFile", "mnuOpenFile", "mnuExit", "mnuOpen"}));
    for (int b : {3, 4, 7, 8, 9, 10, 11}) QVERIFY(!w.window.toolbarButton(b)->isEnabled());
    for (int b : {1, 2, 5, 13, 15, 16, 17, 18, 20, 21, 22}) QVERIFY(w.window.toolbarButton(b)->isEnabled());
    QVERIFY(!w.window.view().isVisible());
    QVERIFY(w.window.startupPanel()->isVisible());
    QCOMPARE(w.window.filePanel()->text(), QStringLiteral("No Selected File"));
    QVERIFY(!w.window.filePanel()->isEnabled());

    w.click(1);  // New File
    QCOMPARE(w.window.titleText(), QStringLiteral("New  File"));
    QVERIFY(enabled(w, data_set_commands));
    for (int b : {3, 4, 7, 8, 9, 10, 11}) QVERIFY(w.window.toolbarButton(b)->isEnabled());
    QVERIFY(w.window.view().isVisible());
    QVERIFY(!w.window.startupPanel()->isVisible());
    QCOMPARE(w.window.filePanel()->text(), QStringLiteral("New File"));
    QVERIFY(w.window.filePanel()->isEnabled());
    QCOMPARE(slurp(w.folder.path() / "garn.tem").size(), std::size_t{300 * 63 + 299 + 4});

    w.shortcut(Qt::Key_C);  // Ctrl+C is Close here
    QCOMPARE(w.window.titleText(), QStringLiteral("Start-up Screen"));
    QVERIFY(disabled(w, data_set_commands));
    QVERIFY(!w.window.view().isVisible());
    QCOMPARE(w.window.filePanel()->text(), QStringLiteral("New File"));  // Close leaves the panel

    const QString example = QString::fromStdString(KOLBEX_EXAMPLE);
    w.fake.answers = {example};
    // While its dialog is shown, Open File has made the editing commands available, not yet those of a
    // chosen data set.
    bool dialog_shown = false;
    w.fake.while_open_dialog = [&] {
      dialog_shown = true;
      QVERIFY(enabled(w, {"mnuEditCut", "mnuEditInsertRow", "mnuEditSelectAll"}));
      QVERIFY(disabled(w, {"mnuSaveAs", "mnuClose", "mnuClear", "mnuDelete"}));
      QVERIFY(w.window.toolbarButton(3)->isEnabled() && w.window.toolbarButton(7)->isEnabled());
      QVERIFY(!w.window.startupPanel()->isVisible());
      QVERIFY(!w.window.view().isVisible());
    };
    w.click(2);  // Open File
    w.fake.while_open_dialog = {};
    QVERIFY(dialog_shown);
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Garnet(*.gsg) |*.gsg"));
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QVERIFY(enabled(w, data_set_commands));
    QVERIFY(disabled(w, {"mnu9703", "mnu07Later"}));
    QVERIFY(!w.window.toolbarButton(15)->isEnabled() && !w.window.toolbarButton(16)->isEnabled());
    QCOMPARE(w.window.filePanel()->text(), example);
    QCOMPARE(w.text(1, 1), std::string("DHZ-pyrope"));
    QVERIFY(w.action("mnuOpen")->isChecked());
    QCOMPARE(w.window.table().current(), (CellPosition{1, 1}));  // the data set is the selected block
    QCOMPARE(w.window.table().selection_end(), (CellPosition{300, 64}));

    w.click(3);  // Save As, cancelled: the title keeps "Save As"
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Garnet files(*.gsg) |*.gsg"));
    QCOMPARE(w.window.titleText(), QStringLiteral("Save As"));
    QVERIFY(enabled(w, data_set_commands));

    // A cancelled Open File without a garn.dat reads nothing and says nothing.
    w.click(2);
    QVERIFY(w.fake.messages.isEmpty());
    QCOMPARE(w.text(1, 1), std::string("DHZ-pyrope"));
    // With one it closes the data set and loads "garn.dat" of the working folder, hidden.
    std::ofstream(w.folder.path() / "garn.dat", std::ios::binary) << "\"from garn.dat\"\r\n";
    w.click(2);
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QVERIFY(disabled(w, data_set_commands));
    QVERIFY(!w.window.view().isVisible());
    QVERIFY(w.window.startupPanel()->isVisible());
    QVERIFY(disabled(w, {"mnu9703", "mnu07Later"}));
    QVERIFY(!w.window.toolbarButton(15)->isEnabled());
    QCOMPARE(w.window.filePanel()->text(), QString());
    QVERIFY(w.window.filePanel()->isEnabled());
    QCOMPARE(w.text(1, 1), std::string("from garn.dat"));
    QVERIFY(w.fake.messages.isEmpty());
  }

  void typingBackspaceEnterAndTab() {
    Window w;
    w.click(1);
    // New File ends by writing "garn.tem", which selects the analysis block; after Clear All the heading
    // of column 64 is current, as capCell leaves it.
    QCOMPARE(w.window.table().current(), (CellPosition{1, 1}));
    w.shortcut(Qt::Key_A);
    w.type("x");
    QCOMPARE(w.text(0, 64), std::string("Mg]Orthopyroxenex"));
    QCOMPARE(w.window.model().headerData(63, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Mg]Orthopyroxenex"));
    // A click makes a cell current; typing appends, Backspace removes from the end; no editor opens.
    auto& view = w.window.view();
    const QRect cell = view.visualRect(w.window.model().indexOf({2, 2}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(w.window.table().current(), (CellPosition{2, 2}));
    w.type("12.5");
    QCOMPARE(w.text(2, 2), std::string("12.5"));
    QTest::keyClick(&view, Qt::Key_Backspace);
    QCOMPARE(w.text(2, 2), std::string("12."));
    QVERIFY(view.findChildren<QLineEdit*>().isEmpty());  // no cell editor was ever opened
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(w.window.table().current(), (CellPosition{2, 3}));
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(w.window.table().current(), (CellPosition{2, 4}));
    w.window.table().set_current({5, 64});
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(w.window.table().current(), (CellPosition{6, 0}));
    w.type("a");
    QCOMPARE(w.text(6, 0), std::string("6a"));
    w.window.table().set_current({300, 64});
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(w.window.table().current(), (CellPosition{1, 0}));
    // A right press keeps the selection and opens the Edit menu there.
    w.window.table().select_block({2, 2}, {3, 3});
    w.window.view().showTableSelection();
    QTest::mousePress(view.viewport(), Qt::RightButton, {},
                      view.visualRect(w.window.model().indexOf({4, 4})).center());
    QVERIFY(w.window.editMenu()->isVisible());
    QCOMPARE(w.window.table().current(), (CellPosition{2, 2}));
    QCOMPARE(w.window.table().selection_end(), (CellPosition{3, 3}));
    w.window.editMenu()->hide();
    // A Ctrl combination that is no shortcut reaches the table as a control code and changes nothing.
    w.window.table().set_current({3, 3});
    QTest::keyClick(&view, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(w.text(3, 3), std::string());
  }

  void insertAndRemoveRowAtTheirLimits() {
    Window w;
    w.click(1);
    w.window.table().set_text(5, 1, "five");
    w.window.table().set_current({5, 1});
    w.shortcut(Qt::Key_I);
    QCOMPARE(w.window.table().R(), 302);
    QCOMPARE(w.text(5, 1), std::string());
    QCOMPARE(w.text(5, 0), std::string());
    QCOMPARE(w.text(6, 1), std::string("five"));
    QCOMPARE(w.window.model().rowCount(), 301);
    w.window.table().set_current({0, 3});  // the heading row: nothing happens
    w.shortcut(Qt::Key_I);
    w.shortcut(Qt::Key_D);
    QCOMPARE(w.window.table().R(), 302);
    w.window.table().set_current({6, 1});
    w.shortcut(Qt::Key_D);
    QCOMPARE(w.window.table().R(), 301);
    QCOMPARE(w.text(6, 1), std::string());
    // Down to one analysis row, which stays.
    for (int i = 0; i < 310; ++i) {
      w.window.table().set_current({1, 1});
      w.shortcut(Qt::Key_D);
    }
    QCOMPARE(w.window.table().R(), 2);
    QCOMPARE(w.window.model().rowCount(), 1);
  }

  // Copy, Cut, Paste, Delete and Select All through the real clipboard.
  void clipboardCommands() {
    Window w;
    w.click(1);
    auto& t = w.window.table();
    t.set_text(1, 1, "a");
    t.set_text(1, 3, "c");
    t.set_text(2, 2, "e");
    t.select_block({2, 3}, {1, 1});  // from the bottom-right corner to the top-left
    w.click(8);                      // Copy
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\t\tc\r\te\t"));
    w.click(7);  // Cut
    QCOMPARE(t.text(1, 1), std::string());
    QCOMPARE(t.text(2, 2), std::string());
    t.select_block({10, 1}, {10, 1});  // a single cell takes only the first cell of the text
    w.shortcut(Qt::Key_P);
    QCOMPARE(t.text(10, 1), std::string("a"));
    QCOMPARE(t.text(10, 3), std::string());
    t.select_block({10, 1}, {11, 3});
    w.click(9);
    QCOMPARE(t.text(10, 3), std::string("c"));
    QCOMPARE(t.text(11, 2), std::string("e"));
    // Text from other programs may end its lines with LF or CR LF.
    QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\r\n5"));
    w.shortcut(Qt::Key_E);  // Select All
    QCOMPARE(t.current(), (CellPosition{1, 1}));
    QCOMPARE(t.selection_end(), (CellPosition{300, 64}));
    w.shortcut(Qt::Key_P);
    QCOMPARE(t.text(1, 2), std::string("2"));
    QCOMPARE(t.text(2, 1), std::string("3"));
    QCOMPARE(t.text(3, 1), std::string("5"));
    t.select_block({1, 1}, {2, 2});
    w.shortcut(Qt::Key_L);  // Delete leaves the clipboard alone
    QCOMPARE(t.text(2, 2), std::string());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2\n3\t4\r\n5"));
    QVERIFY(w.fake.messages.isEmpty());
  }

  // A clipboard that cannot be opened: reported after a toolbar command only, and Cut empties nothing.
  void failingClipboardIsReportedAfterToolbarCommands() {
    Window w;
    w.click(1);
    w.window.table().set_text(1, 1, "kept");
    w.window.table().select_block({1, 1}, {1, 1});
    w.fake.clipboard_fails = true;
    w.shortcut(Qt::Key_T);  // Cut from its shortcut: nothing shown
    QVERIFY(w.fake.messages.isEmpty());
    QCOMPARE(w.text(1, 1), std::string("kept"));
    w.click(7);  // Cut from the toolbar
    QCOMPARE(w.fake.messages, QStringList{QStringLiteral("Can't open clipboard")});
    QCOMPARE(w.text(1, 1), std::string("kept"));
    w.click(9);
    QCOMPARE(w.fake.messages.size(), 2);
    w.fake.clipboard_fails = false;
    w.click(8);  // a command that succeeds shows nothing
    QCOMPARE(w.fake.messages.size(), 2);
  }

  // Save As then Open gives the table back byte for byte.
  void saveAsThenOpenReproducesTheFile() {
    Window w;
    w.click(1);
    const auto empty = w.folder.path() / "empty.gsg";
    w.fake.answers = {QString::fromStdString(empty.string())};
    w.click(3);
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    const std::string bytes = slurp(empty);
    QCOMPARE(bytes.size(), std::size_t{300 * 63 + 299 + 4});
    QCOMPARE(bytes, slurp(w.folder.path() / "garn.tem"));

    w.window.table().set_current({1, 1});
    w.type("Grt 1 \"rim\"");
    w.window.table().set_current({1, 2});
    w.type("40.1");
    const auto named = w.folder.path() / "typed";  // saved under exactly the name typed
    w.fake.answers = {QString::fromStdString(named.string())};
    w.shortcut(Qt::Key_S);
    const std::string saved = slurp(named);
    QVERIFY(saved.starts_with("\"Grt 1 'rim'\t40.1\t"));
    w.click(1);  // a new, empty table
    w.fake.answers = {QString::fromStdString(named.string())};
    w.click(2);
    QCOMPARE(w.text(1, 1), std::string("Grt 1 'rim'"));
    const auto again = w.folder.path() / "again.gsg";
    w.fake.answers = {QString::fromStdString(again.string())};
    w.click(3);
    QCOMPARE(slurp(again), saved);
  }

  // A save that fails leaves the file that was there whole and says so, from the menu too.
  void failedSaveKeepsTheOldFile() {
    Window w;
    w.click(1);
    const auto path = w.folder.path() / "old.gsg";
    std::ofstream(path, std::ios::binary) << "\"old data\"\r\n";
    // Writes beyond 1000 bytes fail (EFBIG): the 19 kB data set cannot be written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    w.fake.answers = {QString::fromStdString(path.string())};
    w.shortcut(Qt::Key_S);
    setrlimit(RLIMIT_FSIZE, &before);
    QCOMPARE(slurp(path), std::string("\"old data\"\r\n"));
    QCOMPARE(w.fake.messages, QStringList{QStringLiteral("Disk full")});
    // From the toolbar the report follows the command once.
    setrlimit(RLIMIT_FSIZE, &small);
    w.fake.answers = {QString::fromStdString(path.string())};
    w.click(3);
    setrlimit(RLIMIT_FSIZE, &before);
    QCOMPARE(w.fake.messages.size(), 2);
    QCOMPARE(slurp(path), std::string("\"old data\"\r\n"));
  }

  // Calculate from the toolbar: the results window holds the rows, the diagram files are written, and
  // the input-pressure option changes TT76.
  void calculateFillsTheResultsWindow() {
    Window w;
    w.fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    w.click(2);
    w.click(13);
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    auto* results = w.window.resultsWindow();
    QVERIFY(results && results->isVisible());
    auto& model = results->model();
    QCOMPARE(model.rowCount(), 1 + 30);  // the headings row and the 30 analyses
    QCOMPARE(model.cellText(0, 0), QStringLiteral("K o l b e x"));
    QCOMPARE(model.cellText(1, 140), QStringLiteral("[Garnet Species]"));
    QCOMPARE(model.cellText(2, 0), QStringLiteral("DHZ-pyrope"));
    QCOMPARE(model.cellText(2, 140), QStringLiteral("pyrope"));
    QCOMPARE(results->panel(2)->text(), QStringLiteral("Assuming 8 cations"));
    QCOMPARE(results->panel(3)->text(), QStringLiteral("Assuming 12 anions"));
    QVERIFY(std::filesystem::exists(w.folder.path() / "XAGASP.dat"));
    const int biotite_row = 2 + 28;  // the example's garnet with a biotite
    const QString tt76 = model.cellText(biotite_row, 147);
    QVERIFY(!tt76.isEmpty());

    w.shortcut(Qt::Key_R);  // the input-pressure option
    QVERIFY(w.action("mnuInputP")->isChecked());
    QVERIFY(!w.action("mnuGanguly79")->isChecked());
    w.shortcut(Qt::Key_F);  // Calculate again: the rows are appended
    QCOMPARE(model.rowCount(), 1 + 60);
    QVERIFY(model.cellText(biotite_row + 30, 147) != tt76);
    QCOMPARE(model.cellText(biotite_row + 30, 148 + 1), model.cellText(biotite_row, 148 + 1));  // THS82 kept
    QVERIFY(w.action("mnuOpen")->isChecked());  // Calculate does not change its own mark
  }

  // The whole way of a user: type an analysis, save it, open it again, calculate, read the result.
  void typeSaveOpenCalculate() {
    Window w;
    w.click(1);
    auto& view = w.window.view();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(w.window.model().indexOf({1, 1})).center());
    // DHZ almandine: SiO2 36.7, TiO2 0.75, Al2O3 21.4, FeO 29.9, MgO 0.9, MnO 1.14, CaO 9.02 wt%.
    const char* cells[] = {"Alm 1", "36.7", "0.75", "", "",     "",    "",     "21.4", "",    "",
                           "",      "",     "",     "", "29.9", "0.9", "1.14", "",     "9.02"};
    for (const char* cell : cells) {
      w.type(cell);
      QTest::keyClick(&view, Qt::Key_Tab);
    }
    QCOMPARE(w.text(1, 15), std::string("29.9"));
    const auto path = w.folder.path() / "alm.gsg";
    w.fake.answers = {QString::fromStdString(path.string())};
    w.click(3);
    w.click(1);  // an empty table again
    QCOMPARE(w.text(1, 1), std::string());
    w.fake.answers = {QString::fromStdString(path.string())};
    w.click(2);
    w.click(13);
    auto& results = w.window.resultsWindow()->model();
    QCOMPARE(results.rowCount(), 2);
    QCOMPARE(results.cellText(2, 0), QStringLiteral("Alm 1"));
    QCOMPARE(results.cellText(2, 31), QStringLiteral("99.810"));  // the analysis total, wt%
    QCOMPARE(results.cellText(2, 140), QStringLiteral("almandine"));
  }

  // Without an opened data set Calculate asks for one first.
  void calculateAsksForADataSet() {
    Window w;
    w.fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_F);
    QCOMPARE(w.fake.filters, QStringList{QStringLiteral("Garnet(*.gsg) |*.gsg")});
    QCOMPARE(w.window.resultsWindow()->model().rowCount(), 1 + 30);
    QCOMPARE(w.window.resultsWindow()->panel(1)->text(), QString::fromStdString(KOLBEX_EXAMPLE));
    QCOMPARE(w.window.filePanel()->text(), QString::fromStdString(KOLBEX_EXAMPLE));
    // Closing the results window unloads it: the next run starts a new table.
    w.window.resultsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.window.resultsWindow() == nullptr);
    w.fake.answers = {};  // cancelled: the current table is calculated
    w.window.Toolbar1(13);
    QCOMPARE(w.window.resultsWindow()->model().rowCount(), 1 + 30);
  }

  void aboutHelpAndOptions() {
    Window w;
    w.action("mnuAbout")->trigger();
    w.action("mnuAbout")->trigger();
    int abouts = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->windowTitle() == QStringLiteral("A b o u t") && top->isVisible()) ++abouts;
    QCOMPARE(abouts, 1);
    w.click(21);
    kolbex::shell::HelpWindow* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* h = qobject_cast<kolbex::shell::HelpWindow*>(top); h && h->isVisible()) help = h;
    QVERIFY(help);
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Entering analyses")));
    // The thermometer page lists all thirty with their references.
    help->browser()->setSource(QUrl(QStringLiteral("thermometers.html")));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Krogh Ravna, E. (2000)")));
    // The Ganguly option flips its own mark only.
    w.shortcut(Qt::Key_U);
    w.shortcut(Qt::Key_U);
    QVERIFY(!w.action("mnuGanguly79")->isChecked());
    QVERIFY(!w.action("mnuInputP")->isChecked());
    QVERIFY(w.fake.messages.isEmpty());
  }

  // Exit (Ctrl+X) closes the data entry window and the results window without a question.
  void exitClosesBothWindows() {
    Window w;
    w.click(22);
    QPointer<kolbex::results::ResultsWindow> results = w.window.resultsWindow();
    QVERIFY(results && results->isVisible());
    w.shortcut(Qt::Key_X);
    QVERIFY(!w.window.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(results.isNull());
    QVERIFY(w.fake.messages.isEmpty());
  }
};

QTEST_MAIN(DataEntryWindowTest)
#include "data_entry_window_test.moc"
