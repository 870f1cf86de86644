#include "results/ui/ternary_plot.h"

#include "shell/ui/grid_view.h"
#include "shell/ui/qt_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kolbex::results {
namespace {

using shell::narrow_font;

// The triangle: top, bottom left and bottom right corners; a point (a, b, c) of fractions lies at
// a top + b left + c right.
struct Triangle {
  QPointF top, left, right;
  QPointF at(double a, double b, double c) const { return top * a + left * b + right * c; }
  QPointF at(const std::array<double, 3>& f) const { return at(f[0], f[1], f[2]); }
};

// A colour from blue (low) through green to red (high) for a share between 0 and 1.
QColor ramp(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromHsvF(static_cast<float>(0.66 * (1 - t)), 0.85f, 0.85f);
}

// The plot's fonts are sized in device pixels, so that text keeps its proportion to the triangle on the
// screen, in an image, an SVG (72 dpi) and a 300 dpi PDF alike. `pixels` is a size for a 96 dpi screen.
QFont plot_font(const QPainter& p, double pixels, bool bold = false) {
  const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
  return narrow_font(pixels * 72.0 / (dpi > 0 ? dpi : 96), bold);
}

QString apex_short(std::string_view apex) {
  const QString text = shell::qt_text(apex);
  const qsizetype bracket = text.indexOf(QStringLiteral(" ("));
  return bracket < 0 ? text : text.left(bracket);
}

}  // namespace

QString diagram_file_stem(const DiagramCommand& diagram) {
  QString name = shell::qt_text(diagram.template_name);
  if (name.endsWith(QStringLiteral(".grf"))) name.chop(4);
  return name;
}

void paint_ternary(QPainter& p, const QRectF& area, const DiagramCommand& diagram, const DiagramData& data,
                   std::vector<QPointF>* positions, std::vector<QRectF>* text_boxes) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  const double unit = std::min(area.width(), area.height()) / 100.0;  // sizes follow the area
  const auto font = [&](double size, bool bold = false) { return plot_font(p, size * 4 / 3, bold); };
  if (text_boxes) text_boxes->clear();

  // Every text goes through `draw`, which notes where the text really landed.
  const auto draw = [&](const QRectF& rect, int flags, const QString& text) {
    p.drawText(rect, flags, text);
    if (text_boxes) text_boxes->push_back(p.boundingRect(rect, flags, text));
  };
  // A label centred on `x` with its top at `y`, kept between `left` and `right`: the font shrinks until the
  // label fits that width, and the label moves sideways rather than past either end. Returns its height.
  const auto label = [&](const QString& text, QFont f, double x, double y, double left, double right) {
    const double room = right - left;
    double width = QFontMetricsF(f, p.device()).horizontalAdvance(text) + 1;
    for (int k = 0; k < 8 && width > room && f.pointSizeF() > 1; ++k) {
      f.setPointSizeF(std::max(1.0, f.pointSizeF() * room / width * 0.97));
      width = QFontMetricsF(f, p.device()).horizontalAdvance(text) + 1;
    }
    const QFontMetricsF metrics(f, p.device());
    const QString shown = width > room ? metrics.elidedText(text, Qt::ElideRight, room - 1) : text;
    width = std::min(width, room);
    p.setFont(f);
    draw(QRectF(std::clamp(x - width / 2, left, right - width), y, width, metrics.height()), Qt::AlignCenter,
         shown);
    return metrics.height();
  };
  const double inner_left = area.left() + unit, inner_right = area.right() - unit, cx = area.center().x();

  // Title, reference and subtitle.
  double y = area.top() + 2 * unit;
  const auto line = [&](const QString& text, const QFont& f) {
    p.setPen(Qt::black);
    y += label(text, f, cx, y, inner_left, inner_right);
  };
  line(shell::qt_text(diagram.caption), font(std::max(6.0, 2.6 * unit), true));
  line(shell::qt_text(diagram.reference), font(std::max(5.0, 1.9 * unit)));
  if (!diagram.subtitle.empty()) line(shell::qt_text(diagram.subtitle), font(std::max(5.0, 1.9 * unit)));

  // The triangle fills what is left, with room for the apex labels, the tick labels and the count.
  const QFont label_font = font(std::max(5.0, 2.0 * unit));
  const QFont tick_font = font(std::max(4.0, 1.5 * unit));
  p.setFont(label_font);
  const double label_h = QFontMetricsF(label_font, p.device()).height();
  const double top = y + label_h + 2 * unit, bottom = area.bottom() - 2.2 * label_h - 3 * unit;
  const double height = std::max(10.0, bottom - top);
  const double side = std::min(height * 2 / std::sqrt(3.0), area.width() - 16 * unit);
  const double h = side * std::sqrt(3.0) / 2;
  const Triangle t{{cx, top}, {cx - side / 2, top + h}, {cx + side / 2, top + h}};

  // Fields first, under the grid and points.
  if (diagram.fields == DiagramFields::mange_morton_2007) {
    for (const FieldPolygon& field : mange_morton_fields()) {
      QPolygonF polygon;
      QPointF centre;
      for (const auto& corner : field.corners) {
        const QPointF q = t.at(corner[0] / 100, corner[1] / 100, corner[2] / 100);
        polygon << q;
        centre += q;
      }
      centre /= static_cast<double>(field.corners.size());
      p.setPen(QPen(QColor(90, 90, 160), 0.35 * unit));
      p.setBrush(QColor(200, 205, 240, 90));
      p.drawPolygon(polygon);
      p.setPen(QColor(40, 40, 120));
      label(shell::qt_text(field.name), label_font, centre.x(), centre.y() - label_h / 2, inner_left,
            inner_right);
    }
  }

  // The 10 % grid and its tick labels.
  p.setFont(tick_font);
  const double tick_h = QFontMetricsF(tick_font, p.device()).height();
  for (int k = 1; k <= 9; ++k) {
    const double f = k / 10.0;
    p.setPen(QPen(QColor(215, 215, 215), 0.15 * unit));
    p.drawLine(t.at(f, 1 - f, 0), t.at(f, 0, 1 - f));  // constant top share
    p.drawLine(t.at(1 - f, f, 0), t.at(0, f, 1 - f));  // constant left share
    p.drawLine(t.at(1 - f, 0, f), t.at(0, 1 - f, f));  // constant right share
    p.setPen(QColor(90, 90, 90));
    const QString tick = QString::number(k * 10);
    const QPointF a = t.at(f, 1 - f, 0), b = t.at(0, f, 1 - f), c = t.at(1 - f, 0, f);
    draw(QRectF(a.x() - 7 * unit, a.y() - tick_h / 2, 6 * unit, tick_h), Qt::AlignRight | Qt::AlignVCenter,
         tick);
    draw(QRectF(b.x() - 3 * unit, b.y() + 0.5 * unit, 6 * unit, tick_h), Qt::AlignCenter, tick);
    draw(QRectF(c.x() + 1 * unit, c.y() - tick_h / 2, 6 * unit, tick_h), Qt::AlignLeft | Qt::AlignVCenter,
         tick);
  }

  if (diagram.fields == DiagramFields::dominant_constituent) {
    // The dominant-constituent rule: the boundaries run from the centre to the midpoints of the sides;
    // each field is named by its apex.
    p.setPen(QPen(QColor(60, 110, 60), 0.35 * unit, Qt::DashLine));
    const QPointF centre = t.at(1.0 / 3, 1.0 / 3, 1.0 / 3);
    for (const QPointF& mid : {t.at(0.5, 0.5, 0), t.at(0, 0.5, 0.5), t.at(0.5, 0, 0.5)})
      p.drawLine(centre, mid);
    p.setPen(QColor(40, 90, 40));
    const std::array<std::array<double, 3>, 3> spots = {
        {{0.62, 0.19, 0.19}, {0.19, 0.62, 0.19}, {0.19, 0.19, 0.62}}};
    for (std::size_t k = 0; k < 3; ++k) {
      const QPointF q = t.at(spots[k]);
      label(apex_short(diagram.apices[k]), label_font, q.x(), q.y() - label_h / 2, inner_left, inner_right);
    }
  }

  // The triangle and its apex labels; each bottom label keeps to its own half, so two long ones never meet.
  p.setPen(QPen(Qt::black, 0.4 * unit));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(QPolygonF({t.top, t.left, t.right}));
  label(shell::qt_text(diagram.apices[0]), label_font, cx, t.top.y() - label_h - unit, inner_left,
        inner_right);
  const double base = t.left.y() + tick_h + unit;
  label(shell::qt_text(diagram.apices[1]), label_font, t.left.x(), base, inner_left, cx - unit);
  label(shell::qt_text(diagram.apices[2]), label_font, t.right.x(), base, cx + unit, inner_right);

  // The points.
  double colour_max = 0;
  for (const DiagramPoint& point : data.points)
    if (!std::isnan(point.colour_value)) colour_max = std::max(colour_max, point.colour_value);
  if (positions) positions->clear();
  const double r = std::max(1.5, 0.8 * unit);
  for (const DiagramPoint& point : data.points) {
    const QPointF q = t.at(point.fractions);
    if (positions) positions->push_back(q);
    QColor fill(170, 20, 40);
    if (diagram.points == PointStyle::coloured_by_fourth)
      fill = std::isnan(point.colour_value) ? QColor(160, 160, 160)
                                            : ramp(colour_max > 0 ? point.colour_value / colour_max : 0);
    p.setPen(QPen(fill.darker(160), 0.15 * unit));
    p.setBrush(fill);
    p.drawEllipse(q, r, r);
  }

  // The count, the colour scale, or why there is nothing.
  QString count;
  if (!data.file_found)
    count = QStringLiteral("No diagram data file %1 in the working folder: calculate first.")
                .arg(shell::qt_text(diagram.data_file));
  else if (!data.problem.empty())
    count = shell::qt_text(diagram.data_file) + QStringLiteral(": ") + QString::fromStdString(data.problem);
  else
    count =
        QStringLiteral("%1 points from %2").arg(data.points.size()).arg(shell::qt_text(diagram.data_file)) +
        (data.unplottable > 0
             ? QStringLiteral("; %1 lines could not be plotted (a value empty or negative, or a sum of 0)")
                   .arg(data.unplottable)
             : QString());
  const QFont count_font = font(std::max(5.0, 1.8 * unit));
  p.setPen(Qt::black);
  label(count, count_font, cx, area.bottom() - QFontMetricsF(count_font, p.device()).height() - unit,
        inner_left, inner_right);
  if (diagram.points == PointStyle::coloured_by_fourth && colour_max > 0) {
    const double w = 30 * unit, x0 = area.right() - w - 3 * unit, y0 = t.top.y();
    for (int i = 0; i < 50; ++i)
      p.fillRect(QRectF(x0 + w * i / 50, y0, w / 50 + 0.5, 2 * unit), ramp(i / 49.0));
    p.setFont(tick_font);
    draw(QRectF(x0, y0 + 2.2 * unit, w, tick_h), Qt::AlignLeft, QStringLiteral("0"));
    draw(QRectF(x0, y0 + 2.2 * unit, w, tick_h), Qt::AlignRight, QString::number(colour_max, 'f', 1));
    draw(QRectF(x0, y0 - tick_h, w, tick_h), Qt::AlignCenter,
         shell::qt_text(diagram.colour_column) + QStringLiteral(" (%)"));
  }
  p.restore();
}

QImage diagram_image(const DiagramCommand& diagram, const DiagramData& data, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  paint_ternary(painter, QRectF(QPointF(0, 0), QSizeF(size)), diagram, data);
  return image;
}

bool write_diagram_png(const QString& path, const DiagramCommand& diagram, const DiagramData& data) {
  return diagram_image(diagram, data, QSize(1350, 1290)).save(path, "PNG");
}

bool write_diagram_svg(const QString& path, const DiagramCommand& diagram, const DiagramData& data) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(900, 860));
  svg.setViewBox(QRect(0, 0, 900, 860));
  svg.setTitle(shell::qt_text(diagram.caption));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  paint_ternary(painter, QRectF(0, 0, 900, 860), diagram, data);
  return painter.end();
}

bool render_all_diagrams(const std::filesystem::path& data_folder, const std::filesystem::path& out_folder,
                         std::string& error) {
  for (const DiagramCommand& diagram : diagram_commands) {
    const DiagramData data = read_diagram_data(data_folder, diagram);
    const QString stem =
        QString::fromStdString((out_folder / diagram_file_stem(diagram).toStdString()).string());
    const QString svg = stem + QStringLiteral(".svg"), png = stem + QStringLiteral(".png");
    if (!write_diagram_svg(svg, diagram, data)) {
      error = svg.toStdString() + ": cannot be written";
      return false;
    }
    if (!write_diagram_png(png, diagram, data)) {
      error = png.toStdString() + ": cannot be written";
      return false;
    }
  }
  return true;
}

}  // namespace kolbex::results
