#include "ui/blender/Schnittstellendialog.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Fensterbau.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>

#include <algorithm>

namespace A = Unit_Wandleranschluss;

namespace {
QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}
} // namespace

Schnittstellendialog::Schnittstellendialog(QWidget* parent) : QDialog(parent) {
    setObjectName("Schnittstellendialog");
    auto* Formular = new QFormLayout(this);
    const auto Feld = [&](const char* Name, const char* Deutsch, const char* Englisch) {
        auto* Box = benannt(new QComboBox(this), Name);
        auto* l = new QLabel(this);
        l->setBuddy(Box);
        // Renamed by the caption walk of a language switch, the label when the dialog is shown.
        Name_geben(Box, [Deutsch, Englisch] { return T(Deutsch, Englisch); });
        Zeilen.push_back({l, Deutsch, Englisch});
        Formular->addRow(l, Box);
        return Box;
    };
    ComboBox_Port = Feld("ComboBox_Port", "Schnittstelle", "Serial port");
    ComboBox_Port->setEditable(true);
    ComboBox_Port->setMinimumContentsLength(18);
    ComboBox_Baudrate = Feld("ComboBox_Baudrate", "Baudrate", "Baud rate");
    for (const int32_t b : A::Baudraten) ComboBox_Baudrate->addItem(QString::number(b), b);
    ComboBox_Datenbits = Feld("ComboBox_Datenbits", "Datenbits", "Data bits");
    for (int b = 5; b <= 8; ++b) ComboBox_Datenbits->addItem(QString::number(b), b);
    ComboBox_Paritaet = Feld("ComboBox_Paritaet", "Parität", "Parity");
    ComboBox_Stoppbits = Feld("ComboBox_Stoppbits", "Stoppbits", "Stop bits");
    for (const char* s : A::Stoppbits) ComboBox_Stoppbits->addItem(s);
    ComboBox_Flusssteuerung = Feld("ComboBox_Flusssteuerung", "Flusssteuerung", "Flow control");
    Knoepfe = benannt(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "Knoepfe");
    Formular->addRow(Knoepfe);
    connect(Knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Texte_setzen();
}

void Schnittstellendialog::Texte_setzen() {
    setWindowTitle(T("Schnittstelle einstellen", "Configure serial port"));
    for (const auto& z : Zeilen) z.Beschriftung->setText(T(z.Deutsch, z.Englisch));
    Knoepfe->button(QDialogButtonBox::Cancel)->setText(T("Abbrechen", "Cancel"));
    ComboBox_Paritaet->clear();
    for (int32_t i = 0; i < int32_t(A::Paritaeten.size()); ++i)
        ComboBox_Paritaet->addItem(QString::fromStdString(A::Paritaet_Text(i)));
    ComboBox_Flusssteuerung->clear();
    for (int32_t i = 0; i < int32_t(A::Flusssteuerungen.size()); ++i)
        ComboBox_Flusssteuerung->addItem(QString::fromStdString(A::Flusssteuerung_Text(i)));
}

void Schnittstellendialog::Zeigen(const A::Anschluss& a) {
    Texte_setzen();
    Gezeigt = a;
    ComboBox_Port->clear();
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts())
        ComboBox_Port->addItem(p.systemLocation());
    ComboBox_Port->setCurrentText(QString::fromStdString(a.Port));
    ComboBox_Baudrate->setCurrentIndex(std::max(0, ComboBox_Baudrate->findData(a.Baudrate)));
    ComboBox_Datenbits->setCurrentIndex(std::max(0, ComboBox_Datenbits->findData(a.Datenbits)));
    ComboBox_Paritaet->setCurrentIndex(a.Paritaet);
    ComboBox_Stoppbits->setCurrentIndex(a.Stoppbits);
    ComboBox_Flusssteuerung->setCurrentIndex(a.Flusssteuerung);
}

A::Anschluss Schnittstellendialog::Anschluss() const {
    A::Anschluss a = Gezeigt;
    const QString Port = ComboBox_Port->currentText().trimmed();
    if (!Port.isEmpty()) a.Port = Port.toStdString();
    a.Baudrate = ComboBox_Baudrate->currentData().toInt();
    a.Datenbits = ComboBox_Datenbits->currentData().toInt();
    a.Paritaet = std::max(0, ComboBox_Paritaet->currentIndex());
    a.Stoppbits = std::max(0, ComboBox_Stoppbits->currentIndex());
    a.Flusssteuerung = std::max(0, ComboBox_Flusssteuerung->currentIndex());
    return a;
}
