// The windows never change or lose a cell the user did not ask to change: clicks inside a selection,
// undo and redo of every table change, the question before unsaved analyses are dropped, Open File of a
// shorter data set, and failures that name the file and the reason.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "results/ui/results_table_model.h"
#include "results/ui/results_window.h"
#include "tests/ui/window_fixture.h"

using kolbex::results::ResultsWindow;
using kolbex::shell::MessageBox;
using kolbex::shell::TextGrid;

namespace {

std::vector<std::string> all_texts(const TextGrid& grid) {
  std::vector<std::string> texts;
  for (int r = 0; r < grid.R(); ++r)
    for (int c = 0; c < grid.C(); ++c) texts.emplace_back(grid.cell_text(r, c));
  return texts;
}

QPoint centre_of(kolbex::shell::TextGridView& view, kolbex::shell::TextGridModel& model, CellPosition cell) {
  return view.visualRect(model.indexOf(cell)).center();
}

// A plain click, and a press, drag and release, with real mouse events on the grid's viewport.
void click(kolbex::shell::TextGridView& view, kolbex::shell::TextGridModel& model, CellPosition cell) {
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centre_of(view, model, cell));
}
void drag(kolbex::shell::TextGridView& view, kolbex::shell::TextGridModel& model, CellPosition from,
          CellPosition to) {
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, centre_of(view, model, from));
  QTest::mouseMove(view.viewport(), centre_of(view, model, to));
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, centre_of(view, model, to));
}

struct Opened : Window {
  Opened() {
    fake.answers = {QString::fromStdString(KOLBEX_EXAMPLE)};
    click(2);
  }
  kolbex::shell::TextGridModel& grid() { return window.model(); }
  void undo() { QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); }
  ResultsWindow* calculate() {
    click(13);
    ResultsWindow* results = window.resultsWindow();
    if (results && !QTest::qWaitForWindowActive(results)) return nullptr;
    return results;
  }
  void redo() { QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
};

}  // namespace

class SafeEditingTest : public QObject {
  Q_OBJECT

 private slots:
  // After Open File the whole analysis block is selected; a click inside it, a click after Select All
  // and a click inside a dragged block only move the current cell.
  void clicksInsideASelectionChangeNoCell() {
    Opened w;
    auto& view = w.window.view();
    const auto before = all_texts(w.window.table());
    QCOMPARE(w.text(2, 2), std::string("36.7"));
    click(view, w.grid(), {2, 2});  // row 2's SiO2, with the whole block selected by Open File
    QCOMPARE(w.window.table().current(), (CellPosition{2, 2}));
    QCOMPARE(view.editBuffer(), std::string("36.7"));
    click(view, w.grid(), {1, 2});
    w.click(11);  // Select All
    // The whole table is selected and seen from its top left, so the next click lands where it is aimed.
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    QCOMPARE(view.horizontalScrollBar()->value(), 0);
    click(view, w.grid(), {3, 4});
    drag(view, w.grid(), {1, 1}, {3, 5});
    QCOMPARE(w.window.table().current(), (CellPosition{1, 1}));
    QCOMPARE(w.window.table().selection_end(), (CellPosition{3, 5}));
    click(view, w.grid(), {2, 3});
    QCOMPARE(w.window.table().current(), (CellPosition{2, 3}));
    QVERIFY(all_texts(w.window.table()) == before);
    QVERIFY(!w.window.hasUnsavedChanges());
  }

  void clicksInsideASelectionOfTheResultsChangeNoCell() {
    Opened w;
    ResultsWindow* results = w.calculate();
    QVERIFY(results);
    auto& view = results->view();
    const auto before = all_texts(results->table());
    QTest::keyClick(results, Qt::Key_S, Qt::ControlModifier);  // Select All
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    QCOMPARE(view.horizontalScrollBar()->value(), 0);
    click(view, results->model(), {3, 2});
    drag(view, results->model(), {2, 2}, {4, 4});
    click(view, results->model(), {3, 3});
    QCOMPARE(results->table().current(), (CellPosition{3, 3}));
    QVERIFY(all_texts(results->table()) == before);
    QVERIFY(!results->table().can_undo());
  }

  // Every kind of change of the analysis table is undone by Ctrl+Z and done again by Ctrl+Shift+Z.
  void everyChangeOfTheAnalysisTableIsUndone() {
    struct Case {
      const char* name;
      void (*change)(Opened&);
    };
    const Case cases[] = {
        {"typing",
         [](Opened& w) {
           w.window.table().select_block({2, 2}, {2, 2});
           w.type("9x");
         }},
        {"backspace",
         [](Opened& w) {
           w.window.table().select_block({2, 2}, {2, 2});
           QTest::keyClick(&w.window.view(), Qt::Key_Backspace);
         }},
        {"paste",
         [](Opened& w) {
           QApplication::clipboard()->setText(QStringLiteral("a\tb\rc\td"));
           w.window.table().select_block({1, 1}, {2, 2});
           w.click(9);
         }},
        {"cut",
         [](Opened& w) {
           w.window.table().select_block({1, 1}, {3, 4});
           w.click(7);
         }},
        {"delete",
         [](Opened& w) {
           w.window.table().select_block({1, 1}, {3, 4});
           w.click(10);
         }},
        {"clear all", [](Opened& w) { w.shortcut(Qt::Key_A); }},
        {"insert row",
         [](Opened& w) {
           w.window.table().select_block({2, 1}, {2, 1});
           w.shortcut(Qt::Key_I);
         }},
        {"remove row",
         [](Opened& w) {
           w.window.table().select_block({2, 1}, {2, 1});
           w.shortcut(Qt::Key_D);
         }},
        {"a workbook load",
         [](Opened& w) {
           w.fake.save_answer = MessageBox::Answer::discard;
           w.fake.answers = {QStringLiteral(KOLBEX_WORKBOOKS "/basic.xlsx")};
           w.window.mnu07Later();
         }},
    };
    for (const Case& c : cases) {
      Opened w;
      const auto before = all_texts(w.window.table());
      QVERIFY2(!w.action("mnuEditUndo")->isEnabled(), c.name);
      c.change(w);
      const auto after = all_texts(w.window.table());
      QVERIFY2(after != before, c.name);
      QVERIFY2(w.action("mnuEditUndo")->isEnabled(), c.name);
      w.undo();
      QVERIFY2(all_texts(w.window.table()) == before, c.name);
      QVERIFY2(w.window.model().rowCount() == w.window.table().R() - 1, c.name);
      w.redo();
      QVERIFY2(all_texts(w.window.table()) == after, c.name);
    }
  }

  void undoAndRedoHeadBothEditMenus() {
    Opened w;
    w.click(13);
    for (QMenu* menu : {w.window.editMenu(), w.window.resultsWindow()->editMenu()}) {
      const QList<QAction*> items = menu->actions();
      QVERIFY(items.size() > 3);
      QCOMPARE(items[0]->text(), QStringLiteral("Undo"));
      QCOMPARE(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
      QCOMPARE(items[1]->text(), QStringLiteral("Redo"));
      QCOMPARE(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
      QVERIFY(items[2]->isSeparator());
    }
    QCOMPARE(w.window.editMenu()->actions()[3]->text(), QStringLiteral("Clear All"));
  }

  void typingIntoTheResultsIsUndone() {
    Opened w;
    ResultsWindow* results = w.calculate();
    const std::string before(results->table().cell_text(3, 5));
    results->table().select_block({3, 5}, {3, 5});
    QTest::keyClicks(&results->view(), QStringLiteral("77"));
    QCOMPARE(std::string(results->table().cell_text(3, 5)), before + "77");
    QTest::keyClick(results, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(std::string(results->table().cell_text(3, 5)), before);
    QTest::keyClick(results, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(std::string(results->table().cell_text(3, 5)), before + "77");
  }

  // Exit (Ctrl+X), New File and Open File ask once before unsaved analyses go; Cancel keeps everything,
  // Discard goes on, Save runs Save As first. Without changes nothing is asked.
  void unsavedAnalysesAreOfferedForSaving() {
    const QString question =
        QStringLiteral("The analyses have changed since they were last saved. Save them?");
    {
      Opened w;
      w.shortcut(Qt::Key_X);
      QVERIFY(w.fake.questions.isEmpty());
      QVERIFY(!w.window.isVisible());
    }
    {
      Opened w;
      w.window.table().select_block({2, 2}, {2, 2});
      w.type("1");
      QVERIFY(w.window.hasUnsavedChanges());
      for (auto exit : {+[](Opened& o) { o.shortcut(Qt::Key_X); }, +[](Opened& o) { o.click(5); },
                        +[](Opened& o) { o.window.close(); }, +[](Opened& o) { o.shortcut(Qt::Key_N); },
                        +[](Opened& o) { o.shortcut(Qt::Key_O); }}) {
        w.fake.questions.clear();
        exit(w);
        QCOMPARE(w.fake.questions, QStringList{question});
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.text(2, 2), std::string("36.71"));
      }
      // Save: Save As writes the data set, then the program ends.
      const auto saved = w.folder.path() / "kept.gsg";
      w.fake.save_answer = MessageBox::Answer::save;
      w.fake.answers = {QString::fromStdString(saved.string())};
      w.shortcut(Qt::Key_X);
      QVERIFY(!w.window.isVisible());
      QVERIFY(slurp(saved).find("36.71") != std::string::npos);
    }
    {
      // Save with a cancelled Save As keeps the program running; Discard starts the new file.
      Opened w;
      w.window.table().select_block({2, 2}, {2, 2});
      w.type("1");
      w.fake.save_answer = MessageBox::Answer::save;
      w.click(5);
      QVERIFY(w.window.isVisible());
      w.fake.save_answer = MessageBox::Answer::discard;
      w.click(1);
      QCOMPARE(w.text(2, 2), std::string());
      QVERIFY(!w.window.hasUnsavedChanges());
      w.fake.questions.clear();
      w.click(1);
      QVERIFY(w.fake.questions.isEmpty());
    }
  }

  // Open File of a data set shorter than the table leaves no row of the data set before it.
  void openFileOfAShorterDataSet() {
    Opened w;
    QVERIFY(!w.text(20, 1).empty());
    const auto shorter = w.folder.path() / "short.gsg";
    std::ofstream(shorter, std::ios::binary) << "\"one\t40.1\rtwo\t38.2\"\r\n";
    w.fake.answers = {QString::fromStdString(shorter.string())};
    w.click(2);
    QCOMPARE(w.text(1, 1), std::string("one"));
    QCOMPARE(w.text(2, 2), std::string("38.2"));
    for (int r = 3; r <= 300; ++r)
      for (int c = 1; c < 65; ++c)
        if (!w.text(r, c).empty()) QFAIL(qPrintable(QStringLiteral("row %1 column %2 kept").arg(r).arg(c)));
    w.click(13);
    QCOMPARE(w.window.resultsWindow()->table().result_count(), std::size_t{2});
  }

  // Failures name the file and the reason under the message's own text; a hand-off to the desktop
  // that fails names what could not be opened.
  void failuresSayWhatAndWhy() {
    Opened w;
    const auto nowhere = w.folder.path() / "no folder" / "x.gsg";
    w.fake.answers = {QString::fromStdString(nowhere.string())};
    w.shortcut(Qt::Key_S);
    QCOMPARE(w.fake.messages.last(), QStringLiteral("Path not found"));
    QVERIFY(w.fake.details.last().contains(QString::fromStdString(nowhere.string())));
    QVERIFY(w.fake.details.last().contains(QStringLiteral("No such file or directory")));

    std::ofstream(w.folder.path() / "Kolbex.xlsx") << "not a workbook";
    w.fake.open_fails = QStringLiteral("no program is set up to open it");
    w.shortcut(Qt::Key_F2);
    QVERIFY(w.fake.messages.last().contains(QStringLiteral("Kolbex.xlsx")));
    QCOMPARE(w.fake.details.last(), w.fake.open_fails);
  }

  // After a send the status bar says where the workbook went; Calculate brings the results forward.
  void sendSaysWhereTheWorkbookWent() {
    Opened w;
    ResultsWindow* results = w.calculate();
    QTest::keyClick(results, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(std::filesystem::exists(results->workbookPath()));
    QVERIFY(results->statusBar()->currentMessage().contains(
        QString::fromStdString(results->workbookPath().string())));
  }
};

QTEST_MAIN(SafeEditingTest)
#include "safe_editing_test.moc"
