#include "MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>
#include <QWindowStateChangeEvent>
#include <cstdlib>
#include <tuple>

#include "AppContext.h"
#include "AppInfo.h"
#include "BusyCursor.h"
#include "Commands.h"
#include "FileViewer.h"
#include "Icons.h"
#include "MessageBoxSink.h"
#include "OverviewBar.h"
#include "Printing.h"
#include "QtPlatform.h"
#include "QtText.h"
#include "StatusReadout.h"
#include "WaitWindow.h"
#include "WindowArrangement.h"
#include "dialogs/ProgramIcon.h"

namespace nivora::app {

namespace {
// Process-wide: the main frame was minimised, so the viewer comes back on restore.
bool g_minimised = false;
constexpr int kRecentCount = 10;

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
    : m_context(context), m_area(new QMdiArea(this)), m_viewer(new CNMDateiDlg(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setCentralWidget(m_area);
    setAcceptDrops(true);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    BuildActions();
    BuildNoDocumentMenus();
    BuildDocumentMenus();
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

QAction* CMainFrame::MakeAction(int command, const QString& text, const QString& shortcutText) {
    auto* a =
        new QAction(shortcutText.isEmpty() ? text : text + QLatin1Char('\t') + shortcutText, this);
    a->setData(command);
    a->setStatusTip(Prompt(command));
    a->setToolTip(Tooltip(command).isEmpty() ? text : Tooltip(command));
    a->setEnabled(false);  // a command that nothing handles is shown disabled
    connect(a, &QAction::triggered, this, [this, command] { Dispatch(command); });
    m_actions.emplace(command, a);
    return a;
}

QAction* CMainFrame::Action(int command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::BuildActions() {
    const auto handled = {kOpen,
                          kClose,
                          kPrintSetup,
                          kAbout,
                          kExit,
                          kToolbar,
                          kStatusBar,
                          kNewWindow,
                          kArrangeIcons,
                          kCascade,
                          kTileHorizontal,
                          kTileVertical,
                          kFileViewer,
                          kPageBack,
                          kPageForward,
                          kZoomStep,
                          kToggleStrips,
                          kToggleGrid,
                          kPrintDiagram,
                          kPreviewDiagram,
                          kPrintEvaluation,
                          kPreviewEvaluation,
                          kSections,
                          kEvaluation,
                          kResetColumnWidths};
    MakeAction(kOpen, QStringLiteral("Ö&ffnen..."), QStringLiteral("Strg+O"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    MakeAction(kClose, QStringLiteral("&Schließen"));
    MakeAction(kExportData, QStringLiteral("Messdaten e&xportieren"));
    MakeAction(kPrintDiagram, QStringLiteral("&Drucken..."), QStringLiteral("Strg+P"));
    MakeAction(kPreviewDiagram, QStringLiteral("Sei&tenansicht"));
    MakeAction(kPrintSetup, QStringLiteral("Drucker&einrichtung..."));
    MakeAction(kDefaultsForNewRuns, QStringLiteral("Vorgaben für neue Fahrten"));
    MakeAction(kResetState, QStringLiteral("Bearbeitungsstand  auf Ursprung zurücksetzen ..."));
    MakeAction(kExit, QStringLiteral("&Beenden"));
    MakeAction(kToolbar, QStringLiteral("&Symbolleiste"))->setCheckable(true);
    MakeAction(kStatusBar, QStringLiteral("S&tatusleiste"))->setCheckable(true);
    MakeAction(kResetColumnWidths, QStringLiteral("&Fensterlayout zurücksetzen"));
    MakeAction(kSections, QStringLiteral("Streckenabschnitte bearbeiten"));
    MakeAction(32796, QStringLiteral("Automatische Erkennung"));
    MakeAction(kEvaluation, QStringLiteral("Auswertung anzeigen/bearbeiten"));
    MakeAction(32816, QStringLiteral("Kopf-/Fußtexte für den Ausdruck"));
    MakeAction(kPreviewEvaluation, QStringLiteral("Seitenansicht Auswertung"));
    MakeAction(kPrintEvaluation, QStringLiteral("Auswertung drucken"));
    MakeAction(kNewWindow, QStringLiteral("Neues &Fenster"));
    MakeAction(kCascade, QStringLiteral("Über&lappend"));
    MakeAction(kTileVertical, QStringLiteral("&Nebeneinander"));
    MakeAction(kTileHorizontal, QStringLiteral("&Übereinander"));
    MakeAction(kArrangeIcons, QStringLiteral("&Symbole anordnen"));
    MakeAction(kAbout, QStringLiteral("Inf&o über Nivora..."));
    MakeAction(kFileViewer, QStringLiteral("Datei-Viewer ein-/ausblenden"))->setCheckable(true);
    MakeAction(kZoomStep, QStringLiteral("Zoom"));
    MakeAction(kPageBack, QStringLiteral("Seite zurück"));
    MakeAction(kPageForward, QStringLiteral("Seite weiter"));
    MakeAction(kToggleGrid, QStringLiteral("2m-Raster ein-/ausblenden"))->setCheckable(true);
    MakeAction(kToggleStrips, QStringLiteral("Diagrammansicht 2/3 Streifen"));
    const std::pair<int, const char*> settingsEntries[] = {
        {32898, "Einstellungen für die Fahrt"},
        {32837, "&Vergleichsfahrten"},
        {32780, "Messungskommentare bearbeiten"},
        {32813, "Messungskopfdaten bearbeiten"},
        {32807, "freien Text einfügen"},
        {32799, "freie Texte bearbeiten"},
        {32808, "Bereichstext einfügen"},
        {32809, "Bereichstexte bearbeiten"},
        {32788, "Überschriften bearbeiten"},
        {32790, "darzustellende Messstellen"},
        {32803, "1 : 100"},
        {32804, "1 : 200"},
        {32805, "1 : 400"},
        {32831, "1 : 1000"},
        {32833, "1 : 2000"},
        {32834, "1 : 5000"},
        {kCorrectionValue, "Korrekturwert für Messwerte"},
        {32830, "Bereich bestimmen"},
    };
    for (const auto& [id, text] : settingsEntries) MakeAction(id, QString::fromUtf8(text));
    for (int id : handled) Action(id)->setEnabled(true);
    Action(kToolbar)->setChecked(true);
    Action(kStatusBar)->setChecked(true);

    // Keys of the view that have no menu entry of their own.
    const std::pair<int, QKeySequence> keys[] = {
        {kPageBackKey, QKeySequence(Qt::Key_PageUp)},
        {kPageForwardKey, QKeySequence(Qt::Key_PageDown)},
        {kPrint, QKeySequence(QStringLiteral("Ctrl+P"))},
        {kStateFileInEditor, QKeySequence(Qt::Key_ScrollLock)},
    };
    for (const auto& [id, key] : keys) {
        QAction* a = MakeAction(id, Prompt(id));
        a->setShortcut(key);
        a->setEnabled(true);
        addAction(a);
    }
    MakeAction(kPreview, Prompt(kPreview))->setEnabled(true);

    // Finding one's way; enabled while a window is open.
    const std::tuple<int, const char*, const char*, QList<QKeySequence>> navigation[] = {
        {kFirstPage,
         "&Erste Seite",
         "Pos1",
         {QKeySequence(Qt::Key_Home), QKeySequence(Qt::CTRL | Qt::Key_Home)}},
        {kLastPage,
         "&Letzte Seite",
         "Ende",
         {QKeySequence(Qt::Key_End), QKeySequence(Qt::CTRL | Qt::Key_End)}},
        {kGoToStation, "&Gehe zu Station...", "Strg+G", {QKeySequence(Qt::CTRL | Qt::Key_G)}},
        {kNextExceedance, "&Nächste Überschreitung", "F3", {QKeySequence(Qt::Key_F3)}},
        {kPreviousExceedance,
         "&Vorige Überschreitung",
         "Umschalt+F3",
         {QKeySequence(Qt::SHIFT | Qt::Key_F3)}},
    };
    for (const auto& [id, text, keyText, keys] : navigation) {
        QAction* a = MakeAction(id, QString::fromUtf8(text), QString::fromUtf8(keyText));
        a->setShortcuts(keys);
        addAction(a);
    }
    MakeAction(kOverviewBar, QStringLiteral("Ü&bersichtsleiste"))->setCheckable(true);
    Action(kOverviewBar)->setEnabled(true);
    // Switching documents as multiple-document programs do.
    for (const auto& [id, key] : {std::pair{kNextWindow, QStringLiteral("Ctrl+Tab")},
                                  std::pair{kPreviousWindow, QStringLiteral("Ctrl+Shift+Tab")}}) {
        QAction* a = MakeAction(id, Prompt(id));
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(true);
        addAction(a);
    }
    MakeAction(kRepositionBars, QStringLiteral("Repositioniere Menüleisten"))->setEnabled(true);
}

void CMainFrame::BuildNoDocumentMenus() {
    auto* file = new QMenu(QStringLiteral("&Datei"), this);
    file->addAction(Action(kOpen));
    file->addSeparator();
    file->addAction(Action(kPrintSetup));
    file->addSeparator();
    file->addAction(Action(kDefaultsForNewRuns));
    file->addSeparator();
    auto* recent = new QAction(QStringLiteral("Letzte Datei"), file);
    recent->setEnabled(false);
    file->addAction(recent);
    file->addSeparator();
    file->addAction(Action(kExit));
    AttachRecentFiles(file, recent);
    auto* view = new QMenu(QStringLiteral("&Ansicht"), this);
    view->addAction(Action(kToolbar));
    view->addAction(Action(kStatusBar));
    auto* help = new QMenu(QStringLiteral("&?"), this);
    help->addAction(Action(kAbout));
    m_menus128 = {file, view, help};
}

void CMainFrame::BuildDocumentMenus() {
    auto* file = new QMenu(QStringLiteral("&Datei"), this);
    file->addAction(Action(kOpen));
    file->addAction(Action(kClose));
    file->addSeparator();
    file->addAction(Action(kExportData));
    file->addSeparator();
    file->addAction(Action(kPrintDiagram));
    file->addAction(Action(kPreviewDiagram));
    file->addAction(Action(kPrintSetup));
    file->addSeparator();
    file->addAction(Action(kDefaultsForNewRuns));
    file->addSeparator();
    file->addAction(Action(kResetState));
    file->addSeparator();
    auto* recent = new QAction(QStringLiteral("Letzte Datei"), file);
    recent->setEnabled(false);
    file->addAction(recent);
    file->addSeparator();
    file->addAction(Action(kExit));
    AttachRecentFiles(file, recent);

    auto* view = new QMenu(QStringLiteral("&Ansicht"), this);
    view->addAction(Action(kToolbar));
    view->addAction(Action(kStatusBar));
    view->addAction(Action(kResetColumnWidths));
    view->addSeparator();
    for (int id : {kFirstPage, kLastPage, kGoToStation, kNextExceedance, kPreviousExceedance})
        view->addAction(Action(id));
    view->addSeparator();
    view->addAction(Action(kOverviewBar));

    auto* settings = new QMenu(QStringLiteral("&Einstellungen"), this);
    settings->addAction(Action(32898));
    settings->addSeparator();
    settings->addAction(Action(32837));
    settings->addSeparator();
    settings->addAction(Action(32780));
    settings->addAction(Action(32813));
    settings->addSeparator();
    settings->addAction(Action(32807));
    settings->addAction(Action(32799));
    settings->addSeparator();
    settings->addAction(Action(32808));
    settings->addAction(Action(32809));
    settings->addSeparator();
    settings->addAction(Action(32788));
    settings->addSeparator();
    settings->addMenu(RoadSurfaceMenu(settings));
    settings->addSeparator();
    settings->addAction(Action(32790));
    QMenu* scale = settings->addMenu(QStringLiteral("Maßstab der Länge"));
    for (int id : {32803, 32804, 32805, 32831, 32833, 32834}) scale->addAction(Action(id));
    settings->addAction(Action(kCorrectionValue));

    auto* exceedances = new QMenu(QStringLiteral("Ü&berschreitungen"), this);
    exceedances->addAction(Action(kSections));
    exceedances->addAction(Action(32796));
    exceedances->addAction(Action(kEvaluation));
    exceedances->addSeparator();
    exceedances->addAction(Action(32816));
    exceedances->addAction(Action(kPreviewEvaluation));
    exceedances->addAction(Action(kPrintEvaluation));

    auto* window = new QMenu(QStringLiteral("&Fenster"), this);
    for (int id : {kNewWindow, kCascade, kTileVertical, kTileHorizontal, kArrangeIcons})
        window->addAction(Action(id));
    connect(window, &QMenu::aboutToShow, window, [this, window] { FillWindowList(window); });
    auto* help = new QMenu(QStringLiteral("&?"), this);
    help->addAction(Action(kAbout));
    m_menus129 = {file, view, settings, exceedances, window, help};
    // Two separators in a row stay two, where this edition removes an entry.
    for (QMenu* m : m_menus129 + m_menus128) m->setSeparatorsCollapsible(false);

    // This edition offers neither export nor a correction value: the entries
    // go whenever their menu opens.
    for (QMenu* m : {file, settings})
        connect(m, &QMenu::aboutToShow, m, [m, this] {
            for (int id : {kExportData, kCorrectionValue})
                if (QAction* a = Action(id); a && m->actions().contains(a)) m->removeAction(a);
        });
}

void CMainFrame::AttachRecentFiles(QMenu* fileMenu, QAction* marker) {
    connect(fileMenu, &QMenu::aboutToShow, fileMenu, [this, fileMenu, marker] {
        for (QAction* a : fileMenu->actions())
            if (a->property("recent").toBool()) {
                fileMenu->removeAction(a);
                a->deleteLater();
            }
        const QStringList files = RecentFiles();
        marker->setVisible(files.isEmpty());
        for (int i = 0; i < files.size(); ++i) {
            auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), fileMenu);
            a->setProperty("recent", true);
            a->setStatusTip(Prompt(kRecentFile));
            const QString path = files[i];
            connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
            fileMenu->insertAction(marker, a);
        }
    });
}

QStringList CMainFrame::RecentFiles() const {
    QStringList files;
    if (!m_context.store) return files;
    for (int i = 1; i <= kRecentCount; ++i) {
        const auto f = m_context.store->ReadText("Recent File List", "File" + std::to_string(i));
        if (f && !f->empty()) files << qt::FromCp1252(*f);
    }
    return files;
}

void CMainFrame::AddRecentFile(const QString& path) {
    if (!m_context.store) return;
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentCount) files.removeLast();
    for (int i = 0; i < files.size(); ++i)
        m_context.store->WriteText("Recent File List", "File" + std::to_string(i + 1),
                                   qt::ToCp1252(files[i]));
}

void CMainFrame::BuildToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Symbolleiste"));
    m_toolBar->setObjectName(QStringLiteral("toolBar128"));
    m_toolBar->setIconSize(QSize(16, 15));
    const int layout[] = {kOpen,
                          0,
                          kPreviewDiagram,
                          kPrintDiagram,
                          kPreviewEvaluation,
                          0,
                          32780,
                          32813,
                          0,
                          32807,
                          32799,
                          0,
                          32808,
                          32809,
                          0,
                          kFileViewer,
                          0,
                          kZoomStep,
                          0,
                          kPageBack,
                          kPageForward,
                          0,
                          kToggleGrid,
                          0,
                          kToggleStrips,
                          0,
                          32830,
                          0,
                          kPreviousExceedance,
                          kNextExceedance};
    for (int id : layout) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* a = Action(id);
        a->setIcon(CommandIcon(id));
        m_toolBar->addAction(a);
    }
    // The toolbar's buttons show the tooltips; menu entries keep their texts.
    for (QAction* a : m_toolBar->actions())
        if (!a->isSeparator()) a->setToolTip(Tooltip(a->data().toInt()));
    connect(m_toolBar, &QToolBar::visibilityChanged, Action(kToolbar), &QAction::setChecked);
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

QList<QMenu*> CMainFrame::CurrentMenus() const { return m_documentMenus ? m_menus129 : m_menus128; }

void CMainFrame::UpdateMenuBar() {
    const bool withDocument = !m_area->subWindowList().isEmpty();
    if (withDocument == m_documentMenus && !menuBar()->actions().isEmpty()) return;
    m_documentMenus = withDocument;
    menuBar()->clear();
    for (QMenu* m : CurrentMenus()) menuBar()->addMenu(m);
    const bool view = withDocument;
    for (int id : {kPreviewDiagram, kPrintDiagram, kPreviewEvaluation, kZoomStep, kPageBack,
                   kPageForward, kToggleGrid, kToggleStrips})
        Action(id)->setEnabled(view);
    UpdateNavigation();
}

void CMainFrame::UpdateNavigation() {
    DiagramView* view = m_area->subWindowList().isEmpty() ? nullptr : ActiveView();
    for (int id : {kFirstPage, kLastPage, kGoToStation}) Action(id)->setEnabled(view != nullptr);
    const bool exceedances = view && view->HasExceedances();
    Action(kNextExceedance)->setEnabled(exceedances);
    Action(kPreviousExceedance)->setEnabled(exceedances);
    m_pagePane->setText(view ? view->PageText() : QString());
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

void CMainFrame::SetOverviewBar(bool on) {
    m_overviewBar = on;
    Action(kOverviewBar)->setChecked(on);
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (auto* view = qobject_cast<DiagramView*>(w->widget())) view->SetOverviewVisible(on);
}

void CMainFrame::GoToStation() {
    QPointer<DiagramView> view = ActiveView();
    if (!view) return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("goToStation"));
    dialog.setWindowTitle(QStringLiteral("Gehe zu Station"));
    dialog.setLabelText(
        QStringLiteral("Station in Metern wie in der Statusleiste, z. B. 1234,5 oder 1234.5;\n"
                       "in Kilometern mit „km“, z. B. 1,2345 km:"));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    const std::string& newest = view->Document().doc.ClickedStations().Get(0);
    if (!newest.empty())
        dialog.setTextValue(QString::number(std::atoi(newest.c_str()) / 10.0, 'f', 1));
    while (dialog.exec() == QDialog::Accepted && view) {
        if (view->GoToStation(dialog.textValue()) != DiagramView::GoToResult::Invalid) return;
        MessageBoxSink(this).Show(
            qt::ToCp1252(QStringLiteral("„%1“ ist keine Station.\nBitte die Station in "
                                        "Metern (z. B. 1234,5) oder in Kilometern mit „km“ "
                                        "(z. B. 1,2345 km) eingeben.")
                             .arg(dialog.textValue())),
            MessageIcon::Warning);
    }
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

void CMainFrame::RepositionBars() {
    if (!m_toolBar->isVisible()) m_toolBar->show();
    removeToolBar(m_toolBar);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_toolBar->show();
    menuBar()->show();
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

void CMainFrame::ToggleFileViewer() {
    if (m_viewerFlag)
        m_viewer->hide();
    else
        m_viewer->ShowViewer();
    m_viewerFlag = !m_viewerFlag;
    Action(kFileViewer)->setChecked(m_viewerFlag);
    activateWindow();
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
    UpdateNavigation();
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
    services.maxFileBytes = qt::MaxMeasurementFileBytes();
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

void CMainFrame::OnFileOpen() {
    const QString last =
        m_context.store
            ? qt::FromCp1252(m_context.store->ReadText("Sonstiges", "LastFileOpen").value_or(""))
            : QString();
    QFileDialog dialog(this, QStringLiteral("Öffnen"), last);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Rollstabdaten (*)"), QStringLiteral("Alle Dateien (*)")});
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!last.isEmpty()) dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    OpenChosenFile(dialog.selectedFiles().front());
}

void CMainFrame::Execute(int command) { Dispatch(command); }

void CMainFrame::Dispatch(int command) {
    DiagramView* view = ActiveView();
    switch (command) {
        case kOpen:
            OnFileOpen();
            return;
        case kClose:
            if (QMdiSubWindow* w =
                    m_area->activeSubWindow() ? m_area->activeSubWindow() : m_lastActive)
                w->close();
            return;
        case kPrintSetup: {
            QPageSetupDialog dialog(m_context.printer, this);
            dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
            dialog.exec();
            return;
        }
        case kAbout:
            if (aboutDialog) aboutDialog(this);
            return;
        case kExit:
            close();
            return;
        case kToolbar:
            m_toolBar->setVisible(!m_toolBar->isVisible());
            return;
        case kStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            Action(kStatusBar)->setChecked(statusBar()->isVisible());
            return;
        case kNewWindow:
            if (view) CreateWindow(view->SharedDocument());
            return;
        case kCascade:
            Cascade(*m_area);
            UpdateCaption();
            return;
        case kTileVertical:
            TileSideBySide(*m_area);
            UpdateCaption();
            return;
        case kTileHorizontal:
            TileOneAboveTheOther(*m_area);
            UpdateCaption();
            return;
        case kArrangeIcons:
            ArrangeIcons(*m_area);
            return;
        case kNextWindow:
            m_area->activateNextSubWindow();
            return;
        case kPreviousWindow:
            m_area->activatePreviousSubWindow();
            return;
        case kFileViewer:
            ToggleFileViewer();
            return;
        case kGoToStation:
            GoToStation();
            return;
        case kOverviewBar:
            SetOverviewBar(!m_overviewBar);
            return;
        case kRepositionBars:
            RepositionBars();
            return;
        case kResetColumnWidths:
            if (m_context.store) m_context.store->DeleteKey("Spaltenbreiten");
            return;
        case kSections:
        case kEvaluation:
            if (view && makeDialog) {
                if (auto dialog = makeDialog(*view, command)) dialog->exec();
                view->viewport()->update();
            }
            return;
        default:
            if (view && view->Execute(command) && command == kToggleGrid)
                Action(kToggleGrid)->setChecked(view->IsChecked(kToggleGrid));
            return;
    }
}

}  // namespace nivora::app
