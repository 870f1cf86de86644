#include "results/ui/results_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>

#include "results/diagram_commands.h"
#include "results/ui/diagram_window.h"
#include "results/ui/results_table_model.h"
#include "tests/support/xlsx_sheet.h"
#include "tests/ui/window_fixture.h"

using kolbex::results::ResultsWindow;

namespace {

// A data entry window that has calculated the example: its results window is open.
struct Calculated : Window {
  ResultsWindow* results = nullptr;
  Calculated() {
    fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    click(2);
    click(13);
    results = window.resultsWindow();
    results->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(results));
  }
  kolbex::results::ResultsTable& table() { return results->table(); }
  void press(Qt::Key key) { QTest::keyClick(results, key, Qt::ControlModifier); }
  void tool(int number) {
    QTest::mouseClick(results->toolbar()->widgetForAction(results->toolbarButton(number)), Qt::LeftButton);
  }
  QAction* item(const QString& name) { return results->findChild<QAction*>(name); }
};

std::string cell(kolbex::results::ResultsTable& t, int r, int c) { return std::string(t.cell_text(r, c)); }

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutAndModel() {
    Calculated w;
    QCOMPARE(w.results->titleText(), QStringLiteral("Calculation Screen"));
    QCOMPARE(w.results->view().cornerText(), QStringLiteral("K o l b e x"));
    auto& model = w.results->model();
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("1"));
    QCOMPARE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("Sample"));
    QCOMPARE(model.data(model.index(0, 141), Qt::BackgroundRole).value<QBrush>().color(),
             QColor(224, 255, 255));
    QCOMPARE(model.data(model.index(0, 10), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignTop));
    QCOMPARE(w.results->view().columnWidth(0), w.results->view().pixels(800));
    // A second run appends rows: no rebuild of the grid.
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    w.window.Toolbar1(13);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 1 + 60);
  }

  // Here Ctrl+C cuts, Ctrl+Y copies, Ctrl+S selects all and Ctrl+D deletes.
  void shortcutsOfTheCalculationScreen() {
    Calculated w;
    auto& t = w.table();
    t.select_block({2, 1}, {3, 2});
    w.press(Qt::Key_Y);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, QString::fromStdString(cell(t, 2, 1) + "\t" + cell(t, 2, 2) + "\r" + cell(t, 3, 1) +
                                            "\t" + cell(t, 3, 2)));
    w.press(Qt::Key_C);  // Cut
    QCOMPARE(cell(t, 2, 1), std::string());
    QCOMPARE(cell(t, 3, 2), std::string());
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    t.select_block({4, 1}, {4, 1});
    w.press(Qt::Key_P);
    QCOMPARE(cell(t, 4, 1), copied.split(u'\t').first().toStdString());
    t.select_block({5, 1}, {5, 3});
    w.press(Qt::Key_D);  // Delete
    QCOMPARE(cell(t, 5, 2), std::string());
    w.press(Qt::Key_S);  // Select All, from (0, 0)
    QCOMPARE(t.current(), (CellPosition{0, 0}));
    QCOMPARE(t.selection_end(), (CellPosition{t.R() - 1, 187}));
    w.press(Qt::Key_Y);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("K o l b e x\t1\t2\t3")));
    QVERIFY(w.fake.messages.isEmpty());
  }

  // Typing appends, Backspace removes; Enter moves one row down, from the last row to (1, 0).
  void keysInTheResultsGrid() {
    Calculated w;
    auto& t = w.table();
    auto& view = w.results->view();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(w.results->model().indexOf({3, 52})).center());
    QCOMPARE(t.current(), (CellPosition{3, 52}));
    const std::string before = cell(t, 3, 52);
    QTest::keyClicks(&view, QStringLiteral("x"));
    QCOMPARE(cell(t, 3, 52), before + "x");
    QTest::keyClick(&view, Qt::Key_Backspace);
    QCOMPARE(cell(t, 3, 52), before);
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(t.current(), (CellPosition{4, 52}));
    t.set_current({t.R() - 1, 52});
    QTest::keyClick(&view, Qt::Key_Tab);
    QCOMPARE(t.current(), (CellPosition{1, 0}));
  }

  // A send writes the table as the user sees it, typed cells included; the toolbar route shows the notice
  // only while it works; a second send gives the same worksheet.
  void sendingTheResults() {
    Calculated w;
    auto& t = w.table();
    t.set_current({2, 0});
    w.results->view().showTableSelection();
    for (char32_t ch : {U' ', U'*'}) t.type_character(ch);
    w.tool(9);
    const auto workbook = w.folder.path() / "Output.xlsx";
    QVERIFY(std::filesystem::exists(workbook));
    QCOMPARE(w.results->titleText(), QStringLiteral("Calculation Screen"));
    QCOMPARE(w.results->subtitleText(), QStringLiteral("A Windows Program for Garnet Supergroup Minerals "));
    QVERIFY(!w.results->progressBar()->isVisible());
    QCOMPARE(w.results->progressBar()->maximum(), t.R());  // not stuck at a fixed maximum
    auto cells = kolbex::test::read_first_sheet(workbook);
    QCOMPARE(cells.at("A3").value, QString::fromStdString(cell(t, 2, 0)).toStdString());
    QVERIFY(cells.at("A3").value.ends_with(" *"));
    QCOMPARE(cells.at("EK3").value, std::string("pyrope"));
    QCOMPARE(cells.at("AF3").type, std::string("n"));
    const std::string sheet = kolbex::test::xlsx_member(workbook, "xl/worksheets/sheet1.xml");
    w.press(Qt::Key_G);  // the menu send
    QCOMPARE(kolbex::test::xlsx_member(workbook, "xl/worksheets/sheet1.xml"), sheet);
    QVERIFY(w.fake.messages.isEmpty());
    // Open Excel File hands Output.xlsx to the desktop.
    w.tool(10);
    QCOMPARE(w.fake.opened.back(), QUrl::fromLocalFile(QString::fromStdString(workbook.string())));
  }

  void workbookFailuresAreReported() {
    Calculated w;
    w.tool(10);  // no Output.xlsx yet
    QCOMPARE(w.fake.messages, QStringList{QStringLiteral("Object required. Possibly [Output.Xlsx]")});
    w.press(Qt::Key_H);  // from the menu the same
    QCOMPARE(w.fake.messages.size(), 2);
    QVERIFY(w.fake.opened.empty());

    // An installed program's folder cannot be written.
    Window other;
    other.window.setProgramFolder("/sys");
    other.fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    other.click(2);
    other.click(13);
    auto* results = other.window.resultsWindow();
    QTest::mouseClick(results->toolbar()->widgetForAction(results->toolbarButton(9)), Qt::LeftButton);
    QCOMPARE(other.fake.messages, QStringList{QStringLiteral("Path/File access error")});
    QTest::keyClick(results, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(other.fake.messages.size(), 2);
    QCOMPARE(results->titleText(), QStringLiteral("Calculation Screen"));
  }

  // Display Previous Screen keeps the window and its rows; Exit Excel File unloads it.
  void previousScreenAndUnloading() {
    Calculated w;
    w.tool(16);
    QVERIFY(w.window.isVisible());
    w.window.Toolbar1(13);
    QCOMPARE(w.results->model().rowCount(), 1 + 60);
    QPointer<ResultsWindow> results = w.results;
    w.item(QStringLiteral("mnuEOX"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(results.isNull());
    w.window.Toolbar1(13);
    QCOMPARE(w.window.resultsWindow()->model().rowCount(), 1 + 30);
  }

  // Each Graph item shows its diagram, drawn from the data files the run wrote; toolbar 13 opens a
  // template the program knows as its diagram and hands any other file to the desktop.
  void diagramsOfTheGraphMenu() {
    Calculated w;
    for (const kolbex::results::DiagramCommand& d : kolbex::results::diagram_commands) {
      const QString name =
          QString::fromUtf8(d.template_name.data(), static_cast<qsizetype>(d.template_name.size()));
      QAction* item = w.item(name);
      QVERIFY2(item, qPrintable(name));
      QCOMPARE(item->text(), QString::fromUtf8(d.caption.data(), static_cast<qsizetype>(d.caption.size())));
      item->trigger();
      kolbex::results::DiagramWindow* diagram = w.results->diagramWindow(name);
      QVERIFY2(diagram && diagram->isVisible(), qPrintable(name));
      QCOMPARE(diagram->windowTitle(), item->text());
      QVERIFY2(diagram->view().data().file_found, qPrintable(name));
      QVERIFY2(diagram->view().data().problem.empty(), qPrintable(name));
    }
    // The example's pyrope, almandine, spessartine and grossular analyses stand in the provenance plots.
    QVERIFY(w.results->diagramWindow(QStringLiteral("PrpAlmGrs.grf"))->view().data().points.size() >= 20);
    QVERIFY(w.fake.opened.empty());
    QCOMPARE(w.item(QStringLiteral("YTiFe2Fe3Mg.grf"))->text(),
             QStringLiteral("[6]  YTiFe2 - YFe3 - YMg (Grew et al., 2013)"));
    QCOMPARE(w.item(QStringLiteral("XAGASP1.grf"))->text().mid(3),
             w.item(QStringLiteral("XAGASP3.grf"))->text().mid(3));

    w.fake.answers = {QStringLiteral("/anywhere/XMgFe2Ca.grf")};
    w.tool(13);
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Grapher files(*.grf) |*.grf"));
    QVERIFY(w.results->diagramWindow(QStringLiteral("XMgFe2Ca.grf"))->isVisible());
    QVERIFY(w.fake.opened.empty());
    w.fake.answers = {QStringLiteral("/anywhere/my own.grf")};
    w.tool(13);
    QCOMPARE(w.fake.opened.back(), QUrl::fromLocalFile(QStringLiteral("/anywhere/my own.grf")));
    w.tool(13);  // cancelled: nothing
    QCOMPARE(w.fake.opened.size(), std::size_t{1});
    QVERIFY(w.fake.messages.isEmpty());
  }

  // Exit (Ctrl+E here) ends the program: both windows close.
  void exitEndsTheProgram() {
    Calculated w;
    QPointer<ResultsWindow> results = w.results;
    w.press(Qt::Key_E);
    QVERIFY(!w.window.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(results.isNull());
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
