// Where the tone file goes and how it is replaced: never torn, never half
// there, and in the user's data folder when the program's own is closed.

#include "sound/DossierSon.h"
#include "sound/Generateur.h"
#include "sound/RemplacementAtomique.h"
#include "tests/sound/FichierTon.h"
#include "tests/sound/LectureSeule.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace vibralume;
using essai::echantillon;
using essai::echantillonAttendu;
using essai::le32;
using essai::litOctets;

namespace {

std::filesystem::path chemin(const QString& dossier) {
    return std::filesystem::path(dossier.toStdString());
}

// Empty when `o` is one of the two tones the writer alternates between, whole.
QString defautTonEntier(const QByteArray& o, int32_t P) {
    if (o.size() < 44 || !o.startsWith("RIFF") || o.mid(8, 8) != "WAVEfmt " ||
        o.mid(36, 4) != "data") {
        return QStringLiteral("header torn, %1 bytes").arg(o.size());
    }
    if (le32(o, 4) != uint32_t(o.size() - 8) || le32(o, 40) != uint32_t(o.size() - 44)) {
        return QStringLiteral("sizes %1/%2 for a file of %3 bytes")
            .arg(le32(o, 4))
            .arg(le32(o, 40))
            .arg(o.size());
    }
    const double F = o.size() == 44 + 2 * 4410 ? 100.0 : 4000.0;
    if (o.size() != 44 + 2 * NombreEchantillons(F)) {
        return QStringLiteral("unexpected length %1").arg(o.size());
    }
    for (int j = 0; j < (o.size() - 44) / 2; ++j) {
        if (echantillon(o, j) != echantillonAttendu(j, F, P)) {
            return QStringLiteral("sample %1 wrong").arg(j);
        }
    }
    return {};
}

pid_t pidMort() {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(0);
    }
    waitpid(pid, nullptr, 0);
    return pid;
}

class Environnement {
public:
    explicit Environnement(const char* nom) : nom_(nom), avait_(qEnvironmentVariableIsSet(nom)) {
        ancien_ = qgetenv(nom);
    }
    ~Environnement() {
        if (avait_) {
            qputenv(nom_, ancien_);
        } else {
            qunsetenv(nom_);
        }
    }
    void mets(const QByteArray& valeur) { qputenv(nom_, valeur); }
    void enleve() { qunsetenv(nom_); }

private:
    const char* nom_;
    bool avait_;
    QByteArray ancien_;
};

} // namespace

class TestRemplacement : public QObject {
    Q_OBJECT
private slots:
    void ecrivainTueNeLaissePasDeFichierDechire();
    void restesNettoyes();
    void echecLaisseLAncien();
    void repli_data();
    void repli();
    void dossierEcrivableSansRepli();
    void aucunDossierEcrivable();
    void arbreDeConstruction();
    void dossierDonnees_data();
    void dossierDonnees();
    void dossierExecutable();
};

// A writer killed at random moments: test.wav is, every time, absent or one
// whole tone.
void TestRemplacement::ecrivainTueNeLaissePasDeFichierDechire() {
    QTemporaryDir dossier;
    const auto cible = chemin(dossier.path()) / "test.wav";
    const int32_t P = 16000;
    std::mt19937 alea(20240611);
    std::uniform_int_distribution<int> attente(0, 500);

    int fichiersVus = 0;
    int tuesEnEcrivant = 0;
    for (int tir = 0; tir < 300; ++tir) {
        int tube[2];
        QVERIFY(pipe(tube) == 0);
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            // A long and a short tone in turn, so a torn file would show in its length.
            close(tube[0]);
            for (unsigned k = 0;; ++k) {
                GenereSon(k % 2 ? 100.0 : 4000.0, P, cible.parent_path());
                if (k == 0) {
                    // Started: from now on the kill falls among the writes.
                    const char pret = 1;
                    [[maybe_unused]] auto ecrit = write(tube[1], &pret, 1);
                    close(tube[1]);
                }
            }
        }
        close(tube[1]);
        char pret = 0;
        [[maybe_unused]] auto lu = read(tube[0], &pret, 1);
        close(tube[0]);
        usleep(useconds_t(attente(alea)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);

        if (QFile::exists(QString::fromStdString(cible.string()))) {
            ++fichiersVus;
            const QString defaut = defautTonEntier(litOctets(cible), P);
            QVERIFY2(defaut.isEmpty(), qPrintable(QStringLiteral("kill %1: ").arg(tir) + defaut));
        }
        // A temporary left behind means the kill fell in the middle of a write.
        tuesEnEcrivant += RemplacementAtomique::nettoieRestes(cible);
    }
    qInfo("%d files checked, %d kills in the middle of a write", fichiersVus, tuesEnEcrivant);
    QVERIFY(fichiersVus > 0);
    QVERIFY2(tuesEnEcrivant > 0, "no kill fell during a write: the check proved nothing");
    QCOMPARE(essai::autresFichiers(dossier.path()), QStringList());
}

void TestRemplacement::restesNettoyes() {
    QTemporaryDir dossier;
    const auto cible = chemin(dossier.path()) / "test.wav";
    auto cree = [&](const QString& nom) {
        QFile f(dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    const QString mort = QStringLiteral(".test.wav-%1-0.tmp").arg(pidMort());
    const QString vivant = QStringLiteral(".test.wav-%1-3.tmp").arg(getppid());
    const QString moi = QStringLiteral(".test.wav-%1-7.tmp").arg(getpid());
    const QStringList autres{QStringLiteral(".other.wav-999999-0.tmp"),
                             QStringLiteral(".test.wav-abc-0.tmp"),
                             QStringLiteral(".test.wav-.tmp"), QStringLiteral("test.wav.tmp")};
    cree(mort);
    cree(vivant);
    cree(moi);
    for (const QString& nom : autres) {
        cree(nom);
    }

    QCOMPARE(RemplacementAtomique::nettoieRestes(cible), 1);
    QVERIFY(!QFile::exists(dossier.filePath(mort)));
    QVERIFY(QFile::exists(dossier.filePath(vivant)));
    QVERIFY(QFile::exists(dossier.filePath(moi)));
    for (const QString& nom : autres) {
        QVERIFY2(QFile::exists(dossier.filePath(nom)), qPrintable(nom));
    }
}

// The rename fails (test.wav is a folder with something in it): the old
// content stays and no temporary is left.
void TestRemplacement::echecLaisseLAncien() {
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkpath(QStringLiteral("test.wav/occupe")));
    QVERIFY(!GenereSon(1000.0, 6553, chemin(dossier.path())));
    QVERIFY(QFileInfo(dossier.filePath(QStringLiteral("test.wav/occupe"))).isDir());
    QCOMPARE(essai::autresFichiers(dossier.path()), QStringList());

    RemplacementAtomique ecriture(chemin(dossier.path()) / "test.wav");
    QVERIFY(ecriture.ouvert());
    ecriture.ecris("abc", 3);
    QVERIFY(!ecriture.valide());
    QVERIFY(ecriture.erreur() != 0);
    QCOMPARE(essai::autresFichiers(dossier.path()), QStringList());
}

void TestRemplacement::repli_data() {
    QTest::addColumn<QString>("cas");
    QTest::newRow("parent is a regular file") << QStringLiteral("fichier");
    QTest::newRow("folder missing") << QStringLiteral("absent");
    QTest::newRow("read-only folder") << QStringLiteral("lectureSeule");
}

void TestRemplacement::repli() {
    QFETCH(QString, cas);
    QTemporaryDir racine;
    Environnement xdg("XDG_DATA_HOME");
    xdg.mets(racine.filePath(QStringLiteral("donnees")).toUtf8());

    QString programme;
    std::optional<essai::LectureSeule> lectureSeule;
    if (cas == QLatin1String("fichier")) {
        QFile f(racine.filePath(QStringLiteral("programme")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        programme = racine.filePath(QStringLiteral("programme/bin"));
    } else if (cas == QLatin1String("absent")) {
        programme = racine.filePath(QStringLiteral("absent/bin"));
    } else {
        programme = racine.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(programme));
        lectureSeule.emplace(programme);
        QVERIFY2(lectureSeule->ferme(), "the folder still takes files: the case proves nothing");
    }

    std::ostringstream journal;
    DossierSon dossier(chemin(programme), journal);
    QCOMPARE(dossier.cheminTon(), chemin(programme) / "test.wav");
    for (double F : {1800.0, 2000.0, 4000.0}) {
        QVERIFY(dossier.genere(F, 6553));
    }
    const auto donnees = chemin(racine.path()) / "donnees" / "vibralume";
    QCOMPARE(dossier.cheminTon(), donnees / "test.wav");
    QCOMPARE(litOctets(donnees / "test.wav").size(), 264);
    QVERIFY(!QFile::exists(programme + QStringLiteral("/test.wav")));

    const std::string texte = journal.str();
    QCOMPARE(std::count(texte.begin(), texte.end(), '\n'), 1);
    QVERIFY(texte.find(donnees.string()) != std::string::npos);
    QVERIFY(texte.find("le son est écrit dans") != std::string::npos);

    // An invalid frequency is not a reason to move again nor to speak.
    QVERIFY(!dossier.genere(0.0, 6553));
    QCOMPARE(journal.str(), texte);
}

void TestRemplacement::dossierEcrivableSansRepli() {
    QTemporaryDir racine;
    Environnement xdg("XDG_DATA_HOME");
    xdg.mets(racine.filePath(QStringLiteral("donnees")).toUtf8());
    std::ostringstream journal;
    DossierSon dossier(chemin(racine.path()), journal);
    QVERIFY(dossier.genere(1800.0, 6553));
    QVERIFY(!dossier.genere(-5.0, 6553));
    QCOMPARE(dossier.cheminTon(), chemin(racine.path()) / "test.wav");
    QCOMPARE(litOctets(dossier.cheminTon()).size(), 534);
    QCOMPARE(journal.str(), std::string());
    QVERIFY(!QFile::exists(racine.filePath(QStringLiteral("donnees"))));
}

// Neither folder takes the file: the one line says so, and no tone exists.
void TestRemplacement::aucunDossierEcrivable() {
    QTemporaryDir racine;
    QFile f(racine.filePath(QStringLiteral("fichier")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    Environnement xdg("XDG_DATA_HOME");
    xdg.mets(racine.filePath(QStringLiteral("fichier/donnees")).toUtf8());
    const auto programme = chemin(racine.filePath(QStringLiteral("fichier/bin")));
    std::ostringstream journal;
    DossierSon dossier(programme, journal);
    QVERIFY(!dossier.genere(1800.0, 6553));
    QVERIFY(!dossier.genere(2000.0, 6553));
    const std::string texte = journal.str();
    QCOMPARE(std::count(texte.begin(), texte.end(), '\n'), 1);
    QVERIFY(texte.find(programme.string()) != std::string::npos);
    QVERIFY(texte.find("fichier/donnees/vibralume") != std::string::npos);
    QVERIFY2(texte.find("le son reste muet") != std::string::npos, texte.c_str());
    QVERIFY2(texte.find("le son est écrit") == std::string::npos, texte.c_str());
    QCOMPARE(QDir(racine.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("fichier")});
}

// Run from its build tree (as this test is), the program writes beside
// itself; the bin folder of an unpacked package is no build tree.
void TestRemplacement::arbreDeConstruction() {
    std::ostringstream journal;
    QCOMPARE(DossierSon::pourExecutable(journal).dossier(), DossierSon::dossierExecutable());
    QTemporaryDir racine;
    QVERIFY(QDir(racine.path()).mkpath(QStringLiteral("usr/bin")));
    QVERIFY(
        !DossierSon::estArbreDeConstruction(chemin(racine.filePath(QStringLiteral("usr/bin")))));
}

void TestRemplacement::dossierDonnees_data() {
    QTest::addColumn<QByteArray>("xdg");  // "-" for unset
    QTest::addColumn<QString>("attendu"); // under the test's HOME

    QTest::newRow("XDG_DATA_HOME absolute") << QByteArray("/srv/data") << "/srv/data/vibralume";
    QTest::newRow("XDG_DATA_HOME unset") << QByteArray("-") << "HOME/.local/share/vibralume";
    QTest::newRow("XDG_DATA_HOME empty") << QByteArray("") << "HOME/.local/share/vibralume";
    QTest::newRow("XDG_DATA_HOME relative") << QByteArray("data") << "HOME/.local/share/vibralume";
}

void TestRemplacement::dossierDonnees() {
    QFETCH(QByteArray, xdg);
    QFETCH(QString, attendu);
    Environnement varXdg("XDG_DATA_HOME");
    Environnement home("HOME");
    home.mets("/home/eleve");
    if (xdg == "-") {
        varXdg.enleve();
    } else {
        varXdg.mets(xdg);
    }
    attendu.replace(QStringLiteral("HOME"), QStringLiteral("/home/eleve"));
    QCOMPARE(QString::fromStdString(DossierSon::dossierDonnees().string()), attendu);
}

void TestRemplacement::dossierExecutable() {
    QCOMPARE(QString::fromStdString(DossierSon::dossierExecutable().string()),
             QCoreApplication::applicationDirPath());
}

QTEST_GUILESS_MAIN(TestRemplacement)
#include "tst_remplacement.moc"
