// Qt's own dialogs speak the window's language when Qt's Russian catalogue is installed.

#include <filesystem>
#include <memory>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"

namespace orsvelt {
namespace {

QString FileDialogLookIn() { return QCoreApplication::translate("QFileDialog", "Look in:"); }

TEST(QtTranslation, InstalledCatalogueTranslatesQtsDialogsUntilReleased) {
  const QString folder = QtTranslationsFolder();
  if (!QFileInfo::exists(folder + "/qt_ru.qm") && !QFileInfo::exists(folder + "/qtbase_ru.qm"))
    GTEST_SKIP() << "Qt's Russian translations are not installed in " << folder.toStdString();
  {
    const std::unique_ptr<QTranslator> translator = InstallQtTranslation(folder);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(FileDialogLookIn(), "Перейти к:");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), "Открыть");
  }
  EXPECT_EQ(FileDialogLookIn(), "Look in:");
}

TEST(QtTranslation, MissingOrBrokenCataloguesLeaveQtInEnglish) {
  test::TempDir empty;
  EXPECT_EQ(InstallQtTranslation(PathToQString(empty.path())), nullptr);
  EXPECT_EQ(InstallQtTranslation(PathToQString(empty.path() / "absent")), nullptr);
  test::TempDir broken;
  test::WriteBytes(broken / "qt_ru.qm", "not a catalogue");
  test::WriteBytes(broken / "qtbase_ru.qm", std::string(3, '\0'));
  EXPECT_EQ(InstallQtTranslation(PathToQString(broken.path())), nullptr);
  EXPECT_EQ(FileDialogLookIn(), "Look in:");
}

}  // namespace
}  // namespace orsvelt
