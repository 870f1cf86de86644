#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <filesystem>
#include <vector>

#include "results/diagram_commands.h"
#include "results/diagram_data.h"

class QPainter;

namespace kolbex::results {

// Draws a diagram into `area`: the caption as title, the reference and the subtitle under it, an
// equilateral ternary with a 10 % grid and tick labels, the apex labels, the fields, the points and a line
// that counts them (or says that there is no data file). Every text stays inside `area`: a label too long
// for its place is drawn smaller. Where each point landed goes to `positions`, and where each text landed
// to `text_boxes`.
void paint_ternary(QPainter& painter, const QRectF& area, const DiagramCommand& diagram,
                   const DiagramData& data, std::vector<QPointF>* positions = nullptr,
                   std::vector<QRectF>* text_boxes = nullptr);

// A diagram as an image of a size, and written as a PNG (1350 x 1290) or an SVG (900 x 860) file.
QImage diagram_image(const DiagramCommand& diagram, const DiagramData& data, QSize size);
bool write_diagram_png(const QString& path, const DiagramCommand& diagram, const DiagramData& data);
bool write_diagram_svg(const QString& path, const DiagramCommand& diagram, const DiagramData& data);

// Renders every diagram from the data files in `data_folder` into `out_folder` as "<template>.svg" and
// ".png". False with the reason when a file cannot be written.
bool render_all_diagrams(const std::filesystem::path& data_folder, const std::filesystem::path& out_folder,
                         std::string& error);

// The name of a diagram's files: its template name without ".grf".
QString diagram_file_stem(const DiagramCommand& diagram);

}  // namespace kolbex::results
