#pragma once
// The main window: multiple-document area, menus, toolbar, status bar with
// the station readout, and the file viewer.
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "CommandActions.h"
#include "DiagramView.h"

class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace nivora::app {

struct AppContext;
class CNMDateiDlg;

class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(AppContext& context);
    ~CMainFrame() override;

    // Opens a file as a document window, or activates the window that shows
    // it already. Null when it could not be opened.
    DiagramView* OpenFile(const QString& path);
    // The open command: the file dialog, then OpenChosenFile.
    void OnFileOpen();
    // A file chosen to open (open dialog, drop): OpenFile, then "LastFileOpen".
    DiagramView* OpenChosenFile(const QString& path);
    // Un-minimises, raises and activates the main window (a later start asked for it).
    void BringToFront();
    // The caption the frame shows now: its title, and the active document's
    // title, in brackets while that window is maximised.
    QString WantedCaption() const;
    // The context menu of a view at a viewport point: the excluded area under
    // it (when there is one), the section and the evaluation dialog.
    std::unique_ptr<QMenu> ContextMenu(DiagramView& view, QPoint at);

    void ShowStationReadout(const std::string& newest, const std::string& older);
    QString ReadoutText() const;
    void RefreshFileViewer();
    void ToggleFileViewer();
    CNMDateiDlg& FileViewer() { return *m_viewer; }
    void RepositionBars();
    // "Seite n von m" of the active window, and the status bar's note pane.
    QString PageText() const;
    void ShowStatusMessage(const QString& text, const QString& details = {});
    QString StatusMessage() const;
    void SetOverviewBar(bool on);
    bool OverviewBarShown() const { return m_overviewBar; }

    QAction* Action(int command) const;
    DiagramView* ActiveView() const;
    QMdiArea* Area() const { return m_area; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QStringList RecentFiles() const;
    // The top-level menus now in the menu bar (menu 128 or 129).
    QList<QMenu*> CurrentMenus() const;
    // Runs a command as its menu entry would.
    void Execute(int command);

    // Hands the dialogs to the windows: set by the program at start-up.
    // The section and evaluation dialogs of a window (shown modally by the command).
    std::function<std::unique_ptr<QDialog>(DiagramView&, int command)> makeDialog;
    std::function<void(DiagramView&, int areaIndex)> excludedAreaDialog;
    std::function<void(QWidget*)> aboutDialog;
    std::function<std::unique_ptr<IFirstLoadDialog>(QWidget*)> firstLoadDialog;

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override;

  private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    // A text pane of the status bar: preferred width, the width it may shrink
    // to, and whether it takes the room that is left.
    QLabel* AddPane(int width, int minimumWidth, bool stretch);
    void SetPromptPane(const QString& text, const QString& tooltip);
    void FillWindowList(QMenu* menu);
    void AttachRecentFiles(QMenu* fileMenu, QAction* marker);
    void AddRecentFile(const QString& path);
    void UpdateMenuBar();
    void UpdateCaption();
    // Enables the commands for the windows now open, and the page pane.
    void UpdateCommands();
    void GoToStation();
    void OnSubWindowActivated(QMdiSubWindow* window);
    DiagramView* CreateWindow(std::shared_ptr<OpenDocument> document);
    void Dispatch(int command);

    AppContext& m_context;
    QMdiArea* m_area;
    QToolBar* m_toolBar = nullptr;
    std::vector<QLabel*> m_panes;
    QString m_prompt;  // the full prompt of pane 0, shown cut to its width
    QString m_frameTitle;
    bool m_settingCaption = false;
    QLabel* m_pagePane = nullptr;
    bool m_overviewBar = true;
    CNMDateiDlg* m_viewer;
    bool m_viewerFlag = false;
    bool m_documentMenus = false;
    CommandActions m_commands;
    QList<QMenu*> m_menus128, m_menus129;
    QMdiSubWindow* m_lastActive = nullptr;
};

}  // namespace nivora::app
