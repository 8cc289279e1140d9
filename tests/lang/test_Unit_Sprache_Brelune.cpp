#include "lang/Unit_Sprache_Brelune.hpp"
#include "lang/Unit_Tools.hpp"
#include "support/Testumgebung.hpp"

using namespace Unit_Sprache_Brelune;

class Wortuebersetzung : public Testumgebung {};

TEST_F(Wortuebersetzung, Deko_wird_Deco_und_zurueck) {
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(Wort_uebersetzen("Deko", "Deko", "Deco"), "Deco");
    EXPECT_EQ(Wort_uebersetzen("Deco", "Deko", "Deco"), "Deco"); // already English
    Unit_Tools::Sprache = 0;
    EXPECT_EQ(Wort_uebersetzen("Deco", "Deko", "Deco"), "Deko");
    EXPECT_EQ(Wort_uebersetzen("Bail Out", "Deko", "Deco"), "Bail Out");
}

TEST_F(Wortuebersetzung, nur_das_erste_Vorkommen) {
    Unit_Tools::Sprache = 1;
    EXPECT_EQ(Wort_uebersetzen("Deko Deko", "Deko", "Deco"), "Deco Deko");
}

struct Beschriftungsfall {
    int Sprache;
    const char* Aktion;
    const char* erwartet;
};

class Beschriftungen : public Wortuebersetzung, public ::testing::WithParamInterface<Beschriftungsfall> {};

TEST_P(Beschriftungen, in_der_Sprache_der_Tabelle) {
    Unit_Tools::Sprache = GetParam().Sprache;
    EXPECT_EQ(Aktion_uebersetzen(GetParam().Aktion), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Wortuebersetzung, Beschriftungen,
    ::testing::Values(Beschriftungsfall{1, "Abstieg 20.0 m/min", "Descent 20.0 m/min"},
                      Beschriftungsfall{1, "Aufstieg 10.0 m/min", "Ascent 10.0 m/min"},
                      // "Wechsel" is translated before "Aufstieg"
                      Beschriftungsfall{1, "Aufstieg Wechsel  3.0 m/min", "Ascent change  3.0 m/min"},
                      Beschriftungsfall{0, "Ascent change  3.0 m/min", "Aufstieg Wechsel  3.0 m/min"},
                      // the lower-case "w" of "Gaswechsel" is no "Wechsel"
                      Beschriftungsfall{1, "Gaswechsel", "Gas switch"},
                      Beschriftungsfall{0, "Gas switch", "Gaswechsel"},
                      Beschriftungsfall{1, "DEKOUNFALL", "DECOUNFALL"},
                      Beschriftungsfall{1, "Loop spülen", "Loop flush"},
                      Beschriftungsfall{0, "Loop flush", "Loop spülen"}, Beschriftungsfall{0, "Deco", "Deko"},
                      Beschriftungsfall{1, "START", "START"},
                      Beschriftungsfall{0, "Aufstieg 10.0 m/min", "Aufstieg 10.0 m/min"}));
