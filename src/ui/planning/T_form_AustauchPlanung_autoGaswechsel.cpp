#include "ui/planning/T_form_AustauchPlanung_autoGaswechsel.hpp"

#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung_autoGaswechsel.hpp"
#include "planning/Unit_Gasnummern.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/planning/Planungsfelder.hpp"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
namespace P = Unit_AustauchPlanung_autoGaswechsel;

QLineEdit* Druckfeld(QWidget* Eltern, const QString& Name) {
    auto* e = benannt(new QLineEdit(Eltern), Name);
    e->setMaximumWidth(80);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s).trimmed();
}
} // namespace

T_form_AustauchPlanung_autoGaswechsel::T_form_AustauchPlanung_autoGaswechsel(QWidget* parent)
    : QDialog(parent) {
    setObjectName("T_form_AustauchPlanung_autoGaswechsel");
    Tag_setzen(this, 144);
    auto* Spalte = new QVBoxLayout(this);
    auto* Felder = new QFormLayout;
    Edit_pO2max = Druckfeld(this, "Edit_pO2max");
    Edit_pO2min = Druckfeld(this, "Edit_pO2min");
    Edit_pN2max = Druckfeld(this, "Edit_pN2max");
    // Derived from END max, never typed.
    Edit_pN2max->setEnabled(false);
    Edit_dpN2max = Druckfeld(this, "Edit_dpN2max");
    Edit_dpN2min = Druckfeld(this, "Edit_dpN2min");
    SpinEdit_ENDmax = Zahlfeld(this, "SpinEdit_ENDmax", 20, 60);
    int Tag = 145;
    for (QLineEdit* e : {Edit_pO2max, Edit_pO2min, Edit_pN2max, Edit_dpN2max, Edit_dpN2min})
        Felder->addRow(Beschriftung_fuer(e, Tag++), e);
    auto* END_max = new QLabel("END max (m) =", this);
    END_max->setBuddy(SpinEdit_ENDmax);
    Felder->addRow(END_max, SpinEdit_ENDmax);
    CheckBox_BottomGasIstErstesGas = benannt(new QCheckBox(this), "CheckBox_BottomGasIstErstesGas", 150);
    Felder->addRow(CheckBox_BottomGasIstErstesGas);
    Button_OK = OK_Knopf(this, "Button_OK");
    Felder->addRow(Button_OK);
    auto* Oben = new QHBoxLayout;
    Oben->addLayout(Felder);

    auto* Voreinstellungen = benannt(new QGroupBox(this), "GroupBox_Voreinstellungen", 152);
    auto* Knoepfe = new QVBoxLayout(Voreinstellungen);
    Button_Standard = benannt(new QPushButton(Voreinstellungen), "Button_Standard", 153);
    Button_maxEntsaettigung = benannt(new QPushButton(Voreinstellungen), "Button_maxEntsaettigung", 154);
    Button_wenigGaswechsel = benannt(new QPushButton(Voreinstellungen), "Button_wenigGaswechsel", 155);
    for (QPushButton* b : {Button_Standard, Button_maxEntsaettigung, Button_wenigGaswechsel})
        Knoepfe->addWidget(b);
    Knoepfe->addStretch(1);
    Oben->addWidget(Voreinstellungen);
    Spalte->addLayout(Oben);

    Button_NichtBenoetigteGaseLoeschen =
        benannt(new QPushButton(this), "Button_NichtBenoetigteGaseLoeschen", 151);
    ButtonClose = benannt(new QPushButton(this), "ButtonClose", 125);
    auto* Unten = new QHBoxLayout;
    Unten->addWidget(Button_NichtBenoetigteGaseLoeschen);
    Unten->addStretch(1);
    Unten->addWidget(ButtonClose);
    Spalte->addLayout(Unten);
    Verbinden();
    Beschriftungen_anwenden(this);
    Anzeigen();
}

void T_form_AustauchPlanung_autoGaswechsel::Verbinden() {
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(SpinEdit_ENDmax, &QSpinBox::valueChanged, this,
            [this](int END) { Edit_pN2max->setText(Text(P::pN2max_Text(END))); });
    connect(Button_OK, &QPushButton::clicked, this, [this] {
        const P::Felder_Type Felder{
            Edit_pO2max->text().toStdString(),  Edit_pO2min->text().toStdString(),
            Edit_dpN2max->text().toStdString(), Edit_dpN2min->text().toStdString(),
            SpinEdit_ENDmax->value(),           CheckBox_BottomGasIstErstesGas->isChecked()};
        bool gelesen = false;
        Befehl_ausfuehren([&] { gelesen = P::Vorschlag_OK(Felder, Unit_AustauchPlanung::m_DekoZuletzt); });
        // Without a dive the fields were not read: they keep what was typed.
        if (gelesen) Anzeigen();
        emit Plan_geaendert();
    });
    const auto Voreinstellung = [this](QPushButton* Knopf, P::Voreinstellung v) {
        connect(Knopf, &QPushButton::clicked, this, [this, v] {
            P::Voreinstellung_waehlen(v);
            Anzeigen();
        });
    };
    Voreinstellung(Button_Standard, P::Voreinstellung::Standard);
    Voreinstellung(Button_maxEntsaettigung, P::Voreinstellung::maxEntsaettigung);
    Voreinstellung(Button_wenigGaswechsel, P::Voreinstellung::wenigGaswechsel);
    connect(Button_NichtBenoetigteGaseLoeschen, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren([] { Unit_Gasnummern::Gasgemische_unbenutzt_loeschen(); });
        emit Plan_geaendert();
    });
}

void T_form_AustauchPlanung_autoGaswechsel::Zeigen() {
    Anzeigen();
    exec();
}

void T_form_AustauchPlanung_autoGaswechsel::Anzeigen() {
    const P::Parametersatz_Type& p = P::Parameter;
    const auto Texte = P::Felder_Texte(p);
    QLineEdit* const Reihe[] = {Edit_pO2max, Edit_pO2min, Edit_pN2max, Edit_dpN2max, Edit_dpN2min};
    for (std::size_t k = 0; k < Texte.size(); ++k) Reihe[k]->setText(Text(Texte[k]));
    SpinEdit_ENDmax->setValue(p.ENDmax);
    Edit_pN2max->setText(Text(P::pN2max_Text(p.ENDmax)));
    CheckBox_BottomGasIstErstesGas->setChecked(p.BottomGasIstErstesGas);
}
