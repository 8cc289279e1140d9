// The manual (Help -> "Handbuch lesen"): one HTML page per language, found beside the running
// program, so a built tree shows its own manual and an installed program the installed one.
#pragma once

#include <string>
#include <vector>

namespace Unit_Handbuch {

// The pages the manual may be at for a program in Programmordner, in the order they are tried:
// "<program folder>/../manual/<de|en>/index.html" (the build tree), then
// "<program folder>/../share/doc/brelune/manual/<de|en>/index.html" (installed). Sprache 0 is
// German, 1 English. Empty when the program folder is not known.
std::vector<std::string> Orte(const std::string& Programmordner, int Sprache);

// The first of those pages that exists, for the program of the last start in the language in
// force. None: a message naming every place looked at, and an empty string.
std::string Handbuch_suchen();

} // namespace Unit_Handbuch
