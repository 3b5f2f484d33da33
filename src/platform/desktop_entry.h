#pragma once
// The command line a freedesktop.org desktop entry (an installed application's .desktop file)
// starts for a file.

#include <QString>
#include <QStringList>

namespace orsvelt {

// The program and arguments the entry's Exec line gives for file, its field codes expanded
// (the file appended when the line names no place for it). Empty when the entry cannot open
// a workbook: no [Desktop Entry] group or Exec line, hidden, or a web browser, which would
// show the workbook's markup instead of its sheets.
QStringList DesktopEntryCommandLine(const QString& entry, const QString& file);

}  // namespace orsvelt
