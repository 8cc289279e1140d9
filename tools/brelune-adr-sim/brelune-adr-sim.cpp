// brelune-adr-sim: a converter on a pseudo-terminal, so the blender can be tried without hardware.
// It prints the terminal's device name as its first line and answers the converter's commands
// from a simulated blending stand; options inject the faults a real link shows.
#include "Unit_ADR_Simulation.hpp"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

namespace Sim = Unit_ADR_Simulation;
using Uhr = std::chrono::steady_clock;

struct Optionen {
    Sim::Einstellungen Modell;
    int Verwerfen_jede = 0;
    int Verstuemmeln_jede = 0;
    int Verzoegerung_ms = 0;
    double Schliessen_nach_s = -1.0;
    double Warten_auf_Wiederkehr_s = 2.0;
};

const char* const Hilfe = R"(Usage: brelune-adr-sim [options]
Simulates the analog-to-digital converter of a blending stand on a pseudo-terminal.
The first line printed is the terminal's device name; set it as the blender's serial port.
Commands: RDn RBn RAn RCn (reply: four digits and a carriage return), VAn VBn (no reply).

Stand:
  --volume L          cylinder volume in litres (default 6.8)
  --pressure BAR      cylinder pressure at start (default 0)
  --noise-mv MV       standard deviation of the inputs' noise (default 0.5; 0 = none)
  --seed N            seed of the noise (default 1)
Faults:
  --drop-every N      send no reply to every Nth reading
  --garble-every N    send a reply that is not four digits for every Nth reading
  --delay-ms N        send every reply N ms late
  --freeze-cell 1|2   the oxygen cell keeps its voltage (from --after-s S on, default 0)
  --after-s S         when --freeze-cell begins, in seconds after start
  --close-after-s S   close the link S seconds after start and end
  --linger-s S        after the other side closed, how long to wait for it to reopen (default 2)
  --help              this text
Ends on SIGTERM or SIGINT, and when the other side has closed and not reopened in time.
)";

volatile std::sig_atomic_t Ende_verlangt = 0;
void Ende_merken(int) {
    Ende_verlangt = 1;
}

double Zahl_lesen(const char* Name, const char* Text) {
    char* Ende = nullptr;
    const double Wert = std::strtod(Text, &Ende);
    if (Ende == Text || *Ende != '\0' || !(Wert >= 0.0)) {
        std::cerr << "brelune-adr-sim: " << Name << " needs a number >= 0, not \"" << Text << "\"\n";
        std::exit(2);
    }
    return Wert;
}

Optionen Optionen_lesen(int argc, char** argv) {
    Optionen o;
    for (int i = 1; i < argc; ++i) {
        const std::string Name = argv[i];
        if (Name == "--help") {
            std::cout << Hilfe;
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::cerr << "brelune-adr-sim: unknown option or missing value: " << Name << "\n" << Hilfe;
            std::exit(2);
        }
        const double Wert = Zahl_lesen(Name.c_str(), argv[++i]);
        if (Name == "--volume" && Wert > 0.0)
            o.Modell.Flaschenvolumen_l = Wert;
        else if (Name == "--pressure")
            o.Modell.Anfangsdruck_bar = Wert;
        else if (Name == "--noise-mv")
            o.Modell.Rauschen_mV = Wert;
        else if (Name == "--seed")
            o.Modell.Startwert_Zufall = unsigned(Wert);
        else if (Name == "--drop-every")
            o.Verwerfen_jede = int(Wert);
        else if (Name == "--garble-every")
            o.Verstuemmeln_jede = int(Wert);
        else if (Name == "--delay-ms")
            o.Verzoegerung_ms = int(Wert);
        else if (Name == "--freeze-cell" && (Wert == 1.0 || Wert == 2.0))
            o.Modell.Zelle_eingefroren = int(Wert);
        else if (Name == "--after-s")
            o.Modell.Einfrieren_ab_s = Wert;
        else if (Name == "--close-after-s")
            o.Schliessen_nach_s = Wert;
        else if (Name == "--linger-s")
            o.Warten_auf_Wiederkehr_s = Wert;
        else {
            std::cerr << "brelune-adr-sim: unknown option or bad value: " << Name << "\n" << Hilfe;
            std::exit(2);
        }
    }
    return o;
}

int Pseudoterminal_oeffnen() {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) {
        std::perror("brelune-adr-sim: pseudo-terminal");
        std::exit(1);
    }
    // Raw: the commands' carriage returns must arrive as they are, and nothing is echoed.
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

void Senden(int fd, const std::string& Text) {
    std::size_t gesendet = 0;
    while (gesendet < Text.size()) {
        const ssize_t n = write(fd, Text.data() + gesendet, Text.size() - gesendet);
        if (n <= 0) return; // the other side went away; the loop notices
        gesendet += std::size_t(n);
    }
}

class Wandler {
  public:
    explicit Wandler(const Optionen& o) : Option(o), Stand(Sim::Anfangszustand(o.Modell)) {}

    // The reply to one command line, faults applied; none for outputs and unknown commands.
    std::optional<std::string> Antwort(const std::string& Befehl) {
        Nachfuehren();
        auto Text = Sim::Befehl_ausfuehren(Stand, Befehl);
        if (!Text) return std::nullopt;
        ++Lesungen;
        if (Option.Verwerfen_jede > 0 && Lesungen % Option.Verwerfen_jede == 0) return std::nullopt;
        if (Option.Verstuemmeln_jede > 0 && Lesungen % Option.Verstuemmeln_jede == 0)
            Text = Text->substr(0, 2) + "?";
        if (Option.Verzoegerung_ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(Option.Verzoegerung_ms));
        return *Text + '\r';
    }

    // Collects the bytes into command lines and answers every complete one.
    void Beantworten(int fd, std::string_view Empfangen) {
        for (const char c : Empfangen) {
            if (c == '\n') continue;
            if (c != '\r') {
                if (Zeile.size() < 64) Zeile += c;
                continue;
            }
            if (const auto Text = Antwort(Zeile)) Senden(fd, *Text);
            Zeile.clear();
        }
    }

    void Nachfuehren() {
        const auto Jetzt = Uhr::now();
        Sim::Fortschreiben(Stand, std::chrono::duration<double>(Jetzt - Zuletzt).count());
        Zuletzt = Jetzt;
    }

    double Laufzeit_s() const { return std::chrono::duration<double>(Uhr::now() - Start).count(); }

  private:
    Optionen Option;
    Sim::Zustand Stand;
    std::string Zeile;
    long Lesungen = 0;
    Uhr::time_point Start = Uhr::now(), Zuletzt = Start;
};

} // namespace

int main(int argc, char** argv) {
    const Optionen Option = Optionen_lesen(argc, argv);
    struct sigaction Aktion {};
    Aktion.sa_handler = Ende_merken;
    sigaction(SIGTERM, &Aktion, nullptr);
    sigaction(SIGINT, &Aktion, nullptr);

    const int fd = Pseudoterminal_oeffnen();
    std::printf("%s\n", ptsname(fd));
    std::fflush(stdout);

    Wandler Gegenstelle(Option);
    bool je_verbunden = false;
    std::optional<Uhr::time_point> getrennt_seit;
    while (!Ende_verlangt) {
        if (Option.Schliessen_nach_s >= 0.0 && Gegenstelle.Laufzeit_s() >= Option.Schliessen_nach_s) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        char Puffer[256];
        const ssize_t n = (p.revents & POLLIN) ? read(fd, Puffer, sizeof Puffer) : -1;
        if (n <= 0) {
            // Nobody has the terminal open: wait for the first opening, and after a close for a
            // reopening (a port closed and opened again), but not forever.
            if (je_verbunden && !getrennt_seit) getrennt_seit = Uhr::now();
            if (getrennt_seit && std::chrono::duration<double>(Uhr::now() - *getrennt_seit).count() >=
                                     Option.Warten_auf_Wiederkehr_s)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        je_verbunden = true;
        getrennt_seit.reset();
        Gegenstelle.Beantworten(fd, std::string_view(Puffer, std::size_t(n)));
    }
    close(fd);
    return 0;
}
