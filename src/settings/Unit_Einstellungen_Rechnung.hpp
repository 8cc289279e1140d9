// What the calculation pages of the settings dialog do beyond setting one key: gas consumption
// and the loops, models and algorithm, safety margins with their explanations, the gas list's
// delete rules and the limits the program works with, as texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Unit_Einstellungen_Rechnung {

// --- Gas consumption ---

// The three loops whose metabolic oxygen consumption is chosen from the list.
enum class Kreislauf { CCR, SCR, pSCR };

// The choices 0.5 .. 2.5 (l/min, barL/min for CCR) and their texts with two decimals.
const std::array<float, 8>& O2_Verbrauch_Auswahl();
std::vector<std::string> O2_Verbrauch_Texte();
// The entry of the loop's present consumption; -1 when it is none of the choices.
int O2_Verbrauch_Eintrag(Kreislauf k);
// Sets the loop's consumption to choice Eintrag (others are ignored); for CCR the oxygen feed is
// checked afterwards.
void O2_Verbrauch_waehlen(Kreislauf k, int Eintrag);
// The CCR needle valve's delivery (l/min), checked afterwards.
void CCR_O2_Zufuhr_setzen(int32_t L_pro_min);
// A feed below the consumption is reported; both values are kept.
void CCR_O2_Zufuhr_pruefen();
// "OK" of the SCR page: the idealised formula or the simulated loop.
void SCR_Formel_waehlen(bool idealisiert);
// The dump ratio (%) in force, which the main window shows while the apparatus is pSCR.
void pSCR_DumpRatio_setzen(int32_t Prozent);
// p(H2O) with width 7 and five decimals, as the page shows it.
std::string p_H2O_Text();
// After the overwrite question: breathing volumes, the three loops, waiting after gas switches,
// water vapour and the consumption safety margin back to their defaults. False when declined.
bool Gasverbrauch_Standard();

// --- Models and algorithm ---

// The long names of the nitrogen sets 0 .. 5 and of the helium sets 6 and 7, in list order.
std::vector<std::string> Modell_N2_Texte();
std::vector<std::string> Modell_He_Texte();
// The list entry of the set in use; -1 when it is none of the list.
int Modell_N2_Eintrag();
int Modell_He_Eintrag();
// Loads nitrogen set Eintrag (0 .. 5) or helium set 6 + Eintrag (0 .. 1); others are ignored.
void Modell_N2_waehlen(int Eintrag);
void Modell_He_waehlen(int Eintrag);

// The four algorithm texts in list order.
std::vector<std::string> Algorithmus_Texte();
// Sets the algorithm (0 .. 3); 2 and 3 are kept after a warning.
void Algorithmus_waehlen(int32_t Code);
// The calculation step of the multilevel algorithm (min), one decimal.
std::string Zeitintervall_Text();

// --- Safety margins ---

// "OK" of the gradient-factor page: the two fields in whole percent, read as numbers; a factor
// outside 0 .. 1 becomes 1 with its error box. An empty field keeps its factor.
void GF_OK(const std::string& GF_Lo_Text, const std::string& GF_Hi_Text, bool letzter_Dekostop,
           bool alle_Stops);
// A gradient factor as the page's field shows it: whole percent.
std::string GF_Prozent_Text(float GF);
// The safety-stop choice (0 "keinen", 1 "1 min", 2 "5 min") of the present setting.
int Sicherheitsstop_Eintrag();
// Deep stop off, 1 min, 2 steps.
void Deep_Stop_Standard();

// The explanation boxes of the three safety pages.
void Erklaerung_Buehlmann();
void Erklaerung_GF();
void Erklaerung_Deep_Stop();

// --- Breathing gases ---

// "aktuelles Gas löschen" only for a user gas, "nicht benötigte Gase löschen" only when there
// are user gases.
bool Gas_loeschen_erlaubt();
bool Gase_unbenutzt_loeschen_erlaubt();

// --- Limits ---

// The program's own limits as the limits page shows them.
struct Grenzwerte_Texte_Type {
    std::string pO2_Max; // bar
    std::string pO2_Min; // bar
    std::string END_Max; // m
    std::string CNS_Max; // %
    std::string OTU_Max; //
    std::string Gegendiffusion_max;
    std::string Gegendiffusion_min;
    std::string m_Tiefe_Max;       // m
    std::string min_Grundzeit_Max; // min
    std::string min_Tauchzeit_Max; // min: one sample per calculation step
    std::string WayPoints_Max;
    std::string Gase_Max;
    std::string mbar_Kabinendruck;
    // What the density limits (set on the page) and the OTU limit (also per day) mean.
    std::string Erklaerung_Gasdichte_OTU;
};
Grenzwerte_Texte_Type Grenzwerte_Texte();

} // namespace Unit_Einstellungen_Rechnung
