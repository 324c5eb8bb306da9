// The oscilloscope, the panels and the pressure sensors of the main window,
// driven as a pupil would: mouse events go through the window, so only what
// is shown on top can be clicked and a pressed button keeps the mouse.

#define QTEST_QPA_MOUSE_HANDLING

#include "Banc.h"
#include "views/Dessins.h"
#include "views/PictureBox.h"

#include <QRubberBand>
#include <cmath>

using namespace vibralume;

namespace {

// A click where the control can be seen: the middle of what its containers
// leave of it (the invitation of the model placeholder overhangs its box).
void clique(const Banc& b, const char* nom) {
    QWidget* w = b.w(nom);
    QWidget* fenetre = w->window();
    QRect vu(w->mapTo(fenetre, QPoint(0, 0)), w->size());
    for (QWidget* c = w->parentWidget(); c != fenetre; c = c->parentWidget())
        vu &= QRect(c->mapTo(fenetre, QPoint(0, 0)), c->size());
    QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(fenetre, vu.center()));
}

// Model centimetres to the first pixel at or beyond them.
int pixelCm(double cm) {
    return int(std::ceil(cm * 1440 / 2.54 / 15));
}
// Oscilloscope units to the pixel a primitive lands on.
int colonne(double u) {
    return int(std::nearbyint(u * 567.2 / 15));
}
int ligne(double u) {
    return int(std::nearbyint(u * 578.0 / 15));
}

// A bench with the model and the oscilloscope open, the vibrator at rest
// (every sensor reads level 3 on the model) and a clock the tick reads
// 36000 s after the time origin, a whole number of sweeps of every length.
struct Mesures : Banc {
    PictureBox* modele;
    PictureBox* oscillo;
    Mesures() {
        modele = os->controle<PictureBox>("ModeleMicro");
        oscillo = os->controle<PictureBox>("Oscillo");
        barre("Amplitude")->setValue(0);
        // Running, as far as the tick and the pause button can tell.
        os->Timer1().start(1 << 30);
        clique(*this, "Label15");
        clique(*this, "Label13");
    }
    void tick(double t) {
        horloge.lecture = 36000 + t;
        os->Timer1_Timer();
    }
    QColor at(int x, int y) { return QColor::fromRgb(oscillo->image().pixel(x, y)); }
    QLabel* marqueur(int n) const { return os->controle<QLabel>(n == 1 ? "Micro1" : "Micro2"); }
    // Drags sensor n's marker with the given button, the pointer passing over
    // the model's pixels listed, and releases it over `fin` (window pixels).
    void glisse(int n, Qt::MouseButton bouton, const QList<QPoint>& chemin, QPoint fin) {
        QLabel* micro = marqueur(n);
        QTest::mousePress(micro, bouton, {}, QPoint(micro->width() / 2, micro->height() / 2));
        for (QPoint p : chemin)
            QTest::mouseMove(modele, p);
        QTest::mouseMove(os.get(), fin);
        QTest::mouseRelease(os.get(), bouton, {}, fin);
    }
    QPoint dansFenetre(QPoint modeleXY) const { return modele->mapTo(os.get(), modeleXY); }
};

} // namespace

class TstMesures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    // 2480 ms then 2500 ms into a 2 s sweep: the trace reaches abscissa 2.5,
    // three pixels thick on the middle line, in sensor 1's colour.
    void balayage() {
        Mesures b;
        clique(b, "capteur1");
        b.m.TempsDepart = 36000;
        b.tick(2.48);
        b.tick(2.5);
        QCOMPARE(b.m.TempsMs, 2500);
        QCOMPARE(b.m.PressionPrec[1], 3.0);
        for (double u : {0.2, 1.3, 2.45})
            for (int dy : {-1, 0, 1})
                QCOMPARE(b.at(colonne(u), ligne(3) + dy), CouleurCapteur1);
        QVERIFY(b.at(colonne(2.6), ligne(3)) != CouleurCapteur1);
        // The grid's division line there is one pixel thick.
        QCOMPARE(b.at(colonne(5.2), ligne(3)), CouleurGrille);
        QCOMPARE(b.at(colonne(5.2), ligne(3) - 1), b.oscillo->fond());
        QCOMPARE(b.at(colonne(5.2), ligne(3) + 1), b.oscillo->fond());
    }

    // Sensor 2 is switched on with its marker beyond the medium (level 4),
    // traces for most of a sweep, and is dragged back onto the model before
    // the sweep starts again: its next sample is at level 3.
    void recommencement_data() {
        QTest::addColumn<bool>("deux");
        QTest::newRow("sensor 2 alone") << false;
        QTest::newRow("both sensors") << true;
    }
    void recommencement() {
        QFETCH(bool, deux);
        Mesures b;
        if (deux)
            clique(b, "capteur1");
        clique(b, "Capteur2");
        const QPoint place = b.marqueur(2)->pos();
        b.glisse(2, Qt::LeftButton, {QPoint(pixelCm(1.2), 40)}, b.dansFenetre(QPoint(45, 40)));
        clique(b, "micro2_coche");
        clique(b, "micro2_noncoche");
        QCOMPARE(b.m.PressionPrec[2], 4.0);
        b.tick(1.9); // abscissa 0 to 9.5, sensor 2 on level 4
        QCOMPARE(b.at(colonne(5), ligne(4)), CouleurCapteur2);
        b.glisse(2, Qt::LeftButton, {place}, b.dansFenetre(place));
        QCOMPARE(b.marqueur(2)->pos(), place);

        b.tick(2.15); // position 0.15 s, abscissa 0.75: a new sweep
        QVERIFY(std::abs(b.m.TempsPrec - 0.15) < 1e-9);
        QCOMPARE(b.m.PressionPrec[2], 3.0);
        QCOMPARE(b.at(colonne(5), ligne(4)), CouleurGrille);
        QCOMPARE(b.at(colonne(5.2), ligne(3.7)), b.oscillo->fond());
        // With sensor 1 first, sensor 2 joins its old level to the new one.
        const QColor trait = deux ? CouleurCapteur2 : b.oscillo->fond();
        QCOMPARE(b.at(colonne(0.75), ligne(3.7)), trait);
        QCOMPARE(b.at(colonne(0.75), ligne(3.3)), trait);
    }

    // A change of time base wipes the screen at once, even while paused.
    void baseDeTemps_data() {
        QTest::addColumn<QStringList>("boutons");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("duree");
        QTest::newRow("0,5 s/div") << QStringList{"Sens_1"} << 500.0 << 5.0;
        QTest::newRow("1,0 s/div") << QStringList{"Sens_2"} << 1000.0 << 10.0;
        QTest::newRow("1,5 s/div") << QStringList{"Sens_3"} << 1500.0 << 15.0;
        QTest::newRow("2,0 s/div") << QStringList{"Sens_4"} << 2000.0 << 20.0;
        QTest::newRow("back to 0,2 s/div") << QStringList{"Sens_4", "Sens_0"} << 200.0 << 2.0;
    }
    void baseDeTemps() {
        QFETCH(QStringList, boutons);
        Mesures b;
        clique(b, "capteur1");
        clique(b, "Capteur2");
        b.tick(0.2);
        b.tick(1.0);
        clique(b, "Command1");
        QVERIFY(!b.os->Timer1().isActive());
        QCOMPARE(b.at(colonne(2.5), ligne(3)), CouleurCapteur2);
        const double avant = b.m.TempsPrec;
        for (const QString& nom : boutons)
            clique(b, nom.toLatin1().constData());
        QTEST(b.m.BaseTemps, "base");
        QTEST(b.m.DureeBalayage, "duree");
        QCOMPARE(b.m.TempsPrec, avant);
        QCOMPARE(b.at(colonne(2.5), ligne(3)), CouleurGrille);
        QCOMPARE(b.at(colonne(2.5), ligne(3) - 1), b.oscillo->fond());
        QCOMPARE(b.at(colonne(2.25), ligne(3.25)), b.oscillo->fond());
        QCOMPARE(b.at(colonne(2.25), ligne(2)), CouleurGrille);
    }

    // The screen keeps drawing while its panel, or the whole model, is closed,
    // and stops when the sensor is switched off.
    void tracesPanneauxFermes() {
        Mesures b;
        clique(b, "capteur1");
        clique(b, "CacheOscillo");
        b.tick(0.2);
        b.tick(0.6);
        QCOMPARE(b.at(colonne(2), ligne(3)), CouleurCapteur1);
        clique(b, "CacherModeleMicro");
        b.tick(1.0);
        QCOMPARE(b.at(colonne(4), ligne(3)), CouleurCapteur1);
        clique(b, "Picture3");
        clique(b, "Label14");
        clique(b, "micro1_coche");
        b.tick(1.4);
        QCOMPARE(b.at(colonne(6.2), ligne(3)), CouleurGrille);
    }

    // Real clicks on the model; X is the first pixel at or past the abscissa.
    void surbrillance_data() {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("avant");
        QTest::addColumn<int>("apres");
        QTest::newRow("left at 5 cm") << Qt::LeftButton << 5.0 << 0 << 8;
        QTest::newRow("left at 2.5 cm") << Qt::LeftButton << 2.5 << 0 << 3;
        QTest::newRow("left at 2.4 cm") << Qt::LeftButton << 2.4 << 8 << 0;
        QTest::newRow("left at 24.9 cm") << Qt::LeftButton << 24.9 << 0 << 47;
        QTest::newRow("right") << Qt::RightButton << 10.0 << 8 << 0;
        QTest::newRow("middle") << Qt::MiddleButton << 10.0 << 8 << 8;
    }
    void surbrillance() {
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(double, x);
        QFETCH(int, avant);
        Mesures b;
        b.m.TrancheColoree = int16_t(avant);
        QTest::mouseClick(b.modele, bouton, {}, QPoint(pixelCm(x), 12));
        QTEST(int(b.m.TrancheColoree), "apres");
    }

    void panneaux() {
        Banc b;
        QVERIFY(b.montre("Picture4") && !b.montre("Picture2") && !b.montre("Oscilloscope"));
        clique(b, "Picture4");
        QVERIFY(!b.montre("Oscilloscope"));
        clique(b, "Label15");
        b.choisis("OndeStationnaire");
        clique(b, "Label13");
        QVERIFY(b.montre("Oscilloscope"));

        clique(b, "CacherModeleMicro");
        for (const char* nom : {"ModeleMicro", "Command1", "Command2", "Command3", "VibreurOS",
                                "BordOuvert", "BordFerme", "Oscilloscope", "Picture2"})
            QVERIFY2(!b.montre(nom), nom);
        QVERIFY(b.montre("Picture4"));

        clique(b, "Picture3");
        QVERIFY(b.montre("ModeleMicro") && b.montre("Picture2") && !b.montre("Picture4"));
        QVERIFY(!b.montre("Oscilloscope"));
        // The placeholder's own surface, away from its two captions.
        QTest::mouseClick(b.w("Picture2"), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b.montre("Oscilloscope"));
        clique(b, "CacheOscillo");
        QVERIFY(!b.montre("Oscilloscope") && b.montre("Picture2"));
        clique(b, "Label14");
        QVERIFY(b.montre("Oscilloscope"));
    }

    void vibreur() {
        Banc b;
        QVERIFY(b.montre("Vibreur"));
        clique(b, "CacheVibreur");
        QVERIFY(!b.montre("Vibreur"));
        clique(b, "Label12");
        QVERIFY(b.montre("Vibreur"));
        clique(b, "CacheVibreur");
        QTest::mouseClick(b.w("Picture1"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(b.montre("Vibreur"));
    }

    // The tick box and its caption both toggle the sensor; the marker keeps
    // its place, and the level starts from where the marker lies.
    void interrupteurs_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("parLegende");
        QTest::newRow("caption 1") << 1 << true;
        QTest::newRow("caption 2") << 2 << true;
        QTest::newRow("boxes 1") << 1 << false;
        QTest::newRow("boxes 2") << 2 << false;
    }
    void interrupteurs() {
        QFETCH(int, n);
        QFETCH(bool, parLegende);
        Mesures b;
        const QByteArray c = "micro" + QByteArray::number(n) + "_coche";
        const QByteArray nc = "micro" + QByteArray::number(n) + "_noncoche";
        const char* legende = n == 1 ? "capteur1" : "Capteur2";
        const QPoint place = b.marqueur(n)->pos();
        // Slices 14/15 under sensor 1 (8.467 cm), 36/37 under sensor 2 (19.473 cm).
        const int a = n == 1 ? 14 : 36;
        b.m.Elongation[a] = 0.5;

        clique(b, parLegende ? legende : nc.constData());
        QVERIFY(b.montre(n == 1 ? "Micro1" : "Micro2"));
        QVERIFY(b.montre(c.constData()) && !b.montre(nc.constData()));
        QCOMPARE(b.m.PressionPrec[n], 2.0);
        QVERIFY(!b.montre(n == 1 ? "Micro2" : "Micro1"));

        b.m.PressionPrec[n] = 7;
        clique(b, parLegende ? legende : c.constData());
        QVERIFY(!b.montre(n == 1 ? "Micro1" : "Micro2"));
        QVERIFY(!b.montre(c.constData()) && b.montre(nc.constData()));
        QCOMPARE(b.m.PressionPrec[n], 7.0);
        QCOMPARE(b.marqueur(n)->pos(), place);
    }

    // Any button drags; the marker's corner follows the pointer over the
    // model, stays where the pointer last was over it, and a drop elsewhere
    // leaves it there. The level of the last sample is left alone.
    void glisser_data() {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void glisser() {
        QFETCH(Qt::MouseButton, bouton);
        Mesures b;
        clique(b, "capteur1");
        b.m.PressionPrec[1] = 3.25;
        b.m.TrancheColoree = 8;
        QLabel* m = b.marqueur(1);
        QTest::mousePress(m, bouton, {}, QPoint(5, 6));
        auto* contour = b.os->findChild<QRubberBand*>();
        QVERIFY(contour && contour->isVisible());
        QTest::mouseMove(b.modele, QPoint(500, 30));
        QCOMPARE(m->pos(), QPoint(500, 30));
        QCOMPARE(contour->geometry(), QRect(b.dansFenetre(QPoint(495, 24)), m->size()));
        QTest::mouseMove(b.modele, QPoint(940, 118));
        QCOMPARE(m->pos(), QPoint(940, 118));
        // Out past the right edge and over the ruler below.
        QTest::mouseMove(b.modele, QPoint(950, 60));
        QTest::mouseMove(b.os.get(), b.os->controle("Regle")->geometry().center());
        QCOMPARE(m->pos(), QPoint(940, 118));
        QTest::mouseRelease(b.os.get(), bouton, {}, b.os->controle("Regle")->geometry().center());
        QCOMPARE(m->pos(), QPoint(940, 118));
        QVERIFY(!contour->isVisible());
        QCOMPARE(b.m.PressionPrec[1], 3.25);

        // Only its corner still lies on the model to be grabbed. Dropped on
        // the model, it moves once more to the drop point.
        QTest::mousePress(m, bouton, {}, QPoint(1, 1));
        QTest::mouseMove(b.modele, QPoint(100, 20));
        QTest::mouseRelease(b.os.get(), bouton, {}, b.dansFenetre(QPoint(103, 26)));
        QCOMPARE(m->pos(), QPoint(103, 26));
        QCOMPARE(b.m.TrancheColoree, int16_t(8));
        // The move is over: the pointer no longer carries the marker.
        QTest::mouseMove(b.modele, QPoint(300, 50));
        QCOMPARE(m->pos(), QPoint(103, 26));
    }

    // A press and release that never leave the marker are a click, not a
    // drag: the marker stays on its pixel, and the sensor on its slices.
    void clicSurMarqueur_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QPoint>("prise");
        QTest::addColumn<QList<QPoint>>("chemin"); // marker pixels the pointer visits
        QTest::newRow("1, centre") << 1 << QPoint(8, 8) << QList<QPoint>{};
        QTest::newRow("2, centre") << 2 << QPoint(8, 8) << QList<QPoint>{};
        QTest::newRow("1, far corner") << 1 << QPoint(15, 16) << QList<QPoint>{};
        QTest::newRow("2, wandering inside")
            << 2 << QPoint(3, 3) << QList<QPoint>{{10, 4}, {15, 16}, {0, 0}, {7, 9}};
    }
    void clicSurMarqueur() {
        QFETCH(int, n);
        QFETCH(QPoint, prise);
        QFETCH(QList<QPoint>, chemin);
        Mesures b;
        clique(b, n == 1 ? "capteur1" : "Capteur2");
        QLabel* m = b.marqueur(n);
        // Just left of a slice-pair boundary (4.0 cm), where a shift of a
        // pixel or two would make the sensor read the next pair of slices.
        m->move(pixelCm(4.0) - 2, 20);
        const QPoint avant = m->pos();
        for (int fois = 0; fois < 3; ++fois) {
            QTest::mousePress(m, Qt::LeftButton, {}, prise);
            for (QPoint p : chemin)
                QTest::mouseMove(m, p);
            QTest::mouseRelease(m, Qt::LeftButton, {}, chemin.isEmpty() ? prise : chemin.last());
            QCOMPARE(m->pos(), avant);
        }
        QVERIFY(!b.os->findChild<QRubberBand*>()->isVisible());
        // Leaving the marker makes it a drag again.
        QTest::mousePress(m, Qt::LeftButton, {}, prise);
        QTest::mouseMove(b.modele, QPoint(300, 30));
        QTest::mouseRelease(b.modele, Qt::LeftButton, {}, QPoint(300, 30));
        QCOMPARE(m->pos(), QPoint(300, 30));
    }

    // The model is what must lie under the pointer: over the other marker or
    // the closed end in front of the model, the dragged one does not move.
    void glisserDerriere() {
        Mesures b;
        clique(b, "capteur1");
        clique(b, "Capteur2");
        b.choisis("OndeStationnaire2");
        QVERIFY(b.montre("BordFerme"));
        QLabel* m = b.marqueur(1);
        QTest::mousePress(m, Qt::LeftButton, {}, QPoint(5, 6));
        QTest::mouseMove(b.modele, QPoint(600, 20));
        QTest::mouseMove(b.modele, b.marqueur(2)->geometry().center());
        QCOMPARE(m->pos(), QPoint(600, 20));
        QTest::mouseMove(b.modele, QPoint(pixelCm(22), 20));
        QCOMPARE(m->pos(), QPoint(600, 20));
        QTest::mouseRelease(b.modele, Qt::LeftButton, {}, QPoint(pixelCm(22), 20));
        QCOMPARE(m->pos(), QPoint(600, 20));
    }

    // The oscilloscope reads the marker where it was dropped.
    void capteurDeplace() {
        Mesures b;
        clique(b, "capteur1");
        b.glisse(1, Qt::LeftButton, {QPoint(pixelCm(1.5), 40)}, b.dansFenetre(QPoint(57, 40)));
        QCOMPARE(b.marqueur(1)->pos(), QPoint(57, 40));
        b.tick(0.2);
        b.tick(0.4);
        QCOMPARE(b.m.PressionPrec[1], 4.0);
        QCOMPARE(b.at(colonne(1.5), ligne(4)), CouleurCapteur1);
    }
};

QTEST_MAIN(TstMesures)
#include "tst_mesures.moc"
