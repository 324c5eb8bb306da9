// The tone heard without a break while the machine is busy, and the gain
// heard soon whatever the user-interface thread does: played through the
// private PulseAudio null sink (started by the CTest fixture), recorded from
// its monitor and laid over the looped file sample for sample.
//
// The load is made of copies of this program (see Charge.h): busy loops on
// both cores and one process claiming and touching memory over and over, at
// the ordinary niceness, competing with the player's threads on equal terms.
// What is recorded must not break for reasons outside the player: the
// recorder asks for its own short latency and loses nothing when it reads
// late (the server queues for it), and the sound server runs its threads at
// a real-time priority (pulse_prive.sh). Where the server could not be
// raised, the load runs at niceness 10, and the test says so.

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "sound/LitTon.h"
#include "tests/sound/Alignement.h"
#include "tests/sound/Charge.h"
#include "tests/sound/Enregistreur.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sstream>

using namespace vibralume;
using essai::Fe;
using essai::secondes;

namespace {

constexpr int32_t Crete = 16000;
constexpr double DureeS = 10;
/// How long the user-interface thread is held at a time, as a window being built holds it.
constexpr int TenueMs = 200;
/// How long it is busy at each of the window's frames, 20 ms apart.
constexpr int ImageMs = 10;

// Holds this thread busy for `ms` milliseconds.
void tient(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
    }
}

} // namespace

class TestContinuiteAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sansRupture_data();
    void sansRupture();
    void gainEntendu_data();
    void gainEntendu();

private:
    // Plays F; returns the index of the first sound recorded, -1 if none within 0.6 s.
    qsizetype joue(double F);
    std::filesystem::path fichier() const {
        return std::filesystem::path(dossier_->path().toStdString()) / "test.wav";
    }

    std::unique_ptr<QTemporaryDir> dossier_;
    std::ostringstream journal_;
    std::unique_ptr<Lecture> lecture_;
    essai::Enregistreur enregistreur_;
};

void TestContinuiteAudio::initTestCase() {
    const QString pourquoi = enregistreur_.demarreSurServeurPrive();
    QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
}

void TestContinuiteAudio::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    journal_.str({});
    lecture_ = std::make_unique<Lecture>([f = fichier()] { return f; }, journal_);
}

void TestContinuiteAudio::cleanup() {
    lecture_.reset();
    QTest::qWait(200);
    QCOMPARE(journal_.str(), std::string());
}

qsizetype TestContinuiteAudio::joue(double F) {
    if (!GenereSon(F, Crete, fichier().parent_path())) {
        return -1;
    }
    const qsizetype appel = enregistreur_.maintenant();
    lecture_->JoueSon();
    if (!enregistreur_.attends(appel + secondes(0.6))) {
        return -1;
    }
    return essai::premierSon(enregistreur_.echantillons(), appel, appel + secondes(0.6));
}

void TestContinuiteAudio::sansRupture_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<int>("calculs");
    QTest::addColumn<int>("mio");
    QTest::addColumn<int>("tenueMs"); ///< the UI thread held that long at a time, 0: free

    // Load average about 7 on two cores, as in the classroom where the
    // clicks were first heard.
    QTest::newRow("other programs: 5 busy loops, 300 MiB touched") << 1800.0 << 5 << 300 << 0;
    QTest::newRow("other programs, and the window's frames on the UI thread")
        << 3000.0 << 5 << 300 << ImageMs;
    QTest::newRow("UI thread held 200 ms at a time") << 700.0 << 0 << 0 << TenueMs;
    QTest::newRow("both, 100 Hz, the longest loop") << 100.0 << 3 << 300 << TenueMs;
}

// Ten seconds of tone, every sample the looped file's next one.
void TestContinuiteAudio::sansRupture() {
    QFETCH(double, F);
    QFETCH(int, calculs);
    QFETCH(int, mio);
    QFETCH(int, tenueMs);

    QVERIFY2(joue(F) >= 0, "no sound after JoueSon");
    const auto boucle = LitTon(fichier());
    QVERIFY(boucle.has_value());
    QCOMPARE(qsizetype(boucle->size()), qsizetype(NombreEchantillons(F)));
    const essai::Alignement alignement(*boucle);

    const int gentillesse = essai::serveurEnTempsReel() ? 0 : 10;
    if (calculs > 0 && gentillesse > 0) {
        qInfo("the sound server runs at an ordinary priority here: the load runs at nice %d",
              gentillesse);
    }
    essai::Charge charge(calculs, mio, gentillesse);
    QCOMPARE(charge.lancees(), calculs + (mio > 0 ? 1 : 0));
    const qsizetype debut = enregistreur_.maintenant();
    QElapsedTimer t;
    t.start();
    int tenues = 0;
    while (t.elapsed() < qint64(DureeS * 1000)) {
        if (tenueMs > 0) {
            tient(tenueMs);
            ++tenues;
        }
        // A short breath of the event loop between holds: the recording is read.
        enregistreur_.attends(enregistreur_.maintenant() + secondes(0.02));
    }
    QCOMPARE(charge.enMarche(), charge.lancees()); // loaded all along
    const qsizetype fin = debut + secondes(DureeS);
    QVERIFY(enregistreur_.attends(fin + essai::Alignement::Fenetre));
    QVERIFY(lecture_->joue());

    const essai::Ruptures r = alignement.ruptures(enregistreur_.echantillons(), debut, fin);
    qInfo("%lld samples compared, %d departures from the looped file, %lld samples off, "
          "%d holds of the UI thread",
          static_cast<long long>(r.compares), r.nombre, static_cast<long long>(r.echantillonsFaux),
          tenues);
    for (std::size_t k = 0; k < std::min<std::size_t>(r.ou.size(), 10); ++k) {
        qInfo("  departure at %.3f s", double(r.ou[k] - debut) / Fe);
    }
    QCOMPARE(r.compares, fin - debut);
    QCOMPARE(r.nombre, 0);
}

void TestContinuiteAudio::gainEntendu_data() {
    QTest::addColumn<double>("gain");
    QTest::addColumn<bool>("interfaceTenue");

    QTest::newRow("volume at a quarter") << 0.25 << false;
    QTest::newRow("muted") << 0.0 << false;
    // Listening at a sensor sets the gain at every tick, and the tick may
    // be followed by a long frame: the new gain must not wait for it.
    QTest::newRow("0.6, UI thread held right after") << 0.6 << true;
}

// A new gain reaches the samples heard within a tenth of a second.
void TestContinuiteAudio::gainEntendu() {
    QFETCH(double, gain);
    QFETCH(bool, interfaceTenue);

    const qsizetype son = joue(1800.0);
    QVERIFY2(son >= 0, "no sound after JoueSon");
    QVERIFY(enregistreur_.attends(son + secondes(0.3)));
    const auto boucle = LitTon(fichier());
    QVERIFY(boucle.has_value());
    const essai::Alignement alignement(*boucle);

    const qsizetype appel = enregistreur_.maintenant();
    lecture_->setGain(gain);
    if (interfaceTenue) {
        tient(TenueMs);
    }
    QVERIFY(enregistreur_.attends(appel + secondes(0.4)));
    // From 50 ms before the call, where the loop still plays untouched.
    const auto& s = enregistreur_.echantillons();
    const qsizetype entendu =
        alignement.gainEntendu(s, appel - secondes(0.05), appel + secondes(0.4), gain);
    QVERIFY2(entendu >= 0, "the gain is never heard, or the tone broke before it");
    const double delai = double(entendu - appel) / Fe;
    qInfo("gain %.2f heard %.1f ms after setGain in the recording", gain, 1000 * delai);
    QVERIFY2(delai <= 0.1, qPrintable(QStringLiteral("gain heard after %1 s").arg(delai)));
    // And it stays: the next 0.2 s are the loop at that gain, to the rounding.
    qsizetype p = alignement.phase(s, appel - secondes(0.05)) + (entendu - appel + secondes(0.05));
    int ecarts = 0;
    for (qsizetype i = entendu; i < entendu + secondes(0.2); ++i, ++p) {
        ecarts += std::abs(s[std::size_t(i)] - std::lround(alignement.echantillon(p) * gain)) > 1;
    }
    QCOMPARE(ecarts, 0);
}

int main(int argc, char** argv) {
    essai::Charge::enfant(argc, argv);
    QCoreApplication app(argc, argv);
    TestContinuiteAudio essai;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_continuite_audio.moc"
