// The blending of a cylinder by partial pressures, after the ideal gas law: what to top a known
// content with to reach a wanted one, the stream for continuous blending and its cost.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Unit_Gasmischer {

// Shares in percent.
struct Anteile {
    double O2 = 0, N2 = 0, He = 0;
};

struct Gas {
    Anteile Anteil;
    double bar = 0;
    double l = 6.8;
};

inline constexpr Anteile Luft{20.9, 79.1, 0};
inline constexpr double He_Faktor_Vorgabe = 0.97;
inline constexpr double l_Vorgabe = 6.8;
// Prices in cent per barL.
inline constexpr double ct_O2 = 1.0, ct_Luft = 0.2, ct_He = 3.0;
// Deliveries in l/min: the compressor, the oxygen and the helium valve fully open.
inline constexpr double l_min_Kompressor = 100, l_min_O2_Ventil = 100, l_min_He_Ventil = 180;

// A field as typed, with a point or a comma; Ersatz when it is empty or holds no number.
double Feld_lesen(const std::string& Text, double Ersatz);
// Text that is no number; an empty field is not, it reads as its fallback.
bool keine_Zahl(const std::string& Text);
// A result as shown: fixed point, blanks on the left to five characters.
std::string Ergebnis_Text(double Wert, int Stellen = 1);

// A gas as its fields hold it; an empty or broken field reads as air's share of its component,
// 0 bar and 6.8 l.
struct Gasfelder {
    std::string O2, N2, He, bar, l;
};
Gas Gas_lesen(const Gasfelder& f);
// A cylinder with nothing in it: air at 0 bar. Marked empty while its pressure is not above 0.
Gas leere_Flasche(double l);
bool ist_leer(const Gas& g);

// O2 and He as typed; He cut so the two stay within 100 %, N2 the rest.
Anteile auf_100_Prozent(double O2, double He);
// The message when a composition cannot exist (a share below 0, or not 100 % together).
std::optional<std::string> Zusammensetzung_pruefen(const Anteile& a);
// The shares of O2 and He fields as typed, kept at 100 %; whether He had to be cut, and the message
// when the composition still cannot exist.
struct Zusammensetzung {
    Anteile Anteil;
    bool He_gekuerzt = false;
    std::optional<std::string> Meldung;
};
Zusammensetzung Zusammensetzung_lesen(const std::string& O2, const std::string& He);

// The fixed figures for the blender: air, prices, deliveries.
std::string Luft_Text();
std::string Kosten_Text();
std::string Lieferleistungen_Text();

// What continuous blending at the compressor intake streams in.
struct Einduesen {
    Anteile Strom;                 // of the stream reaching the cylinder
    std::optional<double> Sensor1; // oxygen before helium joins (none when only helium streams)
    double Sensor2 = 0;            // oxygen of the whole stream
    double Euro = 0;
};

struct Fuellung {
    std::string Meldung; // why the gas cannot be made; empty when it can
    double bar_O2 = 0, bar_Luft = 0, bar_He = 0, bar_Trimix = 0, bar_Summe = 0;
    std::optional<Einduesen> Strom; // with oxygen, helium and air
    bool moeglich() const { return Meldung.empty(); }
};

// What the fill monitor steers a continuous blend to.
struct Fuellziel {
    double Sensor1 = 0, Sensor2 = 0; // oxygen shares the two cells should read
    double He_Strom = 0;             // helium share of the stream
    double Enddruck = 0;             // bar
    Gas vorher;
    double He_Faktor = He_Faktor_Vorgabe;
};

// Topped with pure oxygen, helium and air.
Fuellung O2_He_Luft(const Gas& vorher, const Gas& nachher, double He_Faktor = He_Faktor_Vorgabe);
// The targets of a blend by oxygen, helium and air; none when it cannot be made or streams
// neither air nor oxygen, and then why in Meldung.
std::optional<Fuellziel> Ziel_fuer_Einduesen(const Gas& vorher, const Gas& nachher,
                                             double He_Faktor = He_Faktor_Vorgabe,
                                             std::string* Meldung = nullptr);
// Topped with a trimix from the bank, then air, then oxygen.
Fuellung O2_Trimix_Luft(const Gas& vorher, const Gas& nachher, const Anteile& Trimix);
// Why a cylinder cannot be topped with the trimix so; empty when it can.
std::string mit_Trimix_pruefen(const Gas& vorher, const Anteile& Trimix, double bar_Trimix);
// The gas a cylinder holds after topping it with the trimix by the given pressure.
Gas mit_Trimix(const Gas& vorher, const Anteile& Trimix, double bar_Trimix);

} // namespace Unit_Gasmischer
