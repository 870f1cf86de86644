#pragma once

#include <QAction>
#include <QTest>
#include <QToolBar>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "entry/ui/analysis_table_model.h"
#include "entry/ui/data_entry_window.h"
#include "shell/ui/text_grid_view.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/fake_desktop.h"

namespace {

using kolbex::entry::CellPosition;
using kolbex::entry::DataEntryWindow;

inline std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A data entry window in a folder of its own, on the fake desktop.
struct Window {
  kolbex::test::TempFolder folder{"kolbex-window"};
  kolbex::test::FakeDesktop fake;
  kolbex::shell::Desktop desktop = fake.desktop();
  DataEntryWindow window{desktop, folder.path()};

  Window() {
    window.setProgramFolder(folder.path());  // Output.xlsx is written here
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }
  QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
  QWidget* button(int number) { return window.toolbar()->widgetForAction(window.toolbarButton(number)); }
  void click(int number) { QTest::mouseClick(button(number), Qt::LeftButton); }
  std::string text(int row, int column) { return window.table().text(row, column); }
  void shortcut(Qt::Key key) { QTest::keyClick(&window, key, Qt::ControlModifier); }
  void type(const char* keys) { QTest::keyClicks(&window.view(), QString::fromUtf8(keys)); }
};

}  // namespace
