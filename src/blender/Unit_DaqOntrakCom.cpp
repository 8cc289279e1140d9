#include "blender/Unit_DaqOntrakCom.hpp"

#include "lang/Unit_Tools.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <thread>

namespace Unit_DaqOntrakCom {

using Uhr = std::chrono::steady_clock;

double Volt_aus_Code(int Code, int Bereich) {
    if (Bereich == int(Eingangsbereich::Null_bis_5V)) return Code / 4095.0 * 5.0;
    if (Bereich == int(Eingangsbereich::Minus5_bis_5V)) return Code / 4095.0 * 10.0 - 5.0;
    return -1;
}

int Ausgangscode(double mV) {
    return int(std::lround(mV * 0.001 * 0.2 * 4095));
}

int Code_aus_Antwort(std::string_view Zeile) {
    if (Zeile.size() != 5 || Zeile[4] != '\r') return -1;
    const auto Ziffern = Zeile.substr(0, 4);
    if (!std::all_of(Ziffern.begin(), Ziffern.end(), [](char c) { return std::isdigit((unsigned char)c); }))
        return -1;
    return std::stoi(std::string(Ziffern));
}

std::string Wandler::Nicht_bereit(const char* Wobei) const {
    const std::string Com = Strecke.Name().empty() ? "COM" + std::to_string(Port) : Strecke.Name();
    return Unit_Tools::Text_waehlen("Serielle Schnittstelle " + Com + " nicht bereit bei \"" + Wobei + "\"",
                                    "Serial interface " + Com + " not ready during \"" + Wobei + "\"");
}

bool Wandler::Zeile_senden(const std::string& Befehl) {
    if (!Strecke.verbunden()) {
        Letzte_Meldung = Nicht_bereit("write string");
        return false;
    }
    for (char c : Befehl + '\r')
        if (!Strecke.Schreiben(std::string_view(&c, 1))) {
            Letzte_Meldung = Nicht_bereit("write char");
            return false;
        }
    return true;
}

Messung Wandler::Zeile_empfangen(std::string& Zeile) {
    if (!Strecke.verbunden()) {
        Letzte_Meldung = Nicht_bereit("read string");
        return {};
    }
    const auto Beginn = Uhr::now();
    auto Letztes_Zeichen = Beginn;
    Zeile.clear();
    for (;;) {
        const auto Jetzt = Uhr::now();
        const auto Rest = std::min(Letztes_Zeichen + Antwortfrist, Beginn + Hoechstdauer_Antwort) - Jetzt;
        if (Rest <= Uhr::duration::zero()) break;
        const std::string Neu = Strecke.Lesen(std::chrono::ceil<std::chrono::milliseconds>(Rest));
        if (!Neu.empty()) Letztes_Zeichen = Uhr::now();
        for (char c : Neu) {
            // A line too long for any reply is kept short: it is wrong either way.
            if (c == '\r' || Zeile.size() < 16) Zeile += c;
            if (c == '\r') return {0, true};
        }
    }
    Letzte_Meldung = Unit_Tools::Text_waehlen("Zeitüberschreitung in >Unit_DaqOntrakCom<",
                                              "Timeout in >Unit_DaqOntrakCom<");
    return {};
}

Messung Wandler::Spannung_lesen(Messart Art, int Kanal) {
    Letzte_Meldung.clear();
    if (Bereich != 0 && Bereich != 1) {
        Letzte_Meldung =
            Unit_Tools::Text_waehlen("Falscher \"DAQ_Ontrak_InputRange\" in Unit >Unit_DaqOntrakCom<",
                                     "Wrong \"DAQ_Ontrak_InputRange\" in unit >Unit_DaqOntrakCom<");
        return {};
    }
    static const char* const Befehle[2][2] = {{"RD", "RB"}, {"RA", "RC"}};
    // A late reply to an earlier command must not pass for the answer to this one.
    // A line that never falls silent is left to the reply's own time limit.
    for (int i = 0; i < 64 && Strecke.verbunden() && !Strecke.Lesen(std::chrono::milliseconds(0)).empty();
         ++i) {
    }
    if (!Zeile_senden(Befehle[Art == Messart::Differenz][Bereich] + std::to_string(Kanal))) return {};
    std::string Zeile;
    if (!Zeile_empfangen(Zeile).ok) return {};
    const int Code = Code_aus_Antwort(Zeile);
    if (Code < 0) {
        Letzte_Meldung =
            Unit_Tools::Text_waehlen("Antwort ist keine vierstellige Zahl in >Unit_DaqOntrakCom<",
                                     "Reply is not a four-digit number in >Unit_DaqOntrakCom<");
        return {};
    }
    return {Volt_aus_Code(Code, Bereich), true};
}

Messung Wandler::Mittel_lesen(Messart Art, int Kanal, int Anzahl) {
    if (Anzahl < 1) {
        Letzte_Meldung = Unit_Tools::Text_waehlen("Mittelwert: Anzahl muss >= 1 sein",
                                                  "Average Input: number must be >= 1");
        return {};
    }
    Messung Summe{0, true};
    for (int i = 0; i < Anzahl; ++i) {
        const Messung m = Spannung_lesen(Art, Kanal);
        Summe.Wert += m.Wert;
        Summe.ok = Summe.ok && m.ok;
    }
    return {Summe.Wert / Anzahl * 1000.0, Summe.ok};
}

bool Wandler::Ausgang_setzen(int Kanal, double mV) {
    Letzte_Meldung.clear();
    if (Kanal != 0 && Kanal != 1) {
        Letzte_Meldung = Unit_Tools::Text_waehlen("Falscher Ausgangskanal in >Unit_DaqOntrakCom<",
                                                  "Wrong Output channel in >Unit_DaqOntrakCom<");
        return false;
    }
    if (!(mV >= 0 && mV <= Ausgang_max_mV)) {
        Letzte_Meldung = Unit_Tools::Text_waehlen("Ausgang außerhalb des Bereichs in >Unit_DaqOntrakCom<",
                                                  "Output is out of range in >Unit_DaqOntrakCom<");
        // Not a number closes the valve; anything else goes to the nearer end of the range.
        mV = mV > Ausgang_max_mV ? Ausgang_max_mV : 0;
    }
    return Zeile_senden((Kanal == 0 ? "VA" : "VB") + std::to_string(Ausgangscode(mV)));
}

void Warten(std::chrono::milliseconds Dauer) {
    // Sleeps to the steady clock's deadline instead of spinning: a fill may wait often, and a
    // spinning wait would take a core from the window it shares the machine with.
    std::this_thread::sleep_until(Uhr::now() + Dauer);
}

} // namespace Unit_DaqOntrakCom
