#include "platform/temp_folder.h"

#include <QDir>

#include "platform/qt_text.h"

namespace orsvelt {

std::filesystem::path ProtocolFolder() { return QStringToPath(QDir::toNativeSeparators(QDir::tempPath())); }

}  // namespace orsvelt
