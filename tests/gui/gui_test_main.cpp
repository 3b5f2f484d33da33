// The window's tests need a running Qt application; without a display they use the
// offscreen platform.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/gui/top_level_errors.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The settings, Qt's runtime folder and everything else of a home stay in the build tree,
  // never in the user's own home or the system's temporary folder.
  const std::filesystem::path home = ORSVELT_GUI_TEST_HOME;
  std::error_code ec;
  std::filesystem::create_directories(home / "runtime", ec);
  std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all, ec);
  qputenv("HOME", QByteArray::fromStdString(home.string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((home / "runtime").string()));
  orsvelt::OrsveltApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
