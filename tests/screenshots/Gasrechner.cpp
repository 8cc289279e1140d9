// The gas calculator in both of its directions: a trimix computed from pO2 and END, and a typed
// mix checked at a depth where it breaks every limit.
#include "Bildschirmfotos.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/gases/T_Form_Gasgemisch.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace Bildschirmfotos {

namespace {
void eintragen(QLineEdit* Feld, const QString& Text) {
    Feld->setText(Text);
    Feld->setModified(true);
    emit Feld->editingFinished();
}
} // namespace

bool Gasrechner(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    Unit_WayPoints::m_Wasser = 60;

    bool ok = true;
    T_Form_Gasgemisch Fenster;
    Fenster.show();
    Fenster.RadioGroup_TmxNitrox->Knopf(0)->click();
    eintragen(Fenster.Edit_pO2, "1.3");
    eintragen(Fenster.Edit_END, "30");
    ok = speichern(Fenster, Ordner, "Mix_berechnen", Kuerzel_Sprache) && ok;

    Fenster.CheckBox_Gas->click();
    eintragen(Fenster.Edit_Einsatztiefe, "100");
    Fenster.SpinEdit_f_O2_prozent->setValue(10);
    Fenster.SpinEdit_f_He_prozent->setValue(20);
    ok = speichern(Fenster, Ordner, "berechnen", Kuerzel_Sprache) && ok;
    Fenster.hide();
    Unit_WayPoints::m_Wasser = 0;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
