#include "ui/files/T_Form_aXML.hpp"

#include "files/Unit_aXML.hpp"
#include "files/Unit_aXML_Diagnose.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/files/Textfelder.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace D = Unit_aXML_Diagnose;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

// A group titled by its tag around one button.
QGroupBox* Knopfgruppe(QWidget* parent, const char* Name, int Tag, QPushButton* Knopf) {
    auto* g = benannt(new QGroupBox(parent), Name, Tag);
    (new QVBoxLayout(g))->addWidget(Knopf);
    return g;
}
} // namespace

T_Form_aXML::T_Form_aXML(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_aXML");
    Tag_setzen(this, 156);
    Memo_aXML = Textfeld(this, "Memo_aXML", false);
    Memo_Diagnose = Textfeld(this, "Memo_Diagnose", true);
    Memo_aXML->setMinimumSize(520, 360);
    Memo_Diagnose->setMinimumWidth(300);
    Name_geben(Memo_aXML, [] { return T("UDDF Dokument", "UDDF document"); });
    Name_geben(Memo_Diagnose, [] { return T("Diagnose", "Diagnostics"); });
    Button_Datei_Memo = benannt(new QPushButton(this), "Button_Datei_Memo", 158);
    Button_Memo_Datei = benannt(new QPushButton(this), "Button_Memo_Datei", 160);
    Button_Memos_loeschen = benannt(new QPushButton(this), "Button_Memos_loeschen", 161);
    Button_Test = benannt(new QPushButton("Test", this), "Button_Test");
    for (auto* b : {Button_Datei_Memo, Button_Memo_Datei, Button_Memos_loeschen, Button_Test})
        b->setAutoDefault(false);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Knopfgruppe(this, "GroupBox_Lesen", 157, Button_Datei_Memo));
    rechts->addWidget(Knopfgruppe(this, "GroupBox_Speichern", 159, Button_Memo_Datei));
    rechts->addWidget(Button_Memos_loeschen);
    rechts->addWidget(Button_Test);
    rechts->addWidget(Memo_Diagnose, 1);
    auto* Layout = new QHBoxLayout(this);
    Layout->addWidget(Memo_aXML, 2);
    Layout->addLayout(rechts, 1);

    const auto Knopf = [this](QPushButton* b, auto op) {
        connect(b, &QPushButton::clicked, this, [this, op] {
            Befehl_ausfuehren(op);
            Anzeigen();
        });
    };
    Knopf(Button_Datei_Memo, [] { D::Datei_in_Memo(); });
    Knopf(Button_Memo_Datei, [this] { D::Memo_in_Datei(Zeilen(Memo_aXML)); });
    Knopf(Button_Memos_loeschen, [] { D::Memos_loeschen(); });
    Knopf(Button_Test, [this] { D::Test(Zeilen(Memo_aXML)); });
    Beschriftungen_setzen();
}

void T_Form_aXML::Beschriftungen_setzen() {
    Beschriftungen_anwenden(this);
    Button_Test->setToolTip(T("Prüft, ob die Elemente richtig verschachtelt sind, und zählt Tauchgänge, "
                              "Gase und Wegpunkte",
                              "Checks that the elements are properly nested and counts dives, gases and "
                              "waypoints"));
}

void T_Form_aXML::showEvent(QShowEvent* Ereignis) {
    Beschriftungen_setzen();
    Anzeigen();
    QDialog::showEvent(Ereignis);
}

void T_Form_aXML::Anzeigen() {
    Zeilen_zeigen(Memo_aXML, Unit_aXML::Dokument());
    Zeilen_zeigen(Memo_Diagnose, D::Memo_Diagnose.Zeilen);
    Memo_Diagnose->moveCursor(QTextCursor::End);
}
