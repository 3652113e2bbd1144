#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.dephlegmator.Calculator"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/net.dephlegmator.Calculator.png")));

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
