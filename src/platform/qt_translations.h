#pragma once
// Qt's own texts (file dialogs, standard buttons) in Russian, the language of the rest of the window.

#include <memory>

#include <QString>
#include <QTranslator>

namespace orsvelt {

// Loads Qt's Russian catalogue ("qt_ru", else "qtbase_ru") from folder and installs it on the
// application; it stays installed while the returned translator lives. Null when the folder
// holds no readable catalogue: Qt's texts then stay English and nothing else changes.
std::unique_ptr<QTranslator> InstallQtTranslation(const QString& folder);

// The folder where this Qt's translations are installed.
QString QtTranslationsFolder();

}  // namespace orsvelt
