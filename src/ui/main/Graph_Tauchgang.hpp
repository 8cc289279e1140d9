// The dive profile graph of the main window: draws the graph's display model (four plots, two
// cursors, the waypoint annotations and the diver symbol) and hands the mouse and the keys to the
// library's graph operations.
#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class QChart;
class QChartView;
class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;
class T_Form_Graph_Utilities;

class Graph_Tauchgang : public QWidget {
    Q_OBJECT
  public:
    explicit Graph_Tauchgang(QWidget* parent = nullptr);

    // Everything again from the display model, at once.
    void neu_zeichnen();
    // The model changed: repaints at most once a frame, whatever number of samples arrived.
    void aktualisieren();
    // The axis captions in the language in force.
    void Beschriftungen_setzen();
    // Right click: the axes adjustment window, then the graph at its new scale.
    void Achsen_aendern();

    QChart* Chart() const { return Chart_; }
    QChartView* Ansicht() const { return Ansicht_; }
    // Plot 1 .. 4 of the display model.
    QLineSeries* Plot(int Nr) const;
    QValueAxis* Achse_X() const { return Achse_X_; }
    QValueAxis* Achse_Y() const { return Achse_Y_; }
    // Where (runtime, depth) lies, in the chart's coordinates, by the chart's own mapping.
    QPointF Position(float min_Runtime, float m_Wasser) const;
    // The same point in this widget's coordinates (for the mouse).
    QPoint Position_im_Widget(float min_Runtime, float m_Wasser) const;
    QGraphicsPixmapItem* Taucher() const { return Taucher_; }
    // Cursor 1 (input) and 2 (time): their vertical line.
    QGraphicsLineItem* Cursorlinie(int Nr) const;

  signals:
    // Double click: the Dive command.
    void Tauchen_verlangt();
    // A cursor moved: the state shown by the status panel and the fields changed.
    void Zustand_geaendert();
    // The input cursor was dragged: the runtime and depth fields show this.
    void Eingabefelder_gesetzt(const QString& Runtime, const QString& Tiefe);

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;
    void keyPressEvent(QKeyEvent* Ereignis) override;

  private:
    struct Cursorzeichen {
        QGraphicsLineItem* Linie = nullptr;
        QGraphicsEllipseItem* Punkt = nullptr;
    };
    struct Beschriftung {
        QGraphicsSimpleTextItem* Text = nullptr;
        QGraphicsSimpleTextItem* Warnung = nullptr;
    };

    void Plots_uebernehmen();
    void Achsen_uebernehmen();
    void Sichtbarkeit_uebernehmen();
    void Beschriftungen_uebernehmen();
    void Overlays_platzieren();
    void Cursor_platzieren(int Nr);
    void Taucher_platzieren();
    bool Bedienung_moeglich() const;
    void Ziehen_nach(const QPointF& Punkt_Ansicht);
    template <typename Aktion> void bedienen(Aktion a);

    QChartView* Ansicht_ = nullptr;
    QChart* Chart_ = nullptr;
    QValueAxis* Achse_X_ = nullptr;
    QValueAxis* Achse_Y_ = nullptr;
    std::array<QLineSeries*, 5> Plots_{};
    std::array<uint32_t, 5> Plot_geleert_gesehen_{};
    std::array<Cursorzeichen, 3> Cursor_{};
    std::vector<Beschriftung> Beschriftungen_;
    QGraphicsPixmapItem* Taucher_ = nullptr;
    int Taucher_Bild_ = -1;
    T_Form_Graph_Utilities* Achsenfenster_ = nullptr;
    QTimer Bildtakt_;
    bool ziehen_ = false;
    bool beschaeftigt_ = false;
};
