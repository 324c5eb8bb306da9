// What the program remembers between lessons: written when changed, read
// back at start, and a damaged or strange settings file falls back to the
// defaults with one line on the journal. The volume's law, and the home
// page's keys.

#include "Banc.h"
#include "tests/sound/LectureSeule.h"
#include "ui/accueil/Accueil.h"
#include "ui/accueil/ClavierAccueil.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Reglages.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>

using namespace vibralume;

namespace {

std::size_t lignes(const std::ostringstream& o) {
    const std::string t = o.str();
    return std::size_t(std::count(t.begin(), t.end(), '\n'));
}

} // namespace

class TstReglages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // Nothing stored: the defaults, and nothing said.
    void parDefaut() {
        QTemporaryDir d;
        std::ostringstream journal;
        Reglages r(d.filePath(QStringLiteral("vibralume.ini")), journal);
        const ValeursReglages v = r.lis();
        QCOMPARE(v.zoomPourcent, 100);
        QVERIFY(!v.pleinEcran);
        QCOMPARE(v.volume, 100);
        QVERIFY(!v.muet);
        QCOMPARE(v.langue, QStringLiteral("fr"));
        QCOMPARE(journal.str(), std::string());
    }

    // The window's changes are written as they happen, and read back.
    void ecritsEtRelus() {
        QTemporaryDir d;
        const QString fichier = d.filePath(QStringLiteral("vibralume.ini"));
        std::ostringstream journal;
        {
            Reglages r(fichier, journal);
            Banc b;
            ComplementsOS c(
                *b.os, DemarrageOS{}, [](double) {}, &r);
            c.zoom().setZoom(1.5);
            c.volume().setPourcent(40);
            c.volume().basculeMuet();
            r.ecrisLangue(QStringLiteral("en"));
        }
        Reglages relus(fichier, journal);
        const ValeursReglages v = relus.lis();
        QCOMPARE(v.zoomPourcent, 150);
        QCOMPARE(v.volume, 40);
        QVERIFY(v.muet);
        QVERIFY(!v.pleinEcran);
        QCOMPARE(v.langue, QStringLiteral("en"));
        QCOMPARE(journal.str(), std::string());
    }

    // Whatever cannot be trusted goes back to its default, the rest is kept,
    // and one line tells where the file is and which keys were defaulted. A
    // damaged file goes aside, in place of an older one, for a clean one: what
    // is set afterwards is read back at the next start without a word.
    void fichierEndommage_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("volume");
        QTest::addColumn<QString>("dit"); // "": nothing; "*": moved aside; else the keys defaulted
        QTest::newRow("sound") << QByteArray("[affichage]\nzoom=175\n[son]\nvolume=30\n") << 175
                               << 30 << "";
        QTest::newRow("not text") << QByteArray("[affichage]\nzoom=150\n\x01\x02\x03\n") << 100
                                  << 100 << "*";
        QTest::newRow("binary garbage")
            << QByteArray::fromHex("000102ff20676172626167652080") << 100 << 100 << "*";
        QTest::newRow("unclosed section")
            << QByteArray("[affichage\nzoom=150\n") << 100 << 100 << "*";
        QTest::newRow("undecodable value")
            << QByteArray("[son]\nvolume=30\nmuet=@Variant(\\0\\0\\0\\x7f\\0\\0)\n") << 100 << 100
            << "*";
        QTest::newRow("zoom out of range, volume kept")
            << QByteArray("[affichage]\nzoom=1000\n[son]\nvolume=30\n") << 100 << 30
            << "affichage/zoom";
        QTest::newRow("words for numbers")
            << QByteArray("[affichage]\nzoom=grand\n[son]\nvolume=fort\nmuet=peut-etre\n") << 100
            << 100 << "affichage/zoom, son/volume, son/muet";
        QTest::newRow("negative volume")
            << QByteArray("[son]\nvolume=-5\n") << 100 << 100 << "son/volume";
    }
    void fichierEndommage() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, zoom);
        QFETCH(int, volume);
        QFETCH(QString, dit);
        const bool deCote = dit == QLatin1String("*");
        QTemporaryDir d;
        const QString fichier = d.filePath(QStringLiteral("vibralume.ini"));
        const QString aCote = fichier + QStringLiteral(".endommage");
        for (const auto& [nom, octets] : {std::pair{fichier, contenu}, {aCote, "plus ancien"}}) {
            QFile f(nom);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(octets);
        }
        std::ostringstream journal;
        Reglages r(fichier, journal);
        const ValeursReglages v = r.lis();
        QCOMPARE(v.zoomPourcent, zoom);
        QCOMPARE(v.volume, volume);
        QCOMPARE(lignes(journal), std::size_t(dit.isEmpty() ? 0 : 1));
        const QString texte = QString::fromStdString(journal.str());
        if (!dit.isEmpty()) {
            QVERIFY(texte.startsWith(QStringLiteral("vibralume : réglages")));
            QVERIFY(texte.contains(fichier));
        }
        if (!dit.isEmpty() && !deCote)
            QVERIFY2(texte.endsWith(QStringLiteral("valeurs par défaut pour %1\n").arg(dit)),
                     qPrintable(texte));
        QCOMPARE(texte.contains(aCote), deCote);
        QFile deplace(aCote);
        QVERIFY(deplace.open(QIODevice::ReadOnly));
        QCOMPARE(deplace.readAll(), deCote ? contenu : QByteArray("plus ancien"));
        r.lis();
        QCOMPARE(journal.str(), texte.toStdString()); // said once

        r.ecrisLangue(QStringLiteral("en"));
        std::ostringstream ensuite;
        const ValeursReglages relues = Reglages(fichier, ensuite).lis();
        QCOMPARE(relues.langue, QStringLiteral("en"));
        QCOMPARE(relues.zoomPourcent, zoom);
        QCOMPARE(relues.volume, volume);
        QCOMPARE(lignes(ensuite), std::size_t(dit.isEmpty() || deCote ? 0 : 1));
    }

    // Settings in a read-only folder keep what they hold, and the first
    // change lost is said, once, without a word of defaults.
    void lectureSeule() {
        QTemporaryDir d;
        const QString fichier = d.filePath(QStringLiteral("vibralume.ini"));
        std::ostringstream journal;
        Reglages r(fichier, journal);
        r.ecrisVolume(30);
        {
            essai::LectureSeule lectureSeule(d.path());
            QVERIFY2(lectureSeule.ferme(), "the folder still takes files: the case proves nothing");
            r.ecrisVolume(50);
            r.ecrisZoom(150);
        }
        const QString texte = QString::fromStdString(journal.str());
        QCOMPARE(lignes(journal), std::size_t(1));
        QVERIFY2(texte.contains(fichier) && !texte.contains(QStringLiteral("valeurs par défaut")),
                 qPrintable(texte));
    }

    // The volume: steps of 10 %, kept within 0 and 100, its cube as the gain,
    // 0 when muted; a new volume lifts the mute.
    void volume() {
        QList<double> gains;
        Volume v([&](double g) { gains << g; }, 50);
        QCOMPARE(gains, QList<double>{0.125});
        v.plus();
        QCOMPARE(v.pourcent(), 60);
        QVERIFY(qFuzzyCompare(gains.last(), 0.216));
        v.setPourcent(95);
        v.plus();
        v.plus();
        QCOMPARE(v.pourcent(), 100);
        QCOMPARE(gains.last(), 1.0);
        v.setPourcent(7);
        v.moins();
        v.moins();
        QCOMPARE(v.pourcent(), 0);
        QCOMPARE(gains.last(), 0.0);
        v.setPourcent(30);
        v.basculeMuet();
        QCOMPARE(gains.last(), 0.0);
        QVERIFY(v.muet());
        v.plus();
        QVERIFY(!v.muet());
        QCOMPARE(v.pourcent(), 40);
        QVERIFY(qFuzzyCompare(gains.last(), 0.064));
    }

    // The settings' zoom chooses the start, unless it does not fit the screen.
    void zoomDeDepart_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("ajuste");
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QSize>("fenetre");
        QTest::newRow("100 % on 1920 x 1080")
            << 1.0 << false << QSize(1920, 1040) << QSize(1008, 694);
        QTest::newRow("125 % on 1920 x 1080")
            << 1.25 << false << QSize(1920, 1040) << QSize(1260, 867);
        QTest::newRow("150 % too tall: the largest that fits")
            << 1.5 << false << QSize(1920, 1040) << QSize(1442, 992);
        QTest::newRow("a 200 % desktop") << 1.0 << false << QSize(960, 510) << QSize(671, 462);
        QTest::newRow("fit asked") << 1.0 << true << QSize(1920, 1040) << QSize(1442, 992);
    }
    void zoomDeDepart() {
        QFETCH(double, zoom);
        QFETCH(bool, ajuste);
        QFETCH(QSize, ecran);
        QFETCH(QSize, fenetre);
        DemarrageOS d;
        d.zoom = zoom;
        d.ajuste = ajuste;
        const QSize t = ZoomOS::taille(ComplementsOS::zoomDeDepart(d, ecran));
        QCOMPARE(t, fenetre);
        // With its frame, it lies within the screen's free area.
        QVERIFY(t.width() + 16 <= ecran.width() && t.height() + 48 <= ecran.height());
    }

    // On the home page, Return and Space start, Escape ends the program.
    void clavierAccueil_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("demarre");
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    }
    void clavierAccueil() {
        QFETCH(int, touche);
        QFETCH(bool, demarre);
        Module1 m;
        AleatoireScripte alea{{0.5}};
        int fabriques = 0;
        QWidget os;
        QPointer<Accueil> a = new Accueil(m, alea, [&]() -> QWidget* {
            ++fabriques;
            return &os;
        });
        new ClavierAccueil(*a);
        a->show();
        QApplication::setActiveWindow(a);
        QSignalSpy fin(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        QTest::keyClick(a.data(), Qt::Key(touche));
        QCOMPARE(fabriques, demarre ? 1 : 0);
        if (demarre) {
            QVERIFY(os.isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(a.isNull());
        } else {
            delete a.data();
        }
    }
};

QTEST_MAIN(TstReglages)
#include "tst_reglages.moc"
