// The converter's language against the simulated stand, over a pseudo-terminal reached with POSIX.
#include "blender/Unit_DaqOntrakCom.hpp"
#include "support/ADR_Simulator.hpp"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

using namespace Unit_DaqOntrakCom;

namespace {

class Terminal_Strecke : public Bytestrecke {
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

TEST(Wandler_am_Simulator, liest_eine_Zelle_setzt_ein_Ventil_und_nimmt_eine_fehlende_Antwort_als_minus_1) {
    ADR_Simulator sim({"--drop-every", "2"});
    Terminal_Strecke Strecke(sim);
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
