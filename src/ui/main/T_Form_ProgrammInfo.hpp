// The about window: the program's version and the literature its calculation rests on. The help
// menu opens it modally on one of its pages.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;
class QTextBrowser;

class T_Form_ProgrammInfo : public QDialog {
    Q_OBJECT
  public:
    enum Seite { Seite_Version = 0, Seite_Quellen = 1 };

    explicit T_Form_ProgrammInfo(QWidget* parent = nullptr);

    // "Über das Programm" and "Quellen" of the help menu: the page, then the modal window.
    int Zeigen(Seite Auf);

    QTabWidget* PageControl = nullptr;
    QWidget* TabSheet_Version = nullptr;
    QWidget* TabSheet_Quellen = nullptr;
    QLabel* Label_Programmname = nullptr;
    QLabel* Label_Version = nullptr;
    QLabel* Label_Beschreibung = nullptr;
    QLabel* Label_Programmversion = nullptr;
    QLabel* Label_akzeptiert = nullptr;
    QLabel* Label_Warnhinweis = nullptr;
    QTextBrowser* Memo_Quellen = nullptr;
    QPushButton* BitBtn_Schliessen = nullptr;

    void Seite_waehlen(Seite Auf);

  protected:
    void showEvent(QShowEvent* Ereignis) override;

  private:
    void Texte_setzen();
};
