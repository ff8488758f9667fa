// The widgets need one QApplication for the whole test run. Settings and
// data folders go to a temporary home, never to the user's.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/TempDir.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const nivora::test::TempDir tmp;
    const QString home = QString::fromStdString(tmp.path().string());
    qputenv("XDG_CONFIG_HOME", (home + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/data").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morlant GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("NivoraTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
