#pragma once
// The program's UTF-8 text and paths as Qt strings, and back.

#include <filesystem>
#include <string>
#include <string_view>

#include <QString>

#include "xml/path_text.h"

namespace orsvelt {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

inline QString PathToQString(const std::filesystem::path& path) { return ToQString(PathToUtf8(path)); }

inline std::filesystem::path QStringToPath(const QString& text) { return Utf8ToPath(ToUtf8(text)); }

}  // namespace orsvelt
