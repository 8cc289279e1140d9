#include "ui/blender/T_Form_DaqOntrakCom.hpp"

#include "lang/Unit_Tools.hpp"
#include "settings/Unit_Einstellungsdatei.hpp"
#include "settings/Unit_Wandleranschluss.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/blender/Schnittstellendialog.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace D = Unit_DaqOntrakCom;

namespace {
QString T(const std::string& Deutsch, const std::string& Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

// The panel keeps the latest messages; older ones scroll out.
constexpr int Meldungen_im_Panel = 6;
} // namespace

template <typename Element>
Element* T_Form_DaqOntrakCom::beschriftet(Element* e, const char* Deutsch, const char* Englisch) {
    Beschriftungen.push_back({e, Deutsch, Englisch});
    return e;
}

QLabel* T_Form_DaqOntrakCom::Beschriftung_neben(QWidget* Feld, const char* Deutsch, const char* Englisch) {
    auto* l = beschriftet(new QLabel(Feld->parentWidget()), Deutsch, Englisch);
    l->setBuddy(Feld);
    // Renamed by the caption walk of a language switch, the label when the window is shown.
    Name_geben(Feld, [Deutsch, Englisch] { return T(Deutsch, Englisch); });
    return l;
}

T_Form_DaqOntrakCom::T_Form_DaqOntrakCom(QWidget* parent)
    : QDialog(parent), Strecke_(std::make_unique<Serielle_Strecke>()),
      Wandler_(std::make_unique<D::Wandler>(*Strecke_)) {
    setObjectName("T_Form_DaqOntrakCom");
    Konfiguration = new Schnittstellendialog(this);
    Panel_Bottom_ErrorMessages = benannt(new QFrame(this), "Panel_Bottom_ErrorMessages");
    Panel_Bottom_ErrorMessages->setFrameShape(QFrame::StyledPanel);
    Panel_Bottom_ErrorMessages->setStyleSheet("QFrame#Panel_Bottom_ErrorMessages { background: #ffd6d6; }");
    Label_ErrorMessages = benannt(new QLabel(Panel_Bottom_ErrorMessages), "Label_ErrorMessages");
    Label_ErrorMessages->setWordWrap(true);
    Label_ErrorMessages->setStyleSheet("color: black;");
    Label_ErrorMessages->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(Panel_Bottom_ErrorMessages))->addWidget(Label_ErrorMessages);
    Panel_Bottom_ErrorMessages->hide();

    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(Schnittstelle_anlegen());
    Layout->addWidget(Eingang_anlegen());
    Layout->addWidget(Ausgang_anlegen());
    Layout->addStretch(1);
    Layout->addWidget(Panel_Bottom_ErrorMessages);
    Layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(Strecke_.get(), &Serielle_Strecke::Fehler, this, &T_Form_DaqOntrakCom::Fehler_zeigen);
    connect(Strecke_.get(), &Serielle_Strecke::Zustand_geaendert, this, &T_Form_DaqOntrakCom::Zustand_zeigen);
    Beschriftungen_setzen();
}

T_Form_DaqOntrakCom::~T_Form_DaqOntrakCom() {
    // The link's last reports must not reach a window half destroyed.
    Strecke_->disconnect(this);
}

QGroupBox* T_Form_DaqOntrakCom::Schnittstelle_anlegen() {
    GroupBox_Schnittstelle = beschriftet(benannt(new QGroupBox(this), "GroupBox_Schnittstelle"),
                                         "Serielle Schnittstelle", "Serial interface");
    auto* g = GroupBox_Schnittstelle;
    Label_Schnittstelle = benannt(new QLabel(g), "Label_Schnittstelle");
    const auto Knopf = [&](const char* Name, const char* Deutsch, const char* Englisch,
                           void (T_Form_DaqOntrakCom::*f)()) {
        auto* k = beschriftet(benannt(new QPushButton(g), Name), Deutsch, Englisch);
        connect(k, &QPushButton::clicked, this, f);
        return k;
    };
    Button_Open = Knopf("Button_Open", "Öffnen", "Open", &T_Form_DaqOntrakCom::Open);
    Button_Close = Knopf("Button_Close", "Schließen", "Close", &T_Form_DaqOntrakCom::Close);
    Button_OpenDef = Knopf("Button_OpenDef", "Öffnen (Standard)", "Open def", &T_Form_DaqOntrakCom::Open_def);
    Button_Configure = Knopf("Button_Configure", "Einstellen", "Configure", &T_Form_DaqOntrakCom::Configure);
    Button_Info = Knopf("Button_Info", "?", "?", &T_Form_DaqOntrakCom::Info);
    auto* Zeile = new QHBoxLayout;
    for (auto* k : {Button_Open, Button_Close, Button_OpenDef, Button_Configure, Button_Info})
        Zeile->addWidget(k);
    Zeile->addStretch(1);
    auto* Layout = new QVBoxLayout(g);
    Layout->addWidget(Label_Schnittstelle);
    Layout->addLayout(Zeile);
    return g;
}

QGroupBox* T_Form_DaqOntrakCom::Eingang_anlegen() {
    GroupBox_Eingang =
        beschriftet(benannt(new QGroupBox(this), "GroupBox_Eingang"), "Analogeingang", "Analog input");
    auto* g = GroupBox_Eingang;
    ComboBox_InputRange = benannt(new QComboBox(g), "ComboBox_InputRange");
    ComboBox_InputRange->addItems({"0  ... +5 V", "-5 ... +5 V"});
    ComboBox_Messart = benannt(new QComboBox(g), "ComboBox_Messart");
    ComboBox_Kanal = benannt(new QComboBox(g), "ComboBox_Kanal");
    SpinEdit_Mittelung = benannt(new QSpinBox(g), "SpinEdit_Mittelung");
    // A converter that does not answer costs 100 ms a reading: the window stays blocked 5 s at most.
    SpinEdit_Mittelung->setRange(1, 50);
    SpinEdit_Mittelung->setMaximumWidth(120);
    Button_Lesen = beschriftet(benannt(new QPushButton(g), "Button_Lesen"), "Lesen", "Read");
    Edit_Spannung = benannt(new QLineEdit(g), "Edit_Spannung");
    Edit_Spannung->setReadOnly(true);
    Edit_Spannung->setAlignment(Qt::AlignRight);
    Edit_Spannung->setMaximumWidth(120);
    Label_OK = benannt(new QLabel(g), "Label_OK");

    auto* Raster = new QGridLayout(g);
    int Zeile = 0;
    for (auto [Feld, Deutsch, Englisch] :
         std::initializer_list<std::tuple<QWidget*, const char*, const char*>>{
             {ComboBox_InputRange, "Bereich", "Range"},
             {ComboBox_Messart, "Messart", "Mode"},
             {ComboBox_Kanal, "Kanal", "Channel"},
             {SpinEdit_Mittelung, "Mittelung (Anzahl)", "Average (count)"}}) {
        Raster->addWidget(Beschriftung_neben(Feld, Deutsch, Englisch), Zeile, 0);
        Raster->addWidget(Feld, Zeile++, 1);
    }
    Raster->addWidget(Button_Lesen, Zeile, 0);
    auto* Ergebnis = new QHBoxLayout;
    Ergebnis->addWidget(Beschriftung_neben(Edit_Spannung, "Spannung (mV)", "Voltage (mV)"));
    Ergebnis->addWidget(Edit_Spannung);
    Ergebnis->addWidget(Label_OK);
    Ergebnis->addStretch(1);
    Raster->addLayout(Ergebnis, Zeile, 1);
    Raster->setColumnStretch(2, 1);

    connect(ComboBox_Messart, &QComboBox::currentIndexChanged, this, &T_Form_DaqOntrakCom::Kanaele_fuellen);
    connect(Button_Lesen, &QPushButton::clicked, this, &T_Form_DaqOntrakCom::Lesen);
    return g;
}

QGroupBox* T_Form_DaqOntrakCom::Ausgang_anlegen() {
    GroupBox_Ausgang =
        beschriftet(benannt(new QGroupBox(this), "GroupBox_Ausgang"), "Analogausgänge", "Analog outputs");
    auto* g = GroupBox_Ausgang;
    auto* Raster = new QGridLayout(g);
    const auto Ausgang = [&](int Kanal, const char* Name, const char* Knopfname, const char* Deutsch,
                             const char* Englisch, QDoubleSpinBox*& Feld, QPushButton*& Knopf) {
        Feld = benannt(new QDoubleSpinBox(g), Name);
        Feld->setRange(0, D::Ausgang_max_mV);
        Feld->setDecimals(0);
        Feld->setSingleStep(100);
        Knopf = beschriftet(benannt(new QPushButton(g), Knopfname), "Setzen", "Set");
        Raster->addWidget(Beschriftung_neben(Feld, Deutsch, Englisch), Kanal, 0);
        Raster->addWidget(Feld, Kanal, 1);
        Raster->addWidget(Knopf, Kanal, 2);
        connect(Knopf, &QPushButton::clicked, this,
                [this, Kanal, Feld] { Ausgang_setzen(Kanal, Feld->value()); });
    };
    Ausgang(0, "SpinEdit_Ausgang1", "Button_Ausgang1", "Ausgang 1, VA (mV)", "Output 1, VA (mV)",
            SpinEdit_Ausgang1, Button_Ausgang1);
    Ausgang(1, "SpinEdit_Ausgang2", "Button_Ausgang2", "Ausgang 2, VB (mV)", "Output 2, VB (mV)",
            SpinEdit_Ausgang2, Button_Ausgang2);
    Raster->setColumnStretch(3, 1);
    return g;
}

void T_Form_DaqOntrakCom::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen(); // the language may have changed since the window was built
    QDialog::showEvent(Ereignis);
}

void T_Form_DaqOntrakCom::Beschriftungen_setzen() {
    setWindowTitle(
        T("Messwerterfassung mit dem Ontrak-ADR2000-Wandler", "Data acquisition using Ontrak ADR2000 ADC"));
    for (const auto& b : Beschriftungen) {
        const QString Text = T(b.Deutsch, b.Englisch);
        if (auto* l = qobject_cast<QLabel*>(b.Element)) l->setText(Text);
        if (auto* k = qobject_cast<QPushButton*>(b.Element)) k->setText(Text);
        if (auto* r = qobject_cast<QGroupBox*>(b.Element)) r->setTitle(Text);
    }
    const int Art = std::max(0, ComboBox_Messart->currentIndex());
    {
        const QSignalBlocker still(ComboBox_Messart);
        ComboBox_Messart->clear();
        ComboBox_Messart->addItems(
            {T("einzeln (gegen Masse)", "single-ended"), T("Differenz", "differential")});
        ComboBox_Messart->setCurrentIndex(Art);
    }
    Kanaele_fuellen();
    Zustand_zeigen();
    Button_Info->setToolTip(T("Einstellung der Schnittstelle", "Settings of the serial interface"));
}

// Index = channel number in both modes: a pair's first input positive is pair * 2, its second pair * 2 + 1.
void T_Form_DaqOntrakCom::Kanaele_fuellen() {
    const int Kanal = std::max(0, ComboBox_Kanal->currentIndex());
    ComboBox_Kanal->clear();
    static const char* const Paare[] = {"0-1", "2-3", "4-5", "6-7 "};
    for (int i = 0; i < 8; ++i) {
        if (ComboBox_Messart->currentIndex() != 1) {
            ComboBox_Kanal->addItem(QString::number(i));
            continue;
        }
        const std::string Paar = std::string(Paare[i / 2]) + ", + ";
        ComboBox_Kanal->addItem(T(Paar + "an " + std::to_string(i), Paar + "on " + std::to_string(i)));
    }
    ComboBox_Kanal->setCurrentIndex(Kanal);
}

void T_Form_DaqOntrakCom::Zustand_zeigen() {
    const auto& a = Strecke_->Einstellung();
    Label_Schnittstelle->setText(
        QString::fromStdString(a.Port) + ", " + QString::number(a.Baudrate) + " Baud: " +
        (Strecke_->verbunden() ? T("verbunden", "connected") : T("nicht verbunden", "not connected")));
}

void T_Form_DaqOntrakCom::Open_def() {
    Strecke_->Einstellen(Unit_Wandleranschluss::Einstellung);
    Strecke_->Oeffnen();
    Zustand_zeigen();
}

void T_Form_DaqOntrakCom::Open() {
    if (Strecke_->verbunden()) {
        Unit_Tools::Meldung_Info("Gerät ist bereits geöffnet", "Device is already opened");
        return;
    }
    Strecke_->Oeffnen();
    Zustand_zeigen();
}

void T_Form_DaqOntrakCom::Close() {
    if (!Strecke_->verbunden()) {
        Unit_Tools::Meldung_Info("Gerät ist bereits geschlossen", "Device is already closed");
        return;
    }
    Strecke_->Schliessen();
    Zustand_zeigen();
}

void T_Form_DaqOntrakCom::Configure() {
    Konfiguration->Zeigen(Strecke_->Einstellung());
    if (Konfiguration->exec() != QDialog::Accepted) return;
    Unit_Wandleranschluss::Einstellung = Konfiguration->Anschluss();
    Strecke_->Einstellen(Unit_Wandleranschluss::Einstellung);
    Unit_Einstellungsdatei::Einstellungsdatei_schreiben();
    Zustand_zeigen();
}

void T_Form_DaqOntrakCom::Info() {
    const std::string Text =
        Unit_Wandleranschluss::Beschreibung(Strecke_->Einstellung(), Strecke_->verbunden());
    Unit_Tools::Meldung_Info(Text, Text);
}

void T_Form_DaqOntrakCom::Lesen() {
    Fehler_verbergen();
    Wandler_->Bereich = ComboBox_InputRange->currentIndex();
    const auto Art = ComboBox_Messart->currentIndex() == 1 ? D::Messart::Differenz : D::Messart::Einzeln;
    const D::Messung m =
        Wandler_->Mittel_lesen(Art, ComboBox_Kanal->currentIndex(), SpinEdit_Mittelung->value());
    Edit_Spannung->setText(QString::number(m.Wert, 'f', 1));
    Label_OK->setText(m.ok ? "OK" : T("Fehler", "failed"));
    if (!m.ok) Fehler_zeigen(QString::fromStdString(Wandler_->Meldung()));
}

void T_Form_DaqOntrakCom::Ausgang_setzen(int Kanal, double mV) {
    if (!Wandler_->Ausgang_setzen(Kanal, mV) || !Wandler_->Meldung().empty())
        Fehler_zeigen(QString::fromStdString(Wandler_->Meldung()));
}

void T_Form_DaqOntrakCom::Fehler_zeigen(const QString& Meldung) {
    if (Meldung.isEmpty()) return;
    QStringList Zeilen;
    if (Panel_Bottom_ErrorMessages->isVisibleTo(this)) Zeilen = Label_ErrorMessages->text().split('\n');
    Zeilen << Meldung;
    while (Zeilen.size() > Meldungen_im_Panel) Zeilen.removeFirst();
    Label_ErrorMessages->setText(Zeilen.join('\n'));
    Panel_Bottom_ErrorMessages->show();
    Zustand_zeigen();
}

void T_Form_DaqOntrakCom::Fehler_verbergen() {
    Panel_Bottom_ErrorMessages->hide();
    Label_ErrorMessages->clear();
}
