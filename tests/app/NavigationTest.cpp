// Finding one's way in a run: keys, "Gehe zu Station", the exceedances one
// after the other, the mouse wheel, the overview bar, the page pane, and the
// file viewer that is filled only while it is shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include "AppContext.h"
#include "Commands.h"
#include "DiagramView.h"
#include "FileViewer.h"
#include "MainFrame.h"
#include "OverviewBar.h"
#include "support/TempDir.h"

namespace nivora::app {
namespace {

// A four-field list from 0 m to 2000 m, a sample every metre. At 1:400 with
// three strips per page it has 21 strips on 7 pages; page k holds
// 300 (k - 1) m to 300 k m.
QByteArray FourFieldRun() {
    QByteArray run =
        "10.03.2026 08:12:00 Rollstabmessung\r\nStra\xDF"
        "enmeisterei Rottweil\r\nPr\xC3\xBC"
        "fer: K. St\xE4rk\r\n";
    for (int m = 0; m <= 2000; ++m)
        run += QByteArray::number(m) + ",0;" + (m % 7 ? "1,5" : "-0,5") + ";0;\r\n";
    return run;
}

// Exceedances at 50 m and 150 m (page 1), 950 m (page 4, not counted) and
// 1950 m (page 7); an excluded area from 500 m to 600 m.
const char* const kStateFile =
    "MANUVONBIS=0;20000\r\n"
    "ABSCHNITTE=[0|350|40|10|0.60|12.50|1||||][10000|350|40|10|0.60|12.50|1||||]\r\n"
    "UEBERSCHREITUNGSDATEN_1=[500;55;2;1;1;1;;6.0;;][1500;60;3;2;1;1;;6.0;;]"
    "[9500;52;1;3;1;0;;6.0;;][19500;58;2;4;1;1;;6.0;;]\r\n"
    "UEBERSCHREITUNGSDATEN_2=0.0;1.0;0.60;;;EUR;;\r\n"
    "BEREICHOHNEERKENNUNGDATEN=5000_6000_Einmuendung\r\n"
    "MASSSTAB_DER_LAENGE=400\r\n"
    "KENNUNG=135122\r\n";

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() {
        context.store = &store;
        context.clock = &clock;
        context.printer = &printer;
        Write("bewertet.csv", FourFieldRun());
        Write("bewertet.csv.zi4", kStateFile);
        Write("neu.csv", FourFieldRun());  // no state file: no exceedances
    }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(QString::fromStdString(dir.File(QString(name).toStdString())));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString Path(const QString& name) const {
        return QString::fromStdString(dir.File(QString(name).toStdString()));
    }
    std::unique_ptr<CMainFrame> Frame() {
        auto f = std::make_unique<CMainFrame>(context);
        f->show();
        QApplication::setActiveWindow(f.get());
        return f;
    }
    // Opens a run and draws it once, at a size that needs scrolling.
    DiagramView* Open(CMainFrame& frame, const QString& name) {
        DiagramView* view = frame.OpenFile(Path(name));
        if (!view) return nullptr;
        if (QMdiSubWindow* w = frame.Area()->activeSubWindow()) w->showMaximized();
        frame.resize(1000, 600);
        QApplication::processEvents();
        view->viewport()->repaint();
        QApplication::setActiveWindow(&frame);  // the keys reach the frame's shortcuts
        view->setFocus();
        return view;
    }
    static void Wheel(QWidget* target, int delta, Qt::KeyboardModifiers modifiers = {}) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    }

    test::TempDir dir;
    MemorySettingsStore store;
    FixedClock clock{{2026, 12, 10}};
    QPrinter printer;
    AppContext context;
};

TEST_F(NavigationTest, HomeAndEndKeysAndThePagePane) {
    auto frame = Frame();
    EXPECT_EQ(frame->PageText(), "");
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame->PageText(), "Seite 1 von 7");
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int page;
    };
    for (const Case c :
         {Case{Qt::Key_End, {}, 7}, Case{Qt::Key_Home, {}, 1},
          Case{Qt::Key_End, Qt::ControlModifier, 7}, Case{Qt::Key_Home, Qt::ControlModifier, 1}}) {
        QTest::keyClick(view, static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(view->Model().CurrentPage(), c.page) << c.key << " " << c.modifiers;
        EXPECT_EQ(frame->PageText(), QStringLiteral("Seite %1 von 7").arg(c.page));
    }
    QTest::keyClick(view, Qt::Key_PageDown);  // the paging keys still work
    EXPECT_EQ(frame->PageText(), "Seite 2 von 7");
    frame->Execute(kClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(frame->PageText(), "");
}

TEST_F(NavigationTest, ViewMenuEntriesWithKeysAndPrompts) {
    auto frame = Frame();
    ASSERT_NE(Open(*frame, "bewertet.csv"), nullptr);
    QStringList entries;
    for (QAction* a : frame->CurrentMenus()[1]->actions())
        entries << (a->isSeparator() ? QStringLiteral("|") : a->text());
    EXPECT_EQ(entries.mid(3),
              (QStringList{"|", "&Erste Seite\tPos1", "&Letzte Seite\tEnde",
                           "&Gehe zu Station...\tStrg+G", "&Nächste Überschreitung\tF3",
                           "&Vorige Überschreitung\tUmschalt+F3", "|", "Ü&bersichtsleiste"}));
    EXPECT_EQ(frame->Action(kGoToStation)->statusTip(),
              "Zeigt die Seite mit einer eingegebenen Station und markiert die Station.");
    EXPECT_EQ(frame->Action(kFirstPage)->shortcuts().size(), 2);  // Pos1 and Strg+Pos1
}

TEST_F(NavigationTest, GoToStation) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    const CFifo& clicked = view->Document().doc.ClickedStations();
    using R = DiagramView::GoToResult;
    struct Case {
        const char* text;
        R result;
        int page;
        const char* newest;
    };
    const Case cases[] = {
        {"450", R::OnPage, 2, "4500"},
        {"1234,5", R::OnPage, 5, "12345"},
        {"1.95 km", R::OnPage, 7, "19500"},
        {"600", R::OnPage, 2, "6000"},    // end of page 2: the first page that shows it
        {"-100", R::Outside, 1, "6000"},  // before the run: page 1, nothing marked
        {"5 km", R::Outside, 7, "6000"},
        {"zwölf", R::Invalid, 7, "6000"},  // not a station: nothing changes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(view->GoToStation(QString::fromUtf8(c.text)), c.result) << c.text;
        EXPECT_EQ(view->Model().CurrentPage(), c.page) << c.text;
        EXPECT_EQ(clicked.Get(0), c.newest) << c.text;
    }
    EXPECT_EQ(frame->ReadoutText(), "[ 600.0 ] [ 1950.0 ]  Distanz 1350.0m");
    view->GoToStation("-100");
    EXPECT_TRUE(frame->StatusMessage().contains("außerhalb der Messfahrt"))
        << frame->StatusMessage().toStdString();
    EXPECT_TRUE(frame->StatusMessage().contains("Seite 1")) << frame->StatusMessage().toStdString();
}

TEST_F(NavigationTest, GoToStationDialogFromCtrlG) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    QString label;
    QTimer::singleShot(200, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        label = dialog->labelText();
        dialog->setTextValue(QStringLiteral("1,2345 km"));
        dialog->accept();
    });
    QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(label.contains("km")) << label.toStdString();
    EXPECT_EQ(view->Model().CurrentPage(), 5);
    EXPECT_EQ(view->Document().doc.ClickedStations().Get(0), "12345");
    EXPECT_EQ(frame->ReadoutText(), "[ 1234.5 ] [ ]");
}

TEST_F(NavigationTest, NextAndPreviousExceedanceAcrossPages) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(frame->Action(kNextExceedance)->isEnabled());
    struct Step {
        Qt::KeyboardModifiers modifiers;  // F3 onward, Shift+F3 back
        std::size_t highlighted;
        int page;
    };
    const Step steps[] = {
        {{}, 0, 1},
        {{}, 1, 1},
        {{}, 2, 4},
        {{}, 3, 7},
        {{}, 3, 7},  // none after the last: nothing changes
        {Qt::ShiftModifier, 2, 4},
        {Qt::ShiftModifier, 1, 1},
        {Qt::ShiftModifier, 0, 1},
        {Qt::ShiftModifier, 0, 1},  // none before the first
    };
    for (const Step& s : steps) {
        QTest::keyClick(view, Qt::Key_F3, s.modifiers);
        ASSERT_TRUE(view->HighlightedExceedance().has_value());
        EXPECT_EQ(*view->HighlightedExceedance(), s.highlighted);
        EXPECT_EQ(view->Model().CurrentPage(), s.page);
    }
    EXPECT_EQ(frame->StatusMessage(), "Keine vorige Überschreitung.");
    // From a page without a highlighted one: onward from that page.
    frame->Execute(kLastPage);
    frame->Execute(kPageBackKey);  // page 6
    frame->Execute(kPreviousExceedance);
    EXPECT_EQ(*view->HighlightedExceedance(), 2u);
    EXPECT_EQ(view->Model().CurrentPage(), 4);
    EXPECT_EQ(frame->StatusMessage(), "Überschreitung 3 bei 950,0 m, Seite 4 (nicht ber.)");
}

TEST_F(NavigationTest, ExceedanceCommandsAndToolbarButtonsFollowTheActiveRun) {
    auto frame = Frame();
    QStringList tips;
    for (QAction* a : frame->ToolBar()->actions()) tips << a->toolTip();
    EXPECT_EQ(tips.mid(tips.size() - 2),
              (QStringList{"Vorige Überschreitung (Umschalt+F3)", "Nächste Überschreitung (F3)"}));
    EXPECT_FALSE(frame->Action(kNextExceedance)->isEnabled());  // no document
    DiagramView* rated = Open(*frame, "bewertet.csv");
    ASSERT_NE(rated, nullptr);
    EXPECT_TRUE(frame->Action(kNextExceedance)->isEnabled());
    DiagramView* fresh = Open(*frame, "neu.csv");
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(fresh->HasExceedances());
    EXPECT_FALSE(frame->Action(kNextExceedance)->isEnabled());
    EXPECT_FALSE(frame->Action(kPreviousExceedance)->isEnabled());
    EXPECT_TRUE(frame->Action(kGoToStation)->isEnabled());
    QTest::keyClick(fresh, Qt::Key_F3);  // a disabled command does nothing
    EXPECT_FALSE(fresh->HighlightedExceedance().has_value());
    for (QMdiSubWindow* w : frame->Area()->subWindowList())
        if (w->widget() == rated) frame->Area()->setActiveSubWindow(w);
    EXPECT_TRUE(frame->Action(kPreviousExceedance)->isEnabled());
}

TEST_F(NavigationTest, WheelTurnsThePageAtTheEndsOfTheScrollRange) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the page must need scrolling";
    QWidget* viewport = view->viewport();
    Wheel(viewport, 120);  // at the top of page 1: nothing before it
    EXPECT_EQ(view->Model().CurrentPage(), 1);
    Wheel(viewport, -120);  // not yet at the bottom: scrolls
    EXPECT_EQ(view->Model().CurrentPage(), 1);
    EXPECT_GT(bar->value(), 0);
    bar->setValue(bar->maximum());
    Wheel(viewport, -60);  // half a notch is not yet a page
    EXPECT_EQ(view->Model().CurrentPage(), 1);
    Wheel(viewport, -60);
    EXPECT_EQ(view->Model().CurrentPage(), 2);
    EXPECT_EQ(bar->value(), bar->minimum());  // the top of the next page
    Wheel(viewport, 120);
    EXPECT_EQ(view->Model().CurrentPage(), 1);
    EXPECT_EQ(bar->value(), bar->maximum());  // the bottom of the previous page
    frame->Execute(kLastPage);
    bar->setValue(bar->maximum());
    Wheel(viewport, -120);  // at the bottom of the last page: nothing after it
    EXPECT_EQ(view->Model().CurrentPage(), 7);
}

TEST_F(NavigationTest, CtrlWheelZoomsAsPlusAndMinus) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Model().ZoomLevel(), 4);
    const int range = view->verticalScrollBar()->maximum();
    Wheel(view->viewport(), 120, Qt::ControlModifier);
    EXPECT_EQ(view->Model().ZoomLevel(), 3);
    EXPECT_GT(view->verticalScrollBar()->maximum(), range);  // the scroll sizes follow
    Wheel(view->viewport(), -360, Qt::ControlModifier);
    EXPECT_EQ(view->Model().ZoomLevel(), 5);  // not beyond the smallest
    EXPECT_EQ(view->Model().CurrentPage(), 1);
}

TEST_F(NavigationTest, OverviewBarClicksAndHides) {
    auto frame = Frame();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    OverviewBar* bar = view->Overview();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(frame->Action(kOverviewBar)->isChecked());
    EXPECT_LE(bar->geometry().bottom(), view->viewport()->geometry().top());  // above the diagram
    struct Case {
        double fraction;
        int page;
    };
    for (const Case c : {Case{0.99, 7}, Case{0.0, 1}, Case{0.5, 4}, Case{0.16, 2}}) {
        const int x = static_cast<int>(bar->XOf(static_cast<int32_t>(c.fraction * 20000)));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
        EXPECT_EQ(view->Model().CurrentPage(), c.page) << c.fraction;
    }
    EXPECT_EQ(frame->PageText(), "Seite 2 von 7");

    frame->Execute(kOverviewBar);
    EXPECT_FALSE(frame->Action(kOverviewBar)->isChecked());
    EXPECT_FALSE(bar->isVisible());
    DiagramView* other = Open(*frame, "neu.csv");  // a new window follows the setting
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->Overview()->isVisible());
    frame->close();  // the setting is kept with the window layout
    auto again = Frame();
    EXPECT_FALSE(again->OverviewBarShown());
    again->Execute(kOverviewBar);
    again->close();
    EXPECT_TRUE(QSettings().value("Workspace/OverviewBar").toBool());
}

TEST_F(NavigationTest, FileViewerIsFilledOnlyWhileShown) {
    auto frame = Frame();
    CNMDateiDlg& viewer = frame->FileViewer();
    DiagramView* view = Open(*frame, "bewertet.csv");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(viewer.windowTitle(), "bewertet.csv");
    EXPECT_EQ(viewer.ShownLineCount(), 0);  // hidden: nothing filled in
    frame->Execute(kFileViewer);
    const int lines = static_cast<int>(view->Document().doc.Run().FileLines().size());
    EXPECT_EQ(lines, 2004);
    EXPECT_EQ(viewer.ShownLineCount(), lines);
    EXPECT_TRUE(viewer.List()->uniformItemSizes());
    const QAbstractItemModel* model = viewer.List()->model();
    EXPECT_EQ(model->data(model->index(2, 0)).toString(), "Prüfer: K. Stärk");  // umlauts repaired
    EXPECT_EQ(model->data(model->index(3, 0)).toString(), "0,0;-0,5;0;");
    frame->Execute(kFileViewer);
    EXPECT_EQ(viewer.ShownLineCount(), 0);  // hidden again: released
    DiagramView* other = Open(*frame, "neu.csv");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(viewer.windowTitle(), "neu.csv");
    EXPECT_EQ(viewer.ShownLineCount(), 0);
    frame->Execute(kFileViewer);
    EXPECT_EQ(viewer.ShownLineCount(), lines);
    EXPECT_TRUE(viewer.Text().startsWith("10.03.2026 08:12:00 Rollstabmessung\nStraßenmeisterei"));
}

TEST_F(NavigationTest, BusyCursorWhileARunOpens) {
    auto frame = Frame();
    Qt::CursorShape duringDialog = Qt::BlankCursor;
    struct Probe final : IFirstLoadDialog {
        Qt::CursorShape* shape;
        FirstLoadAnswer Ask(int32_t, int32_t) override {
            if (const QCursor* c = QApplication::overrideCursor()) *shape = c->shape();
            return {};
        }
    };
    frame->firstLoadDialog = [&](QWidget*) {
        auto probe = std::make_unique<Probe>();
        probe->shape = &duringDialog;
        return probe;
    };
    ASSERT_NE(frame->OpenFile(Path("neu.csv")), nullptr);
    EXPECT_EQ(duringDialog, Qt::ArrowCursor);            // the dialog over the wait cursor
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // and all of it gone afterwards
}

}  // namespace
}  // namespace nivora::app
