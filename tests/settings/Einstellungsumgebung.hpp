// Fixture of the settings and dive-file tests: the shared environment, the built-in defaults
// (preset 1 with fresh gases, plans and loops) and a settings folder of its own below a fresh
// temporary XDG_CONFIG_HOME, so no test ever sees the user's real settings.
#pragma once

#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_CCR_SCR.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "planning/Unit_AbtauchPlanung.hpp"
#include "planning/Unit_AustauchPlanung.hpp"
#include "settings/Unit_Grundeinstellungen.hpp"
#include "support/Testumgebung.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

class Einstellungsumgebung : public Testumgebung {
  protected:
    std::filesystem::path Ordner; // the temporary XDG_CONFIG_HOME

    void SetUp() override {
        static int Nummer = 0;
        Ordner = std::filesystem::temp_directory_path() /
                 ("brelune-test-" + std::to_string(::getpid()) + "-" + std::to_string(++Nummer));
        std::filesystem::remove_all(Ordner);
        std::filesystem::create_directories(Ordner);
        ::setenv("XDG_CONFIG_HOME", Ordner.c_str(), 1);
        Unit_Gasgemisch_BestMix::Gasgemische_initialisieren();
        Unit_AbtauchPlanung::Tabellen_zuruecksetzen();
        Unit_AustauchPlanung::Tabellen_zuruecksetzen();
        Testumgebung::SetUp();
        Unit_CCR_SCR::Kreislaeufe_initialisieren(true);
        Unit_Grundeinstellungen::Grundeinstellung_anwenden(1);
    }

    void TearDown() override {
        Testumgebung::TearDown();
        std::error_code f;
        std::filesystem::remove_all(Ordner, f);
    }

    // The bytes of a file as they are on disk.
    static std::string Bytes(const std::filesystem::path& Pfad) {
        std::ifstream Datei(Pfad, std::ios::binary);
        return {std::istreambuf_iterator<char>(Datei), std::istreambuf_iterator<char>()};
    }
    static void Schreiben(const std::filesystem::path& Pfad, const std::string& Bytes) {
        std::filesystem::create_directories(Pfad.parent_path());
        std::ofstream Datei(Pfad, std::ios::binary | std::ios::trunc);
        Datei << Bytes;
    }
    // Lines joined with CR LF, the last one too.
    static std::string CRLF(const std::vector<std::string>& Zeilen) {
        std::string t;
        for (const auto& z : Zeilen) t += z + "\r\n";
        return t;
    }
    // The lines of section Name (without its header) in a list of file lines.
    static std::vector<std::string> Abschnitt(const std::vector<std::string>& Zeilen,
                                              const std::string& Name) {
        std::vector<std::string> r;
        bool drin = false;
        for (const auto& z : Zeilen) {
            if (!z.empty() && z.front() == '[') {
                drin = z == "[" + Name + "]";
                continue;
            }
            if (drin) r.push_back(z);
        }
        return r;
    }
};

// Names table-driven cases after their field Fall, in the test names and in the test listing.
struct Fallname {
    template <typename Info> std::string operator()(const Info& i) const { return i.param.Fall; }
};
template <typename Fall, typename = decltype(std::declval<const Fall&>().Fall)>
std::ostream& operator<<(std::ostream& o, const Fall& f) {
    return o << f.Fall;
}
