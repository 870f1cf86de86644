#pragma once

#include <QWidget>

namespace kolbex::shell {

// A garnet crystal drawn as a rhombic dodecahedron {110}, the habit garnet most often shows: an
// orthographic view of its twelve rhombic faces, shaded by a light from the upper left.
class GarnetPicture : public QWidget {
  Q_OBJECT
 public:
  explicit GarnetPicture(QColor body = QColor(150, 20, 40), QWidget* parent = nullptr);
  QSize sizeHint() const override { return {96, 96}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor body_;
};

}  // namespace kolbex::shell
