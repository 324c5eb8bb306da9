// Playback without a sound server: reading the tone back, the loop the output
// pulls from, and a player that stays quiet when there is nothing to play on.

#include "sound/BoucleTon.h"
#include "sound/DossierSon.h"
#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "sound/LitTon.h"
#include "sound/SonLecture.h"
#include "tests/sound/ErreurStandard.h"
#include "tests/sound/FichierTon.h"
#include "tests/sound/LectureSeule.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <sstream>

using namespace vibralume;

namespace {

std::filesystem::path chemin(const QString& dossier) {
    return std::filesystem::path(dossier.toStdString());
}

QByteArray le32(uint32_t v) {
    QByteArray o(4, '\0');
    for (int i = 0; i < 4; ++i) {
        o[i] = char((v >> (8 * i)) & 0xFF);
    }
    return o;
}

QByteArray fmt(int canaux, int frequence, int bits) {
    QByteArray corps;
    corps += QByteArray::fromHex("0100");
    corps += char(canaux);
    corps += '\0';
    corps += le32(uint32_t(frequence));
    corps += le32(uint32_t(frequence * canaux * bits / 8));
    corps += char(canaux * bits / 8);
    corps += '\0';
    corps += char(bits);
    corps += '\0';
    return "fmt " + le32(16) + corps;
}

QByteArray riff(const QByteArray& morceaux) {
    return "RIFF" + le32(uint32_t(4 + morceaux.size())) + "WAVE" + morceaux;
}

QByteArray donnees(const QByteArray& octets, int tailleAnnoncee = -1) {
    return "data" + le32(uint32_t(tailleAnnoncee < 0 ? octets.size() : tailleAnnoncee)) + octets;
}

std::vector<int16_t> lecture(BoucleTon& boucle, std::size_t octets) {
    std::vector<char> lu(octets + 8, 'x');
    const std::size_t donnes = boucle.lis(lu.data(), octets);
    if (donnes > octets || lu[donnes] != 'x') {
        return {-1}; // wrote past what it reported
    }
    std::vector<int16_t> e(donnes / 2);
    if (donnes > 0) { // an empty vector's data() may be null, even for no bytes
        std::memcpy(e.data(), lu.data(), donnes);
    }
    return e;
}

} // namespace

class TestLecture : public QObject {
    Q_OBJECT
private slots:
    void litTonRelitLeGenerateur();
    void litTonFormats_data();
    void litTonFormats();
    void silenceLivre();
    void boucleSansCouture();
    void boucleRemplacee();
    void sansServeur();
    void ancienTonJamaisJoue();
};

void TestLecture::litTonRelitLeGenerateur() {
    QTemporaryDir dossier;
    QVERIFY(GenereSon(1800.0, 65534, chemin(dossier.path())));
    const auto lu = LitTon(chemin(dossier.path()) / "test.wav");
    QVERIFY(lu.has_value());
    QCOMPARE(int(lu->size()), 245);
    for (int j = 0; j < 245; ++j) {
        QCOMPARE((*lu)[std::size_t(j)], essai::echantillonAttendu(j, 1800.0, 65534));
    }
}

void TestLecture::litTonFormats_data() {
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<int>("echantillons"); // -1: refused

    const QByteArray troisEchantillons = QByteArray::fromHex("0100ff7f0080");
    QTest::newRow("plain") << riff(fmt(1, 44100, 16) + donnees(troisEchantillons)) << 3;
    QTest::newRow("odd chunk before data, padded")
        << riff(fmt(1, 44100, 16) + "LIST" + le32(3) + "abc" + '\0' + donnees(troisEchantillons))
        << 3;
    QTest::newRow("data longer than the file: cut")
        << riff(fmt(1, 44100, 16) + donnees(troisEchantillons + "\x05", 1000)) << 3;
    QTest::newRow("stereo") << riff(fmt(2, 44100, 16) + donnees(troisEchantillons)) << -1;
    QTest::newRow("22050 Hz") << riff(fmt(1, 22050, 16) + donnees(troisEchantillons)) << -1;
    QTest::newRow("8-bit") << riff(fmt(1, 44100, 8) + donnees(troisEchantillons)) << -1;
    QTest::newRow("data before fmt") << riff(donnees(troisEchantillons) + fmt(1, 44100, 16)) << -1;
    QTest::newRow("no data") << riff(fmt(1, 44100, 16)) << -1;
    QTest::newRow("empty data") << riff(fmt(1, 44100, 16) + donnees({})) << -1;
    QTest::newRow("not RIFF") << QByteArray("RIFX") + riff(fmt(1, 44100, 16)).mid(4) << -1;
    QTest::newRow("empty file") << QByteArray() << -1;
    QTest::newRow("header cut short") << riff(fmt(1, 44100, 16)).left(30) << -1;
}

void TestLecture::litTonFormats() {
    QFETCH(QByteArray, fichier);
    QFETCH(int, echantillons);
    QTemporaryDir dossier;
    QFile f(dossier.filePath(QStringLiteral("t.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(fichier);
    f.close();

    const auto lu = LitTon(chemin(f.fileName()));
    QCOMPARE(lu.has_value(), echantillons >= 0);
    if (lu) {
        QCOMPARE(int(lu->size()), echantillons);
        QCOMPARE((*lu)[0], int16_t(1));
        QCOMPARE((*lu)[1], int16_t(32767));
        QCOMPARE((*lu)[2], int16_t(-32768));
    }
    QVERIFY(!LitTon(chemin(dossier.filePath(QStringLiteral("absent.wav")))));
}

// silence.wav is delivered next to the program, and is silence.
void TestLecture::silenceLivre() {
    const auto lu = LitTon(DossierSon::cheminSilence());
    QVERIFY2(lu.has_value(), DossierSon::cheminSilence().c_str());
    QVERIFY(lu->size() >= 441);
    QVERIFY(std::all_of(lu->begin(), lu->end(), [](int16_t s) { return s == 0; }));
}

void TestLecture::boucleSansCouture() {
    BoucleTon boucle;
    QVERIFY(lecture(boucle, 64).empty()); // nothing yet: nothing to play
    boucle.remplace({1, 2, 3, 4, 5});
    // Reads of any size, across the join, give the samples in turn; an odd
    // byte is left for the next read, never split.
    std::vector<int16_t> suite;
    for (std::size_t taille : {6, 4, 14, 2, 7, 1, 20, 1024}) {
        const auto lu = lecture(boucle, taille);
        QCOMPARE(lu.size(), taille / 2);
        suite.insert(suite.end(), lu.begin(), lu.end());
    }
    for (std::size_t k = 0; k < suite.size(); ++k) {
        QCOMPARE(suite[k], int16_t(k % 5 + 1));
    }
}

void TestLecture::boucleRemplacee() {
    BoucleTon boucle;
    boucle.remplace({1, 2, 3, 4, 5});
    lecture(boucle, 6);
    boucle.remplace({-7, -8});
    QCOMPARE(boucle.nombreEchantillons(), std::size_t(2));
    const auto lu = lecture(boucle, 10);
    QCOMPARE(lu, (std::vector<int16_t>{-7, -8, -7, -8, -7}));
}

// Run with PULSE_SERVER pointing nowhere: the player finds no output, says
// so once and carries on, whatever it is asked; nothing else reaches the
// standard error.
void TestLecture::sansServeur() {
    const QString serveur = qEnvironmentVariable("PULSE_SERVER");
    QVERIFY2(serveur.startsWith(QLatin1String("unix:")) && !QFileInfo::exists(serveur.mid(5)),
             "this case needs a machine without a sound server (see PULSE_SERVER in CTest)");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QTemporaryDir dossier;
    QVERIFY(GenereSon(1800.0, 6553, chemin(dossier.path())));
    std::ostringstream journal;
    essai::ErreurStandard erreurs;
    {
        Lecture lecture([&] { return chemin(dossier.path()) / "test.wav"; }, journal);
        QSignalSpy etats(&lecture, &Lecture::etatChange);
        lecture.JoueSon();
        QVERIFY(!lecture.joue());
        QCOMPARE(lecture.echantillonsEnBoucle(), std::size_t(245));
        QTRY_COMPARE(lecture.etat(), EtatSortie::SansSortie);
        lecture.ArreteSon();
        QCOMPARE(lecture.etat(), EtatSortie::Silence);
        lecture.JoueSon();
        lecture.JoueSon();
        QTRY_COMPARE(lecture.etat(), EtatSortie::SansSortie);
        // Long enough for the output to be tried again.
        QTest::qWait(1500);
        QCOMPARE(lecture.etat(), EtatSortie::SansSortie);
        lecture.ArreteSon();
        QTest::qWait(50);
        QCOMPARE(lecture.etat(), EtatSortie::Silence);
        for (const QList<QVariant>& e : etats) {
            QVERIFY(e.at(0).value<EtatSortie>() != EtatSortie::Joue);
        }
    }
    QCOMPARE(erreurs.rend(), QByteArray());
    const std::string texte = journal.str();
    QCOMPARE(std::count(texte.begin(), texte.end(), '\n'), 1);
    QVERIFY(texte.find("vibralume") == 0);
}

// A read-only data folder (a full or read-only home) over the tone of an
// earlier run, 2300 Hz: the new tone cannot be written, so nothing is
// played until a write succeeds again.
void TestLecture::ancienTonJamaisJoue() {
    QTemporaryDir donnees;
    QVERIFY(GenereSon(2300.0, 6553, chemin(donnees.path())));
    std::ostringstream journal;
    DossierSon dossier(chemin(donnees.path()), journal, DossierSon::Repli::Aucun);
    SonLecture son(dossier, journal);
    {
        essai::LectureSeule lectureSeule(donnees.path());
        QVERIFY2(lectureSeule.ferme(), "the folder still takes files: the case proves nothing");
        QVERIFY(!son.GenereSon(1800.0, 6553) && !son.tonDisponible());
        son.JoueSon();
        QCOMPARE(son.lecture().echantillonsEnBoucle(), std::size_t(0)); // 192 for the old tone
    }
    QVERIFY2(journal.str().find("le son reste muet") != std::string::npos, journal.str().c_str());
    QVERIFY(son.GenereSon(1800.0, 6553));
    son.JoueSon();
    QCOMPARE(son.lecture().echantillonsEnBoucle(), std::size_t(245));
}

QTEST_GUILESS_MAIN(TestLecture)
#include "tst_lecture.moc"
