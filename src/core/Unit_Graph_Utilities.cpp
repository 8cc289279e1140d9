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
std::array<uint32_t, 5> Plot_geleert{};
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

} // namespace

void Live_Kurve_loeschen() {
    Plot_loeschen(Plot_Samples);
}

void Live_Kurve_kuerzen(std::size_t Laenge) {
    if (Live_Kurve.size() <= Laenge) return;
    Live_Kurve.resize(Laenge);
    ++Plot_geleert[Plot_Samples];
    Unit_UI::UI().Graph_geaendert();
}

void Plot_loeschen(int Plot) {
    if (Plot < 1 || Plot > 4) return;
    Plots[static_cast<std::size_t>(Plot)].clear();
    ++Plot_geleert[static_cast<std::size_t>(Plot)];
}

void Graph_loeschen(bool X_Achse_zuruecksetzen) {
    for (int p = 1; p <= 4; ++p) Plot_loeschen(p);
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
    Achsen_erweitern(min_Runtime, m_Wasser);
    Unit_UI::UI().Graph_geaendert();
}

void Achsen_erweitern(float min_Runtime, float m_Wasser) {
    if (min_Runtime > Achse_X.Maximum) Achse_X.Maximum = erweitert(min_Runtime);
    if (m_Wasser > Achse_Y.Maximum) Achse_Y.Maximum = erweitert(m_Wasser);
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

void Annotationen_entfernen_ab(int32_t i) {
    for (int32_t k = std::max(i, 0); k <= Annotation_bis; ++k) Annotation_entfernen(k);
    Unit_UI::UI().Graph_geaendert();
}

int32_t Annotation_letzte() {
    return Annotation_bis;
}

namespace {
// The axis spans the data of all plots, in whole units; no data leaves it as it is.
void an_Daten_anpassen(Achse& a, float Punkt::*Wert) {
    float lo = INFINITY, hi = -INFINITY;
    for (const auto& p : Plots)
        for (const Punkt& q : p) {
            lo = std::min(lo, q.*Wert);
            hi = std::max(hi, q.*Wert);
        }
    if (lo > hi) return;
    a.Minimum = std::floor(lo);
    a.Maximum = std::max(std::ceil(hi), a.Minimum + 1);
}

Achse Feldachse(int Minimum, int Maximum, int Maximum_von, int Maximum_bis) {
    const int hi = std::clamp(Maximum, Maximum_von, Maximum_bis);
    int lo = std::clamp(Minimum, 0, Maximum_bis);
    if (lo >= hi) lo = 0;
    return {static_cast<float>(lo), static_cast<float>(hi)};
}
} // namespace

Achsenwahl Achsenwahl_lesen() {
    Achsenwahl w;
    w.X_Minimum = static_cast<int>(std::lround(Achse_X.Minimum));
    w.X_Maximum = static_cast<int>(std::lround(Achse_X.Maximum));
    w.Y_Minimum = static_cast<int>(std::lround(Achse_Y.Minimum));
    w.Y_Maximum = static_cast<int>(std::lround(Achse_Y.Maximum));
    return w;
}

void Achsen_setzen(const Achsenwahl& w) {
    if (w.X_automatisch)
        an_Daten_anpassen(Achse_X, &Punkt::min_Runtime);
    else
        Achse_X = Feldachse(w.X_Minimum, w.X_Maximum, X_Maximum_von, X_Maximum_bis);
    if (w.Y_automatisch)
        an_Daten_anpassen(Achse_Y, &Punkt::m_Wasser);
    else
        Achse_Y = Feldachse(w.Y_Minimum, w.Y_Maximum, Y_Maximum_von, Y_Maximum_bis);
    if (w.Alles_loeschen) {
        for (int p = 1; p <= 4; ++p) Plot_loeschen(p);
        Achse_X = {0, 60};
    }
    Unit_UI::UI().Graph_geaendert();
}

void Achsen_Standard() {
    Achse_X = {0, 60};
    Achse_Y = {0, 60};
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

Unit_Tools::Uhrzeit Uhrzeit_der_Runtime(long double min_Runtime) {
    const long double Start_min = Startzeit.Stunden * 60.0L + Startzeit.Minuten + Startzeit.Sekunden / 60.0L;
    return Unit_Tools::Minuten_zu_Uhrzeit(Start_min + min_Runtime);
}

} // namespace Unit_Graph_Utilities
// ---- end of display switches ----
