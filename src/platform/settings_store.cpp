#include "platform/settings_store.h"

#include <limits>
#include <stdexcept>

#include <QSettings>
#include <QVariant>

#include "platform/qt_text.h"

namespace orsvelt {

namespace {

constexpr const char* kOrganisation = "Brannix";
constexpr const char* kApplication = "Orsvelt";
constexpr const char* kLastCheckedFile = "LastCheckedFile";
constexpr const char* kProtType = "ProtType";
constexpr const char* kFindingsOnly = "FindingsOnly";

bool IsText(const QVariant& value) {
  // An ini file turns an unquoted value with commas into a list; the registry may hold any type.
  const int type = value.metaType().id();
  return type == QMetaType::QString || type == QMetaType::QByteArray;
}

}  // namespace

void TSettings::ClearSettings() {
  LastCheckedFile.clear();
  ProtType = 0;
  FindingsOnly = false;
}

void TSettings::LoadSettings() {
  ClearSettings();
  QSettings store(kOrganisation, kApplication);
  if (store.status() != QSettings::NoError) {
    SaveSettings();
    return;
  }
  const QVariant file = store.value(kLastCheckedFile);
  if (file.isValid()) {
    if (!IsText(file))
      throw std::runtime_error("Значение LastCheckedFile в настройках программы не является строкой.");
    LastCheckedFile = ToUtf8(file.toString());
  }
  bool ok = false;
  // Read wide: QVariant::toInt would wrap a number beyond 32 bits instead of failing.
  const qlonglong type = store.value(kProtType).toLongLong(&ok);
  ProtType = ok && type >= std::numeric_limits<std::int32_t>::min() && type <= std::numeric_limits<std::int32_t>::max()
                 ? static_cast<std::int32_t>(type)
                 : 0;
  // Stored as "true" or "false" in a config file, as a bool in the registry.
  FindingsOnly = store.value(kFindingsOnly).toString() == QLatin1String("true");
}

void TSettings::SaveSettings() const {
  QSettings store(kOrganisation, kApplication);
  store.setValue(kLastCheckedFile, ToQString(LastCheckedFile));
  store.setValue(kProtType, ProtType);
  store.setValue(kFindingsOnly, FindingsOnly);
  store.sync();
  if (store.status() != QSettings::NoError)
    throw std::runtime_error("Не удалось сохранить настройки программы.");
}

}  // namespace orsvelt
