// The sensor window after a measurement of a stand on air, with the cylinder half full.
#include "Bildschirmfotos.hpp"

#include "blender/Unit_DaqOntrakCom.hpp"
#include "lang/Unit_Tools.hpp"
#include "ui/blender/T_Form_Gasmischer_Sensoren.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <utility>

namespace Bildschirmfotos {

namespace {
// A converter in memory that answers every reading with the voltage of its input and a flicker
// of one step, so the statistics have something to show.
class Wandler_im_Speicher : public Unit_DaqOntrakCom::Bytestrecke {
  public:
    bool verbunden() const override { return true; }
    bool Schreiben(std::string_view Bytes) override {
        Zeile += Bytes;
        if (Zeile.back() != '\r') return true;
        if (Zeile.size() == 4 && Zeile[0] == 'R') {
            static constexpr double mV[] = {411.3, 489.2, 2988.0, 3016.0};
            const int Kanal = std::clamp(Zeile[2] - '0', 0, 3);
            const int Code = int(std::lround(mV[Kanal] / 5000.0 * 4095)) + (++Zaehler % 3) - 1;
            Antwort += QString::asprintf("%04d\r", Code).toStdString();
        }
        Zeile.clear();
        return true;
    }
    std::string Lesen(std::chrono::milliseconds) override { return std::exchange(Antwort, {}); }

  private:
    std::string Zeile, Antwort;
    int Zaehler = 0;
};
} // namespace

bool Gasmischer_Sensoren(const QDir& Ordner, int Sprache) {
    Unit_Tools::Sprache = Sprache;
    Aufnahme_Oberflaeche Oberflaeche;
    Unit_UI::UI_setzen(&Oberflaeche);
    Programm_starten(Sprache);
    Wandler_im_Speicher Strecke;
    Unit_DaqOntrakCom::Wandler Wandler(Strecke);
    T_Form_Gasmischer_Sensoren Fenster(Wandler);
    Fenster.show();
    Fenster.SpinEdit_Messzeit_ms->setValue(200);
    Fenster.Button_Messen->click();
    Fenster.Edit_Test_mV->setText("205.65");
    Fenster.Button_Test_cal->click();
    const bool ok = speichern(Fenster, Ordner, "gemessen", Kuerzel(Sprache));
    Fenster.hide();
    Unit_UI::UI_setzen(nullptr);
    return ok;
}

} // namespace Bildschirmfotos
