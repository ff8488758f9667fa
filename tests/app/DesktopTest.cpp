// What a user of the desktop meets around the diagram: German framework
// dialogs, the status bar, prompts and menus, the first-load dialog, the
// context menu of the diagram, and print jobs without pages.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "AppContext.h"
#include "Commands.h"
#include "DiagramView.h"
#include "MainFrame.h"
#include "Printing.h"
#include "Translations.h"
#include "dialogs/DataAdjustmentsDialog.h"
#include "support/TempDir.h"

namespace nivora::app {
namespace {

const QString kExample = QStringLiteral(NIVORA_EXAMPLES_DIR "/K7031_datum.csv");

class DesktopTest : public ::testing::Test {
  protected:
    DesktopTest() {
        context.store = &store;
        context.clock = &clock;
        context.printer = &printer;
        frame = std::make_unique<CMainFrame>(context);
        frame->show();
    }
    MemorySettingsStore store;
    FixedClock clock{{2026, 12, 10}};
    QPrinter printer{QPrinter::HighResolution};
    AppContext context;
    std::unique_ptr<CMainFrame> frame;
};

// Every text a dialog shows on buttons, labels and actions.
QStringList ShownTexts(QWidget& w) {
    QStringList texts;
    for (auto* b : w.findChildren<QAbstractButton*>()) texts << b->text().remove('&');
    for (auto* l : w.findChildren<QLabel*>()) texts << l->text().remove('&');
    for (auto* a : w.findChildren<QAction*>()) texts << a->text().remove('&');
    return texts;
}

TEST(GermanDialogs, FrameworkDialogsSpeakGerman) {
    ASSERT_TRUE(InstallGermanTranslations())
        << "Qt's German translations are missing (Debian package qt6-translations-l10n)";
    const QStringList english = {
        "Cancel", "File name:", "Files of type:", "Look in:", "Open",      "Print",
        "Close",  "Page setup", "Next page",      "Portrait", "Landscape", "Orientation"};
    QFileDialog files(nullptr, QStringLiteral("Öffnen"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setFileMode(QFileDialog::ExistingFile);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer);
    QPageSetupDialog setup(&printer);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&files, &preview, &setup}) {
        const QStringList texts = ShownTexts(*dialog);
        for (const QString& e : english)
            EXPECT_FALSE(texts.contains(e))
                << dialog->metaObject()->className() << ": " << e.toStdString();
    }
    EXPECT_TRUE(ShownTexts(files).contains("Abbrechen"));
    EXPECT_TRUE(ShownTexts(files).contains("Dateiname:"));
}

TEST_F(DesktopTest, StatusBarPanesAndTheReadoutAt800Pixels) {
    frame->resize(800, 600);
    QApplication::processEvents();
    auto* prompt = frame->findChild<QLabel*>("pane0");
    auto* readout = frame->findChild<QLabel*>("pane1");
    ASSERT_TRUE(prompt && readout);
    QStatusTipEvent tip(Prompt(kExit) + Prompt(kExit));  // far longer than the pane
    QApplication::sendEvent(frame.get(), &tip);
    frame->ShowStationReadout("-1234567", "7654321");
    frame->statusBar()->layout()->activate();
    QApplication::processEvents();
    EXPECT_EQ(frame->width(), 800);
    EXPECT_EQ(prompt->width(), 300);
    EXPECT_LE(prompt->fontMetrics().horizontalAdvance(prompt->text()), prompt->width());
    EXPECT_GE(readout->contentsRect().width(),
              readout->fontMetrics().horizontalAdvance(readout->text()));
    EXPECT_LE(readout->geometry().right(), frame->statusBar()->width());
    EXPECT_GE(readout->x(), prompt->geometry().right());
}

TEST_F(DesktopTest, PromptsWithoutAmpersandAndTheFileMenuKeepsBothSeparators) {
    for (QAction* a : frame->findChildren<QAction*>())
        EXPECT_FALSE(a->statusTip().contains('&')) << a->statusTip().toStdString();
    ASSERT_NE(frame->OpenFile(kExample), nullptr);
    QMenu* file = frame->CurrentMenus()[0];
    file->popup(QPoint(10, 10));
    QApplication::processEvents();
    const QList<QAction*> actions = file->actions();
    int visibleSeparators = 0, inARow = 0;
    for (int i = 0; i + 1 < actions.size(); ++i)
        if (actions[i]->isSeparator() && actions[i + 1]->isSeparator() &&
            file->actionGeometry(actions[i]).height() > 0 &&
            file->actionGeometry(actions[i + 1]).height() > 0)
            ++inARow;
    for (QAction* a : actions)
        if (a->isSeparator() && file->actionGeometry(a).height() > 0) ++visibleSeparators;
    file->close();
    EXPECT_EQ(inARow, 1);
    EXPECT_EQ(visibleSeparators, 6);
}

TEST(FirstLoadDialog, NoEmptyBandsAndReadableValues) {
    DataAdjustmentsDialog dialog(0, 10001);
    dialog.show();
    QApplication::processEvents();

    QLayout* layout = dialog.layout();
    ASSERT_NE(layout, nullptr);
    // Not taller than its content needs at its width.
    EXPECT_LE(dialog.height(), layout->totalHeightForWidth(dialog.width()) + 2);
    auto* read = dialog.findChild<QLabel*>("label1141");
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->isEnabled());
    EXPECT_TRUE(read->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
}

TEST_F(DesktopTest, ContextMenuOffersTheExcludedAreaAndTheDialogs) {
    int shownArea = -1;
    frame->excludedAreaDialog = [&](DiagramView&, int index) { shownArea = index; };
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    view->parentWidget()->showMaximized();
    QApplication::processEvents();
    view->viewport()->repaint();
    // A point over the run's excluded area, on whichever page it lies.
    QPoint over(-1, -1), elsewhere(-1, -1);
    for (int page = 0; page < view->Model().PageCount() && over.x() < 0; ++page) {
        view->viewport()->repaint();
        for (int y = 0; y < view->viewport()->height() && over.x() < 0; y += 10)
            for (int x = 0; x < view->viewport()->width(); x += 2) {
                const int area = view->ExcludedAreaAt({x, y});
                if (area >= 0) {
                    over = {x, y};
                    break;
                }
            }
        if (over.x() < 0) view->Execute(kPageForward);
    }
    ASSERT_GE(over.x(), 0) << "no excluded area found";
    auto menu = frame->ContextMenu(*view, over);
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("Bereich ohne Überschreitungsauswertung..."),
                           "Streckenabschnitte bearbeiten", "Auswertung anzeigen/bearbeiten"}));
    menu->actions().front()->trigger();
    EXPECT_EQ(shownArea, 0);

    // Where there is no area, only the dialogs.
    auto plain = frame->ContextMenu(*view, QPoint(1, 1));
    EXPECT_EQ(plain->actions().size(), 2);
}

// Closes the modal window that opens next and reports it.
void OnNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(300, [check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            check(modal);
            modal->close();
        }
    });
}

TEST_F(DesktopTest, NoPageMeansAMessageAndPreviewsShowOnlyTheirOwnJob) {
    test::TempDir dir;
    const QString empty = QString::fromStdString(dir.File(QString("leer.csv").toStdString()));
    QFile(empty).open(QIODevice::WriteOnly);
    DiagramView* run = frame->OpenFile(kExample);
    ASSERT_NE(run, nullptr);
    run->viewport()->repaint();
    int pages = -1;
    OnNextModal([&](QWidget* modal) {
        if (auto* w = modal->findChild<QPrintPreviewWidget*>()) pages = w->pageCount();
    });
    RunPrintCommand(*run, kPreviewDiagram, frame.get());
    EXPECT_GT(pages, 0);

    DiagramView* nothing = frame->OpenFile(empty);
    ASSERT_NE(nothing, nullptr);
    for (int command : {kPreviewDiagram, kPrintDiagram, kPreviewEvaluation}) {
        QString shown;
        OnNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shown = box->text() + (box->icon() == QMessageBox::Information ? "" : " (Symbol)");
            else
                shown = modal->metaObject()->className();
        });
        EXPECT_EQ(RunPrintCommand(*nothing, command, frame.get()), 0);
        EXPECT_EQ(shown, "Es gibt keine Seite zum Drucken.") << command;
    }
}

TEST_F(DesktopTest, PdfCarriesTheFileNameAsTitle) {
    DiagramView* view = frame->OpenFile(kExample);
    ASSERT_NE(view, nullptr);
    test::TempDir dir;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File(QString("a.pdf").toStdString())));
    view->Model().ComputePages();
    ASSERT_GT(PrintAll(view->Model(), context, printer), 0);
    QFile pdf(QString::fromStdString(dir.File(QString("a.pdf").toStdString())));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QByteArray utf16("\xFE\xFF", 2);
    for (QChar c : QStringLiteral("K7031_datum.csv")) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
    }
    const qsizetype title = bytes.indexOf("/Title");
    ASSERT_GE(title, 0);
    const QByteArray info = bytes.mid(title, 200);
    EXPECT_TRUE(info.contains(utf16) || info.contains("K7031_datum.csv")) << info.toStdString();
}

}  // namespace
}  // namespace nivora::app
