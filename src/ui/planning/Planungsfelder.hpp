// The controls the plan windows share: bounded number fields, tagged labels, OK buttons and the
// gas boxes that list the gas table by name.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>

class QCheckBox;
class QComboBox;
class QDialog;
class QTabWidget;
class QVBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

QSpinBox* Zahlfeld(QWidget* Eltern, const QString& Name, int von, int bis);
QLabel* Beschriftung_mit_Tag(QWidget* Eltern, int Tag);
QPushButton* OK_Knopf(QWidget* Eltern, const QString& Name);
// A setpoint typed as text (read with Zahl_lesen by the library).
QLineEdit* Setpointfeld(QWidget* Eltern, const QString& Name);
// The names of the gas table, index for index.
QStringList Gasnamen();
// Refills a gas box with the gas names and selects Auswahl (-1: no item).
void Gasliste_fuellen(QComboBox* Box, const QStringList& Gase, int Auswahl);
// The gas-switch rows from the plan: each row's depth and gas (-1: no item), enabled or not.
// Names gas-switch row k (from 0) for screen readers: "Gaswechsel 3: ab Tiefe (m)".
void Gaszeile_benennen(QSpinBox* Tiefe, QComboBox* Gas, int k, int Tag_Tiefe, int Tag_Gas);
void Gaszeilen_anzeigen(std::span<QSpinBox* const> Tiefen, std::span<QComboBox* const> Gasboxen,
                        std::span<const int32_t> m, std::span<const int32_t> Gas, bool frei);

// The choice between a constant and three depth rows, laid out in g from row z on: the two
// radio buttons in column 0; the constant's caption (tag 0: none) and field in columns 1 and 2;
// the caption of the columns, the three rows (depth, value) and the OK button under the values.
// Returns the next free row.
struct Konstant_oder_Tabelle {
    QRadioButton* konstant = nullptr;
    int Tag_Konstante = 0;
    QWidget* Konstante = nullptr;
    QRadioButton* variabel = nullptr;
    int Tag_Spalten = 0;
    std::array<QWidget*, 3> m{};
    std::array<QWidget*, 3> Werte{};
    QPushButton* OK = nullptr;
};
int anordnen(QGridLayout* g, int z, const Konstant_oder_Tabelle& t);

// The frame of a plan window under whatever Spalte already holds: the pages in a tab widget
// "PageControl" whose tabs all stay in view, and "ButtonClose" at the bottom right, which accepts.
QTabWidget* Seiten_mit_Schliessen(QDialog* Fenster, QVBoxLayout* Spalte,
                                  std::initializer_list<QWidget*> Seiten, QPushButton*& ButtonClose);

template <std::size_t N> std::array<int, N> Werte(const std::array<QSpinBox*, N>& Felder);

// A setting a control switches: the box writes Flag, a radio button writes Wert into Flag when it
// is chosen; then the window repaints. Nothing is written while the window fills its controls.
void Schalter_verbinden(QCheckBox* Box, bool& Flag, const bool& Fuellen_laeuft,
                        std::function<void()> neu_zeichnen);
void Wahl_verbinden(QRadioButton* Knopf, bool& Flag, bool Wert, const bool& Fuellen_laeuft,
                    std::function<void()> neu_zeichnen);
