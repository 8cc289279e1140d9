#include "ui/displays/T_Form_Gewebedruck.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/displays/T_Form_Gewebe.hpp"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {
namespace A = Unit_Gewebeanzeige;
using Werte = std::array<double, 16>;

// The marks of the ambient and the tolerated pressures: bands this share of the scale thick.
constexpr double Markendicke = 0.012;

// Two points per compartment: a flat top from i - 0.5 to i + 0.5, steps between neighbours.
QList<QPointF> Stufen(const Werte& y, double abwaerts = 0) {
    QList<QPointF> p;
    p.reserve(2 * static_cast<qsizetype>(y.size()));
    for (std::size_t k = 0; k < y.size(); ++k) {
        const double i = static_cast<double>(k + 1);
        p.append({i - 0.5, y[k] - abwaerts});
        p.append({i + 0.5, y[k] - abwaerts});
    }
    return p;
}

// Four to eight steps of 1, 2 or 5 times a power of ten up the pressure axis.
double Teilung(double Maximum) {
    const double Zehnerpotenz = std::pow(10.0, std::floor(std::log10(Maximum / 4)));
    for (double Faktor : {1.0, 2.0, 5.0})
        if (Maximum / (Faktor * Zehnerpotenz) <= 8) return Faktor * Zehnerpotenz;
    return 10 * Zehnerpotenz;
}

void ersetzen(QLineSeries* s, const QList<QPointF>& p) {
    if (s->points() != p) s->replace(p);
}
} // namespace

T_Form_Gewebedruck::T_Form_Gewebedruck(QWidget* Hauptfenster, const T_Form_Gewebe* Gewebe)
    : Gewebefenster(Unit_Gewebe_barL::Gewebesaettigung_absolut_zeigen, Hauptfenster), Gewebefenster_(Gewebe) {
    benannt(this, "T_Form_Gewebedruck", 275);
    auto* Spalte = new QVBoxLayout(this);
    Spalte->setContentsMargins(4, 4, 4, 4);
    Spalte->setSpacing(2);

    Label_Ceiling = benannt(new QLabel(this), "Label_Ceiling");
    Label_Ceiling->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Spalte->addWidget(Label_Ceiling);

    Chart_ = new QChart;
    Chart_->legend()->hide();
    Chart_->setMargins(QMargins(0, 2, 4, 0));
    Chart_->setBackgroundRoundness(0);
    // Dark, so that the white helium share shows.
    Chart_->setPlotAreaBackgroundBrush(QColor(40, 40, 40));
    Chart_->setPlotAreaBackgroundVisible(true);
    CWGraph_Gewebedruck = benannt(new QChartView(Chart_, this), "CWGraph_Gewebedruck");
    CWGraph_Gewebedruck->setMinimumSize(380, 220);
    // Bars and bands on whole steps: edges need no smoothing, and repaints stay cheap.
    CWGraph_Gewebedruck->setRenderHint(QPainter::Antialiasing, false);
    CWGraph_Gewebedruck->setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    CWGraph_Gewebedruck->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CWGraph_Gewebedruck, &QWidget::customContextMenuRequested, this, [] {
        const A::Erklaerung_Typ t = A::Legende();
        Unit_Tools::Meldung_Info(t.Deutsch, t.Englisch);
    });
    Spalte->addWidget(CWGraph_Gewebedruck, 1);

    Achse_X = new QValueAxis;
    Achse_X->setRange(0.5, 16.5);
    Achse_X->setTickType(QValueAxis::TicksDynamic);
    Achse_X->setTickAnchor(1);
    Achse_X->setTickInterval(1);
    Achse_X->setLabelFormat("%.0f");
    Achse_Y = new QValueAxis;
    Achse_Y->setRange(0, A::Skala_mindestens);
    Achse_Y->setLabelFormat("%.0f");
    Achse_Y->setTickType(QValueAxis::TicksDynamic);
    Achse_Y->setTickAnchor(0);
    Achse_Y->setTickInterval(Teilung(A::Skala_mindestens));
    QFont Klein = Achse_X->labelsFont();
    Klein.setPointSizeF(Klein.pointSizeF() * 0.75);
    for (QValueAxis* a : {Achse_X, Achse_Y}) {
        a->setLabelsFont(Klein);
        a->setGridLineColor(QColor(90, 90, 90));
        Chart_->addAxis(a, a == Achse_X ? Qt::AlignBottom : Qt::AlignLeft);
    }
    Achse_X->setGridLineVisible(false);

    const QColor Farben[Plotanzahl] = {Qt::white, QColor(240, 200, 0), QColor(60, 120, 255),
                                       QColor(255, 150, 150), QColor(220, 30, 30)};
    for (int p = 0; p < Plotanzahl; ++p) {
        auto* Oben = new QLineSeries(this);
        // The filled bars start at 0; the marks are thin bands below their value.
        QLineSeries* Unten = p >= Umgebung ? new QLineSeries(this) : nullptr;
        auto* f = new QAreaSeries(Oben, Unten);
        f->setObjectName(QString("Plot_%1").arg(p + 1));
        f->setBrush(Farben[p]);
        f->setPen(Qt::NoPen);
        Chart_->addSeries(f);
        f->attachAxis(Achse_X);
        f->attachAxis(Achse_Y);
        Flaechen_[static_cast<std::size_t>(p)] = f;
        Unterkanten_[static_cast<std::size_t>(p)] = Unten;
    }

    auto* Leiste = new QHBoxLayout;
    CheckBox_Skalierung = benannt(new QCheckBox(this), "CheckBox_Skalierung", 276);
    CheckBox_Skalierung->setChecked(true);
    connect(CheckBox_Skalierung, &QCheckBox::toggled, this, [this] { aktualisieren(); });
    BitBtn_Legende = benannt(new QPushButton("?", this), "BitBtn_Legende");
    BitBtn_Legende->setFixedWidth(28);
    connect(BitBtn_Legende, &QPushButton::clicked, CWGraph_Gewebedruck,
            [this] { emit CWGraph_Gewebedruck->customContextMenuRequested({}); });
    Leiste->addWidget(CheckBox_Skalierung);
    Leiste->addStretch(1);
    Leiste->addWidget(BitBtn_Legende);
    Spalte->addLayout(Leiste);
    resize(400, 320);
}

QLineSeries* T_Form_Gewebedruck::Oberkante(Plot p) const {
    return Flaechen_[p]->upperSeries();
}

void T_Form_Gewebedruck::aktualisieren() {
    const A::Gewebedruck_Typ d = A::Gewebedruck();
    if (CheckBox_Skalierung->isChecked() && Achse_Y->max() != d.Skala_automatisch) {
        Achse_Y->setRange(0, d.Skala_automatisch);
        Achse_Y->setTickInterval(Teilung(d.Skala_automatisch));
    }
    const double Marke = Markendicke * Achse_Y->max();
    const Werte* Plotwerte[Plotanzahl] = {&d.N2He, &d.N2, &d.Umgebung, &d.MAX_GF, &d.MAX_ZH};
    for (int p = 0; p < Plotanzahl; ++p) {
        const auto k = static_cast<std::size_t>(p);
        ersetzen(Flaechen_[k]->upperSeries(), Stufen(*Plotwerte[p]));
        if (Unterkanten_[k]) ersetzen(Unterkanten_[k], Stufen(*Plotwerte[p], Marke));
    }
    Flaechen_[MAX_GF]->setVisible(d.GF_zeigen);
    const QString Zeile = QString::fromStdString(d.Ceiling_Zeile);
    if (Label_Ceiling->text() != Zeile) Label_Ceiling->setText(Zeile);
}

void T_Form_Gewebedruck::platzieren() {
    // Directly above where the tissue window sits.
    const QRect Unten = Gewebefenster_->Platz();
    Rahmen_nach({Unten.right(), Unten.top() - 1}, Qt::BottomRightCorner);
}
