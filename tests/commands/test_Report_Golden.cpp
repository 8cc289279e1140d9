// Golden files: the runtime table and the report of two dives computed here, in German (decimal
// comma) and English (decimal point). The files in tests/commands/golden/ were checked by hand
// against the table layout once; a difference means the texts changed.
//
// To re-bless on purpose after a wanted change, run the tests with BRELUNE_GOLDEN_NEU=1, e.g.
//   BRELUNE_GOLDEN_NEU=1 build/tests/tests_commands --gtest_filter='Golden*'
// then read the diff of the golden files line by line before committing them.
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"
#include "reports/Unit_Tools_PrePrinter.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "support/Testumgebung.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace R = Unit_Report;
namespace G = Unit_Gasgemisch_BestMix;
namespace S = Unit_Saettigungsmodelle;
namespace U = Unit_AustauchPlanung;
namespace Memo = Unit_Textpuffer;

namespace {

const std::filesystem::path Ordner =
    std::filesystem::path(BRELUNE_QUELLORDNER) / "tests" / "commands" / "golden";

std::vector<std::string> Datei_lesen(const std::filesystem::path& Pfad) {
    std::ifstream f(Pfad);
    std::vector<std::string> Zeilen;
    for (std::string z; std::getline(f, z);) Zeilen.push_back(z);
    return Zeilen;
}

void Datei_schreiben(const std::filesystem::path& Pfad, const std::vector<std::string>& Zeilen) {
    std::filesystem::create_directories(Pfad.parent_path());
    std::ofstream f(Pfad, std::ios::binary);
    for (const auto& z : Zeilen) f << z << '\n';
}

bool neu_segnen() {
    const char* v = std::getenv("BRELUNE_GOLDEN_NEU");
    return v != nullptr && std::string(v) == "1";
}

// Compares with the golden file, naming the first lines that differ.
void mit_Golden_vergleichen(const std::string& Name, const std::vector<std::string>& Zeilen) {
    const auto Pfad = Ordner / Name;
    if (neu_segnen()) {
        Datei_schreiben(Pfad, Zeilen);
        std::cout << "golden file rewritten: " << Pfad << '\n';
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(Pfad)) << Pfad << " is missing (BRELUNE_GOLDEN_NEU=1 writes it)";
    const auto erwartet = Datei_lesen(Pfad);
    int Unterschiede = 0;
    for (std::size_t k = 0; k < std::max(erwartet.size(), Zeilen.size()) && Unterschiede < 5; ++k) {
        const std::string e = k < erwartet.size() ? erwartet[k] : "<no line>";
        const std::string z = k < Zeilen.size() ? Zeilen[k] : "<no line>";
        if (e != z) {
            ++Unterschiede;
            ADD_FAILURE() << Name << " line " << k + 1 << "\n  golden: [" << e << "]\n  now:    [" << z
                          << "]";
        }
    }
    EXPECT_EQ(Zeilen.size(), erwartet.size()) << Name;
}

struct Tauchgangsfall {
    const char* Name;
    int32_t Gas;
    float m;
    float min_Abstieg;
    float min_Grund;
    bool Deko_Gase; // EAN50 from 21 m, O2 from 6 m
};

const Tauchgangsfall Luft{"Luft_40m_30min", 0, 40, 2, 30, false};
const Tauchgangsfall Trimix{"Trimix_60m_25min", 11, 60, 3, 25, true};

} // namespace

class Golden : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        S::Modell_N2_aus_Liste(S::Modell_N2_Standard);
        S::Modell_He_aus_Liste(S::Modell_He_Standard);
        S::Buehlmann_Tiefenzuschlag = false;
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
        R::Datum_heute = [] { return R::Datum{2026, 2, 1}; };
        // the settings' defaults, also when all tests run in one process
        R::RunTimeTable_mitAufstiegbeiDeko = R::RunTimeTable_mitDeltaT = R::RunTimeTable_mitUhrzeitRuntime =
            R::RunTimeTable_mitpO2 = R::RunTimeTable_mitCNS_prozent = false;
        R::RunTimeTable_mitSystem = true;
        R::RunTimeTable_NachKomma = 2;
        Unit_Main::Berichte_anmelden();
        Unit_Save_Read::Datei_Tauchgang.clear();
        Unit_Graph_Utilities::Startzeit = {10, 0, 0};
    }

    // The dive as a diver enters it: New dive, the gas, two Dives, Ascend.
    void Rechnen(const Tauchgangsfall& f, int Sprache) {
        Unit_Tools::Sprache = Sprache;
        Unit_Tools::Dezimaltrennzeichen_setzen(Sprache == 0 ? ',' : '.');
        G::Gasgemische_initialisieren();
        U::Aufstieg_Gaswechsel_OK = f.Deko_Gase;
        U::Aufstieg_Gaswechsel.Zeile = {{{6, 6}, {21, 4}, {21, 4}, {21, 4}, {21, 4}, {21, 4}}};
        Unit_Main::Neuer_Tauchgang();
        Unit_Main::Gas_waehlen(f.Gas);
        const auto Zahl = [](float x) { return Unit_Tools::Zahl_formatieren(0, 1, x); };
        Unit_Main::Tauchen(Zahl(f.min_Abstieg), Zahl(f.m));
        Unit_Main::Tauchen(Zahl(f.min_Grund), Zahl(f.m));
        Unit_Main::Austauchen_Klick();
        ASSERT_FALSE(Unit_Tauchgangsberechnung::Berechnung_abgebrochen);
        ASSERT_EQ(Oberflaeche.Meldungen.size(), 0u) << Oberflaeche.Meldungen.front().Text;
    }

    void Report_pruefen(const Tauchgangsfall& f, int Sprache) {
        Rechnen(f, Sprache);
        mit_Golden_vergleichen(std::string(f.Name) + (Sprache == 0 ? "_de" : "_en") + "_Report.txt",
                               Memo::Memo_Report.lesen());
    }

    // Every column and every row, one decimal, the time of day from 10:00.
    void Runtime_Tabelle_pruefen(const Tauchgangsfall& f, int Sprache) {
        Rechnen(f, Sprache);
        R::RunTimeTable_mitDeltaT = R::RunTimeTable_mitUhrzeitRuntime = R::RunTimeTable_mitpO2 =
            R::RunTimeTable_mitCNS_prozent = R::RunTimeTable_mitSystem = true;
        R::RunTimeTable_mitAufstiegbeiDeko = true;
        R::RunTimeTable_NachKomma = 1;
        R::Runtime_Tabelle_schreiben();
        mit_Golden_vergleichen(std::string(f.Name) + (Sprache == 0 ? "_de" : "_en") + "_Runtime.txt",
                               Memo::Memo_RunTimeTabelle.lesen());
    }
};

TEST_F(Golden, Luft_Report_deutsch) {
    Report_pruefen(Luft, 0);
}
TEST_F(Golden, Luft_Report_englisch) {
    Report_pruefen(Luft, 1);
}
TEST_F(Golden, Luft_Runtime_Tabelle_deutsch) {
    Runtime_Tabelle_pruefen(Luft, 0);
}
TEST_F(Golden, Luft_Runtime_Tabelle_englisch) {
    Runtime_Tabelle_pruefen(Luft, 1);
}
TEST_F(Golden, Trimix_Report_deutsch) {
    Report_pruefen(Trimix, 0);
}
TEST_F(Golden, Trimix_Report_englisch) {
    Report_pruefen(Trimix, 1);
}
TEST_F(Golden, Trimix_Runtime_Tabelle_deutsch) {
    Runtime_Tabelle_pruefen(Trimix, 0);
}
TEST_F(Golden, Trimix_Runtime_Tabelle_englisch) {
    Runtime_Tabelle_pruefen(Trimix, 1);
}

// The CSV report of the same dive: one line per computed sample, 30 values each, decimal points
// although the German run writes its tables with commas.
TEST_F(Golden, Trimix_CSV_Report_hat_eine_Zeile_je_Sample) {
    Rechnen(Trimix, 0);
    const auto& c = Memo::Memo_ReportCSV.lesen();
    ASSERT_EQ(c.size(), static_cast<std::size_t>(Unit_WayPoints::sData_Anzahl) + 2);
    for (std::size_t k = 1; k < c.size(); ++k) {
        std::size_t Kommas = 0;
        for (char z : c[k]) Kommas += z == ',';
        ASSERT_EQ(Kommas, 29u) << c[k];
    }
    EXPECT_EQ(c[1].substr(0, 21), "   0.0,  0.00, 1.013,");
    // the deepest samples breathe Tmx18/45 at 7 bar
    bool Grund_gefunden = false;
    for (const auto& z : c)
        if (z.rfind("  20.0, 60.00, 7.013,Tmx18/45, 18, 37, 45,OC,1,", 0) == 0) Grund_gefunden = true;
    EXPECT_TRUE(Grund_gefunden);
}

// The summary page of Ascend for the same two dives (no-fly time and consumption included).
class Golden_Zusammenfassung : public Golden {
  protected:
    void pruefen(const Tauchgangsfall& f, int Sprache) {
        Rechnen(f, Sprache);
        mit_Golden_vergleichen(std::string(f.Name) + (Sprache == 0 ? "_de" : "_en") + "_Zusammenfassung.txt",
                               Memo::Memo_Zusammenfassung.Zeilen);
    }
};

TEST_F(Golden_Zusammenfassung, Luft_deutsch) {
    pruefen(Luft, 0);
}
TEST_F(Golden_Zusammenfassung, Luft_englisch) {
    pruefen(Luft, 1);
}
TEST_F(Golden_Zusammenfassung, Trimix_deutsch) {
    pruefen(Trimix, 0);
}
TEST_F(Golden_Zusammenfassung, Trimix_englisch) {
    pruefen(Trimix, 1);
}

// The trimix report on paper: A4 (2720 of 2970 between the margins: 77 lines of 3.5 mm) and
// Letter (2544 of 2794: 72 lines), with and without the dive graph (an empty line, the heading
// and an empty line before it; 175 mm wide, 70 mm high here) behind the text.
struct Papierfall {
    const char* Name;
    int Breite, Hoehe;
    bool mit_Graph;
    std::vector<std::size_t> Zeilen_je_Seite;
    int Graph_y; // on the last page
};

class Golden_Seiten : public Golden, public ::testing::WithParamInterface<Papierfall> {};

TEST_P(Golden_Seiten, Trimix_Report) {
    const auto& f = GetParam();
    Unit_Kontingenzplaene::Kontingenzplaene_an = false; // the report up to its gas consumption
    Rechnen(Trimix, 0);
    ASSERT_EQ(Memo::Memo_Report.lesen().size(), 92u); // as in the golden report
    namespace P = Unit_Tools_PrePrinter;
    const auto Zeilen = P::Druckzeilen(Memo::Memo_Report.lesen(), f.mit_Graph);
    P::Seitenmasse m;
    m.Breite = f.Breite;
    m.Hoehe = f.Hoehe;
    const auto Plan =
        P::Seiten_planen(Zeilen.size(), m, f.mit_Graph ? std::optional<double>(0.4) : std::nullopt);
    std::vector<std::size_t> Zeilen_je_Seite;
    for (const auto& s : Plan.Seiten) Zeilen_je_Seite.push_back(s.Zeilenzahl);
    EXPECT_EQ(Zeilen_je_Seite, f.Zeilen_je_Seite);
    ASSERT_EQ(Plan.Graph.has_value(), f.mit_Graph);
    if (!f.mit_Graph) return;
    EXPECT_EQ(Plan.Graph->Seite, Plan.Seiten.size() - 1);
    EXPECT_EQ(Plan.Graph->y, f.Graph_y);
    EXPECT_EQ(Plan.Graph->Breite, 1750);
    // the heading of the graph is the last line of the last page
    EXPECT_EQ(
        Zeilen[Plan.Seiten.back().erste_Zeile + Plan.Seiten.back().Zeilenzahl - 2].rfind("Tauchgang ...", 0),
        0u);
}

INSTANTIATE_TEST_SUITE_P(
    Papier, Golden_Seiten,
    ::testing::Values(Papierfall{"A4", 2100, 2970, false, {77, 15}, 0},
                      Papierfall{"A4_mit_Graph", 2100, 2970, true, {77, 18}, 100 + 18 * 35},
                      Papierfall{"Letter", 2159, 2794, false, {72, 20}, 0},
                      Papierfall{"Letter_mit_Graph", 2159, 2794, true, {72, 23}, 100 + 23 * 35}),
    [](const auto& Info) { return std::string(Info.param.Name); });
