#include "settings/Unit_IniDatei.hpp"

namespace Unit_IniDatei {

std::string ohne_Rand(const std::string& Text) {
    const auto Anfang = Text.find_first_not_of(" \t");
    if (Anfang == std::string::npos) return {};
    const auto Ende = Text.find_last_not_of(" \t");
    return Text.substr(Anfang, Ende - Anfang + 1);
}

std::string Vergleichsform(const std::string& Name) {
    std::string t = ohne_Rand(Name);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto b = static_cast<unsigned char>(t[i]);
        if (b >= 'A' && b <= 'Z') {
            t[i] = static_cast<char>(b + 32);
        } else if (b == 0xC3 && i + 1 < t.size()) {
            // UTF-8 of À to Þ (without ×): the lower-case letter is 0x20 further on.
            const auto c = static_cast<unsigned char>(t[i + 1]);
            if (c >= 0x80 && c <= 0x9E && c != 0x97) t[i + 1] = static_cast<char>(c + 0x20);
            ++i;
        }
    }
    return t;
}

IniDatei::Abschnitt_Type& IniDatei::Abschnitt_holen(const std::string& Name) {
    const std::string v = Vergleichsform(Name);
    const auto it = Abschnitt_Index.find(v);
    if (it != Abschnitt_Index.end()) return Abschnitte[it->second];
    Abschnitt_Index.emplace(v, Abschnitte.size());
    Abschnitte.push_back({ohne_Rand(Name), {}, {}});
    return Abschnitte.back();
}

void IniDatei::Eintragen(Abschnitt_Type& a, const std::string& Schluessel, const std::string& Wert,
                         bool ersetzen) {
    const std::string v = Vergleichsform(Schluessel);
    const auto it = a.Index.find(v);
    if (it != a.Index.end()) {
        if (ersetzen) a.Eintraege[it->second].Wert = Wert;
        return;
    }
    a.Index.emplace(v, a.Eintraege.size());
    a.Eintraege.push_back({ohne_Rand(Schluessel), Wert});
}

IniDatei IniDatei::aus_Zeilen(const std::vector<std::string>& Zeilen) {
    IniDatei Ini;
    Abschnitt_Type* aktuell = nullptr;
    for (const auto& Roh : Zeilen) {
        const std::string Zeile = ohne_Rand(Roh);
        if (Zeile.empty() || Zeile.front() == ';') continue;
        if (Zeile.front() == '[') {
            const auto Ende = Zeile.find(']');
            aktuell = Ende == std::string::npos ? nullptr : &Ini.Abschnitt_holen(Zeile.substr(1, Ende - 1));
            continue;
        }
        const auto Gleich = Zeile.find('=');
        if (aktuell == nullptr || Gleich == std::string::npos) continue;
        Eintragen(*aktuell, Zeile.substr(0, Gleich), ohne_Rand(Zeile.substr(Gleich + 1)), false);
    }
    return Ini;
}

std::optional<std::string> IniDatei::Wert(const std::string& Abschnitt, const std::string& Schluessel) const {
    const auto a = Abschnitt_Index.find(Vergleichsform(Abschnitt));
    if (a == Abschnitt_Index.end()) return std::nullopt;
    const auto& s = Abschnitte[a->second];
    const auto e = s.Index.find(Vergleichsform(Schluessel));
    if (e == s.Index.end()) return std::nullopt;
    return s.Eintraege[e->second].Wert;
}

bool IniDatei::Abschnitt_vorhanden(const std::string& Abschnitt) const {
    return Abschnitt_Index.count(Vergleichsform(Abschnitt)) > 0;
}

void IniDatei::Wert_setzen(const std::string& Abschnitt, const std::string& Schluessel,
                           const std::string& Wert) {
    Eintragen(Abschnitt_holen(Abschnitt), Schluessel, Wert, true);
}

std::vector<std::string> IniDatei::Zeilen() const {
    std::vector<std::string> z;
    for (const auto& a : Abschnitte) {
        z.push_back("[" + a.Name + "]");
        for (const auto& e : a.Eintraege) z.push_back(e.Schluessel + "=" + e.Wert);
    }
    return z;
}

} // namespace Unit_IniDatei
