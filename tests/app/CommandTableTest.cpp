// The menus, the toolbar and the keys of the main frame are built from the
// command table: every entry shows its row and is enabled as its row says,
// without a document, with a run without exceedances and with one with them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QToolBar>
#include <set>

#include "AppContext.h"
#include "Commands.h"
#include "DiagramView.h"
#include "MainFrame.h"

namespace nivora::app {
namespace {

struct Situation {
    const char* file;  // an example opened in the frame; null for none
    bool exceedances;
};

void PrintTo(const Situation& s, std::ostream* out) { *out << (s.file ? s.file : "no document"); }

// The test's own reading of the rules, so that a frame that enables wrongly shows.
bool ExpectedEnabled(Enabled rule, const Situation& s) {
    switch (rule) {
        case Enabled::Never:
            return false;
        case Enabled::Always:
            return true;
        case Enabled::WithWindow:
        case Enabled::WithActiveView:
            return s.file != nullptr;
        case Enabled::WithExceedances:
            return s.file != nullptr && s.exceedances;
    }
    return false;
}

QString Text(const CommandRow& row) { return QString::fromUtf8(*row.text ? row.text : row.prompt); }

// The entries of a menu, submenus included, against their layout.
void ExpectMenu(CMainFrame& frame, QMenu* menu, std::span<const MenuItem> items) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(),
              static_cast<qsizetype>(std::count_if(
                  items.begin(), items.end(),
                  [](const MenuItem& item) { return item.kind != MenuItem::Kind::WindowList; })))
        << menu->title().toStdString();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* a = actions[i];
        const MenuItem& item = items[i];
        const std::string where = menu->title().toStdString() + " #" + std::to_string(i);
        switch (item.kind) {
            case MenuItem::Kind::Command:
                EXPECT_EQ(a, frame.Action(item.command)) << where;
                break;
            case MenuItem::Kind::Separator:
                EXPECT_TRUE(a->isSeparator()) << where;
                break;
            case MenuItem::Kind::Submenu:
                ASSERT_NE(a->menu(), nullptr) << where;
                EXPECT_EQ(a->menu()->title(), QString::fromUtf8(item.title));
                ExpectMenu(frame, a->menu(), item.items);
                break;
            case MenuItem::Kind::RecentFiles:
                EXPECT_EQ(a->text(), QString::fromUtf8(FindCommand(kRecentFile)->text)) << where;
                EXPECT_FALSE(a->isEnabled()) << where;
                break;
            case MenuItem::Kind::RoadSurfaces:
                ASSERT_NE(a->menu(), nullptr) << where;
                EXPECT_EQ(a->menu()->title(), "Fahrbahnoberfläche");
                for (QAction* surface : a->menu()->actions())
                    EXPECT_TRUE(surface->isSeparator() || !surface->isEnabled());
                break;
            case MenuItem::Kind::WindowList:
                break;
        }
    }
}

class CommandTableTest : public ::testing::TestWithParam<Situation> {
  protected:
    CommandTableTest() {
        context.store = &store;
        context.clock = &clock;
        context.printer = &printer;
    }
    MemorySettingsStore store;
    FixedClock clock{{2026, 12, 10}};
    QPrinter printer{QPrinter::HighResolution};
    AppContext context;
};

TEST(CommandTable, EachCommandHasOneRowAndEveryPlaceARow) {
    std::set<int> ids;
    for (const CommandRow& row : CommandTable())
        EXPECT_TRUE(ids.insert(row.id).second) << "twice: " << row.id;
    const auto expectRows = [](std::span<const MenuItem> items, const auto& self) -> void {
        for (const MenuItem& item : items) {
            if (item.kind == MenuItem::Kind::Command) {
                EXPECT_NE(FindCommand(item.command), nullptr) << item.command;
            }
            self(item.items, self);
        }
    };
    for (const auto& menus : {NoDocumentMenus(), DocumentMenus()})
        for (const MenuLayout& m : menus) expectRows(m.items, expectRows);
    expectRows(ToolBarLayout(), expectRows);
    EXPECT_EQ(FindCommand(4711), nullptr);
    EXPECT_EQ(Prompt(4711), "");
}

TEST_P(CommandTableTest, MenusToolbarAndKeysFollowTheTable) {
    const Situation s = GetParam();
    CMainFrame frame(context);
    frame.show();
    if (s.file) {
        DiagramView* view =
            frame.OpenFile(QStringLiteral(NIVORA_EXAMPLES_DIR "/") + QString::fromLatin1(s.file));
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->HasExceedances(), s.exceedances);
    }

    for (const CommandRow& row : CommandTable()) {
        QAction* a = frame.Action(row.id);
        ASSERT_NE(a, nullptr) << row.id;
        const QString text = Text(row);
        EXPECT_EQ(a->text(), *row.keyText ? text + '\t' + QString::fromUtf8(row.keyText) : text)
            << row.id;
        EXPECT_EQ(a->statusTip(), QString::fromUtf8(row.prompt)) << row.id;
        EXPECT_EQ(a->toolTip(), *row.tooltip ? QString::fromUtf8(row.tooltip) : text) << row.id;
        EXPECT_EQ(a->isCheckable(), row.checkable) << row.id;
        EXPECT_EQ(a->icon().isNull(), row.icon == Glyph::None) << row.id;
        QList<QKeySequence> keys;
        for (QKeyCombination key : row.keys)
            if (key.key() != Qt::Key_unknown) keys << QKeySequence(key);
        EXPECT_EQ(a->shortcuts(), keys) << row.id;
        // Keys work whichever menu is shown.
        EXPECT_EQ(frame.actions().contains(a), !keys.isEmpty()) << row.id;
        EXPECT_EQ(a->isEnabled(), ExpectedEnabled(row.enabled, s)) << row.id;
    }

    const std::span<const MenuLayout> layout = s.file ? DocumentMenus() : NoDocumentMenus();
    const QList<QMenu*> menus = frame.CurrentMenus();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(layout.size()));
    for (std::size_t i = 0; i < layout.size(); ++i) {
        EXPECT_EQ(menus[i]->title(), QString::fromUtf8(layout[i].title));
        ExpectMenu(frame, menus[i], layout[i].items);
    }

    const QList<QAction*> buttons = frame.ToolBar()->actions();
    const std::span<const MenuItem> bar = ToolBarLayout();
    ASSERT_EQ(buttons.size(), static_cast<qsizetype>(bar.size()));
    for (std::size_t i = 0; i < bar.size(); ++i) {
        if (bar[i].kind == MenuItem::Kind::Separator)
            EXPECT_TRUE(buttons[i]->isSeparator()) << i;
        else
            EXPECT_EQ(buttons[i], frame.Action(bar[i].command)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, CommandTableTest,
                         ::testing::Values(Situation{nullptr, false},
                                           Situation{"B14_vierfeld.csv", false},
                                           Situation{"K7031_datum.csv", true}),
                         [](const ::testing::TestParamInfo<Situation>& info) {
                             return std::string(!info.param.file         ? "NoDocument"
                                                : info.param.exceedances ? "WithExceedances"
                                                                         : "WithoutExceedances");
                         });

}  // namespace
}  // namespace nivora::app
