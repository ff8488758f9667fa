#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace nivora::test {
namespace {

using Json = nlohmann::json;

std::string Crlf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

TEST(CliUsage, HelpVersionAndUsageErrors) {
    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Nivora 4.5.48\n");
    const auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Aufruf: nivora-cli"), std::string::npos);
    for (const std::string command : {"info", "read", "open", "report"}) {
        const auto commandHelp = RunCli({command, "--help"});
        EXPECT_EQ(commandHelp.status, 0);
        EXPECT_NE(commandHelp.out.find("Aufruf: nivora-cli " + command + " DATEI"),
                  std::string::npos)
            << command;
    }

    const std::vector<std::vector<std::string>> usageErrors = {
        {},
        {"lesen", "x"},
        {"read"},
        {"read", "a", "b"},
        {"info", "--gibtsnicht", "a"},
        {"read", "--mirror", "a"},
    };
    for (const auto& args : usageErrors) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(CliRead, PrintsEveryFieldAsUtf8) {
    TempDir dir;
    const std::string path = dir.Write(
        "k.csv", Crlf({"Messprotokoll", "Datum: 04.03.2026 Zeit: 8:05:09", "Strasse: B 27 \xBF\x81",
                       "Station;H\xF6he;Geschw;Kommentar;Breite;Grenze", "x", "x", "x",
                       "0,0;1,5;12,3;Schachtdeckel \xE4;3,5;4", "1,0;2;40;;3;4", "2,0;2;-1;;3;4"}));
    const auto r = RunCli({"read", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const Json j = Json::parse(r.out);
    const std::vector<std::string> keys = {"path",    "loaded",      "format",  "incomplete",
                                           "limit",   "header_text", "fields",  "range",
                                           "samples", "lines",       "messages"};
    std::vector<std::string> actualKeys;
    for (auto it = j.begin(); it != j.end(); ++it) actualKeys.push_back(it.key());
    EXPECT_EQ(std::multiset<std::string>(actualKeys.begin(), actualKeys.end()),
              std::multiset<std::string>(keys.begin(), keys.end()));
    EXPECT_EQ(j["path"], path);
    EXPECT_EQ(j["loaded"], true);
    EXPECT_EQ(j["format"], 1003);
    EXPECT_EQ(j["limit"], 0);
    EXPECT_EQ(j["header_text"],
              "Datum: 04.03.2026 08:05:09\xC2\xBF"
              "Strasse: B 27 \xC2\xBF\xC2\x81\xC2\xBF");
    EXPECT_EQ(j["fields"].size(), 9u);
    EXPECT_EQ(j["fields"]["street"], "");
    EXPECT_EQ(j["range"], Json::array({0, 21}));
    ASSERT_EQ(j["samples"].size(), 3u);
    EXPECT_EQ(j["samples"][0], Json::parse(R"([0, 15, 350, 12.3, 40, true, "Schachtdeckel ä"])"));
    // Speeds print in their shortest form.
    const std::string out = r.out;
    EXPECT_NE(out.find("[10,20,300,40,40,false,\"\"]"), std::string::npos) << out;
    EXPECT_NE(out.find("[20,20,300,-1,40,false,\"\"]"), std::string::npos);
    EXPECT_EQ(j["lines"][1], "Datum: 04.03.2026 08:05:09");
    EXPECT_EQ(j["messages"], Json::array());
}

TEST(CliRead, NulBytesAndControlCharactersAreEscaped) {
    auto le = [](double d) {
        std::string s(8, '\0');
        std::memcpy(s.data(), &d, 8);
        return s;
    };
    const std::string rec =
        le(1.0) + le(0) + le(0.1) + le(3.0) + le(0) + std::string("R\0s", 3) + "\r\n";
    TempDir dir;
    const std::string path = dir.Write("b.dat", "PM01BS02\r\nPruefer|M\r\n***\r\n" + rec);
    const auto r = RunCli({"read", path});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"R\\u0000s\""), std::string::npos) << r.out;
    const Json j = Json::parse(r.out);
    EXPECT_EQ(j["format"], 1002);
    EXPECT_EQ(j["incomplete"], true);
}

TEST(CliRead, RefusedAndUnreadableFiles) {
    TempDir dir;
    const auto refused = RunCli({"read", dir.Write("x.txt", "kein Format\r\n")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "warning: Unerwartetes Dateiformat.\n");
    const Json j = Json::parse(refused.out);
    EXPECT_EQ(j["loaded"], false);
    EXPECT_EQ(j["format"], 1);
    EXPECT_EQ(j["range"], Json::array({0, 0}));
    EXPECT_EQ(j["messages"], Json::array());

    const auto multi =
        RunCli({"read", dir.Write("s.txt", Crlf({"Sp1   Sp2    Sp3", "Grenzwert 4,0", "1 2"}))});
    EXPECT_EQ(multi.status, 1);
    EXPECT_EQ(multi.err,
              "error: FEHLER\\r\\nDieses Dateiformat wird nicht unterst\xC3\xBCtzt!\n"
              "warning: Unerwartetes Dateiformat.\n");
    const Json m = Json::parse(multi.out);
    ASSERT_EQ(m["messages"].size(), 1u);
    EXPECT_EQ(m["messages"][0]["icon"], "error");
    EXPECT_EQ(m["messages"][0]["text"],
              "FEHLER\r\nDieses Dateiformat wird nicht unterst\xC3\xBCtzt!");

    for (const std::string& missing : {(dir.path() / "fehlt.txt").string(), dir.path().string()}) {
        const auto r = RunCli({"read", missing});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err,
                  "error: Fehler beim \xC3\x96"
                  "ffnen des Dokuments.\n");
        EXPECT_EQ(Json::parse(r.out)["loaded"], false);
    }

    const auto empty = RunCli({"read", dir.Write("leer.txt", "")});
    EXPECT_EQ(empty.status, 1);
}

TEST(CliInfo, GermanSummary) {
    TempDir dir;
    const std::string path = dir.Write(
        "a.txt", Crlf({"PM01BS01", "14.03.2026 09:30", "Dienststelle SBA", "Abteilung Bau",
                       "Pruefer M\xFCller", "Str.-Typ B", "Str.-Nr. 27",
                       "1,5\t0\t0\t0\t0,0100\t3,50\tRiss", "1\t0\t0\t0\t0,0350\t3,50\t"}));
    const auto r = RunCli({"info", path});
    ASSERT_EQ(r.status, 0);
    for (const char* expected :
         {"Format: 1001 (Ger\xC3\xA4tedatei PM01BS01)\n", "Messwerte: 2\n",
          "Erste Station: 10,0 m\n", "Letzte Station: 35,0 m\n", "L\xC3\xA4nge: 25,0 m\n",
          "Grenzwert: 0,0 mm\n", "Unvollst\xC3\xA4ndig: nein\n",
          "  Pr\xC3\xBC"
          "fer: M\xC3\xBCller\n",
          "  Str.-Nr.: 27\n"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
    const auto refused = RunCli({"info", dir.Write("x.txt", "nichts")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
}

}  // namespace
}  // namespace nivora::test
