// The safety and warning notice the user accepts before the program starts its work: its texts in
// both languages and the answer. Until it is accepted the program computes and saves nothing.
#pragma once

#include <cstdint>
#include <string>

namespace Unit_Warnhinweis {

// Set by "Ich akzeptiere", cleared by "Ich akzeptiere nicht"; false until the first answer.
extern bool akzeptiert;

// The texts of the notice in the current language.
std::string Titel();
std::string Hinweistext(); // lines joined with '\n'
std::string Hinweistext(int32_t Sprache);
std::string Knopf_akzeptieren();
std::string Knopf_ablehnen();

// Before every show: only the language stored in the settings file, nothing else.
void Sprache_lesen();
// The language buttons: English exactly when "deutsch" is not chosen.
void Sprache_waehlen(bool deutsch);

} // namespace Unit_Warnhinweis
