// The converter simulator as a child process for a test; its first line of output names its
// pseudo-terminal. BRELUNE_ADR_SIM is the program's path. It needs no test framework, so GoogleTest
// and Qt Test cases both start it; a failed start leaves the device name empty.
#pragma once

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

class ADR_Simulator {
  public:
    explicit ADR_Simulator(std::vector<std::string> Optionen) {
        int Rohr[2];
        if (pipe(Rohr) != 0) return;
        posix_spawn_file_actions_t Aktionen;
        posix_spawn_file_actions_init(&Aktionen);
        posix_spawn_file_actions_adddup2(&Aktionen, Rohr[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&Aktionen, Rohr[0]);
        Optionen.insert(Optionen.begin(), BRELUNE_ADR_SIM);
        std::vector<char*> argv;
        for (auto& o : Optionen) argv.push_back(o.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid, BRELUNE_ADR_SIM, &Aktionen, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&Aktionen);
        close(Rohr[1]);
        char c;
        while (read(Rohr[0], &c, 1) == 1 && c != '\n') Geraet += c;
        close(Rohr[0]);
    }
    ~ADR_Simulator() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    // The simulator's terminal, raw, as a serial port is set for the converter; -1 when it fails.
    int Terminal_oeffnen() const {
        const int fd = open(Geraet.c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0) return fd;
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        cfsetspeed(&t, B57600);
        tcsetattr(fd, TCSANOW, &t);
        return fd;
    }

    pid_t pid = -1;
    std::string Geraet;
};
