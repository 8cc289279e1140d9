#include "ui/displays/Gewebefenster.hpp"

#include "lang/Unit_Tools.hpp"
#include "ui/widgets/Balkenanzeige.hpp"

#include <QCloseEvent>
#include <QShowEvent>

Gewebefenster::Gewebefenster(bool& Einstellung, QWidget* Hauptfenster)
    : QWidget(Hauptfenster, Qt::Tool), Einstellung_(Einstellung), Hauptfenster_(Hauptfenster) {}

void Gewebefenster::auffrischen() {
    Unit_Gewebeanzeige::Stand_Typ jetzt = Unit_Gewebeanzeige::Stand();
    if (jetzt == gezeigt_) return;
    gezeigt_ = jetzt;
    aktualisieren();
}

void Gewebefenster::closeEvent(QCloseEvent* Ereignis) {
    Einstellung_ = false;
    QWidget::closeEvent(Ereignis);
    emit geschlossen();
}

void Gewebefenster::showEvent(QShowEvent* Ereignis) {
    QWidget::showEvent(Ereignis);
    aktualisieren();
    if (platziert_ || Ereignis->spontaneous()) return;
    platziert_ = true;
    platzieren();
}

void Gewebefenster::Rahmen_nach(const QPoint& Ecke, Qt::Corner Welche) {
    const QSize Groesse = frameGeometry().size();
    QPoint Links_oben = Ecke;
    if (Welche == Qt::TopRightCorner || Welche == Qt::BottomRightCorner)
        Links_oben.rx() -= Groesse.width() - 1;
    if (Welche == Qt::BottomLeftCorner || Welche == Qt::BottomRightCorner)
        Links_oben.ry() -= Groesse.height() - 1;
    move(Links_oben);
}

QColor Farbe_von(Unit_Gewebeanzeige::Farbe f) {
    switch (f) {
    case Unit_Gewebeanzeige::Farbe::Rot:
        return {220, 30, 30};
    case Unit_Gewebeanzeige::Farbe::Weiss:
        return Qt::white;
    case Unit_Gewebeanzeige::Farbe::Gelb:
        break;
    }
    return {240, 200, 0};
}

void Balken_setzen(Balkenanzeige* b, const Unit_Gewebeanzeige::Balken& Wert) {
    b->setWert(Wert.Wert, Farbe_von(Wert.Balkenfarbe), QString::fromStdString(Wert.Text));
}

void Erklaerung_bei_Rechtsklick(QWidget* w, const Unit_Gewebeanzeige::Erklaerung_Typ& Text) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w,
                     [Text] { Unit_Tools::Meldung_Info(Text.Deutsch, Text.Englisch); });
}
