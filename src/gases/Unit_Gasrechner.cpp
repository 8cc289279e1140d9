#include "gases/Unit_Gasrechner.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"

#include <algorithm>
#include <cmath>

namespace Unit_Gasrechner {

namespace {
namespace G = Unit_Gasgemisch_BestMix;
namespace F = Unit_Formeln;
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

float begrenzt(long double x, float min, float max) {
    if (std::isnan(x)) return min;
    return static_cast<float>(std::clamp<long double>(x, min, max));
}

// A fraction as whole percent, a tie going to the even neighbour.
int32_t ganze_Prozent(long double Anteil) {
    return static_cast<int32_t>(std::nearbyint(std::clamp(Anteil * 100.0L, -1000.0L, 1000.0L)));
}

float pO2_bei(float m_Tiefe, int32_t O2) {
    return G::Gas_pruefen(m_Tiefe, static_cast<float>(O2), 0, std::string(), false, false).pO2;
}

std::string Name_aus(int32_t O2, int32_t N2, int32_t He) {
    return G::Gasname_aus_Anteilen(static_cast<float>(O2 / 100.0L), static_cast<float>(N2 / 100.0L),
                                   static_cast<float>(He / 100.0L));
}

// The gas at the operating depth; the caller says which values replace the wanted ones.
void pruefen(Gasrechner_Type& Z, bool Warnungen, bool Ergebnis, bool pO2_uebernehmen, bool END_uebernehmen) {
    Z.Werte = G::Gas_pruefen(Z.m_Einsatztiefe, static_cast<float>(Z.O2), static_cast<float>(Z.N2), Z.Name,
                             Warnungen, Ergebnis);
    if (pO2_uebernehmen) Z.bar_pO2 = Z.Werte.pO2;
    if (END_uebernehmen) Z.m_END = Z.Werte.END;
}

// The wanted pO2 stays; a nitrox takes the END its nitrogen gives, a trimix keeps the wanted one.
void Mix_rechnen(Gasrechner_Type& Z) {
    Anteile m{};
    if (!Mix_aus_pO2(Z.m_Einsatztiefe, Z.bar_pO2, Z.m_END, Z.Trimix, m)) return;
    Z.O2 = m.O2;
    Z.N2 = m.N2;
    Z.He = m.He;
    Z.Name = Name_aus(m.O2, m.N2, m.He);
    pruefen(Z, false, false, false, !Z.Trimix);
}

void Anteile_uebernehmen(Gasrechner_Type& Z, int32_t O2, int32_t He) {
    Z.O2 = std::clamp(O2, 1, 100);
    Z.He = std::clamp(He, 0, 100 - Z.O2);
    Z.N2 = 100 - Z.O2 - Z.He;
    Z.Name = Name_aus(Z.O2, Z.N2, Z.He);
    Z.Trimix = Z.He > 0;
    pruefen(Z, false, false, true, true);
}

// Helium up from 0 until the END is the goal; at the latest with no nitrogen left, END 0.
void Helium_bis_END(Gasrechner_Type& Z) {
    const int32_t O2 = Z.O2;
    for (int32_t He = 0; He <= 100 - O2; ++He) {
        Anteile_uebernehmen(Z, O2, He);
        if (Z.Werte.END <= m_END_BestMix) break;
    }
}

std::string ohne_Rand(const std::string& Text) {
    const auto Anfang = Text.find_first_not_of(" \t");
    if (Anfang == std::string::npos) return {};
    return Text.substr(Anfang, Text.find_last_not_of(" \t") - Anfang + 1);
}
} // namespace

float Tiefe_begrenzt(long double m) {
    return begrenzt(m, 0, m_Tiefe_max);
}

float pO2_begrenzt(long double bar) {
    return begrenzt(bar, bar_pO2_min, bar_pO2_max);
}

float END_begrenzt(long double m) {
    return begrenzt(m, 0, m_Tiefe_max);
}

bool Mix_aus_pO2(float m_Tiefe, float bar_pO2, float m_END, bool Trimix, Anteile& Mix) {
    const long double P = F::m_pro_bar == 0.0f ? 0.0L : F::bar_Umgebung_aus(m_Tiefe);
    if (!(P > 0)) {
        Unit_Tools::Meldung_Problem("Division durch Null", "Division by zero");
        return false;
    }
    int32_t O2 = std::clamp(ganze_Prozent(pO2_begrenzt(bar_pO2) / P), 1, 100);
    // Rounding may not carry the gas across a limit the wanted pO2 keeps.
    if (O2 > 1 && pO2_bei(m_Tiefe, O2) > bar_pO2_max) --O2;
    if (O2 < 100 && pO2_bei(m_Tiefe, O2) < bar_pO2_min) ++O2;
    if (O2 == 100 || !Trimix) {
        Mix = {O2, 100 - O2, 0};
        return true;
    }
    // The nitrogen whose pressure at depth equals air's at the END, the inverse of the END check.
    const int32_t N2 = std::clamp(ganze_Prozent(F::bar_pN2_aus_END(END_begrenzt(m_END)) / P), 0, 100 - O2);
    Mix = {O2, N2, 100 - O2 - N2};
    return true;
}

void Eingaben_lesen(Gasrechner_Type& Z, const Eingaben& Texte) {
    Z.bar_pO2 = pO2_begrenzt(Unit_Tools::Zahl_lesen(Texte.pO2));
    Z.m_Einsatztiefe = Tiefe_begrenzt(Unit_Tools::Zahl_lesen(Texte.Tiefe));
    Z.m_END = END_begrenzt(Unit_Tools::Zahl_lesen(Texte.END));
}

void Oeffnen(Gasrechner_Type& Z, float m_Wasser) {
    const auto& g = G::Gasgemisch[static_cast<std::size_t>(std::clamp(
        G::Gasgemisch_num, 0, std::clamp(G::Gasgemisch_NumMax, 0, G::GasGemisch_NumMaxUeberhaupt)))];
    Z.O2 = std::clamp(ganze_Prozent(g.f_O2_prozent / 100.0L), 1, 100);
    Z.He = std::clamp(ganze_Prozent(g.f_He_prozent / 100.0L), 0, 100 - Z.O2);
    Z.N2 = 100 - Z.O2 - Z.He;
    Z.Name = g.Name;
    Z.m_Einsatztiefe = Tiefe_begrenzt(m_Wasser);
    Z.Trimix = Z.He > 0;
    pruefen(Z, true, false, true, true);
}

void Tiefe_geaendert(Gasrechner_Type& Z, const Eingaben& Texte) {
    Eingaben_lesen(Z, Texte);
    if (Z.Mix_berechnen)
        Mix_rechnen(Z);
    else
        pruefen(Z, false, false, true, true);
}

void pO2_geaendert(Gasrechner_Type& Z, const Eingaben& Texte) {
    if (!Z.Mix_berechnen) return;
    Eingaben_lesen(Z, Texte);
    Mix_rechnen(Z);
}

void END_geaendert(Gasrechner_Type& Z, const Eingaben& Texte) {
    if (Z.Trimix) pO2_geaendert(Z, Texte);
}

void Gasart_setzen(Gasrechner_Type& Z, bool Trimix, const Eingaben& Texte) {
    if (!Z.Mix_berechnen) return;
    Z.Trimix = Trimix;
    Tiefe_geaendert(Z, Texte);
    if (Z.Trimix && Z.Werte.END > m_END_Warnung) {
        Z.Mix_berechnen = false;
        Helium_bis_END(Z);
        Z.Mix_berechnen = true;
    }
}

void Anteile_setzen(Gasrechner_Type& Z, int32_t O2, int32_t He) {
    if (!Z.Mix_berechnen) Anteile_uebernehmen(Z, O2, He);
}

void Modus_setzen(Gasrechner_Type& Z, bool Mix_berechnen) {
    Z.Mix_berechnen = Mix_berechnen;
}

void Gas_Check(Gasrechner_Type& Z, const Eingaben& Texte) {
    Eingaben_lesen(Z, Texte);
    pruefen(Z, true, true, true, true);
}

bool Best_Mix(Gasrechner_Type& Z, float bar_Ziel, const Eingaben& Texte) {
    Eingaben_lesen(Z, Texte);
    const float Ziel = pO2_begrenzt(bar_Ziel);
    int32_t O2 = 1;
    for (;; ++O2) {
        Anteile_uebernehmen(Z, O2, 0);
        if (Z.Werte.pO2 >= Ziel || O2 == 100) break;
    }
    // Deep down one percent of oxygen is more than a tenth of a bar: the step may pass the limit.
    if (O2 > 1 && Z.Werte.pO2 > bar_pO2_max) Anteile_uebernehmen(Z, O2 - 1, 0);
    const bool erreicht = Z.Werte.pO2 >= Ziel;
    Helium_bis_END(Z);
    if (!erreicht) {
        const std::string Ziel_Text = Zahl_formatieren(0, 2, Ziel),
                          Tiefe = Zahl_formatieren(0, 1, Z.m_Einsatztiefe),
                          pO2 = Zahl_formatieren(0, 2, Z.Werte.pO2);
        Unit_Tools::Meldung_Info(
            "Best Mix: ein pO2 von " + Ziel_Text + " bar ist auf " + Tiefe +
                " m mit ganzen Prozent Sauerstoff zwischen 0.16 und 1.601 bar nicht zu "
                "erreichen. Das Gemisch hat pO2 = " +
                pO2 + " bar.",
            "Best mix: a pO2 of " + Ziel_Text + " bar cannot be reached at " + Tiefe +
                " m with whole percent of oxygen between 0.16 and 1.601 bar. The mix has "
                "pO2 = " +
                pO2 + " bar.");
    }
    return erreicht;
}

int32_t In_die_Gasliste(const std::string& Name, float O2, float N2, float He) {
    if (O2 < 0 || N2 < 0 || He < 0) {
        Unit_Tools::Meldung_Problem("Kein Anteil darf negativ sein !", "No fraction may be negative !");
        return -1;
    }
    if (!(std::fabs(static_cast<long double>(O2) + N2 + He - 100) <= 0.01L)) {
        Unit_Tools::Meldung_Problem("Summe muss 100 % ergeben !", "Sum must be 100 %");
        return -1;
    }
    const int32_t k = G::Gasgemisch_finden(O2 / 100, N2 / 100, He / 100);
    if (k >= 0) {
        G::Gasgemisch_waehlen(k);
        return k;
    }
    const std::string Eigener_Name = ohne_Rand(Name);
    G::Gasgemisch_hinzufuegen(Eigener_Name.empty() ? G::Gasname_aus_Anteilen(O2 / 100, N2 / 100, He / 100)
                                                   : Eigener_Name,
                              O2, N2, He);
    return G::Gasgemisch_num;
}

std::vector<std::string> Grenzwarnungen(const G::Gaspruefung_Type& r) {
    std::vector<std::string> Zeilen;
    if (r.pO2 > 1.601f)
        Zeilen.push_back(Text_waehlen("Maximaler Sauerstoff-Partialdruck überschritten !",
                                      "Maximum oxygen partial pressure exceeded !"));
    if (r.pO2 < 0.16f)
        Zeilen.push_back(Text_waehlen("Minimaler Sauerstoff-Partialdruck unterschritten !",
                                      "Minimum oxygen partial pressure deceeded !"));
    if (r.END_ueberschritten)
        Zeilen.push_back(Text_waehlen("Maximale END überschritten !", "Maximum END exceeded !"));
    return Zeilen;
}

std::vector<std::string> Hinweise(const Gasrechner_Type& Z) {
    auto Zeilen = Grenzwarnungen(Z.Werte);
    if (Z.Werte.MinOD > 0) {
        const std::string m = Zahl_formatieren(0, 1, Z.Werte.MinOD);
        Zeilen.push_back(Text_waehlen("An der Oberfläche nicht atembar: erst ab " + m + " m (MinOD)",
                                      "Not breathable at the surface: only from " + m + " m (MinOD)"));
    }
    return Zeilen;
}

} // namespace Unit_Gasrechner
