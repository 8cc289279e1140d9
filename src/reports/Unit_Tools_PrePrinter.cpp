#include "reports/Unit_Tools_PrePrinter.hpp"

#include "lang/Unit_Tools.hpp"
#include "reports/Unit_Report.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Unit_Tools_PrePrinter {

namespace {

int Unterkante(const Seitenmasse& m) {
    return m.Hoehe - m.Rand.unten;
}

// The graph at 175 mm or the width between the margins, whichever is less; never taller than
// the room between top and bottom margin.
std::optional<Graphplatz> Graphgroesse(const Seitenmasse& m, double Seitenverhaeltnis) {
    if (!(Seitenverhaeltnis > 0) || !std::isfinite(Seitenverhaeltnis)) return std::nullopt;
    double Breite = std::min(Graph_Breite, m.Breite - m.Rand.links - m.Rand.rechts);
    double Hoehe = Breite * Seitenverhaeltnis;
    const double Hoehe_max = Unterkante(m) - m.Rand.oben;
    if (Hoehe > Hoehe_max) {
        Hoehe = Hoehe_max;
        Breite = Hoehe / Seitenverhaeltnis;
    }
    if (Breite < 1 || Hoehe < 1) return std::nullopt;
    return Graphplatz{0, m.Rand.links, 0, static_cast<int>(std::lround(Breite)),
                      static_cast<int>(std::lround(Hoehe))};
}

} // namespace

Seitenplan Seiten_planen(std::size_t Zeilenzahl, const Seitenmasse& Masse,
                         std::optional<double> Graph_Seitenverhaeltnis) {
    Seitenplan Plan;
    Plan.Masse = Masse;
    Plan.Seiten.push_back({});
    const int h = std::max(1, Masse.Schrifthoehe);
    int y = Masse.Rand.oben;
    const auto neue_Seite = [&](std::size_t erste_Zeile) {
        Plan.Seiten.push_back({erste_Zeile, 0});
        y = Masse.Rand.oben;
    };
    for (std::size_t k = 0; k < Zeilenzahl; ++k) {
        if (y + h > Unterkante(Masse) && Plan.Seiten.back().Zeilenzahl > 0) neue_Seite(k);
        ++Plan.Seiten.back().Zeilenzahl;
        y += h;
    }
    if (!Graph_Seitenverhaeltnis) return Plan;
    auto Graph = Graphgroesse(Masse, *Graph_Seitenverhaeltnis);
    if (!Graph) return Plan;
    // A graph taller than the least room would run over the bottom margin: it waits for a page too.
    if (y + std::max(Graph_Mindesthoehe, Graph->Hoehe) > Unterkante(Masse) && y > Masse.Rand.oben)
        neue_Seite(Zeilenzahl);
    Graph->Seite = Plan.Seiten.size() - 1;
    Graph->y = y;
    Plan.Graph = Graph;
    return Plan;
}

namespace {

constexpr std::size_t Einzug = 4;

// Byte position of character n of a UTF-8 text (its size when the text is shorter).
std::size_t Byte_des_Zeichens(const std::string& Text, std::size_t n) {
    std::size_t b = 0;
    for (std::size_t Zeichen = 0; b < Text.size() && Zeichen < n; ++Zeichen) {
        ++b;
        while (b < Text.size() && (static_cast<unsigned char>(Text[b]) & 0xC0) == 0x80) ++b;
    }
    return b;
}

std::size_t Zeichenzahl(const std::string& Text) {
    return static_cast<std::size_t>(std::count_if(
        Text.begin(), Text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first piece of Rest that fits into n characters, and what is left after it.
std::pair<std::string, std::string> Stueck(const std::string& Rest, std::size_t n) {
    const std::size_t Grenze = Byte_des_Zeichens(Rest, n);
    if (Grenze >= Rest.size()) return {Rest, ""};
    // Only dots (and blanks) beyond the edge: a heading, shortened.
    if (Rest.find_first_not_of(". ", Grenze) == std::string::npos) return {Rest.substr(0, Grenze), ""};
    std::size_t Schnitt = Rest.rfind(' ', Grenze);
    const std::size_t Textanfang = Rest.find_first_not_of(' ');
    if (Schnitt == std::string::npos || Schnitt <= Textanfang) Schnitt = Grenze;
    std::string Kopf = Rest.substr(0, Schnitt);
    Kopf.erase(Kopf.find_last_not_of(' ') + 1);
    const std::size_t weiter = Rest.find_first_not_of(' ', Schnitt);
    return {Kopf, weiter == std::string::npos ? "" : Rest.substr(weiter)};
}

} // namespace

std::vector<std::string> Zeilen_umbrechen(const std::vector<std::string>& Zeilen, std::size_t Zeichen) {
    if (Zeichen <= Einzug) return Zeilen;
    std::vector<std::string> Ergebnis;
    for (const std::string& Zeile : Zeilen) {
        if (Zeichenzahl(Zeile) <= Zeichen) {
            Ergebnis.push_back(Zeile);
            continue;
        }
        auto [Kopf, Rest] = Stueck(Zeile, Zeichen);
        Ergebnis.push_back(Kopf);
        while (!Rest.empty()) {
            auto [Teil, weiter] = Stueck(Rest, Zeichen - Einzug);
            Ergebnis.push_back(std::string(Einzug, ' ') + Teil);
            Rest = weiter;
        }
    }
    return Ergebnis;
}

std::vector<std::string> Druckzeilen(const std::vector<std::string>& Text, bool mit_Graphik) {
    std::vector<std::string> Zeilen = Text;
    if (mit_Graphik) {
        Zeilen.push_back("");
        Zeilen.push_back(Unit_Report::Ueberschrift(Unit_Tools::Text_waehlen("Tauchgang", "Dive")));
        Zeilen.push_back("");
    }
    return Zeilen;
}

} // namespace Unit_Tools_PrePrinter
