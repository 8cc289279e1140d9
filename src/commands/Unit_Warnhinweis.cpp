#include "commands/Unit_Warnhinweis.hpp"

#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"

#include <array>

namespace Unit_Warnhinweis {

bool akzeptiert = false;

namespace {
using Unit_Tools::Text_waehlen;

// Short lines: the notice shows them as they stand and wraps only what does not fit.
constexpr std::array Text_de = {
    "Brelune veranschaulicht, wie sich die Gewebe des Tauchers während eines",
    "Tauchgangs mit Stickstoff und Helium sättigen und wieder entsättigen.",
    "Es ist für Ausbildung und Unterricht gedacht und nicht in erster Linie",
    "für die Planung realer Tauchgänge.",
    "",
    "WARNHINWEIS",
    "",
    "Tauchgänge mit Dekompressionspflicht, tiefe Tauchgänge und Tauchgänge mit",
    "Mischgasen (Nitrox, Trimix, Heliox) oder Kreislaufgeräten sind gefährlich.",
    "Auch ein richtig geplanter Tauchgang kann zu Dekompressionskrankheit,",
    "Sauerstoffvergiftung, Tiefenrausch, schweren Verletzungen oder zum Tod",
    "führen. Kein Rechenmodell bildet den menschlichen Körper vollständig ab.",
    "Das Programm kann Fehler enthalten. Falsche Eingaben, falsche Einstellungen",
    "oder eine falsche Bedienung ergeben falsche Daten, ohne dass man es merkt.",
    "",
    "ANWENDUNGSVORSCHRIFT",
    "",
    "Wer mit diesem Programm einen Tauchgang plant, muss",
    "  - jedes Ergebnis sorgfältig auf Plausibilität prüfen,",
    "  - den Tauchgang mit einem unabhängigen Programm nachrechnen und die",
    "    Ergebnisse vergleichen,",
    "  - den Tauchgang mit einem Tauchcomputer als Redundanz tauchen,",
    "  - nur so tauchen, wie er ausgebildet, trainiert und ausgerüstet ist.",
    "",
    "Am korrekten Dekompressionsplan hängt Dein Leben!",
    "",
    "Nur Du bist für Deinen Tauchgang verantwortlich!",
};

constexpr std::array Text_en = {
    "Brelune visualises how the tissues of a diver take up nitrogen and helium",
    "during a dive and give them off again. It is meant for training and",
    "teaching and is not primarily meant for planning real dives.",
    "",
    "WARNING ADVICE",
    "",
    "Decompression dives, deep dives and dives with mixed gases (nitrox,",
    "trimix, heliox) or rebreathers are dangerous. Even a correctly planned",
    "dive can lead to decompression sickness, oxygen toxicity, narcosis,",
    "severe injury or death. No calculation model describes the human body",
    "completely.",
    "The program may contain errors. Wrong input, wrong settings or wrong",
    "operation give wrong data without this being noticed.",
    "",
    "APPLICATION INSTRUCTION",
    "",
    "Whoever plans a dive with this program must",
    "  - check every result carefully for plausibility,",
    "  - recompute the dive with an independent program and compare the",
    "    results,",
    "  - dive with a dive computer as redundancy,",
    "  - dive only as he or she is trained, practised and equipped to dive.",
    "",
    "Your life depends on the correct decompression plan.",
    "",
    "Only you are responsible for your dive !",
};

template <std::size_t N> std::string zusammenfuegen(const std::array<const char*, N>& Zeilen) {
    std::string Text;
    for (const char* Zeile : Zeilen) {
        if (!Text.empty()) Text += '\n';
        Text += Zeile;
    }
    return Text;
}
} // namespace

std::string Titel() {
    return Text_waehlen("Sicherheits- und Warnhinweis / Anwendungsvorschrift",
                        "Safety and warning note / application instruction");
}

std::string Hinweistext() {
    return Hinweistext(Unit_Tools::Sprache);
}

std::string Hinweistext(int32_t Sprache) {
    return Sprache == 1 ? zusammenfuegen(Text_en) : zusammenfuegen(Text_de);
}

std::string Knopf_akzeptieren() {
    return Text_waehlen("Ich akzeptiere", "I accept");
}

std::string Knopf_ablehnen() {
    return Text_waehlen("Ich akzeptiere nicht", "I do not accept");
}

void Sprache_lesen() {
    Unit_Einstellungsdatei::Sprache_lesen();
}

void Sprache_waehlen(bool deutsch) {
    Unit_Tools::Sprache = deutsch ? 0 : 1;
}

} // namespace Unit_Warnhinweis
