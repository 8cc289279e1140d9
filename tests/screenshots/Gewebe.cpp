// The three tissue views at the surface before a dive and in the bottom phase of the computed
// trimix example (with gradient factors, so all five plots of the chart show).
#include "Bildschirmfotos.hpp"

#include "commands/Unit_Graph_Bedienung.hpp"
#include "commands/Unit_Main.hpp"
#include "files/Unit_Save_Read.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/displays/T_Form_Gewebe.hpp"
#include "ui/displays/T_Form_Gewebe_barL.hpp"
#include "ui/displays/T_Form_Gewebedruck.hpp"
#include "ui/main/T_Form_main.hpp"

namespace Bildschirmfotos {

namespace {
bool drei_Ansichten(T_Form_main& f, const QDir& Ordner, const QString& Zustand, const char* Sprache) {
    f.Hauptfenster_aktualisieren();
    bool ok = true;
    for (QWidget* w : std::initializer_list<QWidget*>{f.Gewebe, f.Gewebedruck, f.Gewebe_barL})
        ok = speichern(*w, Ordner, Zustand, Sprache) && ok;
    return ok;
}
} // namespace

bool Gewebe(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    Unit_Gewebe_barL::Gewebesaettigung_zeigen = true;
    Unit_Gewebe_barL::Gewebesaettigung_absolut_zeigen = true;
    Unit_Gewebe_barL::Inertgasvolumina_zeigen = true;
    T_Form_main f;
    Oberflaeche.Fenster = &f;
    f.resize(1280, 800);
    f.show();
    Alle_Fenster_beschriften();
    f.Gewebe->Umfang_setzen(4);
    bool ok = drei_Ansichten(f, Ordner, "input", Kuerzel_Sprache);

    Oberflaeche.Antwort_Datei = std::string(BRELUNE_DATEN) + "/Example_dives/Trimix_60m_25min.dec";
    Unit_Save_Read::Tauchgang_laden(Unit_Main::Tauchgang_geladen);
    Unit_Saettigungsmodelle::GF_verwenden = true;
    Unit_Gewebe_barL::Inertgasvolumina_zeigen = true; // the example file switches it off
    Unit_Main::Austauchen_Klick();
    Unit_Graph_Bedienung::Zeitcursor_setzen(20);
    ok = drei_Ansichten(f, Ordner, "computed", Kuerzel_Sprache) && ok;
    // The smallest extent, as the window first comes.
    f.Gewebe->Umfang_setzen(1);
    ok = speichern(*f.Gewebe, Ordner, "computed-extent1", Kuerzel_Sprache) && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
