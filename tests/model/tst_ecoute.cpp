// Listening at a sensor: the pressure's swing where the sensor stands, at the
// nodes and antinodes of a resonant standing wave, along a progressive wave
// with and without damping, and as a pulse passes.

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

// The loudest or the quietest of the sensor abscissas, one per pair of
// slices (2, 3, ... 25 cm).
double pire(const Module1& m, const EntreesTick& e, bool plusFort) {
    double extreme = plusFort ? 0 : 1e9;
    for (int x = 2; x <= 25; ++x) {
        const double g = GainAuCapteur(m, e, float(x));
        extreme = plusFort ? std::max(extreme, g) : std::min(extreme, g);
    }
    return extreme;
}

} // namespace

class TestEcoute : public QObject {
    Q_OBJECT
private slots:
    // Open at both ends, 0.5 Hz at 15 cm/s: the fundamental. A pressure
    // antinode at mid-medium (slices 20 and 21), nodes near slices 4 and 34;
    // the quietest place at least 30 dB below the loudest, in the gain heard.
    void stationnaireResonante() {
        const Module1 m = etat(5, 3, 0.3, Bord::OuvertOuvert, 36000000);
        QVERIFY(m.Resonance);
        const EntreesTick e = entrees(false);
        // The swing, read off the formula: 20 AmplVib sin(k/4) |sin(k(2a-9)/4)| levels.
        const double k = m.NbOnde;
        for (int a : {4, 12, 20, 34}) {
            const double attendu =
                40 * m.AmplVib * std::sin(k / 4) * std::abs(std::sin(k * (2 * a - 9) / 4));
            QVERIFY2(std::abs(AmplitudePression(m, e, float(a / 2 + 1)) - attendu) <
                         0.025 * attendu + 1e-9,
                     qPrintable(QString::number(a)));
        }
        // Full loudness at the antinode, whatever the amplitude; the middle
        // pair (slices 20 and 21) is the loudest place.
        const double fort = pire(m, e, true);
        const double faible = pire(m, e, false);
        QCOMPARE(fort, 1.0);
        QCOMPARE(GainAuCapteur(m, e, 11.0f), 1.0);
        Module1 faibleAmplitude = m;
        faibleAmplitude.AmplVib = 0.1;
        QVERIFY(std::abs(GainAuCapteur(faibleAmplitude, e, 11.0f) - 1.0) < 1e-9);
        QVERIFY(GainAuCapteur(faibleAmplitude, e, 18.0f) < 0.01);
        QVERIFY2(20 * std::log10(fort / faible) >= 30,
                 qPrintable(QStringLiteral("%1 dB").arg(20 * std::log10(fort / faible))));
    }

    // Progressive: the same swing everywhere, fading along the medium with damping.
    void progressive() {
        const Module1 m = etat(18, 3, 1.0, Bord::Progressive, 36000000);
        const double ici = AmplitudePression(m, entrees(true), 3.0f);
        QVERIFY(ici > 0.3);
        QVERIFY(std::abs(AmplitudePression(m, entrees(true), 20.0f) - ici) < 0.02 * ici);
        const double pres = AmplitudePression(m, entrees(true, true, true), 3.0f);
        const double loin = AmplitudePression(m, entrees(true, true, true), 20.0f);
        QVERIFY(loin < pres * std::exp(-15.0 / 50) * 1.05 &&
                loin > pres * std::exp(-17.0 / 50) * 0.95);
        // Heard: about full everywhere without damping; with it, quieter
        // with distance, as the square of the swing.
        for (float x : {3.0f, 12.0f, 20.0f})
            QVERIFY2(GainAuCapteur(m, entrees(true), x) > 0.95, qPrintable(QString::number(x)));
        const double gainPres = GainAuCapteur(m, entrees(true, true, true), 3.0f);
        const double gainLoin = GainAuCapteur(m, entrees(true, true, true), 20.0f);
        QVERIFY(gainPres > 0.8);
        QVERIFY(std::abs(gainLoin / gainPres - (loin / pres) * (loin / pres)) < 1e-9);
        // Nothing moves: nothing is heard, and no division by zero.
        Module1 immobile = m;
        immobile.AmplVib = 0;
        QCOMPARE(GainAuCapteur(immobile, entrees(true), 5.0f), 0.0);
        // No frequency, no sound; outside the medium, no sound.
        QCOMPARE(AmplitudePression(etat(18, 3, 1.0, Bord::Progressive, 0), entrees(true), 1.5f),
                 0.0);
        Module1 arret = m;
        arret.Freq = 0;
        QCOMPARE(AmplitudePression(arret, entrees(true), 5.0f), 0.0);
    }

    // A pulse: silence before it comes, a swell as it passes, silence after.
    void impulsion() {
        Module1 m = etat(18, 3, 1.0, Bord::Progressive, 0);
        m.TypeSoliton = 1;
        m.DebutSoliton = 100; // leaves the vibrator at 100 s
        const EntreesTick e = entrees(true, false);
        auto ecoute = [&](double secondes) {
            m.TempsMs = int32_t(secondes * 1000);
            return GainAuCapteur(m, e, 8.0f);
        };
        QVERIFY(ecoute(99.0) < 1e-6);
        // 15 cm/s: the pulse reaches 7 to 9 cm half a second after it left.
        double plusFort = 0;
        for (double t = 100.3; t < 101.0; t += 0.02)
            plusFort = std::max(plusFort, ecoute(t));
        QVERIFY(plusFort > 0.9);
        QVERIFY(ecoute(104.0) < 1e-6);
    }
};

QTEST_MAIN(TestEcoute)
#include "tst_ecoute.moc"
