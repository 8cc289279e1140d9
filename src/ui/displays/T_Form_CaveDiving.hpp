// The cave-diving window: cuts, inverts and shifts the profile of a cave dive over the horizontal
// distance, keeps it as CSV text, and turns the text back into waypoints to compute. Every
// operation is the library's (Unit_CaveDiving); the window reads its fields and shows the state.
#pragma once

#include <QDialog>

#include <string>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class T_Form_CaveDiving : public QDialog {
    Q_OBJECT
  public:
    explicit T_Form_CaveDiving(QWidget* parent = nullptr);
    // Shows the window with the range of the dive in memory and an empty profile text.
    void Zeigen();
    // The main window's commands behind "Laden (dec)", "Importieren Shearwater (csv)" and
    // "Strecken Kalibrieren"; a button is usable while its command is.
    void Befehle_setzen(QAction* Laden, QAction* Importieren, QAction* Kalibrieren);
    // The fields and the profile text from the library.
    void Anzeigen();

    QPushButton* Button_kalibrieren = nullptr;
    QPushButton* Button_laden = nullptr;
    QPushButton* Button_importieren = nullptr;
    QPushButton* Button_ausschneiden = nullptr;
    QLineEdit* Edit_von_m = nullptr;
    QLineEdit* Edit_bis_m = nullptr;
    QPushButton* Button_spiegeln = nullptr;
    QPushButton* Button_add = nullptr;
    QLineEdit* Edit_add = nullptr;
    QPushButton* Button_lesen = nullptr;
    QPushButton* Button_lesen_addieren = nullptr;
    QPushButton* Button_speichern = nullptr;
    QPushButton* Button_loeschen = nullptr;
    QPlainTextEdit* Memo_CSV = nullptr;
    QPushButton* Button_WayPoints = nullptr;
    QPushButton* Button_berechnen = nullptr;
    QPushButton* ButtonClose = nullptr;

  signals:
    // The dive in memory changed: the main window repaints.
    void Tauchgang_geaendert();

  protected:
    // Back from the waypoint overview (a calibration) the range fields show the new range, back
    // from the main window the language in force.
    void changeEvent(QEvent* Ereignis) override;

  private:
    // The text shown last, to tell the library's changes from the user's typing.
    std::string Memo_gezeigt;

    void Beschriftungen_setzen();
    void Verbinden();
    // Runs one library operation with the text as typed, then shows the state.
    template <typename Operation> void Ausfuehren(Operation&& op);
    void Memo_uebernehmen();
};
