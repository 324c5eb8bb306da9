// Sensor level, sweep position, highlighted slices, and the home page band.

#include "Doublures.h"
#include "model/Accueil.h"
#include "model/Demarrage.h"
#include "model/Mesure.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace vibralume;

class TestMesure : public QObject {
    Q_OBJECT

private slots:
    void pressionCapteur_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("attendu");
        // With Elongation(i) = i*i/1000 every pair of slices reads differently.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("1.5 hors milieu") << 1.5f << 4.0;
        QTest::newRow("2.0 tranches 2 et 3") << 2.0f << 3.01;
        QTest::newRow("2.9 tranches 2 et 3") << 2.9f << 3.01;
        QTest::newRow("3.0 tranches 4 et 5") << 3.0f << 3.018;
        QTest::newRow("25.9 tranches 48 et 49") << 25.9f << 3.194;
        QTest::newRow("26 hors milieu") << 26.0f << 4.0;
        QTest::newRow("negatif") << -3.0f << 4.0;
        QTest::newRow("NaN") << float(nan) << 4.0;
        QTest::newRow("immense") << 1e30f << 4.0;
        QTest::newRow("-immense") << -1e30f << 4.0;
    }
    void pressionCapteur() {
        QFETCH(float, x);
        QFETCH(double, attendu);
        Module1 m;
        for (int i = 0; i <= NbTranches; ++i) {
            m.Elongation[i] = i * i / 1000.0;
        }
        const double p = PressionCapteur(m, x);
        QVERIFY2(std::fabs(p - attendu) < 1e-12, qPrintable(QString::number(p, 'g', 17)));
    }

    void pressionAuReposAuMilieu() {
        Module1 m;
        Demarrage(m);
        for (float x : {2.0f, 10.0f, 13.3f, 25.5f}) {
            QCOMPARE(PressionCapteur(m, x), 3.0);
        }
        QCOMPARE(PressionCapteur(m, 1.5f), 4.0);
    }

    void positionBalayage_data() {
        QTest::addColumn<double>("tempsMs");
        QTest::addColumn<double>("duree");
        QTest::addColumn<double>("attendu");
        QTest::newRow("2500 ms sur 2 s") << 2500.0 << 2.0 << 0.5;
        QTest::newRow("debut") << 0.0 << 2.0 << 0.0;
        QTest::newRow("fin = debut suivant") << 2000.0 << 2.0 << 0.0;
        QTest::newRow("juste avant la fin") << 1999.0 << 2.0 << 1.999;
        QTest::newRow("5 s") << 7000.0 << 5.0 << 2.0;
        QTest::newRow("20 s") << 25.0 << 20.0 << 0.025;
        QTest::newRow("heure du jour") << 43200123.0 << 2.0 << 0.123;
    }
    void positionBalayage() {
        QFETCH(double, tempsMs);
        QFETCH(double, duree);
        QFETCH(double, attendu);
        QVERIFY(std::fabs(PositionBalayage(tempsMs, duree) - attendu) < 1e-9);
    }

    // The oscilloscope's bookkeeping over a sweep's end, with the sensors
    // that are on taking their samples in turn, as the tick does: the first
    // to see the new sweep restarts it, the other draws a stroke at the left.
    void segmentsAuRecommencement_data() {
        QTest::addColumn<QList<int>>("capteurs");
        QTest::addColumn<QList<bool>>("recommence");
        QTest::newRow("both sensors") << QList<int>{1, 2} << QList<bool>{true, false};
        QTest::newRow("sensor 2 alone") << QList<int>{2} << QList<bool>{true};
    }
    void segmentsAuRecommencement() {
        QFETCH(QList<int>, capteurs);
        QFETCH(QList<bool>, recommence);
        Module1 m;
        Demarrage(m); // 2 s sweeps
        m.Freq = 1.8;
        for (int i = 1; i <= NbTranches; ++i)
            m.Elongation[i] = i * i / 1000.0;
        m.PressionPrec = {0, 2.5, 3.5};
        m.TempsPrec = 1.9;
        m.TempsMs = 2050; // 0.05 s into the next sweep
        for (qsizetype k = 0; k < capteurs.size(); ++k) {
            const auto n = int16_t(capteurs[k]);
            const double ancien = m.PressionPrec[std::size_t(n)];
            const SegmentTrace s = SegmentCapteur(m, n, 2.5f); // slices 2 and 3: 3.01
            QCOMPARE(s.capteur, n);
            QCOMPARE(s.recommence, recommence[k]);
            QCOMPARE(s.x2, 0.25);
            QCOMPARE(s.y2, 3.01);
            if (s.recommence) {
                QCOMPARE(s.x1, 0.25); // from the new sweep's start, at the level read
                QCOMPARE(s.y1, 3.01);
            } else {
                QCOMPARE(s.x1, 0.25); // a stroke from the old level
                QCOMPARE(s.y1, ancien);
            }
            QCOMPARE(m.PressionPrec[std::size_t(n)], 3.01);
            QCOMPARE(m.TempsPrec, 0.05);
        }
        // Within the sweep, the next segment joins the samples.
        m.TempsPrec = PositionBalayage(m.TempsMs, m.DureeBalayage);
        m.TempsMs = 2250;
        const SegmentTrace s = SegmentCapteur(m, int16_t(capteurs[0]), 2.5f);
        QVERIFY(!s.recommence);
        QCOMPARE(s.x1, 0.25);
        QCOMPARE(s.x2, 1.25);
        QCOMPARE(s.y1, 3.01);
    }

    // No frequency: the trace keeps to the middle line; elsewhere the level
    // read, and 4 outside the medium.
    void niveauDuSegment_data() {
        QTest::addColumn<double>("freq");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("niveau");
        QTest::newRow("no frequency") << 0.0 << 2.5f << 3.0;
        QTest::newRow("in the medium") << 1.8 << 2.5f << 3.01;
        QTest::newRow("before the medium") << 1.8 << 1.5f << 4.0;
    }
    void niveauDuSegment() {
        QFETCH(double, freq);
        QFETCH(float, x);
        QFETCH(double, niveau);
        Module1 m;
        Demarrage(m);
        m.Freq = freq;
        for (int i = 1; i <= NbTranches; ++i)
            m.Elongation[i] = i * i / 1000.0;
        m.TempsMs = 500;
        m.TempsPrec = 0.4;
        m.PressionPrec[1] = 2;
        const SegmentTrace s = SegmentCapteur(m, 1, x);
        QCOMPARE(s.y1, 2.0);
        QCOMPARE(s.y2, niveau);
        QCOMPARE(s.x1, 2.0);
        QCOMPARE(s.x2, 2.5);
        QCOMPARE(m.PressionPrec[1], niveau);
        QCOMPARE(m.TempsPrec, 0.4); // the tick, not the trace, moves it on
    }

    void trancheColoree_data() {
        QTest::addColumn<int>("actuelle");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("attendu");
        QTest::newRow("gauche 5") << 0 << BoutonGauche << 5.0f << 8;
        QTest::newRow("gauche 2.5") << 0 << BoutonGauche << 2.5f << 3;
        QTest::newRow("gauche 2.4 trop a gauche") << 20 << BoutonGauche << 2.4f << 0;
        QTest::newRow("gauche 24.9") << 0 << BoutonGauche << 24.9f << 47;
        QTest::newRow("gauche 25 trop a droite") << 8 << BoutonGauche << 25.0f << 0;
        QTest::newRow("droit efface") << 8 << BoutonDroit << 10.0f << 0;
        QTest::newRow("milieu garde") << 12 << 4 << 20.0f << 12;
        QTest::newRow("NaN") << 12 << BoutonGauche << std::numeric_limits<float>::quiet_NaN() << 0;
        QTest::newRow("immense") << 12 << BoutonGauche << 1e30f << 0;
    }
    void trancheColoree() {
        QFETCH(int, actuelle);
        QFETCH(int, bouton);
        QFETCH(float, x);
        QFETCH(int, attendu);
        QCOMPARE(int(TrancheColoreeApresClic(int16_t(actuelle), bouton, x)), attendu);
    }

    void accueilPremiereImage() {
        Module1 m;
        m.NbOnde = 0.753982236; // left by anything: the home page sets its own
        ChargeAccueil(m);
        QCOMPARE(m.NbOnde, 6.2831853 / 75);
        const auto colonnes = ColonnesAccueil(m);
        QCOMPARE(m.TempsMs, 10);
        QVERIFY(std::fabs(colonnes.front() - 3.953) < 1e-3);
    }

    void accueilBandeComplete() {
        Module1 m;
        ChargeAccueil(m);
        std::vector<double> cycle;
        for (int image = 1; image <= 30; ++image) {
            const auto colonnes = ColonnesAccueil(m);
            QVERIFY(!colonnes.empty() && colonnes.back() >= 100);
            double avant = 0;
            for (size_t k = 0; k < colonnes.size(); ++k) {
                const double ecart = colonnes[k] - avant;
                QVERIFY(ecart >= 0.2 - 1e-12 && ecart <= 4.2 + 1e-12);
                QVERIFY(k + 1 == colonnes.size() || colonnes[k] < 100);
                avant = colonnes[k];
            }
            // The pattern repeats every 12.5 frames, so exactly every 25.
            if (image == 2) {
                cycle = colonnes;
            } else if (image == 27) {
                QCOMPARE(colonnes.size(), cycle.size());
                for (size_t k = 0; k < cycle.size(); ++k) {
                    QVERIFY(std::fabs(colonnes[k] - cycle[k]) < 1e-6);
                }
            }
        }
    }

    void accueilSeTermineToujours() {
        Module1 m;
        m.NbOnde = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(ColonnesAccueil(m).size(), size_t(1));
        m.TempsMs = std::numeric_limits<int32_t>::max() - 5;
        ChargeAccueil(m);
        QVERIFY(ColonnesAccueil(m).back() >= 100);
        QVERIFY(m.TempsMs > 0);
    }
};

QTEST_APPLESS_MAIN(TestMesure)
#include "tst_mesure.moc"
