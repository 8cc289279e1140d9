#include "ui/displays/T_Form_Gewebe.hpp"

#include "physics/Unit_Gewebe_barL.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/widgets/Balkenanzeige.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {
namespace A = Unit_Gewebeanzeige;
// Every column has its rows at the same height, so the compartments line up across the groups.
constexpr int Zeilenhoehe = 15;

void setze(QLabel* l, const std::string& Text) {
    const QString t = QString::fromStdString(Text);
    if (l->text() != t) l->setText(t);
}

// A group whose inner groups stand side by side.
QGroupBox* Sammelgruppe(QWidget* Eltern, const char* Name, int Tag) {
    auto* g = benannt(new QGroupBox(Eltern), Name, Tag);
    (new QHBoxLayout(g))->setContentsMargins(4, 2, 4, 4);
    return g;
}

QGridLayout* Zeilenraster(QGroupBox* g) {
    auto* Raster = new QGridLayout(g);
    Raster->setContentsMargins(4, 2, 4, 4);
    Raster->setHorizontalSpacing(3);
    Raster->setVerticalSpacing(2);
    return Raster;
}
} // namespace

T_Form_Gewebe::T_Form_Gewebe(QWidget* Hauptfenster)
    : Gewebefenster(Unit_Gewebe_barL::Gewebesaettigung_zeigen, Hauptfenster) {
    benannt(this, "T_Form_Gewebe", 270);
    auto* Reihe = new QHBoxLayout(this);
    Reihe->setContentsMargins(4, 4, 4, 4);
    Reihe->setSpacing(4);
    Reihe->setSizeConstraint(QLayout::SetFixedSize);

    RadioGroup_Anzeige = benannt(new Radiogruppe(this), "RadioGroup_Anzeige", 274);
    RadioGroup_Anzeige->setEintraege({"1", "2", "3", "4"});
    Reihe->addWidget(RadioGroup_Anzeige, 0, Qt::AlignTop);
    connect(RadioGroup_Anzeige, &Radiogruppe::gewaehlt, this, [this](int k) { Umfang_setzen(k + 1); });

    GroupBox_Saettigung = Sammelgruppe(this, "GroupBox_Saettigung", 271);
    GroupBox_pMax = Gruppe(GroupBox_Saettigung, "GroupBox_pMax", 0, "pMax ", A::Gruppe::pMax);
    GroupBox_pMax0_Luft = Gruppe(GroupBox_Saettigung, "GroupBox_pMax0_Luft", 272, "", A::Gruppe::pMax0_Luft);
    GroupBox_pMax_p = Gruppe(GroupBox_Saettigung, "GroupBox_pMax_p", 0, "pMax - p", A::Gruppe::Gradient);
    Gauges_anlegen(GroupBox_pMax, Balken_pMax, "Balken_pMax", A::Skala_Prozent, true);
    Gauges_anlegen(GroupBox_pMax0_Luft, Balken_pMax0_Luft, "Balken_pMax0_Luft", A::Skala_Prozent, false);
    Gauges_anlegen(GroupBox_pMax0_Luft, Balken_pMax0_Ueberlauf, "Balken_pMax0_Ueberlauf", A::Skala_Ueberlauf,
                   false);
    Gauges_anlegen(GroupBox_pMax_p, Balken_pMax_p, "Balken_pMax_p", A::Skala_Prozent, false);
    for (auto* b : Balken_pMax0_Luft) b->setHintergrund(Qt::white);
    for (auto* b : Balken_pMax0_Ueberlauf) b->setHintergrund(Qt::white);
    Reihe->addWidget(GroupBox_Saettigung);

    GroupBox_Inertgasdruck = Sammelgruppe(this, "GroupBox_Inertgasdruck", 273);
    GroupBox_p_N2 = Gruppe(GroupBox_Inertgasdruck, "GroupBox_p_N2", 0, "p N2 ", A::Gruppe::p_N2);
    GroupBox_p_He = Gruppe(GroupBox_Inertgasdruck, "GroupBox_p_He", 0, "p He ", A::Gruppe::p_He);
    GroupBox_pMax_bar = Gruppe(GroupBox_Inertgasdruck, "GroupBox_pMax_bar", 0, "pMax ", A::Gruppe::p_Max);
    GroupBox_pMax0 = Gruppe(GroupBox_Inertgasdruck, "GroupBox_pMax0", 0, "pMax(0) ", A::Gruppe::p_Max0);
    Zahlen_anlegen(GroupBox_p_N2, Label_p_N2, "Label_p_N2");
    Zahlen_anlegen(GroupBox_p_He, Label_p_He, "Label_p_He");
    Zahlen_anlegen(GroupBox_pMax_bar, Label_pMax, "Label_pMax");
    Zahlen_anlegen(GroupBox_pMax0, Label_pMax0, "Label_pMax0");
    Reihe->addWidget(GroupBox_Inertgasdruck);

    RadioGroup_Anzeige->setEintrag(0);
    Umfang_setzen(1);
}

QGroupBox* T_Form_Gewebe::Gruppe(QWidget* Eltern, const char* Name, int Tag, const char* Titel,
                                 Unit_Gewebeanzeige::Gruppe Erklaerung) {
    auto* g = benannt(new QGroupBox(Titel, Eltern), Name, Tag);
    Eltern->layout()->addWidget(g);
    Zeilenraster(g);
    Erklaerung_bei_Rechtsklick(g, A::Erklaerung(Erklaerung));
    return g;
}

void T_Form_Gewebe::Gauges_anlegen(QGroupBox* g, std::array<Balkenanzeige*, Anzahl>& Balken, const char* Name,
                                   int Skala, bool mit_Nummer) {
    auto* Raster = static_cast<QGridLayout*>(g->layout());
    const int Spalte = Raster->columnCount();
    for (int i = 0; i < Anzahl; ++i) {
        if (mit_Nummer) {
            auto* Nummer = new QLabel(QString::number(i + 1), g);
            Nummer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Nummer->setFixedHeight(Zeilenhoehe);
            Raster->addWidget(Nummer, i, 0);
        }
        auto* b = benannt(new Balkenanzeige(g), QString("%1_%2").arg(Name).arg(i + 1));
        b->setSkala(0, Skala);
        b->setFixedSize(64, Zeilenhoehe);
        b->setContextMenuPolicy(Qt::NoContextMenu); // the group's explanation
        Raster->addWidget(b, i, mit_Nummer ? 1 : Spalte);
        Balken[static_cast<std::size_t>(i)] = b;
    }
}

void T_Form_Gewebe::Zahlen_anlegen(QGroupBox* g, std::array<QLabel*, Anzahl>& Labels, const char* Name) {
    auto* Raster = static_cast<QGridLayout*>(g->layout());
    const QFont Schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < Anzahl; ++i) {
        auto* l = benannt(new QLabel(g), QString("%1_%2").arg(Name).arg(i + 1));
        l->setFont(Schrift);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A fixed size and its own background: a new text asks no layout to run and no group
        // beneath to be painted again.
        l->setFixedSize(QFontMetrics(Schrift).horizontalAdvance("000.000"), Zeilenhoehe);
        l->setAutoFillBackground(true);
        l->setBackgroundRole(QPalette::Base);
        Raster->addWidget(l, i, 0);
        Labels[static_cast<std::size_t>(i)] = l;
    }
}

void T_Form_Gewebe::aktualisieren() {
    for (int i = 1; i <= Anzahl; ++i) {
        const A::Kompartiment_Typ k = A::Kompartiment(i);
        const auto j = static_cast<std::size_t>(i - 1);
        Balken_setzen(Balken_pMax[j], k.pMax);
        Balken_setzen(Balken_pMax0_Luft[j], k.pMax0_Luft);
        Balken_setzen(Balken_pMax0_Ueberlauf[j], k.pMax0_Ueberlauf);
        Balken_setzen(Balken_pMax_p[j], k.Gradient);
        setze(Label_p_N2[j], k.p_N2);
        setze(Label_p_He[j], k.p_He);
        setze(Label_pMax[j], k.p_Max);
        setze(Label_pMax0[j], k.p_Max0);
    }
}

void T_Form_Gewebe::Umfang_setzen(int Umfang) {
    Umfang = std::clamp(Umfang, 1, 4);
    if (RadioGroup_Anzeige->Eintrag() != Umfang - 1) RadioGroup_Anzeige->setEintrag(Umfang - 1);
    GroupBox_pMax0_Luft->setVisible(Umfang >= 2);
    GroupBox_pMax_p->setVisible(Umfang >= 3);
    GroupBox_Inertgasdruck->setVisible(Umfang >= 4);
    adjustSize();
    platzieren();
}

QRect T_Form_Gewebe::Platz() const {
    QRect r(QPoint(), frameGeometry().size());
    r.moveBottomRight(Hauptfenster()->frameGeometry().bottomRight());
    return r;
}

void T_Form_Gewebe::platzieren() {
    move(Platz().topLeft());
}
