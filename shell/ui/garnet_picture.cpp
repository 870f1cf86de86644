#include "shell/ui/garnet_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace kolbex::shell {
namespace {

struct Vec {
  double x, y, z;
};
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec unit(Vec a) {
  const double n = std::sqrt(dot(a, a));
  return {a.x / n, a.y / n, a.z / n};
}

// Turns the crystal so that three faces of the top and a fourfold axis slightly tilted show.
Vec turned(Vec v) {
  const double a = 0.55, b = 0.38;  // about y, then about x, radians
  const Vec r{v.x * std::cos(a) + v.z * std::sin(a), v.y, -v.x * std::sin(a) + v.z * std::cos(a)};
  return {r.x, r.y * std::cos(b) - r.z * std::sin(b), r.y * std::sin(b) + r.z * std::cos(b)};
}

}  // namespace

GarnetPicture::GarnetPicture(QColor body, QWidget* parent) : QWidget(parent), body_(body) {
  setMinimumSize(48, 48);
}

void GarnetPicture::paintEvent(QPaintEvent*) {
  // The rhombic dodecahedron: the cube corners (±1, ±1, ±1) and the octahedron corners (±2, 0, 0) ...;
  // each face joins two opposite octahedron corners with the two cube corners between them.
  std::array<Vec, 6> octahedron = {{{2, 0, 0}, {-2, 0, 0}, {0, 2, 0}, {0, -2, 0}, {0, 0, 2}, {0, 0, -2}}};
  struct Face {
    std::array<Vec, 4> corners;
    Vec normal;
  };
  std::vector<Face> faces;
  for (int i = 0; i < 6; ++i)
    for (int j = i + 1; j < 6; ++j) {
      const Vec a = octahedron[static_cast<std::size_t>(i)], b = octahedron[static_cast<std::size_t>(j)];
      if (dot(a, b) != 0) continue;  // opposite corners share no face
      const Vec mid{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
      const Vec n = unit(mid);
      // The two cube corners of this face lie at mid ± (the axis orthogonal to a and b) / 2.
      const Vec other = unit(cross(a, b));
      const Vec c1{mid.x + other.x, mid.y + other.y, mid.z + other.z};
      const Vec c2{mid.x - other.x, mid.y - other.y, mid.z - other.z};
      faces.push_back({{turned(a), turned(c1), turned(b), turned(c2)}, turned(n)});
    }
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(width(), height()) / 5.4;
  const QPointF centre(width() / 2.0, height() / 2.0);
  const Vec light = unit({-0.5, 0.7, 0.8});
  std::sort(faces.begin(), faces.end(), [](const Face& f, const Face& g) { return f.normal.z < g.normal.z; });
  for (const Face& f : faces) {
    if (f.normal.z <= 0) continue;  // faces turned away
    QPainterPath path;
    for (std::size_t k = 0; k < f.corners.size(); ++k) {
      const QPointF q(centre.x() + f.corners[k].x * scale, centre.y() - f.corners[k].y * scale);
      k == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    path.closeSubpath();
    const double shade = 0.45 + 0.55 * std::max(0.0, dot(f.normal, light));
    p.setBrush(QColor::fromRgbF(static_cast<float>(body_.redF() * shade),
                                static_cast<float>(body_.greenF() * shade),
                                static_cast<float>(body_.blueF() * shade)));
    p.setPen(QPen(body_.darker(220), 1));
    p.drawPath(path);
  }
}

}  // namespace kolbex::shell
