// A UDDF file imported through the XML layer as the program does; a logbook of several dives
// goes through the choice (the first dive is taken).
#include "files/Unit_Save_Read_UDDF.hpp"
#include "fuzz/Lesepruefung.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, std::size_t Groesse) {
    const std::string Pfad = Fuzzumgebung::Datei("Tauchgang.uddf", Daten, Groesse);
    Lesepruefung::pruefen([&] { return Unit_Save_Read_UDDF::UDDF_Tauchgang_importieren(Pfad, {}); });
    return 0;
}
