// orsvelt: the desktop window.

#include <QGuiApplication>
#include <QScreen>

#include "app/gui/main_form.h"
#include "app/gui/top_level_errors.h"
#include "platform/qt_translations.h"

int main(int argc, char** argv) {
  orsvelt::OrsveltApplication app(argc, argv);
  QCoreApplication::setOrganizationName("Brannix");
  QCoreApplication::setApplicationName("Orsvelt");
  const auto qtTexts = orsvelt::InstallQtTranslation(orsvelt::QtTranslationsFolder());

  orsvelt::TMain_Form form;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = form.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    form.move(frame.topLeft());
  }
  form.show();
  return app.exec();
}
