#include "settings/Einstellungsumgebung.hpp"
#include "settings/Unit_Textdatei.hpp"

using namespace Unit_Textdatei;
namespace fs = std::filesystem;

class Textdatei : public Einstellungsumgebung {};

struct Zeichenfall {
    const char* Fall;
    std::string Windows1252;
    std::string UTF8;
};
class Kodierung : public Textdatei, public ::testing::WithParamInterface<Zeichenfall> {};

// Both directions of the byte table, for ASCII, Latin-1 and the 0x80..0x9F block.
TEST_P(Kodierung, beide_Richtungen) {
    const Zeichenfall f = GetParam();
    EXPECT_EQ(Windows1252_zu_UTF8(f.Windows1252), f.UTF8);
    EXPECT_EQ(UTF8_zu_Windows1252(f.UTF8), f.Windows1252);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Kodierung,
    ::testing::Values(Zeichenfall{"ASCII", "Tiefe (m)", "Tiefe (m)"},
                      Zeichenfall{"Umlaute", "H\xF6he \xC4nderung \xDF", "Höhe Änderung ß"},
                      Zeichenfall{"Euro", "\x80", "\xE2\x82\xAC"},
                      Zeichenfall{"Anfuehrung", "\x84x\x93", "\xE2\x80\x9Ex\xE2\x80\x9C"},
                      Zeichenfall{"Grad_und_Mikro", "\xB0\xB5", "\xC2\xB0\xC2\xB5"},
                      Zeichenfall{"freies_Byte_0x81", "\x81", "\xC2\x81"}),
    Fallname());

TEST_F(Textdatei, Zeichen_ohne_Platz_in_Windows1252_werden_Fragezeichen) {
    EXPECT_EQ(UTF8_zu_Windows1252("a\xCE\xB1"
                                  "b\xE6\xBD\x9C"),
              "a?b?");
    EXPECT_EQ(UTF8_zu_Windows1252("x\xFFy"), "x?y"); // a broken sequence
}

struct Erkennungsfall {
    const char* Fall;
    std::string Bytes;
    std::string Text;
};
class Erkennung : public Textdatei, public ::testing::WithParamInterface<Erkennungsfall> {};

TEST_P(Erkennung, Windows1252_oder_UTF8) {
    EXPECT_EQ(Text_dekodieren(GetParam().Bytes), GetParam().Text);
}
INSTANTIATE_TEST_SUITE_P(Faelle, Erkennung,
                         ::testing::Values(Erkennungsfall{"Windows1252", "H\xF6he (m NN)=0", "Höhe (m NN)=0"},
                                           Erkennungsfall{"UTF8", "H\xC3\xB6he (m NN)=0", "Höhe (m NN)=0"},
                                           Erkennungsfall{"UTF8_mit_BOM", "\xEF\xBB\xBFH\xC3\xB6he", "Höhe"},
                                           Erkennungsfall{"abgebrochene_Folge_am_Ende", "ab\xC3",
                                                          "ab\xC3\x83"},
                                           Erkennungsfall{"ueberlange_Folge", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                                           Erkennungsfall{"Ersatzzeichen_Bereich", "\xED\xA0\x80",
                                                          "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}),
                         Fallname());

TEST_F(Textdatei, Zeilen_enden_mit_CRLF_LF_oder_CR) {
    EXPECT_EQ(Zeilen_teilen("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Zeilen_teilen("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(Zeilen_teilen("").empty());
}

TEST_F(Textdatei, schreibt_Windows1252_mit_CRLF_und_liest_es_zurueck) {
    const fs::path p = Ordner / "t.ini";
    ASSERT_EQ(Datei_schreiben(p.string(), {"[Programm]", "Höhe (m NN)=0"}), "");
    EXPECT_EQ(Bytes(p), "[Programm]\r\nH\xF6he (m NN)=0\r\n");
    EXPECT_FALSE(fs::exists(Temporaere_Datei(p.string())));
    const auto r = Datei_lesen(p.string());
    EXPECT_TRUE(r.gelesen);
    EXPECT_EQ(r.Zeilen, (std::vector<std::string>{"[Programm]", "Höhe (m NN)=0"}));
}

TEST_F(Textdatei, neue_Fassung_behaelt_die_Zugriffsrechte) {
    const fs::path p = Ordner / "brelune.ini";
    Schreiben(p, "alt\r\n");
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(Datei_schreiben(p.string(), {"neu"}), "");
    EXPECT_EQ(fs::status(p).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Textdatei, Sicherung_erhaelt_die_vorige_Fassung) {
    const fs::path p = Ordner / "brelune.ini", s = Ordner / "brelune.in_";
    Schreiben(p, "alt\r\n");
    Schreiben(s, "uralt\r\n");
    ASSERT_EQ(Datei_schreiben(p.string(), {"neu"}, s.string()), "");
    EXPECT_EQ(Bytes(p), "neu\r\n");
    EXPECT_EQ(Bytes(s), "alt\r\n");
}

// Regression: an error while writing used to leave a half-written file in place of the old one.
TEST_F(Textdatei, Schreibfehler_laesst_die_alte_Datei_unberuehrt) {
    const fs::path p = Ordner / "t.dec";
    Schreiben(p, "alt\r\n");
    // The temporary file cannot be created: a folder with content has its name.
    fs::create_directories(Temporaere_Datei(p.string()) + "/voll");
    EXPECT_NE(Datei_schreiben(p.string(), {"neu"}), "");
    EXPECT_EQ(Bytes(p), "alt\r\n");
}

TEST_F(Textdatei, Umbenennen_scheitert_ohne_Reste) {
    const fs::path p = Ordner / "Ordner_statt_Datei";
    fs::create_directories(p / "Inhalt");
    EXPECT_NE(Datei_schreiben(p.string(), {"neu"}), "");
    EXPECT_TRUE(fs::is_directory(p / "Inhalt"));
    EXPECT_FALSE(fs::exists(Temporaere_Datei(p.string())));
}

TEST_F(Textdatei, nicht_vorhandener_Ordner_ist_ein_Fehler) {
    EXPECT_NE(Datei_schreiben((Ordner / "fehlt" / "t.dec").string(), {"x"}), "");
}

TEST_F(Textdatei, verlinkte_Datei_behaelt_ihren_Link) {
    const fs::path Ziel = Ordner / "echt.ini", Link = Ordner / "link.ini";
    Schreiben(Ziel, "alt\r\n");
    fs::create_symlink(Ziel, Link);
    ASSERT_EQ(Datei_schreiben(Link.string(), {"neu"}), "");
    EXPECT_TRUE(fs::is_symlink(Link));
    EXPECT_EQ(Bytes(Ziel), "neu\r\n");
}

struct Lesefall {
    const char* Fall;
    bool fehlt;
};
class Unlesbar : public Textdatei, public ::testing::WithParamInterface<Lesefall> {};

// Missing file, a folder, and a file far larger than any dive file: nothing is read.
TEST_P(Unlesbar, wird_nicht_gelesen) {
    const std::string Fall = GetParam().Fall;
    const fs::path p = Ordner / "x.dec";
    if (Fall == "Ordner") fs::create_directories(p);
    if (Fall == "zu_gross") {
        Schreiben(p, "[Tauchgang]\r\n");
        fs::resize_file(p, Dateigroesse_max + 1);
    }
    const auto r = Datei_lesen(p.string());
    EXPECT_FALSE(r.gelesen);
    EXPECT_EQ(r.fehlt, GetParam().fehlt);
    EXPECT_FALSE(r.Fehler.empty());
    EXPECT_TRUE(r.Zeilen.empty());
}
INSTANTIATE_TEST_SUITE_P(Faelle, Unlesbar,
                         ::testing::Values(Lesefall{"fehlt", true}, Lesefall{"Ordner", false},
                                           Lesefall{"zu_gross", false}),
                         Fallname());
