// The settings dialog: thirteen pages of settings, and below them reading, saving and resetting
// the settings file and the overview. It lives for the whole run; every show loads every page
// from the settings, and a change the main window shows asks it to repaint at once.
#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;
class QVBoxLayout;
class Seite_Grundeinstellungen;
class Seite_Anzeigen;
class Seite_Pfade;
class Seite_Luftdruck;
class Seite_Wasserdruck;
class Seite_Zeit;
class Seite_RuntimeTabelle;
class Seite_Gasverbrauch;
class Seite_Modelle;
class Seite_Algorithmus;
class Seite_Sicherheit;
class Seite_Atemgase;
class Seite_Grenzwerte;
class T_Form_Save_Read;

class T_Form_Einstellungen : public QDialog {
    Q_OBJECT
  public:
    // The pages in tab order.
    enum Seite {
        Grundeinstellungen = 0,
        Anzeigen,
        Pfade,
        Luftdruck,
        Wasserdruck,
        Zeit,
        RuntimeTabelle,
        Gasverbrauch,
        Modelle,
        Algorithmus,
        Sicherheit,
        Atemgase,
        Grenzwerte,
        Seitenzahl
    };

    explicit T_Form_Einstellungen(QWidget* parent = nullptr);
    // Modal, on the page (and, for a page with sub-pages, on the sub-page; -1 keeps it).
    void Seite_zeigen(int Seite, int Unterseite = -1);
    // Every page from the settings.
    void Seiten_anzeigen();

    QTabWidget* PageControl = nullptr;
    Seite_Grundeinstellungen* TabSheet_Grundeinstellungen = nullptr;
    Seite_Anzeigen* TabSheet_Anzeigen = nullptr;
    Seite_Pfade* TabSheet_Pfade = nullptr;
    Seite_Luftdruck* TabSheet_Luftdruck = nullptr;
    Seite_Wasserdruck* TabSheet_Wasserdruck = nullptr;
    Seite_Zeit* TabSheet_Zeit = nullptr;
    Seite_RuntimeTabelle* TabSheet_RuntimeTabelle = nullptr;
    Seite_Gasverbrauch* TabSheet_Gasverbrauch = nullptr;
    Seite_Modelle* TabSheet_Modelle = nullptr;
    Seite_Algorithmus* TabSheet_Algorithmus = nullptr;
    Seite_Sicherheit* TabSheet_Sicherheit = nullptr;
    Seite_Atemgase* TabSheet_Atemgase = nullptr;
    Seite_Grenzwerte* TabSheet_Grenzwerte = nullptr;
    QPushButton* BitBtn_lesen = nullptr;
    QPushButton* BitBtn_speichern = nullptr;
    QPushButton* BitBtn_Uebersicht = nullptr;
    QPushButton* BitBtn_Reset = nullptr;
    QPushButton* BitBtn_Schliessen = nullptr;

  signals:
    // A setting the main window shows has changed, or the dialog closed.
    void Hauptfenster_aktualisieren_verlangt();

  protected:
    void showEvent(QShowEvent* Ereignis) override;
    void done(int Ergebnis) override;

  private:
    void Umgebungsseiten_anlegen();
    void Rechenseiten_anlegen();
    void Unterseite_zeigen(int Seite, int Unterseite);
    void Knoepfe_anlegen(QVBoxLayout* Spalte);
    // After a page changed settings: every page and the main window anew.
    void Einstellungen_geaendert();
    T_Form_Save_Read* Uebersicht = nullptr;
};
