// Draws the program's icon, the garnet crystal of its windows (a rhombic dodecahedron), as a scalable SVG
// and as PNG images of the sizes the desktop asks for: make_icons <folder>, writing
// <folder>/scalable/apps/org.kolbex.Kolbex.svg and <folder>/<n>x<n>/apps/org.kolbex.Kolbex.png.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "shell/ui/garnet_picture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons FOLDER\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const QString name = QStringLiteral("org.kolbex.Kolbex");
  kolbex::shell::GarnetPicture garnet;
  garnet.setAttribute(Qt::WA_TranslucentBackground);
  garnet.setAutoFillBackground(false);

  root.mkpath(QStringLiteral("scalable/apps"));
  QSvgGenerator svg;
  svg.setFileName(root.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg")));
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle(QStringLiteral("Kolbex"));
  garnet.resize(256, 256);
  {
    QPainter painter(&svg);
    garnet.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  }
  for (const int size : {32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    root.mkpath(folder);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    garnet.resize(size, size);
    {
      QPainter painter(&image);
      garnet.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    if (!image.save(root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")))) {
      std::fprintf(stderr, "make_icons: %s cannot be written\n", qPrintable(root.filePath(folder)));
      return 1;
    }
  }
  return 0;
}
