#include "ui/main/T_Form_Graph_Utilities.hpp"

#include "core/Unit_Graph_Utilities.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/adapters/Beschriftungen.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
namespace Graph = Unit_Graph_Utilities;

QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

QSpinBox* Feld(const char* Name, int von, int bis, QWidget* parent) {
    auto* f = new QSpinBox(parent);
    f->setObjectName(Name);
    f->setRange(von, bis);
    f->setAlignment(Qt::AlignRight);
    return f;
}

QCheckBox* Haken(const char* Name, QWidget* parent) {
    auto* h = new QCheckBox(parent);
    h->setObjectName(Name);
    return h;
}

QPushButton* Knopf(const char* Name, QWidget* parent) {
    auto* k = new QPushButton(parent);
    k->setObjectName(Name);
    k->setAutoDefault(false); // Enter applies only from the depth maximum
    return k;
}

// One axis: minimum and maximum side by side, "automatisch" below.
QGroupBox* Achsengruppe(const char* Name, QSpinBox* Minimum, QSpinBox* Maximum, QCheckBox* automatisch,
                        QWidget* parent) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(Name);
    auto* l = new QGridLayout(g);
    l->addWidget(new QLabel("min", g), 0, 0);
    l->addWidget(Minimum, 0, 1);
    l->addWidget(new QLabel("max", g), 0, 2);
    l->addWidget(Maximum, 0, 3);
    l->addWidget(automatisch, 1, 0, 1, 4);
    return g;
}
} // namespace

T_Form_Graph_Utilities::T_Form_Graph_Utilities(QWidget* parent) : QDialog(parent) {
    setObjectName("T_Form_Graph_Utilities");
    setModal(true);
    SpinBox_X_min = Feld("SpinBox_X_min", 0, Graph::X_Maximum_bis, this);
    SpinBox_X_max = Feld("SpinBox_X_max", Graph::X_Maximum_von, Graph::X_Maximum_bis, this);
    SpinBox_Y_min = Feld("SpinBox_Y_min", 0, Graph::Y_Maximum_bis, this);
    SpinBox_Y_max = Feld("SpinBox_Y_max", Graph::Y_Maximum_von, Graph::Y_Maximum_bis, this);
    Name_geben(SpinBox_X_min, [] { return T("Zeit (min)", "Time (min)") + ": min"; });
    Name_geben(SpinBox_X_max, [] { return T("Zeit (min)", "Time (min)") + ": max"; });
    Name_geben(SpinBox_Y_min, [] { return T("Tiefe (m)", "Depth (m)") + ": min"; });
    Name_geben(SpinBox_Y_max, [] { return T("Tiefe (m)", "Depth (m)") + ": max"; });
    CheckBox_X_automatisch = Haken("CheckBox_X_automatisch", this);
    CheckBox_Y_automatisch = Haken("CheckBox_Y_automatisch", this);
    CheckBox_Alles_loeschen = Haken("CheckBox_Alles_loeschen", this);
    GroupBox_Zeit = Achsengruppe("GroupBox_Zeit", SpinBox_X_min, SpinBox_X_max, CheckBox_X_automatisch, this);
    GroupBox_Tiefe =
        Achsengruppe("GroupBox_Tiefe", SpinBox_Y_min, SpinBox_Y_max, CheckBox_Y_automatisch, this);
    BitBtn_Setzen = Knopf("BitBtn_Setzen", this);
    BitBtn_Abbrechen = Knopf("BitBtn_Abbrechen", this);
    BitBtn_Standard = Knopf("BitBtn_Standard", this);

    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addWidget(BitBtn_Setzen);
    Knoepfe->addWidget(BitBtn_Abbrechen);
    Knoepfe->addWidget(BitBtn_Standard);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(GroupBox_Zeit);
    Layout->addWidget(GroupBox_Tiefe);
    Layout->addWidget(CheckBox_Alles_loeschen);
    Layout->addLayout(Knoepfe);
    Layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn_Setzen, &QPushButton::clicked, this, &T_Form_Graph_Utilities::BitBtn_SetzenClick);
    connect(BitBtn_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn_Standard, &QPushButton::clicked, this, &T_Form_Graph_Utilities::BitBtn_StandardClick);
    SpinBox_Y_max->installEventFilter(this);
    Beschriftungen_setzen();
}

void T_Form_Graph_Utilities::Beschriftungen_setzen() {
    setWindowTitle(T("Achsen ändern", "Change the axes"));
    GroupBox_Zeit->setTitle(T("Zeit (min)", "Time (min)"));
    GroupBox_Tiefe->setTitle(T("Tiefe (m)", "Depth (m)"));
    CheckBox_X_automatisch->setText(T("automatisch", "automatic"));
    CheckBox_Y_automatisch->setText(T("automatisch", "automatic"));
    CheckBox_Alles_loeschen->setText(T("Alles löschen", "Clear all"));
    BitBtn_Setzen->setText(T("Setzen", "Set"));
    BitBtn_Abbrechen->setText(T("Abbrechen", "Cancel"));
    BitBtn_Standard->setText(T("Standard", "Default"));
}

void T_Form_Graph_Utilities::Felder_fuellen() {
    const Graph::Achsenwahl w = Graph::Achsenwahl_lesen();
    SpinBox_X_min->setValue(w.X_Minimum);
    SpinBox_X_max->setValue(w.X_Maximum);
    SpinBox_Y_min->setValue(w.Y_Minimum);
    SpinBox_Y_max->setValue(w.Y_Maximum);
    for (QCheckBox* h : {CheckBox_X_automatisch, CheckBox_Y_automatisch, CheckBox_Alles_loeschen})
        h->setChecked(false);
}

int T_Form_Graph_Utilities::Achsen_aendern() {
    Beschriftungen_setzen(); // the language may have changed since the window was built
    Felder_fuellen();
    SpinBox_X_min->setFocus();
    return exec();
}

void T_Form_Graph_Utilities::BitBtn_SetzenClick() {
    Graph::Achsenwahl w;
    w.X_Minimum = SpinBox_X_min->value();
    w.X_Maximum = SpinBox_X_max->value();
    w.Y_Minimum = SpinBox_Y_min->value();
    w.Y_Maximum = SpinBox_Y_max->value();
    w.X_automatisch = CheckBox_X_automatisch->isChecked();
    w.Y_automatisch = CheckBox_Y_automatisch->isChecked();
    w.Alles_loeschen = CheckBox_Alles_loeschen->isChecked();
    Graph::Achsen_setzen(w);
    accept();
}

void T_Form_Graph_Utilities::BitBtn_StandardClick() {
    Graph::Achsen_Standard();
    accept();
}

bool T_Form_Graph_Utilities::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == SpinBox_Y_max && Ereignis->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(Ereignis)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            BitBtn_SetzenClick();
            return true;
        }
    }
    return QDialog::eventFilter(Objekt, Ereignis);
}
