#include "ui/displays/T_Form_Gewebe_barL.hpp"

#include "lang/Unit_Tools.hpp"
#include "physics/Unit_Gewebe_barL.hpp"
#include "ui/adapters/Fensterbau.hpp"
#include "ui/widgets/Balkenanzeige.hpp"

#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

namespace {
namespace A = Unit_Gewebeanzeige;

void setze(QLabel* l, const std::string& Text) {
    const QString t = QString::fromStdString(Text);
    if (l->text() != t) l->setText(t);
}
} // namespace

T_Form_Gewebe_barL::T_Form_Gewebe_barL(QWidget* Hauptfenster, const QWidget* Druckfenster,
                                       const QWidget* Austauchen)
    : Gewebefenster(Unit_Gewebe_barL::Inertgasvolumina_zeigen, Hauptfenster), Druckfenster_(Druckfenster),
      Austauchen_(Austauchen) {
    setObjectName("T_Form_Gewebe_barL");
    auto* Spalte = new QVBoxLayout(this);
    Spalte->setContentsMargins(6, 4, 6, 6);
    Spalte->setSpacing(2);
    // The size follows the amount, not the contents.
    Spalte->setSizeConstraint(QLayout::SetNoConstraint);
    QFont Schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Schrift.setPointSizeF(Schrift.pointSizeF() * 0.85);
    for (auto [l, Name] : {std::pair{&Label_N2, "Label_N2"}, std::pair{&Label_He, "Label_He"},
                           std::pair{&Label_N2He, "Label_N2He"}}) {
        *l = benannt(new QLabel(this), Name);
        (*l)->setFont(Schrift);
        Spalte->addWidget(*l);
    }
    Balken_N2 = benannt(new Balkenanzeige(this), "Balken_N2");
    Balken_N2->setSkala(0, A::Skala_Prozent);
    Balken_N2->setHintergrund(Qt::white); // the helium share
    Balken_N2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Spalte->addWidget(Balken_N2, 1);
    aktualisieren();
}

void T_Form_Gewebe_barL::aktualisieren() {
    const QString Titel =
        QString::fromStdString(Unit_Tools::Text_waehlen("Inertgas Volumen", "Inert gas volume"));
    if (windowTitle() != Titel) setWindowTitle(Titel);
    const A::Geloeste_Gase_Typ g = A::Geloeste_Gase();
    setze(Label_N2, g.N2);
    setze(Label_He, g.He);
    setze(Label_N2He, g.N2He);
    Balken_setzen(Balken_N2, g.Stickstoffanteil);
    if (size() != QSize(g.Breite, g.Hoehe)) resize(g.Breite, g.Hoehe);
}

void T_Form_Gewebe_barL::platzieren() {
    if (Druckfenster_->isVisible()) {
        const QRect Druck = Druckfenster_->frameGeometry();
        Rahmen_nach({Druck.left(), Druck.bottom() + 1}, Qt::TopLeftCorner);
        return;
    }
    // Left of the Ascend button, tops level.
    const QPoint Knopf = Austauchen_->mapToGlobal(QPoint(0, 0));
    Rahmen_nach({Knopf.x() - 1, Knopf.y()}, Qt::TopRightCorner);
}
