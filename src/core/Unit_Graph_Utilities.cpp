#include "core/Unit_Graph_Utilities.hpp"

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Graph_Utilities {

bool Tauchgangsgraphik_zeigen = true;
bool Setpoint_Annotation_erlaubt = true;
std::array<std::vector<Punkt>, 5> Plots;
Achse Achse_X{0, 60};
Achse Achse_Y{0, 60};
Punkt Positionsmarke{0, 0};
std::array<Punkt, 3> Cursor{};
float Cursor_min_Runtime = 0;
std::array<std::string, Unit_WayPoints::WayPointMax + 1> Annotation;
std::array<std::string, Unit_WayPoints::WayPointMax + 1> Warnung_Annotation;

namespace {
// The highest row that may carry an annotation: clearing the graph walks no further.
int32_t Annotation_bis = Unit_WayPoints::WayPointMax;
} // namespace
std::vector<Punkt>& Live_Kurve = Plots[Plot_Samples];

namespace {
// Room to grow without redrawing at every point.
float erweitert(float Wert) {
    return std::ceil(Wert / 10.0f) * 10.0f + 10.0f;
}

} // namespace

void Live_Kurve_loeschen() {
    Live_Kurve.clear();
}

void Plot_loeschen(int Plot) {
    if (Plot >= 1 && Plot <= 4) Plots[static_cast<std::size_t>(Plot)].clear();
}

void Graph_loeschen(bool X_Achse_zuruecksetzen) {
    for (auto& p : Plots) p.clear();
    if (X_Achse_zuruecksetzen) Achse_X = {0, 60};
    for (int32_t i = 0; i <= Annotation_bis; ++i) {
        Annotation[static_cast<std::size_t>(i)].clear();
        Warnung_Annotation[static_cast<std::size_t>(i)].clear();
    }
    Annotation_bis = 0;
    Unit_UI::UI().Graph_geaendert();
}

void Punkt_hinzufuegen(int Plot, float min_Runtime, float m_Wasser) {
    if (Plot < 1 || Plot > 4 || !std::isfinite(min_Runtime) || !std::isfinite(m_Wasser)) return;
    Plots[static_cast<std::size_t>(Plot)].push_back({min_Runtime, m_Wasser});
    if (min_Runtime > Achse_X.Maximum) Achse_X.Maximum = erweitert(min_Runtime);
    if (m_Wasser > Achse_Y.Maximum) Achse_Y.Maximum = erweitert(m_Wasser);
    Unit_UI::UI().Graph_geaendert();
}

void Annotation_setzen(int32_t i, const std::string& Text, const std::string& Warnung) {
    if (i < 0 || i > Unit_WayPoints::WayPointMax) return;
    Annotation_bis = std::max(Annotation_bis, i);
    Annotation[static_cast<std::size_t>(i)] = Text;
    Warnung_Annotation[static_cast<std::size_t>(i)] = Warnung;
    Unit_UI::UI().Graph_geaendert();
}

void Annotation_entfernen(int32_t i) {
    if (i < 0 || i > Unit_WayPoints::WayPointMax) return;
    Annotation[static_cast<std::size_t>(i)].clear();
    Warnung_Annotation[static_cast<std::size_t>(i)].clear();
}

} // namespace Unit_Graph_Utilities

// ---- Display switches of the status panel and the start time of day (settings) ----
namespace Unit_Graph_Utilities {

bool Taucher_zeigen = false;
bool OTU_zeigen = false;
bool END_zeigen = true;
bool pO2_zeigen = true;
bool CNS_zeigen = true;
bool GF_zeigen = true;
bool Druck_zeigen = true;
bool Uhrzeit_zeigen = false;
bool Atemkreislauf_zeigen = true;
bool Gegendiffusion_zeigen = false;
bool Startzeit_aktuell = true;
Unit_Tools::Uhrzeit Startzeit;

Unit_Tools::Uhrzeit Uhrzeit_der_Runtime(long double min_Runtime) {
    const long double Start_min = Startzeit.Stunden * 60.0L + Startzeit.Minuten + Startzeit.Sekunden / 60.0L;
    return Unit_Tools::Minuten_zu_Uhrzeit(Start_min + min_Runtime);
}

} // namespace Unit_Graph_Utilities
// ---- end of display switches ----
