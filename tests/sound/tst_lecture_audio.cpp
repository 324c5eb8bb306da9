// The tone as heard: played through a private PulseAudio null sink (started
// by the CTest fixture), recorded from its monitor and measured.

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "tests/sound/Enregistreur.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sstream>

using namespace vibralume;
using essai::Fe;
using essai::secondes;
using essai::Seuil;

namespace {

constexpr int32_t Crete = 16000;

struct Continuite {
    double pire = 0;         ///< largest deviation from a pure sine
    int ruptures = 0;        ///< samples deviating by more than rounding can
    int plusLongSilence = 0; ///< longest run of near-zero samples
};

// On a pure sine each sample follows from its two neighbours:
// s[i-1] + s[i+1] = 2 cos(w) s[i]. A gap, a repeated or a missing sample, or a
// phase jump at the loop's join breaks the relation.
Continuite continuite(const std::vector<int16_t>& s, qsizetype debut, qsizetype fin, double F) {
    const double deuxCos = 2 * std::cos(6.2831853 * F / Fe);
    Continuite c;
    int silence = 0;
    for (qsizetype i = debut; i < fin; ++i) {
        const double r =
            s[std::size_t(i - 1)] + s[std::size_t(i + 1)] - deuxCos * s[std::size_t(i)];
        c.pire = std::max(c.pire, std::abs(r));
        c.ruptures += std::abs(r) > 8 ? 1 : 0;
        silence = std::abs(int(s[std::size_t(i)])) < 50 ? silence + 1 : 0;
        c.plusLongSilence = std::max(c.plusLongSilence, silence);
    }
    return c;
}

} // namespace

class TestLectureAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tonalite_data();
    void tonalite();
    void changementDeTon();
    void rafale();
    void arret_data();
    void arret();
    void arretEnSilence();
    void boucleSansSaut_data();
    void boucleSansSaut();

private:
    // Plays F and returns the recording index at the call; heure_ is its time.
    qsizetype joue(double F);
    // First index from `debut` on where the sound is present.
    qsizetype debutDuSon(qsizetype debut, qsizetype fin) const;

    std::unique_ptr<QTemporaryDir> dossier_;
    std::ostringstream journal_;
    std::unique_ptr<Lecture> lecture_;
    essai::Enregistreur enregistreur_;
    qint64 heure_ = 0;
};

void TestLectureAudio::initTestCase() {
    const QString pourquoi = enregistreur_.demarreSurServeurPrive();
    QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
}

void TestLectureAudio::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    journal_.str({});
    const std::filesystem::path fichier =
        std::filesystem::path(dossier_->path().toStdString()) / "test.wav";
    lecture_ = std::make_unique<Lecture>([fichier] { return fichier; }, journal_);
}

void TestLectureAudio::cleanup() {
    lecture_.reset();
    // Let the sink fall silent before the next case listens.
    QTest::qWait(200);
    QCOMPARE(journal_.str(), std::string());
}

qsizetype TestLectureAudio::joue(double F) {
    if (!GenereSon(F, Crete, std::filesystem::path(dossier_->path().toStdString()))) {
        return -1;
    }
    const qsizetype maintenant = enregistreur_.maintenant();
    heure_ = enregistreur_.horloge();
    lecture_->JoueSon();
    return maintenant;
}

qsizetype TestLectureAudio::debutDuSon(qsizetype debut, qsizetype fin) const {
    return essai::premierSon(enregistreur_.echantillons(), debut, fin);
}

void TestLectureAudio::tonalite_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<double>("entendue");

    QTest::newRow("1800 Hz, start") << 1800.0 << 1800.0;
    QTest::newRow("100 Hz, lowest") << 100.0 << 100.0;
    QTest::newRow("700 Hz") << 700.0 << 700.0;
    QTest::newRow("3000 Hz") << 3000.0 << 3000.0;
    // 110.25 samples rounded to 110: the loop repeats every 110 samples, so
    // what is heard is 10 periods in 110 samples.
    QTest::newRow("4000 Hz, highest") << 4000.0 << 441000.0 / 110;
    QTest::newRow("400 Hz, N = 1102") << 400.0 << 441000.0 / 1102;
}

void TestLectureAudio::tonalite() {
    QFETCH(double, F);
    QFETCH(double, entendue);

    const qsizetype appel = joue(F);
    QVERIFY(appel >= 0);
    QVERIFY(enregistreur_.attends(appel + secondes(1.0)));
    QVERIFY(lecture_->joue());

    const qsizetype debut = debutDuSon(appel, appel + secondes(1.0));
    QVERIFY2(debut >= 0, "no sound within a second of JoueSon");
    qInfo("JoueSon to sound: %.1f ms in the recording, received %lld ms after the call",
          1000.0 * double(debut - appel) / Fe, enregistreur_.arrivee(debut) - heure_);

    const double mesuree = essai::frequenceDominante(enregistreur_.echantillons(),
                                                     debut + secondes(0.1), debut + secondes(0.6));
    qInfo("dominant %.2f Hz", mesuree);
    QVERIFY2(std::abs(mesuree - entendue) <= 2.0,
             qPrintable(QStringLiteral("heard %1 Hz, expected %2 Hz").arg(mesuree).arg(entendue)));
}

// A new tone while one plays: the new pitch within 0.25 s, and the old one gone.
void TestLectureAudio::changementDeTon() {
    const qsizetype appel1 = joue(1800.0);
    QVERIFY(appel1 >= 0);
    QVERIFY(enregistreur_.attends(appel1 + secondes(0.6)));
    const qsizetype appel2 = joue(3000.0);
    QVERIFY(appel2 >= 0);
    QVERIFY(enregistreur_.attends(appel2 + secondes(0.8)));

    // 10 ms windows of 441 samples: 1800 and 3000 Hz fall on exact bins.
    const auto& s = enregistreur_.echantillons();
    const qsizetype fenetre = 441;
    auto ton = [&](qsizetype i) {
        const double p1800 = essai::puissance(s, i, i + fenetre, 1800.0, false);
        const double p3000 = essai::puissance(s, i, i + fenetre, 3000.0, false);
        const double fort = std::pow(fenetre / 2.0 * Crete / 2, 2); // a quarter of full level
        return p3000 > fort && p3000 > 100 * p1800   ? 3000
               : p1800 > fort && p1800 > 100 * p3000 ? 1800
                                                     : 0;
    };
    QCOMPARE(ton(appel2 - fenetre), 1800);
    qsizetype nouveau = -1;
    for (qsizetype i = appel2 - fenetre; i + fenetre <= appel2 + secondes(0.8); i += 44) {
        if (ton(i) == 3000) {
            nouveau = i + fenetre; // the window's end: an upper bound
            break;
        }
    }
    QVERIFY2(nouveau >= 0, "the new pitch is never heard");
    const double delai = double(nouveau - appel2) / Fe;
    qInfo("new pitch heard %.1f ms after JoueSon in the recording, received %lld ms after the call",
          1000 * delai, enregistreur_.arrivee(nouveau) - heure_);
    QVERIFY2(delai <= 0.25, qPrintable(QStringLiteral("new pitch after %1 s").arg(delai)));
    for (qsizetype i = nouveau; i + fenetre <= appel2 + secondes(0.8); i += fenetre) {
        QVERIFY2(ton(i) == 3000, qPrintable(QStringLiteral("at +%1 s the tone is not 3000 Hz alone")
                                                .arg(double(i - appel2) / Fe)));
    }
}

// The slider dragged: a burst of new tones with no pause; the last one is
// heard, alone.
void TestLectureAudio::rafale() {
    QElapsedTimer duree;
    qint64 totalNs = 0;
    int appels = 0;
    for (double F = 1000; F < 3000; F += 100) {
        QVERIFY(GenereSon(F, Crete, std::filesystem::path(dossier_->path().toStdString())));
        duree.start();
        lecture_->JoueSon();
        totalNs += duree.nsecsElapsed();
        ++appels;
        QCoreApplication::processEvents();
    }
    const qsizetype appel = joue(3000.0);
    QVERIFY(appel >= 0);
    QVERIFY(enregistreur_.attends(appel + secondes(0.5)));
    qInfo("JoueSon returns in %.2f ms on average", double(totalNs) / appels / 1e6);
    const auto& s = enregistreur_.echantillons();
    const double mesuree =
        essai::frequenceDominante(s, appel + secondes(0.1), appel + secondes(0.5));
    QVERIFY2(std::abs(mesuree - 3000) <= 2.0, qPrintable(QString::number(mesuree)));
    // Nothing of the burst lingers: 2900 Hz is far below 3000 Hz.
    const double p2900 = essai::puissance(s, appel + secondes(0.1), appel + secondes(0.5), 2900);
    const double p3000 = essai::puissance(s, appel + secondes(0.1), appel + secondes(0.5), 3000);
    QVERIFY(p2900 < p3000 / 1000);
    // And it plays steadily: the output's buffer did not shrink on the way.
    const Continuite c = continuite(s, appel + secondes(0.1), appel + secondes(0.5), 3000.0);
    QVERIFY2(c.plusLongSilence <= 3, "dropouts after the burst");
    QCOMPARE(c.ruptures, 0);
}

enum class Arret { ArreteSon, FichierAbsent, Destruction };
Q_DECLARE_METATYPE(Arret)

void TestLectureAudio::arret_data() {
    QTest::addColumn<Arret>("maniere");
    QTest::newRow("ArreteSon") << Arret::ArreteSon;
    // A missing tone file stops the tone too (and says nothing).
    QTest::newRow("JoueSon, file gone") << Arret::FichierAbsent;
    // The window closed: the player goes, and its thread with the output.
    QTest::newRow("player destroyed") << Arret::Destruction;
}

// Silence within 50 ms, however the tone is stopped: the stop goes to the
// sound's thread, which must act on it at once.
void TestLectureAudio::arret() {
    QFETCH(Arret, maniere);
    const qsizetype appel1 = joue(1800.0);
    QVERIFY(appel1 >= 0);
    QVERIFY(enregistreur_.attends(appel1 + secondes(0.6)));
    QVERIFY(debutDuSon(appel1, appel1 + secondes(0.6)) >= 0);

    if (maniere == Arret::FichierAbsent) {
        QVERIFY(QFile::remove(dossier_->filePath(QStringLiteral("test.wav"))));
    }
    const qsizetype appel2 = enregistreur_.maintenant();
    heure_ = enregistreur_.horloge();
    switch (maniere) {
    case Arret::ArreteSon:
        lecture_->ArreteSon();
        break;
    case Arret::FichierAbsent:
        lecture_->JoueSon();
        break;
    case Arret::Destruction:
        lecture_.reset();
        break;
    }
    QVERIFY(!lecture_ || !lecture_->joue());
    QVERIFY(enregistreur_.attends(appel2 + secondes(0.6)));

    const auto& s = enregistreur_.echantillons();
    qsizetype dernier = appel2 - 1;
    for (qsizetype i = appel2; i < appel2 + secondes(0.6); ++i) {
        if (std::abs(int(s[std::size_t(i)])) > Seuil) {
            dernier = i;
        }
    }
    const double delai = double(dernier + 1 - appel2) / Fe;
    qInfo("silence %.1f ms after the stop in the recording, received %lld ms after the call",
          1000 * delai, enregistreur_.arrivee(dernier + 1) - heure_);
    QVERIFY2(delai <= 0.05,
             qPrintable(QStringLiteral("sound until %1 s after the stop").arg(delai)));
}

// A stop while silent plays nothing.
void TestLectureAudio::arretEnSilence() {
    const qsizetype appel = enregistreur_.maintenant();
    lecture_->ArreteSon();
    lecture_->ArreteSon();
    QVERIFY(enregistreur_.attends(appel + secondes(0.4)));
    QCOMPARE(debutDuSon(appel, appel + secondes(0.4)), qsizetype(-1));
}

void TestLectureAudio::boucleSansSaut_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<bool>("jointureLisse");

    // 441000 / F whole: ten periods exactly, the loop joins without a seam.
    QTest::newRow("700 Hz, N = 630") << 700.0 << true;
    QTest::newRow("3000 Hz, N = 147") << 3000.0 << true;
    QTest::newRow("1800 Hz, N = 245") << 1800.0 << true;
    QTest::newRow("100 Hz, N = 4410") << 100.0 << true;
    // 110.25 rounded to 110: the phase jumps at every join, which the
    // measure must see (or it would see nothing).
    QTest::newRow("4000 Hz, N = 110, jumps") << 4000.0 << false;
}

// A second of steady tone, a seamless sine when the file holds whole periods.
void TestLectureAudio::boucleSansSaut() {
    QFETCH(double, F);
    QFETCH(bool, jointureLisse);

    const qsizetype appel = joue(F);
    QVERIFY(appel >= 0);
    QVERIFY(enregistreur_.attends(appel + secondes(1.5)));
    const qsizetype debut = debutDuSon(appel, appel + secondes(0.5));
    QVERIFY(debut >= 0);

    const Continuite c =
        continuite(enregistreur_.echantillons(), debut + secondes(0.2), debut + secondes(1.2), F);
    qInfo("worst deviation %.1f, %d breaks, longest near-zero run %d samples", c.pire, c.ruptures,
          c.plusLongSilence);
    QVERIFY2(c.plusLongSilence <= 3, "a dropout in the loop");
    if (jointureLisse) {
        QCOMPARE(c.ruptures, 0);
    } else {
        // Breaks at each turn of 110 samples: 400 turns in a second.
        QVERIFY2(c.ruptures > 300, qPrintable(QString::number(c.ruptures)));
    }
}

QTEST_MAIN(TestLectureAudio)
#include "tst_lecture_audio.moc"
