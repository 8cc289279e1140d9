#include "reports/Unit_Kontingenzplaene.hpp"

#include "lang/Unit_Tools.hpp"

namespace Unit_Kontingenzplaene {

bool Kontingenzplaene_an = true;
bool Plaene_verlangt = true;
int32_t min_Kontingenz_Zeit = 3;
int32_t m_Kontingenz_Tiefe = 3;

std::vector<Plan> Plaene;
Variationen_Type Variationen;
bool berechnet = false;

namespace {
using Unit_Tools::Text_waehlen;
using Unit_Tools::Zahl_formatieren;

std::string Zahl(float Wert, int Stellen) {
    return Zahl_formatieren(0, Stellen, Wert);
}

std::string Gase_Text(const std::vector<Gasmenge>& Gase) {
    std::string t;
    for (const auto& g : Gase) {
        if (!t.empty()) t += ", ";
        t += g.Gas + " " + Zahl(static_cast<float>(g.barL), 0) + " barL";
    }
    return t;
}
} // namespace

void Vergessen() {
    Plaene.clear();
    Variationen = {};
    berechnet = false;
}

std::string Titel(const Plan& p) {
    switch (p.Art) {
    case Planart::laenger: {
        const std::string min = std::to_string(min_Kontingenz_Zeit);
        return Text_waehlen("Länger: Grundzeit + " + min + " min", "Longer: bottom time + " + min + " min");
    }
    case Planart::tiefer: {
        const std::string m = std::to_string(m_Kontingenz_Tiefe);
        return Text_waehlen("Tiefer: tiefster Punkt + " + m + " m", "Deeper: deepest point + " + m + " m");
    }
    case Planart::Gasverlust:
        return Text_waehlen("Gasverlust: ohne ", "Lost gas: without ") + p.Gas;
    case Planart::Bail_Out:
        break;
    }
    return Text_waehlen("Bail-out am Ende der Grundzeit", "Bail-out at the end of the bottom time");
}

std::string Zusammenfassungszeile(const Plan& p) {
    if (!p.Grund.empty()) return Text_waehlen("nicht planbar: ", "cannot be planned: ") + p.Grund;
    const std::string Stop =
        p.m_ErsterStop > 0 ? Zahl(p.m_ErsterStop, 0) + " m" : Text_waehlen("keiner", "none");
    return Text_waehlen("Laufzeit ", "runtime ") + Zahl(p.min_Runtime, 1) +
           Text_waehlen(" min, Aufstieg mit Deko ", " min, ascent with deco ") + Zahl(p.min_Aufstieg, 1) +
           Text_waehlen(" min, erster Stop ", " min, first stop ") + Stop + ", CNS " +
           Zahl(p.CNS_Prozent, 1) + " %, " + Text_waehlen("Gas ", "gas ") + Gase_Text(p.Gase);
}

std::string Variationen_Zeile() {
    if (!berechnet) return "";
    const auto Wert = [](const std::optional<float>& v, const std::string& Einheit) {
        return v ? Zahl(*v, 2) + Einheit : Text_waehlen("nicht planbar", "cannot be planned");
    };
    return Text_waehlen("   Laufzeit je min Grundzeit = ", "   runtime per min of bottom time = ") +
           Wert(Variationen.min_pro_min, " min/min") +
           Text_waehlen(", je m Tiefe = ", ", per m of depth = ") + Wert(Variationen.min_pro_m, " min/m");
}

void Abschnitt_schreiben(Unit_Textpuffer::Textpuffer& Puffer) {
    for (const auto& p : Plaene) {
        Puffer.Zeile_anfuegen(Titel(p));
        Puffer.Zeile_anfuegen("   " + Zusammenfassungszeile(p));
        if (!p.Grund.empty()) continue;
        Puffer.Zeile_anfuegen("");
        for (const auto& z : p.Tabelle) Puffer.Zeile_anfuegen(z);
        Puffer.Zeile_anfuegen("");
    }
}

} // namespace Unit_Kontingenzplaene
