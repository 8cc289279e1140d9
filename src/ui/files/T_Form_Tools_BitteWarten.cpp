#include "ui/files/T_Form_Tools_BitteWarten.hpp"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

T_Form_Tools_BitteWarten::T_Form_Tools_BitteWarten(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("T_Form_Tools_BitteWarten");
    setWindowTitle("Brelune");
    setModal(false);
    Label_Text = new QLabel(this);
    Label_Text->setObjectName("Label_Text");
    Label_Text->setAlignment(Qt::AlignCenter);
    Label_Text->setWordWrap(true);
    Label_Text->setMinimumWidth(360);
    auto* Spalte = new QVBoxLayout(this);
    Spalte->setContentsMargins(24, 18, 24, 18);
    Spalte->addWidget(Label_Text);
}

void T_Form_Tools_BitteWarten::zeigen(const QString& Text) {
    Label_Text->setText(Text);
    adjustSize();
    show();
    raise();
    // Paint now: the file work that follows keeps the event loop busy.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void T_Form_Tools_BitteWarten::schliessen() {
    hide();
}
