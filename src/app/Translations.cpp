#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nivora::app {

bool InstallGermanTranslations() {
    static bool installed = false;
    if (installed) return true;
    auto* translator = new QTranslator(QCoreApplication::instance());  // lives with the application
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = true;
    return true;
}

}  // namespace nivora::app
