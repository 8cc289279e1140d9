#include "ui/adapters/Beschriftungen.hpp"

#include "core/Unit_Programm.hpp"
#include "lang/Unit_Sprache_Brelune.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace {
namespace S = Unit_Sprache_Brelune;

QString Q(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// A page of a tab widget carries the tag of its tab.
void Seitentitel_setzen(QWidget* Seite, const QString& Text) {
    auto* Stapel = Seite->parentWidget();
    auto* Reiter = Stapel ? qobject_cast<QTabWidget*>(Stapel->parentWidget()) : nullptr;
    if (!Reiter) return;
    const int i = Reiter->indexOf(Seite);
    if (i >= 0) Reiter->setTabText(i, Text);
}

void Text_setzen(QObject* o, const QString& Text) {
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setText(Text);
    } else if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(Text);
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        g->setTitle(Text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        b->setText(Text);
    } else if (auto* l = qobject_cast<QLabel*>(o)) {
        l->setText(Text);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        if (w->isWindow())
            w->setWindowTitle(Text);
        else
            Seitentitel_setzen(w, Text);
    }
}

void Hinweis_setzen(QObject* o, const QString& Text) {
    if (auto* a = qobject_cast<QAction*>(o))
        a->setToolTip(Text);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setToolTip(Text);
}

// Swallows every tooltip while the hints are switched off.
class Hinweisfilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ToolTip && !Unit_Programm::Hinweise_zeigen) return true;
        return QObject::eventFilter(o, e);
    }
};
} // namespace

void Tag_setzen(QObject* Objekt, int Tag) {
    Objekt->setProperty("tag", Tag);
}

QString Beschriftung(int Tag) {
    return Q(S::Beschriftung(Tag));
}

bool Beschriftungen_anwenden(QObject* Fenster) {
    QList<QObject*> Objekte{Fenster};
    Objekte += Fenster->findChildren<QObject*>();
    for (QObject* o : Objekte) {
        const QVariant v = o->property("tag");
        if (!v.isValid() || v.toInt() == 0) continue;
        const int Tag = v.toInt();
        if (!S::Beschriftung_pruefen(Tag)) return false;
        if (const auto Text = S::Beschriftung(Tag); !Text.empty()) Text_setzen(o, Q(Text));
        if (const auto Hinweis = S::Hinweis(Tag); !Hinweis.empty()) Hinweis_setzen(o, Q(Hinweis));
    }
    return true;
}

void Alle_Fenster_beschriften() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!Beschriftungen_anwenden(w)) return;
}

void Hinweise_steuern() {
    static Hinweisfilter* Filter = nullptr;
    if (Filter || !qApp) return;
    Filter = new Hinweisfilter(qApp);
    qApp->installEventFilter(Filter);
}
