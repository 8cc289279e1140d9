#include "ui/gases/T_Form_GasZeiger.hpp"

#include "gases/Unit_GasZeiger.hpp"
#include "ui/adapters/Beschriftungen.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLineEdit* Feld(QWidget* Eltern, const char* Name) {
    auto* e = new QLineEdit(Eltern);
    e->setObjectName(Name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(70);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

void faerben(QWidget* w, bool gelb) {
    w->setStyleSheet(gelb ? "background: #ffe84d; color: black;" : "background: white; color: black;");
}
} // namespace

T_Form_GasZeiger::T_Form_GasZeiger(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("T_Form_GasZeiger");
    auto* Gitter = new QGridLayout(this);
    Edit_O2 = Feld(this, "Edit_O2");
    Edit_N2 = Feld(this, "Edit_N2");
    Edit_He = Feld(this, "Edit_He");
    Edit_pO2 = Feld(this, "Edit_pO2");
    Edit_pO2_max = Feld(this, "Edit_pO2_max");
    Edit_pO2_min = Feld(this, "Edit_pO2_min");
    Edit_MOD = Feld(this, "Edit_MOD");
    Edit_END = Feld(this, "Edit_END");
    auto* Kopf = new QLabel(this);
    Kopf->setObjectName("Label_Kopf");
    Tag_setzen(Kopf, 268);
    Gitter->addWidget(Kopf, 0, 1, 1, 3);
    const auto Zeile = [&](int r, const char* Name, QLineEdit* a, QLineEdit* b = nullptr,
                           QLineEdit* c = nullptr) {
        auto* l = new QLabel(Name, this);
        l->setBuddy(a);
        a->setAccessibleName(Name);
        Gitter->addWidget(l, r, 0);
        Gitter->addWidget(a, r, 1);
        if (b) Gitter->addWidget(b, r, 2);
        if (c) Gitter->addWidget(c, r, 3);
    };
    Zeile(1, "O2 (%)", Edit_O2);
    Zeile(2, "N2 (%)", Edit_N2);
    Zeile(3, "He (%)", Edit_He);
    Zeile(4, "pO2 (bar)", Edit_pO2, Edit_pO2_max, Edit_pO2_min);
    Edit_pO2_max->setAccessibleName("pO2 max (bar)");
    Edit_pO2_min->setAccessibleName("pO2 min (bar)");
    Zeile(5, "MOD (m)", Edit_MOD);
    Zeile(6, "END (m)", Edit_END);
    Label_Hinweis = new QLabel(this);
    Label_Hinweis->setObjectName("Label_Hinweis");
    Label_Hinweis->setAlignment(Qt::AlignCenter);
    Label_Hinweis->setMargin(4);
    Gitter->addWidget(Label_Hinweis, 7, 0, 1, 4);
    Beschriftungen_anwenden(this);
}

void T_Form_GasZeiger::aktualisieren(float m_Tiefe) {
    const auto z = Unit_GasZeiger::Gaszeiger_berechnen(m_Tiefe);
    const auto Q = [](const std::string& s) { return QString::fromStdString(s); };
    setWindowTitle(Q(z.Titel));
    Edit_O2->setText(Q(z.O2_prozent));
    Edit_N2->setText(Q(z.N2_prozent));
    Edit_He->setText(Q(z.He_prozent));
    Edit_pO2->setText(Q(z.pO2));
    Edit_pO2_max->setText(Q(z.pO2_max));
    Edit_pO2_min->setText(Q(z.pO2_min));
    Edit_MOD->setText(Q(z.MOD));
    Edit_END->setText(Q(z.END));
    Label_Hinweis->setText(Q(z.Hinweis));
    for (QWidget* w : {Edit_O2, Edit_N2, Edit_He, Edit_pO2_max, Edit_pO2_min}) faerben(w, false);
    faerben(Edit_pO2, z.pO2_gelb);
    faerben(Edit_MOD, z.MOD_gelb);
    faerben(Edit_END, z.END_gelb);
    faerben(Label_Hinweis, z.Hinweis_gelb);
}

void T_Form_GasZeiger::zeigen_unter(const QWidget* Gasauswahl, float m_Tiefe) {
    aktualisieren(m_Tiefe);
    adjustSize();
    if (!platziert && Gasauswahl) {
        const QPoint unten_rechts =
            Gasauswahl->mapToGlobal(QPoint(Gasauswahl->width(), Gasauswahl->height() + 2));
        move(unten_rechts.x() - width(), unten_rechts.y());
        platziert = true;
    }
    show();
}
