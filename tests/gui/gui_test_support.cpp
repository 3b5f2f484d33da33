#include "gui_test_support.h"

#include <QSettings>

#include "platform/qt_text.h"

namespace orsvelt::test {

ViewerStart ViewerRecorder::Record(const char* viewer, const std::filesystem::path& file) {
  calls.push_back({viewer, PathToQString(file)});
  return result;
}

SettingsSandbox::SettingsSandbox() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, PathToQString(dir_.path()));
}

SettingsSandbox::~SettingsSandbox() {
  // Somewhere harmless until the next sandbox; the folder itself goes with dir_.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     PathToQString(dir_.path().parent_path() / "orsvelt-settings-after-test"));
}

}  // namespace orsvelt::test
