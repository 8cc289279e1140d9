// A CSV or TXT dive log imported as the program does. The first byte picks the preset (the
// program offers them all), the rest is the file.
#include "files/Unit_Save_Read_CSV.hpp"
#include "fuzz/Lesepruefung.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, std::size_t Groesse) {
    if (Groesse == 0) return 0;
    const int32_t Voreinstellung = Daten[0] % Unit_Save_Read_CSV::Voreinstellung_Anzahl;
    const std::string Pfad = Fuzzumgebung::Datei("Tauchgang.csv", Daten + 1, Groesse - 1);
    Lesepruefung::pruefen(
        [&] { return Unit_Save_Read_CSV::CSV_Tauchgang_importieren(Pfad, Voreinstellung, {}); });
    return 0;
}
