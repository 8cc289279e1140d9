#include "settings/Unit_Einstellungen_Rechnung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"

#include <algorithm>

namespace Unit_Einstellungen_Rechnung {

namespace {
namespace K = Unit_CCR_SCR;
namespace S = Unit_Saettigungsmodelle;
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

constexpr std::array<float, 8> O2_Verbrauch_Liste = {0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.5f};

float& O2_Verbrauch(Kreislauf k) {
    switch (k) {
    case Kreislauf::CCR:
        return K::CCR.barL_pro_min_Atmung_O2;
    case Kreislauf::SCR:
        return K::SCR.barL_pro_min_Atmung_O2;
    case Kreislauf::pSCR:
        break;
    }
    return K::pSCR.barL_pro_min_Atmung_O2;
}

bool im_Bereich(int Eintrag, std::size_t Anzahl) {
    return Eintrag >= 0 && static_cast<std::size_t>(Eintrag) < Anzahl;
}

std::vector<std::string> Erlaeuterungen(int32_t erster, int32_t letzter) {
    std::vector<std::string> t;
    for (int32_t n = erster; n <= letzter; ++n) t.push_back(S::Modell_Tabelle()[n].Erlaeuterung);
    return t;
}

// The list entry of a set in use: its identifier within the list's range, once a set was chosen.
int Modell_Eintrag(const S::Modell_Typ& m, int32_t erster, int32_t letzter) {
    if (m.Bezeichnung.empty() || m.Nummer < erster || m.Nummer > letzter) return -1;
    return m.Nummer - erster;
}

// A cleared field would read as 0 without a word: a factor that forbids any over-saturation.
// Nothing typed keeps the factor in force.
long double GF_Prozent_lesen(const std::string& Text, float GF) {
    if (Text.find_first_not_of(" \t") == std::string::npos) return static_cast<long double>(GF) * 100;
    return Unit_Tools::Zahl_lesen(Text);
}

std::string Prozent(float GF) {
    return Zahl_formatieren(0, 0, static_cast<long double>(GF) * 100);
}
} // namespace

const std::array<float, 8>& O2_Verbrauch_Auswahl() {
    return O2_Verbrauch_Liste;
}

std::vector<std::string> O2_Verbrauch_Texte() {
    std::vector<std::string> t;
    for (float x : O2_Verbrauch_Liste) t.push_back(Zahl_formatieren(0, 2, x));
    return t;
}

int O2_Verbrauch_Eintrag(Kreislauf k) {
    const auto* p = std::find(O2_Verbrauch_Liste.begin(), O2_Verbrauch_Liste.end(), O2_Verbrauch(k));
    return p == O2_Verbrauch_Liste.end() ? -1 : static_cast<int>(p - O2_Verbrauch_Liste.begin());
}

void O2_Verbrauch_waehlen(Kreislauf k, int Eintrag) {
    if (!im_Bereich(Eintrag, O2_Verbrauch_Liste.size())) return;
    O2_Verbrauch(k) = O2_Verbrauch_Liste[static_cast<std::size_t>(Eintrag)];
    if (k == Kreislauf::CCR) CCR_O2_Zufuhr_pruefen();
}

void CCR_O2_Zufuhr_setzen(int32_t L_pro_min) {
    K::CCR.L_pro_min_O2_Zufuhr = L_pro_min;
    CCR_O2_Zufuhr_pruefen();
}

void CCR_O2_Zufuhr_pruefen() {
    if (static_cast<float>(K::CCR.L_pro_min_O2_Zufuhr) < K::CCR.barL_pro_min_Atmung_O2)
        Unit_Tools::Meldung_Problem("Sauerstoffzufuhr ist kleiner als der Sauerstoffverbrauch",
                                    "Oxygen feed is lower than oxygen consumption");
}

void SCR_Formel_waehlen(bool idealisiert) {
    K::SCR.Formel = idealisiert ? 1 : 0;
}

void pSCR_DumpRatio_setzen(int32_t Prozent) {
    W::pSCR_DumpRatio = Prozent;
}

std::string p_H2O_Text() {
    return Zahl_formatieren(7, 5, Unit_Formeln::p_H2O);
}

bool Gasverbrauch_Standard() {
    if (!Unit_Tools::Frage_Ja_Nein("Alle individuellen Anpassungen mit Standardwerten überschreiben",
                                   "Reset all individual settings by defaults"))
        return false;
    Unit_Gasverbrauch::AMV = 20;
    Unit_Gasverbrauch::AMV_Deko = 20;
    K::Kreislaeufe_initialisieren(true);
    W::pSCR_DumpRatio = K::pSCR.pSCR_DumpRatio;
    Unit_AustauchPlanung::Gaswechsel_warten_OK = false;
    Unit_AustauchPlanung::min_Gaswechsel_warten = 1;
    Unit_Formeln::p_H2O_setzen(true);
    Unit_Gasverbrauch::Verbrauch_SicherheitsZuschlagProzent = 50;
    Unit_Gasverbrauch::Stress_Faktor = Unit_Gasverbrauch::Stress_Faktor_Standard;
    Unit_Gasverbrauch::min_Problemloesezeit = Unit_Gasverbrauch::min_Problemloesezeit_Standard;
    return true;
}

std::vector<std::string> Modell_N2_Texte() {
    return Erlaeuterungen(S::Modell_N2_erster, S::Modell_N2_letzter);
}

std::vector<std::string> Modell_He_Texte() {
    return Erlaeuterungen(S::Modell_He_erster, S::Modell_He_letzter);
}

int Modell_N2_Eintrag() {
    return Modell_Eintrag(S::Modell_N2, S::Modell_N2_erster, S::Modell_N2_letzter);
}

int Modell_He_Eintrag() {
    return Modell_Eintrag(S::Modell_He, S::Modell_He_erster, S::Modell_He_letzter);
}

void Modell_N2_waehlen(int Eintrag) {
    if (Eintrag < 0 || Eintrag > S::Modell_N2_letzter - S::Modell_N2_erster) return;
    S::Modell_waehlen(S::Modell_N2_erster + Eintrag, S::Modell_N2);
}

void Modell_He_waehlen(int Eintrag) {
    if (Eintrag < 0 || Eintrag > S::Modell_He_letzter - S::Modell_He_erster) return;
    S::Modell_waehlen(S::Modell_He_erster + Eintrag, S::Modell_He);
}

std::vector<std::string> Algorithmus_Texte() {
    return {Text_waehlen("Bühlmann - Original-Formel für Rechteck-Profile",
                         "Bühlmann - original formula for square profiles"),
            Text_waehlen("Bühlmann - Multilevel", "Bühlmann - multilevel"), "Schreiner",
            Text_waehlen("Schreiner - zweite Anordnung der Formel",
                         "Schreiner - second arrangement of the formula")};
}

void Algorithmus_waehlen(int32_t Code) {
    if (Code < 0 || Code > 3) return;
    Unit_Saettigungsrechnung::Algorithmus = Code;
    if (Code >= 2) Unit_Tools::Meldung_Problem("Algorithmus noch nicht getestet", "Algorithm not yet tested");
}

std::string Zeitintervall_Text() {
    return Zahl_formatieren(0, 1, W::min_Schritt);
}

void GF_OK(const std::string& GF_Lo_Text, const std::string& GF_Hi_Text, bool letzter_Dekostop,
           bool alle_Stops) {
    const long double Lo = GF_Prozent_lesen(GF_Lo_Text, S::GF_Lo);
    const long double Hi = GF_Prozent_lesen(GF_Hi_Text, S::GF_Hi);
    S::GF_Eingabe_uebernehmen(Lo, Hi, letzter_Dekostop, alle_Stops);
}

std::string GF_Prozent_Text(float GF) {
    return Prozent(GF);
}

int Sicherheitsstop_Eintrag() {
    for (int k = 0; k < 3; ++k)
        if (S::Sicherheitsstop_min_aus_Auswahl(k) == S::Buehlmann_Sicherheitsstop_min) return k;
    return -1;
}

void Deep_Stop_Standard() {
    S::Deep_Stop_verwenden = false;
    S::Deep_Stop_min = 1;
    S::Deep_Stop_Stufen_oberhalb_Dekozone = 2;
}

void Erklaerung_Buehlmann() {
    Unit_Tools::Meldung_Info(
        "Original-Sicherheitszuschläge nach Bühlmann\r\r"
        "Tiefenzuschlag: der Tauchgang wird mit einer etwas größeren Tiefe gerechnet\r"
        "(Tiefe + 3 % + 1 m). Der Aufstieg wird ohne Zuschlag gerechnet.\r\r"
        "Letzten Dekostop verdoppeln: der letzte (flachste) Dekostop dauert doppelt so lang.\r\r"
        "Sicherheitsstop auf letzter Deko: nach einem Tauchgang ohne Dekompressionspflicht\r"
        "wird auf der Tiefe des letzten Dekostops 1 oder 5 min gewartet.\r\r"
        "Knöpfe:\r"
        " 0 = keine Sicherheitszuschläge\r"
        " Standard = Tiefenzuschlag und 1 min Sicherheitsstop\r"
        " Risiko-Taucher = Tiefenzuschlag, 5 min Sicherheitsstop und letzten Dekostop verdoppeln",
        "Original safety margins from Bühlmann\r\r"
        "Depth safety margin: the dive is computed with a slightly deeper depth\r"
        "(depth + 3 % + 1 m). The ascent is computed without it.\r\r"
        "Double last deco stop: the last (shallowest) deco stop takes twice as long.\r\r"
        "Safety stop on last deco: after a dive without decompression obligation\r"
        "the diver waits 1 or 5 min on the depth of the last deco stop.\r\r"
        "Buttons:\r"
        " 0 = no safety margins\r"
        " Default = depth safety margin and 1 min safety stop\r"
        " Risk diver = depth safety margin, 5 min safety stop and double last deco stop");
}

void Erklaerung_GF() {
    const std::string Hi = Prozent(S::GF_Hi), Lo = Prozent(S::GF_Lo);
    Unit_Tools::Meldung_Info(
        "Gradienten Faktoren (GF) nach E. Baker\r\r"
        "Die GF beschreiben den Abstand zwischen dem aktuellen Umgebungsdruck und der erlaubten\r"
        "Übersättigung nach Bühlmann. GF=100 bedeutet, dass die Bühlmann-Grenze\r"
        "zu 100 % ausgenutzt wird (geringste Sicherheitsreserve). Je kleiner der GF, desto ...\r"
        " - höher die Sicherheitsreserve\r"
        " - länger dauert die Dekompression\r"
        " - mehr wird die Dekompression zu den \"langsameren\" Geweben verschoben\r\r"
        "GF Hi: bestimmt den letzten (flachsten) Dekostop, eingestellt: " +
            Hi +
            "\r"
            "GF Lo: bestimmt den ersten (tiefsten) Dekostop, eingestellt: " +
            Lo,
        "Gradient factors (GF) after E. Baker\r\r"
        "The GF quantify the distance between the actual ambient pressure and the allowed\r"
        "oversaturation after Bühlmann. GF=100 means, that the Bühlmann setting\r"
        "is used by 100 % (lowest safety margin). The lower the GF, the ...\r"
        " - higher the safety margin\r"
        " - longer takes the decompression\r"
        " - more shifting of the decompression towards the \"slower\" tissues\r\r"
        "GF Hi: controls the last (shallowest) deco stop, set: " +
            Hi +
            "\r"
            "GF Lo: controls the first (deepest) deco stop, set: " +
            Lo);
}

void Erklaerung_Deep_Stop() {
    Unit_Tools::Meldung_Info("Deep Stop\r\r"
                             "Ein 'Deep Stop' ist ein tiefer Dekostop, der zusätzlich\r"
                             "zum ersten berechneten Dekostop eingehalten wird.\r\r"
                             "Dauer: gibt die Zeit auf dem tiefen Dekostop an\r\r"
                             "Stufen oberhalb der Deko-Zone: gibt die Tiefe des Deep Stops an.\r"
                             "Bei 1 wird der Deep Stop mit dem Standard-Stop zusammengelegt,\r"
                             "der dem Beginn der Deko-Zone am nächsten liegt.\r"
                             "Bei 4 (als Beispiel) liegt der Deep Stop 4 Stufen oberhalb\r"
                             "des Beginns der Deko-Zone",
                             "Deep Stop\r\r"
                             "A 'Deep Stop' is a deep deco stop, which will be used in addition\r"
                             "to the first calculated deco stop.\r\r"
                             "Duration: gives the time on the deep deco stop\r\r"
                             "Steps above the deco zone: gives the depth of the deep stop.\r"
                             "If 1, the deep stop will be included to the standard stop,\r"
                             "which is the nearest to the beginning of the deco zone.\r"
                             "if 4 (as an example), the deep stop will be set 4 steps above\r"
                             "the beginning of the deco zone");
}

bool Gas_loeschen_erlaubt() {
    return G::Gasgemisch_num > G::Gasgemisch_NumMaxDefault && G::Gasgemisch_num <= G::Gasgemisch_NumMax;
}

bool Gase_unbenutzt_loeschen_erlaubt() {
    return G::Gasgemisch_NumMax > G::Gasgemisch_NumMaxDefault;
}

Grenzwerte_Texte_Type Grenzwerte_Texte() {
    namespace O2 = Unit_Sauerstofftoxizitaet;
    namespace Gr = Unit_Grenzwerte;
    const auto Z = [](int Breite, int Stellen, long double x) {
        return Zahl_formatieren(Breite, Stellen, x);
    };
    return {
        .pO2_Max = Z(0, 2, O2::bar_pO2_Maximum),
        .pO2_Min = Z(0, 2, O2::bar_pO2_Minimum),
        .END_Max = Z(0, 1, Unit_Formeln::m_END_Maximum),
        .CNS_Max = Z(0, 1, O2::CNS_Prozent_Maximum),
        .OTU_Max = Z(0, 0, O2::OTU_Maximum),
        .Gegendiffusion_max = Z(0, 3, Gr::Gegendiffusion_max),
        .Gegendiffusion_min = Z(0, 3, Gr::Gegendiffusion_min),
        .m_Tiefe_Max = Z(0, 0, W::m_Wasser_Grenze),
        .min_Grundzeit_Max = Z(0, 0, W::min_Runtime_Grenze),
        .min_Tauchzeit_Max = Z(0, 0, static_cast<long double>(W::min_Schritt) * W::sDataMax),
        .WayPoints_Max = std::to_string(W::WayPointMax),
        .Gase_Max = std::to_string(G::GasGemisch_NumMaxUeberhaupt),
        .mbar_Kabinendruck =
            Z(0, 0, static_cast<long double>(Unit_Saettigungsrechnung::bar_Kabinendruck) * 1000),
        .Erklaerung_Gasdichte_OTU =
            Unit_Tools::Text_waehlen("Gasdichte: des geatmeten Gases bei 0 °C. Über der Warnung\n"
                                     "wird gewarnt, über dem Maximum stark gewarnt.\n"
                                     "OTU Max gilt auch für die OTU des Tages (REPEX).",
                                     "Gas density: of the gas breathed, at 0 °C. Above the\n"
                                     "warning it is warned of, above the maximum strongly.\n"
                                     "OTU Max also limits the OTU of the day (REPEX)."),
    };
}

} // namespace Unit_Einstellungen_Rechnung
