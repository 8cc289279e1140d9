#include "ui/gases/T_Form_Gasgemisch.hpp"

#include "commands/Unit_Main.hpp"
#include "core/Unit_WayPoints.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
namespace R = Unit_Gasrechner;
using Unit_Tools::Zahl_formatieren;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QSlider* Schieber(QWidget* parent, const char* Name, int von, int bis) {
    auto* s = benannt(new QSlider(Qt::Horizontal, parent), Name);
    s->setRange(von, bis);
    s->setMinimumWidth(220);
    return s;
}

QLineEdit* Zahlfeld(QWidget* parent, const char* Name, bool nur_Anzeige = false) {
    auto* e = benannt(new QLineEdit(parent), Name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(80);
    e->setReadOnly(nur_Anzeige);
    if (nur_Anzeige) e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QSpinBox* Prozentfeld(QWidget* parent, const char* Name, int von) {
    auto* s = benannt(new QSpinBox(parent), Name);
    s->setRange(von, 100);
    s->setAlignment(Qt::AlignRight);
    return s;
}

// Broken limits in yellow, as the gas indicator marks them.
void markieren(QWidget* w, bool gelb) {
    w->setStyleSheet(gelb ? "background: #ffe84d; color: black;" : QString());
}

void setzen(QLineEdit* e, const QString& Text) {
    if (e->text() != Text) e->setText(Text);
}
} // namespace

T_Form_Gasgemisch::T_Form_Gasgemisch(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Gasgemisch");
    Tag_setzen(this, 263);
    setModal(true);

    auto* Werte = new QGroupBox(this);
    Werte->setObjectName("GroupBox_Werte");
    auto* w = new QGridLayout(Werte);
    TrackBar_Einsatztiefe = Schieber(Werte, "TrackBar_Einsatztiefe", 0, static_cast<int>(R::m_Tiefe_max));
    TrackBar_pO2 = Schieber(Werte, "TrackBar_pO2", 16, 160);
    TrackBar_END = Schieber(Werte, "TrackBar_END", 0, static_cast<int>(R::m_END_Warnung));
    Edit_Einsatztiefe = Zahlfeld(Werte, "Edit_Einsatztiefe");
    Edit_pO2 = Zahlfeld(Werte, "Edit_pO2");
    Edit_END = Zahlfeld(Werte, "Edit_END");
    Edit_MOD = Zahlfeld(Werte, "Edit_MOD", true);
    Edit_MinOD = Zahlfeld(Werte, "Edit_MinOD", true);
    CheckBox_pO2 = benannt(new QCheckBox(Werte), "CheckBox_pO2", 265);
    CheckBox_END = benannt(new QCheckBox(Werte), "CheckBox_END", 265);
    const auto Zeile = [&](int r, QLabel* Beschriftung, QSlider* Schieber_, QLineEdit* Feld,
                           QCheckBox* Haken) {
        Beschriftung->setBuddy(Feld);
        w->addWidget(Beschriftung, r, 0);
        if (Schieber_) w->addWidget(Schieber_, r, 1);
        w->addWidget(Feld, r, 2);
        if (Haken) w->addWidget(Haken, r, 3);
    };
    Zeile(0, benannt(new QLabel(Werte), "Label_Einsatztiefe", 264), TrackBar_Einsatztiefe, Edit_Einsatztiefe,
          nullptr);
    Zeile(1, new QLabel("pO2 (bar)", Werte), TrackBar_pO2, Edit_pO2, CheckBox_pO2);
    Zeile(2, new QLabel("END (m)", Werte), TrackBar_END, Edit_END, CheckBox_END);
    Zeile(3, new QLabel("MOD (m)", Werte), nullptr, Edit_MOD, nullptr);
    Zeile(4, new QLabel("MinOD (m)", Werte), nullptr, Edit_MinOD, nullptr);
    w->setColumnStretch(1, 1);

    auto* Gas = new QGroupBox("Gas", this);
    Gas->setObjectName("GroupBox_Gas");
    auto* g = new QGridLayout(Gas);
    CheckBox_Gas = benannt(new QCheckBox(Gas), "CheckBox_Gas", 266);
    RadioGroup_TmxNitrox = benannt(new Radiogruppe(Gas), "RadioGroup_TmxNitrox");
    RadioGroup_TmxNitrox->setEintraege({"Trimix", "Nitrox"});
    SpinEdit_f_O2_prozent = Prozentfeld(Gas, "SpinEdit_f_O2_prozent", 1);
    SpinEdit_f_N2_prozent = Prozentfeld(Gas, "SpinEdit_f_N2_prozent", 0);
    SpinEdit_f_N2_prozent->setEnabled(false); // always the rest
    SpinEdit_f_He_prozent = Prozentfeld(Gas, "SpinEdit_f_He_prozent", 0);
    Edit_Gasname = benannt(new QLineEdit(Gas), "Edit_Gasname");
    Label_Gasname = new QLabel(Gas);
    Label_Gasname->setBuddy(Edit_Gasname);
    g->addWidget(CheckBox_Gas, 0, 0, 1, 2);
    g->addWidget(RadioGroup_TmxNitrox, 1, 0, 3, 1);
    int r = 1;
    for (auto [Feld, Text] :
         {std::pair{SpinEdit_f_O2_prozent, "O2 (%)"}, std::pair{SpinEdit_f_N2_prozent, "N2 (%)"},
          std::pair{SpinEdit_f_He_prozent, "He (%)"}}) {
        auto* l = new QLabel(Text, Gas);
        l->setBuddy(Feld);
        g->addWidget(l, r, 1);
        g->addWidget(Feld, r++, 2);
    }
    g->addWidget(Label_Gasname, 4, 0);
    g->addWidget(Edit_Gasname, 4, 1, 1, 2);

    RadioGroup_BestMix = benannt(new Radiogruppe(this), "RadioGroup_BestMix");
    RadioGroup_BestMix->setTitle("Best Mix (END 30 m)");
    QStringList Ziele;
    const char* const Zusatz[] = {" bar (CCR)", " bar", " bar (OC)"};
    for (std::size_t k = 0; k < R::BestMix_Ziele.size(); ++k)
        Ziele << Q(Zahl_formatieren(0, 1, R::BestMix_Ziele[k])) + Zusatz[k];
    RadioGroup_BestMix->setEintraege(Ziele);
    RadioGroup_BestMix->setEintrag(0);
    Button_BestMix = benannt(new QPushButton("Best Mix", RadioGroup_BestMix), "Button_BestMix");
    RadioGroup_BestMix->layout()->addWidget(Button_BestMix);

    Label_Hinweis = benannt(new QLabel(this), "Label_Hinweis");
    Label_Hinweis->setWordWrap(true);
    Label_Hinweis->setMargin(4);
    Button_GasCheck = benannt(new QPushButton("Gas- Check", this), "Button_GasCheck");
    Button_OK_inDieGasliste = benannt(new QPushButton(this), "Button_OK_inDieGasliste", 267);
    ButtonClose = benannt(new QPushButton(this), "ButtonClose");
    for (auto* b : {Button_BestMix, Button_GasCheck, Button_OK_inDieGasliste, ButtonClose})
        b->setAutoDefault(false);

    auto* unten = new QHBoxLayout;
    unten->addWidget(Gas, 1);
    unten->addWidget(RadioGroup_BestMix);
    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addWidget(Button_GasCheck);
    Knoepfe->addWidget(Button_OK_inDieGasliste);
    Knoepfe->addStretch(1);
    Knoepfe->addWidget(ButtonClose);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(Werte);
    Layout->addLayout(unten);
    Layout->addWidget(Label_Hinweis);
    Layout->addLayout(Knoepfe);
    Verbinden();
    Beschriftungen_setzen();
}

void T_Form_Gasgemisch::Beschriftungen_setzen() {
    Beschriftungen_anwenden(this);
    Label_Gasname->setText(T("Name", "Name"));
    ButtonClose->setText(T("Schließen", "Close"));
    Button_OK_inDieGasliste->setToolTip(
        T("Gasgemisch in die Liste der Gasgemische aufnehmen", "Put the gas mix into the list of gas mixes"));
    Button_BestMix->setToolTip(T("Magerster Sauerstoff für den Ziel-pO2, dann wenigstes Helium für END 30 m",
                                 "Leanest oxygen for the target pO2, then least helium for END 30 m"));
    for (auto* Feld : {TrackBar_Einsatztiefe, TrackBar_pO2, TrackBar_END})
        Feld->setAccessibleName(T("Schieber ", "Slider ") + Feld->objectName().mid(9));
}

R::Eingaben T_Form_Gasgemisch::Felder() const {
    return {Edit_pO2->text().toStdString(), Edit_Einsatztiefe->text().toStdString(),
            Edit_END->text().toStdString()};
}

template <typename Operation> void T_Form_Gasgemisch::Ausfuehren(Operation&& op) {
    Befehl_ausfuehren([&] { op(); });
    Anzeigen();
}

void T_Form_Gasgemisch::Verbinden() {
    // A field runs its handler while what is typed is a number, and once more when left or
    // confirmed, then with a message for text that is no number.
    const auto Feld = [this](QLineEdit* e, void (*Handler)(R::Gasrechner_Type&, const R::Eingaben&)) {
        connect(e, &QLineEdit::textEdited, this, [this, e, Handler](const QString& t) {
            long double x = 0;
            if (!Unit_Tools::Zahl_umwandeln(t.toStdString(), x)) return;
            Befehl_ausfuehren([&] { Handler(Z, Felder()); });
            // The field being typed in keeps its text and cursor until it is left.
            const QSignalBlocker Sperre(e);
            const QString Text = e->text();
            const int Cursor = e->cursorPosition();
            Anzeigen();
            e->setText(Text);
            e->setCursorPosition(Cursor);
            e->setModified(true);
        });
        connect(e, &QLineEdit::editingFinished, this, [this, e, Handler] {
            if (!e->isModified()) return;
            e->setModified(false);
            Ausfuehren([&] { Handler(Z, Felder()); });
        });
    };
    Feld(Edit_Einsatztiefe, R::Tiefe_geaendert);
    Feld(Edit_pO2, R::pO2_geaendert);
    Feld(Edit_END, R::END_geaendert);
    // A track bar writes its value into the field beside it, which runs the field's handler.
    const auto Schieber_ = [this](QSlider* s, QLineEdit* e, double Faktor, int Stellen,
                                  void (*Handler)(R::Gasrechner_Type&, const R::Eingaben&)) {
        connect(s, &QSlider::valueChanged, this, [this, e, Faktor, Stellen, Handler](int v) {
            e->setText(Q(Zahl_formatieren(0, Stellen, v * Faktor)));
            Ausfuehren([&] { Handler(Z, Felder()); });
        });
    };
    Schieber_(TrackBar_Einsatztiefe, Edit_Einsatztiefe, 1, 0, R::Tiefe_geaendert);
    Schieber_(TrackBar_pO2, Edit_pO2, 0.01, 2, R::pO2_geaendert);
    Schieber_(TrackBar_END, Edit_END, 1, 0, R::END_geaendert);
    for (QSpinBox* s : {SpinEdit_f_O2_prozent, SpinEdit_f_He_prozent})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            Ausfuehren([this] {
                R::Anteile_setzen(Z, SpinEdit_f_O2_prozent->value(), SpinEdit_f_He_prozent->value());
            });
        });
    connect(RadioGroup_TmxNitrox, &Radiogruppe::gewaehlt, this,
            [this](int k) { Ausfuehren([&] { R::Gasart_setzen(Z, k == 0, Felder()); }); });
    connect(CheckBox_Gas, &QCheckBox::clicked, this,
            [this](bool an) { Ausfuehren([&] { R::Modus_setzen(Z, an); }); });
    for (QCheckBox* c : {CheckBox_pO2, CheckBox_END})
        connect(c, &QCheckBox::clicked, this,
                [this](bool an) { Ausfuehren([&] { R::Modus_setzen(Z, !an); }); });
    connect(Edit_Gasname, &QLineEdit::textEdited, this,
            [this](const QString& t) { Z.Name = t.toStdString(); });
    connect(Button_GasCheck, &QPushButton::clicked, this,
            [this] { Ausfuehren([this] { R::Gas_Check(Z, Felder()); }); });
    connect(Button_BestMix, &QPushButton::clicked, this, [this] {
        const int k =
            std::clamp(RadioGroup_BestMix->Eintrag(), 0, static_cast<int>(R::BestMix_Ziele.size()) - 1);
        Ausfuehren([&] { R::Best_Mix(Z, R::BestMix_Ziele[static_cast<std::size_t>(k)], Felder()); });
    });
    connect(Button_OK_inDieGasliste, &QPushButton::clicked, this,
            &T_Form_Gasgemisch::Button_OK_inDieGaslisteClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::accept);
}

void T_Form_Gasgemisch::Button_OK_inDieGaslisteClick() {
    int32_t k = -1;
    Befehl_ausfuehren([&] {
        k = Unit_Main::Gas_in_die_Gasliste(Edit_Gasname->text().toStdString(),
                                           static_cast<float>(SpinEdit_f_O2_prozent->value()),
                                           static_cast<float>(SpinEdit_f_N2_prozent->value()),
                                           static_cast<float>(SpinEdit_f_He_prozent->value()));
    });
    if (k >= 0) emit Gas_aufgenommen();
}

void T_Form_Gasgemisch::Anzeigen() {
    const QSignalBlocker s1(TrackBar_Einsatztiefe), s2(TrackBar_pO2), s3(TrackBar_END),
        s4(SpinEdit_f_O2_prozent), s5(SpinEdit_f_He_prozent), s6(RadioGroup_TmxNitrox);
    TrackBar_Einsatztiefe->setValue(static_cast<int>(std::lround(Z.m_Einsatztiefe)));
    TrackBar_pO2->setValue(static_cast<int>(std::lround(Z.bar_pO2 * 100)));
    TrackBar_END->setValue(static_cast<int>(std::lround(Z.m_END)));
    setzen(Edit_Einsatztiefe, Q(Zahl_formatieren(0, 1, Z.m_Einsatztiefe)));
    setzen(Edit_pO2, Q(Zahl_formatieren(0, 2, Z.bar_pO2)));
    setzen(Edit_END, Q(Zahl_formatieren(0, 1, Z.m_END)));
    setzen(Edit_MOD, Q(Zahl_formatieren(0, 1, Z.Werte.MOD)));
    setzen(Edit_MinOD, Q(Zahl_formatieren(0, 1, Z.Werte.MinOD)));
    markieren(Edit_pO2, Z.Werte.pO2_ausserhalb);
    markieren(Edit_END, Z.Werte.END_ueberschritten);
    markieren(Edit_MinOD, Z.Werte.MinOD > 0);
    SpinEdit_f_O2_prozent->setValue(Z.O2);
    SpinEdit_f_He_prozent->setMaximum(100 - Z.O2);
    SpinEdit_f_He_prozent->setValue(Z.He);
    SpinEdit_f_N2_prozent->setValue(Z.N2);
    RadioGroup_TmxNitrox->setEintrag(Z.Trimix ? 0 : 1);
    setzen(Edit_Gasname, Q(Z.Name));
    CheckBox_Gas->setChecked(Z.Mix_berechnen);
    CheckBox_pO2->setChecked(!Z.Mix_berechnen);
    CheckBox_END->setChecked(!Z.Mix_berechnen);
    QStringList Hinweise;
    for (const auto& h : R::Hinweise(Z)) Hinweise << Q(h);
    Label_Hinweis->setText(Hinweise.join('\n'));
    markieren(Label_Hinweis, !Hinweise.isEmpty());
    Freigaben_setzen();
}

void T_Form_Gasgemisch::Freigaben_setzen() {
    const bool Mix = Z.Mix_berechnen;
    for (QWidget* w : {static_cast<QWidget*>(TrackBar_pO2), static_cast<QWidget*>(Edit_pO2),
                       static_cast<QWidget*>(RadioGroup_TmxNitrox)})
        w->setEnabled(Mix);
    TrackBar_END->setEnabled(Mix && Z.Trimix);
    Edit_END->setEnabled(Mix && Z.Trimix);
    for (QWidget* w : {static_cast<QWidget*>(SpinEdit_f_O2_prozent),
                       static_cast<QWidget*>(SpinEdit_f_He_prozent), static_cast<QWidget*>(Edit_Gasname)})
        w->setEnabled(!Mix);
}

void T_Form_Gasgemisch::showEvent(QShowEvent* Ereignis) {
    Befehl_ausfuehren([this] { R::Oeffnen(Z, Unit_WayPoints::m_Wasser); });
    Beschriftungen_setzen();
    Anzeigen();
    QDialog::showEvent(Ereignis);
}

void T_Form_Gasgemisch::done(int Ergebnis) {
    Befehl_ausfuehren([this] { Unit_Main::Einsatztiefe_vorschlagen(Z.m_Einsatztiefe); });
    QDialog::done(Ergebnis);
}
