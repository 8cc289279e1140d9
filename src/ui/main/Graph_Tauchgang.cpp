#include "ui/main/Graph_Tauchgang.hpp"

#include "ui/adapters/Fensterbau.hpp"

#include "commands/Unit_Graph_Bedienung.hpp"
#include "commands/Unit_Main.hpp"
#include "core/Unit_Graph_Utilities.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/main/T_Form_Graph_Utilities.hpp"

#include <QChart>
#include <QChartView>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
namespace Graph = Unit_Graph_Utilities;
namespace W = Unit_WayPoints;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

// Overlays lie above the plots; the labels stay readable over the diver.
constexpr qreal Z_Beschriftung = 1000;
constexpr qreal Z_Cursor = 1010;
constexpr qreal Z_Taucher = 990;
// How close to a cursor's line a press grabs it, in pixels.
constexpr qreal Greifweite = 8;
// Runtime and depth of the diver picture's anchor within it.
const QPointF Taucher_Versatz(30, 20);
// A warning longer than this is cut on the graph; its tooltip holds the whole text.
constexpr int Warnung_Zeichen = 40;

// A label on a light plate, so it stays readable where it crosses a line or a marker.
class Etikett : public QGraphicsSimpleTextItem {
  public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;
    void paint(QPainter* Maler, const QStyleOptionGraphicsItem* Option, QWidget* w) override {
        Maler->fillRect(boundingRect(), QColor(255, 255, 255, 190));
        QGraphicsSimpleTextItem::paint(Maler, Option, w);
    }
};

// A tick step of 1, 2 or 5 times a power of ten giving at most that many intervals.
double Tickabstand(double Spanne, double Intervalle) {
    double Basis = 1;
    for (;;) {
        for (double f : {1.0, 2.0, 5.0})
            if (Spanne / (f * Basis) <= Intervalle) return f * Basis;
        Basis *= 10;
    }
}

// As many ticks as the axis' length holds with readable labels: at least this many pixels apart.
void Ticks_anpassen(QValueAxis* a, qreal Pixel, qreal Abstand) {
    const double Intervalle = std::clamp(std::floor(Pixel / Abstand), 2.0, 12.0);
    const double d = Tickabstand(a->max() - a->min(), Intervalle);
    if (a->tickInterval() != d) a->setTickInterval(d);
}

QPixmap Taucherbild(int Nr) {
    static const char* Dateien[] = {":/taucher/OC.svg", ":/taucher/CCR.svg", ":/taucher/SCR.svg"};
    QSvgRenderer Bild{QString(Dateien[Nr])};
    QPixmap p(Bild.defaultSize());
    p.fill(Qt::transparent);
    QPainter Maler(&p);
    Bild.render(&Maler);
    return p;
}

int Taucherbild_Nr() {
    switch (W::Tauchgeraet) {
    case 0:
        return 0;
    case 1:
        return 1;
    default:
        return 2;
    }
}
} // namespace

Graph_Tauchgang::Graph_Tauchgang(QWidget* parent) : QWidget(parent) {
    Q_INIT_RESOURCE(Graph_Tauchgang);
    setObjectName("CWGraph_Tauchgang");
    setFocusPolicy(Qt::StrongFocus);
    // Built with the graph, as every window is built with the main window: the caption walk and
    // the check of the fields' names reach it.
    Achsenfenster_ = new T_Form_Graph_Utilities(this);

    Chart_ = new QChart;
    Chart_->legend()->hide();
    Chart_->setMargins(QMargins(2, 4, 10, 2));
    Chart_->setBackgroundRoundness(0);
    Ansicht_ = new QChartView(Chart_, this);
    Ansicht_->setObjectName("ChartView_Tauchgang");
    Ansicht_->setRenderHint(QPainter::Antialiasing);
    Ansicht_->setFocusPolicy(Qt::NoFocus);
    Ansicht_->viewport()->installEventFilter(this);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(Ansicht_);

    Achse_X_ = new QValueAxis;
    Achse_X_->setObjectName("Achse_X");
    Achse_Y_ = new QValueAxis;
    Achse_Y_->setObjectName("Achse_Y");
    Achse_Y_->setReverse(true); // depth grows downwards
    for (QValueAxis* a : {Achse_X_, Achse_Y_}) {
        a->setLabelFormat("%.0f");
        a->setTickType(QValueAxis::TicksDynamic);
        a->setTickAnchor(0);
        a->setMinorTickCount(1);
    }
    Chart_->addAxis(Achse_X_, Qt::AlignBottom);
    Chart_->addAxis(Achse_Y_, Qt::AlignLeft);

    // Entered profile blue, calculation start grey, the computed waypoints red on a light green
    // band of the live samples beneath them.
    const std::array<QPen, 5> Stifte{QPen(), QPen(QColor(25, 90, 200), 2.2), QPen(QColor(110, 110, 110), 1.5),
                                     QPen(QColor(210, 40, 30), 1.6), QPen(QColor(60, 185, 90, 140), 6)};
    for (int p : {4, 1, 2, 3}) {
        auto* s = new QLineSeries;
        s->setObjectName(QString("Plot_%1").arg(p));
        s->setPen(Stifte[static_cast<std::size_t>(p)]);
        if (p != 4) {
            s->setPointsVisible(true);
            s->setMarkerSize(p == 3 ? 6 : 7);
        }
        Chart_->addSeries(s);
        s->attachAxis(Achse_X_);
        s->attachAxis(Achse_Y_);
        Plots_[static_cast<std::size_t>(p)] = s;
    }

    const std::array<QColor, 3> Cursorfarben{QColor(), QColor(25, 90, 200), QColor(200, 110, 0)};
    for (int c = 1; c <= 2; ++c) {
        auto& z = Cursor_[static_cast<std::size_t>(c)];
        z.Linie = new QGraphicsLineItem(Chart_);
        z.Linie->setPen(QPen(Cursorfarben[static_cast<std::size_t>(c)], 1.2, Qt::DashLine));
        z.Punkt = new QGraphicsEllipseItem(-5, -5, 10, 10, Chart_);
        z.Punkt->setPen(QPen(Cursorfarben[static_cast<std::size_t>(c)], 2));
        z.Linie->setZValue(Z_Cursor);
        z.Punkt->setZValue(Z_Cursor);
    }
    Taucher_ = new QGraphicsPixmapItem(Chart_);
    Taucher_->setZValue(Z_Taucher);

    Bildtakt_.setSingleShot(true);
    Bildtakt_.setInterval(16); // one frame
    connect(&Bildtakt_, &QTimer::timeout, this, [this] {
        Plots_uebernehmen();
        Achsen_uebernehmen();
        Sichtbarkeit_uebernehmen();
        Beschriftungen_uebernehmen();
        Overlays_platzieren();
    });
    connect(Chart_, &QChart::plotAreaChanged, this, [this] {
        Achsen_uebernehmen();
        Overlays_platzieren();
    });

    Beschriftungen_setzen();
    neu_zeichnen();
}

QLineSeries* Graph_Tauchgang::Plot(int Nr) const {
    return Nr >= 1 && Nr <= 4 ? Plots_[static_cast<std::size_t>(Nr)] : nullptr;
}

QGraphicsLineItem* Graph_Tauchgang::Cursorlinie(int Nr) const {
    return Nr >= 1 && Nr <= 2 ? Cursor_[static_cast<std::size_t>(Nr)].Linie : nullptr;
}

void Graph_Tauchgang::Beschriftungen_setzen() {
    Achse_X_->setTitleText("Runtime (min)");
    Achse_Y_->setTitleText(T("Tiefe (m)", "depth (m)"));
}

void Graph_Tauchgang::neu_zeichnen() {
    Bildtakt_.stop();
    for (int p = 1; p <= 4; ++p)
        Plot_geleert_gesehen_[static_cast<std::size_t>(p)] = Graph::Plot_geleert[p] - 1;
    Plots_uebernehmen();
    Achsen_uebernehmen();
    Sichtbarkeit_uebernehmen();
    Beschriftungen_uebernehmen();
    Overlays_platzieren();
}

void Graph_Tauchgang::aktualisieren() {
    if (!Bildtakt_.isActive()) Bildtakt_.start();
}

// A plot is taken again when it was cleared or grew since the last look, once per frame at most.
// Qt Charts adds appended points one by one, recomputing the whole line for each; one
// replacement per frame recomputes it once, however many samples arrived.
void Graph_Tauchgang::Plots_uebernehmen() {
    for (int p = 1; p <= 4; ++p) {
        const auto& Daten = Graph::Plots[static_cast<std::size_t>(p)];
        QLineSeries* s = Plots_[static_cast<std::size_t>(p)];
        auto& gesehen = Plot_geleert_gesehen_[static_cast<std::size_t>(p)];
        if (gesehen == Graph::Plot_geleert[static_cast<std::size_t>(p)] &&
            static_cast<std::size_t>(s->count()) == Daten.size())
            continue;
        QList<QPointF> Punkte;
        Punkte.reserve(static_cast<qsizetype>(Daten.size()));
        for (const auto& d : Daten) Punkte.append(QPointF(d.min_Runtime, d.m_Wasser));
        s->replace(Punkte);
        gesehen = Graph::Plot_geleert[static_cast<std::size_t>(p)];
    }
}

void Graph_Tauchgang::Achsen_uebernehmen() {
    const std::array<std::pair<QValueAxis*, Graph::Achse>, 2> Achsen{
        {{Achse_X_, Graph::Achse_X}, {Achse_Y_, Graph::Achse_Y}}};
    for (const auto& [a, m] : Achsen)
        if (a->min() != m.Minimum || a->max() != m.Maximum) a->setRange(m.Minimum, m.Maximum);
    Ticks_anpassen(Achse_X_, Chart_->plotArea().width(), 50);
    Ticks_anpassen(Achse_Y_, Chart_->plotArea().height(), 24);
}

// While entering the input plot and cursor show; after a calculation the calculated plots and
// the time cursor.
void Graph_Tauchgang::Sichtbarkeit_uebernehmen() {
    const bool berechnet = W::Grafikmodus == 2;
    Plots_[1]->setVisible(!berechnet);
    for (int p = 2; p <= 4; ++p) Plots_[static_cast<std::size_t>(p)]->setVisible(berechnet);
}

void Graph_Tauchgang::Beschriftungen_uebernehmen() {
    const auto n = static_cast<std::size_t>(Graph::Annotation_letzte()) + 1;
    if (Beschriftungen_.size() < n) Beschriftungen_.resize(n);
    auto Textfeld = [this](QGraphicsSimpleTextItem*& t, const QColor& Farbe) {
        if (t) return;
        t = new Etikett(Chart_);
        t->setZValue(Z_Beschriftung);
        t->setBrush(Farbe);
    };
    for (std::size_t i = 0; i < Beschriftungen_.size(); ++i) {
        auto& b = Beschriftungen_[i];
        const QString Text = i < n ? QString::fromStdString(Graph::Annotation[i]) : QString();
        const QString Warnung =
            i < n ? QString::fromStdString(Graph::Warnung_Annotation[i]).trimmed() : QString();
        if (!Text.isEmpty()) Textfeld(b.Text, QColor(20, 20, 20));
        if (!Warnung.isEmpty()) Textfeld(b.Warnung, QColor(180, 0, 0));
        if (b.Text && b.Text->text() != Text) b.Text->setText(Text);
        const QString kurz =
            Warnung.size() > Warnung_Zeichen ? Warnung.left(Warnung_Zeichen - 1) + "…" : Warnung;
        if (b.Warnung && b.Warnung->text() != kurz) {
            b.Warnung->setText(kurz);
            b.Warnung->setToolTip(Warnung);
        }
    }
}

QPointF Graph_Tauchgang::Position(float min_Runtime, float m_Wasser) const {
    return Chart_->mapToPosition(QPointF(min_Runtime, m_Wasser), Plots_[1]);
}

QPoint Graph_Tauchgang::Position_im_Widget(float min_Runtime, float m_Wasser) const {
    const QPointF Szene = Chart_->mapToScene(Position(min_Runtime, m_Wasser));
    return Ansicht_->viewport()->mapTo(this, Ansicht_->mapFromScene(Szene));
}

void Graph_Tauchgang::Overlays_platzieren() {
    const QRectF Flaeche = Chart_->plotArea();
    // Labels go right of their waypoint (left of it at the right edge), the event above and the
    // warning below it; a label that would cover one placed before moves down until it is free.
    std::vector<QRectF> belegt;
    auto setzen = [&](QGraphicsSimpleTextItem* t, const QPointF& p, qreal dy) {
        QRectF r(p + QPointF(5, dy), t->boundingRect().size());
        if (r.right() > Flaeche.right()) r.moveRight(p.x() - 5);
        for (int Versuch = 0; Versuch < 8; ++Versuch) {
            if (std::none_of(belegt.begin(), belegt.end(), [&](const QRectF& b) { return b.intersects(r); }))
                break;
            r.translate(0, r.height());
        }
        t->setPos(r.topLeft());
        belegt.push_back(r);
    };
    for (std::size_t i = 0; i < Beschriftungen_.size(); ++i) {
        const auto& b = Beschriftungen_[i];
        if (!b.Text && !b.Warnung) continue;
        const auto& w = W::WayPoint[i];
        const QPointF p = Position(w.min_Runtime, w.m_Wasser);
        const bool innen = i < Graph::Annotation.size() && Flaeche.adjusted(-1, -1, 1, 1).contains(p);
        if (b.Text) {
            b.Text->setVisible(innen && !Graph::Annotation[i].empty());
            if (b.Text->isVisible()) setzen(b.Text, p, -b.Text->boundingRect().height() - 4);
        }
        if (b.Warnung) {
            // A warning in force since the waypoint before is not repeated.
            const auto& Warnung = Graph::Warnung_Annotation[i];
            const bool neu = i == 0 || Warnung != Graph::Warnung_Annotation[i - 1];
            b.Warnung->setVisible(innen && neu && !b.Warnung->text().isEmpty());
            if (b.Warnung->isVisible()) setzen(b.Warnung, p, 5);
        }
    }
    Cursor_platzieren(1);
    Cursor_platzieren(2);
    Taucher_platzieren();
}

void Graph_Tauchgang::Cursor_platzieren(int Nr) {
    auto& z = Cursor_[static_cast<std::size_t>(Nr)];
    const auto& c = Graph::Cursor[static_cast<std::size_t>(Nr)];
    const QRectF Flaeche = Chart_->plotArea();
    const QPointF p = Position(c.min_Runtime, c.m_Wasser);
    const bool aktiv = W::Grafikmodus == Nr;
    const bool Linie_innen = p.x() >= Flaeche.left() - 0.5 && p.x() <= Flaeche.right() + 0.5;
    z.Linie->setLine(QLineF(p.x(), Flaeche.top(), p.x(), Flaeche.bottom()));
    z.Linie->setVisible(aktiv && Linie_innen);
    z.Punkt->setPos(p);
    z.Punkt->setVisible(aktiv && Flaeche.adjusted(-1, -1, 1, 1).contains(p));
}

void Graph_Tauchgang::Taucher_platzieren() {
    Taucher_->setVisible(Graph::Taucher_zeigen);
    if (!Graph::Taucher_zeigen) return;
    const int Nr = Taucherbild_Nr();
    if (Nr != Taucher_Bild_) {
        Taucher_->setPixmap(Taucherbild(Nr));
        Taucher_Bild_ = Nr;
    }
    const auto& m = Graph::Positionsmarke;
    const QPointF p = Position(m.min_Runtime, m.m_Wasser);
    Taucher_->setPos(QPointF(std::round(p.x()), std::round(p.y())) - Taucher_Versatz);
}

bool Graph_Tauchgang::Bedienung_moeglich() const {
    // During a calculation the samples are being written: the cursors wait for it to end.
    return !Unit_Main::Berechnung_laeuft && !beschaeftigt_;
}

// The library operation, then the graph and whoever shows the state follow. A command the
// library ended (full waypoint table) has shown its message; the graph shows what is left.
template <typename Aktion> void Graph_Tauchgang::bedienen(Aktion a) {
    beschaeftigt_ = true;
    Befehl_ausfuehren(a);
    beschaeftigt_ = false;
    aktualisieren();
    emit Zustand_geaendert();
}

void Graph_Tauchgang::Ziehen_nach(const QPointF& Punkt_Ansicht) {
    const QPointF Punkt = Chart_->mapFromScene(Ansicht_->mapToScene(Punkt_Ansicht.toPoint()));
    const QPointF Wert = Chart_->mapToValue(Punkt, Plots_[1]);
    const auto min = static_cast<float>(Wert.x());
    const auto m = static_cast<float>(Wert.y());
    if (W::Grafikmodus == 2) {
        bedienen([min] { Unit_Graph_Bedienung::Zeitcursor_setzen(min); });
        return;
    }
    bedienen([this, min, m] {
        const auto Felder = Unit_Graph_Bedienung::Eingabecursor_ziehen(min, m);
        emit Eingabefelder_gesetzt(QString::fromStdString(Felder.Runtime),
                                   QString::fromStdString(Felder.Tiefe));
    });
}

bool Graph_Tauchgang::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt != Ansicht_->viewport()) return QWidget::eventFilter(Objekt, Ereignis);
    switch (Ereignis->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(Ereignis);
        setFocus(Qt::MouseFocusReason);
        if (!Bedienung_moeglich()) return true;
        if (e->button() == Qt::RightButton) {
            Achsen_aendern();
            return true;
        }
        if (e->button() != Qt::LeftButton) return true;
        const int c = W::Grafikmodus == 2 ? 2 : 1;
        const QPointF Linie =
            Chart_->mapToScene(Position(Graph::Cursor[static_cast<std::size_t>(c)].min_Runtime, 0));
        ziehen_ = std::fabs(Ansicht_->mapToScene(e->position().toPoint()).x() - Linie.x()) <= Greifweite;
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(Ereignis);
        if (ziehen_ && (e->buttons() & Qt::LeftButton) && Bedienung_moeglich()) Ziehen_nach(e->position());
        return ziehen_;
    }
    case QEvent::MouseButtonRelease:
        ziehen_ = false;
        return true;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(Ereignis)->button() == Qt::LeftButton && Bedienung_moeglich() &&
            !Unit_Main::Eingabe_gesperrt)
            emit Tauchen_verlangt();
        return true;
    default:
        return QWidget::eventFilter(Objekt, Ereignis);
    }
}

void Graph_Tauchgang::keyPressEvent(QKeyEvent* Ereignis) {
    using Unit_Graph_Bedienung::Taste;
    Taste t;
    switch (Ereignis->key()) {
    case Qt::Key_Right:
        t = Taste::Rechts;
        break;
    case Qt::Key_Left:
        t = Taste::Links;
        break;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        t = Taste::Hoch;
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        t = Taste::Runter;
        break;
    case Qt::Key_Home:
        t = Taste::Pos1;
        break;
    case Qt::Key_End:
        t = Taste::Ende;
        break;
    default:
        QWidget::keyPressEvent(Ereignis);
        return;
    }
    if (Bedienung_moeglich()) bedienen([t] { Unit_Graph_Bedienung::Taste_druecken(t); });
}

void Graph_Tauchgang::Achsen_aendern() {
    Achsenfenster_->Achsen_aendern();
    neu_zeichnen();
}
