// A titled group of exclusive choices, numbered from 0 in the order they were given: choosing
// one by hand reports its number; setting the choice from the program reports nothing.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class Radiogruppe : public QGroupBox {
    Q_OBJECT
  public:
    explicit Radiogruppe(QWidget* parent = nullptr);

    // Replaces the choices by these texts; none is chosen afterwards.
    void setEintraege(const QStringList& Texte);
    // Renames the choices that exist, in order.
    void setTexte(const QStringList& Texte);
    // -1 when none is chosen.
    int Eintrag() const;
    // -1 or a number outside the list clears the choice.
    void setEintrag(int k);
    QRadioButton* Knopf(int k) const;
    int Anzahl() const { return static_cast<int>(Knoepfe.size()); }

  signals:
    void gewaehlt(int k);

  private:
    QButtonGroup* Gruppe;
    QList<QRadioButton*> Knoepfe;
};
