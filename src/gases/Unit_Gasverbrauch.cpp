#include "gases/Unit_Gasverbrauch.hpp"

#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
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
float Stress_Faktor = Stress_Faktor_Standard;
float min_Problemloesezeit = min_Problemloesezeit_Standard;
Mindestgas_Typ Mindestgas;

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

// The cylinder for barL filled to 200 bar; none beyond the largest.
const Flasche* Flasche_fuer(long double barL) {
    // Water volume at 200 bar; divided, not multiplied by 0.005, so that a bound is met exactly.
    const long double L_Wasser = barL / 200;
    for (const auto& f : Flaschen)
        if (L_Wasser <= f.L_bis) return &f;
    return nullptr;
}

long double mit_Sicherheitszuschlag(long double barL) {
    return (1 + Verbrauch_SicherheitsZuschlagProzent / 100.0L) * barL;
}

// barL x min at the mean ambient pressure of a leg from m0 to m1.
long double barmin_Strecke(float m0, float m1, long double min) {
    return min *
           (static_cast<long double>(Unit_Formeln::bar_Umgebung_aus(m0)) +
            Unit_Formeln::bar_Umgebung_aus(m1)) /
           2;
}

// The first leg that goes up, m/min; 0 when none does.
float v_erster_Aufstieg(const std::vector<Profilpunkt>& Aufstieg) {
    for (std::size_t k = 1; k < Aufstieg.size(); ++k) {
        const float dm = Aufstieg[k - 1].m_Wasser - Aufstieg[k].m_Wasser;
        const float dt = Aufstieg[k].min_Runtime - Aufstieg[k - 1].min_Runtime;
        if (dm > 0 && dt > 0) return dm / dt;
    }
    return 0;
}

std::string Mindestgas_Zeile(const std::string& de, const std::string& en, long double barL, long double L) {
    std::string z = Text_waehlen(de, en) + " = " + Zahl_formatieren(7, 1, barL) + " barL";
    if (L > 0) z += " = " + Zahl_formatieren(4, 0, barL / L) + " bar";
    return z;
}
} // namespace

void Gasverbrauch_zuruecksetzen() {
    for (auto& g : G::Gasgemisch) g.barL_gesamt = g.barL_bis_Aufstieg = g.barL_Aufstieg = 0;
    Memo.Leeren();
    Mindestgas = {};
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
    const Flasche* f = Flasche_fuer(barL);
    return f ? f->Text : "zu groß";
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
        const long double w = mit_Sicherheitszuschlag(v);
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

long double barL_Mindestgas(float m_tiefste, const std::vector<Profilpunkt>& Aufstieg,
                            float AMV_Liter_pro_min, float Stress, float min_Problem) {
    if (Aufstieg.empty()) return 0;
    long double barmin = barmin_Strecke(m_tiefste, m_tiefste, min_Problem);
    const float v = v_erster_Aufstieg(Aufstieg);
    if (m_tiefste > Aufstieg.front().m_Wasser && v > 0)
        barmin +=
            barmin_Strecke(m_tiefste, Aufstieg.front().m_Wasser, (m_tiefste - Aufstieg.front().m_Wasser) / v);
    const int32_t Grundgas = Aufstieg.front().Gas_Nr;
    for (std::size_t k = 1; k < Aufstieg.size() && Aufstieg[k - 1].Gas_Nr == Grundgas; ++k)
        barmin += barmin_Strecke(Aufstieg[k - 1].m_Wasser, Aufstieg[k].m_Wasser,
                                 Aufstieg[k].min_Runtime - Aufstieg[k - 1].min_Runtime);
    return barmin * Taucher_Anzahl * Stress * AMV_Liter_pro_min;
}

Mindestgas_Typ Mindestgas_berechnen() {
    const int32_t letzter = std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
    const int32_t Ende = std::clamp(W::WayPoint_letzter_Eingabe, 0, letzter);
    const W::WayPoint_Type& e = W::WayPoint[Ende];
    if (e.Tauchgeraet != 0 || !(e.m_Wasser > 0) || e.Gas_Nr < 0 || e.Gas_Nr > Gas_letztes()) return {};
    Mindestgas_Typ m;
    m.Gas_Nr = e.Gas_Nr;
    std::vector<Profilpunkt> Aufstieg;
    for (int32_t k = 0; k <= letzter; ++k) {
        const W::WayPoint_Type& w = W::WayPoint[k];
        m.m_tiefste = std::max(m.m_tiefste, w.m_Wasser);
        if (k >= Ende) Aufstieg.push_back({w.min_Runtime, w.m_Wasser, w.Gas_Nr});
    }
    m.barL =
        barL_Mindestgas(m.m_tiefste, Aufstieg, static_cast<float>(AMV), Stress_Faktor, min_Problemloesezeit);
    const G::Gasgemisch_Type& g = G::Gasgemisch[m.Gas_Nr];
    m.barL_geplant = mit_Sicherheitszuschlag(g.barL_gesamt);
    if (const Flasche* f = Flasche_fuer(m.barL_geplant)) m.L_Flasche = f->L_bis;
    m.barL_Rest = m.barL_geplant - g.barL_bis_Aufstieg;
    m.unterschritten = m.barL_Rest < m.barL;
    return m;
}

void Mindestgas_Bericht(bool Berechnung_abgebrochen) {
    Mindestgas = Berechnung_abgebrochen ? Mindestgas_Typ{} : Mindestgas_berechnen();
    const Mindestgas_Typ& m = Mindestgas;
    if (m.Gas_Nr < 0) return;
    Memo.Zeile_anfuegen("");
    // Two lines: one would not fit the gas page beside the table.
    Memo.Zeile_anfuegen(Text_waehlen("Mindestgas (Rock Bottom) ", "Minimum gas (rock bottom) ") +
                        G::Gasgemisch[m.Gas_Nr].Name + ":");
    Memo.Zeile_anfuegen("   " + std::to_string(Taucher_Anzahl) + Text_waehlen(" Taucher x ", " divers x ") +
                        Zahl_formatieren(0, 1, Stress_Faktor) + Text_waehlen(" x AMV ", " x RMV ") +
                        std::to_string(AMV) + " l/min, " + Zahl_formatieren(0, 1, min_Problemloesezeit) +
                        Text_waehlen(" min auf ", " min at ") + Zahl_formatieren(0, 1, m.m_tiefste) + " m");
    const std::string Flasche = m.L_Flasche > 0 ? " (" + Flaschengroesse(m.barL_geplant) + ")" : "";
    Memo.Zeile_anfuegen(Mindestgas_Zeile("Mindestgas                  ", "Minimum gas                 ",
                                         m.barL, m.L_Flasche) +
                        Flasche);
    Memo.Zeile_anfuegen(Mindestgas_Zeile("Rest am Ende der Grundzeit  ", "Left at end of bottom time  ",
                                         m.barL_Rest, m.L_Flasche));
    if (m.unterschritten) Memo.Zeile_anfuegen(Mindestgas_Warnung());
}

std::string Mindestgas_Warnung() {
    return Text_waehlen(
        "ACHTUNG: Am Ende der Grundzeit bleibt weniger Grundgas als das Mindestgas !",
        "ATTENTION: Less bottom gas than the minimum gas left at the end of the bottom time !");
}

} // namespace Unit_Gasverbrauch
