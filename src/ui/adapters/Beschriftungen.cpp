#include "ui/adapters/Beschriftungen.hpp"

#include "core/Unit_Programm.hpp"
#include "lang/Unit_Sprache_Brelune.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

using Namensfunktion = std::function<QString()>;
Q_DECLARE_METATYPE(Namensfunktion)

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

constexpr const char* Namenseigenschaft = "zugaenglicher_Name";

void Namen_setzen(QWidget* Feld) {
    const QVariant Name = Feld->property(Namenseigenschaft);
    if (Name.isValid()) Feld->setAccessibleName(Name.value<Namensfunktion>()().simplified());
}

// A combo box as Qt presents it elsewhere: its name, its chosen entry as value, its list as
// child, opened by its action.
class Auswahlfeld : public QAccessibleWidget {
  public:
    explicit Auswahlfeld(QComboBox* Box) : QAccessibleWidget(Box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Box()->currentText() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return Box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int i) const override {
        if (i == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (i == 1 && Box()->isEditable()) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* Kind) const override {
        if (Kind->object() == Box()->view()) return 0;
        if (Box()->isEditable() && Kind->object() == Box()->lineEdit()) return 1;
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& Aktion) override {
        if (Aktion != showMenuAction() && Aktion != pressAction()) return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

  private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Zugangsfabrik(const QString& Klasse, QObject* Objekt) {
    auto* Box = Klasse == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(Objekt) : nullptr;
    return Box ? new Auswahlfeld(Box) : nullptr;
}
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
    for (QObject* o : Objekte)
        if (auto* w = qobject_cast<QWidget*>(o)) Namen_setzen(w);
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

QLabel* Beschriftung_fuer(QWidget* Feld, int Tag) {
    auto* l = new QLabel(Feld->parentWidget());
    Tag_setzen(l, Tag);
    l->setText(Beschriftung(Tag));
    l->setBuddy(Feld);
    return l;
}

void Name_geben(QWidget* Feld, std::function<QString()> Name) {
    Feld->setProperty(Namenseigenschaft, QVariant::fromValue(Namensfunktion(std::move(Name))));
    Namen_setzen(Feld);
}

QString Tabellenzeile(const QString& Tabelle, int Zeile, const QString& Spalte) {
    return QString("%1 %2: %3").arg(Tabelle.simplified()).arg(Zeile).arg(Spalte.simplified());
}

QString Spaltentitel(int Tag, int Spalte) {
    static const QRegularExpression Luecke("\\s{2,}");
    return Beschriftung(Tag).trimmed().split(Luecke).value(Spalte);
}

void Zugang_einrichten() {
    static bool eingerichtet = false;
    if (eingerichtet || !qApp) return;
    eingerichtet = true;
    QAccessible::installFactory(Zugangsfabrik);
}
