// The cave-diving window with a small cave profile cut and inverted, its text in the memo; and the
// main window with that profile computed.
#include "Bildschirmfotos.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/displays/T_Form_CaveDiving.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>
#include <vector>

namespace Bildschirmfotos {

namespace {
// A recorded dive calibrated along the line: runtime, depth, distance.
void Hoehlenprofil() {
    namespace W = Unit_WayPoints;
    const W::WayPoint_Type Start = W::WayPoint[0];
    const std::vector<std::tuple<float, float, float>> Punkte = {
        {0, 0, 0}, {2, 10, 20}, {6, 15, 60}, {10, 22, 100}, {14, 18, 140}, {18, 25, 180}, {22, 12, 220}};
    for (std::size_t i = 0; i < Punkte.size(); ++i) {
        W::WayPoint_Type& w = W::WayPoint[i];
        w = Start;
        std::tie(w.min_Runtime, w.m_Wasser, w.cave_horizontal_distance_m) = Punkte[i];
        w.cave_horizontal_velocity_m_pro_min = 10;
        w.bar_pO2 = 0.21f * (1 + w.m_Wasser / 10);
    }
    W::WayPoint_Anzahl = static_cast<int32_t>(Punkte.size()) - 1;
    Unit_Main::WayPoints_uebernehmen();
}
} // namespace

bool Hoehle(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Aufnahme_Oberflaeche Oberflaeche;
    const auto Fenster = Hauptfenster_zeigen(Oberflaeche, Sprache);
    T_Form_main& f = *Fenster;
    Hoehlenprofil();

    f.findChild<QAction*>("Aktion_Hoehlentauchen")->trigger();
    T_Form_CaveDiving& h = *f.Hoehlentauchen;
    h.Edit_von_m->setText("20");
    emit h.Edit_von_m->textEdited("20");
    h.Button_ausschneiden->click();
    h.Button_spiegeln->click();
    bool ok = speichern(h, Ordner, "Profil", Kuerzel_Sprache);

    h.Button_WayPoints->click();
    h.Button_berechnen->click();
    h.hide();
    f.Hauptfenster_aktualisieren();
    ok = speichern(f, Ordner, "Hoehle_berechnet", Kuerzel_Sprache) && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
