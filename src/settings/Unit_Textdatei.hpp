// Text files as existing installations read and write them: Windows-1252 with CR LF on disk,
// UTF-8 in memory. A write never destroys the file that was there before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Unit_Textdatei {

// Larger files are refused: no dive or settings file comes near this size.
constexpr std::size_t Dateigroesse_max = 32u * 1024u * 1024u;

std::string Windows1252_zu_UTF8(std::string_view Bytes);
// Characters Windows-1252 lacks become "?".
std::string UTF8_zu_Windows1252(std::string_view Text);
bool ist_UTF8(std::string_view Bytes);
// A UTF-8 byte-order mark is dropped; valid UTF-8 stays as it is; anything else is Windows-1252.
std::string Text_dekodieren(std::string_view Bytes);
// Splits at CR LF, LF or a lone CR; a line end at the very end gives no empty last line.
std::vector<std::string> Zeilen_teilen(const std::string& Text);

struct Leseergebnis {
    bool gelesen = false;
    bool fehlt = false; // there is no file of that name
    std::string Fehler; // why it could not be read (system text)
    std::vector<std::string> Zeilen;
};
Leseergebnis Datei_lesen(const std::string& Pfad);

// Writes the lines as Windows-1252, each ended by CR LF, into a temporary file in the same folder
// and renames it over the file. With a backup name the previous file is copied there first (a
// failing copy is ignored). Returns an empty text on success, otherwise the system's reason; the
// previous file then stays as it was.
std::string Datei_schreiben(const std::string& Pfad, const std::vector<std::string>& Zeilen,
                            const std::string& Sicherung = "");

// The name of the temporary file Datei_schreiben uses for a path.
std::string Temporaere_Datei(const std::string& Pfad);

} // namespace Unit_Textdatei
