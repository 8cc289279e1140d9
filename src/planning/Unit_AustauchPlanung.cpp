#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_AustauchPlanung {

bool Aufstieg_Geschwindigkeit_variabel;
float v_Aufstieg_konstant;
Tiefentabelle_Type Aufstieg_Geschwindigkeit;
bool Aufstieg_Gaswechsel_OK;
Tiefentabelle_Type Aufstieg_Gaswechsel;
bool Aufstieg_Setpoint_variabel;
Tiefentabelle_Type Aufstieg_Setpoint;
bool AirBreak_OK;
int32_t AirBreak_GasNum;
int32_t AirBreak_minAbstand;
int32_t AirBreak_minDauer;
bool Gaswechsel_warten_OK = false;
int32_t min_Gaswechsel_warten = 1;
float m_DekoStep = 3;
bool Stops_volle_Minuten = true;
bool Stops_volle_RunTime_Minuten = false;
bool Aufstiegszeit_addieren = false;
bool Bail_Out = false;

float v_Aufstieg = 10;
float m_Stop = 0;
float min_Stopzeit = 0;
float min_Grundzeit = 0;
float min_Aufstiegszeit = 0;
float min_ErsterStop = 0;
float min_LetzterStop = 0;
bool DeepStop_erledigt = false;
bool Sicherheitsstop_erledigt = false;

namespace {
namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;
namespace S = Unit_Saettigungsmodelle;
namespace T = Unit_Tauchgangsberechnung;
using Unit_Tiefentabelle::Richtung;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

bool Planer_laeuft = false;

// A grid without distance would never end; the settings give at least 1 m.
float Abstand() {
    return m_DekoStep >= 0.5f ? m_DekoStep : 3.0f;
}

float Ceiling() {
    return Unit_Grenzwerte::p_amb_MAX();
}

bool abgebrochen() {
    return T::Berechnung_abgebrochen;
}

// The grid depth a leg may not pass with "alle" stops.
float Gitter_Grenze(float x) {
    const bool alle = S::GF_verwenden && S::GF_alle_Stops && m_ErsterStop > 0;
    return alle ? m_Stufe_unter(1, x) : 0.0f;
}

bool Deep_Stop_offen() {
    return S::Deep_Stop_verwenden && !DeepStop_erledigt;
}

float m_Deep_Stop() {
    return m_Stufe_unter(S::Deep_Stop_Stufen_oberhalb_Dekozone, W::m_Dekozone);
}

bool Schritt_erlaubt() {
    const float naechste = W::m_Wasser - v_Aufstieg_bei(W::m_Wasser) * W::min_Schritt;
    if (naechste < m_Stop_aus_Ceiling(Ceiling())) return false;
    if (!(naechste > Gitter_Grenze(naechste))) return false;
    return !Deep_Stop_offen() || naechste >= m_Deep_Stop();
}

bool letzte_Zeile_ist_Aufstieg() {
    const std::string& a = W::WayPoint[static_cast<std::size_t>(W::WayPoint_Anzahl)].Aktion;
    return a.rfind("Aufstieg", 0) == 0 || a.rfind("Ascent", 0) == 0;
}

// Appends a row of the current state and shows it in the calculated profile.
void Zeile(const std::string& Aktion, bool Notiz = false) {
    Unit_Tauchgangszustand::WayPoint_anhaengen(Aktion);
    T::WayPoint_anzeigen(Aktion, W::WayPoint_Anzahl, Unit_Graph_Utilities::Plot_Berechnet, true);
    if (Notiz) T::Annotation_zeichnen(true, W::WayPoint_Anzahl);
}

std::string Aufstiegszeile() {
    return Text_waehlen("Aufstieg ", "Ascent ") + Zahl_formatieren(4, 1, v_Aufstieg) + " m/min";
}

void Spuelzeile() {
    const auto Spuelung = Unit_CCR_SCR::Kreislauf_spuelen();
    if (Spuelung.gespuelt) Zeile(Spuelung.Tauchgeraet + Text_waehlen(" spülen", " flush"));
}

void Gas_waehlen(int32_t Gas) {
    W::Gas_Nr = Gas;
    G::Gasgemisch_waehlen(Gas);
}

void am_Stop_rechnen(float min) {
    T::Zeitschritt_rechnen(min, W::m_Wasser);
}

// Whole minutes of a time kept as a float that may lie a hair below them.
long double ganze_Minuten(long double x) {
    return std::floor(x + 1e-4L);
}

void Gas_Break(float& Stopzeit, float& Ende_letzter_Break) {
    if (!AirBreak_OK || std::fabs(W::m_Wasser - m_DekoZuletzt) > 0.01f) return;
    if (AirBreak_minAbstand + Ende_letzter_Break > Stopzeit + 1e-4f) return;
    const int32_t Gas_vorher = W::Gas_Nr;
    Gas_waehlen(std::clamp(AirBreak_GasNum, 0, G::Gasgemisch_NumMax));
    Unit_CCR_SCR::Kreislauf_spuelen();
    Zeile(Text_waehlen("Gaswechsel", "Gas switch"));
    am_Stop_rechnen(static_cast<float>(AirBreak_minDauer));
    Stopzeit += static_cast<float>(AirBreak_minDauer);
    Ende_letzter_Break = Stopzeit;
    Gas_waehlen(Gas_vorher);
    Zeile(Text_waehlen("Gaswechsel", "Gas switch"));
}

// Extends a stop of x minutes so that the end lands on a whole minute f later.
void Stop_verlaengern(float& Stopzeit, long double Bruchteil) {
    if (std::fabs(Bruchteil) <= 0.05L || std::fabs(Bruchteil - 1) <= 1e-4L) return;
    const float x = Stopzeit;
    Stopzeit = static_cast<float>(x + 1 - Bruchteil);
    if (std::fabs(Stopzeit - x) > 0.05f) am_Stop_rechnen(Stopzeit - x);
}

bool ist_Gas(float Gas) {
    return Gas >= 0 &&
           Gas <= static_cast<float>(std::min(G::Gasgemisch_NumMax, G::GasGemisch_NumMaxUeberhaupt));
}

int32_t gerundet(float Wert) {
    return static_cast<int32_t>(std::lround(std::clamp(Wert, -1.0e6f, 1.0e6f)));
}

// A setpoint field that is no number keeps the setpoint it had (Zahl_lesen shows why).
float Setpoint_lesen(const std::string& Text, float bisher) {
    long double x = 0;
    if (Unit_Tools::Zahl_umwandeln(Text, x)) return static_cast<float>(x);
    Unit_Tools::Zahl_lesen(Text);
    return bisher;
}

bool Setpoints_setzen(float konstant, const std::array<Zeile_Eingabe, 3>& Zeilen) {
    W::CCR_Setpoint = konstant;
    Unit_CCR_SCR::CCR.Setpoint_Einstellung = W::CCR_Setpoint;
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    for (std::size_t k = 0; k < 3; ++k) Aufstieg_Setpoint.Zeile[k] = {Zeilen[k].m, Zeilen[k].Wert};
    Unit_Tiefentabelle::Zeilen_auffuellen(Aufstieg_Setpoint, 3);
    return Unit_Tiefentabelle::Reihenfolge_pruefen(Aufstieg_Setpoint);
}

} // namespace

void Tabellen_zuruecksetzen() {
    Aufstieg_Geschwindigkeit_variabel = false;
    v_Aufstieg_konstant = 10;
    Aufstieg_Geschwindigkeit = Tiefentabelle_gleich(0, 10);
    Aufstieg_Gaswechsel_OK = false;
    Aufstieg_Gaswechsel = Tiefentabelle_gleich(0, 0);
    Aufstieg_Setpoint_variabel = false;
    Aufstieg_Setpoint = Tiefentabelle_gleich(0, 1.3f);
    AirBreak_OK = false;
    AirBreak_GasNum = 0;
    AirBreak_minAbstand = 25;
    AirBreak_minDauer = 5;
    m_ErsterStop = 0;
}

namespace {
const bool Standard_geladen = (Tabellen_zuruecksetzen(), true);
}

float v_Aufstieg_bei(float m) {
    const float v =
        Unit_Tiefentabelle::Tiefentabelle_lesen(Aufstieg_Geschwindigkeit, Aufstieg_Geschwindigkeit_variabel,
                                                Richtung::aufwaerts, v_Aufstieg_konstant, m);
    if (v >= 0.1f) return v;
    // A row without velocity would hold the diver at depth for ever.
    return v_Aufstieg_konstant >= 0.1f ? v_Aufstieg_konstant : 10.0f;
}

float m_Stop_aus_Ceiling(float p) {
    float d = 0;
    if (p > Unit_Formeln::bar_Luft) {
        d = m_DekoZuletzt;
        // 2000 m of water lie beyond any ceiling a body can reach.
        while (Unit_Formeln::bar_Umgebung_aus(d) < p && d < 2000) d += Abstand();
    }
    if (std::fabs(d) <= 0.001f && S::Buehlmann_Sicherheitsstop_min != 0 && !Sicherheitsstop_erledigt)
        d = m_DekoZuletzt;
    return d;
}

float m_Stufe_unter(int n, float x) {
    if (x <= m_DekoZuletzt || !std::isfinite(x)) return 0;
    float d = m_DekoZuletzt;
    do d += Abstand();
    while (d < x);
    while (d > x) d -= Abstand();
    for (int k = 1; k < n; ++k) d -= Abstand();
    return d <= m_DekoZuletzt ? 0.0f : d;
}

void Aufsteigen_bis_Stop(float& m_Stop_neu) {
    if (abgebrochen()) return;
    while (!abgebrochen() && Schritt_erlaubt()) {
        Aufstieg_Wechsel_pruefen();
        Aufstieg_Gaswechsel_pruefen();
        Aufstieg_pO2_pruefen();
        W::m_Wasser -= v_Aufstieg_bei(W::m_Wasser) * W::min_Schritt;
        T::Zeitschritt_rechnen(W::min_Schritt, W::m_Wasser);
    }
    const float m_Ceiling = m_Stop_aus_Ceiling(Ceiling());
    m_Stop_neu = std::max(m_Ceiling, Gitter_Grenze(W::m_Wasser));
    if (Deep_Stop_offen()) m_Stop_neu = std::max(m_Stop_neu, m_Deep_Stop());
    if (m_Deep_Stop() <= m_Ceiling) DeepStop_erledigt = true;
    if (W::m_Wasser != m_Stop_neu) T::Zeitschritt_rechnen(W::min_Schritt, m_Stop_neu);
    Zeile(Aufstiegszeile());
    Aufstieg_Gaswechsel_pruefen();
    Aufstieg_pO2_pruefen();
}

void Letzten_Stop_verlaengern(float& Stopzeit) {
    if (std::fabs(W::m_Wasser - m_DekoZuletzt) > 0.001f) return;
    if (S::Buehlmann_letzten_Stop_verdoppeln) {
        am_Stop_rechnen(Stopzeit);
        Stopzeit *= 2;
    }
    if (Stopzeit < S::Buehlmann_Sicherheitsstop_min) {
        am_Stop_rechnen(S::Buehlmann_Sicherheitsstop_min - Stopzeit);
        Stopzeit = S::Buehlmann_Sicherheitsstop_min;
    }
}

void Dekostop_halten(float& Stopzeit) {
    if (abgebrochen()) return;
    Stopzeit = 0;
    float Ende_letzter_Break = 0;
    bool tief = false;
    if (Deep_Stop_offen() && m_Stop_aus_Ceiling(Ceiling()) < m_Deep_Stop()) {
        // A deep stop of no minutes is given up where it would be made.
        if (S::Deep_Stop_min > 0) {
            Stopzeit += static_cast<float>(S::Deep_Stop_min);
            am_Stop_rechnen(static_cast<float>(S::Deep_Stop_min));
            tief = true;
        }
        DeepStop_erledigt = true;
    }
    if (!tief) {
        while (!abgebrochen() && m_Stop_aus_Ceiling(Ceiling()) >= W::m_Wasser) {
            Stopzeit += W::min_Schritt;
            am_Stop_rechnen(W::min_Schritt);
            Gas_Break(Stopzeit, Ende_letzter_Break);
            Sicherheitsstop_erledigt = ganze_Minuten(Stopzeit) >= S::Buehlmann_Sicherheitsstop_min;
        }
        Letzten_Stop_verlaengern(Stopzeit);
    }
    if (Aufstiegszeit_addieren)
        Stopzeit += (W::m_Wasser - m_Stop_aus_Ceiling(Ceiling())) / v_Aufstieg_bei(W::m_Wasser);
    if (S::GF_alle_Stops && std::fabs(Stopzeit) <= 0.05f) {
        Stopzeit += W::min_Schritt;
        am_Stop_rechnen(Stopzeit);
    }
    if (Stops_volle_Minuten) Stop_verlaengern(Stopzeit, Stopzeit - ganze_Minuten(Stopzeit));
    if (Stops_volle_RunTime_Minuten)
        Stop_verlaengern(Stopzeit, W::min_Runtime - ganze_Minuten(W::min_Runtime));
    min_Stopzeit = Stopzeit;
    if (Stopzeit > 0.05f) Zeile(tief ? "Deep Stop" : Text_waehlen("Deko", "Deco"));
}

void Austauchen_planen() {
    if (std::fabs(W::m_Wasser) <= 0.1f) return;
    namespace O2 = Unit_Sauerstofftoxizitaet;
    if (O2::pO2_ausserhalb && !O2::pO2_weiterrechnen) T::Berechnung_abgebrochen = true;
    if (abgebrochen()) return;

    const bool Tiefenzuschlag = S::Buehlmann_Tiefenzuschlag;
    S::Buehlmann_Tiefenzuschlag = false;
    Planer_laeuft = true;
    Sicherheitsstop_erledigt = false;
    m_ErsterStop = 0;
    DeepStop_erledigt = false;
    min_ErsterStop = min_LetzterStop = 0;
    W::m_Dekozone = 0;
    W::min_Dekozone = 0;
    min_Aufstiegszeit = min_Grundzeit = static_cast<float>(W::min_Runtime);
    v_Aufstieg = v_Aufstieg_bei(W::m_Wasser);
    // pSCR flushes the loop by itself on the way up: each becomes a row.
    Unit_CCR_SCR::Ereignis_anhaengen = [](const std::string& Aktion) { Zeile(Aktion); };

    if (Bail_Out && W::Tauchgeraet == 1) {
        W::Tauchgeraet = 0;
        Zeile("Bail Out", true);
    }
    if (W::Tauchgeraet == 3 && Unit_CCR_SCR::pSCR.spuelen_bei_Beginn_Aufstieg) Spuelzeile();

    Aufsteigen_bis_Stop(m_Stop);
    m_ErsterStop = m_Stop;
    while (W::m_Wasser > 0 && !abgebrochen()) {
        Dekostop_halten(min_Stopzeit);
        Aufsteigen_bis_Stop(m_Stop);
    }

    Unit_CCR_SCR::Ereignis_anhaengen = nullptr;
    Planer_laeuft = false;
    min_Aufstiegszeit = static_cast<float>(W::min_Runtime) - min_Aufstiegszeit;
    S::Buehlmann_Tiefenzuschlag = Tiefenzuschlag;
}

void Aufstieg_Wechsel_pruefen() {
    if (!Aufstieg_Geschwindigkeit_variabel) return;
    const float v = v_Aufstieg_bei(W::m_Wasser);
    if (std::fabs(v - v_Aufstieg) <= 0.01f) return;
    v_Aufstieg = v;
    Zeile(Text_waehlen("Aufstieg Wechsel ", "Ascent change ") + Zahl_formatieren(4, 1, v) + " m/min");
}

void Aufstieg_Gaswechsel_pruefen() {
    if (!Aufstieg_Gaswechsel_OK) return;
    const auto Gas = static_cast<int32_t>(std::lround(Unit_Tiefentabelle::Tiefentabelle_lesen(
        Aufstieg_Gaswechsel, true, Richtung::aufwaerts, static_cast<float>(W::Gas_Nr), W::m_Wasser)));
    if (Gas == W::Gas_Nr || Gas < 0 || Gas > G::Gasgemisch_NumMax) return;
    if (!letzte_Zeile_ist_Aufstieg()) Zeile(Aufstiegszeile()); // closes the leg with the old gas
    Gas_waehlen(Gas);
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    W::bar_pO2 = Unit_CCR_SCR::bar_pO2_Anzeige();
    Unit_Tauchgangszustand::WayPoint_anhaengen("Gaswechsel");
    T::WayPoint_anzeigen(Text_waehlen("Gaswechsel", "Gas switch"), W::WayPoint_Anzahl,
                         Unit_Graph_Utilities::Plot_Berechnet, true);
    T::Annotation_zeichnen(true, W::WayPoint_Anzahl);
    Spuelzeile();
    if (Gaswechsel_warten_OK && min_Gaswechsel_warten > 0) {
        am_Stop_rechnen(static_cast<float>(min_Gaswechsel_warten));
        Zeile("Wartezeit nach Gaswechsel");
    }
}

void Aufstieg_pO2_pruefen() {
    if (!Aufstieg_Setpoint_variabel || W::Tauchgeraet != 1) return;
    const float sp = Unit_Tiefentabelle::Tiefentabelle_lesen(Aufstieg_Setpoint, true, Richtung::aufwaerts,
                                                             W::CCR_Setpoint, W::m_Wasser);
    if (std::fabs(sp - W::CCR_Setpoint) <= 0.001f) return;
    if (!letzte_Zeile_ist_Aufstieg()) Zeile(Aufstiegszeile());
    W::CCR_Setpoint = sp;
    Unit_CCR_SCR::Sollwerte_uebernehmen();
    Zeile(Text_waehlen("CCR pO2 Wechsel", "CCR pO2 change"), true);
}

std::string Stop_Annotation(int32_t i) {
    float m = m_Stop, min = min_Stopzeit;
    if (!Planer_laeuft && i >= 1 && i <= W::WayPointMax) {
        // Outside a planned ascent (a dive read back) the row itself tells its stop.
        m = W::WayPoint[static_cast<std::size_t>(i)].m_Wasser;
        min = W::WayPoint[static_cast<std::size_t>(i)].min_Runtime -
              W::WayPoint[static_cast<std::size_t>(i - 1)].min_Runtime;
    }
    if (std::fabs(W::m_Wasser - m_ErsterStop) <= 0.01f) min_ErsterStop = min;
    if (std::fabs(W::m_Wasser - m_DekoZuletzt) <= 0.01f) min_LetzterStop = min;
    return Zahl_formatieren(6, 2, m) + " m " + Zahl_formatieren(6, 2, min) + " min";
}

void Zusammenfassung_anfuegen(Unit_Textpuffer::Textpuffer& Puffer, float min_Runtime_STOP) {
    Puffer.Zeile_anfuegen(Text_waehlen("Maximale Tiefe   = ", "Maximum depth    = ") +
                          Zahl_formatieren(5, 1, T::m_Wasser_MAX) + " m");
    Puffer.Zeile_anfuegen(Text_waehlen("Grundzeit        = ", "Bottom time      = ") +
                          Zahl_formatieren(5, 1, min_Grundzeit) + " min");
    Puffer.Zeile_anfuegen(Text_waehlen("Aufstiegszeit    = ", "Ascent time      = ") +
                          Zahl_formatieren(5, 1, min_Aufstiegszeit) + " min");
    Puffer.Zeile_anfuegen(Text_waehlen("Gesamt-Tauchzeit = ", "Total dive time  = ") +
                          Zahl_formatieren(5, 1, min_Runtime_STOP) + " min");
}

bool Aufstiegsgeschwindigkeit_OK(float v_konstant, const std::array<Zeile_Eingabe, 3>& Zeilen) {
    const bool zu_langsam = v_konstant < 1 || std::any_of(Zeilen.begin(), Zeilen.end(),
                                                          [](const Zeile_Eingabe& z) { return z.Wert < 1; });
    if (zu_langsam) {
        Unit_Tools::Meldung_Problem("Die Aufstiegsgeschwindigkeit muss mindestens 1 m/min sein.",
                                    "The ascent velocity must be at least 1 m/min.");
        return false;
    }
    v_Aufstieg_konstant = v_Aufstieg = v_konstant;
    for (std::size_t k = 0; k < 3; ++k) Aufstieg_Geschwindigkeit.Zeile[k] = {Zeilen[k].m, Zeilen[k].Wert};
    Unit_Tiefentabelle::Zeilen_auffuellen(Aufstieg_Geschwindigkeit, 3);
    Unit_Tiefentabelle::Reihenfolge_pruefen(Aufstieg_Geschwindigkeit);
    return true;
}

void Dekotiefen_OK(int m_zuletzt, int m_Abstand) {
    m_DekoZuletzt = static_cast<float>(std::clamp(m_zuletzt, 1, 12));
    m_DekoStep = static_cast<float>(std::clamp(m_Abstand, 1, 6));
}

void Gaswechsel_OK(const std::array<Zeile_Eingabe, 6>& Zeilen) {
    for (std::size_t k = 0; k < 6; ++k) {
        auto& z = Aufstieg_Gaswechsel.Zeile[k];
        z.m_ab = Zeilen[k].m;
        const float Gas = std::round(Zeilen[k].Wert);
        if (ist_Gas(Gas)) {
            z.Wert = Gas;
            continue;
        }
        const std::string n = std::to_string(k + 1);
        Unit_Tools::Meldung_Problem("Zeile " + n + ": kein Gas der Gasliste gewählt, das Gas bleibt",
                                    "Row " + n + ": no gas of the gas list chosen, the gas stays");
    }
    Unit_Tiefentabelle::Reihenfolge_pruefen(Aufstieg_Gaswechsel);
}

void AirBreak_uebernehmen(bool an, int32_t Gas, int32_t Abstand_min, int32_t Dauer) {
    AirBreak_OK = an;
    if (ist_Gas(static_cast<float>(Gas)))
        AirBreak_GasNum = Gas;
    else
        Unit_Tools::Meldung_Problem("Gas Break: kein Gas der Gasliste gewählt, das Gas bleibt",
                                    "Gas break: no gas of the gas list chosen, the gas stays");
    AirBreak_minAbstand = std::clamp(Abstand_min, 0, 100);
    AirBreak_minDauer = std::clamp(Dauer, 0, 100);
}

void pO2_OK(const std::string& Setpoint_konstant, const std::array<Zeile_Eingabe, 3>& Zeilen) {
    Setpoints_setzen(static_cast<float>(Unit_Tools::Zahl_lesen(Setpoint_konstant)), Zeilen);
}

bool pO2_OK(const std::string& Setpoint_konstant, const std::array<int32_t, 3>& m,
            const std::array<std::string, 3>& Setpoints) {
    const float konstant = Setpoint_lesen(Setpoint_konstant, W::CCR_Setpoint);
    std::array<Zeile_Eingabe, 3> Zeilen{};
    for (std::size_t k = 0; k < 3; ++k)
        Zeilen[k] = {static_cast<float>(m[k]), Setpoint_lesen(Setpoints[k], Aufstieg_Setpoint.Zeile[k].Wert)};
    return Setpoints_setzen(konstant, Zeilen);
}

std::string Baker_Beschriftung() {
    return Text_waehlen("Gradient Factors nach Baker : ", "Gradient Factors after Baker : ") +
           Zahl_formatieren(3, 0, S::GF_Lo * 100.0L) + " / " + Zahl_formatieren(3, 0, S::GF_Hi * 100.0L);
}

Freigaben Freigaben_berechnen() {
    const bool CCR = W::Tauchgeraet == 1;
    Freigaben f;
    f.Setpoint_Tabelle = CCR && !Bail_Out;
    f.Bail_Out = CCR;
    f.vConst = !Aufstieg_Geschwindigkeit_variabel;
    f.v_Tabelle = Aufstieg_Geschwindigkeit_variabel;
    f.Gaswechsel_Zeilen = Aufstieg_Gaswechsel_OK;
    f.AirBreak_Felder = AirBreak_OK;
    f.GF_Felder = S::GF_verwenden;
    f.pO2_konstant = f.Setpoint_Tabelle && !Aufstieg_Setpoint_variabel;
    f.pO2_Zeilen = f.Setpoint_Tabelle && Aufstieg_Setpoint_variabel;
    return f;
}

Anzeige_Type Anzeige() {
    Anzeige_Type a;
    a.vConst = gerundet(v_Aufstieg_konstant);
    for (std::size_t k = 0; k < 3; ++k) {
        a.m[k] = gerundet(Aufstieg_Geschwindigkeit.Zeile[k].m_ab);
        a.v[k] = gerundet(Aufstieg_Geschwindigkeit.Zeile[k].Wert);
        a.mp[k] = gerundet(Aufstieg_Setpoint.Zeile[k].m_ab);
        a.yp[k] = Zahl_formatieren(4, 2, Aufstieg_Setpoint.Zeile[k].Wert);
    }
    a.DekoZuletzt = gerundet(m_DekoZuletzt);
    a.DekoStep = gerundet(m_DekoStep);
    for (std::size_t k = 0; k < 6; ++k) {
        a.Gaswechsel_m[k] = gerundet(Aufstieg_Gaswechsel.Zeile[k].m_ab);
        const float Gas = std::round(Aufstieg_Gaswechsel.Zeile[k].Wert);
        a.Gaswechsel_Gas[k] = ist_Gas(Gas) ? gerundet(Gas) : -1;
    }
    a.AirBreak_Gas = ist_Gas(static_cast<float>(AirBreak_GasNum)) ? AirBreak_GasNum : -1;
    a.AirBreak_Abstand = AirBreak_minAbstand;
    a.AirBreak_Dauer = AirBreak_minDauer;
    a.pO2_const = Zahl_formatieren(4, 2, W::CCR_Setpoint);
    a.GF_Lo = gerundet(S::GF_Lo * 100.0f);
    a.GF_Hi = gerundet(S::GF_Hi * 100.0f);
    return a;
}

void GF_uebernehmen(int32_t GF_Lo_Prozent, int32_t GF_Hi_Prozent) {
    S::GF_Eingabe_uebernehmen(GF_Lo_Prozent, GF_Hi_Prozent, S::GF_Lo_last_deco_stop, S::GF_alle_Stops);
}

int Sicherheit_Unterseite() {
    int Seite = 1;
    if (S::Buehlmann_Tiefenzuschlag) Seite = 0;
    if (S::GF_verwenden) Seite = 1;
    if (S::Deep_Stop_verwenden) Seite = 2;
    return Seite;
}

} // namespace Unit_AustauchPlanung
