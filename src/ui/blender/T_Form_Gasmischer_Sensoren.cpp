#include "ui/blender/T_Form_Gasmischer_Sensoren.hpp"

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
namespace S_ = Unit_Gasmischer_Sensoren;
using std::chrono::milliseconds;

QString T(const std::string& Deutsch, const std::string& Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Zahl(int Stellen, double Wert) {
    return Q(Unit_Tools::Zahl_formatieren(0, Stellen, Wert));
}

QString Sensorname(int k) {
    return Q(S_::Name(S_::Sensor(k)));
}

QSpinBox* Millisekunden(QWidget* parent, const char* Name) {
    auto* s = benannt(new QSpinBox(parent), Name);
    s->setRange(10, 600000);
    s->setSingleStep(100);
    s->setValue(1000);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QLabel* Anzeige(QWidget* parent, const QString& Name) {
    auto* l = benannt(new QLabel(parent), Name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(90);
    return l;
}

void Meldung(bool gut, const std::string& Text) {
    if (gut)
        Unit_Tools::Meldung_Info(Text, Text);
    else
        Unit_Tools::Meldung_Problem(Text, Text);
}

// The row titles of the measurement table, in the order of the rows.
const char* const Zeilentitel[][2] = {
    {"Mean (mV)", "Mean (mV)"},
    {"n", "n"},
    {"Min (mV)", "Min (mV)"},
    {"Max (mV)", "Max (mV)"},
    {"Stand. Dev.", "Stand. Dev."},
    {"Fehler (%)", "Error (%)"},
    {"OK", "OK"},
    {"Wert", "Value"},
};
} // namespace

T_Form_Gasmischer_Sensoren::T_Form_Gasmischer_Sensoren(Unit_DaqOntrakCom::Wandler& Wandler, QWidget* parent)
    : QDialog(parent), W(Wandler) {
    setObjectName("T_Form_Gasmischer_Sensoren");
    setModal(false);

    auto* Messung = new QHBoxLayout;
    Button_Messen = benannt(new QPushButton(this), "Button_Messen");
    SpinEdit_Messzeit_ms = Millisekunden(this, "SpinEdit_Messzeit_ms");
    Button_Stop = benannt(new QPushButton(this), "Button_Stop");
    ProgressBar_Messung = benannt(new QProgressBar(this), "ProgressBar_Messung");
    ProgressBar_Messung->setRange(0, 100);
    Label_Echte_Messzeit = benannt(new QLabel(this), "Label_Echte_Messzeit");
    Messung->addWidget(Button_Messen);
    Messung->addWidget(SpinEdit_Messzeit_ms);
    Messung->addWidget(Button_Stop);
    Messung->addWidget(ProgressBar_Messung, 1);
    Messung->addWidget(Label_Echte_Messzeit);

    auto* Kalibrierung = new QHBoxLayout;
    Button_Kalibrieren = benannt(new QPushButton(this), "Button_Kalibrieren");
    SpinEdit_Messzeit_cal_ms = Millisekunden(this, "SpinEdit_Messzeit_cal_ms");
    Button_Test_cal = benannt(new QPushButton(this), "Button_Test_cal");
    ComboBox_Test_Sensor = benannt(new QComboBox(this), "ComboBox_Test_Sensor");
    Edit_Test_mV = benannt(new QLineEdit("0", this), "Edit_Test_mV");
    Edit_Test_mV->setAlignment(Qt::AlignRight);
    Edit_Test_mV->setMaximumWidth(90);
    Label_Test_Ergebnis = benannt(new QLabel(this), "Label_Test_Ergebnis");
    Label_Test_Ergebnis->setMinimumWidth(100);
    Kalibrierung->addWidget(Button_Kalibrieren);
    Kalibrierung->addWidget(SpinEdit_Messzeit_cal_ms);
    Kalibrierung->addStretch(1);
    Kalibrierung->addWidget(Button_Test_cal);
    Kalibrierung->addWidget(ComboBox_Test_Sensor);
    Kalibrierung->addWidget(Edit_Test_mV);
    Kalibrierung->addWidget(Label_Test_Ergebnis);

    auto* Knoepfe = new QHBoxLayout;
    Button_Speichern = benannt(new QPushButton(this), "Button_Speichern");
    Button_Lesen = benannt(new QPushButton(this), "Button_Lesen");
    CheckBox_Simulation = benannt(new QCheckBox("Simulation", this), "CheckBox_Simulation");
    ButtonClose = benannt(new QPushButton(this), "ButtonClose");
    Knoepfe->addWidget(Button_Speichern);
    Knoepfe->addWidget(Button_Lesen);
    Knoepfe->addSpacing(20);
    Knoepfe->addWidget(CheckBox_Simulation);
    Knoepfe->addStretch(1);
    Knoepfe->addWidget(ButtonClose);

    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Messung);
    Layout->addWidget(Messtabelle());
    Layout->addLayout(Kalibrierung);
    Layout->addLayout(Knoepfe);
    for (auto* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

    Verbinden();
    Tabellentexte_zeigen();
    Ergebnisse_zeigen();
    Freigaben_setzen();
    Beschriftungen_setzen();
}

QWidget* T_Form_Gasmischer_Sensoren::Messtabelle() {
    auto* Feld = new QGroupBox(this);
    Feld->setObjectName("GroupBox_Sensoren");
    auto* g = new QGridLayout(Feld);
    for (int r = 0; r < int(std::size(Zeilentitel)); ++r)
        g->addWidget(benannt(new QLabel(Feld), QString("Label_Zeile_%1").arg(r)), r + 1, 0);
    for (int k = 0; k < N; ++k) {
        Zeile& z = Zeilen[std::size_t(k)];
        const QString i = QString::number(k);
        z.Name = benannt(new QLabel(Feld), "Label_Sensor_" + i);
        z.Name->setAlignment(Qt::AlignCenter);
        QLabel** Werte[] = {&z.Mittel, &z.n, &z.Min, &z.Max, &z.Stdabw, &z.Fehler, &z.OK, &z.Wert};
        const char* const Namen[] = {"Mittel", "n", "Min", "Max", "Stdabw", "Fehler", "OK", "Wert"};
        for (int r = 0; r < int(std::size(Werte)); ++r) {
            *Werte[r] = Anzeige(Feld, QString("Label_%1_%2").arg(Namen[r]).arg(k));
            g->addWidget(*Werte[r], r + 1, k + 1);
        }
        z.Memo_Tabelle = benannt(new QPlainTextEdit(Feld), "Memo_Tabelle_" + i);
        z.Memo_Tabelle->setFont(QFont("Monospace"));
        z.Memo_Tabelle->setLineWrapMode(QPlainTextEdit::NoWrap);
        // Room for a few more points than the defaults have.
        z.Memo_Tabelle->setFixedHeight(QFontMetrics(z.Memo_Tabelle->font()).lineSpacing() * 6 + 12);
        z.Memo_Tabelle->setMinimumWidth(170);
        z.Memo_Tabelle->setTabChangesFocus(true);
        Name_geben(z.Memo_Tabelle,
                   [k] { return T("Kalibriertabelle ", "Calibration table ") + Sensorname(k); });
        z.Button_setzen = benannt(new QPushButton(Feld), "Button_setzen_" + i);
        z.Button_zeige = benannt(new QPushButton(Feld), "Button_zeige_" + i);
        auto* Menue = new QMenu(z.Button_zeige);
        Menue->setObjectName("Menu_zeige_" + i);
        connect(benannt(Menue->addAction("default"), "Aktion_zeige_default_" + i), &QAction::triggered, this,
                [this, k] { Tabelle_zeigen(k, true); });
        connect(benannt(Menue->addAction("aktuell"), "Aktion_zeige_aktuell_" + i), &QAction::triggered, this,
                [this, k] { Tabelle_zeigen(k, false); });
        z.Button_zeige->setMenu(Menue);
        const int unten = int(std::size(Zeilentitel)) + 1;
        g->addWidget(z.Name, 0, k + 1);
        g->addWidget(z.Memo_Tabelle, unten, k + 1);
        auto* Tasten = new QHBoxLayout;
        Tasten->addWidget(z.Button_setzen);
        Tasten->addWidget(z.Button_zeige);
        g->addLayout(Tasten, unten + 1, k + 1);
        connect(z.Button_setzen, &QPushButton::clicked, this, [this, k] { Tabelle_setzen(k); });
    }
    return Feld;
}

void T_Form_Gasmischer_Sensoren::Verbinden() {
    connect(Button_Messen, &QPushButton::clicked, this, [this] { Messen_mit(Messzeit(), {}); });
    connect(Button_Stop, &QPushButton::clicked, this, [this] { gestoppt = true; });
    connect(Button_Kalibrieren, &QPushButton::clicked, this, [this] { Kalibrieren(); });
    connect(Button_Test_cal, &QPushButton::clicked, this, &T_Form_Gasmischer_Sensoren::Test_cal);
    connect(Edit_Test_mV, &QLineEdit::returnPressed, this, &T_Form_Gasmischer_Sensoren::Test_cal);
    connect(Button_Speichern, &QPushButton::clicked, this, &T_Form_Gasmischer_Sensoren::Speichern);
    connect(Button_Lesen, &QPushButton::clicked, this, &T_Form_Gasmischer_Sensoren::Lesen);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::close);
}

void T_Form_Gasmischer_Sensoren::Beschriftungen_setzen() {
    setWindowTitle(T("Sensoren", "Sensors"));
    Button_Messen->setText(T("Messe Sensoren mit Intervall (ms)", "Measure sensors with interval (ms)"));
    Button_Stop->setText("Stop");
    Button_Kalibrieren->setText(
        T("Kalibriere O2 Sensoren mit Intervall (ms)", "Calibrate O2 sensors with interval (ms)"));
    Button_Test_cal->setText(T("Test cal von ..", "Test cal of .."));
    Button_Speichern->setText(T("Speichern", "Save"));
    Button_Lesen->setText(T("Lesen", "Load"));
    ButtonClose->setText(T("Schließen", "Close"));
    Edit_Test_mV->setToolTip(T("Spannung in mV", "Voltage in mV"));
    auto* Tabelle = findChild<QGroupBox*>("GroupBox_Sensoren");
    for (int r = 0; r < int(std::size(Zeilentitel)); ++r)
        Tabelle->findChild<QLabel*>(QString("Label_Zeile_%1").arg(r))
            ->setText(T(Zeilentitel[r][0], Zeilentitel[r][1]));
    const int gewaehlt = ComboBox_Test_Sensor->currentIndex();
    ComboBox_Test_Sensor->clear();
    for (int k = 0; k < N; ++k) {
        Zeile& z = Zeilen[std::size_t(k)];
        z.Name->setText("<b>" + Sensorname(k) + "</b>");
        z.Button_setzen->setText(T("setzen", "set"));
        z.Button_zeige->setText(T("zeige ..", "show .."));
        ComboBox_Test_Sensor->addItem(Sensorname(k));
    }
    ComboBox_Test_Sensor->setCurrentIndex(std::max(0, gewaehlt));
    Name_geben(SpinEdit_Messzeit_ms, [] { return T("Messintervall (ms)", "Measuring interval (ms)"); });
    Name_geben(SpinEdit_Messzeit_cal_ms,
               [] { return T("Kalibrierintervall (ms)", "Calibration interval (ms)"); });
    Name_geben(ComboBox_Test_Sensor, [] { return T("Sensor für Test cal", "Sensor for test cal"); });
    Name_geben(Edit_Test_mV, [] { return T("Test cal von (mV)", "Test cal of (mV)"); });
    Beschriftungen_anwenden(this);
    Ergebnisse_zeigen();
}

void T_Form_Gasmischer_Sensoren::Simulationswerte_von(std::function<S_::Messwerte()> Quelle) {
    Simulationsquelle = std::move(Quelle);
}

bool T_Form_Gasmischer_Sensoren::Simulation() const {
    return CheckBox_Simulation->isChecked();
}

milliseconds T_Form_Gasmischer_Sensoren::Messzeit() const {
    return milliseconds(SpinEdit_Messzeit_ms->value());
}

S_::Messwerte T_Form_Gasmischer_Sensoren::Messen(const std::function<bool()>& weiter) {
    return Messen_mit(Messzeit(), weiter);
}

S_::Messwerte T_Form_Gasmischer_Sensoren::Messen_mit(milliseconds Dauer,
                                                     const std::function<bool()>& weiter) {
    // A click that arrives while a measurement lets events run must not start a second one.
    if (misst) return {};
    misst = true;
    gestoppt = false;
    Freigaben_setzen();
    const auto weiter_alle = [&] {
        QCoreApplication::processEvents();
        return !gestoppt && (!weiter || weiter());
    };
    const auto Fortschritt = [this](double p) { ProgressBar_Messung->setValue(int(p)); };
    S_::Messwerte Werte;
    milliseconds Echt{0};
    if (Simulation()) {
        Echt = S_::Warten(Dauer, weiter_alle, Fortschritt);
        if (Simulationsquelle) Werte = Simulationsquelle();
        for (std::size_t k = 0; k < S.size(); ++k) {
            S[k].Messung = {};
            S[k].Messung.abschliessen();
            S[k].Wert = Werte.Wert[k];
        }
    } else {
        const auto e = S_::Messen(S, W, Dauer, weiter_alle, Fortschritt);
        Werte = e.Werte;
        Echt = e.Dauer;
    }
    Letzte = Werte;
    Echte_Messzeit = Echt;
    misst = false;
    Ergebnisse_zeigen();
    Freigaben_setzen();
    return Werte;
}

bool T_Form_Gasmischer_Sensoren::Kalibrieren() {
    if (misst) return false;
    Messen_mit(milliseconds(SpinEdit_Messzeit_cal_ms->value()), {});
    if (gestoppt) {
        Meldung(false,
                Unit_Tools::Text_waehlen("Kalibrierung abgebrochen: die Tabellen bleiben, wie sie waren.",
                                         "Calibration stopped: the tables stay as they were."));
        return false;
    }
    const auto k = S_::Auf_Luft_kalibrieren(S);
    Tabellentexte_zeigen();
    Ergebnisse_zeigen();
    Meldung(k.ok, k.Meldung);
    return k.ok;
}

void T_Form_Gasmischer_Sensoren::Tabelle_setzen(int k) {
    auto& z = Zeilen[std::size_t(k)];
    const auto Meldung_ =
        S_::Tabelle_lesen(z.Memo_Tabelle->toPlainText().toStdString(), S[std::size_t(k)].Aktuell);
    if (!Meldung_.empty()) return Meldung(false, Sensorname(k).toStdString() + ":\n" + Meldung_);
    Tabelle_zeigen(k, false);
}

void T_Form_Gasmischer_Sensoren::Tabelle_zeigen(int k, bool Standard) {
    const auto& d = S[std::size_t(k)];
    Zeilen[std::size_t(k)].Memo_Tabelle->setPlainText(Q(S_::Tabellentext(Standard ? d.Standard : d.Aktuell)));
}

void T_Form_Gasmischer_Sensoren::Tabellentexte_zeigen() {
    for (int k = 0; k < N; ++k) Tabelle_zeigen(k, false);
}

void T_Form_Gasmischer_Sensoren::Test_cal() {
    const int k = std::max(0, ComboBox_Test_Sensor->currentIndex());
    const double mV = double(Unit_Tools::Zahl_lesen(Edit_Test_mV->text().toStdString()));
    Label_Test_Ergebnis->setText("= " + Zahl(3, S_::Wert_aus_mV(S[std::size_t(k)].Aktuell, mV)) + " " +
                                 Q(S_::Einheit(S_::Sensor(k))));
}

void T_Form_Gasmischer_Sensoren::Speichern() {
    Dateien_durchgehen(true, [this](int k, const std::string& Pfad) {
        return S_::Tabelle_speichern(Pfad, S[std::size_t(k)].Aktuell);
    });
}

void T_Form_Gasmischer_Sensoren::Lesen() {
    Dateien_durchgehen(false, [this](int k, const std::string& Pfad) {
        const auto Fehler = S_::Tabelle_laden(Pfad, S[std::size_t(k)].Aktuell);
        Tabelle_zeigen(k, false);
        return Fehler;
    });
}

void T_Form_Gasmischer_Sensoren::Dateien_durchgehen(
    bool speichern, const std::function<std::string(int, const std::string&)>& Aktion) {
    // One file per sensor, chosen one after the other; a cancelled choice skips that sensor.
    for (int k = 0; k < N; ++k) {
        const auto Pfad = Unit_UI::UI().Datei_waehlen(Dateiwahl(k, speichern));
        if (!Pfad) continue;
        if (const auto Fehler = Aktion(k, *Pfad); !Fehler.empty()) Meldung(false, Fehler);
    }
}

Unit_UI::Dateiwahl T_Form_Gasmischer_Sensoren::Dateiwahl(int k, bool speichern) const {
    Unit_UI::Dateiwahl Wahl;
    Wahl.speichern = speichern;
    Wahl.Filter = Unit_Tools::Text_waehlen("Kalibriertabelle|*.txt|Alle Dateien|*.*",
                                           "Calibration table|*.txt|All files|*.*");
    Wahl.Name = Sensorname(k).replace(' ', '_').toStdString() + ".txt";
    return Wahl;
}

void T_Form_Gasmischer_Sensoren::Ergebnisse_zeigen() {
    Label_Echte_Messzeit->setText(T("Echte Messzeit (ms) = ", "Real measuring time (ms) = ") +
                                  (Echte_Messzeit ? QString::number(Echte_Messzeit->count()) : "-"));
    for (int k = 0; k < N; ++k) {
        const auto& d = S[std::size_t(k)];
        const auto& st = d.Messung;
        Zeile& z = Zeilen[std::size_t(k)];
        const bool gemessen = st.n > 0;
        const auto zeigen = [gemessen](QLabel* l, const QString& Text) { l->setText(gemessen ? Text : "-"); };
        zeigen(z.Mittel, Zahl(3, st.Mittel));
        zeigen(z.n, QString::number(st.n));
        zeigen(z.Min, Zahl(3, st.Min));
        zeigen(z.Max, Zahl(3, st.Max));
        zeigen(z.Stdabw, Zahl(3, st.Standardabweichung));
        zeigen(z.Fehler, Zahl(3, st.Fehler_Prozent));
        const bool ok = Letzte.ok[std::size_t(k)];
        z.OK->setText(!Echte_Messzeit ? "-" : ok ? T("ja", "yes") : T("nein", "no"));
        z.OK->setStyleSheet(ok || !Echte_Messzeit ? QString() : "color: #b00000; font-weight: bold;");
        z.Wert->setText("<b>" + Zahl(2, d.Wert) + " " + Q(S_::Einheit(S_::Sensor(k))) + "</b>");
    }
}

void T_Form_Gasmischer_Sensoren::Freigaben_setzen() {
    for (QWidget* w : std::initializer_list<QWidget*>{Button_Messen, Button_Kalibrieren, Button_Speichern,
                                                      Button_Lesen, CheckBox_Simulation})
        w->setEnabled(!misst);
    for (auto& z : Zeilen) z.Button_setzen->setEnabled(!misst);
    Button_Stop->setEnabled(misst);
}

void T_Form_Gasmischer_Sensoren::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    QDialog::showEvent(Ereignis);
}

void T_Form_Gasmischer_Sensoren::closeEvent(QCloseEvent* Ereignis) {
    gestoppt = true;
    QDialog::closeEvent(Ereignis);
}
