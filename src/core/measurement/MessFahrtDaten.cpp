#include "measurement/MessFahrtDaten.h"

#include <algorithm>

#include "measurement/FileSplitter.h"
#include "measurement/Readers.h"
#include "text/Number.h"

namespace nivora {

using text::SatAdd;
using text::SatSub;

namespace {
bool IsRecordFile(std::string_view bytes) { return bytes.substr(0, 8) == "PM01BS02"; }
}  // namespace

void CMessFahrtDaten::Load(std::string_view bytes, const std::string& path,
                           const ReadContext& context) {
    Load(std::string(bytes), path, context);
}

void CMessFahrtDaten::Load(std::string&& bytes, const std::string& path,
                           const ReadContext& context) {
    m_lines.clear();
    m_path = path;
    m_rawText.reset();
    if (bytes.size() > LargestFile(0)) return;
    const bool recordMode = IsRecordFile(bytes);
    const LargeBlockAdvice& advice = context.adviseLargeBlock;
    m_lines = recordMode ? SplitRecordLines(std::move(bytes), advice)
                         : SplitTextLines(std::move(bytes), advice);
    RunReaders(recordMode, context);
}

std::uintmax_t CMessFahrtDaten::LargestFile(std::uintmax_t memoryLimit) {
    const std::uintmax_t buffer = LineBuffer::kMaxBytes;
    return memoryLimit > 0 ? std::min(memoryLimit, buffer) : buffer;
}

namespace {

template <bool (*Read)(CMessFahrtDaten&, const ReadContext&), int kCode>
int Recognise(CMessFahrtDaten& run, const ReadContext& context) {
    return Read(run, context) ? kCode : 0;
}

}  // namespace

void CMessFahrtDaten::RunReaders(bool recordMode, const ReadContext& context) {
    m_raw.reserve(m_raw.size() + m_lines.size());  // at most one sample per line
    AdviseLargeBlock(context.adviseLargeBlock, m_raw.data(), m_raw.capacity() * sizeof(MESSUNG));
    if (recordMode) {
        if (readers::ReadPm01Bs02(*this)) {
            formatCode = kPm01Bs02;
            m_loaded = true;
        }
        return;
    }
    // Each reader answers with the format it recognised, 0 when it did not.
    using Reader = int (*)(CMessFahrtDaten&, const ReadContext&);
    static const Reader kChain[] = {
        Recognise<readers::ReadPm01Bs01, kPm01Bs01>,
        Recognise<readers::ReadStreetList, kStreetList>,
        Recognise<readers::ReadLimitList, kLimitList>,
        readers::ReadDatedFieldList,
        Recognise<readers::ReadRecordList, kRecordList>,
        Recognise<readers::ReadDatumList, kDatumList>,
    };
    for (const Reader read : kChain) {
        const std::size_t before = m_raw.size();
        if (const int code = read(*this, context)) {
            formatCode = code;
            m_loaded = true;
            return;
        }
        m_raw.resize(before);  // a refusing reader leaves no samples behind
    }
    formatCode = kTextPrintout;
    const std::size_t before = m_raw.size();
    m_loaded = readers::ReadTextPrintout(*this, context);
    if (!m_loaded) m_raw.resize(before);
}

void CMessFahrtDaten::DetachWorking() {
    if (!m_workingIsRaw) return;
    m_working = m_raw;
    m_workingRawIndex.resize(m_raw.size());
    for (std::size_t r = 0; r < m_raw.size(); ++r) m_workingRawIndex[r] = static_cast<int>(r);
    m_workingIsRaw = false;
}

void CMessFahrtDaten::ClearSamples() {
    m_workingIsRaw = false;
    m_raw.clear();
    m_working.clear();
    m_workingRawIndex.clear();
    m_speedCount = 0;
    m_rawText.reset();
}

int32_t CMessFahrtDaten::FirstRawStation() const {
    return m_raw.empty() ? 0 : m_raw.front().station;
}
int32_t CMessFahrtDaten::LastRawStation() const { return m_raw.empty() ? 0 : m_raw.back().station; }

void CMessFahrtDaten::ApplyKilometrage() {
    DetachWorking();
    if (!kilometrage.empty() && !m_raw.empty()) {
        const auto semi = kilometrage.find(';');
        const int32_t start = text::ToInt(std::string_view(kilometrage).substr(0, semi));
        m_kilometrageOffset = SatSub(m_raw.front().station, start);
        for (MESSUNG& m : m_raw) m.station = SatSub(m.station, m_kilometrageOffset);

        const bool ascending = m_raw.front().station < m_raw.back().station;
        std::string flag;
        if (semi != std::string::npos) {
            const auto rest = kilometrage.substr(semi + 1);
            flag = rest.substr(0, rest.find(';'));
        }
        if ((ascending && flag != "1") || (!ascending && flag == "1")) {
            const long long f = m_raw.front().station;
            for (MESSUNG& m : m_raw) m.station = text::ClampToInt(2 * f - m.station);
        }
    }
    if (reverseOrder) std::reverse(m_raw.begin(), m_raw.end());
    ResetRange();
}

void CMessFahrtDaten::ReverseRun() {
    DetachWorking();
    const long long length = static_cast<long long>(LastRawStation()) - FirstRawStation();
    std::reverse(m_raw.begin(), m_raw.end());
    for (MESSUNG& m : m_raw) m.station = text::ClampToInt(length - m.station);
}

void CMessFahrtDaten::SetRange(int32_t start, int32_t end) {
    m_rangeStart = start;
    m_rangeEnd = end;
    RebuildSelection();
}

void CMessFahrtDaten::ResetRange() {
    m_rangeStart = FirstRawStation();
    m_rangeEnd = LastRawStation();
    if (m_rangeStart < m_rangeEnd)
        m_rangeEnd = SatAdd(m_rangeEnd, 1);
    else
        m_rangeStart = SatAdd(m_rangeStart, 1);
}

void CMessFahrtDaten::SetCorrection(int32_t correction) {
    m_correction = correction;
    RebuildSelection();
}

void CMessFahrtDaten::ShiftStations(int32_t delta) {
    for (MESSUNG& m : m_raw) m.station = SatAdd(m.station, delta);
    if (!m_workingIsRaw)
        for (MESSUNG& m : m_working) m.station = SatAdd(m.station, delta);
    m_rangeStart = SatAdd(m_rangeStart, delta);
    m_rangeEnd = SatAdd(m_rangeEnd, delta);
}

void CMessFahrtDaten::RebuildSelection() {
    m_workingIsRaw = false;
    m_working.clear();
    m_workingRawIndex.clear();
    m_speedCount = 0;
    const bool ascending = IsAscending();
    const auto inside = [&](const MESSUNG& m) {
        return ascending ? (m_rangeStart <= m.station && m.station <= m_rangeEnd)
                         : (m_rangeEnd <= m.station && m.station <= m_rangeStart);
    };
    if (m_correction == 0 && std::all_of(m_raw.begin(), m_raw.end(), inside)) {
        m_working.shrink_to_fit();
        m_workingRawIndex.shrink_to_fit();
        m_workingIsRaw = true;
        for (const MESSUNG& m : m_raw)
            if (m.HasSpeed()) ++m_speedCount;
        return;
    }
    for (std::size_t r = 0; r < m_raw.size(); ++r) {
        const MESSUNG& m = m_raw[r];
        if (!inside(m)) continue;
        MESSUNG copy = m;
        copy.value = SatAdd(copy.value, m_correction);
        if (copy.HasSpeed()) ++m_speedCount;
        m_working.push_back(std::move(copy));
        m_workingRawIndex.push_back(static_cast<int>(r));
    }
}

MESSUNG CMessFahrtDaten::GetSample(int i) const {
    if (i < 0 || i >= WorkingCount()) return MESSUNG{};
    return Working()[static_cast<std::size_t>(i)];
}

int32_t CMessFahrtDaten::GetStation(int i) const {
    return (i < 0 || i >= WorkingCount()) ? 0 : Working()[static_cast<std::size_t>(i)].station;
}
int32_t CMessFahrtDaten::GetValue(int i) const {
    return (i < 0 || i >= WorkingCount()) ? 0 : Working()[static_cast<std::size_t>(i)].value;
}
std::string CMessFahrtDaten::GetComment(int i) const {
    return (i < 0 || i >= WorkingCount()) ? std::string()
                                          : Working()[static_cast<std::size_t>(i)].comment.str();
}
bool CMessFahrtDaten::IsMarked(int i) const {
    return (i < 0 || i >= WorkingCount()) ? false : Working()[static_cast<std::size_t>(i)].Marked();
}

bool CMessFahrtDaten::GetStationPair(int i, int32_t& station, std::string& comment,
                                     int32_t& fileStation) const {
    if (i < 0 || i >= WorkingCount()) {
        station = 0;
        fileStation = 0;
        return false;
    }
    station = Working()[static_cast<std::size_t>(i)].station;
    comment = Working()[static_cast<std::size_t>(i)].comment;
    const int32_t raw =
        i < static_cast<int>(m_raw.size()) ? m_raw[static_cast<std::size_t>(i)].station : 0;
    fileStation = SatAdd(raw, m_kilometrageOffset);
    return true;
}

int CMessFahrtDaten::RawIndexOfWorking(int i) const {
    if (i < 0 || i >= WorkingCount()) return -1;
    return m_workingIsRaw ? i : m_workingRawIndex[static_cast<std::size_t>(i)];
}

const std::string& CMessFahrtDaten::GetRawText() const {
    if (!m_rawText) {
        std::size_t total = 0;
        for (const auto& l : m_lines) total += l.size() + 1;
        std::string t;
        t.reserve(total);
        for (const auto& l : m_lines) {
            t += l;
            t += '\n';
        }
        m_rawText = std::move(t);
    }
    return *m_rawText;
}

}  // namespace nivora
