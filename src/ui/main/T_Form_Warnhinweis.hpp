// The safety and warning notice: shown modally (exec) before the program starts its work, and
// without blocking (show) from the help menu. Its answer is Unit_Warnhinweis::akzeptiert; the main
// window ends the program when the notice closes (finished) with it false.
#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;
class QTextEdit;

class T_Form_Warnhinweis : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Warnhinweis(QWidget* parent = nullptr);

    QTextEdit* Memo_Warnhinweis = nullptr;
    QRadioButton* RadioButton_deutsch = nullptr;
    QRadioButton* RadioButton_english = nullptr;
    QPushButton* BitBtn_akzeptieren = nullptr;
    QPushButton* BitBtn_nicht_akzeptieren = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    void Texte_setzen();
    void Groesse_festlegen();
    void RadioButton_Click();
    void BitBtn_akzeptierenClick();
    void BitBtn_nicht_akzeptierenClick();
};
