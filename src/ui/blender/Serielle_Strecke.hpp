// The converter's byte link over a real serial port. Everything runs on the window thread: a read
// waits for the port at most its deadline, and bytes that arrive between reads are collected by
// the port's readyRead and handed to the next read in order. A port that fails (the converter
// unplugged) is closed and reported, so a fill sees the link gone instead of silence.
#pragma once

#include "blender/Unit_DaqOntrakCom.hpp"
#include "settings/Unit_Wandleranschluss.hpp"

#include <QObject>
#include <QSerialPort>

class Serielle_Strecke : public QObject, public Unit_DaqOntrakCom::Bytestrecke {
    Q_OBJECT
  public:
    explicit Serielle_Strecke(QObject* parent = nullptr);
    ~Serielle_Strecke() override;

    const Unit_Wandleranschluss::Anschluss& Einstellung() const { return Anschluss; }
    // Takes the port's settings; an open port gets them at once (another port name is reopened).
    void Einstellen(const Unit_Wandleranschluss::Anschluss& Neu);

    // True when the port is open afterwards; a failure is reported through Fehler.
    bool Oeffnen();
    void Schliessen();

    bool verbunden() const override;
    bool Schreiben(std::string_view Bytes) override;
    std::string Lesen(std::chrono::milliseconds Frist) override;
    std::string Name() const override;

  signals:
    // A problem of the port, in the current language where the text is ours.
    void Fehler(const QString& Meldung);
    // The port was opened or closed, by a call or by a failure.
    void Zustand_geaendert(bool verbunden);

  private:
    void Sammeln();
    void Portfehler(QSerialPort::SerialPortError Art);
    bool Leitung_einstellen();

    QSerialPort Port;
    Unit_Wandleranschluss::Anschluss Anschluss;
    std::string Vorrat;
    bool Einstellung_laeuft = false;
    bool getrennt = false; // lost, the port not yet closed
};
