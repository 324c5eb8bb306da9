// The tone file, byte for byte.

#include "sound/Generateur.h"
#include "tests/sound/FichierTon.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <vector>

using namespace vibralume;
using essai::echantillon;
using essai::echantillonAttendu;
using essai::le32;
using essai::litOctets;

namespace {

// Every write the generator makes, in order.
class SortieNotee : public SortieOctets {
public:
    void ecris(const char* octets, std::size_t taille) override {
        tailles.push_back(int(taille));
        contenu.append(octets, qsizetype(taille));
    }
    std::vector<int> tailles;
    QByteArray contenu;
};

std::filesystem::path chemin(const QTemporaryDir& dossier) {
    return std::filesystem::path(dossier.path().toStdString());
}

} // namespace

class TestGenerateur : public QObject {
    Q_OBJECT
private slots:
    void entete_data();
    void entete();
    void echantillons_data();
    void echantillons();
    void sinusEntiere_data();
    void sinusEntiere();
    void blocs_data();
    void blocs();
    void remplacementPlusCourt();
    void frequenceInvalide_data();
    void frequenceInvalide();
};

void TestGenerateur::entete_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<int>("N");
    QTest::addColumn<QByteArray>("tailleRiff"); // little-endian, by hand
    QTest::addColumn<QByteArray>("tailleDonnees");

    QTest::newRow("1000 Hz") << 1000.0 << 441 << QByteArray::fromHex("96030000")
                             << QByteArray::fromHex("72030000");
    QTest::newRow("100 Hz, longest")
        << 100.0 << 4410 << QByteArray::fromHex("98220000") << QByteArray::fromHex("74220000");
    QTest::newRow("4000 Hz, 110.25")
        << 4000.0 << 110 << QByteArray::fromHex("00010000") << QByteArray::fromHex("dc000000");
    QTest::newRow("1800 Hz, start")
        << 1800.0 << 245 << QByteArray::fromHex("0e020000") << QByteArray::fromHex("ea010000");
    QTest::newRow("400 Hz, tie 1102.5")
        << 400.0 << 1102 << QByteArray::fromHex("c0080000") << QByteArray::fromHex("9c080000");
    QTest::newRow("1200 Hz, tie 367.5")
        << 1200.0 << 368 << QByteArray::fromHex("04030000") << QByteArray::fromHex("e0020000");
    QTest::newRow("2000 Hz, tie 220.5")
        << 2000.0 << 220 << QByteArray::fromHex("dc010000") << QByteArray::fromHex("b8010000");
    QTest::newRow("3000 Hz") << 3000.0 << 147 << QByteArray::fromHex("4a010000")
                             << QByteArray::fromHex("26010000");
    QTest::newRow("700 Hz") << 700.0 << 630 << QByteArray::fromHex("10050000")
                            << QByteArray::fromHex("ec040000");
}

void TestGenerateur::entete() {
    QFETCH(double, F);
    QFETCH(int, N);
    QFETCH(QByteArray, tailleRiff);
    QFETCH(QByteArray, tailleDonnees);

    QTemporaryDir dossier;
    QVERIFY(GenereSon(F, 6553, chemin(dossier)));
    const QByteArray o = litOctets(chemin(dossier) / "test.wav");

    QCOMPARE(NombreEchantillons(F), N);
    QCOMPARE(o.size(), 44 + 2 * N);
    const QByteArray attendu = "RIFF" + tailleRiff +
                               QByteArray::fromHex("57415645666d7420" // "WAVEfmt "
                                                   "10000000"         // 16
                                                   "0100"
                                                   "0100"     // PCM, mono
                                                   "44ac0000" // 44100
                                                   "88580100" // 88200
                                                   "0200"
                                                   "1000"        // 2, 16
                                                   "64617461") + // "data"
                               tailleDonnees;
    QCOMPARE(o.left(44).toHex(), attendu.toHex());
}

void TestGenerateur::echantillons_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("valeur");

    QTest::newRow("j=0") << 1000.0 << 6553 << 0 << 0;
    QTest::newRow("j=1") << 1000.0 << 6553 << 1 << 930;
    QTest::newRow("j=2") << 1000.0 << 6553 << 2 << 1842;
    QTest::newRow("j=3") << 1000.0 << 6553 << 3 << 2716;
    QTest::newRow("j=4") << 1000.0 << 6553 << 4 << 3536;
    QTest::newRow("peak j=11") << 1000.0 << 6553 << 11 << 6553;
    QTest::newRow("last j=440") << 1000.0 << 6553 << 440 << -930;
    // At resonance the peak is ten times larger: clipped, not wrapped.
    QTest::newRow("resonance j=1 in range") << 1000.0 << 65534 << 1 << 9305;
    QTest::newRow("resonance j=11 clipped") << 1000.0 << 65534 << 11 << 32767;
    QTest::newRow("resonance j=33 clipped") << 1000.0 << 65534 << 33 << -32768;
    QTest::newRow("largest P clipped")
        << 1000.0 << std::numeric_limits<int32_t>::max() << 11 << 32767;
}

void TestGenerateur::echantillons() {
    QFETCH(double, F);
    QFETCH(int, P);
    QFETCH(int, j);
    QFETCH(int, valeur);

    QTemporaryDir dossier;
    const int32_t peak = P;
    QVERIFY(GenereSon(F, peak, chemin(dossier)));
    const QByteArray o = litOctets(chemin(dossier) / "test.wav");
    QCOMPARE(o.size(), 44 + 2 * NombreEchantillons(F));
    QCOMPARE(int(echantillon(o, j)), valeur);
}

void TestGenerateur::sinusEntiere_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<int>("P");

    QTest::newRow("1000 Hz, 1 cm") << 1000.0 << 6553;
    QTest::newRow("100 Hz, full scale") << 100.0 << 32767;
    QTest::newRow("4000 Hz, 5 cm") << 4000.0 << 32767;
    QTest::newRow("1800 Hz, resonance") << 1800.0 << 65534;
    QTest::newRow("100 Hz, resonance") << 100.0 << 327670;
    QTest::newRow("P = 0") << 1234.5 << 0;
    QTest::newRow("negative P") << 700.0 << -20000;
}

// Every sample of the file, against the definition.
void TestGenerateur::sinusEntiere() {
    QFETCH(double, F);
    QFETCH(int, P);

    QTemporaryDir dossier;
    const int32_t peak = P;
    QVERIFY(GenereSon(F, peak, chemin(dossier)));
    const QByteArray o = litOctets(chemin(dossier) / "test.wav");
    const int N = NombreEchantillons(F);
    QCOMPARE(o.size(), 44 + 2 * N);
    QCOMPARE(le32(o, 4), uint32_t(36 + 2 * N));
    QCOMPARE(le32(o, 40), uint32_t(2 * N));
    int ecarts = 0;
    for (int j = 0; j < N; ++j) {
        if (echantillon(o, j) != echantillonAttendu(j, F, P)) {
            ++ecarts;
        }
    }
    QCOMPARE(ecarts, 0);
    if (P == 0) {
        QCOMPARE(o.mid(44), QByteArray(2 * N, '\0'));
    }
}

void TestGenerateur::blocs_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<QList<int>>("blocs"); // bytes per sample write

    QTest::newRow("1") << 1 << QList<int>{2};
    QTest::newRow("511") << 511 << QList<int>{1022};
    QTest::newRow("512: one block") << 512 << QList<int>{1024};
    QTest::newRow("513: a block and 1") << 513 << QList<int>{1024, 2};
    QTest::newRow("1024: two, no empty third") << 1024 << QList<int>{1024, 1024};
    QTest::newRow("1025") << 1025 << QList<int>{1024, 1024, 2};
    QTest::newRow("4410") << 4410
                          << QList<int>{1024, 1024, 1024, 1024, 1024, 1024, 1024, 1024, 628};
}

void TestGenerateur::blocs() {
    QFETCH(int, N);
    QFETCH(QList<int>, blocs);

    const double F = 441000.0 / N;
    QCOMPARE(NombreEchantillons(F), N);
    SortieNotee sortie;
    EcritTon(F, 12000, sortie);

    // Twelve header fields, then the sample blocks.
    const std::vector<int> entete{4, 4, 8, 4, 2, 2, 4, 4, 2, 2, 4, 4};
    QVERIFY(sortie.tailles.size() == entete.size() + std::size_t(blocs.size()));
    QVERIFY(std::equal(entete.begin(), entete.end(), sortie.tailles.begin()));
    QCOMPARE(QList<int>(sortie.tailles.begin() + 12, sortie.tailles.end()), blocs);

    // And the file on disk is exactly what went out.
    QTemporaryDir dossier;
    QVERIFY(GenereSon(F, 12000, chemin(dossier)));
    QCOMPARE(litOctets(chemin(dossier) / "test.wav"), sortie.contenu);
}

void TestGenerateur::remplacementPlusCourt() {
    QTemporaryDir dossier;
    QVERIFY(GenereSon(100.0, 32767, chemin(dossier)));
    QCOMPARE(litOctets(chemin(dossier) / "test.wav").size(), 8864);
    QVERIFY(GenereSon(4000.0, 6553, chemin(dossier)));
    const QByteArray o = litOctets(chemin(dossier) / "test.wav");
    QCOMPARE(o.size(), 264);
    QCOMPARE(int(echantillon(o, 109)), int(echantillonAttendu(109, 4000.0, 6553)));
    QCOMPARE(essai::autresFichiers(dossier.path()), QStringList());
}

void TestGenerateur::frequenceInvalide_data() {
    QTest::addColumn<double>("F");
    QTest::addColumn<bool>("valide");

    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("-0") << -0.0 << false;
    QTest::newRow("negative") << -1000.0 << false;
    QTest::newRow("882000: half a sample rounds to none") << 882000.0 << false;
    QTest::newRow("above 882000") << 882000.5 << false;
    QTest::newRow("huge") << 1e300 << false;
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("881999: one sample") << 881999.0 << true;
    QTest::newRow("441000: one sample") << 441000.0 << true;
}

// A refused frequency writes nothing and keeps the previous tone.
void TestGenerateur::frequenceInvalide() {
    QFETCH(double, F);
    QFETCH(bool, valide);

    QTemporaryDir dossier;
    QVERIFY(GenereSon(1000.0, 6553, chemin(dossier)));
    const QByteArray avant = litOctets(chemin(dossier) / "test.wav");

    QCOMPARE(FrequenceValide(F), valide);
    QCOMPARE(GenereSon(F, 6553, chemin(dossier)), valide);
    const QByteArray apres = litOctets(chemin(dossier) / "test.wav");
    if (valide) {
        QCOMPARE(apres.size(), 46);
        QCOMPARE(le32(apres, 40), 2u);
    } else {
        QCOMPARE(apres, avant);
    }
    QCOMPARE(essai::autresFichiers(dossier.path()), QStringList());
}

QTEST_GUILESS_MAIN(TestGenerateur)
#include "tst_generateur.moc"
