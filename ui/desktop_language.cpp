#include "desktop_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

namespace dephlegmator {

Language SetUpDesktopLanguage(QCoreApplication& app) {
    std::vector<std::string> uiLanguages;
    for (const QString& tag : QLocale::system().uiLanguages()) {
        uiLanguages.push_back(tag.toStdString());
    }
    const Language language = DesktopLanguage(uiLanguages);
    SetLanguage(language);
    if (language == Language::Russian) {
        auto* qtTranslator = new QTranslator(&app);
        if (qtTranslator->load(QStringLiteral("qtbase_ru"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator);
        }
    }
    return language;
}

}  // namespace dephlegmator
