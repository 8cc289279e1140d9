// The three instruments drawn by hand: what they show follows what they are given, within their
// scale, and a value set again does not repaint.
#include "ui/widgets/Alarmlampe.hpp"
#include "ui/widgets/Balkenanzeige.hpp"
#include "ui/widgets/Rundinstrument.hpp"

#include <QImage>
#include <QtTest>

namespace {
// Counts the paint events a widget receives.
class Malzaehler : public QObject {
  public:
    int Anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Anzahl;
        return false;
    }
};

QColor Pixel(QWidget& w, int x, int y) {
    return w.grab().toImage().pixelColor(x, y);
}
} // namespace

class test_Instrumente : public QObject {
    Q_OBJECT
  private slots:
    void Rundinstrument_begrenzt_auf_die_Skala_und_die_Zeiger_folgen() {
        Rundinstrument r(3);
        r.setSkala(0, 350);
        QCOMPARE(r.Zeigeranzahl(), 3);
        QCOMPARE(r.Winkel(0), 225.0);
        QCOMPARE(r.Winkel(350), -45.0);

        r.setZeiger(0, 175);
        QCOMPARE(r.Zeiger(0), 175.0);
        QCOMPARE(r.Zeigerwinkel(0), 90.0); // half the scale: straight up
        r.setZeiger(1, 400);               // beyond the depth limit
        QCOMPARE(r.Zeiger(1), 350.0);
        QCOMPARE(r.Zeigerwinkel(1), -45.0);
        r.setZeiger(2, -99.9); // the mark of an invalid state
        QCOMPARE(r.Zeiger(2), 0.0);
        QCOMPARE(r.Zeigerwinkel(2), 225.0);
        r.setZeiger(0, std::nan(""));
        QCOMPARE(r.Zeiger(0), 0.0);
        r.setZeiger(3, 100); // no fourth pointer
        QCOMPARE(r.Zeiger(3), 0.0);

        // A smaller scale brings the pointers in; a scale without width is refused.
        r.setZeiger(0, 300);
        r.setSkala(0, 100);
        QCOMPARE(r.Zeiger(0), 100.0);
        QCOMPARE(r.Zeiger(1), 100.0);
        r.setSkala(50, 50);
        QCOMPARE(r.Maximum(), 100.0);

        QCOMPARE(Rundinstrument(0).Zeigeranzahl(), 1);
        QCOMPARE(Rundinstrument(5).Zeigeranzahl(), 3);
    }

    void Rundinstrument_teilt_die_Skala_in_runde_Schritte() {
        Rundinstrument r;
        const QList<std::array<double, 3>> Faelle = {{0, 350, 100},  {0, 2, 0.5},  {0, 150, 50},
                                                     {0, 1000, 200}, {0, 120, 25}, {-100, 100, 50},
                                                     {0, 5, 1}};
        for (const auto& f : Faelle) {
            r.setSkala(f[0], f[1]);
            QCOMPARE(r.Skalenschritt(), f[2]);
        }
    }

    void Rundinstrument_zeichnet_Zeiger_in_seiner_Farbe() {
        Rundinstrument r;
        r.resize(120, 120);
        r.setSkala(0, 100);
        r.setZeigerfarbe(0, Qt::red);
        r.setZeiger(0, 50); // straight up
        QCOMPARE(Pixel(r, 60, 50), QColor(Qt::red));
        r.setZeiger(0, 0);
        QVERIFY(Pixel(r, 60, 50) != QColor(Qt::red));
    }

    void gleicher_Wert_zeichnet_nicht_neu() {
        Rundinstrument r;
        Alarmlampe l;
        Balkenanzeige b;
        Malzaehler z_r, z_l, z_b;
        r.installEventFilter(&z_r);
        l.installEventFilter(&z_l);
        b.installEventFilter(&z_b);
        for (QWidget* w : std::initializer_list<QWidget*>{&r, &l, &b}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        r.setZeiger(0, 40);
        r.setWerttext("40.0");
        l.setAn(true);
        b.setSegmente({{21, Qt::blue}, {79, Qt::yellow}});
        Balkenanzeige Wert;
        Malzaehler z_w;
        Wert.installEventFilter(&z_w);
        Wert.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Wert));
        Wert.setWert(57, Qt::yellow, "57");
        QCoreApplication::processEvents();
        z_r.Anzahl = z_l.Anzahl = z_b.Anzahl = z_w.Anzahl = 0;

        r.setZeiger(0, 40);
        r.setWerttext("40.0");
        l.setAn(true);
        b.setSegmente({{21, Qt::blue}, {79, Qt::yellow}});
        Wert.setWert(57, Qt::yellow, "57");
        QCoreApplication::processEvents();
        QCOMPARE(z_r.Anzahl, 0);
        QCOMPARE(z_l.Anzahl, 0);
        QCOMPARE(z_b.Anzahl, 0);
        QCOMPARE(z_w.Anzahl, 0);
        Wert.setWert(57, Qt::yellow, "");
        QCoreApplication::processEvents();
        QVERIFY(z_w.Anzahl > 0);

        r.setZeiger(0, 41);
        l.setAn(false);
        b.setSegmente({{32, Qt::blue}, {68, Qt::yellow}});
        QCoreApplication::processEvents();
        QVERIFY(z_r.Anzahl > 0);
        QVERIFY(z_l.Anzahl > 0);
        QVERIFY(z_b.Anzahl > 0);
    }

    // 21 % oxygen and 79 % nitrogen across a bar whose inside is 100 pixels wide.
    void Balkenanzeige_teilt_nach_Anteilen_und_endet_bei_100_Prozent() {
        Balkenanzeige b;
        b.resize(102, 20);
        b.setSegmente({{21, Qt::blue}, {79, Qt::yellow}, {0, Qt::white}});
        QCOMPARE(Pixel(b, 1 + 10, 10), QColor(Qt::blue));
        QCOMPARE(Pixel(b, 1 + 30, 10), QColor(Qt::yellow));
        QCOMPARE(Pixel(b, 1 + 98, 10), QColor(Qt::yellow));

        // Too much in total: the last part is cut at the end; a negative part counts as nothing.
        b.setSegmente({{-5, Qt::red}, {60, Qt::blue}, {60, Qt::white}});
        QCOMPARE(b.Segmente().first().Prozent, 0.0);
        QCOMPARE(Pixel(b, 1 + 2, 10), QColor(Qt::blue));
        QCOMPARE(Pixel(b, 1 + 70, 10), QColor(Qt::white));
        QCOMPARE(Pixel(b, 101, 10), QColor(60, 60, 60)); // the outline is still there

        // Too little: the rest stays empty.
        b.setSegmente({{50, Qt::blue}});
        QVERIFY(Pixel(b, 1 + 75, 10) != QColor(Qt::blue));
    }

    // One value on a scale of 0 .. 500 across an inside 100 pixels wide: 300 fills 60 pixels.
    void Balkenanzeige_zeigt_einen_Wert_auf_seiner_Skala() {
        Balkenanzeige b;
        b.resize(102, 20);
        b.setSkala(0, 500);
        b.setHintergrund(Qt::white);
        b.setWert(300, Qt::red);
        QCOMPARE(Pixel(b, 1 + 58, 10), QColor(Qt::red));
        QCOMPARE(Pixel(b, 1 + 62, 10), QColor(Qt::white));
        QVERIFY(b.Text().isEmpty());

        // Below the scale nothing, beyond it full; the text stays readable on it.
        b.setSkala(0, 100);
        b.setWert(-99, Qt::yellow, "-99");
        QCOMPARE(Pixel(b, 1 + 2, 3), QColor(Qt::white));
        QCOMPARE(b.Text(), QString("-99"));
        b.setWert(120, Qt::red);
        QCOMPARE(Pixel(b, 1 + 98, 3), QColor(Qt::red));
        b.setWert(std::nan(""), Qt::red);
        QCOMPARE(Pixel(b, 1 + 2, 3), QColor(Qt::white));
        // A scale without width keeps the one before.
        b.setSkala(10, 10);
        b.setWert(50, Qt::blue);
        QCOMPARE(Pixel(b, 1 + 48, 3), QColor(Qt::blue));
        QCOMPARE(Pixel(b, 1 + 52, 3), QColor(Qt::white));

        // Parts again: the value's text goes.
        b.setWert(50, Qt::blue, "50");
        b.setSegmente({{50, Qt::blue}});
        QVERIFY(b.Text().isEmpty());
    }

    void Alarmlampe_grau_aus_und_farbig_an() {
        Alarmlampe l;
        l.resize(20, 20);
        QCOMPARE(l.angezeigteFarbe(), QColor(170, 170, 170));
        QColor Mitte = Pixel(l, 10, 10);
        QCOMPARE(Mitte.red(), Mitte.green());
        l.setAn(true);
        QCOMPARE(l.angezeigteFarbe(), QColor(Qt::red));
        Mitte = Pixel(l, 10, 10);
        QVERIFY(Mitte.red() > 2 * Mitte.green());
        l.setFarbe(Qt::green);
        QCOMPARE(l.angezeigteFarbe(), QColor(Qt::green));
        QVERIFY(Pixel(l, 10, 10).green() > 2 * Pixel(l, 10, 10).red());
        l.setAn(false);
        QCOMPARE(l.angezeigteFarbe(), QColor(170, 170, 170));
    }
};

QTEST_MAIN(test_Instrumente)
#include "test_Instrumente.moc"
