#include "files/Unit_aXML.hpp"

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

namespace Unit_aXML {

int32_t Richtung = schreiben;
int32_t Einrueckung = 0;
int32_t Lesezeiger = 0;
int32_t Fundzaehler = 0;
const std::string Dateifilter = "UDDF Datei|*.uddf|Alle Dateien|*.*";
std::string Dateiname;
const std::string Attribut_setby_user = " setby=\"user\"";

namespace {

constexpr std::size_t npos = std::string::npos;
// A value spread over more lines than this is not a value of this layer.
constexpr int32_t Wertzeilen_Max = 1000;

std::vector<std::string> Zeilen;
// The lines as the reader searches them: comments and processing instructions blanked out.
std::vector<std::string> Suchzeilen;
bool Suchzeilen_gueltig = false;
std::optional<Zeitpunkt_Type> Zeitpunkt_fest;
bool Zahlfehler_gemeldet = false;

bool ist_Leerraum(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string ohne_Rand(const std::string& Text) {
    std::size_t a = 0, e = Text.size();
    while (a < e && ist_Leerraum(Text[a])) ++a;
    while (e > a && ist_Leerraum(Text[e - 1])) --e;
    return Text.substr(a, e - a);
}

void Suchzeilen_aufbauen() {
    Suchzeilen = Zeilen;
    std::string Ende; // the end of the comment or instruction being blanked, empty outside
    for (auto& z : Suchzeilen) {
        std::size_t p = 0;
        while (p < z.size()) {
            if (Ende.empty()) {
                const std::size_t k = z.find("<!--", p), i = z.find("<?", p);
                const std::size_t a = std::min(k, i);
                if (a == npos) break;
                Ende = a == k ? "-->" : "?>";
                p = a;
            }
            const std::size_t e = z.find(Ende, p);
            const std::size_t bis = e == npos ? z.size() : e + Ende.size();
            for (std::size_t q = p; q < bis; ++q) z[q] = ' ';
            p = bis;
            if (e != npos) Ende.clear();
        }
    }
    Suchzeilen_gueltig = true;
}

const std::vector<std::string>& Suchtext() {
    if (!Suchzeilen_gueltig) Suchzeilen_aufbauen();
    return Suchzeilen;
}

// ---- Escaping ----
std::string maskiert(const std::string& Text, bool Attribut) {
    std::string r;
    for (char c : Text) {
        switch (c) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            if (Attribut) {
                r += "&quot;";
                break;
            }
            r += c;
            break;
        default:
            r += c;
        }
    }
    return r;
}

void utf8_anfuegen(std::string& r, unsigned long c) {
    if (c < 0x80) {
        r += static_cast<char>(c);
    } else if (c < 0x800) {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        r += static_cast<char>(0xE0 | (c >> 12));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        r += static_cast<char>(0xF0 | (c >> 18));
        r += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// "&#65;" or "&#x41;": the character, or nothing when it is no valid character reference.
std::optional<unsigned long> Zeichenreferenz(const std::string& Name) {
    if (Name.size() < 2 || Name[0] != '#') return std::nullopt;
    const bool hex = Name[1] == 'x' || Name[1] == 'X';
    const std::string Ziffern = Name.substr(hex ? 2 : 1);
    if (Ziffern.empty() || Ziffern.size() > 8) return std::nullopt;
    unsigned long c = 0;
    for (char z : Ziffern) {
        const int d = std::isdigit(static_cast<unsigned char>(z)) ? z - '0'
                      : hex && std::isxdigit(static_cast<unsigned char>(z))
                          ? std::tolower(static_cast<unsigned char>(z)) - 'a' + 10
                          : -1;
        if (d < 0) return std::nullopt;
        c = c * (hex ? 16 : 10) + static_cast<unsigned long>(d);
    }
    if (c == 0 || c > 0x10FFFF) return std::nullopt;
    return c;
}

std::string entmaskiert(const std::string& Text) {
    std::string r;
    std::size_t p = 0;
    while (p < Text.size()) {
        const std::size_t a = Text.find('&', p);
        if (a == npos) break;
        r.append(Text, p, a - p);
        const std::size_t e = Text.find(';', a);
        if (e == npos || e - a > 10) {
            r += '&';
            p = a + 1;
            continue;
        }
        const std::string Name = Text.substr(a + 1, e - a - 1);
        static const std::pair<const char*, char> Namen[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool ersetzt = false;
        for (const auto& [n, c] : Namen)
            if (Name == n) {
                r += c;
                ersetzt = true;
            }
        if (!ersetzt) {
            if (const auto c = Zeichenreferenz(Name)) {
                utf8_anfuegen(r, *c);
                ersetzt = true;
            }
        }
        if (!ersetzt) r.append(Text, a, e - a + 1);
        p = e + 1;
    }
    r.append(Text, p, npos);
    return r;
}

// ---- Finding tags ----

// Position of a tag pattern ("<name" or "</name") where the name ends there (blank, ">", "/" or
// line end follows).
std::size_t Muster_suchen(const std::string& Zeile, const std::string& Muster, std::size_t ab) {
    for (std::size_t p = Zeile.find(Muster, ab); p != npos; p = Zeile.find(Muster, p + 1)) {
        const std::size_t q = p + Muster.size();
        if (q == Zeile.size() || ist_Leerraum(Zeile[q]) || Zeile[q] == '>' || Zeile[q] == '/') return p;
    }
    return npos;
}

// The patterns of a tag's start and end, built once per search rather than once per line.
struct Tagmuster {
    std::string Start, Ende;
    explicit Tagmuster(const std::string& Tag) : Start("<" + Tag), Ende("</" + Tag) {}
};

// The ">" that ends the tag starting at p (quoted values skipped); npos when not on this line.
std::size_t Tagende(const std::string& Zeile, std::size_t p) {
    char Anfuehrung = 0;
    for (std::size_t q = p + 1; q < Zeile.size(); ++q) {
        const char c = Zeile[q];
        if (Anfuehrung) {
            if (c == Anfuehrung) Anfuehrung = 0;
        } else if (c == '"' || c == '\'') {
            Anfuehrung = c;
        } else if (c == '>') {
            return q;
        }
    }
    return npos;
}

// The value of attribute Name inside the tag Zeile[p .. e]; nothing when it is not there.
std::optional<std::string> Attributwert(const std::string& Zeile, std::size_t p, std::size_t e,
                                        const std::string& Name) {
    std::size_t q = Zeile.find(Name, p);
    for (; q != npos && q < e; q = Zeile.find(Name, q + 1)) {
        if (!ist_Leerraum(Zeile[q - 1])) continue;
        std::size_t g = q + Name.size();
        while (g < e && ist_Leerraum(Zeile[g])) ++g;
        if (g >= e || Zeile[g] != '=') continue;
        ++g;
        while (g < e && ist_Leerraum(Zeile[g])) ++g;
        if (g >= e || (Zeile[g] != '"' && Zeile[g] != '\'')) continue;
        const std::size_t Ende = Zeile.find(Zeile[g], g + 1);
        if (Ende == npos || Ende > e) return std::nullopt;
        return Zeile.substr(g + 1, Ende - g - 1);
    }
    return std::nullopt;
}

struct Suche_Type {
    Tagmuster Tag;
    std::string Eltern;
    Tagmuster Eltern_Muster;
    Art Suchart = Art::Element;
    bool Wert_noetig = true;
    // An end tag is looked for only up to the next element of its name: past it the element was
    // never closed, and a file of such elements would be searched to its end for each of them.
    std::string Halt;
    Suche_Type(const std::string& E, const std::string& T, Art A, bool W)
        : Tag(T), Eltern(E), Eltern_Muster(E), Suchart(A), Wert_noetig(W),
          Halt(!T.empty() && T[0] == '/' ? "<" + T.substr(1) : "") {}
};

// Where the parent ends on a line (its end tag or the start of a next parent); npos if not.
std::size_t Elternende(const std::string& Zeile, const Suche_Type& s, bool erste_Zeile) {
    if (s.Eltern.empty()) return npos;
    std::size_t e = Muster_suchen(Zeile, s.Eltern_Muster.Ende, 0);
    if (!erste_Zeile) e = std::min(e, Muster_suchen(Zeile, s.Eltern_Muster.Start, 0));
    return e;
}

// The text of an element whose start tag ends at position w of line k, up to its end tag.
std::string Elementwert(const std::vector<std::string>& T, std::size_t k, std::size_t w,
                        const Suche_Type& s) {
    const std::string& z = T[k];
    const std::size_t e = Muster_suchen(z, s.Tag.Ende, w);
    if (e != npos) return z.substr(w, e - w);
    // Spread over lines: collected up to the end tag, never past the parent's end.
    std::string Wert = z.substr(w);
    for (std::size_t j = k + 1; j < T.size() && j <= k + Wertzeilen_Max; ++j) {
        const std::string& n = T[j];
        const std::size_t ee = Muster_suchen(n, s.Tag.Ende, 0);
        const std::size_t pe = Elternende(n, s, false);
        if (pe != npos && (ee == npos || pe < ee)) break;
        if (ee != npos) return Wert + "\n" + n.substr(0, ee);
        Wert += "\n" + n;
    }
    return {};
}

// Looks for the start pattern on one line; returns whether it is there before the stop position.
bool Zeile_pruefen(const std::vector<std::string>& T, std::size_t k, std::size_t Stop, const Suche_Type& s,
                   Fund_Type& Fund) {
    const std::string& z = T[k];
    const std::size_t p = Muster_suchen(z, s.Tag.Start, 0);
    if (p == npos || p >= Stop) return false;
    Fund.gefunden = true;
    if (!s.Wert_noetig) return true;
    const std::size_t e = Tagende(z, p);
    if (s.Suchart == Art::Element) {
        if (e == npos || z[e - 1] == '/') return true; // empty element or tag cut by a line end
        Fund.Text = entmaskiert(Elementwert(T, k, e + 1, s));
        return true;
    }
    const char* Name = s.Suchart == Art::ID ? "id" : s.Suchart == Art::Ref ? "ref" : "type";
    const auto Wert = Attributwert(z, p, e == npos ? z.size() : e, Name);
    if (!Wert) {
        Fund.gefunden = false;
        return false;
    }
    Fund.Text = entmaskiert(*Wert);
    return true;
}

Fund_Type Suchen(const Suche_Type& s) {
    const auto& T = Suchtext();
    const int32_t c0 = Lesezeiger;
    Fund_Type Fund;
    if (c0 < 0 || static_cast<std::size_t>(c0) >= T.size()) return Fund;
    for (std::size_t k = static_cast<std::size_t>(c0); k < T.size(); ++k) {
        const bool erste = k == static_cast<std::size_t>(c0);
        std::size_t Stop = Elternende(T[k], s, erste);
        if (!s.Halt.empty() && !erste) Stop = std::min(Stop, Muster_suchen(T[k], s.Halt, 0));
        if (Zeile_pruefen(T, k, Stop, s, Fund)) {
            if (s.Eltern.empty()) Lesezeiger = static_cast<int32_t>(k);
            return Fund;
        }
        if (Stop != npos) break;
    }
    return {};
}

// A found text as a number; the first text of a run that is no number is reported.
std::optional<long double> Zahl_aus_Text(const std::string& Text) {
    long double v = 0;
    if (Unit_Tools::Zahl_umwandeln(Text, v) && std::fabs(v) <= FLT_MAX) return v;
    if (!Zahlfehler_gemeldet && !ohne_Rand(Text).empty())
        Unit_Tools::Meldung_Problem(">" + Text + "< ist keine Zahl", ">" + Text + "< is no number");
    Zahlfehler_gemeldet = true;
    return std::nullopt;
}

void Zeile_schreiben(const std::string& Text) {
    Zeile_anfuegen(std::string(static_cast<std::size_t>(std::max(0, Einrueckung)), ' ') + Text);
}

// Breaks a loaded line before every tag that directly follows another tag.
void Zeile_aufteilen(const std::string& z, std::vector<std::string>& Ziel) {
    std::size_t Anfang = 0;
    for (std::size_t p = 1; p < z.size(); ++p) {
        if (z[p] != '<') continue;
        std::size_t v = p;
        while (v > Anfang && ist_Leerraum(z[v - 1])) --v;
        if (v == Anfang || z[v - 1] != '>') continue;
        // "<x></x>" stays as it is: an empty simple element
        const bool nur_Starttag = z[Anfang] == '<' && v - Anfang >= 3 && z[Anfang + 1] != '/' &&
                                  z[Anfang + 1] != '!' && z[Anfang + 1] != '?' && z[v - 2] != '/' &&
                                  Tagende(z, Anfang) == v - 1;
        if (z.compare(p, 2, "</") == 0 && nur_Starttag) continue;
        Ziel.push_back(z.substr(Anfang, v - Anfang));
        Anfang = p;
    }
    Ziel.push_back(z.substr(Anfang));
}

} // namespace

// ---- Document ----

const std::vector<std::string>& Dokument() {
    return Zeilen;
}

void Dokument_leeren() {
    Zeilen.clear();
    Suchzeilen_gueltig = false;
    Lesezeiger = 0;
    Einrueckung = 0;
}

void Zeile_anfuegen(const std::string& Zeile) {
    Zeilen.push_back(Zeile);
    Suchzeilen_gueltig = false;
}

std::vector<std::string> Textzeilen(const std::string& Text) {
    std::vector<std::string> Ergebnis;
    std::size_t p = Text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (p < Text.size()) {
        std::size_t e = Text.find_first_of("\r\n", p);
        if (e == npos) e = Text.size();
        Ergebnis.push_back(Text.substr(p, e - p));
        p = e;
        if (p < Text.size() && Text[p] == '\r') ++p;
        if (p < Text.size() && Text[p] == '\n') ++p;
    }
    return Ergebnis;
}

void Dokument_aus_Text(const std::string& Text) {
    Dokument_leeren();
    for (const std::string& z : Textzeilen(Text)) Zeile_aufteilen(z, Zeilen);
    Suchzeilen_gueltig = false;
}

std::string Dokument_als_Text() {
    std::string Text;
    for (const auto& z : Zeilen) Text += z + "\r\n";
    return Text;
}

bool Textdatei_lesen(const std::string& Name, std::string& Text) {
    using Unit_Tools::Meldung_Problem;
    std::error_code f;
    const auto Groesse = std::filesystem::file_size(Name, f);
    std::ifstream Datei(Name, std::ios::binary);
    if (f || !Datei) {
        Meldung_Problem("Datei " + Name + " kann nicht gelesen werden", "File " + Name + " cannot be read");
        return false;
    }
    if (Groesse > Datei_Bytes_Max) {
        Meldung_Problem("Datei " + Name + " ist zu groß", "File " + Name + " is too large");
        return false;
    }
    std::ostringstream Inhalt;
    Inhalt << Datei.rdbuf();
    Text = Inhalt.str();
    return true;
}

bool Textdatei_schreiben(const std::string& Name, const std::string& Text) {
    namespace fs = std::filesystem;
    const fs::path Ziel(Name);
    fs::path Temp = Ziel;
    Temp += ".tmp~";
    bool ok = false;
    {
        std::ofstream Datei(Temp, std::ios::binary | std::ios::trunc);
        ok = static_cast<bool>(Datei << Text) && static_cast<bool>(Datei.flush());
    }
    std::error_code f;
    if (ok) fs::rename(Temp, Ziel, f);
    if (ok && !f) return true;
    fs::remove(Temp, f);
    Unit_Tools::Meldung_Problem("Datei " + Name + " kann nicht geschrieben werden",
                                "File " + Name + " cannot be written");
    return false;
}

bool Datei_laden(const std::string& Name) {
    std::string Text;
    if (!Textdatei_lesen(Name, Text)) return false;
    Dokument_aus_Text(Text);
    Dateiname = Name;
    return true;
}

bool Datei_speichern(const std::string& Name) {
    if (!Textdatei_schreiben(Name, Dokument_als_Text())) return false;
    Dateiname = Name;
    return true;
}

bool Datei_oeffnen(const std::string& Ordner) {
    const auto Name = Unit_UI::UI().Datei_waehlen({false, Dateifilter, Ordner, ""});
    if (!Name) return false;
    Dokument_leeren();
    return Datei_laden(*Name);
}

bool Datei_speichern_unter(const std::string& Ordner) {
    const auto Name = Unit_UI::UI().Datei_waehlen({true, Dateifilter, Ordner, ""});
    return Name && Datei_speichern(*Name);
}

Zeitpunkt_Type Jetzt() {
    if (Zeitpunkt_fest) return *Zeitpunkt_fest;
    const std::time_t t = std::time(nullptr);
    const std::tm lokal = *std::localtime(&t);
    return {lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday, lokal.tm_hour, lokal.tm_min, lokal.tm_sec};
}

void Zeitpunkt_festlegen(const Zeitpunkt_Type& Zeitpunkt) {
    Zeitpunkt_fest = Zeitpunkt;
}

void Zeitpunkt_freigeben() {
    Zeitpunkt_fest.reset();
}

// ---- Writer ----

void Wurzel_schreiben(const std::string& Name, const std::string& Version) {
    if (!Name.empty() && Name[0] == '/') {
        Einrueckung = std::max(0, Einrueckung - 2);
        Zeile_schreiben("<" + Name + ">");
        return;
    }
    Einrueckung = 0;
    Zeile_anfuegen("<" + Name + " version=\"" + maskiert(Version, true) + "\">");
    Einrueckung = 2;
}

void Deklaration_schreiben() {
    Zeile_anfuegen("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
}

void Wurzel_schreiben(const std::string& Name, const std::string& Version, const std::string& Namensraum) {
    Einrueckung = 0;
    Zeile_anfuegen("<" + Name + " xmlns=\"" + maskiert(Namensraum, true) + "\" version=\"" +
                   maskiert(Version, true) + "\">");
    Einrueckung = 2;
}

void Element_schreiben(const std::string& Name) {
    if (!Name.empty() && Name[0] == '/') {
        Einrueckung = std::max(0, Einrueckung - 2);
        Zeile_schreiben("<" + Name + ">");
        return;
    }
    Zeile_schreiben("<" + Name + ">");
    Einrueckung += 2;
}

void Element_ID_schreiben(const std::string& Name, const std::string& ID) {
    Zeile_schreiben("<" + Name + " id=\"" + maskiert(ID, true) + "\">");
    Einrueckung += 2;
}

void Element_Attribut_schreiben(const std::string& Name, const std::string& Attribut,
                                const std::string& Wert) {
    Zeile_schreiben("<" + Name + " " + Attribut + "=\"" + maskiert(Wert, true) + "\">");
    Einrueckung += 2;
}

void Leer_Ref_schreiben(const std::string& Name, const std::string& Ref) {
    Zeile_schreiben("<" + Name + " ref=\"" + maskiert(Ref, true) + "\"/>");
}

void Leer_Typ_schreiben(const std::string& Name, const std::string& Typ) {
    Zeile_schreiben("<" + Name + " type=\"" + maskiert(Typ, true) + "\"/>");
}

void Text_schreiben(const std::string& Name, const std::string& Text) {
    Zeile_schreiben("<" + Name + ">" + maskiert(Text, false) + "</" + Name + ">");
}

void Bool_schreiben(const std::string& Name, bool Wert) {
    Text_schreiben(Name, Wert ? "1" : "0");
}

void Ganzzahl_schreiben(const std::string& Name, long long Wert) {
    Text_schreiben(Name, std::to_string(Wert));
}

void Zahl_schreiben(const std::string& Name, long double Wert, int Breite, int Nachkommastellen,
                    const std::string& Attribut) {
    Zeile_schreiben("<" + Name + Attribut + ">" +
                    Unit_Tools::Zahl_formatieren_Punkt(Breite, Nachkommastellen, Wert) + "</" + Name + ">");
}

void Unendlich_schreiben() {
    Zeile_schreiben("<infinity/>");
}

void Datum_schreiben() {
    const Zeitpunkt_Type t = Jetzt();
    Zeile_schreiben("<year>" + std::to_string(t.Jahr) + "</year><month>" + std::to_string(t.Monat) +
                    "</month><day>" + std::to_string(t.Tag) + "</day>");
}

void Datumzeit_schreiben() {
    const Zeitpunkt_Type t = Jetzt();
    const auto z = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    Text_schreiben("datetime", std::to_string(t.Jahr) + "-" + z(t.Monat) + "-" + z(t.Tag) + "T" +
                                   z(t.Stunde) + ":" + z(t.Minute) + ":" + z(t.Sekunde));
}

void Kommentar_schreiben(const std::string& Text) {
    // "--" would end the comment for other readers
    std::string t = Text;
    for (std::size_t p = t.find("--"); p != npos; p = t.find("--", p)) t.replace(p, 2, "- -");
    Zeile_schreiben("<!-- " + t + " -->");
}

// ---- Reader ----

Fund_Type Finden(const std::string& Eltern, const std::string& Tag, Art Suchart) {
    return Suchen(Suche_Type(Eltern, Tag, Suchart, true));
}

// ---- Elements of the whole document ----

namespace {
// The name of the tag a line begins with ("dive", "/dive"); empty when it begins with no tag.
std::string_view erster_Tag(const std::string& Zeile) {
    const std::size_t p = Zeile.find_first_not_of(" \t");
    if (p == npos || Zeile[p] != '<') return {};
    const std::size_t e = Zeile.find_first_of(" \t\r\n>", p + 1);
    std::string_view Name(Zeile);
    Name = Name.substr(p + 1, (e == npos ? Zeile.size() : e) - p - 1);
    if (!Name.empty() && Name.back() == '/') Name.remove_suffix(1);
    return Name;
}
} // namespace

std::vector<Bereich_Type> Bereiche(const std::string& Tag) {
    const auto& T = Suchtext();
    const std::string Ende = "/" + Tag, Endmuster = "<" + Ende;
    std::vector<Bereich_Type> Liste;
    bool offen = false;
    for (std::size_t k = 0; k < T.size(); ++k) {
        const auto z = static_cast<int32_t>(k);
        const std::string_view Name = erster_Tag(T[k]);
        if (Name == Tag) {
            if (offen) Liste.back().Ende = z - 1;
            Liste.push_back({z, z});
            offen = true;
        }
        // the end tag on a line of its own, or behind the start tag on its line
        if (offen && (Name == Ende || (Name == Tag && Muster_suchen(T[k], Endmuster, 0) != npos))) {
            Liste.back().Ende = z;
            offen = false;
        }
    }
    if (offen) Liste.back().Ende = static_cast<int32_t>(T.size()) - 1;
    return Liste;
}

std::vector<std::vector<std::string>> Werte(const std::vector<std::string>& Tags,
                                            const Bereich_Type& Bereich) {
    const auto& T = Suchtext();
    std::vector<Suche_Type> Suchen;
    for (const auto& Tag : Tags) Suchen.emplace_back("", Tag, Art::Element, true);
    std::vector<std::vector<std::string>> Listen(Tags.size());
    const int32_t Ende = std::min(Bereich.Ende, static_cast<int32_t>(T.size()) - 1);
    for (int32_t k = std::max(0, Bereich.Anfang); k <= Ende; ++k) {
        const std::string_view Name = erster_Tag(T[static_cast<std::size_t>(k)]);
        for (std::size_t j = 0; j < Tags.size(); ++j) {
            Fund_Type Fund;
            if (Name == Tags[j] && Zeile_pruefen(T, static_cast<std::size_t>(k), npos, Suchen[j], Fund))
                Listen[j].push_back(ohne_Rand(Fund.Text));
        }
    }
    return Listen;
}

bool Endtag_vorhanden(const std::string& Tag) {
    const auto& T = Suchtext();
    const std::string Muster = "</" + Tag;
    for (std::size_t k = T.size(); k-- > 0;)
        if (Muster_suchen(T[k], Muster, 0) != npos) return true;
    return false;
}

void Ausblenden(const Bereich_Type& Bereich) {
    Suchtext();
    const int32_t Ende = std::min(Bereich.Ende, static_cast<int32_t>(Suchzeilen.size()) - 1);
    for (int32_t k = std::max(0, Bereich.Anfang); k <= Ende; ++k)
        Suchzeilen[static_cast<std::size_t>(k)].clear();
}

void Einblenden() {
    Suchzeilen_gueltig = false;
}

// ---- Accessors ----

void Wurzel(const std::string& Name, const std::string& Version) {
    if (Richtung == schreiben) {
        Wurzel_schreiben(Name, Version);
        return;
    }
    Lesezeiger = 0;
    Zahlfehler_gemeldet = false;
}

bool Element(const std::string& Name) {
    if (Richtung == schreiben) {
        Element_schreiben(Name);
        return true;
    }
    return Suchen(Suche_Type("", Name, Art::Element, false)).gefunden;
}

void Kommentar(const std::string& Text) {
    if (Richtung == schreiben) Kommentar_schreiben(Text);
}

bool Text(const std::string& Name, std::string& Wert, const std::string& Vorgabe, const std::string& Eltern) {
    if (Richtung == schreiben) {
        Text_schreiben(Name, Wert);
        return true;
    }
    const Fund_Type f = Finden(Eltern, Name, Art::Element);
    const std::string t = ohne_Rand(f.Text);
    Wert = t.empty() ? Vorgabe : t;
    return f.gefunden;
}

namespace {
// The accessors of the attribute kinds: write the element, or read the attribute inside a parent.
bool Attribut(const std::string& Eltern, const std::string& Name, std::string& Wert, Art Suchart,
              void (*Schreiber)(const std::string&, const std::string&)) {
    if (Richtung == schreiben) {
        Schreiber(Name, Wert);
        return true;
    }
    const Fund_Type f = Finden(Eltern, Name, Suchart);
    if (f.gefunden) Wert = f.Text;
    return f.gefunden;
}
} // namespace

bool ID(const std::string& Name, std::string& Wert) {
    return Attribut("", Name, Wert, Art::ID, Element_ID_schreiben);
}

bool Ref(const std::string& Eltern, const std::string& Name, std::string& Wert) {
    return Attribut(Eltern, Name, Wert, Art::Ref, Leer_Ref_schreiben);
}

bool Typ(const std::string& Eltern, const std::string& Name, std::string& Wert) {
    return Attribut(Eltern, Name, Wert, Art::Typ, Leer_Typ_schreiben);
}

bool Bool(const std::string& Name, bool& Wert, bool Vorgabe, const std::string& Eltern) {
    if (Richtung == schreiben) {
        Bool_schreiben(Name, Wert);
        return true;
    }
    const Fund_Type f = Finden(Eltern, Name, Art::Element);
    const std::string t = ohne_Rand(f.Text);
    Wert = f.gefunden ? (t == "1" || t == "true") : Vorgabe;
    return f.gefunden;
}

namespace {
// The read direction of the numbers: nothing when the element is missing, else found / factor
// (0 for a text that is no number).
std::optional<long double> Zahl_im_Element(const std::string& Eltern, const std::string& Name,
                                           long double Faktor) {
    const Fund_Type f = Finden(Eltern, Name, Art::Element);
    if (!f.gefunden) return std::nullopt;
    const auto v = Zahl_aus_Text(f.Text);
    return v && Faktor != 0 ? *v / Faktor : 0.0L;
}
} // namespace

bool Zahl(const std::string& Name, float& Wert, int Breite, float Vorgabe, int Nachkommastellen,
          long double Faktor, const std::string& Eltern, const std::string& Attribut) {
    if (Richtung == schreiben) {
        Zahl_schreiben(Name, Wert * Faktor, Breite, Nachkommastellen, Attribut);
        return true;
    }
    const auto x = Zahl_im_Element(Eltern, Name, Faktor);
    Wert = !x ? Vorgabe : std::fabs(*x) <= FLT_MAX ? static_cast<float>(*x) : 0.0f;
    return x.has_value();
}

bool Ganzzahl(const std::string& Name, int32_t& Wert, int32_t Vorgabe, long double Faktor,
              const std::string& Eltern) {
    if (Richtung == schreiben) {
        Ganzzahl_schreiben(Name, std::llround(Faktor * Wert));
        return true;
    }
    const auto x = Zahl_im_Element(Eltern, Name, Faktor);
    const long double r = x ? std::round(*x) : 0.0L;
    Wert = !x ? Vorgabe : r >= INT32_MIN && r <= INT32_MAX ? static_cast<int32_t>(r) : 0;
    return x.has_value();
}

int32_t Anzahl(const std::string& Tag, int32_t Maximum, const std::string& Eltern) {
    const int32_t c0 = Lesezeiger;
    const auto& T = Suchtext();
    const Suche_Type s(Eltern, Tag, Art::Element, false);
    int32_t n = 0;
    for (std::size_t k = Eltern.empty() ? 0 : static_cast<std::size_t>(std::max(0, c0));
         k < T.size() && n < Maximum; ++k) {
        const std::size_t Stop = Elternende(T[k], s, static_cast<int32_t>(k) == c0);
        const std::size_t p = Muster_suchen(T[k], s.Tag.Start, 0);
        if (p != npos && p < Stop) ++n;
        if (Stop != npos) break;
    }
    Lesezeiger = Eltern.empty() ? 0 : c0;
    Fundzaehler = n;
    if (n >= Maximum) {
        const std::string z = std::to_string(Maximum);
        Unit_Tools::Meldung_Problem("Zu viele Daten (" + z + ")", "Too much data (" + z + ")");
        return Maximum;
    }
    return n;
}

} // namespace Unit_aXML
