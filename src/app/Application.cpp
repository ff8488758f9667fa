#include "Application.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "AppInfo.h"
#include "Commands.h"
#include "DataFolder.h"
#include "DiagramView.h"
#include "DialogHooks.h"
#include "MainFrame.h"
#include "MessageBoxSink.h"
#include "Printing.h"
#include "QtText.h"
#include "SingleInstance.h"
#include "UnattendedPrint.h"

namespace nivora::app {

CFooApp::CFooApp() {
    m_context.store = &m_store;
    m_context.clock = &m_clock;
    m_context.printer = &m_printer;
    m_printer.setPageSize(QPageSize(QPageSize::A4));
}

CFooApp::~CFooApp() = default;

QString CFooApp::Usage() {
    return QStringLiteral(
        "Aufruf: nivora [--open [DATEI]] [--print DATEI] [--print-to DRUCKER|AUSGABE.pdf DATEI]\n"
        "  --open DATEI              öffnet die Messdatei, in einem schon laufenden Nivora\n"
        "  --print DATEI             druckt die Diagrammseiten auf dem Standarddrucker\n"
        "  --print-to ZIEL DATEI     druckt auf dem genannten Drucker oder in eine PDF-Datei\n"
        "Ein Dateiname allein öffnet nichts.\n");
}

QString CFooApp::BareFileHint(const QString& file) {
    return QStringLiteral(
               "nivora: Ein Dateiname allein öffnet nichts; zum Öffnen: nivora --open \"%1\"\n")
        .arg(file);
}

void CFooApp::SetPrinterLandscape() { m_printer.setPageOrientation(QPageLayout::Landscape); }

bool CFooApp::InitInstance(const QStringList& arguments, int& exitCode) {
    exitCode = 0;
    QString open, print, printTarget, screenshots;
    bool printing = false;
    const auto isValue = [&](int i) {
        return i < arguments.size() && !arguments[i].startsWith(QLatin1String("--"));
    };
    auto usageError = [&](const QString& text) {
        std::fputs(("nivora: " + text + "\n").toLocal8Bit().constData(), stderr);
        std::fputs(Usage().toLocal8Bit().constData(), stderr);
        exitCode = 2;
        return false;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--open")) {
            // Without a file (a desktop launcher started with none) it simply starts.
            if (isValue(i + 1)) open = arguments[++i];
        } else if (a == QLatin1String("--print")) {
            if (!isValue(i + 1)) return usageError(QStringLiteral("--print braucht eine Datei."));
            print = arguments[++i];
            printing = true;
        } else if (a == QLatin1String("--print-to")) {
            if (!isValue(i + 1) || !isValue(i + 2))
                return usageError(QStringLiteral("--print-to braucht ein Ziel und eine Datei."));
            printTarget = arguments[++i];
            print = arguments[++i];
            printing = true;
        } else if (a == QLatin1String("--screenshots") && isValue(i + 1)) {
            screenshots = arguments[++i];
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(Usage().toLocal8Bit().constData(), stdout);
            return false;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unbekannter Schalter ") + a);
        } else {
            // A file name alone opens nothing; say how it would.
            std::fputs(BareFileHint(a).toLocal8Bit().constData(), stderr);
        }
    }

    // Printing runs in its own process: it neither hands over nor waits for
    // the running instance, and it asks nobody.
    if (!printing) {
        m_instance = std::make_unique<SingleInstance>(QString::fromLatin1(kInstanceName));
        if (!m_instance->Acquire(open.isEmpty() ? QString() : QFileInfo(open).absoluteFilePath()))
            return false;
    }

    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!base.isEmpty()) {
        MessageBoxSink box(nullptr, QStringLiteral("Fehler 3377"));
        StderrMessageSink stderrSink;
        PrepareDataFolder(base.toStdString(),
                          printing ? static_cast<IMessageSink&>(stderrSink) : box);
    }
    m_context.texts.LoadLanguageFile("lang.txt");
    m_context.settings.ResetToDefaults();
    m_context.settings.ReadFromStore(m_store);
    SetPrinterLandscape();
    if (printing) {
        exitCode = PrintUnattended(m_context, print, printTarget);
        return false;
    }

    m_frame = std::make_unique<CMainFrame>(m_context);
    InstallDialogs(*m_frame, m_context);
    QObject::connect(m_instance.get(), &SingleInstance::ActivationRequested, m_frame.get(),
                     [this] { m_frame->BringToFront(); });
    // Queued: the file opens (perhaps with its first-load dialog) after the
    // message has been read, not inside the socket's handler.
    QObject::connect(
        m_instance.get(), &SingleInstance::OpenRequested, m_frame.get(),
        [this](const QString& path) {
            m_frame->BringToFront();
            m_frame->OpenFile(path);
        },
        Qt::QueuedConnection);
    m_frame->show();
    if (!open.isEmpty()) m_frame->OpenFile(QFileInfo(open).absoluteFilePath());
    if (!screenshots.isEmpty()) TakeScreenshots(screenshots);
    return true;
}

void CFooApp::TakeScreenshots(const QString& folder) {
    QDir().mkpath(folder);
    m_frame->resize(1280, 860);
    QTimer::singleShot(800, m_frame.get(), [this, folder] {
        m_frame->grab().save(folder + QStringLiteral("/hauptfenster.png"));
        if (DiagramView* view = m_frame->ActiveView(); view && m_frame->makeDialog) {
            if (auto dialog = m_frame->makeDialog(*view, kEvaluation)) {
                dialog->show();
                QApplication::processEvents();
                dialog->grab().save(folder + QStringLiteral("/auswertung-dialog.png"));
            }
        }
        QApplication::quit();
    });
}

}  // namespace nivora::app
