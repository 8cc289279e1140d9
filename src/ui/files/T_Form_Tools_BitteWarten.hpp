// The please-wait box: a small window with one line of text while a file is read or written.
#pragma once

#include <QDialog>

class QLabel;

class T_Form_Tools_BitteWarten : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Tools_BitteWarten(QWidget* parent = nullptr);
    // Shown at once and painted before the work begins; the work runs on this thread.
    void zeigen(const QString& Text);
    void schliessen();

    QLabel* Label_Text = nullptr;
};
