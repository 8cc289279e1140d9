// The file windows with a file loaded: the import window with the Shearwater Cloud log mapped by
// its preset, and the UDDF window with the Subsurface file checked.
#include "Bildschirmfotos.hpp"

#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_aXML.hpp"
#include "files/Unit_aXML_Diagnose.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/files/T_Form_Save_Read_CSV.hpp"
#include "ui/files/T_Form_aXML.hpp"

#include <QPushButton>

namespace Bildschirmfotos {

namespace {
std::string Testdatei(const char* Name) {
    return std::string(BRELUNE_DATEN) + "/../tests/files/data/" + Name;
}
} // namespace

bool Dateifenster(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);

    bool ok = Unit_Save_Read_CSV::CSV_importieren_Datei(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"), 0);
    T_Form_Save_Read_CSV CSV;
    CSV.resize(1000, 560);
    CSV.show();
    ok = speichern(CSV, Ordner, "Shearwater", Kuerzel_Sprache) && ok;
    CSV.hide();

    Unit_aXML_Diagnose::Memos_loeschen();
    ok = Unit_aXML::Datei_laden(Testdatei("subsurface-d6i-2024-06-27.uddf")) && ok;
    T_Form_aXML UDDF;
    UDDF.resize(1000, 560);
    UDDF.show();
    UDDF.Button_Test->click();
    ok = speichern(UDDF, Ordner, "Test", Kuerzel_Sprache) && ok;
    UDDF.hide();
    Unit_aXML_Diagnose::Memos_loeschen();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
