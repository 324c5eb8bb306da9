// The tick: time from the clock, displacement formulas, particle layout.

#include "Doublures.h"
#include "model/Demarrage.h"
#include "model/Parametres.h"
#include "model/Tick.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace vibralume;

namespace {

/// A started model with its parameters derived from the given scroll values.
Module1 Modele(int16_t frequence, int16_t v, int16_t amplitude, Bord bord = Bord::Progressive) {
    Module1 m;
    Demarrage(m);
    m.Freq = FreqPour(frequence);
    m.Celerite = CeleritePour(v);
    MajAmplitudes(m, false, bord, amplitude, 25);
    MajAmplitudes(m, true, bord, amplitude, 25);
    m.NbOnde = NbOndePour(m.Freq, m.Celerite);
    m.Resonance = ResonancePour(bord, m.Freq, m.Celerite);
    return m;
}

bool Proche(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestTick : public QObject {
    Q_OBJECT

private slots:
    void tempsDepuisHorloge_data() {
        QTest::addColumn<double>("depart");
        QTest::addColumn<double>("horloge");
        QTest::addColumn<int>("avant");
        QTest::addColumn<int>("apres");
        QTest::addColumn<double>("prec");
        QTest::newRow("62.5 vers pair") << 0.0 << 0.0625 << 0 << 62 << 0.0;
        QTest::newRow("187.5 vers pair") << 0.0 << 0.1875 << 0 << 188 << 0.0;
        QTest::newRow("origine deplacee") << 10.0 << 12.5 << 1500 << 2500 << 1.5;
        QTest::newRow("balayage recommence") << 0.0 << 3.0 << 2500 << 3000 << 0.5;
    }
    void tempsDepuisHorloge() {
        QFETCH(double, depart);
        QFETCH(double, horloge);
        QFETCH(int, avant);
        QFETCH(int, apres);
        QFETCH(double, prec);
        Module1 m;
        Demarrage(m);
        m.TempsDepart = depart;
        m.TempsMs = avant;
        HorlogeManuelle h(horloge);
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, apres);
        QVERIFY(Proche(m.TempsPrec, prec, 1e-12));
    }

    void ondeProgressiveSeDeplaceACelerite() {
        // 10 cm/s and slices 0.5 cm apart: each slice repeats its neighbour 50 ms later.
        Module1 m = Modele(5, 2, 10);
        const EntreesTick e{true, true, false, false, false};
        AleatoireScripte a({0.5});
        m.TempsMs = 3000;
        CalculeTranches(m, e, a);
        const auto plusTard = m.Elongation;
        for (int i = 2; i <= NbTranches; ++i) {
            m.TempsMs = 3000 - 50 * (i - 1);
            CalculeTranches(m, e, a);
            QVERIFY2(Proche(plusTard[i], m.Elongation[1], 1e-6), qPrintable(QString::number(i)));
        }
    }

    void ondeProgressiveAuTempsZero() {
        // Wavelength 20 cm: a quarter (slice 10) at zero, a half (slice 20) opposite.
        Module1 m = Modele(5, 2, 10);
        AleatoireScripte a({0.5});
        m.TempsMs = 0;
        const double vibreur = CalculeTranches(m, {true, true, false, false, false}, a);
        QVERIFY(Proche(m.Elongation[10], 0, 1e-7));
        QVERIFY(Proche(m.Elongation[20], -1, 1e-7));
        QCOMPARE(vibreur, 2 + m.Elongation[1]);
    }

    void amortissementTranche50_data() {
        QTest::addColumn<bool>("periodique");
        QTest::addColumn<double>("sommet");
        QTest::addColumn<double>("facteur");
        QTest::newRow("periodique exp(-1/2)") << true << 1.0 << 0.607;
        QTest::newRow("soliton exp(-1)") << false << 2.5 << 0.368;
    }
    void amortissementTranche50() {
        QFETCH(bool, periodique);
        QFETCH(double, sommet);
        QFETCH(double, facteur);
        // At 2.5 s both the crest (10 cm/s, 0.5 Hz) and the pulse stand at slice 50.
        Module1 m = Modele(5, 2, 10);
        AleatoireScripte a({0.5});
        m.TempsMs = 2500;
        CalculeTranches(m, {true, periodique, false, false, false}, a);
        const double libre = m.Elongation[50];
        CalculeTranches(m, {true, periodique, true, false, false}, a);
        QVERIFY(Proche(libre, sommet, 1e-6));
        QVERIFY2(Proche(m.Elongation[50] / libre, facteur, 5e-4),
                 qPrintable(QString::number(m.Elongation[50] / libre)));
    }

    void soliton_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("tempsMs");
        QTest::addColumn<double>("attendu");
        QTest::newRow("court au sommet") << 1 << 2500 << 2.5;
        QTest::newRow("court +0.1 s") << 1 << 2600 << 2.5 * 0.4250960349422805;
        QTest::newRow("moyen -0.1 s") << 2 << 2400 << 2.5 * 0.6480542736638855;
        QTest::newRow("long +0.1 s") << 3 << 2600 << 2.5 * 0.886818883970074;
        QTest::newRow("avant le depart") << 1 << 900 << 0.0;
    }
    void soliton() {
        QFETCH(int, type);
        QFETCH(int, tempsMs);
        QFETCH(double, attendu);
        // Leaves at 1 s, 10 cm/s: its centre passes slice 30 (15 cm) at 2.5 s.
        Module1 m = Modele(5, 2, 10);
        m.TypeSoliton = int16_t(type);
        m.DebutSoliton = 1;
        m.TempsMs = tempsMs;
        AleatoireScripte a({0.5});
        const double vibreur = CalculeTranches(m, {true, false, false, false, false}, a);
        QVERIFY2(Proche(m.Elongation[30], attendu, 1e-9),
                 qPrintable(QString::number(m.Elongation[30])));
        QVERIFY(*std::min_element(m.Elongation.begin() + 1, m.Elongation.end()) >= 0);
        QCOMPARE(vibreur, 2 + m.Elongation[1]);
    }

    void stationnaireResonante() {
        // Open-open at 0.5 Hz, 15 cm/s: profile maximum at slice 5, ten times the vibration.
        Module1 m = Modele(5, 3, 10, Bord::OuvertOuvert);
        QVERIFY(m.Resonance);
        AleatoireScripte a({0.5});
        for (int t : {0, 1000, 1250}) {
            m.TempsMs = t;
            const double vibreur = CalculeTranches(m, {false, true, true, false, false}, a);
            const double c = std::cos(0.5 * DeuxPi * t / 1000);
            QVERIFY(Proche(m.Elongation[5], 10 * 0.1 * c, 1e-12));
            for (int i = 1; i <= NbTranches; ++i) {
                QVERIFY(std::fabs(m.Elongation[i]) <= std::fabs(m.Elongation[5]) + 1e-15);
            }
            QCOMPARE(vibreur, 2 + m.Elongation[1] / 10);
        }
        QVERIFY(Proche(m.Elongation[1], m.Elongation[9], 1e-12)); // symmetric about slice 5
    }

    void stationnaireNonResonanteEnPhase() {
        Module1 m = Modele(18, 3, 10, Bord::OuvertFerme);
        QVERIFY(!m.Resonance);
        AleatoireScripte a({0.5});
        m.TempsMs = 100;
        // Damping checked but ignored by standing waves.
        CalculeTranches(m, {false, true, true, false, false}, a);
        const double attendu = 0.1 * 10 * std::cos(1.8 * DeuxPi * 100 / 1000);
        for (int i = 1; i <= NbTranches; ++i) {
            QVERIFY(Proche(m.Elongation[i], attendu, 1e-12));
        }
    }

    void agitationDuGaz() {
        // Distinct numbers show which draw went where: r1 to x, then r2 to y.
        std::vector<double> valeurs;
        for (int k = 0; k < 1000; ++k) {
            valeurs.push_back((k + 1) / 1001.0);
        }
        AleatoireScripte a(valeurs);
        Module1 m = Modele(18, 3, 10);
        m.TempsMs = 700;
        CalculeTranches(m, {true, true, false, true, true}, a);
        QCOMPARE(a.tirages, std::size_t(1000));
        for (int i = 1; i <= NbTranches; ++i) {
            for (int j = 1; j <= NbRangees; ++j) {
                const size_t n = size_t(((i - 1) * NbRangees + (j - 1)) * 2);
                const double x0 = m.PosRepos[i] + 1.65 + m.Elongation[i];
                const double dx = m.PosX[i][j] - x0;
                const double dy = m.PosY[i][j] - j / 3.25;
                QVERIFY(Proche(dx, valeurs[n] / 2, 1e-12));
                QVERIFY(Proche(dy, -valeurs[n + 1] / 4, 1e-12));
                QVERIFY(dx >= 0 && dx < 0.5 && dy <= 0 && dy >= -0.25);
            }
        }
    }

    void solideSurLeReseau() {
        AleatoireScripte a({0.9});
        Module1 m = Modele(18, 3, 10);
        m.TempsMs = 700;
        CalculeTranches(m, {true, true, false, false, true}, a);
        QCOMPARE(a.tirages, std::size_t(0));
        QVERIFY(m.PosX[7][3] == m.PosRepos[7] + 1.65 + m.Elongation[7]);
        QVERIFY(m.PosY[7][3] == 3 / 3.25);
    }

    void modeleCacheNeDeplacePasLesParticules() {
        AleatoireScripte a({0.9});
        Module1 m = Modele(18, 3, 10);
        m.PosX[4][4] = -7;
        m.TempsMs = 300;
        CalculeTranches(m, {true, true, false, true, false}, a);
        QCOMPARE(a.tirages, std::size_t(0));
        QCOMPARE(m.PosX[4][4], -7.0);
        QVERIFY(m.Elongation[4] != 0);
    }
};

QTEST_APPLESS_MAIN(TestTick)
#include "tst_tick.moc"
