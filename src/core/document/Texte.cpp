#include "document/Texte.h"

#include <cstddef>
#include <unordered_map>

#include "document/KeyEncodings.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Hands out the fields of a "_"-separated list one after the other, with the
// field rules of the text utilities: the last field is the rest of the text
// and every field beyond it is empty. One pass over the text in all.
class ListFieldReader {
  public:
    explicit ListFieldReader(std::string_view text) : m_text(text) {}

    std::string_view Next() {
        if (m_done) return {};
        const std::size_t sep = m_text.find('_', m_pos);
        if (sep == kNone) {
            m_done = true;
            return m_text.substr(m_pos);
        }
        const std::string_view field = m_text.substr(m_pos, sep - m_pos);
        m_pos = sep + 1;
        return field;
    }

  private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_done = false;
};

std::string WithAttribute(const std::string& text, int32_t attribute) {
    return EscapeListText(text) + "<" + text::FormatInt(attribute) + ">";
}

}  // namespace

std::vector<TEXTDATEN> DecodeTexts(std::string_view value) {
    std::vector<TEXTDATEN> texts;
    ListFieldReader fields(value);
    for (;;) {
        const std::string_view station = fields.Next();
        if (station.empty()) break;
        TEXTDATEN t;
        t.station = text::ToInt(station);
        {
            auto attributed = ReadTextWithAttribute(fields.Next());
            t.text = std::move(attributed.text);
            t.colour = attributed.attribute;
        }
        texts.push_back(std::move(t));
    }
    return texts;
}

std::vector<BEREICHSTEXTDATEN> DecodeAreaTexts(std::string_view value) {
    std::vector<BEREICHSTEXTDATEN> texts;
    ListFieldReader fields(value);
    for (;;) {
        const std::string_view from = fields.Next();
        if (from.empty()) break;
        BEREICHSTEXTDATEN t;
        t.from = text::ToInt(from);
        t.to = text::ToInt(fields.Next());
        {
            auto attributed = ReadTextWithAttribute(fields.Next());
            t.text = std::move(attributed.text);
            t.colour = attributed.attribute;
        }
        texts.push_back(std::move(t));
    }
    return texts;
}

std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> DecodeExcludedAreas(std::string_view value) {
    std::vector<BEREICH_OHNE_ERKENNUNG_DATEN> areas;
    ListFieldReader fields(value);
    for (;;) {
        const std::string_view from = fields.Next();
        if (from.empty()) break;
        BEREICH_OHNE_ERKENNUNG_DATEN a;
        a.from = text::ToInt(from);
        a.to = text::ToInt(fields.Next());
        a.text = UnescapeListText(fields.Next());
        areas.push_back(std::move(a));
    }
    return areas;
}

std::vector<TEXTDATEN> BuildStarTexts(const CMessFahrtDaten& run, std::string_view sterntexte) {
    std::vector<TEXTDATEN> texts;
    const auto& raw = run.RawSamples();
    for (int i = 0; i < run.WorkingCount(); ++i) {
        if (!run.IsMarked(i)) continue;
        TEXTDATEN t;
        t.station = run.GetStation(i);
        // The file station comes from the raw sample this working sample was
        // taken from; the same index would name another sample whenever the
        // range cuts samples off at the start.
        const int r = run.RawIndexOfWorking(i);
        if (r >= 0 && r < static_cast<int>(raw.size()))
            t.fileStation =
                text::SatAdd(raw[static_cast<std::size_t>(r)].station, run.KilometrageOffset());
        t.text = run.GetComment(i);
        if (t.text.empty()) t.text = "(" + text::FormatFixed(t.station / 10.0, 1) + ")";
        texts.push_back(std::move(t));
    }

    // A stored pair replaces the first star text of its station.
    std::unordered_map<int32_t, std::size_t> firstOfStation;
    firstOfStation.reserve(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k) firstOfStation.emplace(texts[k].station, k);
    for (TEXTDATEN& stored : DecodeTexts(sterntexte)) {
        const auto it = firstOfStation.find(stored.station);
        if (it == firstOfStation.end()) continue;
        TEXTDATEN& target = texts[it->second];
        target.text = std::move(stored.text);
        target.colour = stored.colour;
    }
    return texts;
}

std::string EncodeTexts(const std::vector<TEXTDATEN>& texts) {
    std::string out;
    for (const TEXTDATEN& t : texts) {
        out += text::FormatInt(t.station);
        out += '_';
        out += WithAttribute(t.text, t.colour);
        out += '_';
    }
    return out;
}

std::string EncodeAreaTexts(const std::vector<BEREICHSTEXTDATEN>& texts) {
    std::string out;
    for (const BEREICHSTEXTDATEN& t : texts) {
        out += text::FormatInt(t.from);
        out += '_';
        out += text::FormatInt(t.to);
        out += '_';
        out += WithAttribute(t.text, t.colour);
        out += '_';
    }
    return out;
}

std::string EncodeExcludedAreas(const std::vector<BEREICH_OHNE_ERKENNUNG_DATEN>& areas) {
    std::string out;
    for (std::size_t k = 0; k < areas.size(); ++k) {
        if (k > 0) out += '_';
        out += text::FormatInt(areas[k].from);
        out += '_';
        out += text::FormatInt(areas[k].to);
        out += '_';
        out += EscapeListText(areas[k].text);
    }
    return out;
}

void CTextListen::Load(const CMessFahrtDaten& run, std::string_view sterntexte,
                       std::string_view freietexte, std::string_view bereichstexte,
                       std::string_view bereichOhneErkennung) {
    m_starTexts = BuildStarTexts(run, sterntexte);
    m_freeTexts = DecodeTexts(freietexte);
    m_areaTexts = DecodeAreaTexts(bereichstexte);
    m_excludedAreas = DecodeExcludedAreas(bereichOhneErkennung);
}

CTextListen::Values CTextListen::Discard() {
    Values v{EncodeTexts(m_starTexts), EncodeTexts(m_freeTexts), EncodeAreaTexts(m_areaTexts),
             EncodeExcludedAreas(m_excludedAreas)};
    m_starTexts.clear();
    m_freeTexts.clear();
    m_areaTexts.clear();
    m_excludedAreas.clear();
    return v;
}

}  // namespace nivora
