// Listening never lies: after any sequence of wave, frequency, sensor and
// listen actions, the tone plays if and only if the listen control shows the
// stop picture, always at 1000 times the frequency shown, and one press of
// the key for listening at sensor 1 toggles it. And after any sequence of
// keys and clicks, every control shows the pupil's choices as they are.

#include "Banc.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/EcouteAuCapteur.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QCheckBox>
#include <QRadioButton>
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

enum Action { L, MajL, Famille, Plus, Capteur1 };
const QKeyCombination Touches[] = {Qt::Key_L, Qt::SHIFT | Qt::Key_L, Qt::Key_I, Qt::Key_Up,
                                   Qt::Key_1};

// Keys and clicks a pupil may use, in any order.
const QStringList AutresTouches =
    QStringLiteral("L Shift+L I Up PgUp PgDown Shift+Up Shift+Down Alt+Up Alt+Down 1 2 P E F A G "
                   "S T Shift+T M O V Space Right F6")
        .split(QLatin1Char(' '));
const QStringList Cliques =
    QStringLiteral("Image5 Image6 Label11 Label31 OndeProgressive OndeStationnaire "
                   "OndeStationnaire2 capteur1 Capteur2 micro1_coche CacherModeleMicro Label15 "
                   "Label13 CacheOscillo CacheVibreur Label12 Sens_2 Sens_4 Sens_0 Gaz Solide "
                   "Amortissement ModeleMicro")
        .split(QLatin1Char(' '));

// Every control that shows a choice shows the one the model holds.
void verifieAccord(Fenetre& f, const QString& ou) {
    const OS& os = *f.os;
    const ControlesOS& c = os.controles();
    const ValeursChoix& v = os.choix().valeurs();
    const QByteArray texte = ou.toUtf8();
    const char* o = texte.constData();
    const bool joue = f.son.joue, periodique = v.vibration == Vibration::Periodique;
    QVERIFY2(joue == os.choix().ecoute() && f.boutonArret() == joue, o);
    QVERIFY2(c.Command4->isHidden() == joue && (!joue || f.son.ton == 1000 * f.m.Freq), o);
    // The pulses are heard only at sensor 1, which must be on.
    QVERIFY2(!joue || periodique || v.ecouteAuCapteur, o);
    QVERIFY2(!v.ecouteAuCapteur || (joue && os.choix().capteur(1).actif), o);
    QVERIFY2(c.OndeSolitaire->isHidden() == periodique &&
                 c.OndePeriodique->isVisible() == periodique &&
                 c.OndeStationnaire->isEnabled() == periodique,
             o);
    const QRadioButton* bords[] = {c.OndeProgressive, c.OndeStationnaire, c.OndeStationnaire2};
    for (std::size_t k = 0; k < 3; ++k)
        QVERIFY2(bords[k]->isChecked() == (std::size_t(v.bord) == k), o);
    // The open-end mark shows with the model, and only for its option.
    const bool ouvert = v.bord == Bord::OuvertOuvert;
    QVERIFY2(ouvert ? c.BordOuvert->isVisible() || !c.ModeleMicro->isVisible()
                    : !c.BordOuvert->isVisible(),
             o);
    QVERIFY2(c.Amortissement->isChecked() == v.amortissement &&
                 c.Solide->isChecked() != c.Gaz->isChecked() &&
                 c.Gaz->isChecked() == (v.milieu == EtatMilieu::Gaz),
             o);
    QVERIFY2(c.frequence->value() == v.frequence && c.v->value() == v.vitesse &&
                 c.AmplitudeSoliton->value() == v.amplitudeSoliton,
             o);
    QVERIFY2(c.Amplitude->value() == v.amplitude && c.Amplitude->maximum() == v.amplitudeMax, o);
    QVERIFY2(f.m.Freq == v.frequence / 10.0 && f.m.Celerite == 5.0 * v.vitesse, o);
    QVERIFY2(c.Sens[std::size_t(v.indexBaseTemps)]->isChecked() &&
                 f.m.BaseTemps == BasesTemps[std::size_t(v.indexBaseTemps)],
             o);
    QVERIFY2(c.Vibreur->isHidden() != v.vibreurOuvert &&
                 c.ModeleMicro->isHidden() != v.modeleOuvert &&
                 c.Oscilloscope->isHidden() != v.oscilloscopeOuvert,
             o);
    const int b = c.ModeleMicro->bordure();
    const double pixel = c.ModeleMicro->versEchelle(QPointF(1, 0)).x(); // in centimetres
    for (int n : {1, 2}) {
        const Capteur& k = os.choix().capteur(n);
        const QWidget* marque = n == 1 ? c.Micro1 : c.Micro2;
        QVERIFY2(marque->isHidden() != k.actif &&
                     (n == 1 ? c.micro1_coche : c.micro2_coche)->isHidden() != k.actif &&
                     (n == 1 ? c.micro1_noncoche : c.micro2_noncoche)->isHidden() == k.actif,
                 o);
        const QPointF ici = c.ModeleMicro->versEchelle(QPointF(marque->x() - b, marque->y() - b));
        QVERIFY2(std::abs(ici.x() - k.x) <= pixel && std::abs(ici.y() - k.y) <= pixel, o);
    }
}

} // namespace

class TstEcouteEtat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void sequences_data() {
        QTest::addColumn<std::vector<int>>("actions");
        // As teachers met them: the tone went on under the "off" picture,
        // kept its old pitch, or took two presses.
        QTest::addRow("pulses and back")
            << std::vector<int>{Capteur1, MajL, Famille, MajL, Famille, MajL, Famille, Plus, MajL};
        QTest::addRow("stop under the sensor")
            << std::vector<int>{Capteur1, MajL, L, MajL, MajL, Famille, MajL, Capteur1, L};
    }

    void sequences() {
        QFETCH(std::vector<int>, actions);
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

    // Keys and clicks at random, as a class of pupils would use them.
    void accord_data() {
        QTest::addColumn<unsigned>("graine");
        for (unsigned graine : {11u, 12u, 13u})
            QTest::addRow("random %u", graine) << graine;
    }
    void accord() {
        QFETCH(unsigned, graine);
        std::mt19937 hasard(graine);
        const int nbTouches = int(AutresTouches.size());
        std::uniform_int_distribution<int> une(0, nbTouches + int(Cliques.size()) - 1);
        Fenetre f;
        verifieAccord(f, QStringLiteral("start"));
        for (int k = 0; k < 400; ++k) {
            const int a = une(hasard);
            QString ou = QStringLiteral("step %1, ").arg(k);
            const bool avant = f.ecoute(), capteur = f.os->choix().capteur(1).actif;
            if (a < nbTouches) {
                ou += AutresTouches[a];
                f.touche(QKeySequence(AutresTouches[a])[0]);
                // One press toggles, and only with sensor 1 on.
                if (AutresTouches[a] == QLatin1String("Shift+L"))
                    QVERIFY2(f.ecoute() == (!avant && capteur), qPrintable(ou));
            } else {
                QWidget* w = f.os->controle(Cliques[a - nbTouches]);
                ou += w->objectName();
                // Only what a pupil can reach; a click somewhere on the model.
                if (w->isVisible() && w->isEnabled())
                    QTest::mouseClick(w, k % 3 ? Qt::LeftButton : Qt::RightButton, {},
                                      QPoint(w->width() * (k % 7 + 1) / 8, w->height() / 2));
            }
            verifieAccord(f, ou);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TstEcouteEtat)
#include "tst_ecoute_etat.moc"
