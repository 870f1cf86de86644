// Both main windows open no larger than the screen leaves them, at 200 % scaling on a small screen
// (this test runs with QT_SCALE_FACTOR=2 on the offscreen platform's 800 x 600 screen: 400 x 300 logical
// pixels, smaller than a 1366 x 768 laptop at 200 %).

#include <QScreen>

#include "results/ui/results_window.h"
#include "tests/ui/window_fixture.h"

class WindowSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsFitTheScreen() {
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    Window w;
    const QSize room = w.window.screen()->availableGeometry().size();
    QVERIFY2(w.window.width() <= room.width() && w.window.height() <= room.height(),
             qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                            .arg(w.window.width())
                            .arg(w.window.height())
                            .arg(room.width())
                            .arg(room.height())));
    w.fake.answers = {QString::fromLatin1(KOLBEX_EXAMPLE)};
    w.shortcut(Qt::Key_O);
    w.click(13);
    const QWidget* results = w.window.resultsWindow();
    QVERIFY(results);
    QVERIFY(results->width() <= room.width() && results->height() <= room.height());
  }
};

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
