#include "ui/widgets/Radiogruppe.hpp"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

Radiogruppe::Radiogruppe(QWidget* parent) : QGroupBox(parent), Gruppe(new QButtonGroup(this)) {
    new QVBoxLayout(this);
    connect(Gruppe, &QButtonGroup::idClicked, this, &Radiogruppe::gewaehlt);
}

void Radiogruppe::setEintraege(const QStringList& Texte) {
    for (auto* k : Knoepfe) {
        Gruppe->removeButton(k);
        delete k;
    }
    Knoepfe.clear();
    for (const QString& t : Texte) {
        auto* k = new QRadioButton(t, this);
        k->setObjectName(QString("%1_%2").arg(objectName()).arg(Knoepfe.size()));
        Gruppe->addButton(k, static_cast<int>(Knoepfe.size()));
        layout()->addWidget(k);
        Knoepfe << k;
    }
}

void Radiogruppe::setTexte(const QStringList& Texte) {
    for (int k = 0; k < Anzahl() && k < Texte.size(); ++k) Knoepfe[k]->setText(Texte[k]);
}

int Radiogruppe::Eintrag() const {
    return Gruppe->checkedId();
}

void Radiogruppe::setEintrag(int k) {
    if (k >= 0 && k < Anzahl()) {
        Knoepfe[k]->setChecked(true);
        return;
    }
    // An exclusive group cannot be cleared button by button.
    Gruppe->setExclusive(false);
    for (auto* b : Knoepfe) b->setChecked(false);
    Gruppe->setExclusive(true);
}

QRadioButton* Radiogruppe::Knopf(int k) const {
    return k >= 0 && k < Anzahl() ? Knoepfe[k] : nullptr;
}
