// Runs the widget tests inside one QApplication with the program's own look.

#include <gtest/gtest.h>

#include <QApplication>

#include "qtapp/app_look.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tallies::ApplyApplicationLook(app);
  return RUN_ALL_TESTS();
}
