// Drawing speed of diagram pages: page 1 and the last page of a 10 km and a
// 100 km run (a sample every decimetre, an exceedance every 50 m, a section
// every kilometre), drawn on the recording surface. The first drawing of a
// run also builds its sample index; the figures after it are best of a few.
// Then a crowded strip: 10,000 exceedances, one every decimetre, some with
// remarks, on the first strip of a 1 km run at 1:5000, whose labels are
// placed without overlap.
// Not a test: it is run by hand.
//   bench/run_bench.sh draw
//   build/bench/nivora_draw_bench [repeats]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/NivoraDoc.h"
#include "platform/Clock.h"
#include "platform/TextTable.h"
#include "view/NivoraView.h"
#include "view/RecordingSurface.h"

namespace {

using Clock = std::chrono::steady_clock;

void Fill(nivora::CNivoraDoc& doc, int32_t lengthDm) {
    auto& raw = doc.Run().MutableRaw();
    raw.reserve(static_cast<std::size_t>(lengthDm) + 1);
    for (int32_t s = 0; s <= lengthDm; ++s) {
        nivora::MESSUNG m;
        m.station = s;
        m.value = static_cast<int32_t>((s * 37) % 60);
        m.speed = 4.0 + (s % 50) / 10.0;
        raw.push_back(m);
    }
    doc.Run().ResetRange();
    doc.Run().SetRange(doc.Run().RangeStart(), doc.Run().RangeEnd());
    std::string sections, records;
    for (int32_t s = 0; s < lengthDm; s += 10000)
        sections += "[" + std::to_string(s) + "|350|40|10|0.60|12.50|1||||]";
    int n = 1;
    for (int32_t s = 250; s < lengthDm; s += 500, ++n)
        records += "[" + std::to_string(s) + ";55;2;" + std::to_string(n) + ";1;1;;6.0;;]";
    doc.State().ReadText("MANUVONBIS=0;" + std::to_string(lengthDm) + "\r\nABSCHNITTE=" + sections +
                         "\r\nMASSSTAB_DER_LAENGE=400\r\n");
    doc.State().LoadSettingsFromKeys();
    doc.State().RebuildSectionCache();
    doc.Exceedances().Load(true, records, "0.0;1.0;0.60;;;EUR;;", "", 0);
}

void Crowd(nivora::CNivoraDoc& doc, int marks) {
    std::string records, remarks;
    for (int i = 0; i < marks; ++i) {
        records += "[" + std::to_string(i) + ";55;2;" + std::to_string(i + 1) + ";1;" +
                   (i % 3 == 2 ? "0" : "1") + ";;6.0;;]";
        if (i % 7 == 0)
            remarks += "[" + std::to_string(i) +
                       "\xBFSchachtdeckel\xBF"
                       "1]";
    }
    doc.State().ReadText("MANUVONBIS=0;10000\r\nMASSSTAB_DER_LAENGE=5000\r\n");
    doc.State().LoadSettingsFromKeys();
    doc.State().RebuildSectionCache();
    doc.Exceedances().Load(true, records, "0.0;1.0;0.60;;;EUR;;", remarks, 0);
}

double Seconds(nivora::CNivoraView& view, int page) {
    nivora::RecordingSurface surface;
    const auto t0 = Clock::now();
    view.DrawPage(surface, page, {0, 0});
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const nivora::CTextTabelle texts;
    const nivora::FixedClock clock({2026, 12, 10});
    std::printf("%-8s %8s %6s %14s %12s %12s\n", "run", "samples", "pages", "first drawing",
                "page 1", "last page");
    for (int km : {10, 100}) {
        nivora::CNivoraDoc doc;
        Fill(doc, km * 10000);
        nivora::CNivoraView view(doc, texts, clock);
        view.ComputePages();
        const int last = view.PageCount();
        const double first = Seconds(view, last);
        double page1 = 1e300, lastPage = 1e300;
        for (int r = 0; r < repeats; ++r) {
            page1 = std::min(page1, Seconds(view, 1));
            lastPage = std::min(lastPage, Seconds(view, last));
        }
        std::printf("%5d km %8zu %6d %11.3f ms %9.3f ms %9.3f ms\n", km,
                    doc.Run().WorkingSamples().size(), last, first * 1e3, page1 * 1e3,
                    lastPage * 1e3);
    }
    {
        nivora::CNivoraDoc doc;
        Fill(doc, 10000);
        Crowd(doc, 10000);
        nivora::CNivoraView view(doc, texts, clock);
        view.ComputePages();
        const double first = Seconds(view, 1);
        double page1 = 1e300;
        for (int r = 0; r < repeats; ++r) page1 = std::min(page1, Seconds(view, 1));
        std::printf("crowded strip: 10,000 exceedances at 1:5000, page 1 %.3f ms (first %.3f ms)\n",
                    page1 * 1e3, first * 1e3);
    }
    return 0;
}
