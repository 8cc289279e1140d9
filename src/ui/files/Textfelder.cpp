#include "ui/files/Textfelder.hpp"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QStringList>

QPlainTextEdit* Textfeld(QWidget* parent, const QString& Name, bool nur_lesen) {
    auto* Feld = new QPlainTextEdit(parent);
    Feld->setObjectName(Name);
    Feld->setReadOnly(nur_lesen);
    Feld->setLineWrapMode(QPlainTextEdit::NoWrap);
    Feld->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return Feld;
}

std::vector<std::string> Zeilen(const QPlainTextEdit* Feld) {
    std::vector<std::string> z;
    const QString Text = Feld->toPlainText();
    if (Text.isEmpty()) return z;
    for (const QString& Zeile : Text.split('\n')) z.push_back(Zeile.toStdString());
    return z;
}

void Zeilen_zeigen(QPlainTextEdit* Feld, const std::vector<std::string>& z) {
    if (Zeilen(Feld) == z) return;
    QStringList Liste;
    Liste.reserve(static_cast<qsizetype>(z.size()));
    for (const std::string& Zeile : z) Liste << QString::fromStdString(Zeile);
    Feld->setPlainText(Liste.join('\n'));
}
