#include "ui/adapters/Qt_Oberflaeche.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/files/T_Form_Tools_BitteWarten.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRandomGenerator>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

QString Qt_Filter(const std::string& Filter) {
    const QStringList Teile = Q(Filter).split('|');
    QStringList Paare;
    for (qsizetype i = 0; i + 1 < Teile.size(); i += 2) {
        QString Muster = Teile[i + 1];
        Paare << Teile[i] + " (" + Muster.replace(';', ' ') + ")";
    }
    return Paare.join(";;");
}

namespace {
// The library breaks lines with a carriage return; a message box breaks them at line feeds.
QString Zeilen(const std::string& Text) {
    return Q(Text).replace("\r\n", "\n").replace('\r', '\n');
}
} // namespace

void Qt_Oberflaeche::Meldung(Unit_UI::Meldungsart Art, const std::string& Text) {
    if (Art == Unit_UI::Meldungsart::Info) {
        QMessageBox::information(Hauptfenster_, QApplication::applicationName(), Zeilen(Text));
        return;
    }
    if (Art == Unit_UI::Meldungsart::Problem_schuetteln) Fenster_schuetteln();
    QMessageBox::critical(Hauptfenster_, "Problem", Zeilen(Text));
}

bool Qt_Oberflaeche::Frage(const std::string& Text, const std::string& Titel) {
    return QMessageBox::question(Hauptfenster_, Q(Titel), Zeilen(Text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

std::optional<std::string> Qt_Oberflaeche::Eingabe(const std::string& Titel, const std::string& Aufforderung,
                                                   const std::string& Vorgabe) {
    bool ok = false;
    const QString t =
        QInputDialog::getText(Hauptfenster_, Q(Titel), Q(Aufforderung), QLineEdit::Normal, Q(Vorgabe), &ok);
    if (!ok) return std::nullopt;
    return t.toStdString();
}

std::optional<std::string> Qt_Oberflaeche::Datei_waehlen(const Unit_UI::Dateiwahl& Wahl) {
    const QString Start = Q(Wahl.Ordner + Wahl.Name);
    const QString Datei =
        Wahl.speichern ? QFileDialog::getSaveFileName(Hauptfenster_, {}, Start, Qt_Filter(Wahl.Filter))
                       : QFileDialog::getOpenFileName(Hauptfenster_, {}, Start, Qt_Filter(Wahl.Filter));
    if (Datei.isEmpty()) return std::nullopt;
    return Datei.toStdString();
}

std::unique_ptr<QInputDialog> Auswahldialog(QWidget* Eltern, const std::string& Titel,
                                            const std::string& Aufforderung,
                                            const std::vector<std::string>& Eintraege, std::size_t Vorgabe) {
    auto Dialog = std::make_unique<QInputDialog>(Eltern);
    Dialog->setObjectName("Auswahl");
    Dialog->setWindowTitle(Q(Titel));
    Dialog->setLabelText(Q(Aufforderung));
    QStringList Liste;
    for (const auto& e : Eintraege) Liste << Q(e);
    Dialog->setComboBoxItems(Liste);
    Dialog->setComboBoxEditable(false);
    // Qt's own button texts stay English without its translations
    Dialog->setCancelButtonText(Q(Unit_Tools::Text_waehlen("Abbrechen", "Cancel")));
    if (Vorgabe < Eintraege.size()) Dialog->setTextValue(Liste[static_cast<qsizetype>(Vorgabe)]);
    return Dialog;
}

std::optional<std::size_t> Qt_Oberflaeche::Auswahl(const std::string& Titel, const std::string& Aufforderung,
                                                   const std::vector<std::string>& Eintraege,
                                                   std::size_t Vorgabe) {
    const auto Dialog = Auswahldialog(Hauptfenster_, Titel, Aufforderung, Eintraege, Vorgabe);
    if (Dialog->exec() != QDialog::Accepted) return std::nullopt;
    const qsizetype k = Dialog->comboBoxItems().indexOf(Dialog->textValue());
    if (k < 0) return std::nullopt;
    return static_cast<std::size_t>(k);
}

void Qt_Oberflaeche::Bitte_warten(const std::string& Text) {
    if (!Warten_) Warten_ = new T_Form_Tools_BitteWarten(Hauptfenster_);
    Warten_->zeigen(Q(Text));
}

void Qt_Oberflaeche::Bitte_warten_Ende() {
    if (Warten_) Warten_->schliessen();
}

void Qt_Oberflaeche::Nachrichten_verarbeiten() {
    QApplication::processEvents();
}

void Qt_Oberflaeche::Fenster_schuetteln() {
    if (!Hauptfenster_) return;
    const QPoint Ort = Hauptfenster_->pos();
    auto* Zufall = QRandomGenerator::global();
    for (int k = 0; k < 251; ++k) {
        const int dx = Zufall->bounded(4) * (Zufall->bounded(2) ? 1 : -1);
        const int dy = Zufall->bounded(4) * (Zufall->bounded(2) ? 1 : -1);
        Hauptfenster_->move(Ort + QPoint(dx, dy));
        QApplication::processEvents();
    }
    Hauptfenster_->move(Ort);
}
