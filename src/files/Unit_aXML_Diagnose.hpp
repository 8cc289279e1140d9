// Inspection of the UDDF document: the file's lines as the exchange reads them (a tag that follows
// another on a line gets a line of its own), edited and saved, and a check that says where its
// elements are not properly nested and what it holds.
#pragma once

#include "core/Unit_Textpuffer.hpp"

#include <string>
#include <vector>

namespace Unit_aXML_Diagnose {

// The diagnostic lines beside the document.
extern Unit_Textpuffer::Textpuffer Memo_Diagnose;

// "Datei -> Memo": a file of the open dialog becomes the document; false when cancelled or not read.
bool Datei_in_Memo();
// "Memo -> Datei": the lines as edited become the document and go into a file of the save dialog;
// false when cancelled or not written.
bool Memo_in_Datei(const std::vector<std::string>& Zeilen);
// "Memos löschen": the document and the diagnostic lines.
void Memos_loeschen();

// "Test": the lines as edited become the document; the diagnostic lines say where an element is
// not closed or closed in the wrong place (with line numbers), then the root's version and how
// many dives, gas mixes and waypoints it holds and whether it has the program's own block. True
// when the nesting is sound.
bool Test(const std::vector<std::string>& Zeilen);

} // namespace Unit_aXML_Diagnose
