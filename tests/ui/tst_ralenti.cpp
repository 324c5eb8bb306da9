// Slow motion against a hand-driven clock: the simulated time runs at the
// fraction chosen, without a jump when it changes; pause, step, pulses and
// the sweep keep their meaning in simulated time; the title says the speed.

#include "Banc.h"
#include "model/HorlogeRalentie.h"
#include "model/Mesure.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/Ralenti.h"

using namespace vibralume;

namespace {

// The window on a slowed clock, itself reading a hand clock.
struct BancRalenti {
    Module1 m;
    HorlogeManuelle reelle{36000.0};
    HorlogeRalentie horloge{reelle};
    AleatoireScripte alea{{0.25, 0.5}};
    SonCompte son;
    std::unique_ptr<OS> os;
    std::unique_ptr<ComplementsOS> complements;
    BancRalenti() {
        os = std::make_unique<OS>(m, horloge, alea, son);
        complements = std::make_unique<ComplementsOS>(
            *os, DemarrageOS{}, [](double) {}, nullptr, &horloge);
        os->show();
        os->Timer1().stop();
        os->Timer1().start(1 << 30); // running, as far as the handlers can tell
    }
    void tickA(double reel) {
        reelle.lecture = reel;
        os->Timer1_Timer();
    }
};

} // namespace

class TstRalenti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // The clock alone: each fraction from where the clock stood.
    void horloge() {
        HorlogeManuelle reelle(100);
        HorlogeRalentie h(reelle);
        QCOMPARE(h.secondes(), 100.0);
        reelle.lecture = 104;
        QCOMPARE(h.secondes(), 104.0);
        h.setFacteur(0.25);
        QCOMPARE(h.secondes(), 104.0); // no jump
        reelle.lecture = 108;
        QCOMPARE(h.secondes(), 105.0);
        h.setFacteur(0.1);
        reelle.lecture = 118;
        QCOMPARE(h.secondes(), 106.0);
        h.setFacteur(1);
        reelle.lecture = 120;
        QCOMPARE(h.secondes(), 108.0);
        h.setFacteur(0); // refused
        QCOMPARE(h.facteur(), 1.0);
    }

    // One real second at each speed, from the key: the simulated time, the
    // title, and the oscilloscope's sweep.
    void vitesses_data() {
        QTest::addColumn<int>("appuis");
        QTest::addColumn<int>("ms"); // simulated per real second
        QTest::addColumn<QString>("titre");
        QTest::newRow("real time") << 0 << 1000 << "Vibralume";
        QTest::newRow("1/2") << 1 << 500 << "Vibralume — ralenti x1/2";
        QTest::newRow("1/4") << 2 << 250 << "Vibralume — ralenti x1/4";
        QTest::newRow("1/10") << 3 << 100 << "Vibralume — ralenti x1/10";
        QTest::newRow("back to real time") << 4 << 1000 << "Vibralume";
    }
    void vitesses() {
        QFETCH(int, appuis);
        QFETCH(int, ms);
        QFETCH(QString, titre);
        BancRalenti b;
        QApplication::setActiveWindow(b.os.get());
        b.tickA(36000.0);
        for (int k = 0; k < appuis; ++k)
            QTest::keyClick(b.os.get(), Qt::Key_R);
        const int32_t avant = b.m.TempsMs;
        b.tickA(36001.0);
        QCOMPARE(b.m.TempsMs - avant, ms);
        QCOMPARE(b.os->windowTitle(), titre);
        // The sweep moves on by the simulated time: ms / 2000 of a 2 s screen.
        QCOMPARE(b.m.TempsPrec, PositionBalayage(avant, 2));
        QVERIFY(std::abs(PositionBalayage(b.m.TempsMs, 2) - PositionBalayage(avant, 2) -
                         std::fmod(ms / 1000.0, 2.0)) < 1e-9);
    }

    // Pause, run, step and pulses in simulated time, slowed to a quarter.
    void marcheAuRalenti() {
        BancRalenti b;
        b.complements->ralenti()->choisit(4);
        b.tickA(36000.0);
        b.tickA(36002.0); // two real seconds: half a simulated one
        QCOMPARE(b.m.TempsMs, 36000500);
        b.os->Command1_Click(); // pause
        QCOMPARE(b.m.TempsPause, 36000.5);
        b.reelle.lecture = 36100; // a long wait
        b.os->Command2_Click();   // run
        b.tickA(36104.0);         // four real seconds: one simulated
        QCOMPARE(b.m.TempsMs, 36001500);
        b.os->Command3_Click(); // a step is 25 ms of simulated time, whatever the speed
        QCOMPARE(b.m.TempsMs, 36001525);
        b.os->Command2_Click();
        // A pulse leaves 0.25 s of simulated time after the click: one real second.
        b.os->Label11_Click();
        b.os->Soliton_Click(1);
        QVERIFY(std::abs(b.m.DebutSoliton - (b.m.TempsMs / 1000.0 + 0.25)) < 1e-9);
    }
};

QTEST_MAIN(TstRalenti)
#include "tst_ralenti.moc"
