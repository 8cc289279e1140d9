// Texts of both languages that are stored once and shown in the language in force: the caption
// table of the window controls, the word translation of waypoint labels, and the part of the
// language switch that needs no window.
//
// The caption table is constant data compiled into read-only memory: nothing fills it at start,
// so it costs the headless program nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace Unit_Sprache_Brelune {

// Replaces the first occurrence of the other language's word by the word of the language in
// force; a text without it stays as it is.
std::string Wort_uebersetzen(const std::string& Text, const std::string& Deutsch,
                             const std::string& Englisch);

// A waypoint label in the language in force: "Abstieg", "Wechsel", "Aufstieg", "Deko", "DEKO",
// "spülen" and "Gaswechsel" with their English words, in this order.
std::string Aktion_uebersetzen(const std::string& Aktion);

// The texts a control with a caption tag gets. An empty hint leaves the control's hint as it is.
struct Textsatz {
    std::string_view Beschriftung_deutsch;
    std::string_view Beschriftung_englisch;
    std::string_view Hinweis_deutsch;
    std::string_view Hinweis_englisch;
    bool operator==(const Textsatz&) const = default;
};

// Caption tags run from 1 to Tag_Max; tag 0 marks a control whose texts are not translated.
constexpr int Tag_Max = 367;

// The texts of a tag; nullptr outside 1 .. Tag_Max and for tag 62, which has no entry. The tags
// 55, 59, 60, 61, 66, 251, 257 to 262, 295, 296, 300 and 353 have an entry without any text.
const Textsatz* Textsatz_von(int Tag);

// Caption and hint of a tag in the language in force; empty when the tag has none.
std::string_view Beschriftung(int Tag);
std::string_view Hinweis(int Tag);

// The check the caption walk makes for every control with a tag other than 0: a tag outside
// 1 .. Tag_Max shows "Falscher tag = " / "Wrong tag = " with the tag and gives false, and the
// walk then ends at once, keeping the captions set so far.
bool Beschriftung_pruefen(int Tag);

// The menu entries "deutsch" and "english": German becomes English, anything else German; then
// the captions are applied in the new language (by the caller, who owns the windows), then the
// restart question is asked in the new language. True when the user chose to close now: the
// caller writes the settings file and closes the main window.
bool Sprache_umschalten(const std::function<void()>& Beschriftungen_anwenden);

} // namespace Unit_Sprache_Brelune
