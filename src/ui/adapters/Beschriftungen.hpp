// Captions and hints from the caption table: a control carries its tag as the dynamic property
// "tag"; applying the table walks a window (or every window) and sets the texts of the language
// in force. Tag 0: the control's texts are not translated.
#pragma once

#include <QString>

#include <functional>

class QLabel;
class QObject;
class QWidget;

void Tag_setzen(QObject* Objekt, int Tag);
// The caption of a tag in the language in force.
QString Beschriftung(int Tag);
// One window with everything in it; false when a wrong tag ended the walk.
bool Beschriftungen_anwenden(QObject* Fenster);
// Every top-level window of the program.
void Alle_Fenster_beschriften();
// Tooltips are shown exactly while "Hinweise zeigen" is set, on every window.
void Hinweise_steuern();

// Every field has an accessible name of its own, for screen readers. Where a label stands beside
// the field it is the field's buddy and names it: Beschriftung_fuer makes that label with the
// caption of Tag, beside Feld (same parent), Feld as its buddy.
QLabel* Beschriftung_fuer(QWidget* Feld, int Tag);
// A field without a label of its own is named by Name, which builds the name in the language in
// force from the caption table (Beschriftung) or Unit_Tools::Text_waehlen: now, and again by
// every caption walk, so a switch of the language renames it with the captions.
void Name_geben(QWidget* Feld, std::function<QString()> Name);
// The name of a field in a row of a table: "Gaswechsel 3: ab Tiefe (m)".
QString Tabellenzeile(const QString& Tabelle, int Zeile, const QString& Spalte);
// Column Spalte (from 0) of a caption that heads several columns, parted by runs of spaces:
// "ab Tiefe (m)     Abstieg (m/min)".
QString Spaltentitel(int Tag, int Spalte);
// Combo boxes are named like every other field, by their accessible name or buddy (Qt on Linux
// would announce the chosen entry as the name, so six gas boxes all said "Luft"); the entry
// stays their value. Once, when the first window is built.
void Zugang_einrichten();
