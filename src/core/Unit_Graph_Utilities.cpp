#include "core/Unit_Graph_Utilities.hpp"

#include "core/Unit_UI.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"

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
constinit std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Annotation;
constinit std::array<Unit_WayPoints::Tabellentext, Unit_WayPoints::WayPointMax + 1> Warnung_Annotation;

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

std::string Gasname(int32_t Gas_Nr) {
    if (Gas_Nr < 0 || Gas_Nr > Unit_Gasgemisch_BestMix::GasGemisch_NumMaxUeberhaupt) return "";
    return Unit_Gasgemisch_BestMix::Gasgemisch[static_cast<std::size_t>(Gas_Nr)].Name;
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
    Annotation_zeichnen(true, 0);
    Unit_UI::UI().Graph_geaendert();
}

void Punkt_hinzufuegen(int Plot, float min_Runtime, float m_Wasser) {
    if (Plot < 1 || Plot > 4 || !std::isfinite(min_Runtime) || !std::isfinite(m_Wasser)) return;
    Plots[static_cast<std::size_t>(Plot)].push_back({min_Runtime, m_Wasser});
    if (min_Runtime > Achse_X.Maximum) Achse_X.Maximum = erweitert(min_Runtime);
    if (m_Wasser > Achse_Y.Maximum) Achse_Y.Maximum = erweitert(m_Wasser);
    Unit_UI::UI().Graph_geaendert();
}

void Annotation_zeichnen(bool zeichnen, int32_t i) {
    namespace W = Unit_WayPoints;
    if (i < 0 || i > W::WayPointMax) return;
    auto& Text = Annotation[static_cast<std::size_t>(i)];
    auto& Warnung = Warnung_Annotation[static_cast<std::size_t>(i)];
    if (!zeichnen) {
        Text.clear();
        Warnung.clear();
        return;
    }
    Annotation_bis = std::max(Annotation_bis, i);
    const W::WayPoint_Type& w = W::WayPoint[static_cast<std::size_t>(i)];
    const W::WayPoint_Type* v = i > 0 ? &W::WayPoint[static_cast<std::size_t>(i - 1)] : nullptr;
    auto setzen = [&Text](const std::string& Kandidat) {
        if (!Kandidat.empty()) Text = Kandidat;
    };
    if (!v || w.Gas_Nr != v->Gas_Nr) setzen(Gasname(w.Gas_Nr));
    if (w.Aktion == "Bubble check") setzen("Bubble check");
    if (v && w.Tauchgeraet != v->Tauchgeraet) setzen(w.Tauchgeraet == 0 ? "Bail Out" : "Systemwechsel");
    if (v && Setpoint_Annotation_erlaubt && w.Tauchgeraet == 1 && v->Tauchgeraet == 1 &&
        w.CCR_Setpoint != v->CCR_Setpoint)
        setzen("CCR pO2 = " + Unit_Tools::Zahl_formatieren(4, 2, w.CCR_Setpoint));
    Warnung = w.Warnung;
    Unit_UI::UI().Graph_geaendert();
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

} // namespace Unit_Graph_Utilities
// ---- end of display switches ----
