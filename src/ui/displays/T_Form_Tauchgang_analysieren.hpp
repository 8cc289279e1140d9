// The choice offered after a dive was read: keep it, analyse it, or cut it at the end of the
// bottom time and plan a new ascent. The choice and the end of bottom time are the library's
// (Unit_Tauchgang_analysieren); the window shows them and passes the clicks on.
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

class T_Form_Tauchgang_analysieren : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Tauchgang_analysieren(QWidget* parent = nullptr);
    // The library's choice and end of bottom time in the controls.
    void Anzeigen();

    QRadioButton* RadioButton0 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLineEdit* Edit_Tauchgang_analysieren_min_EndeGrundzeit = nullptr;
    QPushButton* Button_set_min_EndeGrundzeit = nullptr;
    QPushButton* Button_Waypoints = nullptr;
    QPushButton* Button_OK = nullptr;

  signals:
    // A library operation for the main window to run; it repaints afterwards.
    void Befehl_verlangt(const std::function<void()>& Befehl);
    void Wegpunkte_verlangt();
    // An analysis was written into the summary.
    void Analyse_geschrieben();

  protected:
    void showEvent(QShowEvent* Ereignis) override;
    void closeEvent(QCloseEvent* Ereignis) override;

  private:
    void Modus_klick(int Modus);
    void Setzen_klick();
    void OK_klick();
};
