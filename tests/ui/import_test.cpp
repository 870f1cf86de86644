// Import Analyses: the menu entry, the preview, and files dropped onto the data entry window.

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "entry/ui/import_dialog.h"
#include "tests/ui/window_fixture.h"

namespace {

using kolbex::entry::ImportDialog;

void write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

QString name_of(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

const std::string probe_export =
    "Garnet traverse 12\n"
    "Comment,SiO2,TiO2,Al2O3,FeO,MnO,MgO,CaO,K2O,Total\n"
    "g1-core,36.7,0.75,21.4,29.9,1.14,0.9,9.02,<0.01,99.8\n"
    "g1-rim,36.9,-0.02,21.2,30.3,1.3,0.8,8.9,0.01,99.4\n";

}  // namespace

class ImportTest : public QObject {
  Q_OBJECT

 private slots:
  // The entry stands after "Edit Excel File" with Ctrl+Shift+I, enabled before and after a data set is
  // open.
  void menuEntry() {
    Window w;
    QAction* import = w.action("mnuImportAnalyses");
    QVERIFY(import);
    QCOMPARE(import->text(), QStringLiteral("Import Analyses..."));
    QCOMPARE(import->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+I")));
    QVERIFY(import->isEnabled());
    const QList<QAction*> file = w.window.menuBar()->actions().front()->menu()->actions();
    const auto at = file.indexOf(import);
    QVERIFY(at > 0);
    QCOMPARE(file[at - 1]->text(), QStringLiteral("Edit Excel File"));
    w.fake.answers = {QString::fromLatin1(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_O);
    QVERIFY(import->isEnabled());
  }

  // The preview shows where each column goes; a change there is what is placed. OK empties the table and
  // places the analyses from row 1; Undo brings the earlier table back.
  void previewMappingAndPlacing() {
    Window w;
    const auto file = w.folder.path() / "probe.csv";
    write(file, probe_export);
    w.fake.answers = {QString::fromLatin1(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_O);
    const std::string before = w.text(3, 1);
    QString summary;
    w.window.setImportPreview([&](ImportDialog& dialog) {
      summary = dialog.summary();
      dialog.placeBox(2)->setCurrentIndex(0);  // TiO2: ignore
      return dialog.canAccept();
    });
    w.fake.answers = {name_of(file)};
    w.window.mnuImportAnalyses();
    QCOMPARE(w.fake.filters.back(),
             QStringLiteral("Analyses (*.csv *.tsv *.txt *.xlsx *.xls)|*.csv;*.tsv;*.txt;*.xlsx;*.xls"));
    QCOMPARE(summary, QStringLiteral("2 analyses, 8 columns recognised, 2 ignored: K2O, Total; "
                                     "1 negative values set to 0"));
    QCOMPARE(w.text(1, 1), std::string("g1-core"));
    QCOMPARE(w.text(1, 2), std::string("36.7"));
    QCOMPARE(w.text(1, 3), std::string());  // ignored in the preview
    QCOMPARE(w.text(2, 15), std::string("30.3"));
    QCOMPARE(w.text(3, 1), std::string());  // nothing of the earlier data set below
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));
    QCOMPARE(w.window.filePanel()->text(), name_of(file));
    QVERIFY(!w.window.hasUnsavedChanges());
    QVERIFY(w.action("mnuSaveAs")->isEnabled());
    QVERIFY(w.fake.messages.isEmpty());
    w.window.mnuEditUndo();
    QCOMPARE(w.text(3, 1), before);
  }

  // Two columns sent to one place keep OK disabled and say which; Cancel changes nothing.
  void duplicatesAndCancel() {
    Window w;
    const auto file = w.folder.path() / "probe.csv";
    write(file, probe_export);
    bool could_accept = true;
    QString summary;
    w.window.setImportPreview([&](ImportDialog& dialog) {
      dialog.placeBox(3)->setCurrentIndex(dialog.placeBox(3)->findData(2));  // Al2O3 to SiO2 as well
      could_accept = dialog.canAccept();
      summary = dialog.summary();
      return false;  // Cancel
    });
    w.fake.answers = {name_of(file)};
    w.window.mnuImportAnalyses();
    QVERIFY(!could_accept);
    QVERIFY2(summary.contains(QStringLiteral("\"SiO2\" and \"Al2O3\" both go to SiO2")), qPrintable(summary));
    QCOMPARE(w.window.table().text(1, 1), std::string());
    QVERIFY(!w.window.table().can_undo());
  }

  // More analyses than the table holds: the first 300 are placed and a message says how many were left.
  void moreThanTheTableHolds() {
    Window w;
    std::string text = "Sample,SiO2,Al2O3,FeO\n";
    for (int i = 1; i <= 310; ++i) text += "s" + std::to_string(i) + ",36.7,21.4,29.9\n";
    const auto file = w.folder.path() / "many.csv";
    write(file, text);
    w.window.setImportPreview([](ImportDialog&) { return true; });
    w.fake.answers = {name_of(file)};
    w.window.mnuImportAnalyses();
    QCOMPARE(w.text(300, 1), std::string("s300"));
    QCOMPARE(w.fake.messages.size(), 1);
    QVERIFY2(w.fake.messages[0].contains(QStringLiteral("first 300 of 310")), qPrintable(w.fake.messages[0]));
    QVERIFY(w.fake.details[0].contains(QStringLiteral("kolbex-calc")));
  }

  // A file that cannot be imported says why and leaves the table as it was.
  void refusedFiles() {
    Window w;
    const auto file = w.folder.path() / "elements.csv";
    write(file, "Sample,Si,Al,Fe,Mg\na,17.5,11.2,23.1,2.0\n");
    w.window.setImportPreview([](ImportDialog&) { return true; });
    w.fake.answers = {name_of(file)};
    w.window.mnuImportAnalyses();
    QCOMPARE(w.fake.messages.size(), 1);
    QVERIFY(w.fake.messages[0].startsWith(QStringLiteral("The analyses could not be imported from ")));
    QVERIFY(w.fake.details[0].contains(QStringLiteral("element percentages")));
    QVERIFY(!w.window.table().can_undo());
  }

  // Dropped files: a data set opens as Open File does, a workbook laid out as the input template loads
  // as the load commands do, and a CSV goes through the import (here a real drop event).
  void droppedFiles() {
    Window w;
    w.window.openDroppedFile(QString::fromLatin1(KOLBEX_EXAMPLE));
    QCOMPARE(w.text(1, 1), std::string("DHZ-pyrope"));
    QCOMPARE(w.window.titleText(), QStringLiteral("Data Entry Screen"));

    w.window.openDroppedFile(QString::fromLatin1(KOLBEX_WORKBOOKS "/basic.xlsx"));
    QCOMPARE(w.window.table().R(), 101);
    QCOMPARE(w.text(1, 1), std::string("S1"));

    const auto file = w.folder.path() / "probe.csv";
    write(file, probe_export);
    int previews = 0;
    w.window.setImportPreview([&](ImportDialog&) { return ++previews > 0; });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(name_of(file))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &drop);
    QCOMPARE(previews, 1);
    QCOMPARE(w.text(1, 1), std::string("g1-core"));
    // A workbook with headings of its own (a probe export, headings on row 3) is imported, not loaded.
    w.window.openDroppedFile(QString::fromLatin1(KOLBEX_WORKBOOKS "/probe_export.xlsx"));
    QCOMPARE(previews, 2);
    QCOMPARE(w.text(1, 1), std::string("DHZ-almandine"));
    QCOMPARE(w.text(2, 16), std::string("19.6"));
    QVERIFY(w.fake.messages.isEmpty());
  }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
