// The print preview of the computed trimix report with the dive graph: the first page and the
// last one with the graph, and the same pages as a PDF beside the pictures (for pdftoppm).
#include "Bildschirmfotos.hpp"

#include "commands/Unit_Main.hpp"
#include "files/Unit_Save_Read.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/displays/T_Form_PrePrinter.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>

#include <iostream>

namespace Bildschirmfotos {

bool Druck(const QDir& Ordner, int Sprache) {
    const char* Kuerzel_Sprache = Kuerzel(Sprache);
    Aufnahme_Oberflaeche Oberflaeche;
    const auto Fenster = Hauptfenster_zeigen(Oberflaeche, Sprache);
    T_Form_main& f = *Fenster;
    Oberflaeche.Antwort_Datei = std::string(BRELUNE_DATEN) + "/Example_dives/Trimix_60m_25min.dec";
    Unit_Save_Read::Tauchgang_laden(Unit_Main::Tauchgang_geladen);
    Unit_Main::Austauchen_Klick();
    f.Hauptfenster_aktualisieren();

    // the tabs with their print and office buttons
    bool ok = true;
    for (const char* Reiter : {"TabSheet_Report", "TabSheet_RunTimeTabelle"}) {
        f.PageControl_links->setCurrentWidget(f.findChild<QWidget*>(Reiter));
        ok = speichern(f, Ordner, Reiter, Kuerzel_Sprache) && ok;
    }

    f.findChild<QAction*>("Aktion_Report_drucken")->trigger();
    T_Form_PrePrinter& v = *f.Druckvorschau;
    v.Drucker().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter));
    v.Seiten_neu_planen();
    ok = speichern(v, Ordner, "report-page1", Kuerzel_Sprache) && ok;
    while (v.Button_plus->isEnabled()) v.Button_plus->click();
    ok = speichern(v, Ordner, "report-graph", Kuerzel_Sprache) && ok;
    Oberflaeche.Antwort_Datei =
        Ordner.filePath(QString("T_Form_PrePrinter-report-%1.pdf").arg(Kuerzel_Sprache)).toStdString();
    const std::size_t Meldungen_vorher = Oberflaeche.Meldungen.size();
    v.Button_PDF->click();
    for (std::size_t k = Meldungen_vorher; k < Oberflaeche.Meldungen.size(); ++k) {
        std::cerr << "PDF: " << Oberflaeche.Meldungen[k].Text << '\n';
        ok = false;
    }
    v.hide();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
