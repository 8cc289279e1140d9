// Runs brelune-cli as a script would and checks what it prints and returns.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Lauf {
    int Status;
    std::string Ausgabe; // standard output and, after it, standard error
};

Lauf starten(const std::string& Argumente, bool mit_Fehlerausgabe = false) {
    const std::string Befehl =
        std::string(BRELUNE_CLI) + " " + Argumente + (mit_Fehlerausgabe ? " 2>&1" : " 2>/dev/null");
    Lauf l{-1, {}};
    FILE* p = popen(Befehl.c_str(), "r");
    if (!p) return l;
    std::array<char, 4096> Puffer;
    size_t n;
    while ((n = fread(Puffer.data(), 1, Puffer.size(), p)) > 0) l.Ausgabe.append(Puffer.data(), n);
    const int s = pclose(p);
    l.Status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return l;
}

bool enthaelt(const std::string& Text, const std::string& Teil) {
    return Text.find(Teil) != std::string::npos;
}

} // namespace

TEST(brelune_cli, Hilfe_und_Version) {
    const auto h = starten("--help");
    EXPECT_EQ(h.Status, 0);
    for (const char* Option : {"plan", "--version"}) EXPECT_TRUE(enthaelt(h.Ausgabe, Option)) << Option;
    const auto p = starten("plan --help");
    for (const char* Option : {"--points", "--apparatus", "--setpoint", "--settings", "--set", "--lang",
                               "--output", "--save", "--yes", "--no"})
        EXPECT_TRUE(enthaelt(p.Ausgabe, Option)) << Option;
    const auto v = starten("--version");
    EXPECT_EQ(v.Status, 0);
    EXPECT_EQ(v.Ausgabe.rfind("brelune-cli 4.", 0), 0u) << v.Ausgabe;
    EXPECT_EQ(v.Ausgabe.find('\n'), v.Ausgabe.size() - 1); // one line
}

TEST(brelune_cli, Plan_als_JSON) {
    const auto l = starten("plan --points \"2:40,25:40\" --output json");
    ASSERT_EQ(l.Status, 0);
    for (const char* Schluessel :
         {"\"cancelled\": false", "\"waypoints\"", "\"summary\"", "\"gases\"", "\"messages\"",
          "\"max_depth\": 40.0", "\"bottom_time\": 25.0", "\"tissues\"", "\"no_fly_hours\"",
          "\"action\": \"STOP\"", "\"gas_name\": \"Luft\""})
        EXPECT_TRUE(enthaelt(l.Ausgabe, Schluessel)) << Schluessel;
}

TEST(brelune_cli, Ausgaben_in_der_gegebenen_Reihenfolge_und_Sprache) {
    const auto l = starten("plan --points \"2:40,25:40\" --output summary,warnings --lang en");
    ASSERT_EQ(l.Status, 0);
    const auto Summary = l.Ausgabe.find("Summary of dive");
    const auto Fly = l.Ausgabe.find("No fly time = ");
    ASSERT_NE(Summary, std::string::npos);
    ASSERT_NE(Fly, std::string::npos);
    EXPECT_LT(Summary, Fly);
    const auto de = starten("plan --points \"2:40,25:40\" --output log");
    EXPECT_TRUE(enthaelt(de.Ausgabe, "*** Tauchgangsberechnung ***"));
    EXPECT_TRUE(enthaelt(de.Ausgabe, "Gesamt-Tauchzeit ="));
}

TEST(brelune_cli, Gas_und_Geraet_je_Punkt) {
    const auto l = starten("plan --points \"2:30:EAN32,30:30\" --output json");
    ASSERT_EQ(l.Status, 0);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "\"gas_name\": \"EAN32\""));
    const auto c = starten("plan --apparatus CCR --setpoint 1.2 --points \"2:30,30:30\" --output json");
    ASSERT_EQ(c.Status, 0);
    EXPECT_TRUE(enthaelt(c.Ausgabe, "\"apparatus\": \"CCR\""));
    EXPECT_TRUE(enthaelt(c.Ausgabe, "\"setpoint\": 1.2"));
}

TEST(brelune_cli, Aufruffehler_geben_1_mit_Meldung) {
    for (const char* Argumente :
         {"plan", "plan --points \"2:x\"", "plan --points \"2:30:nogas\"",
          "plan --points \"2:30\" --output nothing", "plan --points \"2:30\" --lang fr",
          "plan --points \"2:30\" --apparatus XY", "plan --yes --no --points \"2:30\"", "frobnicate"}) {
        const auto l = starten(Argumente, true);
        EXPECT_EQ(l.Status, 1) << Argumente;
        EXPECT_FALSE(l.Ausgabe.empty()) << Argumente;
    }
}

TEST(brelune_cli, abgebrochene_Rechnung_gibt_3) {
    // a hypoxic gas at the surface stops the calculation
    const auto l = starten("plan --points \"1:0.5:Tmx5/80,5:0.5\" --output summary", true);
    EXPECT_EQ(l.Status, 3);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "! Tauchgangsberechnung abgebrochen !"));
}

TEST(brelune_cli, Meldungen_auf_der_Fehlerausgabe_mit_ihrer_Art) {
    // pO2 above the NOAA table: a box, a question (answered no) and the stop
    const auto l = starten("plan --points \"1:60:O2,20:60\" --output summary", true);
    EXPECT_EQ(l.Status, 3);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "problem: pO2 außerhalb der NOAA Tabelle !"));
    EXPECT_TRUE(enthaelt(l.Ausgabe, "question: Berechnung fortführen ? -> no"));
    const auto ja = starten("plan --yes --points \"1:60:O2,20:60\" --output summary", true);
    EXPECT_EQ(ja.Status, 0);
    EXPECT_TRUE(enthaelt(ja.Ausgabe, "(out of table)"));
}

namespace {
// The folders a test made, removed when the test program ends.
struct Tempordner_Liste {
    std::vector<std::string> Ordner;
    ~Tempordner_Liste() {
        for (const std::string& o : Ordner) std::filesystem::remove_all(o);
    }
};

std::string Tempordner() {
    static Tempordner_Liste Liste;
    char Muster[] = "/tmp/brelune-cli-XXXXXX";
    const char* o = mkdtemp(Muster);
    if (!o) return "/tmp";
    Liste.Ordner.push_back(o);
    return o;
}
// The "waypoints" array of a JSON output, the part two plans of one dive must share.
std::string Wegpunkte(const std::string& Json) {
    const auto a = Json.find("\"waypoints\"");
    const auto e = Json.find("\"summary\"");
    return a == std::string::npos || e == std::string::npos ? "" : Json.substr(a, e - a);
}
} // namespace

TEST(brelune_cli, gespeicherter_Tauchgang_gibt_denselben_Plan) {
    const std::string Ordner = Tempordner();
    const std::string Umgebung = "XDG_CONFIG_HOME=" + Ordner + " ";
    const auto erst =
        starten("plan --points \"3:40,25:40\" --set \"Sicherheit/GF verwenden=1\" --output json --save " +
                Ordner + "/t.dec");
    ASSERT_EQ(erst.Status, 0);
    const auto wieder = starten("plan " + Ordner + "/t.dec --output json");
    ASSERT_EQ(wieder.Status, 0);
    EXPECT_FALSE(Wegpunkte(erst.Ausgabe).empty());
    EXPECT_EQ(Wegpunkte(wieder.Ausgabe), Wegpunkte(erst.Ausgabe)); // the file carries its settings too
    const auto ohne = starten("plan --points \"3:40,25:40\" --output json");
    EXPECT_NE(Wegpunkte(ohne.Ausgabe), Wegpunkte(erst.Ausgabe)); // the gradient factors made a difference
    // A run that shows no contingency plan plans none, but saves the setting as it stands.
    ASSERT_EQ(starten("plan --points \"3:40,25:40\" --output runtime --save " + Ordner + "/k.dec").Status, 0);
    EXPECT_TRUE(enthaelt(starten("plan " + Ordner + "/k.dec --output json").Ausgabe, "\"contingencies\""));
}

TEST(brelune_cli, Einstellungen_aus_Datei_und_einzeln) {
    const std::string Ordner = Tempordner();
    {
        FILE* f = fopen((Ordner + "/e.ini").c_str(), "w");
        ASSERT_TRUE(f);
        fputs("[Sicherheit]\r\nBühlmann Sicherheitsstop (min)=5\r\n", f);
        fclose(f);
    }
    const auto l = starten("plan --points \"2:12,20:12\" --settings " + Ordner + "/e.ini --output summary");
    ASSERT_EQ(l.Status, 0);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "fixer 3-m-Stop =  5.00 min"));
    const auto s = starten("plan --points \"2:12,20:12\" --settings " + Ordner +
                           "/e.ini --set \"Sicherheit/Bühlmann Sicherheitsstop (min)=1\" --output summary");
    EXPECT_TRUE(enthaelt(s.Ausgabe, "fixer 3-m-Stop =  1.00 min")); // --set comes after the file
}

TEST(brelune_cli, Dateifehler_geben_2_unbekannte_Einstellungen_1) {
    EXPECT_EQ(starten("plan /nonexistent/dive.dec").Status, 2);
    EXPECT_EQ(starten("plan --points \"2:12\" --settings /nonexistent/x.ini").Status, 2);
    EXPECT_EQ(starten("plan --points \"2:12\" --save /nonexistent/dir/x.dec").Status, 2);
    const auto l = starten("plan --points \"2:12\" --set \"Sicherheit/Unbekannt=1\"", true);
    EXPECT_EQ(l.Status, 1);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "Unbekannt"));
    EXPECT_EQ(starten("plan --points \"2:12\" --set \"Nirgends/GF Lo=1\"").Status, 1);
    EXPECT_EQ(starten("plan --points \"2:12\" --set \"kein Gleichheitszeichen\"").Status, 1);
}

namespace {
std::string Testdatei(const std::string& Name) {
    return std::string(BRELUNE_TESTDATEN) + "/" + Name;
}
} // namespace

TEST(brelune_cli, Import_hilfe_nennt_jede_Option) {
    const auto h = starten("import --help");
    for (const char* Option : {"--format", "--preset", "--mode", "--end-of-bottom", "--list", "--dive",
                               "--settings", "--set", "--lang", "--output", "--save", "--yes", "--no"})
        EXPECT_TRUE(enthaelt(h.Ausgabe, Option)) << Option;
    const auto p = starten("plan --help");
    for (const char* Option : {"--export-uddf", "--export-csv"})
        EXPECT_TRUE(enthaelt(p.Ausgabe, Option)) << Option;
}

// The Shearwater Cloud trimix dive: 58.7 m first reached at 35.6 min, at the surface at 72.6 min.
TEST(brelune_cli, Import_UDDF_analysiert_den_Tauchgang) {
    const auto l =
        starten("import " + Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf") + " --output json");
    ASSERT_EQ(l.Status, 0);
    for (const char* Teil :
         {"\"analysis\"", "\"gf_lo\"", "\"gf_hi\"", "\"bottom_time\": 35.6", "\"ascent_time\": 37.0",
          "\"max_descent_velocity\"", "\"max_ascent_velocity\"", "\"mean_po2\"", "\"max_depth\": 58.7",
          "\"total_time\": 72.6", "\"cancelled\": false"})
        EXPECT_TRUE(enthaelt(l.Ausgabe, Teil)) << Teil;
    const auto s = starten("import " + Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf") +
                           " --lang en --output summary");
    EXPECT_TRUE(enthaelt(s.Ausgabe, "Dive analysis\n"));
    EXPECT_TRUE(enthaelt(s.Ausgabe, "   bottom time =  35.6 min\n"));
    EXPECT_TRUE(enthaelt(s.Ausgabe, "   total dive time =  72.6 min\n"));
}

TEST(brelune_cli, Import_behalten_und_neuer_Aufstieg) {
    const std::string Datei = Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf");
    const auto keep = starten("import " + Datei + " --mode keep --output json");
    ASSERT_EQ(keep.Status, 0);
    EXPECT_TRUE(enthaelt(keep.Ausgabe, "\"total_time\": 72.6"));
    // cut at 40 min and planned with the current ascent plan: the last recorded point not after
    // 40 min lies at 39.9 min (the next is the gas switch at 40.1 min)
    const auto neu = starten("import " + Datei + " --mode ascent --end-of-bottom 40 --output json");
    ASSERT_EQ(neu.Status, 0);
    EXPECT_TRUE(enthaelt(neu.Ausgabe, "\"bottom_time\": 39.9"));
    EXPECT_FALSE(enthaelt(neu.Ausgabe, "\"total_time\": 72.6"));
    EXPECT_TRUE(enthaelt(neu.Ausgabe, "\"action\": \"STOP\""));
}

TEST(brelune_cli, Import_CSV_mit_Voreinstellung_und_Format) {
    const auto l =
        starten("import " + Testdatei("shearwater-cloud-ccr-perdix-ai.csv") + " --mode keep --output json");
    ASSERT_EQ(l.Status, 0);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "\"apparatus\": \"CCR\""));
    EXPECT_TRUE(enthaelt(l.Ausgabe, "\"total_time\": 160.0"));
    // the extension decides unless --format says otherwise
    const std::string Ordner = Tempordner();
    const std::string Kopie = Ordner + "/tauchgang.log";
    ASSERT_EQ(std::system(("cp " + Testdatei("subsurface-d6i-2024-06-27.uddf") + " " + Kopie).c_str()), 0);
    EXPECT_EQ(starten("import " + Kopie).Status, 1);
    EXPECT_EQ(starten("import " + Kopie + " --format uddf --mode keep").Status, 0);
}

namespace {
// Tab separated after two header lines: time (s) in column 2, depth in feet in column 3, pO2 in
// column 4, then the columns of "Brelune CSV" (O2 % in 5, He % in 7, apparatus in 9).
std::string Log_in_Fuss() {
    const std::string Datei = Tempordner() + "/log.txt";
    std::ofstream(Datei) << "x\ny\n1\t0\t0\t1.0\t21\t0\t0\t0\t1\n2\t60\t100\t1.0\t21\t0\t0\t0\t1\n"
                            "3\t120\t0\t1.0\t21\t0\t0\t0\t1\n";
    return Datei;
}
const std::string Zuordnung = " --preset 6 --skip-lines 2 --time 2:sec --depth 3:ft --po2 4 --separator tab";
} // namespace

TEST(brelune_cli, Import_CSV_mit_eigener_Zuordnung) {
    const auto h = starten("import --help");
    for (const char* Option :
         {"--time", "--depth", "--po2", "--o2", "--he", "--apparatus-column", "--ccr-values", "--oc-values",
          "--cave-distance", "--cave-velocity", "--separator", "--skip-lines", "--resolution"})
        EXPECT_TRUE(enthaelt(h.Ausgabe, Option)) << Option;
    const std::string Datei = Log_in_Fuss();
    const auto l = starten("import " + Datei + Zuordnung + " --mode keep --output json");
    ASSERT_EQ(l.Status, 0);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "\"max_depth\": 30.48")); // 100 ft
    EXPECT_TRUE(enthaelt(l.Ausgabe, "\"gas_name\": \"Luft\""));
    // the preset alone reads the file's first column as the time and finds no possible line
    EXPECT_EQ(starten("import " + Datei + " --preset 6 --mode keep").Status, 2);
}

TEST(brelune_cli, Import_CSV_Zuordnung_falsch_gegeben) {
    const std::string Datei = Log_in_Fuss();
    const std::pair<const char*, const char*> Faelle[] = {
        {" --depth 3:yard", "--depth: unit \"yard\" is not known; give ft, m"},
        {" --time x", "--time: \"x\" is no column"},
        {" --o2 15", "--o2: \"15\" is no column (0 to 14"},
        {" --he 7:promille", "--he: unit \"promille\" is not known"},
        {" --po2 4:bar", "--po2: unit \"bar\" is not known"},
        {" --separator pipe", "--separator takes comma, blank, semicolon or tab"},
        {" --skip-lines -1", "--skip-lines takes a whole number"},
        {" --resolution 0.5", "--resolution takes 0.1"}};
    for (const auto& [Option, Meldung] : Faelle) {
        const auto l = starten("import " + Datei + Zuordnung + Option, true);
        EXPECT_EQ(l.Status, 1) << Option;
        EXPECT_TRUE(enthaelt(l.Ausgabe, Meldung)) << Option << ": " << l.Ausgabe;
    }
    const auto u = starten("import " + Testdatei("subsurface-test42.uddf") + " --depth 2", true);
    EXPECT_EQ(u.Status, 1);
    EXPECT_TRUE(enthaelt(u.Ausgabe, "the CSV mapping options take a CSV or TXT file"));
}

// Data the mapping makes nonsense of: the line is named, nothing is imported.
TEST(brelune_cli, Import_CSV_unmoegliche_Werte_nennen_die_Zeile) {
    const std::string Datei = Log_in_Fuss();
    const std::pair<const char*, const char*> Faelle[] = {
        {" --time 3:sec", "Zeile 5: die Zeit läuft rückwärts (0.0 s nach 100.0 s"},
        {" --depth 3:m --lang en --he 12", "line 3: the line has 9 columns, column 12 is mapped"}};
    for (const auto& [Option, Meldung] : Faelle) {
        const auto l = starten("import " + Datei + Zuordnung + Option + " --mode keep", true);
        EXPECT_EQ(l.Status, 2) << Option;
        EXPECT_TRUE(enthaelt(l.Ausgabe, Meldung)) << Option << ": " << l.Ausgabe;
    }
}

TEST(brelune_cli, Import_Fehler_und_ihre_Codes) {
    const std::string Datei = Testdatei("shearwater-cloud-oc-trimix-perdix2.uddf");
    EXPECT_EQ(starten("import").Status, 1);
    EXPECT_EQ(starten("import " + Datei + " --mode spaeter").Status, 1);
    EXPECT_EQ(starten("import " + Datei + " --preset 9").Status, 1);
    EXPECT_EQ(starten("import " + Datei + " --end-of-bottom -3").Status, 1);
    EXPECT_EQ(starten("import " + Datei + " --format gpx").Status, 1);
    EXPECT_EQ(starten("import /gibt/es/nicht.uddf").Status, 2);
    // no oxygen fraction in the log: it says what is missing
    const auto xp5 = starten("import " + Testdatei("seemann-xp5-de.txt") + " --preset 2", true);
    EXPECT_EQ(xp5.Status, 2);
    EXPECT_TRUE(enthaelt(xp5.Ausgabe, "problem: Aus den Daten kann kein Tauchgang gebildet werden"));
    // Tx 16/45 breathed at the surface: the replay stops at pO2 < 0.16 bar; kept as read it is fine
    const auto hypoxisch = starten("import " + Testdatei("subsurface-test42.uddf") + " --output json");
    EXPECT_EQ(hypoxisch.Status, 3);
    EXPECT_TRUE(enthaelt(hypoxisch.Ausgabe, "\"cancelled\": true"));
    EXPECT_EQ(starten("import " + Testdatei("subsurface-test42.uddf") + " --mode keep").Status, 0);
}

TEST(brelune_cli, Export_UDDF_und_CSV_und_Import_zurueck) {
    const std::string Ordner = Tempordner();
    const auto plan = starten("plan --points \"2:30,20:30\" --output json --export-uddf " + Ordner +
                              "/t.uddf --export-csv " + Ordner + "/t.csv --save " + Ordner + "/t.dec");
    ASSERT_EQ(plan.Status, 0);
    FILE* f = fopen((Ordner + "/t.csv").c_str(), "r");
    ASSERT_NE(f, nullptr);
    std::array<char, 512> Kopf{};
    ASSERT_NE(fgets(Kopf.data(), Kopf.size(), f), nullptr);
    fclose(f);
    EXPECT_EQ(std::string(Kopf.data()).substr(0, 23), "\" Brelune: Runtime(min)");
    // kept as read, the imported dive is the dive that was planned
    const auto zurueck = starten("import " + Ordner + "/t.uddf --mode keep --output json");
    ASSERT_EQ(zurueck.Status, 0);
    const auto Ende = [](const std::string& j) {
        const auto k = j.find("\"total_time\"");
        return k == std::string::npos ? std::string() : j.substr(k, j.find(',', k) - k);
    };
    EXPECT_FALSE(Ende(plan.Ausgabe).empty());
    EXPECT_EQ(Ende(zurueck.Ausgabe), Ende(plan.Ausgabe));
    // an import saved as a dive file plans again
    ASSERT_EQ(starten("import " + Ordner + "/t.uddf --save " + Ordner + "/i.dec").Status, 0);
    EXPECT_EQ(starten("plan " + Ordner + "/i.dec").Status, 0);
    EXPECT_EQ(starten("plan --points \"2:30\" --export-csv /gibt/es/nicht/t.csv").Status, 2);
}

// A logbook of three dives: a surface blip, a dive to 18.5 m, one to 30.2 m.
std::string Logbuch_schreiben(const std::string& Ordner) {
    const auto WP = [](const char* s, const char* m) {
        return std::string("<waypoint><divetime>") + s + "</divetime><depth>" + m + "</depth></waypoint>\n";
    };
    const auto Tauchgang = [](const std::string& Kopf, const std::string& Samples) {
        return "<dive id=\"d\">\n" + Kopf + "<samples>\n" + Samples + "</samples>\n</dive>\n";
    };
    const std::string Datei = Ordner + "/logbuch.uddf";
    std::ofstream(Datei)
        << "<uddf version=\"3.2.0\">\n<gasdefinitions><mix id=\"a\"><name>a</name><o2>0.21</o2>"
           "</mix></gasdefinitions>\n<profiledata><repetitiongroup id=\"g\">\n"
        << Tauchgang("<informationbeforedive><divenumber>7</divenumber>"
                     "<datetime>2024-06-27T10:00:00</datetime></informationbeforedive>\n",
                     WP("0", "0") + WP("4", "0.8"))
        << Tauchgang("<informationbeforedive><divenumber>8</divenumber>"
                     "<datetime>2024-06-27T11:30:00</datetime></informationbeforedive>\n",
                     WP("0", "0") + WP("60", "18.5") + WP("1500", "18") + WP("1800", "0"))
        << Tauchgang("", WP("0", "0") + WP("120", "30.2") + WP("2400", "0"))
        << "</repetitiongroup></profiledata>\n</uddf>\n";
    return Datei;
}

TEST(brelune_cli, Logbuch_auflisten_und_einen_Tauchgang_importieren) {
    const std::string Ordner = Tempordner();
    const std::string Datei = Logbuch_schreiben(Ordner);
    const auto Liste = starten("import " + Datei + " --list");
    ASSERT_EQ(Liste.Status, 0);
    EXPECT_EQ(Liste.Ausgabe, "1  #7  2024-06-27 10:00:00  0.8 m  0.1 min\n"
                             "2  #8  2024-06-27 11:30:00  18.5 m  30.0 min\n"
                             "3  30.2 m  40.0 min\n");
    const auto Json = starten("import " + Datei + " --list --output json");
    ASSERT_EQ(Json.Status, 0);
    const auto j = nlohmann::json::parse(Json.Ausgabe);
    ASSERT_EQ(j["dives"].size(), 3u);
    EXPECT_EQ(j["dives"][1]["dive"], 2);
    EXPECT_EQ(j["dives"][1]["divenumber"], "8");
    EXPECT_EQ(j["dives"][1]["datetime"], "2024-06-27 11:30:00");
    EXPECT_DOUBLE_EQ(j["dives"][2]["max_depth"].get<double>(), 30.2);
    EXPECT_TRUE(j["dives"][2]["divenumber"].is_null());

    const auto zweiter = starten("import " + Datei + " --dive 2 --mode keep --output json");
    ASSERT_EQ(zweiter.Status, 0);
    EXPECT_TRUE(enthaelt(zweiter.Ausgabe, "\"max_depth\": 18.5"));
    const auto erster = starten("import " + Datei + " --mode keep --output json");
    EXPECT_TRUE(enthaelt(erster.Ausgabe, "\"max_depth\": 0.8"));
}

TEST(brelune_cli, Logbuch_Fehler_und_ihre_Codes) {
    const std::string Ordner = Tempordner();
    const std::string Datei = Logbuch_schreiben(Ordner);
    const struct {
        std::string Argumente;
        const char* Meldung;
    } Faelle[] = {
        {"import " + Datei + " --dive 4", "--dive 4: the file holds dives 1 to 3 (see --list)"},
        {"import " + Datei + " --dive 0", "--dive"},
        {"import " + Datei + " --dive 2 --list", "--dive"},
        {"import " + Testdatei("subsurface-d6i-2024-06-27.uddf") + " --dive 2",
         "--dive 2: the file holds dive 1 (see --list)"},
        {"import " + Testdatei("shearwater-cloud-ccr-perdix-ai.csv") + " --list",
         "--list and --dive take a UDDF file"},
    };
    for (const auto& f : Faelle) {
        const auto l = starten(f.Argumente, true);
        EXPECT_EQ(l.Status, 1) << f.Argumente;
        EXPECT_TRUE(enthaelt(l.Ausgabe, f.Meldung)) << l.Ausgabe;
    }
    const std::string leer = Ordner + "/leer.uddf";
    std::ofstream(leer) << "<uddf version=\"3.1.0\">\n<gasdefinitions/>\n</uddf>\n";
    const auto l = starten("import " + leer, true);
    EXPECT_EQ(l.Status, 1);
    EXPECT_TRUE(enthaelt(l.Ausgabe, "the file holds no dive")) << l.Ausgabe;
}

// The Dive command keeps a point inside its limits; the run says so, and its status stays.
TEST(brelune_cli, Begrenzte_Eingaben_werden_gemeldet) {
    const struct {
        const char* Punkte;
        const char* Hinweis;
    } Faelle[] = {
        {"2:12,1400:12", "runtime 1400.0 min limited to 900.0 min"},
        {"2:20,10:-5", "depth -5.0 m limited to 0.0 m"},
        {"2:30,3:0", "depth 0.0 m at 3.0 min limited to 12.0 m (descent at most 50.0 m/min, ascent at most "
                     "18.0 m/min)"},
    };
    for (const auto& f : Faelle) {
        const std::string Argumente =
            std::string("plan --points \"") + f.Punkte + "\" --lang en --output json";
        const auto l = starten(Argumente);
        EXPECT_EQ(l.Status, 0) << f.Punkte;
        const auto j = nlohmann::json::parse(l.Ausgabe);
        EXPECT_TRUE(std::any_of(j["messages"].begin(), j["messages"].end(), [&](const auto& m) {
            return m["text"] == f.Hinweis;
        })) << j["messages"].dump();
        EXPECT_TRUE(enthaelt(starten(Argumente, true).Ausgabe, std::string("info: ") + f.Hinweis))
            << f.Punkte;
    }
    const auto ohne = starten("plan --points \"2:12,40:12\" --lang en --output json", true);
    EXPECT_FALSE(enthaelt(ohne.Ausgabe, "limited to"));
}

// The desktop program's start names air in the run's language; a settings file written in German
// calls it "Luft" (before, every English run printed "Luft").
TEST(brelune_cli, Luft_heisst_auf_Englisch_Air) {
    const std::string Ordner = Tempordner();
    {
        FILE* f = fopen((Ordner + "/de.ini").c_str(), "w");
        ASSERT_TRUE(f);
        fputs("[Programm]\r\nSprache=0\r\n[Gase]\r\nGasgemisch(0) Name=Luft\r\n", f);
        fclose(f);
    }
    for (const std::string& Einstellungen : {std::string(), " --settings " + Ordner + "/de.ini"}) {
        const auto en = starten("plan --points \"2:20,20:20\" --lang en --output runtime" + Einstellungen);
        ASSERT_EQ(en.Status, 0) << Einstellungen;
        EXPECT_TRUE(enthaelt(en.Ausgabe, " Air ")) << Einstellungen;
        EXPECT_FALSE(enthaelt(en.Ausgabe, "Luft")) << Einstellungen;
    }
    const auto de = starten("plan --points \"2:20,20:20\" --output runtime");
    EXPECT_TRUE(enthaelt(de.Ausgabe, " Luft "));
}

// The user's settings folder is neither created, nor read, nor written by a run.
TEST(brelune_cli, laesst_die_Einstellungen_des_Benutzers_in_Ruhe) {
    const std::string Ordner = Tempordner();
    const std::string Datei = Ordner + "/mit/Brelune/brelune.ini";
    std::filesystem::create_directories(Ordner + "/mit/Brelune");
    const std::string Inhalt = "[Programm]\r\nSprache=1\r\n[Aktuell]\r\nTiefe (m)=40.0\r\n";
    {
        FILE* f = fopen(Datei.c_str(), "w");
        ASSERT_TRUE(f);
        fputs(Inhalt.c_str(), f);
        fclose(f);
    }
    const char* vorher = std::getenv("XDG_CONFIG_HOME");
    const std::string alt = vorher ? vorher : "";
    ::setenv("XDG_CONFIG_HOME", (Ordner + "/mit").c_str(), 1);
    const auto mit = starten("plan --points \"20:20\" --output runtime");
    ::setenv("XDG_CONFIG_HOME", (Ordner + "/ohne").c_str(), 1);
    const auto ohne = starten("plan --points \"20:20\" --output runtime --save " + Ordner + "/t.dec");
    if (vorher)
        ::setenv("XDG_CONFIG_HOME", alt.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    ASSERT_EQ(mit.Status, 0);
    EXPECT_TRUE(enthaelt(mit.Ausgabe, "Abstieg")); // German and 20 m: the file was not read
    EXPECT_FALSE(enthaelt(mit.Ausgabe, "40.00"));
    std::ifstream gelesen(Datei, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gelesen), {}), Inhalt);
    ASSERT_EQ(ohne.Status, 0);
    EXPECT_FALSE(std::filesystem::exists(Ordner + "/ohne"));
}

namespace {
nlohmann::json Json_von(const Lauf& l) {
    return nlohmann::json::parse(l.Ausgabe, nullptr, false);
}
const std::string Luftdruck_0_80 = " --set \"Programm/Luftdruck (bar)=0.80\"";
} // namespace

// 30 m for 25 min on air at an air pressure of 0.80 bar (about 2000 m), GF 30/85, without the
// depth surcharge. Second method: a plain ZH-L16C planner written apart from this program, with
// the exact Schreiner equation for every segment (descent 15 m/min, ascent 10 m/min), each stop
// on the 3 m grid held until the ceiling at that stop's GF lies above the next one, stops extended
// to whole minutes as the default settings do: first stop 12 m for 5 min, at the surface at
// 44.0 min (43.5 min without whole minutes, the 43 min other planners give).
TEST(brelune_cli, Luft_bei_0_80_bar_Luftdruck_wird_gerechnet_ein_hypoxisches_Gas_nicht) {
    const auto l = starten("plan --points \"2:30,25:30\"" + Luftdruck_0_80 +
                           " --set \"Sicherheit/Bühlmann Tiefenzuschlag=0\" --set \"Sicherheit/GF "
                           "verwenden=1\" --set \"Sicherheit/GF Lo=0.30\" --set \"Sicherheit/GF Hi=0.85\" "
                           "--output json");
    ASSERT_EQ(l.Status, 0);
    const auto j = Json_von(l);
    EXPECT_EQ(j["cancelled"], false);
    EXPECT_EQ(j["summary"]["first_stop_depth"], 12.0);
    EXPECT_EQ(j["summary"]["first_stop_time"], 5.0);
    EXPECT_NEAR(j["summary"]["total_time"].get<double>(), 44.0, 0.05);
    EXPECT_NEAR(j["summary"]["min_po2"].get<double>(), 0.1545, 0.0005); // that surface's air
    // Tx10/70 at the surface stops the calculation, at sea level as up there
    for (const std::string& Luftdruck : {std::string(), Luftdruck_0_80}) {
        const auto h = starten("plan --points \"1:0.5:Tmx10/70,5:0.5\"" + Luftdruck + " --output json");
        EXPECT_EQ(h.Status, 3) << Luftdruck;
        EXPECT_EQ(Json_von(h)["cancelled"], true) << Luftdruck;
    }
}

namespace {
const std::string Tauchgang_40m = " --points \"2:40,25:40\"";
nlohmann::json Serie(const std::string& Pausen_und_Tauchgaenge) {
    const auto l = starten("plan" + Tauchgang_40m + Pausen_und_Tauchgaenge + " --output json");
    EXPECT_EQ(l.Status, 0) << Pausen_und_Tauchgaenge;
    return Json_von(l);
}
} // namespace

TEST(brelune_cli, Wiederholungstauchgang_haengt_an_der_Pause) {
    const auto erster = Serie("");
    ASSERT_TRUE(erster.is_object());
    EXPECT_FALSE(erster.contains("previous_dives")); // a single dive prints what it printed before
    const auto nach_1h = Serie(" --surface-interval 1" + Tauchgang_40m);
    const auto nach_6h = Serie(" --surface-interval 6" + Tauchgang_40m);
    const auto lange_danach = Serie(" --surface-interval 10000" + Tauchgang_40m);
    const auto Gesamtzeit = [](const nlohmann::json& j) { return j["summary"]["total_time"].get<double>(); };
    EXPECT_GT(Gesamtzeit(nach_1h), Gesamtzeit(nach_6h));
    EXPECT_GE(Gesamtzeit(nach_6h), Gesamtzeit(erster));
    // the oxygen clocks start again with every dive; only the tissues remember the first
    EXPECT_EQ(nach_1h["summary"]["max_cns"], erster["summary"]["max_cns"]);
    EXPECT_EQ(nach_1h["summary"]["max_otu"], erster["summary"]["max_otu"]);
    // the summary of a shallower dive after a deep one names its own maximum depth
    const auto Tiefste = [](const std::string& Punkte) {
        const std::string Log = starten("plan" + Punkte + " --output log --lang en").Ausgabe;
        const auto i = Log.find("Maximum depth");
        return i == std::string::npos ? std::string() : Log.substr(i, Log.find('\n', i) - i);
    };
    const std::string flach = " --points \"2:20,30:20\"";
    EXPECT_NE(Tiefste(Tauchgang_40m), Tiefste(flach));
    EXPECT_EQ(Tiefste(Tauchgang_40m + " --surface-interval 3" + flach), Tiefste(flach));
    // after 10000 hours nothing of the first dive is left
    EXPECT_EQ(lange_danach["waypoints"], erster["waypoints"]);
    EXPECT_EQ(lange_danach["summary"], erster["summary"]);
}

TEST(brelune_cli, Serie_von_drei_Tauchgaengen) {
    const std::string Ordner = Tempordner();
    ASSERT_EQ(starten("plan --points \"2:30,30:30\" --save " + Ordner + "/zweiter.dec").Status, 0);
    const auto zwei = Serie(" --surface-interval 1,5 " + Ordner + "/zweiter.dec");
    const auto drei =
        Serie(" --surface-interval 1.5 --points \"2:30,30:30\" --surface-interval 2" + Tauchgang_40m);
    const auto& vorher = drei["previous_dives"];
    ASSERT_EQ(vorher.size(), 2u);
    EXPECT_EQ(vorher[0]["summary"], Serie("")["summary"]);
    EXPECT_EQ(vorher[0]["surface_interval_hours"], 1.5);
    // the second dive from its file is the same dive as from its points
    EXPECT_EQ(vorher[1]["summary"], zwei["summary"]);
    EXPECT_EQ(vorher[1]["surface_interval_hours"], 2.0);
    EXPECT_EQ(drei["summary"]["max_depth"], 40.0); // the outputs describe the last dive
    const auto Text = starten("plan" + Tauchgang_40m +
                              " --surface-interval 1.5 --points \"2:30,30:30\" "
                              "--surface-interval 2" +
                              Tauchgang_40m + " --output summary --lang en");
    EXPECT_TRUE(enthaelt(Text.Ausgabe, "   Surface time =  2.00 hours\n"));
    // a dive that stops ends the series there, and the outputs describe it
    const auto gestoppt = starten("plan --points \"1:0.5:Tmx10/70,5:0.5\" --surface-interval 1" +
                                      Tauchgang_40m + " --output json",
                                  true);
    EXPECT_EQ(gestoppt.Status, 3);
    EXPECT_TRUE(enthaelt(gestoppt.Ausgabe, "dive 1 of 2 was not computed to the end"));
    EXPECT_TRUE(enthaelt(gestoppt.Ausgabe, "\"cancelled\": true"));
    EXPECT_FALSE(enthaelt(gestoppt.Ausgabe, "previous_dives"));
}

TEST(brelune_cli, Pausen_die_keine_sind_sind_Aufruffehler) {
    const std::string p = " --points \"2:30,20:30\"";
    for (const auto& [Argumente, Meldung] : std::vector<std::pair<std::string, std::string>>{
             {p + " --surface-interval -1" + p, "\"-1\" is not a number of hours"},
             {p + " --surface-interval abc" + p, "\"abc\" is not a number of hours"},
             {p + " --surface-interval 2", "is not followed by a dive"},
             {" --surface-interval 2" + p, "follows no dive"},
             {p + " --surface-interval 1 --surface-interval 2" + p, "follows no dive"},
             {p + p, "has --points twice"}}) {
        const auto l = starten("plan" + Argumente, true);
        EXPECT_EQ(l.Status, 1) << Argumente;
        EXPECT_TRUE(enthaelt(l.Ausgabe, Meldung)) << Argumente << "\n" << l.Ausgabe;
    }
    const auto h = starten("plan --help");
    EXPECT_TRUE(enthaelt(h.Ausgabe, "--surface-interval"));
    EXPECT_TRUE(enthaelt(h.Ausgabe, "previous_dives"));
}

// The gas calculator without a window: the mix for a pO2, the values of a mix, the best mix.
TEST(brelune_cli, Mix_Werte_und_Best_Mix_als_JSON) {
    struct {
        const char* Argumente;
        const char* Modus;
        const char* Name;
        int O2, He;
    } const Faelle[] = {
        {"--depth 30 --po2 1.4", "mix", "EAN35", 35, 0},
        {"--depth 60 --po2 1,3 --end 30", "mix", "Tmx19/36", 19, 36},
        {"--depth 40 --o2 21 --he 35", "values", "Tmx21/35", 21, 35},
        {"--depth 40 --best-mix 1.4", "best_mix", "Tmx28/9", 28, 9},
    };
    for (const auto& f : Faelle) {
        const auto l = starten(std::string("mix ") + f.Argumente + " --output json");
        ASSERT_EQ(l.Status, 0) << f.Argumente;
        const auto j = nlohmann::json::parse(l.Ausgabe);
        EXPECT_EQ(j["mode"], f.Modus) << f.Argumente;
        EXPECT_EQ(j["gas"]["name"], f.Name) << f.Argumente;
        EXPECT_EQ(j["gas"]["o2"], f.O2) << f.Argumente;
        EXPECT_EQ(j["gas"]["he"], f.He) << f.Argumente;
        EXPECT_EQ(j["gas"]["n2"], 100 - f.O2 - f.He) << f.Argumente;
        EXPECT_LE(j["po2"].get<double>(), 1.601) << f.Argumente;
        EXPECT_TRUE(j["warnings"].empty()) << f.Argumente;
    }
}

TEST(brelune_cli, Mix_als_Text_mit_Warnungen_in_der_Sprache) {
    const auto de = starten("mix --depth 100 --o2 21");
    EXPECT_EQ(de.Status, 0);
    for (const char* Teil :
         {"Gas          = Luft\n", "pO2          =  2.31 bar\n",
          "! Maximaler Sauerstoff-Partialdruck überschritten !\n", "! Maximale END überschritten !\n"})
        EXPECT_TRUE(enthaelt(de.Ausgabe, Teil)) << Teil << "\n" << de.Ausgabe;
    const auto en = starten("mix --depth 100 --o2 21 --lang en");
    EXPECT_TRUE(enthaelt(en.Ausgabe, "Gas          = Air\n")) << en.Ausgabe;
    EXPECT_TRUE(enthaelt(en.Ausgabe, "Depth        = 100.0 m\n")) << en.Ausgabe;
    EXPECT_TRUE(enthaelt(en.Ausgabe, "! Maximum oxygen partial pressure exceeded !\n")) << en.Ausgabe;
    // a best mix that cannot reach its target says so, on both channels
    const auto flach = starten("mix --depth 0 --best-mix 1.4", true);
    EXPECT_EQ(flach.Status, 0);
    EXPECT_TRUE(enthaelt(flach.Ausgabe, "Gas          = O2\n")) << flach.Ausgabe;
    EXPECT_TRUE(enthaelt(flach.Ausgabe, "1.40 bar nicht erreicht")) << flach.Ausgabe;
    EXPECT_TRUE(enthaelt(flach.Ausgabe, "info: Best Mix: ein pO2 von 1.40 bar")) << flach.Ausgabe;
}

TEST(brelune_cli, Mix_Aufruffehler_geben_1_mit_Meldung) {
    for (const auto& [Argumente, Meldung] : std::vector<std::pair<std::string, std::string>>{
             {"--po2 1.4", "--depth is required"},
             {"--depth 30", "exactly one of --po2, --o2 and --best-mix"},
             {"--depth 30 --po2 1.4 --o2 32", "exactly one of --po2, --o2 and --best-mix"},
             {"--depth 30 --o2 32 --end 30", "--end goes with --po2"},
             {"--depth dreissig --po2 1.4", "--depth: \"dreissig\" is no number"},
             {"--depth 400 --po2 1.4", "--depth takes metres from 0 to 350"},
             {"--depth 30 --po2 2", "--po2 takes bar from 0.16 to 1.601"},
             {"--depth 30 --po2 1.4 --end 60", "--end takes metres from 0 to 50"},
             {"--depth 30 --o2 30 --he 80", "--he takes whole percent from 0 to 70"},
             {"--depth 30 --o2 32.5", "--o2 takes whole percent"},
             {"--depth 30 --o2 0", "--o2 takes whole percent from 1 to 100"},
             {"--depth 30 --best-mix 1.4 --output xml", "--output takes text or json"}}) {
        const auto l = starten("mix " + Argumente, true);
        EXPECT_EQ(l.Status, 1) << Argumente;
        EXPECT_TRUE(enthaelt(l.Ausgabe, Meldung)) << Argumente << "\n" << l.Ausgabe;
    }
    const auto h = starten("mix --help");
    for (const char* Option :
         {"--depth", "--po2", "--end", "--o2", "--he", "--best-mix", "--output", "trimix"})
        EXPECT_TRUE(enthaelt(h.Ausgabe, Option)) << Option;
}

// The gas blender without a window: what to top a cylinder with, or why the gas cannot be made.
TEST(brelune_cli, Blend_Fuellungen_als_JSON) {
    // Empty to EAN32 at 200 bar: the air brings all the nitrogen, oxygen the rest.
    const auto n = starten("blend --empty --after 32/0@200 --output json");
    ASSERT_EQ(n.Status, 0) << n.Ausgabe;
    const auto j = nlohmann::json::parse(n.Ausgabe);
    EXPECT_EQ(j["method"], "o2-he-air");
    EXPECT_NEAR(j["air_bar"].get<double>(), 0.68 * 200 / 0.791, 0.001);
    EXPECT_NEAR(j["sum_bar"].get<double>(), 200, 0.001);
    EXPECT_NEAR(j["sensor2"].get<double>(), 32, 0.001);
    EXPECT_GT(j["cost_euro"].get<double>(), 0);
    // Trimix from the bank tops 50 bar of air, then air and oxygen: the pressures add up.
    const auto t = starten("blend --before 20.9/0@50 --after 18/40@200 --method o2-trimix-air --trimix 10/70 "
                           "--volume 12 --output json");
    ASSERT_EQ(t.Status, 0) << t.Ausgabe;
    const auto k = nlohmann::json::parse(t.Ausgabe);
    EXPECT_NEAR(k["trimix_bar"].get<double>(), 80 / 0.7, 0.001);
    EXPECT_NEAR(k["sum_bar"].get<double>(), 150, 0.001);
    EXPECT_FALSE(k.contains("cost_euro"));
    // 100 bar of air topped with 100 bar of 16/50.
    const auto m = starten("blend --before 21/0@100 --method trimix --trimix 16/50@100 --output json");
    ASSERT_EQ(m.Status, 0) << m.Ausgabe;
    const auto g = nlohmann::json::parse(m.Ausgabe)["after"];
    EXPECT_NEAR(g["o2"].get<double>(), 18.5, 0.001);
    EXPECT_NEAR(g["he"].get<double>(), 25, 0.001);
    EXPECT_NEAR(g["bar"].get<double>(), 200, 0.001);
}

TEST(brelune_cli, Blend_was_nicht_geht_gibt_3_mit_der_Meldung_in_der_Sprache) {
    const auto de = starten("blend --before 21/0@100 --after 16/50@220");
    EXPECT_EQ(de.Status, 3);
    EXPECT_EQ(de.Ausgabe, "Dieses Gas kann nicht hergestellt werden\n"
                          "Zu kleiner Anteil im Gas(nachher) gewünscht: N2 \n");
    const auto en = starten("blend --empty --after 18/0@200 --lang en --output json");
    EXPECT_EQ(en.Status, 3);
    const auto j = nlohmann::json::parse(en.Ausgabe);
    EXPECT_EQ(j["possible"], false);
    EXPECT_EQ(j["message"], "This gas cannot be made\nGas (after) holds too little O2");
    const auto text = starten("blend --empty --after 32/0@200 --lang en");
    EXPECT_EQ(text.Status, 0);
    for (const char* Teil : {"Air (bar)     = 171.9\n", "Sum (bar)     = 200.0\n", "Sensor 2 (%)  =  32.0\n"})
        EXPECT_TRUE(enthaelt(text.Ausgabe, Teil)) << Teil << "\n" << text.Ausgabe;
}

TEST(brelune_cli, Blend_Aufruffehler_geben_1_mit_Meldung) {
    for (const auto& [Argumente, Meldung] : std::vector<std::pair<std::string, std::string>>{
             {"--after 32/0@200", "exactly one of --before and --empty"},
             {"--empty --before 21/0@50 --after 32/0@200", "exactly one of --before and --empty"},
             {"--empty", "--after is required"},
             {"--empty --after 32/0", "--after takes O2/HE@BAR"},
             {"--empty --after 32@200", "--after takes O2/HE@BAR"},
             {"--empty --after zwei/0@200", "--after O2: \"zwei\" is no number"},
             {"--empty --after 60/50@200", "O2 and HE together above 100 percent"},
             {"--empty --after 32/0@900", "--after BAR takes bar from 0 to 500"},
             {"--empty --after 32/0@200 --volume 0", "--volume takes litres"},
             {"--empty --after 32/0@200 --method blubb", "--method takes o2-he-air, o2-trimix-air or trimix"},
             {"--empty --after 32/0@200 --method o2-trimix-air", "needs --trimix"},
             {"--empty --after 32/0@200 --trimix 10/70", "--trimix goes with"},
             {"--empty --method trimix --trimix 10/70", "--trimix takes O2/HE@BAR"},
             {"--empty --after 32/0@200 --method trimix --trimix 10/70@100", "drop --after"},
             {"--empty --after 32/0@200 --output xml", "--output takes text or json"},
             {"--empty --after 32/0@200 --lang fr", "--lang takes de or en"}}) {
        const auto l = starten("blend " + Argumente, true);
        EXPECT_EQ(l.Status, 1) << Argumente;
        EXPECT_TRUE(enthaelt(l.Ausgabe, Meldung)) << Argumente << "\n" << l.Ausgabe;
    }
}

// The contingency plans change nothing of the plan: the JSON of each example without its two
// new members is the JSON with the plans switched off, byte for byte; the plans of the JSON are
// those of --output contingency.
TEST(brelune_cli, Kontingenzplaene_lassen_den_Plan_wie_er_ist) {
    for (const char* Datei : {"Trimix_60m_25min.dec", "CCR_45m_40min_bail_out.dec", "SCR_25m_40min.dec"}) {
        SCOPED_TRACE(Datei);
        const std::string Plan =
            "plan " BRELUNE_QUELLORDNER "/data/Example_dives/" + std::string(Datei) + " --lang en --output ";
        auto an = Json_von(starten(Plan + "json"));
        const auto aus = Json_von(starten(Plan + "json --set \"Aufstieg/Kontingenzpläne=0\""));
        ASSERT_TRUE(an.contains("contingencies") && an.contains("variations"));
        EXPECT_FALSE(aus.contains("contingencies") || aus.contains("variations"));
        const auto Text = starten(Plan + "contingency").Ausgabe;
        for (const auto& p : an["contingencies"]) {
            EXPECT_TRUE(
                enthaelt(Text, p["title"].get<std::string>() + "\n   " + p["summary"].get<std::string>()));
            if (p["planned"]) {
                EXPECT_TRUE(enthaelt(Text, p["runtime_table"].back().get<std::string>()));
            }
        }
        an.erase("contingencies");
        an.erase("variations");
        EXPECT_EQ(an.dump(1), aus.dump(1));
    }
}
