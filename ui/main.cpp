#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    // Qt's own texts (message box buttons, context menus of the boxes) in Russian, like the rest.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    dephlegmator::FormMorvani window;
    QObject::connect(&window, &QDialog::finished, &app, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
