#include <gtest/gtest.h>

#include <QFile>

#include "QtSettingsStore.h"
#include "QtText.h"
#include "platform/Einstellungen.h"
#include "support/TempDir.h"

namespace nivora::qt {
namespace {

TEST(QtSettingsStore, RoundTripOfTextsAndIntegers) {
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("nivora.ini"));
    {
        QtSettingsStore store(path);
        store.WriteText("Sonstiges", "LastFileOpen",
                        "/daten/Stra\xDF"
                        "e.dat");
        store.WriteInt("Sonstiges", "DiagrammeProSeite", 2);
        store.WriteText("Farben", "Farbe2", "kein Wert");
        store.WriteInt("Spaltenbreiten/AuswertungDlg", "Spalte0", 40);
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadText("Sonstiges", "LastFileOpen"),
              std::optional<std::string>("/daten/Stra\xDF"
                                         "e.dat"));
    EXPECT_EQ(store.ReadInt("Sonstiges", "DiagrammeProSeite"), std::optional<int32_t>(2));
    EXPECT_FALSE(store.ReadInt("Farben", "Farbe2"));
    EXPECT_FALSE(store.ReadText("Farben", "Farbe0"));
    store.DeleteKey("Spaltenbreiten");
    EXPECT_FALSE(store.ReadInt("Spaltenbreiten/AuswertungDlg", "Spalte0"));

    CEinstellungen s;
    s.ReadFromStore(store);
    EXPECT_EQ(s.Colour(2), CEinstellungen::kDefaultColours[2]);
}

TEST(QtSettingsStore, HandWrittenIniFile) {
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("hand.ini"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "[Sonstiges]\nNrDiagramme=2,3\nNrAusWertung=Pr\xC3\xBC"
            "fung\n"
            "Waerung=1\n[Dicken]\nDicke4=25mm\n");
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.ReadText("Sonstiges", "NrDiagramme"), std::optional<std::string>("2,3"));
    CEinstellungen s;
    s.ReadFromStore(store);
    EXPECT_EQ(s.nrDiagramme, "2,3");
    EXPECT_EQ(s.nrAusWertung,
              "Pr\xFC"
              "fung");
    EXPECT_EQ(s.Currency(), "CHF");
    EXPECT_EQ(s.Width(4), 25);
}

TEST(QtText, Cp1252Conversion) {
    EXPECT_EQ(FromCp1252("\xE4\x80\xBF"), QString::fromUtf8("ä€¿"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Prüfer €")),
              "Pr\xFC"
              "fer \x80");
}

}  // namespace
}  // namespace nivora::qt
