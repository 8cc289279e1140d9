#include "ui/displays/T_Form_CaveDiving.hpp"

#include "commands/Unit_CaveDiving.hpp"
#include "commands/Unit_Main.hpp"
#include "core/Unit_Textpuffer.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace C = Unit_CaveDiving;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QPushButton* Knopf(QWidget* parent, const char* Name, int Tag = 0) {
    auto* b = benannt(new QPushButton(parent), Name, Tag);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* Zahlfeld(QWidget* parent, const char* Name, std::string& Feld) {
    auto* e = benannt(new QLineEdit(parent), Name);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(90);
    // The library keeps the text as typed, so a repaint never overwrites it.
    QObject::connect(e, &QLineEdit::textEdited, e, [&Feld](const QString& t) { Feld = t.toStdString(); });
    return e;
}

std::string Memotext(const std::vector<std::string>& Zeilen) {
    std::string Text;
    for (const auto& z : Zeilen) Text += z + "\n";
    return Text;
}

void zeigen(QLineEdit* e, const std::string& Text) {
    const QString t = QString::fromStdString(Text).trimmed();
    if (e->text().trimmed() != t) e->setText(t);
}

QGroupBox* Gruppe(QWidget* parent, const char* Name) {
    return benannt(new QGroupBox(parent), Name);
}

} // namespace

T_Form_CaveDiving::T_Form_CaveDiving(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_CaveDiving");
    Tag_setzen(this, 362);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* Tauchgang = Gruppe(this, "GroupBox_Tauchgang");
    Button_laden = Knopf(Tauchgang, "Button_laden");
    Button_importieren = Knopf(Tauchgang, "Button_importieren");
    Button_kalibrieren = Knopf(Tauchgang, "Button_kalibrieren");
    auto* t = new QVBoxLayout(Tauchgang);
    for (auto* b : {Button_laden, Button_importieren, Button_kalibrieren}) t->addWidget(b);

    auto* Profil = Gruppe(this, "GroupBox_Profil");
    Button_ausschneiden = Knopf(Profil, "Button_ausschneiden");
    Edit_von_m = Zahlfeld(Profil, "Edit_von_m", C::Feld_von_m);
    Edit_bis_m = Zahlfeld(Profil, "Edit_bis_m", C::Feld_bis_m);
    Button_spiegeln = Knopf(Profil, "Button_spiegeln");
    Button_add = Knopf(Profil, "Button_add");
    Edit_add = Zahlfeld(Profil, "Edit_add", C::Feld_add);
    auto* p = new QGridLayout(Profil);
    p->addWidget(Button_ausschneiden, 0, 0);
    p->addWidget(Edit_von_m, 0, 1);
    p->addWidget(Edit_bis_m, 0, 2);
    p->addWidget(Button_spiegeln, 1, 0);
    p->addWidget(Button_add, 2, 0);
    p->addWidget(Edit_add, 2, 1);

    auto* Text = Gruppe(this, "GroupBox_CSV");
    Button_lesen = Knopf(Text, "Button_lesen");
    Button_lesen_addieren = Knopf(Text, "Button_lesen_addieren");
    Button_speichern = Knopf(Text, "Button_speichern");
    Button_loeschen = Knopf(Text, "Button_loeschen");
    auto* c = new QGridLayout(Text);
    c->addWidget(Button_lesen, 0, 0);
    c->addWidget(Button_lesen_addieren, 0, 1);
    c->addWidget(Button_speichern, 1, 0);
    c->addWidget(Button_loeschen, 1, 1);

    Memo_CSV = benannt(new QPlainTextEdit(this), "Memo_CSV");
    Memo_CSV->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo_CSV->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_CSV->setMinimumWidth(480);

    Button_WayPoints = Knopf(this, "Button_WayPoints");
    Button_berechnen = Knopf(this, "Button_berechnen");
    ButtonClose = Knopf(this, "ButtonClose", 125);

    auto* links = new QVBoxLayout;
    links->addWidget(Tauchgang);
    links->addWidget(Profil);
    links->addWidget(Text);
    links->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addWidget(Memo_CSV, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Button_WayPoints);
    unten->addWidget(Button_berechnen);
    unten->addStretch(1);
    unten->addWidget(ButtonClose);
    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(oben, 1);
    Layout->addLayout(unten);

    Name_geben(Edit_von_m, [] { return T("Profil von (m)", "Profile from (m)"); });
    Name_geben(Edit_bis_m, [] { return T("Profil bis (m)", "Profile to (m)"); });
    Name_geben(Edit_add, [] { return T("Profil addieren (m)", "Add to profile (m)"); });
    Name_geben(Memo_CSV, [] { return T("Höhlenprofil (CSV)", "Cave profile (CSV)"); });
    Verbinden();
    Beschriftungen_setzen();
    resize(980, 460);
}

void T_Form_CaveDiving::Beschriftungen_setzen() {
    Beschriftungen_anwenden(this);
    const auto setzen = [](QWidget* w, const QString& Text) {
        if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(Text);
        else
            static_cast<QPushButton*>(w)->setText(Text);
    };
    setzen(findChild<QGroupBox*>("GroupBox_Tauchgang"), T("Tauchgang", "Dive"));
    setzen(findChild<QGroupBox*>("GroupBox_Profil"), T("Profil", "Profile"));
    setzen(findChild<QGroupBox*>("GroupBox_CSV"), T("Höhlenprofil (CSV)", "Cave profile (CSV)"));
    setzen(Button_laden, T("Laden (dec)", "Load (dec)"));
    setzen(Button_importieren, T("Importieren Shearwater (csv)", "Import Shearwater (csv)"));
    setzen(Button_kalibrieren, T("Strecken Kalibrieren", "Calibrate distances"));
    setzen(Button_ausschneiden,
           T("Profil im Bereich von .. bis ... (m)", "Profile in the range from .. to ... (m)"));
    setzen(Button_spiegeln, T("Profil invertieren", "Invert profile"));
    setzen(Button_add, T("Profil addieren: .. (m) ", "Add to profile: .. (m) "));
    setzen(Button_lesen, T("Lesen", "Read"));
    setzen(Button_lesen_addieren, T("Lesen und addieren", "Read and append"));
    setzen(Button_speichern, T("Speichern", "Save"));
    setzen(Button_loeschen, T("löschen", "Clear"));
    setzen(Button_WayPoints, T("-> Waypoints (Zeit)", "-> Waypoints (time)"));
    setzen(Button_berechnen, T("Tauchgang berechnen", "Compute dive"));
}

void T_Form_CaveDiving::Zeigen() {
    C::Fenster_zeigen();
    Beschriftungen_setzen();
    Anzeigen();
    show();
    raise();
    activateWindow();
}

void T_Form_CaveDiving::Befehle_setzen(QAction* Laden, QAction* Importieren, QAction* Kalibrieren) {
    const auto Befehl = [this](QPushButton* b, QAction* a, bool Bereich_neu) {
        b->setEnabled(a && a->isEnabled());
        if (!a) return;
        connect(a, &QAction::enabledChanged, b, &QWidget::setEnabled);
        connect(b, &QPushButton::clicked, this, [this, a, Bereich_neu] {
            a->trigger();
            if (Bereich_neu) C::Bereich_vom_Profil();
            Anzeigen();
        });
    };
    Befehl(Button_laden, Laden, true);
    Befehl(Button_importieren, Importieren, true);
    Befehl(Button_kalibrieren, Kalibrieren, false);
}

void T_Form_CaveDiving::Anzeigen() {
    zeigen(Edit_von_m, C::Feld_von_m);
    zeigen(Edit_bis_m, C::Feld_bis_m);
    zeigen(Edit_add, C::Feld_add);
    const std::string Text = Memotext(Unit_Textpuffer::Memo_CSV.Zeilen);
    if (Text == Memo_gezeigt) return;
    Memo_gezeigt = Text;
    Memo_CSV->setPlainText(QString::fromStdString(Text));
    Memo_CSV->document()->setModified(false);
}

void T_Form_CaveDiving::Memo_uebernehmen() {
    if (!Memo_CSV->document()->isModified()) return;
    auto& Zeilen = Unit_Textpuffer::Memo_CSV.Zeilen;
    Zeilen.clear();
    for (const QString& z : Memo_CSV->toPlainText().split('\n')) Zeilen.push_back(z.toStdString());
    // The last line end gives no line of its own.
    if (!Zeilen.empty() && Zeilen.back().empty()) Zeilen.pop_back();
    Memo_CSV->document()->setModified(false);
    Memo_gezeigt = Memotext(Zeilen);
}

template <typename Operation> void T_Form_CaveDiving::Ausfuehren(Operation&& op) {
    Memo_uebernehmen();
    if (!Befehl_ausfuehren(op)) Unit_Main::Berechnung_aktiv(false);
    Anzeigen();
    emit Tauchgang_geaendert();
}

void T_Form_CaveDiving::Verbinden() {
    const auto Knopf_Befehl = [this](QPushButton* b, auto op) {
        connect(b, &QPushButton::clicked, this, [this, op] { Ausfuehren(op); });
    };
    Knopf_Befehl(Button_ausschneiden, [] { C::Profil_ausschneiden(C::Feld_von_m, C::Feld_bis_m); });
    Knopf_Befehl(Button_spiegeln, [] { C::Profil_invertieren(); });
    Knopf_Befehl(Button_add, [] { C::Profil_addieren(C::Feld_add); });
    Knopf_Befehl(Button_lesen, [] { C::CSV_lesen_Dialog(false); });
    Knopf_Befehl(Button_lesen_addieren, [] { C::CSV_lesen_Dialog(true); });
    Knopf_Befehl(Button_speichern, [] { C::CSV_speichern_Dialog(); });
    Knopf_Befehl(Button_loeschen, [] { C::CSV_loeschen(); });
    Knopf_Befehl(Button_WayPoints, [] { C::In_WayPoints_umwandeln(); });
    Knopf_Befehl(Button_berechnen, [] { C::Tauchgang_berechnen(); });
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

void T_Form_CaveDiving::changeEvent(QEvent* Ereignis) {
    QDialog::changeEvent(Ereignis);
    if (Ereignis->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // The language may have been switched in the main window meanwhile.
    Beschriftungen_setzen();
    Anzeigen();
}
