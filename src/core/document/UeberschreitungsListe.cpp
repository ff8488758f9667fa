#include "document/UeberschreitungsListe.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "document/KeyEncodings.h"
#include "text/Number.h"
#include "text/ReportText.h"
#include "text/TextUtil.h"

namespace nivora {
namespace {

constexpr char kSubSeparator = '\xBF';  // "¿" between the parts of a remark
constexpr std::string_view kLineBreak = "{{CRLF}}";
constexpr std::size_t kNone = std::string_view::npos;

// Splits the groups of one bracket list into their first N fields at one
// separator byte, with the field rules of the text utilities (a field beyond
// the last separator is empty). The separator positions of the whole value
// are collected once and walked forward with the groups, so that overlapping
// groups do not rescan the text.
template <std::size_t N>
class GroupFields {
  public:
    GroupFields(std::string_view text, char separator) : m_text(text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == separator) m_positions.push_back(i);
    }

    // Groups must be passed in the order of their begin.
    std::array<std::string_view, N> Split(std::size_t begin, std::size_t end) {
        while (m_cursor < m_positions.size() && m_positions[m_cursor] < begin) ++m_cursor;
        std::array<std::string_view, N> fields{};
        std::size_t start = begin;
        std::size_t next = m_cursor;
        for (std::size_t k = 0; k < N; ++k) {
            const bool more = next < m_positions.size() && m_positions[next] < end;
            const std::size_t stop = more ? m_positions[next] : end;
            fields[k] = m_text.substr(start, stop - start);
            if (!more) break;
            start = stop + 1;
            ++next;
        }
        return fields;
    }

  private:
    std::string_view m_text;
    std::vector<std::size_t> m_positions;
    std::size_t m_cursor = 0;
};

// Remembers the last field converted: overlapping groups share their later
// fields, which are then converted once.
template <class T, T (*Convert)(std::string_view)>
class FieldMemo {
  public:
    T operator()(std::string_view field) {
        if (!m_valid || field.data() != m_data || field.size() != m_size) {
            m_value = Convert(field);
            m_data = field.data();
            m_size = field.size();
            m_valid = true;
        }
        return m_value;
    }

  private:
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    T m_value{};
    bool m_valid = false;
};

int32_t ReadInteger(std::string_view field) { return text::ToInt(field); }
double ReadDecimal(std::string_view field) { return text::ReadNumber(field); }

}  // namespace

std::string UeberschreitungsListe::DefaultParameters(int currencySetting) {
    return currencySetting == 1 ? "0.0;1.0;0.60;;;CHF;;;;;;;;;;;;"
                                : "0.0;1.0;0.60;;;EUR;;;;;;;;;;;;";
}

void UeberschreitungsListe::Load(bool ascending, std::string_view daten1, std::string_view daten2,
                                 std::string_view daten4, int currencySetting) {
    Clear();
    SetAscending(ascending);
    DecodeRecords(daten1);
    SetParameters(daten2, currencySetting);
    DecodeRemarks(daten4);
}

void UeberschreitungsListe::Clear() {
    m_records.clear();
    m_remarks.clear();
    m_parameters.clear();
    m_unsorted = true;
}

void UeberschreitungsListe::SetAscending(bool ascending) {
    // A changed direction invalidates an order already established.
    if (ascending != m_ascending) m_unsorted = true;
    m_ascending = ascending;
}

void UeberschreitungsListe::DecodeRecords(std::string_view text) {
    GroupFields<8> split(text, ';');
    FieldMemo<int32_t, ReadInteger> station, value, p;
    FieldMemo<double, ReadDecimal> speed;
    ForEachBracketGroup(text, [&](std::size_t begin, std::size_t end) {
        const auto f = split.Split(begin, end);
        UEBERSCHREITUNG r;
        r.page = UEBERSCHREITUNG::kNotDrawn;
        r.station = station(f[0]);
        r.value = value(f[1]);
        r.p = p(f[2]);
        r.number = 0;
        r.pSquared = text::TruncToInt(static_cast<double>(r.p) * r.p + 0.00001);
        r.counted = f[5] != "0";
        r.speed = speed(f[7]);
        m_records.push_back(r);
        return true;
    });
    m_unsorted = true;
}

void UeberschreitungsListe::DecodeRemarks(std::string_view text) {
    if (text.empty()) return;
    GroupFields<3> split(text, kSubSeparator);
    ForEachBracketGroup(text, [&](std::size_t begin, std::size_t end) {
        const auto f = split.Split(begin, end);
        // A key with "[" is the remainder of overlapping groups; it is never
        // the "%ld" text of a station and so could never be found. Skipping
        // it keeps nested brackets from storing the rest of the value again
        // for every group.
        if (f[0].find('[') != kNone) return true;
        std::string entry;
        entry.reserve(f[1].size() + 1 + f[2].size());
        entry.append(f[1]);
        entry.push_back(kSubSeparator);
        entry.append(f[2]);
        m_remarks.insert_or_assign(std::string(f[0]), std::move(entry));
        return true;
    });
}

void UeberschreitungsListe::SetParameters(std::string_view text, int currencySetting) {
    m_parameters = text.empty() ? DefaultParameters(currencySetting) : std::string(text);
}

void UeberschreitungsListe::EnsureSorted() const {
    if (!m_unsorted) return;
    // Equal stations keep their order, as with repeated adjacent swaps.
    if (m_ascending)
        std::stable_sort(m_records.begin(), m_records.end(),
                         [](const auto& a, const auto& b) { return a.station < b.station; });
    else
        std::stable_sort(m_records.begin(), m_records.end(),
                         [](const auto& a, const auto& b) { return a.station > b.station; });
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_records[i].number = text::ClampToInt(static_cast<long long>(i) + 1);
    m_unsorted = false;
}

bool UeberschreitungsListe::GetAt(int i, UEBERSCHREITUNG& out) const {
    EnsureSorted();
    if (i < 0 || i >= GetCount()) {
        out = UEBERSCHREITUNG{};
        return false;
    }
    out = m_records[static_cast<std::size_t>(i)];
    return true;
}

void UeberschreitungsListe::SetPage(int i, int page) {
    // The index means the same record as in GetAt.
    EnsureSorted();
    if (i >= 0 && i < GetCount()) m_records[static_cast<std::size_t>(i)].page = page;
}

const std::vector<UEBERSCHREITUNG>& UeberschreitungsListe::Records() const {
    EnsureSorted();
    return m_records;
}

std::string UeberschreitungsListe::GetRemarkEntry(const std::string& stationText) const {
    const auto it = m_remarks.find(stationText);
    return it == m_remarks.end() ? std::string() : it->second;
}

std::string UeberschreitungsListe::GetDiagramLabel(const std::string& stationText) const {
    const std::string entry = GetRemarkEntry(stationText);
    const std::size_t sep = entry.find(kSubSeparator);
    if (sep == kNone || std::string_view(entry).substr(sep + 1) != "1") return {};
    std::string_view label = std::string_view(entry).substr(0, sep);
    const std::size_t br = label.find(kLineBreak);
    if (br != kNone) label = label.substr(0, br);
    return std::string(label.substr(0, 15));
}

std::string UeberschreitungsListe::GetCurrency() const {
    return text::GetCharField(m_parameters, ';', 5);
}

void UeberschreitungsListe::AppendReportLines(std::vector<std::string>& lines) const {
    EnsureSorted();
    lines.reserve(lines.size() + m_records.size());
    for (const UEBERSCHREITUNG& r : m_records) {
        std::string line = "<<<";
        line += text::FormatInt(r.station);
        line += '|';
        line += text::FormatInt(r.p);
        line += '|';
        line += text::FormatInt(r.pSquared);
        line += '|';
        // A typed "|", "<<<", ">>>" or 0xBF would break the line's fields.
        const std::string entry = GetRemarkEntry(text::FormatInt(r.station));
        const std::size_t sep = entry.find(kSubSeparator);
        line += ReportFieldText(std::string_view(entry).substr(0, sep));
        if (sep != kNone) {
            line += kSubSeparator;
            line += ReportFieldText(std::string_view(entry).substr(sep + 1));
        }
        line += '|';
        line += r.counted ? '1' : '0';
        line += "||";
        line += text::FormatFixed(r.speed, 1);
        line += ">>>";
        lines.push_back(std::move(line));
    }
}

}  // namespace nivora
