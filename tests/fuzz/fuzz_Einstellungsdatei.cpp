// The settings file as the program reads it at start. What was read is written and read again:
// the second read must find nothing to complain about and change nothing.
#include "fuzz/Lesepruefung.hpp"

#include <cstdlib>

namespace E = Unit_Einstellungsdatei;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", Fuzzumgebung::Ordner(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, std::size_t Groesse) {
    using Fuzzumgebung::Befund;
    Unit_UI::Headless& Bildschirm = Fuzzumgebung::Oberflaeche();
    Lesepruefung::Ausgangslage();
    Fuzzumgebung::Datei("Brelune/brelune.ini", Daten, Groesse);
    if (!E::Einstellungsdatei_lesen()) Befund("a file that is there was not read");
    const auto geschrieben = E::Einstellungsdatei_Zeilen();
    Bildschirm.Zuruecksetzen();
    E::Einstellungen_aus_Zeilen(geschrieben);
    if (!Bildschirm.Meldungen.empty())
        Befund("the written settings read back with: " + Bildschirm.Meldungen[0].Text);
    if (E::Einstellungsdatei_Zeilen() != geschrieben) Befund("the written settings read back differently");
    return 0;
}
