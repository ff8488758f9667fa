#include <gtest/gtest.h>

#include <vector>

#include "core/view/ViewFixture.h"
#include "view/PrintJob.h"

namespace nivora {
namespace {

using test::ViewFixture;

// Records the pages it is given and whether the view was printing then; it
// fails to open, or fails at a given page, when told.
class RecordingSink final : public IPageSink {
  public:
    bool openOk = true;
    int failAt = 0;
    bool closeOk = true;
    std::vector<int> pages;
    std::vector<bool> printing;
    int opened = 0, closed = 0;
    const CNivoraView* view = nullptr;

    bool Open() override {
        ++opened;
        return openOk;
    }
    bool Page(int page, const std::function<void(IDrawingSurface&)>& draw) override {
        if (page == failAt) return false;
        RecordingSurface surface;
        draw(surface);
        pages.push_back(page);
        printing.push_back(view->IsPrinting());
        EXPECT_FALSE(surface.Records().empty()) << "page " << page << " drew nothing";
        return true;
    }
    bool Close() override {
        ++closed;
        return closeOk;
    }
};

TEST(PrintJob, PagesBetweenTheHooksCutToTheJob) {
    ViewFixture f;
    f.Stretch(0, 9000, 100);  // 91 m at 1:400: 10 strips, 4 pages
    f.view.ComputePages();
    PrintJobInfo job;
    f.view.OnPreparePrinting(job);
    ASSERT_EQ(job.maxPage, 4);
    job.printRect = {0, 0, 29700, -21000};

    struct Case {
        int from, to;
        bool openOk;
        int failAt;
        bool closeOk;
        std::vector<int> pages;
        bool ok;
        int opened;
    };
    const Case cases[] = {
        {1, 4, true, 0, true, {1, 2, 3, 4}, true, 1},
        {0, 9, true, 0, true, {1, 2, 3, 4}, true, 1},  // cut to the job
        {3, 3, true, 0, true, {3}, true, 1},
        {4, 2, true, 0, true, {}, true, 0},  // no page due: nothing opened
        {5, 9, true, 0, true, {}, true, 0},
        {1, 4, false, 0, true, {}, false, 1},      // cannot open: no page, no hooks
        {1, 4, true, 3, true, {1, 2}, false, 1},   // a failed page ends the job
        {1, 2, true, 0, false, {1, 2}, false, 1},  // so does a failed close
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        sink.view = &f.view;
        sink.openOk = c.openOk;
        sink.failAt = c.failAt;
        sink.closeOk = c.closeOk;
        RecordingSurface screen;
        f.view.OnDraw(screen);  // the title with its page text; printing drops it
        const PrintedPages printed = RunPrintJob(f.view, job, c.from, c.to, sink);
        SCOPED_TRACE(testing::Message() << "pages " << c.from << ".." << c.to);
        EXPECT_EQ(sink.pages, c.pages);
        EXPECT_EQ(printed.count, static_cast<int>(c.pages.size()));
        EXPECT_EQ(printed.ok, c.ok);
        EXPECT_EQ(sink.opened, c.opened);
        // The hooks run and the sink is closed whenever it opened, after a
        // failed page too.
        const bool began = c.opened == 1 && c.openOk;
        EXPECT_EQ(sink.closed, began ? 1 : 0);
        EXPECT_EQ(f.view.Title().empty(), began);
        for (const bool p : sink.printing) EXPECT_TRUE(p);
        EXPECT_FALSE(f.view.IsPrinting());
    }
}

}  // namespace
}  // namespace nivora
