// Small pieces every window uses: a control named for tests, screenshots and the caption walk,
// and the boundary at which a command the library stopped ends.
#pragma once

#include "lang/Unit_UI.hpp"
#include "ui/adapters/Beschriftungen.hpp"

#include <QString>

// The object name, and the caption tag when it has one.
template <typename Widget> Widget* benannt(Widget* w, const QString& Name, int Tag = 0) {
    w->setObjectName(Name);
    if (Tag != 0) Tag_setzen(w, Tag);
    return w;
}

// Runs one library operation. A command the library stopped has shown its message and kept the
// dive and the settings: the window just goes on. False when it was stopped.
template <typename Befehl> bool Befehl_ausfuehren(Befehl&& b) {
    try {
        b();
        return true;
    } catch (const Unit_UI::Befehl_abgebrochen&) {
        return false;
    }
}
