// The wave along the medium: the displacement points line up with the model
// view and carry the slices' displacements, the pressure points stand where
// a sensor reads and read what it reads, and the nodes and antinodes of a
// resonant standing wave stand where the boundary conditions put them; a
// standing wave's medium stops at its end mark.

#include "Doublures.h"
#include "model/Demarrage.h"
#include "model/LeLongDuMilieu.h"
#include "model/Mesure.h"
#include "model/Tick.h"

#include <QTest>
#include <cmath>

using namespace vibralume;

Q_DECLARE_METATYPE(vibralume::Bord)

namespace {

/// A started model at `freq` Hz and `celerite` cm/s, its wave number and
/// resonance derived as the refresh derives them.
Module1 Modele(Bord bord, double freq, double celerite, double amplVib) {
    Module1 m;
    Demarrage(m);
    m.Freq = freq;
    m.Celerite = celerite;
    m.AmplVib = amplVib;
    m.NbOnde = NbOndePour(freq, celerite);
    m.Resonance = ResonancePour(bord, freq, celerite);
    return m;
}

QList<double> Abscisses(const std::vector<PlaceRemarquable>& places, Grandeur g,
                        NoeudOuVentre nature) {
    QList<double> x;
    for (const PlaceRemarquable& p : places)
        if (p.grandeur == g && p.nature == nature)
            x << p.x;
    return x;
}

bool Proches(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k)
        if (std::fabs(a[k] - b[k]) > 1e-6)
            return false;
    return true;
}

QString Texte(const QList<double>& x) {
    QStringList t;
    for (double v : x)
        t << QString::number(v, 'g', 10);
    return t.join(QLatin1Char(' '));
}

} // namespace

class TestLeLongDuMilieu : public QObject {
    Q_OBJECT

private slots:
    // Places worked out by hand: the open left end is an antinode of
    // displacement at slice 5 (rest 2.5 cm, drawn at 4.15 cm); antinodes
    // follow every half wavelength, nodes half-way, up to the end mark at 20 cm.
    void noeudsEtVentres_data() {
        QTest::addColumn<Bord>("bord");
        QTest::addColumn<double>("freq");
        QTest::addColumn<double>("celerite");
        QTest::addColumn<QList<double>>("ventres"); // of displacement
        QTest::addColumn<QList<double>>("noeuds");
        QTest::newRow("open-open, lambda 10 cm")
            << Bord::OuvertOuvert << 1.5 << 15.0 << QList<double>{4.15, 9.15, 14.15, 19.15}
            << QList<double>{6.65, 11.65, 16.65};
        QTest::newRow("open-open, lambda 30 cm, the node on slice 50 behind the end")
            << Bord::OuvertOuvert << 0.5 << 15.0 << QList<double>{4.15, 19.15}
            << QList<double>{11.65};
        // 15 cm of medium from the open end: a node at the closed end, 19.15 cm.
        QTest::newRow("open-closed, lambda 20 cm")
            << Bord::OuvertFerme << 2.5 << 50.0 << QList<double>{4.15, 14.15}
            << QList<double>{9.15, 19.15};
        QTest::newRow("open-closed, lambda 60 cm")
            << Bord::OuvertFerme << 0.5 << 30.0 << QList<double>{4.15} << QList<double>{19.15};
        QTest::newRow("open-open off resonance")
            << Bord::OuvertOuvert << 1.8 << 15.0 << QList<double>{} << QList<double>{};
        // 30 f / v whole: resonant open at both ends, not open-closed.
        QTest::newRow("open-closed at an open-open frequency")
            << Bord::OuvertFerme << 1.5 << 15.0 << QList<double>{} << QList<double>{};
    }
    void noeudsEtVentres() {
        QFETCH(Bord, bord);
        QFETCH(double, freq);
        QFETCH(double, celerite);
        QFETCH(QList<double>, ventres);
        QFETCH(QList<double>, noeuds);
        const Module1 m = Modele(bord, freq, celerite, 0.2);
        const auto places = NoeudsEtVentres(m, bord);
        const QList<double> v = Abscisses(places, Grandeur::Deplacement, NoeudOuVentre::Ventre);
        const QList<double> n = Abscisses(places, Grandeur::Deplacement, NoeudOuVentre::Noeud);
        QVERIFY2(Proches(v, ventres), qPrintable(Texte(v)));
        QVERIFY2(Proches(n, noeuds), qPrintable(Texte(n)));
        // Pressure: nodes where displacement swings most, antinodes where it rests.
        QVERIFY(Proches(Abscisses(places, Grandeur::Pression, NoeudOuVentre::Noeud), ventres));
        QVERIFY(Proches(Abscisses(places, Grandeur::Pression, NoeudOuVentre::Ventre), noeuds));
        for (std::size_t k = 1; k < places.size(); ++k)
            QVERIFY(places[k - 1].x <= places[k].x);
        // Where a place falls on a slice, the tick's own formula agrees:
        // still at a node, the full amplitude at an antinode.
        for (const PlaceRemarquable& p : places) {
            const double u = (p.x - DecalageModele) * 2;
            if (p.grandeur != Grandeur::Deplacement || std::fabs(u - std::round(u)) > 1e-6)
                continue;
            const double e = ElongationStationnaire(m, int(std::round(u)), 1);
            const double attendu = p.nature == NoeudOuVentre::Noeud ? 0 : 10 * m.AmplVib;
            QVERIFY2(std::fabs(std::fabs(e) - attendu) < 1e-6, qPrintable(QString::number(u)));
        }
    }

    // A progressive wave has no nodes, even with the flag left on.
    void pasDeNoeudsEnOndeProgressive() {
        Module1 m = Modele(Bord::OuvertOuvert, 1.5, 15, 0.2);
        QVERIFY(m.Resonance);
        QVERIFY(NoeudsEtVentres(m, Bord::Progressive).empty());
    }

    // The graphs after a real tick: one point per slice seen, where the
    // model view draws the slice at rest and with its displacement; one
    // pressure point per whole centimetre of sensor abscissa, 0.9 cm right of
    // it, in the middle of the two slices read, reading what a sensor there
    // reads. A standing wave is seen up to its end mark at 20 cm: slices 1 to
    // 36 (19.65 cm) and places up to 19.9 cm.
    void pointsEtPressions_data() {
        QTest::addColumn<Bord>("bord");
        QTest::addColumn<bool>("periodique");
        QTest::addColumn<double>("freq");
        QTest::addColumn<int>("tempsMs");
        QTest::addColumn<int>("tranches");
        QTest::addColumn<int>("places");
        QTest::newRow("progressive, 1.8 Hz, 1234 ms")
            << Bord::Progressive << true << 1.8 << 1234 << 50 << 25;
        QTest::newRow("pulse, 1.8 Hz, 500 ms")
            << Bord::Progressive << false << 1.8 << 500 << 50 << 25;
        QTest::newRow("standing open-open, 1.5 Hz, 400 ms")
            << Bord::OuvertOuvert << true << 1.5 << 400 << 36 << 20;
        QTest::newRow("standing open-closed, 2.5 Hz, 130 ms")
            << Bord::OuvertFerme << true << 2.5 << 130 << 36 << 20;
        QTest::newRow("vibrator still") << Bord::Progressive << true << 0.0 << 700 << 50 << 25;
    }
    void pointsEtPressions() {
        QFETCH(Bord, bord);
        QFETCH(bool, periodique);
        QFETCH(double, freq);
        QFETCH(int, tempsMs);
        QFETCH(int, tranches);
        QFETCH(int, places);
        Module1 m = Modele(bord, freq, bord == Bord::OuvertFerme ? 50 : 15, 0.3);
        m.AmplSoliton = 2;
        m.DebutSoliton = 0.25;
        m.TempsMs = tempsMs;
        EntreesTick e;
        e.progressive = bord == Bord::Progressive;
        e.periodique = periodique;
        e.gaz = false; // particles on their lattice: x is their rest place plus the displacement
        e.modeleVisible = true;
        AleatoireScripte alea({0.5});
        if (freq == 0) // what a stopped vibrator leaves: displacements, no frequency
            m.Elongation[7] = 0.4;
        else
            CalculeTranches(m, e, alea);

        const double fin = FinMilieuVu(bord);
        const auto points = PointsDeplacement(m, fin);
        QCOMPARE(int(points.size()), tranches);
        double somme = 0;
        for (int i = 1; i <= tranches; ++i) {
            const PointDeplacement& p = points[std::size_t(i - 1)];
            QCOMPARE(p.tranche, i);
            QVERIFY(std::fabs(p.x - (i / 2.0 + 1.65)) < 1e-12);
            QCOMPARE(p.deplacement, m.Elongation[i]);
            if (freq != 0)
                QVERIFY(std::fabs(m.PosX[i][1] - (p.x + p.deplacement)) < 1e-12);
            somme += std::fabs(p.deplacement);
        }
        QVERIFY(somme > 0.1); // a wave, not a medium at rest

        const auto pressions = PointsPression(m, fin);
        QCOMPARE(int(pressions.size()), places);
        for (std::size_t k = 0; k < pressions.size(); ++k) {
            const PointPression& p = pressions[k];
            QVERIFY(std::fabs(p.x - (k + 0.9)) < 1e-12);
            QCOMPARE(p.dansMilieu, k >= 2);
            for (double dx : {0.0, 0.3, 0.75, 0.99})
                QCOMPARE(p.niveau, NiveauCapteur(m, float(k + dx)));
        }
        // Sensor at 5 cm: slices 8 (5.65 cm) and 9 (6.15 cm), read at 5.9 cm.
        const double attendu5 = freq == 0 ? 3 : (m.Elongation[9] - m.Elongation[8]) * 2 + 3;
        QCOMPARE(pressions[5].niveau, attendu5);
        QCOMPARE(pressions[0].niveau, freq == 0 ? 3.0 : 4.0);
    }

    // Where a sensor reads, worked out by hand from its marker's abscissa:
    // slices a = 2 floor(x - 1) and a + 1, at rest at a/2 + 1.65 and
    // (a + 1)/2 + 1.65 cm, so in the middle at a/2 + 1.9 cm.
    void abscisseLecture_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("lu");
        QTest::newRow("2.0 cm: slices 2 and 3") << 2.0f << 2.9;
        QTest::newRow("2.9 cm: the same slices") << 2.9f << 2.9;
        QTest::newRow("3.0 cm: slices 4 and 5") << 3.0f << 3.9;
        QTest::newRow("marker 2 at load, 19.473 cm: slices 36 and 37") << 19.473f << 19.9;
        QTest::newRow("1.5 cm, outside: slices 0 and 1") << 1.5f << 1.9;
    }
    void abscisseLecture() {
        QFETCH(float, x);
        QFETCH(double, lu);
        QVERIFY2(std::fabs(AbscisseLecture(x) - lu) < 1e-9,
                 qPrintable(QString::number(AbscisseLecture(x))));
        // The middle of the pair the oscilloscope reads, where there is one.
        Module1 m;
        Demarrage(m);
        if (const auto a = PremiereTrancheCapteur(x))
            QVERIFY(std::fabs(AbscisseLecture(x) - ((m.PosRepos[*a] + m.PosRepos[*a + 1]) / 2 +
                                                    DecalageModele)) < 1e-12);
    }

    // The displacement axis holds the largest swing the wave can make, on a
    // round scale.
    void echelleDeplacement_data() {
        QTest::addColumn<Bord>("bord");
        QTest::addColumn<bool>("periodique");
        QTest::addColumn<double>("amplVib");
        QTest::addColumn<double>("amplSoliton");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("demiEchelle");
        QTest::newRow("progressive 1 cm") << Bord::Progressive << true << 1.0 << 2.5 << 1.0 << 1.0;
        QTest::newRow("progressive 1.2 cm")
            << Bord::Progressive << true << 1.2 << 2.5 << 1.2 << 2.0;
        QTest::newRow("pulse 2.5 cm") << Bord::Progressive << false << 1.0 << 2.5 << 2.5 << 5.0;
        QTest::newRow("standing, ten times")
            << Bord::OuvertOuvert << true << 0.12 << 2.5 << 1.2 << 2.0;
        QTest::newRow("standing 0.02 cm, rounding kept out")
            << Bord::OuvertFerme << true << 0.02 << 0.0 << 0.2 << 0.2;
        QTest::newRow("standing 5 cm") << Bord::OuvertOuvert << true << 0.5 << 0.0 << 5.0 << 5.0;
        QTest::newRow("at rest") << Bord::Progressive << true << 0.0 << 0.0 << 0.0 << 0.1;
        QTest::newRow("tiny") << Bord::Progressive << true << 0.03 << 0.0 << 0.03 << 0.1;
        QTest::newRow("large") << Bord::Progressive << true << 12.0 << 0.0 << 12.0 << 20.0;
    }
    void echelleDeplacement() {
        QFETCH(Bord, bord);
        QFETCH(bool, periodique);
        QFETCH(double, amplVib);
        QFETCH(double, amplSoliton);
        QFETCH(double, amplitude);
        QFETCH(double, demiEchelle);
        Module1 m;
        m.AmplVib = amplVib;
        m.AmplSoliton = amplSoliton;
        const double a = AmplitudeAttendue(m, bord, periodique);
        QVERIFY(std::fabs(a - amplitude) < 1e-12);
        QCOMPARE(DemiEchelleDeplacement(a), demiEchelle);
    }
};

QTEST_APPLESS_MAIN(TestLeLongDuMilieu)
#include "tst_lelongdumilieu.moc"
