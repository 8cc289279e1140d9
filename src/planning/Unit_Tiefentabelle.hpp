// The six-row depth table of the descent and ascent plans: from a depth on, a value (velocity,
// gas number or setpoint). The on flag and the constant used when no row applies belong to the
// table's owner.
#pragma once

#include <array>

struct Tiefenzeile {
    float m_ab = 0; // from this depth, metres
    float Wert = 0; // gas numbers are held as whole-numbered floats
};

// Rows 1 to 6 of the plan windows are Zeile[0] to Zeile[5].
struct Tiefentabelle_Type {
    std::array<Tiefenzeile, 6> Zeile{};
};

// All six rows alike.
constexpr Tiefentabelle_Type Tiefentabelle_gleich(float m_ab, float Wert) {
    Tiefentabelle_Type t;
    for (auto& z : t.Zeile) z = {m_ab, Wert};
    return t;
}

namespace Unit_Tiefentabelle {

// Descent tables are read downwards, ascent tables upwards.
enum class Richtung { abwaerts, aufwaerts };

// Off: the constant. Down: the value of the last row (from row 6 back) not deeper than m. Up: the
// value of the first row (from row 1 on) at least as deep as m. No row: the constant.
float Tiefentabelle_lesen(const Tiefentabelle_Type& Tabelle, bool an, Richtung r, float Konstante, float m);
// False, after the message, when a row is deeper than the next; the rows stay as entered.
bool Reihenfolge_pruefen(const Tiefentabelle_Type& Tabelle);
// A window that edits the first k rows fills the others with a copy of row k.
void Zeilen_auffuellen(Tiefentabelle_Type& Tabelle, int bearbeitete_Zeilen);
// After reading: a row shallower than the one before becomes a copy of it.
void Tabelle_normalisieren(Tiefentabelle_Type& Tabelle);

} // namespace Unit_Tiefentabelle
