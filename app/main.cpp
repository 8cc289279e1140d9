#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/adapters/Qt_Oberflaeche.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/T_Form_Warnhinweis.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName("Brelune");
    Hinweise_steuern();
    // Every window exists before the main window is first shown, so the captions reach them all.
    T_Form_main Hauptfenster;
    Qt_Oberflaeche Oberflaeche(&Hauptfenster);
    Oberflaeche.Anzeige_geaendert = [&Hauptfenster] { Hauptfenster.Anzeige_verlangen(); };
    Oberflaeche.Text_geaendert = [&Hauptfenster](const std::string& Name) {
        Hauptfenster.Textpuffer_geaendert(Name);
    };
    Unit_UI::UI_setzen(&Oberflaeche);

    // Refused or closed, the notice ends the program before anything is read or written.
    Hauptfenster.Warnhinweis->exec();
    if (!Unit_Warnhinweis::akzeptiert) {
        Unit_UI::UI_setzen(nullptr);
        return 0;
    }
    Unit_Programmstart::Programm_starten({.Programmordner = Unit_Programmstart::Programmordner_ermitteln()});
    Alle_Fenster_beschriften();
    Hauptfenster.CWGraph_Tauchgang->Beschriftungen_setzen();
    Hauptfenster.Geometrie_anwenden();
    Hauptfenster.Hauptfenster_aktualisieren();
    Hauptfenster.show();
    if (argc > 1) Hauptfenster.Datei_oeffnen(QString::fromLocal8Bit(argv[1]));

    const int Ergebnis = QApplication::exec();
    Unit_UI::UI_setzen(nullptr);
    return Ergebnis;
}
