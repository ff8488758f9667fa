#pragma once
// The document's exceedance list: the records of UEBERSCHREITUNGSDATEN_1, the
// remarks of UEBERSCHREITUNGSDATEN_4 and the parameters of
// UEBERSCHREITUNGSDATEN_2. Records are offered sorted in the direction of
// travel; the remarks and parameters stay as read.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "document/Ueberschreitung.h"

namespace nivora {

class UeberschreitungsListe {
  public:
    // Parameters used when the stored ones are empty; currencySetting is the
    // application's "Waerung" (1: CHF, anything else: EUR).
    static std::string DefaultParameters(int currencySetting);

    // Empties the list and fills it from the three key values, in the order
    // the document loads them: records, parameters, remarks.
    void Load(bool ascending, std::string_view daten1, std::string_view daten2,
              std::string_view daten4, int currencySetting);
    void Clear();

    void SetAscending(bool ascending);
    bool IsAscending() const { return m_ascending; }

    // Appends the records of a bracket list "[station;value;p;number;page;counted;;speed;;]".
    void DecodeRecords(std::string_view text);
    // Adds the remark groups "station¿remark¿print flag"; a later key replaces an earlier one.
    void DecodeRemarks(std::string_view text);
    void SetParameters(std::string_view text, int currencySetting);

    int GetCount() const { return static_cast<int>(m_records.size()); }
    // Record i in station order; false and a zeroed record when i is out of range.
    bool GetAt(int i, UEBERSCHREITUNG& out) const;
    void SetPage(int i, int page);
    // All records in station order.
    const std::vector<UEBERSCHREITUNG>& Records() const;

    // The remark entry stored under a station text ("%ld"), or an empty text.
    std::string GetRemarkEntry(const std::string& stationText) const;
    // The first remark line, at most 15 characters, when its print flag is "1".
    std::string GetDiagramLabel(const std::string& stationText) const;
    std::string GetCurrency() const;
    // Remark entries by station text.
    const std::map<std::string, std::string, std::less<>>& Remarks() const { return m_remarks; }
    const std::string& GetParameters() const { return m_parameters; }

    // One line "<<<station|p|p²|remark entry|counted||speed>>>" per record, in
    // station order (the order the numbers refer to).
    void AppendReportLines(std::vector<std::string>& lines) const;

  private:
    void EnsureSorted() const;

    // Sorting is done on first use and changes nothing but the order and
    // the numbers, so the accessors stay const.
    mutable std::vector<UEBERSCHREITUNG> m_records;
    mutable bool m_unsorted = true;
    std::map<std::string, std::string, std::less<>> m_remarks;
    std::string m_parameters;
    bool m_ascending = true;
};

}  // namespace nivora
