#include "platform/desktop_entry.h"

#include <QHash>

namespace orsvelt {

namespace {

// The keys of the [Desktop Entry] group; other groups (actions) are not the application.
QHash<QString, QString> MainGroup(const QString& entry) {
  QHash<QString, QString> keys;
  bool inMain = false;
  for (const QString& raw : entry.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
    if (line.startsWith(QLatin1Char('['))) {
      inMain = line == QLatin1String("[Desktop Entry]");
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (!inMain || eq <= 0) continue;
    const QString key = line.left(eq).trimmed();
    if (!keys.contains(key)) keys.insert(key, line.mid(eq + 1).trimmed());
  }
  return keys;
}

// The escapes every string value may hold; they come off before the Exec line's quoting.
QString UnescapeValue(const QString& value) {
  QString out;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c != QLatin1Char('\\') || i + 1 == value.size()) {
      out += c;
      continue;
    }
    const QChar next = value[++i];
    if (next == QLatin1Char('s'))
      out += QLatin1Char(' ');
    else if (next == QLatin1Char('n'))
      out += QLatin1Char('\n');
    else if (next == QLatin1Char('t'))
      out += QLatin1Char('\t');
    else if (next == QLatin1Char('r'))
      out += QLatin1Char('\r');
    else if (next == QLatin1Char('\\'))
      out += QLatin1Char('\\');
    else
      out += QLatin1Char('\\') + QString(next);
  }
  return out;
}

// Arguments split at blanks outside double quotes; inside, a backslash takes the next character.
QStringList SplitExec(const QString& exec) {
  QStringList args;
  QString current;
  bool inArgument = false, quoted = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    if (quoted) {
      if (c == QLatin1Char('"'))
        quoted = false;
      else if (c == QLatin1Char('\\') && i + 1 < exec.size())
        current += exec[++i];
      else
        current += c;
    } else if (c == QLatin1Char('"')) {
      quoted = inArgument = true;
    } else if (c.isSpace()) {
      if (inArgument) args << current;
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) args << current;
  return args;
}

bool IsFileCode(const QString& arg) {
  return arg == QLatin1String("%f") || arg == QLatin1String("%F") || arg == QLatin1String("%u") ||
         arg == QLatin1String("%U");
}

// Codes other than the file's stand for the icon, caption or entry path, or are obsolete:
// all of them go, and "%%" is a percent sign.
QString DropFieldCodes(const QString& arg) {
  QString out;
  for (qsizetype i = 0; i < arg.size(); ++i) {
    if (arg[i] != QLatin1Char('%')) {
      out += arg[i];
    } else if (i + 1 < arg.size()) {
      if (arg[++i] == QLatin1Char('%')) out += QLatin1Char('%');
    }
  }
  return out;
}

}  // namespace

QStringList DesktopEntryCommandLine(const QString& entry, const QString& file) {
  const QHash<QString, QString> keys = MainGroup(entry);
  if (keys.value(QStringLiteral("Hidden")) == QLatin1String("true")) return {};
  if (keys.value(QStringLiteral("Categories")).split(QLatin1Char(';')).contains(QLatin1String("WebBrowser")))
    return {};
  QStringList command;
  bool filePlaced = false;
  for (const QString& arg : SplitExec(UnescapeValue(keys.value(QStringLiteral("Exec"))))) {
    if (IsFileCode(arg)) {
      if (!filePlaced) command << file;  // one file, however many places the line offers
      filePlaced = true;
      continue;
    }
    const QString kept = DropFieldCodes(arg);
    // "%i" alone vanishes rather than leaving an empty argument behind.
    if (!kept.isEmpty() || !arg.contains(QLatin1Char('%'))) command << kept;
  }
  if (command.isEmpty()) return {};
  if (!filePlaced) command << file;
  return command;
}

}  // namespace orsvelt
