#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QToolBar>

#include "AppContext.h"
#include "Commands.h"
#include "DiagramView.h"
#include "FileViewer.h"
#include "MainFrame.h"
#include "Printing.h"
#include "StatusReadout.h"
#include "support/TempDir.h"

namespace nivora::app {
namespace {

const QString kExample = QStringLiteral(NIVORA_EXAMPLES_DIR "/K7031_datum.csv");

class MainFrameTest : public ::testing::Test {
  protected:
    MainFrameTest() {
        context.store = &store;
        context.clock = &clock;
        context.printer = &printer;
    }
    std::unique_ptr<CMainFrame> Frame() {
        auto f = std::make_unique<CMainFrame>(context);
        f->show();
        return f;
    }
    static QStringList Entries(QMenu* menu) {
        emit menu->aboutToShow();
        QStringList out;
        for (QAction* a : menu->actions()) {
            if (!a->isVisible()) continue;
            if (a->isSeparator())
                out << QStringLiteral("|");
            else
                out << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (aus)"));
        }
        return out;
    }
    MemorySettingsStore store;
    FixedClock clock{{2026, 12, 10}};
    QPrinter printer{QPrinter::HighResolution};
    AppContext context;
};

TEST(StatusReadout, Texts) {
    EXPECT_EQ(StationReadoutText("", ""), "[ ] [ ]");
    EXPECT_EQ(StationReadoutText("12000", ""), "[ 1200.0 ] [ ]");
    EXPECT_EQ(StationReadoutText("12345", "12000"), "[ 1234.5 ] [ 1200.0 ]  Distanz 34.5m");
    EXPECT_EQ(StationReadoutText("-50", "100"), "[ -5.0 ] [ 10.0 ]  Distanz 15.0m");
}

TEST_F(MainFrameTest, MenusWithoutAndWithADocument) {
    auto frame = Frame();
    QStringList titles;
    for (QMenu* m : frame->CurrentMenus()) titles << m->title();
    EXPECT_EQ(titles, (QStringList{"&Datei", "&Ansicht", "&?"}));
    EXPECT_EQ(Entries(frame->CurrentMenus()[0]),
              (QStringList{"Ö&ffnen...\tStrg+O", "|", "Drucker&einrichtung...", "|",
                           "Vorgaben für neue Fahrten (aus)", "|", "Letzte Datei (aus)", "|",
                           "&Beenden"}));
    EXPECT_EQ(frame->windowTitle(), "Nivora-Viewer 4.5.48");

    ASSERT_NE(frame->OpenFile(kExample), nullptr);
    titles.clear();
    for (QMenu* m : frame->CurrentMenus()) titles << m->title();
    EXPECT_EQ(titles, (QStringList{"&Datei", "&Ansicht", "&Einstellungen", "Ü&berschreitungen",
                                   "&Fenster", "&?"}));
    // The export entry is gone: two separators in a row.
    const QStringList file = Entries(frame->CurrentMenus()[0]);
    EXPECT_EQ(file.mid(0, 5),
              (QStringList{"Ö&ffnen...\tStrg+O", "&Schließen", "|", "|", "&Drucken...\tStrg+P"}));
    EXPECT_TRUE(file.contains("Bearbeitungsstand  auf Ursprung zurücksetzen ... (aus)"));
    EXPECT_EQ(file.filter("K7031_datum.csv").size(), 1);  // the recent-file list
    const QStringList settings = Entries(frame->CurrentMenus()[2]);
    EXPECT_FALSE(settings.join(QString()).contains("Korrekturwert"));
    EXPECT_TRUE(settings.contains("Einstellungen für die Fahrt (aus)"));
    EXPECT_TRUE(settings.contains("Fahrbahnoberfläche"));
    EXPECT_EQ(
        Entries(frame->CurrentMenus()[3]),
        (QStringList{"Streckenabschnitte bearbeiten", "Automatische Erkennung (aus)",
                     "Auswertung anzeigen/bearbeiten", "|", "Kopf-/Fußtexte für den Ausdruck (aus)",
                     "Seitenansicht Auswertung", "Auswertung drucken"}));
    EXPECT_TRUE(frame->windowTitle().startsWith("Nivora 4.5.48"));
}

TEST_F(MainFrameTest, ToolbarOrderAndTooltips) {
    auto frame = Frame();
    QStringList tips;
    for (QAction* a : frame->ToolBar()->actions())
        tips << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
    EXPECT_EQ(tips, (QStringList{"Öffnen",
                                 "|",
                                 "Seitenansicht",
                                 "Diagramm Drucken",
                                 "Seitenansicht Auswertung",
                                 "|",
                                 "Messungskommentare",
                                 "Messungskopfdaten bearbeiten",
                                 "|",
                                 "freien Text einfügen",
                                 "freie Textboxen bearbeiten",
                                 "|",
                                 "Berichstext einfügen",
                                 "Bereichstexte bearbeiten",
                                 "|",
                                 "Datei-Viewer ein-/ausblenden",
                                 "|",
                                 "Zoom",
                                 "|",
                                 "Seite zurück",
                                 "Seite weiter",
                                 "|",
                                 "2m-Raster ein-/ausblenden",
                                 "|",
                                 "Diagrammansicht 2/3 Streifen",
                                 "|",
                                 "Bereich bestimmen, der aus der Auswertung rausgenommen werden "
                                 "soll",
                                 "|",
                                 "Vorige Überschreitung (Umschalt+F3)",
                                 "Nächste Überschreitung (F3)"}));
    EXPECT_FALSE(frame->Action(kEditComments)->isEnabled());
}

TEST_F(MainFrameTest, ClicksShowTheReadoutAndTheMarkedRange) {
    auto frame = Frame();
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    view->resize(1200, 800);
    view->viewport()->repaint();  // fills the strip registry
    const auto& reg = view->Model().StripRegistry();
    ASSERT_GT(reg.Count(), 0);
    const double px = view->PixelsPerUnit();
    const auto& strip = reg.At(0);
    const QPoint left(static_cast<int>((strip.rect.left + 10) * px),
                      static_cast<int>(-(strip.rect.top - 100) * px));
    view->Click(left, false, false);
    const std::string first = view->Document().doc.ClickedStations().Get(0);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(frame->ReadoutText().toStdString(), StationReadoutText(first, ""));
    view->Click(left, false, false);  // the same station again changes nothing
    EXPECT_EQ(view->Document().doc.ClickedStations().Get(1), "");
    view->Click(left + QPoint(200, 0), true, false);  // left Ctrl: nothing
    EXPECT_EQ(view->Document().doc.ClickedStations().Get(0), first);
    view->Click(left + QPoint(200, 0), false, false);
    EXPECT_EQ(view->Document().doc.ClickedStations().Get(1), first);
    EXPECT_TRUE(frame->ReadoutText().contains("Distanz"));
}

TEST_F(MainFrameTest, FileViewerToggleAndMinimise) {
    auto frame = Frame();
    EXPECT_FALSE(frame->FileViewer().isVisible());
    frame->Execute(kFileViewer);
    EXPECT_TRUE(frame->FileViewer().isVisible());
    EXPECT_TRUE(frame->Action(kFileViewer)->isChecked());
    frame->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_FALSE(frame->FileViewer().isVisible());
    frame->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_TRUE(frame->FileViewer().isVisible());
    frame->Execute(kFileViewer);
    EXPECT_FALSE(frame->FileViewer().isVisible());
    EXPECT_FALSE(frame->Action(kFileViewer)->isChecked());
    frame->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    frame->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_FALSE(frame->FileViewer().isVisible());

    ASSERT_NE(frame->OpenFile(kExample), nullptr);
    EXPECT_EQ(frame->FileViewer().windowTitle().toStdString(), "K7031_datum.csv");
    frame->Execute(kFileViewer);  // the lines are filled in while it is shown
    EXPECT_TRUE(frame->FileViewer().Text().startsWith("Ebenheitsmessung Rollstab;"))
        << frame->FileViewer().Text().left(40).toStdString();
    frame->Execute(kClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(frame->FileViewer().windowTitle().toStdString(), "keine Datei geladen");
    EXPECT_EQ(frame->FileViewer().Text().toStdString(), "keine Datei geladen");
}

TEST_F(MainFrameTest, StripsPerPageArePersisted) {
    {
        auto frame = Frame();
        DiagramView* view = frame->OpenFile(kExample);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->Model().StripsPerPage(), 3);
        view->Execute(kToggleStrips);
    }
    EXPECT_EQ(store.ReadInt("Sonstiges", "DiagrammeProSeite"), 2);
    auto frame = Frame();
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Model().StripsPerPage(), 2);
}

TEST_F(MainFrameTest, OpeningTheSameFileTwiceActivatesItsWindow) {
    auto frame = Frame();
    DiagramView* first = frame->OpenFile(kExample);
    DiagramView* again =
        frame->OpenFile(QStringLiteral(NIVORA_EXAMPLES_DIR "/../examples/K7031_datum.csv"));
    EXPECT_EQ(first, again);
    EXPECT_EQ(frame->Area()->subWindowList().size(), 1);
    frame->Execute(kNewWindow);
    EXPECT_EQ(frame->Area()->subWindowList().size(), 2);
}

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
           pdf.count("/Type /Page>");
}

TEST_F(MainFrameTest, PrintingDiagramAndEvaluationPagesToPdf) {
    auto frame = Frame();
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    const test::TempDir dir;
    struct Case {
        bool evaluation;
        QPageLayout::Orientation orientation;
    };
    for (const Case c : {Case{false, QPageLayout::Landscape}, Case{true, QPageLayout::Portrait}}) {
        const QString out =
            QString::fromStdString(dir.File(c.evaluation ? "auswertung.pdf" : "diagramm.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        view->Model().SetEvaluationMode(c.evaluation);
        printer.setPageOrientation(view->Model().DefaultOrientation() == PageOrientation::Landscape
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
        view->Model().ComputePages();
        const int pages = PrintAll(view->Model(), context, printer);
        EXPECT_GT(pages, 0);
        EXPECT_EQ(PdfPages(out), pages);
        EXPECT_EQ(printer.pageLayout().orientation(), c.orientation);
        EXPECT_FALSE(context.printing);
        EXPECT_EQ(view->Model().ZoomLevel(), 5);
    }
}

}  // namespace
}  // namespace nivora::app

#include "DialogHooks.h"
#include "dialogs/AuswertungDlg.h"
#include "dialogs/SectionListDialog.h"

namespace nivora::app {
namespace {

TEST_F(MainFrameTest, CommandsOpenTheirDialogs) {
    auto frame = Frame();
    InstallDialogs(*frame, context);
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    auto sections = frame->makeDialog(*view, kSections);
    EXPECT_NE(dynamic_cast<SectionListDialog*>(sections.get()), nullptr);
    auto evaluation = frame->makeDialog(*view, kEvaluation);
    ASSERT_NE(dynamic_cast<CAuswertungDlg*>(evaluation.get()), nullptr);
    EXPECT_EQ(frame->makeDialog(*view, kZoomStep), nullptr);
    EXPECT_NE(frame->firstLoadDialog(frame.get()), nullptr);
}

}  // namespace
}  // namespace nivora::app

#include <QKeyEvent>
#include <QTimer>

namespace nivora::app {
namespace {

// Closes the modal dialog that opens next, once it has shown itself.
void CloseNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(300, [check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            check(modal);
            modal->close();
        }
    });
}

TEST_F(MainFrameTest, PreviewsInTheirOrientation) {
    auto frame = Frame();
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    view->viewport()->repaint();
    struct Case {
        int command;
        QPageLayout::Orientation orientation;
        bool evaluation;
    };
    for (const Case c : {Case{kPreviewEvaluation, QPageLayout::Portrait, true},
                         Case{kPreviewDiagram, QPageLayout::Landscape, false}}) {
        bool shown = false;
        CloseNextModal([&](QWidget* modal) { shown = modal->windowTitle() == "Seitenansicht"; });
        RunPrintCommand(*view, c.command, frame.get());
        EXPECT_TRUE(shown) << c.command;
        EXPECT_EQ(printer.pageLayout().orientation(), c.orientation) << c.command;
        EXPECT_EQ(view->Model().EvaluationMode(), c.evaluation);
        EXPECT_FALSE(context.printing);
    }
}

TEST_F(MainFrameTest, KeysPageAndZoom) {
    auto frame = Frame();
    DiagramView* view = frame->OpenFile(QStringLiteral(NIVORA_EXAMPLES_DIR "/B27_pm01bs02.dat"));
    ASSERT_NE(view, nullptr);
    view->viewport()->repaint();
    ASSERT_GT(view->Model().PageCount(), 1);
    frame->Execute(kPageForwardKey);
    EXPECT_EQ(view->Model().CurrentPage(), 2);
    frame->Execute(kPageBackKey);
    EXPECT_EQ(view->Model().CurrentPage(), 1);
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
    QApplication::sendEvent(view, &plus);
    EXPECT_EQ(view->Model().ZoomLevel(), 3);
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::KeypadModifier, QStringLiteral("-"));
    QApplication::sendEvent(view, &minus);
    QApplication::sendEvent(view, &minus);
    EXPECT_EQ(view->Model().ZoomLevel(), 5);
    frame->Execute(kToggleGrid);
    EXPECT_TRUE(frame->Action(kToggleGrid)->isChecked());
    EXPECT_TRUE(view->Model().Grid2m());
}

}  // namespace
}  // namespace nivora::app
