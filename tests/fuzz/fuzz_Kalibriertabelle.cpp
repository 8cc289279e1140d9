// A sensor calibration table loaded into each sensor's table as the blending stand does: taken,
// and the points rise and are numbers; refused, and the table is as it was.
#include "blender/Unit_Gasmischer_Sensoren.hpp"
#include "fuzz/Fuzzumgebung.hpp"

#include <cmath>

namespace S = Unit_Gasmischer_Sensoren;

namespace {
bool gleich(const S::Tabelle& a, const S::Tabelle& b) {
    if (a.n_Luft != b.n_Luft || a.Punkte.size() != b.Punkte.size()) return false;
    for (std::size_t i = 0; i < a.Punkte.size(); ++i)
        if (a.Punkte[i].mV != b.Punkte[i].mV || a.Punkte[i].Wert != b.Punkte[i].Wert) return false;
    return true;
}

std::string Fehler(const S::Tabelle& t, std::size_t Punkte_Soll) {
    if (t.Punkte.size() != Punkte_Soll) return "number of points changed";
    for (std::size_t i = 0; i < t.Punkte.size(); ++i) {
        if (!std::isfinite(t.Punkte[i].mV) || !std::isfinite(t.Punkte[i].Wert)) return "a point is no number";
        if (i > 0 && t.Punkte[i].mV <= t.Punkte[i - 1].mV) return "mV do not rise";
    }
    if (!std::isfinite(S::Wert_aus_mV(t, 0.5 * (t.Punkte.front().mV + t.Punkte.back().mV))))
        return "the calibrated value is no number";
    return {};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, std::size_t Groesse) {
    using Fuzzumgebung::Befund;
    Fuzzumgebung::Oberflaeche();
    const std::string Pfad = Fuzzumgebung::Datei("Sensor.txt", Daten, Groesse);
    for (const S::Sensordaten& d : S::Anfangszustand()) {
        S::Tabelle t = d.Standard;
        const std::string Meldung = S::Tabelle_laden(Pfad, t);
        if (!Meldung.empty() && !gleich(t, d.Standard)) Befund("refused, but the table changed");
        if (Meldung.empty() && !Fehler(t, d.Standard.Punkte.size()).empty())
            Befund("taken, but " + Fehler(t, d.Standard.Punkte.size()));
    }
    return 0;
}
