#include "ui/planning/Planungsfelder.hpp"

#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

QSpinBox* Zahlfeld(QWidget* Eltern, const QString& Name, int von, int bis) {
    auto* s = benannt(new QSpinBox(Eltern), Name);
    s->setRange(von, bis);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QLabel* Beschriftung_mit_Tag(QWidget* Eltern, int Tag) {
    auto* l = new QLabel(Eltern);
    Tag_setzen(l, Tag);
    return l;
}

QPushButton* OK_Knopf(QWidget* Eltern, const QString& Name) {
    auto* b = benannt(new QPushButton("OK", Eltern), Name);
    b->setAccessibleName(Name);
    return b;
}

QLineEdit* Setpointfeld(QWidget* Eltern, const QString& Name) {
    auto* e = benannt(new QLineEdit(Eltern), Name);
    e->setMaximumWidth(80);
    return e;
}

QStringList Gasnamen() {
    namespace G = Unit_Gasgemisch_BestMix;
    QStringList Gase;
    for (int i = 0; i <= G::Gasgemisch_NumMax; ++i)
        Gase << QString::fromStdString(G::Gasgemisch[static_cast<std::size_t>(i)].Name);
    return Gase;
}

void Gasliste_fuellen(QComboBox* Box, const QStringList& Gase, int Auswahl) {
    Box->clear();
    Box->addItems(Gase);
    Box->setCurrentIndex(Auswahl);
}

int anordnen(QGridLayout* g, int z, const Konstant_oder_Tabelle& t) {
    QWidget* Eltern = g->parentWidget();
    g->addWidget(t.konstant, z, 0);
    if (t.Tag_Konstante != 0) g->addWidget(Beschriftung_fuer(t.Konstante, t.Tag_Konstante), z, 1);
    g->addWidget(t.Konstante, z, 2);
    g->addWidget(t.variabel, z + 1, 0);
    g->addWidget(Beschriftung_mit_Tag(Eltern, t.Tag_Spalten), z + 1, 1, 1, 2);
    // Without a caption the constant is named by its choice and the values' column; the rows by
    // the other choice, their number and their column: "variabel 2: ab Tiefe (m)".
    const int Tag_konstant = t.konstant->property("tag").toInt();
    const int Tag_variabel = t.variabel->property("tag").toInt();
    const int Tag_Spalten = t.Tag_Spalten;
    if (t.Tag_Konstante == 0)
        Name_geben(t.Konstante,
                   [=] { return Beschriftung(Tag_konstant) + ": " + Spaltentitel(Tag_Spalten, 1); });
    const auto Zeilenname = [=](int Zeile, int Spalte) {
        return [=] {
            return Tabellenzeile(Beschriftung(Tag_variabel), Zeile, Spaltentitel(Tag_Spalten, Spalte));
        };
    };
    for (int k = 0; k < 3; ++k) {
        g->addWidget(t.m[static_cast<std::size_t>(k)], z + 2 + k, 1);
        g->addWidget(t.Werte[static_cast<std::size_t>(k)], z + 2 + k, 2);
        Name_geben(t.m[static_cast<std::size_t>(k)], Zeilenname(k + 1, 0));
        Name_geben(t.Werte[static_cast<std::size_t>(k)], Zeilenname(k + 1, 1));
    }
    g->addWidget(t.OK, z + 5, 2);
    return z + 6;
}

template <std::size_t N> std::array<int, N> Werte(const std::array<QSpinBox*, N>& Felder) {
    std::array<int, N> w{};
    for (std::size_t k = 0; k < N; ++k) w[k] = Felder[k]->value();
    return w;
}
template std::array<int, 3> Werte(const std::array<QSpinBox*, 3>&);
template std::array<int, 5> Werte(const std::array<QSpinBox*, 5>&);
template std::array<int, 6> Werte(const std::array<QSpinBox*, 6>&);

QTabWidget* Seiten_mit_Schliessen(QDialog* Fenster, QVBoxLayout* Spalte,
                                  std::initializer_list<QWidget*> Seiten, QPushButton*& ButtonClose) {
    auto* PageControl = benannt(new QTabWidget(Fenster), "PageControl");
    // Every page's tab stays in view, in either language.
    PageControl->setUsesScrollButtons(false);
    for (QWidget* Seite : Seiten) PageControl->addTab(Seite, {});
    Spalte->addWidget(PageControl);
    ButtonClose = benannt(new QPushButton(Fenster), "ButtonClose", 125);
    auto* Unten = new QHBoxLayout;
    Unten->addStretch(1);
    Unten->addWidget(ButtonClose);
    Spalte->addLayout(Unten);
    QObject::connect(ButtonClose, &QPushButton::clicked, Fenster, &QDialog::accept);
    return PageControl;
}

void Schalter_verbinden(QCheckBox* Box, bool& Flag, const bool& Fuellen_laeuft,
                        std::function<void()> neu_zeichnen) {
    QObject::connect(Box, &QCheckBox::toggled, Box, [&Flag, &Fuellen_laeuft, neu_zeichnen](bool an) {
        if (Fuellen_laeuft) return;
        Flag = an;
        neu_zeichnen();
    });
}

void Wahl_verbinden(QRadioButton* Knopf, bool& Flag, bool Wert, const bool& Fuellen_laeuft,
                    std::function<void()> neu_zeichnen) {
    QObject::connect(Knopf, &QRadioButton::toggled, Knopf,
                     [&Flag, Wert, &Fuellen_laeuft, neu_zeichnen](bool an) {
                         if (Fuellen_laeuft || !an) return;
                         Flag = Wert;
                         neu_zeichnen();
                     });
}

void Gaszeilen_anzeigen(std::span<QSpinBox* const> Tiefen, std::span<QComboBox* const> Gasboxen,
                        std::span<const int32_t> m, std::span<const int32_t> Gas, bool frei) {
    const QStringList Gase = Gasnamen();
    for (std::size_t k = 0; k < Tiefen.size(); ++k) {
        Gasliste_fuellen(Gasboxen[k], Gase, Gas[k]);
        Tiefen[k]->setValue(m[k]);
        Tiefen[k]->setEnabled(frei);
        Gasboxen[k]->setEnabled(frei);
    }
}

void Gaszeile_benennen(QSpinBox* Tiefe, QComboBox* Gas, int k, int Tag_Tiefe, int Tag_Gas) {
    constexpr int Tag_Gaswechsel = 118;
    Name_geben(Tiefe,
               [=] { return Tabellenzeile(Beschriftung(Tag_Gaswechsel), k + 1, Beschriftung(Tag_Tiefe)); });
    Name_geben(Gas,
               [=] { return Tabellenzeile(Beschriftung(Tag_Gaswechsel), k + 1, Beschriftung(Tag_Gas)); });
}
