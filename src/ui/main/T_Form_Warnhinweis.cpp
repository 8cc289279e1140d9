#include "ui/main/T_Form_Warnhinweis.hpp"

#include "commands/Unit_Warnhinweis.hpp"
#include "lang/Unit_Tools.hpp"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& Text) {
    return QString::fromStdString(Text);
}

// The section headings are the lines written in capitals.
bool ist_Ueberschrift(const QString& Zeile) {
    return !Zeile.trimmed().isEmpty() && Zeile == Zeile.toUpper() && Zeile.at(0).isLetter();
}
} // namespace

T_Form_Warnhinweis::T_Form_Warnhinweis(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Warnhinweis");

    Memo_Warnhinweis = new QTextEdit(this);
    Memo_Warnhinweis->setObjectName("Memo_Warnhinweis");
    Memo_Warnhinweis->setReadOnly(true);
    Memo_Warnhinweis->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo_Warnhinweis->setFocusPolicy(Qt::NoFocus);

    RadioButton_deutsch = new QRadioButton("deutsch", this);
    RadioButton_deutsch->setObjectName("RadioButton_deutsch");
    RadioButton_english = new QRadioButton("english", this);
    RadioButton_english->setObjectName("RadioButton_english");
    BitBtn_akzeptieren = new QPushButton(this);
    BitBtn_akzeptieren->setObjectName("BitBtn_akzeptieren");
    BitBtn_nicht_akzeptieren = new QPushButton(this);
    BitBtn_nicht_akzeptieren->setObjectName("BitBtn_nicht_akzeptieren");
    BitBtn_nicht_akzeptieren->setDefault(true); // Enter refuses, as the focus does

    auto* Knopfzeile = new QHBoxLayout;
    Knopfzeile->addWidget(RadioButton_deutsch);
    Knopfzeile->addWidget(RadioButton_english);
    Knopfzeile->addStretch(1);
    Knopfzeile->addWidget(BitBtn_akzeptieren);
    Knopfzeile->addWidget(BitBtn_nicht_akzeptieren);
    auto* Spalte = new QVBoxLayout(this);
    Spalte->addWidget(Memo_Warnhinweis, 1);
    Spalte->addLayout(Knopfzeile);

    connect(RadioButton_deutsch, &QRadioButton::clicked, this, &T_Form_Warnhinweis::RadioButton_Click);
    connect(RadioButton_english, &QRadioButton::clicked, this, &T_Form_Warnhinweis::RadioButton_Click);
    connect(BitBtn_akzeptieren, &QPushButton::clicked, this, &T_Form_Warnhinweis::BitBtn_akzeptierenClick);
    connect(BitBtn_nicht_akzeptieren, &QPushButton::clicked, this,
            &T_Form_Warnhinweis::BitBtn_nicht_akzeptierenClick);

    Texte_setzen();
    Groesse_festlegen();
}

void T_Form_Warnhinweis::showEvent(QShowEvent* Ereignis) {
    Unit_Warnhinweis::Sprache_lesen();
    Texte_setzen();
    QDialog::showEvent(Ereignis);
    if (const QScreen* Bildschirm = screen()) {
        QRect Rahmen = frameGeometry();
        Rahmen.moveCenter(Bildschirm->availableGeometry().center());
        move(Rahmen.topLeft());
    }
    BitBtn_nicht_akzeptieren->setFocus();
}

void T_Form_Warnhinweis::Texte_setzen() {
    setWindowTitle(Q(Unit_Warnhinweis::Titel()));
    BitBtn_akzeptieren->setText(Q(Unit_Warnhinweis::Knopf_akzeptieren()));
    BitBtn_nicht_akzeptieren->setText(Q(Unit_Warnhinweis::Knopf_ablehnen()));
    const bool deutsch = Unit_Tools::Sprache != 1;
    RadioButton_deutsch->setChecked(deutsch);
    RadioButton_english->setChecked(!deutsch);

    Memo_Warnhinweis->clear();
    QTextCursor Schreibmarke(Memo_Warnhinweis->document());
    QTextCharFormat normal, fett;
    fett.setFontWeight(QFont::Bold);
    const QStringList Zeilen = Q(Unit_Warnhinweis::Hinweistext()).split('\n');
    for (qsizetype i = 0; i < Zeilen.size(); ++i) {
        if (i > 0) Schreibmarke.insertBlock();
        Schreibmarke.insertText(Zeilen[i], ist_Ueberschrift(Zeilen[i]) ? fett : normal);
    }
    Memo_Warnhinweis->moveCursor(QTextCursor::Start);
}

// Wide and high enough for the longer text of both languages, at most what the screen holds; the
// text wraps and scrolls only on a smaller screen.
void T_Form_Warnhinweis::Groesse_festlegen() {
    QFont Schrift = Memo_Warnhinweis->font();
    Schrift.setBold(true);
    const QFontMetrics Masse(Schrift);
    int Breite = 0;
    qsizetype Zeilen = 0;
    for (int32_t Sprache : {0, 1}) {
        const QStringList Text = Q(Unit_Warnhinweis::Hinweistext(Sprache)).split('\n');
        Zeilen = std::max(Zeilen, Text.size());
        for (const QString& Zeile : Text) Breite = std::max(Breite, Masse.horizontalAdvance(Zeile));
    }
    const int Rand = 2 * (Memo_Warnhinweis->frameWidth() +
                          static_cast<int>(Memo_Warnhinweis->document()->documentMargin()) + 4);
    QSize Memo(Breite + Rand + Memo_Warnhinweis->verticalScrollBar()->sizeHint().width(),
               static_cast<int>(Zeilen + 1) * Masse.lineSpacing() + Rand);
    if (const QScreen* Bildschirm = QGuiApplication::primaryScreen()) {
        const QSize Platz = Bildschirm->availableGeometry().size() * 0.85;
        Memo = Memo.boundedTo(Platz - QSize(40, 90));
    }
    Memo_Warnhinweis->setMinimumSize(Memo);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void T_Form_Warnhinweis::RadioButton_Click() {
    Unit_Warnhinweis::Sprache_waehlen(RadioButton_deutsch->isChecked());
    Texte_setzen();
}

void T_Form_Warnhinweis::BitBtn_akzeptierenClick() {
    Unit_Warnhinweis::akzeptiert = true;
    accept();
}

void T_Form_Warnhinweis::BitBtn_nicht_akzeptierenClick() {
    Unit_Warnhinweis::akzeptiert = false;
    reject();
}
