// The listen control never promises a tone that cannot be heard: the real
// window and player, listening with no sound server, with one that takes the
// connection and never answers, and with a tone file that could not be
// written. The window goes on answering meanwhile: the mark comes by the
// window's own timers and events.

#include "model/Module1.h"
#include "sound/DossierSon.h"
#include "sound/SonLecture.h"
#include "tests/model/Doublures.h"
#include "tests/sound/ServeurMuet.h"
#include "ui/classe/TemoinSon.h"
#include "ui/demarrage/Application.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "views/PictureBox.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>
#include <memory>
#include <optional>

using namespace vibralume;

enum class Panne { AucunServeur, ServeurMuet, TonNonEcrit };
Q_DECLARE_METATYPE(Panne)

class TstTemoinSon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void panne_data();
    void panne();
};

void TstTemoinSon::panne_data() {
    QTest::addColumn<Panne>("panne");
    QTest::addColumn<QString>("raison");
    QTest::newRow("no sound server") << Panne::AucunServeur << "aucune sortie audio";
    QTest::newRow("a server that never answers") << Panne::ServeurMuet << "aucune sortie audio";
    QTest::newRow("tone file not written") << Panne::TonNonEcrit << "n'a pas pu être écrit";
}

void TstTemoinSon::panne() {
    QFETCH(Panne, panne);
    QFETCH(QString, raison);
    QTemporaryDir tmp(QStringLiteral("/tmp/vibralume-temoin.XXXXXX"));
    QVERIFY(tmp.isValid());
    const QString socket = tmp.filePath(QStringLiteral("native"));
    std::optional<essai::ServeurMuet> muet;
    if (panne == Panne::ServeurMuet) {
        muet.emplace(socket);
        QVERIFY(muet->ecoute());
    }
    // No server at all at that address, unless the mute one listens there.
    qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
    // A folder under a plain file takes no file, whoever runs the test.
    QString donnees = tmp.path();
    if (panne == Panne::TonNonEcrit) {
        QFile bouchon(tmp.filePath(QStringLiteral("fichier")));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        donnees = bouchon.fileName() + QStringLiteral("/son");
    }
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.25, 0.5}};
    DossierSon dossier(donnees.toStdString(), std::cerr, DossierSon::Repli::Aucun);
    SonLecture son(dossier, std::cerr);
    auto os = std::make_unique<OS>(m, horloge, alea, son);
    auto* temoin = new TemoinSon(*os, son.lecture(), son);
    os->show();
    const ControlesOS& c = os->controles();
    auto* marque = os->findChild<QLabel*>(QStringLiteral("TemoinSon"));
    QVERIFY(marque);

    QVERIFY(!temoin->sansSon() && marque->isHidden());
    QTest::mouseClick(c.Command4, Qt::LeftButton);
    QVERIFY(!c.Command5->isHidden());
    if (panne == Panne::ServeurMuet) {
        // Back from the click while the connection is still pending.
        QCOMPARE(son.lecture().etat(), EtatSortie::Recherche);
    }
    QTRY_VERIFY(temoin->sansSon());
    QVERIFY(marque->isVisible());
    QVERIFY2(c.Command5->toolTip().contains(raison), qPrintable(c.Command5->toolTip()));
    QCOMPARE(c.Command5->accessibleDescription(), c.Command5->toolTip());
    // The mark sits on the stop picture, which keeps its place.
    QVERIFY(c.Command5->geometry().contains(marque->geometry()));
    if (muet) {
        QVERIFY2(muet->accepte() > 0 && muet->toutesOuvertes(), "the server was never asked");
    }

    // Stopped: nothing is promised, nothing is missing.
    QTest::mouseClick(c.Command5, Qt::LeftButton);
    QVERIFY(!temoin->sansSon() && marque->isHidden());
    QVERIFY(c.Command5->toolTip().isEmpty());
    os.reset();
}

QTEST_MAIN(TstTemoinSon)
#include "tst_temoin_son.moc"
