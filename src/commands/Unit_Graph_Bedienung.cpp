#include "commands/Unit_Graph_Bedienung.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_Tauchgangsberechnung.hpp"
#include "planning/Unit_Tauchgangszustand.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace Unit_Graph_Bedienung {

namespace {
namespace W = Unit_WayPoints;
namespace Graph = Unit_Graph_Utilities;
namespace Memo = Unit_Textpuffer;

static_assert(Graph::Y_Maximum_bis == static_cast<int>(Unit_Main::m_Wasser_Grenze) + 10,
              "the depth axis reaches 10 m beyond the deepest point that can be entered");

float begrenzt(float min) {
    if (!std::isfinite(min)) min = 0;
    return std::clamp(min, 0.0f, std::max(min_Runtime_Ende(), 0.0f));
}

void melden() {
    Unit_UI::UI().Status_geaendert();
    Unit_UI::UI().Graph_geaendert();
}

// Laying out the preview goes through the same steps as Dive, which change the dive: whatever
// they change is kept here and put back, so only the graph shows the preview.
struct Vor_der_Vorschau {
    W::WayPoint_Type WayPoint_0 = W::WayPoint[0];
    int32_t Gas_Nr = W::Gas_Nr;
    uint8_t Tauchgeraet = W::Tauchgeraet;
    float CCR_Setpoint = W::CCR_Setpoint;
    float SCR_Flow = W::SCR_Flow;
    int32_t pSCR_DumpRatio = W::pSCR_DumpRatio;
    std::vector<std::string> Warnungen = Memo::Memo_Warnung.Zeilen;
    std::vector<std::string> DekoInfo = Memo::Memo_DekoInfo.Zeilen;
    float m_Wasser_MAX = Unit_Tauchgangsberechnung::m_Wasser_MAX;

    void zuruecklegen() const {
        W::WayPoint_Anzahl = Unit_Main::Eingabemarke;
        W::WayPoint[0] = WayPoint_0;
        W::Gas_Nr = Gas_Nr;
        Unit_Gasgemisch_BestMix::Gasgemisch_waehlen(Gas_Nr);
        W::Tauchgeraet = Tauchgeraet;
        W::CCR_Setpoint = CCR_Setpoint;
        W::SCR_Flow = SCR_Flow;
        W::pSCR_DumpRatio = pSCR_DumpRatio;
        Memo::Memo_Warnung.Zeilen = Warnungen;
        Memo::Memo_DekoInfo.Zeilen = DekoInfo;
        Unit_Tauchgangsberechnung::m_Wasser_MAX = m_Wasser_MAX;
    }
};
} // namespace

float min_Runtime_Ende() {
    return W::WayPoint[static_cast<std::size_t>(std::clamp(W::WayPoint_Anzahl, 0, W::WayPointMax))]
        .min_Runtime;
}

void Zeitcursor_setzen(float min) {
    min = begrenzt(min);
    const int32_t k = Unit_Tauchgangszustand::sData_Index(min);
    Unit_Tauchgangszustand::sData_holen(min);
    // On a sample the cursor sits on its runtime, so stepping keeps no rounding error.
    float m = Graph::Cursor[2].m_Wasser;
    if (k >= 0) {
        min = W::sData[static_cast<std::size_t>(k)].min_Runtime;
        m = W::sData[static_cast<std::size_t>(k)].m_Wasser;
    }
    Graph::Cursor_min_Runtime = min;
    Graph::Cursor[2] = Graph::Positionsmarke = {min, m};
    melden();
}

float Taste_druecken(Taste t) {
    const int c = Unit_Main::Grafikmodus == 2 ? 2 : 1;
    float min = Graph::Cursor[static_cast<std::size_t>(c)].min_Runtime;
    switch (t) {
    case Taste::Rechts:
        min += min_Tastenschritt;
        break;
    case Taste::Links:
        min -= min_Tastenschritt;
        break;
    case Taste::Hoch:
        min += 1;
        break;
    case Taste::Runter:
        min -= 1;
        break;
    case Taste::Pos1:
        min = 0;
        break;
    case Taste::Ende:
        min = min_Runtime_Ende();
        break;
    }
    if (c == 2) {
        Zeitcursor_setzen(min);
        return Graph::Cursor[2].min_Runtime;
    }
    // While entering, samples exist only where a calculation or the start left them; elsewhere
    // the point being entered stays the current state.
    min = begrenzt(min);
    if (Unit_Tauchgangszustand::sData_Index(min) >= 0) Unit_Tauchgangszustand::sData_holen(min);
    Graph::Cursor[1] = Graph::Positionsmarke = {min, W::m_Wasser};
    melden();
    return min;
}

Unit_Main::Eingabefelder Eingabecursor_ziehen(float min, float m) {
    using Unit_Tools::Zahl_formatieren;
    if (Unit_Main::Eingabe_gesperrt || Unit_Main::Berechnung_laeuft)
        return {Zahl_formatieren(6, 1, W::min_Runtime), Zahl_formatieren(6, 1, W::m_Wasser)};
    Unit_Main::SCR_ohne_Gaswechsel();
    Unit_Main::Wegpunkt_begrenzen(min, m);
    Graph::Achsen_erweitern(min, m);
    const Vor_der_Vorschau vorher;
    try {
        Graph::Graph_loeschen(false);
        Unit_Main::Segment_zeichnen(min, m, false);
    } catch (...) {
        vorher.zuruecklegen();
        throw;
    }
    vorher.zuruecklegen();
    W::min_Runtime = min;
    W::m_Wasser = m;
    Unit_Main::Werte_in_der_Tiefe();
    W::Warntext.clear();
    Graph::Cursor[1] = Graph::Positionsmarke = {min, m};
    melden();
    return {Zahl_formatieren(6, 1, min), Zahl_formatieren(6, 1, m)};
}

} // namespace Unit_Graph_Bedienung
