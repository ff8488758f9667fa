#include "MainFrame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWindowStateChangeEvent>

#include "AppContext.h"
#include "AppInfo.h"
#include "BusyCursor.h"
#include "CommandActions.h"
#include "FileViewer.h"
#include "MessageBoxSink.h"
#include "OverviewBar.h"
#include "PosixLimits.h"
#include "Printing.h"
#include "QtText.h"
#include "StatusReadout.h"
#include "WaitWindow.h"
#include "dialogs/ProgramIcon.h"

namespace nivora::app {

namespace {
// Process-wide: the main frame was minimised, so the viewer comes back on restore.
bool g_minimised = false;

// A status bar text pane that asks for its width but may be given less.
class StatusPane final : public QLabel {
  public:
    StatusPane(int width, QWidget* parent) : QLabel(parent), m_width(width) {}
    QSize sizeHint() const override {
        return {std::max(m_width, QLabel::sizeHint().width()), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {minimumWidth(), QLabel::sizeHint().height()}; }

  private:
    int m_width;
};
}  // namespace

CMainFrame::CMainFrame(AppContext& context)
    : m_context(context),
      m_area(new QMdiArea(this)),
      m_viewer(new CNMDateiDlg(this)),
      m_commands(*this, [this](int command) { Dispatch(command); }) {
    setObjectName(QStringLiteral("mainFrame"));
    setCentralWidget(m_area);
    setAcceptDrops(true);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Action(kToolbar)->setChecked(true);
    Action(kStatusBar)->setChecked(true);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    UpdateMenuBar();
    setWindowTitle(QString::fromLatin1(kFrameCaption));
    setWindowIcon(ProgramIcon());
    connect(m_area, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    resize(1200, 800);
    QSettings workspace;
    restoreGeometry(workspace.value(QStringLiteral("Workspace/Geometry")).toByteArray());
    restoreState(workspace.value(QStringLiteral("Workspace/State")).toByteArray());
    m_overviewBar = workspace.value(QStringLiteral("Workspace/OverviewBar"), true).toBool();
    Action(kOverviewBar)->setChecked(m_overviewBar);
    m_viewer->hide();
}

CMainFrame::~CMainFrame() {
    // The windows go with the frame; nothing may answer their signals then.
    m_area->disconnect(this);
    // All windows, also those already taken out of the area's list.
    for (QMdiSubWindow* w : m_area->findChildren<QMdiSubWindow*>()) {
        w->disconnect(this);
        if (QWidget* view = w->widget()) view->disconnect(this);
    }
}

void CMainFrame::BuildStatusBar() {
    // Pane 0 keeps its width whatever the prompt; the readout takes what is
    // left and is never cut; the empty pane gives way first.
    AddPane(300, 300, false);
    AddPane(200, 200, true);
    AddPane(350, 0, false);
    m_pagePane = new QLabel(this);
    m_pagePane->setObjectName(QStringLiteral("pagePane"));
    m_pagePane->setMinimumWidth(120);
    statusBar()->addPermanentWidget(m_pagePane);
}

QLabel* CMainFrame::AddPane(int width, int minimumWidth, bool stretch) {
    auto* pane = new StatusPane(width, this);
    pane->setObjectName(QStringLiteral("pane%1").arg(m_panes.size()));
    if (width == minimumWidth)
        pane->setFixedWidth(width);
    else
        pane->setMinimumWidth(minimumWidth);
    statusBar()->addWidget(pane, stretch ? 1 : 0);
    m_panes.push_back(pane);
    return pane;
}

QString CMainFrame::PageText() const { return m_pagePane->text(); }

void CMainFrame::ShowStatusMessage(const QString& text, const QString& details) {
    SetPromptPane(text, details.isEmpty() ? text : details);
}

QString CMainFrame::StatusMessage() const { return m_prompt; }

void CMainFrame::SetPromptPane(const QString& text, const QString& tooltip) {
    // Pane 0 keeps its width: a long text is cut there and read whole in the tooltip.
    m_prompt = text;
    QLabel* pane = m_panes[0];
    pane->setText(
        pane->fontMetrics().elidedText(text, Qt::ElideRight, pane->contentsRect().width() - 2));
    pane->setToolTip(tooltip);
}

bool CMainFrame::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
        SetPromptPane(tip, tip);
        return true;
    }
    if (e->type() == QEvent::WindowTitleChange && !m_settingCaption &&
        windowTitle() != WantedCaption()) {
        // The multiple-document area sets its own caption when a window is
        // maximised or restored; ours follows once it is done.
        QMetaObject::invokeMethod(this, &CMainFrame::UpdateCaption, Qt::QueuedConnection);
    }
    return QMainWindow::event(e);
}

void CMainFrame::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    if (isMinimized()) {
        m_viewer->hide();
        g_minimised = true;
        return;
    }
    if (g_minimised && m_viewerFlag) m_viewer->ShowViewer();
    g_minimised = false;
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    QSettings workspace;
    workspace.setValue(QStringLiteral("Workspace/Geometry"), saveGeometry());
    workspace.setValue(QStringLiteral("Workspace/State"), saveState());
    workspace.setValue(QStringLiteral("Workspace/OverviewBar"), m_overviewBar);
    m_area->closeAllSubWindows();
    QMainWindow::closeEvent(e);
}

QMenu* CMainFrame::createPopupMenu() {
    QMenu* menu = QMainWindow::createPopupMenu();
    if (!menu) menu = new QMenu(this);
    menu->addSeparator();
    menu->addAction(Action(kRepositionBars));
    return menu;
}

void CMainFrame::ShowStationReadout(const std::string& newest, const std::string& older) {
    QLabel* pane = m_panes[1];
    pane->setText(QString::fromLatin1(StationReadoutText(newest, older).c_str()));
    // Never cut: the pane is at least as wide as its text.
    pane->setMinimumWidth(std::max(
        200, pane->fontMetrics().horizontalAdvance(pane->text()) + 2 * pane->margin() + 8));
}

QString CMainFrame::ReadoutText() const { return m_panes[1]->text(); }

void CMainFrame::RefreshFileViewer() {
    if (DiagramView* view = ActiveView()) {
        if (m_context.printing) return;
        // Only a reference to the run: the lines are filled in while the viewer is shown.
        const std::shared_ptr<OpenDocument>& document = view->SharedDocument();
        m_viewer->SetContent(
            qt::FromCp1252(document->doc.FileName()),
            std::shared_ptr<const CMessFahrtDaten>(document, &document->doc.Run()));
        return;
    }
    m_viewer->SetText(QStringLiteral("keine Datei geladen"), QStringLiteral("keine Datei geladen"));
}

DiagramView* CMainFrame::ActiveView() const {
    QMdiSubWindow* w = m_area->activeSubWindow();
    if (!w) w = m_lastActive;
    return w ? qobject_cast<DiagramView*>(w->widget()) : nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    if (window) {
        m_lastActive = window;
        m_frameTitle = QString::fromLatin1(program::kTitle);
    }
    UpdateMenuBar();
    DiagramView* view = window ? qobject_cast<DiagramView*>(window->widget()) : nullptr;
    RefreshFileViewer();
    if (view) {
        const CFifo& f = view->Document().doc.ClickedStations();
        ShowStationReadout(f.Get(0), f.Get(1));
        Action(kToggleGrid)->setChecked(view->IsChecked(kToggleGrid));
        UpdateCaption();
    }
    UpdateCommands();
}

DiagramView* CMainFrame::CreateWindow(std::shared_ptr<OpenDocument> document) {
    auto* view = new DiagramView(std::move(document), m_context);
    QMdiSubWindow* window = m_area->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(ProgramIcon());
    window->setWindowTitle(qt::FromCp1252(view->Document().doc.FilePath()));
    connect(view, &DiagramView::TitleChanged, window, [this, window](const QString& t) {
        if (window->windowTitle() == t) return;
        window->setWindowTitle(t);
        UpdateCaption();
    });
    connect(window, &QMdiSubWindow::windowStateChanged, this, [this] {
        UpdateCaption();
        // The area may set a caption of its own right after the change.
        QMetaObject::invokeMethod(this, &CMainFrame::UpdateCaption, Qt::QueuedConnection);
    });
    connect(view, &DiagramView::ContextMenuRequested, this, [this, view](QPoint at) {
        if (auto menu = ContextMenu(*view, at)) menu->exec(view->viewport()->mapToGlobal(at));
    });
    connect(view, &DiagramView::StationsChanged, this, [this, view] {
        const CFifo& f = view->Document().doc.ClickedStations();
        ShowStationReadout(f.Get(0), f.Get(1));
        for (QMdiSubWindow* w : m_area->subWindowList())
            if (auto* other = qobject_cast<DiagramView*>(w->widget());
                other && other->SharedDocument() == view->SharedDocument())
                other->viewport()->update();
    });
    connect(view, &DiagramView::PrintRequested, this,
            [this, view](int command) { RunPrintCommand(*view, command, this); });
    connect(view, &DiagramView::ExcludedAreaClicked, this, [this, view](int index) {
        if (excludedAreaDialog) excludedAreaDialog(*view, index);
    });
    connect(view, &DiagramView::PageShown, this, [this, view] {
        if (view == ActiveView()) m_pagePane->setText(view->PageText());
    });
    connect(view, &DiagramView::StatusMessage, this, &CMainFrame::ShowStatusMessage);
    view->SetOverviewVisible(m_overviewBar);
    connect(window, &QObject::destroyed, this, [this, window] {
        if (m_lastActive == window) m_lastActive = nullptr;
        QMetaObject::invokeMethod(
            this,
            [this] {
                UpdateMenuBar();
                if (m_area->subWindowList().isEmpty()) RefreshFileViewer();
                UpdateCaption();
            },
            Qt::QueuedConnection);
    });
    view->showMaximized();
    window->show();
    m_area->setActiveSubWindow(window);
    UpdateMenuBar();
    return view;
}

DiagramView* CMainFrame::OpenFile(const QString& path) {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    // All windows, also those already taken out of the area's list.
    for (QMdiSubWindow* w : m_area->findChildren<QMdiSubWindow*>()) {
        auto* view = qobject_cast<DiagramView*>(w->widget());
        if (!view) continue;
        const QFileInfo open(view->Document().path);
        if (open.absoluteFilePath() == wanted ||
            (!canonical.isEmpty() && open.canonicalFilePath() == canonical)) {
            m_area->setActiveSubWindow(w);
            return view;
        }
    }
    auto document = std::make_shared<OpenDocument>();
    document->path = path;
    const BusyCursor busy;
    MessageBoxSink messages(this);
    WaitWindow wait(this);
    DocumentServices services;
    services.messages = &messages;
    services.wait = &wait;
    services.appSettings = m_context.settings;
    services.maxFileBytes = posix::MaxMeasurementFileBytes();
    std::unique_ptr<IFirstLoadDialog> firstLoad = firstLoadDialog ? firstLoadDialog(this) : nullptr;
    // The dialog is asked with the normal cursor.
    struct WithNormalCursor final : IFirstLoadDialog {
        IFirstLoadDialog* dialog = nullptr;
        FirstLoadAnswer Ask(int32_t start, int32_t end) override {
            const DialogCursor cursor;
            return dialog->Ask(start, end);
        }
    } withNormalCursor;
    withNormalCursor.dialog = firstLoad.get();
    services.firstLoad = firstLoad ? &withNormalCursor : nullptr;
    const auto result = document->doc.OpenFile(qt::ToCp1252(path), services);
    wait.Close();
    if (result != CNivoraDoc::OpenResult::Opened) return nullptr;
    AddRecentFile(wanted);
    return CreateWindow(std::move(document));
}

}  // namespace nivora::app
