// The settings dialog, one picture per page about the surroundings, in the language of the run.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
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
        {T_Form_Einstellungen::RuntimeTabelle, "RuntimeTabelle"}};
    bool ok = true;
    for (const auto& [Seite, Name] : Seiten) {
        f.PageControl->setCurrentIndex(Seite);
        ok = speichern(f, Ordner, Name, Kuerzel(Sprache)) && ok;
    }
    f.hide();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
