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
        "Aufruf: nivora [--open DATEI] [--print DATEI] [--print-to DRUCKER|AUSGABE.pdf DATEI]\n"
        "  --open DATEI              öffnet die Messdatei\n"
        "  --print DATEI             druckt die Diagrammseiten auf dem Standarddrucker\n"
        "  --print-to ZIEL DATEI     druckt auf dem genannten Drucker oder in eine PDF-Datei\n"
        "Ein Dateiname allein öffnet nichts.\n");
}

void CFooApp::SetPrinterLandscape() { m_printer.setPageOrientation(QPageLayout::Landscape); }

void CFooApp::SetPrinterPortrait() { m_printer.setPageOrientation(QPageLayout::Portrait); }

bool CFooApp::InitInstance(const QStringList& arguments, int& exitCode) {
    exitCode = 0;
    QString open, print, printTarget, screenshots;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == QLatin1String("--open") && hasValue) {
            open = arguments[++i];
        } else if (a == QLatin1String("--print") && hasValue) {
            print = arguments[++i];
        } else if (a == QLatin1String("--print-to") && i + 2 < arguments.size()) {
            printTarget = arguments[++i];
            print = arguments[++i];
        } else if (a == QLatin1String("--screenshots") && hasValue) {
            screenshots = arguments[++i];
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(Usage().toLocal8Bit().constData(), stdout);
            return false;
        } else if (a.startsWith(QLatin1String("--"))) {
            std::fputs(("nivora: unbekannter Schalter " + a + "\n").toLocal8Bit().constData(),
                       stderr);
            std::fputs(Usage().toLocal8Bit().constData(), stderr);
            exitCode = 2;
            return false;
        }
        // A file name alone opens nothing.
    }

    m_instance = std::make_unique<SingleInstance>(QString::fromLatin1(kInstanceName));
    if (!m_instance->Acquire()) return false;

    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!base.isEmpty()) {
        MessageBoxSink messages(nullptr, QStringLiteral("Fehler 3377"));
        PrepareDataFolder(base.toStdString(), messages);
    }
    m_context.texts.LoadLanguageFile("lang.txt");
    m_context.settings.ResetToDefaults();
    m_context.settings.ReadFromStore(m_store);

    m_frame = std::make_unique<CMainFrame>(m_context);
    InstallDialogs(*m_frame, m_context);
    QObject::connect(m_instance.get(), &SingleInstance::ActivationRequested, m_frame.get(), [this] {
        m_frame->setWindowState((m_frame->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        m_frame->show();
        m_frame->raise();
        m_frame->activateWindow();
    });
    SetPrinterLandscape();
    if (!print.isEmpty()) {
        exitCode = PrintFile(print, printTarget);
        return false;
    }
    m_frame->show();
    if (!open.isEmpty()) m_frame->OpenFile(open);
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

int CFooApp::PrintFile(const QString& path, const QString& target) {
    DiagramView* view = m_frame->OpenFile(path);
    if (!view) return 1;
    if (target.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(target);
    } else if (!target.isEmpty()) {
        m_printer.setPrinterName(target);
    }
    if (m_printer.outputFormat() == QPrinter::NativeFormat && !m_printer.isValid()) {
        MessageBoxSink(m_frame.get())
            .Show(qt::ToCp1252(QStringLiteral("Es ist kein Drucker eingerichtet.")),
                  MessageIcon::Error);
        return 1;
    }
    view->Model().SetEvaluationMode(false);
    view->Model().ComputePages();
    SetPrinterLandscape();
    const int pages = PrintAll(view->Model(), m_context, m_printer);
    return pages > 0 ? 0 : 1;
}

}  // namespace nivora::app
