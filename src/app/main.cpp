#include <QApplication>
#include <cstring>

#include "AppInfo.h"
#include "Application.h"
#include "QtSettingsStore.h"
#include "Translations.h"

int main(int argc, char** argv) {
    // Printing needs no screen: without a display it still runs.
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing =
            printing || !std::strcmp(argv[i], "--print") || !std::strcmp(argv[i], "--print-to");
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(
        QString::fromLatin1(nivora::qt::QtSettingsStore::kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(nivora::program::kName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(nivora::program::kVersion));
    nivora::app::InstallGermanTranslations();
    nivora::app::CFooApp nivoraApp;
    int exitCode = 0;
    if (!nivoraApp.InitInstance(QCoreApplication::arguments(), exitCode)) return exitCode;
    return QApplication::exec();
}
