#include "ui/blender/Serielle_Strecke.hpp"

#include "lang/Unit_Tools.hpp"

#include <QSerialPort>

#include <algorithm>
#include <array>
#include <utility>

namespace {
QString T(const std::string& Deutsch, const std::string& Englisch) {
    return QString::fromStdString(Unit_Tools::Text_waehlen(Deutsch, Englisch));
}

// A write that cannot leave within this time counts as failed.
constexpr int Schreibfrist_ms = 1000;

constexpr std::array<QSerialPort::Parity, 5> Paritaeten = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                           QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                           QSerialPort::SpaceParity};
constexpr std::array<QSerialPort::StopBits, 3> Stoppbits = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                                            QSerialPort::TwoStop};
constexpr std::array<QSerialPort::FlowControl, 3> Flusssteuerungen = {
    QSerialPort::NoFlowControl, QSerialPort::HardwareControl, QSerialPort::SoftwareControl};

template <typename T, std::size_t N> T Wahl(const std::array<T, N>& Werte, int32_t Index) {
    return Werte[Index >= 0 && std::size_t(Index) < N ? std::size_t(Index) : 0];
}
} // namespace

Serielle_Strecke::Serielle_Strecke(QObject* parent) : QObject(parent) {
    setObjectName("CommOntrak");
    connect(&Port, &QSerialPort::readyRead, this, &Serielle_Strecke::Sammeln);
    connect(&Port, &QSerialPort::errorOccurred, this, &Serielle_Strecke::Portfehler);
}

Serielle_Strecke::~Serielle_Strecke() {
    // No more reports to a window that may be gone already.
    Port.disconnect(this);
    Port.close();
}

void Serielle_Strecke::Einstellen(const Unit_Wandleranschluss::Anschluss& Neu) {
    const bool anderer_Port = Neu.Port != Anschluss.Port;
    Anschluss = Neu;
    if (!verbunden()) return;
    if (anderer_Port) {
        Schliessen();
        Oeffnen();
    } else {
        Leitung_einstellen();
    }
}

bool Serielle_Strecke::Leitung_einstellen() {
    // A setter may stumble on the way and still succeed (a rate one call refuses is set another
    // way): what counts is its result.
    Einstellung_laeuft = true;
    const bool ok = Port.setBaudRate(Anschluss.Baudrate) &&
                    Port.setDataBits(QSerialPort::DataBits(std::clamp(Anschluss.Datenbits, 5, 8))) &&
                    Port.setParity(Wahl(Paritaeten, Anschluss.Paritaet)) &&
                    Port.setStopBits(Wahl(Stoppbits, Anschluss.Stoppbits)) &&
                    Port.setFlowControl(Wahl(Flusssteuerungen, Anschluss.Flusssteuerung));
    Einstellung_laeuft = false;
    if (!ok)
        emit Fehler(T("Schnittstelle " + Anschluss.Port + " nimmt die Einstellung nicht an: ",
                      "Serial port " + Anschluss.Port + " does not take the settings: ") +
                    Port.errorString());
    Port.clearError();
    return ok;
}

bool Serielle_Strecke::Oeffnen() {
    if (verbunden()) return true;
    if (Port.isOpen()) Port.close(); // lost, not yet closed
    getrennt = false;
    Vorrat.clear();
    Port.setPortName(QString::fromStdString(Anschluss.Port));
    if (!Port.open(QIODevice::ReadWrite)) {
        emit Fehler(T("Schnittstelle " + Anschluss.Port + " kann nicht geöffnet werden: ",
                      "Serial port " + Anschluss.Port + " cannot be opened: ") +
                    Port.errorString());
        Port.clearError();
        return false;
    }
    if (!Leitung_einstellen()) {
        Port.close();
        return false;
    }
    Port.setDataTerminalReady(true); // the terminal says it is there; a line without modem lines ignores it
    emit Zustand_geaendert(true);
    return true;
}

void Serielle_Strecke::Schliessen() {
    if (!Port.isOpen()) return;
    const bool war_verbunden = verbunden();
    getrennt = false;
    Port.close();
    Vorrat.clear();
    if (war_verbunden) emit Zustand_geaendert(false);
}

bool Serielle_Strecke::verbunden() const {
    return Port.isOpen() && !getrennt;
}

std::string Serielle_Strecke::Name() const {
    return Anschluss.Port;
}

bool Serielle_Strecke::Schreiben(std::string_view Bytes) {
    if (!verbunden()) return false;
    if (Port.write(Bytes.data(), qint64(Bytes.size())) != qint64(Bytes.size())) return false;
    // Sent now, not when the event loop next runs: the reply is awaited right after.
    while (verbunden() && Port.bytesToWrite() > 0)
        if (!Port.waitForBytesWritten(Schreibfrist_ms)) return false;
    return verbunden();
}

std::string Serielle_Strecke::Lesen(std::chrono::milliseconds Frist) {
    Sammeln();
    // Returns with the first bytes, not at the deadline: a reply is read as soon as it is there.
    if (Vorrat.empty() && verbunden()) {
        Port.waitForReadyRead(int(std::max<std::chrono::milliseconds::rep>(Frist.count(), 0)));
        Sammeln();
    }
    return std::exchange(Vorrat, {});
}

void Serielle_Strecke::Sammeln() {
    if (!verbunden()) return;
    const QByteArray Neu = Port.readAll();
    Vorrat.append(Neu.constData(), std::size_t(Neu.size()));
}

void Serielle_Strecke::Portfehler(QSerialPort::SerialPortError Art) {
    // A read that found nothing in time is no fault of the port; a failed opening tells its own.
    // A driver without modem lines or custom rates (a pseudo-terminal) refuses those calls and
    // still carries the bytes: the calls' results tell what failed.
    if (Art == QSerialPort::NoError || Art == QSerialPort::TimeoutError ||
        Art == QSerialPort::UnsupportedOperationError || !verbunden() || Einstellung_laeuft)
        return;
    QString Meldung = T("Fehler der Schnittstelle " + Anschluss.Port + " in >Unit_DaqOntrakCom< = ",
                        Anschluss.Port + " error in >Unit_DaqOntrakCom< = ") +
                      QString::number(int(Art)) + " (" + Port.errorString() + ")";
    Port.clearError();
    // The device went away or cannot be read or written: nothing sent can be trusted to arrive
    // any more, and a fill must see that instead of silence.
    if (Art == QSerialPort::ResourceError || Art == QSerialPort::ReadError ||
        Art == QSerialPort::WriteError) {
        // Gone at once for every caller; the port itself is closed once the port's own call that
        // reported this has returned (it may be a wait inside a read).
        getrennt = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (getrennt) Schliessen();
            },
            Qt::QueuedConnection);
        Meldung += T(", Verbindung geschlossen", ", link closed");
        emit Zustand_geaendert(false);
    }
    emit Fehler(Meldung);
}
