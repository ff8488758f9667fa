#pragma once
// Small documents for the page drawing tests: a measurement file given as
// bytes, opened with a state file next to it, and the runs of the formats
// whose page headers differ.
#include <optional>
#include <string>
#include <vector>

#include "core/TestSupport.h"
#include "core/measurement/Pm02Builder.h"
#include "document/NivoraDoc.h"
#include "document/Zi4Verwaltung.h"

namespace nivora::test {

// The state text with the KENNUNG that its headline lines and star texts
// need, so that opening keeps them.
inline std::string WithKennung(const std::string& state) {
    CZi4Verwaltung z;
    z.ReadText(state);
    return state + "\nKENNUNG=" + z.ComputeIdentification() + "\n";
}

// Opens bytes as the file at path; the state file (path + ".zi4") is the
// given text with a matching KENNUNG, or missing. No other file exists.
inline bool OpenDocument(CNivoraDoc& doc, const std::string& bytes, const std::string& path,
                         const std::optional<std::string>& state, IMessageSink& messages) {
    DocumentServices services;
    services.messages = &messages;
    const std::string statePath = CNivoraDoc::StatePathFor(path);
    const std::optional<std::string> stateText =
        state ? std::optional<std::string>(WithKennung(*state)) : std::nullopt;
    services.readFile = [statePath, stateText](const std::string& p) {
        return p == statePath ? stateText : std::nullopt;
    };
    return doc.LoadFromFile(bytes, path, services);
}

// Text printout (format code 1): header fields, limit 4,0 mm, stations 3400 to 3420.
inline std::string PrintoutRun() {
    return Crlf({"   MESSUNG NR.  17", "vom 14.03.2026", "Dienststelle  SBA Rottweil",
                 "Abteilung Bau", "  Pruefer  Meier ", "Str.-Typ B", "Str.-Nr. 31",
                 "Grenzwert  4,0 mm", "     -10   0  +10  +20  +30", "  -12   3400  *Riss",
                 "5 3410", "7 3420"});
}

// Four-field list (code 3): stations 0 to 100 m every 10 m, header text
// "14.03.2026 09:30:15 Messung, B 14".
inline std::string FourFieldRun(int samples = 11) {
    std::string s = "14.03.2026 09:30:15 Messung\r\nB 14\r\n";
    for (int i = 0; i < samples; ++i) s += std::to_string(i * 10) + ";1,0;0;\r\n";
    return s;
}

inline std::string FiveFieldRun() {
    return Crlf({"14.03.2026 09:30:15", "0;1,5;3,50;0;", "0,5;2;3,75;1;Flickstelle"});
}

inline std::string RecordListRun() {
    return Crlf(
        {"ROLLSTAB: Me\xDF"
         "datens\xE4tze;L 1100",
         "0,1234;2,5", "0,1235;-1,25;x", "Grenzwert [mm]:;4;"});
}

inline std::string LimitListRun() {
    return Crlf({"Grenzwert 4.0 mm", "km mm km/h mm", "0.0100 1.5", "0.0200\t2.5\t4.5"});
}

inline std::string StreetListRun() {
    return Crlf({"Strasse:  B 27", "Start-Km: 12,300  ", "0,0000 1,5", "0.0010\t-2", "0,002"});
}

// "Datum:" list (code 1003): labelled header entries; every sample has a
// speed, stations every 5 m.
inline std::string DatumListRun(int samples = 3) {
    std::vector<std::string> lines = {"Datum: 14.05.2024 Zeit: 09:12:33",
                                      "Pruefer: Haag",
                                      "Strasse: K 7031",
                                      "x",
                                      "x",
                                      "Station;H\xF6he;Geschw;Kommentar;Breite;Grenze"};
    for (int i = 0; i < samples; ++i)
        lines.push_back(std::to_string(i * 5) + ";1,5;4," + std::to_string(i % 10) + ";;3,50;4,0");
    return Crlf(lines);
}

// PM01BS02 (code 1002) with its closing mark.
inline std::string Pm02Run() {
    return Pm02Head({"Zeitstempel|14.03.2026 09:30", "Dienststelle|SBA Rottweil"}) +
           Pm02Record(1.0, 0.0, 3.5, "") + Pm02Record(2.0, 0.0010, 3.5, "") + "***\r\n";
}

}  // namespace nivora::test
