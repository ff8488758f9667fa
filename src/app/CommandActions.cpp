#include "CommandActions.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <string>

#include "Icons.h"
#include "document/Zi4Verwaltung.h"

namespace nivora::app {

namespace {

bool IsEnabled(Enabled rule, const CommandActions::Situation& now) {
    switch (rule) {
        case Enabled::Never:
            return false;
        case Enabled::Always:
            return true;
        case Enabled::WithWindow:
            return now.window;
        case Enabled::WithActiveView:
            return now.activeView;
        case Enabled::WithExceedances:
            return now.activeView && now.exceedances;
    }
    return false;
}

// The submenu "Fahrbahnoberfläche": every entry shown, none offered.
QMenu* RoadSurfaceMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Fahrbahnoberfläche"), parent);
    // In menu order; "|" separates the groups.
    static const char* const kEntries[] = {"---",
                                           "AC 5 D L",
                                           "AC 5 D LOA",
                                           "AC 5 D LW",
                                           "AC 8 D L",
                                           "AC 8 D LW",
                                           "AC 8 D N",
                                           "AC 8 D S",
                                           "AC 11 B N",
                                           "AC 11 D L",
                                           "AC 11 D LW",
                                           "AC 11 D N",
                                           "AC 11 D S",
                                           "AC 11 D SP",
                                           "AC 11 TD LW",
                                           "AC 16 B N",
                                           "AC 16 B S",
                                           "AC 16 B S SG",
                                           "AC 16 D S",
                                           "AC 16 TD",
                                           "AC 16 TD LW",
                                           "AC 16 TD SP LW",
                                           "AC 22 B S",
                                           "AC 22 B S SG",
                                           "|",
                                           "Beton",
                                           "C 30/37",
                                           "DSK",
                                           "DSH",
                                           "DSH-V",
                                           "DSH-V5",
                                           "DSH-V8",
                                           "|",
                                           "MA 5 N",
                                           "MA 5 S",
                                           "MA 8 N",
                                           "MA 8 S",
                                           "MA 11 N",
                                           "MA 11 S",
                                           "|",
                                           "PA 8",
                                           "PA 11",
                                           "PA 16",
                                           "PMA 5",
                                           "PMA 8",
                                           "|",
                                           "SMA 5 LA",
                                           "SMA 5 N",
                                           "SMA 8 LA",
                                           "SMA 8 N",
                                           "SMA 8 S",
                                           "SMA 11 S",
                                           "HVA SMA 11 S",
                                           "SMA 11 LA",
                                           "SMA 16 BS",
                                           "SMA 16 DTS",
                                           "SMA 16 LA",
                                           "SMA 22 BS",
                                           "|"};
    // Names the road surface table does not know, in the order of their commands.
    static const char* const kUnlisted[] = {
        "AC 5 D LW",    "AC 8 D LW",      "AC 11 D LW", "AC 11 D SP", "AC 11 TD LW",
        "AC 16 TD LW",  "AC 16 TD SP LW", "DSK",        "DSH",        "DSH-V",
        "HVA SMA 11 S", "SMA 11 LA",      "SMA 16 LA"};
    for (const char* name : kEntries) {
        const std::string n = name;
        if (n == "|") {
            menu->addSeparator();
            continue;
        }
        int command = kRoadSurfaceFirst;
        for (int i = 0; i < CZi4Verwaltung::kRoadSurfaceCount; ++i)
            if (n == CZi4Verwaltung::RoadSurfaceName(i)) command = kRoadSurfaceFirst + i;
        for (int k = 0; k < static_cast<int>(std::size(kUnlisted)); ++k)
            if (n == kUnlisted[k]) command = kRoadSurfaceUnlistedFirst + k;
        QAction* a = menu->addAction(QString::fromLatin1(name));
        a->setData(command);
        a->setEnabled(false);
    }
    return menu;
}

}  // namespace

CommandActions::CommandActions(QWidget& owner, std::function<void(int)> dispatch) : m_owner(owner) {
    for (const CommandRow& row : CommandTable()) {
        const QString text = QString::fromUtf8(*row.text ? row.text : row.prompt);
        auto* a = new QAction(
            *row.keyText ? text + QLatin1Char('\t') + QString::fromUtf8(row.keyText) : text,
            &owner);
        a->setData(row.id);
        a->setStatusTip(QString::fromUtf8(row.prompt));
        a->setToolTip(*row.tooltip ? QString::fromUtf8(row.tooltip) : text);
        a->setCheckable(row.checkable);
        if (row.icon != Glyph::None) a->setIcon(GlyphIcon(row.icon));
        a->setEnabled(IsEnabled(row.enabled, {}));
        QList<QKeySequence> keys;
        for (QKeyCombination key : row.keys)
            if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
        if (!keys.isEmpty()) {
            a->setShortcuts(keys);
            owner.addAction(a);
        }
        const int command = row.id;
        QObject::connect(a, &QAction::triggered, &owner,
                         [dispatch, command] { dispatch(command); });
        m_actions.emplace(command, a);
    }
}

QAction* CommandActions::Action(int command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

QList<QMenu*> CommandActions::BuildMenus(std::span<const MenuLayout> layout,
                                         const Places& places) const {
    QList<QMenu*> menus;
    for (const MenuLayout& m : layout) {
        auto* menu = new QMenu(QString::fromUtf8(m.title), &m_owner);
        // Two separators in a row stay two where this edition leaves an entry out.
        menu->setSeparatorsCollapsible(false);
        Fill(*menu, m.items, places);
        menus << menu;
    }
    return menus;
}

void CommandActions::Fill(QMenu& menu, std::span<const MenuItem> items,
                          const Places& places) const {
    for (const MenuItem& item : items) switch (item.kind) {
            case MenuItem::Kind::Command:
                menu.addAction(Action(item.command));
                break;
            case MenuItem::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuItem::Kind::Submenu:
                Fill(*menu.addMenu(QString::fromUtf8(item.title)), item.items, places);
                break;
            case MenuItem::Kind::RecentFiles: {
                auto* marker =
                    new QAction(QString::fromUtf8(FindCommand(kRecentFile)->text), &menu);
                marker->setEnabled(false);
                menu.addAction(marker);
                if (places.recentFiles) places.recentFiles(&menu, marker);
                break;
            }
            case MenuItem::Kind::RoadSurfaces:
                menu.addMenu(RoadSurfaceMenu(&menu));
                break;
            case MenuItem::Kind::WindowList:
                if (places.windowList)
                    QObject::connect(&menu, &QMenu::aboutToShow, &menu,
                                     [&menu, fill = places.windowList] { fill(&menu); });
                break;
        }
}

void CommandActions::FillToolBar(QToolBar& bar) const {
    for (const MenuItem& item : ToolBarLayout()) {
        if (item.kind == MenuItem::Kind::Separator)
            bar.addSeparator();
        else
            bar.addAction(Action(item.command));
    }
}

void CommandActions::Enable(const Situation& now) const {
    for (const CommandRow& row : CommandTable())
        Action(row.id)->setEnabled(IsEnabled(row.enabled, now));
}

}  // namespace nivora::app
