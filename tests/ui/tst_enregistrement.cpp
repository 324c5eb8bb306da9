// What the class saw, kept and shared: the pictures saved match the window's
// own, the measurements read back from their CSV match what the sensors read
// tick after tick, and a save that fails says so and leaves nothing behind.

#include "Banc.h"
#include "model/Mesure.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/FenetreAPropos.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/ZoomOS.h"
#include "ui/partage/Enregistrement.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/PictureBox.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>
#include <cerrno>

using namespace vibralume;

namespace {

// The window with the model, the oscilloscope and sensor 1 open, a vibrator
// of 1.8 Hz, and a save that goes where the test says.
struct Atelier : Banc {
    QTemporaryDir dossier;
    QString chemin;
    QStringList alertes;
    int choix = 0;
    QStringList propositions;
    ComplementsOS complements{*os, DemarrageOS{}, [](double) {}, nullptr};
    Enregistrement& e = complements.enregistrement();
    Atelier() {
        complements.zoom().zoomNormal();
        e.setChoix([this](const QString&, const QString& proposition, const QString&) {
            ++choix;
            propositions << proposition;
            return chemin;
        });
        e.setAlerte([this](const QString& message) { alertes << message; });
        QApplication::setActiveWindow(os.get());
        os->Timer1().start(1 << 30);
        os->AfficheModeleMicro();
        os->mesures().AfficheOscilloscope();
        os->mesures().ActiveCapteur(1);
    }
    void tick(double t) {
        horloge.lecture = 36000 + t;
        os->Timer1_Timer();
    }
};

} // namespace

class TstEnregistrement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // The window's picture: the size and the pixels of its own grab; twice
    // as many pixels for print, the same colours where they are flat.
    void imageFenetre_data() {
        QTest::addColumn<bool>("impression");
        QTest::newRow("as seen") << false;
        QTest::newRow("for print") << true;
    }
    void imageFenetre() {
        QFETCH(bool, impression);
        Atelier a;
        a.tick(0.5);
        a.chemin = a.dossier.filePath(QStringLiteral("fenetre.png"));
        if (impression)
            a.e.enregistreImageImpression();
        else
            a.e.enregistreImageFenetre();
        QCOMPARE(a.choix, 1);
        // A name with the date and time, in the pictures' folder or the home.
        QVERIFY(a.propositions[0].contains(QRegularExpression(QStringLiteral(
            "/vibralume-fenetre-\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d\\.png$"))));
        QVERIFY(a.alertes.isEmpty());
        QImage png(a.chemin);
        QVERIFY(!png.isNull());
        const QImage vu = a.os->grab().toImage();
        const int k = impression ? 2 : 1;
        QCOMPARE(png.size(), vu.size() * k);
        for (const QPoint p : {QPoint(5, 5), QPoint(500, 12), QPoint(150, 300), QPoint(600, 232),
                               QPoint(960, 335), QPoint(300, 500)})
            QCOMPARE(QColor(png.pixel(p * k)), QColor(vu.pixel(p)));
        if (!impression) // every pixel, as seen
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
                     vu.convertToFormat(QImage::Format_RGB32));
    }

    // The oscilloscope alone; and the window on the clipboard (Ctrl+C).
    void oscilloscopeEtPressePapiers() {
        Atelier a;
        a.tick(0.5);
        a.chemin = a.dossier.filePath(QStringLiteral("oscillo.png"));
        a.e.enregistreImageOscilloscope();
        const QImage png(a.chemin);
        QCOMPARE(png.size(), a.w("Oscilloscope")->size());
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
                 a.w("Oscilloscope")->grab().toImage().convertToFormat(QImage::Format_RGB32));
        QApplication::setActiveWindow(a.os.get());
        QTest::keyClick(a.os.get(), Qt::Key_C, Qt::ControlModifier);
        const QImage copie = QGuiApplication::clipboard()->image();
        QCOMPARE(copie.size(), a.os->size());
        QCOMPARE(copie.convertToFormat(QImage::Format_RGB32),
                 a.os->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The CSV read back: the parameters as comments, the header, one row per
    // tick of the last two sweeps with the levels the sensors read, empty
    // where a sensor was off.
    void mesures() {
        Atelier a;
        a.barre("Amplitude")->setValue(5);
        // Five seconds of 20 ms ticks: sweeps of 2 s from 36000 s, 36002 s
        // and 36004 s; sensor 2 switched on at 36002.4 s.
        std::vector<std::array<double, 3>> attendus;
        for (int k = 1; k <= 250; ++k) {
            if (k == 120)
                a.os->mesures().ActiveCapteur(2);
            a.tick(k * 0.02);
            attendus.push_back(
                {a.m.TempsMs / 1000.0, NiveauCapteur(a.m, a.os->mesures().abscisseCapteur(1)),
                 k >= 120 ? NiveauCapteur(a.m, a.os->mesures().abscisseCapteur(2)) : qQNaN()});
        }
        a.chemin = a.dossier.filePath(QStringLiteral("mesures.csv"));
        QTest::keyClick(a.os.get(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(a.choix, 1);
        QFile f(a.chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QStringList lignes =
            QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& l : lignes)
            if (!l.startsWith(QLatin1Char('#')))
                l.replace(QLatin1Char(','), QLatin1Char('.')); // decimal commas, for reading
        int k = 0;
        QStringList commentaires;
        while (lignes[k].contains(QRegularExpression(QStringLiteral("^\"?# "))))
            commentaires << lignes[k++].mid(2);
        for (const char* c :
             {"fréquence f = 1,8 Hz", "célérité v = 15 cm/s", "longueur d'onde λ = 8,33 cm",
              "vibration périodique, amplitude 0,5 cm", "milieu : gaz", "amortissement : non",
              "conditions aux limites : Pas de condition aux limites",
              "sensibilité horizontale : 0,2 s/div"})
            QVERIFY2(commentaires.contains(QString::fromUtf8(c)), c);
        QCOMPARE(lignes[k++], QStringLiteral("temps (s);capteur 1 (div);capteur 2 (div)"));
        // 2 s sweeps: the previous one (36002 to 36004 s), from which the
        // times count, and the current one.
        std::vector<std::array<double, 3>> gardes;
        for (const auto& l : attendus)
            if (l[0] >= 36002)
                gardes.push_back(l);
        QCOMPARE(lignes.size() - k, qsizetype(gardes.size()));
        for (const auto& l : gardes) {
            const QStringList champs = lignes[k++].split(QLatin1Char(';'));
            QCOMPARE(champs.size(), 3);
            QCOMPARE(champs[0].toDouble(), std::round(l[0] * 1000 - 36002000) / 1000);
            QVERIFY(std::abs(champs[1].toDouble() - l[1]) < 1e-5);
            if (std::isnan(l[2]))
                QVERIFY(champs[2].isEmpty());
            else
                QVERIFY2(std::abs(champs[2].toDouble() - l[2]) < 1e-5,
                         qPrintable(lignes[k - 1] + QStringLiteral(" expected %1").arg(l[2])));
        }
    }

    // A CSV that cannot be saved: a message that says where and why, an
    // older file of that name whole, nothing else left behind, the window as
    // it was. A full disk is a small tmpfs filled up where mounting is
    // allowed, and everywhere a write that stops halfway with ENOSPC.
    void echec_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<bool>("ancien");
        QTest::newRow("folder missing") << "absent" << false;
        for (const char* cas : {"tmpfs", "ecriture"})
            for (bool ancien : {false, true})
                QTest::addRow("%s, %s file", cas, ancien ? "older" : "new") << cas << ancien;
    }
    void echec() {
        QFETCH(QString, cas);
        QFETCH(bool, ancien);
        Atelier a;
        a.tick(0.5);
        QString dossier = a.dossier.filePath(QStringLiteral("petit"));
        QDir().mkpath(dossier);
        if (cas == QLatin1String("absent")) {
            QFile f(a.dossier.filePath(QStringLiteral("fichier")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            dossier = a.dossier.filePath(QStringLiteral("fichier/sous-dossier"));
        } else if (cas == QLatin1String("ecriture")) {
            a.e.setEcriture([](QIODevice& f, const QByteArray& octets) {
                const qint64 n = f.write(octets.left(octets.size() / 2));
                errno = ENOSPC;
                return n;
            });
        } else if (QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                      QStringLiteral("-o"), QStringLiteral("size=16k"),
                                      QStringLiteral("tmpfs"), dossier}) != 0) {
            QSKIP("no right to mount a small file system here");
        }
        const auto demonte = qScopeGuard([&] {
            if (cas == QLatin1String("tmpfs"))
                QProcess::execute(QStringLiteral("umount"), {dossier});
        });
        a.chemin = dossier + QStringLiteral("/mesures.csv");
        QStringList restent;
        if (ancien) {
            QFile f(a.chemin);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("ancien\n") == 7);
            restent << QStringLiteral("mesures.csv");
        }
        if (cas == QLatin1String("tmpfs")) {
            QFile f(dossier + QStringLiteral("/plein"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (f.write(QByteArray(1024, 'x')) > 0) {
            }
            restent << QStringLiteral("plein");
        }
        const Module1 avant = a.m;
        a.e.exporteMesures();
        QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden, QDir::Name), restent);
        QFile f(a.chemin);
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(),
                 QByteArray(ancien ? "ancien\n" : ""));
        const QString raison = cas == QLatin1String("absent")
                                   ? QStringLiteral("le dossier n'existe pas")
                                   : QStringLiteral("le disque est plein");
        QCOMPARE(a.alertes.size(), 1);
        QVERIFY2(a.alertes[0].contains(
                     QStringLiteral("mesures.csv » n'a pas pu être enregistré : ") + raison),
                 qPrintable(a.alertes[0]));
        QCOMPARE(a.m.TempsMs, avant.TempsMs);
        QVERIFY(a.montre("Oscilloscope") && a.montre("Micro1"));
    }

    // The program's own file dialog gives a name typed bare its extension.
    void extensionParDefaut() {
        Atelier a;
        Enregistrement e(*a.os, {}, [&](const QString& m) { a.alertes << m; });
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                d->selectFile(a.dossier.filePath(QStringLiteral("mesures")));
                static_cast<QDialog*>(d)->accept(); // QFileDialog hides it
            } else if (QWidget* w = QApplication::activeModalWidget()) {
                w->close(); // never a modal loop left running
            }
        });
        e.exporteMesures();
        QCOMPARE(QDir(a.dossier.path()).entryList(QDir::Files),
                 QStringList(QStringLiteral("mesures.csv")));
    }

    // A right click on the grey background opens the menu; on the model it
    // keeps its meaning (clearing the highlighted slices) and opens nothing.
    void menuDuFond() {
        Atelier a;
        a.m.TrancheColoree = 8;
        QMenu* menu = a.complements.menu().menuA(QPoint(5, 400));
        QVERIFY(menu);
        QStringList textes;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                textes << action->text().section(QLatin1Char('\t'), 0, 0);
        for (const char* t : {"Enregistrer l'image de la fenêtre...",
                              "Copier l'image de la fenêtre", "Exporter les mesures (CSV)...",
                              "Plein écran", "Raccourcis clavier", "À propos de Vibralume"})
            QVERIFY2(textes.contains(QString::fromUtf8(t)), t);
        QVERIFY(!a.complements.menu().menuA(a.w("ModeleMicro")->geometry().center()));
        // A panel's background too, but not a control a click acts on.
        QVERIFY(a.complements.menu().menuA(a.w("OndePeriodique")->pos() + QPoint(3, 3)));
        QVERIFY(!a.complements.menu().menuA(a.w("Command4")->geometry().center()));
        QTest::mouseClick(a.w("ModeleMicro"), Qt::RightButton);
        QCOMPARE(a.m.TrancheColoree, int16_t(0));
        // The About window tells the version and the licence.
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("À propos")))
                action->trigger();
        auto* apropos = a.os->findChild<FenetreAPropos*>();
        QVERIFY(apropos && apropos->isVisible());
        QVERIFY(FenetreAPropos::texte().contains(QStringLiteral("Vibralume " VIBRALUME_VERSION)));
        QVERIFY(FenetreAPropos::texte().contains(QStringLiteral("GPL")));
    }
};

QTEST_MAIN(TstEnregistrement)
#include "tst_enregistrement.moc"
