#include "ui/settings/T_Form_Einstellungen.hpp"

#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/settings/Einstellungsseiten_Rechnung.hpp"
#include "ui/settings/Einstellungsseiten_Umgebung.hpp"
#include "ui/settings/T_Form_Save_Read.hpp"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <type_traits>

T_Form_Einstellungen::T_Form_Einstellungen(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Einstellungen");
    Tag_setzen(this, 162);
    auto* Spalte = new QVBoxLayout(this);
    PageControl = benannt(new QTabWidget(this), "PageControl");
    // Thirteen long captions: a slightly smaller tab font keeps them in one row on a 1280 pixel
    // screen in either language; a narrower screen gets the scroll arrows.
    QFont Reiterschrift = PageControl->tabBar()->font();
    Reiterschrift.setPointSizeF(Reiterschrift.pointSizeF() * 0.9);
    PageControl->tabBar()->setFont(Reiterschrift);
    PageControl->setUsesScrollButtons(true);
    Umgebungsseiten_anlegen();
    Rechenseiten_anlegen();
    Spalte->addWidget(PageControl, 1);
    Knoepfe_anlegen(Spalte);
    Hinweise_steuern();
    Beschriftungen_anwenden(this);
}

void T_Form_Einstellungen::Umgebungsseiten_anlegen() {
    TabSheet_Grundeinstellungen = new Seite_Grundeinstellungen;
    TabSheet_Anzeigen = new Seite_Anzeigen;
    TabSheet_Pfade = new Seite_Pfade;
    TabSheet_Luftdruck = new Seite_Luftdruck;
    TabSheet_Wasserdruck = new Seite_Wasserdruck;
    TabSheet_Zeit = new Seite_Zeit;
    TabSheet_RuntimeTabelle = new Seite_RuntimeTabelle;
    const std::pair<QWidget*, int> Seiten[] = {
        {TabSheet_Grundeinstellungen, 163}, {TabSheet_Anzeigen, 165},   {TabSheet_Pfade, 17},
        {TabSheet_Luftdruck, 18},           {TabSheet_Wasserdruck, 19}, {TabSheet_Zeit, 197},
        {TabSheet_RuntimeTabelle, 21}};
    for (const auto& [Seite, Tag] : Seiten) {
        Tag_setzen(Seite, Tag);
        PageControl->addTab(Seite, {});
    }
    connect(TabSheet_Grundeinstellungen, &Seite_Grundeinstellungen::geaendert, this,
            &T_Form_Einstellungen::Einstellungen_geaendert);
    connect(TabSheet_Anzeigen, &Seite_Anzeigen::geaendert, this,
            &T_Form_Einstellungen::Einstellungen_geaendert);
    connect(TabSheet_Luftdruck, &Seite_Luftdruck::geaendert, this,
            &T_Form_Einstellungen::Einstellungen_geaendert);
    connect(TabSheet_Zeit, &Seite_Zeit::geaendert, this, &T_Form_Einstellungen::Einstellungen_geaendert);
}

void T_Form_Einstellungen::Rechenseiten_anlegen() {
    TabSheet_Gasverbrauch = new Seite_Gasverbrauch;
    TabSheet_Modelle = new Seite_Modelle;
    TabSheet_Algorithmus = new Seite_Algorithmus;
    TabSheet_Sicherheit = new Seite_Sicherheit;
    TabSheet_Atemgase = new Seite_Atemgase;
    TabSheet_Grenzwerte = new Seite_Grenzwerte;
    // Each page carries its own caption tag; the algorithm page names its tab itself.
    for (QWidget* Seite :
         std::initializer_list<QWidget*>{TabSheet_Gasverbrauch, TabSheet_Modelle, TabSheet_Algorithmus,
                                         TabSheet_Sicherheit, TabSheet_Atemgase, TabSheet_Grenzwerte})
        PageControl->addTab(Seite, {});
    const auto melden = [this](auto* Seite) {
        using Seitentyp = std::remove_pointer_t<decltype(Seite)>;
        connect(Seite, &Seitentyp::geaendert, this, &T_Form_Einstellungen::Einstellungen_geaendert);
    };
    melden(TabSheet_Gasverbrauch);
    melden(TabSheet_Modelle);
    melden(TabSheet_Algorithmus);
    melden(TabSheet_Sicherheit);
    melden(TabSheet_Atemgase);
    melden(TabSheet_Grenzwerte);
}

void T_Form_Einstellungen::Unterseite_zeigen(int Seite, int Unterseite) {
    if (Unterseite < 0) return;
    if (Seite == Gasverbrauch) TabSheet_Gasverbrauch->Unterseite_zeigen(Unterseite);
    if (Seite == Sicherheit) TabSheet_Sicherheit->Unterseite_zeigen(Unterseite);
}

void T_Form_Einstellungen::Knoepfe_anlegen(QVBoxLayout* Spalte) {
    BitBtn_lesen = benannt(new QPushButton(this), "BitBtn_lesen", 253);
    BitBtn_speichern = benannt(new QPushButton(this), "BitBtn_speichern", 254);
    BitBtn_Uebersicht = benannt(new QPushButton(this), "BitBtn_Uebersicht", 255);
    BitBtn_Reset = benannt(new QPushButton(this), "BitBtn_Reset", 256);
    BitBtn_Schliessen = benannt(new QPushButton(this), "BitBtn_Schliessen", 125);
    auto* Zeile = new QHBoxLayout;
    for (QPushButton* b : {BitBtn_lesen, BitBtn_speichern, BitBtn_Uebersicht, BitBtn_Reset})
        Zeile->addWidget(b);
    Zeile->addStretch(1);
    Zeile->addWidget(BitBtn_Schliessen);
    Spalte->addLayout(Zeile);

    namespace S = Unit_Einstellungsdatei;
    connect(BitBtn_lesen, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren([] { S::Einstellungsdatei_lesen(); });
        Einstellungen_geaendert();
    });
    connect(BitBtn_speichern, &QPushButton::clicked, this,
            [] { Befehl_ausfuehren([] { S::Einstellungsdatei_schreiben(); }); });
    connect(BitBtn_Uebersicht, &QPushButton::clicked, this, [this] {
        if (!Uebersicht) Uebersicht = new T_Form_Save_Read(this);
        Uebersicht->exec();
        Einstellungen_geaendert(); // the overview may have read a dive with its settings
    });
    connect(BitBtn_Reset, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren([] { S::Einstellungen_zuruecksetzen(); });
        Einstellungen_geaendert();
    });
    connect(BitBtn_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void T_Form_Einstellungen::Seite_zeigen(int Seite, int Unterseite) {
    if (Seite >= 0 && Seite < Seitenzahl) PageControl->setCurrentIndex(Seite);
    Unterseite_zeigen(PageControl->currentIndex(), Unterseite);
    exec();
}

void T_Form_Einstellungen::Seiten_anzeigen() {
    TabSheet_Grundeinstellungen->Anzeigen();
    TabSheet_Anzeigen->Anzeigen();
    TabSheet_Pfade->Anzeigen();
    TabSheet_Luftdruck->Anzeigen();
    TabSheet_Wasserdruck->Anzeigen();
    TabSheet_Zeit->Anzeigen();
    TabSheet_RuntimeTabelle->Anzeigen();
    TabSheet_Gasverbrauch->Anzeigen();
    TabSheet_Modelle->Anzeigen();
    TabSheet_Algorithmus->Anzeigen();
    TabSheet_Sicherheit->Anzeigen();
    TabSheet_Atemgase->Anzeigen();
    TabSheet_Grenzwerte->Anzeigen();
}

void T_Form_Einstellungen::Einstellungen_geaendert() {
    Seiten_anzeigen();
    emit Hauptfenster_aktualisieren_verlangt();
}

void T_Form_Einstellungen::showEvent(QShowEvent* Ereignis) {
    Seiten_anzeigen();
    // Wide enough for the whole row of tabs, but never wider or taller than the screen it opens
    // on, frame included.
    QSize Wunsch = size().expandedTo({PageControl->tabBar()->sizeHint().width() + 40, 0});
    if (const QScreen* Bildschirm = screen())
        Wunsch = Wunsch.boundedTo(Bildschirm->availableGeometry().size() - QSize(40, 60));
    if (Wunsch != size()) resize(Wunsch);
    QDialog::showEvent(Ereignis);
}

void T_Form_Einstellungen::done(int Ergebnis) {
    QDialog::done(Ergebnis);
    emit Hauptfenster_aktualisieren_verlangt();
}
