// What every series of screenshots shares: the start without the user's settings file, the
// recording surface and the file naming (window object name, state, language).
#pragma once

#include "lang/Unit_UI.hpp"

#include <QDir>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>

class T_Form_main;

namespace Bildschirmfotos {

// As the program starts, but without the user's settings file.
void Programm_starten(int Sprache);

// Messages are recorded, not shown (nobody clicks them away offscreen); the notices reach the window.
class Aufnahme_Oberflaeche : public Unit_UI::Headless {
  public:
    T_Form_main* Fenster = nullptr;
    void Textpuffer_geaendert(const std::string& Name) override;
};

// The main window of a program started in the language without the user's settings file, shown
// at 1280 x 800 with its captions; the recording surface is installed and reaches it.
std::unique_ptr<T_Form_main> Hauptfenster_zeigen(Aufnahme_Oberflaeche& Oberflaeche, int Sprache);

// Writes FOLDER/<object name>-<state>-<language>.png once the coalesced repaints have happened.
bool speichern(QWidget& Fenster, const QDir& Ordner, const QString& Zustand, const char* Sprache);

// The series of the window families, each in a file of its own.
bool Einstellungen(const QDir& Ordner, int Sprache);
bool Austauchplanung(const QDir& Ordner, int Sprache);
bool Druck(const QDir& Ordner, int Sprache);
bool Gasrechner(const QDir& Ordner, int Sprache);
bool Gewebe(const QDir& Ordner, int Sprache);
bool Hoehle(const QDir& Ordner, int Sprache);
bool Dateifenster(const QDir& Ordner, int Sprache);
bool Analyse(const QDir& Ordner, int Sprache);
bool Gasmischer_Sensoren(const QDir& Ordner, int Sprache);
bool Gasmischer(const QDir& Ordner, int Sprache);
bool Fuellmonitor(const QDir& Ordner, int Sprache);
bool Wandler(const QDir& Ordner, int Sprache);

inline const char* Kuerzel(int Sprache) {
    return Sprache == 1 ? "en" : "de";
}

} // namespace Bildschirmfotos
