#include "gases/Unit_Gasverbrauch.hpp"

#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Grenzwerte.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace Unit_Gasverbrauch {

int32_t AMV = 20;
int32_t AMV_Deko = 20;
int32_t Verbrauch_SicherheitsZuschlagProzent = 50;
bool Gasverbrauch_Abstieg_Grundzeit_zeigen = false;
bool Gasverbrauch_Aufstieg_zeigen = false;

namespace {
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;
auto& Memo = Unit_Textpuffer::Memo_Gasverbrauch;

const std::string CRLF = "\r\n";

struct Flasche {
    long double L_bis;
    const char* Text;
};
const std::array<Flasche, 15> Flaschen = {{{3, "3 L"},
                                           {5, "5 L"},
                                           {7, "7 L"},
                                           {10, "10 L"},
                                           {12, "12 L"},
                                           {15, "15 L"},
                                           {20, "2 x 10 L"},
                                           {24, "2 x 12 L"},
                                           {30, "2 x 15 L"},
                                           {45, "3 x 15 L"},
                                           {60, "4 x 15 L"},
                                           {75, "5 x 15 L"},
                                           {90, "6 x 15 L"},
                                           {105, "7 x 15 L"},
                                           {120, "8 x 15 L"}}};

// Characters, not bytes: names and "zu groß" may hold umlauts.
std::size_t Zeichen(const std::string& Text) {
    return static_cast<std::size_t>(std::count_if(
        Text.begin(), Text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string links_auf_Breite(const std::string& Text, std::size_t Breite) {
    std::string t;
    std::size_t n = 0;
    for (char c : Text) {
        const bool Zeichenanfang = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (Zeichenanfang && n == Breite) break;
        if (Zeichenanfang) ++n;
        t += c;
    }
    return t + std::string(Breite - n, ' ');
}

std::string rechtsbuendig(const std::string& Text, std::size_t Breite) {
    const std::size_t n = Zeichen(Text);
    return n >= Breite ? Text : std::string(Breite - n, ' ') + Text;
}

long double Verbrauch(const G::Gasgemisch_Type& g, Verbrauchsart Art) {
    switch (Art) {
    case Verbrauchsart::bis_Aufstieg:
        return g.barL_bis_Aufstieg;
    case Verbrauchsart::Aufstieg:
        return g.barL_Aufstieg;
    default:
        return g.barL_gesamt;
    }
}

int32_t Gas_letztes() {
    return std::clamp(G::Gasgemisch_NumMax, 0, G::GasGemisch_NumMaxUeberhaupt);
}

void Titel_schreiben(Verbrauchsart Art) {
    if (Art == Verbrauchsart::gesamt) return;
    Memo.Zeile_anfuegen("");
    Memo.Zeile_anfuegen(std::string(56, '-'));
    Memo.Zeile_anfuegen(Art == Verbrauchsart::bis_Aufstieg
                            ? Text_waehlen("Gasverbrauch / nur Abstieg + Grundzeit",
                                           "Gas consumption / only descend + bottom time")
                            : Text_waehlen("Gasverbrauch / nur Aufstieg", "Gas consumption / only ascend"));
}

void Text_als_Zeilen(const std::string& Text) {
    std::size_t Anfang = 0;
    for (;;) {
        const std::size_t Ende = Text.find(CRLF, Anfang);
        Memo.Zeile_anfuegen(
            Text.substr(Anfang, Ende == std::string::npos ? std::string::npos : Ende - Anfang));
        if (Ende == std::string::npos) return;
        Anfang = Ende + CRLF.size();
    }
}
} // namespace

void Gasverbrauch_zuruecksetzen() {
    for (auto& g : G::Gasgemisch) g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
    Memo.Leeren();
}

void Verbrauch_buchen(int32_t Gas, long double barL) {
    // Selecting such an index breathes gas 0, so that is where the gas went.
    if (Gas < 0 || Gas > Gas_letztes()) Gas = 0;
    G::Gasgemisch[Gas].barL_gesamt += barL;
}

void Gasverbrauch_Schritt_buchen(int32_t Gas, long double bar_vorher, long double bar, float min_dt,
                                 float m_Tiefe) {
    namespace K = Unit_CCR_SCR;
    switch (W::Tauchgeraet) {
    case 0: {
        const int32_t RMV = m_Tiefe > Unit_Grenzwerte::m_ErsterStop ? AMV : AMV_Deko;
        Verbrauch_buchen(Gas, RMV * static_cast<long double>(min_dt) * std::fabs(bar_vorher + bar) * 0.5L);
        break;
    }
    case 1:
        Verbrauch_buchen(Gas, K::CCR.barL_Dil_Zugabe);
        Verbrauch_buchen(G::Gas_O2, K::CCR.barL_O2_Zugabe);
        break;
    case 2:
        Verbrauch_buchen(Gas, K::SCR.Formel == 1 ? static_cast<long double>(K::SCR.SCR_Flow) * min_dt
                                                 : K::SCR.barL_Zugabe);
        break;
    case 3:
        Verbrauch_buchen(Gas, K::pSCR.barL_Zugabe);
        break;
    default:
        break;
    }
}

void Gasverbrauch_Aufstieg_Beginn() {
    for (auto& g : G::Gasgemisch) {
        g.barL_bis_Aufstieg = g.barL_gesamt;
        g.barL_Aufstieg = 0;
    }
}

void Gasverbrauch_Aufstieg_Ende() {
    for (auto& g : G::Gasgemisch) g.barL_Aufstieg = g.barL_gesamt - g.barL_bis_Aufstieg;
}

std::string Flaschengroesse(long double barL) {
    // Water volume at 200 bar; divided, not multiplied by 0.005, so that a bound is met exactly.
    const long double L_Wasser = barL / 200;
    for (const auto& f : Flaschen)
        if (L_Wasser <= f.L_bis) return f.Text;
    return "zu groß";
}

bool Verbrauchstabelle_schreiben(Verbrauchsart Art) {
    bool Inhalt = false;
    for (int32_t k = 0; k <= Gas_letztes(); ++k) Inhalt = Inhalt || Verbrauch(G::Gasgemisch[k], Art) != 0;
    if (!Inhalt) return false;

    const int32_t Zuschlag = Verbrauch_SicherheitsZuschlagProzent;
    Titel_schreiben(Art);
    Memo.Zeile_anfuegen(Text_waehlen("Gasgemisch  Verbrauch    Verbrauch        Flaschengröße ",
                                     "Gas         consumption  consumption      tank volume"));
    Memo.Zeile_anfuegen(
        Text_waehlen("                         + Sicherheit ", "                         + safety ") +
        std::to_string(Zuschlag) + "%");
    Memo.Zeile_anfuegen("----------- ------------ ---------------- --------------");
    for (int32_t k = 0; k <= Gas_letztes(); ++k) {
        const long double v = Verbrauch(G::Gasgemisch[k], Art);
        if (v == 0) continue;
        const long double w = (1 + Zuschlag / 100.0L) * v;
        Memo.Zeile_anfuegen(links_auf_Breite(G::Gasgemisch[k].Name, 11) + " " + Zahl_formatieren(7, 1, v) +
                            " barL " + Zahl_formatieren(11, 1, w) + " barL " +
                            rechtsbuendig(Flaschengroesse(w), 14));
    }
    if (Zuschlag == 0)
        Memo.Zeile_anfuegen(Text_waehlen("ACHTUNG: Keine Sicherheitsreserve im Gasverbrauch !!!!!!",
                                         "ATTENTION: No safety margin in gas consumption !!!!!!!!!"));
    return true;
}

std::string AMV_Zeilen(bool einruecken) {
    const std::string Einzug = einruecken ? "   " : "";
    std::array<bool, 4> Geraet{};
    for (int32_t k = 0; k <= std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax); ++k)
        if (W::WayPoint[k].Tauchgeraet < Geraet.size()) Geraet[W::WayPoint[k].Tauchgeraet] = true;

    std::string Text;
    const auto Zeile = [&](const std::string& z) { Text += (Text.empty() ? "" : CRLF) + Einzug + z; };
    const std::string RMV = Text_waehlen("AMV = ", "RMV = ") + std::to_string(AMV) + " l/min";
    if (Geraet[0]) {
        Zeile(RMV + " ");
        Zeile(Text_waehlen("AMV(Deko) = ", "RMV(deco) = ") + std::to_string(AMV_Deko) + " l/min");
    }
    if (Geraet[3]) Zeile(RMV);
    if (Geraet[1])
        Zeile(Text_waehlen("CCR O2 Verbrauch = ", "CCR O2 consumption = ") +
              Zahl_formatieren(0, 2, Unit_CCR_SCR::CCR.barL_pro_min_Atmung_O2) + " l/min");
    if (Geraet[2])
        Zeile(Text_waehlen("SCR O2 Verbrauch = ", "SCR O2 consumption = ") +
              Zahl_formatieren(0, 2, Unit_CCR_SCR::SCR.barL_pro_min_Atmung_O2) + " l/min");
    return Text;
}

void Gasverbrauch_Bericht(bool Berechnung_abgebrochen) {
    Memo.Leeren();
    if (Berechnung_abgebrochen) {
        Memo.Zeile_anfuegen(
            Text_waehlen("! Tauchgangsberechnung abgebrochen !", "! Calculation of dive cancelled !"));
        return;
    }
    if (!Verbrauchstabelle_schreiben(Verbrauchsart::gesamt)) return;
    Memo.Zeile_anfuegen("");
    Text_als_Zeilen(AMV_Zeilen(false));
    if (Gasverbrauch_Abstieg_Grundzeit_zeigen) Verbrauchstabelle_schreiben(Verbrauchsart::bis_Aufstieg);
    if (Gasverbrauch_Aufstieg_zeigen) Verbrauchstabelle_schreiben(Verbrauchsart::Aufstieg);
}

} // namespace Unit_Gasverbrauch
