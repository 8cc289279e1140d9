#include "ui/settings/T_Form_ModelleZeigen.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Saettigungsmodelle.hpp"
#include "ui/adapters/Beschriftungen.hpp"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
namespace S = Unit_Saettigungsmodelle;

QPlainTextEdit* Memo(QWidget* Eltern, const QString& Name, int Zeilen, int Spalten) {
    auto* m = new QPlainTextEdit(Eltern);
    m->setObjectName(Name);
    m->setReadOnly(true);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics Metrik(m->font());
    // Room for every line and column, plus the frame and a scroll bar.
    m->setMinimumHeight(Metrik.lineSpacing() * Zeilen + 2 * m->frameWidth() + 24);
    m->setMinimumWidth(Metrik.horizontalAdvance(QString(Spalten, '0')) + 2 * m->frameWidth() + 24);
    return m;
}

// One gas: the header lines beside their labels, the coefficients under their column title.
QGroupBox* Gruppe(QWidget* Eltern, const char* Gas, QPlainTextEdit*& Kopf, QPlainTextEdit*& Koeffizienten) {
    auto* g = new QGroupBox(QString(" %1 ").arg(Gas), Eltern);
    g->setObjectName(QString("GroupBox_") + Gas);
    auto* Gitter = new QGridLayout(g);
    auto* Beschriftungen = new QVBoxLayout;
    for (int Tag : {283, 284, 285, 286}) {
        auto* l = new QLabel(g);
        Tag_setzen(l, Tag);
        Beschriftungen->addWidget(l);
    }
    Beschriftungen->addStretch(1);
    Kopf = Memo(g, QString("Memo_") + Gas + "_Kopf", 4, 44);
    Koeffizienten = Memo(g, QString("Memo_") + Gas, 16, 30);
    auto* Titel = new QLabel(g);
    Tag_setzen(Titel, 287);
    auto* Spalten = new QLabel(QString::fromStdString(S::Modell_Spaltentitel), g);
    Spalten->setFont(Koeffizienten->font());
    Gitter->addLayout(Beschriftungen, 0, 0);
    Gitter->addWidget(Kopf, 0, 1);
    Gitter->addWidget(Titel, 1, 0, Qt::AlignTop);
    Gitter->addWidget(Spalten, 1, 1);
    Gitter->addWidget(Koeffizienten, 2, 1);
    return g;
}

void fuellen(QPlainTextEdit* Memo, const std::vector<std::string>& Zeilen) {
    QStringList Text;
    for (const auto& z : Zeilen) Text << QString::fromStdString(z);
    Memo->setPlainText(Text.join('\n'));
}
} // namespace

T_Form_ModelleZeigen::T_Form_ModelleZeigen(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_ModelleZeigen");
    auto* Spalte = new QVBoxLayout(this);
    auto* Zeile = new QHBoxLayout;
    GroupBox_N2 = Gruppe(this, "N2", Memo_N2_Kopf, Memo_N2);
    GroupBox_He = Gruppe(this, "He", Memo_He_Kopf, Memo_He);
    Zeile->addWidget(GroupBox_N2);
    Zeile->addWidget(GroupBox_He);
    Spalte->addLayout(Zeile);
    BitBtn_Schliessen = new QPushButton(this);
    BitBtn_Schliessen->setObjectName("BitBtn_Schliessen");
    Tag_setzen(BitBtn_Schliessen, 125);
    auto* Unten = new QHBoxLayout;
    Unten->addStretch(1);
    Unten->addWidget(BitBtn_Schliessen);
    Spalte->addLayout(Unten);
    connect(BitBtn_Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    Beschriftungen_anwenden(this);
    aktualisieren();
}

void T_Form_ModelleZeigen::aktualisieren() {
    setWindowTitle(QString::fromStdString(Unit_Tools::Text_waehlen("Modelle", "Saturation models")));
    fuellen(Memo_N2_Kopf, S::Modell_Kopfzeilen(S::Modell_N2));
    fuellen(Memo_N2, S::Modell_Koeffizientenzeilen(S::Modell_N2));
    fuellen(Memo_He_Kopf, S::Modell_Kopfzeilen(S::Modell_He));
    fuellen(Memo_He, S::Modell_Koeffizientenzeilen(S::Modell_He));
}

void T_Form_ModelleZeigen::showEvent(QShowEvent* Ereignis) {
    aktualisieren();
    QDialog::showEvent(Ereignis);
}
