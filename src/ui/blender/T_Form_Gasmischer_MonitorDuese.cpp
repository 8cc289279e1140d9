#include "ui/blender/T_Form_Gasmischer_MonitorDuese.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {
namespace F = Unit_Gasmischer_Fuellung;
namespace S = Unit_Gasmischer_Sensoren;

QString T(const std::string& Deutsch, const std::string& Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QString Zahl(double Wert, int Stellen = 1) {
    return QString::fromStdString(Unit_Tools::Zahl_formatieren(0, Stellen, Wert));
}

// A slide with the target drawn across it.
class Schieber_mit_Marke : public QSlider {
  public:
    using QSlider::QSlider;
    std::optional<int> Marke;

  protected:
    void paintEvent(QPaintEvent* Ereignis) override {
        QSlider::paintEvent(Ereignis);
        if (!Marke) return;
        QStyleOptionSlider o;
        initStyleOption(&o);
        const QRect Griff = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderHandle, this);
        const int x = QStyle::sliderPositionFromValue(minimum(), maximum(), *Marke, width() - Griff.width()) +
                      Griff.width() / 2;
        QPainter p(this);
        p.setPen(QPen(QColor(200, 0, 0), 3));
        p.drawLine(x, 0, x, height());
    }
};

// The rows of slides: object name, steps per unit, range in units, decimals shown.
struct Schieberart {
    const char* Name;
    int Teilung;
    int von, bis;
    int Stellen;
};
constexpr Schieberart Schieberarten[6] = {
    {"Slide_O2_a", 10, 0, 100, 1},       {"Slide_O2_b", 10, 0, 100, 1},
    {"Slide_Druck", 10, 0, 400, 1},      {"Slide_Temperatur", 10, -10, 100, 1},
    {"Slide_Ventil_O2", 100, 0, 100, 2}, {"Slide_Ventil_He", 100, 0, 100, 2},
};
enum { O2_a, O2_b, Druck, Temperatur, Ventil_O2, Ventil_He };

double Wert(const QSlider* s, int Zeile) {
    return s->value() / double(Schieberarten[Zeile].Teilung);
}

void setzen(QSlider* s, int Zeile, double Wert) {
    if (!std::isfinite(Wert)) return;
    const QSignalBlocker still(s);
    s->setValue(int(std::lround(Wert * Schieberarten[Zeile].Teilung)));
}

void markieren(QSlider* s, int Zeile, double Soll) {
    static_cast<Schieber_mit_Marke*>(s)->Marke = int(std::lround(Soll * Schieberarten[Zeile].Teilung));
    s->update();
}

QString Mix_Text(const Unit_Gasmischer::Anteile* a) {
    const auto Anteil = [a](const char* Gas, double Wert) {
        return QString(Gas) + " = " + (a ? Zahl(Wert) + " %" : QString("--")) + "   ";
    };
    return Anteil("O2", a ? a->O2 : 0) + Anteil("N2", a ? a->N2 : 0) + Anteil("He", a ? a->He : 0);
}
} // namespace

T_Form_Gasmischer_MonitorDuese::T_Form_Gasmischer_MonitorDuese(Unit_DaqOntrakCom::Wandler& Wandler,
                                                               Messquelle& Quelle, QWidget* parent)
    : QWidget(parent, Qt::Window), Regler(Wandler), Quelle(Quelle) {
    setObjectName("T_Form_Gasmischer_MonitorDuese");
    Bauen();
    Verbinden();
    Beschriftungen_setzen();
    Anzeigen();
}

void T_Form_Gasmischer_MonitorDuese::Bauen() {
    auto* Schieber = new QWidget(this);
    auto* g = new QGridLayout(Schieber);
    for (int i = 0; i < 6; ++i) {
        const Schieberart& a = Schieberarten[i];
        Zeile& z = Zeilen[i];
        z.Titel = new QLabel(Schieber);
        z.Schieber = benannt(new Schieber_mit_Marke(Qt::Horizontal, Schieber), a.Name);
        z.Schieber->setRange(a.von * a.Teilung, a.bis * a.Teilung);
        z.Schieber->setMinimumWidth(320);
        z.Titel->setBuddy(z.Schieber);
        z.Wert = benannt(new QLabel(Schieber), QString(a.Name).replace("Slide", "Label"));
        z.Wert->setMinimumWidth(90);
        z.Wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        z.Soll = benannt(new QLabel(Schieber), QString(a.Name).replace("Slide", "Label_Soll"));
        z.Soll->setMinimumWidth(130);
        g->addWidget(z.Titel, i, 0);
        g->addWidget(z.Schieber, i, 1);
        g->addWidget(z.Wert, i, 2);
        g->addWidget(z.Soll, i, 3);
    }
    g->setColumnStretch(1, 1);
    Slide_O2_a = Zeilen[O2_a].Schieber;
    Slide_O2_b = Zeilen[O2_b].Schieber;
    Slide_Druck = Zeilen[Druck].Schieber;
    Slide_Temperatur = Zeilen[Temperatur].Schieber;
    Slide_Ventil_O2 = Zeilen[Ventil_O2].Schieber;
    Slide_Ventil_He = Zeilen[Ventil_He].Schieber;
    setzen(Slide_O2_a, O2_a, Unit_Gasmischer::Luft.O2);
    setzen(Slide_O2_b, O2_b, Unit_Gasmischer::Luft.O2);
    setzen(Slide_Temperatur, Temperatur, 20);

    Label_Mix_gemessen = benannt(new QLabel(this), "Label_Mix_gemessen");
    Label_Mix_abgefuellt = benannt(new QLabel(this), "Label_Mix_abgefuellt");
    Label_Kosten = benannt(new QLabel(this), "Label_Kosten");
    Label_Fuellzeit = benannt(new QLabel(this), "Label_Fuellzeit");

    auto* Messung = benannt(new QGroupBox(this), "GroupBox_Messung");
    auto* m = new QHBoxLayout(Messung);
    Button_Messen_Start = benannt(new QPushButton(Messung), "Button_Messen_Start");
    Button_Messen_Stop = benannt(new QPushButton(Messung), "Button_Messen_Stop");
    Button_Kalibrieren = benannt(new QPushButton(Messung), "Button_Kalibrieren");
    for (auto* b : {Button_Messen_Start, Button_Messen_Stop, Button_Kalibrieren}) m->addWidget(b);
    auto* Fuellen = benannt(new QGroupBox(this), "GroupBox_Fuellen");
    auto* f = new QHBoxLayout(Fuellen);
    Button_Fuellen_Start = benannt(new QPushButton(Fuellen), "Button_Fuellen_Start");
    Button_Fuellen_Stop = benannt(new QPushButton(Fuellen), "Button_Fuellen_Stop");
    CheckBox_Ventile_Automatik = benannt(new QCheckBox(Fuellen), "CheckBox_Ventile_Automatik");
    CheckBox_Ventile_Automatik->setChecked(true);
    for (QWidget* w : {(QWidget*)Button_Fuellen_Start, (QWidget*)Button_Fuellen_Stop,
                       (QWidget*)CheckBox_Ventile_Automatik})
        f->addWidget(w);
    Button_Zuruecksetzen = benannt(new QPushButton(this), "Button_Zuruecksetzen");

    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addWidget(Messung);
    Knoepfe->addWidget(Fuellen);
    Knoepfe->addStretch(1);
    Knoepfe->addWidget(Button_Zuruecksetzen, 0, Qt::AlignBottom);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(Schieber);
    for (auto* l : {Label_Mix_gemessen, Label_Mix_abgefuellt, Label_Kosten, Label_Fuellzeit})
        Layout->addWidget(l);
    Layout->addLayout(Knoepfe);
}

void T_Form_Gasmischer_MonitorDuese::Verbinden() {
    connect(&Sekundentakt, &QTimer::timeout, this, [this] {
        Regler.Sekunde();
        Anzeigen();
    });
    connect(Slide_Druck, &QSlider::valueChanged, this, [this] {
        Regler.Druck_setzen(Wert(Slide_Druck, Druck));
        Anzeigen();
    });
    for (auto [s, v] : {std::pair{Slide_Ventil_O2, F::Sauerstoff}, std::pair{Slide_Ventil_He, F::Helium}})
        connect(s, &QSlider::valueChanged, this, [this, s, v] {
            Regler.Ventil_setzen(v, Wert(s, v == F::Sauerstoff ? Ventil_O2 : Ventil_He));
            Anzeigen();
        });
    for (auto* s : {Slide_O2_a, Slide_O2_b, Slide_Temperatur})
        connect(s, &QSlider::valueChanged, this, &T_Form_Gasmischer_MonitorDuese::Anzeigen);
    connect(CheckBox_Ventile_Automatik, &QCheckBox::toggled, this,
            [this](bool an) { Regler.Automatik_setzen(an); });
    connect(Button_Messen_Start, &QPushButton::clicked, this,
            &T_Form_Gasmischer_MonitorDuese::Messen_starten);
    connect(Button_Messen_Stop, &QPushButton::clicked, this,
            &T_Form_Gasmischer_MonitorDuese::Messen_anhalten);
    connect(Button_Kalibrieren, &QPushButton::clicked, this, &T_Form_Gasmischer_MonitorDuese::Kalibrieren);
    connect(Button_Fuellen_Start, &QPushButton::clicked, this,
            &T_Form_Gasmischer_MonitorDuese::Fuellen_starten);
    connect(Button_Fuellen_Stop, &QPushButton::clicked, this,
            &T_Form_Gasmischer_MonitorDuese::Fuellen_anhalten);
    connect(Button_Zuruecksetzen, &QPushButton::clicked, this, [this] {
        Regler.Zuruecksetzen();
        setzen(Slide_Druck, Druck, Regler.Zustand().bar_aktuell);
        Anzeigen();
    });
}

void T_Form_Gasmischer_MonitorDuese::Beschriftungen_setzen() {
    Titel_setzen();
    const QString Titel[6] = {
        T("Sauerstoff (a)", "Oxygen (a)"), T("Sauerstoff (b)", "Oxygen (b)"), T("Druck", "Pressure"),
        T("Temperatur", "Temperature"),    T("Ventil O2", "Oxygen valve"),    T("Ventil He", "Helium valve")};
    for (int i = 0; i < 6; ++i) Zeilen[i].Titel->setText(Titel[i]);
    findChild<QGroupBox*>("GroupBox_Messung")->setTitle(T("Messung", "Measurement"));
    findChild<QGroupBox*>("GroupBox_Fuellen")->setTitle(T("Füllen", "Filling"));
    Button_Messen_Start->setText("Start");
    Button_Messen_Stop->setText("Stop");
    Button_Fuellen_Start->setText("Start");
    Button_Fuellen_Stop->setText("Stop");
    Button_Messen_Start->setAccessibleName(T("Messung Start", "Measurement start"));
    Button_Messen_Stop->setAccessibleName(T("Messung Stop", "Measurement stop"));
    Button_Fuellen_Start->setAccessibleName(T("Füllen Start", "Filling start"));
    Button_Fuellen_Stop->setAccessibleName(T("Füllen Stop", "Filling stop"));
    Button_Kalibrieren->setText(T("Sensoren kalibrieren", "Calibrate sensors"));
    CheckBox_Ventile_Automatik->setText(T("Ventile - Automatik", "Valves - automatic"));
    Button_Zuruecksetzen->setText(T("zurücksetzen", "reset"));
    Anzeigen();
}

void T_Form_Gasmischer_MonitorDuese::Titel_setzen() {
    setWindowTitle(T("Kontrolle Eindüsen", "Injection monitor") +
                   (Quelle.Simulation()
                        ? T(" *** Einlesen wird simuliert ***", " *** readings are simulated ***")
                        : QString()));
}

void T_Form_Gasmischer_MonitorDuese::Oeffnen(const Unit_Gasmischer::Fuellziel& Ziel) {
    Regler.Ziel_setzen(Ziel);
    markieren(Slide_O2_a, O2_a, Ziel.Sensor1);
    markieren(Slide_O2_b, O2_b, Ziel.Sensor2);
    setzen(Slide_Druck, Druck, Ziel.vorher.bar);
    Anzeigen();
    show();
    raise();
}

S::Messwerte T_Form_Gasmischer_MonitorDuese::Simulationswerte() const {
    S::Messwerte m;
    for (int i = 0; i < S::Anzahl_Sensoren; ++i) m.Wert[std::size_t(i)] = Wert(Zeilen[i].Schieber, i);
    m.ok.fill(true);
    return m;
}

void T_Form_Gasmischer_MonitorDuese::Anzeigen() {
    const F::Stand& s = Regler.Zustand();
    if (!Quelle.Simulation()) {
        setzen(Slide_O2_a, O2_a, s.O2_a);
        setzen(Slide_O2_b, O2_b, s.O2_b);
        setzen(Slide_Temperatur, Temperatur, s.Temperatur);
    }
    setzen(Slide_Druck, Druck, s.bar_aktuell);
    setzen(Slide_Ventil_O2, Ventil_O2, s.Oeffnung[F::Sauerstoff]);
    setzen(Slide_Ventil_He, Ventil_He, s.Oeffnung[F::Helium]);
    const char* Einheit[6] = {" %", " %", " bar", " °C", " %", " %"};
    for (int i = 0; i < 6; ++i)
        Zeilen[i].Wert->setText(Zahl(Wert(Zeilen[i].Schieber, i), Schieberarten[i].Stellen) + Einheit[i]);
    const QString Soll = T("Soll = ", "Target = ");
    Zeilen[O2_a].Soll->setText(Soll + Zahl(s.Ziel.Sensor1) + " %");
    Zeilen[O2_b].Soll->setText(Soll + Zahl(s.Ziel.Sensor2) + " %");
    Zeilen[Druck].Soll->setText(Soll + Zahl(s.bar_Ende_kompensiert) + " bar");
    markieren(Slide_Druck, Druck, s.bar_Ende_kompensiert);

    const auto gemessen = F::Mix_gemessen(s);
    Label_Mix_gemessen->setText(T("Mix (gemessen):  ", "Mix (measured):  ") + Mix_Text(&gemessen.Anteil) +
                                "p = " + Zahl(gemessen.bar) + " bar");
    const auto abgefuellt = F::Mix_abgefuellt(s);
    Label_Mix_abgefuellt->setText(T("Mix (abgefüllt):  ", "Mix (filled):  ") +
                                  Mix_Text(abgefuellt ? &*abgefuellt : nullptr));
    Label_Kosten->setText(T("Kosten = ", "Cost = ") + Zahl(s.Euro, 2) + " EUR");
    Label_Fuellzeit->setText(T("Füllzeit = ", "Fill time = ") +
                             QString::fromStdString(F::Fuellzeit_Text(s.Fuellzeit_s)));

    Button_Messen_Start->setEnabled(!Messschleife && !s.fuellt);
    Button_Messen_Stop->setEnabled(Messschleife);
    // Calibrating on air while gas is injected would calibrate on the wrong gas.
    Button_Kalibrieren->setEnabled(!s.fuellt && !Kalibrierung_wartet);
    Button_Fuellen_Start->setEnabled(s.Ziel_gesetzt && !s.fuellt && !Kalibrierung_wartet);
    Button_Fuellen_Stop->setEnabled(s.fuellt);
    Button_Zuruecksetzen->setEnabled(!s.fuellt);
}

void T_Form_Gasmischer_MonitorDuese::Zyklus_planen() {
    QTimer::singleShot(0, this, &T_Form_Gasmischer_MonitorDuese::Zyklus);
}

void T_Form_Gasmischer_MonitorDuese::Zyklus() {
    if (im_Zyklus || (!Messschleife && !Regler.Zustand().fuellt && !Kalibrierung_wartet)) return;
    im_Zyklus = true;
    if (!Kalibrierung_wartet) {
        Abbruch = false;
        const bool Fuellung = Regler.Zustand().fuellt;
        const S::Messwerte m = Quelle.Messen([this] {
            QCoreApplication::processEvents();
            return !Abbruch;
        });
        // A measurement cut short by Stop or by a change of mode is not used.
        if (!Abbruch && Fuellung) {
            if (auto Meldung = Regler.Fuellzyklus(m)) {
                Sekundentakt.stop();
                Melden(*Meldung, true);
            }
        } else if (!Abbruch) {
            Regler.Messung_uebernehmen(m);
        }
    }
    if (Kalibrierung_wartet) {
        Quelle.Kalibrieren();
        Kalibrierung_wartet = false;
    }
    im_Zyklus = false;
    Anzeigen();
    if (Messschleife || Regler.Zustand().fuellt) Zyklus_planen();
}

void T_Form_Gasmischer_MonitorDuese::Messen_starten() {
    Messschleife = true;
    Anzeigen();
    Zyklus_planen();
}

void T_Form_Gasmischer_MonitorDuese::Messen_anhalten() {
    Messschleife = false;
    if (!Regler.Zustand().fuellt) Abbruch = true;
    Anzeigen();
}

void T_Form_Gasmischer_MonitorDuese::Kalibrieren() {
    if (Regler.Zustand().fuellt) return;
    // The running measurement ends first; the loop goes on after the calibration.
    Kalibrierung_wartet = true;
    Abbruch = true;
    Anzeigen();
    Zyklus_planen();
}

void T_Form_Gasmischer_MonitorDuese::Fuellen_starten() {
    if (Regler.Zustand().fuellt) return;
    Messschleife = false;
    Abbruch = true;
    Regler.Automatik_setzen(CheckBox_Ventile_Automatik->isChecked());
    if (!Regler.Fuellung_starten(Quelle.Simulation())) return;
    Titel_setzen();
    Sekundentakt.start(1000);
    Anzeigen();
    Zyklus_planen();
}

void T_Form_Gasmischer_MonitorDuese::Fuellen_anhalten() {
    if (auto Bericht = Anhalten()) Melden(*Bericht, false);
}

std::optional<std::string> T_Form_Gasmischer_MonitorDuese::Anhalten() {
    Messschleife = false;
    Abbruch = true;
    Sekundentakt.stop();
    std::optional<std::string> Bericht;
    if (Regler.Zustand().fuellt)
        Bericht = Regler.Fuellung_beenden();
    else
        Regler.Ventile_schliessen();
    Anzeigen();
    return Bericht;
}

void T_Form_Gasmischer_MonitorDuese::Ventile_schliessen() {
    Anhalten();
}

void T_Form_Gasmischer_MonitorDuese::Melden(const std::string& Text, bool Problem) {
    QTimer::singleShot(0, this, [Text, Problem] {
        if (Problem)
            Unit_Tools::Meldung_Problem(Text, Text);
        else
            Unit_Tools::Meldung_Info(Text, Text);
    });
}

void T_Form_Gasmischer_MonitorDuese::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    QWidget::showEvent(Ereignis);
}

void T_Form_Gasmischer_MonitorDuese::closeEvent(QCloseEvent* Ereignis) {
    Fuellen_anhalten();
    QWidget::closeEvent(Ereignis);
}
