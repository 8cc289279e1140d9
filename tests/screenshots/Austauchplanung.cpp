// The ascent plan window on each of its five pages, with its groups switched on, and the
// automatic gas switch window.
#include "Bildschirmfotos.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"
#include "ui/planning/T_form_AustauchPlanung_autoGaswechsel.hpp"

#include <QTabWidget>

namespace Bildschirmfotos {

bool Austauchplanung(const QDir& Ordner, int Sprache) {
    namespace A = Unit_AustauchPlanung;
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    A::Aufstieg_Geschwindigkeit_variabel = true;
    A::Aufstieg_Gaswechsel_OK = true;
    A::Aufstieg_Gaswechsel.Zeile = {{{6, 6}, {21, 4}, {40, 0}, {40, 0}, {40, 0}, {40, 0}}};
    A::AirBreak_OK = true;
    A::Aufstieg_Setpoint_variabel = true;
    A::Aufstieg_Setpoint.Zeile = {{{6, 1.6f}, {21, 1.4f}, {40, 1.3f}, {40, 1.3f}, {40, 1.3f}, {40, 1.3f}}};
    Unit_WayPoints::Tauchgeraet = 1;
    Unit_Saettigungsmodelle::GF_verwenden = true;
    Unit_Saettigungsmodelle::Deep_Stop_verwenden = true;

    bool ok = true;
    T_Form_AustauchPlanung Plan;
    const char* Seiten[] = {"Aufstiegsgeschwindigkeit", "Dekotiefen", "Gaswechsel", "pO2",
                            "Sicherheitszuschlaege"};
    Plan.Seite_zeigen(0);
    for (int Seite = 0; Seite < 5; ++Seite) {
        Plan.PageControl->setCurrentIndex(Seite);
        ok = speichern(Plan, Ordner, Seiten[Seite], Kuerzel_Sprache) && ok;
    }
    Plan.hide();
    T_form_AustauchPlanung_autoGaswechsel& Auto = *Plan.autoGaswechsel;
    Auto.Anzeigen();
    Auto.show();
    ok = speichern(Auto, Ordner, "shown", Kuerzel_Sprache) && ok;
    Auto.hide();
    Unit_WayPoints::Tauchgeraet = 0;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
