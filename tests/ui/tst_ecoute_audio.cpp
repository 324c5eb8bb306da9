// Listening from the main window, as heard: the real window with the real
// player, clicked as a pupil would, its tone played through the private
// PulseAudio null sink (started by the CTest fixture), recorded from the
// sink's monitor and measured.

#include "model/Module1.h"
#include "model/Parametres.h"
#include "sound/DossierSon.h"
#include "sound/Generateur.h"
#include "sound/SonLecture.h"
#include "tests/model/Doublures.h"
#include "tests/sound/Enregistreur.h"
#include "tests/sound/FichierTon.h"
#include "ui/demarrage/Application.h"
#include "ui/simulation/OS.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <iostream>
#include <memory>

using namespace vibralume;
using essai::Fe;
using essai::secondes;
using essai::Seuil;

namespace {

// 10 ms: every multiple of 100 Hz falls on an exact bin of such a window.
constexpr qsizetype Fenetre = 441;

// The window as the program builds it, with a clock and a generator the test
// holds still. The window goes before its sound, as in the program.
struct FenetreEcoute {
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.25, 0.5}};
    QTemporaryDir dossierTemporaire;
    DossierSon dossier{dossierTemporaire.path().toStdString(), std::cerr};
    SonLecture son{dossier, std::cerr};
    std::unique_ptr<OS> os;

    FenetreEcoute() {
        os = std::make_unique<OS>(m, horloge, alea, son);
        os->show();
        os->Timer1().stop();
    }
    QWidget* w(const char* nom) const { return os->controle(QString::fromLatin1(nom)); }
    // The tone the window should be playing now.
    Ton ton() const { return TonPour(m.Freq, m.AmplVib, m.Resonance); }
};

void clique(QWidget* c, QPoint ou) {
    QTest::mouseClick(c, Qt::LeftButton, {}, ou);
}

void clique(QWidget* c) {
    clique(c, QPoint(c->width() / 2, c->height() / 2));
}

// True when the 10 ms from `i` hold `ton` (at the pitch heard) at half its
// level or more, and `autre` a hundred times weaker.
bool seul(const std::vector<int16_t>& s, qsizetype i, Ton ton, double autre) {
    const double p = essai::puissance(s, i, i + Fenetre, ton.F, false);
    const double fort = std::pow(Fenetre / 2.0 * ton.P / 2, 2);
    return p > fort && p > 100 * essai::puissance(s, i, i + Fenetre, autre, false);
}

} // namespace

class TstEcouteAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ecoute_data();
    void ecoute();
    void changementDeFrequence_data();
    void changementDeFrequence();
    void arret_data();
    void arret();
    void fermeture();
    void boucle_data();
    void boucle();
    void vibrationSolitaire();

private:
    // Clicks the control; returns the recording's index at the click, heure_ its time.
    qsizetype clicEnregistre(const char* nom);
    // Clicks the listen button; returns the index of the first sound recorded, -1 if none.
    qsizetype ecouteDemarree();
    // First index in [debut, fin) where the sound is present, -1 if none.
    qsizetype debutDuSon(qsizetype debut, qsizetype fin) const;
    // Seconds from `appel` until the sound has died away for good (within 0.6 s),
    // -1 when the recording stalls.
    double silenceApres(qsizetype appel);

    std::unique_ptr<FenetreEcoute> f_;
    essai::Enregistreur enregistreur_;
    qint64 heure_ = 0;
};

void TstEcouteAudio::initTestCase() {
    prepareApplication();
    const QString pourquoi = enregistreur_.demarreSurServeurPrive();
    QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
}

void TstEcouteAudio::init() {
    f_ = std::make_unique<FenetreEcoute>();
}

void TstEcouteAudio::cleanup() {
    f_.reset();
    // Let the sink fall silent before the next case listens.
    QTest::qWait(200);
}

qsizetype TstEcouteAudio::clicEnregistre(const char* nom) {
    QWidget* c = f_->w(nom);
    const qsizetype maintenant = enregistreur_.maintenant();
    heure_ = enregistreur_.horloge();
    clique(c);
    return maintenant;
}

qsizetype TstEcouteAudio::debutDuSon(qsizetype debut, qsizetype fin) const {
    return essai::premierSon(enregistreur_.echantillons(), debut, fin);
}

double TstEcouteAudio::silenceApres(qsizetype appel) {
    if (!enregistreur_.attends(appel + secondes(0.6))) {
        return -1;
    }
    const auto& s = enregistreur_.echantillons();
    qsizetype dernier = appel - 1;
    for (qsizetype i = appel; i < appel + secondes(0.6); ++i) {
        if (std::abs(int(s[std::size_t(i)])) > Seuil) {
            dernier = i;
        }
    }
    qInfo("silence %.1f ms after the action in the recording, received %lld ms after it",
          1000.0 * double(dernier + 1 - appel) / Fe, enregistreur_.arrivee(dernier + 1) - heure_);
    return double(dernier + 1 - appel) / Fe;
}

qsizetype TstEcouteAudio::ecouteDemarree() {
    const qsizetype appel = clicEnregistre("Command4");
    if (!enregistreur_.attends(appel + secondes(0.6)) || !f_->son.lecture().joue()) {
        return -1;
    }
    return debutDuSon(appel, appel + secondes(0.6));
}

void TstEcouteAudio::ecoute_data() {
    QTest::addColumn<QString>("bouton");
    QTest::newRow("the button") << QStringLiteral("Command4");
    QTest::newRow("its loudspeaker picture") << QStringLiteral("Image5");
}

// The listen button plays the vibrator's frequency times 1000: 1800 Hz at start-up.
void TstEcouteAudio::ecoute() {
    QFETCH(QString, bouton);
    QCOMPARE(f_->ton().F, 1800.0);
    const qsizetype appel = clicEnregistre(qPrintable(bouton));
    QVERIFY(f_->m.SonActif);
    QVERIFY(f_->w("Command4")->isHidden());
    QVERIFY(!f_->w("Command5")->isHidden());
    QVERIFY(enregistreur_.attends(appel + secondes(1.0)));
    QVERIFY(f_->son.lecture().joue());

    const qsizetype debut = debutDuSon(appel, appel + secondes(1.0));
    QVERIFY2(debut >= 0, "no sound within a second of the click");
    qInfo("click to sound: %.1f ms in the recording, received %lld ms after the click",
          1000.0 * double(debut - appel) / Fe, enregistreur_.arrivee(debut) - heure_);
    const double entendue = essai::frequenceDominante(enregistreur_.echantillons(),
                                                      debut + secondes(0.1), debut + secondes(0.6));
    qInfo("dominant %.2f Hz", entendue);
    QVERIFY2(std::abs(entendue - 1800.0) <= 2.0,
             qPrintable(QStringLiteral("heard %1 Hz instead of 1800 Hz").arg(entendue)));
}

void TstEcouteAudio::changementDeFrequence_data() {
    QTest::addColumn<int>("valeur");
    QTest::addColumn<bool>("parClic");
    QTest::addColumn<double>("F");
    // Ten periods rounded to whole samples set the pitch heard: 441000 / N.
    QTest::addColumn<double>("entendue");

    // The amplitude's maximum falls below its value: the refresh runs twice.
    // 176.4 samples rounded to 176.
    QTest::newRow("25, 2500 Hz, amplitude lowered") << 25 << false << 2500.0 << 441000.0 / 176;
    QTest::newRow("7, 700 Hz") << 7 << false << 700.0 << 700.0;
    // A click in the bar's trough, right of the thumb: one page up. 157.5
    // samples rounded to the even 158.
    QTest::newRow("page click, 2800 Hz") << 28 << true << 2800.0 << 441000.0 / 158;
}

// While listening, a new frequency is heard within a quarter of a second, alone.
void TstEcouteAudio::changementDeFrequence() {
    QFETCH(int, valeur);
    QFETCH(bool, parClic);
    QFETCH(double, F);
    QFETCH(double, entendue);

    const Ton ancien = f_->ton();
    QVERIFY(ecouteDemarree() >= 0);
    QScrollBar* frequence = f_->os->controle<QScrollBar>(QStringLiteral("frequence"));
    const qsizetype appel = enregistreur_.maintenant();
    heure_ = enregistreur_.horloge();
    if (parClic) {
        clique(frequence, QPoint(frequence->width() - 30, frequence->height() / 2));
    } else {
        frequence->setValue(valeur);
    }
    QCOMPARE(frequence->value(), valeur);
    QCOMPARE(f_->ton().F, F);
    const Ton nouveau{entendue, f_->ton().P};
    QVERIFY(f_->son.lecture().joue());
    QVERIFY(enregistreur_.attends(appel + secondes(1.0)));

    const auto& s = enregistreur_.echantillons();
    QVERIFY2(seul(s, appel - Fenetre, ancien, F), "the old tone was not playing alone");
    qsizetype entendu = -1;
    for (qsizetype i = appel - Fenetre; i + Fenetre <= appel + secondes(0.5); i += 44) {
        if (seul(s, i, nouveau, ancien.F)) {
            entendu = i + Fenetre; // the window's end: an upper bound
            break;
        }
    }
    QVERIFY2(entendu >= 0, "the new pitch is never heard");
    const double delai = double(entendu - appel) / Fe;
    qInfo("new pitch heard %.1f ms after the change in the recording, received %lld ms after it",
          1000 * delai, enregistreur_.arrivee(entendu) - heure_);
    QVERIFY2(delai <= 0.25, qPrintable(QStringLiteral("new pitch after %1 s").arg(delai)));
    for (qsizetype i = entendu; i + Fenetre <= appel + secondes(1.0); i += Fenetre) {
        QVERIFY2(seul(s, i, nouveau, ancien.F),
                 qPrintable(QStringLiteral("at +%1 s the new tone is not heard alone")
                                .arg(double(i - appel) / Fe)));
    }
    const double mesuree = essai::frequenceDominante(s, entendu, entendu + secondes(0.5));
    qInfo("dominant %.2f Hz", mesuree);
    QVERIFY2(std::abs(mesuree - entendue) <= 2.0,
             qPrintable(QStringLiteral("heard %1 Hz, expected %2 Hz").arg(mesuree).arg(entendue)));
}

void TstEcouteAudio::arret_data() {
    QTest::addColumn<QString>("bouton");
    QTest::newRow("the button") << QStringLiteral("Command5");
    QTest::newRow("its crossed loudspeaker picture") << QStringLiteral("Image6");
}

// The stop button silences the tone within a tenth of a second, and a
// refresh afterwards does not bring it back.
void TstEcouteAudio::arret() {
    QFETCH(QString, bouton);
    QVERIFY(ecouteDemarree() >= 0);

    const qsizetype appel = clicEnregistre(qPrintable(bouton));
    QVERIFY(!f_->m.SonActif);
    QVERIFY(!f_->son.lecture().joue());
    QVERIFY(!f_->w("Command4")->isHidden());
    QVERIFY(f_->w("Command5")->isHidden());
    const double delai = silenceApres(appel);
    QVERIFY2(delai >= 0, "the recording stalled");
    QVERIFY2(delai <= 0.1,
             qPrintable(QStringLiteral("sound until %1 s after the stop").arg(delai)));

    const qsizetype change = enregistreur_.maintenant();
    f_->os->controle<QScrollBar>(QStringLiteral("frequence"))->setValue(25);
    QVERIFY(enregistreur_.attends(change + secondes(0.4)));
    QCOMPARE(debutDuSon(change, change + secondes(0.4)), qsizetype(-1));
}

// Closing the window while listening leaves the room silent.
void TstEcouteAudio::fermeture() {
    QVERIFY(ecouteDemarree() >= 0);
    const qsizetype appel = enregistreur_.maintenant();
    heure_ = enregistreur_.horloge();
    QVERIFY(f_->os->close());
    QVERIFY(f_->os->isHidden());
    QVERIFY(!f_->son.lecture().joue());
    const double delai = silenceApres(appel);
    QVERIFY2(delai >= 0, "the recording stalled");
    QVERIFY2(delai <= 0.1, qPrintable(QStringLiteral("sound until %1 s after closing").arg(delai)));
}

void TstEcouteAudio::boucle_data() {
    QTest::addColumn<int>("valeur");
    QTest::addColumn<qsizetype>("n");
    QTest::addColumn<bool>("jointureLisse");

    // 441000 / F whole: the file holds ten whole periods, the loop joins unseen.
    QTest::newRow("7, 700 Hz, 630 samples") << 7 << qsizetype(630) << true;
    QTest::newRow("30, 3000 Hz, 147 samples") << 30 << qsizetype(147) << true;
    QTest::newRow("18, 1800 Hz, 245 samples") << 18 << qsizetype(245) << true;
    // Ten periods are 110.25 samples, rounded to 110: the phase jumps at each
    // join, and the measure must see it (or it would see nothing).
    QTest::newRow("40, 4000 Hz, 110 samples, jumps") << 40 << qsizetype(110) << false;
}

// A second of tone while the window ticks: the file's samples over and over
// with nothing lost or added, one unbroken sine when its periods are whole.
void TstEcouteAudio::boucle() {
    QFETCH(int, valeur);
    QFETCH(qsizetype, n);
    QFETCH(bool, jointureLisse);

    f_->os->controle<QScrollBar>(QStringLiteral("frequence"))->setValue(valeur);
    const Ton ton = f_->ton();
    const QByteArray fichier = essai::litOctets(f_->dossier.cheminTon());
    QVERIFY(fichier.size() > 44);
    QCOMPARE((fichier.size() - 44) / 2, n);

    f_->os->Timer1().start();
    const qsizetype debut = ecouteDemarree();
    QVERIFY2(debut >= 0, "no sound after the click");
    QVERIFY(enregistreur_.attends(debut + secondes(1.5)));
    f_->os->Timer1().stop();

    // The loop starts on the file's first sample, but the monitor loses the
    // first few milliseconds of a new stream (the sink rewinds to play it at
    // once, over silence the recorder already has): find where the loop's
    // turns begin from what was kept.
    const auto& s = enregistreur_.echantillons();
    auto ecart = [&](qsizetype origine, qsizetype k, bool sinus) {
        const int attendu = sinus ? essai::echantillonAttendu(int(k), ton.F, ton.P)
                                  : essai::echantillon(fichier, k % n);
        return std::abs(int(s[std::size_t(origine + k)]) - attendu);
    };
    qsizetype origine = -1;
    for (qsizetype o = debut; o > debut - n && origine < 0; --o) {
        bool accord = true;
        for (qsizetype k = debut - o; k < debut - o + n && accord; ++k) {
            accord = ecart(o, k, false) <= 2;
        }
        origine = accord ? o : -1;
    }
    QVERIFY2(origine >= 0, "the recording is not the tone file played in a loop");
    qInfo("the recording starts %lld samples into a turn of the loop", debut - origine);

    int pertes = 0, ruptures = 0;
    for (qsizetype k = secondes(0.2); k < secondes(1.2); ++k) {
        pertes += ecart(origine, k, false) > 2 ? 1 : 0;
        ruptures += ecart(origine, k, true) > 3 ? 1 : 0;
    }
    qInfo("%d samples off the looped file, %d off an unbroken sine", pertes, ruptures);
    QCOMPARE(pertes, 0);
    if (jointureLisse) {
        QCOMPARE(ruptures, 0);
    } else {
        QVERIFY2(ruptures > 10000, qPrintable(QString::number(ruptures)));
    }
}

// Choosing the solitary family while listening stops the tone, and the
// listen button stays mute with it.
void TstEcouteAudio::vibrationSolitaire() {
    QVERIFY(ecouteDemarree() >= 0);
    const qsizetype appel = clicEnregistre("Label11");
    QVERIFY(!f_->w("OndeSolitaire")->isHidden());
    QVERIFY(!f_->m.SonActif);
    QVERIFY(!f_->son.lecture().joue());
    const double delai = silenceApres(appel);
    QVERIFY2(delai >= 0, "the recording stalled");
    QVERIFY2(delai <= 0.1,
             qPrintable(QStringLiteral("sound until %1 s after the choice").arg(delai)));

    const qsizetype encore = clicEnregistre("Command4");
    QVERIFY(!f_->m.SonActif);
    QVERIFY(enregistreur_.attends(encore + secondes(0.4)));
    QCOMPARE(debutDuSon(encore, encore + secondes(0.4)), qsizetype(-1));
}

QTEST_MAIN(TstEcouteAudio)
#include "tst_ecoute_audio.moc"
