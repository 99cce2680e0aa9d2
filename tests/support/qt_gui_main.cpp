// Test entry for layers that use fonts or painters: a QGuiApplication, offscreen
// unless a platform is chosen, with the screen scaling variables cleared so that
// metrics are those of the 96 dpi reference screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  unsetenv("QT_FONT_DPI");
  unsetenv("QT_SCALE_FACTOR");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
