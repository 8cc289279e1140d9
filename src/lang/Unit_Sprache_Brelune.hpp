// Texts of both languages that are stored once and shown in the language in force: the word
// translation of waypoint labels.
#pragma once

#include <string>

namespace Unit_Sprache_Brelune {

// Replaces the first occurrence of the other language's word by the word of the language in
// force; a text without it stays as it is.
std::string Wort_uebersetzen(const std::string& Text, const std::string& Deutsch,
                             const std::string& Englisch);

// A waypoint label in the language in force: "Abstieg", "Wechsel", "Aufstieg", "Deko", "DEKO",
// "spülen" and "Gaswechsel" with their English words, in this order.
std::string Aktion_uebersetzen(const std::string& Aktion);

} // namespace Unit_Sprache_Brelune
