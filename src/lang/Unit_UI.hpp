// The one narrow way from the calculation to the screen: messages, questions, the input box,
// file choice, "let pending window events run" and redraw notices. The calculation never knows
// whether a window, the CLI or a test is listening.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Unit_UI {

enum class Meldungsart { Info, Problem, Problem_schuetteln };

struct Dateiwahl {
    bool speichern = false;
    std::string Filter;
    std::string Ordner;
    std::string Name;
};

class Oberflaeche {
  public:
    virtual ~Oberflaeche() = default;

    virtual void Meldung(Meldungsart Art, const std::string& Text) = 0;
    // Yes/no question; true exactly when the user chose Yes.
    virtual bool Frage(const std::string& Text, const std::string& Titel) = 0;
    // Input box; empty when cancelled.
    virtual std::optional<std::string> Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                               const std::string& Vorgabe) = 0;
    // File choice; empty when cancelled.
    virtual std::optional<std::string> Datei_waehlen(const Dateiwahl& Wahl) = 0;
    // One of a list (the dives of a logbook, say): its index, empty when cancelled. Without a
    // window to ask, the offered one is taken.
    virtual std::optional<std::size_t> Auswahl(const std::string& /*Titel*/,
                                               const std::string& /*Aufforderung*/,
                                               const std::vector<std::string>& /*Eintraege*/,
                                               std::size_t Vorgabe) {
        return Vorgabe;
    }
    // Let pending window events run (the cancel click arrives here).
    virtual void Nachrichten_verarbeiten() = 0;
    // A file operation that may take a moment: the please-wait box with the text, until it ends.
    virtual void Bitte_warten(const std::string& /*Text*/) {}
    virtual void Bitte_warten_Ende() {}

    // Redraw notices: called per compartment per step, so an implementation may only mark dirty.
    virtual void Sample_gespeichert(float /*min_Runtime*/, float /*m_Wasser*/) {}
    virtual void Status_geaendert() {}
    virtual void Kompartiment_geaendert(int /*i*/) {}
    virtual void Gewebedruck_geaendert() {}
    virtual void Geloeste_Gase_geaendert() {}
    virtual void Textpuffer_geaendert(const std::string& /*Name*/) {}
    virtual void Graph_geaendert() {}
};

// Records every message, answers from settable defaults, ignores redraw notices.
class Headless : public Oberflaeche {
  public:
    struct Eintrag {
        Meldungsart Art;
        std::string Text;
    };
    std::vector<Eintrag> Meldungen;
    std::vector<std::string> Fragen;
    bool Antwort_Frage = false;
    std::optional<std::string> Antwort_Eingabe;
    std::optional<std::string> Antwort_Datei;
    std::vector<std::vector<std::string>> Auswahlen;           // the lists offered
    std::optional<std::optional<std::size_t>> Antwort_Auswahl; // unset: the offered one
    bool Meldungen_ausgeben = false;                           // the CLI prints them to stderr
    int Nachrichten_Aufrufe = 0;

    void Meldung(Meldungsart Art, const std::string& Text) override;
    bool Frage(const std::string& Text, const std::string& Titel) override;
    std::optional<std::string> Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                       const std::string& Vorgabe) override;
    std::optional<std::string> Datei_waehlen(const Dateiwahl& Wahl) override;
    std::optional<std::size_t> Auswahl(const std::string& Titel, const std::string& Aufforderung,
                                       const std::vector<std::string>& Eintraege,
                                       std::size_t Vorgabe) override;
    void Nachrichten_verarbeiten() override { ++Nachrichten_Aufrufe; }

    void Zuruecksetzen();
    // Number of recorded messages that contain the given text.
    int Anzahl(const std::string& Textteil) const;
};

// The installed interface; a headless one until a window installs its own.
Oberflaeche& UI();
void UI_setzen(Oberflaeche* Neue);

// A condition that ends the running command (full table, broken internal table, impossible
// input to a formula). The message has been shown already; the command boundary cancels the
// command and keeps the dive and the settings.
class Befehl_abgebrochen : public std::runtime_error {
  public:
    explicit Befehl_abgebrochen(const std::string& Grund) : std::runtime_error(Grund) {}
};

} // namespace Unit_UI
