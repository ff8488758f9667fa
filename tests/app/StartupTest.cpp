// The program as the desktop starts it: the desktop entry, a second start
// handing its file to the running instance, and unattended printing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "AppInfo.h"
#include "support/TempDir.h"

namespace nivora::app {
namespace {

const QString kApp = QStringLiteral(NIVORA_APP_PATH);
const QString kExamples = QStringLiteral(NIVORA_EXAMPLES_DIR);

// A running instance of the program in a home of its own, ended at the end.
class Instance {
  public:
    explicit Instance(const QString& home) : m_home(home) {
        m_user = QStringLiteral("nivora-test-%1-%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(++s_count);
    }
    ~Instance() {
        for (QProcess* p : m_processes) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }
    QProcess& Start(const QStringList& arguments, const QString& workingDir = {}) {
        auto* p = new QProcess;
        m_processes.push_back(p);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", m_home + "/config");
        env.insert("XDG_DATA_HOME", m_home + "/data");
        env.insert("XDG_RUNTIME_DIR", m_home);
        env.insert("USER", m_user);
        p->setProcessEnvironment(env);
        if (!workingDir.isEmpty()) p->setWorkingDirectory(workingDir);
        p->start(kApp, arguments);
        return *p;
    }
    // Whether an instance listens for later starts, waiting up to 10 seconds.
    bool Listening() const {
        const QString name =
            QString::fromLatin1(kInstanceName).replace(' ', '_') + QLatin1Char('-') + m_user;
        for (int i = 0; i < 100; ++i) {
            QLocalSocket probe;
            probe.connectToServer(name);
            if (probe.waitForConnected(100)) return true;
            QThread::msleep(100);
        }
        return false;
    }
    // The settings the instance wrote, waiting up to a number of tenths of a
    // second for text in them.
    bool SettingsContain(const QString& text, int tenths = 100) const {
        for (int i = 0; i < tenths; ++i) {
            QFile f(m_home + "/config/Morlant GmbH/Nivora.conf");
            if (f.open(QIODevice::ReadOnly) && QString::fromUtf8(f.readAll()).contains(text))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

  private:
    static inline int s_count = 0;
    QString m_home, m_user;
    std::vector<QProcess*> m_processes;
};

QStringList ExecArguments(const QString& file) {
    QFile desktop(QStringLiteral(NIVORA_DESKTOP_FILE));
    if (!desktop.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(desktop.readAll());
    const auto m =
        QRegularExpression(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption)
            .match(text);
    if (!m.hasMatch()) return {};
    QStringList args = m.captured(1).split(' ', Qt::SkipEmptyParts);
    args.removeFirst();  // the program
    // %f is the file the desktop hands over, or nothing at all.
    QStringList out;
    for (const QString& a : args) {
        if (a == QLatin1String("%f")) {
            if (!file.isEmpty()) out << file;
        } else {
            out << a;
        }
    }
    return out;
}

TEST(DesktopEntry, PassesDesktopFileValidate) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP()
            << "desktop-file-validate is not installed (Debian package desktop-file-utils)";
    QProcess p;
    p.start(validator, {QStringLiteral(NIVORA_DESKTOP_FILE)});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString()
                               << p.readAllStandardError().toStdString();
}

TEST(DesktopEntry, StartsWithAndWithoutAFile) {
    for (const QString& file : {QString(), kExamples + "/K7031_datum.csv"}) {
        SCOPED_TRACE(file.toStdString());
        test::TempDir home;
        Instance instance(QString::fromStdString(home.path().string()));
        const QStringList args = ExecArguments(file);
        ASSERT_FALSE(args.isEmpty());
        QProcess& p = instance.Start(args);
        ASSERT_TRUE(p.waitForStarted(10000));
        EXPECT_TRUE(instance.Listening());
        EXPECT_EQ(p.state(), QProcess::Running) << p.readAllStandardError().toStdString();
        if (!file.isEmpty()) {
            EXPECT_TRUE(instance.SettingsContain("K7031_datum.csv"));
        }
    }
}

TEST(HandOver, ASecondStartOpensItsFileInTheRunningInstance) {
    test::TempDir home;
    Instance instance(QString::fromStdString(home.path().string()));
    QProcess& first = instance.Start({});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(instance.Listening());

    // A relative name, as a shell in the file's folder gives it.
    QProcess& second = instance.Start({"--open", "K7031_datum.csv"}, kExamples);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    // The running instance opened it: it is in its recent-file list.
    EXPECT_TRUE(instance.SettingsContain(QDir(kExamples).absoluteFilePath("K7031_datum.csv")));
    EXPECT_EQ(first.state(), QProcess::Running);

    // A bare file name opens nothing and says how it would.
    QProcess& bare = instance.Start({"B27_pm01bs02.dat"}, kExamples);
    ASSERT_TRUE(bare.waitForFinished(20000));
    const QString hint = QString::fromLocal8Bit(bare.readAllStandardError());
    EXPECT_TRUE(hint.contains("--open")) << hint.toStdString();
    EXPECT_EQ(hint.count('\n'), 1) << hint.toStdString();
    EXPECT_FALSE(instance.SettingsContain("B27_pm01bs02.dat", 15));
}

TEST(UnattendedPrint, PrintsInItsOwnProcessWithoutAsking) {
    test::TempDir home, dir;
    Instance instance(QString::fromStdString(home.path().string()));
    QProcess& first = instance.Start({});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(instance.Listening());

    // A run without state file: printed as the first-load dialog confirmed
    // unchanged would leave it, with nobody there to confirm it.
    const QString run = QString::fromStdString(dir.File(QString("B14_vierfeld.csv").toStdString()));
    ASSERT_TRUE(QFile::copy(kExamples + "/B14_vierfeld.csv", run));
    const QString empty = QString::fromStdString(dir.File(QString("leer.csv").toStdString()));
    QFile(empty).open(QIODevice::WriteOnly);
    struct Case {
        QString file;
        int exitCode;
        const char* message;
    };
    for (const Case& c : {Case{run, 0, ""}, Case{empty, 1, "Es gibt keine Seite zum Drucken."},
                          Case{QString::fromStdString(dir.File(QString("fehlt.csv").toStdString())),
                               1, "fehlt.csv"}}) {
        SCOPED_TRACE(c.file.toStdString());
        const QString pdf = QString::fromStdString(dir.File(QString("aus.pdf").toStdString()));
        QFile::remove(pdf);
        QProcess& p = instance.Start({"--print-to", pdf, c.file});
        ASSERT_TRUE(p.waitForFinished(60000)) << "waits for somebody";
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        EXPECT_EQ(QFileInfo(pdf).size() > 0, c.exitCode == 0);
    }
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(QFileInfo::exists(run + ".zi4"));  // nothing is written beside the run
}

}  // namespace
}  // namespace nivora::app
