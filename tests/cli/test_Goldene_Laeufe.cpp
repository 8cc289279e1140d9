// Golden files of about forty brelune-cli runs: every result the program prints or writes, byte for
// byte. A run's golden file holds its standard output, its standard error, its exit status and the
// files it wrote, each in a section of its own. Only the date of the run is masked, and the run's
// temporary folder; everything else must stay as it is.
//
// To re-bless on purpose after a wanted change, run the tests with BRELUNE_GOLDEN_NEU=1, e.g.
//   BRELUNE_GOLDEN_NEU=1 build/tests/tests_cli --gtest_filter='*Goldene_Laeufe*'
// then read the diff of tests/cli/golden/ line by line before committing it: every changed number
// is a changed plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path Goldordner = fs::path(BRELUNE_QUELLORDNER) / "tests" / "cli" / "golden";

// In the arguments: the run's own temporary folder, for the files it writes.
const std::string Ordner_Platzhalter = "{ORDNER}";

struct Goldlauf {
    std::string Name;
    std::string Argumente; // as typed in a shell, run from the source folder
};

void PrintTo(const Goldlauf& l, std::ostream* o) {
    *o << l.Name;
}

// Gradient factors on, over whatever the dive file brought.
std::string GF(const char* Lo = "0.30", const char* Hi = "0.85") {
    return std::string(" --set \"Sicherheit/GF verwenden=1\" --set \"Sicherheit/GF Lo=") + Lo +
           "\" --set \"Sicherheit/GF Hi=" + Hi + "\"";
}
const std::string Beispiele = "data/Example_dives/";
const std::string Beispiele_de = "data/Tauchgang_Beispiele/";
const std::string Logs = "tests/files/data/";

std::vector<Goldlauf> Laeufe() {
    return {
        // the example dives, each kind in both languages, with and without gradient factors
        {"Beispiel_Air_en", "plan " + Beispiele + "Air_40m_25min.dec --lang en --output runtime,summary"},
        {"Beispiel_Luft_de_GF", "plan " + Beispiele_de + "Luft_40m_25min.dec --lang de" + GF() +
                                    " --output runtime,summary,warnings"},
        {"Beispiel_Nitrox_en_GF",
         "plan " + Beispiele + "Nitrox_EAN32_30m_35min.dec --lang en" + GF() + " --output report,deco"},
        {"Beispiel_Nitrox_de_gespeichert", "plan " + Beispiele_de +
                                               "Nitrox_EAN32_30m_35min.dec --lang de --output json --save " +
                                               Ordner_Platzhalter + "/nitrox.dec"},
        {"Beispiel_Trimix_en_alle_Ausgaben",
         "plan " + Beispiele +
             "Trimix_60m_25min.dec --lang en --output runtime,summary,report,csv,log,deco,warnings,gas,json"},
        {"Beispiel_Trimix_de_GF", "plan " + Beispiele_de + "Trimix_60m_25min.dec --lang de" + GF() +
                                      " --output runtime,deco,gas,json"},
        // contingency plans: on by default, their numbers set (one out of range falls back), switched off
        {"Kontingenz_Trimix_en", "plan " + Beispiele + "Trimix_60m_25min.dec --lang en --output contingency"},
        {"Kontingenz_Trimix_de_Zeit_5_Tiefe_99",
         "plan " + Beispiele_de +
             "Trimix_60m_25min.dec --lang de --set \"Aufstieg/Kontingenz Zeit (min)=5\" --set "
             "\"Aufstieg/Kontingenz Tiefe (m)=99\" --output summary,contingency"},
        {"Kontingenz_CCR_Bail_Out_de", "plan --points \"3:45:Tmx21/35,40:45\" --apparatus CCR --setpoint 1.3 "
                                       "--lang de --output contingency,json"},
        {"Kontingenz_aus_Luft_en", "plan " + Beispiele +
                                       "Air_40m_25min.dec --lang en --set \"Aufstieg/Kontingenzpläne=0\" "
                                       "--output summary,report,contingency,json"},
        {"Beispiel_CCR_Bail_Out_de_GF", "plan " + Beispiele + "CCR_45m_40min_bail_out.dec --lang de" + GF() +
                                            " --output runtime,summary,warnings"},
        {"Beispiel_CCR_Bail_Out_en",
         "plan " + Beispiele_de + "CCR_45m_40min_Bail_Out.dec --lang en --output report,gas"},
        {"Beispiel_SCR_de", "plan " + Beispiele + "SCR_25m_40min.dec --lang de --output runtime,gas,log"},
        {"Beispiel_SCR_en_GF",
         "plan " + Beispiele_de + "SCR_25m_40min.dec --lang en" + GF() + " --output summary,csv"},
        // with 0.30/0.85 the calculation of this dive stops at 1 m (exit 3); these factors let it end
        {"Beispiel_pSCR_en_GF", "plan " + Beispiele + "pSCR_25m_45min.dec --lang en" + GF("0.50", "0.90") +
                                    " --output runtime,deco,warnings,json"},
        {"Beispiel_pSCR_de",
         "plan " + Beispiele_de + "pSCR_25m_45min.dec --lang de --output runtime,summary,gas"},

        // entered points on each apparatus
        {"Punkte_OC_EAN32_30m_en",
         "plan --points \"2:30:EAN32,30:30\" --lang en --output runtime,summary,csv"},
        {"Punkte_CCR_Tmx21_35_45m_GF_gespeichert",
         "plan --points \"3:45:Tmx21/35,40:45\" --apparatus CCR --setpoint 1.3 --set \"Sicherheit/GF "
         "verwenden=1\" --set \"Sicherheit/GF Lo=0.30\" --output runtime,summary,json --save " +
             Ordner_Platzhalter + "/ccr.dec"},
        {"Punkte_SCR_EAN40_25m_en",
         "plan --apparatus SCR --points \"2:25:EAN40,40:25\" --lang en --output runtime,gas,warnings"},
        {"Punkte_pSCR_EAN40_25m",
         "plan --apparatus pSCR --points \"2:25:EAN40,45:25\" --output runtime,summary,json"},
        {"Punkte_pSCR_EAN32_30m_abgebrochen",
         "plan --apparatus pSCR --points \"2:30:EAN32,25:30\" --output log,warnings,json"},
        {"Punkte_OC_Luft_20m_exportiert", "plan --points \"2:20,15:20\" --output deco,gas --export-uddf " +
                                              Ordner_Platzhalter + "/t.uddf --export-csv " +
                                              Ordner_Platzhalter + "/t.csv"},

        // an entered ascent far through the ceiling: the accident mid-segment, then the ascent planned
        {"Unfall_Luft_40m_40min_auf_3m", "plan --points \"2:40,40:40,42:3\" --output runtime,warnings,deco"},
        {"Unfall_Trimix_60m_30min_auf_6m_en",
         "plan --points \"3:60:Tmx18/45,30:60,33:6\" --lang en --output runtime,summary,json"},
        {"Unfall_CCR_45m_50min_auf_5m", "plan --apparatus CCR --setpoint 1.3 --points "
                                        "\"3:45:Tmx21/35,50:45,52:5\" --output runtime,deco,log"},
        {"Unfall_Nitrox_30m_70min_auf_4m_en_GF", "plan --points \"2:30:EAN32,70:30,72:4\"" +
                                                     GF("0.30", "0.70") +
                                                     " --lang en --output runtime,summary,warnings"},

        // stopped calculations and the question answered yes
        {"Abbruch_hypoxisch_an_der_Oberflaeche",
         "plan --points \"1:0.5:Tmx5/80,5:0.5\" --output summary,json"},
        {"Abbruch_pO2_ueber_NOAA_Tabelle", "plan --points \"1:60:O2,20:60\" --output summary,warnings"},
        {"pO2_ueber_NOAA_Tabelle_weitergerechnet_en",
         "plan --yes --points \"1:60:O2,20:60\" --lang en --output runtime,summary"},

        // air at 0.80 bar (about 2000 m) breathes less than 0.16 bar O2 at the surface and computes
        {"Hoehe_0_80_bar_Luft_30m_25min_GF",
         "plan --points \"2:30,25:30\" --set \"Programm/Luftdruck (bar)=0.80\"" + GF() +
             " --output runtime,summary,warnings,json"},
        // a series: an example dive, then two repetition dives, one of them saved and read back
        {"Serie_Beispiel_Luft_dann_Punkte_en",
         "plan " + Beispiele +
             "Air_40m_25min.dec --surface-interval 1.5 --points \"2:30:EAN32,30:30\" "
             "--surface-interval 4 --points \"3:20,45:20\" --lang en" +
             GF() + " --output runtime,summary,json"},
        {"Serie_Punkte_dann_Datei_gespeichert",
         "plan --points \"2:40,25:40\" --surface-interval 2 " + Beispiele_de +
             "Luft_40m_25min.dec --output runtime,summary,json --save " + Ordner_Platzhalter + "/serie.dec"},

        // every sample log kept as read, analysed and with a new ascent
        {"Import_DivingLog_behalten", "import " + Logs + "divinglog-5.08.uddf --mode keep --output runtime"},
        {"Import_DivingLog_analysiert_en",
         "import " + Logs + "divinglog-5.08.uddf --mode analyse --lang en --output summary,deco,gas"},
        {"Import_DivingLog_Aufstieg",
         "import " + Logs + "divinglog-5.08.uddf --mode ascent --output runtime,summary,json"},
        {"Import_Perdix2_Trimix_behalten",
         "import " + Logs + "shearwater-cloud-oc-trimix-perdix2.uddf --mode keep --output runtime"},
        {"Import_Perdix2_Trimix_analysiert",
         "import " + Logs +
             "shearwater-cloud-oc-trimix-perdix2.uddf --mode analyse --output summary,deco,warnings,gas"},
        {"Import_Perdix2_Trimix_Aufstieg_ab_40min_en",
         "import " + Logs +
             "shearwater-cloud-oc-trimix-perdix2.uddf --mode ascent --end-of-bottom 40 --lang en --output "
             "runtime,summary"},
        {"Import_D6i_behalten_gespeichert",
         "import " + Logs + "subsurface-d6i-2024-06-27.uddf --mode keep --output json --save " +
             Ordner_Platzhalter + "/d6i.dec"},
        {"Import_D6i_analysiert",
         "import " + Logs + "subsurface-d6i-2024-06-27.uddf --mode analyse --output runtime,summary"},
        {"Import_D6i_Aufstieg_en",
         "import " + Logs + "subsurface-d6i-2024-06-27.uddf --mode ascent --lang en --output runtime,csv"},
        {"Import_Test42_behalten", "import " + Logs + "subsurface-test42.uddf --mode keep --output runtime"},
        {"Import_Test42_analysiert_abgebrochen",
         "import " + Logs + "subsurface-test42.uddf --mode analyse --output summary,log"},
        {"Import_Test42_Aufstieg_abgebrochen_en",
         "import " + Logs + "subsurface-test42.uddf --mode ascent --lang en --output runtime,warnings"},
        {"Import_Perdix_AI_CCR_behalten",
         "import " + Logs + "shearwater-cloud-ccr-perdix-ai.csv --preset 0 --mode keep --output runtime"},
        {"Import_Perdix_AI_CCR_analysiert_en",
         "import " + Logs +
             "shearwater-cloud-ccr-perdix-ai.csv --preset 0 --mode analyse "
             "--lang en --output summary,deco,gas,warnings"},
        {"Import_Perdix_AI_CCR_Aufstieg",
         "import " + Logs +
             "shearwater-cloud-ccr-perdix-ai.csv --preset 0 --mode ascent --output runtime,summary"},
        // no preset makes a dive of these two: the message says why
        {"Import_XP5_ohne_Sauerstoff_en", "import " + Logs + "seemann-xp5-de.txt --preset 2 --lang en"},
        {"Import_APD_zu_viele_Gase", "import " + Logs + "apd-logviewer-ccr.txt --preset 2"},
    };
}

std::string Datei_lesen(const fs::path& Pfad) {
    std::ifstream f(Pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string ersetzt(std::string Text, const std::string& Alt, const std::string& Neu) {
    for (auto p = Text.find(Alt); p != std::string::npos; p = Text.find(Alt, p + Neu.size()))
        Text.replace(p, Alt.size(), Neu);
    return Text;
}

// The date and time of the run, where the report header and the UDDF writer put them, and the
// temporary folder. Nothing else: a masked number could hide a changed result.
std::string maskiert(std::string Text, const std::string& Ordner) {
    static const std::array<std::pair<std::regex, const char*>, 4> Datum = {{
        {std::regex(R"((Berechnet mit [^\n]*\) am )\d\d\.\d\d\.\d{4})"), "$1DD.MM.YYYY"},
        {std::regex(R"((Calculated with [^\n]*\) on )\d{4}-\d\d-\d\d)"), "$1YYYY-MM-DD"},
        {std::regex(R"((UDFF Datei geschrieben am |UDDF file written on )\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d)"),
         "$1DD.MM.YYYY hh:mm:ss"},
        {std::regex(R"(<datetime>\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d</datetime>)"),
         "<datetime>YYYY-MM-DDThh:mm:ss</datetime>"},
    }};
    for (const auto& [Muster, Ersatz] : Datum) Text = std::regex_replace(Text, Muster, Ersatz);
    return ersetzt(Text, Ordner, Ordner_Platzhalter);
}

// A section ends with a line break; one that did not is marked so, to keep the bytes exact.
std::string Abschnitt(const std::string& Text) {
    return Text.empty() || Text.back() == '\n' ? Text : Text + "\n\\ no newline at end\n";
}

const std::string Fehlerausgabe = ".stderr"; // kept in the run's folder, not a file the run wrote

// Runs brelune-cli from the source folder, with no settings of the user's: HOME and
// XDG_CONFIG_HOME point into a fresh folder, which also takes the files the run writes.
std::string laufen_lassen(const Goldlauf& l) {
    char Muster[] = "/tmp/brelune-golden-XXXXXX";
    const char* o = mkdtemp(Muster);
    if (o == nullptr) {
        ADD_FAILURE() << "no temporary folder";
        return {};
    }
    const std::string Ordner = o;
    const std::string Befehl = "cd '" + std::string(BRELUNE_QUELLORDNER) + "' && HOME='" + Ordner +
                               "' XDG_CONFIG_HOME='" + Ordner + "' LC_ALL=C.UTF-8 '" + BRELUNE_CLI + "' " +
                               ersetzt(l.Argumente, Ordner_Platzhalter, Ordner) + " 2>'" + Ordner + "/" +
                               Fehlerausgabe + "'";
    std::string Ausgabe;
    int Status = -1;
    if (FILE* p = popen(Befehl.c_str(), "r")) {
        std::array<char, 4096> Puffer;
        for (size_t n; (n = fread(Puffer.data(), 1, Puffer.size(), p)) > 0;) Ausgabe.append(Puffer.data(), n);
        const int s = pclose(p);
        Status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    }
    std::string Text = Abschnitt(Ausgabe) + "--- stderr ---\n" +
                       Abschnitt(Datei_lesen(fs::path(Ordner) / Fehlerausgabe)) + "--- exit " +
                       std::to_string(Status) + " ---\n";
    // whatever the run left in its folder, in the order of the names
    std::set<fs::path> Dateien;
    for (const auto& e : fs::recursive_directory_iterator(Ordner))
        if (e.is_regular_file() && e.path().filename() != Fehlerausgabe)
            Dateien.insert(fs::relative(e.path(), Ordner));
    for (const auto& d : Dateien)
        Text += "--- file " + d.generic_string() + " ---\n" + Abschnitt(Datei_lesen(fs::path(Ordner) / d));
    Text = maskiert(Text, Ordner);
    fs::remove_all(Ordner);
    return Text;
}

bool neu_segnen() {
    const char* v = std::getenv("BRELUNE_GOLDEN_NEU");
    return v != nullptr && std::string(v) == "1";
}

// The lines of a text for the report of a difference; the CR of a CR LF line shown as \r.
std::vector<std::string> Zeilen(const std::string& Text) {
    std::vector<std::string> z;
    std::istringstream ein(Text);
    for (std::string s; std::getline(ein, s);)
        z.push_back(!s.empty() && s.back() == '\r' ? s.substr(0, s.size() - 1) + "\\r" : s);
    return z;
}

} // namespace

class Goldene_Laeufe : public ::testing::TestWithParam<Goldlauf> {};

TEST_P(Goldene_Laeufe, geben_aus_was_die_Golddatei_sagt) {
    const Goldlauf& l = GetParam();
    const std::string jetzt = laufen_lassen(l);
    const fs::path Pfad = Goldordner / (l.Name + ".txt");
    if (neu_segnen()) {
        fs::create_directories(Goldordner);
        std::ofstream(Pfad, std::ios::binary) << jetzt;
        std::cout << "golden file rewritten: " << Pfad << '\n';
        return;
    }
    ASSERT_TRUE(fs::exists(Pfad)) << Pfad << " is missing (BRELUNE_GOLDEN_NEU=1 writes it)";
    const std::string golden = Datei_lesen(Pfad);
    if (golden == jetzt) return;
    // name the first lines that differ
    const auto e = Zeilen(golden), z = Zeilen(jetzt);
    int Unterschiede = 0;
    for (std::size_t k = 0; k < std::max(e.size(), z.size()) && Unterschiede < 5; ++k) {
        const std::string a = k < e.size() ? e[k] : "<no line>";
        const std::string b = k < z.size() ? z[k] : "<no line>";
        if (a == b) continue;
        ++Unterschiede;
        ADD_FAILURE() << l.Name << " line " << k + 1 << "\n  golden: [" << a << "]\n  now:    [" << b << "]";
    }
    FAIL() << l.Name << ": the output differs from " << Pfad << " (" << e.size() << " golden lines, "
           << z.size() << " now)\n  brelune-cli " << l.Argumente;
}

INSTANTIATE_TEST_SUITE_P(brelune_cli, Goldene_Laeufe, ::testing::ValuesIn(Laeufe()),
                         [](const auto& i) { return i.param.Name; });

// A golden file whose run was renamed or dropped would guard nothing.
TEST(Goldene_Laeufe_Ordner, hat_nur_Dateien_der_Laeufe) {
    if (neu_segnen()) return; // the files of the runs are being written
    std::set<std::string> Namen;
    for (const auto& l : Laeufe()) Namen.insert(l.Name + ".txt");
    for (const auto& e : fs::directory_iterator(Goldordner))
        EXPECT_TRUE(Namen.count(e.path().filename().string())) << e.path() << " belongs to no run";
}
