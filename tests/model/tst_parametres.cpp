// Start-up values and the parameter refresh: derived parameters, captions,
// resonance and tone.

#include "Doublures.h"
#include "model/Demarrage.h"
#include "model/Legendes.h"
#include "model/Parametres.h"
#include "model/TexteNombre.h"

#include <QTest>
#include <cmath>
#include <stdexcept>

using namespace vibralume;

namespace {

/// Scroll-bar and option positions the refresh reads.
struct Controles {
    int16_t frequence = 18;
    int16_t v = 3;
    int16_t amplitude = 10;
    int16_t amplitudeSoliton = 25;
    Bord bord = Bord::Progressive;
    bool solitaire = false;
};

struct Rafraichi {
    Marqueurs marqueurs;
    int16_t amplitudeMax = 0;
    Ton ton;
};

/// The model's share of the refresh, in the window's order.
Rafraichi Rafraichit(Module1& m, const Controles& c) {
    Rafraichi r;
    m.DureeBalayage = DureeBalayagePour(m.BaseTemps);
    m.Freq = FreqPour(c.frequence);
    m.Celerite = CeleritePour(c.v);
    r.marqueurs = MajAmplitudes(m, c.solitaire, c.bord, c.amplitude, c.amplitudeSoliton);
    r.amplitudeMax = AmplitudeMax(m.Celerite, m.Freq);
    m.NbOnde = NbOndePour(m.Freq, m.Celerite);
    m.Resonance = ResonancePour(c.bord, m.Freq, m.Celerite);
    r.ton = TonPour(m.Freq, m.AmplVib, m.Resonance);
    return r;
}

} // namespace

class TestParametres : public QObject {
    Q_OBJECT

private slots:
    void valeursDeDemarrage() {
        Module1 m;
        Demarrage(m);
        const Rafraichi r = Rafraichit(m, Controles{});

        QVERIFY(m.PosRepos[0] == 0);
        for (int i = 1; i <= NbTranches; ++i) {
            QVERIFY(m.PosRepos[i] == 0.5 * i);
            QVERIFY(m.Elongation[i] == 0);
        }
        QVERIFY(m.BaseTemps == 200 && m.DureeBalayage == 2 && m.TempsDepart == 0);
        QCOMPARE(int(m.TypeSoliton), 1);
        QVERIFY(m.DebutSoliton == 0);
        QVERIFY(m.Freq == 1.8 && m.Celerite == 15 && m.AmplVib == 1);
        QVERIFY(std::fabs(m.NbOnde - 0.753982236) < 1e-12);
        QVERIFY(m.AmplSoliton == 0);
        QVERIFY(!m.Resonance);
        QCOMPARE(int(r.amplitudeMax), 10);
        QVERIFY(r.marqueurs.gauche == 1 && r.marqueurs.droite == 3);

        QCOMPARE(Q(NombreLabel2(18)), QString(" 1.8"));
        QCOMPARE(Q(NombreLabel3(m.AmplVib)), QString(" 1"));
        QCOMPARE(Q(LegendeLambda(m.Celerite, m.Freq)), QString(" 8.33cm"));
        QCOMPARE(Q(LegendeVit(m.Celerite)), QString(" 15cm/s"));
        QCOMPARE(Q(LegendeF(m.Freq)), QString(" 1.8Hz"));
    }

    void amplitudeMax_data() {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("frequence");
        QTest::addColumn<int>("attendu");
        QTest::newRow("depart 10.4166") << 3 << 18 << 10;
        QTest::newRow("12.5 vers pair") << 1 << 5 << 12;
        QTest::newRow("37.5 vers pair") << 3 << 5 << 38;
        QTest::newRow("plus grand") << 8 << 1 << 500;
        QTest::newRow("plus petit") << 1 << 40 << 2;
    }
    void amplitudeMax() {
        QFETCH(int, v);
        QFETCH(int, frequence);
        QFETCH(int, attendu);
        QCOMPARE(int(AmplitudeMax(CeleritePour(int16_t(v)), FreqPour(int16_t(frequence)))),
                 attendu);
    }

    void debordements() {
        QCOMPARE(CeleritePour(8), 40.0);
        QCOMPARE(CeleritePour(6553), 32765.0);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, CeleritePour(6554));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, CeleritePour(-6554));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, AmplitudeMax(15, 0));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, TonPour(1, 1e6, true));
    }

    void legendesFrequence_data() {
        QTest::addColumn<int>("frequence");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("defilee");
        QTest::addColumn<QString>("f");
        QTest::newRow("1") << 1 << "0.1"
                           << " .1"
                           << "0.1Hz";
        QTest::newRow("9") << 9 << "0.9"
                           << " .9"
                           << "0.9Hz";
        QTest::newRow("10") << 10 << " 1"
                            << " 1"
                            << " 1Hz";
        QTest::newRow("18") << 18 << " 1.8"
                            << " 1.8"
                            << " 1.8Hz";
        QTest::newRow("40") << 40 << " 4"
                            << " 4"
                            << " 4Hz";
    }
    void legendesFrequence() {
        QFETCH(int, frequence);
        QFETCH(QString, label2);
        QFETCH(QString, defilee);
        QFETCH(QString, f);
        QCOMPARE(Q(NombreLabel2(int16_t(frequence))), label2);
        QCOMPARE(Q(NombreFrequenceDefilee(int16_t(frequence))), defilee);
        QCOMPARE(Q(LegendeF(FreqPour(int16_t(frequence)))), f);
    }

    void legendesVitesse_data() {
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("vit");
        QTest::addColumn<QString>("lambda");
        QTest::newRow("1") << 1 << " 5cm/s"
                           << " 2.77cm";
        QTest::newRow("8") << 8 << " 40cm/s"
                           << " 22.22cm";
    }
    void legendesVitesse() {
        QFETCH(int, v);
        QFETCH(QString, vit);
        QFETCH(QString, lambda);
        const double c = CeleritePour(int16_t(v));
        QCOMPARE(Q(LegendeVit(c)), vit);
        QCOMPARE(Q(LegendeLambda(c, 1.8)), lambda);
        QCOMPARE(Q(LegendeLambda(c, 0)), QString("-"));
    }

    void amplitudes_data() {
        QTest::addColumn<int>("bord");
        QTest::addColumn<bool>("solitaire");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<double>("amplVib");
        QTest::addColumn<double>("amplSoliton");
        QTest::addColumn<double>("gauche");
        QTest::addColumn<double>("droite");
        QTest::addColumn<QString>("legende");
        const int p = int(Bord::Progressive), oo = int(Bord::OuvertOuvert),
                  of = int(Bord::OuvertFerme);
        QTest::newRow("progressive 10") << p << false << 10 << 1.0 << 0.0 << 1.0 << 3.0 << " 1";
        QTest::newRow("progressive 15") << p << false << 15 << 1.5 << 0.0 << 0.5 << 3.5 << " 1.5";
        QTest::newRow("progressive 0") << p << false << 0 << 0.0 << 0.0 << 2.0 << 2.0 << " 0";
        QTest::newRow("ouvert-ouvert 10") << oo << false << 10 << 0.1 << 0.0 << 1.9 << 2.1 << "0.1";
        QTest::newRow("ouvert-ferme 5")
            << of << false << 5 << 0.05 << 0.0 << 1.95 << 2.05 << "0.05";
        QTest::newRow("soliton 25") << p << true << 25 << 0.7 << 2.5 << 4.5 << 4.5 << " 2.5";
        QTest::newRow("soliton 5") << p << true << 5 << 0.7 << 0.5 << 2.5 << 2.5 << " .5";
    }
    void amplitudes() {
        QFETCH(int, bord);
        QFETCH(bool, solitaire);
        QFETCH(int, valeur);
        QFETCH(double, amplVib);
        QFETCH(double, amplSoliton);
        QFETCH(double, gauche);
        QFETCH(double, droite);
        QFETCH(QString, legende);
        Module1 m;
        m.AmplVib = 0.7; // left by an earlier periodic refresh
        const Marqueurs r =
            MajAmplitudes(m, solitaire, Bord(bord), int16_t(valeur), int16_t(valeur));
        QCOMPARE(m.AmplVib, amplVib);
        QCOMPARE(m.AmplSoliton, amplSoliton);
        QCOMPARE(r.gauche, gauche);
        QCOMPARE(r.droite, droite);
        QCOMPARE(Q(solitaire ? TexteNombre(m.AmplSoliton) : NombreLabel3(m.AmplVib)), legende);
    }

    void resonance_data() {
        QTest::addColumn<int>("bord");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("frequence");
        QTest::addColumn<bool>("attendu");
        const int p = int(Bord::Progressive), oo = int(Bord::OuvertOuvert),
                  of = int(Bord::OuvertFerme);
        QTest::newRow("oo a=1") << oo << 3 << 5 << true;
        QTest::newRow("of a=1 b=2") << of << 3 << 5 << false;
        QTest::newRow("progressive a=1") << p << 3 << 5 << false;
        QTest::newRow("oo a=1.5") << oo << 2 << 5 << false;
        QTest::newRow("of a=1.5 b=3") << of << 2 << 5 << true;
        QTest::newRow("of 40cm/s 2Hz") << of << 8 << 20 << true;
        QTest::newRow("oo a=3") << oo << 3 << 15 << true;
        QTest::newRow("oo depart a=3.6") << oo << 3 << 18 << false;
        QTest::newRow("of depart b=7.2") << of << 3 << 18 << false;
    }
    void resonance() {
        QFETCH(int, bord);
        QFETCH(int, v);
        QFETCH(int, frequence);
        QFETCH(bool, attendu);
        QCOMPARE(ResonancePour(Bord(bord), FreqPour(int16_t(frequence)), CeleritePour(int16_t(v))),
                 attendu);
    }

    void ton_data() {
        QTest::addColumn<double>("freq");
        QTest::addColumn<double>("amplVib");
        QTest::addColumn<bool>("resonance");
        QTest::addColumn<double>("f");
        QTest::addColumn<int>("p");
        QTest::newRow("resonance x65534") << 0.5 << 0.1 << true << 500.0 << 6553;
        QTest::newRow("hors resonance x6553.4") << 0.5 << 0.1 << false << 500.0 << 655;
        QTest::newRow("depart") << 1.8 << 1.0 << false << 1800.0 << 6553;
        QTest::newRow("49150.5 vers pair") << 1.8 << 7.5 << false << 1800.0 << 49150;
        QTest::newRow("pleine echelle") << 0.5 << 0.5 << true << 500.0 << 32767;
    }
    void ton() {
        QFETCH(double, freq);
        QFETCH(double, amplVib);
        QFETCH(bool, resonance);
        QFETCH(double, f);
        QFETCH(int, p);
        const Ton t = TonPour(freq, amplVib, resonance);
        QCOMPARE(t.F, f);
        QCOMPARE(t.P, p);
    }

    void resonanceDansLeRafraichissement() {
        // Open-open standing wave at 0.5 Hz and 15 cm/s: the tone is ten times louder.
        Module1 m;
        Demarrage(m);
        const Rafraichi r = Rafraichit(m, {5, 3, 10, 25, Bord::OuvertOuvert, false});
        QVERIFY(m.Resonance);
        QCOMPARE(m.AmplVib, 0.1);
        QCOMPARE(r.ton.P, 6553);
        QCOMPARE(Q(LegendeF(m.Freq)), QString("0.5Hz"));
    }

    void changementDeBaseDeTemps() {
        Module1 m;
        Demarrage(m);
        m.BaseTemps = 1500;
        Rafraichit(m, Controles{});
        QCOMPARE(m.DureeBalayage, 15.0);
    }
};

QTEST_APPLESS_MAIN(TestParametres)
#include "tst_parametres.moc"
