// Captions and hints from the caption table: a control carries its tag as the dynamic property
// "tag"; applying the table walks a window (or every window) and sets the texts of the language
// in force. Tag 0: the control's texts are not translated.
#pragma once

#include <QString>

class QObject;

void Tag_setzen(QObject* Objekt, int Tag);
// The caption of a tag in the language in force.
QString Beschriftung(int Tag);
// One window with everything in it; false when a wrong tag ended the walk.
bool Beschriftungen_anwenden(QObject* Fenster);
// Every top-level window of the program.
void Alle_Fenster_beschriften();
// Tooltips are shown exactly while "Hinweise zeigen" is set, on every window.
void Hinweise_steuern();
