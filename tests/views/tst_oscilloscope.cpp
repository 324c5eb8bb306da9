// The sensors' traces on the oscilloscope screen, read back from its backing
// image: where each segment lands, its level, colour and width.

#include "model/Demarrage.h"
#include "model/Module1.h"
#include "views/Dessins.h"
#include "views/Oscilloscope.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QtTest>
#include <cmath>

using namespace vibralume;

namespace {

const QColor Blanc(255, 255, 255);

// Oscilloscope units to the pixel a primitive lands on.
int colonne(double u) {
    return int(std::nearbyint(u * 567.2 / 15));
}
int ligne(double u) {
    return int(std::nearbyint(u * 578.0 / 15));
}

// The screen as the window has it: 383 x 231 pixels inside a border, grid drawn.
struct Ecran {
    PictureBox o;
    Ecran() {
        o.setRatio(1);
        o.setBordure(true);
        o.resize(twips(5775), twips(3495));
        o.setEchelleUtilisateur(567.2, 578.0);
        o.setFond(Blanc);
        AfficheQuadrillage(o);
    }
    QColor at(int x, int y) { return QColor::fromRgb(o.image().pixel(x, y)); }
};

Module1 etat(int32_t tempsMs, double tempsPrec) {
    Module1 m;
    Demarrage(m);
    m.Freq = 1.8;
    m.TempsMs = tempsMs;
    m.TempsPrec = tempsPrec;
    return m;
}

} // namespace

class TstOscilloscope : public QObject {
    Q_OBJECT
private slots:
    // Level read from the pair of slices under the sensor, drawn in its colour.
    void niveau_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("ecart"); // Elongation(a+1) - Elongation(a) for a = 14
        QTest::addColumn<double>("freq");
        QTest::addColumn<double>("niveau");
        QTest::newRow("rest, sensor 1") << 1 << 8.467f << 0.0 << 1.8 << 3.0;
        QTest::newRow("rest, sensor 2") << 2 << 8.467f << 0.0 << 1.8 << 3.0;
        QTest::newRow("compression") << 1 << 8.467f << -0.5 << 1.8 << 2.0;
        QTest::newRow("dilatation") << 2 << 8.0f << 0.25 << 1.8 << 3.5;
        QTest::newRow("before slice 2") << 1 << 1.5f << -0.5 << 1.8 << 4.0;
        QTest::newRow("beyond the medium") << 2 << 26.0f << -0.5 << 1.8 << 4.0;
        QTest::newRow("no frequency") << 1 << 8.467f << -0.5 << 0.0 << 3.0;
    }
    void niveau() {
        QFETCH(int, n);
        QFETCH(float, x);
        QFETCH(double, ecart);
        QFETCH(double, freq);
        QFETCH(double, niveau);
        Ecran e;
        // 2480 ms then 2600 ms into a 2 s sweep: from abscissa 2.4 to 3.0.
        Module1 m = etat(2600, 0.48);
        m.Freq = freq;
        m.Elongation[14] = 0.3;
        m.Elongation[15] = 0.3 + ecart;
        m.PressionPrec[n] = niveau;
        TraceSegment(e.o, SegmentCapteur(m, int16_t(n), x));
        QCOMPARE(m.PressionPrec[n], niveau);
        QCOMPARE(m.TempsPrec, 0.48);
        const QColor c = n == 1 ? CouleurCapteur1 : CouleurCapteur2;
        QCOMPARE(e.at(colonne(2.7), ligne(niveau)), c);
        // Three pixels thick, round ends just past the sample points.
        QCOMPARE(e.at(colonne(2.7), ligne(niveau) - 1), c);
        QCOMPARE(e.at(colonne(2.7), ligne(niveau) + 1), c);
        QVERIFY(e.at(colonne(2.7), ligne(niveau) + 2) != c);
        QVERIFY(e.at(colonne(2.4) - 3, ligne(niveau)) != c);
        QVERIFY(e.at(colonne(3.0) + 3, ligne(niveau)) != c);
    }

    // A segment joins the previous level to the new one.
    void segmentIncline() {
        Ecran e;
        Module1 m = etat(1000, 0.5); // abscissa 2.5 to 5
        m.PressionPrec[1] = 2;
        TraceSegment(e.o, SegmentCapteur(m, 1, 8.467f));
        QCOMPARE(e.at(colonne(3.75), ligne(2.5)), CouleurCapteur1);
        QVERIFY(e.at(colonne(3.75), ligne(3)) != CouleurCapteur1);
        QVERIFY(e.at(colonne(3.75), ligne(2)) != CouleurCapteur1);
    }
};

QTEST_MAIN(TstOscilloscope)
#include "tst_oscilloscope.moc"
