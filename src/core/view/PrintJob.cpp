#include "view/PrintJob.h"

#include <algorithm>

#include "view/NivoraView.h"

namespace nivora {

PrintedPages RunPrintJob(CNivoraView& view, const PrintJobInfo& job, int from, int to,
                         IPageSink& sink) {
    PrintedPages out;
    from = std::max(from, job.minPage);
    to = std::min(to, job.maxPage);
    if (from > to) return out;
    if (!sink.Open()) {
        out.ok = false;
        return out;
    }
    view.OnBeginPrinting();
    for (int page = from; page <= to; ++page) {
        if (!sink.Page(page, [&](IDrawingSurface& dc) { view.OnPrint(dc, job, page); })) {
            out.ok = false;
            break;
        }
        ++out.count;
    }
    out.ok = sink.Close() && out.ok;
    view.OnEndPrinting();
    return out;
}

}  // namespace nivora
