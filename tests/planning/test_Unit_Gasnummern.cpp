// Gas numbers across the dive and the plans: deleting a gas and merging a loaded gas list.
#include "gases/Gasumgebung.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "planning/Unit_Gasnummern.hpp"

using namespace Unit_Gasgemisch_BestMix;
using namespace Unit_Gasnummern;
namespace W = Unit_WayPoints;

class Gasnummern_Test : public Gasumgebung {
  protected:
    void SetUp() override {
        Unit_AbtauchPlanung::Tabellen_zuruecksetzen();
        Unit_AustauchPlanung::Tabellen_zuruecksetzen();
        Gasumgebung::SetUp();
    }

    static void WayPoint_Gase(std::initializer_list<int32_t> Gase) {
        int32_t k = 0;
        for (int32_t g : Gase) W::WayPoint[k++].Gas_Nr = g;
        W::WayPoint_Anzahl = k - 1;
    }
};

TEST_F(Gasnummern_Test, Loeschen_nur_wenn_kein_Wegpunkt_das_Gas_atmet) {
    Benutzergase(6); // 17 .. 22
    WayPoint_Gase({5, 20, 22});
    Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[2].Wert = 22;
    Unit_AbtauchPlanung::Abstieg_Gaswechsel.Zeile[0].Wert = 18;

    Gasgemisch_loeschen(20);
    EXPECT_EQ(Gasgemisch_NumMax, 22);
    EXPECT_EQ(Gasgemisch[20].Name, "U20");
    Gasgemisch_loeschen(5); // a default gas is never deleted
    EXPECT_EQ(Gasgemisch[5].Name, "EAN60");

    Gasgemisch_loeschen(21);
    EXPECT_EQ(Gasgemisch_NumMax, 21);
    EXPECT_EQ(Gasgemisch[21].Name, "U22");
    EXPECT_TRUE(Gasgemisch[22].Name.empty());
    EXPECT_EQ(W::WayPoint[0].Gas_Nr, 5);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 20);
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 21);
    EXPECT_FLOAT_EQ(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[2].Wert, 21);
    EXPECT_FLOAT_EQ(Unit_AbtauchPlanung::Abstieg_Gaswechsel.Zeile[0].Wert, 18);
}

// Regression: a gas named only by a plan's gas change or the gas break used to be deleted, and
// the plan then switched to whichever gas moved into its place.
TEST_F(Gasnummern_Test, Loeschen_verweigert_fuer_Gas_eines_Plans) {
    Benutzergase(3); // 17 .. 19
    WayPoint_Gase({0});
    Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[5].Wert = 17;
    Unit_AustauchPlanung::AirBreak_GasNum = 18;
    Gasgemisch_loeschen(17);
    Gasgemisch_loeschen(18);
    EXPECT_EQ(Gasgemisch_NumMax, 19);
    Gasgemisch_loeschen(19);
    EXPECT_EQ(Gasgemisch_NumMax, 18);
}

TEST_F(Gasnummern_Test, Loeschen_des_aktuellen_Gases_waehlt_Luft) {
    Benutzergase(3);
    WayPoint_Gase({0});
    W::Gas_Nr_Start = 19;
    Gasgemisch_waehlen(18);
    Gasgemisch_loeschen(18);
    EXPECT_EQ(Gasgemisch_num, 0);
    EXPECT_FLOAT_EQ(f_O2, 0.20948f);
    EXPECT_EQ(W::Gas_Nr_Start, 18); // the same gas, one place down
}

TEST_F(Gasnummern_Test, Unbenutzte_Gase_loeschen_schliesst_die_Luecken) {
    Benutzergase(4); // 17 .. 20
    WayPoint_Gase({0, 19});
    Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[0].Wert = 20;
    Gasgemische_unbenutzt_loeschen();
    EXPECT_EQ(Gasgemisch_NumMax, 18);
    EXPECT_EQ(Gasgemisch[17].Name, "U19");
    EXPECT_EQ(Gasgemisch[18].Name, "U20");
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 17);
    EXPECT_FLOAT_EQ(Unit_AustauchPlanung::Aufstieg_Gaswechsel.Zeile[0].Wert, 18);
}

TEST_F(Gasnummern_Test, Zusammenfuehren_nach_dem_Laden) {
    Gasgemisch_hinzufuegen("Mein Tmx", 18, 37, 45); // the user's own gas 17
    Gasliste_merken();
    // The file brought its own list: gas 3 is 32/68/0, gas 17 a trimix the user does not have.
    Gasgemisch[3] = {"Nitrox32", 32, 68, 0, 0, 0, 0};
    Gasgemisch[17] = {"Hausmix", 25, 35, 40, 0, 0, 0};
    WayPoint_Gase({3, 17, 0});
    Unit_AbtauchPlanung::Abstieg_Gaswechsel.Zeile[1].Wert = 17;
    W::Gas_Nr_Start = 3;

    Gasliste_zusammenfuehren();
    EXPECT_EQ(Gasgemisch_NumMax, 18);
    EXPECT_EQ(Gasgemisch[3].Name, "EAN40");
    EXPECT_EQ(Gasgemisch[17].Name, "Mein Tmx");
    EXPECT_EQ(Gasgemisch[18].Name, "Tmx25/40"); // the loaded name is not kept
    EXPECT_EQ(GasGemisch_Num_tx0[3], 1);
    EXPECT_EQ(GasGemisch_Num_tx0[17], 18);
    EXPECT_EQ(GasGemisch_Num_tx0[18], -1);
    EXPECT_EQ(W::WayPoint[0].Gas_Nr, 1);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 18);
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 0);
    EXPECT_FLOAT_EQ(Unit_AbtauchPlanung::Abstieg_Gaswechsel.Zeile[1].Wert, 18);
    EXPECT_EQ(W::Gas_Nr_Start, 1);
    EXPECT_EQ(Gasgemisch_num, 1);
    EXPECT_EQ(GasGemisch_NumMax_ini, 18); // the merged list is the user's list now
    EXPECT_EQ(Gasgemisch_ini[18].Name, "Tmx25/40");
}

TEST_F(Gasnummern_Test, Zusammenfuehren_nach_misslungenem_Laden_bildet_auf_sich_ab) {
    Benutzergase(2);
    Gasliste_merken();
    WayPoint_Gase({17, 18, 4});
    Gasliste_zusammenfuehren();
    EXPECT_EQ(Gasgemisch_NumMax, 18);
    for (int32_t k = 0; k <= 18; ++k) EXPECT_EQ(GasGemisch_Num_tx0[k], k);
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 18);
}

TEST_F(Gasnummern_Test, Zusammenfuehren_mit_unbekannter_Gasnummer_nimmt_Luft_und_meldet_es) {
    Gasliste_merken();
    WayPoint_Gase({0, 30, 35});
    Gasliste_zusammenfuehren();
    EXPECT_EQ(W::WayPoint[1].Gas_Nr, 0);
    EXPECT_EQ(W::WayPoint[2].Gas_Nr, 0);
    EXPECT_EQ(Oberflaeche.Anzahl("ist nicht in der Gasliste"), 1);
}
