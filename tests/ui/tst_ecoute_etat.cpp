// Listening never lies: after any sequence of wave, frequency, sensor and
// listen actions, the tone plays if and only if the listen control shows the
// stop picture, always at 1000 times the frequency shown, and one press of
// the key for listening at sensor 1 toggles it.

#include "Banc.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/EcouteAuCapteur.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/PictureBox.h"

#include <random>

using namespace vibralume;

namespace {

// What the output does: playing or not, and which tone.
class SonSuivi : public Son {
public:
    bool GenereSon(double F, const int32_t&) override {
        fichier = F;
        return true;
    }
    void JoueSon() override {
        joue = true;
        ton = fichier;
    }
    void ArreteSon() override { joue = false; }
    bool tonDisponible() const override { return true; }

    double fichier = 0; ///< the tone file's frequency
    double ton = 0;     ///< the tone playing, while `joue`
    bool joue = false;
};

struct Fenetre {
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.25, 0.5}};
    SonSuivi son;
    std::unique_ptr<OS> os;
    ComplementsOS* complements;

    Fenetre() {
        os = std::make_unique<OS>(m, horloge, alea, son);
        complements = new ComplementsOS(*os, DemarrageOS{}, {}, nullptr, nullptr, &son);
        os->show();
        os->Timer1().stop();
        QApplication::setActiveWindow(os.get());
        os->activateWindow();
        os->AfficheModeleMicro();
        os->mesures().AfficheOscilloscope();
    }
    void touche(QKeyCombination k) { QTest::keyClick(os.get(), k.key(), k.keyboardModifiers()); }
    bool boutonArret() const { return !os->controles().Command5->isHidden(); }
    bool ecoute() const { return complements->ecoute()->actif(); }
};

enum Action { L, MajL, Famille, Plus, Moins, Capteur1, Progressive, Stationnaire, Soliton, Pas };
const QKeyCombination Touches[] = {Qt::Key_L,    Qt::SHIFT | Qt::Key_L,
                                   Qt::Key_I,    Qt::Key_Up,
                                   Qt::Key_Down, Qt::Key_1,
                                   Qt::Key_P,    Qt::Key_E,
                                   Qt::Key_F5,   Qt::Key_Right};

} // namespace

class TstEcouteEtat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void sequences_data() {
        QTest::addColumn<std::vector<int>>("actions");
        QTest::addColumn<unsigned>("graine");
        // As teachers met them: the tone went on under the "off" picture,
        // kept its old pitch, or took two presses.
        QTest::addRow("pulses and back")
            << std::vector<int>{Capteur1, MajL, Famille, MajL, Famille, MajL, Famille, Plus, MajL}
            << 0u;
        QTest::addRow("stop under the sensor")
            << std::vector<int>{Capteur1, MajL, L, MajL, MajL, Famille, MajL, Capteur1, L} << 0u;
        for (unsigned graine : {1u, 2u, 3u, 4u})
            QTest::addRow("random %u", graine) << std::vector<int>{} << graine;
    }

    void sequences() {
        QFETCH(std::vector<int>, actions);
        QFETCH(unsigned, graine);
        if (graine != 0) {
            std::mt19937 hasard(graine);
            std::uniform_int_distribution<int> une(0, Pas);
            for (int k = 0; k < 300; ++k)
                actions.push_back(une(hasard));
        }
        Fenetre f;
        for (std::size_t k = 0; k < actions.size(); ++k) {
            const bool avant = f.ecoute();
            const bool capteur = f.os->mesures().capteurActif(1);
            f.touche(Touches[actions[k]]);
            const QString ou = QStringLiteral("step %1").arg(k);
            QVERIFY2(f.son.joue == f.boutonArret() && f.son.joue == f.m.SonActif, qPrintable(ou));
            if (f.son.joue)
                QVERIFY2(f.son.ton == 1000 * f.m.Freq, qPrintable(ou));
            QVERIFY2(!f.ecoute() || f.son.joue, qPrintable(ou));
            if (actions[k] == MajL)
                QVERIFY2(f.ecoute() == (!avant && capteur), qPrintable(ou));
            if (!f.os->mesures().capteurActif(1))
                QVERIFY2(!f.ecoute(), qPrintable(ou));
        }
    }

    // Sensor 1 switched off under it: plain listening for the periodic
    // vibration, silence for the pulses, which plain listening does not offer.
    void capteurEteint_data() {
        QTest::addColumn<bool>("impulsions");
        QTest::addRow("periodic") << false;
        QTest::addRow("pulses") << true;
    }
    void capteurEteint() {
        QFETCH(bool, impulsions);
        Fenetre f;
        f.touche(Qt::SHIFT | Qt::Key_L);
        QVERIFY(!f.ecoute() && !f.son.joue); // refused: sensor 1 is off
        f.touche(Qt::Key_1);
        if (impulsions)
            f.touche(Qt::Key_I);
        f.touche(Qt::SHIFT | Qt::Key_L);
        QVERIFY(f.ecoute() && f.son.joue);
        f.touche(Qt::Key_1);
        QVERIFY(!f.ecoute());
        QCOMPARE(f.son.joue, !impulsions);
        QCOMPARE(f.boutonArret(), !impulsions);
    }
};

QTEST_MAIN(TstEcouteEtat)
#include "tst_ecoute_etat.moc"
