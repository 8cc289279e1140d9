// A small line-oriented XML layer for the dive exchange. The document is a list of text lines;
// the writer puts every element on a line of its own, and the reader finds elements by their tags,
// line by line from a cursor. Every accessor writes or reads depending on one switch, so that one
// schema procedure does both directions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Unit_aXML {

constexpr int32_t lesen = 0;
constexpr int32_t schreiben = 1;

extern int32_t Richtung;    // 1 = write, 0 = read
extern int32_t Einrueckung; // blanks put before the next written line
extern int32_t Lesezeiger;  // the document line where the next search starts
extern int32_t Fundzaehler; // occurrences found by the last count

// ---- The document ----
const std::vector<std::string>& Dokument();
void Dokument_leeren();
void Zeile_anfuegen(const std::string& Zeile);
// The lines of a text whose lines end with CR LF, LF or CR; a byte-order mark is dropped.
std::vector<std::string> Textzeilen(const std::string& Text);
// The text's lines as the document. A tag that follows another tag on
// the same line is put on a line of its own, so that files written without line breaks read like
// the ones written here (a simple element keeps its value and end tag on its line).
void Dokument_aus_Text(const std::string& Text);
// All lines, each followed by CR LF.
std::string Dokument_als_Text();

// Largest file the layer loads (a dive log is far smaller).
constexpr std::size_t Datei_Bytes_Max = 64u * 1024u * 1024u;
// Whole file into Text; false (with an error box) when it cannot be read or is too large.
bool Textdatei_lesen(const std::string& Dateiname, std::string& Text);
// Writes a temporary file beside the target and renames it over the target, so an old file
// survives any failure; false (with an error box) when it could not be written.
bool Textdatei_schreiben(const std::string& Dateiname, const std::string& Text);

bool Datei_laden(const std::string& Dateiname);
bool Datei_speichern(const std::string& Dateiname);
// The open and save dialogs ("UDDF Datei|*.uddf|Alle Dateien|*.*"); the chosen name is kept in
// Dateiname. Open returns whether a file was chosen and loaded, save whether it was written.
extern const std::string Dateifilter;
extern std::string Dateiname;
bool Datei_oeffnen(const std::string& Ordner);
bool Datei_speichern_unter(const std::string& Ordner);

// ---- Date and time of the written file ----
struct Zeitpunkt_Type {
    int Jahr = 2000, Monat = 1, Tag = 1, Stunde = 0, Minute = 0, Sekunde = 0;
};
// The local time now, or the time fixed for reproducible files (tests).
Zeitpunkt_Type Jetzt();
void Zeitpunkt_festlegen(const Zeitpunkt_Type& Zeitpunkt);
void Zeitpunkt_freigeben();

// ---- Writer primitives (each line starts with the indentation unless said otherwise) ----
// "<name version="v">" without indentation; a name beginning with "/" closes the root.
void Wurzel_schreiben(const std::string& Name, const std::string& Version);
// The line every XML file should begin with: version 1.0 and UTF-8, the encoding the layer writes.
void Deklaration_schreiben();
// The root with its default namespace: "<name xmlns="ns" version="v">", indentation 2.
void Wurzel_schreiben(const std::string& Name, const std::string& Version, const std::string& Namensraum);
// "<name>" and indentation + 2; a name beginning with "/" lowers the indentation first.
void Element_schreiben(const std::string& Name);
void Element_ID_schreiben(const std::string& Name, const std::string& ID);
// "<name attribute="value">" and indentation + 2 (a namespace, say).
void Element_Attribut_schreiben(const std::string& Name, const std::string& Attribut,
                                const std::string& Wert);
void Leer_Ref_schreiben(const std::string& Name, const std::string& Ref);
void Leer_Typ_schreiben(const std::string& Name, const std::string& Typ);
void Text_schreiben(const std::string& Name, const std::string& Text);
void Bool_schreiben(const std::string& Name, bool Wert);
void Ganzzahl_schreiben(const std::string& Name, long long Wert);
// Fixed point with a point as separator (XML numbers), padded with blanks to the width; the
// attribute text goes inside the start tag.
void Zahl_schreiben(const std::string& Name, long double Wert, int Breite, int Nachkommastellen,
                    const std::string& Attribut = "");
void Unendlich_schreiben();
void Datum_schreiben();
// "<datetime>2024-01-30T09:05:07</datetime>" of now (an XML dateTime, local time).
void Datumzeit_schreiben();
void Kommentar_schreiben(const std::string& Text);

// The attribute text of a setpoint the user set.
extern const std::string Attribut_setby_user;

// ---- Reader ----
enum class Art { Element, ID, Ref, Typ };
struct Fund_Type {
    std::string Text;
    bool gefunden = false;
};
// Searches tag from the cursor. With a parent the search stops at the parent's end tag (or at
// the start of a next parent element) and leaves the cursor where it was; without one it runs to
// the document end and leaves the cursor on the found line (back where it was when not found).
// Comments are not searched; entities in the found text are resolved.
Fund_Type Finden(const std::string& Eltern, const std::string& Tag, Art Suchart);

// ---- Elements of the whole document ----
// The lines of an element's start tag and end tag.
struct Bereich_Type {
    int32_t Anfang = 0, Ende = 0;
};
// Every element with this tag in document order (not nested in one another, as dives are); an
// element never closed ends before the next one or at the document end. Only tags that begin a
// line count, as every tag does in a loaded document.
std::vector<Bereich_Type> Bereiche(const std::string& Tag);
// Per tag, the texts of the simple elements with that tag that begin a line of the range, in
// order; one pass over the lines, however many tags.
std::vector<std::vector<std::string>> Werte(const std::vector<std::string>& Tags,
                                            const Bereich_Type& Bereich);
// Whether the end tag is there, looked for from the document end (where a root's end tag is).
bool Endtag_vorhanden(const std::string& Tag);
// The reader no longer sees these lines (another dive of a logbook, say) until Einblenden() or
// until the document changes.
void Ausblenden(const Bereich_Type& Bereich);
void Einblenden();

// ---- Symmetric accessors: write in direction 1, read in direction 0 ----
// Reading puts the cursor on the first line.
void Wurzel(const std::string& Name, const std::string& Version);
// Open or close (name with "/"); reading finds the tag without parent; writing always "finds".
bool Element(const std::string& Name);
// Written only; reading ignores comments.
void Kommentar(const std::string& Text);
// Readers take a parent ("" = none) and report whether the element was found.
bool Text(const std::string& Name, std::string& Wert, const std::string& Vorgabe,
          const std::string& Eltern = "");
// Id attribute of an element that is opened: "<name id="...">" and indentation + 2.
bool ID(const std::string& Name, std::string& Wert);
bool Ref(const std::string& Eltern, const std::string& Name, std::string& Wert);
bool Typ(const std::string& Eltern, const std::string& Name, std::string& Wert);
// "1" reads as true, any other found text as false ("true" as well as "1" for other writers).
bool Bool(const std::string& Name, bool& Wert, bool Vorgabe, const std::string& Eltern = "");
// Written value × factor; read value = found / factor; a missing element gives the default.
bool Zahl(const std::string& Name, float& Wert, int Breite, float Vorgabe, int Nachkommastellen,
          long double Faktor = 1, const std::string& Eltern = "", const std::string& Attribut = "");
// Written round(factor × value); read round(found / factor); missing gives the default.
bool Ganzzahl(const std::string& Name, int32_t& Wert, int32_t Vorgabe, long double Faktor = 1,
              const std::string& Eltern = "");

// Without parent: the elements with this tag in the whole document (the cursor is 0 afterwards).
// With a parent: those from the cursor to the parent's end (the cursor stays). When the count
// reaches the maximum, "Zu viele Daten (n)" is shown and the maximum returned.
int32_t Anzahl(const std::string& Tag, int32_t Maximum, const std::string& Eltern = "");

} // namespace Unit_aXML
