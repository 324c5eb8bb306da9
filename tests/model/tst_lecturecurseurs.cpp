// What the measuring cursors read: the delay, its frequency, the level
// between them, the sensors' distance as the traces see it, and the speed
// with how far one pixel of the screen moves it, on every time base.

#include "model/LectureCurseurs.h"

#include <QTest>
#include <cmath>

using namespace vibralume;

namespace {

/// Pixels per division across the screen at 100 %: 567.2 twips at 15 per pixel.
constexpr double PixelsParDivision = 567.2 / 15;
/// None is written as -1 in the tables below.
constexpr double Aucun = -1;

double ou(std::optional<double> v) {
    return v ? *v : Aucun;
}

} // namespace

class TestLectureCurseurs : public QObject {
    Q_OBJECT
private slots:
    void lecture_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("t1");
        QTest::addColumn<double>("t2");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("dt");
        QTest::addColumn<double>("frequence");
        QTest::addColumn<double>("celerite");
        QTest::addColumn<double>("ecart");
        // One pixel is base x 15 / 567.2 ms: 5.2891, 13.2228, 26.4457, 39.6685, 52.8914.
        // The speed's change is d / (Δt - pixel) - d / Δt.
        // Cursors in either order read the same delay: 2 div x 200 ms.
        QTest::newRow("200, reversed")
            << 200.0 << 4.0 << 2.0 << 5.0 << 400.0 << 2.5 << 12.5 << 0.16750;
        QTest::newRow("500") << 500.0 << 2.0 << 3.0 << 7.5 << 500.0 << 2.0 << 15.0 << 0.40746;
        QTest::newRow("1000, the whole screen")
            << 1000.0 << 0.0 << 10.0 << 5.0 << 10000.0 << 0.1 << 0.5 << 0.0013258;
        QTest::newRow("1500") << 1500.0 << 4.0 << 4.2 << 5.0 << 300.0 << 3.33333 << 16.66667
                              << 2.53962;
        // No time between them: no frequency, no speed, never an infinity.
        QTest::newRow("1500, together")
            << 1500.0 << 5.0 << 5.0 << 5.0 << 0.0 << Aucun << Aucun << Aucun;
        QTest::newRow("2000") << 2000.0 << 2.0 << 2.25 << 5.0 << 500.0 << 2.0 << 10.0 << 1.18297;
        // Closer than a pixel: the speed is shown, no bound can be.
        QTest::newRow("2000, within a pixel")
            << 2000.0 << 3.0 << 3.01 << 5.0 << 20.0 << 50.0 << 250.0 << Aucun;
        // One sensor off: the delay, no speed.
        QTest::newRow("200, no distance")
            << 200.0 << 1.0 << 2.5 << Aucun << 300.0 << 3.33333 << Aucun << Aucun;
    }
    void lecture() {
        QFETCH(double, base);
        QFETCH(double, t1);
        QFETCH(double, t2);
        QFETCH(double, distance);
        QFETCH(double, dt);
        QFETCH(double, frequence);
        QFETCH(double, celerite);
        QFETCH(double, ecart);
        CurseursMesure c;
        c.temps = {t1, t2};
        c.niveaux = {4.5, 2.0};
        const auto d = distance == Aucun ? std::nullopt : std::optional(distance);
        const LectureCurseurs l = LitCurseurs(c, base, d, MsParPixel(base, PixelsParDivision));
        const auto proche = [](double lu, double attendu) {
            return std::abs(lu - attendu) <= 1e-5 * std::max(1.0, std::abs(attendu));
        };
        const double lu[] = {l.dtMs, ou(l.frequenceHz), ou(l.celeriteCmS), ou(l.ecartCeleriteCmS)};
        const double attendu[] = {dt, frequence, celerite, ecart};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(proche(lu[i], attendu[i]),
                     qPrintable(QStringLiteral("%1: %2").arg(i).arg(lu[i])));
        QCOMPARE(l.dNiveaux, 2.5);
        QCOMPARE(ou(l.distanceCm), distance);
    }
    void distance_data() {
        QTest::addColumn<bool>("actif1");
        QTest::addColumn<double>("x1");
        QTest::addColumn<bool>("actif2");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("distance");
        // A marker reads the pair of slices its whole centimetre names, so the
        // distance goes by whole centimetres whatever the markers' fractions.
        QTest::newRow("5 cm") << true << 8.467 << true << 13.467 << 5.0;
        QTest::newRow("sensor 2 first") << true << 13.2 << true << 8.9 << 5.0;
        QTest::newRow("same centimetre") << true << 8.1 << true << 8.95 << 0.0;
        QTest::newRow("2.9 and 3.0") << true << 2.9 << true << 3.0 << 1.0;
        QTest::newRow("sensor 2 off") << true << 8.467 << false << 13.467 << Aucun;
        QTest::newRow("sensor 1 off") << false << 8.467 << true << 13.467 << Aucun;
        QTest::newRow("outside on the left") << true << 1.5 << true << 13.467 << Aucun;
        QTest::newRow("outside on the right") << true << 8.467 << true << 26.0 << Aucun;
        QTest::newRow("last pair") << true << 2.0 << true << 25.9 << 23.0;
    }
    void distance() {
        QFETCH(bool, actif1);
        QFETCH(double, x1);
        QFETCH(bool, actif2);
        QFETCH(double, x2);
        QFETCH(double, distance);
        ValeursChoix v;
        v.capteurs = {Capteur{actif1, x1, 1.482}, Capteur{actif2, x2, 1.482}};
        const auto d = DistanceCapteurs(v);
        QVERIFY2(std::abs(ou(d) - distance) < 1e-9, qPrintable(QString::number(ou(d))));
    }
};

QTEST_APPLESS_MAIN(TestLectureCurseurs)
#include "tst_lecturecurseurs.moc"
