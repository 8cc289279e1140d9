// The settings and dive data overview: every setting and every waypoint value in two grids, as
// the settings walk shows them in the language in force, with the dive's comment and the buttons
// to read and save a dive.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

class T_Form_Save_Read : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_Save_Read(QWidget* parent = nullptr);
    // Both grids and the comment anew from the library.
    void aktualisieren();

    QTableWidget* StringGrid_Einstellungen = nullptr;
    QTableWidget* StringGrid_Tauchgang = nullptr;
    QLineEdit* Edit_Kommentar = nullptr;
    QPushButton* Button_lesen = nullptr;
    QPushButton* Button_speichern = nullptr;
    QPushButton* BitBtn_Schliessen = nullptr;

  protected:
    void showEvent(QShowEvent* Ereignis) override;
};
