#include "ui/settings/T_Form_Save_Read.hpp"

#include "files/Unit_Save_Read.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/adapters/Beschriftungen.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QTableWidget* Tabelle(QWidget* Eltern, const char* Name, std::initializer_list<int> Breiten) {
    auto* t = new QTableWidget(0, 3, Eltern);
    t->setObjectName(Name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->setVisible(false);
    t->setAlternatingRowColors(true);
    int Spalte = 0;
    for (int b : Breiten) t->setColumnWidth(Spalte++, b);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void fuellen(QTableWidget* t, const std::vector<Unit_Einstellungsdatei::Anzeigezeile>& Zeilen) {
    t->setHorizontalHeaderLabels({T("Abschnitt", "Section"), T("Schlüssel", "Key"), T("Wert", "Value")});
    t->setRowCount(static_cast<int>(Zeilen.size()));
    int r = 0;
    for (const auto& z : Zeilen) {
        t->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(z.Abschnitt)));
        t->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(z.Schluessel)));
        t->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(z.Wert)));
        ++r;
    }
}

} // namespace

T_Form_Save_Read::T_Form_Save_Read(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Save_Read");
    auto* Spalte = new QVBoxLayout(this);
    auto* Teiler = new QSplitter(Qt::Horizontal, this);
    StringGrid_Einstellungen = Tabelle(Teiler, "StringGrid_Einstellungen", {120, 250, 250});
    StringGrid_Tauchgang = Tabelle(Teiler, "StringGrid_Tauchgang", {120, 150, 350});
    Teiler->addWidget(StringGrid_Einstellungen);
    Teiler->addWidget(StringGrid_Tauchgang);
    Spalte->addWidget(Teiler, 1);
    auto* Unten = new QHBoxLayout;
    auto* Label_Kommentar = new QLabel(this);
    Tag_setzen(Label_Kommentar, 330);
    Edit_Kommentar = new QLineEdit(this);
    Edit_Kommentar->setObjectName("Edit_Kommentar");
    Label_Kommentar->setBuddy(Edit_Kommentar);
    Button_lesen = new QPushButton(this);
    Button_lesen->setObjectName("Button_lesen");
    Button_speichern = new QPushButton(this);
    Button_speichern->setObjectName("Button_speichern");
    BitBtn_Schliessen = new QPushButton(this);
    BitBtn_Schliessen->setObjectName("BitBtn_Schliessen");
    Tag_setzen(BitBtn_Schliessen, 125);
    Unten->addWidget(Label_Kommentar);
    Unten->addWidget(Edit_Kommentar, 1);
    Unten->addWidget(Button_lesen);
    Unten->addWidget(Button_speichern);
    Unten->addWidget(BitBtn_Schliessen);
    Spalte->addLayout(Unten);
    resize(1240, 640);

    connect(Button_lesen, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren([] { Unit_Save_Read::Tauchgang_lesen(); });
        aktualisieren();
    });
    connect(Button_speichern, &QPushButton::clicked, this, [this] {
        Befehl_ausfuehren(
            [this] { Unit_Save_Read::Tauchgang_speichern(Edit_Kommentar->text().toStdString()); });
        aktualisieren();
    });
    connect(BitBtn_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    Beschriftungen_anwenden(this);
    aktualisieren();
}

void T_Form_Save_Read::aktualisieren() {
    setWindowTitle(T("Einstellungen und Tauchgangsdaten", "Settings and dive data"));
    Button_lesen->setText(T("lesen", "read"));
    Button_speichern->setText(T("speichern", "save"));
    const Unit_Save_Read::Uebersicht_Type u = Unit_Save_Read::Uebersicht();
    fuellen(StringGrid_Einstellungen, u.Einstellungen);
    fuellen(StringGrid_Tauchgang, u.Tauchgang);
    Edit_Kommentar->setText(QString::fromStdString(Unit_Save_Read::Kommentar_der_Sprache()));
}

void T_Form_Save_Read::showEvent(QShowEvent* Ereignis) {
    aktualisieren();
    QDialog::showEvent(Ereignis);
}
