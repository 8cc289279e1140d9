// The main window: top bar, the dive area and the calculation area.
#pragma once

#include <QMainWindow>

class QGroupBox;

class T_Form_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit T_Form_main(QWidget* parent = nullptr);

    QGroupBox* GroupBox_oben = nullptr;
    QGroupBox* GroupBox_Tauchgang = nullptr;
    QGroupBox* GroupBox_Berechnungen = nullptr;

  private:
    void Menue_anlegen();
};
