#include "ui/main/T_Form_main.hpp"

#include "lang/Unit_Tools.hpp"

#include <QGroupBox>
#include <QMenuBar>
#include <QSplitter>
#include <QString>

namespace {
QString T(const char* Deutsch, const char* Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}
} // namespace

T_Form_main::T_Form_main(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(" * Brelune * ");
    Menue_anlegen();

    GroupBox_oben = new QGroupBox(this);
    GroupBox_oben->setObjectName("GroupBox_oben");
    GroupBox_Tauchgang = new QGroupBox(T("Tauchgang", "Dive"), this);
    GroupBox_Tauchgang->setObjectName("GroupBox_Tauchgang");
    GroupBox_Berechnungen = new QGroupBox(T("Berechnungen", "Calculations"), this);
    GroupBox_Berechnungen->setObjectName("GroupBox_Berechnungen");

    auto* Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->addWidget(GroupBox_oben);
    Splitter->addWidget(GroupBox_Tauchgang);
    Splitter->addWidget(GroupBox_Berechnungen);
    Splitter->setStretchFactor(1, 3);
    Splitter->setStretchFactor(2, 2);
    setCentralWidget(Splitter);
    resize(1200, 800);
}

void T_Form_main::Menue_anlegen() {
    auto* Leiste = menuBar();
    Leiste->addMenu(T("Tauchgang", "Dive"))->setObjectName("Menu_Tauchgang");
    Leiste->addMenu(T("Einstellungen", "Settings"))->setObjectName("Menu_Einstellungen");
    Leiste->addMenu(T("Abstiegsplanung", "Descent plan"))->setObjectName("Menu_Abstiegsplanung");
    Leiste->addMenu(T("Austauchplanung", "Ascent plan"))->setObjectName("Menu_Austauchplanung");
    Leiste->addMenu(T("Tauchen", "Dive"))->setObjectName("Menu_Tauchen");
    Leiste->addMenu(T("Berechnung", "Calculation"))->setObjectName("Menu_Berechnung");
    Leiste->addMenu(T("Extras", "Extra"))->setObjectName("Menu_Extras");
    auto* Hilfe = Leiste->addMenu(T("Hilfe", "Help"));
    Hilfe->setObjectName("Menu_Hilfe");
    Hilfe->addAction(T("Beenden", "Exit"), this, &QWidget::close);
}
