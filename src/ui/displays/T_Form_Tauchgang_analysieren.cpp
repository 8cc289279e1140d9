#include "ui/displays/T_Form_Tauchgang_analysieren.hpp"

#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace A = Unit_Tauchgang_analysieren;

T_Form_Tauchgang_analysieren::T_Form_Tauchgang_analysieren(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("T_Form_Tauchgang_analysieren");
    Tag_setzen(this, 321);
    auto* Gitter = new QGridLayout(this);
    auto* Frage = benannt(new QLabel(this), "Label_Frage", 322);
    Gitter->addWidget(Frage, 0, 0, 1, 3);
    RadioButton0 = benannt(new QRadioButton(this), "RadioButton0", 323);
    RadioButton1 = benannt(new QRadioButton(this), "RadioButton1", 321);
    RadioButton2 = benannt(new QRadioButton(this), "RadioButton2", 324);
    int Modus = 0;
    for (QRadioButton* r : {RadioButton0, RadioButton1, RadioButton2}) {
        Gitter->addWidget(r, Modus + 1, 0, 1, 3);
        connect(r, &QRadioButton::clicked, this, [this, Modus] { Modus_klick(Modus); });
        ++Modus;
    }
    Edit_Tauchgang_analysieren_min_EndeGrundzeit =
        benannt(new QLineEdit(this), "Edit_Tauchgang_analysieren_min_EndeGrundzeit");
    Edit_Tauchgang_analysieren_min_EndeGrundzeit->setAlignment(Qt::AlignRight);
    Edit_Tauchgang_analysieren_min_EndeGrundzeit->setMaximumWidth(80);
    Gitter->addWidget(Beschriftung_fuer(Edit_Tauchgang_analysieren_min_EndeGrundzeit, 325), 4, 0);
    Gitter->addWidget(Edit_Tauchgang_analysieren_min_EndeGrundzeit, 4, 1);
    Button_set_min_EndeGrundzeit = benannt(new QPushButton(this), "Button_set_min_EndeGrundzeit", 280);
    Gitter->addWidget(Button_set_min_EndeGrundzeit, 4, 2);
    Button_Waypoints = benannt(new QPushButton(this), "Button_Waypoints", 313);
    Button_OK = benannt(new QPushButton("OK", this), "Button_OK");
    Button_OK->setDefault(true);
    Gitter->addWidget(Button_Waypoints, 5, 0);
    Gitter->addWidget(Button_OK, 5, 2);
    connect(Button_set_min_EndeGrundzeit, &QPushButton::clicked, this,
            &T_Form_Tauchgang_analysieren::Setzen_klick);
    connect(Edit_Tauchgang_analysieren_min_EndeGrundzeit, &QLineEdit::returnPressed, this,
            &T_Form_Tauchgang_analysieren::Setzen_klick);
    connect(Button_Waypoints, &QPushButton::clicked, this, &T_Form_Tauchgang_analysieren::Wegpunkte_verlangt);
    connect(Button_OK, &QPushButton::clicked, this, &T_Form_Tauchgang_analysieren::OK_klick);
    Beschriftungen_anwenden(this);
}

void T_Form_Tauchgang_analysieren::Anzeigen() {
    QRadioButton* Knoepfe[] = {RadioButton0, RadioButton1, RadioButton2};
    Knoepfe[std::clamp<int>(A::Modus, 0, 2)]->setChecked(true);
    Edit_Tauchgang_analysieren_min_EndeGrundzeit->setText(
        QString::fromStdString(A::Feld_EndeGrundzeit).trimmed());
}

void T_Form_Tauchgang_analysieren::showEvent(QShowEvent* Ereignis) {
    Anzeigen();
    QDialog::showEvent(Ereignis);
}

void T_Form_Tauchgang_analysieren::closeEvent(QCloseEvent* Ereignis) {
    A::Analyse_Fenster_schliessen();
    QDialog::closeEvent(Ereignis);
}

void T_Form_Tauchgang_analysieren::Modus_klick(int Modus) {
    emit Befehl_verlangt([Modus] { A::Modus_waehlen(Modus); });
    Anzeigen();
}

void T_Form_Tauchgang_analysieren::Setzen_klick() {
    const std::string Feld = Edit_Tauchgang_analysieren_min_EndeGrundzeit->text().toStdString();
    emit Befehl_verlangt([Feld] { A::Setzen_Klick(Feld); });
}

void T_Form_Tauchgang_analysieren::OK_klick() {
    const bool Analyse = A::Modus == A::Analysieren;
    setEnabled(false);
    emit Befehl_verlangt([] { A::OK_Klick(); });
    setEnabled(true);
    hide();
    if (Analyse) emit Analyse_geschrieben();
}
