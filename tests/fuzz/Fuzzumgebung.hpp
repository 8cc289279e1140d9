// What every fuzz target shares: the bytes of a run as a file (the readers take a path, as the
// program hands them one), a fresh headless screen per run, and the end of the run when an input
// leaves the program in a state it must never reach.
#pragma once

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace Fuzzumgebung {

// A folder of this process's own, in memory where /dev/shm is; removed at the end. The name is
// kept outside any object, since the removal runs after static objects are gone.
inline const char* Ordner() {
    static char Pfad[64] = "";
    if (Pfad[0] == '\0') {
        std::snprintf(Pfad, sizeof Pfad, "%s/brelune-fuzz-XXXXXX",
                      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
        if (!mkdtemp(Pfad)) std::abort();
        std::atexit([] {
            std::error_code f;
            std::filesystem::remove_all(Pfad, f);
        });
    }
    return Pfad;
}

// The bytes as the file Name in the folder; its path.
inline std::string Datei(const std::string& Name, const uint8_t* Daten, std::size_t Groesse) {
    const std::string Pfad = std::string(Ordner()) + "/" + Name;
    std::filesystem::create_directories(std::filesystem::path(Pfad).parent_path());
    std::ofstream f(Pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(Daten), static_cast<std::streamsize>(Groesse));
    if (!f.flush()) std::abort();
    return Pfad;
}

// The screen the messages go to, emptied, German with a decimal point.
inline Unit_UI::Headless& Oberflaeche() {
    static Unit_UI::Headless Bildschirm;
    Unit_UI::UI_setzen(&Bildschirm);
    Bildschirm.Zuruecksetzen();
    Unit_Tools::Sprache = 0;
    Unit_Tools::Dezimaltrennzeichen_setzen('.');
    return Bildschirm;
}

// An input that breaks a promise of the reader: reported like a crash, with the reason.
[[noreturn]] inline void Befund(const std::string& Grund) {
    std::fprintf(stderr, "==Befund== %s\n", Grund.c_str());
    std::abort();
}

} // namespace Fuzzumgebung
