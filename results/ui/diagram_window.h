#pragma once

#include <QMainWindow>
#include <QWidget>

#include <filesystem>
#include <vector>

#include "results/diagram_commands.h"
#include "results/diagram_data.h"
#include "shell/ui/desktop.h"

namespace kolbex::results {

// A ternary diagram drawn from its data: it redraws at any size, and a pointer resting on a point shows
// the sample and its three values.
class DiagramView : public QWidget {
  Q_OBJECT
 public:
  DiagramView(const DiagramCommand& diagram, QWidget* parent = nullptr);
  void setData(DiagramData data);
  const DiagramData& data() const { return data_; }
  // The point under a position of the view, or -1; where the points were last drawn.
  int pointAt(QPointF position) const;
  const std::vector<QPointF>& pointPositions() const { return positions_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  bool event(QEvent* event) override;

 private:
  const DiagramCommand& diagram_;
  DiagramData data_;
  std::vector<QPointF> positions_;
};

// The window of one diagram (its caption as title), reading its data file from the working folder each
// time it is opened, with commands to export PNG, SVG and PDF, copy the image and print.
class DiagramWindow : public QMainWindow {
  Q_OBJECT
 public:
  DiagramWindow(const DiagramCommand& diagram, std::filesystem::path data_folder, shell::Desktop& desktop,
                QWidget* parent = nullptr);

  const DiagramCommand& diagram() const { return diagram_; }
  DiagramView& view() { return *view_; }
  // Reads the diagram data file again (after a new run) and redraws.
  void reload();

  // The commands; each export asks for a file name first.
  bool exportPng(const QString& path);
  bool exportSvg(const QString& path);
  bool exportPdf(const QString& path);
  void copyImage();
  void print();

  // The image of the diagram at a size.
  QImage image(QSize size) const;

 private:
  // The export dialog suggests "<template>.<extension>" in the working folder; a name typed without an
  // extension gets it.
  void exportWith(const QString& filter, const QString& extension,
                  bool (DiagramWindow::*write)(const QString&));

  const DiagramCommand& diagram_;
  std::filesystem::path folder_;
  shell::Desktop& desktop_;
  DiagramView* view_;
};

}  // namespace kolbex::results
