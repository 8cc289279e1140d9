// The converter's test window against the simulated converter (a differential reading, the valve
// outputs set), without a converter (the error panel), and its port dialog.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Wandleranschluss.hpp"
#include "support/ADR_Simulator.hpp"
#include "ui/blender/Schnittstellendialog.hpp"
#include "ui/blender/T_Form_DaqOntrakCom.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

namespace Bildschirmfotos {

bool Wandler(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    namespace A = Unit_Wandleranschluss;

    bool ok = true;
    {
        ADR_Simulator sim({"--noise-mv", "0"});
        A::Einstellung = {};
        A::Einstellung.Port = sim.Geraet;
        T_Form_DaqOntrakCom Fenster;
        Fenster.show();
        Fenster.Open_def();
        Fenster.ComboBox_InputRange->setCurrentIndex(1);
        Fenster.ComboBox_Messart->setCurrentIndex(1);
        Fenster.ComboBox_Kanal->setCurrentIndex(1);
        Fenster.SpinEdit_Mittelung->setValue(10);
        Fenster.Button_Lesen->click();
        Fenster.SpinEdit_Ausgang1->setValue(1000);
        Fenster.Button_Ausgang1->click();
        Fenster.SpinEdit_Ausgang2->setValue(2500);
        Fenster.Button_Ausgang2->click();
        ok = speichern(Fenster, Ordner, "verbunden", Kuerzel_Sprache) && ok;
    }
    A::Einstellung = {};
    T_Form_DaqOntrakCom Fenster;
    Fenster.show();
    Fenster.Open_def();
    ok = speichern(Fenster, Ordner, "ohne_Wandler", Kuerzel_Sprache) && ok;
    Fenster.Konfiguration->Zeigen(A::Einstellung);
    Fenster.Konfiguration->show();
    ok = speichern(*Fenster.Konfiguration, Ordner, "Configure", Kuerzel_Sprache) && ok;
    Fenster.Konfiguration->hide();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
