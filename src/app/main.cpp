#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "AppInfo.h"
#include "Application.h"
#include "QtSettingsStore.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(
        QString::fromLatin1(nivora::qt::QtSettingsStore::kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(nivora::program::kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(nivora::program::kVersion));
    // The framework's own dialogs (print, page setup, file) speak German too.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtGerman);
    nivora::app::CFooApp nivoraApp;
    int exitCode = 0;
    if (!nivoraApp.InitInstance(QCoreApplication::arguments(), exitCode)) return exitCode;
    return QApplication::exec();
}
