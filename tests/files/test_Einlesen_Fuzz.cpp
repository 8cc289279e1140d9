// Mutated dive files through the importers: whatever the bytes, an import either gives a dive
// whose tables are sound or a message and the dive as it was. Run under the sanitizers this also
// catches any read outside a table.
#include "files/Dateiumgebung.hpp"
#include "files/Unit_Save_Read_CSV.hpp"
#include "files/Unit_Save_Read_UDDF.hpp"
#include "files/Unit_aXML.hpp"

#include <fstream>
#include <random>
#include <sstream>

namespace W = Unit_WayPoints;
namespace G = Unit_Gasgemisch_BestMix;

namespace {
std::string Datei_lesen(const std::string& Name, std::size_t Zeilen_max = std::string::npos) {
    std::ifstream f(Name, std::ios::binary);
    std::string Text, z;
    for (std::size_t n = 0; n < Zeilen_max && std::getline(f, z); ++n) Text += z + "\n";
    return Text;
}

class Mutierer {
  public:
    explicit Mutierer(uint32_t Saat) : Zufall_(Saat) {}

    std::string mutiert(std::string t) {
        const int n = Zahl(1, 3);
        for (int i = 0; i < n && !t.empty(); ++i) {
            switch (Zahl(0, 6)) {
            case 0:
                t.resize(Pos(t));
                break;
            case 1:
                for (int k = Zahl(1, 8); k > 0; --k) t[Pos(t)] = static_cast<char>(Zahl(0, 255));
                break;
            case 2:
                Zahl_ersetzen(t);
                break;
            case 3:
                Wiederholen(t);
                break;
            case 4:
                t.erase(Pos(t), static_cast<std::size_t>(Zahl(1, 400)));
                break;
            case 5:
                t.insert(Pos(t), Einschub());
                break;
            default:
                Zeilen_tauschen(t);
            }
        }
        return t;
    }

  private:
    std::mt19937 Zufall_;

    int Zahl(int a, int b) { return std::uniform_int_distribution<int>(a, b)(Zufall_); }
    std::size_t Pos(const std::string& t) {
        return std::uniform_int_distribution<std::size_t>(0, t.empty() ? 0 : t.size() - 1)(Zufall_);
    }

    void Zahl_ersetzen(std::string& t) {
        static const char* Riesen[] = {"1e38", "-1e30",  "99999999999", "nan",    "inf",  "1e400",
                                       "-0",   "4e-320", "2147483648",  "-86401", "0x10", ""};
        const std::size_t p = t.find_first_of("0123456789", Pos(t));
        if (p == std::string::npos) return;
        std::size_t e = t.find_first_not_of("0123456789.", p);
        if (e == std::string::npos) e = t.size();
        t.replace(p, e - p, Riesen[Zahl(0, 11)]);
    }

    // A stretch of the file over and over again: repeated elements.
    void Wiederholen(std::string& t) {
        const std::size_t a = t.rfind('\n', Pos(t));
        const std::size_t b =
            t.find('\n', std::min(t.size() - 1,
                                  (a == std::string::npos ? 0 : a) + static_cast<std::size_t>(Zahl(1, 600))));
        if (a == std::string::npos || b == std::string::npos || b <= a) return;
        const std::string Stueck = t.substr(a, b - a);
        std::string viele;
        for (int k = Zahl(2, 120); k > 0; --k) viele += Stueck;
        t.insert(b, viele);
    }

    std::string Einschub() {
        static const char* Teile[] = {
            "</waypoint>",    "<waypoint>", "<!--",      "-->",    "</brelune>", "<brelune>",
            "<mix id=\"x\">", "</samples>", "<samples>", ",,,,,,", ";;\t\t",     "<switchmix ref=\"",
            "&#x110000;",     "&amp",       "\r",        "\n\n\n", "<"};
        return Teile[Zahl(0, 16)];
    }

    void Zeilen_tauschen(std::string& t) {
        const std::size_t a = t.find('\n', Pos(t)), b = t.find('\n', Pos(t));
        if (a == std::string::npos || b == std::string::npos || a == b) return;
        std::swap(t[a], t[b]);
        const std::size_t e1 = t.find('\n', a + 1), e2 = t.find('\n', b + 1);
        if (e1 != std::string::npos && e2 != std::string::npos) std::swap(t[e1 - 1], t[e2 - 1]);
    }
};
} // namespace

class Fuzz : public Dateiumgebung {
  protected:
    // After an import that took: the tables hold a dive the calculation can step through.
    static void Tauchgang_pruefen(const std::string& wo) {
        ASSERT_EQ(Tauchgangsprobe::Tauchgang_Fehler(), "") << wo;
    }

    template <typename Import>
    void Durchlaufen(const std::string& Vorlage, int Anzahl, uint32_t Saat, Import imp) {
        Mutierer m(Saat);
        int angenommen = 0;
        for (int i = 0; i < Anzahl; ++i) {
            G::Gasgemische_initialisieren();
            W::min_Schritt = 0.1f;
            Tauchgang_anlegen();
            const std::string vorher = Tauchgang_Text();
            const std::string Text = m.mutiert(Vorlage);
            const std::string wo = "Fall " + std::to_string(i);
            if (imp(Text)) {
                ++angenommen;
                Tauchgang_pruefen(wo);
            } else {
                ASSERT_FALSE(Oberflaeche.Meldungen.empty()) << wo;
                ASSERT_EQ(Tauchgang_Text(), vorher) << wo;
            }
            if (HasFatalFailure()) return;
            Oberflaeche.Meldungen.clear();
        }
        // the mutations must leave enough files readable to reach the deeper code
        EXPECT_GT(angenommen, Anzahl / 10);
        EXPECT_LT(angenommen, Anzahl);
    }
};

TEST_F(Fuzz, UDDF_Dateien) {
    // the program's own file (with the settings block) and one of another writer
    Tauchgang_anlegen();
    W::WayPoint[2].Tauchgeraet = 1;
    W::WayPoint[2].CCR_Setpoint = 1.3f;
    Unit_Save_Read_UDDF::UDDF_schreiben();
    const std::string eigene = Unit_aXML::Dokument_als_Text();
    const std::string fremde = Datei_lesen(Testdatei("subsurface-d6i-2024-06-27.uddf"));
    const auto lesen = [](const std::string& t) {
        Unit_aXML::Dokument_aus_Text(t);
        return Unit_Save_Read_UDDF::UDDF_lesen();
    };
    Durchlaufen(eigene, 1000, 1u, lesen);
    Durchlaufen(fremde, 1000, 2u, lesen);
}

TEST_F(Fuzz, CSV_Dateien) {
    const std::string Vorlage = Datei_lesen(Testdatei("shearwater-cloud-ccr-perdix-ai.csv"), 120);
    Durchlaufen(Vorlage, 2000, 3u, [](const std::string& t) {
        std::istringstream s(t);
        Unit_Save_Read_CSV::Memo_CSV_Daten.Zeilen.clear();
        for (std::string z; std::getline(s, z);) Unit_Save_Read_CSV::Memo_CSV_Daten.Zeilen.push_back(z);
        Unit_Save_Read_CSV::Voreinstellung_waehlen(0);
        return Unit_Save_Read_CSV::Setzen();
    });
}
