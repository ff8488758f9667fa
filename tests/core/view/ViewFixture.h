#pragma once
// A document built in memory for drawing tests: samples, state keys,
// exceedances and texts set directly, a view over it, a recording surface.
#include <string>
#include <vector>

#include "document/NivoraDoc.h"
#include "platform/Clock.h"
#include "platform/TextTable.h"
#include "view/NivoraView.h"
#include "view/RecordingSurface.h"

namespace nivora::test {

struct SampleSpec {
    int32_t station = 0;
    int32_t value = 0;
    double speed = -1.0;
    std::string comment = "";
};

class ViewFixture {
  public:
    ViewFixture() : view(doc, texts, clock) {}

    // Samples at the stations with value 10 (1 mm) and no speed.
    void Stations(const std::vector<int32_t>& stations) {
        std::vector<SampleSpec> s;
        for (int32_t st : stations) s.push_back({st, 10, -1.0});
        Samples(s);
    }
    // Every `step` dm from `from` to `to` (either direction).
    void Stretch(int32_t from, int32_t to, int32_t step = 10) {
        std::vector<int32_t> s;
        if (from <= to)
            for (int32_t x = from; x <= to; x += step) s.push_back(x);
        else
            for (int32_t x = from; x >= to; x -= step) s.push_back(x);
        Stations(s);
    }
    void Samples(const std::vector<SampleSpec>& samples) {
        auto& raw = doc.Run().MutableRaw();
        raw.clear();
        for (const auto& s : samples) {
            MESSUNG m;
            m.station = s.station;
            m.value = s.value;
            m.speed = s.speed;
            if (!s.comment.empty()) m.SetComment(s.comment);
            raw.push_back(m);
        }
        doc.Run().ResetRange();
        doc.Run().SetRange(doc.Run().RangeStart(), doc.Run().RangeEnd());
    }
    // Key lines "KEY=value", one per entry.
    void State(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        doc.State().ReadText(text);
        doc.State().LoadSettingsFromKeys();
        doc.State().RebuildSectionCache();
    }
    // Exceedance groups "[station;value;p;number;page;counted;;speed;;]" and
    // remark groups "[station\xBFtext\xBF" "1]".
    void Exceedances(const std::string& records, const std::string& remarks = "") {
        doc.Exceedances().Load(doc.Run().IsAscending(), records, "0.0;1.0;0.60;;;EUR;;", remarks,
                               0);
    }
    void Texts(const std::string& free, const std::string& areas = "",
               const std::string& excluded = "") {
        doc.Texts().Load(doc.Run(), "", free, areas, excluded);
    }

    // Draws page `page` on a fresh surface at zoom level 5 unless told.
    RecordingSurface& Draw(int page = 1, int zoomLevel = 5) {
        surface = RecordingSurface();
        while (view.ZoomLevel() < zoomLevel) view.ZoomOut();
        while (view.ZoomLevel() > zoomLevel) view.ZoomIn();
        view.ComputePages();
        view.DrawPage(surface, page, {0, 0});
        return surface;
    }

    CNivoraDoc doc;
    CTextTabelle texts;
    FixedClock clock{{2026, 12, 10}};
    CNivoraView view;
    RecordingSurface surface;
};

}  // namespace nivora::test
