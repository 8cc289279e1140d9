#include "settings/Unit_Einstellungsdatei.hpp"

#include "core/Brelune_ProgrammVersion.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "settings/Unit_Textdatei.hpp"
#include "settings/Unit_Wandleranschluss.hpp"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace Unit_Einstellungsdatei {

const char* const Betriebssystem = "Linux";

namespace {
namespace fs = std::filesystem;
namespace G = Unit_Gasgemisch_BestMix;
namespace W = Unit_WayPoints;
using Unit_Tools::Sprache;
using Unit_Tools::Zahl_formatieren;

// The key without its unit in brackets: "SCR O2 Verbrauch (l/min)" gives "SCR O2 Verbrauch".
std::string ohne_Einheit(const std::string& Schluessel) {
    const auto Klammer = Schluessel.rfind(" (");
    return Klammer == std::string::npos || Schluessel.back() != ')' ? Schluessel
                                                                    : Schluessel.substr(0, Klammer);
}

// Whole number as the ini reader takes it; empty for text that is no int32.
std::optional<int32_t> Ganzzahl_aus_Text(const std::string& Text) {
    std::string t = Unit_IniDatei::ohne_Rand(Text);
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    int32_t Wert = 0;
    const auto [Ende, Fehler] = std::from_chars(t.data(), t.data() + t.size(), Wert);
    if (t.empty() || Fehler != std::errc() || Ende != t.data() + t.size()) return std::nullopt;
    return Wert;
}

// Gas index from a whole-numbered float of a plan table; -1 for none in the table.
int32_t Gasindex(float Wert) {
    if (!(Wert > -0.5f && Wert < G::GasGemisch_NumMaxUeberhaupt + 0.5f)) return -1;
    return static_cast<int32_t>(std::lround(Wert));
}

const std::string Tauchgeraet_Texte[4] = {"OC", "CCR", "SCR constant flow", "pSCR"};
} // namespace

std::string Tauchgeraet_Dateitext(uint8_t Code) {
    return Code < 4 ? Tauchgeraet_Texte[Code] : Tauchgeraet_Texte[0];
}

std::optional<uint8_t> Tauchgeraet_aus_Dateitext(const std::string& Text) {
    for (uint8_t k = 0; k < 4; ++k)
        if (Unit_IniDatei::Vergleichsform(Text) == Unit_IniDatei::Vergleichsform(Tauchgeraet_Texte[k]))
            return k;
    return std::nullopt;
}

void Lesefehler_melden(const std::string& Pfad, const std::string& Grund) {
    Unit_Tools::Meldung_Problem("Datei " + Pfad + " kann nicht gelesen werden: " + Grund,
                                "File " + Pfad + " cannot be read: " + Grund);
}

void Schreibfehler_melden(const std::string& Pfad, const std::string& Grund) {
    Unit_Tools::Meldung_Problem("Datei " + Pfad + " kann nicht geschrieben werden: " + Grund +
                                    "\rDie bisherige Datei bleibt erhalten.",
                                "File " + Pfad + " cannot be written: " + Grund +
                                    "\rThe previous file is kept.");
}

// ---- the accessor ----

std::string Zugriff::Name(const std::string& Deutsch, const std::string& Englisch) const {
    return Modus_ == Modus::show && Sprache == 1 ? Englisch : Deutsch;
}

void Zugriff::Abschnitt(const std::string& Deutsch, const std::string& Englisch) {
    Abschnitt_de = Deutsch;
    Abschnitt_Anzeige = Name(Deutsch, Englisch);
    if (Modus_ == Modus::saveX) Zeilen.push_back("[" + Deutsch + "]");
}

void Zugriff::Ausgeben(const std::string& Deutsch, const std::string& Englisch, const std::string& Textform,
                       const std::string& Iniform) {
    switch (Modus_) {
    case Modus::show:
        Anzeige.push_back({Abschnitt_Anzeige, Name(Deutsch, Englisch), Textform});
        break;
    case Modus::save:
        Ini.Wert_setzen(Abschnitt_de, Deutsch, Iniform);
        break;
    case Modus::saveX:
        Zeilen.push_back(Deutsch + "=" + Textform);
        break;
    case Modus::read:
        break;
    }
}

std::optional<std::string> Zugriff::Rohwert(const std::string& Schluessel) const {
    if (!lesen()) return std::nullopt;
    return Ini.Wert(Abschnitt_de, Schluessel);
}

void Zugriff::Problem_melden(const std::string& Schluessel, const std::string& Deutsch,
                             const std::string& Englisch) {
    // The waypoint sections "Tauchgang#k" count as one.
    const std::string Gruppe = Abschnitt_de.substr(0, Abschnitt_de.find('#'));
    if (Gemeldet.insert(Gruppe + "/" + Schluessel).second) Unit_Tools::Meldung_Problem(Deutsch, Englisch);
}

void Zugriff::Bereich_pruefen(const std::string& Deutsch, const std::string& Englisch, long double& Wert,
                              const Grenzen& Bereich, int Nachkommastellen) {
    if (Wert >= Bereich.Minimum && Wert <= Bereich.Maximum) return;
    Wert = Bereich.Ersatz ? *Bereich.Ersatz : std::clamp(Wert, Bereich.Minimum, Bereich.Maximum);
    const std::string Neu = Zahl_formatieren(Nachkommastellen > 0 ? 5 : 0, Nachkommastellen, Wert);
    Problem_melden(Deutsch,
                   ohne_Einheit(Deutsch) + ": ungültigen Wert eingelesen.\r-> wird gesetzt auf " + Neu,
                   ohne_Einheit(Englisch) + ": Reading of invalid data.\r-> will be set to " + Neu);
}

void Zugriff::Ganzzahl(const std::string& Deutsch, const std::string& Englisch, int32_t& Wert,
                       int32_t Vorgabe, std::optional<Grenzen> Bereich) {
    if (!lesen()) {
        Ausgeben(Deutsch, Englisch, std::to_string(Wert), std::to_string(Wert));
        return;
    }
    const auto Text = Rohwert(Deutsch);
    Wert = Text ? Ganzzahl_aus_Text(*Text).value_or(Vorgabe) : Vorgabe;
    if (Bereich) {
        long double x = Wert;
        Bereich_pruefen(Deutsch, Englisch, x, *Bereich, 0);
        Wert = static_cast<int32_t>(x);
    }
}

void Zugriff::Gleitzahl(const std::string& Deutsch, const std::string& Englisch, long double& Wert,
                        long double Vorgabe, int Nachkommastellen, int Breite,
                        std::optional<Grenzen> Bereich) {
    if (!lesen()) {
        const std::string t = Zahl_formatieren(Breite, Nachkommastellen, Wert);
        Ausgeben(Deutsch, Englisch, t, t);
        return;
    }
    const auto Text = Rohwert(Deutsch);
    Wert = Vorgabe;
    if (Text) {
        long double x = 0;
        // Stored values are single floats: anything beyond their range is as unusable as text.
        if (Unit_Tools::Zahl_umwandeln(*Text, x) && std::fabs(x) <= FLT_MAX) {
            Wert = x;
        } else {
            Wert = 0;
            if (!Text->empty())
                Problem_melden("Zahl " + Deutsch, ">" + *Text + "< ist keine Zahl",
                               ">" + *Text + "< is no number");
        }
    }
    if (Bereich) Bereich_pruefen(Deutsch, Englisch, Wert, *Bereich, Nachkommastellen);
}

void Zugriff::Gleitzahl(const std::string& Deutsch, const std::string& Englisch, float& Wert, float Vorgabe,
                        int Nachkommastellen, int Breite, std::optional<Grenzen> Bereich) {
    long double x = Wert;
    Gleitzahl(Deutsch, Englisch, x, Vorgabe, Nachkommastellen, Breite, Bereich);
    if (lesen()) Wert = static_cast<float>(x);
}

void Zugriff::Wahrheitswert(const std::string& Deutsch, const std::string& Englisch, bool& Wert,
                            bool Vorgabe) {
    if (!lesen()) {
        Ausgeben(Deutsch, Englisch,
                 Modus_ == Modus::show ? (Wert ? "true" : "false") : Unit_Tools::Bool_Text(Wert),
                 Unit_Tools::Bool_Text(Wert));
        return;
    }
    const auto Text = Rohwert(Deutsch);
    Wert = Text ? Ganzzahl_aus_Text(*Text).value_or(Vorgabe ? 1 : 0) != 0 : Vorgabe;
}

void Zugriff::Byte_Wahrheitswert(const std::string& Deutsch, const std::string& Englisch, uint8_t& Wert,
                                 bool Vorgabe) {
    bool b = Wert != 0;
    Wahrheitswert(Deutsch, Englisch, b, Vorgabe);
    if (lesen()) Wert = b ? 1 : 0;
}

void Zugriff::Text(const std::string& Deutsch, const std::string& Englisch, std::string& Wert,
                   const std::string& Vorgabe) {
    if (!lesen()) {
        // A line break inside a text would end the line in the file: it is kept as "*".
        std::string t;
        for (std::size_t i = 0; i < Wert.size(); ++i) {
            const char z = Wert[i];
            if (z == '\r' || z == '\n') {
                t += '*';
                if (z == '\r' && i + 1 < Wert.size() && Wert[i + 1] == '\n') ++i;
            } else {
                t += z;
            }
        }
        Ausgeben(Deutsch, Englisch, Modus_ == Modus::show ? Wert : t, t);
        return;
    }
    Wert = Rohwert(Deutsch).value_or(Vorgabe);
}

void Zugriff::Info_Zeile(const std::string& Schluessel, const std::string& Wert) {
    if (schreiben()) Ausgeben(Schluessel, Schluessel, Wert, Wert);
}

// ---- the walk ----

namespace {
void Programm_durchlaufen(Zugriff& Z) {
    namespace P = Unit_Programm;
    namespace F = Unit_Formeln;
    namespace S = Unit_WayPoints;
    namespace D = Unit_Graph_Utilities;
    Z.Abschnitt("Programm", "Program");
    Z.Info_Zeile("Version", Brelune_ProgrammVersion::Version_Text);
    Z.Info_Zeile("Windows-Version", Betriebssystem);
    Sprache_durchlaufen(Z);
    Z.Wahrheitswert("Hauptform_max", "Main form maximized", P::Hauptform_max, true);
    Z.Ganzzahl("Hauptform_top", "Main form top", P::Hauptform_top, 0);
    Z.Ganzzahl("Hauptform_links", "Main form left", P::Hauptform_links, 0);
    Z.Ganzzahl("Hauptform_Breite", "Main form width", P::Hauptform_Breite, 1200);
    Z.Ganzzahl("Hauptform_Hoehe", "Main form height", P::Hauptform_Hoehe, 700);
    Z.Ganzzahl("Grundeinstellung", "Basic settings", Unit_Grundeinstellungen::Grundeinstellung, 1,
               Grenzen{0, Unit_Grundeinstellungen::Grundeinstellung_Anzahl - 1, 1});
    Z.Gleitzahl("Luftdruck (bar)", "Air pressure (bar)", F::bar_Luft, 1.01325f, 5, 7, Grenzen{0.3L, 1.1L});
    Z.Ganzzahl("Höhe (m NN)", "Height (m S.L.)", F::m_NN, 0);
    Z.Gleitzahl("Tiefenkalibrierung (m/bar)", "Depth calibration (m/bar)", F::m_pro_bar, 10, 3, 6,
                Grenzen{9, 11});
    Z.Text("Pfad Tauchgang", "Path of dive", S::Pfad_Tauchgang, "");
    Z.Text("Datei Tauchgang", "Filename of dive", S::Datei_Tauchgang, "");
    Z.Text("Kommentar", "Kommentar", S::Kommentar, "");
    Z.Text("Comment", "Comment", S::Comment, "");
    Z.Wahrheitswert("Modelle zeigen", "Show models", P::Modelle_zeigen, false);
    Z.Wahrheitswert("Tauchgangsgraphik zeigen", "Show dive graph", D::Tauchgangsgraphik_zeigen, true);
    Z.Wahrheitswert("Taucher zeigen", "Show diver", D::Taucher_zeigen, false);
    Z.Wahrheitswert("Hinweise zeigen", "Show hints", P::Hinweise_zeigen, true);
    Z.Wahrheitswert("OTU zeigen", "Show OTU", D::OTU_zeigen, false);
    Z.Wahrheitswert("END zeigen", "Show END", D::END_zeigen, true);
    Z.Wahrheitswert("pO2 zeigen", "Show pO2", D::pO2_zeigen, true);
    Z.Wahrheitswert("CNS zeigen", "Show CNS", D::CNS_zeigen, true);
    Z.Wahrheitswert("GF zeigen", "Show GF", D::GF_zeigen, true);
    Z.Wahrheitswert("Druck zeigen", "Show pressure", D::Druck_zeigen, true);
    Z.Wahrheitswert("Uhrzeit zeigen", "Show time of day", D::Uhrzeit_zeigen, false);
    Z.Wahrheitswert("Atemkreislauf zeigen", "Show breathing circuit", D::Atemkreislauf_zeigen, true);
    Z.Wahrheitswert("Gegendiffusion zeigen", "Show counter diffusion", D::Gegendiffusion_zeigen, false);
    Z.Wahrheitswert("Gewebesaettigung zeigen", "Show tissue saturation",
                    Unit_Gewebe_barL::Gewebesaettigung_zeigen, true);
    Z.Wahrheitswert("Gewebesaettigung absolut (bar) zeigen", "Show absolute tissue saturation (bar)",
                    Unit_Gewebe_barL::Gewebesaettigung_absolut_zeigen, true);
    Z.Wahrheitswert("Inertgasvolumina (bar*L) zeigen", "Show inert gas volumes (bar*L)",
                    Unit_Gewebe_barL::Inertgasvolumina_zeigen, false);
    Z.Wahrheitswert("Gasverbrauch (Abstieg Grundzeit) zeigen", "Show gas consumption (descent bottom)",
                    Unit_Gasverbrauch::Gasverbrauch_Abstieg_Grundzeit_zeigen, false);
    Z.Wahrheitswert("Gasverbrauch (Aufstieg) zeigen", "Show gas consumption (ascent)",
                    Unit_Gasverbrauch::Gasverbrauch_Aufstieg_zeigen, false);
}

void Wiederholung_durchlaufen(Zugriff& Z) {
    Z.Abschnitt("Wiederholungstauchgang", "Repetition dive");
    Z.Wahrheitswert("OK", "OK", W::Wiederholungstauchgang, false);
    Z.Text("Vortauchgang", "Pre dive", W::Vortauchgang, "");
    Z.Gleitzahl("Oberflächenpause (h)", "Surface time (h)", W::Oberflaechenpause_h, 0, 2, 5,
                Grenzen{0, 10000});
}

void Aktuell_durchlaufen(Zugriff& Z) {
    Z.Abschnitt("Aktuell", "Actual");
    std::string Geraet = Tauchgeraet_Dateitext(W::Tauchgeraet_Start);
    Z.Text("Tauchgeraet", "Dive gear", Geraet, "OC");
    if (Z.lesen()) W::Tauchgeraet_Start = Tauchgeraet_aus_Dateitext(Geraet).value_or(0);
    Z.Gleitzahl("CCR pO2 (bar)", "CCR pO2 (bar)", W::CCR_Setpoint_Start, 1.3f, 2, 4);
    Z.Gleitzahl("SCR flow (l/min)", "SCR flow (l/min)", W::SCR_Flow_Start, 15.6f, 1, 4);
    Z.Ganzzahl("pSCR dump ratio (%)", "pSCR dump ratio (%)", W::pSCR_DumpRatio_Start, 10, Grenzen{5, 100});
    Z.Ganzzahl("Atemgas", "Gas", W::Gas_Nr_Start, 0);
    Z.Gleitzahl("Runtime (min)", "Runtime (min)", W::min_Runtime_Start, 30, 1, 6, Grenzen{0, 900});
    Z.Gleitzahl("Tiefe (m)", "Depth (m)", W::m_Wasser_Start, 25, 1, 5, Grenzen{0, 350});
    if (Z.lesen()) {
        W::CCR_Setpoint = W::CCR_Setpoint_Start;
        W::SCR_Flow = W::SCR_Flow_Start;
        W::pSCR_DumpRatio = W::pSCR_DumpRatio_Start;
        W::Gas_Nr = G::Gasgemisch_num = W::Gas_Nr_Start;
        W::min_Runtime = W::min_Runtime_Start;
        W::m_Wasser = W::m_Wasser_Start;
    }
}

// Six rows of (depth, value) with the keys Stamm + n + " (m)" and Stamm + n + Wertteil.
struct Tabellenschluessel {
    std::string Stamm_de, Stamm_en, Wert_de, Wert_en;
};

void Tabelle_durchlaufen(Zugriff& Z, Tiefentabelle_Type& t, const Tabellenschluessel& s, float Vorgabe,
                         int Nachkommastellen, int Breite, std::optional<Grenzen> Bereich) {
    for (int n = 1; n <= 6; ++n) {
        auto& z = t.Zeile[static_cast<std::size_t>(n - 1)];
        const std::string k = std::to_string(n);
        Z.Gleitzahl(s.Stamm_de + k + " (m)", s.Stamm_en + k + " (m)", z.m_ab, 0, 0, 3);
        Z.Gleitzahl(s.Stamm_de + k + s.Wert_de, s.Stamm_en + k + s.Wert_en, z.Wert, Vorgabe, Nachkommastellen,
                    Breite, Bereich);
    }
    if (Z.lesen()) Unit_Tiefentabelle::Tabelle_normalisieren(t);
}

const Tabellenschluessel Geschwindigkeit_Schluessel{"Geschwindigkeit variabel ", "Velocity variable ",
                                                    " (m/min)", " (m/min)"};
const Tabellenschluessel Gaswechsel_Schluessel{"Gaswechsel ", "Gas switch ", " (Gas)", " (gas)"};
const Tabellenschluessel Setpoint_Schluessel{"p(O2) Änderung ", "p(O2) change ", " (bar)", " (bar)"};

void Abstieg_durchlaufen(Zugriff& Z) {
    namespace A = Unit_AbtauchPlanung;
    Z.Abschnitt("Abstieg", "Descent");
    Z.Wahrheitswert("Mit Geschwindigkeitswechsel", "Velocity change", A::Abstieg_Geschwindigkeit_variabel,
                    false);
    Z.Gleitzahl("Geschwindigkeit Standard (m/min)", "Velocity standard (m/min)", A::v_Abstieg_konstant, 25, 0,
                3, Grenzen{1, 100});
    Tabelle_durchlaufen(Z, A::Abstieg_Geschwindigkeit, Geschwindigkeit_Schluessel, 25, 0, 3, Grenzen{1, 100});
    Z.Wahrheitswert("Bubble Check", "Bubble Check", A::Bubble_Check, false);
    Z.Gleitzahl("Bubble Check Tiefe (m)", "Bubble check depth (m)", A::m_Bubble_Check, 5, 1, 4,
                Grenzen{1, 50});
    Z.Gleitzahl("Bubble Check Dauer (min)", "Bubble check time (min)", A::min_Bubble_Check, 1, 1, 4,
                Grenzen{1, 60});
    Z.Wahrheitswert("Mit Gaswechsel", "Gas switch", A::Abstieg_Gaswechsel_OK, false);
    Tabelle_durchlaufen(Z, A::Abstieg_Gaswechsel, Gaswechsel_Schluessel, 0, 0, 3, std::nullopt);
    Z.Wahrheitswert("Mit p(O2) Änderung", "With p(O2) change", A::Abstieg_Setpoint_variabel, false);
    Tabelle_durchlaufen(Z, A::Abstieg_Setpoint, Setpoint_Schluessel, 1.3f, 2, 4, std::nullopt);
}

void Zeitmessung_durchlaufen(Zugriff& Z) {
    namespace A = Unit_AustauchPlanung;
    namespace D = Unit_Graph_Utilities;
    Z.Abschnitt("Zeitmessung", "Time");
    Z.Wahrheitswert("Stops auf volle min ausdehnen", "Expand stops to full min", A::Stops_volle_Minuten,
                    true);
    Z.Wahrheitswert("Stops auf volle RunTime Minuten ausdehnen", "Expand stops to full runtime min",
                    A::Stops_volle_RunTime_Minuten, false);
    Z.Wahrheitswert("Aufstiegszeit zum nächsten Stop addieren", "Add ascent time to next stop",
                    A::Aufstiegszeit_addieren, false);
    Z.Wahrheitswert("Startzeit aktuell", "Start time is now", D::Startzeit_aktuell, true);
    std::string Zeit = D::Startzeit.Text();
    Z.Text("Startzeit", "Start time", Zeit, "00:00:00");
    if (Z.lesen()) {
        int h = 0, m = 0, s = 0;
        char Rest = 0;
        const bool ok = std::sscanf(Zeit.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &Rest) == 3 && h >= 0 &&
                        h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60;
        D::Startzeit = ok ? Unit_Tools::Uhrzeit{h, m, s} : Unit_Tools::Uhrzeit{};
    }
}

void RunTime_Tabelle_durchlaufen(Zugriff& Z) {
    namespace R = Unit_Report;
    Z.Abschnitt("RunTime Tabelle", "Runtime table");
    Z.Wahrheitswert("Aufstieg zwischen Deko", "Ascent between deco", R::RunTimeTable_mitAufstiegbeiDeko,
                    false);
    Z.Wahrheitswert("Zeit auf Tiefe", "Time on depth", R::RunTimeTable_mitDeltaT, false);
    Z.Wahrheitswert("Uhrzeit", "Time of day", R::RunTimeTable_mitUhrzeitRuntime, false);
    Z.Wahrheitswert("p(O2)", "p(O2)", R::RunTimeTable_mitpO2, false);
    Z.Wahrheitswert("CNS %", "CNS %", R::RunTimeTable_mitCNS_prozent, false);
    Z.Wahrheitswert("System", "System", R::RunTimeTable_mitSystem, true);
    Z.Wahrheitswert("Gasdichte", "Gas density", R::RunTimeTable_mitGasdichte, false);
    Z.Ganzzahl("Nachkommastellen", "Digits", R::RunTimeTable_NachKomma, 2, Grenzen{0, 2});
}

void Aufstieg_durchlaufen(Zugriff& Z) {
    namespace A = Unit_AustauchPlanung;
    Z.Abschnitt("Aufstieg", "Ascent");
    Z.Wahrheitswert("Mit Geschwindigkeitswechsel", "velocity change", A::Aufstieg_Geschwindigkeit_variabel,
                    false);
    Z.Gleitzahl("Geschwindigkeit Standard   (m/min)", "Velocity standard (m/min)", A::v_Aufstieg_konstant, 10,
                0, 3, Grenzen{1, 18});
    Tabelle_durchlaufen(Z, A::Aufstieg_Geschwindigkeit, Geschwindigkeit_Schluessel, 10, 0, 3, Grenzen{1, 18});
    Z.Gleitzahl("Letzter Dekostop (m)", "Last deco stop (m)", A::m_DekoZuletzt, 3, 0, 3, Grenzen{1, 12});
    Z.Gleitzahl("Abstand der Dekostops (m)", "Distance of deco stops (m)", A::m_DekoStep, 3, 0, 3,
                Grenzen{1, 6});
    Z.Wahrheitswert("Mit Gaswechsel", "Gas switch", A::Aufstieg_Gaswechsel_OK, false);
    Tabelle_durchlaufen(Z, A::Aufstieg_Gaswechsel, Gaswechsel_Schluessel, 0, 0, 3, std::nullopt);
    Z.Wahrheitswert("Gas Breaks", "Gas breaks", A::AirBreak_OK, false);
    Z.Ganzzahl("Gas Breaks Abstand (min)", "Gas breaks distance (min)", A::AirBreak_minAbstand, 25);
    Z.Ganzzahl("Gas Breaks Dauer (min)", "Gas breaks time (min)", A::AirBreak_minDauer, 5);
    Z.Ganzzahl("Gas Breaks Gas Nummer", "Gas breaks gas num", A::AirBreak_GasNum, 0);
    Z.Wahrheitswert("Mit p(O2) Änderung", "p(O2) change", A::Aufstieg_Setpoint_variabel, false);
    Tabelle_durchlaufen(Z, A::Aufstieg_Setpoint, Setpoint_Schluessel, 1.3f, 2, 4, std::nullopt);
    Z.Wahrheitswert("Bail Out", "Bail Out", A::Bail_Out, false);
    namespace K = Unit_Kontingenzplaene;
    const Grenzen Kontingenz{1, K::Kontingenz_Grenze, 3};
    Z.Wahrheitswert("Kontingenzpläne", "Contingency plans", K::Kontingenzplaene_an, true);
    Z.Ganzzahl("Kontingenz Zeit (min)", "Contingency time (min)", K::min_Kontingenz_Zeit, 3, Kontingenz);
    Z.Ganzzahl("Kontingenz Tiefe (m)", "Contingency depth (m)", K::m_Kontingenz_Tiefe, 3, Kontingenz);
}

// The oxygen consumptions take the values of the settings dialog's choice list only.
const Grenzen O2_Verbrauch{0.5L, 2.5L, 2.5L};

void Gasverbrauch_durchlaufen(Zugriff& Z) {
    namespace V = Unit_Gasverbrauch;
    namespace K = Unit_CCR_SCR;
    namespace F = Unit_Formeln;
    namespace A = Unit_AustauchPlanung;
    Z.Abschnitt("Gasverbrauch", "Gas consumption");
    Z.Ganzzahl("AMV (l/min)", "RMV (l/min)", V::AMV, 20, Grenzen{5, 100});
    Z.Ganzzahl("AMV Deko (l/min)", "RMV deco (l/min)", V::AMV_Deko, 20, Grenzen{5, 100});
    Z.Gleitzahl("SCR O2 Verbrauch (l/min)", "SCR O2 consumption (l/min)", K::SCR.barL_pro_min_Atmung_O2, 1.5f,
                2, 5, O2_Verbrauch);
    Z.Ganzzahl("SCR Volumen (L)", "SCR volume (L)", K::SCR.L, 4, Grenzen{1, 15});
    Z.Ganzzahl("SCR spuelen", "Flush SCR", K::SCR.Spuelen_Anzahl, 3, Grenzen{0, 10});
    Z.Byte_Wahrheitswert("SCR Formel", "SCR formula", K::SCR.Formel, false);
    Z.Gleitzahl("CCR pO2 (bar)", "CCR pO2 (bar)", W::CCR_Setpoint, 1.3f, 2, 4);
    Z.Gleitzahl("CCR O2 Verbrauch (barL/min)", "CCR O2 consumption (barL/min)", K::CCR.barL_pro_min_Atmung_O2,
                1.5f, 2, 4, O2_Verbrauch);
    Z.Ganzzahl("CCR Volumen (L)", "CCR volume (L)", K::CCR.L, 4, Grenzen{1, 15});
    Z.Ganzzahl("CCR O2 Zufuhr (l/min)", "CCR O2 supply (l/min)", K::CCR.L_pro_min_O2_Zufuhr, 10,
               Grenzen{1, 20});
    Z.Ganzzahl("CCR spuelen", "Flush CCR", K::CCR.Spuelen_Anzahl, 3, Grenzen{0, 10});
    Z.Gleitzahl("pSCR O2 Verbrauch (l/min)", "pSCR O2 consumption (l/min)", K::pSCR.barL_pro_min_Atmung_O2,
                1.5f, 2, 5, O2_Verbrauch);
    Z.Ganzzahl("pSCR Volumen (L)", "pSCR volume (L)", K::pSCR.L, 4, Grenzen{1, 15});
    Z.Ganzzahl("pSCR dump ratio (%)", "pSCR dump ratio (%)", W::pSCR_DumpRatio, 10, Grenzen{5, 100});
    Z.Ganzzahl("pSCR flush min", "pSCR flush min", K::pSCR.min_spuelen, 5, Grenzen{1, 1000});
    Z.Ganzzahl("pSCR flush m", "pSCR flush m", K::pSCR.m_spuelen, 3, Grenzen{1, 1000});
    Z.Byte_Wahrheitswert("pSCR flush at start ascent", "pSCR flush at start ascent",
                         K::pSCR.spuelen_bei_Beginn_Aufstieg, true);
    Z.Wahrheitswert("p(H2o) verwenden", "Use p(H2O)", F::p_H2O_verwenden, true);
    Z.Gleitzahl("p(H2O) (bar)", "p(H2O) (bar)", F::p_H2O, F::p_H2O_Standard, 5, 7, Grenzen{0, 0.1L});
    Z.Wahrheitswert("Gaswechsel warten OK", "Gas switch wait OK", A::Gaswechsel_warten_OK, false);
    Z.Ganzzahl("Gaswechsel warten (min)", "Gas switch wait (min)", A::min_Gaswechsel_warten, 1,
               Grenzen{1, 10});
    Z.Ganzzahl("Sicherheitszuschlag (%)", "Safety margin (%)", V::Verbrauch_SicherheitsZuschlagProzent, 50,
               Grenzen{0, 100});
    Z.Gleitzahl("Stress-Faktor", "Stress factor", V::Stress_Faktor, V::Stress_Faktor_Standard, 1, 4,
                Grenzen{1, 5, V::Stress_Faktor_Standard});
    Z.Gleitzahl("Problemlösezeit (min)", "Problem solving time (min)", V::min_Problemloesezeit,
                V::min_Problemloesezeit_Standard, 1, 4, Grenzen{0.5L, 10, V::min_Problemloesezeit_Standard});
}

void Modell_durchlaufen(Zugriff& Z, const std::string& Deutsch, const std::string& Englisch,
                        Unit_Saettigungsmodelle::Modell_Typ& Modell, int32_t Standard, int32_t erster,
                        int32_t letzter) {
    // A set never chosen is written as the standard one.
    int32_t Nummer = Modell.Bezeichnung.empty() ? Standard : Modell.Nummer;
    Z.Ganzzahl(Deutsch, Englisch, Nummer, Standard, Grenzen{erster * 1.0L, letzter * 1.0L, Standard * 1.0L});
    if (Z.lesen()) Unit_Saettigungsmodelle::Modell_waehlen(Nummer, Modell);
}

void Berechnung_durchlaufen(Zugriff& Z) {
    namespace S = Unit_Saettigungsmodelle;
    Z.Abschnitt("Berechnung", "Calculation");
    Modell_durchlaufen(Z, "Modell N2", "Model N2", S::Modell_N2, S::Modell_N2_Standard, S::Modell_N2_erster,
                       S::Modell_N2_letzter);
    Modell_durchlaufen(Z, "Modell He", "Model He", S::Modell_He, S::Modell_He_Standard, S::Modell_He_erster,
                       S::Modell_He_letzter);
    Z.Ganzzahl("Algorithmus", "Algorithm", Unit_Saettigungsrechnung::Algorithmus, 1, Grenzen{0, 3, 1});
}

void Sicherheit_durchlaufen(Zugriff& Z) {
    namespace S = Unit_Saettigungsmodelle;
    Z.Abschnitt("Sicherheit", "Safety");
    Z.Wahrheitswert("Bühlmann Tiefenzuschlag", "Bühlmann depth safety margin", S::Buehlmann_Tiefenzuschlag,
                    true);
    Z.Wahrheitswert("Bühlmann letzten Stop verdoppeln", "Bühlmann double last deco stop",
                    S::Buehlmann_letzten_Stop_verdoppeln, false);
    Z.Gleitzahl("Bühlmann Sicherheitsstop (min)", "Bühlmann safety stop (min)",
                S::Buehlmann_Sicherheitsstop_min, 0, 0, 3, Grenzen{0, 5});
    Z.Wahrheitswert("GF verwenden", "Use GF", S::GF_verwenden, false);
    Z.Gleitzahl("GF Lo", "GF Lo", S::GF_Lo, 0.4f, 2, 4, Grenzen{0, 1});
    Z.Wahrheitswert("GF Lo last deco stop", "GF Lo last deco stop", S::GF_Lo_last_deco_stop, true);
    Z.Gleitzahl("GF Hi", "GF Hi", S::GF_Hi, 0.8f, 2, 4, Grenzen{0, 1});
    Z.Wahrheitswert("GF alle Stops", "GF all stop", S::GF_alle_Stops, false);
    Z.Wahrheitswert("Deep Stop verwenden", "Use deep stop", S::Deep_Stop_verwenden, false);
    Z.Ganzzahl("Deep Stop (min)", "Deep Stop (min)", S::Deep_Stop_min, 1, Grenzen{0, 10});
    Z.Ganzzahl("Deep Stop Stufen oberhalb Deko-Zone", "Deep stop steps above deco zone",
               S::Deep_Stop_Stufen_oberhalb_Dekozone, 2, Grenzen{1, 20});
}

void Gas_durchlaufen(Zugriff& Z, int32_t n, const G::Gasgemisch_Type& Vorgabe) {
    auto& g = G::Gasgemisch[static_cast<std::size_t>(n)];
    const std::string de = "Gasgemisch(" + std::to_string(n) + ") ";
    const std::string en = "Gas mix(" + std::to_string(n) + ") ";
    const Grenzen Prozent{0, 100};
    Z.Text(de + "Name", en + "name", g.Name, Vorgabe.Name);
    Z.Gleitzahl(de + "O2 (%)", en + "O2 (%)", g.f_O2_prozent, Vorgabe.f_O2_prozent, 2, 6, Prozent);
    Z.Gleitzahl(de + "N2 (%)", en + "N2 (%)", g.f_N2_prozent, Vorgabe.f_N2_prozent, 2, 6, Prozent);
    Z.Gleitzahl(de + "He (%)", en + "He (%)", g.f_He_prozent, Vorgabe.f_He_prozent, 2, 6, Prozent);
    Z.Gleitzahl(de + "Verbrauch (barL)", en + "consumption (barL)", g.barL_gesamt, 0, 2, 8);
}

// The file holds two decimals: air's measured 20.948 % O2 comes back as 20.95. A default gas read
// within that rounding keeps its exact fractions, so saving and reading changes no plan.
void Vorgabegas_genau_halten(int32_t n) {
    auto& g = G::Gasgemisch[static_cast<std::size_t>(n)];
    const std::string Zeile = G::Gasgemisch_Defaultzeile(n);
    float* Anteil[] = {&g.f_O2_prozent, &g.f_N2_prozent, &g.f_He_prozent};
    for (int k = 0; k < 3; ++k) {
        const float genau = G::Zahl_aus_Zeile(Zeile, k + 1).Wert;
        if (std::fabs(*Anteil[k] - genau) <= 0.0051f) *Anteil[k] = genau;
    }
}

void Gase_durchlaufen(Zugriff& Z) {
    Z.Abschnitt("Gase", "Gases");
    Z.Ganzzahl("Verwendete Gase", "Used gases", G::Gasgemisch_NumMax, G::Gasgemisch_NumMaxDefault,
               Grenzen{G::Gasgemisch_NumMaxDefault * 1.0L, G::GasGemisch_NumMaxUeberhaupt * 1.0L});
    for (int32_t n = 0; n <= G::Gasgemisch_NumMaxDefault; ++n) {
        const G::Gasgemisch_Type jetzt = G::Gasgemisch[static_cast<std::size_t>(n)];
        Gas_durchlaufen(Z, n, jetzt);
        if (Z.lesen()) Vorgabegas_genau_halten(n);
    }
    if (G::Gasgemisch_NumMax > G::Gasgemisch_NumMaxDefault) {
        Z.Abschnitt("Gase, neu angelegt", "Gases, new");
        G::Gasgemisch_Type Vorgabe = G::Gasgemisch[0];
        Vorgabe.barL_gesamt = 0;
        for (int32_t n = G::Gasgemisch_NumMaxDefault + 1; n <= G::Gasgemisch_NumMax; ++n)
            Gas_durchlaufen(Z, n, Vorgabe);
    }
    if (Z.lesen())
        for (int32_t n = G::Gasgemisch_NumMax + 1; n <= G::GasGemisch_NumMaxUeberhaupt; ++n)
            G::Gasgemisch[static_cast<std::size_t>(n)] = G::Gasgemisch_Type{};
}

void Grenzwerte_durchlaufen(Zugriff& Z) {
    Z.Abschnitt("Grenzwertueberschreitung", "Limit exceeding");
    Z.Wahrheitswert("pO2 weiterrechnen", "pO2 continue calculating",
                    Unit_Sauerstofftoxizitaet::pO2_weiterrechnen, false);
    Z.Wahrheitswert("Warnungen reduzieren", "Reduce warning messages", W::Warnungen_reduzieren, false);
    namespace F = Unit_Formeln;
    Z.Gleitzahl("Gasdichte Warnung (g/l)", "Gas density warning (g/l)", F::g_pro_L_Gasdichte_Warnung,
                F::g_pro_L_Gasdichte_Warnung_Standard, 1, 4,
                Grenzen{1, 20, F::g_pro_L_Gasdichte_Warnung_Standard});
    Z.Gleitzahl("Gasdichte Maximum (g/l)", "Gas density maximum (g/l)", F::g_pro_L_Gasdichte_Maximum,
                F::g_pro_L_Gasdichte_Maximum_Standard, 1, 4,
                Grenzen{1, 20, F::g_pro_L_Gasdichte_Maximum_Standard});
}
} // namespace

namespace {
void Wegpunkt_durchlaufen(Zugriff& Z, int32_t k) {
    auto& w = W::WayPoint[static_cast<std::size_t>(k)];
    const std::string Name = "Tauchgang#" + std::to_string(k);
    Z.Abschnitt(Name, Name);
    Z.Gleitzahl("Runtime (min) ***************", "Runtime (min) ***************", w.min_Runtime, 0, 2, 7,
                Grenzen{0, 1.0e6L});
    Z.Gleitzahl("Tiefe (m)", "Tiefe (m)", w.m_Wasser, 0, 2, 6, Grenzen{0, 1000});
    std::string Geraet = Tauchgeraet_Dateitext(w.Tauchgeraet);
    Z.Text("Tauchgeraet", "Tauchgeraet", Geraet, "");
    if (Z.lesen()) {
        const auto Code = Tauchgeraet_aus_Dateitext(Geraet);
        bool Kreislauf = false;
        // Files written before the apparatus key knew only closed circuit or not.
        if (!Code) Z.Wahrheitswert("Kreislaufsystem", "Kreislaufsystem", Kreislauf, false);
        w.Tauchgeraet = Code ? *Code : (Kreislauf ? 1 : 0);
    }
    Z.Ganzzahl("Atemgas", "Atemgas", w.Gas_Nr, 0);
    Z.Gleitzahl("CCR p(O2) (bar)", "CCR p(O2) (bar)", w.CCR_Setpoint, 1.3f, 2, 5);
    // the record keeps these in forms of its own: walked as plain values
    float SCR_Flow = w.SCR_Flow;
    int32_t pSCR_DumpRatio = w.pSCR_DumpRatio;
    std::string Aktion = w.Aktion, Warnung = w.Warnung;
    Z.Gleitzahl("SCR flow (l/min)", "SCR flow (l/min)", SCR_Flow, 15.6f, 1, 4);
    Z.Ganzzahl("pSCR dump ratio (%)", "pSCR dump ratio (%)", pSCR_DumpRatio, 10, Grenzen{5, 100});
    Z.Gleitzahl("p(O2) (bar)", "p(O2) (bar)", w.bar_pO2, 1.3f, 2, 5);
    Z.Gleitzahl("CNS (%)", "CNS (%)", w.CNS_Prozent, 0, 2, 6);
    Z.Gleitzahl("OTU", "OTU", w.OTU, 0, 1, 5);
    Z.Gleitzahl("END (m)", "END (m)", w.m_END, 0, 2, 6);
    Z.Text("Aktion", "Aktion", Aktion, "");
    Z.Text("Warnung", "Warnung", Warnung, "");
    Z.Wahrheitswert("austauchen", "austauchen", w.austauchen, false);
    w.SCR_Flow = SCR_Flow;
    w.pSCR_DumpRatio = pSCR_DumpRatio;
    w.Aktion = Aktion;
    w.Warnung = Warnung;
}

// Time runs forward: a waypoint earlier than the one before it would make the replay run backwards.
void Runtimes_ordnen(Zugriff& Z) {
    for (int32_t k = 1; k <= W::WayPoint_Anzahl; ++k) {
        auto& w = W::WayPoint[static_cast<std::size_t>(k)];
        const float vorher = W::WayPoint[static_cast<std::size_t>(k - 1)].min_Runtime;
        if (w.min_Runtime >= vorher) continue;
        w.min_Runtime = vorher;
        const std::string Wert = Unit_Tools::Zahl_formatieren(0, 2, vorher);
        Z.Problem_melden("Runtime-Reihenfolge",
                         "Wegpunkt " + std::to_string(k) +
                             ": Runtime kleiner als beim vorigen Wegpunkt.\r-> wird gesetzt auf " + Wert,
                         "Waypoint " + std::to_string(k) +
                             ": runtime below that of the previous waypoint.\r-> will be set to " + Wert);
    }
}

// A choice kept by its name; a name the list lacks gives the first choice after a message.
template <std::size_t N>
void Auswahl_durchlaufen(Zugriff& Z, const std::string& Deutsch, const std::string& Englisch, int32_t& Index,
                         const std::array<const char*, N>& Namen) {
    std::string Name = Namen[Index >= 0 && std::size_t(Index) < N ? std::size_t(Index) : 0];
    Z.Text(Deutsch, Englisch, Name, Namen[0]);
    if (!Z.lesen()) return;
    const std::string Gelesen = Unit_IniDatei::Vergleichsform(Name);
    const auto i = std::find_if(Namen.begin(), Namen.end(), [&](const char* n) { return Gelesen == n; });
    Index = i == Namen.end() ? 0 : int32_t(i - Namen.begin());
    if (i == Namen.end())
        Z.Problem_melden(Deutsch, Deutsch + " \"" + Name + "\" unbekannt, " + Namen[0] + " wird verwendet",
                         Englisch + " \"" + Name + "\" unknown, " + Namen[0] + " is used");
}

// The converter's serial port; kept in the settings file only, a dive file does not carry it.
void Gasmischer_durchlaufen(Zugriff& Z) {
    namespace A = Unit_Wandleranschluss;
    A::Anschluss& a = A::Einstellung;
    const A::Anschluss Vorgabe;
    Z.Abschnitt("Gasmischer", "Gas blender");
    Z.Text("Schnittstelle", "Serial port", a.Port, Vorgabe.Port);
    Z.Ganzzahl("Baudrate", "Baud rate", a.Baudrate, Vorgabe.Baudrate);
    if (Z.lesen() && std::find(A::Baudraten.begin(), A::Baudraten.end(), a.Baudrate) == A::Baudraten.end()) {
        const std::string Rate = std::to_string(a.Baudrate);
        Z.Problem_melden("Baudrate", "Baudrate " + Rate + " wird nicht angeboten, 56000 wird verwendet",
                         "Baud rate " + Rate + " is not offered, 56000 is used");
        a.Baudrate = Vorgabe.Baudrate;
    }
    Z.Ganzzahl("Datenbits", "Data bits", a.Datenbits, Vorgabe.Datenbits, Grenzen{5, 8, 8});
    Auswahl_durchlaufen(Z, "Paritaet", "Parity", a.Paritaet, A::Paritaeten);
    Auswahl_durchlaufen(Z, "Stoppbits", "Stop bits", a.Stoppbits, A::Stoppbits);
    Auswahl_durchlaufen(Z, "Flusssteuerung", "Flow control", a.Flusssteuerung, A::Flusssteuerungen);
}

} // namespace

void WayPoints_durchlaufen(Zugriff& Z) {
    Z.Abschnitt("Tauchgang", "Tauchgang");
    int32_t n = std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax);
    Z.Ganzzahl("Wegpunkte max", "Wegpunkte max", n, 0, Grenzen{0, W::WayPointMax * 1.0L});
    if (Z.lesen()) {
        W::WayPoints_loeschen();
        W::WayPoint_Anzahl = n;
    }
    for (int32_t k = 0; k <= n; ++k) Wegpunkt_durchlaufen(Z, k);
    if (Z.lesen()) Runtimes_ordnen(Z);
}

void Sprache_durchlaufen(Zugriff& Z) {
    if (!Z.lesen()) {
        Z.Ganzzahl("Sprache", "Language", Sprache, 0);
        return;
    }
    if (!Z.Sprache_lesen) return;
    const auto Wert = [&Z](const char* Abschnitt, const char* Schluessel) {
        const auto Text = Z.Ini.Wert(Abschnitt, Schluessel);
        return Text ? Ganzzahl_aus_Text(*Text).value_or(0) : 0;
    };
    Sprache = Wert("Programm", "Sprache") != 0 || Wert("Program", "Language") != 0 ? 1 : 0;
}

void Einstellungen_durchlaufen(Zugriff& Z) {
    Programm_durchlaufen(Z);
    Wiederholung_durchlaufen(Z);
    Aktuell_durchlaufen(Z);
    Abstieg_durchlaufen(Z);
    Zeitmessung_durchlaufen(Z);
    RunTime_Tabelle_durchlaufen(Z);
    Aufstieg_durchlaufen(Z);
    Gasverbrauch_durchlaufen(Z);
    Berechnung_durchlaufen(Z);
    Sicherheit_durchlaufen(Z);
    Gase_durchlaufen(Z);
    Grenzwerte_durchlaufen(Z);
}

void Gasnummern_pruefen() {
    const int32_t Max = std::clamp(G::Gasgemisch_NumMax, 0, G::GasGemisch_NumMaxUeberhaupt);
    std::optional<int32_t> falsch;
    const auto pruefen = [&](int32_t& Gas) {
        if (Gas >= 0 && Gas <= Max) return;
        if (!falsch) falsch = Gas;
        Gas = 0;
    };
    pruefen(W::Gas_Nr_Start);
    pruefen(W::Gas_Nr);
    pruefen(G::Gasgemisch_num);
    pruefen(Unit_AustauchPlanung::AirBreak_GasNum);
    for (auto* t : {&Unit_AbtauchPlanung::Abstieg_Gaswechsel, &Unit_AustauchPlanung::Aufstieg_Gaswechsel})
        for (auto& z : t->Zeile) {
            int32_t Gas = Gasindex(z.Wert);
            if (Gas == -1) Gas = static_cast<int32_t>(std::clamp(z.Wert, -1.0e9f, 1.0e9f));
            pruefen(Gas);
            z.Wert = static_cast<float>(Gas);
        }
    for (int32_t k = 0; k <= std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax); ++k)
        pruefen(W::WayPoint[k].Gas_Nr);
    if (falsch)
        Unit_Tools::Meldung_Problem(
            "Gas Nr. " + std::to_string(*falsch) + " ist nicht in der Gasliste, Luft wird verwendet",
            "Gas no. " + std::to_string(*falsch) + " is not in the gas list, air is used");
    G::Gasgemisch_waehlen(G::Gasgemisch_num);
}

// ---- the settings file ----

std::string Einstellungsordner() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string Basis;
    if (xdg != nullptr && xdg[0] == '/') {
        Basis = xdg;
    } else {
        const char* home = std::getenv("HOME");
        Basis = std::string(home != nullptr ? home : ".") + "/.config";
    }
    if (Basis.back() != '/') Basis += '/';
    return Basis + "Brelune/";
}

std::string Einstellungsdatei() {
    return Einstellungsordner() + "brelune.ini";
}

std::string Sicherungsdatei() {
    return Einstellungsordner() + "brelune.in_";
}

bool Einstellungsordner_anlegen(const std::string& Programmordner) {
    std::error_code f;
    const std::string Ordner = Einstellungsordner();
    fs::create_directories(Ordner, f);
    if (!fs::is_directory(Ordner, f)) {
        Unit_Tools::Meldung_Problem("Ordner " + Ordner + " kann nicht angelegt werden",
                                    "Folder " + Ordner + " cannot be created");
        return false;
    }
    if (Programmordner.empty()) return true;
    const fs::path Alt = fs::path(Programmordner) / "brelune.ini";
    if (!fs::is_regular_file(Alt, f)) return true;
    // A program kept in the settings folder itself: its file is the settings file, not an old one.
    if (fs::equivalent(Alt, Einstellungsdatei(), f)) return true;
    if (!fs::exists(Einstellungsdatei(), f)) fs::copy_file(Alt, Einstellungsdatei(), f);
    if (!f) fs::remove(Alt, f);
    return true;
}

std::vector<std::string> Einstellungsdatei_Zeilen() {
    Zugriff Z(Modus::saveX);
    Einstellungen_durchlaufen(Z);
    Gasmischer_durchlaufen(Z);
    WayPoints_durchlaufen(Z);
    return Z.Zeilen;
}

bool Einstellungsdatei_schreiben() {
    std::error_code f;
    fs::create_directories(Einstellungsordner(), f);
    const std::string Fehler =
        Unit_Textdatei::Datei_schreiben(Einstellungsdatei(), Einstellungsdatei_Zeilen(), Sicherungsdatei());
    if (Fehler.empty()) return true;
    Schreibfehler_melden(Einstellungsdatei(), Fehler);
    return false;
}

void Einstellungen_aus_Zeilen(const std::vector<std::string>& Zeilen) {
    Zugriff Z(Modus::read);
    Z.Ini = Unit_IniDatei::IniDatei::aus_Zeilen(Zeilen);
    Einstellungen_durchlaufen(Z);
    Gasmischer_durchlaufen(Z);
    WayPoints_durchlaufen(Z);
    Gasnummern_pruefen();
}

bool Einstellungsdatei_lesen() {
    const auto Datei = Unit_Textdatei::Datei_lesen(Einstellungsdatei());
    if (!Datei.gelesen && !Datei.fehlt) {
        Lesefehler_melden(Einstellungsdatei(), Datei.Fehler);
        return false;
    }
    Einstellungen_aus_Zeilen(Datei.Zeilen);
    W::min_Runtime = Unit_WayPoints::min_Runtime_Start;
    W::m_Wasser = Unit_WayPoints::m_Wasser_Start;
    return true;
}

void Sprache_lesen() {
    const auto Datei = Unit_Textdatei::Datei_lesen(Einstellungsdatei());
    if (!Datei.gelesen) return;
    Zugriff Z(Modus::read);
    Z.Ini = Unit_IniDatei::IniDatei::aus_Zeilen(Datei.Zeilen);
    Sprache_durchlaufen(Z);
}

bool Einstellungen_zuruecksetzen() {
    if (!Unit_Tools::Frage_Ja_Nein("Alle Einstellungen zurücksetzen auf Standardwerte",
                                   "Reset all settings to defaults"))
        return false;
    std::error_code f;
    fs::remove(Einstellungsdatei(), f);
    if (f) {
        Unit_Tools::Meldung_Problem("Datei " + Einstellungsordner() + "brelune.ini" +
                                        " kann nicht gelöscht werden",
                                    "File " + Einstellungsordner() + "brelune.ini" + " cannot be deleted");
        return false;
    }
    Einstellungsdatei_lesen();
    W::Warnungen_reduzieren = false;
    Unit_Sauerstofftoxizitaet::pO2_weiterrechnen = false;
    Unit_Saettigungsmodelle::GF_Lo_last_deco_stop = true;
    return true;
}

} // namespace Unit_Einstellungsdatei
