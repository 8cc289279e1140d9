#include "commands/Unit_Main.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Qt_Oberflaeche.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName("Brelune");
    Unit_Main::Berichte_anmelden();
    T_Form_main Hauptfenster;
    Qt_Oberflaeche Oberflaeche(&Hauptfenster);
    Unit_UI::UI_setzen(&Oberflaeche);
    Hauptfenster.show();
    const int Ergebnis = QApplication::exec();
    Unit_UI::UI_setzen(nullptr);
    return Ergebnis;
}
