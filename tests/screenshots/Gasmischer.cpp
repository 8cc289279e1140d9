// The blending window on each of its pages after "berechnen": a trimix from an empty cylinder,
// the same topped from bank trimix onto air, the gas a top-up with trimix gives, and the stream
// with its sensor targets.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/blender/T_Form_Gasmischer.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace Bildschirmfotos {

bool Gasmischer(const QDir& Ordner, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);

    bool ok = true;
    T_Form_Gasmischer Fenster;
    Fenster.show();
    const char* const Zustaende[] = {"O2_He_Luft", "O2_Trimix_Luft", "Trimix", "Einduesen"};
    for (int Seite = 0; Seite < 4; ++Seite) {
        Fenster.zuruecksetzen();
        if (Seite == T_Form_Gasmischer::Seite_O2_Trimix_Luft || Seite == T_Form_Gasmischer::Seite_Trimix) {
            Fenster.CheckBox_Vorher_leer->setChecked(false);
            Fenster.Edit4->setText("50");
        }
        if (Seite == T_Form_Gasmischer::Seite_O2_Trimix_Luft) {
            Fenster.Edit6->setText("18.0");
            Fenster.Edit7->setText("42.0");
            Fenster.Edit8->setText("40.0");
            Fenster.Edit9->setText("200");
            Fenster.Edit12->setText("10.0");
            Fenster.Edit13->setText("20.0");
            Fenster.Edit14->setText("70.0");
        }
        if (Seite == T_Form_Gasmischer::Seite_Trimix) Fenster.Edit19->setText("150");
        Fenster.PageControl_Methoden->setCurrentIndex(Seite);
        Fenster.Button_berechnen->click();
        ok = speichern(Fenster, Ordner, Zustaende[Seite], Kuerzel(Sprache)) && ok;
    }
    Fenster.hide();
    Unit_UI::UI_setzen(nullptr);
    return ok && Oberflaeche.Meldungen.empty();
}

} // namespace Bildschirmfotos
