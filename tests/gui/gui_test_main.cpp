// The window's tests need a running Qt application; without a display they use the
// offscreen platform.

#include <gtest/gtest.h>

#include "app/gui/top_level_errors.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  orsvelt::OrsveltApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
