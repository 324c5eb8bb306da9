// Lesson files as a teacher meets them: what is saved comes back whole by
// every way of opening, a bad file is refused with a message naming it and
// its problem and changes nothing, the examples open and say what they show,
// and "back to the start" gives a fresh window again.

#include "Banc.h"
#include "model/FormatLecon.h"
#include "model/HorlogeRalentie.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/Curseurs.h"
#include "ui/classe/Ralenti.h"
#include "ui/classe/TableCommandes.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"
#include "ui/lecon/FenetreConsignes.h"
#include "ui/lecon/Lecons.h"
#include "ui/partage/Enregistrement.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/CurseursOscillo.h"

#include <QAction>
#include <QCheckBox>
#include <QMimeData>
#include <QRadioButton>
#include <sys/stat.h>

using namespace vibralume;

namespace {

struct Classe : Banc {
    QTemporaryDir dossier;
    std::ostringstream journal;
    Reglages reglages{dossier.filePath(QStringLiteral("reglages.ini")), journal};
    HorlogeRalentie ralentie{horloge};
    ComplementsOS complements{*os, DemarrageOS{}, [](double) {}, &reglages, &ralentie, &son};
    Lecons lecons{*os, complements, &reglages};
    QStringList alertes;

    Classe() {
        lecons.setAlerte([this](const QString& message) { alertes << message; });
        complements.enregistrement().setAlerte(
            [this](const QString& message) { alertes << message; });
    }
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    /// The lesson as the model holds it.
    Lecon etat() const { return {os->choix().valeurs(), m.TypeSoliton, m.TrancheColoree, {}, {}}; }
    /// A pupil's afternoon: every kind of choice away from the start.
    void regle() {
        choisis("OndeStationnaire2");
        barre("frequence")->setValue(15);
        barre("v")->setValue(8);
        barre("Amplitude")->setValue(30);
        choisis("Solide");
        os->controle<QCheckBox>("Amortissement")->setChecked(true);
        os->AfficheModeleMicro();
        os->mesures().AfficheOscilloscope();
        os->mesures().CacheVibreur_Click();
        os->controle<QRadioButton>("Sens_3")->setChecked(true);
        os->mesures().ModeleMicro_DragDrop(w("Micro1"), 6.25, 0.5);
        os->mesures().ActiveCapteur(1);
        os->mesures().ModeleMicro_DragDrop(w("Micro2"), 12.5, 2.0);
        os->mesures().ModeleMicro_MouseUp(Qt::LeftButton, 10.0, 1.0);
        complements.ralenti()->choisit(4);
        os->choix().curseurs({true, {1.5, 7.25}, {2.5, 3.5}});
    }
};

QByteArray lecon(const QByteArray& champs) {
    return "{\"format\": 1" + (champs.isEmpty() ? QByteArray() : ", " + champs) + "}";
}

} // namespace

class TstLecons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication();
        Langue::installe(Langue::francais());
    }

    // Saved, the window moved elsewhere, opened again by each way a teacher
    // has: the model, the controls and the titles are as they were.
    void allerRetour_data() {
        QTest::addColumn<QString>("voie");
        QTest::newRow("open") << "ouvre";
        QTest::newRow("Ctrl+O") << "touche";
        QTest::newRow("dropped on the window") << "depot";
        QTest::newRow("last lessons") << "recente";
    }
    void allerRetour() {
        QFETCH(QString, voie);
        Classe b;
        b.regle();
        const Lecon avant = b.etat();
        const QString fichier = b.chemin(QStringLiteral("ondes.vibralume"));
        QVERIFY(b.lecons.enregistre(fichier, QStringLiteral("Tuyau fermé"),
                                    QStringLiteral("Chercher la résonance.\n\nPuis mesurer λ.")));
        b.lecons.retourAuDebut();
        QVERIFY(b.etat() != avant);
        QVERIFY(b.complements.curseurs().ecran().isHidden());

        if (voie == "ouvre") {
            QVERIFY(b.lecons.ouvre(fichier));
        } else if (voie == "touche") {
            b.lecons.setChoixFichier([&](bool, const QString&) { return fichier; });
            QApplication::setActiveWindow(b.os.get());
            QTest::keyClick(b.os.get(), Qt::Key_O, Qt::ControlModifier);
        } else if (voie == "depot") {
            QMimeData donnees;
            donnees.setUrls({QUrl::fromLocalFile(fichier)});
            const QPoint p(10, 10);
            QDragEnterEvent entree(p, Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QApplication::sendEvent(b.os.get(), &entree);
            QVERIFY(entree.isAccepted());
            QDropEvent depot(p, Qt::CopyAction, &donnees, Qt::LeftButton, {});
            QApplication::sendEvent(b.os.get(), &depot);
        } else {
            b.complements.commandes().action("leconRecente1")->trigger();
        }
        QCOMPARE(b.alertes, QStringList());
        QCOMPARE(b.etat(), avant);
        QCOMPARE(b.barre("frequence")->value(), 15);
        QCOMPARE(b.barre("Amplitude")->value(), 30);
        QVERIFY(b.os->controle<QRadioButton>("OndeStationnaire2")->isChecked());
        QVERIFY(b.os->controle<QRadioButton>("Solide")->isChecked());
        QVERIFY(b.os->controle<QRadioButton>("Sens_3")->isChecked());
        QVERIFY(b.montre("Oscilloscope") && b.montre("micro1_coche") && !b.montre("Vibreur"));
        QVERIFY(b.montre("Micro1") && !b.montre("Micro2"));
        QVERIFY(!b.complements.curseurs().ecran().isHidden());
        QCOMPARE(b.m.BaseTemps, 1500.0);
        QCOMPARE(b.os->windowTitle(), QStringLiteral("Vibralume — Tuyau fermé — ralenti x1/4"));
        FenetreConsignes* consignes = b.lecons.fenetreConsignes();
        QVERIFY(consignes && consignes->isVisible());
        QCOMPARE(consignes->consignes(),
                 QStringLiteral("Chercher la résonance.\n\nPuis mesurer λ."));
        QCOMPARE(b.lecons.recentes(), QStringList{fichier});
        QCOMPARE(b.reglages.leconsRecentes(), QStringList{fichier});
    }

    // Anything but a lesson this program can take is said, naming the file
    // and what is wrong, and leaves the window exactly as it was.
    void mauvaisFichier_data() {
        QTest::addColumn<QString>("genre"); // how the path is made
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("attendu");
        auto f = [](const char* nom, const QByteArray& contenu, const QString& attendu) {
            QTest::newRow(nom) << "fichier" << contenu << attendu;
        };
        f("not JSON", "<lecon>onde</lecon>", "ce n'est pas un fichier de leçon (JSON illisible");
        f("not UTF-8", "{\"format\": 1, \"titre\": \"\xff\"}", "JSON illisible");
        f("an array", "[1, 2]", "pas d'objet JSON");
        f("no format", "{\"titre\": \"Onde\"}", "le champ « format » manque");
        f("newer format", "{\"format\": 2, \"couleur\": 1}",
          "version plus récente de Vibralume (format 2, cette version lit le format 1)");
        f("format 0", "{\"format\": 0}",
          "le champ « format » vaut 0, hors de ce que permettent "
          "les commandes (valeurs permises : 1)");
        f("unknown field", lecon("\"couleur\": \"rouge\""), "champ inconnu « couleur »");
        f("text for a number", lecon("\"frequence\": \"18\""),
          "le champ « frequence » doit être un nombre entier");
        f("not whole", lecon("\"vitesse\": 2.5"),
          "le champ « vitesse » doit être un nombre entier");
        f("number for a flag", lecon("\"capteur1\": 1"),
          "le champ « capteur1 » doit valoir true ou false");
        f("null title", lecon("\"titre\": null"), "le champ « titre » doit être un texte");
        f("object for a place", lecon("\"capteur2X\": {}"),
          "le champ « capteur2X » doit être un nombre");
        f("frequency too high", lecon("\"frequence\": 41"),
          "le champ « frequence » vaut 41, hors de ce que permettent les commandes (de 1 à 40)");
        f("frequency 0", lecon("\"frequence\": 0"),
          "vaut 0, hors de ce que permettent les "
          "commandes (de 1 à 40)");
        f("green group at 2", lecon("\"trancheColoree\": 2"), "(0, ou de 3 à 47)");
        f("time base", lecon("\"baseTemps\": 300"),
          "vaut 300, hors de ce que permettent les "
          "commandes (valeurs permises : 200, 500, 1");
        f("sensor off the model", lecon("\"capteur1X\": 25"), "(de 0 à 24,96)");
        f("a liquid", lecon("\"milieu\": \"liquide\""),
          "le champ « milieu » vaut « liquide », hors de ce que permettent les commandes "
          "(valeurs permises : « gaz », « solide »)");
        f("cursor below the grid", lecon("\"curseurNiveau2\": -0.5"), "(de 0 à 6)");
        f("amplitude above its cap", lecon("\"frequence\": 40, \"vitesse\": 1, \"amplitude\": 3"),
          "le champ « amplitude » vaut 3, hors de ce que permettent les commandes avec cette "
          "fréquence et cette vitesse (de 0 à 2)");
        f("pulses with a boundary",
          lecon("\"vibration\": \"solitaire\", \"bord\": \"ouvert-ferme\""),
          "le champ « bord » doit valoir « progressive » avec la vibration « solitaire »");
        f("oscilloscope without model", lecon("\"oscilloscopeOuvert\": true"),
          "« oscilloscopeOuvert » ne peut valoir true que si « modeleOuvert » vaut true");
        f("title too long", lecon("\"titre\": \"" + QByteArray(121, 'a') + "\""),
          "le champ « titre » dépasse 120 caractères");
        f("over 1 MiB", lecon("\"consignes\": \"" + QByteArray(1 << 20, 'a') + "\""),
          "le fichier dépasse 1 Mio");
        QTest::newRow("a folder") << "dossier" << QByteArray() << "c'est un dossier";
        QTest::newRow("a pipe") << "fifo" << QByteArray() << "ce n'est pas un fichier ordinaire";
        QTest::newRow("gone") << "absent" << QByteArray() << "le fichier n'existe pas";
        // Unreadable even for root: the system answers every read with an error.
        QTest::newRow("unreadable") << "illisible" << QByteArray() << "erreur de lecture";
    }
    void mauvaisFichier() {
        QFETCH(QString, genre);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, attendu);
        Classe b;
        QVERIFY(b.lecons.ouvre(Lecons::exemples().value(4)));
        b.lecons.fenetreConsignes()->close();
        const Lecon avant = b.etat();
        const QString titre = b.os->windowTitle();
        QString chemin = b.chemin(QStringLiteral("mauvaise.vibralume"));
        if (genre == "fichier") {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        } else if (genre == "dossier") {
            QVERIFY(QDir(b.dossier.path()).mkdir(QStringLiteral("mauvaise.vibralume")));
        } else if (genre == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        } else if (genre == "illisible") {
            chemin = QStringLiteral("/proc/self/mem");
        }
        QVERIFY(!b.lecons.ouvre(chemin));
        QCOMPARE(b.alertes.size(), 1);
        QVERIFY(b.alertes.front().startsWith(
            QStringLiteral("La leçon « %1 » n'a pas pu être ouverte : ").arg(chemin)));
        QVERIFY2(b.alertes.front().contains(attendu), qPrintable(b.alertes.front()));
        QCOMPARE(b.etat(), avant);
        QCOMPARE(b.os->windowTitle(), titre);
        QVERIFY(!b.lecons.fenetreConsignes()->isVisible());
        QCOMPARE(b.lecons.recentes(), QStringList());
    }

    // Each example opens without a word, in the interface's language, and
    // the wavelength and resonance its instructions quote are the model's.
    void exemples_data() {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("resonance");
        QTest::addColumn<double>("lambda"); // cm, 0 when not quoted
        const std::vector<std::pair<bool, double>> attendus = {
            {false, 10}, {true, 30}, {true, 60}, {false, 10}, {false, 0}, {false, 20}};
        for (const QString& langue : Langue::toutes())
            for (int k = 0; k < int(attendus.size()); ++k)
                QTest::addRow("%s %d", qPrintable(langue), k + 1)
                    << langue << k << attendus[std::size_t(k)].first
                    << attendus[std::size_t(k)].second;
    }
    void exemples() {
        QFETCH(QString, langue);
        QFETCH(int, numero);
        QFETCH(bool, resonance);
        QFETCH(double, lambda);
        Langue::installe(langue);
        const QStringList chemins = Lecons::exemples();
        Langue::installe(Langue::francais());
        QCOMPARE(chemins.size(), 6);
        QVERIFY(chemins[numero].contains(QStringLiteral("/%1/").arg(langue)));
        Classe b;
        QVERIFY(b.lecons.ouvre(chemins[numero]));
        QCOMPARE(b.alertes, QStringList());
        QVERIFY(!b.lecons.titre().isEmpty());
        QCOMPARE(b.m.Resonance, resonance);
        if (lambda > 0) {
            QCOMPARE(b.m.Celerite / b.m.Freq, lambda);
            QVERIFY(b.lecons.consignes().contains(QStringLiteral("= %1 cm").arg(lambda)));
        }
        // Opened again from its menu entry, the same lesson.
        const QString titre = b.lecons.titre();
        b.lecons.retourAuDebut();
        QAction* entree = b.complements.commandes().action(
            QByteArray("exemple" + QByteArray::number(numero + 1)));
        if (langue == Langue::francais()) {
            QCOMPARE(entree->text(), titre);
            entree->trigger();
            QCOMPARE(b.lecons.titre(), titre);
        }
    }

    // Back to the start: the choices, panels, pace, traces and title of a
    // window just opened, whatever was done and opened before.
    void retourAuDebut() {
        Banc neuf;
        Classe b;
        b.regle();
        QVERIFY(b.lecons.enregistre(b.chemin(QStringLiteral("a.vibralume")), "A", "Lire."));
        b.lecons.montreConsignes();
        b.os->Command1_Click();
        b.os->Command4_Click();
        b.os->Timer1_Timer();
        b.lecons.retourAuDebut();
        QCOMPARE(b.etat(), (Lecon{neuf.os->choix().valeurs(), 1, 0, {}, {}}));
        QCOMPARE(b.os->windowTitle(), QStringLiteral("Vibralume"));
        QVERIFY(!b.lecons.fenetreConsignes()->isVisible());
        QVERIFY(!b.complements.commandes().action("consignesLecon")->isEnabled());
        QVERIFY(b.os->Timer1().isActive() && !b.os->choix().ecoute());
        QCOMPARE(b.m.TempsDepart, 0.0);
        QCOMPARE(b.m.BaseTemps, 200.0);
        QVERIFY(b.complements.enregistrement().historique().lignes().empty());
        for (const char* nom : {"ModeleMicro", "Oscilloscope", "Micro1", "Command1", "Command2"})
            QCOMPARE(b.montre(nom), neuf.montre(nom));
        QCOMPARE(b.montre("Vibreur"), true);
    }

    // The last five lessons, the latest first, kept for the next start; a
    // file refused is not among them.
    void recentes() {
        Classe b;
        QStringList chemins;
        for (int k = 0; k < 7; ++k) {
            chemins.prepend(b.chemin(QStringLiteral("l%1.vibralume").arg(k)));
            QVERIFY(b.lecons.enregistre(chemins.front(), QString::number(k), {}));
        }
        QVERIFY(b.lecons.ouvre(chemins[3]));
        QVERIFY(!b.lecons.ouvre(b.chemin(QStringLiteral("absente.vibralume"))));
        const QStringList attendu{chemins[3], chemins[0], chemins[1], chemins[2], chemins[4]};
        QCOMPARE(b.lecons.recentes(), attendu);
        std::ostringstream journal;
        QCOMPARE(Reglages(b.reglages.fichier(), journal).leconsRecentes(), attendu);
        QAction* premiere = b.complements.commandes().action("leconRecente1");
        QVERIFY(premiere->text().endsWith(QStringLiteral("l3.vibralume")));
    }

    // The README's list of fields is the reader's table.
    void documentation() {
        QFile readme(QStringLiteral(VIBRALUME_SOURCE "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString texte = QString::fromUtf8(readme.readAll());
        for (const ChampLecon& champ : ChampsLecon())
            QVERIFY2(texte.contains(QString::fromStdString(LigneDocumentation(champ))),
                     qPrintable(QString::fromStdString(LigneDocumentation(champ))));
    }
};

QTEST_MAIN(TstLecons)
#include "tst_lecons.moc"
