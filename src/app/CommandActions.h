#pragma once
// The actions of the command table, and the menus and the toolbar laid out
// from them.
#include <QList>
#include <functional>
#include <map>
#include <span>

#include "Commands.h"

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace nivora::app {

class CommandActions {
  public:
    // One action per row, a child of owner; giving it calls dispatch with its
    // command. Actions with keys are added to owner, so that their keys work
    // whichever menu is shown.
    CommandActions(QWidget& owner, std::function<void(int command)> dispatch);

    // Null for a command without a row.
    QAction* Action(int command) const;

    // The places of a menu that the window fills.
    struct Places {
        // The recent-file list goes before marker, which shows while it is empty.
        std::function<void(QMenu* menu, QAction* marker)> recentFiles;
        // Called whenever the menu opens.
        std::function<void(QMenu* menu)> windowList;
    };
    // Menus that are children of the owner, in menu-bar order.
    QList<QMenu*> BuildMenus(std::span<const MenuLayout> layout, const Places& places) const;
    // Adds the items to a menu.
    void Fill(QMenu& menu, std::span<const MenuItem> items, const Places& places = {}) const;
    void FillToolBar(QToolBar& bar) const;

    // What decides which commands can be given.
    struct Situation {
        bool window = false;       // a document window is open
        bool activeView = false;   // there is an active document window
        bool exceedances = false;  // its run has exceedances
    };
    void Enable(const Situation& now) const;

  private:
    QWidget& m_owner;
    std::map<int, QAction*> m_actions;
};

}  // namespace nivora::app
