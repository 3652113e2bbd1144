#pragma once

#include "language.h"

class QCoreApplication;

namespace dephlegmator {

// Sets the program's language from the system's user-interface languages
// (QLocale::system().uiLanguages(), by DesktopLanguage), before the window is built. In Russian,
// Qt's own texts (the message box's buttons, the boxes' context menus) are Russian too, from Qt's
// translation qtbase_ru where it is installed; in English they need none. Returns the language.
Language SetUpDesktopLanguage(QCoreApplication& app);

}  // namespace dephlegmator
