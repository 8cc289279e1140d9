// A dive file (.dec) as the program loads it from a path.
#include "files/Unit_Save_Read.hpp"
#include "fuzz/Lesepruefung.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, std::size_t Groesse) {
    const std::string Pfad = Fuzzumgebung::Datei("Tauchgang.dec", Daten, Groesse);
    Lesepruefung::pruefen([&] { return Unit_Save_Read::Tauchgang_laden_Datei(Pfad, {}); }, false);
    return 0;
}
