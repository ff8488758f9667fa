#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include "AppInfo.h"
#include "SingleInstance.h"
#include "support/TempDir.h"

namespace nivora::app {
namespace {

QProcessEnvironment Environment(const QString& home, const QString& user) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home + "/config");
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_RUNTIME_DIR", home);
    env.insert("USER", user);
    return env;
}

TEST(SingleInstance, ASecondStartHandsOverAndEnds) {
    const test::TempDir tmp;
    const QString home = QString::fromStdString(tmp.path().string());
    const QString user = QStringLiteral("nivora-test-%1").arg(QCoreApplication::applicationPid());
    QProcess first;
    first.setProcessEnvironment(Environment(home, user));
    first.start(QStringLiteral(NIVORA_APP_PATH), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // Wait until the first instance listens.
    const QString name =
        QString::fromLatin1(kInstanceName).replace(' ', '_') + QLatin1Char('-') + user;
    bool listening = false;
    for (int i = 0; i < 100 && !listening; ++i) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(100);
        if (!listening) QThread::msleep(100);
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(Environment(home, user));
    second.start(QStringLiteral(NIVORA_APP_PATH), {QStringLiteral("datei.csv")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);  // the first one goes on
    first.kill();
    first.waitForFinished(5000);

    // The first instance gone (even without cleaning up), a new start runs again.
    SingleInstance again(QString::fromLatin1(kInstanceName) + "-again");
    EXPECT_TRUE(again.Acquire());
}

}  // namespace
}  // namespace nivora::app
