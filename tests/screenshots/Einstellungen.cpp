// The settings dialog, one picture per page and per sub-page, in the language of the run:
// T_Form_Einstellungen-<page>[-<sub-page>]-<language>.png.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/settings/Einstellungsseiten_Rechnung.hpp"
#include "ui/settings/T_Form_Einstellungen.hpp"

#include <QTabWidget>

namespace Bildschirmfotos {

bool Einstellungen(const QDir& Ordner, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    T_Form_Einstellungen f;
    Beschriftungen_anwenden(&f);
    f.show();
    const std::pair<int, const char*> Seiten[] = {
        {T_Form_Einstellungen::Grundeinstellungen, "Grundeinstellungen"},
        {T_Form_Einstellungen::Anzeigen, "Anzeigen"},
        {T_Form_Einstellungen::Pfade, "Pfade"},
        {T_Form_Einstellungen::Luftdruck, "Luftdruck"},
        {T_Form_Einstellungen::Wasserdruck, "Wasserdruck"},
        {T_Form_Einstellungen::Zeit, "Zeit"},
        {T_Form_Einstellungen::RuntimeTabelle, "RuntimeTabelle"},
        {T_Form_Einstellungen::Modelle, "Modelle"},
        {T_Form_Einstellungen::Algorithmus, "Algorithmus"},
        {T_Form_Einstellungen::Atemgase, "Atemgase"},
        {T_Form_Einstellungen::Grenzwerte, "Grenzwerte"}};
    bool ok = true;
    for (const auto& [Seite, Name] : Seiten) {
        f.PageControl->setCurrentIndex(Seite);
        ok = speichern(f, Ordner, Name, Kuerzel(Sprache)) && ok;
    }
    const auto Unterseiten = [&](int Seite, const QString& Name, auto* Blatt, const QStringList& Namen) {
        f.PageControl->setCurrentIndex(Seite);
        for (int k = 0; k < Namen.size(); ++k) {
            Blatt->Unterseite_zeigen(k);
            ok = speichern(f, Ordner, Name + "-" + Namen[k], Kuerzel(Sprache)) && ok;
        }
    };
    Unterseiten(T_Form_Einstellungen::Gasverbrauch, "Gasverbrauch", f.TabSheet_Gasverbrauch,
                {"OC", "CCR", "SCR", "pSCR"});
    Unterseiten(T_Form_Einstellungen::Sicherheit, "Sicherheit", f.TabSheet_Sicherheit,
                {"Buehlmann", "GF", "DeepStop"});
    f.hide();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
