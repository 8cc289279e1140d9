// The window side of the calculation's screen interface: real message boxes and input boxes;
// redraw notices only mark what must be repainted at the next event processing.
#pragma once

#include "lang/Unit_UI.hpp"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

// "Tauchgangsprofil|*.dec|Alle Dateien|*.*" as a file dialog wants it: "Tauchgangsprofil (*.dec);;...".
QString Qt_Filter(const std::string& Filter);

class T_Form_Tools_BitteWarten;
class QInputDialog;

// The list choice of the seam (object name "Auswahl"), built apart so that a screenshot shows it.
std::unique_ptr<QInputDialog> Auswahldialog(QWidget* Eltern, const std::string& Titel,
                                            const std::string& Aufforderung,
                                            const std::vector<std::string>& Eintraege, std::size_t Vorgabe);

class Qt_Oberflaeche : public Unit_UI::Oberflaeche {
  public:
    explicit Qt_Oberflaeche(QWidget* Hauptfenster = nullptr) : Hauptfenster_(Hauptfenster) {}
    void Hauptfenster_setzen(QWidget* w) { Hauptfenster_ = w; }

    void Meldung(Unit_UI::Meldungsart Art, const std::string& Text) override;
    bool Frage(const std::string& Text, const std::string& Titel) override;
    std::optional<std::string> Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                       const std::string& Vorgabe) override;
    std::optional<std::string> Datei_waehlen(const Unit_UI::Dateiwahl& Wahl) override;
    std::optional<std::size_t> Auswahl(const std::string& Titel, const std::string& Aufforderung,
                                       const std::vector<std::string>& Eintraege,
                                       std::size_t Vorgabe) override;
    void Nachrichten_verarbeiten() override;
    void Bitte_warten(const std::string& Text) override;
    void Bitte_warten_Ende() override;

    // Notices arrive per compartment per step: they only ask for a repaint, which is coalesced.
    void Sample_gespeichert(float, float) override { verlangen(); }
    void Status_geaendert() override { verlangen(); }
    void Kompartiment_geaendert(int) override { verlangen(); }
    void Gewebedruck_geaendert() override { verlangen(); }
    void Geloeste_Gase_geaendert() override { verlangen(); }
    void Textpuffer_geaendert(const std::string& Name) override {
        if (Text_geaendert) Text_geaendert(Name);
        verlangen();
    }
    void Graph_geaendert() override { verlangen(); }

    // Installed by the main window: asks for a repaint, which it coalesces.
    std::function<void()> Anzeige_geaendert;
    std::function<void(const std::string&)> Text_geaendert;

  private:
    void verlangen() {
        if (Anzeige_geaendert) Anzeige_geaendert();
    }
    void Fenster_schuetteln();
    QPointer<QWidget> Hauptfenster_;
    QPointer<T_Form_Tools_BitteWarten> Warten_;
};
