// The main frame's commands: the menus and the toolbar built from the
// command table, which commands can be given now, and what the frame's own
// commands do.
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <cstdlib>

#include "AppContext.h"
#include "FileViewer.h"
#include "MainFrame.h"
#include "MessageBoxSink.h"
#include "QtText.h"
#include "WindowArrangement.h"

namespace nivora::app {

namespace {
constexpr int kRecentCount = 10;
}  // namespace

QAction* CMainFrame::Action(int command) const { return m_commands.Action(command); }

void CMainFrame::BuildMenus() {
    CommandActions::Places places;
    places.recentFiles = [this](QMenu* menu, QAction* marker) { AttachRecentFiles(menu, marker); };
    places.windowList = [this](QMenu* menu) { FillWindowList(menu); };
    m_menus128 = m_commands.BuildMenus(NoDocumentMenus(), places);
    m_menus129 = m_commands.BuildMenus(DocumentMenus(), places);
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
    m_commands.FillToolBar(*m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, Action(kToolbar), &QAction::setChecked);
}

QList<QMenu*> CMainFrame::CurrentMenus() const { return m_documentMenus ? m_menus129 : m_menus128; }

void CMainFrame::UpdateMenuBar() {
    const bool withDocument = !m_area->subWindowList().isEmpty();
    if (withDocument == m_documentMenus && !menuBar()->actions().isEmpty()) return;
    m_documentMenus = withDocument;
    menuBar()->clear();
    for (QMenu* m : CurrentMenus()) menuBar()->addMenu(m);
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    const bool windows = !m_area->subWindowList().isEmpty();
    DiagramView* view = windows ? ActiveView() : nullptr;
    m_commands.Enable({windows, view != nullptr, view && view->HasExceedances()});
    m_pagePane->setText(view ? view->PageText() : QString());
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

void CMainFrame::RepositionBars() {
    if (!m_toolBar->isVisible()) m_toolBar->show();
    removeToolBar(m_toolBar);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_toolBar->show();
    menuBar()->show();
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
