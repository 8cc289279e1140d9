#include "ui/files/T_Form_Save_Read_CSV.hpp"

#include "commands/Unit_Tauchgang_analysieren.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/files/Textfelder.hpp"
#include "ui/widgets/Radiogruppe.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace {
namespace C = Unit_Save_Read_CSV;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QSpinBox* Spaltenfeld(QWidget* parent, const char* Name) {
    auto* s = benannt(new QSpinBox(parent), Name);
    s->setRange(0, C::Spalten_Max);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QComboBox* Einheitenfeld(QWidget* parent, const char* Name) {
    auto* c = benannt(new QComboBox(parent), Name);
    c->addItems({QString(), QString()});
    return c;
}

QGroupBox* Gruppe(QWidget* parent, const char* Name, int Tag) {
    return benannt(new QGroupBox(parent), Name, Tag);
}

constexpr std::array<char, 4> Trennzeichen = {',', ' ', ';', '\t'};

QString ohne_Gleich(QString Text) {
    return Text.remove('=').trimmed();
}
} // namespace

T_Form_Save_Read_CSV::T_Form_Save_Read_CSV(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Save_Read_CSV");
    Tag_setzen(this, 302);
    Memo_CSV_Daten = Textfeld(this, "Memo_CSV_Daten", false);
    Memo_CSV_Daten->setMinimumWidth(380);
    Name_geben(Memo_CSV_Daten, [] { return T("Daten der Datei", "The file's data"); });

    auto* Voreinstellung = Gruppe(this, "GroupBox_Voreinstellung", 303);
    ComboBox_Voreinstellung = benannt(new QComboBox(Voreinstellung), "ComboBox_Voreinstellung");
    for (int32_t k = 0; k < C::Voreinstellung_Anzahl; ++k)
        ComboBox_Voreinstellung->addItem(QString::number(k) + " " +
                                         QString::fromStdString(C::Voreinstellung_Name(k)));
    Name_geben(ComboBox_Voreinstellung, [] { return Beschriftung(303); });
    (new QVBoxLayout(Voreinstellung))->addWidget(ComboBox_Voreinstellung);

    auto* Kommentar = Gruppe(this, "GroupBox_Kommentarzeilen", 304);
    SpinEdit_Kommentarzeilen = benannt(new QSpinBox(Kommentar), "SpinEdit_Kommentarzeilen");
    SpinEdit_Kommentarzeilen->setRange(0, 100000);
    auto* k = new QHBoxLayout(Kommentar);
    k->addWidget(Beschriftung_fuer(SpinEdit_Kommentarzeilen, 305));
    k->addWidget(SpinEdit_Kommentarzeilen);
    k->addStretch(1);

    RadioGroup_Trennzeichen = benannt(new Radiogruppe(this), "RadioGroup_Trennzeichen", 311);
    RadioGroup_Trennzeichen->setEintraege({"", "", "", ""});
    RadioGroup_min_dT = benannt(new Radiogruppe(this), "RadioGroup_min_dT");
    RadioGroup_min_dT->setTitle("min_dT");
    RadioGroup_min_dT->setEintraege({"0.1 min = 6 s (Standard)", "0.01 min = 0.6 s (Apnoe)"});

    Button_lesen = benannt(new QPushButton(this), "Button_lesen");
    Button_setzen = benannt(new QPushButton(this), "Button_setzen");
    Button_zeigen = benannt(new QPushButton(this), "Button_zeigen", 312);
    Button_Memo_speichern = benannt(new QPushButton(this), "Button_Memo_speichern");
    Button_CSV_Report = benannt(new QPushButton(this), "Button_CSV_Report");
    Button_loeschen = benannt(new QPushButton(this), "Button_loeschen");
    auto* Knoepfe = new QGridLayout;
    QPushButton* const Reihe[] = {Button_lesen,          Button_setzen,     Button_zeigen,
                                  Button_Memo_speichern, Button_CSV_Report, Button_loeschen};
    for (int i = 0; i < 6; ++i) {
        Reihe[i]->setAutoDefault(false);
        Knoepfe->addWidget(Reihe[i], i / 3, i % 3);
    }

    auto* Auswahl = new QHBoxLayout;
    Auswahl->addWidget(RadioGroup_Trennzeichen);
    Auswahl->addWidget(RadioGroup_min_dT);
    auto* rechts = new QVBoxLayout;
    auto* oben = new QHBoxLayout;
    oben->addWidget(Voreinstellung, 1);
    oben->addWidget(Kommentar);
    rechts->addLayout(oben);
    rechts->addWidget(Datenzeilen_anlegen());
    rechts->addWidget(Geraet_anlegen());
    rechts->addLayout(Auswahl);
    rechts->addStretch(1);
    rechts->addLayout(Knoepfe);
    auto* Layout = new QHBoxLayout(this);
    Layout->addWidget(Memo_CSV_Daten, 1);
    Layout->addLayout(rechts);
    Verbinden();
    Beschriftungen_setzen();
    Anzeigen();
}

QWidget* T_Form_Save_Read_CSV::Datenzeilen_anlegen() {
    auto* Daten = Gruppe(this, "GroupBox_Datenzeilen", 306);
    auto* g = new QGridLayout(Daten);
    g->addWidget(benannt(new QLabel(Daten), "Label_Spalte", 307), 0, 1);
    g->addWidget(benannt(new QLabel(Daten), "Label_Einheit", 308), 0, 2);
    SpinEdit_min_s = Spaltenfeld(Daten, "SpinEdit_min_s");
    SpinEdit_m_s = Spaltenfeld(Daten, "SpinEdit_m_s");
    SpinEdit_p_O2_s = Spaltenfeld(Daten, "SpinEdit_p_O2_s");
    SpinEdit_f_O2_s = Spaltenfeld(Daten, "SpinEdit_f_O2_s");
    SpinEdit_f_He_s = Spaltenfeld(Daten, "SpinEdit_f_He_s");
    SpinEdit_cave_horizontal_distance_m_s = Spaltenfeld(Daten, "SpinEdit_cave_horizontal_distance_m_s");
    SpinEdit_cave_horizontal_velocity_m_pro_min_s =
        Spaltenfeld(Daten, "SpinEdit_cave_horizontal_velocity_m_pro_min_s");
    ComboBox_Einheit_min_s = Einheitenfeld(Daten, "ComboBox_Einheit_min_s");
    ComboBox_Einheit_m_s = Einheitenfeld(Daten, "ComboBox_Einheit_m_s");
    ComboBox_Einheit_f_O2_s = Einheitenfeld(Daten, "ComboBox_Einheit_f_O2_s");
    ComboBox_Einheit_f_He_s = Einheitenfeld(Daten, "ComboBox_Einheit_f_He_s");
    Zeilen_der_Tabelle = {{"Zeit", "Time", SpinEdit_min_s, ComboBox_Einheit_min_s},
                          {"Tiefe", "Depth", SpinEdit_m_s, ComboBox_Einheit_m_s},
                          {"pO2", "pO2", SpinEdit_p_O2_s, new QLabel("bar", Daten)},
                          {"Sauerstoff O2", "Oxygen O2", SpinEdit_f_O2_s, ComboBox_Einheit_f_O2_s},
                          {"Helium He", "Helium He", SpinEdit_f_He_s, ComboBox_Einheit_f_He_s},
                          {"Höhlenprofil: Distanz", "Cave profile: distance",
                           SpinEdit_cave_horizontal_distance_m_s, new QLabel("m", Daten)},
                          {"Höhlenprofil: Geschwindigkeit", "Cave profile: velocity",
                           SpinEdit_cave_horizontal_velocity_m_pro_min_s, new QLabel("m/min", Daten)}};
    int r = 1;
    for (const Zeile_Type& z : Zeilen_der_Tabelle) {
        auto* Name = new QLabel(Daten);
        Name->setObjectName("Label_Zeile_" + z.Spalte->objectName().mid(9));
        g->addWidget(Name, r, 0);
        g->addWidget(z.Spalte, r, 1);
        g->addWidget(z.Einheit, r++, 2);
        const auto Zeilenname = [z] {
            return T(z.Name_de.toUtf8().constData(), z.Name_en.toUtf8().constData());
        };
        Name_geben(z.Spalte, [Zeilenname] { return Zeilenname() + ": " + ohne_Gleich(Beschriftung(307)); });
        if (qobject_cast<QComboBox*>(z.Einheit))
            Name_geben(z.Einheit,
                       [Zeilenname] { return Zeilenname() + ": " + ohne_Gleich(Beschriftung(308)); });
    }
    g->setColumnStretch(0, 1);
    return Daten;
}

QWidget* T_Form_Save_Read_CSV::Geraet_anlegen() {
    auto* Geraet = Gruppe(this, "GroupBox_Tauchgeraet", 310);
    SpinEdit_Tauchgeraet_s = Spaltenfeld(Geraet, "SpinEdit_Tauchgeraet_s");
    Edit_Tauchgeraet_CCR = benannt(new QLineEdit(Geraet), "Edit_Tauchgeraet_CCR");
    Edit_Tauchgeraet_OC = benannt(new QLineEdit(Geraet), "Edit_Tauchgeraet_OC");
    auto* g = new QHBoxLayout(Geraet);
    g->addWidget(Beschriftung_fuer(SpinEdit_Tauchgeraet_s, 307));
    g->addWidget(SpinEdit_Tauchgeraet_s);
    for (auto [Feld, Text] :
         {std::pair{Edit_Tauchgeraet_CCR, "CCR ="}, std::pair{Edit_Tauchgeraet_OC, "OC ="}}) {
        auto* l = new QLabel(Text, Geraet);
        l->setBuddy(Feld);
        Feld->setMaximumWidth(70);
        g->addWidget(l);
        g->addWidget(Feld);
    }
    g->addStretch(1);
    return Geraet;
}

void T_Form_Save_Read_CSV::Beschriftungen_setzen() {
    Beschriftungen_anwenden(this);
    RadioGroup_Trennzeichen->setTexte({T("Komma", "Comma"), T("Leerzeichen", "Blank"),
                                       T("Strichpunkt", "Semicolon"), T("Tabulator", "Tab")});
    for (QComboBox* c : {ComboBox_Einheit_f_O2_s, ComboBox_Einheit_f_He_s}) {
        c->setItemText(0, T("Fraktion", "fraction"));
        c->setItemText(1, "%");
    }
    ComboBox_Einheit_min_s->setItemText(0, "sec");
    ComboBox_Einheit_min_s->setItemText(1, "min");
    ComboBox_Einheit_m_s->setItemText(0, "m");
    ComboBox_Einheit_m_s->setItemText(1, "ft");
    for (const Zeile_Type& z : Zeilen_der_Tabelle)
        findChild<QLabel*>("Label_Zeile_" + z.Spalte->objectName().mid(9))
            ->setText(T(z.Name_de.toUtf8().constData(), z.Name_en.toUtf8().constData()));
    Button_lesen->setText(T("lesen", "Read"));
    Button_setzen->setText(T("setzen", "Set"));
    Button_Memo_speichern->setText(T("Memo speichern", "Save memo"));
    Button_CSV_Report->setText(T("CSV Report schreiben", "Write CSV report"));
    Button_loeschen->setText(T("löschen", "Clear"));
    Button_lesen->setToolTip(
        T("Eine CSV- oder TXT-Datei ins Memo lesen", "Read a CSV or TXT file into the memo"));
    Button_setzen->setToolTip(T("Das Memo mit dieser Zuordnung in den Tauchgang umwandeln",
                                "Convert the memo into the dive with this mapping"));
    Button_zeigen->setToolTip(
        T("Den Tauchgang zeigen und zur Analyse anbieten", "Show the dive and offer it for analysis"));
}

void T_Form_Save_Read_CSV::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    Anzeigen();
    QDialog::showEvent(Ereignis);
}

void T_Form_Save_Read_CSV::Anzeigen() {
    const C::Zuordnung_Type& Z = C::Zuordnung;
    Zeilen_zeigen(Memo_CSV_Daten, C::Memo_CSV_Daten.Zeilen);
    ComboBox_Voreinstellung->setCurrentIndex(C::Voreinstellung);
    SpinEdit_Kommentarzeilen->setValue(Z.Kommentarzeilen);
    SpinEdit_min_s->setValue(Z.SpinEdit_min_s);
    SpinEdit_m_s->setValue(Z.SpinEdit_m_s);
    SpinEdit_p_O2_s->setValue(Z.SpinEdit_p_O2_s);
    SpinEdit_f_O2_s->setValue(Z.SpinEdit_f_O2_s);
    SpinEdit_f_He_s->setValue(Z.SpinEdit_f_He_s);
    SpinEdit_Tauchgeraet_s->setValue(Z.SpinEdit_Tauchgeraet_s);
    SpinEdit_cave_horizontal_distance_m_s->setValue(Z.SpinEdit_cave_horizontal_distance_m_s);
    SpinEdit_cave_horizontal_velocity_m_pro_min_s->setValue(Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s);
    ComboBox_Einheit_min_s->setCurrentIndex(static_cast<int>(Z.Einheit_min_s));
    ComboBox_Einheit_m_s->setCurrentIndex(static_cast<int>(Z.Einheit_m_s));
    ComboBox_Einheit_f_O2_s->setCurrentIndex(static_cast<int>(Z.Einheit_f_O2_s));
    ComboBox_Einheit_f_He_s->setCurrentIndex(static_cast<int>(Z.Einheit_f_He_s));
    Edit_Tauchgeraet_CCR->setText(QString::fromStdString(Z.Edit_Tauchgeraet_CCR));
    Edit_Tauchgeraet_OC->setText(QString::fromStdString(Z.Edit_Tauchgeraet_OC));
    const auto t = std::find(Trennzeichen.begin(), Trennzeichen.end(), Z.Trennzeichen);
    RadioGroup_Trennzeichen->setEintrag(t == Trennzeichen.end() ? -1
                                                                : static_cast<int>(t - Trennzeichen.begin()));
    RadioGroup_min_dT->setEintrag(Z.min_dT < 0.05f ? 1 : 0);
}

C::Zuordnung_Type T_Form_Save_Read_CSV::Zuordnung_der_Felder() const {
    C::Zuordnung_Type Z;
    Z.Kommentarzeilen = SpinEdit_Kommentarzeilen->value();
    Z.SpinEdit_min_s = SpinEdit_min_s->value();
    Z.Einheit_min_s = static_cast<C::Zeiteinheit>(ComboBox_Einheit_min_s->currentIndex());
    Z.SpinEdit_m_s = SpinEdit_m_s->value();
    Z.Einheit_m_s = static_cast<C::Tiefeneinheit>(ComboBox_Einheit_m_s->currentIndex());
    Z.SpinEdit_p_O2_s = SpinEdit_p_O2_s->value();
    Z.SpinEdit_f_O2_s = SpinEdit_f_O2_s->value();
    Z.Einheit_f_O2_s = static_cast<C::Anteilseinheit>(ComboBox_Einheit_f_O2_s->currentIndex());
    Z.SpinEdit_f_He_s = SpinEdit_f_He_s->value();
    Z.Einheit_f_He_s = static_cast<C::Anteilseinheit>(ComboBox_Einheit_f_He_s->currentIndex());
    Z.SpinEdit_Tauchgeraet_s = SpinEdit_Tauchgeraet_s->value();
    Z.Edit_Tauchgeraet_CCR = Edit_Tauchgeraet_CCR->text().toStdString();
    Z.Edit_Tauchgeraet_OC = Edit_Tauchgeraet_OC->text().toStdString();
    Z.SpinEdit_cave_horizontal_distance_m_s = SpinEdit_cave_horizontal_distance_m_s->value();
    Z.SpinEdit_cave_horizontal_velocity_m_pro_min_s = SpinEdit_cave_horizontal_velocity_m_pro_min_s->value();
    Z.Trennzeichen = Trennzeichen[static_cast<std::size_t>(std::max(0, RadioGroup_Trennzeichen->Eintrag()))];
    Z.min_dT = RadioGroup_min_dT->Eintrag() == 1 ? 0.01f : 0.1f;
    return Z;
}

template <typename Operation> void T_Form_Save_Read_CSV::Ausfuehren(Operation&& op) {
    C::Zuordnung = Zuordnung_der_Felder();
    C::Memo_CSV_Daten.Zeilen = Zeilen(Memo_CSV_Daten);
    Befehl_ausfuehren([&] { op(); });
    Anzeigen();
}

void T_Form_Save_Read_CSV::Verbinden() {
    const auto Knopf = [this](QPushButton* b, auto op) {
        connect(b, &QPushButton::clicked, this, [this, op] { Ausfuehren(op); });
    };
    Knopf(Button_lesen, [] { C::Lesen(); });
    Knopf(Button_setzen, [] { C::Setzen(); });
    Knopf(Button_zeigen, [] { C::Zeigen(Unit_Tauchgang_analysieren::Tauchgang_gelesen); });
    Knopf(Button_Memo_speichern, [] { C::Memo_speichern(); });
    Knopf(Button_CSV_Report, [] { C::CSV_Report_ins_Memo(); });
    Knopf(Button_loeschen, [] { C::Memo_loeschen(); });
    connect(ComboBox_Voreinstellung, &QComboBox::activated, this,
            [this](int k) { Ausfuehren([k] { C::Voreinstellung_waehlen(k); }); });
}
