// Page layout of a printed text: which lines go on which page and where the dive graph goes.
// Lengths are in 0.1 mm, measured from the top left corner of the printable area, y downwards.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Unit_Tools_PrePrinter {

struct Raender {
    int links = 100;
    int oben = 100;
    int rechts = 100;
    int unten = 150;
};

struct Seitenmasse {
    int Breite = 0; // printable width
    int Hoehe = 0;  // printable height
    Raender Rand;
    int Schrifthoehe = 35; // the advance from one line to the next
};

// Lines [erste_Zeile, erste_Zeile + Zeilenzahl) of the text, from the top margin down.
struct Seite {
    std::size_t erste_Zeile = 0;
    std::size_t Zeilenzahl = 0;
};

struct Graphplatz {
    std::size_t Seite = 0; // 0-based
    int x = 0;
    int y = 0;
    int Breite = 0;
    int Hoehe = 0;
};

struct Seitenplan {
    // The lines as they are set, after Zeilen_umbrechen.
    std::vector<std::string> Zeilen;
    std::vector<Seite> Seiten;
    std::optional<Graphplatz> Graph;
    Seitenmasse Masse;
    // Top of line k of page s (k counted on that page).
    int y_der_Zeile(std::size_t k) const {
        return Masse.Rand.oben + static_cast<int>(k) * Masse.Schrifthoehe;
    }
};

constexpr int Graph_Breite = 1750;      // 175 mm
constexpr int Graph_Mindesthoehe = 600; // a graph starts on a new page when less room is left

// The pages for Zeilenzahl lines; with a graph (height / width of the picture) it follows the
// text. A line that does not fit on an empty page is set there all the same, so a tiny sheet
// still ends.
Seitenplan Seiten_planen(std::size_t Zeilenzahl, const Seitenmasse& Masse,
                         std::optional<double> Graph_Seitenverhaeltnis = std::nullopt);

// A line wider than the sheet loses nothing on paper: a line of more than Zeichen characters
// (characters, not bytes) goes on in the next line, indented by four blanks, cut at the last
// blank that lets it fit (or within a word longer than the line); a heading's closing run of dots
// is only shortened. Zeichen 0: the lines stay as they are.
std::vector<std::string> Zeilen_umbrechen(const std::vector<std::string>& Zeilen, std::size_t Zeichen);

// The lines to print: the text and, with the graph, an empty line, the heading "Tauchgang" and
// another empty line before it.
std::vector<std::string> Druckzeilen(const std::vector<std::string>& Text, bool mit_Graphik);

} // namespace Unit_Tools_PrePrinter
