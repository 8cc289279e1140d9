// The simulator's pseudo-terminal as the converter's byte link, reached with POSIX alone, so the
// library's tests need no Qt.
#pragma once

#include "blender/Unit_DaqOntrakCom.hpp"
#include "support/ADR_Simulator.hpp"

#include <poll.h>
#include <unistd.h>

class Terminal_Strecke : public Unit_DaqOntrakCom::Bytestrecke {
  public:
    explicit Terminal_Strecke(const ADR_Simulator& Simulator) : fd(Simulator.Terminal_oeffnen()) {}
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
