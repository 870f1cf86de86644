// kolbex-draw: the diagrams of kolbex-calc --plots. A program of its own, so that kolbex-calc itself never
// loads the toolkit: it calculates without Qt, and only drawing starts a (display-less) Qt application.
//
//   kolbex-draw DATA_FOLDER OUT_FOLDER
//
// Renders the seventeen diagrams from the data files in DATA_FOLDER into OUT_FOLDER as SVG and PNG.

#include <QGuiApplication>

#include <iostream>
#include <string>

#include "results/ui/ternary_plot.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: kolbex-draw DATA_FOLDER OUT_FOLDER\n";
    return 2;
  }
  // Drawing needs no display: the offscreen platform unless another is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QGuiApplication application(qt_argc, qt_argv);
  std::string error;
  if (!kolbex::results::render_all_diagrams(argv[1], argv[2], error)) {
    std::cerr << "kolbex-calc: --plots " << error << '\n';
    return 1;
  }
  return 0;
}
