#include "core/Unit_UI.hpp"
#include "reports/Unit_Report.hpp"
#include "ui/Qt_Oberflaeche.hpp"
#include "ui/T_Form_main.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QApplication::setApplicationName("Brelune");
    Unit_Report::Berichte_anmelden();
    T_Form_main Hauptfenster;
    Qt_Oberflaeche Oberflaeche(&Hauptfenster);
    Unit_UI::UI_setzen(&Oberflaeche);
    Hauptfenster.show();
    const int Ergebnis = QApplication::exec();
    Unit_UI::UI_setzen(nullptr);
    return Ergebnis;
}
