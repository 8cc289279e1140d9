#include "settings/Unit_Einstellungen.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"

#include <algorithm>
#include <ctime>

namespace Unit_Einstellungen {

namespace {
namespace F = Unit_Formeln;
namespace D = Unit_Graph_Utilities;
namespace T = Unit_Tools;

// The calibration the settings file accepts, and the densities that give it.
constexpr float m_pro_bar_Minimum = 9;
constexpr float m_pro_bar_Maximum = 11;

// A typed number: false after Zahl_lesen's message when the text is none. An empty field is no
// value either: as 0 it would turn the setting into nonsense.
bool Zahl_aus_Feld(const std::string& Text, long double& Wert) {
    if (T::Zahl_umwandeln(Text, Wert)) return true;
    if (Text.find_first_not_of(" \t") == std::string::npos)
        T::Meldung_Problem("Kein Wert eingegeben", "No value entered");
    else
        T::Zahl_lesen(Text);
    return false;
}

// The nearer bound of a value outside, with a message naming the range and the new value.
long double Begrenzen(long double Wert, long double Minimum, long double Maximum, const std::string& Deutsch,
                      const std::string& Englisch, int Nachkommastellen) {
    if (Wert >= Minimum && Wert <= Maximum) return Wert;
    const long double Neu = std::clamp(Wert, Minimum, Maximum);
    const std::string Bereich = T::Zahl_formatieren(0, Nachkommastellen, Minimum) + " .. " +
                                T::Zahl_formatieren(0, Nachkommastellen, Maximum);
    const std::string Wert_Text = T::Zahl_formatieren(0, Nachkommastellen, Neu);
    T::Meldung_Problem(Deutsch + " außerhalb von " + Bereich + "\r-> wird gesetzt auf " + Wert_Text,
                       Englisch + " outside " + Bereich + "\r-> will be set to " + Wert_Text);
    return Neu;
}

bool* Spalte(Tabellenspalte s) {
    namespace R = Unit_Report;
    switch (s) {
    case Tabellenspalte::Aufstieg_zwischen_Deko:
        return &R::RunTimeTable_mitAufstiegbeiDeko;
    case Tabellenspalte::Zeit_auf_Tiefe:
        return &R::RunTimeTable_mitDeltaT;
    case Tabellenspalte::Uhrzeit:
        return &R::RunTimeTable_mitUhrzeitRuntime;
    case Tabellenspalte::pO2:
        return &R::RunTimeTable_mitpO2;
    case Tabellenspalte::CNS:
        return &R::RunTimeTable_mitCNS_prozent;
    case Tabellenspalte::Gasdichte:
        return &R::RunTimeTable_mitGasdichte;
    case Tabellenspalte::System:
        break;
    }
    return &R::RunTimeTable_mitSystem;
}
} // namespace

bool Grundeinstellung_OK(int32_t Nummer) {
    if (Nummer < 0 || Nummer >= Unit_Grundeinstellungen::Grundeinstellung_Anzahl) return false;
    if (!T::Frage_Ja_Nein("Alle individuellen Anpassungen mit Standardwerten überschreiben",
                          "Overwrite all individual settings by defaults"))
        return false;
    return Unit_Grundeinstellungen::Grundeinstellung_anwenden(Nummer);
}

bool Anzeigen_Standard() {
    if (!T::Frage_Ja_Nein("Alle Anzeigen auf Standardwerte zurücksetzen", "Reset all displays to defaults"))
        return false;
    Unit_Programm::Modelle_zeigen = false;
    D::Taucher_zeigen = false;
    D::OTU_zeigen = false;
    D::Uhrzeit_zeigen = false;
    D::Gegendiffusion_zeigen = false;
    Unit_Gewebe_barL::Inertgasvolumina_zeigen = false;
    Unit_Gasverbrauch::Gasverbrauch_Abstieg_Grundzeit_zeigen = false;
    Unit_Gasverbrauch::Gasverbrauch_Aufstieg_zeigen = false;
    D::Tauchgangsgraphik_zeigen = true;
    Unit_Programm::Hinweise_zeigen = true;
    D::GF_zeigen = true;
    D::Druck_zeigen = true;
    D::Atemkreislauf_zeigen = true;
    D::END_zeigen = true;
    D::pO2_zeigen = true;
    D::CNS_zeigen = true;
    Unit_Gewebe_barL::Gewebesaettigung_zeigen = true;
    Unit_Gewebe_barL::Gewebesaettigung_absolut_zeigen = true;
    return true;
}

void Uhrzeit_anzeigen(bool an) {
    D::Uhrzeit_zeigen = an;
}

// ---- air pressure ----

void Hoehe_setzen(int32_t m) {
    F::m_NN = std::clamp(m, m_NN_Minimum, m_NN_Maximum);
    F::bar_Luft = F::bar_Luft_aus_Hoehe(static_cast<float>(F::m_NN));
}

bool Luftdruck_OK(const std::string& mbar_Text) {
    long double mbar = 0;
    if (!Zahl_aus_Feld(mbar_Text, mbar)) return false;
    // The highest place on earth has the lowest pressure.
    const long double Minimum = F::bar_Luft_aus_Hoehe(m_NN_Maximum) * 1000.0L;
    const long double Maximum = F::bar_Luft_aus_Hoehe(m_NN_Minimum) * 1000.0L;
    mbar = Begrenzen(mbar, Minimum, Maximum, "Luftdruck (mbar)", "Air pressure (mbar)", 2);
    F::bar_Luft = static_cast<float>(mbar / 1000.0L);
    F::m_NN = std::clamp(F::m_NN_aus_bar_Luft(F::bar_Luft), m_NN_Minimum, m_NN_Maximum);
    return true;
}

void Standardatmosphaere() {
    F::bar_Luft = static_cast<float>(F::bar_Standardatmosphaere);
    F::m_NN = 0;
}

std::string Luftdruck_mbar_Text() {
    return T::Zahl_formatieren(7, 2, F::bar_Luft * 1000.0L);
}

// ---- water ----

std::string Salzgehalt_Text(std::size_t Index) {
    static const std::array<const char*, 5> Deutsch = {"0.0 - Süßwasser", "0.7 - Ostsee", "3.4 - Atlantik",
                                                       "3.7 - Mittelmeer", "4.1 - Rotes Meer"};
    static const std::array<const char*, 5> Englisch = {
        "0.0 - fresh water", "0.7 - Baltic Sea", "3.4 - Atlantic", "3.7 - Mediterranean", "4.1 - Red Sea"};
    if (Index >= Deutsch.size()) return {};
    return T::Text_waehlen(Deutsch[Index], Englisch[Index]);
}

bool Wasser_OK(const std::string& g_pro_cm3_Text) {
    long double Dichte = 0;
    if (!Zahl_aus_Feld(g_pro_cm3_Text, Dichte)) return false;
    // More metres per bar the lighter the water: the lightest water gives the maximum.
    const long double Minimum = 1.0L / (m_pro_bar_Maximum * 1000.0L * F::Erdbeschleunigung * 0.00001L);
    const long double Maximum = 1.0L / (m_pro_bar_Minimum * 1000.0L * F::Erdbeschleunigung * 0.00001L);
    Dichte = Begrenzen(Dichte, Minimum, Maximum, "Dichte (g/cm³)", "Density (g/cm³)", 6);
    F::m_pro_bar = std::clamp(F::m_pro_bar_aus_g_pro_cm3(static_cast<float>(Dichte)), m_pro_bar_Minimum,
                              m_pro_bar_Maximum);
    return true;
}

void Wasser_Standard() {
    F::m_pro_bar = 10;
}

float Kalibrieren(std::size_t Temperatur_Index, std::size_t Salz_Index) {
    if (Temperatur_Index >= Temperaturen_C.size()) Temperatur_Index = 0;
    if (Salz_Index >= Salzgehalte_Prozent.size()) Salz_Index = 0;
    const float Dichte =
        F::g_pro_cm3_WasserDichte(Temperaturen_C[Temperatur_Index], Salzgehalte_Prozent[Salz_Index]);
    F::m_pro_bar = F::m_pro_bar_aus_g_pro_cm3(Dichte);
    return Dichte;
}

std::string m_pro_bar_Text() {
    return T::Zahl_formatieren(6, 3, F::m_pro_bar);
}

std::string Dichte_Text() {
    if (F::m_pro_bar <= 0) return {};
    return Dichte_Text(F::m_pro_bar_aus_kg_pro_m3(F::m_pro_bar) / 1000.0f);
}

std::string Dichte_Text(float g_pro_cm3) {
    return T::Zahl_formatieren(0, 6, g_pro_cm3);
}

// ---- time ----

void volle_Minuten_setzen(bool an) {
    Unit_AustauchPlanung::Stops_volle_Minuten = an;
    Unit_AustauchPlanung::Stops_volle_RunTime_Minuten = !an;
}

void volle_RunTime_Minuten_setzen(bool an) {
    Unit_AustauchPlanung::Stops_volle_RunTime_Minuten = an;
    Unit_AustauchPlanung::Stops_volle_Minuten = !an;
}

void Startzeit_OK(int Stunden, int Minuten, int Sekunden) {
    D::Startzeit_aktuell = false;
    D::Startzeit = {std::clamp(Stunden, 0, 23), std::clamp(Minuten, 0, 59), std::clamp(Sekunden, 0, 59)};
}

void Startzeit_jetzt(bool an) {
    D::Startzeit_aktuell = an;
    if (!an) return;
    const std::time_t t = std::time(nullptr);
    if (const std::tm* jetzt = std::localtime(&t))
        D::Startzeit = {jetzt->tm_hour, jetzt->tm_min, jetzt->tm_sec};
}

// ---- paths, runtime table ----

void Pfad_OK(const std::string& Ordner) {
    std::string& Pfad = Unit_WayPoints::Pfad_Tauchgang;
    Pfad = Ordner;
    if (!Pfad.empty() && Pfad.back() != '/' && Pfad.back() != '\\') Pfad += '/';
}

bool Tabellenspalte_an(Tabellenspalte s) {
    return *Spalte(s);
}

void Tabellenspalte_setzen(Tabellenspalte s, bool an) {
    *Spalte(s) = an;
    Unit_Report::Runtime_Tabelle_schreiben();
}

void Nachkommastellen_setzen(int32_t n) {
    Unit_Report::RunTimeTable_NachKomma = std::clamp(n, 0, 2);
    Unit_Report::Runtime_Tabelle_schreiben();
}

} // namespace Unit_Einstellungen
