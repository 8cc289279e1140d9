#include "ui/planning/T_Form_Abtauchplanung.hpp"

#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_UI.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/planning/Planungsfelder.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace A = Unit_AbtauchPlanung;
} // namespace

T_Form_Abtauchplanung::T_Form_Abtauchplanung(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Abtauchplanung");
    Tag_setzen(this, 109);
    auto* Spalte = new QVBoxLayout(this);
    CheckBox_Abstieg = benannt(new QCheckBox(this), "CheckBox_Abstieg", 124);
    Spalte->addWidget(CheckBox_Abstieg);
    PageControl = Seiten_mit_Schliessen(this, Spalte,
                                        {Seite_Geschwindigkeit_anlegen(), Seite_BubbleCheck_anlegen(),
                                         Seite_Gaswechsel_anlegen(), Seite_pO2_anlegen()},
                                        ButtonClose);

    const auto neu_zeichnen = [this] { aktualisieren(); };
    const auto Wahl = [&](QRadioButton* Knopf, bool& Flag, bool Wert) {
        Wahl_verbinden(Knopf, Flag, Wert, Fuellen_laeuft, neu_zeichnen);
    };
    Schalter_verbinden(CheckBox_Abstieg, A::Abstiegsplanung_verwenden, Fuellen_laeuft, neu_zeichnen);
    Wahl(CheckBox_AbstiegConst_OK, A::Abstieg_Geschwindigkeit_variabel, false);
    Wahl(CheckBox_AbstiegVariabel_OK, A::Abstieg_Geschwindigkeit_variabel, true);
    Wahl(CheckBox_Gaswechsel_beim_Abstieg_NO, A::Abstieg_Gaswechsel_OK, false);
    Wahl(CheckBox_Gaswechsel_beim_Abstieg_YES, A::Abstieg_Gaswechsel_OK, true);
    Wahl(CheckBox_pO2_const, A::Abstieg_Setpoint_variabel, false);
    Wahl(CheckBox_not_pO2_const, A::Abstieg_Setpoint_variabel, true);
    Schalter_verbinden(CheckBox_BubbleCheck, A::Bubble_Check, Fuellen_laeuft, neu_zeichnen);
    connect(BitBtn_Abstieg, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren([this] {
            A::Geschwindigkeit_uebernehmen(SpinEdit_vConst->value(), Werte(SpinEdit_m), Werte(SpinEdit_v));
        });
        aktualisieren();
    });
    connect(BitBtn_BubbleCheck, &QPushButton::clicked, this, [this] {
        A::BubbleCheck_uebernehmen(CheckBox_BubbleCheck->isChecked(), SpinEdit_BubbleCheck_m->value(),
                                   SpinEdit_BubbleCheck_min->value());
        aktualisieren();
    });
    connect(BitBtn_Gaswechsel_Abstieg_OK, &QPushButton::clicked, this, [this] {
        std::array<int32_t, 5> m{}, Gas{};
        for (std::size_t k = 0; k < 5; ++k) {
            m[k] = SpinEdit_Gaswechsel_m[k]->value();
            Gas[k] = ComboBox_Gaswechsel[k]->currentIndex();
        }
        Befehl_ausfuehren([&] { A::Gaswechsel_uebernehmen(m, Gas); });
        aktualisieren();
    });
    connect(Button_pO2OK, &QPushButton::clicked, this, [this] {
        const std::array<std::string, 3> pO2{Edit_yp[0]->text().toStdString(),
                                             Edit_yp[1]->text().toStdString(),
                                             Edit_yp[2]->text().toStdString()};
        Befehl_ausfuehren(
            [&] { A::Setpoint_uebernehmen(Edit_pO2_const->text().toStdString(), Werte(SpinEdit_mp), pO2); });
        aktualisieren();
    });
    Beschriftungen_anwenden(this);
    aktualisieren();
}

QWidget* T_Form_Abtauchplanung::Seite_Geschwindigkeit_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Geschwindigkeit", 110);
    auto* g = new QGridLayout(Seite);
    CheckBox_AbstiegConst_OK = benannt(new QRadioButton(Seite), "CheckBox_AbstiegConst_OK", 111);
    SpinEdit_vConst = Zahlfeld(Seite, "SpinEdit_vConst", 1, 100);
    CheckBox_AbstiegVariabel_OK = benannt(new QRadioButton(Seite), "CheckBox_AbstiegVariabel_OK", 113);
    for (int k = 0; k < 3; ++k) {
        SpinEdit_m[k] = Zahlfeld(Seite, QString("SpinEdit_m%1").arg(k + 1), 0, 350);
        SpinEdit_v[k] = Zahlfeld(Seite, QString("SpinEdit_v%1").arg(k + 1), 1, k < 2 ? 50 : 100);
    }
    BitBtn_Abstieg = OK_Knopf(Seite, "BitBtn_Abstieg");
    const int z = anordnen(g, 0,
                           {CheckBox_AbstiegConst_OK,
                            112,
                            SpinEdit_vConst,
                            CheckBox_AbstiegVariabel_OK,
                            114,
                            {SpinEdit_m[0], SpinEdit_m[1], SpinEdit_m[2]},
                            {SpinEdit_v[0], SpinEdit_v[1], SpinEdit_v[2]},
                            BitBtn_Abstieg});
    g->setRowStretch(z, 1);
    return Seite;
}

QWidget* T_Form_Abtauchplanung::Seite_BubbleCheck_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_BubbleCheck", 30);
    auto* g = new QGridLayout(Seite);
    CheckBox_BubbleCheck = benannt(new QCheckBox(Seite), "CheckBox_BubbleCheck", 115);
    SpinEdit_BubbleCheck_m = Zahlfeld(Seite, "SpinEdit_BubbleCheck_m", 1, 50);
    SpinEdit_BubbleCheck_min = Zahlfeld(Seite, "SpinEdit_BubbleCheck_min", 1, 60);
    BitBtn_BubbleCheck = OK_Knopf(Seite, "BitBtn_BubbleCheck");
    g->addWidget(CheckBox_BubbleCheck, 0, 0, 1, 2);
    g->addWidget(Beschriftung_fuer(SpinEdit_BubbleCheck_m, 116), 1, 0);
    g->addWidget(SpinEdit_BubbleCheck_m, 1, 1);
    g->addWidget(Beschriftung_fuer(SpinEdit_BubbleCheck_min, 117), 2, 0);
    g->addWidget(SpinEdit_BubbleCheck_min, 2, 1);
    g->addWidget(BitBtn_BubbleCheck, 3, 1);
    g->setRowStretch(4, 1);
    return Seite;
}

QWidget* T_Form_Abtauchplanung::Seite_Gaswechsel_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_Gaswechsel", 118);
    auto* g = new QGridLayout(Seite);
    CheckBox_Gaswechsel_beim_Abstieg_NO =
        benannt(new QRadioButton(Seite), "CheckBox_Gaswechsel_beim_Abstieg_NO", 119);
    CheckBox_Gaswechsel_beim_Abstieg_YES =
        benannt(new QRadioButton(Seite), "CheckBox_Gaswechsel_beim_Abstieg_YES", 120);
    g->addWidget(CheckBox_Gaswechsel_beim_Abstieg_NO, 0, 0, 1, 2);
    g->addWidget(CheckBox_Gaswechsel_beim_Abstieg_YES, 1, 0, 1, 2);
    g->addWidget(Beschriftung_mit_Tag(Seite, 116), 2, 0);
    g->addWidget(Beschriftung_mit_Tag(Seite, 121), 2, 1);
    for (int k = 0; k < 5; ++k) {
        SpinEdit_Gaswechsel_m[k] =
            Zahlfeld(Seite, QString("SpinEdit_Gaswechsel_m%1").arg(k + 1), k == 0 ? 0 : 1, 350);
        ComboBox_Gaswechsel[k] = benannt(new QComboBox(Seite), QString("ComboBox_Gaswechsel%1").arg(k + 1));
        ComboBox_Gaswechsel[k]->setMinimumContentsLength(12);
        Gaszeile_benennen(SpinEdit_Gaswechsel_m[k], ComboBox_Gaswechsel[k], k, 116, 121);
        g->addWidget(SpinEdit_Gaswechsel_m[k], 3 + k, 0);
        g->addWidget(ComboBox_Gaswechsel[k], 3 + k, 1);
    }
    BitBtn_Gaswechsel_Abstieg_OK = OK_Knopf(Seite, "BitBtn_Gaswechsel_Abstieg_OK");
    g->addWidget(BitBtn_Gaswechsel_Abstieg_OK, 8, 1);
    g->setRowStretch(9, 1);
    return Seite;
}

QWidget* T_Form_Abtauchplanung::Seite_pO2_anlegen() {
    auto* Seite = benannt(new QWidget, "TabSheet_pO2", 32);
    auto* g = new QGridLayout(Seite);
    g->addWidget(Beschriftung_mit_Tag(Seite, 122), 0, 0, 1, 3);
    CheckBox_pO2_const = benannt(new QRadioButton(Seite), "CheckBox_pO2_const", 111);
    Edit_pO2_const = Setpointfeld(Seite, "Edit_pO2_const");
    CheckBox_not_pO2_const = benannt(new QRadioButton(Seite), "CheckBox_not_pO2_const", 113);
    for (int k = 0; k < 3; ++k) {
        SpinEdit_mp[k] = Zahlfeld(Seite, QString("SpinEdit_mp%1").arg(k + 1), k == 0 ? 0 : 1, 350);
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
    g->setRowStretch(z, 1);
    return Seite;
}

void T_Form_Abtauchplanung::Zeigen(Seite Auf) {
    aktualisieren();
    PageControl->setCurrentIndex(Auf);
    exec();
}

void T_Form_Abtauchplanung::aktualisieren() {
    Fuellen_laeuft = true;
    const A::Freigabe_Type f = A::Freigaben(Unit_WayPoints::Tauchgeraet);
    const A::Anzeige_Type a = A::Anzeige();
    CheckBox_Abstieg->setChecked(A::Abstiegsplanung_verwenden);
    PageControl->setTabEnabled(Seite_Geschwindigkeit, f.Seite_Geschwindigkeit);
    PageControl->setTabEnabled(Seite_BubbleCheck, f.Seite_BubbleCheck);
    PageControl->setTabEnabled(Seite_Gaswechsel, f.Seite_Gaswechsel);
    PageControl->setTabEnabled(Seite_pO2, f.Seite_pO2);

    (A::Abstieg_Geschwindigkeit_variabel ? CheckBox_AbstiegVariabel_OK : CheckBox_AbstiegConst_OK)
        ->setChecked(true);
    SpinEdit_vConst->setValue(a.vConst);
    SpinEdit_vConst->setEnabled(f.vConst);
    for (std::size_t k = 0; k < 3; ++k) {
        SpinEdit_m[k]->setValue(a.m[k]);
        SpinEdit_v[k]->setValue(a.v[k]);
        SpinEdit_m[k]->setEnabled(f.v_Tabelle);
        SpinEdit_v[k]->setEnabled(f.v_Tabelle);
    }

    CheckBox_BubbleCheck->setChecked(A::Bubble_Check);
    SpinEdit_BubbleCheck_m->setValue(a.BubbleCheck_m);
    SpinEdit_BubbleCheck_min->setValue(a.BubbleCheck_min);
    SpinEdit_BubbleCheck_m->setEnabled(f.BubbleCheck_Felder);
    SpinEdit_BubbleCheck_min->setEnabled(f.BubbleCheck_Felder);

    (A::Abstieg_Gaswechsel_OK ? CheckBox_Gaswechsel_beim_Abstieg_YES : CheckBox_Gaswechsel_beim_Abstieg_NO)
        ->setChecked(true);
    Gaszeilen_anzeigen(SpinEdit_Gaswechsel_m, ComboBox_Gaswechsel, a.Gaswechsel_m, a.Gaswechsel_Gas,
                       f.Gaswechsel_Zeilen);
    BitBtn_Gaswechsel_Abstieg_OK->setEnabled(f.Gaswechsel_Zeilen);

    (A::Abstieg_Setpoint_variabel ? CheckBox_not_pO2_const : CheckBox_pO2_const)->setChecked(true);
    Edit_pO2_const->setText(QString::fromStdString(a.pO2_const).trimmed());
    Edit_pO2_const->setEnabled(f.pO2_konstant);
    for (std::size_t k = 0; k < 3; ++k) {
        SpinEdit_mp[k]->setValue(a.mp[k]);
        Edit_yp[k]->setText(QString::fromStdString(a.yp[k]).trimmed());
        SpinEdit_mp[k]->setEnabled(f.pO2_Tabelle);
        Edit_yp[k]->setEnabled(f.pO2_Tabelle);
    }
    Fuellen_laeuft = false;
}
