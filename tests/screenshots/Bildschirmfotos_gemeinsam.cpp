#include "Bildschirmfotos.hpp"

#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <iostream>

namespace Bildschirmfotos {

void Programm_starten(int Sprache) {
    Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false, .Sprache = Sprache});
}

void Aufnahme_Oberflaeche::Textpuffer_geaendert(const std::string& Name) {
    if (Fenster) Fenster->Textpuffer_geaendert(Name);
}

std::unique_ptr<T_Form_main> Hauptfenster_zeigen(Aufnahme_Oberflaeche& Oberflaeche, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    auto f = std::make_unique<T_Form_main>();
    Oberflaeche.Fenster = f.get();
    f->resize(1280, 800);
    f->show();
    Alle_Fenster_beschriften();
    return f;
}

bool speichern(QWidget& Fenster, const QDir& Ordner, const QString& Zustand, const char* Sprache) {
    // Repaints are coalesced to the frame rate: let them all happen first.
    QElapsedTimer Uhr;
    Uhr.start();
    while (Uhr.elapsed() < 80) QApplication::processEvents();
    const QString Datei = Ordner.filePath(Fenster.objectName() + "-" + Zustand + "-" + Sprache + ".png");
    const bool ok = Fenster.grab().save(Datei);
    std::cout << (ok ? "written " : "NOT written ") << Datei.toStdString() << '\n';
    return ok;
}

} // namespace Bildschirmfotos
