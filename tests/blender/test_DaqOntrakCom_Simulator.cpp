// The converter's language against the simulated stand, over a pseudo-terminal reached with POSIX.
#include "blender/Unit_DaqOntrakCom.hpp"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace Unit_DaqOntrakCom;

namespace {

class Terminal_Strecke : public Bytestrecke {
  public:
    explicit Terminal_Strecke(const std::string& Geraet) : fd(open(Geraet.c_str(), O_RDWR | O_NOCTTY)) {
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        cfsetspeed(&t, B57600);
        tcsetattr(fd, TCSANOW, &t);
    }
    ~Terminal_Strecke() override {
        if (fd >= 0) close(fd);
    }
    bool verbunden() const override { return fd >= 0; }
    bool Schreiben(std::string_view Bytes) override {
        return write(fd, Bytes.data(), Bytes.size()) == ssize_t(Bytes.size());
    }
    std::string Lesen(std::chrono::milliseconds Frist) override {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, int(Frist.count())) <= 0) return {};
        char Puffer[64];
        const ssize_t n = read(fd, Puffer, sizeof Puffer);
        return n > 0 ? std::string(Puffer, std::size_t(n)) : std::string();
    }

  private:
    int fd;
};

// The simulator as a child process; its first line of output names its terminal.
class Simulator {
  public:
    explicit Simulator(std::vector<std::string> Optionen) {
        int Rohr[2];
        EXPECT_EQ(pipe(Rohr), 0);
        posix_spawn_file_actions_t Aktionen;
        posix_spawn_file_actions_init(&Aktionen);
        posix_spawn_file_actions_adddup2(&Aktionen, Rohr[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&Aktionen, Rohr[0]);
        Optionen.insert(Optionen.begin(), BRELUNE_ADR_SIM);
        std::vector<char*> argv;
        for (auto& o : Optionen) argv.push_back(o.data());
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid, BRELUNE_ADR_SIM, &Aktionen, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&Aktionen);
        close(Rohr[1]);
        char c;
        while (read(Rohr[0], &c, 1) == 1 && c != '\n') Geraet += c;
        close(Rohr[0]);
    }
    ~Simulator() {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid_t pid = -1;
    std::string Geraet;
};

TEST(Wandler_am_Simulator, liest_eine_Zelle_setzt_ein_Ventil_und_nimmt_eine_fehlende_Antwort_als_minus_1) {
    Simulator sim({"--drop-every", "2"});
    Terminal_Strecke Strecke(sim.Geraet);
    ASSERT_TRUE(Strecke.verbunden()) << sim.Geraet;
    Wandler w(Strecke);
    const Messung Zelle = w.Spannung_lesen(Messart::Einzeln, 0);
    EXPECT_TRUE(Zelle.ok) << w.Meldung();
    EXPECT_GE(Zelle.Wert, 0.0);
    EXPECT_LE(Zelle.Wert, 5.0);
    EXPECT_TRUE(w.Ausgang_setzen(0, 1000));
    EXPECT_TRUE(w.Meldung().empty());
    const Messung fehlt = w.Spannung_lesen(Messart::Einzeln, 0);
    EXPECT_FALSE(fehlt.ok);
    EXPECT_EQ(fehlt.Wert, -1);
    EXPECT_FALSE(w.Meldung().empty());
    EXPECT_TRUE(w.Spannung_lesen(Messart::Einzeln, 1).ok) << w.Meldung();
}

} // namespace
