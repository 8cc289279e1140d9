// Sectioned key=value text as the settings and dive files hold it: "[" section "]" lines, then
// lines of key, "=" and value. Sections and keys are matched without regard to case (also for the
// German umlauts), blanks around keys and values are ignored, the first of two equal keys counts,
// lines without "=" and lines starting with ";" are ignored.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace Unit_IniDatei {

// The comparison form of a name: trimmed, letters in lower case.
std::string Vergleichsform(const std::string& Name);
// Blanks and tabs removed at both ends.
std::string ohne_Rand(const std::string& Text);

class IniDatei {
  public:
    static IniDatei aus_Zeilen(const std::vector<std::string>& Zeilen);

    std::optional<std::string> Wert(const std::string& Abschnitt, const std::string& Schluessel) const;
    bool Abschnitt_vorhanden(const std::string& Abschnitt) const;
    // Replaces the value of the key or appends it (and the section) at the end.
    void Wert_setzen(const std::string& Abschnitt, const std::string& Schluessel, const std::string& Wert);
    // The text form, sections in their order.
    std::vector<std::string> Zeilen() const;

  private:
    struct Eintrag {
        std::string Schluessel;
        std::string Wert;
    };
    struct Abschnitt_Type {
        std::string Name;
        std::vector<Eintrag> Eintraege;
        std::unordered_map<std::string, std::size_t> Index;
    };
    std::vector<Abschnitt_Type> Abschnitte;
    std::unordered_map<std::string, std::size_t> Abschnitt_Index;

    Abschnitt_Type& Abschnitt_holen(const std::string& Name);
    static void Eintragen(Abschnitt_Type& a, const std::string& Schluessel, const std::string& Wert,
                          bool ersetzen);
};

} // namespace Unit_IniDatei
