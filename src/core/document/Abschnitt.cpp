#include "document/Abschnitt.h"

#include <utility>

#include "document/KeyEncodings.h"
#include "measurement/MessFahrtDaten.h"
#include "text/Number.h"
#include "text/TextUtil.h"

namespace nivora {

using text::GetCharField;

std::string ABSCHNITT::Encode() const {
    return std::to_string(from) + "|" + std::to_string(width) + "|" +
           (limit > 0 ? std::to_string(limit) : "") + "|" + std::to_string(value3) + "|" + factorK +
           "|" + unitPrice + "|" + (evaluate ? "1" : "0") + "|" + roadSurface + "|" + meanSpeed +
           "|" + stdDev + "|" + vark;
}

void ABSCHNITT::Decode(std::string_view t, FlagRule rule) {
    from = text::ToInt(GetCharField(t, '|', 0));
    width = text::ToInt(GetCharField(t, '|', 1));
    limit = text::ToInt(GetCharField(t, '|', 2));
    value3 = text::ToInt(GetCharField(t, '|', 3));
    factorK = GetCharField(t, '|', 4);
    unitPrice = GetCharField(t, '|', 5);
    const std::string flag = GetCharField(t, '|', 6);
    evaluate = rule == FlagRule::ExactlyOne ? flag == "1" : text::ToInt(flag) != 0;
    roadSurface = GetCharField(t, '|', 7);
    meanSpeed = GetCharField(t, '|', 8);
    stdDev = GetCharField(t, '|', 9);
    vark = GetCharField(t, '|', 10);
}

bool ABSCHNITT::Contains(int32_t s) const { return (from <= s && s < to) || (to <= s && s < from); }

std::string ABSCHNITT::StatisticsText() const { return meanSpeed + "|" + stdDev + "|" + vark; }

double ABSCHNITT::FactorK() const { return text::ToDouble(factorK); }

double ABSCHNITT::UnitPrice() const { return text::ReadNumber(unitPrice); }

std::vector<ABSCHNITT> DecodeSections(std::string_view t, ABSCHNITT::FlagRule rule) {
    std::vector<ABSCHNITT> sections;
    for (const auto& group : BracketGroups(t)) {
        ABSCHNITT a;
        a.Decode(group, rule);
        sections.push_back(std::move(a));
    }
    return sections;
}

void AbschnittListe::Decode(std::string_view t, int32_t from, int32_t to) {
    rangeFrom = from;
    rangeTo = to;
    ascending = from < to;
    sections = DecodeSections(t, ABSCHNITT::FlagRule::NonZero);
    Normalize();
}

std::string AbschnittListe::Encode() const {
    std::string t;
    for (const auto& s : sections) t += "[" + s.Encode() + "]";
    return t;
}

void AbschnittListe::Normalize() {
    ascending = rangeFrom < rangeTo;
    if (sections.empty()) return;
    // A section that begins at or beyond the end of the range lies wholly
    // outside it; kept, it would stretch the section before it past the end.
    std::erase_if(sections, [this](const ABSCHNITT& s) {
        return ascending ? s.from >= rangeTo : s.from <= rangeTo;
    });
    if (sections.empty()) return;
    if (ascending) {
        for (std::size_t i = sections.size(); i-- > 0;)
            sections[i].to = i + 1 < sections.size() ? sections[i + 1].from : rangeTo;
        // Removed sections are left out while the kept ones move up, so that
        // many removals stay linear.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            ABSCHNITT& s = sections[i];
            // Zero length, or wholly before the range (it would turn round).
            if (s.from == s.to || s.to <= rangeFrom) continue;
            if (s.from < rangeFrom) {
                // Also a section that covers the whole range stays, clipped at both ends.
                s.from = rangeFrom;
                if (s.to > rangeTo) s.to = rangeTo;
            } else if (s.to > rangeTo) {
                s.to = rangeTo;
            }
            if (kept != i) sections[kept] = std::move(s);
            ++kept;
        }
        sections.erase(sections.begin() + static_cast<std::ptrdiff_t>(kept), sections.end());
    } else {
        int32_t v = rangeTo;
        for (std::size_t i = sections.size(); i-- > 0;) {
            ABSCHNITT& s = sections[i];
            s.to = v;
            if (s.from > rangeFrom) s.from = rangeFrom;
            v = s.from;
        }
    }
}

void AbschnittListe::UpdateStatistics(const CMessFahrtDaten& run) {
    Normalize();
    LocateSections(run, sections);
}

SectionsAtOpening ComputeSectionsAtOpening(const CMessFahrtDaten& run,
                                           const std::string& abschnitte, int32_t rangeFrom,
                                           int32_t rangeTo) {
    SectionsAtOpening r;
    AbschnittListe list;
    if (abschnitte.empty()) {
        ABSCHNITT whole;
        BuildDefaultSections(run, whole, list);
        for (auto& s : list.sections)
            if (s.limit <= 0) s.limit = run.GetLimit();
        r.abschnitte = list.Encode();
        r.statges = whole.StatisticsText();
        r.statgesChanged = true;
        return r;
    }
    list.Decode(abschnitte, rangeFrom, rangeTo);
    list.UpdateStatistics(run);
    r.abschnitte = list.Encode();
    return r;
}

}  // namespace nivora
