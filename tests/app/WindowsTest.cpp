// Document windows: the arrange commands, the window list, switching with
// Ctrl+Tab, the caption in every state, and files dropped on the frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTest>
#include <QUrl>

#include "AppContext.h"
#include "Commands.h"
#include "MainFrame.h"
#include "WindowArrangement.h"

namespace nivora::app {
namespace {

const QString kFirst = QStringLiteral(NIVORA_EXAMPLES_DIR "/K7031_datum.csv");
const QString kSecond = QStringLiteral(NIVORA_EXAMPLES_DIR "/B27_pm01bs02.dat");
const QString kThird = QStringLiteral(NIVORA_EXAMPLES_DIR "/B10_strasse.txt");

class WindowsTest : public ::testing::Test {
  protected:
    WindowsTest() {
        context.store = &store;
        context.clock = &clock;
        context.printer = &printer;
        frame = std::make_unique<CMainFrame>(context);
        frame->resize(1200, 800);
        frame->show();
        frame->activateWindow();
        QApplication::processEvents();
    }
    QMdiArea& Area() { return *frame->Area(); }
    QList<QMdiSubWindow*> Windows() { return Area().subWindowList(QMdiArea::CreationOrder); }
    QMdiSubWindow* Current() { return Area().currentSubWindow(); }
    void Settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    void OpenThree() {
        for (const QString& f : {kFirst, kSecond, kThird}) ASSERT_NE(frame->OpenFile(f), nullptr);
        Settle();
    }

    MemorySettingsStore store;
    FixedClock clock{{2026, 12, 10}};
    QPrinter printer{QPrinter::HighResolution};
    AppContext context;
    std::unique_ptr<CMainFrame> frame;
};

TEST(WindowList, NumberedEntries) {
    EXPECT_EQ(WindowListText(1, "a.csv"), "&1 a.csv");
    EXPECT_EQ(WindowListText(9, "R&D.csv"), "&9 R&&D.csv");
    EXPECT_EQ(WindowListText(10, "b.csv"), "10 b.csv");
}

TEST_F(WindowsTest, CaptionInEveryState) {
    EXPECT_EQ(frame->windowTitle(), "Nivora-Viewer 4.5.48");
    OpenThree();
    auto caption = [&] { return frame->windowTitle(); };
    auto title = [&] { return Current()->windowTitle(); };
    ASSERT_FALSE(title().isEmpty());
    // Each state as multiple-document frames show it, the title once.
    auto wanted = [&] {
        return Current()->isMaximized() ? "Nivora 4.5.48 - [" + title() + "]"
                                        : "Nivora 4.5.48 - " + title();
    };
    EXPECT_EQ(caption(), wanted());
    Current()->showNormal();
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - " + title());

    Current()->showMaximized();
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - [" + title() + "]");
    Current()->showNormal();  // restored without switching
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - " + title());

    frame->Execute(kTileVertical);
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - " + title());
    Current()->showMaximized();
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - [" + title() + "]");  // the title once
    EXPECT_EQ(caption().count(title()), 1);

    Area().activatePreviousSubWindow();  // switching
    Settle();
    EXPECT_EQ(caption().count(title()), 1) << caption().toStdString();
    EXPECT_TRUE(caption().startsWith("Nivora 4.5.48 - ")) << caption().toStdString();
    EXPECT_EQ(caption(), wanted());
    frame->Execute(kCascade);
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48 - " + title());
    for (QMdiSubWindow* w : Windows()) {
        EXPECT_FALSE(w->windowTitle().contains("Nivora")) << w->windowTitle().toStdString();
    }

    for (QMdiSubWindow* w : Windows()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Settle();
    EXPECT_EQ(caption(), "Nivora 4.5.48");
}

TEST_F(WindowsTest, ArrangeCommandsEachDoTheirOwnThing) {
    OpenThree();
    const QRect room = Area().viewport()->rect();
    frame->Execute(kTileVertical);  // "Nebeneinander": columns of full height
    Settle();
    int right = room.left();
    for (QMdiSubWindow* w : Windows()) {
        EXPECT_EQ(w->geometry().top(), room.top());
        EXPECT_EQ(w->geometry().height(), room.height());
        EXPECT_EQ(w->geometry().left(), right);
        right = w->geometry().right() + 1;
    }
    EXPECT_EQ(right, room.right() + 1);

    frame->Execute(kTileHorizontal);  // "Übereinander": rows of full width
    Settle();
    int bottom = room.top();
    for (QMdiSubWindow* w : Windows()) {
        EXPECT_EQ(w->geometry().left(), room.left());
        EXPECT_EQ(w->geometry().width(), room.width());
        EXPECT_EQ(w->geometry().top(), bottom);
        bottom = w->geometry().bottom() + 1;
    }
    EXPECT_EQ(bottom, room.bottom() + 1);

    frame->Execute(kCascade);  // overlapping, each offset, all usable
    Settle();
    QPoint previous(-1, -1);
    for (QMdiSubWindow* w : Windows()) {
        EXPECT_GE(w->width(), room.width() * 2 / 3);
        EXPECT_GE(w->height(), room.height() * 2 / 3);
        EXPECT_GT(w->pos().x(), previous.x());
        EXPECT_GT(w->pos().y(), previous.y());
        EXPECT_TRUE(room.contains(w->geometry()));
        previous = w->pos();
    }

    // Minimised windows go to the bottom edge, side by side.
    Windows()[0]->showMinimized();
    Windows()[2]->showMinimized();
    Settle();
    Windows()[0]->move(300, 100);
    Windows()[2]->move(50, 40);
    frame->Execute(kArrangeIcons);
    Settle();
    const QRect a = Windows()[0]->geometry(), c = Windows()[2]->geometry();
    EXPECT_EQ(a.bottom(), room.bottom());
    EXPECT_EQ(c.bottom(), room.bottom());
    EXPECT_EQ(a.left(), room.left());
    EXPECT_EQ(c.left(), a.right() + 1);
    EXPECT_FALSE(Windows()[1]->isMinimized());
}

TEST_F(WindowsTest, WindowMenuListsTheDocumentsAndCtrlTabSwitches) {
    OpenThree();
    QMenu* window = frame->CurrentMenus()[4];
    ASSERT_EQ(window->title(), "&Fenster");
    auto listed = [&] {
        emit window->aboutToShow();
        QStringList out;
        for (QAction* a : window->actions())
            if (a->property("windowList").toBool() && !a->isSeparator())
                out << a->text() + (a->isChecked() ? "*" : "");
        return out;
    };
    QStringList expected;
    for (int i = 0; i < 3; ++i)
        expected << QStringLiteral("&%1 ").arg(i + 1) + Windows()[i]->windowTitle() +
                        (i == 2 ? "*" : "");
    EXPECT_EQ(listed(), expected);
    EXPECT_EQ(listed().size(), 3);  // refilled, not added twice

    // Choosing an entry activates its window.
    for (QAction* a : window->actions())
        if (a->text().startsWith("&1 ")) a->trigger();
    Settle();
    EXPECT_EQ(Current(), Windows()[0]);

    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Current(), Windows()[1]);
    focus = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(Current(), Windows()[0]);
}

TEST_F(WindowsTest, DroppedFilesOpenAsFromTheOpenCommand) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(kFirst), QUrl(QStringLiteral("https://example.org/x.csv"))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    Settle();
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(store.ReadText("Sonstiges", "LastFileOpen"), kFirst.toStdString());

    QMimeData text;
    text.setText(QStringLiteral("kein Dateiname"));
    QDragEnterEvent refused(QPoint(100, 100), Qt::CopyAction, &text, Qt::LeftButton,
                            Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace nivora::app
