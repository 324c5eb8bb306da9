// The measuring cursors on the real window: the speed of a progressive wave
// read between the two sensors' traces, the cursors over the screen and never
// in its image at any zoom, and moved from the keyboard and the mouse.

#include "Clavier.h"
#include "model/Mesure.h"
#include "ui/classe/Curseurs.h"
#include "ui/classe/FenetreCurseurs.h"
#include "views/CurseursOscillo.h"
#include "views/PictureBox.h"

using namespace vibralume;

namespace {

/// The readout's number before its unit, in the interface's decimal mark.
double nombreDe(const FenetreCurseurs& f, const char* ligne, int mot = 0) {
    const QString t = f.findChild<QLabel*>(QString::fromLatin1(ligne))->text();
    return QLocale().toDouble(t.section(QLatin1Char(' '), mot, mot));
}

/// Pixels of a column of `image` in colour c.
int pixelsEn(const QImage& image, int x, QColor c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += image.pixelColor(x, y) == c;
    return n;
}

} // namespace

class TstCurseurs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // 15 cm/s, sensors 5 cm apart: the cursors on a rising crossing of the
    // middle line by each trace read 15 cm/s within one pixel of the time base.
    void vitesseDuSon_data() {
        QTest::addColumn<int>("base");
        for (int k = 0; k < 5; ++k)
            QTest::addRow("%d ms/div", int(BasesTemps[std::size_t(k)])) << k;
    }
    void vitesseDuSon() {
        QFETCH(int, base);
        Clavier f;
        f.choisis(qPrintable(QStringLiteral("Sens_%1").arg(base)));
        QCOMPARE(f.m.Celerite, 15.0);
        f.os->mesures().capteur_Click(1);
        f.os->mesures().capteur_Click(2);
        f.os->mesures().DeplaceCapteur(2, 13.467 - f.os->choix().capteur(2).x);
        QTest::keyClick(f.os.get(), Qt::Key_C);
        const FenetreCurseurs& lecture = f.complements.curseurs().fenetre();
        QVERIFY(lecture.isVisible());
        QCOMPARE(lecture.findChild<QLabel*>("lectureDistance")->text(), QStringLiteral("5,0 cm"));

        const double D = f.m.DureeBalayage;
        const std::array<float, 2> x{float(f.os->choix().capteur(1).x),
                                     float(f.os->choix().capteur(2).x)};
        std::array<double, 2> avant{}, montee{-1, -1};
        double tAvant = 0;
        for (int k = 0; k <= 200 && montee[1] < 0; ++k) {
            f.horloge.lecture += 0.02;
            f.os->Timer1_Timer();
            const double t = f.m.TempsMs;
            for (std::size_t n : {0u, 1u}) {
                const double p = PressionCapteur(f.m, x[n]);
                // Sensor 2's crossing after sensor 1's: the same wave front.
                if (k > 0 && avant[n] < 3 && p >= 3 && (n == 0 ? montee[0] < 0 : montee[0] >= 0))
                    montee[n] = tAvant + (t - tAvant) * (3 - avant[n]) / (p - avant[n]);
                avant[n] = p;
            }
            tAvant = t;
        }
        QVERIFY(montee[1] > montee[0] && montee[0] >= 0);
        CurseursMesure c = f.os->choix().valeurs().curseurs;
        // Each on the pixel nearest its crossing, as a hand would put it.
        const double px = f.complements.curseurs().ecran().pixelsParDivision();
        for (std::size_t n : {0u, 1u})
            c.temps[n] = std::nearbyint(PositionBalayage(montee[n], D) * 10 / D * px) / px;
        QVERIFY(c.temps[1] > c.temps[0]); // one sweep
        f.os->choix().curseurs(c);
        f.complements.curseurs().actualise();

        const double pixel = BasesTemps[std::size_t(base)] * 15 / 567.2 / 1000;
        const double borne = 5 / (5.0 / 15 - pixel) - 15;
        qInfo("read %s, one pixel %.1f ms",
              qPrintable(lecture.findChild<QLabel*>("lectureCelerite")->text()), pixel * 1000);
        QVERIFY2(std::abs(nombreDe(lecture, "lectureCelerite") - 15) <= borne,
                 qPrintable(lecture.findChild<QLabel*>("lectureCelerite")->text()));
        // The bound it shows covers the error too.
        QVERIFY(std::abs(nombreDe(lecture, "lectureCelerite") - 15) <=
                nombreDe(lecture, "lectureCelerite", 2));
    }

    // Over the screen, never in its image, where the divisions say at any zoom.
    void dessus_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void dessus() {
        QFETCH(double, zoom);
        Clavier f;
        f.complements.zoom().setZoom(zoom);
        PictureBox& oscillo = *f.os->controles().Oscillo;
        const QImage avant = oscillo.grab().toImage();
        QCOMPARE(f.os->findChild<CurseursOscillo*>()->isVisible(), false);
        f.complements.curseurs().bascule();
        const QImage image = oscillo.image().copy();
        const QImage vu = oscillo.grab().toImage();
        const auto vert = CurseursOscillo::couleur(CurseursOscillo::Temps1);
        const int b = oscillo.bordure();
        for (double t : f.os->choix().valeurs().curseurs.temps) {
            const int colonne = b + int(std::floor(oscillo.versPixelsX(t)));
            QVERIFY2(pixelsEn(vu, colonne, vert) > vu.height() / 3, qPrintable(QString::number(t)));
            QCOMPARE(pixelsEn(avant, colonne, vert), 0);
        }
        QCOMPARE(oscillo.image(), image);
        f.complements.curseurs().bascule();
        QCOMPARE(oscillo.grab().toImage(), avant);
    }

    // Shift+C picks, the arrows move what was picked and nothing else,
    // Escape gives the arrows back to the frequency.
    void clavier() {
        Clavier f;
        PictureBox& oscillo = *f.os->controles().Oscillo;
        const double pixelY = 1 / oscillo.versPixelsY(1);
        const auto frequence = f.barre("frequence")->value();
        QTest::keyClick(f.os.get(), Qt::Key_C);
        const auto taper = [&](QKeyCombination k) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : static_cast<QWidget*>(f.os.get()),
                            k.key(), k.keyboardModifiers());
        };
        for (auto k : {Qt::SHIFT | Qt::Key_C, QKeyCombination(Qt::Key_Right),
                       QKeyCombination(Qt::Key_Up), Qt::SHIFT | Qt::Key_C, Qt::SHIFT | Qt::Key_C,
                       Qt::SHIFT | Qt::Key_Down, QKeyCombination(Qt::Key_Left)})
            taper(k);
        const CurseursMesure& c = f.os->choix().valeurs().curseurs;
        QCOMPARE(c.temps[0], 3.1);
        QCOMPARE(c.temps[1], 5.0);
        QVERIFY(std::abs(c.niveaux[0] - (2 + pixelY)) < 1e-9);
        QCOMPARE(f.barre("frequence")->value(), frequence);
        // Screen readers are told what the cursors read as they move.
        QVERIFY(f.complements.curseurs().ecran().accessibleDescription().contains("Δt : 380 ms"));
        taper(QKeyCombination(Qt::Key_Escape));
        taper(QKeyCombination(Qt::Key_Up));
        QVERIFY(f.barre("frequence")->value() != frequence);
    }

    // Taken within a few pixels, the nearest; dragged by as many pixels.
    void souris_data() {
        QTest::addColumn<int>("curseur");
        QTest::addColumn<int>("decalage"); // where the press falls from the cursor
        QTest::addColumn<bool>("pris");
        QTest::newRow("time 2") << int(CurseursOscillo::Temps2) << 2 << true;
        QTest::newRow("level 1") << int(CurseursOscillo::Niveau1) << -3 << true;
        QTest::newRow("too far") << int(CurseursOscillo::Temps1) << 8 << false;
    }
    void souris() {
        QFETCH(int, curseur);
        QFETCH(int, decalage);
        QFETCH(bool, pris);
        Clavier f;
        f.complements.curseurs().bascule();
        CurseursOscillo& e = f.complements.curseurs().ecran();
        const auto k = CurseursOscillo::Curseur(curseur);
        const bool temps = CurseursOscillo::estTemps(k);
        const int ici = int(e.pixelDe(k)) + decalage;
        const QPoint depart = temps ? QPoint(ici, 100) : QPoint(200, ici);
        const QPoint arrivee = depart + (temps ? QPoint(30, 0) : QPoint(0, 30));
        const double avant = e.pixelDe(k);
        QTest::mouseMove(&e, depart);
        QCOMPARE(e.cursor().shape(), !pris   ? Qt::ArrowCursor
                                     : temps ? Qt::SizeHorCursor
                                             : Qt::SizeVerCursor);
        QTest::mousePress(&e, Qt::LeftButton, {}, depart);
        QTest::mouseMove(&e, arrivee);
        QTest::mouseRelease(&e, Qt::LeftButton, {}, arrivee);
        QVERIFY2(std::abs(e.pixelDe(k) - avant - (pris ? 30 : 0)) < 1e-6,
                 qPrintable(QString::number(e.pixelDe(k) - avant)));
    }
};

QTEST_MAIN(TstCurseurs)
#include "tst_curseurs.moc"
