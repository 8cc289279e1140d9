// The simulator as the blender meets it: a separate process behind a pseudo-terminal, reached with
// plain POSIX calls.
#include "support/ADR_Simulator.hpp"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

class Simulator : public ADR_Simulator {
  public:
    explicit Simulator(std::vector<std::string> Optionen) : ADR_Simulator(std::move(Optionen)) {}
    ~Simulator() {
        if (Terminal >= 0) close(Terminal);
    }

    int Oeffnen() {
        Terminal = Terminal_oeffnen();
        return Terminal;
    }

    // Sends one command and collects what comes back within the time, up to a carriage return.
    std::string Anfrage(const std::string& Befehl, std::chrono::milliseconds Frist = 100ms) {
        const std::string Zeile = Befehl + '\r';
        EXPECT_EQ(write(Terminal, Zeile.data(), Zeile.size()), ssize_t(Zeile.size()));
        return Empfangen(Frist);
    }

    std::string Empfangen(std::chrono::milliseconds Frist) {
        std::string Antwort;
        const auto Ende = Uhr::now() + Frist;
        while (Antwort.empty() || Antwort.back() != '\r') {
            const auto Rest =
                std::chrono::duration_cast<std::chrono::milliseconds>(Ende - Uhr::now()).count();
            pollfd p{Terminal, POLLIN, 0};
            if (Rest <= 0 || poll(&p, 1, int(Rest)) <= 0) break;
            char Puffer[16];
            const ssize_t n = read(Terminal, Puffer, sizeof Puffer);
            if (n <= 0) break;
            Antwort.append(Puffer, std::size_t(n));
        }
        return Antwort;
    }

    // Whether the process ended on its own within the time, with exit code 0.
    bool endet_sauber(std::chrono::milliseconds Frist) {
        const auto Ende = Uhr::now() + Frist;
        while (Uhr::now() < Ende) {
            int Status = 0;
            if (waitpid(pid, &Status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    int Terminal = -1;
};

bool vier_Ziffern(const std::string& Antwort) {
    return Antwort.size() == 5 && Antwort[4] == '\r' &&
           std::all_of(Antwort.begin(), Antwort.begin() + 4, [](char c) { return std::isdigit(c) != 0; });
}

int Wert(const std::string& Antwort) {
    return std::stoi(Antwort.substr(0, 4));
}

TEST(Simulator, nennt_sein_Terminal_und_beantwortet_die_Lesebefehle) {
    Simulator s({});
    ASSERT_EQ(s.Geraet.rfind("/dev/pts/", 0), 0u) << s.Geraet;
    s.Oeffnen();
    for (const char* Befehl : {"RD0", "RD1", "RD2", "RD3", "RB0", "RA0", "RC1"})
        EXPECT_TRUE(vier_Ziffern(s.Anfrage(Befehl))) << Befehl;
    // The oxygen cell sits at its air point: 411.3 mV is 337 in range 0.
    EXPECT_NEAR(Wert(s.Anfrage("RD0")), 337, 3);
}

TEST(Simulator, antwortet_binnen_5_ms) {
    Simulator s({});
    s.Oeffnen();
    std::vector<double> Dauer_ms;
    for (int i = 0; i < 51; ++i) {
        const auto Start = Uhr::now();
        ASSERT_TRUE(vier_Ziffern(s.Anfrage("RD" + std::to_string(i % 4))));
        Dauer_ms.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - Start).count());
    }
    std::nth_element(Dauer_ms.begin(), Dauer_ms.begin() + 25, Dauer_ms.end());
    EXPECT_LE(Dauer_ms[25], 5.0);
}

TEST(Fehler, jede_zweite_Antwort_bleibt_aus) {
    Simulator s({"--drop-every", "2"});
    s.Oeffnen();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(vier_Ziffern(s.Anfrage("RD2")), i % 2 == 1) << i;
}

TEST(Fehler, verstuemmelte_Antwort_ist_keine_Zahl) {
    Simulator s({"--garble-every", "1"});
    s.Oeffnen();
    const std::string Antwort = s.Anfrage("RD2");
    EXPECT_FALSE(Antwort.empty());
    EXPECT_FALSE(vier_Ziffern(Antwort)) << Antwort;
}

TEST(Fehler, spaete_Antwort_kommt_nach_der_Frist) {
    Simulator s({"--delay-ms", "150"});
    s.Oeffnen();
    EXPECT_EQ(s.Anfrage("RD2"), "");
    EXPECT_TRUE(vier_Ziffern(s.Empfangen(500ms)));
}

TEST(Fehler, eingefrorene_Zelle_bleibt_stehen_die_andere_folgt) {
    Simulator s({"--freeze-cell", "1", "--after-s", "0"});
    s.Oeffnen();
    const int Zelle_1 = Wert(s.Anfrage("RD0")), Zelle_2 = Wert(s.Anfrage("RD1"));
    // An output gets no reply; the oxygen it lets in reaches both cells.
    EXPECT_EQ(s.Anfrage("VA4095"), "");
    std::this_thread::sleep_for(500ms);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Wert(s.Anfrage("RD0")), Zelle_1);
    EXPECT_GT(Wert(s.Anfrage("RD1")), Zelle_2 + 50);
}

TEST(Fehler, Verbindung_schliesst_nach_der_Zeit) {
    Simulator s({"--close-after-s", "0.3"});
    s.Oeffnen();
    EXPECT_TRUE(vier_Ziffern(s.Anfrage("RD2")));
    EXPECT_TRUE(s.endet_sauber(2000ms));
    // The terminal is gone: the reader sees the hang-up instead of waiting.
    char c;
    EXPECT_LE(read(s.Terminal, &c, 1), 0);
}

TEST(Ende, auf_SIGTERM) {
    Simulator s({});
    s.Oeffnen();
    kill(s.pid, SIGTERM);
    EXPECT_TRUE(s.endet_sauber(1000ms));
}

TEST(Ende, wenn_die_Gegenseite_schliesst_und_nicht_wiederkommt) {
    Simulator s({"--linger-s", "0.3"});
    s.Oeffnen();
    EXPECT_TRUE(vier_Ziffern(s.Anfrage("RD2")));
    close(s.Terminal);
    // A port closed and opened again at once keeps the simulator.
    s.Oeffnen();
    EXPECT_TRUE(vier_Ziffern(s.Anfrage("RD2")));
    close(s.Terminal);
    s.Terminal = -1;
    EXPECT_TRUE(s.endet_sauber(2000ms));
}

} // namespace
