#include "ui/settings/Einstellungsseiten_Rechnung.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Gasnummern.hpp"
#include "planning/Unit_Saettigungsrechnung.hpp"
#include "settings/Unit_Einstellungen_Rechnung.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/gases/T_Form_Gasgemisch.hpp"
#include "ui/settings/T_Form_ModelleZeigen.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <vector>

namespace {
namespace E = Unit_Einstellungen_Rechnung;
namespace K = Unit_CCR_SCR;
namespace S = Unit_Saettigungsmodelle;
namespace G = Unit_Gasgemisch_BestMix;
namespace V = Unit_Gasverbrauch;
namespace W = Unit_WayPoints;
namespace A = Unit_AustauchPlanung;

QString Q(const std::string& t) {
    return QString::fromStdString(t);
}

QString T(const char* Deutsch, const char* Englisch) {
    return Q(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QStringList Liste(const std::vector<std::string>& Texte) {
    QStringList l;
    for (const auto& t : Texte) l << Q(t);
    return l;
}

QSpinBox* Zahlfeld(QWidget* Eltern, const QString& Name, int von, int bis) {
    auto* s = benannt(new QSpinBox(Eltern), Name);
    s->setRange(von, bis);
    s->setAlignment(Qt::AlignRight);
    // A number is taken when it is complete, not digit by digit.
    s->setKeyboardTracking(false);
    return s;
}

// A setting with decimals, bounded as the settings file bounds it.
QDoubleSpinBox* Kommazahlfeld(QWidget* Eltern, const QString& Name, double von, double bis, double Schritt) {
    auto* s = benannt(new QDoubleSpinBox(Eltern), Name);
    s->setDecimals(2);
    s->setRange(von, bis);
    s->setSingleStep(Schritt);
    s->setAlignment(Qt::AlignRight);
    s->setKeyboardTracking(false);
    return s;
}

QLabel* Text_mit_Tag(QWidget* Eltern, int Tag) {
    auto* l = new QLabel(Eltern);
    Tag_setzen(l, Tag);
    return l;
}

QLineEdit* Anzeigefeld(QWidget* Eltern, const QString& Name) {
    auto* e = benannt(new QLineEdit(Eltern), Name);
    e->setReadOnly(true);
    e->setMaximumWidth(90);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QPushButton* Knopf(QWidget* Eltern, const QString& Name, int Tag, const QString& Text = {}) {
    auto* b = benannt(new QPushButton(Text, Eltern), Name, Tag);
    b->setAccessibleName(Name);
    return b;
}

Radiogruppe* Auswahl(QWidget* Eltern, const QString& Name, int Tag, const QStringList& Eintraege) {
    auto* r = benannt(new Radiogruppe(Eltern), Name, Tag);
    r->setEintraege(Eintraege);
    return r;
}

QComboBox* O2_Auswahl(QWidget* Eltern, const QString& Name) {
    auto* c = benannt(new QComboBox(Eltern), Name);
    c->addItems(Liste(E::O2_Verbrauch_Texte()));
    return c;
}

// Loading the controls from the settings writes nothing back: every control of the page keeps
// quiet until the blockers go (the inner parts of Qt's own controls are left alone).
std::vector<QSignalBlocker> Signale_sperren(QWidget* Seite) {
    std::vector<QSignalBlocker> Sperren;
    for (QObject* o : Seite->findChildren<QObject*>()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith("qt_")) continue;
        if (qobject_cast<QAbstractButton*>(o) || qobject_cast<QAbstractSpinBox*>(o) ||
            qobject_cast<QComboBox*>(o) || qobject_cast<QLineEdit*>(o) || qobject_cast<QListWidget*>(o) ||
            qobject_cast<Radiogruppe*>(o))
            Sperren.emplace_back(o);
    }
    return Sperren;
}

// A page whose caption is not in the caption table names its tab itself.
void Reitertext_setzen(QWidget* Seite, const QString& Text) {
    auto* Stapel = Seite->parentWidget();
    auto* Reiter = Stapel ? qobject_cast<QTabWidget*>(Stapel->parentWidget()) : nullptr;
    if (Reiter && Reiter->indexOf(Seite) >= 0) Reiter->setTabText(Reiter->indexOf(Seite), Text);
}

// Right-click on a group shows its explanation, as its "?" button does.
template <typename Erklaerung> void Erklaerung_anbinden(QGroupBox* Gruppe, QPushButton* Hilfe, Erklaerung e) {
    Gruppe->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Gruppe, &QWidget::customContextMenuRequested, Gruppe, [e] { e(); });
    QObject::connect(Hilfe, &QPushButton::clicked, Gruppe, [e] { e(); });
}

QWidget* Reiterseite(const QString& Name, int Tag) {
    return benannt(new QWidget, Name, Tag);
}

// A grid page: label and control per row, the rest of the height left empty. The label names
// its field for screen readers.
void Zeile(QGridLayout* g, int r, QLabel* Beschriftung, QWidget* Feld) {
    Beschriftung->setBuddy(Feld);
    g->addWidget(Beschriftung, r, 0);
    g->addWidget(Feld, r, 1);
}
} // namespace

// --- Gas consumption ---

Seite_Gasverbrauch::Seite_Gasverbrauch(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Gasverbrauch");
    Tag_setzen(this, 106);
    auto* Spalte = new QVBoxLayout(this);
    PageControl_Gasverbrauch = benannt(new QTabWidget(this), "PageControl_Gasverbrauch");
    PageControl_Gasverbrauch->addTab(Seite_OC_anlegen(), "OC");
    PageControl_Gasverbrauch->addTab(Seite_CCR_anlegen(), "CCR");
    PageControl_Gasverbrauch->addTab(Seite_SCR_anlegen(), "SCR");
    PageControl_Gasverbrauch->addTab(Seite_pSCR_anlegen(), "pSCR");
    Spalte->addWidget(PageControl_Gasverbrauch, 1);
    Spalte->addWidget(Gemeinsames_anlegen());
    Verbinden();
    Beschriftungen_anwenden(this);
    Anzeigen();
}

QWidget* Seite_Gasverbrauch::Seite_OC_anlegen() {
    auto* Seite = Reiterseite("TabSheet_OC", 339);
    auto* g = new QGridLayout(Seite);
    SpinEdit_AMV = Zahlfeld(Seite, "SpinEdit_AMV", 5, 100);
    SpinEdit_AMV_Deko = Zahlfeld(Seite, "SpinEdit_AMV_Deko", 5, 100);
    Zeile(g, 0, Text_mit_Tag(Seite, 210), SpinEdit_AMV);
    Zeile(g, 1, Text_mit_Tag(Seite, 211), SpinEdit_AMV_Deko);
    SpinEdit_Stress_Faktor = Kommazahlfeld(Seite, "SpinEdit_Stress_Faktor", 1, 5, 0.1);
    SpinEdit_Problemloesezeit = Kommazahlfeld(Seite, "SpinEdit_Problemloesezeit", 0.5, 10, 0.5);
    Label_Stress_Faktor = new QLabel(Seite);
    Label_Problemloesezeit = new QLabel(Seite);
    Zeile(g, 2, Label_Stress_Faktor, SpinEdit_Stress_Faktor);
    Zeile(g, 3, Label_Problemloesezeit, SpinEdit_Problemloesezeit);
    g->setRowStretch(4, 1);
    g->setColumnStretch(2, 1);
    return Seite;
}

QWidget* Seite_Gasverbrauch::Seite_CCR_anlegen() {
    auto* Seite = Reiterseite("TabSheet_CCR", 340);
    auto* g = new QGridLayout(Seite);
    ComboBox_CCR_O2_Verbrauch = O2_Auswahl(Seite, "ComboBox_CCR_O2_Verbrauch");
    SpinEdit_CCR_Volumen = Zahlfeld(Seite, "SpinEdit_CCR_Volumen", 1, 15);
    Edit_CCR_Setpoint = Anzeigefeld(Seite, "Edit_CCR_Setpoint");
    Edit_CCR_Setpoint_Genauigkeit = Anzeigefeld(Seite, "Edit_CCR_Setpoint_Genauigkeit");
    SpinEdit_CCR_spuelen = Zahlfeld(Seite, "SpinEdit_CCR_spuelen", 0, 10);
    SpinEdit_CCR_O2_Zufuhr = Zahlfeld(Seite, "SpinEdit_CCR_O2_Zufuhr", 1, 20);
    Zeile(g, 0, Text_mit_Tag(Seite, 212), ComboBox_CCR_O2_Verbrauch);
    Zeile(g, 1, Text_mit_Tag(Seite, 214), SpinEdit_CCR_O2_Zufuhr);
    Zeile(g, 2, Text_mit_Tag(Seite, 213), SpinEdit_CCR_Volumen);
    Zeile(g, 3, Text_mit_Tag(Seite, 216), SpinEdit_CCR_spuelen);
    Zeile(g, 4, Text_mit_Tag(Seite, 82), Edit_CCR_Setpoint);
    Zeile(g, 5, Text_mit_Tag(Seite, 215), Edit_CCR_Setpoint_Genauigkeit);
    g->addWidget(Text_mit_Tag(Seite, 218), 6, 0, 1, 2);
    g->setRowStretch(7, 1);
    g->setColumnStretch(2, 1);
    return Seite;
}

QWidget* Seite_Gasverbrauch::Seite_SCR_anlegen() {
    auto* Seite = Reiterseite("TabSheet_SCR", 341);
    auto* g = new QGridLayout(Seite);
    ComboBox_SCR_O2_Verbrauch = O2_Auswahl(Seite, "ComboBox_SCR_O2_Verbrauch");
    SpinEdit_SCR_Volumen = Zahlfeld(Seite, "SpinEdit_SCR_Volumen", 1, 15);
    SpinEdit_SCR_spuelen = Zahlfeld(Seite, "SpinEdit_SCR_spuelen", 0, 10);
    Zeile(g, 0, Text_mit_Tag(Seite, 212), ComboBox_SCR_O2_Verbrauch);
    Zeile(g, 1, Text_mit_Tag(Seite, 213), SpinEdit_SCR_Volumen);
    Zeile(g, 2, Text_mit_Tag(Seite, 216), SpinEdit_SCR_spuelen);
    RadioGroup_SCR_Formel = Auswahl(Seite, "RadioGroup_SCR_Formel", 217, {"", ""});
    BitBtn_SCR_OK = Knopf(Seite, "BitBtn_SCR_OK", 0, "OK");
    g->addWidget(RadioGroup_SCR_Formel, 3, 0, 1, 2);
    g->addWidget(BitBtn_SCR_OK, 4, 1);
    g->setRowStretch(5, 1);
    g->setColumnStretch(2, 1);
    return Seite;
}

QWidget* Seite_Gasverbrauch::Seite_pSCR_anlegen() {
    auto* Seite = Reiterseite("TabSheet_pSCR", 0);
    auto* g = new QGridLayout(Seite);
    ComboBox_pSCR_O2_Verbrauch = O2_Auswahl(Seite, "ComboBox_pSCR_O2_Verbrauch");
    SpinEdit_pSCR_Volumen = Zahlfeld(Seite, "SpinEdit_pSCR_Volumen", 1, 15);
    SpinEdit_pSCR_spuelen_min = Zahlfeld(Seite, "SpinEdit_pSCR_spuelen_min", 1, 1000);
    SpinEdit_pSCR_AMV = Zahlfeld(Seite, "SpinEdit_pSCR_AMV", 5, 100);
    SpinEdit_pSCR_spuelen_m = Zahlfeld(Seite, "SpinEdit_pSCR_spuelen_m", 1, 1000);
    SpinEdit_pSCR_DumpRatio = Zahlfeld(Seite, "SpinEdit_pSCR_DumpRatio", 5, 100);
    CheckBox_pSCR_spuelen_Aufstieg = benannt(new QCheckBox(Seite), "CheckBox_pSCR_spuelen_Aufstieg", 356);
    Zeile(g, 0, Text_mit_Tag(Seite, 212), ComboBox_pSCR_O2_Verbrauch);
    Zeile(g, 1, Text_mit_Tag(Seite, 213), SpinEdit_pSCR_Volumen);
    Zeile(g, 2, Text_mit_Tag(Seite, 210), SpinEdit_pSCR_AMV);
    Zeile(g, 3, new QLabel("pSCR dump ratio (%)", Seite), SpinEdit_pSCR_DumpRatio);
    Zeile(g, 4, Text_mit_Tag(Seite, 347), SpinEdit_pSCR_spuelen_min);
    Zeile(g, 5, Text_mit_Tag(Seite, 348), SpinEdit_pSCR_spuelen_m);
    g->addWidget(CheckBox_pSCR_spuelen_Aufstieg, 6, 0, 1, 2);
    g->setRowStretch(7, 1);
    g->setColumnStretch(2, 1);
    return Seite;
}

QGroupBox* Seite_Gasverbrauch::Gemeinsames_anlegen() {
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_Gasverbrauch_alle");
    auto* g = new QGridLayout(Gruppe);
    CheckBox_p_H2O = benannt(new QCheckBox(Gruppe), "CheckBox_p_H2O", 219);
    Edit_p_H2O = Anzeigefeld(Gruppe, "Edit_p_H2O");
    CheckBox_Gaswechsel_warten = benannt(new QCheckBox(Gruppe), "CheckBox_Gaswechsel_warten", 220);
    SpinEdit_Gaswechsel_warten = Zahlfeld(Gruppe, "SpinEdit_Gaswechsel_warten", 1, 10);
    SpinEdit_Sicherheitszuschlag = Zahlfeld(Gruppe, "SpinEdit_Sicherheitszuschlag", 0, 100);
    SpinEdit_Sicherheitszuschlag->setSuffix(" %");
    Name_geben(Edit_p_H2O, [] { return Beschriftung(219) + " (bar)"; });
    BitBtn_Gasverbrauch_Standard = Knopf(Gruppe, "BitBtn_Gasverbrauch_Standard", 153);
    g->addWidget(CheckBox_p_H2O, 0, 0);
    g->addWidget(Edit_p_H2O, 0, 1);
    g->addWidget(new QLabel("bar", Gruppe), 0, 2);
    g->addWidget(CheckBox_Gaswechsel_warten, 1, 0);
    g->addWidget(Beschriftung_fuer(SpinEdit_Gaswechsel_warten, 221), 2, 0, Qt::AlignRight);
    g->addWidget(SpinEdit_Gaswechsel_warten, 2, 1);
    g->addWidget(Beschriftung_fuer(SpinEdit_Sicherheitszuschlag, 222), 3, 0);
    g->addWidget(SpinEdit_Sicherheitszuschlag, 3, 1);
    g->addWidget(BitBtn_Gasverbrauch_Standard, 3, 4);
    g->setColumnStretch(3, 1);
    return Gruppe;
}

void Seite_Gasverbrauch::Verbinden() {
    const auto Zahl = [this](QSpinBox* Feld, auto setzen) {
        connect(Feld, &QSpinBox::valueChanged, this, [this, setzen](int x) {
            setzen(x);
            fertig();
        });
    };
    Zahl(SpinEdit_AMV, [](int x) { V::AMV = x; });
    Zahl(SpinEdit_pSCR_AMV, [](int x) { V::AMV = x; });
    Zahl(SpinEdit_AMV_Deko, [](int x) { V::AMV_Deko = x; });
    Zahl(SpinEdit_CCR_Volumen, [](int x) { K::CCR.L = x; });
    Zahl(SpinEdit_CCR_spuelen, [](int x) { K::CCR.Spuelen_Anzahl = x; });
    Zahl(SpinEdit_CCR_O2_Zufuhr, [](int x) { E::CCR_O2_Zufuhr_setzen(x); });
    Zahl(SpinEdit_SCR_Volumen, [](int x) { K::SCR.L = x; });
    Zahl(SpinEdit_SCR_spuelen, [](int x) { K::SCR.Spuelen_Anzahl = x; });
    Zahl(SpinEdit_pSCR_Volumen, [](int x) { K::pSCR.L = x; });
    Zahl(SpinEdit_pSCR_spuelen_min, [](int x) { K::pSCR.min_spuelen = x; });
    Zahl(SpinEdit_pSCR_spuelen_m, [](int x) { K::pSCR.m_spuelen = x; });
    Zahl(SpinEdit_pSCR_DumpRatio, [](int x) { E::pSCR_DumpRatio_setzen(x); });
    Zahl(SpinEdit_Gaswechsel_warten, [](int x) { A::min_Gaswechsel_warten = x; });
    Zahl(SpinEdit_Sicherheitszuschlag, [](int x) { V::Verbrauch_SicherheitsZuschlagProzent = x; });
    const auto Kommazahl = [this](QDoubleSpinBox* Feld, float& Wert) {
        connect(Feld, &QDoubleSpinBox::valueChanged, this, [this, &Wert](double x) {
            Wert = static_cast<float>(x);
            fertig();
        });
    };
    Kommazahl(SpinEdit_Stress_Faktor, V::Stress_Faktor);
    Kommazahl(SpinEdit_Problemloesezeit, V::min_Problemloesezeit);

    const auto O2 = [this](QComboBox* Feld, E::Kreislauf k) {
        connect(Feld, &QComboBox::currentIndexChanged, this, [this, k](int i) {
            E::O2_Verbrauch_waehlen(k, i);
            fertig();
        });
    };
    O2(ComboBox_CCR_O2_Verbrauch, E::Kreislauf::CCR);
    O2(ComboBox_SCR_O2_Verbrauch, E::Kreislauf::SCR);
    O2(ComboBox_pSCR_O2_Verbrauch, E::Kreislauf::pSCR);

    connect(BitBtn_SCR_OK, &QPushButton::clicked, this, [this] {
        E::SCR_Formel_waehlen(RadioGroup_SCR_Formel->Eintrag() == 0);
        fertig();
    });
    connect(CheckBox_pSCR_spuelen_Aufstieg, &QCheckBox::toggled, this, [this](bool an) {
        K::pSCR.spuelen_bei_Beginn_Aufstieg = an ? 1 : 0;
        fertig();
    });
    connect(CheckBox_p_H2O, &QCheckBox::toggled, this, [this](bool an) {
        Unit_Formeln::p_H2O_setzen(an);
        fertig();
    });
    connect(CheckBox_Gaswechsel_warten, &QCheckBox::toggled, this, [this](bool an) {
        A::Gaswechsel_warten_OK = an;
        fertig();
    });
    connect(BitBtn_Gasverbrauch_Standard, &QPushButton::clicked, this, [this] {
        if (E::Gasverbrauch_Standard()) fertig();
    });
}

void Seite_Gasverbrauch::fertig() {
    Anzeigen();
    emit geaendert();
}

void Seite_Gasverbrauch::Unterseite_zeigen(int Seite) {
    PageControl_Gasverbrauch->setCurrentIndex(Seite);
}

void Seite_Gasverbrauch::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    SpinEdit_AMV->setValue(V::AMV);
    SpinEdit_pSCR_AMV->setValue(V::AMV);
    SpinEdit_AMV_Deko->setValue(V::AMV_Deko);
    Label_Stress_Faktor->setText(T("Stress-Faktor (× AMV)", "Stress factor (× RMV)"));
    Label_Problemloesezeit->setText(T("Problemlösezeit (min)", "Problem solving time (min)"));
    SpinEdit_Stress_Faktor->setValue(V::Stress_Faktor);
    SpinEdit_Problemloesezeit->setValue(V::min_Problemloesezeit);
    ComboBox_CCR_O2_Verbrauch->setCurrentIndex(E::O2_Verbrauch_Eintrag(E::Kreislauf::CCR));
    ComboBox_SCR_O2_Verbrauch->setCurrentIndex(E::O2_Verbrauch_Eintrag(E::Kreislauf::SCR));
    ComboBox_pSCR_O2_Verbrauch->setCurrentIndex(E::O2_Verbrauch_Eintrag(E::Kreislauf::pSCR));
    SpinEdit_CCR_Volumen->setValue(K::CCR.L);
    SpinEdit_CCR_spuelen->setValue(K::CCR.Spuelen_Anzahl);
    SpinEdit_CCR_O2_Zufuhr->setValue(K::CCR.L_pro_min_O2_Zufuhr);
    Edit_CCR_Setpoint->setText(Q(Unit_Tools::Zahl_formatieren(0, 2, W::CCR_Setpoint)) + " bar");
    Edit_CCR_Setpoint_Genauigkeit->setText(
        Q(Unit_Tools::Zahl_formatieren(0, 3, K::CCR.Setpoint_Genauigkeit)) + " bar");
    SpinEdit_SCR_Volumen->setValue(K::SCR.L);
    SpinEdit_SCR_spuelen->setValue(K::SCR.Spuelen_Anzahl);
    RadioGroup_SCR_Formel->setTexte(
        {T("idealisierter Formel", "idealised formula"), T("Atemkreislauf", "breathing circuit")});
    RadioGroup_SCR_Formel->setEintrag(K::SCR.Formel ? 0 : 1);
    SpinEdit_pSCR_Volumen->setValue(K::pSCR.L);
    SpinEdit_pSCR_spuelen_min->setValue(K::pSCR.min_spuelen);
    SpinEdit_pSCR_spuelen_m->setValue(K::pSCR.m_spuelen);
    SpinEdit_pSCR_DumpRatio->setValue(W::pSCR_DumpRatio);
    CheckBox_pSCR_spuelen_Aufstieg->setChecked(K::pSCR.spuelen_bei_Beginn_Aufstieg != 0);
    CheckBox_p_H2O->setChecked(Unit_Formeln::p_H2O_verwenden);
    Edit_p_H2O->setText(Q(E::p_H2O_Text()).trimmed());
    CheckBox_Gaswechsel_warten->setChecked(A::Gaswechsel_warten_OK);
    SpinEdit_Gaswechsel_warten->setValue(A::min_Gaswechsel_warten);
    SpinEdit_Gaswechsel_warten->setEnabled(A::Gaswechsel_warten_OK);
    SpinEdit_Sicherheitszuschlag->setValue(V::Verbrauch_SicherheitsZuschlagProzent);
}

// --- Models ---

Seite_Modelle::Seite_Modelle(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Modelle");
    Tag_setzen(this, 23);
    auto* g = new QGridLayout(this);
    RadioGroup_Modell_N2 = Auswahl(this, "RadioGroup_Modell_N2", 0, Liste(E::Modell_N2_Texte()));
    RadioGroup_Modell_N2->setTitle(" N2 ");
    RadioGroup_Modell_He = Auswahl(this, "RadioGroup_Modell_He", 0, Liste(E::Modell_He_Texte()));
    RadioGroup_Modell_He->setTitle(" He ");
    BitBtn_Modelle_anschauen = Knopf(this, "BitBtn_Modelle_anschauen", 223);
    Form_ModelleZeigen = new T_Form_ModelleZeigen(this);
    g->addWidget(RadioGroup_Modell_N2, 0, 0);
    g->addWidget(RadioGroup_Modell_He, 0, 1, Qt::AlignTop);
    g->addWidget(BitBtn_Modelle_anschauen, 1, 1, Qt::AlignRight);
    g->setRowStretch(2, 1);
    connect(RadioGroup_Modell_N2, &Radiogruppe::gewaehlt, this, [this](int k) {
        E::Modell_N2_waehlen(k);
        Anzeigen();
        emit geaendert();
    });
    connect(RadioGroup_Modell_He, &Radiogruppe::gewaehlt, this, [this](int k) {
        E::Modell_He_waehlen(k);
        Anzeigen();
        emit geaendert();
    });
    connect(BitBtn_Modelle_anschauen, &QPushButton::clicked, Form_ModelleZeigen, &QDialog::exec);
    Beschriftungen_anwenden(this);
    Anzeigen();
}

void Seite_Modelle::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    RadioGroup_Modell_N2->setEintrag(E::Modell_N2_Eintrag());
    RadioGroup_Modell_He->setEintrag(E::Modell_He_Eintrag());
}

// --- Algorithm ---

Seite_Algorithmus::Seite_Algorithmus(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Algorithmus");
    auto* g = new QGridLayout(this);
    RadioGroup_Algorithmus = Auswahl(this, "RadioGroup_Algorithmus", 0, Liste(E::Algorithmus_Texte()));
    Label_Zeitintervall = benannt(new QLabel(this), "Label_Zeitintervall");
    Edit_Zeitintervall = Anzeigefeld(this, "Edit_Zeitintervall");
    Label_Zeitintervall->setBuddy(Edit_Zeitintervall);
    g->addWidget(RadioGroup_Algorithmus, 0, 0, 1, 3);
    g->addWidget(Label_Zeitintervall, 1, 0);
    g->addWidget(Edit_Zeitintervall, 1, 1);
    g->setRowStretch(2, 1);
    g->setColumnStretch(2, 1);
    connect(RadioGroup_Algorithmus, &Radiogruppe::gewaehlt, this, [this](int k) {
        E::Algorithmus_waehlen(k);
        Anzeigen();
        emit geaendert();
    });
    Anzeigen();
}

void Seite_Algorithmus::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    Reitertext_setzen(this, T("Algorithmus", "Algorithm"));
    RadioGroup_Algorithmus->setTitle(T("Algorithmus", "Algorithm"));
    RadioGroup_Algorithmus->setTexte(Liste(E::Algorithmus_Texte()));
    RadioGroup_Algorithmus->setEintrag(Unit_Saettigungsrechnung::Algorithmus);
    Label_Zeitintervall->setText(
        T("Zeitintervall für Multilevel (min)", "Time interval of multilevel (min)"));
    Edit_Zeitintervall->setText(Q(E::Zeitintervall_Text()));
}

// --- Safety margins ---

Seite_Sicherheit::Seite_Sicherheit(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Sicherheit");
    Tag_setzen(this, 38);
    auto* Spalte = new QVBoxLayout(this);
    PageControl_Sicherheit = benannt(new QTabWidget(this), "PageControl_Sicherheit");
    PageControl_Sicherheit->addTab(Seite_Buehlmann_anlegen(), {});
    PageControl_Sicherheit->addTab(Seite_GF_anlegen(), {});
    PageControl_Sicherheit->addTab(Seite_DeepStop_anlegen(), {});
    Spalte->addWidget(PageControl_Sicherheit);
    Verbinden();
    Beschriftungen_anwenden(this);
    Anzeigen();
}

QWidget* Seite_Sicherheit::Seite_Buehlmann_anlegen() {
    auto* Seite = Reiterseite("TabSheet_Buehlmann", 349);
    auto* Spalte = new QVBoxLayout(Seite);
    GroupBox_Buehlmann = benannt(new QGroupBox(Seite), "GroupBox_Buehlmann", 141);
    auto* g = new QGridLayout(GroupBox_Buehlmann);
    CheckBox_Tiefenzuschlag = benannt(new QCheckBox(GroupBox_Buehlmann), "CheckBox_Tiefenzuschlag", 224);
    CheckBox_letzten_Stop_verdoppeln =
        benannt(new QCheckBox(GroupBox_Buehlmann), "CheckBox_letzten_Stop_verdoppeln", 225);
    RadioGroup_Sicherheitsstop =
        Auswahl(GroupBox_Buehlmann, "RadioGroup_Sicherheitsstop", 226, {"", "1 min", "5 min"});
    BitBtn_Buehlmann_0 = Knopf(GroupBox_Buehlmann, "BitBtn_Buehlmann_0", 350);
    BitBtn_Buehlmann_Standard = Knopf(GroupBox_Buehlmann, "BitBtn_Buehlmann_Standard", 153);
    BitBtn_Buehlmann_Risiko = Knopf(GroupBox_Buehlmann, "BitBtn_Buehlmann_Risiko", 227);
    BitBtn_Buehlmann_Hilfe = Knopf(GroupBox_Buehlmann, "BitBtn_Buehlmann_Hilfe", 0, "?");
    g->addWidget(CheckBox_Tiefenzuschlag, 0, 0, 1, 4);
    g->addWidget(CheckBox_letzten_Stop_verdoppeln, 1, 0, 1, 4);
    g->addWidget(RadioGroup_Sicherheitsstop, 2, 0, 1, 2);
    auto* Knoepfe = new QHBoxLayout;
    for (auto* b :
         {BitBtn_Buehlmann_0, BitBtn_Buehlmann_Standard, BitBtn_Buehlmann_Risiko, BitBtn_Buehlmann_Hilfe})
        Knoepfe->addWidget(b);
    Knoepfe->addStretch(1);
    g->addLayout(Knoepfe, 3, 0, 1, 4);
    g->setColumnStretch(3, 1);
    Spalte->addWidget(GroupBox_Buehlmann);
    Spalte->addStretch(1);
    return Seite;
}

QWidget* Seite_Sicherheit::Seite_GF_anlegen() {
    auto* Seite = Reiterseite("TabSheet_GF", 351);
    auto* Spalte = new QVBoxLayout(Seite);
    GroupBox_GF = benannt(new QGroupBox(Seite), "GroupBox_GF", 142);
    auto* g = new QGridLayout(GroupBox_GF);
    CheckBox_GF = benannt(new QCheckBox(GroupBox_GF), "CheckBox_GF", 228);
    Edit_GF_Lo = benannt(new QLineEdit(GroupBox_GF), "Edit_GF_Lo");
    Edit_GF_Hi = benannt(new QLineEdit(GroupBox_GF), "Edit_GF_Hi");
    for (auto* e : {Edit_GF_Lo, Edit_GF_Hi}) {
        e->setMaximumWidth(70);
        e->setAlignment(Qt::AlignRight);
    }
    RadioGroup_GF_Stops = Auswahl(GroupBox_GF, "RadioGroup_GF_Stops", 229, {"", ""});
    RadioGroup_GF_Hi = Auswahl(GroupBox_GF, "RadioGroup_GF_Hi", 363, {"", ""});
    Tag_setzen(RadioGroup_GF_Hi->Knopf(0), 364);
    Tag_setzen(RadioGroup_GF_Hi->Knopf(1), 365);
    BitBtn_GF_OK = Knopf(GroupBox_GF, "BitBtn_GF_OK", 0, "OK");
    BitBtn_GF_Standard = Knopf(GroupBox_GF, "BitBtn_GF_Standard", 153);
    BitBtn_GF_Hilfe = Knopf(GroupBox_GF, "BitBtn_GF_Hilfe", 0, "?");
    g->addWidget(CheckBox_GF, 0, 0, 1, 3);
    g->addWidget(Beschriftung_fuer(Edit_GF_Lo, 338), 1, 0);
    g->addWidget(Edit_GF_Lo, 1, 1);
    g->addWidget(Text_mit_Tag(GroupBox_GF, 366), 1, 2);
    g->addWidget(Text_mit_Tag(GroupBox_GF, 367), 1, 3);
    g->addWidget(Beschriftung_fuer(Edit_GF_Hi, 337), 2, 0);
    g->addWidget(Edit_GF_Hi, 2, 1);
    g->addWidget(RadioGroup_GF_Hi, 2, 2, 2, 2, Qt::AlignTop);
    g->addWidget(RadioGroup_GF_Stops, 3, 0, 1, 2, Qt::AlignTop);
    auto* Knoepfe = new QHBoxLayout;
    for (auto* b : {BitBtn_GF_OK, BitBtn_GF_Standard, BitBtn_GF_Hilfe}) Knoepfe->addWidget(b);
    Knoepfe->addStretch(1);
    g->addLayout(Knoepfe, 4, 0, 1, 5);
    g->setColumnStretch(4, 1);
    Spalte->addWidget(GroupBox_GF);
    Spalte->addStretch(1);
    return Seite;
}

QWidget* Seite_Sicherheit::Seite_DeepStop_anlegen() {
    auto* Seite = Reiterseite("TabSheet_DeepStop", 352);
    auto* Spalte = new QVBoxLayout(Seite);
    GroupBox_DeepStop = benannt(new QGroupBox(Seite), "GroupBox_DeepStop", 352);
    auto* g = new QGridLayout(GroupBox_DeepStop);
    g->setHorizontalSpacing(16);
    CheckBox_DeepStop = benannt(new QCheckBox(GroupBox_DeepStop), "CheckBox_DeepStop", 230);
    SpinEdit_DeepStop_min = Zahlfeld(GroupBox_DeepStop, "SpinEdit_DeepStop_min", 0, 10);
    SpinEdit_DeepStop_Stufen = Zahlfeld(GroupBox_DeepStop, "SpinEdit_DeepStop_Stufen", 1, 20);
    BitBtn_DeepStop_Standard = Knopf(GroupBox_DeepStop, "BitBtn_DeepStop_Standard", 153);
    BitBtn_DeepStop_Hilfe = Knopf(GroupBox_DeepStop, "BitBtn_DeepStop_Hilfe", 0, "?");
    auto* Schalter = new QVBoxLayout;
    Schalter->setSpacing(0);
    Schalter->addWidget(CheckBox_DeepStop);
    // The caption's other two lines continue the box's own text.
    const int Einzug = style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    for (int Tag : {231, 232}) {
        auto* l = Text_mit_Tag(GroupBox_DeepStop, Tag);
        l->setIndent(Einzug);
        Schalter->addWidget(l);
    }
    g->addLayout(Schalter, 0, 0, 2, 1, Qt::AlignTop);
    g->addWidget(Beschriftung_fuer(SpinEdit_DeepStop_min, 233), 0, 1);
    g->addWidget(SpinEdit_DeepStop_min, 0, 2);
    auto* Stufen = new QVBoxLayout;
    Stufen->setSpacing(0);
    Stufen->addWidget(Text_mit_Tag(GroupBox_DeepStop, 234));
    Stufen->addWidget(Text_mit_Tag(GroupBox_DeepStop, 235));
    g->addLayout(Stufen, 1, 1);
    // Its caption has two lines: the name says both.
    Name_geben(SpinEdit_DeepStop_Stufen, [] { return Beschriftung(234) + " " + Beschriftung(235); });
    g->addWidget(SpinEdit_DeepStop_Stufen, 1, 2);
    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->setSpacing(6);
    Knoepfe->addWidget(BitBtn_DeepStop_Standard);
    Knoepfe->addWidget(BitBtn_DeepStop_Hilfe);
    Knoepfe->addStretch(1);
    g->addLayout(Knoepfe, 2, 0, 1, 4);
    g->setColumnStretch(3, 1);
    Spalte->addWidget(GroupBox_DeepStop);
    Spalte->addStretch(1);
    return Seite;
}

void Seite_Sicherheit::Verbinden() {
    const auto Schalter = [this](QCheckBox* Feld, bool& Wert) {
        connect(Feld, &QCheckBox::toggled, this, [this, &Wert](bool an) {
            Wert = an;
            fertig();
        });
    };
    Schalter(CheckBox_Tiefenzuschlag, S::Buehlmann_Tiefenzuschlag);
    Schalter(CheckBox_letzten_Stop_verdoppeln, S::Buehlmann_letzten_Stop_verdoppeln);
    Schalter(CheckBox_GF, S::GF_verwenden);
    Schalter(CheckBox_DeepStop, S::Deep_Stop_verwenden);
    connect(RadioGroup_Sicherheitsstop, &Radiogruppe::gewaehlt, this, [this](int k) {
        S::Buehlmann_Sicherheitsstop_min = S::Sicherheitsstop_min_aus_Auswahl(k);
        fertig();
    });
    const auto Knopf_ = [this](QPushButton* b, void (*Befehl)()) {
        connect(b, &QPushButton::clicked, this, [this, Befehl] {
            Befehl();
            fertig();
        });
    };
    Knopf_(BitBtn_Buehlmann_0, S::Buehlmann_0);
    Knopf_(BitBtn_Buehlmann_Standard, S::Buehlmann_Standard);
    Knopf_(BitBtn_Buehlmann_Risiko, S::Buehlmann_Risiko_Taucher);
    Knopf_(BitBtn_GF_Standard, S::GF_Standard);
    Knopf_(BitBtn_DeepStop_Standard, E::Deep_Stop_Standard);
    connect(BitBtn_GF_OK, &QPushButton::clicked, this, [this] {
        E::GF_OK(Edit_GF_Lo->text().toStdString(), Edit_GF_Hi->text().toStdString(),
                 RadioGroup_GF_Hi->Eintrag() != 1, RadioGroup_GF_Stops->Eintrag() == 1);
        fertig();
    });
    connect(SpinEdit_DeepStop_min, &QSpinBox::valueChanged, this, [this](int x) {
        S::Deep_Stop_min = x;
        fertig();
    });
    connect(SpinEdit_DeepStop_Stufen, &QSpinBox::valueChanged, this, [this](int x) {
        S::Deep_Stop_Stufen_oberhalb_Dekozone = x;
        fertig();
    });
    Erklaerung_anbinden(GroupBox_Buehlmann, BitBtn_Buehlmann_Hilfe, E::Erklaerung_Buehlmann);
    Erklaerung_anbinden(GroupBox_GF, BitBtn_GF_Hilfe, E::Erklaerung_GF);
    Erklaerung_anbinden(GroupBox_DeepStop, BitBtn_DeepStop_Hilfe, E::Erklaerung_Deep_Stop);
}

void Seite_Sicherheit::fertig() {
    Anzeigen();
    emit geaendert();
}

void Seite_Sicherheit::Unterseite_zeigen(int Seite) {
    PageControl_Sicherheit->setCurrentIndex(Seite);
}

void Seite_Sicherheit::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    CheckBox_Tiefenzuschlag->setChecked(S::Buehlmann_Tiefenzuschlag);
    CheckBox_letzten_Stop_verdoppeln->setChecked(S::Buehlmann_letzten_Stop_verdoppeln);
    RadioGroup_Sicherheitsstop->setTexte({T("keinen", "none"), "1 min", "5 min"});
    RadioGroup_Sicherheitsstop->setEintrag(E::Sicherheitsstop_Eintrag());
    CheckBox_GF->setChecked(S::GF_verwenden);
    Edit_GF_Lo->setText(Q(E::GF_Prozent_Text(S::GF_Lo)));
    Edit_GF_Hi->setText(Q(E::GF_Prozent_Text(S::GF_Hi)));
    RadioGroup_GF_Stops->setTexte({T("nur die berechneten", "only the calculated"), T("alle", "all")});
    RadioGroup_GF_Stops->setEintrag(S::GF_alle_Stops ? 1 : 0);
    RadioGroup_GF_Hi->setEintrag(S::GF_Lo_last_deco_stop ? 0 : 1);
    CheckBox_DeepStop->setChecked(S::Deep_Stop_verwenden);
    SpinEdit_DeepStop_min->setValue(S::Deep_Stop_min);
    SpinEdit_DeepStop_Stufen->setValue(S::Deep_Stop_Stufen_oberhalb_Dekozone);
}

// --- Breathing gases ---

Seite_Atemgase::Seite_Atemgase(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Atemgase");
    Tag_setzen(this, 25);
    auto* Zeile_ = new QHBoxLayout(this);
    GroupBox_Atemgas = benannt(new QGroupBox(this), "GroupBox_Atemgas", 236);
    auto* g = new QGridLayout(GroupBox_Atemgas);
    ListBox_Gase = benannt(new QListWidget(GroupBox_Atemgas), "ListBox_Gase");
    ListBox_Gase->setMinimumWidth(160);
    ListBox_Gase->setMaximumWidth(280);
    g->addWidget(ListBox_Gase, 0, 0, 5, 1);
    int r = 0;
    for (auto [Feld, Name] :
         {std::pair{&Edit_O2, "O2"}, std::pair{&Edit_N2, "N2"}, std::pair{&Edit_He, "He"}}) {
        *Feld = Anzeigefeld(GroupBox_Atemgas, QString("Edit_") + Name);
        auto* l = new QLabel(QString(Name) + " (%)", GroupBox_Atemgas);
        l->setBuddy(*Feld);
        g->addWidget(l, r, 1);
        g->addWidget(*Feld, r++, 2);
    }
    g->setRowStretch(4, 1);
    g->setColumnStretch(3, 1);
    Zeile_->addWidget(GroupBox_Atemgas, 1);
    auto* Knoepfe = new QVBoxLayout;
    BitBtn_neues_Gas = Knopf(this, "BitBtn_neues_Gas", 121);
    BitBtn_Gas_loeschen = Knopf(this, "BitBtn_Gas_loeschen", 237);
    BitBtn_Gase_unbenutzt_loeschen = Knopf(this, "BitBtn_Gase_unbenutzt_loeschen", 151);
    for (auto* b : {BitBtn_neues_Gas, BitBtn_Gas_loeschen, BitBtn_Gase_unbenutzt_loeschen})
        Knoepfe->addWidget(b);
    Knoepfe->addStretch(1);
    Zeile_->addLayout(Knoepfe);

    connect(ListBox_Gase, &QListWidget::currentRowChanged, this, [this](int i) {
        Befehl_ausfuehren([i] { Unit_Main::Gas_waehlen(i); });
        fertig();
    });
    connect(BitBtn_neues_Gas, &QPushButton::clicked, this, [this] {
        auto* Gasrechner = findChild<T_Form_Gasgemisch*>();
        if (!Gasrechner) Gasrechner = new T_Form_Gasgemisch(this);
        Gasrechner->exec();
        fertig();
    });
    connect(BitBtn_Gas_loeschen, &QPushButton::clicked, this, [this] {
        Unit_Gasnummern::Gasgemisch_loeschen(G::Gasgemisch_num);
        fertig();
    });
    connect(BitBtn_Gase_unbenutzt_loeschen, &QPushButton::clicked, this, [this] {
        Unit_Gasnummern::Gasgemische_unbenutzt_loeschen();
        fertig();
    });
    Beschriftungen_anwenden(this);
    Anzeigen();
}

void Seite_Atemgase::fertig() {
    Anzeigen();
    emit geaendert();
}

void Seite_Atemgase::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    const QStringList Gase = Liste(G::Gasliste_Texte());
    QStringList bisher;
    for (int k = 0; k < ListBox_Gase->count(); ++k) bisher << ListBox_Gase->item(k)->text();
    if (bisher != Gase) {
        ListBox_Gase->clear();
        ListBox_Gase->addItems(Gase);
    }
    ListBox_Gase->setCurrentRow(G::Gasgemisch_num);
    const auto Anteile = G::Gasanteile_Texte(G::Gasgemisch_num);
    Edit_O2->setText(Q(Anteile[0]));
    Edit_N2->setText(Q(Anteile[1]));
    Edit_He->setText(Q(Anteile[2]));
    BitBtn_Gas_loeschen->setEnabled(E::Gas_loeschen_erlaubt());
    BitBtn_Gase_unbenutzt_loeschen->setEnabled(E::Gase_unbenutzt_loeschen_erlaubt());
}

// --- Limits ---

Seite_Grenzwerte::Seite_Grenzwerte(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Grenzwerte");
    Tag_setzen(this, 26);
    auto* g = new QGridLayout(this);
    const auto Wert = [this](const QString& Name) {
        auto* l = benannt(new QLabel(this), Name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto* Warnschwellen = benannt(new QGroupBox(this), "GroupBox_Warnschwellen", 238);
    auto* w = new QGridLayout(Warnschwellen);
    const auto Schwelle = [&](int r, QLabel* Beschriftung, QLabel*& Feld, const QString& Name) {
        Feld = Wert(Name);
        w->addWidget(Beschriftung, r, 0);
        w->addWidget(Feld, r, 1);
    };
    Schwelle(0, new QLabel("p (O2) Max (bar) =", Warnschwellen), Label_pO2_Max, "Label_pO2_Max");
    Schwelle(1, new QLabel("p (O2) Min (bar) =", Warnschwellen), Label_pO2_Min, "Label_pO2_Min");
    Schwelle(2, new QLabel("END Max (m) =", Warnschwellen), Label_END_Max, "Label_END_Max");
    Schwelle(3, new QLabel("CNS Max (%) =", Warnschwellen), Label_CNS_Max, "Label_CNS_Max");
    Schwelle(4, new QLabel("OTU Max =", Warnschwellen), Label_OTU_Max, "Label_OTU_Max");
    Schwelle(5, Text_mit_Tag(Warnschwellen, 239), Label_Gegendiff_max, "Label_Gegendiff_max");
    Schwelle(6, Text_mit_Tag(Warnschwellen, 240), Label_Gegendiff_min, "Label_Gegendiff_min");
    const auto Dichte = [&](int r, QLabel*& Beschriftung, QDoubleSpinBox*& Feld, const QString& Name) {
        Beschriftung = new QLabel(Warnschwellen);
        Feld = Kommazahlfeld(Warnschwellen, Name, 1, 20, 0.1);
        Zeile(w, r, Beschriftung, Feld);
    };
    Dichte(7, Label_Gasdichte_Warnung, SpinEdit_Gasdichte_Warnung, "SpinEdit_Gasdichte_Warnung");
    Dichte(8, Label_Gasdichte_Maximum, SpinEdit_Gasdichte_Maximum, "SpinEdit_Gasdichte_Maximum");
    CheckBox_pO2_weiterrechnen = benannt(new QCheckBox(Warnschwellen), "CheckBox_pO2_weiterrechnen", 247);
    w->addWidget(CheckBox_pO2_weiterrechnen, 9, 0, 1, 2);

    auto* Kapazitaet = benannt(new QGroupBox(this), "GroupBox_Zeiten", 241);
    auto* k = new QGridLayout(Kapazitaet);
    Label_Grundzeit_Max = Wert("Label_Grundzeit_Max");
    Label_Tauchzeit_Max = Wert("Label_Tauchzeit_Max");
    k->addWidget(Text_mit_Tag(Kapazitaet, 242), 0, 0);
    k->addWidget(Label_Grundzeit_Max, 0, 1);
    k->addWidget(Text_mit_Tag(Kapazitaet, 243), 1, 0);
    k->addWidget(Label_Tauchzeit_Max, 1, 1);

    auto* Weitere = new QGridLayout;
    Weitere->setHorizontalSpacing(16);
    Label_Tiefe_Max = Wert("Label_Tiefe_Max");
    Label_WayPoints_Max = Wert("Label_WayPoints_Max");
    Label_Gase_Max = Wert("Label_Gase_Max");
    Label_Kabinendruck = Wert("Label_Kabinendruck");
    Zeile(Weitere, 0, Text_mit_Tag(this, 244), Label_Tiefe_Max);
    Zeile(Weitere, 1, Text_mit_Tag(this, 245), Label_WayPoints_Max);
    Zeile(Weitere, 2, Text_mit_Tag(this, 248), Label_Gase_Max);
    Zeile(Weitere, 3, Text_mit_Tag(this, 249), Label_Kabinendruck);
    Weitere->addWidget(Text_mit_Tag(this, 250), 4, 0, 1, 2);

    GroupBox_Sonderfunktionen = benannt(new QGroupBox(this), "GroupBox_Sonderfunktionen");
    auto* s = new QVBoxLayout(GroupBox_Sonderfunktionen);
    CheckBox_Warnungen_reduzieren =
        benannt(new QCheckBox(GroupBox_Sonderfunktionen), "CheckBox_Warnungen_reduzieren", 252);
    s->addWidget(CheckBox_Warnungen_reduzieren);

    auto* Rechts = new QVBoxLayout;
    Rechts->addWidget(Kapazitaet);
    Rechts->addLayout(Weitere);
    Rechts->addStretch(1);
    Label_Erklaerung_Gasdichte = benannt(new QLabel(this), "Label_Erklaerung_Gasdichte");
    g->addWidget(Warnschwellen, 0, 0, Qt::AlignTop);
    g->addLayout(Rechts, 0, 1);
    g->addWidget(Label_Erklaerung_Gasdichte, 1, 0, 1, 2);
    g->addWidget(GroupBox_Sonderfunktionen, 2, 0, 1, 2);
    g->setRowStretch(3, 1);
    g->setColumnStretch(2, 1);

    connect(CheckBox_pO2_weiterrechnen, &QCheckBox::toggled, this, [this](bool an) {
        Unit_Sauerstofftoxizitaet::pO2_weiterrechnen = an;
        emit geaendert();
    });
    connect(CheckBox_Warnungen_reduzieren, &QCheckBox::toggled, this, [this](bool an) {
        W::Warnungen_reduzieren = an;
        emit geaendert();
    });
    for (auto [Feld, Wert] :
         {std::pair{SpinEdit_Gasdichte_Warnung, &Unit_Formeln::g_pro_L_Gasdichte_Warnung},
          std::pair{SpinEdit_Gasdichte_Maximum, &Unit_Formeln::g_pro_L_Gasdichte_Maximum}})
        connect(Feld, &QDoubleSpinBox::valueChanged, this, [this, Wert](double x) {
            *Wert = static_cast<float>(x);
            emit geaendert();
        });
    Beschriftungen_anwenden(this);
    Anzeigen();
}

void Seite_Grenzwerte::Anzeigen() {
    const auto Sperre = Signale_sperren(this);
    const E::Grenzwerte_Texte_Type t = E::Grenzwerte_Texte();
    Label_pO2_Max->setText(Q(t.pO2_Max));
    Label_pO2_Min->setText(Q(t.pO2_Min));
    Label_END_Max->setText(Q(t.END_Max));
    Label_CNS_Max->setText(Q(t.CNS_Max));
    Label_OTU_Max->setText(Q(t.OTU_Max));
    Label_Gegendiff_max->setText(Q(t.Gegendiffusion_max));
    Label_Gegendiff_min->setText(Q(t.Gegendiffusion_min));
    Label_Grundzeit_Max->setText(Q(t.min_Grundzeit_Max));
    Label_Tauchzeit_Max->setText(Q(t.min_Tauchzeit_Max));
    Label_Tiefe_Max->setText(Q(t.m_Tiefe_Max));
    Label_WayPoints_Max->setText(Q(t.WayPoints_Max));
    Label_Gase_Max->setText(Q(t.Gase_Max));
    Label_Kabinendruck->setText(Q(t.mbar_Kabinendruck));
    Label_Gasdichte_Warnung->setText(T("Gasdichte Warnung (g/l) =", "Gas density warning (g/l) ="));
    Label_Gasdichte_Maximum->setText(T("Gasdichte Maximum (g/l) =", "Gas density maximum (g/l) ="));
    SpinEdit_Gasdichte_Warnung->setValue(Unit_Formeln::g_pro_L_Gasdichte_Warnung);
    SpinEdit_Gasdichte_Maximum->setValue(Unit_Formeln::g_pro_L_Gasdichte_Maximum);
    Label_Erklaerung_Gasdichte->setText(Q(t.Erklaerung_Gasdichte_OTU));
    CheckBox_pO2_weiterrechnen->setChecked(Unit_Sauerstofftoxizitaet::pO2_weiterrechnen);
    GroupBox_Sonderfunktionen->setTitle(T("Sonderfunktionen", "Special functions"));
    CheckBox_Warnungen_reduzieren->setChecked(W::Warnungen_reduzieren);
}
