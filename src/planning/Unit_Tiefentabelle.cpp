#include "planning/Unit_Tiefentabelle.hpp"

#include "lang/Unit_Tools.hpp"

namespace Unit_Tiefentabelle {

float Tiefentabelle_lesen(const Tiefentabelle_Type& Tabelle, bool an, Richtung r, float Konstante, float m) {
    if (!an) return Konstante;
    if (r == Richtung::abwaerts) {
        for (int k = 5; k >= 0; --k)
            if (Tabelle.Zeile[static_cast<std::size_t>(k)].m_ab <= m)
                return Tabelle.Zeile[static_cast<std::size_t>(k)].Wert;
        return Konstante;
    }
    for (const auto& z : Tabelle.Zeile)
        if (z.m_ab >= m) return z.Wert;
    return Konstante;
}

bool Reihenfolge_pruefen(const Tiefentabelle_Type& Tabelle) {
    for (std::size_t k = 0; k + 1 < Tabelle.Zeile.size(); ++k)
        if (Tabelle.Zeile[k].m_ab > Tabelle.Zeile[k + 1].m_ab) {
            Unit_Tools::Meldung_Problem(
                "Falsche Reihenfolge der Tiefenangaben.\rDie Tiefe muss von oben nach unten zunehmen !",
                "Wrong depth sequence.\rDepth data must increase !");
            return false;
        }
    return true;
}

void Zeilen_auffuellen(Tiefentabelle_Type& Tabelle, int bearbeitete_Zeilen) {
    if (bearbeitete_Zeilen < 1 || bearbeitete_Zeilen > 6) return;
    for (std::size_t k = static_cast<std::size_t>(bearbeitete_Zeilen); k < Tabelle.Zeile.size(); ++k)
        Tabelle.Zeile[k] = Tabelle.Zeile[static_cast<std::size_t>(bearbeitete_Zeilen - 1)];
}

void Tabelle_normalisieren(Tiefentabelle_Type& Tabelle) {
    for (std::size_t k = 1; k < Tabelle.Zeile.size(); ++k)
        if (!(Tabelle.Zeile[k].m_ab >= Tabelle.Zeile[k - 1].m_ab))
            Tabelle.Zeile[k] = Tabelle.Zeile[k - 1]; // NaN too
}

} // namespace Unit_Tiefentabelle
