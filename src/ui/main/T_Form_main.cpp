#include "ui/main/T_Form_main.hpp"

#include "ui/planning/T_Form_Abtauchplanung.hpp"
#include "ui/planning/T_Form_AustauchPlanung.hpp"
#include "ui/settings/T_Form_Einstellungen.hpp"
#include "ui/settings/T_Form_Save_Read.hpp"

#include "commands/Unit_Handbuch.hpp"
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "commands/Unit_Warnhinweis.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_Programm.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Sprache_Brelune.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/adapters/Dokumente_oeffnen.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/blender/T_Form_DaqOntrakCom.hpp"
#include "ui/blender/T_Form_Gasmischer.hpp"
#include "ui/blender/T_Form_Gasmischer_MonitorDuese.hpp"
#include "ui/blender/T_Form_Gasmischer_Sensoren.hpp"
#include "ui/displays/T_Form_CaveDiving.hpp"
#include "ui/displays/T_Form_Gewebe.hpp"
#include "ui/displays/T_Form_Gewebe_barL.hpp"
#include "ui/displays/T_Form_Gewebedruck.hpp"
#include "ui/displays/T_Form_PrePrinter.hpp"
#include "ui/displays/T_Form_Tauchgang_analysieren.hpp"
#include "ui/displays/T_Form_sData_Waypoints_edit.hpp"
#include "ui/files/T_Form_Save_Read_CSV.hpp"
#include "ui/files/T_Form_aXML.hpp"
#include "ui/gases/T_Form_GasZeiger.hpp"
#include "ui/gases/T_Form_Gasgemisch.hpp"
#include "ui/main/Graph_Tauchgang.hpp"
#include "ui/main/Statusanzeige.hpp"
#include "ui/main/T_Form_ProgrammInfo.hpp"
#include "ui/main/T_Form_Warnhinweis.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <QTime>

#include <tuple>
#include <utility>

namespace {
namespace W = Unit_WayPoints;
namespace M = Unit_Main;
namespace Memo = Unit_Textpuffer;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString T(const char* Deutsch, const char* Englisch) {
    return Q(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QPushButton* Knopf(const char* Name, int Tag, QWidget* Eltern) {
    return benannt(new QPushButton(Eltern), Name, Tag);
}

} // namespace

T_Form_main::T_Form_main(QWidget* parent) : QMainWindow(parent) {
    Zugang_einrichten();
    setObjectName("T_Form_main");
    setWindowTitle(" * Brelune * ");
    Obere_Leiste_anlegen();
    Tauchgangsbereich_anlegen();
    Berechnungsbereich_anlegen();
    Menue_anlegen();

    auto* Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->addWidget(GroupBox_oben);
    Splitter->addWidget(GroupBox_Tauchgang);
    Splitter->addWidget(GroupBox_Berechnungen);
    Splitter->setStretchFactor(0, 0);
    // The status panel's dials need about as much height as the graph gets.
    Splitter->setStretchFactor(1, 1);
    Splitter->setStretchFactor(2, 1);
    Splitter->setChildrenCollapsible(false);
    setCentralWidget(Splitter);
    resize(1280, 800);

    GasZeiger = new T_Form_GasZeiger(this);
    Abtauchplanung = new T_Form_Abtauchplanung(this);
    Austauchplanung = new T_Form_AustauchPlanung(this);
    Uebersicht = new T_Form_Save_Read(this);
    Einstellungsdialog = new T_Form_Einstellungen(this);
    connect(Einstellungsdialog, &T_Form_Einstellungen::Hauptfenster_aktualisieren_verlangt, this,
            &T_Form_main::Hauptfenster_aktualisieren);
    Warnhinweis = new T_Form_Warnhinweis(this);
    ProgrammInfo = new T_Form_ProgrammInfo(this);
    Gasrechner = new T_Form_Gasgemisch(this);
    Gasmischer = new T_Form_Gasmischer(this);
    Gewebefenster_anlegen();
    Hoehlentauchen = new T_Form_CaveDiving(this);
    Hoehlentauchen->Befehle_setzen(findChild<QAction*>("Aktion_Tauchgang_laden"),
                                   findChild<QAction*>("Aktion_Import_CSV"),
                                   findChild<QAction*>("Aktion_Wegpunkte_Uebersicht"));
    connect(Hoehlentauchen, &T_Form_CaveDiving::Tauchgang_geaendert, this,
            &T_Form_main::Hauptfenster_aktualisieren);
    CSV_Fenster = new T_Form_Save_Read_CSV(this);
    UDDF_Fenster = new T_Form_aXML(this);
    Analysefenster_anlegen();
    Mischstand_anlegen();
    // Refused from the help menu, the notice ends the program as it would at the start.
    connect(Warnhinweis, &QDialog::finished, this, [this] {
        if (!Unit_Warnhinweis::akzeptiert) close();
    });
    Uhrzeit_Zeitgeber.setInterval(1000);
    connect(&Uhrzeit_Zeitgeber, &QTimer::timeout, this, &T_Form_main::Sekunde_vergangen);
    Uhrzeit_Zeitgeber.start();
    Anzeige_Zeitgeber.setSingleShot(true);
    Anzeige_Zeitgeber.setInterval(16);
    connect(&Anzeige_Zeitgeber, &QTimer::timeout, this, &T_Form_main::Hauptfenster_aktualisieren);
    Verbinden();
    Beschriftungen_anwenden(this);
    Hauptfenster_aktualisieren();
}

void T_Form_main::Zugaengliche_Namen_setzen() {
    // Controls without a label of their own are named after their group, for screen readers.
    Edit_Luftdruck->setAccessibleName(GroupBox_Luftdruck->title());
    ComboBox_Tauchgeraet->setAccessibleName(GroupBox_Tauchgeraet->title());
    ComboBox_Tauchgeraet_Atemgas->setAccessibleName(Label_Atemgas->text());
    Edit_Tauchgeraet->setAccessibleName(Label_Tauchgeraet->text());
}

void T_Form_main::Obere_Leiste_anlegen() {
    GroupBox_oben = benannt(new QGroupBox(this), "GroupBox_oben");
    auto* Leiste = new QHBoxLayout(GroupBox_oben);

    GroupBox_Luftdruck = benannt(new QGroupBox(GroupBox_oben), "GroupBox_Luftdruck", 68);
    Edit_Luftdruck = benannt(new QLineEdit(GroupBox_Luftdruck), "Edit_Luftdruck");
    Edit_Luftdruck->setReadOnly(true);
    Edit_Luftdruck->setAlignment(Qt::AlignRight);
    Edit_Luftdruck->setMaximumWidth(90);
    (new QHBoxLayout(GroupBox_Luftdruck))->addWidget(Edit_Luftdruck);
    GroupBox_Luftdruck->installEventFilter(this);
    Edit_Luftdruck->installEventFilter(this);
    Leiste->addWidget(GroupBox_Luftdruck);

    GroupBox_Planung = benannt(new QGroupBox(GroupBox_oben), "GroupBox_Planung", 69);
    auto* Planung = new QHBoxLayout(GroupBox_Planung);
    BitBtn_Abtauchplanung = Knopf("BitBtn_Abtauchplanung", 70, GroupBox_Planung);
    BitBtn_Austauchplanung = Knopf("BitBtn_Austauchplanung", 71, GroupBox_Planung);
    BitBtn_Einstellungen = Knopf("BitBtn_Einstellungen", 67, GroupBox_Planung);
    for (auto* b : {BitBtn_Abtauchplanung, BitBtn_Austauchplanung, BitBtn_Einstellungen})
        Planung->addWidget(b);
    Leiste->addWidget(GroupBox_Planung);

    GroupBox_Modelle = benannt(new QGroupBox(GroupBox_oben), "GroupBox_Modelle", 72);
    auto* Modelle = new QHBoxLayout(GroupBox_Modelle);
    ComboBox_Modell_N2 = benannt(new QComboBox(GroupBox_Modelle), "ComboBox_Modell_N2");
    ComboBox_Modell_He = benannt(new QComboBox(GroupBox_Modelle), "ComboBox_Modell_He");
    ComboBox_Modell_N2->setAccessibleName("N2");
    ComboBox_Modell_He->setAccessibleName("He");
    Modelle->addWidget(ComboBox_Modell_N2);
    Modelle->addWidget(ComboBox_Modell_He);
    Leiste->addWidget(GroupBox_Modelle);

    Leiste->addStretch(1);
    BitBtn_Close = Knopf("BitBtn_Close", 73, GroupBox_oben);
    Leiste->addWidget(BitBtn_Close);
    Leiste->setContentsMargins(6, 2, 10, 2);
}

void T_Form_main::Tauchgangsbereich_anlegen() {
    GroupBox_Tauchgang = benannt(new QGroupBox(this), "GroupBox_Tauchgang", 74);
    auto* Spalte = new QVBoxLayout(GroupBox_Tauchgang);
    CWGraph_Tauchgang = new Graph_Tauchgang(GroupBox_Tauchgang);
    CWGraph_Tauchgang->setMinimumHeight(220);
    Spalte->addWidget(CWGraph_Tauchgang, 1);

    auto* Streifen = new QHBoxLayout;
    BitBtn_NeuerTauchgang = Knopf("BitBtn_NeuerTauchgang", 75, GroupBox_Tauchgang);
    BitBtn_Wiederholungstauchgang = Knopf("BitBtn_Wiederholungstauchgang", 76, GroupBox_Tauchgang);
    Streifen->addWidget(BitBtn_NeuerTauchgang);
    Streifen->addWidget(BitBtn_Wiederholungstauchgang);

    GroupBox_Punkt_setzen = benannt(new QGroupBox(GroupBox_Tauchgang), "GroupBox_Punkt_setzen", 77);
    auto* Punkt = new QGridLayout(GroupBox_Punkt_setzen);
    Edit_min_runtime = benannt(new QLineEdit(GroupBox_Punkt_setzen), "Edit_min_runtime");
    Edit_m_Wasser = benannt(new QLineEdit(GroupBox_Punkt_setzen), "Edit_m_Wasser");
    for (auto* e : {Edit_min_runtime, Edit_m_Wasser}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(80);
    }
    auto* Label_Runtime = benannt(new QLabel(GroupBox_Punkt_setzen), "Label_min_runtime", 78);
    auto* Label_Tiefe = benannt(new QLabel(GroupBox_Punkt_setzen), "Label_m_Wasser", 79);
    BitBtn_Tauchen = Knopf("BitBtn_Tauchen", 83, GroupBox_Punkt_setzen);
    CheckBox_Abstieg = benannt(new QCheckBox(GroupBox_Punkt_setzen), "CheckBox_Abstieg", 84);
    BitBtn_Loeschen = Knopf("BitBtn_Loeschen", 85, GroupBox_Punkt_setzen);
    Punkt->addWidget(Label_Runtime, 0, 0);
    Punkt->addWidget(Edit_min_runtime, 1, 0);
    Punkt->addWidget(Label_Tiefe, 0, 1);
    Punkt->addWidget(Edit_m_Wasser, 1, 1);
    Punkt->addWidget(BitBtn_Tauchen, 1, 2);
    Punkt->addWidget(CheckBox_Abstieg, 0, 2, 1, 2);
    Punkt->addWidget(BitBtn_Loeschen, 1, 3);
    Label_Runtime->setBuddy(Edit_min_runtime);
    Label_Tiefe->setBuddy(Edit_m_Wasser);
    Streifen->addWidget(GroupBox_Punkt_setzen);

    GroupBox_Tauchgeraet = benannt(new QGroupBox(GroupBox_Tauchgang), "GroupBox_Tauchgeraet", 80);
    auto* Geraet = new QGridLayout(GroupBox_Tauchgeraet);
    ComboBox_Tauchgeraet = benannt(new QComboBox(GroupBox_Tauchgeraet), "ComboBox_Tauchgeraet");
    ComboBox_Tauchgeraet->addItems({"OC", "CCR", "SCR", "pSCR"});
    Label_Atemgas = benannt(new QLabel(GroupBox_Tauchgeraet), "Label_Atemgas");
    ComboBox_Tauchgeraet_Atemgas =
        benannt(new QComboBox(GroupBox_Tauchgeraet), "ComboBox_Tauchgeraet_Atemgas");
    ComboBox_Tauchgeraet_Atemgas->setMinimumContentsLength(12);
    Label_Tauchgeraet = benannt(new QLabel(GroupBox_Tauchgeraet), "Label_Tauchgeraet");
    Edit_Tauchgeraet = benannt(new QLineEdit(GroupBox_Tauchgeraet), "Edit_Tauchgeraet");
    Edit_Tauchgeraet->setAlignment(Qt::AlignRight);
    Edit_Tauchgeraet->setMaximumWidth(70);
    Label_Tauchgeraet_Einheit = benannt(new QLabel(GroupBox_Tauchgeraet), "Label_Tauchgeraet_Einheit");
    Geraet->addWidget(ComboBox_Tauchgeraet, 1, 0);
    Geraet->addWidget(Label_Atemgas, 0, 1);
    Geraet->addWidget(ComboBox_Tauchgeraet_Atemgas, 1, 1);
    Geraet->addWidget(Label_Tauchgeraet, 0, 2, 1, 2);
    Geraet->addWidget(Edit_Tauchgeraet, 1, 2);
    Geraet->addWidget(Label_Tauchgeraet_Einheit, 1, 3);
    Label_Atemgas->setBuddy(ComboBox_Tauchgeraet_Atemgas);
    Label_Tauchgeraet->setBuddy(Edit_Tauchgeraet);
    Streifen->addWidget(GroupBox_Tauchgeraet);

    Streifen->addStretch(1);
    BitBtn_Austauchen = Knopf("BitBtn_Austauchen", 86, GroupBox_Tauchgang);
    BitBtn_Austauchen->setMinimumHeight(40);
    Streifen->addWidget(BitBtn_Austauchen);
    Spalte->addLayout(Streifen);
}

QWidget* T_Form_main::Textseite(QPlainTextEdit*& Memo, const char* Name, const std::string& Puffer) {
    auto* Seite = new QWidget;
    auto* Spalte = new QVBoxLayout(Seite);
    Spalte->setContentsMargins(2, 2, 2, 2);
    Memo = benannt(new QPlainTextEdit(Seite), Name);
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Spalte->addWidget(Memo);
    Textseiten[Puffer] = Memo;
    Textseite_veraltet[Puffer] = true;
    return Seite;
}

void T_Form_main::Berechnungsbereich_anlegen() {
    GroupBox_Berechnungen = benannt(new QGroupBox(this), "GroupBox_Berechnungen", 87);
    auto* Zeile = new QHBoxLayout(GroupBox_Berechnungen);
    auto* Teiler = Teiler_unten = new QSplitter(Qt::Horizontal, GroupBox_Berechnungen);
    Zeile->addWidget(Teiler);
    PageControl_links = benannt(new QTabWidget(Teiler), "PageControl_links");
    PageControl_rechts = benannt(new QTabWidget(Teiler), "PageControl_rechts");
    Teiler->addWidget(PageControl_links);
    Teiler->addWidget(PageControl_rechts);
    Teiler->setStretchFactor(0, 3);
    Teiler->setStretchFactor(1, 2);

    // The panel keeps its size; a narrow window scrolls it rather than squeezing the dials.
    Statusfeld = new Statusanzeige;
    auto* Rollbereich = benannt(new QScrollArea, "TabSheet_Status", 88);
    Rollbereich->setWidget(Statusfeld);
    Rollbereich->setWidgetResizable(true);
    Rollbereich->setFrameShape(QFrame::NoFrame);
    PageControl_links->addTab(Rollbereich, {});
    QPlainTextEdit* Memo = nullptr;
    const auto Seite = [&](QTabWidget* Reiter, const char* Seitenname, int Tag, const char* Memoname,
                           const Memo::Textpuffer& Puffer) {
        QWidget* s = benannt(Textseite(Memo, Memoname, Puffer.Name), Seitenname, Tag);
        Reiter->addTab(s, {});
        return s;
    };
    Seite(PageControl_links, "TabSheet_Tauchgangsberechnung", 97, "Memo_Tauchgangsberechnung",
          Memo::Memo_Tauchgangsberechnung);
    // The log of the calculation is kept but not offered: the runtime table says it better.
    PageControl_links->setTabVisible(1, false);
    Seite(PageControl_links, "TabSheet_Zusammenfassung", 99, "Memo_Zusammenfassung",
          Memo::Memo_Zusammenfassung);

    const auto Knopfzeile = [](QWidget* Seite, std::initializer_list<QPushButton*> Knoepfe) {
        auto* Reihe = new QHBoxLayout;
        for (auto* k : Knoepfe) Reihe->addWidget(k);
        Reihe->addStretch(1);
        qobject_cast<QVBoxLayout*>(Seite->layout())->insertLayout(0, Reihe);
    };
    QWidget* Report = Seite(PageControl_links, "TabSheet_Report", 100, "Memo_Report", Memo::Memo_Report);
    auto* Report_Drucken = Knopf("BitBtn_Report_Drucken", 101, Report);
    auto* Report_Kopieren = Knopf("BitBtn_Report_Zwischenablage", 354, Report);
    auto* Report_Word = Knopf("BitBtn_Report_Word", 102, Report);
    Knopfzeile(Report, {Report_Drucken, Report_Kopieren, Report_Word});

    QWidget* CSV = Seite(PageControl_links, "TabSheet_ReportCSV", 0, "Memo_ReportCSV", Memo::Memo_ReportCSV);
    PageControl_links->setTabText(PageControl_links->indexOf(CSV), "Report CSV");
    auto* CSV_Kopieren = Knopf("BitBtn_ReportCSV_Zwischenablage", 354, CSV);
    auto* CSV_Drucken = Knopf("BitBtn_ReportCSV_Drucken", 101, CSV);
    auto* CSV_Speichern = Knopf("BitBtn_ReportCSV_speichern", 0, CSV);
    CSV_Speichern->setText(T("speichern", "save"));
    Knopfzeile(CSV, {CSV_Kopieren, CSV_Drucken, CSV_Speichern});

    QWidget* Tabelle = Seite(PageControl_links, "TabSheet_RunTimeTabelle", 104, "Memo_RunTimeTabelle",
                             Memo::Memo_RunTimeTabelle);
    auto* Tabelle_Drucken = Knopf("BitBtn_RunTimeTabelle_Drucken", 101, Tabelle);
    auto* Tabelle_Anpassen = Knopf("BitBtn_RunTimeTabelle_anpassen", 105, Tabelle);
    auto* Tabelle_Kopieren = Knopf("BitBtn_RunTimeTabelle_Zwischenablage", 354, Tabelle);
    auto* Tabelle_Excel = Knopf("BitBtn_RunTimeTabelle_Excel", 103, Tabelle);
    Knopfzeile(Tabelle, {Tabelle_Drucken, Tabelle_Anpassen, Tabelle_Kopieren, Tabelle_Excel});
    Seite(PageControl_links, "TabSheet_Kontingenz", 0, "Memo_Kontingenz", Memo::Memo_Kontingenz);
    Kontingenz_beschriften();
    const auto Drucken = [this](const Memo::Textpuffer& Puffer, bool mit_Graphik) {
        return [this, &Puffer, mit_Graphik] { Druckvorschau_zeigen(Puffer.lesen(), mit_Graphik); };
    };
    connect(Report_Drucken, &QPushButton::clicked, this, Drucken(Memo::Memo_Report, true));
    connect(CSV_Drucken, &QPushButton::clicked, this, Drucken(Memo::Memo_ReportCSV, false));
    connect(Tabelle_Drucken, &QPushButton::clicked, this, Drucken(Memo::Memo_RunTimeTabelle, false));
    connect(Report_Word, &QPushButton::clicked, this, &Dokumente_oeffnen::Report_uebergeben);
    connect(Tabelle_Excel, &QPushButton::clicked, this, &Dokumente_oeffnen::Runtime_Tabelle_uebergeben);
    connect(Tabelle_Anpassen, &QPushButton::clicked, this,
            [this] { Einstellungen_zeigen(T_Form_Einstellungen::RuntimeTabelle); });

    const auto Kopieren = [](const Memo::Textpuffer& Puffer) {
        return [&Puffer] { QGuiApplication::clipboard()->setText(Q(Puffer.Text())); };
    };
    connect(Report_Kopieren, &QPushButton::clicked, this, Kopieren(Memo::Memo_Report));
    connect(CSV_Kopieren, &QPushButton::clicked, this, Kopieren(Memo::Memo_ReportCSV));
    connect(Tabelle_Kopieren, &QPushButton::clicked, this, Kopieren(Memo::Memo_RunTimeTabelle));
    connect(CSV_Speichern, &QPushButton::clicked, this, &T_Form_main::CSV_speichern);

    Seite(PageControl_rechts, "TabSheet_Gasverbrauch", 106, "Memo_Gasverbrauch", Memo::Memo_Gasverbrauch);
    Seite(PageControl_rechts, "TabSheet_DekoInfo", 107, "Memo_DekoInfo", Memo::Memo_DekoInfo);
    Seite(PageControl_rechts, "TabSheet_Warnungen", 108, "Memo_Warnung", Memo::Memo_Warnung);
    PageControl_links->setCurrentIndex(0);
    PageControl_rechts->setCurrentIndex(2);
    connect(PageControl_links, &QTabWidget::currentChanged, this, &T_Form_main::Textseiten_fuellen);
}

void T_Form_main::Druckvorschau_zeigen(const std::vector<std::string>& Zeilen, bool mit_Graphik) {
    if (!Druckvorschau) Druckvorschau = new T_Form_PrePrinter(CWGraph_Tauchgang, this);
    Druckvorschau->Druckvorschau_zeigen(Zeilen, mit_Graphik);
}

// The manual of the language in force, in the desktop's browser.
void T_Form_main::Handbuch_oeffnen() {
    const std::string Seite = Unit_Handbuch::Handbuch_suchen();
    if (Seite.empty() || Dokumente_oeffnen::Oeffnen(QUrl::fromLocalFile(QString::fromStdString(Seite))))
        return;
    Unit_Tools::Meldung_Problem(
        "Es ist kein Browser eingerichtet, der das Handbuch öffnet. Es liegt hier:\n" + Seite,
        "No browser is set up to open the manual. It is here:\n" + Seite);
}

QAction* T_Form_main::Eintrag(QMenu* Menue, int Tag, const char* Name) {
    auto* a = Menue->addAction(QString());
    a->setObjectName(Name);
    Tag_setzen(a, Tag);
    return a;
}

void T_Form_main::Menue_anlegen() {
    auto* Leiste = menuBar();
    const auto Menue = [&](int Tag, const char* Name) {
        auto* m = benannt(new QMenu(Leiste), Name, Tag);
        Leiste->addMenu(m);
        return m;
    };
    const auto Befehl = [this](QAction* a, auto&& f) { connect(a, &QAction::triggered, this, f); };

    QMenu* Tauchgang = Menue(1, "Menu_Tauchgang");
    Befehl(Eintrag(Tauchgang, 2, "Aktion_NeuerTauchgang"), [this] {
        Ausfuehren([] {
            Unit_Tauchgang_analysieren::Analyse_Fenster_schliessen();
            M::Neuer_Tauchgang();
        });
    });
    Tauchgang->actions().back()->setShortcut(QKeySequence::New);
    Tauchgang->addSeparator();
    Befehl(Eintrag(Tauchgang, 3, "Aktion_Tauchgang_laden"), [this] { Datei_laden(); });
    Tauchgang->actions().back()->setShortcut(QKeySequence::Open);
    Befehl(Eintrag(Tauchgang, 4, "Aktion_Tauchgang_speichern"), [this] {
        Ausfuehren([] { Unit_Save_Read::Tauchgang_speichern(Unit_Save_Read::Kommentar_der_Sprache()); });
    });
    Tauchgang->actions().back()->setShortcut(QKeySequence::Save);
    Befehl(Eintrag(Tauchgang, 5, "Aktion_Report_drucken"),
           [this] { Druckvorschau_zeigen(Memo::Memo_Report.lesen(), true); });
    Tauchgang->actions().back()->setShortcut(QKeySequence::Print);
    Tauchgang->addSeparator();
    Befehl(Eintrag(Tauchgang, 342, "Aktion_Beispiel_laden"), [this] {
        Ausfuehren([] {
            Unit_Tauchgang_analysieren::Analyse_Fenster_schliessen();
            Unit_Programmstart::Tauchgang_Beispiel_laden();
        });
    });
    Befehl(Eintrag(Tauchgang, 6, "Aktion_Import_UDDF"), [this] { Importieren(0); });
    Befehl(Eintrag(Tauchgang, 7, "Aktion_Import_CSV"), [this] { Importieren(1); });
    Befehl(Eintrag(Tauchgang, 8, "Aktion_Import_TXT"), [this] { Importieren(2); });
    Tauchgang->addSeparator();
    Befehl(Eintrag(Tauchgang, 9, "Aktion_Export_UDDF"), [this] { Exportieren_UDDF(); });
    Befehl(Eintrag(Tauchgang, 355, "Aktion_Export_CSV"), [this] { CSV_speichern(); });
    Befehl(Eintrag(Tauchgang, 302, "Aktion_CSV_Fenster"), [this] { zeigen(CSV_Fenster); });
    Befehl(Eintrag(Tauchgang, 156, "Aktion_UDDF_Fenster"), [this] { zeigen(UDDF_Fenster); });
    Tauchgang->addSeparator();
    Befehl(Eintrag(Tauchgang, 10, "Aktion_Programm_beenden"), [this] { close(); });
    Tauchgang->actions().back()->setShortcut(QKeySequence::Quit);

    QMenu* Einstellungen = Menue(11, "Menu_Einstellungen");
    Befehl(Eintrag(Einstellungen, 12, "Aktion_Einstellungen_laden"),
           [this] { Ausfuehren([] { Unit_Einstellungsdatei::Einstellungsdatei_lesen(); }); });
    Befehl(Eintrag(Einstellungen, 13, "Aktion_Einstellungen_speichern"),
           [this] { Ausfuehren([] { Unit_Einstellungsdatei::Einstellungsdatei_schreiben(); }); });
    Befehl(Eintrag(Einstellungen, 14, "Aktion_Einstellungen_zuruecksetzen"),
           [this] { Ausfuehren([] { Unit_Einstellungsdatei::Einstellungen_zuruecksetzen(); }); });
    Einstellungen->addSeparator();
    // Entry tag, page, sub-page: the gas consumption entry names the open circuit's RMV.
    using E = T_Form_Einstellungen;
    const std::tuple<int, int, int> Seiten[] = {
        {15, E::Grundeinstellungen, -1}, {16, E::Anzeigen, -1},    {17, E::Pfade, -1},
        {18, E::Luftdruck, -1},          {19, E::Wasserdruck, -1}, {20, E::Zeit, -1},
        {21, E::RuntimeTabelle, -1},     {22, E::Gasverbrauch, 0}, {23, E::Modelle, -1},
        {24, E::Sicherheit, -1},         {25, E::Atemgase, -1},    {26, E::Grenzwerte, -1}};
    for (const auto& [Tag, Seite, Unterseite] : Seiten)
        Befehl(Eintrag(Einstellungen, Tag, ("Aktion_Einstellungen_" + std::to_string(Tag)).c_str()),
               [this, Seite, Unterseite] { Einstellungen_zeigen(Seite, Unterseite); });
    Einstellungen->addSeparator();
    Befehl(Eintrag(Einstellungen, 27, "Aktion_Uebersicht"), [this] {
        Uebersicht->exec();
        Hauptfenster_aktualisieren();
    });

    QMenu* Abstieg = Menue(28, "Menu_Abstiegsplanung");
    for (int Seite : {0, 1, 2, 3})
        Befehl(Eintrag(Abstieg, 29 + Seite, ("Aktion_Abstiegsplanung_" + std::to_string(29 + Seite)).c_str()),
               [this, Seite] { Abtauchplanung_zeigen(Seite); });
    QMenu* Aufstieg = Menue(33, "Menu_Austauchplanung");
    for (int Seite : {0, 1, 2, 3, 4})
        Befehl(
            Eintrag(Aufstieg, 34 + Seite, ("Aktion_Austauchplanung_" + std::to_string(34 + Seite)).c_str()),
            [this, Seite] { Austauchplanung_zeigen(Seite); });

    QMenu* Tauchen = Menue(39, "Menu_Tauchen");
    Befehl(Eintrag(Tauchen, 40, "Aktion_Neuer_Tauchgang_Luft"),
           [this] { Ausfuehren([] { M::Neuer_Tauchgang(); }); });
    Eintrag_Wiederholung = Eintrag(Tauchen, 41, "Aktion_Wiederholungstauchgang");
    Befehl(Eintrag_Wiederholung, [this] { BitBtn_Wiederholungstauchgang->click(); });
    Tauchen->addSeparator();
    int Index = 0;
    for (int Tag : {42, 43, 44, 346}) {
        QAction* a = Eintrag(Tauchen, Tag, ("Aktion_Tauchgeraet_" + std::to_string(Index)).c_str());
        a->setCheckable(true);
        Befehl(a, [this, Index] { Ausfuehren([Index] { M::Tauchgeraet_waehlen(Index); }); });
        Geraete_Eintraege[Index++] = a;
    }
    Tauchen->addSeparator();
    Eintrag_Tauchen = Eintrag(Tauchen, 45, "Aktion_Tauchen");
    Befehl(Eintrag_Tauchen, [this] { BitBtn_Tauchen->click(); });
    Eintrag_Abstieg = Eintrag(Tauchen, 46, "Aktion_Abstiegsplanung");
    Eintrag_Abstieg->setCheckable(true);
    Befehl(Eintrag_Abstieg, [this] { CheckBox_Abstieg->click(); });
    Eintrag_Loeschen = Eintrag(Tauchen, 47, "Aktion_Loeschen");
    Befehl(Eintrag_Loeschen, [this] { BitBtn_Loeschen->click(); });

    QMenu* Berechnung = Menue(48, "Menu_Berechnung");
    Eintrag_Austauchen = Eintrag(Berechnung, 49, "Aktion_Austauchen");
    Eintrag_Austauchen->setShortcut(Qt::Key_F9);
    Befehl(Eintrag_Austauchen, [this] { BitBtn_Austauchen->click(); });
    Berechnung->addSeparator();
    Eintrag_Analyse = Eintrag(Berechnung, 50, "Aktion_Tauchgang_analysieren");
    Befehl(Eintrag_Analyse, [this] {
        namespace A = Unit_Tauchgang_analysieren;
        Ausfuehren([] {
            A::Analyse_Fenster_zeigen();
            A::Modus_waehlen(A::Analysieren);
            A::OK_Klick();
        });
        Zusammenfassung_zeigen();
    });
    Berechnung->addSeparator();
    Befehl(Eintrag(Berechnung, 51, "Aktion_Wegpunkte_Uebersicht"), [this] { Wegpunktfenster->show(); });

    QMenu* Extras = Menue(52, "Menu_Extras");
    Befehl(Eintrag(Extras, 53, "Aktion_Gasrechner"), [this] { Gasrechner_zeigen(); });
    Befehl(Eintrag(Extras, 362, "Aktion_Hoehlentauchen"), [this] { Hoehlentauchen->Zeigen(); });
    Befehl(Eintrag(Extras, 54, "Aktion_Gasmischer"), [this] { zeigen(Gasmischer); });
    Extras->addSeparator();
    Eintrag_Deutsch = Eintrag(Extras, 0, "Aktion_deutsch");
    Eintrag_Englisch = Eintrag(Extras, 0, "Aktion_english");
    Eintrag_Deutsch->setText("deutsch");
    Eintrag_Englisch->setText("english");
    for (QAction* a : {Eintrag_Deutsch, Eintrag_Englisch}) {
        a->setCheckable(true);
        Befehl(a, [this] {
            const bool schliessen = Unit_Sprache_Brelune::Sprache_umschalten([this] {
                Alle_Fenster_beschriften();
                CWGraph_Tauchgang->Beschriftungen_setzen();
                Wegpunktfenster->Beschriftungen_setzen();
                Gasmischer->Beschriftungen_setzen();
                Austauchplanung->Anzeigen(); // texts of its own beside the caption table's
                Kontingenz_beschriften();
                Wandlertest->Beschriftungen_setzen();
                Sensorfenster->Beschriftungen_setzen();
                Fuellmonitor->Beschriftungen_setzen();
            });
            Hauptfenster_aktualisieren();
            if (schliessen) close();
        });
    }

    QMenu* Hilfe = Menue(56, "Menu_Hilfe");
    Befehl(Eintrag(Hilfe, 57, "Aktion_Handbuch"), [] { Handbuch_oeffnen(); });
    Hilfe->addSeparator();
    Befehl(Eintrag(Hilfe, 63, "Aktion_Ueber"),
           [this] { ProgrammInfo->Zeigen(T_Form_ProgrammInfo::Seite_Version); });
    Befehl(Eintrag(Hilfe, 64, "Aktion_Quellen"),
           [this] { ProgrammInfo->Zeigen(T_Form_ProgrammInfo::Seite_Quellen); });
    Befehl(Eintrag(Hilfe, 65, "Aktion_Warnhinweis"), [this] { Warnhinweis->show(); });
}

template <typename Befehl> void T_Form_main::Ausfuehren(Befehl&& b) {
    if (!Befehl_ausfuehren(b)) M::Berechnung_aktiv(false);
    Hauptfenster_aktualisieren();
}

void T_Form_main::Abtauchplanung_zeigen(int Seite) {
    if (M::Berechnung_laeuft) return;
    Abtauchplanung->Zeigen(static_cast<T_Form_Abtauchplanung::Seite>(Seite));
    Hauptfenster_aktualisieren();
}

void T_Form_main::Einstellungen_zeigen(int Seite, int Unterseite) {
    if (M::Berechnung_laeuft) return;
    Einstellungsdialog->Seite_zeigen(Seite, Unterseite);
    Hauptfenster_aktualisieren();
}

bool T_Form_main::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if ((Objekt == GroupBox_Luftdruck || Objekt == Edit_Luftdruck) &&
        Ereignis->type() == QEvent::MouseButtonRelease) {
        Einstellungen_zeigen(T_Form_Einstellungen::Luftdruck);
        return true;
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}

void T_Form_main::Gasrechner_zeigen() {
    if (M::Berechnung_laeuft) return;
    Gasrechner->exec();
    Hauptfenster_aktualisieren();
}

void T_Form_main::Austauchplanung_zeigen(int Seite) {
    if (M::Berechnung_laeuft) return;
    Austauchplanung->Seite_zeigen(Seite);
}

void T_Form_main::Verbinden() {
    connect(BitBtn_Abtauchplanung, &QPushButton::clicked, this, [this] { Abtauchplanung_zeigen(0); });
    // The first time on the basic settings, later on the page shown last.
    connect(BitBtn_Einstellungen, &QPushButton::clicked, this,
            [this] { Einstellungen_zeigen(Einstellungsdialog->PageControl->currentIndex()); });
    connect(BitBtn_Austauchplanung, &QPushButton::clicked, this, [this] { Austauchplanung_zeigen(0); });
    connect(Austauchplanung, &QDialog::finished, this, &T_Form_main::Hauptfenster_aktualisieren);
    // "einstellen" of the ascent plan: the safety page on the tab of the margin in use.
    connect(Austauchplanung, &T_Form_AustauchPlanung::Gasrechner_gewuenscht, this,
            &T_Form_main::Gasrechner_zeigen);
    connect(Austauchplanung, &T_Form_AustauchPlanung::Einstellungen_gewuenscht, this,
            [this](int Unterseite) { Einstellungen_zeigen(T_Form_Einstellungen::Sicherheit, Unterseite); });
    connect(CWGraph_Tauchgang, &Graph_Tauchgang::Tauchen_verlangt, BitBtn_Tauchen, &QPushButton::click);
    connect(CWGraph_Tauchgang, &Graph_Tauchgang::Zustand_geaendert, this,
            &T_Form_main::Hauptfenster_aktualisieren);
    connect(CWGraph_Tauchgang, &Graph_Tauchgang::Eingabefelder_gesetzt, this,
            [this](const QString& Runtime, const QString& Tiefe) {
                Edit_min_runtime->setText(Runtime);
                Edit_m_Wasser->setText(Tiefe);
            });
    connect(BitBtn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtn_NeuerTauchgang, &QPushButton::clicked, this, [this] {
        Ausfuehren([] {
            Unit_Tauchgang_analysieren::Analyse_Fenster_schliessen();
            M::Neuer_Tauchgang();
        });
    });
    connect(BitBtn_Wiederholungstauchgang, &QPushButton::clicked, this,
            [this] { Ausfuehren([] { M::Wiederholungstauchgang_starten(); }); });
    connect(BitBtn_Tauchen, &QPushButton::clicked, this, [this] {
        GasZeiger->close();
        Ausfuehren([this] {
            const auto Felder =
                M::Tauchen(Edit_min_runtime->text().toStdString(), Edit_m_Wasser->text().toStdString());
            Edit_min_runtime->setText(Q(Felder.Runtime));
            Edit_m_Wasser->setText(Q(Felder.Tiefe));
        });
    });
    for (QLineEdit* Feld : {Edit_min_runtime, Edit_m_Wasser})
        connect(Feld, &QLineEdit::returnPressed, BitBtn_Tauchen, &QPushButton::click);
    connect(BitBtn_Loeschen, &QPushButton::clicked, this,
            [this] { Ausfuehren([] { M::Letzten_Wegpunkt_loeschen(); }); });
    connect(BitBtn_Austauchen, &QPushButton::clicked, this,
            [this] { Ausfuehren([] { M::Austauchen_Klick(); }); });
    connect(CheckBox_Abstieg, &QCheckBox::toggled, this, [this](bool an) {
        if (Fuellen_laeuft) return;
        Unit_AbtauchPlanung::Abstiegsplanung_verwenden = an;
        Hauptfenster_aktualisieren();
    });
    connect(Edit_m_Wasser, &QLineEdit::textEdited, this, [this](const QString& t) {
        Ausfuehren([&t] { M::Tiefe_eingeben(t.toStdString()); });
        if (GasZeiger->isVisible()) GasZeiger->aktualisieren(W::m_Wasser);
    });
    connect(Edit_min_runtime, &QLineEdit::textEdited, this,
            [](const QString& t) { M::Runtime_eingeben(t.toStdString()); });
    connect(Edit_Tauchgeraet, &QLineEdit::editingFinished, this, [this] {
        if (Edit_Tauchgeraet->isModified())
            Ausfuehren([this] { M::Tauchgeraet_Wert_setzen(Edit_Tauchgeraet->text().toStdString()); });
        Edit_Tauchgeraet->setModified(false);
    });
    connect(ComboBox_Tauchgeraet, &QComboBox::activated, this, [this](int i) {
        Ausfuehren([i] { M::Tauchgeraet_waehlen(i); });
        if (GasZeiger->isVisible()) GasZeiger->aktualisieren(W::m_Wasser);
    });
    connect(ComboBox_Tauchgeraet_Atemgas, &QComboBox::activated, this, [this](int i) {
        bool gewaehlt = false;
        const int32_t vorher = W::Gas_Nr;
        Ausfuehren([i, &gewaehlt] { gewaehlt = M::Gas_waehlen(i); });
        if (!gewaehlt) Gasrechner_zeigen(); // "-> Neues Gasgemisch"
        GasZeiger->close();
        if (gewaehlt || W::Gas_Nr != vorher)
            GasZeiger->zeigen_unter(ComboBox_Tauchgeraet_Atemgas, W::m_Wasser);
    });
    connect(ComboBox_Modell_N2, &QComboBox::activated, this, [this](int i) {
        Ausfuehren([i] {
            Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_erster + i);
        });
    });
    connect(ComboBox_Modell_He, &QComboBox::activated, this, [this](int i) {
        Ausfuehren([i] {
            Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_erster + i);
        });
    });
}

void T_Form_main::Anzeige_verlangen() {
    // The cancel caption must be on the button the moment the calculation starts.
    if (M::Berechnung_laeuft != Rechnung_angezeigt) Zustaende_setzen();
    if (!Anzeige_Zeitgeber.isActive()) Anzeige_Zeitgeber.start();
}

void T_Form_main::Textpuffer_geaendert(const std::string& Name) {
    Textseite_veraltet[Name] = true;
    Anzeige_verlangen();
}

void T_Form_main::Zustaende_setzen() {
    const bool gesperrt = M::Eingabe_gesperrt, rechnet = M::Berechnung_laeuft;
    Rechnung_angezeigt = rechnet;
    const bool Eingabe = !gesperrt && !rechnet;
    for (QWidget* w :
         {static_cast<QWidget*>(Edit_min_runtime), static_cast<QWidget*>(Edit_m_Wasser),
          static_cast<QWidget*>(BitBtn_Tauchen), static_cast<QWidget*>(GroupBox_Punkt_setzen),
          static_cast<QWidget*>(ComboBox_Tauchgeraet), static_cast<QWidget*>(ComboBox_Tauchgeraet_Atemgas),
          static_cast<QWidget*>(Label_Atemgas)})
        w->setEnabled(Eingabe);
    CheckBox_Abstieg->setEnabled(Eingabe && M::Abstiegsplanung_waehlbar);
    BitBtn_Loeschen->setEnabled(Eingabe && W::WayPoint_Anzahl > 0);
    const bool Wert = Eingabe && W::Tauchgeraet != 0;
    for (QWidget* w : {static_cast<QWidget*>(Label_Tauchgeraet), static_cast<QWidget*>(Edit_Tauchgeraet),
                       static_cast<QWidget*>(Label_Tauchgeraet_Einheit)})
        w->setEnabled(Wert);
    BitBtn_Wiederholungstauchgang->setEnabled(gesperrt && !rechnet);
    BitBtn_NeuerTauchgang->setEnabled(!rechnet);
    BitBtn_Abtauchplanung->setEnabled(!rechnet);
    BitBtn_Einstellungen->setEnabled(!rechnet);
    BitBtn_Austauchplanung->setEnabled(!rechnet);
    BitBtn_Close->setEnabled(!rechnet);
    ComboBox_Modell_N2->setEnabled(!rechnet);
    ComboBox_Modell_He->setEnabled(!rechnet);
    BitBtn_Austauchen->setText(rechnet ? T("Berechnung abbrechen", "Cancel calculation") : Beschriftung(86));
    BitBtn_Austauchen->setToolTip(
        rechnet ? "STOP"
                : T("Tauchgangsberechnung mit Dekompression", "Dive calculation with decompression"));
    BitBtn_Austauchen->setEnabled(true);

    Eintrag_Tauchen->setEnabled(BitBtn_Tauchen->isEnabled());
    Eintrag_Abstieg->setEnabled(CheckBox_Abstieg->isEnabled());
    Eintrag_Loeschen->setEnabled(BitBtn_Loeschen->isEnabled());
    Eintrag_Austauchen->setEnabled(BitBtn_Austauchen->isEnabled());
    Eintrag_Analyse->setEnabled(M::Analyse_erlaubt && !rechnet);
    Eintrag_Wiederholung->setEnabled(BitBtn_Wiederholungstauchgang->isEnabled());
    for (auto& [Index, a] : Geraete_Eintraege) {
        a->setChecked(Index == W::Tauchgeraet);
        a->setEnabled(Eingabe);
    }
    Eintrag_Deutsch->setChecked(Unit_Tools::Sprache == 0);
    Eintrag_Englisch->setChecked(Unit_Tools::Sprache == 1);
}

void T_Form_main::Geraeteanzeige_setzen() {
    using Unit_Tools::Zahl_formatieren;
    const int g = std::clamp<int>(W::Tauchgeraet, 0, 3);
    ComboBox_Tauchgeraet->setCurrentIndex(g);
    static const char* const Hinweise[] = {
        "OC = Open Circuit, offenes Atemsystem mit Ausatmung ins Wasser",
        "CCR = Closed Circuit Rebreather, voll geschlossenes Kreislauf-Atemsystem",
        "SCR = Semi Closed Circuit Rebreather, halb geschlossenes Kreislauf-Atemsystem mit "
        "Konstantfluss-Zumischung",
        "pSCR = passive addition Semi Closed Circuit Rebreather, halb geschlossenes Kreislauf-Atemsystem mit "
        "atemgesteuerter passiver Zumischung"};
    ComboBox_Tauchgeraet->setToolTip(Hinweise[g]);
    Label_Atemgas->setText(g == 1 ? QString("Diluent") : T("Atemgas", "Gas"));
    switch (g) {
    case 2:
        Label_Tauchgeraet->setText("Constant Flow");
        Edit_Tauchgeraet->setText(Q(Zahl_formatieren(4, 1, W::SCR_Flow)).trimmed());
        Label_Tauchgeraet_Einheit->setText("l / min");
        break;
    case 3:
        Label_Tauchgeraet->setText("Dump ratio");
        Edit_Tauchgeraet->setText(QString::number(W::pSCR_DumpRatio));
        Label_Tauchgeraet_Einheit->setText("%");
        break;
    default:
        Label_Tauchgeraet->setText("Setpoint pO2");
        Edit_Tauchgeraet->setText(Q(Zahl_formatieren(4, 2, W::CCR_Setpoint)).trimmed());
        Label_Tauchgeraet_Einheit->setText("bar");
    }
}

void T_Form_main::Auswahllisten_fuellen() {
    namespace S = Unit_Saettigungsmodelle;
    namespace G = Unit_Gasgemisch_BestMix;
    const auto fuellen = [](QComboBox* Box, const QStringList& Eintraege, int Auswahl) {
        QStringList bisher;
        for (int i = 0; i < Box->count(); ++i) bisher << Box->itemText(i);
        if (bisher != Eintraege) {
            Box->clear();
            Box->addItems(Eintraege);
        }
        Box->setCurrentIndex(Auswahl);
    };
    QStringList N2, He, Gase;
    for (int i = S::Modell_N2_erster; i <= S::Modell_N2_letzter; ++i)
        N2 << Q(S::Modell_Tabelle()[i].Bezeichnung);
    for (int i = S::Modell_He_erster; i <= S::Modell_He_letzter; ++i)
        He << Q(S::Modell_Tabelle()[i].Bezeichnung);
    fuellen(ComboBox_Modell_N2, N2, S::Modell_N2.Nummer - S::Modell_N2_erster);
    fuellen(ComboBox_Modell_He, He, S::Modell_He.Nummer - S::Modell_He_erster);
    GroupBox_Modelle->setVisible(Unit_Programm::Modelle_zeigen);
    for (int i = 0; i <= G::Gasgemisch_NumMax; ++i)
        Gase << Q(G::Gasgemisch[static_cast<std::size_t>(i)].Name);
    Gase << "-> Neues Gasgemisch";
    fuellen(ComboBox_Tauchgeraet_Atemgas, Gase, W::Gas_Nr);
}

void T_Form_main::Kontingenz_beschriften() {
    auto* Seite = PageControl_links->findChild<QWidget*>("TabSheet_Kontingenz");
    PageControl_links->setTabText(PageControl_links->indexOf(Seite), T("Kontingenz", "Contingency"));
}

void T_Form_main::Textseiten_fuellen() {
    for (const Memo::Textpuffer* p :
         {&Memo::Memo_Tauchgangsberechnung, &Memo::Memo_DekoInfo, &Memo::Memo_Warnung,
          &Memo::Memo_Zusammenfassung, &Memo::Memo_Gasverbrauch, &Memo::Memo_RunTimeTabelle,
          &Memo::Memo_Report, &Memo::Memo_ReportCSV, &Memo::Memo_Kontingenz}) {
        auto veraltet = Textseite_veraltet.find(p->Name);
        if (veraltet == Textseite_veraltet.end() || !veraltet->second) continue;
        // A text built on first read waits until its page is shown.
        QPlainTextEdit* Memo = Textseiten[p->Name];
        if (p->aufgeschoben() && PageControl_links->currentWidget() != Memo->parentWidget()) continue;
        QStringList Zeilen;
        for (const auto& z : p->lesen()) Zeilen << Q(z);
        Memo->setPlainText(Zeilen.join('\n'));
        veraltet->second = false;
    }
}

void T_Form_main::Hauptfenster_aktualisieren() {
    using Unit_Tools::Zahl_formatieren;
    Fuellen_laeuft = true;
    Edit_Luftdruck->setText(Q(Zahl_formatieren(6, 2, Unit_Formeln::bar_Luft * 1000)).trimmed());
    Auswahllisten_fuellen();
    if (!Edit_min_runtime->hasFocus())
        Edit_min_runtime->setText(Q(Zahl_formatieren(5, 1, W::min_Runtime)).trimmed());
    if (!Edit_m_Wasser->hasFocus()) Edit_m_Wasser->setText(Q(Zahl_formatieren(6, 1, W::m_Wasser)).trimmed());
    if (!Edit_Tauchgeraet->hasFocus()) Geraeteanzeige_setzen();
    CheckBox_Abstieg->setChecked(Unit_AbtauchPlanung::Abstiegsplanung_verwenden);
    Eintrag_Abstieg->setChecked(CheckBox_Abstieg->isChecked());
    Zustaende_setzen();
    Textseiten_fuellen();
    Statusfeld->Gruppen_einblenden();
    Statusfeld->aktualisieren();
    CWGraph_Tauchgang->aktualisieren();
    Breite_der_Statusseite();
    Zugaengliche_Namen_setzen();
    Gewebefenster_aktualisieren();
    Analysefenster_abgleichen();
    Fuellen_laeuft = false;
}

void T_Form_main::Analysefenster_anlegen() {
    Analysefenster = new T_Form_Tauchgang_analysieren(this);
    Wegpunktfenster = new T_Form_sData_Waypoints_edit(this);
    connect(Analysefenster, &T_Form_Tauchgang_analysieren::Befehl_verlangt, this,
            [this](const std::function<void()>& Befehl) { Ausfuehren(Befehl); });
    connect(Analysefenster, &T_Form_Tauchgang_analysieren::Wegpunkte_verlangt, Wegpunktfenster,
            &QWidget::show);
    connect(Analysefenster, &T_Form_Tauchgang_analysieren::Analyse_geschrieben, this,
            &T_Form_main::Zusammenfassung_zeigen);
    connect(CWGraph_Tauchgang, &Graph_Tauchgang::Zustand_geaendert, Wegpunktfenster,
            &T_Form_sData_Waypoints_edit::Zeitcursor_gefolgt);
}

void T_Form_main::Zusammenfassung_zeigen() {
    PageControl_links->setCurrentWidget(PageControl_links->findChild<QWidget*>("TabSheet_Zusammenfassung"));
}

void T_Form_main::Analysefenster_abgleichen() {
    // The library offers the choice after a dive was read and withdraws it with every new dive.
    if (Unit_Tauchgang_analysieren::Fenster_sichtbar == Analysefenster->isVisible()) return;
    if (Unit_Tauchgang_analysieren::Fenster_sichtbar)
        Analysefenster->show();
    else
        Analysefenster->hide();
}

void T_Form_main::Breite_der_Statusseite() {
    // The status tab as wide as its visible groups need, but the right pages stay readable.
    const int noetig = Statusfeld->benoetigte_Breite() + 24;
    const int Gesamt = Teiler_unten->width();
    if (noetig == Statusbreite_gesetzt || Gesamt < 600) return;
    Statusbreite_gesetzt = noetig;
    const int links = std::clamp(noetig, 300, Gesamt - 300);
    Teiler_unten->setSizes({links, Gesamt - links});
}

void T_Form_main::Datei_laden() {
    Ausfuehren([] {
        Unit_Tauchgang_analysieren::Analyse_Fenster_schliessen();
        Unit_Save_Read::Tauchgang_laden(Unit_Tauchgang_analysieren::Tauchgang_gelesen);
    });
}

void T_Form_main::Importieren(int Format) {
    static const char* const Filter[] = {"UDDF Datei|*.uddf|Alle Dateien|*.*",
                                         "CSV Datei|*.csv|Alle Dateien|*.*",
                                         "TXT Datei|*.txt|Alle Dateien|*.*"};
    const auto Datei =
        Unit_UI::UI().Datei_waehlen({false, Filter[Format], Unit_WayPoints::Pfad_Tauchgang, std::string()});
    if (!Datei) return;
    bool importiert = false;
    Ausfuehren([&] {
        namespace A = Unit_Tauchgang_analysieren;
        if (Format == 0)
            importiert = A::UDDF_Tauchgang_importieren(*Datei);
        else
            importiert = A::CSV_Tauchgang_importieren(*Datei, Format - 1);
    });
    if (Format == 0) return;
    CSV_Fenster->Anzeigen();
    // A file the preset does not fit: the diver maps its columns in the import window.
    if (!importiert && Unit_Save_Read_CSV::Dateiname_CSV == *Datei) zeigen(CSV_Fenster);
}

void T_Form_main::zeigen(QWidget* Fenster) {
    Fenster->show();
    Fenster->raise();
    Fenster->activateWindow();
}

void T_Form_main::Exportieren_UDDF() {
    Ausfuehren([] { Unit_Save_Read_UDDF::UDDF_exportieren(); });
}

void T_Form_main::CSV_speichern() {
    Ausfuehren([] { Unit_Save_Read_CSV::CSV_exportieren(); });
}

void T_Form_main::Datei_oeffnen(const QString& Pfad) {
    Ausfuehren([&Pfad] { Unit_Programmstart::Datei_oeffnen(Pfad.toStdString()); });
}

void T_Form_main::Geometrie_anwenden() {
    namespace P = Unit_Programm;
    if (P::Hauptform_max) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // A window stored on a screen that is gone comes back onto this one.
    const QRect Bildschirm = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    QRect r(P::Hauptform_links, P::Hauptform_top, std::max(640, P::Hauptform_Breite),
            std::max(480, P::Hauptform_Hoehe));
    if (!Bildschirm.intersects(r)) r.moveTopLeft(Bildschirm.topLeft());
    setGeometry(r);
}

void T_Form_main::Geometrie_merken() {
    namespace P = Unit_Programm;
    P::Hauptform_max = isMaximized();
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    P::Hauptform_links = r.x();
    P::Hauptform_top = r.y();
    P::Hauptform_Breite = r.width();
    P::Hauptform_Hoehe = r.height();
}

void T_Form_main::Sekunde_vergangen() {
    if (Unit_Graph_Utilities::Startzeit_aktuell) {
        const QTime jetzt = QTime::currentTime();
        Unit_Graph_Utilities::Startzeit = {jetzt.hour(), jetzt.minute(), jetzt.second()};
    }
    if (Unit_Graph_Utilities::Uhrzeit_zeigen && isVisible()) Statusfeld->aktualisieren();
}

void T_Form_main::resizeEvent(QResizeEvent* Ereignis) {
    QMainWindow::resizeEvent(Ereignis);
    Statusbreite_gesetzt = 0;
    Breite_der_Statusseite();
}

void T_Form_main::showEvent(QShowEvent* Ereignis) {
    QMainWindow::showEvent(Ereignis);
    // Quiet when no converter is attached: the test window's error panel tells, the start goes on.
    if (!std::exchange(Wandler_geoeffnet, true)) Wandlertest->Open_def();
}

void T_Form_main::closeEvent(QCloseEvent* Ereignis) {
    if (M::Berechnung_laeuft) {
        Ereignis->ignore();
        return;
    }
    Geometrie_merken();
    if (!Unit_Programmstart::Programm_beenden()) {
        Ereignis->ignore();
        return;
    }
    // A fill must not outlive the program with its valves open.
    Fuellmonitor->Ventile_schliessen();
    QMainWindow::closeEvent(Ereignis);
}

// ---- The blending stand ----

void T_Form_main::Mischstand_anlegen() {
    Wandlertest = new T_Form_DaqOntrakCom(this);
    Sensorfenster = new T_Form_Gasmischer_Sensoren(Wandlertest->Wandler(), this);
    Fuellmonitor = new T_Form_Gasmischer_MonitorDuese(Wandlertest->Wandler(), *Sensorfenster, this);
    Sensorfenster->Simulationswerte_von([this] { return Fuellmonitor->Simulationswerte(); });
    connect(Gasmischer, &T_Form_Gasmischer::Ueberwachung_gewuenscht, Fuellmonitor,
            &T_Form_Gasmischer_MonitorDuese::Oeffnen);
    connect(Gasmischer, &T_Form_Gasmischer::Sensoren_gewuenscht, this, [this] { zeigen(Sensorfenster); });
    connect(Gasmischer, &T_Form_Gasmischer::ADC_gewuenscht, this, [this] { zeigen(Wandlertest); });
}

// ---- The tissue views ----

void T_Form_main::Gewebefenster_anlegen() {
    Gewebe = new T_Form_Gewebe(this);
    Gewebedruck = new T_Form_Gewebedruck(this, Gewebe);
    Gewebe_barL = new T_Form_Gewebe_barL(this, Gewebedruck, BitBtn_Austauchen);
    auto* Berechnung = menuBar()->findChild<QMenu*>("Menu_Berechnung");
    Berechnung->addSeparator();
    const auto Ansicht = [&](Gewebefenster* f, const char* Name, const char* Deutsch, const char* Englisch) {
        QAction* a = Berechnung->addAction(QString());
        a->setObjectName(Name);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, f](bool an) {
            f->Einstellung_setzen(an);
            Hauptfenster_aktualisieren();
        });
        connect(f, &Gewebefenster::geschlossen, this, &T_Form_main::Hauptfenster_aktualisieren);
        Gewebeansichten.push_back({f, a, Deutsch, Englisch});
    };
    Ansicht(Gewebe, "Aktion_Gewebe", "Gewebesättigung (%)", "Tissue saturation (%)");
    Ansicht(Gewebedruck, "Aktion_Gewebedruck", "Gewebesättigung absolut (bar)",
            "Tissue saturation absolute (bar)");
    Ansicht(Gewebe_barL, "Aktion_Gewebe_barL", "Inertgas Volumen (barL)", "Inert gas volume (barL)");
}

void T_Form_main::Gewebefenster_aktualisieren() {
    for (const Gewebeansicht& g : Gewebeansichten) {
        g.Eintrag->setText(T(g.Deutsch, g.Englisch));
        g.Eintrag->setChecked(g.Fenster->Einstellung());
        // Only beside a main window on the screen: they are placed against it.
        if (isVisible()) g.Fenster->setVisible(g.Fenster->Einstellung());
    }
    if (Gewebedruck->isVisible()) Gewebedruck->auffrischen();
    // The other two follow the state only while the calculation's live status is wanted.
    if (!Unit_Graph_Utilities::Tauchgangsgraphik_zeigen) return;
    if (Gewebe->isVisible()) Gewebe->auffrischen();
    if (Gewebe_barL->isVisible()) Gewebe_barL->auffrischen();
}
