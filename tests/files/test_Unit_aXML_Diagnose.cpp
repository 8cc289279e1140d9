#include "files/Dateiumgebung.hpp"
#include "files/Unit_aXML.hpp"
#include "files/Unit_aXML_Diagnose.hpp"

#include <algorithm>
#include <vector>

using namespace Unit_aXML_Diagnose;

namespace {
bool gemeldet(const std::string& Teil) {
    const auto& Z = Memo_Diagnose.Zeilen;
    return std::any_of(Z.begin(), Z.end(),
                       [&](const std::string& z) { return z.find(Teil) != std::string::npos; });
}
} // namespace

struct Testfall {
    const char* Fall;
    std::vector<std::string> Dokument;
    bool verschachtelt;
    std::vector<std::string> Meldungen;
};
class Diagnose : public Dateiumgebung, public ::testing::WithParamInterface<Testfall> {};

TEST_P(Diagnose, sagt_wo_die_Verschachtelung_bricht_und_was_das_Dokument_hat) {
    const Testfall& t = GetParam();
    Memos_loeschen();
    EXPECT_EQ(Unit_aXML_Diagnose::Test(t.Dokument), t.verschachtelt);
    EXPECT_EQ(Unit_aXML::Dokument(), t.Dokument); // the lines as edited are the document
    for (const std::string& m : t.Meldungen) EXPECT_TRUE(gemeldet(m)) << m;
    EXPECT_EQ(gemeldet("Elemente richtig verschachtelt"), t.verschachtelt);
}
INSTANTIATE_TEST_SUITE_P(
    Dokumente, Diagnose,
    ::testing::Values(
        Testfall{"gesund",
                 {"<?xml version=\"1.0\"?>",
                  "<uddf xmlns=\"http://www.streit.cc/uddf/3.1/\" version=\"3.1.0\">",
                  "<gasdefinitions><mix id=\"a\"><o2>0.21</o2></mix><mix id=\"b\"/></gasdefinitions>",
                  "<!-- <dive> in a comment -->", "<profiledata><repetitiongroup id=\"g\"><dive id=\"d\">",
                  "<samples><waypoint><depth>3</depth></waypoint>",
                  "<waypoint><depth>0</depth></waypoint></samples>",
                  "</dive></repetitiongroup></profiledata>", "</uddf>"},
                 true,
                 {"UDDF Version: 3.1.0", "Tauchgänge (dive): 1", "Gasgemische (mix): 2",
                  "Wegpunkte (waypoint): 2", "Programmblock (brelune): nein"}},
        Testfall{"falsch_geschlossen",
                 {"<uddf version=\"3.1.0\">", "<dive>", "<samples>", "</dive>", "</uddf>"},
                 false,
                 {"Zeile 4: </dive> schließt <samples> aus Zeile 3",
                  "Zeile 5: </uddf> schließt <dive> aus Zeile 2",
                  "<uddf> aus Zeile 1 wird nicht geschlossen"}},
        Testfall{
            "Ende_ohne_Anfang",
            {"<uddf>", "<brelune>", "</brelune>", "</uddf>", "</dive>"},
            false,
            {"Zeile 5: </dive> ohne öffnendes Element", "Programmblock (brelune): ja", "UDDF Version: -"}},
        Testfall{"Tag_ohne_Ende", {"<uddf>", "<dive", "</uddf>"}, false, {"Zeile 2: \"<\" ohne \">\""}},
        Testfall{"leer", {}, true, {"Test: 0 Zeilen", "Wegpunkte (waypoint): 0"}}),
    Fallname());

TEST_F(Dateiumgebung, Memos_loeschen_leert_Dokument_und_Diagnose) {
    Unit_aXML_Diagnose::Test({"<uddf>", "</uddf>"});
    ASSERT_FALSE(Memo_Diagnose.Zeilen.empty());
    Memos_loeschen();
    EXPECT_TRUE(Memo_Diagnose.Zeilen.empty());
    EXPECT_TRUE(Unit_aXML::Dokument().empty());
}
