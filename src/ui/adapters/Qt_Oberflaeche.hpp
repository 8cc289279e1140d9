// The window side of the calculation's screen interface: real message boxes and input boxes;
// redraw notices only mark what must be repainted at the next event processing.
#pragma once

#include "lang/Unit_UI.hpp"

#include <QPointer>
#include <QWidget>

class Qt_Oberflaeche : public Unit_UI::Oberflaeche {
  public:
    explicit Qt_Oberflaeche(QWidget* Hauptfenster = nullptr) : Hauptfenster_(Hauptfenster) {}
    void Hauptfenster_setzen(QWidget* w) { Hauptfenster_ = w; }

    void Meldung(Unit_UI::Meldungsart Art, const std::string& Text) override;
    bool Frage(const std::string& Text, const std::string& Titel) override;
    std::optional<std::string> Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                       const std::string& Vorgabe) override;
    std::optional<std::string> Datei_waehlen(const Unit_UI::Dateiwahl& Wahl) override;
    void Nachrichten_verarbeiten() override;

    void Sample_gespeichert(float, float) override { Status_schmutzig = true; }
    void Status_geaendert() override { Status_schmutzig = true; }
    void Kompartiment_geaendert(int) override { Gewebe_schmutzig = true; }
    void Gewebedruck_geaendert() override { Gewebe_schmutzig = true; }
    void Geloeste_Gase_geaendert() override { Gewebe_schmutzig = true; }
    void Textpuffer_geaendert(const std::string&) override { Texte_schmutzig = true; }
    void Graph_geaendert() override { Graph_schmutzig = true; }

    bool Status_schmutzig = false;
    bool Gewebe_schmutzig = false;
    bool Texte_schmutzig = false;
    bool Graph_schmutzig = false;

  private:
    void Fenster_schuetteln();
    QPointer<QWidget> Hauptfenster_;
};
