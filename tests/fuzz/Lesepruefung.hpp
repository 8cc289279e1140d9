// The promise of every dive reader, checked on each input: read, and the dive tables are sound;
// refused (or stopped), and a message was shown and the dive is as it was.
#pragma once

#include "fuzz/Fuzzumgebung.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "support/Tauchgangsprobe.hpp"

namespace Lesepruefung {

// The state a load meets in the program: every setting at its default, fresh gas and plan
// tables and loops, and a plain dive in memory. Runs thus do not depend on one another.
inline void Ausgangslage() {
    Unit_Einstellungsdatei::Einstellungen_aus_Zeilen({});
    Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
    Unit_AbtauchPlanung::Tabellen_zuruecksetzen();
    Unit_AustauchPlanung::Tabellen_zuruecksetzen();
    Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
    Unit_Tauchgangszustand::Tauchgang_zuruecksetzen(true, true);
    Unit_WayPoints::min_Schritt = 0.1f;
    Tauchgangsprobe::Tauchgang_anlegen();
}

template <typename Lesen> void pruefen(Lesen&& lesen, bool Import = true) {
    using Fuzzumgebung::Befund;
    Unit_UI::Headless& Bildschirm = Fuzzumgebung::Oberflaeche();
    Ausgangslage();
    Bildschirm.Zuruecksetzen();
    const std::string vorher = Tauchgangsprobe::Tauchgang_Text();
    bool gelesen = false;
    try {
        gelesen = lesen();
    } catch (const Unit_UI::Befehl_abgebrochen&) {
    }
    if (gelesen) {
        const std::string Fehler = Tauchgangsprobe::Tauchgang_Fehler(Import);
        if (!Fehler.empty()) Befund("read, but " + Fehler);
        return;
    }
    if (Bildschirm.Meldungen.empty()) Befund("refused without a message");
    if (Tauchgangsprobe::Tauchgang_Text() != vorher) Befund("refused, but the dive changed");
}

} // namespace Lesepruefung
