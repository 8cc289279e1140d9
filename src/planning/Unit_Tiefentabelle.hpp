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
