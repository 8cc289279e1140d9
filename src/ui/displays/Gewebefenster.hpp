// What the three tissue views share: a small tool window over the main window, shown while its
// setting is on; closing it switches the setting off. It repaints from the library's state on
// showing and whenever the main window asks.
#pragma once

#include "planning/Unit_Gewebeanzeige.hpp"

#include <QColor>
#include <QWidget>

class Balkenanzeige;

class Gewebefenster : public QWidget {
    Q_OBJECT
  public:
    Gewebefenster(bool& Einstellung, QWidget* Hauptfenster);
    // Everything again from the current state.
    virtual void aktualisieren() = 0;
    // The same, unless the state is the one shown already.
    void auffrischen();
    bool Einstellung() const { return Einstellung_; }
    void Einstellung_setzen(bool an) { Einstellung_ = an; }

  signals:
    // Closed by the user: the setting is off now.
    void geschlossen();

  protected:
    void closeEvent(QCloseEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;
    // The first showing puts the window in its place.
    virtual void platzieren() = 0;
    QWidget* Hauptfenster() const { return Hauptfenster_; }
    // The frame moved so that its given corner is the pixel at the point.
    void Rahmen_nach(const QPoint& Ecke, Qt::Corner Welche);

  private:
    bool& Einstellung_;
    QWidget* Hauptfenster_;
    bool platziert_ = false;
    Unit_Gewebeanzeige::Stand_Typ gezeigt_;
};

QColor Farbe_von(Unit_Gewebeanzeige::Farbe f);
void Balken_setzen(Balkenanzeige* b, const Unit_Gewebeanzeige::Balken& Wert);
// A right click on the widget shows the explanation in the language in force.
void Erklaerung_bei_Rechtsklick(QWidget* w, const Unit_Gewebeanzeige::Erklaerung_Typ& Text);
