// The example dives shipped in data/: each is computed and written by the program itself.
// To write them again on purpose (after a change of the file format or of the calculation):
//   BRELUNE_BEISPIELE_NEU=1 build/tests/tests_files --gtest_filter='Beispiele*'
// and review the diff of data/ before committing it.
#include "commands/Unit_Main.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "support/Testumgebung.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace U = Unit_AustauchPlanung;

namespace {

struct Beispiel {
    const char* Datei_de;
    const char* Datei_en;
    const char* Kommentar;
    const char* Comment;
    std::function<void()> eingeben;
};

void Aufstiegsgase(float m_EAN50, float m_O2) {
    U::Aufstieg_Gaswechsel_OK = true;
    U::Aufstieg_Gaswechsel.Zeile = {
        {{m_O2, 6}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}, {m_EAN50, 4}}};
}

const std::vector<Beispiel>& Beispielliste() {
    static const std::vector<Beispiel> b = {
        {"Luft_40m_25min.dec", "Air_40m_25min.dec",
         "Lufttauchgang auf 40 m für 25 min mit Dekompressionsstops.*Zeigt die Stops auf dem 3-m-Raster.",
         "Air dive to 40 m for 25 min with decompression stops.*Shows the stops on the 3 m grid.",
         [] {
             M::Tauchen("3", "40");
             M::Tauchen("25", "40");
         }},
        {"Nitrox_EAN32_30m_35min.dec", "Nitrox_EAN32_30m_35min.dec",
         "Nitrox EAN32 auf 30 m für 35 min.*Weniger Stickstoff: kürzere Dekompression als mit Luft.",
         "Nitrox EAN32 at 30 m for 35 min.*Less nitrogen: shorter decompression than on air.",
         [] {
             M::Gas_waehlen(1);
             M::Tauchen("2", "30");
             M::Tauchen("35", "30");
         }},
        {"Trimix_60m_25min.dec", "Trimix_60m_25min.dec",
         "Trimix 18/45 auf 60 m für 25 min.*Dekogase EAN50 ab 21 m und Sauerstoff ab 6 m.",
         "Trimix 18/45 at 60 m for 25 min.*Deco gases EAN50 from 21 m and oxygen from 6 m.",
         [] {
             Aufstiegsgase(21, 6);
             M::Gas_waehlen(11);
             M::Tauchen("3", "60");
             M::Tauchen("25", "60");
         }},
        {"CCR_45m_40min_Bail_Out.dec", "CCR_45m_40min_bail_out.dec",
         "Kreislauftauchgerät (CCR) mit Diluent Tmx21/35 und Setpoint 1.3 bar auf 45 m für 40 min.*"
         "Bail Out auf offenes System zu Beginn des Aufstiegs, mit EAN50 und Sauerstoff.",
         "Closed circuit rebreather (CCR) with diluent Tmx21/35 and setpoint 1.3 bar at 45 m for 40 min.*"
         "Bail out to open circuit at the start of the ascent, with EAN50 and oxygen.",
         [] {
             Aufstiegsgase(21, 6);
             U::Bail_Out = true;
             M::Tauchgeraet_waehlen(1);
             M::Tauchgeraet_Wert_setzen("1.3");
             M::Gas_waehlen(10);
             M::Tauchen("3", "45");
             M::Tauchen("40", "45");
         }},
        {"SCR_25m_40min.dec", "SCR_25m_40min.dec",
         "Halbgeschlossenes Gerät mit konstantem Fluss (SCR), EAN36 mit 15.6 l/min auf 25 m für 40 min.",
         "Semi-closed rebreather with constant flow (SCR), EAN36 at 15.6 l/min at 25 m for 40 min.",
         [] {
             M::Tauchgeraet_waehlen(2);
             M::Gas_waehlen(2);
             M::Tauchen("2", "25");
             M::Tauchen("40", "25");
         }},
        {"pSCR_25m_45min.dec", "pSCR_25m_45min.dec",
         "Passives halbgeschlossenes Gerät (pSCR), EAN40 mit 10 % Dump Ratio auf 25 m für 45 min.*"
         "Der Kreislauf wird alle 5 min gespült.",
         "Passive semi-closed rebreather (pSCR), EAN40 with a dump ratio of 10 % at 25 m for 45 min.*"
         "The loop is flushed every 5 min.",
         [] {
             M::Tauchgeraet_waehlen(3);
             M::Gas_waehlen(3);
             M::Tauchgeraet_Wert_setzen("10");
             M::Tauchen("2", "25");
             M::Tauchen("45", "25");
         }},
    };
    return b;
}

std::string Datenordner() {
    return std::string(BRELUNE_QUELLORDNER) + "/data/";
}

// The official schema of the exchange format: beside the source folder (as CI has it), or where
// BRELUNE_UDDF_SCHEMA says.
std::string UDDF_Schema() {
    if (const char* Pfad = std::getenv("BRELUNE_UDDF_SCHEMA")) return Pfad;
    return std::string(BRELUNE_QUELLORDNER) + "/../shared/uddf/uddf_3.1.0.xsd";
}

// What xmllint says about the file against the schema; empty when it is valid.
std::string Schemafehler(const std::string& Datei, const std::string& Schema) {
    const std::string Protokoll = Datei + ".log";
    const std::string Befehl =
        "xmllint --noout --schema '" + Schema + "' '" + Datei + "' >'" + Protokoll + "' 2>&1";
    if (std::system(Befehl.c_str()) == 0) return {};
    std::ifstream ein(Protokoll);
    std::stringstream Text;
    Text << ein.rdbuf();
    return "xmllint failed: " + Text.str();
}

} // namespace

class Beispiele : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
        Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
        Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
        Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
        M::Neuer_Tauchgang();
    }
};

TEST_F(Beispiele, neu_schreiben_wenn_verlangt) {
    if (!std::getenv("BRELUNE_BEISPIELE_NEU")) GTEST_SKIP() << "BRELUNE_BEISPIELE_NEU not set";
    for (const auto& b : Beispielliste()) {
        for (int Sprache : {0, 1}) {
            Unit_Tools::Sprache = Sprache;
            Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
            U::Tabellen_zuruecksetzen();
            U::Bail_Out = false;
            M::Neuer_Tauchgang();
            b.eingeben();
            M::Austauchen_Klick();
            ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen) << b.Datei_en;
            Unit_Save_Read::Kommentar = b.Kommentar;
            Unit_Save_Read::Comment = b.Comment;
            const std::string Pfad = Datenordner() + (Sprache ? "Example_dives/" : "Tauchgang_Beispiele/") +
                                     (Sprache ? b.Datei_en : b.Datei_de);
            ASSERT_TRUE(Unit_Save_Read::Tauchgangsdatei_schreiben(Pfad)) << Pfad;
        }
    }
}

TEST_F(Beispiele, jedes_laesst_sich_laden_und_rechnen) {
    for (const auto& b : Beispielliste())
        for (int Sprache : {0, 1}) {
            Unit_Tools::Sprache = Sprache;
            const std::string Pfad = Datenordner() + (Sprache ? "Example_dives/" : "Tauchgang_Beispiele/") +
                                     (Sprache ? b.Datei_en : b.Datei_de);
            ASSERT_TRUE(std::filesystem::exists(Pfad)) << Pfad;
            Oberflaeche.Antwort_Datei = Pfad;
            ASSERT_TRUE(Unit_Save_Read::Tauchgang_laden(M::Tauchgang_geladen)) << Pfad;
            EXPECT_EQ(Unit_Save_Read::Kommentar_der_Sprache(), Sprache ? b.Comment : b.Kommentar) << Pfad;
            EXPECT_GE(M::WayPoint_letzter_Eingabe, 2) << Pfad;
            M::Austauchen_Klick();
            EXPECT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen) << Pfad;
            EXPECT_EQ(W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].Aktion, "STOP") << Pfad;
            EXPECT_GT(U::min_Aufstiegszeit, 1.0f) << Pfad;
        }
}

// Every example dive exported as UDDF is valid against the official schema, in both languages
// (the comments differ) and as a repetition dive (the surface interval is a number then).
TEST_F(Beispiele, jedes_wird_als_gueltiges_UDDF_exportiert) {
    const std::string Schema = UDDF_Schema();
    if (!std::filesystem::exists(Schema))
        GTEST_SKIP() << "the UDDF schema is not at " << Schema
                     << " (BRELUNE_UDDF_SCHEMA names another place)";
    const auto Ordner = std::filesystem::path(::testing::TempDir()) / "uddf_beispiele";
    std::filesystem::create_directories(Ordner);
    for (const auto& b : Beispielliste())
        for (int Sprache : {0, 1}) {
            Unit_Tools::Sprache = Sprache;
            const std::string Name = Sprache ? b.Datei_en : b.Datei_de;
            Oberflaeche.Antwort_Datei =
                Datenordner() + (Sprache ? "Example_dives/" : "Tauchgang_Beispiele/") + Name;
            ASSERT_TRUE(Unit_Save_Read::Tauchgang_laden(M::Tauchgang_geladen)) << Name;
            if (Sprache) {
                M::Wiederholungstauchgang_beginnen(1.5f);
                b.eingeben();
            }
            M::Austauchen_Klick();
            const std::string Ziel = (Ordner / (Name + std::to_string(Sprache) + ".uddf")).string();
            ASSERT_TRUE(Unit_Save_Read_UDDF::UDDF_exportieren_Datei(Ziel)) << Ziel;
            EXPECT_EQ(Schemafehler(Ziel, Schema), "") << Ziel;
        }
}
