// The remembered file and viewer choice: what survives a restart, what a damaged store gives.

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"

namespace orsvelt {
namespace {

QSettings Store() { return QSettings("Brannix", "Orsvelt"); }

TEST(SettingsStore, MissingStoreGivesDefaults) {
  test::SettingsSandbox sandbox;
  TSettings s;
  s.LastCheckedFile = "x";
  s.ProtType = 2;
  s.LoadSettings();
  EXPECT_EQ(s.LastCheckedFile, "");
  EXPECT_EQ(s.ProtType, 0);
}

TEST(SettingsStore, RoundTripKeepsCyrillicPathAndAnyInteger) {
  test::SettingsSandbox sandbox;
  for (const int prot : {0, 2, -1, 7, -5}) {
    TSettings saved;
    saved.LastCheckedFile = "/home/иван/Отчёты, 2026/NO_RASCHSV_1.xml";
    saved.ProtType = prot;
    saved.SaveSettings();
    TSettings loaded;
    loaded.LoadSettings();
    EXPECT_EQ(loaded.LastCheckedFile, saved.LastCheckedFile);
    EXPECT_EQ(loaded.ProtType, prot);
  }
  EXPECT_EQ(Store().value("ProtType").toInt(), -5);
  EXPECT_EQ(Store().value("LastCheckedFile").toString(),
            ToQString("/home/иван/Отчёты, 2026/NO_RASCHSV_1.xml"));
}

TEST(SettingsStore, ProtTypeThatIsNoIntegerReadsAsZero) {
  test::SettingsSandbox sandbox;
  for (const char* stored : {"Браузер", "2.5", "", "99999999999", "4294967298", "-2147483649", "1x"}) {
    Store().setValue("ProtType", QString::fromUtf8(stored));
    Store().setValue("LastCheckedFile", "a.xml");
    TSettings s;
    s.LoadSettings();
    EXPECT_EQ(s.ProtType, 0) << stored;
    EXPECT_EQ(s.LastCheckedFile, "a.xml") << stored;
  }
  Store().setValue("ProtType", QStringList{"1", "2"});
  TSettings s;
  s.LoadSettings();
  EXPECT_EQ(s.ProtType, 0);
}

TEST(SettingsStore, LastCheckedFileThatIsNoTextRaises) {
  test::SettingsSandbox sandbox;
  Store().setValue("LastCheckedFile", QStringList{"a", "b"});
  TSettings s;
  EXPECT_THROW(s.LoadSettings(), std::runtime_error);
  EXPECT_EQ(s.LastCheckedFile, "");
}

TEST(SettingsStore, FailedWriteRaises) {
  test::SettingsSandbox sandbox;
  // A file where the organisation's folder should be: nothing can be stored below it.
  test::WriteBytes(sandbox.path() / "Brannix", "");
  TSettings s;
  s.LastCheckedFile = "a.xml";
  EXPECT_THROW(s.SaveSettings(), std::runtime_error);
}

TEST(SettingsStore, FindingsOnlyRoundTripsAndAnythingElseReadsAsAll) {
  test::SettingsSandbox sandbox;
  for (const bool value : {true, false}) {
    TSettings saved;
    saved.FindingsOnly = value;
    saved.SaveSettings();
    TSettings loaded;
    loaded.FindingsOnly = !value;
    loaded.LoadSettings();
    EXPECT_EQ(loaded.FindingsOnly, value);
  }
  for (const char* stored : {"1", "да", "", "True "}) {
    Store().setValue("FindingsOnly", QString::fromUtf8(stored));
    TSettings s;
    s.LoadSettings();
    EXPECT_FALSE(s.FindingsOnly) << stored;
  }
  Store().remove("FindingsOnly");
  TSettings s;
  s.FindingsOnly = true;
  s.LoadSettings();
  EXPECT_FALSE(s.FindingsOnly);
}

}  // namespace
}  // namespace orsvelt
