// Time keeping: pause, run, step, pulse launch, midnight, and the real clock
// and generator.

#include "Doublures.h"
#include "model/AleatoireStandard.h"
#include "model/Demarrage.h"
#include "model/HorlogeContinue.h"
#include "model/HorlogeSysteme.h"
#include "model/Marche.h"
#include "model/Parametres.h"
#include "model/Tick.h"

#include <QTest>
#include <cmath>

using namespace vibralume;

namespace {

bool Proche(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestTemps : public QObject {
    Q_OBJECT

private slots:
    void cinqPas() {
        Module1 m;
        Demarrage(m);
        m.TempsMs = 1000;
        for (int k = 0; k < 5; ++k) {
            PasAPas(m);
        }
        QCOMPARE(m.TempsMs, 1125);
        QCOMPARE(m.TempsPause, 1.125);
        QVERIFY(Proche(m.TempsPrec, 1.1, 1e-12)); // the sweep position being left
    }

    void pauseReprendLaOuElleSEstArretee() {
        Module1 m;
        Demarrage(m);
        m.TempsDepart = 47;
        HorlogeManuelle h(50);
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 3000);
        Pause(m);
        QCOMPARE(m.TempsPause, 3.0);
        h.lecture = 1000; // a long wait
        Reprise(m, h);
        h.lecture = 1000.02;
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 3020);
        QVERIFY(Proche(m.TempsPrec, 1.0, 1e-12));
    }

    void pasApresPauseEtReprise() {
        Module1 m;
        Demarrage(m);
        m.TempsMs = 4000;
        Pause(m);
        PasAPas(m);
        HorlogeManuelle h(600);
        Reprise(m, h);
        h.lecture = 600.5;
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 4525);
    }

    void departDuSoliton() {
        Module1 m;
        Demarrage(m);
        m.TempsDepart = 2;
        HorlogeManuelle h(10);
        AvanceTempsHorloge(m, h);
        LanceSoliton(m, h);
        QCOMPARE(m.DebutSoliton, m.TempsMs / 1000.0 + 0.25);
    }

    void solitonLancePendantUneLonguePause() {
        Module1 m;
        Demarrage(m);
        m.Celerite = CeleritePour(3);
        MajAmplitudes(m, true, Bord::Progressive, 10, 25);
        m.TempsDepart = 100;
        HorlogeManuelle h(105);
        AvanceTempsHorloge(m, h);
        Pause(m);
        h.lecture = 80000;
        LanceSoliton(m, h);
        PasAPas(m);
        AleatoireScripte a({0.5});
        CalculeTranches(m, {true, false, true, true, true}, a);
        for (int i = 1; i <= NbTranches; ++i) {
            QVERIFY(std::isfinite(m.Elongation[i]));
            QVERIFY(m.Elongation[i] == 0);
            QVERIFY(std::isfinite(m.PosX[i][1]));
        }
    }

    void horlogeContinue_data() {
        QTest::addColumn<QList<double>>("brutes");
        QTest::addColumn<QList<double>>("continues");
        QTest::newRow("minuit") << QList<double>{86399.9, 86399.99, 0.05, 3600}
                                << QList<double>{86399.9, 86399.99, 86400.05, 90000};
        QTest::newRow("deux minuits")
            << QList<double>{86000, 10, 86000, 5} << QList<double>{86000, 86410, 172400, 172805};
        QTest::newRow("petit recul")
            << QList<double>{100, 99.5, 101} << QList<double>{100, 99.5, 101};
    }
    void horlogeContinue() {
        QFETCH(QList<double>, brutes);
        QFETCH(QList<double>, continues);
        HorlogeManuelle brute;
        HorlogeContinue h(brute);
        for (qsizetype k = 0; k < brutes.size(); ++k) {
            brute.lecture = brutes[k];
            QCOMPARE(h.secondes(), continues[k]);
        }
    }

    void tickAMinuit() {
        Module1 m;
        Demarrage(m);
        HorlogeManuelle brute(86399.98);
        HorlogeContinue h(brute);
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 86399980);
        brute.lecture = 0.0;
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 86400000);
    }

    void tempsAuDelaDe32Bits() {
        // Thirty days running: the origin moves by whole days, the pulse with it.
        Module1 m;
        Demarrage(m);
        m.DebutSoliton = 2592000 - 1;
        HorlogeManuelle h(2592000 + 1.5);
        AvanceTempsHorloge(m, h);
        QCOMPARE(m.TempsMs, 1500);
        QCOMPARE(m.TempsMs / 1000.0 - m.DebutSoliton, 2.5);
    }

    void horlogeSystemeDansLaJournee() {
        HorlogeSysteme h;
        const double s = h.secondes();
        QVERIFY2(s >= 0 && s < 86401, qPrintable(QString::number(s)));
    }

    void aleatoireStandard() {
        AleatoireStandard a, b;
        for (int k = 0; k < 1000; ++k) {
            const double x = a.suivant();
            QVERIFY(x >= 0 && x < 1);
            QCOMPARE(x, b.suivant()); // same sequence at every start until seeded
        }
        a.amorcer(43200.25);
        b.amorcer(43200.5);
        AleatoireStandard c;
        c.amorcer(43200.25);
        const double xa = a.suivant();
        QVERIFY(xa != b.suivant());
        QCOMPARE(xa, c.suivant());
    }
};

QTEST_APPLESS_MAIN(TestTemps)
#include "tst_temps.moc"
