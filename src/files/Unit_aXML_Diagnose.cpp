#include "files/Unit_aXML_Diagnose.hpp"

#include "core/Unit_WayPoints.hpp"
#include "files/Unit_aXML.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <map>

namespace Unit_aXML_Diagnose {

Unit_Textpuffer::Textpuffer Memo_Diagnose{"Memo_Diagnose", {}};

namespace {
namespace X = Unit_aXML;
using Unit_Tools::Text_waehlen;
constexpr std::size_t npos = std::string::npos;

void melden(const std::string& de, const std::string& en) {
    Memo_Diagnose.Zeile_anfuegen(Text_waehlen(de, en));
}

void Dokument_setzen(const std::vector<std::string>& Zeilen) {
    X::Dokument_leeren();
    for (const std::string& z : Zeilen) X::Zeile_anfuegen(z);
}

void geaendert() {
    Unit_UI::UI().Textpuffer_geaendert(Memo_Diagnose.Name);
}

struct Offen {
    std::string Name;
    int Zeile;
};

// One pass over the text: the nesting with its faults, the start tags counted by their local
// name, the root's version.
struct Pruefung {
    explicit Pruefung(const std::string& Text) : T(Text) {}
    const std::string& T;
    std::size_t p = 0;
    int Zeile = 1;
    std::vector<Offen> Stapel;
    std::map<std::string, int> Anzahl;
    std::string Version;
    int Fehler = 0;

    // Moves to the end of what starts at p (given its closing text), counting the lines.
    bool ueberspringen(const std::string& Ende) {
        const std::size_t e = T.find(Ende, p);
        const std::size_t bis = e == npos ? T.size() : e + Ende.size();
        for (; p < bis; ++p)
            if (T[p] == '\n') ++Zeile;
        return e != npos;
    }

    void Fehler_melden(const std::string& de, const std::string& en) {
        ++Fehler;
        const std::string n = std::to_string(Zeile);
        melden("Zeile " + n + ": " + de, "line " + n + ": " + en);
    }

    static std::string lokal(const std::string& Name) {
        const auto d = Name.find(':');
        return d == npos ? Name : Name.substr(d + 1);
    }

    void Endtag(const std::string& Name) {
        if (Stapel.empty())
            return Fehler_melden("</" + Name + "> ohne öffnendes Element",
                                 "</" + Name + "> without a start tag");
        const Offen o = Stapel.back();
        Stapel.pop_back();
        if (o.Name == Name) return;
        const std::string z = std::to_string(o.Zeile);
        Fehler_melden("</" + Name + "> schließt <" + o.Name + "> aus Zeile " + z,
                      "</" + Name + "> closes <" + o.Name + "> of line " + z);
    }

    void Starttag(const std::string& Name, const std::string& Tag) {
        const bool leer = Tag.size() >= 2 && Tag[Tag.size() - 2] == '/';
        if (Stapel.empty() && Anzahl.empty()) {
            const auto v = Tag.find("version=\"");
            if (v != npos) Version = Tag.substr(v + 9, Tag.find('"', v + 9) - v - 9);
        }
        ++Anzahl[lokal(Name)];
        if (!leer) Stapel.push_back({Name, Zeile});
    }

    void Tag_lesen() {
        const int Anfang = Zeile;
        const std::size_t a = p;
        const std::size_t e = T.find_first_of("<>", a + 1);
        if (e == npos || T[e] == '<') {
            ++p;
            return Fehler_melden("\"<\" ohne \">\"", "\"<\" without \">\"");
        }
        ueberspringen(">");
        const std::string Tag = T.substr(a, p - a);
        const bool Ende = Tag.size() > 1 && Tag[1] == '/';
        const std::size_t n = Ende ? 2 : 1;
        const std::string Name = Tag.substr(n, Tag.find_first_of(" \t\r\n/>", n) - n);
        const int bis = Zeile;
        Zeile = Anfang;
        if (Ende)
            Endtag(Name);
        else
            Starttag(Name, Tag);
        Zeile = bis;
    }

    void laufen() {
        while (p < T.size()) {
            if (T.compare(p, 4, "<!--") == 0)
                ueberspringen("-->");
            else if (T.compare(p, 9, "<![CDATA[") == 0)
                ueberspringen("]]>");
            else if (T.compare(p, 2, "<?") == 0)
                ueberspringen("?>");
            else if (T.compare(p, 2, "<!") == 0)
                ueberspringen(">");
            else if (T[p] == '<')
                Tag_lesen();
            else if (T[p++] == '\n')
                ++Zeile;
        }
        for (const Offen& o : Stapel) {
            const std::string z = std::to_string(o.Zeile);
            ++Fehler;
            melden("<" + o.Name + "> aus Zeile " + z + " wird nicht geschlossen",
                   "<" + o.Name + "> of line " + z + " is not closed");
        }
    }
};

void Inhalt_melden(const Pruefung& P) {
    const auto n = [&P](const char* Name) {
        const auto i = P.Anzahl.find(Name);
        return std::to_string(i == P.Anzahl.end() ? 0 : i->second);
    };
    melden("UDDF Version: " + (P.Version.empty() ? std::string("-") : P.Version),
           "UDDF version: " + (P.Version.empty() ? std::string("-") : P.Version));
    melden("Tauchgänge (dive): " + n("dive"), "dives (dive): " + n("dive"));
    melden("Gasgemische (mix): " + n("mix"), "gas mixes (mix): " + n("mix"));
    melden("Wegpunkte (waypoint): " + n("waypoint"), "waypoints (waypoint): " + n("waypoint"));
    const bool eigen = P.Anzahl.count("brelune") > 0;
    melden(std::string("Programmblock (brelune): ") + (eigen ? "ja" : "nein"),
           std::string("program block (brelune): ") + (eigen ? "yes" : "no"));
}
} // namespace

bool Datei_in_Memo() {
    const bool gelesen = X::Datei_oeffnen(Unit_WayPoints::Pfad_Tauchgang);
    if (gelesen) {
        const std::string n = std::to_string(X::Dokument().size());
        melden(X::Dateiname + ": " + n + " Zeilen gelesen", X::Dateiname + ": " + n + " lines read");
        geaendert();
    }
    return gelesen;
}

bool Memo_in_Datei(const std::vector<std::string>& Zeilen) {
    Dokument_setzen(Zeilen);
    const bool geschrieben = X::Datei_speichern_unter(Unit_WayPoints::Pfad_Tauchgang);
    if (geschrieben) {
        melden(X::Dateiname + " geschrieben", X::Dateiname + " written");
        geaendert();
    }
    return geschrieben;
}

void Memos_loeschen() {
    X::Dokument_leeren();
    Memo_Diagnose.Leeren();
    geaendert();
}

bool Test(const std::vector<std::string>& Zeilen) {
    Dokument_setzen(Zeilen);
    const std::string Text = X::Dokument_als_Text();
    Pruefung P(Text);
    melden("Test: " + std::to_string(Zeilen.size()) + " Zeilen",
           "Test: " + std::to_string(Zeilen.size()) + " lines");
    P.laufen();
    if (P.Fehler == 0) melden("Elemente richtig verschachtelt", "elements properly nested");
    Inhalt_melden(P);
    geaendert();
    return P.Fehler == 0;
}

} // namespace Unit_aXML_Diagnose
