// The tissue pressure chart: per compartment its nitrogen and helium pressure as filled bars, and
// the ambient pressure and the tolerated pressures as marks at their height, with the ceiling in
// the line above. Sits above the tissue window at the main window's right edge.
#pragma once

#include "ui/displays/Gewebefenster.hpp"

#include <array>

class QAreaSeries;
class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;
class T_Form_Gewebe;

class T_Form_Gewebedruck : public Gewebefenster {
    Q_OBJECT
  public:
    T_Form_Gewebedruck(QWidget* Hauptfenster, const T_Form_Gewebe* Gewebe);
    void aktualisieren() override;

    // The five plots, in drawing order.
    enum Plot { N2He, N2, Umgebung, MAX_GF, MAX_ZH, Plotanzahl };
    // The line along the tops of a plot's bars: two points per compartment, at i - 0.5 and i + 0.5.
    QLineSeries* Oberkante(Plot p) const;
    QAreaSeries* Flaeche(Plot p) const { return Flaechen_[p]; }

    QLabel* Label_Ceiling = nullptr;
    QChartView* CWGraph_Gewebedruck = nullptr;
    QCheckBox* CheckBox_Skalierung = nullptr;
    QPushButton* BitBtn_Legende = nullptr;
    QValueAxis* Achse_X = nullptr;
    QValueAxis* Achse_Y = nullptr;

  protected:
    void platzieren() override;

  private:
    const T_Form_Gewebe* Gewebefenster_;
    QChart* Chart_ = nullptr;
    std::array<QAreaSeries*, Plotanzahl> Flaechen_{};
    std::array<QLineSeries*, Plotanzahl> Unterkanten_{};
};
