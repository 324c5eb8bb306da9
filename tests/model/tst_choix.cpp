// The pupil's choices: the rules that tie one choice to another, and the
// parameters a refresh derives from them. How the window keeps them is
// checked through the window (tests/ui/tst_ecoute_etat).

#include "model/ChoixEleve.h"

#include <QTest>

using namespace vibralume;

Q_DECLARE_METATYPE(Vibration)
Q_DECLARE_METATYPE(Bord)

class TstChoix : public QObject {
    Q_OBJECT
private slots:
    // A sequence of choices, then the state a refresh derives from them.
    void derives_data() {
        QTest::addColumn<Vibration>("vibration");
        QTest::addColumn<Bord>("bord");
        QTest::addColumn<int>("frequence");
        QTest::addColumn<int>("vitesse");
        QTest::addColumn<int>("amplitude");
        QTest::addColumn<double>("amplVib");
        QTest::addColumn<double>("amplSoliton");
        QTest::addColumn<bool>("resonance");
        QTest::addColumn<int>("amplitudeMax");
        QTest::addColumn<double>("marqueD");
        QTest::addRow("start") << Vibration::Periodique << Bord::Progressive << 18 << 3 << 10 << 1.0
                               << 0.0 << false << 10 << 3.0;
        // The standing cap is 50: 35 stays, read in hundredths.
        QTest::addRow("open-open resonant") << Vibration::Periodique << Bord::OuvertOuvert << 5 << 3
                                            << 35 << 0.35 << 0.0 << true << 38 << 2.35;
        QTest::addRow("open-closed same values") << Vibration::Periodique << Bord::OuvertFerme << 5
                                                 << 3 << 35 << 0.35 << 0.0 << false << 38 << 2.35;
        QTest::addRow("open-closed resonant") << Vibration::Periodique << Bord::OuvertFerme << 5
                                              << 6 << 4 << 0.04 << 0.0 << true << 75 << 2.04;
        // The pulses bring the boundary back to none and leave AmplVib as it was.
        QTest::addRow("pulses") << Vibration::Solitaire << Bord::OuvertOuvert << 5 << 3 << 10 << 0.0
                                << 2.5 << false << 38 << 4.5;
    }
    void derives() {
        QFETCH(Vibration, vibration);
        QFETCH(Bord, bord);
        QFETCH(int, frequence);
        QFETCH(int, vitesse);
        QFETCH(int, amplitude);
        Module1 m;
        ChoixEleve c(m);
        c.bord(bord);
        c.vibration(vibration);
        c.frequence(int16_t(frequence));
        c.vitesse(int16_t(vitesse));
        c.amplitude(int16_t(amplitude));
        const Derives d = c.majParametres();
        QCOMPARE(m.Freq, frequence / 10.0);
        QCOMPARE(m.Celerite, 5.0 * vitesse);
        QTEST(m.AmplVib, "amplVib");
        QTEST(m.AmplSoliton, "amplSoliton");
        QTEST(m.Resonance, "resonance");
        QTEST(int(d.amplitudeMax), "amplitudeMax");
        QTEST(d.marques.droite, "marqueD");
        QCOMPARE(c.entreesTick().progressive,
                 bord == Bord::Progressive || vibration == Vibration::Solitaire);
    }
};

QTEST_APPLESS_MAIN(TstChoix)
#include "tst_choix.moc"
