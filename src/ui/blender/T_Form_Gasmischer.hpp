// The blending window: how a cylinder with a known content is topped to a wanted one by oxygen,
// helium, air or a trimix from the bank, what that costs, and the targets of the two oxygen cells
// for continuous blending. The calculation is the library's (Unit_Gasmischer); the window reads its
// fields, runs the method of the page shown and writes the results.
#pragma once

#include "blender/Unit_Gasmischer.hpp"

#include <QDialog>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

class T_Form_Gasmischer : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Gasmischer(QWidget* parent = nullptr);
    // The captions, names and menus of the language in force.
    void Beschriftungen_setzen();
    // No results, an empty cylinder to be filled to 16/50 at 220 bar, the first page.
    void zuruecksetzen();
    // Runs the method of the page shown.
    void berechnen();

    enum Seite { Seite_O2_He_Luft, Seite_O2_Trimix_Luft, Seite_Trimix, Seite_Einduesen };

    // Gas before: O2, N2, He (%), pressure (bar), volume (l).
    QGroupBox* GroupBox_Vorher = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    QCheckBox* CheckBox_Vorher_leer = nullptr;
    // Gas after.
    QGroupBox* GroupBox_Nachher = nullptr;
    QLineEdit *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr;
    QLineEdit* Edit11 = nullptr; // cost (Euro)
    QTabWidget* PageControl_Methoden = nullptr;
    // The trimix of the bank ("+O2 +Trimix +Luft") and the one topped with ("+Trimix").
    QLineEdit *Edit12 = nullptr, *Edit13 = nullptr, *Edit14 = nullptr;
    QLineEdit *Edit16 = nullptr, *Edit17 = nullptr, *Edit18 = nullptr, *Edit19 = nullptr;
    QLineEdit* Edit_Mix_Zugabe_HeVerlustFaktor = nullptr;
    // Results: pressures to top with (page "+O2 +He +Luft" and "+O2 +Trimix +Luft"), the stream.
    QLabel *Label_O2_bar = nullptr, *Label_Luft_bar = nullptr, *Label_He_bar = nullptr,
           *Label_Summe_bar = nullptr;
    QLabel *Label_Tmx_O2_bar = nullptr, *Label_Tmx_Luft_bar = nullptr, *Label_Tmx_bar = nullptr,
           *Label_Tmx_Summe_bar = nullptr;
    QLabel *Label_Strom_O2 = nullptr, *Label_Strom_N2 = nullptr, *Label_Strom_He = nullptr,
           *Label_Sensor1 = nullptr, *Label_Sensor2 = nullptr;
    QPushButton* Button_berechnen = nullptr;
    QPushButton* Button_Ueberwachung = nullptr;
    QAction *Aktion_Rechne = nullptr, *Aktion_zuruecksetzen = nullptr, *Aktion_Luft = nullptr,
            *Aktion_Kosten = nullptr, *Aktion_Lieferleistungen = nullptr, *Aktion_Sensoren = nullptr,
            *Aktion_ADC = nullptr, *Aktion_Version = nullptr, *Aktion_Schliessen = nullptr;

  signals:
    // "Überwachung": the fill monitor is to run a fill to these targets.
    void Ueberwachung_gewuenscht(const Unit_Gasmischer::Fuellziel& Ziel);
    void Sensoren_gewuenscht();
    void ADC_gewuenscht();

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    // The O2, N2 and He fields of one composition and the box they stand in.
    struct Gasbox {
        QLineEdit *O2, *N2, *He;
    };
    Gasbox Vorher_Anteile() const { return {Edit1, Edit2, Edit3}; }
    Gasbox Nachher_Anteile() const { return {Edit6, Edit7, Edit8}; }
    std::array<Gasbox, 2> Trimixboxen() const {
        return {{{Edit12, Edit13, Edit14}, {Edit16, Edit17, Edit18}}};
    }

    QMenuBar* Menueleiste = nullptr;
    QMenu* Menue_Test = nullptr;
    QGroupBox *GroupBox_Trimix_Bank = nullptr, *GroupBox_Trimix = nullptr;
    QLabel* Label_Kosten = nullptr;
    // The captions beside the results, the field captions and the field names, per language.
    std::vector<std::pair<QLabel*, std::pair<const char*, const char*>>> Texte;
    double He_Faktor = Unit_Gasmischer::He_Faktor_Vorgabe;

    void Menue_anlegen(QVBoxLayout* Layout);
    QWidget* Seite_anlegen(Seite s);
    QLabel* Ergebnis(QGridLayout* g, int Zeile, const char* Deutsch, const char* Englisch, const char* Name);
    QLineEdit* Feld(QGridLayout* g, int Zeile, const QString& Name, const char* Deutsch, const char* Englisch,
                    const char* Box_Deutsch, const char* Box_Englisch);
    void Verbinden();
    void Zusammensetzung_geaendert(const Gasbox& b);
    void Vorher_geaendert();
    void leer_geklickt(bool leer);
    void Ergebnisse_leeren();
    bool Eingaben_lesbar(Seite s);
    Unit_Gasmischer::Gas Vorher() const;
    Unit_Gasmischer::Gas Nachher() const;
    Unit_Gasmischer::Anteile Trimix_von(const Gasbox& b) const;
    // Each shows its results or the message why there are none; false then.
    bool rechnen(Seite s);
    bool O2_He_Luft_rechnen();
    bool O2_Trimix_Luft_rechnen();
    bool Trimix_rechnen();
    void Ueberwachung_klick();
    void melden(const std::string& Text) const;
};
