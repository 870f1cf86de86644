#include "results/ui/diagram_window.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <QTest>

#include <fstream>

#include "results/ui/ternary_plot.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/fake_desktop.h"

using namespace kolbex::results;

namespace {

int count(const QByteArray& svg, const char* element) {
  return static_cast<int>(svg.count(QByteArray("<") + element + ' '));
}

QByteArray rendered(const DiagramCommand& diagram, const DiagramData& data) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(900, 860));
  svg.setViewBox(QRect(0, 0, 900, 860));
  QPainter painter(&svg);
  paint_ternary(painter, QRectF(0, 0, 900, 860), diagram, data);
  painter.end();
  return buffer.data();
}

const std::string provenance =
    "SampleNo\tPrp\tAlmSps\tGrs\r\n"
    "a\t50.000\t 25 \t25.000\r\n"
    "b b\t10.000\t 80 \t10.000\r\n"
    "c\t\t 80 \t10.000\r\n"
    "d\t0.000\t 0 \t0.000\r\n"
    "e\t70.000\t 20 \t10.000\r\n";

}  // namespace

class DiagramWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // One mark per plottable line; the Mange & Morton (2007) fields as six polygons with the triangle.
  void svgHoldsTheMarksAndFields() {
    const DiagramCommand& fields = *diagram_for_template("XMgFeMnCa.grf");
    const QByteArray svg = rendered(fields, parse_diagram_data(provenance, fields));
    QCOMPARE(count(svg, "circle"), 3);
    QCOMPARE(count(svg, "path"), 6 + 1);
    QVERIFY(svg.contains("2 lines could not be plotted"));
    const DiagramCommand& plain = *diagram_for_template("PrpAlmSpsGrs.grf");
    QCOMPARE(count(rendered(plain, parse_diagram_data(provenance, plain)), "path"), 1);
    QVERIFY(rendered(plain, DiagramData{}).contains("No diagram data file PrpAlmSpsGrs.dat"));
  }

  // The window reads the file when it opens and again when reopened; a pointer on a point names it.
  void windowReadsItsFileAndExports() {
    kolbex::test::TempFolder folder("kolbex-diagram");
    kolbex::test::FakeDesktop fake;
    kolbex::shell::Desktop desktop = fake.desktop();
    const DiagramCommand& diagram = *diagram_for_template("XMgFeMnCa.grf");
    std::ofstream(folder.path() / "PrpAlmSpsGrs.dat", std::ios::binary) << provenance;
    DiagramWindow window(diagram, folder.path(), desktop);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("[4]  Prp - Alm+Sps - Grs  (Mange and Morton, 2007)"));
    QCOMPARE(window.view().data().points.size(), std::size_t{3});
    window.view().repaint();
    std::ofstream(folder.path() / "PrpAlmSpsGrs.dat", std::ios::binary)
        << "SampleNo\tPrp\tAlmSps\tGrs\r\nz\t1\t1\t1\r\n";
    window.reload();
    QCOMPARE(window.view().data().points.size(), std::size_t{1});
    window.resize(600, 600);
    window.view().repaint();
    // The pointer finds the one point where it was drawn, and nothing away from it.
    QCOMPARE(window.view().pointPositions().size(), std::size_t{1});
    const QPointF at = window.view().pointPositions()[0];
    QCOMPARE(window.view().pointAt(at + QPointF(2, 2)), 0);
    QCOMPARE(window.view().pointAt(at + QPointF(40, 40)), -1);
    for (const char* ext : {"png", "svg", "pdf"}) {
      const QString path = QString::fromStdString((folder.path() / (std::string("d.") + ext)).string());
      const bool written = std::string(ext) == "png"   ? window.exportPng(path)
                           : std::string(ext) == "svg" ? window.exportSvg(path)
                                                       : window.exportPdf(path);
      QVERIFY2(written && QFileInfo(path).size() > 1000, ext);
    }
  }
};

QTEST_MAIN(DiagramWindowTest)
#include "diagram_window_test.moc"
