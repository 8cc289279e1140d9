// brelune-cli: the calculation without a window.
#include "core/Unit_UI.hpp"

#include <iostream>
#include <string>

namespace {
void Hilfe_zeigen(std::ostream& aus) {
    aus << "brelune-cli - Brelune dive planner without a window\n"
           "\n"
           "Usage:\n"
           "  brelune-cli --help      show this text\n"
           "  brelune-cli --version   show the program version\n";
}
} // namespace

int main(int argc, char** argv) {
    auto* Oberflaeche = dynamic_cast<Unit_UI::Headless*>(&Unit_UI::UI());
    if (Oberflaeche) Oberflaeche->Meldungen_ausgeben = true;
    const std::string Befehl = argc > 1 ? argv[1] : "--help";
    if (Befehl == "--help" || Befehl == "-h") {
        Hilfe_zeigen(std::cout);
        return 0;
    }
    if (Befehl == "--version") {
        std::cout << "brelune-cli 0.1\n";
        return 0;
    }
    std::cerr << "brelune-cli: unknown option " << Befehl << "\n\n";
    Hilfe_zeigen(std::cerr);
    return 2;
}
