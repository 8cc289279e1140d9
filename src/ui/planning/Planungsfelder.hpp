// The controls the plan windows share: bounded number fields, tagged labels, OK buttons and the
// gas boxes that list the gas table by name.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

QSpinBox* Zahlfeld(QWidget* Eltern, const QString& Name, int von, int bis);
QLabel* Beschriftung_mit_Tag(QWidget* Eltern, int Tag);
QPushButton* OK_Knopf(QWidget* Eltern, const QString& Name);
// The names of the gas table, index for index.
QStringList Gasnamen();
// Refills a gas box with the gas names and selects Auswahl (-1: no item).
void Gasliste_fuellen(QComboBox* Box, const QStringList& Gase, int Auswahl);

template <std::size_t N> std::array<int, N> Werte(const std::array<QSpinBox*, N>& Felder);
