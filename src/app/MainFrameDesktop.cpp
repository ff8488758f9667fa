// The main frame as a desktop user meets it: the caption, the window list,
// files dropped on it, coming to the front and the diagram's context menu.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "AppContext.h"
#include "AppInfo.h"
#include "Commands.h"
#include "MainFrame.h"
#include "QtText.h"
#include "WindowArrangement.h"

namespace nivora::app {

void CMainFrame::FillWindowList(QMenu* menu) {
    for (QAction* a : menu->actions())
        if (a->property("windowList").toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    QMdiSubWindow* current = m_area->currentSubWindow() ? m_area->currentSubWindow() : m_lastActive;
    QAction* separator = menu->addSeparator();
    separator->setProperty("windowList", true);
    int n = 0;
    for (QMdiSubWindow* w : windows) {
        QAction* a = menu->addAction(WindowListText(++n, w->windowTitle()));
        a->setProperty("windowList", true);
        a->setCheckable(true);
        a->setChecked(w == current);
        a->setStatusTip(QStringLiteral("Aktiviert dieses Fenster."));
        connect(a, &QAction::triggered, this, [this, w] {
            if (w->isMinimized()) w->showNormal();
            m_area->setActiveSubWindow(w);
        });
    }
}

QString CMainFrame::WantedCaption() const {
    if (m_frameTitle.isEmpty()) return QString::fromLatin1(kFrameCaption);
    QMdiSubWindow* w = m_area->currentSubWindow();
    if (!w) w = m_lastActive;
    if (!w || !m_area->subWindowList().contains(w)) return m_frameTitle;
    // As multiple-document frames show it: the document's title once, in
    // brackets while its window fills the frame.
    if (w->isMaximized()) return m_frameTitle + QStringLiteral(" - [") + w->windowTitle() + ']';
    return m_frameTitle + QStringLiteral(" - ") + w->windowTitle();
}

void CMainFrame::UpdateCaption() {
    const QString wanted = WantedCaption();
    if (windowTitle() == wanted) return;
    m_settingCaption = true;
    setWindowTitle(wanted);
    m_settingCaption = false;
}

DiagramView* CMainFrame::OpenChosenFile(const QString& path) {
    DiagramView* view = OpenFile(path);
    // Also after a failure: the next open dialog starts at this file.
    if (m_context.store)
        m_context.store->WriteText("Sonstiges", "LastFileOpen", qt::ToCp1252(path));
    return view;
}

void CMainFrame::BringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile()) {
            e->acceptProposedAction();
            return;
        }
}

void CMainFrame::dropEvent(QDropEvent* e) {
    QStringList files;
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    if (files.isEmpty()) return;
    e->acceptProposedAction();
    // Opened after the drop has ended, so that the source is not kept waiting
    // while a first-load dialog asks.
    QMetaObject::invokeMethod(
        this,
        [this, files] {
            for (const QString& f : files) OpenChosenFile(f);
        },
        Qt::QueuedConnection);
}

std::unique_ptr<QMenu> CMainFrame::ContextMenu(DiagramView& view, QPoint at) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setSeparatorsCollapsible(false);
    const int area = view.ExcludedAreaAt(at);
    if (area >= 0) {
        QAction* show =
            menu->addAction(QStringLiteral("Bereich ohne Überschreitungsauswertung..."));
        connect(show, &QAction::triggered, this, [this, &view, area] {
            if (excludedAreaDialog) excludedAreaDialog(view, area);
        });
        menu->addSeparator();
    }
    m_commands.Fill(*menu, ContextMenuLayout());
    return menu;
}

}  // namespace nivora::app
