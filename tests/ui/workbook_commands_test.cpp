#include <QApplication>

#include "entry/ui/analysis_table_model.h"
#include "results/ui/results_table_model.h"
#include "results/ui/results_window.h"
#include "tests/ui/window_fixture.h"

namespace {

const std::string workbooks = KOLBEX_WORKBOOKS;

QString fixture(const char* name) { return QString::fromStdString(workbooks + "/" + name); }

}  // namespace

class WorkbookCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // Toolbar 16 loads the shown sheet's rectangle into a new table of 101 rows.
  void loadsAWorkbook() {
    Window w;
    w.window.table().set_text(250, 1, "gone with New File");
    w.fake.answers = {fixture("basic.xlsx")};
    w.click(16);
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Excel files (*.xlsx)|*.xlsx"));
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QCOMPARE(w.window.table().R(), 101);
    QCOMPARE(w.window.model().rowCount(), 100);
    QCOMPARE(w.text(1, 1), std::string("S1"));
    QCOMPARE(w.text(1, 2), std::string("40.1"));
    QCOMPARE(w.text(0, 1), std::string("Sample No"));
    QVERIFY(w.window.view().isVisible());
    QVERIFY(w.fake.messages.isEmpty());
    // Calculate works on what was loaded.
    w.click(13);
    QCOMPARE(w.window.resultsWindow()->model().cellText(2, 0), QStringLiteral("S1"));
  }

  // The content decides the reader: a .xls chosen through the .xlsx command loads, its shown sheet.
  void theContentDecidesTheReader() {
    Window w;
    w.fake.answers = {fixture("second_active.xls")};
    w.shortcut(Qt::Key_H);
    QCOMPARE(w.text(1, 1), std::string("S1"));
    QCOMPARE(w.text(1, 2), std::string("40.1"));
    w.fake.answers = {fixture("second_active.xlsx")};
    w.shortcut(Qt::Key_G);
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Excel files (*.xls)|*.xls"));
    QCOMPARE(w.text(1, 1), std::string("second sheet, shown"));
  }

  // A workbook that cannot be read says so from the menu and the toolbar, and leaves the new table empty.
  void unreadableWorkbooksAreReported() {
    Window w;
    w.fake.answers = {fixture("zip_bomb.xlsx")};
    w.shortcut(Qt::Key_H);
    QCOMPARE(w.fake.messages, QStringList{QStringLiteral("Invalid file format")});
    QCOMPARE(w.window.table().R(), 101);
    QCOMPARE(w.text(1, 1), std::string());
    w.fake.answers = {fixture("missing.xlsx")};
    w.click(16);
    QCOMPARE(w.fake.messages.back(), QStringLiteral("File not found"));
    QCOMPARE(w.fake.messages.size(), 2);  // once, after the toolbar command
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
  }

  // A cancelled dialog closes the data set; the .xlsx command stops there, the first-kind one goes on.
  void cancelledDialogs() {
    Window w;
    w.click(16);
    QCOMPARE(w.window.titleText(), QStringLiteral("Wait  Please"));
    QVERIFY(!w.window.view().isVisible());
    QCOMPARE(w.window.table().R(), 301);
    w.click(15);
    QCOMPARE(w.fake.filters.back(), QStringLiteral("Excel files (*.xls)|*.xls"));
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QCOMPARE(w.window.table().R(), 101);
    QVERIFY(!w.window.view().isVisible());
    QVERIFY(w.fake.messages.isEmpty());
  }

  // The edit commands hand the template beside the program to the desktop; without one, "File not found".
  void editCommandsOpenTheTemplates() {
    Window w;
    w.click(18);
    QCOMPARE(w.fake.messages, QStringList{QStringLiteral("File not found")});
    QVERIFY(w.fake.opened.empty());
    for (const char* name : {"Kolbex.xls", "Kolbex.xlsx"})
      std::filesystem::copy_file(std::filesystem::path(KOLBEX_PROGRAM_FOLDER) / name, w.folder.path() / name);
    w.click(18);
    QCOMPARE(w.fake.opened.back(),
             QUrl::fromLocalFile(QString::fromStdString((w.folder.path() / "Kolbex.xlsx").string())));
    QTest::keyClick(&w.window, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(w.fake.opened.back(),
             QUrl::fromLocalFile(QString::fromStdString((w.folder.path() / "Kolbex.xls").string())));
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QCOMPARE(w.fake.messages.size(), 1);
    QCOMPARE(slurp(w.folder.path() / "Kolbex.xlsx"),
             slurp(std::filesystem::path(KOLBEX_PROGRAM_FOLDER) / "Kolbex.xlsx"));
  }
};

QTEST_MAIN(WorkbookCommandsTest)
#include "workbook_commands_test.moc"
