// The main-menu commands around the exchange formats: importing a dive with the hook that loads
// it, and exporting the CSV report of a computed dive.
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "files/Dateiumgebung.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace A = Unit_Tauchgang_analysieren;

class Importbefehl : public Dateiumgebung {
  protected:
    void SetUp() override {
        Dateiumgebung::SetUp();
        Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
        Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
        Ordner = std::filesystem::temp_directory_path() / ("import_" + std::to_string(::getpid()));
        std::filesystem::create_directories(Ordner);
    }
    void TearDown() override {
        std::filesystem::remove_all(Ordner);
        Dateiumgebung::TearDown();
    }

    static std::string Inhalt(const std::filesystem::path& Datei) {
        std::ifstream ein(Datei, std::ios::binary);
        std::stringstream s;
        s << ein.rdbuf();
        return s.str();
    }

    std::filesystem::path Ordner;
    int Aufrufe = 0;
};

TEST_F(Importbefehl, UDDF_Import_laedt_den_Tauchgang_und_fuehrt_die_Gase_zusammen) {
    G::Gasgemisch_hinzufuegen("Mein 25/25", 25, 50, 25); // the user's own gas stays
    Unit_Graph_Utilities::Setpoint_Annotation_erlaubt = true;
    ASSERT_TRUE(Unit_Save_Read_UDDF::UDDF_Tauchgang_importieren(
        Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf"), [&] {
            ++Aufrufe;
            EXPECT_EQ(W::WayPoint_Anzahl, 436); // the samples are waypoints when the dive is loaded
        }));
    EXPECT_EQ(Aufrufe, 1);
    EXPECT_FALSE(Unit_Graph_Utilities::Setpoint_Annotation_erlaubt);
    EXPECT_GE(G::Gasgemisch_finden(0.25f, 0.50f, 0.25f), 0);
    // the dive's trimix 19/34 is in the list and its waypoints name it
    const int32_t Trimix = G::Gasgemisch_finden(0.19f, 0.47f, 0.34f);
    ASSERT_GE(Trimix, 0);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, Trimix);
}

TEST_F(Importbefehl, Misslungener_Import_ruft_nichts_und_laesst_den_Tauchgang) {
    Tauchgang_anlegen();
    const std::string vorher = Tauchgang_Text();
    const auto Datei = Ordner / "kein.uddf";
    std::ofstream(Datei) << "<?xml version=\"1.0\"?>\n<gpx></gpx>\n";
    const auto Hook = [&] { ++Aufrufe; };
    EXPECT_FALSE(Unit_Save_Read_UDDF::UDDF_Tauchgang_importieren(Datei.string(), Hook));
    EXPECT_FALSE(Unit_Save_Read_CSV::CSV_Tauchgang_importieren(Testdatei("seemann-xp5-de.txt"), 0, Hook));
    EXPECT_EQ(Aufrufe, 0);
    EXPECT_EQ(Tauchgang_Text(), vorher);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 2u);
}

TEST_F(Importbefehl, Import_schliesst_das_Analysefenster_und_bietet_den_gelesenen_Tauchgang_an) {
    A::Fenster_sichtbar = true;
    EXPECT_FALSE(A::CSV_Tauchgang_importieren(Testdatei("seemann-xp5-de.txt"), 0));
    EXPECT_FALSE(A::Fenster_sichtbar);
    ASSERT_TRUE(A::UDDF_Tauchgang_importieren(Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf")));
    EXPECT_TRUE(A::Fenster_sichtbar);
    EXPECT_GE(W::WayPoint_Anzahl, 436);
    A::Fenster_sichtbar = false;
    ASSERT_TRUE(A::CSV_Tauchgang_importieren(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"), 0));
    EXPECT_TRUE(A::Fenster_sichtbar);
}

TEST_F(Importbefehl, CSV_Import_mit_Voreinstellung) {
    ASSERT_TRUE(Unit_Save_Read_CSV::CSV_Tauchgang_importieren(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"),
                                                              0, [&] { ++Aufrufe; }));
    EXPECT_EQ(Aufrufe, 1);
    EXPECT_EQ(W::WayPoint_Anzahl, 1600);
    EXPECT_EQ(W::WayPoint[800].Tauchgeraet, 1);
}

TEST_F(Importbefehl, CSV_Export_schreibt_den_CSV_Bericht) {
    Unit_Main::Neuer_Tauchgang();
    Unit_Main::Tauchen("2", "20");
    Unit_Main::Tauchen("10", "20");
    Unit_Main::Austauchen_Klick();
    const auto Datei = Ordner / "bericht.csv";
    ASSERT_TRUE(Unit_Save_Read_CSV::CSV_exportieren_Datei(Datei.string()));
    const auto& Zeilen = Unit_Textpuffer::Memo_ReportCSV.lesen();
    // a header and one line per computed sample, each ended by CR LF
    ASSERT_EQ(Zeilen.size(), static_cast<std::size_t>(W::sData_Anzahl) + 2);
    std::string erwartet;
    for (const auto& z : Zeilen) erwartet += z + "\r\n";
    EXPECT_EQ(Inhalt(Datei), erwartet);
    EXPECT_EQ(std::count(Zeilen[1].begin(), Zeilen[1].end(), ','), 29); // 30 values

    // a file that cannot be written is reported and the old one stays
    const auto Gesperrt = Ordner / "fehlt" / "bericht.csv";
    EXPECT_FALSE(Unit_Save_Read_CSV::CSV_exportieren_Datei(Gesperrt.string()));
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
    // the dialog: a cancel writes nothing, a name writes there
    std::filesystem::remove(Datei);
    EXPECT_FALSE(Unit_Save_Read_CSV::CSV_exportieren());
    Oberflaeche.Antwort_Datei = Datei.string();
    EXPECT_TRUE(Unit_Save_Read_CSV::CSV_exportieren());
    EXPECT_EQ(Inhalt(Datei), erwartet);
}
