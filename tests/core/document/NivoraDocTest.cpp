#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "core/TestSupport.h"
#include "core/measurement/Pm02Builder.h"
#include "document/NivoraDoc.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"
#include "text/Cp1252.h"

namespace nivora {
namespace {

namespace fs = std::filesystem;

class ScriptedDialog final : public IFirstLoadDialog {
  public:
    explicit ScriptedDialog(FirstLoadAnswer a) : answer(std::move(a)) {}
    FirstLoadAnswer Ask(int32_t start, int32_t end) override {
        asked.emplace_back(start, end);
        return answer;
    }
    FirstLoadAnswer answer;
    std::vector<std::pair<int32_t, int32_t>> asked;
};

class DocumentTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> m;
        for (const auto& e : fs::directory_iterator(dir)) {
            std::ifstream in(e.path(), std::ios::binary);
            m[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return m;
    }
    CNivoraDoc::OpenResult Open(CNivoraDoc& doc, const std::string& path,
                                IFirstLoadDialog* dialog = nullptr) {
        DocumentServices s;
        s.messages = &messages;
        s.firstLoad = dialog;
        return doc.OpenFile(path, s);
    }

    // Four-field list: stations 0 to 100 m every 10 m, values 1 mm, speed none.
    static std::string Run(int samples = 11) {
        std::string s = "14.03.2026 09:30:15 Messung\r\nB 14\r\n";
        for (int i = 0; i < samples; ++i) s += std::to_string(i * 10) + ";1,0;0;\r\n";
        return s;
    }

    test::TempDir tmp;
    fs::path dir = tmp.path();
    test::RecordingMessageSink messages;
};

TEST_F(DocumentTest, FirstOpeningWithoutStateFile) {
    const std::string path = Write("lauf.csv", Run());
    const auto before = Snapshot();
    ScriptedDialog dialog({true, "5000;1"});
    CNivoraDoc doc;
    ASSERT_EQ(Open(doc, path, &dialog), CNivoraDoc::OpenResult::Opened);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0], (std::pair<int32_t, int32_t>{0, 1001}));
    const auto& z = doc.State();
    EXPECT_FALSE(z.FileExisted());
    EXPECT_EQ(z.GetValue("BOOL_SPIEGELN", ""), "1");
    EXPECT_EQ(z.GetValue("KILOMETRIERUNG_ANGEPASST", ""), "5000;1");
    // New stations 500 m to 600 m, then the order reversed: a descending run.
    EXPECT_EQ(z.GetValue("MANUVONBIS", ""), "6001;5000");
    EXPECT_EQ(z.GetValue("ABSCHNITTE", ""), "[6001|0||10|||1||||]");
    EXPECT_EQ(z.GetValue("STATGES", "?"), "||");
    EXPECT_EQ(z.GetValue("KOPFDATEN", ""), "14.03.2026 09:30:15 Messung, B 14");
    const auto& w = doc.Run().WorkingSamples();
    ASSERT_EQ(w.size(), 11u);
    EXPECT_EQ(w.front().station, 6000);
    EXPECT_EQ(w.back().station, 5000);
    EXPECT_EQ(doc.FileName(), "lauf.csv");
    EXPECT_EQ(doc.Exceedances().GetCurrency(), "EUR");
    EXPECT_EQ(Snapshot(), before);  // nothing written, nothing created

    // The answers live in memory only: the dialog comes again.
    CNivoraDoc again;
    ScriptedDialog second({});
    Open(again, path, &second);
    EXPECT_EQ(second.asked.size(), 1u);
    EXPECT_EQ(again.State().GetValue("BOOL_SPIEGELN", "0"), "0");
}

TEST_F(DocumentTest, IncompleteRunWarnsOnlyWithoutStateFile) {
    const std::string file = test::Pm02Head({"Pruefer|Meier"}) + test::Pm02Record(1, 0.0, 3.5, "") +
                             test::Pm02Record(2, 0.0100, 3.5, "Riss");
    const std::string path = Write("b27.dat", file);
    CNivoraDoc doc;
    ASSERT_EQ(Open(doc, path), CNivoraDoc::OpenResult::Opened);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(
        messages.shown[0].text,
        text::W("Achtung!\n\nDie Messreihe ist eventuell unvollständig bzw. wurde abgebrochen.\n"
                "Es stehen  10.1 m  Messwerte zur Verfügung, von Station  0.0  bis  10.1."));
    messages.shown.clear();
    Write("b27.dat.zi4", "KENNUNG=135122\r\n");
    CNivoraDoc withState;
    Open(withState, path);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentTest, StoredAdjustmentsAndRangeCorrection) {
    const std::string path = Write("lauf.csv", Run());
    Write("lauf.csv.zi4",
          "KENNUNG=135122\nMANUVONBIS=0;1000\nDEZIMETER_OFFSET=25\nKALIBRIERWERT=-5\n"
          "ABSCHNITTE=[0|350|40|10|0.6|12.5|1||||][500|325||10|||2||||]\n"
          "UEBERSCHREITUNGSDATEN_1=[400;52;5;1;1;1;;3.5;;][100;61;6;2;1;0;;0.0;;]\n"
          "UEBERSCHREITUNGSDATEN_4=[400\xBFRiss\xBF"
          "1]\n"
          "FREIETEXTE=300_Hinweis#underscore#1<2>_\nBEREICHOHNEERKENNUNGDATEN=200_250_Br\xFC"
          "cke\n");
    CNivoraDoc doc;
    ScriptedDialog dialog({true, ""});
    ASSERT_EQ(Open(doc, path, &dialog), CNivoraDoc::OpenResult::Opened);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_TRUE(messages.shown.empty());
    const auto& z = doc.State();
    EXPECT_EQ(z.GetValue("MANUVONBIS", ""), "0;1001");  // off by one: corrected
    EXPECT_EQ(z.GetValue("ABSCHNITTE", ""), "[0|350|40|10|0.6|12.5|1||||][500|325||10|||1||||]");
    EXPECT_FALSE(z.HasKey("STATGES"));
    const auto& w = doc.Run().WorkingSamples();
    EXPECT_EQ(w.front().station, 25);
    EXPECT_EQ(w.front().value, 5);
    EXPECT_EQ(doc.Run().RawSamples().front().value, 10);
    ASSERT_EQ(doc.Exceedances().GetCount(), 2);
    EXPECT_EQ(doc.Exceedances().Records()[0].station, 100);
    EXPECT_EQ(doc.Texts().FreeTexts().at(0).text, "Hinweis_1");
    EXPECT_EQ(doc.Texts().ExcludedAreas().at(0).text,
              "Br\xFC"
              "cke");
    ASSERT_EQ(z.SectionCache().size(), 2u);
    EXPECT_EQ(z.SectionCache()[1].to, 1001);
}

TEST_F(DocumentTest, EmptyStateFileFailsTheIdentificationCheck) {
    const std::string path = Write("lauf.csv", Run());
    Write("lauf.csv.zi4", "UBERSCHRIFT_ZEILE_1=Kopf\n");
    CNivoraDoc doc;
    ScriptedDialog dialog({});
    Open(doc, path, &dialog);
    EXPECT_TRUE(dialog.asked.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages.shown[0].text,
              "Fehler die Datei:\r\n  " + path + ".zi4" + text::W(" enthält inkonsistente Daten."));
    EXPECT_EQ(doc.State().GetValue("UBERSCHRIFT_ZEILE_1", "?"), "");
    EXPECT_EQ(doc.State().GetValue("MANUVONBIS", ""), "0;1001");
    EXPECT_EQ(doc.State().GetValue("ABSCHNITTE", ""), "[0|0||10|||1||||]");
}

TEST_F(DocumentTest, FailuresAndTheEmptyFile) {
    CNivoraDoc empty;
    EXPECT_EQ(Open(empty, Write("leer.txt", "")), CNivoraDoc::OpenResult::Opened);
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(empty.State().HasKey("INITIIERT_MIT_PROGRAMMVERSION"));

    CNivoraDoc refused;
    EXPECT_EQ(Open(refused, Write("x.txt", "kein Format")), CNivoraDoc::OpenResult::Refused);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Unerwartetes Dateiformat.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);

    messages.shown.clear();
    CNivoraDoc missing;
    EXPECT_EQ(Open(missing, (dir / "fehlt.txt").string()), CNivoraDoc::OpenResult::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Fehler beim \xD6"
              "ffnen des Dokuments.");
}

TEST_F(DocumentTest, FilesLargerThanTheMemoryAllowsAreNotRead) {
    // The limit comes from the machine's memory; a small one stands in for it.
    const std::string path = Write("lauf.csv", Run());
    const auto size = fs::file_size(path);
    Write("gross.csv", Run(400));
    Write("lauf.csv.zi4", "KENNUNG=135122\nVGL_PATH_1=" + (dir / "gross.csv").string() +
                              "\nVGL_PATH_2=" + path + "\n");
    DocumentServices s;
    s.messages = &messages;
    s.maxFileBytes = size - 1;
    CNivoraDoc tooLarge;
    EXPECT_EQ(tooLarge.OpenFile(path, s), CNivoraDoc::OpenResult::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, FileTooLargeMessage(size, size - 1));
    EXPECT_FALSE(tooLarge.Run().IsLoaded());

    // At the limit the run opens; a comparison run beyond it stays unloaded.
    messages.shown.clear();
    s.maxFileBytes = size;
    CNivoraDoc atLimit;
    ASSERT_EQ(atLimit.OpenFile(path, s), CNivoraDoc::OpenResult::Opened);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(atLimit.ComparisonRun(1).IsLoaded());
    EXPECT_TRUE(atLimit.ComparisonRun(2).IsLoaded());
}

TEST_F(DocumentTest, ComparisonRuns) {
    const std::string path = Write("lauf.csv", Run());
    Write("vergleich.csv", Run(6));
    Write("lauf.csv.zi4",
          "KENNUNG=135122\nVGL_PATH_1=C:\\Messungen\\Vergleich.CSV\nVGL_MIRROR_1=1\nVGL_OFF_1=2,5\n"
          "VGL_PATH_2=/nirgends/fehlt.csv\nVGL_PATH_3=" +
              path + "\n");
    const auto before = Snapshot();
    CNivoraDoc doc;
    Open(doc, path);
    const CMessFahrtDaten& first = doc.ComparisonRun(1);
    ASSERT_TRUE(first.IsLoaded());
    EXPECT_DOUBLE_EQ(first.comparisonOffset, 2.5);
    EXPECT_FALSE(first.reverseOrder);
    ASSERT_EQ(first.RawSamples().size(), 6u);
    // Reversed and mirrored along its length: 500 - s in reverse order.
    EXPECT_EQ(first.RawSamples().front().station, 0);
    EXPECT_EQ(first.RawSamples().back().station, 500);
    EXPECT_EQ(first.RawSamples().front().value, 10);
    EXPECT_EQ(first.WorkingCount(), 6);
    EXPECT_FALSE(doc.ComparisonRun(2).IsLoaded());
    EXPECT_TRUE(doc.ComparisonRun(3).IsLoaded());
    EXPECT_FALSE(doc.ComparisonRun(4).IsLoaded());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(DocumentTest, DiscardWritesTheTextListsBack) {
    const std::string path = Write("lauf.csv", "14.03.2026 09:30:15\r\n0;1;1;Riss\r\n10;1;0;\r\n");
    Write("lauf.csv.zi4", "KENNUNG=135122\nFREIETEXTE=5_frei<1>_\n");
    CNivoraDoc doc;
    Open(doc, path);
    ASSERT_EQ(doc.Texts().StarTexts().size(), 1u);
    doc.DiscardContents();
    EXPECT_TRUE(doc.Texts().FreeTexts().empty());
    EXPECT_EQ(doc.State().GetValue("FREIETEXTE", ""), "5_frei<1>_");
    EXPECT_EQ(doc.State().GetValue("STERNTEXTE", ""), "0_Riss<0>_");
    EXPECT_EQ(doc.State().GetValue("BEREICHOHNEERKENNUNGDATEN", "?"), "");
}

TEST_F(DocumentTest, EveryExampleOpensAndNothingIsWritten) {
    for (const auto& e : fs::directory_iterator(NIVORA_EXAMPLES_DIR))
        fs::copy_file(e.path(), dir / e.path().filename());
    const auto before = Snapshot();
    int opened = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (name.ends_with(".py") || name.ends_with(".md") || name.ends_with(".zi4") ||
            name.ends_with(".PGC"))
            continue;
        CNivoraDoc doc;
        ASSERT_EQ(Open(doc, e.path().string()), CNivoraDoc::OpenResult::Opened) << name;
        EXPECT_GT(doc.Run().WorkingCount(), 0) << name;
        doc.DiscardContents();
        ++opened;
    }
    EXPECT_EQ(opened, 10);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace nivora
