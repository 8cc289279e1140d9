#include "settings/Unit_Wandleranschluss.hpp"

#include "lang/Unit_Tools.hpp"

namespace Unit_Wandleranschluss {

Anschluss Einstellung;

namespace {
template <std::size_t N>
std::string Auswahltext(const std::array<const char*, N>& Deutsch, const std::array<const char*, N>& Englisch,
                        int32_t Index) {
    if (Index < 0 || std::size_t(Index) >= N) return "?";
    return Unit_Tools::Text_waehlen(Deutsch[std::size_t(Index)], Englisch[std::size_t(Index)]);
}
} // namespace

std::string Paritaet_Text(int32_t Index) {
    return Auswahltext<5>({"keine", "ungerade", "gerade", "Mark", "Space"}, Paritaeten, Index);
}

std::string Flusssteuerung_Text(int32_t Index) {
    return Auswahltext<3>({"keine", "Hardware (RTS/CTS)", "Software (XON/XOFF)"},
                          {"none", "hardware (RTS/CTS)", "software (XON/XOFF)"}, Index);
}

std::string Beschreibung(const Anschluss& a, bool verbunden) {
    const auto Zeile = [](const char* Deutsch, const char* Englisch, const std::string& Wert) {
        return "\r" + Unit_Tools::Text_waehlen(Deutsch, Englisch) + " = " + Wert;
    };
    const bool Stopp_gueltig = a.Stoppbits >= 0 && std::size_t(a.Stoppbits) < Stoppbits.size();
    return Unit_Tools::Text_waehlen("Serielle Schnittstelle verbunden", "Serial interface connected") +
           " = " + (verbunden ? "true" : "false") + Zeile("Port", "Port", a.Port) +
           Zeile("Baudrate", "Baudrate", std::to_string(a.Baudrate)) +
           Zeile("Datenbits", "ByteSize", std::to_string(a.Datenbits)) +
           Zeile("Stoppbits", "Stopbits", Stopp_gueltig ? Stoppbits[std::size_t(a.Stoppbits)] : "?") +
           Zeile("Parität", "Parity", Paritaet_Text(a.Paritaet)) +
           Zeile("Flusssteuerung", "Flow control", Flusssteuerung_Text(a.Flusssteuerung));
}

} // namespace Unit_Wandleranschluss
