#include "results/ui/diagram_window.h"

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
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

QByteArray rendered(const DiagramCommand& diagram, const DiagramData& data,
                    std::vector<QRectF>* text_boxes = nullptr) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(900, 860));
  svg.setViewBox(QRect(0, 0, 900, 860));
  QPainter painter(&svg);
  paint_ternary(painter, QRectF(0, 0, 900, 860), diagram, data, nullptr, text_boxes);
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

// The first text box that left `area`, described; empty when every text stayed inside.
QString text_outside(const std::vector<QRectF>& boxes, const QRectF& area, const DiagramCommand& diagram) {
  if (boxes.empty()) return QStringLiteral("no text drawn");
  const QRectF allowed = area.adjusted(-0.5, -0.5, 0.5, 0.5);
  for (const QRectF& box : boxes)
    if (!allowed.contains(box))
      return QStringLiteral("%1 at %2 x %3: a text at %4,%5 %6 x %7")
          .arg(diagram_file_stem(diagram))
          .arg(area.width())
          .arg(area.height())
          .arg(box.x())
          .arg(box.y())
          .arg(box.width())
          .arg(box.height());
  return {};
}

// The same for the diagram drawn into `area` on `device`.
QString text_outside(QPaintDevice& device, const QRectF& area, const DiagramCommand& diagram,
                     const DiagramData& data) {
  QPainter painter(&device);
  std::vector<QRectF> boxes;
  paint_ternary(painter, area, diagram, data, nullptr, &boxes);
  return text_outside(boxes, area, diagram);
}

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

  // Every caption, apex label, tick, field name, colour scale and count line stays inside the drawing at
  // the window's smallest and usual sizes and at the sizes of the image, SVG and PDF exports, with points
  // coloured by a fourth value (the scale drawn) or with no data file (the longest count line).
  void everyTextStaysInsideTheDrawing() {
    DiagramData plotted;
    plotted.file_found = true;
    plotted.unplottable = 12;
    plotted.points.push_back({"a", {0.2, 0.3, 0.5}, {20, 30, 50}, 4.5});
    plotted.points.push_back({"b", {0.6, 0.3, 0.1}, {60, 30, 10}, 1.5});
    for (const DiagramCommand& diagram : diagram_commands)
      for (const DiagramData& data : {plotted, DiagramData{}}) {
        for (const QSize size : {QSize(480, 460), QSize(820, 800), QSize(900, 860), QSize(1350, 1290)}) {
          QImage image(size, QImage::Format_ARGB32_Premultiplied);
          const QString outside = text_outside(image, QRectF(QPointF(0, 0), QSizeF(size)), diagram, data);
          QVERIFY2(outside.isEmpty(), qPrintable(outside));
        }
        std::vector<QRectF> boxes;
        const QByteArray svg = rendered(diagram, data, &boxes);
        const QString outside = text_outside(boxes, QRectF(0, 0, 900, 860), diagram);
        QVERIFY2(outside.isEmpty(), qPrintable(outside));
        // At the export sizes the labels have room: none is shortened.
        QVERIFY2(!QString::fromUtf8(svg).contains(QChar(0x2026)), diagram.caption.data());
        QBuffer pdf_bytes;
        pdf_bytes.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&pdf_bytes);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        const double width = pdf.width();
        const QString outside_pdf = text_outside(pdf, QRectF(0, 0, width, width * 0.95), diagram, data);
        QVERIFY2(outside_pdf.isEmpty(), qPrintable(outside_pdf));
      }
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
    // Through the menu: the dialog suggests the template's name in the working folder, and a name typed
    // without an extension gets the export's.
    const QString typed = QString::fromStdString((folder.path() / "mine").string());
    fake.answers = {typed, typed, typed};
    for (const char* ext : {"png", "svg", "pdf"}) {
      QAction* exporting = nullptr;
      for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("Export %1...").arg(QString(ext).toUpper())) exporting = action;
      QVERIFY(exporting);
      exporting->trigger();
      QCOMPARE(fake.suggested.back(),
               QString::fromStdString((folder.path() / (std::string("XMgFeMnCa.") + ext)).string()));
      QVERIFY2(QFileInfo(typed + '.' + ext).size() > 1000, ext);
    }
    QVERIFY(fake.messages.isEmpty());
  }
};

QTEST_MAIN(DiagramWindowTest)
#include "diagram_window_test.moc"
