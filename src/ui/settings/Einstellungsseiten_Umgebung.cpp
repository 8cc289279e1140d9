#include "ui/settings/Einstellungsseiten_Umgebung.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasverbrauch.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "reports/Unit_Report.hpp"
#include "settings/Unit_Einstellungen.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {
namespace E = Unit_Einstellungen;
namespace D = Unit_Graph_Utilities;

QString Q(const std::string& t) {
    return QString::fromStdString(t);
}

// While a page loads its controls, none of them reports a change.
class Ladesperre {
  public:
    explicit Ladesperre(QWidget* Seite) : Kinder(Seite->findChildren<QWidget*>()) {
        for (QWidget* w : Kinder) w->blockSignals(true);
    }
    ~Ladesperre() {
        for (QWidget* w : Kinder) w->blockSignals(false);
    }
    Ladesperre(const Ladesperre&) = delete;
    Ladesperre& operator=(const Ladesperre&) = delete;

  private:
    QList<QWidget*> Kinder;
};

QLabel* Beschriftung_mit_Tag(QWidget* Eltern, int Tag) {
    auto* l = new QLabel(Eltern);
    Tag_setzen(l, Tag);
    return l;
}

// The second line of a two-line caption, under the text of its tick box.
QLabel* Fortsetzung(QWidget* Eltern, int Tag) {
    auto* l = Beschriftung_mit_Tag(Eltern, Tag);
    l->setIndent(24);
    return l;
}

QPushButton* Knopf(QWidget* Eltern, const QString& Name, int Tag) {
    return benannt(new QPushButton(Eltern), Name, Tag);
}

QPushButton* OK_Knopf(QWidget* Eltern, const QString& Name) {
    auto* b = benannt(new QPushButton("OK", Eltern), Name);
    b->setAccessibleName(Name);
    return b;
}

QLineEdit* Feld(QWidget* Eltern, const QString& Name, int Breite) {
    auto* e = benannt(new QLineEdit(Eltern), Name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(Breite);
    return e;
}

QCheckBox* Anzeige_fest(QWidget* Eltern, const QString& Name, int Tag, const QString& Text = {}) {
    // Always shown: ticked and not to be changed.
    auto* c = benannt(new QCheckBox(Text, Eltern), Name, Tag);
    c->setChecked(true);
    c->setEnabled(false);
    return c;
}
} // namespace

// ---- basic settings ----

Seite_Grundeinstellungen::Seite_Grundeinstellungen(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Grundeinstellungen");
    auto* Spalte = new QVBoxLayout(this);
    Spalte->addWidget(Beschriftung_mit_Tag(this, 164));
    ListBox_Grundeinstellungen = benannt(new QListWidget(this), "ListBox_Grundeinstellungen");
    for (int32_t n = 0; n < Unit_Grundeinstellungen::Grundeinstellung_Anzahl; ++n)
        ListBox_Grundeinstellungen->addItem(Q(Unit_Grundeinstellungen::Grundeinstellung_Name(n)));
    Name_geben(ListBox_Grundeinstellungen, [] { return Beschriftung(163); });
    Spalte->addWidget(ListBox_Grundeinstellungen, 1);
    BitBtn_Grundeinstellungen_OK = OK_Knopf(this, "BitBtn_Grundeinstellungen_OK");
    auto* Zeile = new QHBoxLayout;
    Zeile->addStretch(1);
    Zeile->addWidget(BitBtn_Grundeinstellungen_OK);
    Spalte->addLayout(Zeile);
    connect(BitBtn_Grundeinstellungen_OK, &QPushButton::clicked, this, [this] {
        if (E::Grundeinstellung_OK(ListBox_Grundeinstellungen->currentRow())) emit geaendert();
        Anzeigen();
    });
}

void Seite_Grundeinstellungen::Anzeigen() {
    Ladesperre Sperre(this);
    ListBox_Grundeinstellungen->setCurrentRow(Unit_Grundeinstellungen::Grundeinstellung);
}

// ---- displays ----

Seite_Anzeigen::Seite_Anzeigen(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Anzeigen");
    auto* g = new QGridLayout(this);
    g->addWidget(Allgemein_anlegen(), 0, 0);
    g->addWidget(Saettigung_anlegen(), 1, 0);
    g->addWidget(Statusanzeigen_anlegen(), 0, 1, 2, 1);
    g->addWidget(Gasverbrauch_anlegen(), 2, 0);
    BitBtn_Anzeigen_Standard = Knopf(this, "BitBtn_Anzeigen_Standard", 153);
    g->addWidget(BitBtn_Anzeigen_Standard, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    g->setRowStretch(3, 1);
    connect(BitBtn_Anzeigen_Standard, &QPushButton::clicked, this, [this] {
        if (E::Anzeigen_Standard()) emit geaendert();
        Anzeigen();
    });
}

QCheckBox* Seite_Anzeigen::Schalter(QWidget* Eltern, const char* Name, int Tag, bool& Einstellung) {
    auto* c = benannt(new QCheckBox(Eltern), Name, Tag);
    Schalter_.emplace_back(c, &Einstellung);
    connect(c, &QCheckBox::toggled, this, [this, &Einstellung](bool an) {
        Einstellung = an;
        emit geaendert();
    });
    return c;
}

QWidget* Seite_Anzeigen::Allgemein_anlegen() {
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_Allgemein", 166);
    auto* v = new QVBoxLayout(Gruppe);
    CheckBox_Tauchgangsgraphik =
        Schalter(Gruppe, "CheckBox_Tauchgangsgraphik", 168, D::Tauchgangsgraphik_zeigen);
    v->addWidget(CheckBox_Tauchgangsgraphik);
    v->addWidget(Fortsetzung(Gruppe, 169));
    CheckBox_Taucher = Schalter(Gruppe, "CheckBox_Taucher", 170, D::Taucher_zeigen);
    v->addWidget(CheckBox_Taucher);
    CheckBox_Modelle = Schalter(Gruppe, "CheckBox_Modelle", 167, Unit_Programm::Modelle_zeigen);
    v->addWidget(CheckBox_Modelle);
    CheckBox_Hinweise = Schalter(Gruppe, "CheckBox_Hinweise", 171, Unit_Programm::Hinweise_zeigen);
    v->addWidget(CheckBox_Hinweise);
    v->addWidget(Fortsetzung(Gruppe, 172));
    return Gruppe;
}

QWidget* Seite_Anzeigen::Saettigung_anlegen() {
    namespace G = Unit_Gewebe_barL;
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_Saettigung", 181);
    auto* v = new QVBoxLayout(Gruppe);
    CheckBox_Gewebesaettigung =
        Schalter(Gruppe, "CheckBox_Gewebesaettigung", 182, G::Gewebesaettigung_zeigen);
    v->addWidget(CheckBox_Gewebesaettigung);
    CheckBox_Gewebesaettigung_absolut =
        Schalter(Gruppe, "CheckBox_Gewebesaettigung_absolut", 183, G::Gewebesaettigung_absolut_zeigen);
    v->addWidget(CheckBox_Gewebesaettigung_absolut);
    v->addWidget(Fortsetzung(Gruppe, 184));
    CheckBox_Inertgasvolumina =
        Schalter(Gruppe, "CheckBox_Inertgasvolumina", 345, G::Inertgasvolumina_zeigen);
    v->addWidget(CheckBox_Inertgasvolumina);
    return Gruppe;
}

QWidget* Seite_Anzeigen::Statusanzeigen_anlegen() {
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_Statusanzeigen", 173);
    auto* v = new QVBoxLayout(Gruppe);
    CheckBox_Tiefe = Anzeige_fest(Gruppe, "CheckBox_Tiefe", 79);
    CheckBox_Tauchzeit = Anzeige_fest(Gruppe, "CheckBox_Tauchzeit", 90);
    CheckBox_Uhrzeit = Schalter(Gruppe, "CheckBox_Uhrzeit", 174, D::Uhrzeit_zeigen);
    CheckBox_OTU = Schalter(Gruppe, "CheckBox_OTU", 0, D::OTU_zeigen);
    CheckBox_GF = Schalter(Gruppe, "CheckBox_GF", 0, D::GF_zeigen);
    CheckBox_Druck = Schalter(Gruppe, "CheckBox_Druck", 91, D::Druck_zeigen);
    CheckBox_Atemkreislauf = Schalter(Gruppe, "CheckBox_Atemkreislauf", 175, D::Atemkreislauf_zeigen);
    CheckBox_END = Schalter(Gruppe, "CheckBox_END", 0, D::END_zeigen);
    CheckBox_pO2 = Schalter(Gruppe, "CheckBox_pO2", 0, D::pO2_zeigen);
    CheckBox_CNS = Schalter(Gruppe, "CheckBox_CNS", 0, D::CNS_zeigen);
    CheckBox_Gegendiffusion = Schalter(Gruppe, "CheckBox_Gegendiffusion", 176, D::Gegendiffusion_zeigen);
    CheckBox_OTU->setText("OTU");
    CheckBox_GF->setText("GF (%)");
    CheckBox_END->setText("END (m)");
    CheckBox_pO2->setText("p O2 (bar)");
    CheckBox_CNS->setText("CNS (%)");
    for (QCheckBox* c :
         {CheckBox_Tiefe, CheckBox_Tauchzeit, CheckBox_Uhrzeit, CheckBox_OTU, CheckBox_GF, CheckBox_Druck,
          CheckBox_Atemkreislauf, CheckBox_END, CheckBox_pO2, CheckBox_CNS, CheckBox_Gegendiffusion})
        v->addWidget(c);
    v->addStretch(1);
    return Gruppe;
}

QWidget* Seite_Anzeigen::Gasverbrauch_anlegen() {
    namespace V = Unit_Gasverbrauch;
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_Gasverbrauch", 177);
    auto* v = new QVBoxLayout(Gruppe);
    CheckBox_Gasverbrauch_Gesamt = Anzeige_fest(Gruppe, "CheckBox_Gasverbrauch_Gesamt", 178);
    CheckBox_Gasverbrauch_Abstieg =
        Schalter(Gruppe, "CheckBox_Gasverbrauch_Abstieg", 179, V::Gasverbrauch_Abstieg_Grundzeit_zeigen);
    CheckBox_Gasverbrauch_Aufstieg =
        Schalter(Gruppe, "CheckBox_Gasverbrauch_Aufstieg", 180, V::Gasverbrauch_Aufstieg_zeigen);
    for (QCheckBox* c :
         {CheckBox_Gasverbrauch_Gesamt, CheckBox_Gasverbrauch_Abstieg, CheckBox_Gasverbrauch_Aufstieg})
        v->addWidget(c);
    return Gruppe;
}

void Seite_Anzeigen::Anzeigen() {
    Ladesperre Sperre(this);
    for (const auto& [Kasten, Einstellung] : Schalter_) Kasten->setChecked(*Einstellung);
}

// ---- paths ----

Seite_Pfade::Seite_Pfade(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Pfade");
    auto* g = new QGridLayout(this);
    Edit_Pfad_Ini = benannt(new QLineEdit(this), "Edit_Pfad_Ini");
    Edit_Pfad_Ini->setReadOnly(true);
    Edit_Pfad_Tauchgang = benannt(new QLineEdit(this), "Edit_Pfad_Tauchgang");
    BitBtn_Pfad_OK = OK_Knopf(this, "BitBtn_Pfad_OK");
    g->addWidget(Beschriftung_fuer(Edit_Pfad_Ini, 185), 0, 0, 1, 2);
    g->addWidget(Edit_Pfad_Ini, 1, 0, 1, 2);
    g->addWidget(Beschriftung_fuer(Edit_Pfad_Tauchgang, 186), 2, 0, 1, 2);
    g->addWidget(Edit_Pfad_Tauchgang, 3, 0);
    g->addWidget(BitBtn_Pfad_OK, 3, 1);
    g->setColumnStretch(0, 1);
    g->setRowStretch(4, 1);
    connect(BitBtn_Pfad_OK, &QPushButton::clicked, this, [this] {
        E::Pfad_OK(Edit_Pfad_Tauchgang->text().toStdString());
        Anzeigen();
    });
}

void Seite_Pfade::Anzeigen() {
    Ladesperre Sperre(this);
    Edit_Pfad_Ini->setText(Q(Unit_Einstellungsdatei::Einstellungsordner()));
    Edit_Pfad_Tauchgang->setText(Q(Unit_WayPoints::Pfad_Tauchgang));
}

// ---- air pressure ----

Seite_Luftdruck::Seite_Luftdruck(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Luftdruck");
    auto* g = new QGridLayout(this);
    Edit_Luftdruck_mbar = Feld(this, "Edit_Luftdruck_mbar", 100);
    BitBtn_Luftdruck_OK = OK_Knopf(this, "BitBtn_Luftdruck_OK");
    SpinEdit_Hoehe = benannt(new QSpinBox(this), "SpinEdit_Hoehe");
    SpinEdit_Hoehe->setRange(E::m_NN_Minimum, E::m_NN_Maximum);
    SpinEdit_Hoehe->setAlignment(Qt::AlignRight);
    BitBtn_Standardatmosphaere = Knopf(this, "BitBtn_Standardatmosphaere", 189);
    g->addWidget(Beschriftung_fuer(Edit_Luftdruck_mbar, 187), 0, 0);
    g->addWidget(Edit_Luftdruck_mbar, 0, 1);
    g->addWidget(new QLabel("mbar", this), 0, 2);
    g->addWidget(BitBtn_Luftdruck_OK, 0, 3);
    g->addWidget(Beschriftung_fuer(SpinEdit_Hoehe, 188), 1, 0);
    g->addWidget(SpinEdit_Hoehe, 1, 1);
    g->addWidget(new QLabel("m", this), 1, 2);
    g->addWidget(BitBtn_Standardatmosphaere, 2, 0, Qt::AlignLeft);
    g->setColumnStretch(4, 1);
    g->setRowStretch(3, 1);
    connect(SpinEdit_Hoehe, &QSpinBox::valueChanged, this, [this](int m) {
        E::Hoehe_setzen(m);
        Anzeigen();
        emit geaendert();
    });
    connect(BitBtn_Luftdruck_OK, &QPushButton::clicked, this, [this] {
        E::Luftdruck_OK(Edit_Luftdruck_mbar->text().toStdString());
        Anzeigen();
        emit geaendert();
    });
    connect(BitBtn_Standardatmosphaere, &QPushButton::clicked, this, [this] {
        E::Standardatmosphaere();
        Anzeigen();
        emit geaendert();
    });
}

void Seite_Luftdruck::Anzeigen() {
    Ladesperre Sperre(this);
    Edit_Luftdruck_mbar->setText(Q(E::Luftdruck_mbar_Text()));
    SpinEdit_Hoehe->setValue(Unit_Formeln::m_NN);
}

// ---- water pressure ----

Seite_Wasserdruck::Seite_Wasserdruck(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Wasserdruck");
    auto* Spalte = new QVBoxLayout(this);

    auto* Saeule = benannt(new QGroupBox(this), "GroupBox_Wassersaeule", 190);
    auto* g = new QGridLayout(Saeule);
    Edit_m_pro_bar = Feld(Saeule, "Edit_m_pro_bar", 100);
    Edit_m_pro_bar->setReadOnly(true);
    Edit_Dichte = Feld(Saeule, "Edit_Dichte", 100);
    BitBtn_Wasser_OK = OK_Knopf(Saeule, "BitBtn_Wasser_OK");
    BitBtn_Wasser_Standard = Knopf(Saeule, "BitBtn_Wasser_Standard", 153);
    g->addWidget(Beschriftung_fuer(Edit_m_pro_bar, 191), 0, 0);
    g->addWidget(Edit_m_pro_bar, 0, 1);
    g->addWidget(BitBtn_Wasser_Standard, 0, 2);
    g->addWidget(Beschriftung_fuer(Edit_Dichte, 196), 1, 0);
    g->addWidget(Edit_Dichte, 1, 1);
    g->addWidget(BitBtn_Wasser_OK, 1, 2);
    g->setColumnStretch(3, 1);
    Spalte->addWidget(Saeule);

    auto* Kalibrierung = benannt(new QGroupBox(this), "GroupBox_Kalibrieren", 192);
    auto* k = new QGridLayout(Kalibrierung);
    ComboBox_Temperatur = benannt(new QComboBox(Kalibrierung), "ComboBox_Temperatur");
    for (int32_t t : E::Temperaturen_C) ComboBox_Temperatur->addItem(QString::number(t));
    ComboBox_Salzgehalt = benannt(new QComboBox(Kalibrierung), "ComboBox_Salzgehalt");
    Salzgehalte_fuellen();
    BitBtn_Kalibrieren = Knopf(Kalibrierung, "BitBtn_Kalibrieren", 195);
    k->addWidget(Beschriftung_fuer(ComboBox_Temperatur, 193), 0, 0);
    k->addWidget(ComboBox_Temperatur, 0, 1);
    k->addWidget(Beschriftung_fuer(ComboBox_Salzgehalt, 194), 1, 0);
    k->addWidget(ComboBox_Salzgehalt, 1, 1);
    k->addWidget(BitBtn_Kalibrieren, 2, 1, Qt::AlignLeft);
    k->setColumnStretch(2, 1);
    Spalte->addWidget(Kalibrierung);
    Spalte->addStretch(1);

    connect(BitBtn_Wasser_OK, &QPushButton::clicked, this, [this] {
        E::Wasser_OK(Edit_Dichte->text().toStdString());
        Anzeigen();
    });
    connect(BitBtn_Wasser_Standard, &QPushButton::clicked, this, [this] {
        E::Wasser_Standard();
        Anzeigen();
    });
    connect(BitBtn_Kalibrieren, &QPushButton::clicked, this, [this] {
        float Dichte = 0;
        const auto t = static_cast<std::size_t>(ComboBox_Temperatur->currentIndex());
        const auto s = static_cast<std::size_t>(ComboBox_Salzgehalt->currentIndex());
        if (!Befehl_ausfuehren([&] { Dichte = E::Kalibrieren(t, s); })) return;
        Edit_Dichte->setText(Q(E::Dichte_Text(Dichte)));
        Edit_m_pro_bar->setText(Q(E::m_pro_bar_Text()));
    });
}

void Seite_Wasserdruck::Salzgehalte_fuellen() {
    const int Index = std::max(ComboBox_Salzgehalt->currentIndex(), 0);
    ComboBox_Salzgehalt->clear();
    for (std::size_t i = 0; i < E::Salzgehalte_Prozent.size(); ++i)
        ComboBox_Salzgehalt->addItem(Q(E::Salzgehalt_Text(i)));
    ComboBox_Salzgehalt->setCurrentIndex(Index);
}

void Seite_Wasserdruck::Anzeigen() {
    Ladesperre Sperre(this);
    Salzgehalte_fuellen(); // in the language in force
    Edit_m_pro_bar->setText(Q(E::m_pro_bar_Text()));
    Edit_Dichte->setText(Q(E::Dichte_Text()));
}

// ---- time ----

Seite_Zeit::Seite_Zeit(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_Zeit");
    auto* Spalte = new QVBoxLayout(this);
    CheckBox_volle_Minuten = benannt(new QCheckBox(this), "CheckBox_volle_Minuten", 198);
    CheckBox_volle_RunTime_Minuten = benannt(new QCheckBox(this), "CheckBox_volle_RunTime_Minuten", 199);
    CheckBox_Aufstiegszeit = benannt(new QCheckBox(this), "CheckBox_Aufstiegszeit", 200);
    for (QCheckBox* c : {CheckBox_volle_Minuten, CheckBox_volle_RunTime_Minuten, CheckBox_Aufstiegszeit})
        Spalte->addWidget(c);

    auto* Uhrzeit = benannt(new QGroupBox(this), "GroupBox_Uhrzeit", 201);
    auto* g = new QGridLayout(Uhrzeit);
    TimeEdit_Startzeit = benannt(new QTimeEdit(Uhrzeit), "TimeEdit_Startzeit");
    TimeEdit_Startzeit->setDisplayFormat("HH:mm:ss");
    CheckBox_jetzt = benannt(new QCheckBox(Uhrzeit), "CheckBox_jetzt", 203);
    BitBtn_Startzeit_OK = OK_Knopf(Uhrzeit, "BitBtn_Startzeit_OK");
    CheckBox_Uhrzeit_anzeigen = benannt(new QCheckBox(Uhrzeit), "CheckBox_Uhrzeit_anzeigen", 204);
    g->addWidget(Beschriftung_fuer(TimeEdit_Startzeit, 202), 0, 0);
    g->addWidget(TimeEdit_Startzeit, 0, 1);
    g->addWidget(BitBtn_Startzeit_OK, 0, 2);
    g->addWidget(CheckBox_jetzt, 1, 1);
    g->addWidget(CheckBox_Uhrzeit_anzeigen, 2, 0, 1, 3);
    g->setColumnStretch(3, 1);
    Spalte->addWidget(Uhrzeit);
    Spalte->addStretch(1);

    namespace U = Unit_AustauchPlanung;
    connect(CheckBox_volle_Minuten, &QCheckBox::toggled, this, [this](bool an) {
        E::volle_Minuten_setzen(an);
        Anzeigen();
    });
    connect(CheckBox_volle_RunTime_Minuten, &QCheckBox::toggled, this, [this](bool an) {
        E::volle_RunTime_Minuten_setzen(an);
        Anzeigen();
    });
    connect(CheckBox_Aufstiegszeit, &QCheckBox::toggled, this,
            [](bool an) { U::Aufstiegszeit_addieren = an; });
    connect(CheckBox_jetzt, &QCheckBox::toggled, this, [this](bool an) {
        E::Startzeit_jetzt(an);
        Anzeigen();
        emit geaendert();
    });
    connect(BitBtn_Startzeit_OK, &QPushButton::clicked, this, [this] {
        const QTime t = TimeEdit_Startzeit->time();
        E::Startzeit_OK(t.hour(), t.minute(), t.second());
        Anzeigen();
        emit geaendert();
    });
    connect(CheckBox_Uhrzeit_anzeigen, &QCheckBox::toggled, this, [this](bool an) {
        E::Uhrzeit_anzeigen(an);
        emit geaendert();
    });
}

void Seite_Zeit::Anzeigen() {
    namespace U = Unit_AustauchPlanung;
    Ladesperre Sperre(this);
    CheckBox_volle_Minuten->setChecked(U::Stops_volle_Minuten);
    CheckBox_volle_RunTime_Minuten->setChecked(U::Stops_volle_RunTime_Minuten);
    CheckBox_Aufstiegszeit->setChecked(U::Aufstiegszeit_addieren);
    TimeEdit_Startzeit->setTime(QTime(D::Startzeit.Stunden, D::Startzeit.Minuten, D::Startzeit.Sekunden));
    CheckBox_jetzt->setChecked(D::Startzeit_aktuell);
    CheckBox_Uhrzeit_anzeigen->setChecked(D::Uhrzeit_zeigen);
}

// ---- runtime table ----

Seite_RuntimeTabelle::Seite_RuntimeTabelle(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet_RuntimeTabelle");
    auto* Spalte = new QVBoxLayout(this);
    auto* Gruppe = benannt(new QGroupBox(this), "GroupBox_RunTimeTabelle", 205);
    auto* v = new QVBoxLayout(Gruppe);
    CheckBox_Aufstieg_zwischen_Deko = benannt(new QCheckBox(Gruppe), "CheckBox_Aufstieg_zwischen_Deko", 206);
    CheckBox_Zeit_auf_Tiefe = benannt(new QCheckBox(Gruppe), "CheckBox_Zeit_auf_Tiefe", 207);
    CheckBox_Uhrzeit = benannt(new QCheckBox(Gruppe), "CheckBox_Uhrzeit", 201);
    CheckBox_pO2 = benannt(new QCheckBox("p(O2)", Gruppe), "CheckBox_pO2");
    CheckBox_CNS = benannt(new QCheckBox("CNS %", Gruppe), "CheckBox_CNS");
    CheckBox_System = benannt(new QCheckBox(Gruppe), "CheckBox_System", 208);
    CheckBox_Gasdichte = benannt(new QCheckBox(Gruppe), "CheckBox_Gasdichte");
    // in the order of Unit_Einstellungen::Tabellenspalte
    Spalten = {CheckBox_Aufstieg_zwischen_Deko,
               CheckBox_Zeit_auf_Tiefe,
               CheckBox_Uhrzeit,
               CheckBox_pO2,
               CheckBox_CNS,
               CheckBox_System,
               CheckBox_Gasdichte};
    for (std::size_t i = 0; i < Spalten.size(); ++i) {
        v->addWidget(Spalten[i]);
        connect(Spalten[i], &QCheckBox::toggled, this,
                [i](bool an) { E::Tabellenspalte_setzen(static_cast<E::Tabellenspalte>(i), an); });
    }
    Spalte->addWidget(Gruppe);
    auto* Zeile = new QHBoxLayout;
    SpinEdit_Nachkommastellen = benannt(new QSpinBox(this), "SpinEdit_Nachkommastellen");
    SpinEdit_Nachkommastellen->setRange(0, 2);
    Zeile->addWidget(Beschriftung_fuer(SpinEdit_Nachkommastellen, 209));
    Zeile->addWidget(SpinEdit_Nachkommastellen);
    Zeile->addStretch(1);
    Spalte->addLayout(Zeile);
    Spalte->addStretch(1);
    connect(SpinEdit_Nachkommastellen, &QSpinBox::valueChanged, this,
            [](int n) { E::Nachkommastellen_setzen(n); });
}

void Seite_RuntimeTabelle::Anzeigen() {
    Ladesperre Sperre(this);
    for (std::size_t i = 0; i < Spalten.size(); ++i)
        Spalten[i]->setChecked(E::Tabellenspalte_an(static_cast<E::Tabellenspalte>(i)));
    CheckBox_Gasdichte->setText(Q(Unit_Tools::Text_waehlen("Gasdichte (g/l)", "Gas density (g/l)")));
    SpinEdit_Nachkommastellen->setValue(Unit_Report::RunTimeTable_NachKomma);
}
