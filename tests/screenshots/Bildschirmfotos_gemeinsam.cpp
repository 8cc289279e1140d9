#include "Bildschirmfotos.hpp"

#include "commands/Unit_Programmstart.hpp"
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
