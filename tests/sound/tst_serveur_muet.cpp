// The player against a sound server that takes the connection and never
// answers: whatever the player is asked returns while the connection
// attempt is still pending, and nothing plays. The test sets PULSE_SERVER to
// its own mute server before any player exists.

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "tests/sound/ErreurStandard.h"
#include "tests/sound/ServeurMuet.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sstream>

using namespace vibralume;

enum class Suite { ArreteSon, NouveauTon, Destruction };
Q_DECLARE_METATYPE(Suite)

class TstServeurMuet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rienNAttend_data();
    void rienNAttend();

private:
    QTemporaryDir dossier_{QStringLiteral("/tmp/vibralume-muet.XXXXXX")};
    QString socket_;
};

void TstServeurMuet::initTestCase() {
    QVERIFY(dossier_.isValid());
    socket_ = dossier_.filePath(QStringLiteral("native"));
    qputenv("PULSE_SERVER", "unix:" + socket_.toLocal8Bit());
}

void TstServeurMuet::rienNAttend_data() {
    QTest::addColumn<Suite>("suite");
    QTest::newRow("ArreteSon") << Suite::ArreteSon;
    QTest::newRow("JoueSon with a new tone") << Suite::NouveauTon;
    QTest::newRow("player destroyed") << Suite::Destruction;
}

void TstServeurMuet::rienNAttend() {
    QFETCH(Suite, suite);
    // A server of its own for each case: closing the last one's ends the
    // attempts still waiting on it.
    essai::ServeurMuet serveur(socket_);
    QVERIFY(serveur.ecoute());
    QVERIFY(GenereSon(1800.0, 16000, dossier_.path().toStdString()));
    std::ostringstream journal;
    essai::ErreurStandard erreurs;
    auto lecture = std::make_unique<Lecture>(
        [this] { return std::filesystem::path(dossier_.path().toStdString()) / "test.wav"; },
        journal);
    QSignalSpy etats(lecture.get(), &Lecture::etatChange);

    lecture->JoueSon();
    QCOMPARE(lecture->etat(), EtatSortie::Recherche);
    // The attempt reaches the server, and the window goes on while it waits.
    QTRY_COMPARE(serveur.accepte(), 1);
    QTest::qWait(300);
    QCOMPARE(lecture->etat(), EtatSortie::Recherche);
    QVERIFY(serveur.toutesOuvertes());

    switch (suite) {
    case Suite::ArreteSon:
        lecture->ArreteSon();
        QCOMPARE(lecture->etat(), EtatSortie::Silence);
        break;
    case Suite::NouveauTon:
        QVERIFY(GenereSon(3000.0, 16000, dossier_.path().toStdString()));
        lecture->JoueSon();
        QCOMPARE(lecture->echantillonsEnBoucle(), std::size_t(147));
        QCOMPARE(lecture->etat(), EtatSortie::Recherche);
        break;
    case Suite::Destruction:
        lecture.reset();
        break;
    }
    // Back here while the client library still waits on the server: the
    // call did not wait for it.
    QVERIFY(serveur.toutesOuvertes());
    QTest::qWait(100);
    QCOMPARE(serveur.accepte(), 1);
    QVERIFY(!lecture || !lecture->joue());
    for (const QList<QVariant>& e : etats) {
        QVERIFY(e.at(0).value<EtatSortie>() != EtatSortie::Joue);
    }
    QCOMPARE(erreurs.rend(), QByteArray());
}

QTEST_GUILESS_MAIN(TstServeurMuet)
#include "tst_serveur_muet.moc"
