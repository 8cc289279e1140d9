// The page layout of printed texts on sheets set up by hand: lines per page, page breaks and
// the place of the dive graph. Lengths in 0.1 mm; the margins are 10 mm left, top and right and
// 15 mm at the bottom, a line is 3.5 mm high.
#include "reports/Unit_Tools_PrePrinter.hpp"

#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

#include <optional>
#include <vector>

namespace P = Unit_Tools_PrePrinter;

namespace {

struct Fall {
    const char* Name;
    int Breite, Hoehe;
    std::size_t Zeilen;
    std::optional<double> Graph;                   // height / width
    std::vector<std::size_t> Zeilen_je_Seite;      // expected
    std::optional<P::Graphplatz> erwarteter_Graph; // expected
};

// A4 without hardware margins: 2720 of 2970 between the margins, 77 lines of 35.
const std::vector<Fall> Faelle = {
    {"eine_Seite", 2100, 2970, 20, std::nullopt, {20}, std::nullopt},
    {"genau_voll", 2100, 2970, 77, std::nullopt, {77}, std::nullopt},
    {"eine_Zeile_mehr", 2100, 2970, 78, std::nullopt, {77, 1}, std::nullopt},
    {"drei_Seiten", 2100, 2970, 160, std::nullopt, {77, 77, 6}, std::nullopt},
    // graph 175 mm wide, 70 mm high, right after the 20 lines
    {"Graph_passt", 2100, 2970, 20, 0.4, {20}, P::Graphplatz{0, 100, 800, 1750, 700}},
    // 70 lines end at 2550: less than 60 mm left, the graph starts a page
    {"Graph_auf_neuer_Seite", 2100, 2970, 70, 0.2, {70, 0}, P::Graphplatz{1, 100, 100, 1750, 350}},
    // 60 mm fit but the 150 mm high graph does not: it waits for the next page too
    {"hoher_Graph_auf_neuer_Seite",
     2100,
     2970,
     40,
     150.0 / 175,
     {40, 0},
     P::Graphplatz{1, 100, 100, 1750, 1500}},
    // a narrow sheet: the graph as wide as the room between the margins
    {"schmales_Blatt", 1500, 2970, 2, 0.5, {2}, P::Graphplatz{0, 100, 170, 1300, 650}},
    // a graph taller than a page is scaled down to the room between the margins
    {"Graph_hoeher_als_Seite", 2100, 2970, 0, 2.0, {0}, P::Graphplatz{0, 100, 100, 1360, 2720}},
    // no room for even one line: still one line per page, the layout ends
    {"winziges_Blatt", 2100, 200, 3, std::nullopt, {1, 1, 1}, std::nullopt},
    {"leerer_Text", 2100, 2970, 0, std::nullopt, {0}, std::nullopt},
};

} // namespace

class Seitenaufteilung : public Testumgebung, public ::testing::WithParamInterface<Fall> {};

TEST_P(Seitenaufteilung, Zeilen_und_Graph) {
    const Fall& f = GetParam();
    P::Seitenmasse m;
    m.Breite = f.Breite;
    m.Hoehe = f.Hoehe;
    const auto Plan = P::Seiten_planen(f.Zeilen, m, f.Graph);
    std::vector<std::size_t> Zeilen_je_Seite;
    std::size_t naechste = 0;
    for (const auto& s : Plan.Seiten) {
        EXPECT_EQ(s.erste_Zeile, naechste) << "pages follow each other without gap";
        naechste += s.Zeilenzahl;
        Zeilen_je_Seite.push_back(s.Zeilenzahl);
    }
    EXPECT_EQ(Zeilen_je_Seite, f.Zeilen_je_Seite);
    ASSERT_EQ(Plan.Graph.has_value(), f.erwarteter_Graph.has_value());
    if (!Plan.Graph) return;
    const auto& g = *Plan.Graph;
    const auto& e = *f.erwarteter_Graph;
    EXPECT_EQ(g.Seite, e.Seite);
    EXPECT_EQ(g.x, e.x);
    EXPECT_EQ(g.y, e.y);
    EXPECT_EQ(g.Breite, e.Breite);
    EXPECT_EQ(g.Hoehe, e.Hoehe);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Seitenaufteilung, ::testing::ValuesIn(Faelle),
                         [](const auto& Info) { return std::string(Info.param.Name); });

class Druckzeilen : public Testumgebung {};

TEST_F(Druckzeilen, mit_Graph_kommt_die_Ueberschrift_Tauchgang_dazu) {
    const std::vector<std::string> Text = {"a", "b"};
    EXPECT_EQ(P::Druckzeilen(Text, false), Text);
    Unit_Tools::Sprache = 1;
    const auto z = P::Druckzeilen(Text, true);
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[2], "");
    EXPECT_EQ(z[3], "Dive " + std::string(116, '.'));
    EXPECT_EQ(z[4], "");
}

// Lines wider than the sheet: nothing is lost on paper, a heading's dots are only shortened.
struct Umbruchfall {
    const char* Name;
    std::string Zeile;
    std::size_t Zeichen;
    std::vector<std::string> erwartet;
};

class Zeilen_umbrechen : public ::testing::TestWithParam<Umbruchfall> {};

TEST_P(Zeilen_umbrechen, kein_Zeichen_geht_verloren) {
    const auto& f = GetParam();
    EXPECT_EQ(P::Zeilen_umbrechen({f.Zeile}, f.Zeichen), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeilen_umbrechen,
    ::testing::Values(
        Umbruchfall{"passt", "12.00  Deko", 11, {"12.00  Deko"}},
        Umbruchfall{"Ueberschrift_gekuerzt", "Report ..........", 10, {"Report ..."}},
        Umbruchfall{
            "Warnung_am_Leerzeichen", " 3.00 OC pO2 > 1.60 bar", 14, {" 3.00 OC pO2 >", "    1.60 bar"}},
        Umbruchfall{
            "langes_Wort_hart_geteilt", "Sauerstofftoxizitaet", 10, {"Sauerstoff", "    toxizi", "    taet"}},
        Umbruchfall{"Umlaute_sind_ein_Zeichen", "Flaschengröße ü", 15, {"Flaschengröße ü"}},
        Umbruchfall{"ohne_Grenze", "eine lange Zeile", 0, {"eine lange Zeile"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });
