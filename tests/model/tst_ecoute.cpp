// Listening at a sensor: the loudness follows the pressure's swing where the
// sensor stands, to the first power, as a microphone's signal does: checked
// against the standing wave's closed form, the damping's exponential, and a
// pulse heard only while it passes, whatever the periodic panel's frequency.

#include "Doublures.h"
#include "model/Demarrage.h"
#include "model/EcouteCapteur.h"
#include "model/Mesure.h"
#include "model/Parametres.h"

#include <QTest>
#include <cmath>

using namespace vibralume;

namespace {

// The state at `tempsMs` for a frequency scroll value, a speed value and an
// amplitude (cm), the boundary given; the displacements computed as a tick does.
Module1 etat(int16_t frequence, int16_t v, double amplVib, Bord bord, int32_t tempsMs) {
    Module1 m;
    Demarrage(m);
    m.Freq = FreqPour(frequence);
    m.Celerite = CeleritePour(v);
    m.NbOnde = NbOndePour(m.Freq, m.Celerite);
    m.AmplVib = amplVib;
    m.AmplSoliton = 2.5;
    m.Resonance = ResonancePour(bord, m.Freq, m.Celerite);
    m.TempsMs = tempsMs;
    return m;
}

EntreesTick entrees(bool progressive, bool periodique = true, bool amorti = false) {
    EntreesTick e;
    e.progressive = progressive;
    e.periodique = periodique;
    e.amortissement = amorti;
    return e;
}

} // namespace

class TestEcoute : public QObject {
    Q_OBJECT
private slots:
    // Open at both ends, 0.5 Hz at 15 cm/s: the fundamental. The level at the
    // pair of slices a, a + 1 swings as 40 AmplVib sin(k/4) |sin(k(2a - 9)/4)|,
    // so the gain there is |sin(k(2a - 9)/4)| over its largest value, a = 20.
    void stationnaireResonante() {
        const Module1 m = etat(5, 3, 0.3, Bord::OuvertOuvert, 36000000);
        QVERIFY(m.Resonance);
        const EntreesTick e = entrees(false);
        const double k = m.NbOnde;
        auto profil = [k](int a) { return std::abs(std::sin(k * (2 * a - 9) / 4)); };
        double plusGrand = 0;
        for (int a = 2; a <= 48; a += 2)
            plusGrand = std::max(plusGrand, profil(a));
        for (int a = 2; a <= 48; a += 2) {
            const float x = float(a / 2 + 1);
            const double swing = 40 * m.AmplVib * std::sin(k / 4) * profil(a);
            QVERIFY2(std::abs(AmplitudePression(m, e, x) - swing) < 0.025 * swing + 1e-9,
                     qPrintable(QString::number(a)));
            QVERIFY2(std::abs(GainAuCapteur(m, e, x) - profil(a) / plusGrand) < 1e-9,
                     qPrintable(QString::number(a)));
        }
        // The quietest pair (34 and 35, beside the node at 34.5) lies 25.6 dB
        // below the antinode, whatever the amplitude.
        Module1 faible = m;
        faible.AmplVib = 0.1;
        for (const Module1& n : {m, faible}) {
            QCOMPARE(GainAuCapteur(n, e, 11.0f), 1.0);
            const double dB = 20 * std::log10(GainAuCapteur(n, e, 18.0f));
            QVERIFY2(std::abs(dB + 25.6) < 0.05, qPrintable(QStringLiteral("%1 dB").arg(dB)));
        }
    }

    // Progressive: the same loudness everywhere; with damping, the pressure
    // and so the loudness fall as exp(-x/50) along the medium.
    void progressive() {
        const Module1 m = etat(18, 3, 1.0, Bord::Progressive, 36000000);
        for (float x : {3.0f, 12.0f, 20.0f}) {
            QVERIFY2(GainAuCapteur(m, entrees(true), x) > 0.97, qPrintable(QString::number(x)));
            // The pair a, a + 1 rests about (a + 0.5) / 2 cm from the vibrator.
            const double milieu = (2 * std::floor(x - 1) + 0.5) / 2;
            const double amorti = GainAuCapteur(m, entrees(true, true, true), x);
            QVERIFY2(std::abs(amorti / std::exp(-milieu / 50) - 1) < 0.025,
                     qPrintable(QStringLiteral("%1 cm: %2").arg(x).arg(amorti)));
        }
        // Nothing moves: nothing is heard, and no division by zero.
        Module1 immobile = m;
        immobile.AmplVib = 0;
        QCOMPARE(GainAuCapteur(immobile, entrees(true), 5.0f), 0.0);
        Module1 arret = m;
        arret.Freq = 0;
        QCOMPARE(AmplitudePression(arret, entrees(true), 5.0f), 0.0);
        QCOMPARE(AmplitudePression(m, entrees(true), 1.5f), 0.0);
    }

    // A short pulse at 15 cm/s, sensor 1 over slices 14 and 15 (7.25 cm): heard
    // while it passes, silent before and after, the same whatever frequency
    // the periodic panel holds; with damping, its loudest is exp(-7.25/25).
    void impulsion_data() {
        QTest::addColumn<int>("frequence");
        QTest::addColumn<bool>("amorti");
        for (int f : {2, 10, 40}) {
            QTest::addRow("%d/10 Hz", f) << f << false;
            QTest::addRow("%d/10 Hz, damped", f) << f << true;
        }
    }
    void impulsion() {
        QFETCH(int, frequence);
        QFETCH(bool, amorti);
        Module1 m = etat(int16_t(frequence), 3, 1.0, Bord::Progressive, 0);
        m.TypeSoliton = 1;
        m.DebutSoliton = 100; // leaves the vibrator at 100 s, passes 7.25 cm at 100.48 s
        const EntreesTick e = entrees(true, false, amorti);
        double plusFort = 0, debut = 0, fin = 0;
        for (int ms = 99000; ms <= 103000; ms += 10) {
            m.TempsMs = ms;
            const double g = GainAuCapteur(m, e, 8.0f);
            plusFort = std::max(plusFort, g);
            if (g > 0.1) { // within 20 dB of its loudest
                debut = debut ? debut : ms / 1000.0;
                fin = ms / 1000.0;
            }
        }
        const double attendu = amorti ? std::exp(-7.25 / 25) : 1.0;
        QVERIFY2(std::abs(plusFort / attendu - 1) < 0.03, qPrintable(QString::number(plusFort)));
        QVERIFY2(debut > 100.2 && fin < 100.85,
                 qPrintable(QStringLiteral("heard from %1 s to %2 s").arg(debut).arg(fin)));
        for (double t : {99.5, 101.5, 103.0}) {
            m.TempsMs = int32_t(t * 1000);
            QVERIFY2(GainAuCapteur(m, e, 8.0f) < 0.01, qPrintable(QString::number(t)));
        }
    }
};

QTEST_MAIN(TestEcoute)
#include "tst_ecoute.moc"
