// A dive computer's trimix log imported: the choice offered after reading, the waypoint overview
// on a waypoint being changed to CCR, and the main window with the analysis report.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/displays/T_Form_Tauchgang_analysieren.hpp"
#include "ui/displays/T_Form_sData_Waypoints_edit.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace Bildschirmfotos {

bool Analyse(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Aufnahme_Oberflaeche Oberflaeche;
    const auto Fenster = Hauptfenster_zeigen(Oberflaeche, Sprache);
    T_Form_main& f = *Fenster;
    Oberflaeche.Antwort_Datei =
        std::string(BRELUNE_DATEN) + "/../tests/files/data/shearwater-cloud-oc-trimix-perdix2.uddf";
    f.findChild<QAction*>("Aktion_Import_UDDF")->trigger();
    f.Hauptfenster_aktualisieren();

    bool ok = true;
    T_Form_Tauchgang_analysieren& a = *f.Analysefenster;
    a.RadioButton1->click();
    ok = speichern(a, Ordner, "gelesen", Kuerzel_Sprache) && ok;

    a.Button_Waypoints->click();
    T_Form_sData_Waypoints_edit& w = *f.Wegpunktfenster;
    w.SpinEdit_i->setValue(120);
    w.ComboBox_wTauchgeraet->setCurrentIndex(1);
    emit w.ComboBox_wTauchgeraet->activated(1);
    ok = speichern(w, Ordner, "CCR", Kuerzel_Sprache) && ok;
    w.hide();

    a.Button_OK->click();
    f.Hauptfenster_aktualisieren();
    ok = speichern(f, Ordner, "Analyse", Kuerzel_Sprache) && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
