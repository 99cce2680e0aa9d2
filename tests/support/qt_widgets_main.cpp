// Test entry for widget tests: a QApplication, offscreen unless a platform is
// chosen, with the screen scaling variables cleared.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  unsetenv("QT_FONT_DPI");
  unsetenv("QT_SCALE_FACTOR");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
