// The calculation pages of the settings dialog, each sub-page too, at the size the dialog gives
// them: T_Form_Einstellungen-<page>[-<sub-page>]-<language>.png.
#include "Bildschirmfotos.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/settings/Einstellungsseiten_Rechnung.hpp"

#include <QTabWidget>

namespace Bildschirmfotos {

namespace {
// One page in a tab widget standing in for the dialog; each sub-page a picture of its own.
template <typename Seite>
bool Seite_aufnehmen(const QDir& Ordner, const char* Sprache, const QString& Name,
                     const QStringList& Unterseiten = {}) {
    QTabWidget Dialog;
    Dialog.setObjectName("T_Form_Einstellungen");
    auto* s = new Seite;
    Dialog.addTab(s, {});
    Beschriftungen_anwenden(&Dialog);
    s->Anzeigen();
    Dialog.resize(900, 600);
    Dialog.show();
    if (Unterseiten.isEmpty()) return speichern(Dialog, Ordner, Name, Sprache);
    bool ok = true;
    for (int k = 0; k < Unterseiten.size(); ++k) {
        if constexpr (requires { s->Unterseite_zeigen(k); }) s->Unterseite_zeigen(k);
        ok = speichern(Dialog, Ordner, Name + "-" + Unterseiten[k], Sprache) && ok;
    }
    return ok;
}
} // namespace

bool Einstellungsseiten_Rechnung(const QDir& Ordner, int Sprache) {
    const char* K = Kuerzel(Sprache);
    Unit_Tools::Sprache = Sprache;
    Unit_UI::Headless Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    bool ok = Seite_aufnehmen<Seite_Gasverbrauch>(Ordner, K, "Gasverbrauch", {"OC", "CCR", "SCR", "pSCR"});
    ok = Seite_aufnehmen<Seite_Modelle>(Ordner, K, "Modelle") && ok;
    ok = Seite_aufnehmen<Seite_Algorithmus>(Ordner, K, "Algorithmus") && ok;
    ok = Seite_aufnehmen<Seite_Sicherheit>(Ordner, K, "Sicherheit", {"Buehlmann", "GF", "DeepStop"}) && ok;
    ok = Seite_aufnehmen<Seite_Atemgase>(Ordner, K, "Atemgase") && ok;
    ok = Seite_aufnehmen<Seite_Grenzwerte>(Ordner, K, "Grenzwerte") && ok;
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
