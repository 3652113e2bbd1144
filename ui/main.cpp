#include <QApplication>
#include <QIcon>

#include "desktop_language.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.dephlegmator.Calculator"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/net.dephlegmator.Calculator.png")));

    dephlegmator::SetUpDesktopLanguage(app);
    dephlegmator::FormMorvani window;
    QObject::connect(&window, &QDialog::finished, &app, &QApplication::quit);
    window.show();
    return QApplication::exec();
}
