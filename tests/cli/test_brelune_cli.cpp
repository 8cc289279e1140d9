// Runs brelune-cli as a script would and checks what it prints and returns.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

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
    EXPECT_TRUE(enthaelt(v.Ausgabe, "brelune-cli"));
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
