// The command line: what is accepted and how it is read, what is refused and
// what the user is told, read in the process; then the real program, which
// must answer and end without ever opening a display.

#include "ui/demarrage/LigneDeCommande.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vibralume;

namespace {

QStringList ligne(const QString& arguments) {
    return QStringList{QStringLiteral("vibralume")} +
           arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QString Utilisation = QStringLiteral("Utilisation : vibralume [options] [leçon.vibralume]");
const QString Usage = QStringLiteral("Usage: vibralume [options] [lesson.vibralume]");
const QString Version = QStringLiteral("vibralume " VERSION_ATTENDUE "\n");

} // namespace

class TstLigneDeCommande : public QObject {
    Q_OBJECT
private slots:
    void acceptee_data();
    void acceptee();
    void lecon_data();
    void lecon();
    void refusee_data();
    void refusee();
    void finImmediate_data();
    void finImmediate();
    void aideTientDansLeTerminal();
    void langueDeLaReponse_data();
    void langueDeLaReponse();
    void refusEnAnglais_data();
    void refusEnAnglais();
    void aideAnglaiseTientDansLeTerminal();
    void programmeReel_data();
    void programmeReel();
    void programmeReelLangueRetenue_data();
    void programmeReelLangueRetenue();
};

void TstLigneDeCommande::acceptee_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("zoom"); // 0: unset
    QTest::addColumn<bool>("ajuste");
    QTest::addColumn<int>("volume");     // -1: unset
    QTest::addColumn<QString>("langue"); // empty: unset
    QTest::addColumn<bool>("sansAccueil");

    QTest::newRow("nothing, as before") << "" << 0 << false << -1 << "" << false;
    QTest::newRow("zoom lowest") << "--zoom 50" << 50 << false << -1 << "" << false;
    QTest::newRow("zoom highest, with =") << "--zoom=400" << 400 << false << -1 << "" << false;
    QTest::newRow("zoom with a percent sign") << "--zoom 150%" << 150 << false << -1 << "" << false;
    QTest::newRow("zoom fit") << "--zoom fit" << 0 << true << -1 << "" << false;
    QTest::newRow("zoom FIT") << "--zoom=FIT" << 0 << true << -1 << "" << false;
    QTest::newRow("zoom in French") << "--zoom ajuste" << 0 << true << -1 << "" << false;
    QTest::newRow("last zoom wins") << "--zoom fit --zoom 75" << 75 << false << -1 << "" << false;
    QTest::newRow("volume silent") << "--volume 0" << 0 << false << 0 << "" << false;
    QTest::newRow("volume full") << "--volume=100" << 0 << false << 100 << "" << false;
    QTest::newRow("language, any case") << "--langue FR" << 0 << false << -1 << "fr" << false;
    QTest::newRow("English") << "--langue en" << 0 << false << -1 << "en" << false;
    QTest::newRow("no home page") << "--sans-accueil" << 0 << false << -1 << "" << true;
    QTest::newRow("one dash, Qt style")
        << "-zoom 60 -sans-accueil" << 60 << false << -1 << "" << true;
    QTest::newRow("everything") << "--sans-accueil --volume 35 --langue fr --zoom 200" << 200
                                << false << 35 << "fr" << true;
    QTest::newRow("Qt's own options left alone")
        << "-platform offscreen --zoom 125 -style fusion -reverse --platformtheme gtk3" << 125
        << false << -1 << "" << false;
}

void TstLigneDeCommande::acceptee() {
    QFETCH(QString, arguments);
    const Demande d = LigneDeCommande::lis(ligne(arguments));
    if (const Fin* fin = std::get_if<Fin>(&d))
        QFAIL(qPrintable(QStringLiteral("ended with %1: %2").arg(fin->code).arg(fin->texte)));
    const Options& o = std::get<Options>(d);

    QFETCH(int, zoom);
    QFETCH(bool, ajuste);
    QFETCH(int, volume);
    QFETCH(QString, langue);
    QFETCH(bool, sansAccueil);
    QCOMPARE(o.zoomPourcent.value_or(0), zoom);
    QCOMPARE(o.zoomPourcent.has_value(), zoom != 0);
    QCOMPARE(o.zoomAjuste, ajuste);
    QCOMPARE(o.volume.value_or(-1), volume);
    QCOMPARE(o.volume.has_value(), volume != -1);
    QCOMPARE(o.langue.value_or(QString()), langue);
    QCOMPARE(o.langue.has_value(), !langue.isEmpty());
    QCOMPARE(o.sansAccueil, sansAccueil);
}

// One word is the lesson to open, whatever it holds; reading it is the window's.
void TstLigneDeCommande::lecon_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("lecon"); // empty: none
    QTest::addColumn<bool>("sansAccueil");
    QTest::newRow("none") << "--zoom 100"
                          << "" << false;
    QTest::newRow("a lesson") << "cours.vibralume"
                              << "cours.vibralume" << false;
    QTest::newRow("after the options") << "--zoom 80 /tmp/onde.vibralume --sans-accueil"
                                       << "/tmp/onde.vibralume" << true;
    QTest::newRow("after --, like an option") << "-- --zoom"
                                              << "--zoom" << false;
}

void TstLigneDeCommande::lecon() {
    QFETCH(QString, arguments);
    QFETCH(QString, lecon);
    QFETCH(bool, sansAccueil);
    const Demande d = LigneDeCommande::lis(ligne(arguments));
    QVERIFY(std::holds_alternative<Options>(d));
    const Options& o = std::get<Options>(d);
    QCOMPARE(o.lecon.value_or(QString()), lecon);
    QCOMPARE(o.lecon.has_value(), !lecon.isEmpty());
    QCOMPARE(o.sansAccueil, sansAccueil);
}

void TstLigneDeCommande::refusee_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown option") << "--plein-ecran"
                                    << "option inconnue : --plein-ecran";
    QTest::newRow("unknown short option") << "-x"
                                          << "option inconnue : -x";
    QTest::newRow("two unknown") << "--zoom 100 -x --couleur=rouge"
                                 << "options inconnues : -x, --couleur";
    QTest::newRow("two words") << "cours.vibralume enonce.pdf"
                               << "argument inattendu : « enonce.pdf »";
    QTest::newRow("two words after --") << "-- a.vibralume --zoom"
                                        << "argument inattendu : « --zoom »";
    QTest::newRow("zoom without value") << "--sans-accueil --zoom"
                                        << "l'option --zoom attend une valeur";
    QTest::newRow("volume without value") << "-volume"
                                          << "l'option -volume attend une valeur";
    QTest::newRow("Qt option without value") << "-platform"
                                             << "l'option -platform attend une valeur";
    QTest::newRow("flag with a value") << "--sans-accueil=oui"
                                       << "l'option --sans-accueil ne prend pas de valeur";
    const QString zoom = QStringLiteral(" ; attendu un pourcentage entier de 50 à 400, ou « fit »");
    QTest::newRow("zoom too small") << "--zoom 49"
                                    << "valeur refusée pour --zoom : « 49 »" + zoom;
    QTest::newRow("zoom too large") << "--zoom 401"
                                    << "valeur refusée pour --zoom : « 401 »" + zoom;
    QTest::newRow("zoom not whole") << "--zoom 1.5"
                                    << "valeur refusée pour --zoom : « 1.5 »" + zoom;
    QTest::newRow("zoom empty") << "--zoom="
                                << "valeur refusée pour --zoom : «  »" + zoom;
    QTest::newRow("zoom signed") << "--zoom +100"
                                 << "valeur refusée pour --zoom : « +100 »" + zoom;
    QTest::newRow("zoom a word") << "--zoom grand"
                                 << "valeur refusée pour --zoom : « grand »" + zoom;
    QTest::newRow("zoom huge") << "--zoom 99999999999"
                               << "valeur refusée pour --zoom : « 99999999999 »" + zoom;
    const QString volume = QStringLiteral(" ; attendu un pourcentage entier de 0 à 100");
    QTest::newRow("volume negative") << "--volume -1"
                                     << "valeur refusée pour --volume : « -1 »" + volume;
    QTest::newRow("volume too loud") << "--volume 101"
                                     << "valeur refusée pour --volume : « 101 »" + volume;
    QTest::newRow("German") << "--langue de"
                            << "valeur refusée pour --langue : « de » ; attendu « fr » ou « en »";
    QTest::newRow("French of France") << "--langue fr_FR"
                                      << "valeur refusée pour --langue : « fr_FR » ; attendu "
                                         "« fr » ou « en »";
}

// Refused: code 2, the reason on the first line, the usage after it.
void TstLigneDeCommande::refusee() {
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    const Demande d = LigneDeCommande::lis(ligne(arguments));
    QVERIFY(std::holds_alternative<Fin>(d));
    const Fin& fin = std::get<Fin>(d);
    QCOMPARE(fin.code, 2);
    const QStringList lignes = fin.texte.split(QLatin1Char('\n'));
    QCOMPARE(lignes.value(0), QStringLiteral("vibralume : ") + message);
    QCOMPARE(lignes.value(1), QString());
    QCOMPARE(lignes.value(2), Utilisation);
    QCOMPARE(fin.texte.mid(fin.texte.indexOf(Utilisation)), LigneDeCommande::aide());
}

void TstLigneDeCommande::finImmediate_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("aide"); // else the version

    QTest::newRow("--help") << "--help" << true;
    QTest::newRow("-h") << "-h" << true;
    QTest::newRow("--version") << "--version" << false;
    QTest::newRow("-v") << "-v" << false;
    QTest::newRow("help among options") << "--zoom 100 --help --sans-accueil" << true;
    QTest::newRow("help over a wrong value") << "--volume 300 -h" << true;
    QTest::newRow("version over a wrong value") << "--langue xx --version" << false;
    QTest::newRow("help after a Qt option") << "-platform offscreen --help" << true;
}

void TstLigneDeCommande::finImmediate() {
    QFETCH(QString, arguments);
    QFETCH(bool, aide);
    const Demande d = LigneDeCommande::lis(ligne(arguments));
    QVERIFY(std::holds_alternative<Fin>(d));
    const Fin& fin = std::get<Fin>(d);
    QCOMPARE(fin.code, 0);
    if (aide) {
        QVERIFY2(fin.texte.startsWith(Utilisation + '\n'), qPrintable(fin.texte));
        QVERIFY(fin.texte.contains(QStringLiteral("\nOptions :\n")));
    } else {
        QCOMPARE(fin.texte, Version);
    }
}

// Wrapped for an 80-column terminal, every option with its description, and
// none of Qt's options shown as if they were the program's.
void TstLigneDeCommande::aideTientDansLeTerminal() {
    const QString texte = LigneDeCommande::aide();
    for (const QString& l : texte.split(QLatin1Char('\n'))) {
        QVERIFY2(l.size() <= 79, qPrintable(l));
        QVERIFY2(!l.endsWith(QLatin1Char(' ')), qPrintable(l));
    }
    const QStringList attendues = {
        "-h, --help ",       "-v, --version ",    "--zoom <pourcentage|fit> ",
        "--volume <0-100> ", "--langue <fr|en> ", "--sans-accueil "};
    for (const QString& o : attendues)
        QVERIFY2(texte.contains(QStringLiteral("\n  ") + o), qPrintable(o));
    for (const char* qt : {"platform", "style", "reverse", "display"})
        QVERIFY2(!texte.contains(QLatin1String(qt)), qt);
}

// The help speaks the language of --langue wherever it stands, else the one
// remembered from the last lessons, else French.
void TstLigneDeCommande::langueDeLaReponse_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("retenue");
    QTest::addColumn<bool>("anglais");
    QTest::newRow("French by default") << "--help"
                                       << "fr" << false;
    QTest::newRow("English asked for") << "--langue en --help"
                                       << "fr" << true;
    QTest::newRow("English after the help") << "-h --langue=EN"
                                            << "fr" << true;
    QTest::newRow("one dash") << "-langue en -h"
                              << "fr" << true;
    QTest::newRow("English remembered") << "--help"
                                        << "en" << true;
    QTest::newRow("French over the remembered") << "--langue fr --help"
                                                << "en" << false;
    QTest::newRow("the last one wins") << "--langue en --langue fr -h"
                                       << "fr" << false;
    QTest::newRow("an unknown one ignored") << "--langue de --help"
                                            << "en" << true;
    QTest::newRow("an unknown remembered") << "--help"
                                           << "xx" << false;
}

void TstLigneDeCommande::langueDeLaReponse() {
    QFETCH(QString, arguments);
    QFETCH(QString, retenue);
    QFETCH(bool, anglais);
    const Demande d = LigneDeCommande::lis(ligne(arguments), retenue);
    QVERIFY(std::holds_alternative<Fin>(d));
    const Fin& fin = std::get<Fin>(d);
    QCOMPARE(fin.code, 0);
    QCOMPARE(fin.texte, LigneDeCommande::aide(anglais ? "en" : "fr"));
    QVERIFY2(fin.texte.startsWith((anglais ? Usage : Utilisation) + '\n'), qPrintable(fin.texte));
    if (anglais) {
        QVERIFY(fin.texte.contains(QStringLiteral("\nOptions:\n")));
        QVERIFY(fin.texte.contains(QStringLiteral("Shows this help and exits.")));
        for (const QChar c : QStringLiteral("éèàç«»"))
            QVERIFY2(!fin.texte.contains(c), qPrintable(fin.texte));
    }
}

// Refused with --langue en: the reason and the usage in English, the same exit code.
void TstLigneDeCommande::refusEnAnglais_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option") << "--langue en --plein-ecran"
                                    << "unknown option: --plein-ecran";
    QTest::newRow("two words") << "--langue=en a.vibralume enonce.pdf"
                               << "unexpected argument: “enonce.pdf”";
    QTest::newRow("zoom without value") << "--langue en --zoom"
                                        << "option --zoom expects a value";
    QTest::newRow("zoom too small")
        << "--zoom 49 --langue en"
        << "value refused for --zoom: “49”; expected a whole percentage from 50 to 400, or “fit”";
    QTest::newRow("volume too loud")
        << "--langue en --volume 101"
        << "value refused for --volume: “101”; expected a whole percentage from 0 to 100";
}

void TstLigneDeCommande::refusEnAnglais() {
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    const Demande d = LigneDeCommande::lis(ligne(arguments));
    QVERIFY(std::holds_alternative<Fin>(d));
    const Fin& fin = std::get<Fin>(d);
    QCOMPARE(fin.code, 2);
    const QStringList lignes = fin.texte.split(QLatin1Char('\n'));
    QCOMPARE(lignes.value(0), QStringLiteral("vibralume: ") + message);
    QCOMPARE(lignes.value(1), QString());
    QCOMPARE(lignes.value(2), Usage);
    QCOMPARE(fin.texte.mid(fin.texte.indexOf(Usage)), LigneDeCommande::aide("en"));
}

// The English help, like the French: 80 columns, every option under its
// own name, its values named in English.
void TstLigneDeCommande::aideAnglaiseTientDansLeTerminal() {
    const QString texte = LigneDeCommande::aide("en");
    QVERIFY(texte != LigneDeCommande::aide());
    for (const QString& l : texte.split(QLatin1Char('\n'))) {
        QVERIFY2(l.size() <= 79, qPrintable(l));
        QVERIFY2(!l.endsWith(QLatin1Char(' ')), qPrintable(l));
    }
    const QStringList attendues = {"-h, --help ",           "-v, --version ",
                                   "--zoom <percent|fit> ", "--volume <0-100> ",
                                   "--langue <fr|en> ",     "--sans-accueil "};
    for (const QString& o : attendues)
        QVERIFY2(texte.contains(QStringLiteral("\n  ") + o), qPrintable(o));
}

void TstLigneDeCommande::programmeReel_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie"); // start of standard output
    QTest::addColumn<QString>("erreur"); // start of standard error

    QTest::newRow("help") << QStringList{"--help"} << 0 << Utilisation + '\n' << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << Version << "";
    QTest::newRow("unknown option")
        << QStringList{"--inconnue"} << 2 << ""
        << "vibralume : option inconnue : --inconnue\n\n" + Utilisation + '\n';
    QTest::newRow("zoom out of range")
        << QStringList{"--sans-accueil", "--zoom", "20"} << 2 << ""
        << QStringLiteral("vibralume : valeur refusée pour --zoom : « 20 » ;");
    QTest::newRow("help in English") << QStringList{"--langue", "en", "--help"} << 0 << Usage + '\n'
                                     << "";
    QTest::newRow("refused in English")
        << QStringList{"--langue=en", "--volume", "101"} << 2 << ""
        << QStringLiteral("vibralume: value refused for --volume: “101”;");
    QTest::newRow("accents in the locale's encoding")
        << QStringList{"--langue", "é"} << 2 << ""
        << QStringLiteral("vibralume : valeur refusée pour --langue : « é » ;");
}

// The program runs with no display at all and xcb required: had it opened a
// display, it would have aborted; had it opened a window, it would not end.
void TstLigneDeCommande::programmeReel() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    QFETCH(QString, erreur);

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Settings of its own: what a user chose in a lesson changes nothing here.
    QTemporaryDir reglages;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), reglages.path());
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VIBRALUME_PROGRAMME"), arguments);
    QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        QFAIL("the program did not end");
    }
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), code);
    QVERIFY2(sortie.isEmpty() ? out.isEmpty() : out.startsWith(sortie), qPrintable(out));
    QVERIFY2(erreur.isEmpty() ? err.isEmpty() : err.startsWith(erreur), qPrintable(err));
}

// The language remembered in the user's settings file, where the program
// looks for it, gives the help its language; --langue still wins.
void TstLigneDeCommande::programmeReelLangueRetenue_data() {
    QTest::addColumn<QString>("retenue");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("sortie");
    QTest::newRow("English remembered") << "en" << QStringList{"--help"} << Usage;
    QTest::newRow("French asked for") << "en" << QStringList{"--langue", "fr", "-h"} << Utilisation;
    QTest::newRow("French remembered") << "fr" << QStringList{"--help"} << Utilisation;
}

void TstLigneDeCommande::programmeReelLangueRetenue() {
    QFETCH(QString, retenue);
    QFETCH(QStringList, arguments);
    QFETCH(QString, sortie);
    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("vibralume")));
    QFile ini(config.filePath(QStringLiteral("vibralume/vibralume.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[interface]\nlangue=%1\n").arg(retenue).toUtf8());
    ini.close();

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VIBRALUME_PROGRAMME"), arguments);
    QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        QFAIL("the program did not end");
    }
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(out.startsWith(sortie + '\n'), qPrintable(out));
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
    // Read, and left as it was.
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(ini.readAll()),
             QStringLiteral("[interface]\nlangue=%1\n").arg(retenue));
}

QTEST_APPLESS_MAIN(TstLigneDeCommande)
#include "tst_lignedecommande.moc"
