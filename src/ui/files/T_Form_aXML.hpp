// The UDDF document for inspection: the file's lines as they are, editable, with a second area
// for what the check finds. The operations are the library's (Unit_aXML_Diagnose).
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class T_Form_aXML : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_aXML(QWidget* parent = nullptr);
    void Beschriftungen_setzen();
    // The document and the diagnostic lines as the library holds them.
    void Anzeigen();

    QPlainTextEdit* Memo_aXML = nullptr;
    QPlainTextEdit* Memo_Diagnose = nullptr;
    QPushButton* Button_Datei_Memo = nullptr;
    QPushButton* Button_Memo_Datei = nullptr;
    QPushButton* Button_Memos_loeschen = nullptr;
    QPushButton* Button_Test = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;
};
