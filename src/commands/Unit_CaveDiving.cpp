#include "commands/Unit_CaveDiving.hpp"

#include "commands/Unit_Main.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_aXML.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Unit_Textdatei.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Unit_CaveDiving {

std::string Feld_von_m;
std::string Feld_bis_m;
std::string Feld_add = "0.0";

namespace {
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace A = Unit_Tauchgang_analysieren;
namespace CSV = Unit_Save_Read_CSV;
using Unit_Tools::Meldung_Problem;
using Unit_Tools::Zahl_formatieren;

constexpr const char* Dateifilter = "CSV Datei|*.csv|TXT Datei|*.txt|Alle Dateien|*.*";

W::WayPoint_Type& Punkt(int32_t i) {
    return W::WayPoint[static_cast<std::size_t>(i)];
}

bool kalibriert(const W::WayPoint_Type& w) {
    return w.cave_horizontal_distance_m >= 0;
}

// While a calculation runs (its events are processed) the waypoints must not change under it.
bool Rechnung_laeuft() {
    if (!M::Berechnung_laeuft) return false;
    Meldung_Problem("Bitte warten, bis die Berechnung beendet ist.",
                    "Please wait until the calculation is done.");
    return true;
}

// A field's number; a message naming the field when it is none.
bool Zahl_aus_Feld(const std::string& Feld, const std::string& Name_de, const std::string& Name_en,
                   long double& Wert) {
    if (Unit_Tools::Zahl_umwandeln(Feld, Wert) && std::isfinite(Wert) && std::fabs(Wert) <= Distanz_Grenze)
        return true;
    Meldung_Problem(Name_de + ": \"" + Feld + "\" ist keine Entfernung in Metern",
                    Name_en + ": \"" + Feld + "\" is no distance in metres");
    return false;
}

void Hauptfenster_auffrischen() {
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
}

// The list becomes the dive: the store cleared and refilled, the whole list entered (no ascent
// flags), shown as a dive read, and the profile text rewritten.
void WayPoints_ersetzen(const std::vector<W::WayPoint_Type>& Liste) {
    W::WayPoints_loeschen();
    for (std::size_t i = 0; i < Liste.size(); ++i) {
        W::WayPoint[i] = Liste[i];
        W::WayPoint[i].austauchen = false;
    }
    W::WayPoint_Anzahl = static_cast<int32_t>(Liste.size()) - 1;
    // The computed samples belonged to the dive before.
    W::sData_Anzahl = 0;
    static_cast<W::WayPoint_Type&>(W::sData[0]) = W::WayPoint[0];
    M::WayPoints_uebernehmen();
    W::Tauchgang_gespeichert = false;
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    Hauptfenster_auffrischen();
}

bool Textzeichen(unsigned char c) {
    return c >= 0x20 || c == '\t';
}

bool beginnt_mit_Zahl(const std::string& Zeile) {
    const std::size_t Ende = Zeile.find(',');
    const std::string Feld = Zeile.substr(0, Ende);
    const std::size_t a = Feld.find_first_not_of(" \t");
    long double x = 0;
    return a != std::string::npos &&
           Unit_Tools::Zahl_umwandeln(Feld.substr(a, Feld.find_last_not_of(" \t") + 1 - a), x);
}

// Only text whose lines can be cave rows is taken.
bool ist_Hoehlenprofil(const std::vector<std::string>& Zeilen) {
    for (const std::string& z : Zeilen)
        if (!std::all_of(z.begin(), z.end(), Textzeichen)) return false;
    return std::any_of(Zeilen.begin(), Zeilen.end(), beginnt_mit_Zahl);
}

} // namespace

void Bereich_vom_Profil() {
    Feld_von_m = Zahl_formatieren(7, 2, Punkt(0).cave_horizontal_distance_m);
    Feld_bis_m = Zahl_formatieren(7, 2, Punkt(W::WayPoint_Anzahl).cave_horizontal_distance_m);
}

void Fenster_zeigen() {
    Bereich_vom_Profil();
    Unit_Textpuffer::Memo_CSV.Leeren();
}

void Bereich_nach_Kalibrierung() {
    float von = 0, bis = 0;
    bool gefunden = false;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const float d = Punkt(i).cave_horizontal_distance_m;
        bis = std::max(bis, d);
        if (d > 0 && (!gefunden || d < von)) von = d;
        gefunden = gefunden || d > 0;
    }
    Feld_von_m = Zahl_formatieren(7, 2, von);
    Feld_bis_m = Zahl_formatieren(7, 2, bis);
    Unit_UI::UI().Status_geaendert();
}

bool Profil_ausschneiden(const std::string& von, const std::string& bis) {
    long double a = 0, b = 0;
    if (Rechnung_laeuft() || !Zahl_aus_Feld(von, "Profil von", "Profile from", a) ||
        !Zahl_aus_Feld(bis, "Profil bis", "Profile to", b))
        return false;
    std::vector<W::WayPoint_Type> Liste;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const long double d = Punkt(i).cave_horizontal_distance_m;
        if (a <= d && d <= b) Liste.push_back(Punkt(i));
    }
    if (Liste.empty()) {
        Meldung_Problem("Im Bereich von " + von + " bis " + bis +
                            " m liegt kein Wegpunkt; der Tauchgang bleibt, wie er ist.",
                        "No waypoint lies in the range from " + von + " to " + bis +
                            " m; the dive stays as it is.");
        return false;
    }
    WayPoints_ersetzen(Liste);
    return true;
}

bool Profil_invertieren() {
    if (Rechnung_laeuft()) return false;
    int32_t n = 0;
    for (int32_t i = 1; i <= W::WayPoint_Anzahl; ++i)
        if (Punkt(i).cave_horizontal_distance_m > Punkt(n).cave_horizontal_distance_m) n = i;
    const float D = Punkt(n).cave_horizontal_distance_m, T = Punkt(n).min_Runtime;
    if (!(D > 0)) {
        Meldung_Problem("Kein Wegpunkt hat eine Entfernung über 0 m: das Profil ist nicht kalibriert.",
                        "No waypoint has a distance above 0 m: the profile is not calibrated.");
        return false;
    }
    std::vector<W::WayPoint_Type> Liste;
    for (int32_t i = n; i >= 0; --i) {
        W::WayPoint_Type w = Punkt(i);
        if (kalibriert(w)) w.cave_horizontal_distance_m = D - w.cave_horizontal_distance_m;
        w.min_Runtime = T - w.min_Runtime;
        Liste.push_back(w);
    }
    WayPoints_ersetzen(Liste);
    return true;
}

bool Profil_addieren(const std::string& Offset) {
    long double x = 0;
    if (Rechnung_laeuft() || !Zahl_aus_Feld(Offset, "Profil addieren", "Add to profile", x)) return false;
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        const W::WayPoint_Type& w = Punkt(i);
        const long double d = w.cave_horizontal_distance_m + x;
        if (kalibriert(w) && (d < 0 || d > Distanz_Grenze)) {
            Meldung_Problem("Mit " + Offset + " m läge Wegpunkt " + std::to_string(i) +
                                " außerhalb von 0 bis 100000 m; nichts geändert.",
                            "With " + Offset + " m waypoint " + std::to_string(i) +
                                " would lie outside 0 to 100000 m; nothing changed.");
            return false;
        }
    }
    for (int32_t i = 0; i <= W::WayPoint_Anzahl; ++i) {
        W::WayPoint_Type& w = Punkt(i);
        if (kalibriert(w))
            w.cave_horizontal_distance_m = static_cast<float>(w.cave_horizontal_distance_m + x);
    }
    W::Tauchgang_gespeichert = false;
    Unit_Report::Hoehlenprofil_CSV_schreiben(true);
    Hauptfenster_auffrischen();
    return true;
}

bool CSV_lesen(const std::string& Dateiname, bool addieren) {
    const Unit_Textdatei::Leseergebnis r = Unit_Textdatei::Datei_lesen(Dateiname);
    if (!r.gelesen) {
        Meldung_Problem("Datei " + Dateiname + " kann nicht gelesen werden (" + r.Fehler + ")",
                        "File " + Dateiname + " cannot be read (" + r.Fehler + ")");
        return false;
    }
    if (!ist_Hoehlenprofil(r.Zeilen)) {
        Meldung_Problem("Datei " + Dateiname + " ist kein Höhlenprofil (CSV Text, Zeilen mit Zahlen)",
                        "File " + Dateiname + " is no cave profile (CSV text, lines of numbers)");
        return false;
    }
    auto& Memo = Unit_Textpuffer::Memo_CSV;
    if (!addieren || Memo.Zeilen.empty()) Memo.Zeilen.clear();
    const bool Kopf_weglassen = !Memo.Zeilen.empty();
    Memo.Zeilen.insert(Memo.Zeilen.end(), r.Zeilen.begin() + (Kopf_weglassen ? 1 : 0), r.Zeilen.end());
    Unit_UI::UI().Textpuffer_geaendert(Memo.Name);
    return true;
}

bool CSV_lesen_Dialog(bool addieren) {
    const auto Name = Unit_UI::UI().Datei_waehlen({false, Dateifilter, W::Pfad_Tauchgang, ""});
    return Name && CSV_lesen(*Name, addieren);
}

bool CSV_speichern(const std::string& Dateiname) {
    return Unit_aXML::Textdatei_schreiben(Dateiname, Unit_Textpuffer::Memo_CSV.Text());
}

bool CSV_speichern_Dialog() {
    const auto Name = Unit_UI::UI().Datei_waehlen({true, Dateifilter, W::Pfad_Tauchgang, ""});
    return Name && CSV_speichern(*Name);
}

void CSV_loeschen() {
    Unit_Textpuffer::Memo_CSV.Leeren();
}

bool In_WayPoints_umwandeln() {
    if (Rechnung_laeuft()) return false;
    auto& Daten = CSV::Memo_CSV_Daten;
    Daten.Zeilen = Unit_Textpuffer::Memo_CSV.Zeilen;
    Unit_UI::UI().Textpuffer_geaendert(Daten.Name);
    // The dive keeps its own name: the text came from no file of the CSV import.
    CSV::Dateiname_CSV.clear();
    CSV::Voreinstellung_waehlen(CSV::Voreinstellung_Hoehlenprofil);
    // Row 0 has time 0 and a first row below the surface gets a surface point in front, so the
    // dive starts at the surface at runtime 0.
    if (!CSV::Setzen()) return false;
    M::Tauchgang_geladen();
    W::Tauchgang_gespeichert = false;
    Hauptfenster_auffrischen();
    return true;
}

bool Tauchgang_berechnen() {
    if (Rechnung_laeuft()) return false;
    const int32_t n = W::WayPoint_Anzahl;
    M::WayPoint_letzter_Eingabe = n;
    A::Modus_waehlen(A::Neuer_Aufstieg);
    // The exact runtime, not the two decimals the field shows: the last point stays in the bottom
    // part whatever its runtime.
    A::min_EndeGrundzeit = Punkt(n).min_Runtime;
    A::Feld_EndeGrundzeit = Zahl_formatieren(5, 2, A::min_EndeGrundzeit);
    A::Grundzeit_Ende_setzen(A::min_EndeGrundzeit);
    A::Aufstieg_neu_berechnen();
    A::Fenster_sichtbar = true;
    Hauptfenster_auffrischen();
    return !Unit_Tauchgangsberechnung::Berechnung_abgebrochen;
}

} // namespace Unit_CaveDiving
