#include "ui/blender/T_Form_Gasmischer.hpp"

#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace M = Unit_Gasmischer;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string S(const QLineEdit* e) {
    return e->text().toStdString();
}

QString Zahl(double Wert, int Stellen = 1) {
    return Q(Unit_Tools::Zahl_formatieren(0, Stellen, Wert));
}

void schreiben(QLineEdit* e, double Wert) {
    e->setText(Zahl(Wert));
}

void zeigen(QLabel* l, double Wert, int Stellen = 1) {
    l->setText(Q(M::Ergebnis_Text(Wert, Stellen)));
}

struct Seitentext {
    const char *Name, *Deutsch, *Englisch;
};
const Seitentext Seiten[] = {{"TabSheet_O2_He_Luft", "+O2 +He +Luft", "+O2 +He +Air"},
                             {"TabSheet_O2_Trimix_Luft", "+O2 +Trimix +Luft", "+O2 +Trimix +Air"},
                             {"TabSheet_Trimix", "+Trimix", "+Trimix"},
                             {"TabSheet_Einduesen", "Eindüsen", "Injection"}};
} // namespace

T_Form_Gasmischer::T_Form_Gasmischer(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Gasmischer");
    auto* Layout = new QVBoxLayout(this);
    Menue_anlegen(Layout);

    // O2, N2, He (%), pressure (bar), volume (l); N2 is always the rest to 100 %.
    const auto Gasbox_anlegen = [this](QGroupBox*& Box, const char* Name, const char* Deutsch,
                                       const char* Englisch, int Erstes, std::array<QLineEdit**, 5> Felder) {
        Box = benannt(new QGroupBox(this), Name);
        auto* g = new QGridLayout(Box);
        const std::pair<const char*, const char*> Texte_[] = {{"O2 (%)", "O2 (%)"},
                                                              {"N2 (%)", "N2 (%)"},
                                                              {"He (%)", "He (%)"},
                                                              {"Druck (bar)", "Pressure (bar)"},
                                                              {"Volumen (l)", "Volume (l)"}};
        for (int k = 0; k < 5; ++k)
            *Felder[static_cast<std::size_t>(k)] = Feld(g, k, ("Edit" + std::to_string(Erstes + k)).c_str(),
                                                        Texte_[k].first, Texte_[k].second, Deutsch, Englisch);
        (*Felder[1])->setReadOnly(true);
        return g;
    };
    auto* v = Gasbox_anlegen(GroupBox_Vorher, "GroupBox_Vorher", "Gas (vorher)", "Gas (before)", 1,
                             {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5});
    CheckBox_Vorher_leer = benannt(new QCheckBox(GroupBox_Vorher), "CheckBox_Vorher_leer");
    v->addWidget(CheckBox_Vorher_leer, 5, 1);
    Gasbox_anlegen(GroupBox_Nachher, "GroupBox_Nachher", "Gas (nachher)", "Gas (after)", 6,
                   {&Edit6, &Edit7, &Edit8, &Edit9, &Edit10});

    auto* Gase = new QHBoxLayout;
    Gase->addWidget(GroupBox_Vorher);
    Gase->addWidget(GroupBox_Nachher);
    Layout->addLayout(Gase);

    PageControl_Methoden = benannt(new QTabWidget(this), "PageControl_Methoden");
    PageControl_Methoden->setUsesScrollButtons(false); // all four methods in sight
    for (Seite s : {Seite_O2_He_Luft, Seite_O2_Trimix_Luft, Seite_Trimix, Seite_Einduesen})
        PageControl_Methoden->addTab(Seite_anlegen(s), QString());
    Layout->addWidget(PageControl_Methoden);

    auto* unten = new QHBoxLayout;
    Label_Kosten = new QLabel(this);
    Edit11 = benannt(new QLineEdit(this), "Edit11");
    Edit11->setReadOnly(true);
    Edit11->setAlignment(Qt::AlignRight);
    Edit11->setMaximumWidth(90);
    Label_Kosten->setBuddy(Edit11);
    Button_berechnen = benannt(new QPushButton(this), "Button_berechnen");
    Button_berechnen->setDefault(true);
    unten->addWidget(Label_Kosten);
    unten->addWidget(Edit11);
    unten->addStretch(1);
    unten->addWidget(Button_berechnen);
    Layout->addLayout(unten);

    // The texts a freshly opened window would show; showing it resets them.
    const std::pair<QLineEdit*, const char*> Vorgaben[] = {
        {Edit1, "21"},    {Edit2, "79"},    {Edit3, "0"},   {Edit4, "100"},  {Edit5, "6.8"}, {Edit6, "16.0"},
        {Edit7, "34.0"},  {Edit8, "50.0"},  {Edit9, "220"}, {Edit10, "6.8"}, {Edit11, "0"},  {Edit12, "16.0"},
        {Edit13, "34.0"}, {Edit14, "50.0"}, {Edit16, "21"}, {Edit17, "79"},  {Edit18, "0"},  {Edit19, "100"}};
    for (const auto& [e, Text] : Vorgaben) e->setText(Text);
    Edit_Mix_Zugabe_HeVerlustFaktor->setText(Zahl(He_Faktor, 3));
    Verbinden();
    Beschriftungen_setzen();
}

QLineEdit* T_Form_Gasmischer::Feld(QGridLayout* g, int Zeile, const QString& Name, const char* Deutsch,
                                   const char* Englisch, const char* Box_Deutsch, const char* Box_Englisch) {
    auto* l = new QLabel(g->parentWidget());
    auto* e = benannt(new QLineEdit(g->parentWidget()), Name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(90);
    l->setBuddy(e);
    Texte.push_back({l, {Deutsch, Englisch}});
    // Before and after show the same captions: the box tells their fields apart.
    Name_geben(e, [=] { return T(Box_Deutsch, Box_Englisch) + ": " + T(Deutsch, Englisch); });
    g->addWidget(l, Zeile, 0);
    g->addWidget(e, Zeile, 1);
    return e;
}

QLabel* T_Form_Gasmischer::Ergebnis(QGridLayout* g, int Zeile, const char* Deutsch, const char* Englisch,
                                    const char* Name) {
    auto* l = new QLabel(g->parentWidget());
    auto* Wert = benannt(new QLabel(g->parentWidget()), Name);
    // Padded to five characters, the results stand in a column of their own.
    Wert->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Wert->setMinimumWidth(Wert->fontMetrics().horizontalAdvance("00000.00"));
    Wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Texte.push_back({l, {Deutsch, Englisch}});
    g->addWidget(l, Zeile, 2);
    g->addWidget(Wert, Zeile, 3);
    return Wert;
}

QWidget* T_Form_Gasmischer::Seite_anlegen(Seite s) {
    auto* w = benannt(new QWidget(PageControl_Methoden), Seiten[s].Name);
    auto* g = new QGridLayout(w);
    const auto Trimixbox = [&](QGroupBox*& Box, const char* Name, const char* Deutsch, const char* Englisch,
                               std::array<const char*, 3> Namen) {
        Box = benannt(new QGroupBox(w), Name);
        auto* b = new QGridLayout(Box);
        std::array<QLineEdit*, 3> Felder{};
        const char* const Texte_[] = {"O2 (%)", "N2 (%)", "He (%)"};
        for (int k = 0; k < 3; ++k)
            Felder[static_cast<std::size_t>(k)] =
                Feld(b, k, Namen[static_cast<std::size_t>(k)], Texte_[k], Texte_[k], Deutsch, Englisch);
        Felder[1]->setReadOnly(true);
        g->addWidget(Box, 0, 0, 5, 1);
        return Felder;
    };
    switch (s) {
    case Seite_O2_He_Luft:
        Label_O2_bar = Ergebnis(g, 0, "O2 (bar) = ", "O2 (bar) = ", "Label_O2_bar");
        Label_Luft_bar = Ergebnis(g, 1, "Luft (bar) = ", "Air (bar) = ", "Label_Luft_bar");
        Label_He_bar = Ergebnis(g, 2, "He (bar) = ", "He (bar) = ", "Label_He_bar");
        Label_Summe_bar = Ergebnis(g, 3, "Summe (bar) = ", "Sum (bar) = ", "Label_Summe_bar");
        break;
    case Seite_O2_Trimix_Luft: {
        const auto f = Trimixbox(GroupBox_Trimix_Bank, "GroupBox_Trimix_Bank", "Trimix (Bank)",
                                 "Trimix (bank)", {"Edit12", "Edit13", "Edit14"});
        Edit12 = f[0], Edit13 = f[1], Edit14 = f[2];
        Label_Tmx_O2_bar = Ergebnis(g, 0, "O2 (bar) = ", "O2 (bar) = ", "Label_Tmx_O2_bar");
        Label_Tmx_Luft_bar = Ergebnis(g, 1, "Luft (bar) = ", "Air (bar) = ", "Label_Tmx_Luft_bar");
        Label_Tmx_bar = Ergebnis(g, 2, "Tmx (bar) = ", "Tmx (bar) = ", "Label_Tmx_bar");
        Label_Tmx_Summe_bar = Ergebnis(g, 3, "Summe (bar) = ", "Sum (bar) = ", "Label_Tmx_Summe_bar");
        break;
    }
    case Seite_Trimix: {
        const auto f =
            Trimixbox(GroupBox_Trimix, "GroupBox_Trimix", "Trimix", "Trimix", {"Edit16", "Edit17", "Edit18"});
        Edit16 = f[0], Edit17 = f[1], Edit18 = f[2];
        Edit19 = Feld(qobject_cast<QGridLayout*>(GroupBox_Trimix->layout()), 3, "Edit19", "Druck (bar)",
                      "Pressure (bar)", "Trimix", "Trimix");
        auto* Hinweis = benannt(new QLabel(w), "Label_Trimix_Hinweis");
        Hinweis->setWordWrap(true);
        Texte.push_back(
            {Hinweis, {"Das Ergebnis steht im Gas (nachher).", "The result is shown as the gas (after)."}});
        g->addWidget(Hinweis, 0, 2, 1, 2);
        break;
    }
    case Seite_Einduesen: {
        auto* Faktor = new QGridLayout;
        Edit_Mix_Zugabe_HeVerlustFaktor =
            Feld(Faktor, 0, "Edit_Mix_Zugabe_HeVerlustFaktor", "He Faktor = ", "He factor = ", "", "");
        Name_geben(Edit_Mix_Zugabe_HeVerlustFaktor, [] { return T("He Faktor", "He factor"); });
        Button_Ueberwachung = benannt(new QPushButton(w), "Button_Ueberwachung");
        Faktor->setRowStretch(1, 1);
        Faktor->addWidget(Button_Ueberwachung, 2, 0, 1, 2);
        g->addLayout(Faktor, 0, 0, 5, 1);
        Label_Strom_O2 = Ergebnis(g, 0, "O2 (%) = ", "O2 (%) = ", "Label_Strom_O2");
        Label_Strom_N2 = Ergebnis(g, 1, "N2 (%) = ", "N2 (%) = ", "Label_Strom_N2");
        Label_Strom_He = Ergebnis(g, 2, "He (%) = ", "He (%) = ", "Label_Strom_He");
        Label_Sensor1 = Ergebnis(g, 3, "Sensor 1 (%) = ", "Sensor 1 (%) = ", "Label_Sensor1");
        Label_Sensor2 = Ergebnis(g, 4, "Sensor 2 (%) = ", "Sensor 2 (%) = ", "Label_Sensor2");
        break;
    }
    }
    g->setColumnMinimumWidth(1, 24);
    g->setColumnStretch(4, 1);
    g->setRowStretch(5, 1);
    return w;
}

void T_Form_Gasmischer::Menue_anlegen(QVBoxLayout* Layout) {
    auto* Leiste = Menueleiste = benannt(new QMenuBar(this), "MainMenu_Gasmischer");
    Layout->setMenuBar(Leiste);
    const auto Eintrag = [this](const char* Name) { return benannt(new QAction(this), Name); };
    Aktion_Rechne = Eintrag("Aktion_Rechne");
    Aktion_zuruecksetzen = Eintrag("Aktion_zuruecksetzen");
    Aktion_Luft = Eintrag("Aktion_Luft");
    Aktion_Kosten = Eintrag("Aktion_Kosten");
    Aktion_Lieferleistungen = Eintrag("Aktion_Lieferleistungen");
    Aktion_Sensoren = Eintrag("Aktion_Sensoren");
    Aktion_ADC = Eintrag("Aktion_ADC");
    Aktion_Version = Eintrag("Aktion_Version");
    Aktion_Schliessen = Eintrag("Aktion_Schliessen");
    Leiste->addActions(
        {Aktion_Rechne, Aktion_zuruecksetzen, Aktion_Luft, Aktion_Kosten, Aktion_Lieferleistungen});
    Menue_Test = benannt(new QMenu(Leiste), "Menu_Test");
    Menue_Test->addActions({Aktion_Sensoren, Aktion_ADC});
    Leiste->addMenu(Menue_Test);
    Leiste->addActions({Aktion_Version, Aktion_Schliessen});
}

void T_Form_Gasmischer::Beschriftungen_setzen() {
    setWindowTitle(T("Gasmischer (nach dem idealen Gasgesetz)", "Gas blender (by the ideal gas law)"));
    for (const auto& [l, Text] : Texte) l->setText(T(Text.first, Text.second));
    GroupBox_Vorher->setTitle(T("Gas (vorher)", "Gas (before)"));
    GroupBox_Nachher->setTitle(T("Gas (nachher)", "Gas (after)"));
    GroupBox_Trimix_Bank->setTitle(T("Trimix (Bank)", "Trimix (bank)"));
    GroupBox_Trimix->setTitle("Trimix");
    CheckBox_Vorher_leer->setText(T("leer", "empty"));
    for (int s = 0; s < PageControl_Methoden->count(); ++s)
        PageControl_Methoden->setTabText(s, T(Seiten[s].Deutsch, Seiten[s].Englisch));
    Label_Kosten->setText(T("Kosten (Euro)", "Cost (Euro)"));
    Button_berechnen->setText(T("berechnen", "calculate"));
    Button_Ueberwachung->setText(T("Überwachung", "Monitoring"));
    Button_Ueberwachung->setToolTip(
        T("Die Füllung mit diesen Zielen überwachen", "Monitor the fill with these targets"));
    const std::pair<QAction*, std::pair<const char*, const char*>> Eintraege[] = {
        {Aktion_Rechne, {"Rechne", "Calculate"}},
        {Aktion_zuruecksetzen, {"zurücksetzen", "Reset"}},
        {Aktion_Luft, {"Luft", "Air"}},
        {Aktion_Kosten, {"Kosten", "Cost"}},
        {Aktion_Lieferleistungen, {"Lieferleistungen", "Deliveries"}},
        {Aktion_Sensoren, {"Sensoren", "Sensors"}},
        {Aktion_ADC, {"ADC", "ADC"}},
        {Aktion_Version, {"?", "?"}},
        {Aktion_Schliessen, {"Schließen", "Close"}}};
    for (const auto& [a, Text] : Eintraege) a->setText(T(Text.first, Text.second));
    Menue_Test->setTitle("Test");
    Beschriftungen_anwenden(this); // the field names
    // Every menu in sight, in either language.
    setMinimumWidth(Menueleiste->sizeHint().width() + layout()->contentsMargins().left() +
                    layout()->contentsMargins().right());
}

void T_Form_Gasmischer::Verbinden() {
    const auto Befehl = [this](QAction* a, auto&& f) { connect(a, &QAction::triggered, this, f); };
    const auto Info = [](std::string (*Text)()) {
        return [Text] { Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Info, Text()); };
    };
    Befehl(Aktion_Rechne, [this] { berechnen(); });
    Befehl(Aktion_zuruecksetzen, [this] { zuruecksetzen(); });
    Befehl(Aktion_Luft, Info(M::Luft_Text));
    Befehl(Aktion_Kosten, Info(M::Kosten_Text));
    Befehl(Aktion_Lieferleistungen, Info(M::Lieferleistungen_Text));
    Befehl(Aktion_Sensoren, [this] { emit Sensoren_gewuenscht(); });
    Befehl(Aktion_ADC, [this] { emit ADC_gewuenscht(); });
    Befehl(Aktion_Version, [] {
        Unit_UI::UI().Meldung(
            Unit_UI::Meldungsart::Info,
            Unit_Tools::Text_waehlen("Gasmischer Programmversion", "Gas blender program version") +
                "\n21.5.2014");
    });
    Befehl(Aktion_Schliessen, [this] { close(); });
    connect(Button_berechnen, &QPushButton::clicked, this, &T_Form_Gasmischer::berechnen);
    connect(Button_Ueberwachung, &QPushButton::clicked, this, &T_Form_Gasmischer::Ueberwachung_klick);

    std::vector<Gasbox> Boxen{Vorher_Anteile(), Nachher_Anteile()};
    for (const Gasbox& b : Trimixboxen()) Boxen.push_back(b);
    for (const Gasbox& b : Boxen)
        for (QLineEdit* e : {b.O2, b.He})
            connect(e, &QLineEdit::textEdited, this, [this, b] { Zusammensetzung_geaendert(b); });
    for (QLineEdit* e : {Edit1, Edit3, Edit4})
        connect(e, &QLineEdit::textEdited, this, &T_Form_Gasmischer::Vorher_geaendert);
    connect(CheckBox_Vorher_leer, &QCheckBox::clicked, this, &T_Form_Gasmischer::leer_geklickt);
    connect(Edit5, &QLineEdit::textChanged, Edit10, &QLineEdit::setText);
    // The two trimix boxes are one trimix, shown on two pages.
    const auto [a, b] = Trimixboxen();
    const std::pair<QLineEdit*, QLineEdit*> Paare[] = {{a.O2, b.O2}, {a.N2, b.N2}, {a.He, b.He}};
    for (const auto& [x, y] : Paare)
        for (const auto& [von, nach] : {std::pair{x, y}, std::pair{y, x}})
            connect(von, &QLineEdit::textChanged, nach, [nach](const QString& t) {
                if (nach->text() != t) nach->setText(t);
            });
}

void T_Form_Gasmischer::Zusammensetzung_geaendert(const Gasbox& b) {
    const M::Zusammensetzung z = M::Zusammensetzung_lesen(S(b.O2), S(b.He));
    if (z.He_gekuerzt) schreiben(b.He, z.Anteil.He);
    schreiben(b.N2, z.Anteil.N2);
    if (z.Meldung) melden(*z.Meldung);
}

void T_Form_Gasmischer::Vorher_geaendert() {
    CheckBox_Vorher_leer->setChecked(M::ist_leer(Vorher()));
}

void T_Form_Gasmischer::leer_geklickt(bool leer) {
    if (!leer) return;
    const M::Gas g = M::leere_Flasche(M::l_Vorgabe);
    schreiben(Edit1, g.Anteil.O2);
    schreiben(Edit2, g.Anteil.N2);
    schreiben(Edit3, g.Anteil.He);
    schreiben(Edit4, g.bar);
}

void T_Form_Gasmischer::zuruecksetzen() {
    Ergebnisse_leeren();
    CheckBox_Vorher_leer->setChecked(true);
    leer_geklickt(true);
    const std::pair<QLineEdit*, const char*> Nachher_[] = {
        {Edit6, "16.0"}, {Edit7, "34.0"}, {Edit8, "50.0"}, {Edit9, "220.0"}};
    for (const auto& [e, Text] : Nachher_) e->setText(Text);
    Edit_Mix_Zugabe_HeVerlustFaktor->setText(Zahl(He_Faktor, 3));
    const Gasbox n = Nachher_Anteile();
    for (const Gasbox& t : Trimixboxen()) {
        t.O2->setText(n.O2->text());
        t.N2->setText(n.N2->text());
        t.He->setText(n.He->text());
    }
    Edit19->setText("0");
    PageControl_Methoden->setCurrentIndex(Seite_O2_He_Luft);
}

void T_Form_Gasmischer::Ergebnisse_leeren() {
    for (QLabel* l : {Label_O2_bar, Label_Luft_bar, Label_He_bar, Label_Summe_bar, Label_Tmx_O2_bar,
                      Label_Tmx_Luft_bar, Label_Tmx_bar, Label_Tmx_Summe_bar, Label_Strom_O2, Label_Strom_N2,
                      Label_Strom_He, Label_Sensor1, Label_Sensor2})
        l->clear();
    Edit11->clear();
}

// A field with text that is no number would be read as its fallback: a recipe for a gas nobody
// asked for. It stops the calculation instead.
bool T_Form_Gasmischer::Eingaben_lesbar(Seite s) {
    std::vector<QLineEdit*> Felder{Edit1, Edit3, Edit4, Edit5};
    const auto dazu = [&Felder](std::initializer_list<QLineEdit*> l) { Felder.insert(Felder.end(), l); };
    if (s != Seite_Trimix) dazu({Edit6, Edit8, Edit9, Edit10});
    if (s == Seite_O2_He_Luft || s == Seite_Einduesen) dazu({Edit_Mix_Zugabe_HeVerlustFaktor});
    if (s == Seite_O2_Trimix_Luft) dazu({Edit12, Edit14});
    if (s == Seite_Trimix) dazu({Edit16, Edit18, Edit19});
    for (QLineEdit* e : Felder) {
        if (!M::keine_Zahl(S(e))) continue;
        melden(Unit_Tools::Text_waehlen(">" + S(e) + "< ist keine Zahl: ", ">" + S(e) + "< is no number: ") +
               e->accessibleName().toStdString());
        return false;
    }
    return true;
}

M::Gas T_Form_Gasmischer::Vorher() const {
    return M::Gas_lesen({S(Edit1), S(Edit2), S(Edit3), S(Edit4), S(Edit5)});
}

M::Gas T_Form_Gasmischer::Nachher() const {
    return M::Gas_lesen({S(Edit6), S(Edit7), S(Edit8), S(Edit9), S(Edit10)});
}

void T_Form_Gasmischer::berechnen() {
    rechnen(static_cast<Seite>(PageControl_Methoden->currentIndex()));
}

bool T_Form_Gasmischer::rechnen(Seite s) {
    Ergebnisse_leeren();
    if (!Eingaben_lesbar(s)) return false;
    switch (s) {
    case Seite_O2_Trimix_Luft:
        return O2_Trimix_Luft_rechnen();
    case Seite_Trimix:
        return Trimix_rechnen();
    default:
        return O2_He_Luft_rechnen();
    }
}

bool T_Form_Gasmischer::O2_He_Luft_rechnen() {
    // Pure helium stands in for the trimix of the other pages.
    for (const Gasbox& t : Trimixboxen()) {
        schreiben(t.O2, 0);
        schreiben(t.N2, 0);
        schreiben(t.He, 100);
    }
    const double Faktor = M::Feld_lesen(S(Edit_Mix_Zugabe_HeVerlustFaktor), M::He_Faktor_Vorgabe);
    const M::Fuellung f = M::O2_He_Luft(Vorher(), Nachher(), Faktor);
    if (!f.moeglich()) {
        melden(f.Meldung);
        return false;
    }
    He_Faktor = Faktor;
    zeigen(Label_O2_bar, f.bar_O2);
    zeigen(Label_Luft_bar, f.bar_Luft);
    zeigen(Label_He_bar, f.bar_He);
    zeigen(Label_Summe_bar, f.bar_Summe);
    if (!f.Strom) return true;
    zeigen(Label_Strom_O2, f.Strom->Strom.O2);
    zeigen(Label_Strom_N2, f.Strom->Strom.N2);
    zeigen(Label_Strom_He, f.Strom->Strom.He);
    if (f.Strom->Sensor1) zeigen(Label_Sensor1, *f.Strom->Sensor1);
    zeigen(Label_Sensor2, f.Strom->Sensor2);
    Edit11->setText(Q(M::Ergebnis_Text(f.Strom->Euro, 2)));
    return true;
}

M::Anteile T_Form_Gasmischer::Trimix_von(const Gasbox& b) const {
    return M::Gas_lesen({S(b.O2), S(b.N2), S(b.He), "", ""}).Anteil;
}

bool T_Form_Gasmischer::O2_Trimix_Luft_rechnen() {
    const M::Fuellung f = M::O2_Trimix_Luft(Vorher(), Nachher(), Trimix_von(Trimixboxen()[0]));
    if (!f.moeglich()) {
        melden(f.Meldung);
        return false;
    }
    zeigen(Label_Tmx_O2_bar, f.bar_O2);
    zeigen(Label_Tmx_Luft_bar, f.bar_Luft);
    zeigen(Label_Tmx_bar, f.bar_Trimix);
    zeigen(Label_Tmx_Summe_bar, f.bar_Summe);
    return true;
}

bool T_Form_Gasmischer::Trimix_rechnen() {
    const M::Gas vorher = Vorher();
    const M::Anteile Trimix = Trimix_von(Trimixboxen()[1]);
    const double bar = M::Feld_lesen(S(Edit19), 0);
    if (const std::string Fehler = M::mit_Trimix_pruefen(vorher, Trimix, bar); !Fehler.empty()) {
        melden(Fehler);
        return false;
    }
    const M::Gas g = M::mit_Trimix(vorher, Trimix, bar);
    schreiben(Edit6, g.Anteil.O2);
    schreiben(Edit7, g.Anteil.N2);
    schreiben(Edit8, g.Anteil.He);
    schreiben(Edit9, g.bar);
    Edit10->setText(Edit5->text());
    return true;
}

void T_Form_Gasmischer::Ueberwachung_klick() {
    PageControl_Methoden->setCurrentIndex(Seite_Einduesen);
    if (!rechnen(Seite_Einduesen)) return;
    std::string Meldung;
    const auto Ziel = M::Ziel_fuer_Einduesen(Vorher(), Nachher(), He_Faktor, &Meldung);
    if (!Ziel) {
        melden(Meldung);
        return;
    }
    emit Ueberwachung_gewuenscht(*Ziel);
}

void T_Form_Gasmischer::melden(const std::string& Text) const {
    Unit_UI::UI().Meldung(Unit_UI::Meldungsart::Problem, Text);
}

void T_Form_Gasmischer::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    zuruecksetzen();
    QDialog::showEvent(Ereignis);
}
