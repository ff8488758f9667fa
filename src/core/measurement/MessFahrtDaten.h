#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measurement/LineBuffer.h"
#include "measurement/Messung.h"

namespace nivora {

class IMessageSink;

// What a reader may need beyond the file's own lines.
struct ReadContext {
    // Shows the messages of a reader; may be null (messages are dropped).
    IMessageSink* messages = nullptr;
    // Reads a side file next to the measurement file (the remark list of the
    // limit-value list). Empty when the file cannot be opened. Null: the
    // file system is used, matching names without regard to letter case.
    std::function<std::optional<std::string>(const std::string& path)> readSideFile;
    // Advice for the lines and samples of a long run; may be empty.
    LargeBlockAdvice adviseLargeBlock;
};

// Header fields that only some formats fill.
struct KopfFelder {
    std::string number, date, office, department, inspector, roadType, roadNumber;
    std::string street, startKm;
};

// One measurement run: the samples read from a file and the state the
// document adjusts (kilometrage, direction, range, correction).
class CMessFahrtDaten {
  public:
    // Format codes as the readers set them.
    static constexpr int kTextPrintout = 1, kFourField = 3, kRecordList = 4, kLimitList = 5,
                         kStreetList = 6, kFiveField = 7, kPm01Bs01 = 1001, kPm01Bs02 = 1002,
                         kDatumList = 1003;

    // Reads a whole file (its bytes) into the run through format detection.
    void Load(std::string_view bytes, const std::string& path, const ReadContext& context = {});
    // The same, keeping the lines in the given bytes, so that a large file
    // is not held twice.
    void Load(std::string&& bytes, const std::string& path, const ReadContext& context = {});
    void ClearSamples();
    // The largest file that is read: the given limit of the memory (0: none),
    // and never more than a run's line buffer holds. A larger one loads
    // nothing.
    static std::uintmax_t LargestFile(std::uintmax_t memoryLimit);

    void ApplyKilometrage();
    void ReverseRun();
    void SetRange(int32_t start, int32_t end);
    void ResetRange();
    void SetCorrection(int32_t correction);
    void ShiftStations(int32_t delta);
    void RebuildSelection();

    int32_t GetLimit() const { return m_limit; }
    void SetLimit(int32_t limit) { m_limit = limit; }

    bool IsLoaded() const { return m_loaded; }
    bool IsAscending() const { return m_rangeStart < m_rangeEnd; }
    bool IsIncomplete() const { return m_incomplete; }
    int32_t FirstRawStation() const;
    int32_t LastRawStation() const;
    int WorkingCount() const { return static_cast<int>(Working().size()); }
    MESSUNG GetSample(int i) const;
    int32_t GetStation(int i) const;
    int32_t GetValue(int i) const;
    std::string GetComment(int i) const;
    bool IsMarked(int i) const;
    // Working station, comment and file station of working sample i.
    bool GetStationPair(int i, int32_t& station, std::string& comment, int32_t& fileStation) const;
    const std::string& GetRawText() const;
    // Index of the raw sample that working sample i was taken from (-1 when
    // i is not below the count).
    int RawIndexOfWorking(int i) const;

    // Read-only views and the fields that the document and the readers set.
    int formatCode = 0;
    bool reverseOrder = false;
    std::string kilometrage;
    KopfFelder fields;
    std::string headerText;
    double comparisonOffset = 0.0;

    const std::vector<MESSUNG>& RawSamples() const { return m_raw; }
    const std::vector<MESSUNG>& WorkingSamples() const {
        return m_workingIsRaw ? m_raw : m_working;
    }
    const LineBuffer& FileLines() const { return m_lines; }
    const std::string& FilePath() const { return m_path; }
    int32_t RangeStart() const { return m_rangeStart; }
    int32_t RangeEnd() const { return m_rangeEnd; }
    int32_t Correction() const { return m_correction; }
    int32_t KilometrageOffset() const { return m_kilometrageOffset; }
    int SpeedCount() const { return m_speedCount; }

    // Used by the readers while they fill the run.
    std::vector<MESSUNG>& MutableRaw() {
        DetachWorking();
        return m_raw;
    }
    LineBuffer& MutableLines() { return m_lines; }
    void SetIncomplete(bool v) { m_incomplete = v; }

  private:
    void RunReaders(bool recordMode, const ReadContext& context);
    // Gives the working samples their own copy before the raw ones change.
    void DetachWorking();
    const std::vector<MESSUNG>& Working() const { return WorkingSamples(); }

    std::vector<MESSUNG> m_raw;
    std::vector<MESSUNG> m_working;
    std::vector<int> m_workingRawIndex;
    // The usual selection takes every raw sample unchanged; then the working
    // samples are the raw ones, and a long run is not held twice.
    bool m_workingIsRaw = false;
    LineBuffer m_lines;
    std::string m_path;
    mutable std::optional<std::string> m_rawText;
    int32_t m_rangeStart = 0;
    int32_t m_rangeEnd = 0;
    int32_t m_limit = 0;
    int32_t m_correction = 0;
    int32_t m_kilometrageOffset = 0;
    int m_speedCount = 0;
    bool m_loaded = false;
    bool m_incomplete = false;
};

}  // namespace nivora
