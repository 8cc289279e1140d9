#include "ui/planning/T_Form_AustauchPlanung.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "reports/Unit_Kontingenzplaene.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/planning/Planungsfelder.hpp"
#include "ui/planning/T_form_AustauchPlanung_autoGaswechsel.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace A = Unit_AustauchPlanung;
namespace S = Unit_Saettigungsmodelle;
namespace K = Unit_Kontingenzplaene;

constexpr int m_Maximaltiefe = 350;

std::array<std::string, 3> Texte(const std::array<QLineEdit*, 3>& Felder) {
    return {Felder[0]->text().toStdString(), Felder[1]->text().toStdString(),
            Felder[2]->text().toStdString()};
}
} // namespace

T_Form_AustauchPlanung::T_Form_AustauchPlanung(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_AustauchPlanung");
    Tag_setzen(this, 126);
    auto* Spalte = new QVBoxLayout(this);
    PageControl =
        Seiten_mit_Schliessen(this, Spalte,
                              {Seite_Geschwindigkeit_anlegen(), Seite_Dekotiefen_anlegen(),
                               Seite_Gaswechsel_anlegen(), Seite_pO2_anlegen(), Seite_Sicherheit_anlegen()},
                              ButtonClose);
    autoGaswechsel = new T_form_AustauchPlanung_autoGaswechsel(this);
    Verbinden();
    Beschriftungen_anwenden(this);
    Anzeigen();
}

QWidget* T_Form_AustauchPlanung::Seite_Geschwindigkeit_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Aufstiegsgeschwindigkeit", 127);
    auto* g = new QGridLayout(Seite);
    CheckBox_AufstiegConst = benannt(new QRadioButton(Seite), "CheckBox_AufstiegConst", 111);
    SpinEdit_vConst = Zahlfeld(Seite, "SpinEdit_vConst", 1, 18);
    CheckBox_AufstiegVariabel_OK = benannt(new QRadioButton(Seite), "CheckBox_AufstiegVariabel_OK", 113);
    for (int k = 0; k < 3; ++k) {
        SpinEdit_m[k] = Zahlfeld(Seite, QString("SpinEdit_m%1").arg(k + 1), 0, m_Maximaltiefe);
        SpinEdit_v[k] = Zahlfeld(Seite, QString("SpinEdit_v%1").arg(k + 1), 1, 18);
    }
    Button_AufstiegsgeschwindigkeitOK = OK_Knopf(Seite, "Button_AufstiegsgeschwindigkeitOK");
    const int z = anordnen(g, 0,
                           {CheckBox_AufstiegConst,
                            128,
                            SpinEdit_vConst,
                            CheckBox_AufstiegVariabel_OK,
                            129,
                            {SpinEdit_m[0], SpinEdit_m[1], SpinEdit_m[2]},
                            {SpinEdit_v[0], SpinEdit_v[1], SpinEdit_v[2]},
                            Button_AufstiegsgeschwindigkeitOK});
    g->setRowStretch(z, 1);
    g->setColumnStretch(3, 1);
    return Seite;
}

QWidget* T_Form_AustauchPlanung::Seite_Dekotiefen_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Dekotiefen", 130);
    auto* g = new QGridLayout(Seite);
    SpinEdit_M_DekoZuletzt = Zahlfeld(Seite, "SpinEdit_M_DekoZuletzt", 1, 12);
    SpinEdit_M_DekoStep = Zahlfeld(Seite, "SpinEdit_M_DekoStep", 1, 6);
    BitBtn_DekotiefenOK = OK_Knopf(Seite, "BitBtn_DekotiefenOK");
    g->addWidget(Beschriftung_fuer(SpinEdit_M_DekoZuletzt, 131), 0, 0);
    g->addWidget(SpinEdit_M_DekoZuletzt, 0, 1);
    g->addWidget(Beschriftung_fuer(SpinEdit_M_DekoStep, 132), 1, 0);
    g->addWidget(SpinEdit_M_DekoStep, 1, 1);
    g->addWidget(BitBtn_DekotiefenOK, 2, 1);
    g->setRowStretch(3, 1);
    g->setColumnStretch(2, 1);
    return Seite;
}

QWidget* T_Form_AustauchPlanung::Seite_Gaswechsel_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Gaswechsel", 118);
    auto* Zeile = new QHBoxLayout(Seite);
    auto* g = new QGridLayout;
    CheckBox_Gaswechsel_beim_Aufstieg_NO =
        benannt(new QRadioButton(Seite), "CheckBox_Gaswechsel_beim_Aufstieg_NO", 119);
    CheckBox_Gaswechsel_beim_Aufstieg_YES =
        benannt(new QRadioButton(Seite), "CheckBox_Gaswechsel_beim_Aufstieg_YES", 133);
    g->addWidget(CheckBox_Gaswechsel_beim_Aufstieg_NO, 0, 0, 1, 2);
    g->addWidget(CheckBox_Gaswechsel_beim_Aufstieg_YES, 1, 0, 1, 2);
    g->addWidget(Beschriftung_mit_Tag(Seite, 134), 2, 0);
    g->addWidget(Beschriftung_mit_Tag(Seite, 236), 2, 1);
    for (int k = 0; k < 6; ++k) {
        SpinEdit_Gaswechsel_m[k] =
            Zahlfeld(Seite, QString("SpinEdit_Gaswechsel_m%1").arg(k + 1), 1, m_Maximaltiefe);
        ComboBox_Gaswechsel[k] = benannt(new QComboBox(Seite), QString("ComboBox_Gaswechsel%1").arg(k + 1));
        ComboBox_Gaswechsel[k]->setMinimumContentsLength(12);
        Gaszeile_benennen(SpinEdit_Gaswechsel_m[k], ComboBox_Gaswechsel[k], k, 134, 236);
        g->addWidget(SpinEdit_Gaswechsel_m[k], 3 + k, 0);
        g->addWidget(ComboBox_Gaswechsel[k], 3 + k, 1);
    }
    BitBtn_GaswechselOK = OK_Knopf(Seite, "BitBtn_GaswechselOK");
    g->addWidget(BitBtn_GaswechselOK, 9, 1);
    Button_GasNeu = benannt(new QPushButton(Seite), "Button_GasNeu", 121);
    Button_Vorschlag = benannt(new QPushButton(Seite), "Button_Vorschlag", 135);
    g->addWidget(Button_GasNeu, 10, 1);
    g->addWidget(Button_Vorschlag, 11, 1);
    g->setRowStretch(12, 1);
    Zeile->addLayout(g);
    Zeile->addWidget(Gas_Breaks_anlegen(Seite), 0, Qt::AlignTop);
    Zeile->addStretch(1);
    return Seite;
}

QWidget* T_Form_AustauchPlanung::Gas_Breaks_anlegen(QWidget* Seite) {
    auto* Gruppe = benannt(new QGroupBox(Seite), "GroupBox_AirBreak", 336);
    auto* g = new QGridLayout(Gruppe);
    CheckBox_AirBreak_OK = benannt(new QCheckBox(Gruppe), "CheckBox_AirBreak_OK", 136);
    ComboBox_AirBreak_GasNum = benannt(new QComboBox(Gruppe), "ComboBox_AirBreak_GasNum");
    ComboBox_AirBreak_GasNum->setMinimumContentsLength(12);
    SpinEdit_AirBreak_minAbstand = Zahlfeld(Gruppe, "SpinEdit_AirBreak_minAbstand", 0, 100);
    SpinEdit_AirBreak_minDauer = Zahlfeld(Gruppe, "SpinEdit_AirBreak_minDauer", 0, 100);
    Button_AirBreakOK = OK_Knopf(Gruppe, "Button_AirBreakOK");
    g->addWidget(CheckBox_AirBreak_OK, 0, 0);
    g->addWidget(Beschriftung_mit_Tag(Gruppe, 137), 0, 1);
    g->addWidget(Beschriftung_fuer(ComboBox_AirBreak_GasNum, 138), 1, 0);
    g->addWidget(ComboBox_AirBreak_GasNum, 1, 1);
    g->addWidget(Beschriftung_fuer(SpinEdit_AirBreak_minAbstand, 139), 2, 0);
    g->addWidget(SpinEdit_AirBreak_minAbstand, 2, 1);
    g->addWidget(Beschriftung_fuer(SpinEdit_AirBreak_minDauer, 117), 3, 0);
    g->addWidget(SpinEdit_AirBreak_minDauer, 3, 1);
    g->addWidget(Button_AirBreakOK, 4, 1);
    return Gruppe;
}

QWidget* T_Form_AustauchPlanung::Seite_pO2_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_pO2", 32);
    auto* g = new QGridLayout(Seite);
    g->addWidget(Beschriftung_mit_Tag(Seite, 122), 0, 0, 1, 3);
    CheckBox_pO2_const = benannt(new QRadioButton(Seite), "CheckBox_pO2_const", 111);
    Edit_pO2_const = Setpointfeld(Seite, "Edit_pO2_const");
    CheckBox_not_pO2_const = benannt(new QRadioButton(Seite), "CheckBox_not_pO2_const", 113);
    for (int k = 0; k < 3; ++k) {
        SpinEdit_mp[k] = Zahlfeld(Seite, QString("SpinEdit_mp%1").arg(k + 1), 1, m_Maximaltiefe);
        Edit_yp[k] = Setpointfeld(Seite, QString("Edit_yp%1").arg(k + 1));
    }
    Button_pO2OK = OK_Knopf(Seite, "Button_pO2OK");
    const int z = anordnen(g, 1,
                           {CheckBox_pO2_const,
                            0,
                            Edit_pO2_const,
                            CheckBox_not_pO2_const,
                            123,
                            {SpinEdit_mp[0], SpinEdit_mp[1], SpinEdit_mp[2]},
                            {Edit_yp[0], Edit_yp[1], Edit_yp[2]},
                            Button_pO2OK});
    CheckBox_BailOut_do = benannt(new QCheckBox(Seite), "CheckBox_BailOut_do", 140);
    g->addWidget(CheckBox_BailOut_do, z, 0, 1, 4);
    g->setRowStretch(z + 1, 1);
    g->setColumnStretch(3, 1);
    return Seite;
}

QWidget* T_Form_AustauchPlanung::Seite_Sicherheit_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Sicherheit", 24);
    auto* g = new QGridLayout(Seite);
    CheckBox_Sicherheit_BuehlmannOK = benannt(new QCheckBox(Seite), "CheckBox_Sicherheit_BuehlmannOK", 141);
    // Its caption carries the two factors: set by every repaint, not by the caption table.
    CheckBox_Sicherheit_BakerOK = benannt(new QCheckBox(Seite), "CheckBox_Sicherheit_BakerOK");
    SpinEdit_Sicherheit_Baker_GFLo = Zahlfeld(Seite, "SpinEdit_Sicherheit_Baker_GFLo", 0, 100);
    SpinEdit_Sicherheit_Baker_GFHi = Zahlfeld(Seite, "SpinEdit_Sicherheit_Baker_GFHi", 0, 100);
    CheckBox_Sicherheit_DeepStopOK = benannt(new QCheckBox(Seite), "CheckBox_Sicherheit_DeepStopOK");
    Button_einstellen = benannt(new QPushButton(Seite), "Button_einstellen", 143);
    g->addWidget(CheckBox_Sicherheit_BuehlmannOK, 0, 0, 1, 3);
    g->addWidget(CheckBox_Sicherheit_BakerOK, 1, 0, 1, 3);
    g->addItem(new QSpacerItem(24, 0), 2, 0);
    g->addWidget(Beschriftung_fuer(SpinEdit_Sicherheit_Baker_GFLo, 338), 2, 1);
    g->addWidget(SpinEdit_Sicherheit_Baker_GFLo, 2, 2);
    g->addWidget(Beschriftung_fuer(SpinEdit_Sicherheit_Baker_GFHi, 337), 3, 1);
    g->addWidget(SpinEdit_Sicherheit_Baker_GFHi, 3, 2);
    g->addWidget(CheckBox_Sicherheit_DeepStopOK, 4, 0, 1, 3);
    g->addWidget(Button_einstellen, 5, 2);
    // What-if plans of the same dive: longer, deeper, each ascent gas lost.
    CheckBox_Kontingenzplaene = benannt(new QCheckBox(Seite), "CheckBox_Kontingenzplaene");
    SpinEdit_Kontingenz_Zeit = Zahlfeld(Seite, "SpinEdit_Kontingenz_Zeit", 1, K::Kontingenz_Grenze);
    SpinEdit_Kontingenz_Tiefe = Zahlfeld(Seite, "SpinEdit_Kontingenz_Tiefe", 1, K::Kontingenz_Grenze);
    Label_Kontingenz_Zeit = new QLabel(Seite);
    Label_Kontingenz_Tiefe = new QLabel(Seite);
    Label_Kontingenz_Zeit->setBuddy(SpinEdit_Kontingenz_Zeit);
    Label_Kontingenz_Tiefe->setBuddy(SpinEdit_Kontingenz_Tiefe);
    g->addWidget(CheckBox_Kontingenzplaene, 6, 0, 1, 3);
    g->addWidget(Label_Kontingenz_Zeit, 7, 1);
    g->addWidget(SpinEdit_Kontingenz_Zeit, 7, 2);
    g->addWidget(Label_Kontingenz_Tiefe, 8, 1);
    g->addWidget(SpinEdit_Kontingenz_Tiefe, 8, 2);
    g->setRowStretch(9, 1);
    g->setColumnStretch(3, 1);
    return Seite;
}

void T_Form_AustauchPlanung::Verbinden() {
    const auto neu_zeichnen = [this] { Anzeigen(); };
    const auto Wahl = [&](QRadioButton* Knopf, bool& Flag, bool Wert) {
        Wahl_verbinden(Knopf, Flag, Wert, Fuellen_laeuft, neu_zeichnen);
    };
    const auto Schalter = [&](QCheckBox* Box, bool& Flag) {
        Schalter_verbinden(Box, Flag, Fuellen_laeuft, neu_zeichnen);
    };
    Wahl(CheckBox_AufstiegConst, A::Aufstieg_Geschwindigkeit_variabel, false);
    Wahl(CheckBox_AufstiegVariabel_OK, A::Aufstieg_Geschwindigkeit_variabel, true);
    Wahl(CheckBox_Gaswechsel_beim_Aufstieg_NO, A::Aufstieg_Gaswechsel_OK, false);
    Wahl(CheckBox_Gaswechsel_beim_Aufstieg_YES, A::Aufstieg_Gaswechsel_OK, true);
    Wahl(CheckBox_pO2_const, A::Aufstieg_Setpoint_variabel, false);
    Wahl(CheckBox_not_pO2_const, A::Aufstieg_Setpoint_variabel, true);
    Schalter(CheckBox_AirBreak_OK, A::AirBreak_OK);
    Schalter(CheckBox_BailOut_do, A::Bail_Out);
    Schalter(CheckBox_Sicherheit_BuehlmannOK, S::Buehlmann_Tiefenzuschlag);
    Schalter(CheckBox_Sicherheit_BakerOK, S::GF_verwenden);
    Schalter(CheckBox_Kontingenzplaene, K::Kontingenzplaene_an);
    for (auto [Feld, Wert] : {std::pair{SpinEdit_Kontingenz_Zeit, &K::min_Kontingenz_Zeit},
                              std::pair{SpinEdit_Kontingenz_Tiefe, &K::m_Kontingenz_Tiefe}})
        connect(Feld, &QSpinBox::valueChanged, this, [this, Wert](int v) {
            if (!Fuellen_laeuft) *Wert = v;
        });
    Schalter(CheckBox_Sicherheit_DeepStopOK, S::Deep_Stop_verwenden);

    connect(Button_AufstiegsgeschwindigkeitOK, &QPushButton::clicked, this, [this] {
        std::array<A::Zeile_Eingabe, 3> Zeilen{};
        for (std::size_t k = 0; k < 3; ++k)
            Zeilen[k] = {static_cast<float>(SpinEdit_m[k]->value()),
                         static_cast<float>(SpinEdit_v[k]->value())};
        Befehl_ausfuehren(
            [&] { A::Aufstiegsgeschwindigkeit_OK(static_cast<float>(SpinEdit_vConst->value()), Zeilen); });
        Anzeigen();
    });
    connect(BitBtn_DekotiefenOK, &QPushButton::clicked, this, [this] {
        A::Dekotiefen_OK(SpinEdit_M_DekoZuletzt->value(), SpinEdit_M_DekoStep->value());
        Anzeigen();
    });
    connect(BitBtn_GaswechselOK, &QPushButton::clicked, this, [this] {
        std::array<A::Zeile_Eingabe, 6> Zeilen{};
        for (std::size_t k = 0; k < 6; ++k)
            Zeilen[k] = {static_cast<float>(SpinEdit_Gaswechsel_m[k]->value()),
                         static_cast<float>(ComboBox_Gaswechsel[k]->currentIndex())};
        Befehl_ausfuehren([&] { A::Gaswechsel_OK(Zeilen); });
        Anzeigen();
    });
    connect(Button_Vorschlag, &QPushButton::clicked, this, [this] {
        autoGaswechsel->Zeigen();
        Anzeigen();
    });
    connect(autoGaswechsel, &T_form_AustauchPlanung_autoGaswechsel::Plan_geaendert, this,
            &T_Form_AustauchPlanung::Anzeigen);
    connect(Button_AirBreakOK, &QPushButton::clicked, this, [this] {
        A::AirBreak_uebernehmen(CheckBox_AirBreak_OK->isChecked(), ComboBox_AirBreak_GasNum->currentIndex(),
                                SpinEdit_AirBreak_minAbstand->value(), SpinEdit_AirBreak_minDauer->value());
        Anzeigen();
    });
    connect(Button_pO2OK, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren(
            [this] { A::pO2_OK(Edit_pO2_const->text().toStdString(), Werte(SpinEdit_mp), Texte(Edit_yp)); });
        Anzeigen();
    });
    for (QSpinBox* GF : {SpinEdit_Sicherheit_Baker_GFLo, SpinEdit_Sicherheit_Baker_GFHi})
        connect(GF, &QSpinBox::valueChanged, this, [this] {
            if (Fuellen_laeuft) return;
            A::GF_uebernehmen(SpinEdit_Sicherheit_Baker_GFLo->value(),
                              SpinEdit_Sicherheit_Baker_GFHi->value());
            Anzeigen();
        });
    // A gas designed in the calculator is offered in the rows at once.
    connect(Button_GasNeu, &QPushButton::clicked, this, [this] {
        emit Gasrechner_gewuenscht();
        Anzeigen();
    });
    connect(Button_einstellen, &QPushButton::clicked, this, [this] {
        emit Einstellungen_gewuenscht(A::Sicherheit_Unterseite());
        Anzeigen();
    });
}

void T_Form_AustauchPlanung::Seite_zeigen(int Auf) {
    Anzeigen();
    PageControl->setCurrentIndex(Auf);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
}

void T_Form_AustauchPlanung::Anzeigen() {
    Fuellen_laeuft = true;
    const A::Freigaben f = A::Freigaben_berechnen();
    const A::Anzeige_Type a = A::Anzeige();

    (A::Aufstieg_Geschwindigkeit_variabel ? CheckBox_AufstiegVariabel_OK : CheckBox_AufstiegConst)
        ->setChecked(true);
    SpinEdit_vConst->setValue(a.vConst);
    SpinEdit_vConst->setEnabled(f.vConst);
    for (std::size_t k = 0; k < 3; ++k) {
        SpinEdit_m[k]->setValue(a.m[k]);
        SpinEdit_v[k]->setValue(a.v[k]);
        SpinEdit_m[k]->setEnabled(f.v_Tabelle);
        SpinEdit_v[k]->setEnabled(f.v_Tabelle);
    }

    SpinEdit_M_DekoZuletzt->setValue(a.DekoZuletzt);
    SpinEdit_M_DekoStep->setValue(a.DekoStep);

    (A::Aufstieg_Gaswechsel_OK ? CheckBox_Gaswechsel_beim_Aufstieg_YES : CheckBox_Gaswechsel_beim_Aufstieg_NO)
        ->setChecked(true);
    Gaszeilen_anzeigen(SpinEdit_Gaswechsel_m, ComboBox_Gaswechsel, a.Gaswechsel_m, a.Gaswechsel_Gas,
                       f.Gaswechsel_Zeilen);
    BitBtn_GaswechselOK->setEnabled(f.Gaswechsel_Zeilen);
    Button_GasNeu->setEnabled(f.Gaswechsel_Zeilen);

    CheckBox_AirBreak_OK->setChecked(A::AirBreak_OK);
    Gasliste_fuellen(ComboBox_AirBreak_GasNum, Gasnamen(), a.AirBreak_Gas);
    SpinEdit_AirBreak_minAbstand->setValue(a.AirBreak_Abstand);
    SpinEdit_AirBreak_minDauer->setValue(a.AirBreak_Dauer);
    for (QWidget* w : {static_cast<QWidget*>(ComboBox_AirBreak_GasNum),
                       static_cast<QWidget*>(SpinEdit_AirBreak_minAbstand),
                       static_cast<QWidget*>(SpinEdit_AirBreak_minDauer)})
        w->setEnabled(f.AirBreak_Felder);

    (A::Aufstieg_Setpoint_variabel ? CheckBox_not_pO2_const : CheckBox_pO2_const)->setChecked(true);
    CheckBox_pO2_const->setEnabled(f.Setpoint_Tabelle);
    CheckBox_not_pO2_const->setEnabled(f.Setpoint_Tabelle);
    Edit_pO2_const->setText(QString::fromStdString(a.pO2_const).trimmed());
    Edit_pO2_const->setEnabled(f.pO2_konstant);
    for (std::size_t k = 0; k < 3; ++k) {
        SpinEdit_mp[k]->setValue(a.mp[k]);
        Edit_yp[k]->setText(QString::fromStdString(a.yp[k]).trimmed());
        SpinEdit_mp[k]->setEnabled(f.pO2_Zeilen);
        Edit_yp[k]->setEnabled(f.pO2_Zeilen);
    }
    Button_pO2OK->setEnabled(f.Setpoint_Tabelle);
    CheckBox_BailOut_do->setChecked(A::Bail_Out);
    CheckBox_BailOut_do->setEnabled(f.Bail_Out);

    CheckBox_Sicherheit_BuehlmannOK->setChecked(S::Buehlmann_Tiefenzuschlag);
    CheckBox_Sicherheit_BakerOK->setChecked(S::GF_verwenden);
    CheckBox_Sicherheit_BakerOK->setText(QString::fromStdString(A::Baker_Beschriftung()));
    SpinEdit_Sicherheit_Baker_GFLo->setValue(a.GF_Lo);
    SpinEdit_Sicherheit_Baker_GFHi->setValue(a.GF_Hi);
    SpinEdit_Sicherheit_Baker_GFLo->setEnabled(f.GF_Felder);
    SpinEdit_Sicherheit_Baker_GFHi->setEnabled(f.GF_Felder);
    CheckBox_Sicherheit_DeepStopOK->setChecked(S::Deep_Stop_verwenden);
    CheckBox_Sicherheit_DeepStopOK->setText(
        QString::fromStdString(Unit_Tools::Text_waehlen("Zusätzlichen tiefen Dekostop (Deep Stop, Pyle Stop)",
                                                        "Additional deep stop (Deep Stop, Pyle Stop)")));
    Kontingenz_anzeigen();
    Fuellen_laeuft = false;
}

void T_Form_AustauchPlanung::Kontingenz_anzeigen() {
    using Unit_Tools::Text_waehlen;
    CheckBox_Kontingenzplaene->setText(QString::fromStdString(
        Text_waehlen("Kontingenzpläne nach \"Austauchen\" (länger, tiefer, ohne jedes Aufstiegsgas)",
                     "Contingency plans after Ascend (longer, deeper, without each ascent gas)")));
    Label_Kontingenz_Zeit->setText(
        QString::fromStdString(Text_waehlen("länger um (min)", "longer by (min)")));
    Label_Kontingenz_Tiefe->setText(QString::fromStdString(Text_waehlen("tiefer um (m)", "deeper by (m)")));
    CheckBox_Kontingenzplaene->setChecked(K::Kontingenzplaene_an);
    SpinEdit_Kontingenz_Zeit->setValue(K::min_Kontingenz_Zeit);
    SpinEdit_Kontingenz_Tiefe->setValue(K::m_Kontingenz_Tiefe);
    SpinEdit_Kontingenz_Zeit->setEnabled(K::Kontingenzplaene_an);
    SpinEdit_Kontingenz_Tiefe->setEnabled(K::Kontingenzplaene_an);
}
