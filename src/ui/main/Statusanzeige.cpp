#include "ui/main/Statusanzeige.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "gases/Unit_Gasgemisch_BestMix.hpp"
#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Formeln.hpp"
#include "physics/Unit_Grenzwerte.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "physics/Unit_Sauerstofftoxizitaet.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/widgets/Alarmlampe.hpp"
#include "ui/widgets/Balkenanzeige.hpp"
#include "ui/widgets/Rundinstrument.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {
namespace W = Unit_WayPoints;
namespace O2 = Unit_Sauerstofftoxizitaet;
namespace Graph = Unit_Graph_Utilities;

// Between the groups and around them: the tab's width rule counts 8 pixels per group.
constexpr int Rand = 4;
constexpr int Abstand = 8;

QString T(const std::string& Deutsch, const std::string& Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QString Zahl(int Nachkommastellen, long double Wert) {
    return QString::fromStdString(Unit_Tools::Zahl_formatieren(0, Nachkommastellen, Wert));
}

QGroupBox* Gruppe(QWidget* Eltern, const char* Name, int Tag, const std::string& Deutsch,
                  const std::string& Englisch) {
    auto* g = new QGroupBox(T(Deutsch, Englisch), Eltern);
    g->setObjectName(Name);
    g->setProperty("tag", Tag);
    return g;
}

Rundinstrument* Instrument(QGroupBox* g, const char* Name, int Zeiger = 1) {
    auto* r = new Rundinstrument(Zeiger, g);
    r->setObjectName(Name);
    Name_geben(r, [g] { return g->title(); }); // again after the caption walk renamed the group
    return r;
}

Alarmlampe* Lampe(QGroupBox* g, const char* Name) {
    auto* l = new Alarmlampe(g);
    l->setObjectName(Name);
    Name_geben(l, [g] { return g->title(); });
    return l;
}

// A read-only field as wide as the given sample text. Its own menu is off, so a right click
// reaches the group and its help.
QLineEdit* Feld(QWidget* Eltern, const char* Name, const QString& Muster) {
    auto* f = new QLineEdit(Eltern);
    f->setObjectName(Name);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    f->setContextMenuPolicy(Qt::NoContextMenu);
    f->setAlignment(Qt::AlignRight);
    f->setFixedWidth(f->fontMetrics().horizontalAdvance(Muster) + 14);
    return f;
}

void setze(QLineEdit* f, const QString& Text) {
    if (f->text() != Text) f->setText(Text);
}

void setze(QLabel* l, const QString& Text) {
    if (l->text() != Text) l->setText(Text);
}

void Hilfe(QWidget* w, const std::string& Deutsch, const std::string& Englisch) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w,
                     [Deutsch, Englisch] { Unit_Tools::Meldung_Info(Deutsch, Englisch); });
}

// A dial group: the dial on top, below it a lamp on the left and/or a field on the right.
void Instrumentlayout(QGroupBox* g, Rundinstrument* r, Alarmlampe* l, QLineEdit* f) {
    auto* Raster = new QGridLayout(g);
    Raster->setContentsMargins(6, 4, 6, 6);
    Raster->setSpacing(3);
    Raster->addWidget(r, 0, 0, 1, 2);
    if (l) Raster->addWidget(l, 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
    if (f) Raster->addWidget(f, 1, 1, Qt::AlignRight);
    // The dial keeps its size at the top; what height is left stays below.
    Raster->setRowStretch(2, 1);
}

// The pressure dial reaches the next of these that holds every pointer.
double Druckskala(double hoechster_Druck) {
    for (double Maximum : {5.0, 10.0, 20.0, 40.0})
        if (hoechster_Druck <= Maximum) return Maximum;
    return 10 * std::ceil(hoechster_Druck / 10);
}

const QColor Rot(220, 30, 30);
const QColor Gelb(240, 200, 0);
const QColor Blau(40, 90, 220);
} // namespace

Statusanzeige::Statusanzeige(QWidget* parent) : QWidget(parent) {
    setObjectName("Statusanzeige");

    // Groups always shown: depth and dive time side by side, deco zone under the dive time,
    // warnings and gas across the whole column.
    Spalte_immer_ = new QWidget(this);
    GroupBox_Tiefe = Gruppe(Spalte_immer_, "GroupBox_Tiefe", 89, "Tiefe (m)", "Depth (m)");
    Rundinstrument_Tiefe = Instrument(GroupBox_Tiefe, "Rundinstrument_Tiefe");
    Rundinstrument_Tiefe->setSkala(0, Unit_Main::m_Wasser_Grenze);
    Instrumentlayout(GroupBox_Tiefe, Rundinstrument_Tiefe, nullptr, nullptr);

    GroupBox_Tauchzeit = Gruppe(Spalte_immer_, "GroupBox_Tauchzeit", 90, "Tauchzeit", "Dive time");
    Edit_Runtime_min = Feld(GroupBox_Tauchzeit, "Edit_Runtime_min", "0000.0");
    Edit_Runtime_hms = Feld(GroupBox_Tauchzeit, "Edit_Runtime_hms", "00:00:00");
    Name_geben(Edit_Runtime_min, [] { return Beschriftung(90) + " (min)"; });
    Name_geben(Edit_Runtime_hms, [] { return Beschriftung(90) + " (h:min:s)"; });
    {
        auto* Raster = new QGridLayout(GroupBox_Tauchzeit);
        Raster->setContentsMargins(6, 4, 6, 6);
        Raster->addWidget(Edit_Runtime_min, 0, 0);
        Raster->addWidget(new QLabel("min", GroupBox_Tauchzeit), 0, 1);
        Raster->addWidget(Edit_Runtime_hms, 1, 0);
    }

    GroupBox_Dekozone = Gruppe(Spalte_immer_, "GroupBox_Dekozone", 94, "Deko-Zone", "Deco zone");
    Alarmlampe_Dekozone = Lampe(GroupBox_Dekozone, "Alarmlampe_Dekozone");
    Edit_Dekozone = Feld(GroupBox_Dekozone, "Edit_Dekozone", "000.0 m");
    {
        auto* Zeile = new QHBoxLayout(GroupBox_Dekozone);
        Zeile->setContentsMargins(6, 4, 6, 6);
        Zeile->addWidget(Alarmlampe_Dekozone);
        Zeile->addStretch(1);
        Zeile->addWidget(Edit_Dekozone);
    }
    Hilfe(
        GroupBox_Dekozone,
        "Dekompressionszone\r\rIn der Dekompressions-Zone beginnt die Entsättigung\r\rDas bedeutet: in der "
        "Deko-Zone ist mindestens ein Gewebe übersättigt, d.h. die\rInertgassättigung mindestens eines "
        "Gewebes "
        "ist höher als der momentane Umgebungsdruck.\r\rrotes Symbol = Taucher ist in der "
        "Dekozone\rTiefenangabe "
        "= Beginn der Deko-Zone",
        "Decompression zone\r\rThe de-saturation begins in the decompression zone\r\rThis means: in the deco "
        "zone at least one tissue is over saturated, in other words the\rinert gas saturation of at least "
        "one "
        "tissue is higher than the actual ambient pressure.\r\rred symbol = diver is in the deco zone\rdepth "
        "value = begin of deco zone");

    GroupBox_Warnungen = Gruppe(Spalte_immer_, "GroupBox_Warnungen", 96, "Warnungen", "Warnings");
    Alarmlampe_Warnungen = Lampe(GroupBox_Warnungen, "Alarmlampe_Warnungen");
    Edit_Warnungen = new QLineEdit(GroupBox_Warnungen);
    Edit_Warnungen->setObjectName("Edit_Warnungen");
    Edit_Warnungen->setReadOnly(true);
    Edit_Warnungen->setFocusPolicy(Qt::NoFocus);
    Edit_Warnungen->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Edit_Warnungen->setMinimumWidth(Edit_Warnungen->fontMetrics().horizontalAdvance("pO2 > 1.60 bar. CNS"));
    {
        auto* Zeile = new QHBoxLayout(GroupBox_Warnungen);
        Zeile->setContentsMargins(6, 4, 6, 6);
        Zeile->addWidget(Alarmlampe_Warnungen);
        Zeile->addWidget(Edit_Warnungen, 1);
    }

    GroupBox_Atemgas = Gruppe(Spalte_immer_, "GroupBox_Atemgas", 95, "Atemgas", "Gas");
    Label_Tauchgeraet = new QLabel(GroupBox_Atemgas);
    Label_Tauchgeraet->setObjectName("Label_Tauchgeraet");
    QFont fett = Label_Tauchgeraet->font();
    fett.setBold(true);
    Label_Tauchgeraet->setFont(fett);
    // As wide as the longest line, so the column does not move with the apparatus.
    Label_Tauchgeraet->setMinimumWidth(QFontMetrics(fett).horizontalAdvance("SCR flow = 99.99 l/min") + 2);
    Label_Tauchgeraet->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label_Tauchgeraet_Erklaerung = new QLabel(GroupBox_Atemgas);
    Label_Tauchgeraet_Erklaerung->setObjectName("Label_Tauchgeraet_Erklaerung");
    Label_Tauchgeraet_Erklaerung->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Edit_Gasgemisch = Feld(GroupBox_Atemgas, "Edit_Gasgemisch", "Trimix 10/70 (H)");
    Edit_Gasgemisch->setAlignment(Qt::AlignLeft);
    // The gas box of the main window is "Atemgas" too: this one is the gas breathed now.
    Name_geben(Edit_Gasgemisch, [] { return Beschriftung(88) + ": " + Beschriftung(95); });
    Hilfe(Edit_Gasgemisch,
          "Atemgas im offenen System (OC)\roder Verdünnungsgas = Diluent im geschlossenen Kreislaufsystem "
          "(CCR)",
          "Breathing gas in open system (OC)\ror diluent in closed circuit rebreather (CCR)");
    {
        auto* Raster = new QGridLayout(GroupBox_Atemgas);
        Raster->setContentsMargins(6, 4, 6, 6);
        Raster->setVerticalSpacing(2);
        Raster->addWidget(Label_Tauchgeraet, 0, 0);
        Raster->addWidget(Edit_Gasgemisch, 0, 1, Qt::AlignRight);
        Raster->addWidget(Label_Tauchgeraet_Erklaerung, 1, 0, 1, 2);
    }

    auto* Spalte = new QGridLayout(Spalte_immer_);
    Spalte->setContentsMargins(0, 0, 0, 0);
    Spalte->setSpacing(Abstand / 2);
    Spalte->addWidget(GroupBox_Tiefe, 0, 0, 2, 1);
    Spalte->addWidget(GroupBox_Tauchzeit, 0, 1);
    Spalte->addWidget(GroupBox_Dekozone, 1, 1);
    Spalte->addWidget(GroupBox_Warnungen, 2, 0, 1, 2);
    Spalte->addWidget(GroupBox_Atemgas, 3, 0, 1, 2);
    Spalte->setRowStretch(0, 1);
    Spalte->setRowStretch(1, 1);

    // The optional groups, each a column of its own.
    GroupBox_pO2 = Gruppe(this, "GroupBox_pO2", 332, "p O2 (bar)", "p O2 (bar)");
    Rundinstrument_pO2 = Instrument(GroupBox_pO2, "Rundinstrument_pO2");
    Rundinstrument_pO2->setSkala(0, 2);
    Rundinstrument_pO2->setFarbbereiche(
        {{0, O2::bar_pO2_Minimum, Rot}, {O2::bar_pO2_Maximum, Rundinstrument_pO2->Maximum(), Rot}});
    Alarmlampe_pO2 = Lampe(GroupBox_pO2, "Alarmlampe_pO2");
    Instrumentlayout(GroupBox_pO2, Rundinstrument_pO2, Alarmlampe_pO2, nullptr);

    GroupBox_END = Gruppe(this, "GroupBox_END", 331, "END (m)", "END (m)");
    Rundinstrument_END = Instrument(GroupBox_END, "Rundinstrument_END");
    Rundinstrument_END->setSkala(0, 100);
    Rundinstrument_END->setFarbbereiche({{Unit_Formeln::m_END_Maximum, 100, Rot}});
    Alarmlampe_END = Lampe(GroupBox_END, "Alarmlampe_END");
    Instrumentlayout(GroupBox_END, Rundinstrument_END, Alarmlampe_END, nullptr);
    Label_Gasdichte = new QLabel(GroupBox_END);
    Label_Gasdichte->setObjectName("Label_Gasdichte");
    Edit_Gasdichte = Feld(GroupBox_END, "Edit_Gasdichte", "00.00 g/l");
    Label_Gasdichte->setBuddy(Edit_Gasdichte);
    Name_geben(Edit_Gasdichte, [] { return T("Gasdichte", "Gas density") + " (g/l)"; });
    {
        auto* Raster = static_cast<QGridLayout*>(GroupBox_END->layout());
        Raster->addWidget(Label_Gasdichte, 2, 0);
        Raster->addWidget(Edit_Gasdichte, 2, 1, Qt::AlignRight);
        Raster->setRowStretch(2, 0);
        Raster->setRowStretch(3, 1);
    }
    Hilfe(Edit_Gasdichte,
          "Gasdichte des geatmeten Gases bei 0 °C.\rÜber der Warnung steht sie gelb, über dem "
          "Maximum rot.",
          "Density of the gas breathed, at 0 °C.\rAbove the warning it shows yellow, above the maximum red.");

    GroupBox_CNS = Gruppe(this, "GroupBox_CNS", 333, "CNS (%)", "CNS (%)");
    Rundinstrument_CNS = Instrument(GroupBox_CNS, "Rundinstrument_CNS");
    Rundinstrument_CNS->setSkala(0, 150);
    Rundinstrument_CNS->setFarbbereiche({{static_cast<double>(O2::CNS_Prozent_Maximum), 150, Rot}});
    Alarmlampe_CNS = Lampe(GroupBox_CNS, "Alarmlampe_CNS");
    Instrumentlayout(GroupBox_CNS, Rundinstrument_CNS, Alarmlampe_CNS, nullptr);

    GroupBox_OTU = Gruppe(this, "GroupBox_OTU", 334, "OTU", "OTU");
    Rundinstrument_OTU = Instrument(GroupBox_OTU, "Rundinstrument_OTU");
    Rundinstrument_OTU->setSkala(0, 1000);
    Rundinstrument_OTU->setFarbbereiche({{static_cast<double>(O2::OTU_Maximum), 1000, Rot}});
    Alarmlampe_OTU = Lampe(GroupBox_OTU, "Alarmlampe_OTU");
    Instrumentlayout(GroupBox_OTU, Rundinstrument_OTU, Alarmlampe_OTU, nullptr);

    GroupBox_Uhrzeit = Gruppe(this, "GroupBox_Uhrzeit", 92, "Uhrzeit", "time of day");
    Edit_Uhrzeit_Runtime = Feld(GroupBox_Uhrzeit, "Edit_Uhrzeit_Runtime", "00:00:00");
    Edit_Uhrzeit_Start = Feld(GroupBox_Uhrzeit, "Edit_Uhrzeit_Start", "00:00:00");
    Edit_Uhrzeit_Start->installEventFilter(this);
    {
        auto* Raster = new QGridLayout(GroupBox_Uhrzeit);
        Raster->setContentsMargins(6, 4, 6, 6);
        auto* Runtime = new QLabel("Runtime", GroupBox_Uhrzeit);
        auto* Start = new QLabel("Start", GroupBox_Uhrzeit);
        Runtime->setBuddy(Edit_Uhrzeit_Runtime);
        Start->setBuddy(Edit_Uhrzeit_Start);
        Raster->addWidget(Runtime, 0, 0);
        Raster->addWidget(Edit_Uhrzeit_Runtime, 0, 1);
        Raster->addWidget(Start, 1, 0);
        Raster->addWidget(Edit_Uhrzeit_Start, 1, 1);
        Raster->setRowStretch(2, 1);
    }

    GroupBox_GF = Gruppe(this, "GroupBox_GF", 335, "GF (%)", "GF (%)");
    Rundinstrument_GF = Instrument(GroupBox_GF, "Rundinstrument_GF");
    Rundinstrument_GF->setSkala(0, 120);
    Rundinstrument_GF->setFarbbereiche({{100, 120, Rot}});
    Edit_GF_Gewebe = Feld(GroupBox_GF, "Edit_GF_Gewebe", "00");
    Instrumentlayout(GroupBox_GF, Rundinstrument_GF, nullptr, Edit_GF_Gewebe);
    Hilfe(
        GroupBox_GF,
        "Aktueller Gradienten-Faktor GF für das momentan kritische Gewebe\r\rDer GF ist definiert als =\r    "
        "(Gewebesättigung - Umgebungsdruck) / (Max. erlaubte Gewebesättigung - Umgebungsdruck)\r\rGraue "
        "Felder "
        "= eingestellte GF Hi und GF Lo\rRechts unten = Nummer des momentan kritischen Gewebes = Gewebe mit "
        "höchstem GF",
        "Gradient factor GF for the actual critical tissue\r\rThe GF is defiend as =\r    (tissue "
        "saturatioin - "
        "ambient pressure) / (max. allowed tissue saturation - ambient pressure)\r\rGray fields = adjusted "
        "GF Hi "
        "and GF Lo\rRight below = number of the actual critical tissue = tissue with highest GF");

    GroupBox_Druck = Gruppe(this, "GroupBox_Druck", 91, "Druck (bar)", "Pressure (bar)");
    Rundinstrument_Druck = Instrument(GroupBox_Druck, "Rundinstrument_Druck", 3);
    Rundinstrument_Druck->setSkala(0, 5);
    Rundinstrument_Druck->setZeigerfarbe(1, Gelb);
    Rundinstrument_Druck->setZeigerfarbe(2, Rot);
    Edit_Druck_Gewebe = Feld(GroupBox_Druck, "Edit_Druck_Gewebe", "00");
    Instrumentlayout(GroupBox_Druck, Rundinstrument_Druck, nullptr, Edit_Druck_Gewebe);
    Hilfe(GroupBox_Druck,
          "Aktuelle Drücke\r\rSchwarzer Zeiger = Umgebungsdruck\rGelb = aktuelle Inertgas-Sättigung des "
          "kritischen "
          "Gewebes\rRot = aktuell erlaubte maximale Inertgas-Sättigung (Übersättigung) des kritischen "
          "Gewebes\r\rRechts unten = Nummer des momentan kritischen Gewebes = Gewebe mit maximaler "
          "Inertgas-Sättigung",
          "Actual pressures\r\rblack pointer = ambient pressure\ryellow = actual saturation with inert gas "
          "of the "
          "critical tissue\rred = actual allowed maximum saturation with inert gas (oversaturation) of the "
          "critical tisssue\r\rright below = number of the actual critical tissue = tissue with maximum "
          "saturation with inert gas");

    GroupBox_Atemkreislauf = Gruppe(this, "GroupBox_Atemkreislauf", 93, "Atemgas (i %) ", "Gas (i %)");
    Balkenanzeige_Atemkreislauf = new Balkenanzeige(GroupBox_Atemkreislauf);
    Balkenanzeige_Atemkreislauf->setObjectName("Balkenanzeige_Atemkreislauf");
    Name_geben(Balkenanzeige_Atemkreislauf, [this] { return GroupBox_Atemkreislauf->title(); });
    Balkenanzeige_Atemkreislauf->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Label_O2 = new QLabel(GroupBox_Atemkreislauf);
    Label_O2->setObjectName("Label_O2");
    Label_N2 = new QLabel(GroupBox_Atemkreislauf);
    Label_N2->setObjectName("Label_N2");
    Label_He = new QLabel(GroupBox_Atemkreislauf);
    Label_He->setObjectName("Label_He");
    {
        auto* Stapel = new QVBoxLayout(GroupBox_Atemkreislauf);
        Stapel->setContentsMargins(6, 4, 6, 6);
        Stapel->setSpacing(3);
        Stapel->addWidget(Balkenanzeige_Atemkreislauf);
        for (QLabel* l : {Label_O2, Label_N2, Label_He}) {
            l->setMinimumWidth(l->fontMetrics().horizontalAdvance("O2 = 100.0 %"));
            Stapel->addWidget(l);
        }
        Stapel->addStretch(1);
    }
    Hilfe(
        GroupBox_Atemkreislauf,
        "Zusammensetzung des aktuellen Atemgases im Atemkreislauf\r\rBlau = Sauerstoff O2\rGelb = Stickstoff "
        "N2\rWeiß = Helium He",
        "Contents of the breathing gas\r\rblue = oxygen O2\ryellow = nitrogen N2\rwhite = helium He");

    GroupBox_Differenzdruck = Gruppe(this, "GroupBox_Differenzdruck", 329, "Differenzdruck N2, He (%)",
                                     "Differential pressure N2, He (%)");
    Rundinstrument_Differenz_N2 = Instrument(GroupBox_Differenzdruck, "Rundinstrument_Differenz_N2");
    Rundinstrument_Differenz_He = Instrument(GroupBox_Differenzdruck, "Rundinstrument_Differenz_He");
    for (Rundinstrument* r : {Rundinstrument_Differenz_N2, Rundinstrument_Differenz_He}) {
        r->setSkala(-100, 100);
        r->setFarbbereiche({{0, 100, Gelb}});
    }
    Edit_Differenz_N2_Gewebe = Feld(GroupBox_Differenzdruck, "Edit_Differenz_N2_Gewebe", "00");
    Edit_Differenz_He_Gewebe = Feld(GroupBox_Differenzdruck, "Edit_Differenz_He_Gewebe", "00");
    Name_geben(Edit_Differenz_N2_Gewebe, [] {
        return T("Differenzdruck N2: kritisches Gewebe", "Differential pressure N2: critical tissue");
    });
    Name_geben(Edit_Differenz_He_Gewebe, [] {
        return T("Differenzdruck He: kritisches Gewebe", "Differential pressure He: critical tissue");
    });
    Alarmlampe_Gegendiffusion = Lampe(GroupBox_Differenzdruck, "Alarmlampe_Gegendiffusion");
    {
        auto* Raster = new QGridLayout(GroupBox_Differenzdruck);
        Raster->setContentsMargins(6, 4, 6, 6);
        Raster->setSpacing(3);
        Raster->addWidget(Rundinstrument_Differenz_N2, 0, 0, 1, 2);
        Raster->addWidget(Rundinstrument_Differenz_He, 0, 2, 1, 2);
        Raster->addWidget(Alarmlampe_Gegendiffusion, 1, 0, Qt::AlignLeft);
        Raster->addWidget(Edit_Differenz_N2_Gewebe, 1, 1, Qt::AlignRight);
        Raster->addWidget(Edit_Differenz_He_Gewebe, 1, 3, Qt::AlignRight);
        Raster->setRowStretch(2, 1);
    }
    Hilfe(
        GroupBox_Differenzdruck,
        "Partialdruckdifferenz zwischen im Gewebe gelöstem Gas und eingeatmetem Gas\rnormiert auf maximal "
        "erlaubten Gewebe-Überdruck. Angezeigt ist das kritische Gewebe.\r\rlinks: Stickstoff N2 * rechts: "
        "Helium He\r\rSchwarzer Zeiger = Partialdruckdifferenz (%)\r     Positive Werte: Partialdruck des "
        "gelösten Gases im Gewebe ist größer\r     Negative Werte: Partialdruck des eingeatmeten Gases ist "
        "größer\rGelb: positive Werte\rRechts unten = Nummer des momentan kritischen Gewebes = Gewebe mit "
        "maximaler Inertgas-Sättigung\rRote Warnung: kritische Gegendiffusion ist erreicht",
        "Difference of partial pressures of resolved gas and inhaled gas\rnormalized by the maximum allowed "
        "tissue overpressure. The critical tissue is shown.\r\rleft: nitrogen N2 * right: helium He\r\rBlack "
        "pointer = difference of partial pressures (%)\r     positive values: partial pressure of resolved "
        "gas "
        "is greater\r     negative values: partial pressure of inhaled gas is greater\ryellow: positive "
        "values\rright below = number of the actual critical tissue = tissue with maximum inert gas "
        "saturation\rred warning: critical counter diffusion is reached");

    auto* Reihe = new QHBoxLayout(this);
    Reihe->setContentsMargins(Rand, Rand, Rand, Rand);
    Reihe->setSpacing(Abstand);
    Reihe->addWidget(Spalte_immer_);
    for (QGroupBox* g : optionale_Gruppen()) Reihe->addWidget(g);
    Reihe->addStretch(1);

    Gruppen_einblenden();
    aktualisieren();
}

QList<QGroupBox*> Statusanzeige::optionale_Gruppen() const {
    return {GroupBox_pO2, GroupBox_END,   GroupBox_CNS,           GroupBox_OTU,           GroupBox_Uhrzeit,
            GroupBox_GF,  GroupBox_Druck, GroupBox_Atemkreislauf, GroupBox_Differenzdruck};
}

void Statusanzeige::Gruppen_einblenden() {
    GroupBox_pO2->setVisible(Graph::pO2_zeigen);
    GroupBox_END->setVisible(Graph::END_zeigen);
    GroupBox_CNS->setVisible(Graph::CNS_zeigen);
    GroupBox_OTU->setVisible(Graph::OTU_zeigen);
    GroupBox_Uhrzeit->setVisible(Graph::Uhrzeit_zeigen);
    GroupBox_GF->setVisible(Graph::GF_zeigen);
    GroupBox_Druck->setVisible(Graph::Druck_zeigen);
    GroupBox_Atemkreislauf->setVisible(Graph::Atemkreislauf_zeigen);
    GroupBox_Differenzdruck->setVisible(Graph::Gegendiffusion_zeigen);
}

int Statusanzeige::benoetigte_Breite() const {
    // The warnings group spans the column of the groups always shown, so it is as wide as that.
    int Breite = Spalte_immer_->sizeHint().width() + 2 * Rand;
    for (const QGroupBox* g : optionale_Gruppen())
        if (!g->isHidden()) Breite += g->sizeHint().width() + Abstand;
    return Breite;
}

bool Statusanzeige::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == Edit_Uhrzeit_Start && Ereignis->type() == QEvent::MouseButtonDblClick) {
        emit Startzeit_doppelgeklickt();
        return true;
    }
    return QWidget::eventFilter(Objekt, Ereignis);
}

void Statusanzeige::aktualisieren() {
    namespace G = Unit_Gasgemisch_BestMix;
    namespace S = Unit_Saettigungsmodelle;

    const QString Tiefe = Zahl(1, W::m_Wasser);
    Rundinstrument_Tiefe->setZeiger(0, W::m_Wasser);
    Rundinstrument_Tiefe->setWerttext(Tiefe);
    Rundinstrument_Tiefe->setToolTip(T("Tiefe = ", "Depth = ") + Tiefe + " m");

    const QString pO2 = Zahl(2, W::bar_pO2);
    Rundinstrument_pO2->setZeiger(0, W::bar_pO2);
    Rundinstrument_pO2->setWerttext(pO2);
    Rundinstrument_pO2->setToolTip("pO2 = " + pO2 + " bar");
    Alarmlampe_pO2->setAn(W::bar_pO2 < O2::bar_pO2_Minimum || W::bar_pO2 > O2::bar_pO2_Maximum);

    const QString Runtime = Zahl(1, W::min_Runtime);
    setze(Edit_Runtime_min, Runtime);
    setze(Edit_Runtime_hms, QString::fromStdString(Unit_Tools::Minuten_zu_Uhrzeit(W::min_Runtime).Text()));
    for (QLineEdit* f : {Edit_Runtime_min, Edit_Runtime_hms}) f->setToolTip("Runtime = " + Runtime + " min");

    const QString END = Zahl(1, W::m_END);
    Rundinstrument_END->setZeiger(0, W::m_END);
    Rundinstrument_END->setWerttext(END);
    Rundinstrument_END->setToolTip("END = " + END + " m");
    Alarmlampe_END->setAn(W::m_END > Unit_Formeln::m_END_Maximum);
    Gasdichte_zeigen();

    const QString CNS = Zahl(1, W::CNS_Prozent);
    Rundinstrument_CNS->setZeiger(0, static_cast<double>(W::CNS_Prozent));
    Rundinstrument_CNS->setWerttext(CNS);
    Rundinstrument_CNS->setToolTip("CNS = " + CNS + " %");
    // Red also while the pO2 lies beyond the NOAA table: the CNS shown is then no longer sound.
    Alarmlampe_CNS->setAn(W::CNS_Prozent > O2::CNS_Prozent_Maximum ||
                          O2::CNS_Anzeigefarbe == O2::CNS_Farbe::rot);

    const QString OTU = Zahl(0, W::OTU);
    Rundinstrument_OTU->setZeiger(0, static_cast<double>(W::OTU));
    Rundinstrument_OTU->setWerttext(OTU);
    Rundinstrument_OTU->setToolTip("OTU = " + OTU);
    Alarmlampe_OTU->setAn(W::OTU > O2::OTU_Maximum);

    const QString Start = QString::fromStdString(Graph::Startzeit.Text());
    const QString Jetzt = QString::fromStdString(Graph::Uhrzeit_der_Runtime(W::min_Runtime).Text());
    setze(Edit_Uhrzeit_Start, Start);
    setze(Edit_Uhrzeit_Runtime, Jetzt);
    Edit_Uhrzeit_Start->setToolTip(T("Start um = ", "Start at = ") + Start);
    Edit_Uhrzeit_Runtime->setToolTip(T("Runtime jetzt = ", "Runtime now = ") + Jetzt);

    const Unit_Grenzwerte::Leitkompartiment_Status_Typ k = Unit_Grenzwerte::Leitkompartiment_Status();
    const QString Gewebe = QString::number(k.i);
    const QString GF = Zahl(0, k.GF_Prozent);
    Rundinstrument_GF->setZeiger(0, k.GF_Prozent);
    Rundinstrument_GF->setWerttext(GF);
    Rundinstrument_GF->setToolTip(T("Aktueller GF = ", "Actual GF = ") + GF + " %");
    // The marks only while gradient factors are in force: otherwise they would promise a limit.
    Rundinstrument_GF->setMarken(S::GF_verwenden ? QList<double>{S::GF_Lo * 100.0, S::GF_Hi * 100.0}
                                                 : QList<double>{});
    setze(Edit_GF_Gewebe, Gewebe);

    const std::array<double, 3> Druecke = {static_cast<double>(k.bar_Umgebung),
                                           static_cast<double>(k.p_Inertgas),
                                           static_cast<double>(k.p_toleriert)};
    Rundinstrument_Druck->setSkala(0, Druckskala(std::max({Druecke[0], Druecke[1], Druecke[2]})));
    for (int n = 0; n < 3; ++n) Rundinstrument_Druck->setZeiger(n, Druecke[static_cast<std::size_t>(n)]);
    const QString Umgebung = Zahl(2, k.bar_Umgebung);
    Rundinstrument_Druck->setWerttext(Umgebung);
    Rundinstrument_Druck->setToolTip(T("Umgebungsdruck = ", "Ambient pressure = ") + Umgebung + " bar");
    setze(Edit_Druck_Gewebe, Gewebe);

    const double o = W::f_O2_atmen * 100.0, n = W::f_N2_atmen * 100.0, h = W::f_He_atmen * 100.0;
    Balkenanzeige_Atemkreislauf->setSegmente({{o, Blau}, {n, Gelb}, {h, Qt::white}});
    const QString O2_Text = "O2 = " + Zahl(1, o) + " %", N2_Text = "N2 = " + Zahl(1, n) + " %",
                  He_Text = "He = " + Zahl(1, h) + " %";
    setze(Label_O2, O2_Text);
    setze(Label_N2, N2_Text);
    setze(Label_He, He_Text);
    Balkenanzeige_Atemkreislauf->setToolTip(T("Atemgas: ", "Breathing gas: ") + O2_Text + " / " + N2_Text +
                                            " / " + He_Text);

    const QString dN2 = Zahl(0, k.Differenz_N2_Prozent), dHe = Zahl(0, k.Differenz_He_Prozent);
    Rundinstrument_Differenz_N2->setZeiger(0, static_cast<double>(k.Differenz_N2_Prozent));
    Rundinstrument_Differenz_N2->setWerttext("N2 " + dN2);
    Rundinstrument_Differenz_N2->setToolTip(T("Differenzdruck N2 = ", "Differential pressure N2 = ") + dN2 +
                                            " %");
    Rundinstrument_Differenz_He->setZeiger(0, static_cast<double>(k.Differenz_He_Prozent));
    Rundinstrument_Differenz_He->setWerttext("He " + dHe);
    Rundinstrument_Differenz_He->setToolTip(T("Differenzdruck He = ", "Differential pressure He = ") + dHe +
                                            " %");
    setze(Edit_Differenz_N2_Gewebe, Gewebe);
    setze(Edit_Differenz_He_Gewebe, Gewebe);
    Alarmlampe_Gegendiffusion->setAn(Unit_Grenzwerte::Gegendiffusion);

    Alarmlampe_Dekozone->setAn(W::Uebersaettigt);
    setze(Edit_Dekozone, W::m_Dekozone > 0 ? Zahl(1, W::m_Dekozone) + " m" : QString());

    const QString Warnung = QString::fromStdString(W::Warntext);
    Alarmlampe_Warnungen->setAn(!Warnung.isEmpty());
    if (Edit_Warnungen->text() != Warnung) {
        Edit_Warnungen->setText(Warnung);
        Edit_Warnungen->setCursorPosition(0); // a long text shows its beginning
    }
    Edit_Warnungen->setToolTip(Warnung);

    const Unit_Main::Tauchgeraet_Anzeige_Typ a = Unit_Main::Tauchgeraet_Anzeige();
    setze(Label_Tauchgeraet, QString::fromStdString(a.Statuszeile));
    setze(Label_Tauchgeraet_Erklaerung, QString::fromStdString(a.Erklaerung));
    const bool Gas_bekannt = W::Gas_Nr >= 0 && W::Gas_Nr <= G::Gasgemisch_NumMax;
    setze(Edit_Gasgemisch,
          Gas_bekannt ? QString::fromStdString(G::Gasgemisch[static_cast<std::size_t>(W::Gas_Nr)].Name)
                      : "-");
}

void Statusanzeige::Gasdichte_zeigen() {
    namespace F = Unit_Formeln;
    const float Dichte = F::g_pro_L_Gasdichte_atmen();
    const QString Text = Zahl(2, Dichte) + " g/l";
    setze(Label_Gasdichte, T("Dichte", "Density"));
    setze(Edit_Gasdichte, Text);
    Edit_Gasdichte->setToolTip(T("Gasdichte = ", "Gas density = ") + Text);
    QPalette Farben = palette();
    if (Dichte > F::g_pro_L_Gasdichte_Maximum)
        Farben.setColor(QPalette::Base, Rot);
    else if (Dichte > F::g_pro_L_Gasdichte_Warnung)
        Farben.setColor(QPalette::Base, Gelb);
    Edit_Gasdichte->setPalette(Farben);
}
