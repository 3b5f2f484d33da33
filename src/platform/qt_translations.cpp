#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orsvelt {

std::unique_ptr<QTranslator> InstallQtTranslation(const QString& folder) {
  // The window speaks Russian whatever the system's locale, so its dialogs must too.
  // qt_ru pulls in the catalogues of the modules; qtbase_ru alone covers the widgets.
  for (const char* name : {"qt_ru", "qtbase_ru"}) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QString::fromLatin1(name), folder) && QCoreApplication::installTranslator(translator.get()))
      return translator;
  }
  return nullptr;
}

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

}  // namespace orsvelt
