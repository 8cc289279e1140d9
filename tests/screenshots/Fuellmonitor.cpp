// The fill monitor during a fill of a trimix 21/35 on top of air, on the simulated stand: the
// stream at its targets, the valves steered, the delivered gas, cost and fill time.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "support/Standquelle.hpp"
#include "ui/blender/T_Form_Gasmischer_MonitorDuese.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

namespace Bildschirmfotos {

bool Fuellmonitor(const QDir& Ordner, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Unit_ADR_Simulation::Einstellungen e;
    e.Anfangsdruck_bar = 50;
    Mischstand Stand(e);
    Unit_DaqOntrakCom::Wandler Wandler(Stand);
    Standquelle Quelle(Stand);
    Quelle.Dauer = std::chrono::milliseconds(40);
    T_Form_Gasmischer_MonitorDuese Fenster(Wandler, Quelle);
    const Unit_Gasmischer::Gas Luft{Unit_Gasmischer::Luft, 50, 6.8};
    Fenster.Oeffnen(
        *Unit_Gasmischer::Ziel_fuer_Einduesen(Luft, {Unit_Gasmischer::auf_100_Prozent(21, 35), 200, 6.8}));
    Fenster.Button_Fuellen_Start->click();
    // Two seconds of the clock, about fifty of the stand.
    QElapsedTimer Uhr;
    Uhr.start();
    while (Uhr.elapsed() < 2100) QApplication::processEvents();
    const bool ok = speichern(Fenster, Ordner, "Fuellung", Kuerzel(Sprache));
    Fenster.Ventile_schliessen();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
