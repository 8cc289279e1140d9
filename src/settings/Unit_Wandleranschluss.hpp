// The serial port the blending stand's converter hangs on: the setting the settings file keeps,
// the choices a port offers, and the description the converter's test window shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Unit_Wandleranschluss {

// The rates a port offers, in their order.
inline constexpr std::array<int32_t, 15> Baudraten = {
    110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
// The names the settings file keeps, in the order of the choices (indices below).
inline constexpr std::array<const char*, 5> Paritaeten = {"none", "odd", "even", "mark", "space"};
inline constexpr std::array<const char*, 3> Stoppbits = {"1", "1.5", "2"};
inline constexpr std::array<const char*, 3> Flusssteuerungen = {"none", "hardware", "xonxoff"};

// The converter speaks 56000 baud, 8 data bits, one stop bit, no parity.
struct Anschluss {
    std::string Port = "/dev/ttyUSB0";
    int32_t Baudrate = 56000;
    int32_t Datenbits = 8;
    int32_t Paritaet = 0;
    int32_t Stoppbits = 0;
    int32_t Flusssteuerung = 0;

    bool operator==(const Anschluss&) const = default;
};

// The setting, read with the settings file; the converter's port opens with it at start-up.
extern Anschluss Einstellung;

// A choice's name in the current language: "none", "odd" ... / "keine", "ungerade" ...
std::string Paritaet_Text(int32_t Index);
std::string Flusssteuerung_Text(int32_t Index);

// "Serial interface (COM-port) connected = true", then port, baud rate, data bits, stop bits,
// parity and flow control, one a line (lines begun by a carriage return).
std::string Beschreibung(const Anschluss& a, bool verbunden);

} // namespace Unit_Wandleranschluss
