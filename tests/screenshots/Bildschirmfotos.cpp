// Renders every finished window offscreen into PNG files, one per window, state and language,
// named after the window's object name: the pictures someone looks at before a window is done.
// Usage: brelune-screenshots FOLDER
#include "commands/Unit_Graph_Bedienung.hpp"
#include "commands/Unit_Main.hpp"
#include "commands/Unit_Programmstart.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "files/Unit_Save_Read.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "files/Unit_aXML.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "settings/Unit_Einstellungen.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/adapters/Qt_Oberflaeche.hpp"
#include "ui/gases/T_Form_GasZeiger.hpp"

#include "Bildschirmfotos.hpp"
#include "ui/main/Statusanzeige.hpp"
#include "ui/main/T_Form_Graph_Utilities.hpp"
#include "ui/main/T_Form_ProgrammInfo.hpp"
#include "ui/main/T_Form_Warnhinweis.hpp"
#include "ui/main/T_Form_main.hpp"
#include "ui/planning/T_Form_Abtauchplanung.hpp"
#include "ui/settings/T_Form_ModelleZeigen.hpp"
#include "ui/settings/T_Form_Save_Read.hpp"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QPixmap>

#include <iostream>

namespace {
using namespace Bildschirmfotos;

// The choice of a dive when a logbook of several is imported: the dialog the import asks through.
class Tauchgangswahl_Aufnahme : public Aufnahme_Oberflaeche {
  public:
    Tauchgangswahl_Aufnahme(const QDir& o, const char* s) : Ordner(o), Sprache(s) {}
    std::optional<std::size_t> Auswahl(const std::string& Titel, const std::string& Aufforderung,
                                       const std::vector<std::string>& Eintraege,
                                       std::size_t Vorgabe) override {
        const auto Dialog = Auswahldialog(nullptr, Titel, Aufforderung, Eintraege, Vorgabe);
        Dialog->show();
        ok = speichern(*Dialog, Ordner, "Tauchgang", Sprache);
        return std::nullopt;
    }
    QDir Ordner;
    const char* Sprache;
    bool ok = false;
};

bool Tauchgangswahl(const QDir& Ordner, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Tauchgangswahl_Aufnahme Oberflaeche(Ordner, Kuerzel(Sprache));
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    const auto Tauchgang = [](int Nummer, const char* Zeit, const char* Tiefe, const char* Dauer) {
        return std::string("<dive id=\"d\"><informationbeforedive><divenumber>") + std::to_string(Nummer) +
               "</divenumber><datetime>2024-06-" + Zeit +
               "</datetime></informationbeforedive><samples>"
               "<waypoint><divetime>0</divetime><depth>0</depth></waypoint><waypoint><divetime>60</"
               "divetime><depth>" +
               Tiefe + "</depth></waypoint><waypoint><divetime>" + Dauer +
               "</divetime><depth>0</depth></waypoint></samples></dive>\n";
    };
    const QString Datei = QDir::temp().filePath("brelune-logbuch.uddf");
    Unit_aXML::Textdatei_schreiben(
        Datei.toStdString(),
        "<uddf version=\"3.1.0\"><gasdefinitions><mix id=\"a\"><o2>0.21</o2></mix>"
        "</gasdefinitions><profiledata><repetitiongroup id=\"g\">\n" +
            Tauchgang(70, "26T10:12:05", "2.1", "20") + Tauchgang(71, "27T15:45:44", "11.2", "1680") +
            Tauchgang(72, "28T09:30:00", "32.4", "2940") + "</repetitiongroup></profiledata></uddf>\n");
    Unit_Save_Read_UDDF::UDDF_importieren_Datei(Datei.toStdString());
    QFile::remove(Datei);
    Unit_UI::UI_setzen(nullptr);
    return Oberflaeche.ok;
}

// The cursor at the bottom: the status panel's END group with the density under it; the
// summary (maximum density), the consumption page (minimum gas) and the warnings list.
bool Gasdichte_und_Mindestgas(T_Form_main& f, const QDir& Ordner, const char* Kuerzel) {
    namespace Graph = Unit_Graph_Utilities;
    const bool END_vorher = Graph::END_zeigen, pO2_vorher = Graph::pO2_zeigen;
    Graph::END_zeigen = Graph::pO2_zeigen = true;
    f.Statusfeld->Gruppen_einblenden();
    Unit_Graph_Bedienung::Zeitcursor_setzen(10);
    f.Hauptfenster_aktualisieren();
    f.PageControl_links->setCurrentIndex(0);
    bool ok = speichern(f, Ordner, "computed-density", Kuerzel);
    const std::pair<QTabWidget*, const char*> Seiten[] = {{f.PageControl_links, "TabSheet_Zusammenfassung"},
                                                          {f.PageControl_links, "TabSheet_Kontingenz"},
                                                          {f.PageControl_rechts, "TabSheet_Gasverbrauch"},
                                                          {f.PageControl_rechts, "TabSheet_Warnungen"}};
    // The summary's oxygen and inert gas lines are at its end.
    auto* Zusammenfassung = f.findChild<QPlainTextEdit*>("Memo_Zusammenfassung");
    Zusammenfassung->moveCursor(QTextCursor::End);
    for (const auto& [Reiter, Name] : Seiten) {
        Reiter->setCurrentWidget(Reiter->findChild<QWidget*>(Name));
        ok = speichern(f, Ordner, QString("computed-") + Name, Kuerzel) && ok;
    }
    namespace E = Unit_Einstellungen;
    E::Tabellenspalte_setzen(E::Tabellenspalte::Gasdichte, true);
    f.Hauptfenster_aktualisieren();
    f.PageControl_links->setCurrentWidget(f.findChild<QWidget*>("TabSheet_RunTimeTabelle"));
    ok = speichern(f, Ordner, "computed-TabSheet_RunTimeTabelle-density", Kuerzel) && ok;
    E::Tabellenspalte_setzen(E::Tabellenspalte::Gasdichte, false);
    f.PageControl_links->setCurrentIndex(0);
    f.PageControl_rechts->setCurrentIndex(0);
    Graph::END_zeigen = END_vorher;
    Graph::pO2_zeigen = pO2_vorher;
    f.Statusfeld->Gruppen_einblenden();
    return ok;
}

bool Hauptfenster(const QDir& Ordner, int Sprache) {
    const char* Kuerzel = Sprache == 1 ? "en" : "de";
    Aufnahme_Oberflaeche Oberflaeche;
    const auto Fenster = Hauptfenster_zeigen(Oberflaeche, Sprache);
    T_Form_main& f = *Fenster;
    f.Hauptfenster_aktualisieren();
    bool ok = speichern(f, Ordner, "input", Kuerzel);
    // EAN50 at 40 m: beyond its MOD, the indicator warns.
    Unit_Main::Gas_waehlen(4);
    Unit_Main::Tiefe_eingeben("40");
    f.GasZeiger->zeigen_unter(f.ComboBox_Tauchgeraet_Atemgas, 40);
    ok = speichern(*f.GasZeiger, Ordner, "warning", Kuerzel) && ok;
    f.GasZeiger->zeigen_unter(f.ComboBox_Tauchgeraet_Atemgas, 15);
    ok = speichern(*f.GasZeiger, Ordner, "ok", Kuerzel) && ok;
    f.GasZeiger->close();
    Unit_Main::Neuer_Tauchgang();
    const std::string Beispiel = std::string(BRELUNE_DATEN) + "/Example_dives/Trimix_60m_25min.dec";
    Oberflaeche.Antwort_Datei = Beispiel;
    Unit_Save_Read::Tauchgang_laden(Unit_Main::Tauchgang_geladen);
    Unit_Main::Austauchen_Klick();
    f.Hauptfenster_aktualisieren();
    ok = speichern(f, Ordner, "computed", Kuerzel) && ok;
    f.Uebersicht->show();
    ok = speichern(*f.Uebersicht, Ordner, "computed", Kuerzel) && ok;
    f.Uebersicht->hide();
    ok = Gasdichte_und_Mindestgas(f, Ordner, Kuerzel) && ok;
    f.resize(1920, 1080);
    ok = speichern(f, Ordner, "computed-1920", Kuerzel) && ok;
    // The same dive again after 1.5 h: the summary carries the oxygen of the day.
    Unit_Main::Wiederholungstauchgang_laden(Beispiel, 1.5f);
    Unit_Main::Austauchen_Klick();
    f.Hauptfenster_aktualisieren();
    f.PageControl_links->setCurrentWidget(f.findChild<QWidget*>("TabSheet_Zusammenfassung"));
    auto* Zusammenfassung = f.findChild<QPlainTextEdit*>("Memo_Zusammenfassung");
    Zusammenfassung->moveCursor(QTextCursor::End);
    Zusammenfassung->find(Sprache == 1 ? "Oxygen O2" : "Sauerstoff O2", QTextDocument::FindBackward);
    ok = speichern(f, Ordner, "repetition-TabSheet_Zusammenfassung", Kuerzel) && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

bool kleine_Fenster(const QDir& Ordner, int Sprache) {
    const char* Kuerzel = Sprache == 1 ? "en" : "de";
    Unit_Tools::Sprache = Sprache;
    Unit_UI::Headless Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    T_Form_Warnhinweis Hinweis;
    Hinweis.show();
    // Shown, the notice takes the language of the settings file, as at a start; the diver
    // switches it on the notice.
    (Sprache == 1 ? Hinweis.RadioButton_english : Hinweis.RadioButton_deutsch)->click();
    bool ok = speichern(Hinweis, Ordner, "shown", Kuerzel);
    Hinweis.hide();
    T_Form_ProgrammInfo Info;
    Info.Seite_waehlen(T_Form_ProgrammInfo::Seite_Version);
    Info.show();
    ok = speichern(Info, Ordner, "version", Kuerzel) && ok;
    Info.Seite_waehlen(T_Form_ProgrammInfo::Seite_Quellen);
    ok = speichern(Info, Ordner, "sources", Kuerzel) && ok;
    Info.hide();
    Unit_Saettigungsmodelle::Modell_N2_aus_Liste(Unit_Saettigungsmodelle::Modell_N2_Standard);
    Unit_Saettigungsmodelle::Modell_He_aus_Liste(Unit_Saettigungsmodelle::Modell_He_Standard);
    T_Form_ModelleZeigen Modelle;
    Modelle.show();
    ok = speichern(Modelle, Ordner, "shown", Kuerzel) && ok;
    Modelle.hide();
    Unit_AbtauchPlanung::Abstiegsplanung_verwenden = true;
    Unit_AbtauchPlanung::Abstieg_Geschwindigkeit_variabel = true;
    Unit_WayPoints::Tauchgeraet = 1; // CCR: the setpoint page is in use
    T_Form_Abtauchplanung Abstieg;
    Abstieg.show();
    for (int Seite = 0; Seite < 4; ++Seite) {
        Abstieg.PageControl->setCurrentIndex(Seite);
        ok = speichern(Abstieg, Ordner, QString("page%1").arg(Seite + 1), Kuerzel) && ok;
    }
    Abstieg.hide();
    Unit_WayPoints::Tauchgeraet = 0;
    Unit_AbtauchPlanung::Abstiegsplanung_verwenden = false;
    T_Form_Graph_Utilities Achsen;
    Achsen.Beschriftungen_setzen();
    Achsen.show();
    ok = speichern(Achsen, Ordner, "shown", Kuerzel) && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    // Offscreen, on a screen of 1280 x 800 pixels: the smallest the windows are made for.
    const QString Bildschirm = QDir::temp().filePath("brelune-bildschirm.json");
    QFile Beschreibung(Bildschirm);
    if (Beschreibung.open(QIODevice::WriteOnly | QIODevice::Truncate))
        Beschreibung.write(
            R"({"screens": [{"name": "1280x800", "x": 0, "y": 0, "width": 1280, "height": 800,)"
            R"( "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
    Beschreibung.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + Bildschirm).toUtf8());
    QApplication App(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: brelune-screenshots FOLDER\n";
        return 1;
    }
    QDir Ordner(argv[1]);
    if (!Ordner.mkpath(".")) return 2;
    bool ok = true;
    // Each series renders its windows in one language; a series of a new window family goes in its
    // own file and gets one line here.
    for (int Sprache : {0, 1}) {
        ok = Hauptfenster(Ordner, Sprache) && ok;
        ok = kleine_Fenster(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Einstellungen(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Austauchplanung(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Druck(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Gasrechner(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Gewebe(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Hoehle(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Dateifenster(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Analyse(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Gasmischer_Sensoren(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Gasmischer(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Fuellmonitor(Ordner, Sprache) && ok;
        ok = Bildschirmfotos::Wandler(Ordner, Sprache) && ok;
        ok = Tauchgangswahl(Ordner, Sprache) && ok;
    }
    return ok ? 0 : 3;
}
