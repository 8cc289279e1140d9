#include "lang/Unit_UI.hpp"

#include <iostream>

namespace Unit_UI {

namespace {
Headless Standard_Oberflaeche;
Oberflaeche* Aktuelle_Oberflaeche = &Standard_Oberflaeche;
} // namespace

namespace {
// One line per message on the terminal: the boxes' line breaks become blanks.
std::string einzeilig(std::string Text) {
    for (char& c : Text)
        if (c == '\r' || c == '\n') c = ' ';
    return Text;
}
} // namespace

void Headless::Meldung(Meldungsart Art, const std::string& Text) {
    Meldungen.push_back({Art, Text});
    if (Meldungen_ausgeben)
        std::cerr << (Art == Meldungsart::Info ? "info: " : "problem: ") << einzeilig(Text) << '\n';
}

bool Headless::Frage(const std::string& Text, const std::string& /*Titel*/) {
    Fragen.push_back(Text);
    if (Meldungen_ausgeben)
        std::cerr << "question: " << einzeilig(Text) << (Antwort_Frage ? " -> yes\n" : " -> no\n");
    return Antwort_Frage;
}

std::optional<std::string> Headless::Eingabe(const std::string& /*Titel*/, const std::string& Aufforderung,
                                             const std::string& /*Vorgabe*/) {
    Fragen.push_back(Aufforderung);
    return Antwort_Eingabe;
}

std::optional<std::string> Headless::Datei_waehlen(const Dateiwahl& /*Wahl*/) {
    return Antwort_Datei;
}

std::optional<std::size_t> Headless::Auswahl(const std::string& /*Titel*/,
                                             const std::string& /*Aufforderung*/,
                                             const std::vector<std::string>& Eintraege, std::size_t Vorgabe) {
    Auswahlen.push_back(Eintraege);
    return Antwort_Auswahl ? *Antwort_Auswahl : Vorgabe;
}

void Headless::Zuruecksetzen() {
    Meldungen.clear();
    Fragen.clear();
    Auswahlen.clear();
    Antwort_Auswahl.reset();
    Antwort_Frage = false;
    Antwort_Eingabe.reset();
    Antwort_Datei.reset();
    Nachrichten_Aufrufe = 0;
}

int Headless::Anzahl(const std::string& Textteil) const {
    int n = 0;
    for (const auto& m : Meldungen)
        if (m.Text.find(Textteil) != std::string::npos) ++n;
    return n;
}

Oberflaeche& UI() {
    return *Aktuelle_Oberflaeche;
}

void UI_setzen(Oberflaeche* Neue) {
    Aktuelle_Oberflaeche = Neue ? Neue : &Standard_Oberflaeche;
}

} // namespace Unit_UI
