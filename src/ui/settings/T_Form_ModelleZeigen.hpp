// The model window: the coefficient sets in use for nitrogen and helium, with their name, details
// and source, as the library writes them. Rebuilt on every show, so it always shows the sets in use.
#pragma once

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

class T_Form_ModelleZeigen : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_ModelleZeigen(QWidget* parent = nullptr);
    // The four memos from the library's sets in use.
    void aktualisieren();

    QGroupBox* GroupBox_N2 = nullptr;
    QGroupBox* GroupBox_He = nullptr;
    QPlainTextEdit* Memo_N2_Kopf = nullptr;
    QPlainTextEdit* Memo_N2 = nullptr;
    QPlainTextEdit* Memo_He_Kopf = nullptr;
    QPlainTextEdit* Memo_He = nullptr;
    QPushButton* BitBtn_Schliessen = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;
};
