#include "files/Dateiumgebung.hpp"
#include "files/Unit_aXML.hpp"
#include "lang/Unit_Tools.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace Unit_aXML;

namespace {
std::vector<std::string> Zeilen(std::initializer_list<const char*> z) {
    return {z.begin(), z.end()};
}

void Lesen_aus(std::initializer_list<const char*> z) {
    Dokument_leeren();
    for (const char* l : z) Zeile_anfuegen(l);
    Richtung = lesen;
    Lesezeiger = 0;
}
} // namespace

class aXML : public Testumgebung {
  protected:
    void SetUp() override {
        Testumgebung::SetUp();
        Dokument_leeren();
        Richtung = schreiben;
        Zeitpunkt_festlegen({2024, 1, 30, 9, 5, 7});
    }
};

// ---- Writer ----

TEST_F(aXML, Verschachtelte_Elemente_ruecken_um_je_zwei_Blanks_ein) {
    Wurzel("uddf", "3.1.0");
    Element("a");
    Element("b");
    float Wert = 1;
    Zahl("c", Wert, 0, 0, 0);
    Element("/b");
    EXPECT_EQ(Einrueckung, 4);
    Element("/a");
    Wurzel("/uddf", "");
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Dokument(), Zeilen({"<uddf version=\"3.1.0\">", "  <a>", "    <b>", "      <c>1</c>",
                                  "    </b>", "  </a>", "</uddf>"}));
}

TEST_F(aXML, Einrueckung_wird_nie_negativ_und_die_Wurzel_beginnt_bei_null) {
    Einrueckung = 6;
    Wurzel("uddf", "3.1.0");
    EXPECT_EQ(Einrueckung, 2);
    Element("/x");
    Element("/y");
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Dokument().back(), "</y>");
}

struct Schreibfall {
    const char* Fall;
    void (*schreiben)();
    const char* Zeile;
};
class Schreiber : public aXML, public ::testing::WithParamInterface<Schreibfall> {};

TEST_P(Schreiber, schreibt_eine_Zeile) {
    Einrueckung = 2;
    GetParam().schreiben();
    ASSERT_EQ(Dokument().size(), 1u);
    EXPECT_EQ(Dokument()[0], GetParam().Zeile);
}
INSTANTIATE_TEST_SUITE_P(
    Primitive, Schreiber,
    ::testing::Values(
        Schreibfall{"mit_ID", [] { Element_ID_schreiben("mix", "EAN32"); }, "  <mix id=\"EAN32\">"},
        Schreibfall{"leer_mit_Ref", [] { Leer_Ref_schreiben("switchmix", "Tmx21/35"); },
                    "  <switchmix ref=\"Tmx21/35\"/>"},
        Schreibfall{"leer_mit_Typ", [] { Leer_Typ_schreiben("divemode", "closedcircuit"); },
                    "  <divemode type=\"closedcircuit\"/>"},
        Schreibfall{"Text_maskiert", [] { Text_schreiben("name", "A&B <1>"); },
                    "  <name>A&amp;B &lt;1&gt;</name>"},
        Schreibfall{"Attribut_maskiert", [] { Element_ID_schreiben("mix", "a\"b"); },
                    "  <mix id=\"a&quot;b\">"},
        Schreibfall{"Bool_wahr", [] { Bool_schreiben("ph2o_ok", true); }, "  <ph2o_ok>1</ph2o_ok>"},
        Schreibfall{"Bool_falsch", [] { Bool_schreiben("ph2o_ok", false); }, "  <ph2o_ok>0</ph2o_ok>"},
        Schreibfall{"Ganzzahl", [] { Ganzzahl_schreiben("gasnum", -3); }, "  <gasnum>-3</gasnum>"},
        // width 9, two decimals, a point whatever the locale
        Schreibfall{"Zahl_aufgefuellt", [] { Zahl_schreiben("cns", 12.345L, 9, 2); },
                    "  <cns>    12.35</cns>"},
        Schreibfall{"Zahl_nicht_gekuerzt", [] { Zahl_schreiben("d", 123456.5L, 3, 1); }, "  <d>123456.5</d>"},
        Schreibfall{"Zahl_mit_Attribut", [] { Zahl_schreiben("setpo2", 130000, 9, 2, Attribut_setby_user); },
                    "  <setpo2 setby=\"user\">130000.00</setpo2>"},
        Schreibfall{"Unendlich", [] { Unendlich_schreiben(); }, "  <infinity/>"},
        Schreibfall{"Datum_von_heute", [] { Datum_schreiben(); },
                    "  <year>2024</year><month>1</month><day>30</day>"},
        Schreibfall{"Kommentar", [] { Kommentar_schreiben("dive data"); }, "  <!-- dive data -->"},
        Schreibfall{"Kommentar_ohne_Doppelstrich", [] { Kommentar_schreiben("a--b"); }, "  <!-- a- -b -->"}),
    Fallname());

TEST_F(aXML, Zahlen_werden_auch_bei_Dezimalkomma_mit_Punkt_geschrieben) {
    Unit_Tools::Dezimaltrennzeichen_setzen(',');
    float Wert = 2.5f;
    Zahl("depth", Wert, 6, 0, 2);
    EXPECT_EQ(Dokument()[0], "<depth>  2.50</depth>");
}

// ---- Reader ----

TEST_F(aXML, Kind_nach_einem_Geschwister_wird_im_Elternelement_gefunden) {
    Lesen_aus({"<w>", "  <depth>3.5</depth>", "  <divetime>12</divetime>", "</w>"});
    ASSERT_TRUE(Element("w"));
    EXPECT_EQ(Lesezeiger, 0);
    EXPECT_EQ(Finden("w", "divetime", Art::Element).Text, "12");
    // the search inside a parent leaves the cursor, so the earlier child is still found
    EXPECT_EQ(Lesezeiger, 0);
    EXPECT_EQ(Finden("w", "depth", Art::Element).Text, "3.5");
}

TEST_F(aXML, Suche_ohne_Eltern_setzt_den_Zeiger_auf_die_Fundzeile) {
    Lesen_aus({"<a>", "<b>1</b>", "<c>2</c>", "<b>3</b>"});
    EXPECT_EQ(Finden("", "c", Art::Element).Text, "2");
    EXPECT_EQ(Lesezeiger, 2);
    EXPECT_EQ(Finden("", "b", Art::Element).Text, "3");
    EXPECT_EQ(Lesezeiger, 3);
    const Fund_Type nichts = Finden("", "c", Art::Element);
    EXPECT_FALSE(nichts.gefunden);
    EXPECT_EQ(nichts.Text, "");
    EXPECT_EQ(Lesezeiger, 3);
}

// A child missing in the first element must not be taken from the next one, however deep the
// parent's end tag is indented.
TEST_F(aXML, Tief_eingerueckter_Elternschluss_beendet_die_Suche) {
    Lesen_aus({"                <waypoint>", "                  <depth>1</depth>",
               "                </waypoint>", "                <waypoint>",
               "                  <switchmix ref=\"O2\"/>", "                </waypoint>"});
    ASSERT_TRUE(Element("waypoint"));
    EXPECT_FALSE(Finden("waypoint", "switchmix", Art::Ref).gefunden);
    ASSERT_TRUE(Element("/waypoint"));
    ASSERT_TRUE(Element("waypoint"));
    EXPECT_EQ(Lesezeiger, 3);
    EXPECT_EQ(Finden("waypoint", "switchmix", Art::Ref).Text, "O2");
}

// Without its end tag an element still ends where the next one of its kind begins.
TEST_F(aXML, Ohne_Endtag_endet_die_Suche_am_naechsten_Elternelement) {
    Lesen_aus({"<waypoint>", "<depth>1</depth>", "<waypoint>", "<otu>5</otu>", "</waypoint>"});
    ASSERT_TRUE(Element("waypoint"));
    EXPECT_FALSE(Finden("waypoint", "otu", Art::Element).gefunden);
}

// An element never closed: its end tag is not taken from the next element of its name.
TEST_F(aXML, Endtag_wird_nur_bis_zum_naechsten_gleichen_Element_gesucht) {
    Lesen_aus({"<waypoint>", "<depth>1</depth>", "<waypoint>", "<depth>2</depth>", "</waypoint>"});
    ASSERT_TRUE(Element("waypoint"));
    EXPECT_FALSE(Element("/waypoint"));
    EXPECT_EQ(Lesezeiger, 0);
    Lesezeiger = 2;
    EXPECT_TRUE(Element("/waypoint"));
    EXPECT_EQ(Lesezeiger, 4);
}

TEST_F(aXML, Wert_ueber_mehrere_Zeilen_wird_ganz_gelesen) {
    Lesen_aus({"<w>", "<depth>", "  12.5", "</depth>", "<name>Erste", "Zweite</name>", "</w>"});
    float m = 0;
    EXPECT_TRUE(Zahl("depth", m, 6, -1, 2, 1, "w"));
    EXPECT_FLOAT_EQ(m, 12.5f);
    std::string Name;
    Text("name", Name, "", "w");
    EXPECT_EQ(Name, "Erste\nZweite");
}

TEST_F(aXML, Starttag_ohne_Endtag_gibt_einen_leeren_Wert) {
    Lesen_aus({"<w>", "<name>offen", "</w>", "<name>fremd</name>"});
    const Fund_Type f = Finden("w", "name", Art::Element);
    EXPECT_TRUE(f.gefunden);
    EXPECT_EQ(f.Text, "");
}

struct Attributfall {
    const char* Fall;
    const char* Zeile;
    Art Suchart;
    const char* Tag;
    bool gefunden;
    const char* Text;
};
class Attribute : public aXML, public ::testing::WithParamInterface<Attributfall> {};

TEST_P(Attribute, werden_in_jeder_Schreibweise_gelesen) {
    const Attributfall& a = GetParam();
    Lesen_aus({"<x>", a.Zeile, "</x>"});
    const Fund_Type f = Finden("x", a.Tag, a.Suchart);
    EXPECT_EQ(f.gefunden, a.gefunden);
    EXPECT_EQ(f.Text, a.Text);
}
INSTANTIATE_TEST_SUITE_P(
    Schreibweisen, Attribute,
    ::testing::Values(
        Attributfall{"Ref_ohne_Blank", "<switchmix ref=\"air\"/>", Art::Ref, "switchmix", true, "air"},
        Attributfall{"Ref_mit_Blank", "<switchmix ref=\"mix(16/45)\" />", Art::Ref, "switchmix", true,
                     "mix(16/45)"},
        Attributfall{"Typ", "<divemode type=\"opencircuit\" />", Art::Typ, "divemode", true, "opencircuit"},
        Attributfall{"ID_nach_anderem_Attribut", "<mix name=\"n\" id='m1'>", Art::ID, "mix", true, "m1"},
        Attributfall{"ID_fehlt", "<repetitiongroup>", Art::ID, "repetitiongroup", false, ""},
        Attributfall{"Entitaet_im_Wert", "<mix id=\"A&amp;B\">", Art::ID, "mix", true, "A&B"},
        Attributfall{"laengerer_Name_ist_anderes_Element", "<divetimes>3</divetimes>", Art::Element,
                     "divetime", false, ""},
        Attributfall{"Element_mit_Attribut", "<setpo2 setby=\"computer\">1.3</setpo2>", Art::Element,
                     "setpo2", true, "1.3"},
        Attributfall{"leeres_Element", "<firstname />", Art::Element, "firstname", true, ""},
        Attributfall{"Zeichenreferenz", "<name>K&#228;rg&#xE4;</name>", Art::Element, "name", true,
                     "K\xC3\xA4rg\xC3\xA4"}),
    Fallname());

TEST_F(aXML, Kommentare_mit_Tags_werden_nicht_durchsucht) {
    Lesen_aus({"<w>", "<!-- <depth>99</depth>", "  <depth>98</depth> -->", "<depth>4</depth>", "</w>"});
    EXPECT_EQ(Finden("w", "depth", Art::Element).Text, "4");
}

TEST_F(aXML, Wurzel_lesen_setzt_den_Zeiger_auf_den_Anfang) {
    Lesen_aus({"<uddf version=\"3.1.0\">", "<a>", "</uddf>"});
    Lesezeiger = 2;
    Wurzel("uddf", "3.1.0");
    EXPECT_EQ(Lesezeiger, 0);
}

TEST_F(aXML, Element_lesen_meldet_ob_es_da_ist_schreiben_immer) {
    Lesen_aus({"<a>", "<dive id=\"7\">", "</dive>"});
    EXPECT_TRUE(Element("dive"));
    EXPECT_EQ(Lesezeiger, 1);
    EXPECT_TRUE(Element("/dive"));
    EXPECT_FALSE(Element("brelune"));
    EXPECT_EQ(Lesezeiger, 2);
    Richtung = schreiben;
    EXPECT_TRUE(Element("brelune"));
}

// ---- Accessors in both directions ----

TEST_F(aXML, Zahl_mit_Faktor_hin_und_zurueck_fehlend_gibt_die_Vorgabe) {
    Element("p");
    float bar = 1.3f;
    Zahl("setpo2", bar, 9, 0, 2, 100000, "", Attribut_setby_user);
    float Prozent = 32;
    Zahl("o2", Prozent, 5, 0, 3, 0.01L);
    Element("/p");
    EXPECT_EQ(Dokument()[1], "  <setpo2 setby=\"user\">130000.00</setpo2>");
    EXPECT_EQ(Dokument()[2], "  <o2>0.320</o2>");

    Richtung = lesen;
    Lesezeiger = 0;
    bar = Prozent = 0;
    EXPECT_TRUE(Zahl("setpo2", bar, 9, 0, 2, 100000, "p"));
    EXPECT_TRUE(Zahl("o2", Prozent, 5, 0, 3, 0.01L, "p"));
    EXPECT_FLOAT_EQ(bar, 1.3f);
    EXPECT_FLOAT_EQ(Prozent, 32);
    float fehlt = 0;
    EXPECT_FALSE(Zahl("he", fehlt, 5, 7, 3, 0.01L, "p"));
    EXPECT_FLOAT_EQ(fehlt, 7); // the default is not divided
}

TEST_F(aXML, Ganzzahl_rundet_in_beide_Richtungen) {
    int32_t s = 90;
    Ganzzahl("t", s, 0, 1.5L);
    EXPECT_EQ(Dokument()[0], "<t>135</t>");
    Lesen_aus({"<p>", "<t>136</t>", "</p>"});
    Ganzzahl("t", s, 0, 1.5L, "p");
    EXPECT_EQ(s, 91); // 136 / 1.5 = 90.67
    Ganzzahl("u", s, -4, 1, "p");
    EXPECT_EQ(s, -4);
}

TEST_F(aXML, Text_leer_oder_fehlend_gibt_die_Vorgabe) {
    Lesen_aus({"<p>", "<a>Luft</a>", "<b></b>", "</p>"});
    std::string t;
    EXPECT_TRUE(Text("a", t, "x", "p"));
    EXPECT_EQ(t, "Luft");
    EXPECT_TRUE(Text("b", t, "x", "p"));
    EXPECT_EQ(t, "x");
    EXPECT_FALSE(Text("c", t, "y", "p"));
    EXPECT_EQ(t, "y");
}

TEST_F(aXML, Bool_eins_ist_wahr_anderes_falsch_fehlend_die_Vorgabe) {
    Lesen_aus({"<p>", "<a>1</a>", "<b>0</b>", "<c>ja</c>", "<d>true</d>", "</p>"});
    bool b = false;
    Bool("a", b, false, "p");
    EXPECT_TRUE(b);
    Bool("b", b, true, "p");
    EXPECT_FALSE(b);
    b = true;
    Bool("c", b, true, "p");
    EXPECT_FALSE(b);
    Bool("d", b, false, "p");
    EXPECT_TRUE(b);
    Bool("e", b, false, "p");
    EXPECT_FALSE(b);
    Bool("e", b, true, "p");
    EXPECT_TRUE(b);
}

TEST_F(aXML, Keine_Zahl_wird_einmal_gemeldet_und_liest_sich_als_null) {
    Lesen_aus({"<p>", "<a>zwölf</a>", "<b>1e999</b>", "</p>"});
    Wurzel("uddf", "");
    float a = 5, b = 5;
    Zahl("a", a, 0, 3, 0, 1, "p");
    Zahl("b", b, 0, 3, 0, 1, "p");
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(Oberflaeche.Anzahl(">zwölf< ist keine Zahl"), 1);
    EXPECT_EQ(Oberflaeche.Meldungen.size(), 1u);
}

TEST_F(aXML, Schreiben_dann_Lesen_gibt_jeden_Wert_zurueck) {
    std::string id = "Tmx21/35", ref = "EAN32", typ = "semiclosedcircuit", text = "a<b & c";
    bool b = true;
    int32_t n = 4711;
    float x = 0.0627f;
    ID("mix", id);
    Ref("mix", "switchmix", ref);
    Typ("mix", "divemode", typ);
    Text("name", text, "");
    Bool("ph2o_ok", b, false);
    Ganzzahl("gasnum", n, 0);
    Zahl("ph2o", x, 7, 0, 5, 100000);
    Element("/mix");

    Richtung = lesen;
    Lesezeiger = 0;
    id = ref = typ = text = "";
    b = false;
    n = 0;
    x = 0;
    EXPECT_TRUE(ID("mix", id));
    Ref("mix", "switchmix", ref);
    Typ("mix", "divemode", typ);
    Text("name", text, "", "mix");
    Bool("ph2o_ok", b, false, "mix");
    Ganzzahl("gasnum", n, 0, 1, "mix");
    Zahl("ph2o", x, 7, 0, 5, 100000, "mix");
    EXPECT_EQ(id, "Tmx21/35");
    EXPECT_EQ(ref, "EAN32");
    EXPECT_EQ(typ, "semiclosedcircuit");
    EXPECT_EQ(text, "a<b & c");
    EXPECT_TRUE(b);
    EXPECT_EQ(n, 4711);
    EXPECT_FLOAT_EQ(x, 0.0627f);
}

// ---- Occurrence count ----

TEST_F(aXML, Anzahl_ohne_Eltern_zaehlt_alles_und_setzt_den_Zeiger_auf_null) {
    Lesen_aus({"<a>", "<o2>1</o2>", "<b>", "<o2>2</o2>", "</b>", "<o2>3</o2>", "<o2x>4</o2x>"});
    Lesezeiger = 3;
    EXPECT_EQ(Anzahl("o2", 40), 3);
    EXPECT_EQ(Fundzaehler, 3);
    EXPECT_EQ(Lesezeiger, 0);
    Lesezeiger = 2;
    EXPECT_EQ(Anzahl("o2", 40, "b"), 1);
    EXPECT_EQ(Lesezeiger, 2);
    EXPECT_TRUE(Oberflaeche.Meldungen.empty());
}

TEST_F(aXML, Anzahl_am_Maximum_meldet_zu_viele_Daten) {
    Lesen_aus({"<o2>1</o2>", "<o2>2</o2>", "<o2>3</o2>"});
    EXPECT_EQ(Anzahl("o2", 2), 2);
    EXPECT_EQ(Oberflaeche.Anzahl("Zu viele Daten (2)"), 1);
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(Anzahl("o2", 3), 3);
    EXPECT_EQ(Oberflaeche.Anzahl("Too much data (3)"), 1);
}

// ---- Document and files ----

TEST_F(aXML, Zeilenenden_und_Bytefolgemarke) {
    Dokument_aus_Text("\xEF\xBB\xBF<a>\r\n<b>1</b>\n<c/>\r<d>2</d>\r\n");
    EXPECT_EQ(Dokument(), Zeilen({"<a>", "<b>1</b>", "<c/>", "<d>2</d>"}));
}

TEST_F(aXML, Datei_ohne_Zeilenumbrueche_bekommt_ein_Element_je_Zeile) {
    Dokument_aus_Text("<w><depth>3</depth> <name></name><x a=\"1\"/><divetime>6</divetime></w><w>");
    EXPECT_EQ(Dokument(), Zeilen({"<w>", "<depth>3</depth>", "<name></name>", "<x a=\"1\"/>",
                                  "<divetime>6</divetime>", "</w>", "<w>"}));
}

TEST_F(aXML, Datei_speichern_und_laden) {
    const auto Ordner = std::filesystem::temp_directory_path() / ("axml_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Ordner);
    const std::string Name = (Ordner / "t.uddf").string();
    Zeile_anfuegen("<a>");
    Zeile_anfuegen("  <b>1</b>");
    ASSERT_TRUE(Datei_speichern(Name));
    std::ifstream f(Name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str(), "<a>\r\n  <b>1</b>\r\n");
    Dokument_leeren();
    ASSERT_TRUE(Datei_laden(Name));
    EXPECT_EQ(Dokument(), Zeilen({"<a>", "  <b>1</b>"}));
    EXPECT_FALSE(std::filesystem::exists(Name + ".tmp~"));
    std::filesystem::remove_all(Ordner);
}

TEST_F(aXML, Unlesbare_oder_unschreibbare_Datei_gibt_eine_Meldung) {
    EXPECT_FALSE(Datei_laden("/nicht/da.uddf"));
    EXPECT_EQ(Oberflaeche.Anzahl("kann nicht gelesen werden"), 1);
    EXPECT_FALSE(Datei_speichern("/nicht/da/x.uddf"));
    EXPECT_EQ(Oberflaeche.Anzahl("kann nicht geschrieben werden"), 1);
}

TEST_F(aXML, Abgebrochener_Dialog_laedt_nichts) {
    Zeile_anfuegen("<bleibt/>");
    Oberflaeche.Antwort_Datei.reset();
    EXPECT_FALSE(Datei_oeffnen(""));
    EXPECT_EQ(Dokument(), Zeilen({"<bleibt/>"}));
    EXPECT_FALSE(Datei_speichern_unter(""));
}
