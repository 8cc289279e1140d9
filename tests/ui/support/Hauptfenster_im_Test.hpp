// The main window under test on the headless seam: its text pages follow the library's buffers,
// and its controls are found by object name.
#pragma once

#include "commands/Unit_Programmstart.hpp"
#include "lang/Unit_Tools.hpp"
#include "lang/Unit_UI.hpp"
#include "ui/main/T_Form_main.hpp"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtGlobal>

#include <memory>

class Testoberflaeche : public Unit_UI::Headless {
  public:
    T_Form_main* Fenster = nullptr;
    void Textpuffer_geaendert(const std::string& Name) override {
        if (Fenster) Fenster->Textpuffer_geaendert(Name);
    }
};

// A control that must be there: a missing one ends the test at once.
template <typename T> T* finden(QObject* In, const char* Name) {
    T* w = In->findChild<T*>(Name);
    if (!w) qFatal("control %s not found", Name);
    return w;
}

// The program started in German without a settings file, and a main window on it. A decimal
// separator other than 0 is set before the start.
inline std::unique_ptr<T_Form_main> Hauptfenster_starten(Testoberflaeche& Oberflaeche,
                                                         char Dezimaltrennzeichen = 0) {
    Unit_Tools::Sprache = 0;
    if (Dezimaltrennzeichen) Unit_Tools::Dezimaltrennzeichen_setzen(Dezimaltrennzeichen);
    Unit_UI::UI_setzen(&Oberflaeche);
    Oberflaeche.Zuruecksetzen();
    Unit_Programmstart::Programm_starten({.Einstellungsdatei_verwenden = false});
    auto f = std::make_unique<T_Form_main>();
    Oberflaeche.Fenster = f.get();
    return f;
}

// The text of a page as the diver sees it: the page is shown first, as a text built on first read
// waits for that.
inline QString Seitentext(QWidget* Fenster, const char* Memoname) {
    auto* Memo = finden<QPlainTextEdit>(Fenster, Memoname);
    for (QWidget* w = Memo->parentWidget(); w; w = w->parentWidget())
        if (auto* Reiter = qobject_cast<QTabWidget*>(w)) {
            Reiter->setCurrentWidget(Memo->parentWidget());
            break;
        }
    return Memo->toPlainText();
}

inline void Hauptfenster_beenden(Testoberflaeche& Oberflaeche, std::unique_ptr<T_Form_main>& f) {
    Oberflaeche.Fenster = nullptr;
    f.reset();
    Unit_UI::UI_setzen(nullptr);
}
