#include "ui/displays/T_Form_sData_Waypoints_edit.hpp"

#include "commands/Unit_sData_Waypoints_Edit.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>
#include <optional>

namespace E = Unit_sData_Waypoints_Edit;

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s).trimmed();
}

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QLineEdit* Zahlfeld(QWidget* Eltern, const char* Name, bool nur_lesen = false) {
    auto* e = benannt(new QLineEdit(Eltern), Name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(90);
    e->setReadOnly(nur_lesen);
    return e;
}

// A label without a tag beside a field; its text follows the language when the window is shown.
QLabel* Beschriftung_ohne_Tag(QWidget* Feld) {
    auto* l = new QLabel(Feld->parentWidget());
    l->setBuddy(Feld);
    return l;
}

// The numbers of the fields, or none (with the message of the first that is no number): a typing
// slip must not become 0 on every following waypoint.
template <std::size_t N>
std::optional<std::array<float, N>> Zahlen(const std::array<const QLineEdit*, N>& Felder) {
    std::array<float, N> Werte{};
    for (std::size_t k = 0; k < N; ++k) {
        const std::string Text = Felder[k]->text().toStdString();
        long double x = 0;
        if (!Unit_Tools::Zahl_umwandeln(Text, x) || !std::isfinite(x)) {
            Unit_Tools::Zahl_lesen(Text);
            return std::nullopt;
        }
        Werte[k] = static_cast<float>(x);
    }
    return Werte;
}
} // namespace

T_Form_sData_Waypoints_edit::T_Form_sData_Waypoints_edit(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("T_Form_sData_Waypoints_edit");
    Tag_setzen(this, 51);
    Aufbauen();
    Verbinden();
    Beschriftungen_anwenden(this);
    Beschriftungen_setzen();
}

void T_Form_sData_Waypoints_edit::Aufbauen() {
    auto* Gitter = new QGridLayout(this);
    SpinEdit_i = benannt(new QSpinBox(this), "SpinEdit_i");
    Edit_wRuntime = Zahlfeld(this, "Edit_wRuntime", true);
    Edit_wTiefe = Zahlfeld(this, "Edit_wTiefe", true);
    ComboBox_wTauchgeraet = benannt(new QComboBox(this), "ComboBox_wTauchgeraet");
    ComboBox_wTauchgeraet->addItems({"OC", "CCR", "SCR", "pSCR"});
    Edit_wCCR_pO2 = Zahlfeld(this, "Edit_wCCR_pO2");
    Edit_wL_pro_min_ConstantFlow = Zahlfeld(this, "Edit_wL_pro_min_ConstantFlow");
    ComboBox_wGasgemisch_Num = benannt(new QComboBox(this), "ComboBox_wGasgemisch_Num");
    Label_Runtime = Beschriftung_ohne_Tag(Edit_wRuntime);
    Label_Setpoint = Beschriftung_ohne_Tag(Edit_wCCR_pO2);
    Label_Flow = Beschriftung_ohne_Tag(Edit_wL_pro_min_ConstantFlow);
    const std::pair<QLabel*, QWidget*> Zeilen[] = {
        {Beschriftung_fuer(SpinEdit_i, 314), SpinEdit_i},
        {Label_Runtime, Edit_wRuntime},
        {Beschriftung_fuer(Edit_wTiefe, 315), Edit_wTiefe},
        {Beschriftung_fuer(ComboBox_wTauchgeraet, 316), ComboBox_wTauchgeraet},
        {Label_Setpoint, Edit_wCCR_pO2},
        {Label_Flow, Edit_wL_pro_min_ConstantFlow},
        {Beschriftung_fuer(ComboBox_wGasgemisch_Num, 317), ComboBox_wGasgemisch_Num}};
    int r = 0;
    for (const auto& [Label, Feld] : Zeilen) {
        Gitter->addWidget(Label, r, 0);
        Gitter->addWidget(Feld, r++, 1);
    }
    CheckBox5 = benannt(new QCheckBox(this), "CheckBox5", 319);
    CheckBox6 = benannt(new QCheckBox(this), "CheckBox6", 320);
    Button_uebernehmen = benannt(new QPushButton(this), "Button_uebernehmen", 318);
    Gitter->addWidget(CheckBox5, r++, 0, 1, 2);
    Gitter->addWidget(CheckBox6, r++, 0, 1, 2);
    Gitter->addWidget(Button_uebernehmen, r++, 0, 1, 2);

    GroupBox_Hoehle = benannt(new QGroupBox(this), "GroupBox_Hoehle", 357);
    auto* Hoehle = new QGridLayout(GroupBox_Hoehle);
    Edit_cave_horizontal_distance_m = Zahlfeld(GroupBox_Hoehle, "Edit_cave_horizontal_distance_m");
    Edit_cave_horizontal_velocity_m_pro_min =
        Zahlfeld(GroupBox_Hoehle, "Edit_cave_horizontal_velocity_m_pro_min");
    Hoehle->addWidget(Beschriftung_fuer(Edit_cave_horizontal_distance_m, 358), 0, 0);
    Hoehle->addWidget(Edit_cave_horizontal_distance_m, 0, 1);
    Hoehle->addWidget(Beschriftung_fuer(Edit_cave_horizontal_velocity_m_pro_min, 359), 1, 0);
    Hoehle->addWidget(Edit_cave_horizontal_velocity_m_pro_min, 1, 1);
    Button_cave_calibrate = benannt(new QPushButton(GroupBox_Hoehle), "Button_cave_calibrate", 360);
    Button_cave_delete = benannt(new QPushButton(GroupBox_Hoehle), "Button_cave_delete", 361);
    Hoehle->addWidget(Button_cave_calibrate, 2, 0);
    Hoehle->addWidget(Button_cave_delete, 2, 1);
    Gitter->addWidget(GroupBox_Hoehle, r++, 0, 1, 2);
    ButtonClose = benannt(new QPushButton(this), "ButtonClose", 125);
    Gitter->addWidget(ButtonClose, r, 1);
}

void T_Form_sData_Waypoints_edit::Verbinden() {
    connect(SpinEdit_i, &QSpinBox::valueChanged, this, &T_Form_sData_Waypoints_edit::Wegpunkt_zeigen);
    connect(ComboBox_wTauchgeraet, &QComboBox::activated, this, [this] {
        Felder_freigeben();
        markieren(Geraet);
    });
    const auto Zahl_markiert = [this](QLineEdit* Feld, Marke m) {
        connect(Feld, &QLineEdit::textEdited, this, [this, m](const QString& Text) {
            long double x = 0;
            if (Unit_Tools::Zahl_umwandeln(Text.toStdString(), x)) markieren(m);
        });
    };
    Zahl_markiert(Edit_wCCR_pO2, Setpoint);
    Zahl_markiert(Edit_wL_pro_min_ConstantFlow, Flow);
    connect(ComboBox_wGasgemisch_Num, &QComboBox::activated, this, [this] { markieren(Gas); });
    connect(CheckBox6, &QCheckBox::toggled, this, [this](bool an) {
        if (an) CheckBox5->setChecked(true);
    });
    connect(Button_uebernehmen, &QPushButton::clicked, this, &T_Form_sData_Waypoints_edit::Uebernehmen_klick);
    connect(Button_cave_calibrate, &QPushButton::clicked, this,
            &T_Form_sData_Waypoints_edit::Kalibrieren_klick);
    connect(Button_cave_delete, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren(E::Kalibrierungen_loeschen);
        Wegpunkt_zeigen(SpinEdit_i->value());
    });
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void T_Form_sData_Waypoints_edit::Beschriftungen_setzen() {
    Label_Runtime->setText("Runtime (min) =");
    Label_Setpoint->setText(T("CCR Setpoint (bar) =", "CCR setpoint (bar) ="));
    Label_Flow->setText(T("SCR Konstantfluss (L/min) =", "SCR constant flow (L/min) ="));
}

void T_Form_sData_Waypoints_edit::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    namespace G = Unit_Gasgemisch_BestMix;
    ComboBox_wGasgemisch_Num->clear();
    for (int i = 0; i <= G::Gasgemisch_NumMax; ++i)
        ComboBox_wGasgemisch_Num->addItem(Q(G::Gasgemisch[static_cast<std::size_t>(i)].Name));
    const int n = std::max(0, Unit_WayPoints::WayPoint_Anzahl);
    {
        const QSignalBlocker still(SpinEdit_i);
        SpinEdit_i->setRange(0, n);
        SpinEdit_i->setValue(E::Startwegpunkt());
    }
    SpinEdit_i->setEnabled(n > 0);
    Wegpunkt_zeigen(SpinEdit_i->value());
    QDialog::showEvent(Ereignis);
}

void T_Form_sData_Waypoints_edit::Zeitcursor_gefolgt() {
    if (!isVisible() || Unit_WayPoints::Grafikmodus != 2) return;
    const int i = E::Wegpunkt_zur_Runtime(Unit_Graph_Utilities::Cursor_min_Runtime);
    const QSignalBlocker still(SpinEdit_i);
    SpinEdit_i->setValue(i);
    Felder_fuellen(i);
}

void T_Form_sData_Waypoints_edit::Wegpunkt_zeigen(int i) {
    Befehl_ausfuehren([i] { E::Wegpunkt_waehlen(i); });
    Felder_fuellen(i);
}

void T_Form_sData_Waypoints_edit::Felder_fuellen(int i) {
    const E::Anzeige a = E::Wegpunkt_anzeigen(i);
    Edit_wRuntime->setText(Q(a.Runtime));
    Edit_wTiefe->setText(Q(a.Tiefe));
    ComboBox_wTauchgeraet->setCurrentIndex(a.Tauchgeraet);
    Edit_wCCR_pO2->setText(Q(a.CCR_Setpoint));
    Edit_wL_pro_min_ConstantFlow->setText(Q(a.SCR_Flow));
    ComboBox_wGasgemisch_Num->setCurrentIndex(a.Gas_Nr);
    Edit_cave_horizontal_distance_m->setText(Q(a.Entfernung));
    Edit_cave_horizontal_velocity_m_pro_min->setText(Q(a.Geschwindigkeit));
    Felder_freigeben();
    Marken_loeschen();
}

void T_Form_sData_Waypoints_edit::Felder_freigeben() {
    Edit_wCCR_pO2->setEnabled(ComboBox_wTauchgeraet->currentIndex() == 1);
    Edit_wL_pro_min_ConstantFlow->setEnabled(ComboBox_wTauchgeraet->currentIndex() == 2);
}

void T_Form_sData_Waypoints_edit::markieren(Marke m) {
    geaendert[m] = true;
    Button_uebernehmen->setEnabled(true);
    CheckBox6->setChecked(false);
    CheckBox5->setChecked(true);
}

void T_Form_sData_Waypoints_edit::Marken_loeschen() {
    geaendert.fill(false);
    Button_uebernehmen->setEnabled(false);
    CheckBox5->setChecked(false);
}

void T_Form_sData_Waypoints_edit::Uebernehmen_klick() {
    const auto Werte = Zahlen<2>({Edit_wCCR_pO2, Edit_wL_pro_min_ConstantFlow});
    if (!Werte) return;
    const E::Atemwerte Neu{ComboBox_wTauchgeraet->currentIndex(), (*Werte)[0], (*Werte)[1],
                           ComboBox_wGasgemisch_Num->currentIndex()};
    const auto w = CheckBox6->isChecked()   ? E::Weitergabe::alle_folgenden
                   : CheckBox5->isChecked() ? E::Weitergabe::gleicher_Inhalt
                                            : E::Weitergabe::nur_dieser;
    const int s = SpinEdit_i->value();
    Befehl_ausfuehren([&] { E::Aenderungen_uebernehmen(s, Neu, w); });
    Wegpunkt_zeigen(s);
}

void T_Form_sData_Waypoints_edit::Kalibrieren_klick() {
    const auto Werte = Zahlen<2>({Edit_cave_horizontal_distance_m, Edit_cave_horizontal_velocity_m_pro_min});
    if (!Werte) return;
    const int k = SpinEdit_i->value();
    Befehl_ausfuehren([&] { E::Kalibrieren(k, (*Werte)[0], (*Werte)[1]); });
    Wegpunkt_zeigen(k);
}
