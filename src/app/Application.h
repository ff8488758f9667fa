#pragma once
// The application object: start-up in its fixed order, the shared context,
// the default printer settings and the command-line switches.
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "AppContext.h"
#include "QtClock.h"
#include "QtSettingsStore.h"

namespace nivora::app {

class CMainFrame;
class SingleInstance;

class CFooApp final {
  public:
    CFooApp();
    ~CFooApp();

    // Runs the start-up. False when the program ends at once (another
    // instance runs); exitCode then holds the status to end with. With a
    // print switch the file is printed and the program is to end too.
    bool InitInstance(const QStringList& arguments, int& exitCode);

    void SetPrinterLandscape();
    AppContext& Context() { return m_context; }
    CMainFrame* MainFrame() const { return m_frame.get(); }

    static QString Usage();
    // The one-line hint for a file name given without --open.
    static QString BareFileHint(const QString& file);

  private:
    // Pictures of the main window and the evaluation dialog for the README.
    void TakeScreenshots(const QString& folder);

    qt::QtSettingsStore m_store;
    qt::QtClock m_clock;
    QPrinter m_printer{QPrinter::HighResolution};
    AppContext m_context;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace nivora::app
