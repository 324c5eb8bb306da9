// The tone comes back by itself with the sound server: played through a
// private PulseAudio null sink of this test's own, which it kills while
// listening, as a crash would, and starts again longer than a few seconds
// later. The other audio tests' server is never touched: a server started
// again from inside a test is this test's alone, and stopped with it.

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "tests/sound/Enregistreur.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace vibralume;
using essai::secondes;

namespace {

// The folder of this test's server: short, for the socket's path.
QString dossierServeur;

// pulse_prive.sh with `action` on this test's server.
bool serveur(const char* action) {
    return QProcess::execute(QStringLiteral("sh"), {qEnvironmentVariable("VIBRALUME_PULSE_SCRIPT"),
                                                    QString::fromLatin1(action), dossierServeur}) ==
           0;
}

QStringList lignes(const std::ostringstream& journal) {
    return QString::fromStdString(journal.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TstRetourAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void retour();
};

void TstRetourAudio::initTestCase() {
    QVERIFY2(qEnvironmentVariableIsSet("VIBRALUME_PULSE_SCRIPT"),
             "run through CTest: it names the private server's script");
    dossierServeur =
        QStringLiteral("/tmp/vibralume-retour-%1").arg(QCoreApplication::applicationPid());
    QVERIFY(serveur("start"));
    // Every client of this process, the recorder's parec included, finds it here.
    qputenv("PULSE_SERVER",
            QStringLiteral("unix:%1/run/pulse/native").arg(dossierServeur).toUtf8());
}

void TstRetourAudio::cleanupTestCase() {
    QVERIFY(serveur("stop"));
}

void TstRetourAudio::retour() {
    QTemporaryDir dossier;
    QVERIFY(GenereSon(1800.0, 16000, dossier.path().toStdString()));
    std::ostringstream journal;
    Lecture lecture(
        [&] { return std::filesystem::path(dossier.path().toStdString()) / "test.wav"; }, journal);
    QSignalSpy etats(&lecture, &Lecture::etatChange);
    {
        essai::Enregistreur avant;
        const QString pourquoi = avant.demarreSurServeurPrive();
        QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
        const qsizetype appel = avant.maintenant();
        lecture.JoueSon();
        QVERIFY(avant.attends(appel + secondes(0.6)));
        QVERIFY(essai::premierSon(avant.echantillons(), appel, appel + secondes(0.6)) >= 0);
        QVERIFY(lecture.joue());
        etats.clear();
        QVERIFY(serveur("coupe"));
    }
    QTRY_COMPARE(lecture.etat(), EtatSortie::SansSortie);
    // Away for longer than a single late reconnection would cover, and
    // tried again all along: said once.
    QTest::qWait(3500);
    QCOMPARE(lecture.etat(), EtatSortie::SansSortie);
    QCOMPARE(lignes(journal).size(), 1);

    QVERIFY(serveur("start"));
    essai::Enregistreur apres;
    const QString pourquoi = apres.demarre();
    QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
    QTRY_COMPARE(lecture.etat(), EtatSortie::Joue);
    const qsizetype retour = apres.maintenant();
    QVERIFY(apres.attends(retour + secondes(0.6)));
    const double entendue = essai::frequenceDominante(apres.echantillons(), retour + secondes(0.1),
                                                      retour + secondes(0.6));
    QVERIFY2(std::abs(entendue - 1800.0) <= 2.0, qPrintable(QString::number(entendue)));

    QCOMPARE(
        lignes(journal),
        QStringList({QStringLiteral("vibralume : la sortie audio a cessé de fonctionner, le "
                                    "son reste muet"),
                     QStringLiteral("vibralume : la sortie audio est revenue, le son reprend")}));
    // No flicker through the attempts.
    QCOMPARE(etats.size(), 2);
    QCOMPARE(etats.at(0).at(0).value<EtatSortie>(), EtatSortie::SansSortie);
    QCOMPARE(etats.at(1).at(0).value<EtatSortie>(), EtatSortie::Joue);
}

QTEST_GUILESS_MAIN(TstRetourAudio)
#include "tst_retour_audio.moc"
