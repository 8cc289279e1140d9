// The main window: the top bar, the dive area with its input strip, and the calculation area with
// the status panel and the text pages. Every handler reads its controls, calls one operation of
// the library and repaints from the library's state; the window keeps no state of the dive.
#pragma once

#include <QMainWindow>
#include <QTimer>

#include <map>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class Graph_Tauchgang;
class Statusanzeige;
class T_Form_Abtauchplanung;
class T_Form_Einstellungen;
class T_Form_AustauchPlanung;
class T_Form_GasZeiger;
class T_Form_Gasgemisch;
class T_Form_Gasmischer;
class T_Form_DaqOntrakCom;
class T_Form_Gasmischer_Sensoren;
class T_Form_Gasmischer_MonitorDuese;
class T_Form_Save_Read;
class T_Form_ProgrammInfo;
class T_Form_Warnhinweis;
class T_Form_PrePrinter;
class Gewebefenster;
class T_Form_Gewebe;
class T_Form_Gewebedruck;
class T_Form_Gewebe_barL;
class T_Form_CaveDiving;
class T_Form_Save_Read_CSV;
class T_Form_aXML;
class T_Form_Tauchgang_analysieren;
class T_Form_sData_Waypoints_edit;

class T_Form_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit T_Form_main(QWidget* parent = nullptr);

    // Everything the window shows, read again from the library.
    void Hauptfenster_aktualisieren();
    // The library changed something shown: repaint once the running events are done, at most
    // at the screen's frame rate.
    void Anzeige_verlangen();
    void Textpuffer_geaendert(const std::string& Name);

    // Top bar
    QGroupBox* GroupBox_oben = nullptr;
    QGroupBox* GroupBox_Luftdruck = nullptr;
    QLineEdit* Edit_Luftdruck = nullptr;
    QGroupBox* GroupBox_Planung = nullptr;
    QPushButton* BitBtn_Abtauchplanung = nullptr;
    QPushButton* BitBtn_Austauchplanung = nullptr;
    QPushButton* BitBtn_Einstellungen = nullptr;
    QGroupBox* GroupBox_Modelle = nullptr;
    QComboBox* ComboBox_Modell_N2 = nullptr;
    QComboBox* ComboBox_Modell_He = nullptr;
    QPushButton* BitBtn_Close = nullptr;

    // Dive area
    QGroupBox* GroupBox_Tauchgang = nullptr;
    Graph_Tauchgang* CWGraph_Tauchgang = nullptr;
    QPushButton* BitBtn_NeuerTauchgang = nullptr;
    QPushButton* BitBtn_Wiederholungstauchgang = nullptr;
    QGroupBox* GroupBox_Punkt_setzen = nullptr;
    QLineEdit* Edit_min_runtime = nullptr;
    QLineEdit* Edit_m_Wasser = nullptr;
    QPushButton* BitBtn_Tauchen = nullptr;
    QCheckBox* CheckBox_Abstieg = nullptr;
    QPushButton* BitBtn_Loeschen = nullptr;
    QGroupBox* GroupBox_Tauchgeraet = nullptr;
    QComboBox* ComboBox_Tauchgeraet = nullptr;
    QLabel* Label_Atemgas = nullptr;
    QComboBox* ComboBox_Tauchgeraet_Atemgas = nullptr;
    QLabel* Label_Tauchgeraet = nullptr;
    QLineEdit* Edit_Tauchgeraet = nullptr;
    QLabel* Label_Tauchgeraet_Einheit = nullptr;
    QPushButton* BitBtn_Austauchen = nullptr;

    // Calculation area
    QGroupBox* GroupBox_Berechnungen = nullptr;
    QTabWidget* PageControl_links = nullptr;
    QTabWidget* PageControl_rechts = nullptr;
    Statusanzeige* Statusfeld = nullptr;
    T_Form_GasZeiger* GasZeiger = nullptr;
    T_Form_Abtauchplanung* Abtauchplanung = nullptr;
    T_Form_Save_Read* Uebersicht = nullptr;
    // The settings dialog of the whole run, modal on a page (T_Form_Einstellungen::Seite) and
    // sub-page; the main window follows it afterwards.
    T_Form_Einstellungen* Einstellungsdialog = nullptr;
    void Einstellungen_zeigen(int Seite, int Unterseite = -1);
    // The descent plan window on page 0 .. 3, modal; the main window follows it afterwards.
    void Abtauchplanung_zeigen(int Seite);
    // The ascent plan window on page 0 .. 4, modal; the main window follows it when it closes.
    T_Form_AustauchPlanung* Austauchplanung = nullptr;
    void Austauchplanung_zeigen(int Seite);
    T_Form_Warnhinweis* Warnhinweis = nullptr;
    T_Form_ProgrammInfo* ProgrammInfo = nullptr;
    // The print preview of a text; the report is printed with the dive graph after it.
    T_Form_PrePrinter* Druckvorschau = nullptr;
    void Druckvorschau_zeigen(const std::vector<std::string>& Zeilen, bool mit_Graphik);
    // Help -> "Handbuch lesen": the manual's page of the language in force opened by the desktop;
    // a message when it is not found or nothing opens it.
    static void Handbuch_oeffnen();
    // The gas calculator, modal; the main window follows it afterwards (its depth, a new gas).
    T_Form_Gasgemisch* Gasrechner = nullptr;
    // The gas blender, not modal.
    T_Form_Gasmischer* Gasmischer = nullptr;
    // The CSV and text import with its column mapping, and the UDDF document for inspection.
    T_Form_Save_Read_CSV* CSV_Fenster = nullptr;
    T_Form_aXML* UDDF_Fenster = nullptr;
    void Gasrechner_zeigen();
    // The cave-diving window, always on top, not modal.
    T_Form_CaveDiving* Hoehlentauchen = nullptr;
    // Offered after a dive was read: keep, analyse, or a new ascent; shown while the library
    // offers it.
    T_Form_Tauchgang_analysieren* Analysefenster = nullptr;
    // The waypoints of the dive one by one, their breathing set-up and cave distances.
    T_Form_sData_Waypoints_edit* Wegpunktfenster = nullptr;

    // The window state the settings keep: maximized, or the stored position and size.
    void Geometrie_anwenden();
    // A file given to the program: loaded or imported as its kind says.
    void Datei_oeffnen(const QString& Pfad);

    // The blending stand's converter and its test window, for the whole run; its port opens with the
    // setting when the main window is first shown (the settings are read by then).
    T_Form_DaqOntrakCom* Wandlertest = nullptr;
    // The sensors and the fill monitor on that converter; the monitor measures through the sensor
    // window, which in simulation takes the monitor's slides.
    T_Form_Gasmischer_Sensoren* Sensorfenster = nullptr;
    T_Form_Gasmischer_MonitorDuese* Fuellmonitor = nullptr;
    void Mischstand_anlegen();
    // The tab of the contingency plans has no caption of the table: named in the language in force.
    void Kontingenz_beschriften();

    // The three tissue views, shown while their settings are on (menu "Berechnung" too).
    T_Form_Gewebe* Gewebe = nullptr;
    T_Form_Gewebedruck* Gewebedruck = nullptr;
    T_Form_Gewebe_barL* Gewebe_barL = nullptr;

  protected:
    void closeEvent(QCloseEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;
    // A click on the air pressure box opens the settings on their air pressure page.
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    void Obere_Leiste_anlegen();
    void Tauchgangsbereich_anlegen();
    void Berechnungsbereich_anlegen();
    void Menue_anlegen();
    QWidget* Textseite(QPlainTextEdit*& Memo, const char* Name, const std::string& Puffer);
    QAction* Eintrag(QMenu* Menue, int Tag, const char* Name);
    void Verbinden();

    // Runs one library operation; a command the library stopped leaves the dive as it was.
    template <typename Befehl> void Ausfuehren(Befehl&& b);
    void Zustaende_setzen();
    void Geraeteanzeige_setzen();
    void Auswahllisten_fuellen();
    void Textseiten_fuellen();
    void Datei_laden();
    void Importieren(int Format);
    void zeigen(QWidget* Fenster);
    void Exportieren_UDDF();
    void CSV_speichern();

    void Sekunde_vergangen();
    void Breite_der_Statusseite();
    void Zugaengliche_Namen_setzen();
    void Analysefenster_anlegen();
    void Analysefenster_abgleichen();
    void Zusammenfassung_zeigen();
    void Geometrie_merken();

    QTimer Anzeige_Zeitgeber;
    QTimer Uhrzeit_Zeitgeber;
    QSplitter* Teiler_unten = nullptr;
    std::map<std::string, QPlainTextEdit*> Textseiten;
    std::map<std::string, bool> Textseite_veraltet;
    std::map<int, QAction*> Geraete_Eintraege;
    QAction* Eintrag_Tauchen = nullptr;
    QAction* Eintrag_Abstieg = nullptr;
    QAction* Eintrag_Loeschen = nullptr;
    QAction* Eintrag_Austauchen = nullptr;
    QAction* Eintrag_Analyse = nullptr;
    QAction* Eintrag_Wiederholung = nullptr;
    QAction* Eintrag_Deutsch = nullptr;
    QAction* Eintrag_Englisch = nullptr;
    bool Fuellen_laeuft = false;
    int Statusbreite_gesetzt = 0;
    bool Rechnung_angezeigt = false;
    bool Wandler_geoeffnet = false;

    void Gewebefenster_anlegen();
    // Shows or hides the tissue views per their settings and repaints those shown.
    void Gewebefenster_aktualisieren();
    struct Gewebeansicht {
        Gewebefenster* Fenster;
        QAction* Eintrag;
        const char* Deutsch;
        const char* Englisch;
    };
    std::vector<Gewebeansicht> Gewebeansichten;
};
