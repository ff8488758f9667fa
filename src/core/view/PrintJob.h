#pragma once
// The loop of every print job: the view's print hooks around its pages, each
// drawn on a fresh sheet of whatever the pages go to (a printer, the print
// preview, a PDF, PNG or SVG files).
#include <functional>

#include "platform/DrawingSurface.h"

namespace nivora {

class CNivoraView;
struct PrintJobInfo;

class IPageSink {
  public:
    virtual ~IPageSink() = default;
    // Before the first page; false when the output cannot be opened, and
    // then nothing is printed.
    virtual bool Open() { return true; }
    // One page: a fresh sheet, a surface on it for draw, the sheet put out.
    // False when the page could not be put out; the job stops there.
    virtual bool Page(int page, const std::function<void(IDrawingSurface&)>& draw) = 0;
    // After the last page, also after a failed one; false when the output
    // could not be finished.
    virtual bool Close() { return true; }
};

struct PrintedPages {
    int count = 0;   // pages put out
    bool ok = true;  // false when opening, a page or closing failed
};

// Pages from..to of a prepared job (cut to its pages), between the begin
// and end hooks. Nothing is opened or begun when no page is due.
PrintedPages RunPrintJob(CNivoraView& view, const PrintJobInfo& job, int from, int to,
                         IPageSink& sink);

}  // namespace nivora
