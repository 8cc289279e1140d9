#include "commands/Unit_Main.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/adapters/Qt_Oberflaeche.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName("Brelune");
    Hinweise_steuern();
    T_Form_main Hauptfenster;
    Qt_Oberflaeche Oberflaeche(&Hauptfenster);
    Oberflaeche.Anzeige_geaendert = [&Hauptfenster] { Hauptfenster.Anzeige_verlangen(); };
    Oberflaeche.Text_geaendert = [&Hauptfenster](const std::string& Name) {
        Hauptfenster.Textpuffer_geaendert(Name);
    };
    Unit_UI::UI_setzen(&Oberflaeche);

    Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
    Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
    Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
    Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
    Unit_Main::Berichte_anmelden();
    Unit_Main::Neuer_Tauchgang();
    Alle_Fenster_beschriften();
    Hauptfenster.Hauptfenster_aktualisieren();

    Hauptfenster.show();
    const int Ergebnis = QApplication::exec();
    Unit_UI::UI_setzen(nullptr);
    return Ergebnis;
}
