#include "lang/Unit_Sprache_Brelune.hpp"

#include "lang/Unit_Tools.hpp"

#include <array>
#include <cstdint>
#include <iterator>
#include <type_traits>
#include <utility>

namespace Unit_Sprache_Brelune {

std::string Wort_uebersetzen(const std::string& Text, const std::string& Deutsch,
                             const std::string& Englisch) {
    const bool Englisch_gilt = Unit_Tools::Sprache == 1;
    const std::string& alt = Englisch_gilt ? Deutsch : Englisch;
    const std::string& neu = Englisch_gilt ? Englisch : Deutsch;
    const auto Stelle = alt.empty() ? std::string::npos : Text.find(alt);
    if (Stelle == std::string::npos) return Text;
    std::string Ergebnis = Text;
    Ergebnis.replace(Stelle, alt.size(), neu);
    return Ergebnis;
}

std::string Aktion_uebersetzen(const std::string& Aktion) {
    // "Wechsel" comes before "Gaswechsel"; the lower-case "w" keeps the two apart.
    static const std::array<std::pair<const char*, const char*>, 7> Woerter = {
        {{"Abstieg", "Descent"},
         {"Wechsel", "change"},
         {"Aufstieg", "Ascent"},
         {"Deko", "Deco"},
         {"DEKO", "DECO"},
         {"spülen", "flush"},
         {"Gaswechsel", "Gas switch"}}};
    std::string Text = Aktion;
    for (const auto& [Deutsch, Englisch] : Woerter) Text = Wort_uebersetzen(Text, Deutsch, Englisch);
    return Text;
}

namespace {

struct Texteintrag {
    int Tag;
    Textsatz Texte;
};

// German caption, English caption, German hint, English hint, grouped by window. The texts are
// copied as the program shows them, blanks at either end included; none holds a line break.
constexpr Texteintrag Texttabelle[] = {
    // Main window T_Form_main
    {1, {"Tauchgang", "Dive", "", ""}},
    {2, {"Neuer Tauchgang", "New dive", "", ""}},
    {3, {"Tauchgang laden", "Load dive", "", ""}},
    {4, {"Tauchgang speichern", "Save dive", "", ""}},
    {5, {"Tauchgang: Report drucken", "Dive: print report", "", ""}},
    {6, {"Tauchgang importieren <- UDDF", "Import dive <- UDDF", "", ""}},
    {7, {"Tauchgang importieren <- CSV (Shearwater)", "Import dive <- CSV (Shearwater)", "", ""}},
    {8, {"Tauchgang importieren <- TXT (Test Brask, ..)", "Import dive <- TXT (Test Brask, ..)", "", ""}},
    {9, {"Tauchgang exportieren -> UDDF", "Export dive -> UDDF", "", ""}},
    {10, {"Programm beenden", "Exit program", "", ""}},
    {11, {"Einstellungen", "Settings", "", ""}},
    {12, {"Einstellungen laden", "Load settings", "", ""}},
    {13, {"Einstellungen speichern", "Save settings", "", ""}},
    {14, {"Einstellungen zurücksetzen", "Reset settings", "", ""}},
    {15, {"Grundeinstellungen", "Basic settings", "", ""}},
    {16, {"Anzeigen", "Displays", "", ""}},
    {20, {"Zeitmessung", "Time", "", ""}},
    {22, {"Gasverbrauch (AMV)", "Gas consumption (respiratory minute volume RMV)", "", ""}},
    {27, {"Übersicht", "Overview", "", ""}},
    {28, {"Abstiegsplanung", "Descent plan", "", ""}},
    {29, {"Abtauchgeschwindigkeit", "Descent velocity", "", ""}},
    {30, {"Bubble Check", "Bubble check", "", ""}},
    {31, {"Gaswechsel", "Gas changes", "", ""}},
    {32, {"CCR pO2", "CCR pO2", "", ""}},
    {33, {"Austauchplanung", "Ascent plan", "", ""}},
    {34, {"Aufstiegsgeschwindigkeit", "Ascent velocity", "", ""}},
    {35, {"Deko-Tiefen", "Deco depths", "", ""}},
    {36, {"Gaswechsel", "Gas switches", "", ""}},
    {37, {"CCR pO2", "CCR pO2", "", ""}},
    {38, {"Sicherheitszuschläge", "Safety margins", "", ""}},
    {39, {"Tauchen", "Dive", "", ""}},
    {40, {"neuer Tauchgang, Anfangssättigung mit Luft", "New dive, initial saturation with air", "", ""}},
    {41, {"neuer Tauchgang als Wiederholungstauchgang", "New dive as repetition dive", "", ""}},
    {42, {"OC = offenes System", "OC = open system", "", ""}},
    {43, {"CCR = geschlossenes System", "CCR = closed circuit rebreather", "", ""}},
    {44,
     {"SCR = halbgeschlossenes System (constant flow)",
      "SCR = semi closed circuit rebreather (constant flow)", "", ""}},
    {45, {"Tauchen = Punkt übernehmen", "Dive = use waypoint", "", ""}},
    {46, {"mit Abstiegsplanung", "with descent scheme", "", ""}},
    {47, {"letzten Punkt löschen", "delete last waypoint", "", ""}},
    {48, {"Berechnung", "Calculation", "", ""}},
    {49, {"Austauchen", "Ascend", "", ""}},
    {50, {"Tauchgang analysieren", "Analyse dive", "", ""}},
    {51, {"Wegpunkte - Übersicht", "Waypoints - overview", "", ""}},
    {52, {"Extras", "Extra", "", ""}},
    {53, {"Gasrechner: Best Mix berechnen", "Gas calculator: best mix", "", ""}},
    {54, {"Gasmischer (Partialdruckverfahren)", "Gas mixer (partial pressure method)", "", ""}},
    {56, {"Hilfe", "Help", "", ""}},
    {57, {"Handbuch lesen", "Read manual", "", ""}},
    {63, {"Über das Programm", "About the program", "", ""}},
    {64, {"Quellen", "Sources", "", ""}},
    {65, {"Warnhinweis", "Warning notice", "", ""}},
    {67,
     {"Einstellungen", "Settings", "Alle Einstellungen, von A (AMV) bis Z (Zuschläge) ...",
      "All settings from A (Ascent) to  Z (Zero safety margins)"}},
    {68,
     {"Luftdruck (mbar)", "Air pressure (mbar)",
      "Der Taucher ist mit Stickstoff (entsprechend dem eingestellten Luftdruck) zu Beginn des Tauchgangs "
      "gesättigt.",
      "At the begining of the dive, the diver is saturated with nitrogen (respective air pressure)"}},
    {69, {"Planung", "Plans", "", ""}},
    {70, {"Abtauch-Plan", "Descend plan", "Abtauchplanung einstellen", "Set descend plan"}},
    {71, {"Austauch-Plan", "Ascend plan", "Austauchplanung einstellen", "Set ascend plan"}},
    {72,
     {"Modelle", "Calculation models", "Rechenmodelle für die Sättigung und Entsättigung mit den Inertgasen",
      "Calculation models for saturation and de-saturation with inert gases"}},
    {73, {"Beenden", "Exit", "Programm beenden", "Close the program"}},
    {74, {"Tauchgang", "Dive", "", ""}},
    {75,
     {"Neuer Tauchgang", "New dive",
      "Sättigung zurücksetzen (eingestellter Luftdruck), alle Tauchgangsdaten löschen",
      "Reset saturation (using actual air pressure), delete all dive data"}},
    {76,
     {" Folgetauchgang", "Repetition dive",
      "Sättigung mit Oberflächenpause weiterrechnen (eingestellter Luftdruck), alle Tauchgangsdaten löschen",
      "Continue saturation calculation using surface time (air pressure), delete all dive data"}},
    {77, {"Punkt setzen", "Set waypoint", "", ""}},
    {78, {"Runtime (min)", "Runtime (min)", "", ""}},
    {80, {"Tauchgerät", "Dive equipment", "", ""}},
    {81, {"Atemgas", "Gas", "", ""}},
    {82, {"Setpoint pO2", "Setpoint pO2", "", ""}},
    {83, {"Tauchen", "Dive", "Tauchgangsdaten übernehmen", "Use actual dive data"}},
    {84, {"Abstiegsplanung", "Descent plan", "", ""}},
    {85, {"Löschen", "Delete", "Letzten Wegpunkt löschen", "Delete last dive data waypoint"}},
    {86,
     {"Austauchen", "Ascend", "Tauchgangsberechnung mit Dekompression",
      "Dive calculation with decompression"}},
    {87, {"Berechnungen", "Calculations", "", ""}},
    {88, {"Aktueller Status", "Status", "", ""}},
    {89, {"Tiefe (m)", "Depth (m)", "Tiefe (m)", "Depth (m)"}},
    {92, {"Uhrzeit", "time of day", "Runtime als Uhrzeit", "Runtime as time of day"}},
    {93,
     {"Atemgas (i %) ", "Gas (i %)", "Zusammensetzung des Atemgases im Atemkreislauf",
      "Composition of gas in the breathing circuit"}},
    {94, {"Deko-Zone", "Deco zone", "Dekompressionszone beginnt ..", "Decompression zone begins .."}},
    {95, {"Atemgas", "Gas", "Atemgas * System", "Breathing gas * system"}},
    {96, {"Warnungen", "Warnings", "", ""}},
    {97, {"Tauchgangsberechnung", "Dive calculation", "", ""}},
    {98,
     {"Runtime (min) Tiefe (m) Atemgas              pO2 (bar)  CNS (%)  OTU    END   Aktion",
      "runtime (min) depth (m) gas                  pO2 (bar)  CNS (%)  OTU    END   Action", "", ""}},
    {99, {"Zusammenfassung", "Summary", "", ""}},
    {100, {"Report", "Report", "", ""}},
    {101, {"Drucken", "Print", "Report drucken", "Print report"}},
    {102, {"Word", "Word", "Report in Word übernehmen", "Import report into Word"}},
    {103, {"Excel", "Excel", "Report in Excel übernehmen", "Import report into Excel"}},
    {104, {"Runtime Tabelle", "Runtime table", "", ""}},
    {105, {"anpassen", "Adjust", "Runtime Tabelle anpassen", "Adjust runtime table"}},
    {107, {"Deko-Info", "Deco info", "", ""}},
    {108, {"Warnungen", "Warnings", "", ""}},
    {329,
     {"Differenzdruck N2, He (%)", "Differential pressure N2, He (%)", "Differenzdruck N2 und He",
      "Difference pressure N2 and He"}},
    {331, {"END (m)", "END (m)", "Äquivalente Luft-Tiefe", "Equivalent nitrogen depth"}},
    {332, {"p O2 (bar)", "p O2 (bar)", "Sauerstoff-Partialdruck", "Partial pressure of oxygen"}},
    {333, {"CNS (%)", "CNS (%)", "Sauerstoff-Uhr = CNS Toxizität", "Oxygen clock = CNS toxicity"}},
    {334, {"OTU", "OTU", "Sauerstoff Langzeitbelastung", "Oxygen longtime load"}},
    {335, {"GF (%)", "GF (%)", "Gradienten Faktor", "Gradient factor"}},
    {342, {"Tauchgang (Beispiel) laden", "Load example dive", "", ""}},
    {346,
     {"pSCR = halbgeschlossenes System (atemgesteuert)", "pSCR = semi closed circuit rebreather (RMV keyed)",
      "", ""}},
    {354,
     {"Zwischenablage", "Clipboard", "In die Windows Zwischenablage kopieren", "Copy to Windows clipboard"}},
    {355, {"Tauchgang exportieren -> CSV", "Export dive -> CSV", "", ""}},
    {362, {"Höhlentauchen", "Cave diving", "", ""}},
    // Settings dialog T_Form_Einstellungen
    {17, {"Pfade", "Paths", "", ""}},
    {18, {"Luftdruck", "Air pressure", "", ""}},
    {19, {"Wasserdruck", "Water pressure", "", ""}},
    {21, {"Runtime Tabelle", "Runtime table", "", ""}},
    {23, {"Modelle", "Models", "", ""}},
    {25, {"Atemgase", "Breathing gases", "", ""}},
    {26, {"Grenzwerte", "Limits", "", ""}},
    {79, {"Tiefe (m)", "Depth (m)", "", ""}},
    {90, {"Tauchzeit", "Dive time", "", ""}},
    {91, {"Druck (bar)", "Pressure (bar)", "", ""}},
    {106, {"Gasverbrauch", "Gas consumption", "", ""}},
    {162, {"Einstellungen", "Settings", "", ""}},
    {163, {"Grundeinstellungen", "Basic settings", "", ""}},
    {164, {"Grundeinstellungen für ... ", "Basic settings for ...", "", ""}},
    {165, {"Anzeigen", "Displays", "", ""}},
    {166, {"Allgemein", "General", "", ""}},
    {167, {"Modellauswahl", "Saturation models", "", ""}},
    {168, {"Aktueller Status während ", "Actual status during", "", ""}},
    {169, {"der Tauchgangsberechnung", "Dive calculation", "", ""}},
    {170, {"Tauchersymbol", "Diver symbol", "", ""}},
    {171, {"Hinweise einblenden ", "Show hints", "", ""}},
    {172, {"beim Bewegen der Maus", "During moving of mouse", "", ""}},
    {173, {"Statusanzeigen", "Show status of ...", "", ""}},
    {174, {"Runtime auch als Uhrzeit", "Runtime as time of day too", "", ""}},
    {175, {"Atemkreislauf", "Breathing circuit", "", ""}},
    {176, {"Gegendiffusion", "Counter diffusion", "", ""}},
    {177, {"Gasverbrauch", "Gas consumption", "", ""}},
    {178, {"Gesamt", "Total", "", ""}},
    {179, {"Abstieg + Grundzeit", "Descent + bottom time", "", ""}},
    {180, {"Aufstieg", "Ascent", "", ""}},
    {181, {"Sättigung", "Saturation", "", ""}},
    {182, {"in %: Relative Gewebe-Sättigung", "in %: relative tissue saturation", "", ""}},
    {183, {"in bar: Absolute Gewebe-Sättigung, ", "in bar: absolute tissue saturation", "", ""}},
    {184, {"Übersättigung, Umgebungsdruck, Ceiling", "over saturation, ambient pressure, ceiling", "", ""}},
    {185, {"Pfad (Ordner) für Ini Datei", "Path (folder) for INI file", "", ""}},
    {186, {"Pfad (Ordner) für Tauchgänge", "Path (folder) for dive data", "", ""}},
    {187, {"Luftdruck an der Wasseroberfläche ", "Air pressure on water surface", "", ""}},
    {188, {"Höhe über NN ", "Height above S.L.", "", ""}},
    {189, {"Standard - Atmosphäre", "Standard atmosphere", "", ""}},
    {190, {"Wassersäule", "Water column", "", ""}},
    {191, {"m pro bar", "m per bar", "", ""}},
    {192,
     {"Wassertiefen aus kalibrierter Druckmessung ", "Water depth from calibrated pressure measurement", "",
      ""}},
    {193, {"Temperatur (°C) ", "Temperature (°C)", "", ""}},
    {194, {"Salzgehalt (%) ", "Salt content (%)", "", ""}},
    {195, {"Kalibrieren", "Calibrate", "", ""}},
    {196, {"Dichte (g/cm³)", "Density (g/cm³)", "", ""}},
    {197, {"Zeit", "Time", "", ""}},
    {198, {"Dekostops auf volle Minuten ausdehnen", "Expand deco stops to full minutes", "", ""}},
    {199,
     {"Dekostops auf volle RUNTIME Minuten ausdehnen", "Expand deco stops to full RUNTIME minutes", "", ""}},
    {200,
     {"Aufstieg zum nächsten Stop wird zur Dekozeit addiert", "Add ascent to next stop to deco time", "",
      ""}},
    {201, {"Uhrzeit", "Time of day", "", ""}},
    {202, {"Startzeit des Tauchgangs", "Dive starts at", "", ""}},
    {203, {"jetzt", "Now", "", ""}},
    {204, {"Uhrzeit anzeigen", "Show time of day", "", ""}},
    {205, {"in der Runtimetabelle anzeigen", "Show in runtime table", "", ""}},
    {206, {"Aufstieg zwischen Dekostufen", "Ascent between deco stops", "", ""}},
    {207, {"Zeit auf Tiefe", "Time at depth", "", ""}},
    {208, {"System (offen=OC oder geschlossen=CCR)", "System (open = OC or closed = CCR)", "", ""}},
    {209, {"Nachkommastellen:", "Decimals:", "", ""}},
    {210, {"AMV (l/min)", "RMV (l/min)", "", ""}},
    {211, {"AMV auf Dekostops (l/min) ", "RMV at deco stops (l/min)", "", ""}},
    {212, {"O2 Verbrauch (l/min)", "O2 consumption (l/min)", "", ""}},
    {213, {"Volumen des Kreislaufs (l)", "Volume of circuit (l)", "", ""}},
    {214, {"Lieferleistung O2 Nadelventil (l/min)", "Performance of needle valve (l/min)", "", ""}},
    {215, {"Setpoint Genauigkeit", "Setpoint accuracy", "", ""}},
    {216, {"x mal spülen nach Gaswechsel", "Flush circuit x times", "", ""}},
    {217, {"Partialdruckberechnung aus ...", "Partial pressure calculation from ...", "", ""}},
    {218, {"Partialdruckberechnung aus Atemkreislauf", "Partial pressure calculation from circuit", "", ""}},
    {219, {"Wasserdampfdruck in den Alveolen", "Partial pressure of water vapor in lungs", "", ""}},
    {220, {"Warten auf Tiefe nach Gaswechsel", "Wait on depth after gas switch", "", ""}},
    {221, {"Wartezeit (min)", "Wait time (min)", "", ""}},
    {222, {"Sicherheitsreserve  Verbrauchsberechnung", "Safety margin of consumption calculation", "", ""}},
    {223, {"Anschauen", "Display", "", ""}},
    {224, {"Tiefenzuschlag: Tiefe  + 3 %  + 1 m", "Depth safety margin: depth + 3 % + 1 m", "", ""}},
    {225, {"Letzten Dekostop verdoppeln", "Double last deco stop", "", ""}},
    {226, {"Sicherheitsstop auf letzter Deko ", "Safety stop on last deco", "", ""}},
    {227, {"Risiko-Taucher", "Risk diver", "", ""}},
    {228, {"Gradienten Faktoren", "Gradient factors", "", ""}},
    {229, {"Dekostops ", "Deco stops", "", ""}},
    {230, {"Zusätzlichen", "additional", "", ""}},
    {231, {" tiefen Dekostop", "  deep stop", "", ""}},
    {232, {" einhalten ", "  ", "", ""}},
    {233, {"Dauer (min)", "Duration (min)", "", ""}},
    {234, {"Stufen oberhalb", "Steps above", "", ""}},
    {235, {"Deko-Zone", "Deco zone", "", ""}},
    {236, {"Atemgas ", "Breathing gas", "", ""}},
    {237, {"aktuelles Gas löschen", "Delete actual gas", "", ""}},
    {238, {"Warnschwellen", "Warning limits", "", ""}},
    {239, {"Gegendiff. max =", "Counter diff. max =", "", ""}},
    {240, {"Gegendiff. min =", "Counter diff. min =", "", ""}},
    {241, {"Maximale Zeiten (min)", "max times (min)", "", ""}},
    {242, {"Grundzeit =", "Bottom time =", "", ""}},
    {243, {"Tauchzeit =", "Dive time =", "", ""}},
    {244, {"Maximale Tiefe (m)", "max depth (m)", "", ""}},
    {245, {"Max. Zahl der Wegpunkte", "max amount of waypoints", "", ""}},
    {246, {"CNS:Maximaler pO2 (bar)", "CNS: max pO2 (bar)", "", ""}},
    {247, {"weiter rechnen nach Überschreitung", "Continue calculation after limit exceeding", "", ""}},
    {248, {"Max. Zahl der Gasgemische", "max amount of gases", "", ""}},
    {249, {"Kabinendruck (mbar)", "Cabin pressure (mbar)", "", ""}},
    {250, {"für die Berechnung der Flugverbotszeit", "for calculation of no-fly time", "", ""}},
    {252, {"Warnungen reduzieren", "Reduce warning messages", "", ""}},
    {253, {"lesen", "Read", "", ""}},
    {254, {"speichern", "Save", "", ""}},
    {255, {"Übersicht", "Overview", "", ""}},
    {256, {"Reset: alle Einstellungen zurücksetzen", "Reset all settings", "", ""}},
    {339, {"OC", "OC", "", ""}},
    {340, {"CCR", "CCR", "", ""}},
    {341, {"SCR", "SCR", "", ""}},
    {345, {"in barL: Inertgas Volumina", "in barL: inert gas volumes", "", ""}},
    {347, {"Spülen nach Runtime alle ..  (min)", "Flush after runtime every ..  (min)", "", ""}},
    {348, {"Spülen beim Aufstieg alle ..  (m)", "Flush during ascent every ..  (m)", "", ""}},
    {349, {"Bühlmann", "Bühlmann", "", ""}},
    {350, {"0", "0", "", ""}},
    {351, {"Baker GF", "Baker GF", "", ""}},
    {352, {"Deep Stop", "Deep Stop", "", ""}},
    {353, {"", "", "", ""}}, // no caption
    {356, {"Spülen bei Beginn Aufstieg", "Flush at start of ascent", "", ""}},
    {363, {"Gradient factor Hi gilt für ", "Gradient factor Hi applies for ", "", ""}},
    {364, {"letzten Dekostop", "last deco stop", "", ""}},
    {365, {"Oberfläche", "surface", "", ""}},
    {366, {"Gradient factor Lo gilt für ", "Gradient factor Lo applies for ", "", ""}},
    {367, {"ersten (tiefsten) Dekostop", "first (deepest) deco stop", "", ""}},
    // Ascent plan T_Form_AustauchPlanung
    {24, {"Sicherheitszuschläge", "Safety margins", "", ""}},
    {126, {"Austauch - Planung", "Ascent plan", "", ""}},
    {127, {"Aufstiegsgeschwindigkeit", "Ascent velocity", "", ""}},
    {128, {"Aufstieg (m/min)", "Ascent (m/min)", "", ""}},
    {129, {"ab Tiefe (m)     Aufstieg (m/min)", "from depth (m)   ascent (m/min)", "", ""}},
    {130, {"Dekotiefen", "Deco depths", "", ""}},
    {131, {"Letzter Dekostop (m) ", "Last deco stop", "", ""}},
    {132, {"Abstand der Dekostufen (m) ", "Distance of deco stops", "", ""}},
    {133, {"Gaswechsel beim Austauchen ", "Gas switch during ascent", "", ""}},
    {135, {"Vorschlag", "Suggest", "", ""}},
    {136, {"Verwende Gas Breaks", "Use gas breaks", "", ""}},
    {137, {"auf letztem Dekostop", "on last deco stop", "", ""}},
    {138, {"Atemgas während Gas Break", "Gas during gas break", "", ""}},
    {139, {"Abstand (min)", "Interval (min)", "", ""}},
    {140,
     {"Bail Out = Umstieg auf Offenes System (OC) zu Beginn des Austauchens",
      "Bail Out = switch to open system (OC) while beginning ascending", "", ""}},
    {141, {"Sicherheitszuschläge nach Bühlmann", "Safety margins after Bühlmann", "", ""}},
    {142, {"Gradienten Factoren nach Baker", "Gradient factors after Baker", "", ""}},
    {143, {"einstellen", "Set", "", ""}},
    {336, {"Gas Breaks", "Gas Breaks", "", ""}},
    {337, {"Gradient factor Hi (%)", "Gradient factor Hi (%)", "", ""}},
    {338, {"Gradient factor Lo (%)", "Gradient factor Lo (%)", "", ""}},
    // Not placed on a window
    {58, {"Fragezeichen ?", "Question mark ?", "", ""}},
    {282, {"Modelle", "Saturation models", "", ""}},
    {301, {"Einstellungen und Tauchgangsdaten", "Settings and dive data", "", ""}},
    {302, {"CSV oder TXT Daten", "CSV or TXT data", "", ""}},
    // Descent plan T_Form_Abtauchplanung
    {109, {"Abstiegs-Planung", "Descent plan", "", ""}},
    {110, {"Abstiegsgeschwindigkeit (m/min)", "Descent velocity (m/min)", "", ""}},
    {111, {"konstant", "Constant", "", ""}},
    {112, {"Abstieg (m/min)", "Descent (m/min)", "", ""}},
    {113, {"variabel", "Adjustable", "", ""}},
    {114, {"ab Tiefe (m)     Abstieg (m/min)", "From depth (m)   Descent (m/min)", "", ""}},
    {115, {"Bubble Check einplanen", "Do bubble check", "", ""}},
    {116, {"Tiefe (m)", "Depth (m)", "", ""}},
    {117, {"Dauer (min)", "Duration (min)", "", ""}},
    {118, {"Gaswechsel", "Gas switch", "", ""}},
    {119, {"Kein Gaswechsel", "No gas switch", "", ""}},
    {120, {"Gaswechsel beim Abtauchen ", "Gas switch during descent", "", ""}},
    {121, {"Neues Gas", "New gas", "", ""}},
    {122, {"CCR Setpoint pO2  (Kreislauftauchgerät)", "CCR Setpoint pO2", "", ""}},
    {123, {"ab Tiefe (m)     pO2 (bar)", "From depth (m)   pO2 (bar)", "", ""}},
    {124, {"Abstiegsplanung verwenden", "Use descent plan", "", ""}},
    {125, {"Schließen", "Close", "", ""}},
    {134, {"ab Tiefe (m) ", "From depth (m)", "", ""}},
    // Automatic gas switches T_form_AustauchPlanung_autoGaswechsel
    {144, {"Austauchplanung - automatische Gaswechsel", "Ascent plan - automatic gas switches", "", ""}},
    {145, {"Partialdruck pO2 max (bar) =", "partial pressure pO2 max (bar) =", "", ""}},
    {146, {"Partialdruck pO2 min (bar) =", "Partial pressure pO2 min (bar) =", "", ""}},
    {147, {"Partialdruck pN2 max (bar) =", "Partial pressure pN2 max (bar) =", "", ""}},
    {148, {"Partialdruckdifferenz dpN2 max (bar) =", "Diff. partial pressure dpN2 max (bar) =", "", ""}},
    {149, {"Partialdruckdifferenz dpN2 min (bar) =", "Diff. partial pressure dpN2 min (bar) =", "", ""}},
    {150, {"Bottomgas = erstes Gas", "Bottom gas = first gas", "", ""}},
    {151, {"nicht benötigte Gase löschen", "Delete gases not used", "", ""}},
    {152, {"Voreinstellungen", "Defaults", "", ""}},
    {153, {"Standard", "Default", "", ""}},
    {154, {"maximale Entsättigung", "Mmaximum de-saturation", "", ""}},
    {155, {"wenig Gaswechsel", "Few gas switches", "", ""}},
    // UDDF window T_Form_aXML
    {156, {"Tauchgangsdaten im UDDF Format", "Dive data in UDDF format", "", ""}},
    {157, {"von UDDF Datei Lesen", "Read from UDDF data file", "", ""}},
    {158, {"Datei -> Memo", "File -> memo", "", ""}},
    {159, {"in UDDF Datei speichern", "Save into UDDF data file", "", ""}},
    {160, {"Memo -> Datei", "Memo -> file", "", ""}},
    {161, {"Memos löschen", "Delete memos", "", ""}},
    // Gas calculator T_Form_Gasgemisch
    {263, {"Gasrechner", "Gas calculator", "", ""}},
    {264, {"Einsatztiefe (m)", "Dive depth (m)", "", ""}},
    {265, {"berechnen", "Calculate", "", ""}},
    {266, {"Mix berechnen", "Calculate mix", "", ""}},
    {267, {"in die Gasliste", "Into the gas list", "", ""}},
    // Gas indicator T_Form_GasZeiger
    {268, {"aktuell                 Grenzwerte", "actual                  limits", "", ""}},
    // Axes adjustment T_Form_Graph_Utilities
    {269, {"Achsen ändern", "Change the axes", "", ""}},
    {277, {"automatisch", "Automatic", "", ""}},
    {278, {"Alles löschen", "Delete all", "", ""}},
    {279, {"Zeit (min)", "Time (min)", "", ""}},
    {280, {"setzen", "Set", "", ""}},
    {281, {"abbrechen", "Cancel", "", ""}},
    // Tissue bars T_Form_Gewebe
    {270, {"Gewebe", "Tissues", "", ""}},
    {271, {"Sättigung (%) ", "Saturation (%)", "", ""}},
    {272, {"pMax(0, Luft) ", "pMax(0, air)", "", ""}},
    {273, {"Inertgasdruck (bar) ", "Inert gas pressure (bar)", "", ""}},
    {274, {"Anzeige ", "Display", "", ""}},
    // Tissue pressures T_Form_Gewebedruck
    {275, {"Druck absolut (bar)", "Pressure absolute (bar)", "", ""}},
    {276, {"automatische Skalierung", "Automatic scaling", "", ""}},
    {344, {"ceiling =", "ceiling =", "", ""}},
    // Model viewer T_Form_ModelleZeigen
    {283, {"Nummer", "Number", "", ""}},
    {284, {"Bezeichnung", "Name", "", ""}},
    {285, {"Erläuterung", "Details", "", ""}},
    {286, {"Quelle", "Source", "", ""}},
    {287, {"Koeffizienten", "Coefficients", "", ""}},
    // Print preview T_Form_PrePrinter
    {288, {"Druck-Vorschau", "Print preview", "", ""}},
    {289, {"Drucker", "Printer", "", ""}},
    {290, {"Drucken", "Print", "", ""}},
    {291, {"Seite", "Page", "", ""}},
    {292, {"Alles", "All", "", ""}},
    {293, {"Vorschau", "Preview", "", ""}},
    // About window T_Form_ProgrammInfo
    {294, {"Programmversion", "Program version", "", ""}},
    {297, {"Quellen", "Sources", "", ""}},
    {298, {"Sicherheits- und Warnhinweis", "Safety and warning note", "", ""}},
    {299, {"Der Benutzer des Programms akzeptiert den:", "The user accepts the:", "", ""}},
    {343, {"Siehe Handbuch: Kapitel 5. Referenzen", "See manual: chapter 5. References", "", ""}},
    // CSV and text import T_Form_Save_Read_CSV
    {303, {"Voreinstellung", "Defaults for ..", "", ""}},
    {304, {"Kommentarzeilen", "Comment lines", "", ""}},
    {305, {"Anzahl =", "num =", "", ""}},
    {306, {"Datenzeilen", "Data lines", "", ""}},
    {307, {"Spalte =", "Column =", "", ""}},
    {308, {"Einheit =", "Unit =", "", ""}},
    {309, {"Tiefe", "Depth", "", ""}},
    {310, {"System / Tauchgerät", "System / dive equipment", "", ""}},
    {311, {"Trennzeichen", "Separator", "", ""}},
    {312, {"zeigen", "Show", "", ""}},
    // Dive analysis T_Form_Tauchgang_analysieren
    {313, {"Wegpunkte", "Waypoints", "", ""}},
    {321, {"Tauchgang analysieren", "Analyse dive", "", ""}},
    {322, {"Tauchgang ist eingelesen. Weiter .... ", "Dive data read. Proceed ...", "", ""}},
    {323, {"keine weitere Aktion", "no further action", "", ""}},
    {324,
     {"Aufstieg mit aktuellem Aufstiegsplan neu berechnen", "Re-calculate dive using actual ascent plan", "",
      ""}},
    {325, {"Ende Grundzeit (min) = ", "End of bottom time (min) =", "", ""}},
    // Waypoint overview T_Form_sData_Waypoints_edit
    {314, {"Wegpunkt", "Waypoint", "", ""}},
    {315, {"Tiefe (m) =", "Depth (m) =", "", ""}},
    {316, {"Tauchgerät =", "Dive apparatus = ", "", ""}},
    {317, {"Atemgas/Verdünnungsgas =", "Breathing gas / diluent =", "", ""}},
    {318, {"Änderungen übernehmen", "Take modifications", "", ""}},
    {319, {"auch folgende mit gleichem Inhalt", "also following with same content", "", ""}},
    {320, {"auch alle folgenden", "also all following", "", ""}},
    {357, {"Höhlentauchen", "Cave diving", "", ""}},
    {358, {"Horiz. Entfernung (m) =", "Horiz. distance (m) =", "", ""}},
    {359, {"Horiz. Geschw. (m/min) =", "Horiz. velocity (m/min) =", "", ""}},
    {360, {"Kalibrieren", "Calibrate", "", ""}},
    {361, {"Kalibrierungen löschen", "Delete calibrations", "", ""}},
    // Warning notice T_Form_Warnhinweis
    {326,
     {"Sicherheits- und Warnhinweis / Anwendungsvorschrift",
      "Safety and warning note / application instruction", "", ""}},
    {327, {"Ich akzeptiere", "I accept", "", ""}},
    {328, {"Ich akzeptiere nicht", "I do not accept", "", ""}},
    // Settings and dive data overview T_Form_Save_Read
    {330, {"Kommentar", "Comment", "", ""}},
    // Tags that have an entry without text
    {55, {"", "", "", ""}},
    {59, {"", "", "", ""}},
    {60, {"", "", "", ""}},
    {61, {"", "", "", ""}},
    {66, {"", "", "", ""}},
    {251, {"", "", "", ""}},
    {257, {"", "", "", ""}},
    {258, {"", "", "", ""}},
    {259, {"", "", "", ""}},
    {260, {"", "", "", ""}},
    {261, {"", "", "", ""}},
    {262, {"", "", "", ""}},
    {295, {"", "", "", ""}},
    {296, {"", "", "", ""}},
    {300, {"", "", "", ""}},
};

// constexpr puts the table into read-only data: no constructor runs at start, nothing at exit.
static_assert(std::is_trivially_copyable_v<Texteintrag> && std::is_trivially_destructible_v<Texteintrag>);

constexpr int kein_Eintrag = -1;

// Position of each tag's entry in the table, computed by the compiler.
constexpr auto Position = [] {
    std::array<int16_t, Tag_Max + 1> p{};
    p.fill(kein_Eintrag);
    for (std::size_t i = 0; i < std::size(Texttabelle); ++i) p[Texttabelle[i].Tag] = static_cast<int16_t>(i);
    return p;
}();

// Every tag 1 .. Tag_Max but 62 exactly once: a duplicate leaves a tag without a position.
constexpr bool Tabelle_vollstaendig() {
    if (std::size(Texttabelle) != Tag_Max - 1) return false;
    for (int Tag = 1; Tag <= Tag_Max; ++Tag)
        if ((Position[Tag] == kein_Eintrag) != (Tag == 62)) return false;
    return true;
}
static_assert(Tabelle_vollstaendig(), "caption table: every tag 1 .. 367 except 62 exactly once");

} // namespace

const Textsatz* Textsatz_von(int Tag) {
    if (Tag < 1 || Tag > Tag_Max || Position[Tag] == kein_Eintrag) return nullptr;
    return &Texttabelle[Position[Tag]].Texte;
}

std::string_view Beschriftung(int Tag) {
    const Textsatz* t = Textsatz_von(Tag);
    if (!t) return {};
    return Unit_Tools::Sprache == 1 ? t->Beschriftung_englisch : t->Beschriftung_deutsch;
}

std::string_view Hinweis(int Tag) {
    const Textsatz* t = Textsatz_von(Tag);
    if (!t) return {};
    return Unit_Tools::Sprache == 1 ? t->Hinweis_englisch : t->Hinweis_deutsch;
}

bool Beschriftung_pruefen(int Tag) {
    if (Tag >= 1 && Tag <= Tag_Max) return true;
    const std::string n = std::to_string(Tag);
    Unit_Tools::Meldung_Problem("Falscher tag = " + n, "Wrong tag = " + n);
    return false;
}

bool Sprache_umschalten(const std::function<void()>& Beschriftungen_anwenden) {
    // The check mark sits on the language in force, so "deutsch" checked means German.
    Unit_Tools::Sprache = Unit_Tools::Sprache == 0 ? 1 : 0;
    if (Beschriftungen_anwenden) Beschriftungen_anwenden();
    // "\r" is a real carriage return, the line break of every message box of the program.
    return Unit_Tools::Frage_Ja_Nein("Sie müssen das Programm neu starten\rJetzt schließen",
                                     "You have to re-start the program\rClose now");
}

} // namespace Unit_Sprache_Brelune
