// Pixels of the drawings: the model view, the ruler, the vibrator and the
// oscilloscope grid, read back from the backing images.

#include "model/Demarrage.h"
#include "model/Module1.h"
#include "model/Tick.h"
#include "views/Dessins.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QScreen>
#include <QtTest>
#include <cmath>

using namespace vibralume;

namespace {

const QColor Noir(0, 0, 0), Blanc(255, 255, 255), Rouge(255, 0, 0);

// Centimetres to the device pixel a primitive lands on.
int px(double cm, qreal dpr = 1) {
    return int(std::nearbyint(cm * 1440 / 2.54 / 15 * dpr));
}

// The model view as the window has it: 943 x 121 pixels, centimetres, discs filled.
struct Vue {
    PictureBox modele;
    PictureBox vibreurOS;
    explicit Vue(qreal dpr = 1) {
        modele.setRatio(dpr);
        modele.resize(twips(14148), twips(1812));
        modele.setEchelleCentimetres();
        modele.setFillSolid(true);
        vibreurOS.setRatio(dpr);
        vibreurOS.resize(twips(2805), twips(1815));
        vibreurOS.setFond(QColor(128, 128, 128));
        vibreurOS.setEchelleCentimetres();
        vibreurOS.setDrawWidth(2);
    }
};

// Particles of a solid at the displacements given, laid out as the tick does.
Module1 reseau(double elongation = 0) {
    Module1 m;
    Demarrage(m);
    for (int i = 1; i <= NbTranches; ++i) {
        m.Elongation[i] = elongation;
        for (int j = 1; j <= NbRangees; ++j) {
            m.PosX[i][j] = m.PosRepos[i] + 1.65 + m.Elongation[i];
            m.PosY[i][j] = j / 3.25;
        }
    }
    return m;
}

QColor couleur(const QImage& img, int x, int y) {
    return QColor::fromRgb(img.pixel(x, y));
}

QColor pixel(PictureBox& b, double xcm, double ycm) {
    const qreal r = b.ratio();
    return QColor::fromRgb(b.image().pixel(px(xcm, r), px(ycm, r)));
}

} // namespace

class TstDessins : public QObject {
    Q_OBJECT
private slots:
    void reseauAuRepos_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("dpr 1") << qreal(1);
        QTest::newRow("dpr 2") << qreal(2);
    }
    void reseauAuRepos() {
        QFETCH(qreal, dpr);
        Vue v(dpr);
        Module1 m = reseau();
        DessineModeleProgressif(v.modele, m);
        QCOMPARE(v.modele.image().size(), QSize(int(943 * dpr), int(121 * dpr)));
        // First column of particles at 2.15 cm, rows 1/3.25 cm apart.
        for (int j = 1; j <= 10; ++j)
            QCOMPARE(pixel(v.modele, 2.15, j / 3.25), Noir);
        QCOMPARE(pixel(v.modele, 2.65, 1 / 3.25), Noir);
        // Between two columns and between two rows, the white background.
        QCOMPARE(pixel(v.modele, 2.40, 1 / 3.25), Blanc);
        QCOMPARE(pixel(v.modele, 2.15, 1.5 / 3.25), Blanc);
        // The plate from 1.98 to 2.01 cm, full height; clear of the particles.
        for (double y : {0.0, 1.0, 3.1})
            QCOMPARE(pixel(v.modele, 1.98, y), Noir);
        QCOMPARE(pixel(v.modele, 2.01, 1.6), Noir);
        QCOMPARE(pixel(v.modele, 1.94, 1.6), Blanc);
        QCOMPARE(pixel(v.modele, 2.045, 1.6), Blanc);
    }

    void plaqueSuitLaTranche1() {
        Vue v;
        Module1 m = reseau(0.7);
        DessineModeleProgressif(v.modele, m);
        QCOMPARE(pixel(v.modele, 2.69, 1.6), Noir);
        QCOMPARE(pixel(v.modele, 1.98, 1.6), Blanc);
        QCOMPARE(pixel(v.modele, 2.85, 1 / 3.25), Noir);
    }

    void groupeVert_data() {
        QTest::addColumn<int>("centre");
        QTest::addColumn<QList<int>>("vertes");
        QTest::newRow("none") << 0 << QList<int>{};
        QTest::newRow("3: slices 1 to 5") << 3 << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("8: slices 6 to 10") << 8 << QList<int>{6, 7, 8, 9, 10};
        QTest::newRow("44: slices 42 to 46") << 44 << QList<int>{42, 43, 44, 45, 46};
    }
    void groupeVert() {
        QFETCH(int, centre);
        QFETCH(QList<int>, vertes);
        Vue v;
        Module1 m = reseau();
        m.TrancheColoree = int16_t(centre);
        DessineModeleProgressif(v.modele, m);
        // Slices 1 to 46 are in view at rest (47 to 50 lie beyond the edge).
        for (int i = 1; i <= 46; ++i) {
            const QColor attendu = vertes.contains(i) ? QColor(0, 255, 80) : Noir;
            QCOMPARE(pixel(v.modele, i / 2.0 + 1.65, 5 / 3.25), attendu);
        }
    }

    void groupeVertEnBordDeVue() {
        // 47 paints 45 to 49 green: displace the medium so 45 to 50 are in view.
        Vue v;
        Module1 m = reseau(-3);
        m.TrancheColoree = 47;
        DessineModeleProgressif(v.modele, m);
        for (int i = 44; i <= 50; ++i) {
            const QColor attendu = (i >= 45 && i <= 49) ? QColor(0, 255, 80) : Noir;
            QCOMPARE(pixel(v.modele, i / 2.0 + 1.65 - 3, 2 / 3.25), attendu);
        }
    }

    void fenetreStationnaire_data() {
        QTest::addColumn<double>("abscisse");
        QTest::addColumn<bool>("dessinee");
        QTest::newRow("exactly 20 cm") << 20.0 << true;
        QTest::newRow("20.001 cm") << 20.001 << false;
        QTest::newRow("exactly 0 cm") << 0.0 << true;
        QTest::newRow("below 0") << -0.001 << false;
        QTest::newRow("inside") << 12.0 << true;
    }
    void fenetreStationnaire() {
        QFETCH(double, abscisse);
        QFETCH(bool, dessinee);
        Vue v;
        // Slice 40 rests at 20 cm; move it to the abscissa under test.
        Module1 m = reseau();
        const int i = 40;
        m.Elongation[i] = abscisse - m.PosRepos[i];
        for (int j = 1; j <= NbRangees; ++j)
            m.PosX[i][j] = abscisse + 1.65;
        // Keep its neighbours out of the way.
        m.Elongation[39] = m.Elongation[41] = 30;
        DessineModeleStationnaire(v.modele, v.vibreurOS, m, AbscisseVibreur(m, false));
        QCOMPARE(pixel(v.modele, abscisse + 1.65, 4 / 3.25) == Noir, dessinee);
    }

    void stationnaireAuRepos() {
        Vue v;
        Module1 m = reseau();
        DessineModeleStationnaire(v.modele, v.vibreurOS, m, AbscisseVibreur(m, false));
        QCOMPARE(pixel(v.modele, 40 / 2.0 + 1.65, 1 / 3.25), Noir);
        QCOMPARE(pixel(v.modele, 41 / 2.0 + 1.65, 1 / 3.25), Blanc);
        // No plate in the model itself: it stands in the strip over it.
        QCOMPARE(pixel(v.modele, 1.98, 1.6), Blanc);
    }

    void plaqueStationnaire_data() {
        QTest::addColumn<double>("elongation1");
        QTest::addColumn<double>("x");
        QTest::newRow("at rest") << 0.0 << 2.0;
        QTest::newRow("Elongation(1) = 1") << 1.0 << 2.1;
        QTest::newRow("Elongation(1) = 0.7") << 0.7 << 2.07;
    }
    void plaqueStationnaire() {
        QFETCH(double, elongation1);
        QFETCH(double, x);
        Vue v;
        Module1 m = reseau();
        m.Elongation[1] = elongation1;
        DessineModeleStationnaire(v.modele, v.vibreurOS, m, AbscisseVibreur(m, false));
        QCOMPARE(pixel(v.vibreurOS, x, 1.5), Noir);
        QCOMPARE(pixel(v.vibreurOS, x, 0.1), QColor(128, 128, 128));
        QCOMPARE(pixel(v.vibreurOS, x, 3.1), QColor(128, 128, 128));
        QCOMPARE(pixel(v.vibreurOS, x + 0.2, 1.5), QColor(128, 128, 128));
    }

    void regle() {
        PictureBox r;
        r.setBordure(true);
        r.resize(twips(14175), twips(375));
        r.setEchelleCentimetres();
        DessineRegle(r);
        const QImage img = r.image();
        // Every millimetre tick, 0.1 cm long; none in between.
        // The last ticks, from 24.96 cm on, fall beyond the right edge.
        for (int k = 0; px(k / 10.0) < img.width(); ++k) {
            QVERIFY2(couleur(img, px(k / 10.0), 1) == Noir, qPrintable(QString::number(k)));
            QCOMPARE(couleur(img, px(k / 10.0), 6) == Noir, k % 10 == 0);
        }
        QCOMPARE(couleur(img, px(0.05) + 1, 1), Blanc);
        // Centimetre ticks are two pixels wide.
        int large = 0;
        for (int x = px(5) - 3; x <= px(5) + 3; ++x)
            large += couleur(img, x, 6) == Noir;
        QCOMPARE(large, 2);
        // A number under every centimetre, starting 0.25 cm to the left of it.
        for (int k = 0; k <= 24; ++k) {
            int encre = 0;
            for (int x = px(k - 0.25); x < px(k + 0.5); ++x)
                for (int y = px(0.3); y < img.height(); ++y)
                    encre += x >= 0 && couleur(img, x, y).value() < 128;
            QVERIFY2(encre > 3, qPrintable(QString("no number under %1 cm").arg(k)));
        }
    }

    void vibreur_data() {
        QTest::addColumn<double>("x");
        QTest::newRow("rest") << 2.0;
        QTest::newRow("progressive, Elongation(1) = 0.7") << 2.7;
        QTest::newRow("standing, Elongation(1) = 0.7") << 2.07;
    }
    void vibreur() {
        QFETCH(double, x);
        PictureBox b;
        b.resize(twips(3480), twips(2295));
        b.setEchelleCentimetres();
        b.setDrawWidth(2);
        DessineVibreur(b, x);
        QCOMPARE(pixel(b, x, 0.6), Rouge);
        QCOMPARE(pixel(b, x, 3.4), Rouge);
        QCOMPARE(pixel(b, x, 0.3), Blanc);
        QCOMPARE(pixel(b, x, 3.7), Blanc);
        QCOMPARE(pixel(b, x + 0.2, 2), Blanc);
    }

    void quadrillage() {
        PictureBox o;
        o.setBordure(true);
        o.resize(twips(5775), twips(3495));
        o.setEchelleUtilisateur(567.2, 578.0);
        o.setDrawWidth(3);
        AfficheQuadrillage(o);
        QCOMPARE(o.drawWidth(), 1);
        QCOMPARE(o.drawStyle(), PictureBox::StyleTrait::Plein);
        const QImage img = o.image();
        const QColor grille(190, 190, 220);
        auto colonne = [](double u) { return int(std::nearbyint(u * 567.2 / 15)); };
        auto ligne = [](double u) { return int(std::nearbyint(u * 578.0 / 15)); };
        // Division lines are solid, half-division lines dotted.
        int pleins = 0, pointilles = 0;
        for (int y = 0; y < img.height(); ++y) {
            pleins += couleur(img, colonne(4), y) == grille;
            pointilles += couleur(img, colonne(4.5), y) == grille;
        }
        QCOMPARE(pleins, img.height());
        QVERIFY(pointilles > img.height() / 4 && pointilles < img.height() * 3 / 4);
        for (int x = 0; x < img.width(); x += 7)
            QCOMPARE(couleur(img, x, ligne(3)), grille);
        QCOMPARE(couleur(img, colonne(4.25), ligne(3.25)), Blanc);
    }

    // A point drawn 4 pixels wide is a round dot centred on its point: rows
    // of 2, 4, 4, 2 pixels (8 pixels across at twice the density).
    void pointLarge_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QList<int>>("rangees");
        QTest::newRow("1x") << qreal(1) << QList<int>{2, 4, 4, 2};
        QTest::newRow("2x") << qreal(2) << QList<int>{4, 6, 8, 8, 8, 8, 6, 4};
    }
    void pointLarge() {
        QFETCH(qreal, dpr);
        QFETCH(QList<int>, rangees);
        PictureBox b;
        b.setRatio(dpr);
        b.resize(40, 40);
        b.setDrawWidth(4);
        b.PSet(20, 20, Noir);
        const QImage img = b.image();
        const int n = int(rangees.size());
        const int coin = int(20 * dpr) - n / 2;
        for (int y = 0; y < img.height(); ++y) {
            int noirs = 0, gauche = -1;
            for (int x = 0; x < img.width(); ++x)
                if (couleur(img, x, y) == Noir) {
                    noirs += 1;
                    gauche = gauche < 0 ? x : gauche;
                }
            const int k = y - coin;
            const int attendus = k >= 0 && k < n ? rangees[k] : 0;
            QCOMPARE(noirs, attendus);
            if (attendus)
                QCOMPARE(gauche, coin + (n - attendus) / 2); // centred in the row
        }
    }

    // Discs are stamped from a copy drawn once and filled boxes are filled in
    // place: whatever their place, cut by any edge of the picture or lying
    // over one another, the pixels are those the painter gives when it draws
    // each of them itself.
    void commeLePeintre_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<bool>("plein");
        QTest::addColumn<double>("rayon");
        QTest::newRow("particles 1x") << qreal(1) << 1 << true << 5.0;
        QTest::newRow("particles 2x") << qreal(2) << 1 << true << 5.0;
        QTest::newRow("outline only") << qreal(1) << 1 << false << 6.0;
        QTest::newRow("wide outline 2x") << qreal(2) << 3 << true << 4.0;
        QTest::newRow("one pixel") << qreal(1) << 1 << true << 0.6;
    }
    void commeLePeintre() {
        QFETCH(qreal, dpr);
        QFETCH(int, largeur);
        QFETCH(bool, plein);
        QFETCH(double, rayon);
        const QColor vert(0, 192, 0), fond(255, 255, 255);
        PictureBox b;
        b.setRatio(dpr);
        b.resize(60, 40);
        b.setDrawWidth(largeur);
        b.setFillSolid(plein);
        b.Cls();
        QImage attendue(int(60 * dpr), int(40 * dpr), QImage::Format_RGB32);
        attendue.fill(fond);
        QPainter p(&attendue);
        // Boxes inside, across the top-left corner, and given by their
        // corners the other way round across the bottom-right one.
        const QList<QRectF> boites{{QPointF(10, 5), QPointF(20, 30)},
                                   {QPointF(-5, -5), QPointF(4, 6)},
                                   {QPointF(65, 45), QPointF(50, 35)}};
        for (const QRectF& r : boites) {
            b.Box(float(r.left()), float(r.top()), float(r.right()), float(r.bottom()), Rouge);
            const QRectF coins(
                QPointF(std::nearbyint(r.left() * dpr), std::nearbyint(r.top() * dpr)),
                QPointF(std::nearbyint(r.right() * dpr), std::nearbyint(r.bottom() * dpr)));
            p.fillRect(coins.normalized().adjusted(0, 0, 1, 1), Rouge);
        }
        QPen stylo(Noir);
        stylo.setWidthF(std::max(1.0, std::nearbyint(largeur * dpr)));
        if (largeur > 1) {
            stylo.setCapStyle(Qt::RoundCap);
            stylo.setJoinStyle(Qt::RoundJoin);
        } else {
            stylo.setCapStyle(Qt::SquareCap);
        }
        // Inside, across each edge and past each corner, and two that overlap.
        const QList<QPointF> centres{{30, 20}, {1, 20},  {58, 20}, {30, 1},  {30, 39},
                                     {-2, -2}, {61, 41}, {15, 12}, {18, 14}, {-30, 10}};
        for (int k = 0; k < centres.size(); ++k) {
            const QColor remplissage = k % 2 ? vert : Noir;
            b.setFillColor(remplissage);
            b.Circle(float(centres[k].x()), float(centres[k].y()), float(rayon));
            p.setPen(stylo);
            p.setBrush(plein ? QBrush(remplissage) : QBrush(Qt::NoBrush));
            const double r = std::nearbyint(rayon * dpr);
            const QPointF c(std::nearbyint(centres[k].x() * dpr),
                            std::nearbyint(centres[k].y() * dpr));
            p.drawEllipse(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        }
        p.end();
        const QImage faite = b.image();
        QCOMPARE(faite.size(), attendue.size());
        int differents = 0, noirs = 0, rouges = 0;
        for (int y = 0; y < faite.height(); ++y)
            for (int x = 0; x < faite.width(); ++x) {
                differents += faite.pixel(x, y) != attendue.pixel(x, y);
                noirs += couleur(faite, x, y) == Noir;
                rouges += couleur(faite, x, y) == Rouge;
            }
        QCOMPARE(differents, 0);
        QVERIFY(noirs > 0);
        QVERIFY(rouges > 0);
    }

    // A disc is drawn with the drawing state of its own moment, however the
    // state went back and forth between discs: each looks as the painter
    // draws it with that state.
    void unDisqueParEtat() {
        struct Etat {
            QColor trait, remplissage;
            bool plein;
            int largeur;
            bool pointille;
        };
        const QColor vert(0, 192, 0);
        const QList<Etat> etats{{Noir, Noir, true, 1, false},  {Rouge, Noir, true, 1, false},
                                {Noir, Noir, true, 1, false},  {Noir, vert, true, 1, false},
                                {Noir, vert, false, 1, false}, {Noir, vert, false, 3, false},
                                {Noir, vert, false, 1, true},  {Noir, Noir, true, 1, false}};
        PictureBox b;
        b.resize(200, 40);
        b.Cls();
        QImage attendue(200, 40, QImage::Format_RGB32);
        attendue.fill(Blanc);
        QPainter p(&attendue);
        // Forth along the top row, then back along the bottom one.
        for (int passe = 0; passe < 2; ++passe)
            for (int n = 0; n < etats.size(); ++n) {
                const int k = passe ? int(etats.size()) - 1 - n : n;
                const Etat& e = etats[k];
                b.setForeColor(e.trait);
                b.setFillColor(e.remplissage);
                b.setFillSolid(e.plein);
                b.setDrawWidth(e.largeur);
                b.setDrawStyle(e.pointille ? PictureBox::StyleTrait::Pointille
                                           : PictureBox::StyleTrait::Plein);
                const QPoint c(12 + 24 * k, passe ? 30 : 10);
                b.Circle(float(c.x()), float(c.y()), 7);
                QPen stylo(e.trait);
                stylo.setWidthF(e.largeur);
                stylo.setCapStyle(e.largeur > 1 ? Qt::RoundCap : Qt::SquareCap);
                stylo.setJoinStyle(Qt::RoundJoin);
                if (e.pointille)
                    stylo.setStyle(Qt::DotLine);
                p.setPen(stylo);
                p.setBrush(e.plein ? QBrush(e.remplissage) : QBrush(Qt::NoBrush));
                p.drawEllipse(QRectF(c.x() - 7, c.y() - 7, 14, 14));
            }
        p.end();
        const QImage faite = b.image();
        for (int k = 0; k < etats.size(); ++k)
            for (int passe = 0; passe < 2; ++passe) {
                const QRect place(24 * k, passe * 20, 24, 20);
                int differents = 0;
                for (int y = place.top(); y <= place.bottom(); ++y)
                    for (int x = place.left(); x <= place.right(); ++x)
                        differents += faite.pixel(x, y) != attendue.pixel(x, y);
                QVERIFY2(differents == 0,
                         qPrintable(QStringLiteral("disc %1, pass %2: %3 pixels differ")
                                        .arg(k)
                                        .arg(passe)
                                        .arg(differents)));
            }
    }

    // A clear takes back only what was drawn since the one before, tick after
    // tick: whatever was drawn in between, each picture is the background
    // and what was drawn since, pixel for pixel.
    void effaceCeQuiEtaitTrace_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QString>("suite");
        QTest::newRow("discs and a box") << qreal(1) << "";
        QTest::newRow("discs and a box 2x") << qreal(2) << "";
        QTest::newRow("a line on tick 2") << qreal(1) << "ligne";
        QTest::newRow("many sizes of disc") << qreal(1) << "tailles";
        QTest::newRow("background changed on tick 3") << qreal(1) << "fond";
        QTest::newRow("resized on tick 3") << qreal(1) << "taille";
        QTest::newRow("many discs") << qreal(1) << "nombreux";
    }
    void effaceCeQuiEtaitTrace() {
        QFETCH(qreal, dpr);
        QFETCH(QString, suite);
        const QColor vert(0, 192, 0);
        QColor fond(255, 255, 255);
        PictureBox b;
        b.setRatio(dpr);
        b.resize(80, 50);
        b.setFillSolid(true);
        quint32 graine = 12345;
        const auto hasard = [&](double etendue) {
            graine = graine * 1103515245u + 12345u;
            return (graine >> 8) % 100000 / 100000.0 * etendue;
        };
        for (int tic = 0; tic < 6; ++tic) {
            if (suite == "fond" && tic == 3) {
                fond = QColor(200, 200, 255);
                b.setFond(fond);
            }
            if (suite == "taille" && tic == 3)
                b.resize(70, 60);
            QImage attendue(int(b.width() * dpr), int(b.height() * dpr), QImage::Format_RGB32);
            attendue.fill(fond);
            QPainter p(&attendue);
            b.Cls();
            const QRectF boite(QPointF(hasard(20) - 5, hasard(20) - 5), QPointF(hasard(90), 20));
            b.Box(float(boite.left()), float(boite.top()), float(boite.right()),
                  float(boite.bottom()), Rouge);
            p.fillRect(QRectF(QPointF(std::nearbyint(boite.left() * dpr),
                                      std::nearbyint(boite.top() * dpr)),
                              QPointF(std::nearbyint(boite.right() * dpr),
                                      std::nearbyint(boite.bottom() * dpr)))
                           .normalized()
                           .adjusted(0, 0, 1, 1),
                       Rouge);
            const int disques = suite == "nombreux" ? 5000 : 40;
            for (int k = 0; k < disques; ++k) {
                const double rayon = suite == "tailles" ? 1 + k % 11 : 3;
                const QPointF c(hasard(90) - 5, hasard(60) - 5);
                const QColor remplissage = k % 3 ? Noir : vert;
                b.setFillColor(remplissage);
                b.Circle(float(c.x()), float(c.y()), float(rayon));
                p.setPen(
                    QPen(Noir, std::max(1.0, std::nearbyint(dpr)), Qt::SolidLine, Qt::SquareCap));
                p.setBrush(remplissage);
                const double r = std::nearbyint(rayon * dpr);
                const QPointF d(std::nearbyint(c.x() * dpr), std::nearbyint(c.y() * dpr));
                p.drawEllipse(QRectF(d.x() - r, d.y() - r, 2 * r, 2 * r));
            }
            if (suite == "ligne" && tic == 2) {
                b.Line(0, 48, 79, 2, Rouge);
                p.setPen(
                    QPen(Rouge, std::max(1.0, std::nearbyint(dpr)), Qt::SolidLine, Qt::SquareCap));
                p.drawLine(QPointF(0, std::nearbyint(48 * dpr)),
                           QPointF(std::nearbyint(79 * dpr), std::nearbyint(2 * dpr)));
            }
            p.end();
            const QImage faite = b.image();
            QCOMPARE(faite.size(), attendue.size());
            int differents = 0;
            for (int y = 0; y < faite.height(); ++y)
                for (int x = 0; x < faite.width(); ++x)
                    differents += faite.pixel(x, y) != attendue.pixel(x, y);
            QVERIFY2(
                differents == 0,
                qPrintable(QStringLiteral("tick %1: %2 pixels differ").arg(tic).arg(differents)));
        }
    }

    // On screen, each tick repaints every pixel the drawing changed, and no
    // more than the place of a disc that is all a tick draws.
    void repeintCeQuiChange_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<bool>("bordure");
        QTest::newRow("1x") << qreal(1) << false;
        QTest::newRow("1x, bordered") << qreal(1) << true;
        QTest::newRow("2x, bordered") << qreal(2) << true;
    }
    void repeintCeQuiChange() {
        QFETCH(qreal, dpr);
        QFETCH(bool, bordure);
        struct Espion : QObject {
            QRegion peint;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    peint |= static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } espion;
        PictureBox b;
        b.setRatio(dpr);
        b.setBordure(bordure);
        b.resize(200, 60);
        b.setFillSolid(true);
        b.installEventFilter(&espion);
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        quint32 graine = 777;
        const auto hasard = [&](double etendue) {
            graine = graine * 1103515245u + 12345u;
            return (graine >> 8) % 100000 / 100000.0 * etendue;
        };
        const int e = b.bordure();
        for (int tic = 0; tic < 8; ++tic) {
            const QImage avant = b.image().copy();
            espion.peint = QRegion();
            b.Cls();
            // A lone disc at the left, then one at the right, far from where
            // anything was drawn the tick before.
            if (tic == 5 || tic == 6)
                b.Circle(tic == 5 ? 20 : 180, 30, 3);
            else
                for (int k = 0; k < 60; ++k)
                    b.Circle(float(hasard(210) - 5), float(hasard(70) - 5), 3);
            if (tic == 4)
                b.Line(0, 0, 199, 59, Rouge);
            const QImage apres = b.image();
            QTRY_VERIFY(!espion.peint.isEmpty());
            QCoreApplication::processEvents();
            int oublies = 0;
            for (int y = 0; y < apres.height(); ++y)
                for (int x = 0; x < apres.width(); ++x)
                    if (avant.pixel(x, y) != apres.pixel(x, y) &&
                        !espion.peint.contains(QPoint(int(x / dpr) + e, int(y / dpr) + e)))
                        ++oublies;
            QVERIFY2(oublies == 0,
                     qPrintable(QStringLiteral("tick %1: %2 changed pixels not repainted")
                                    .arg(tic)
                                    .arg(oublies)));
            if (dpr == 1) {
                // What the screen holds inside the border is the drawing.
                const QImage ecran = b.screen()->grabWindow(b.winId()).toImage();
                int faux = 0;
                for (int y = 0; y < apres.height(); ++y)
                    for (int x = 0; x < apres.width(); ++x)
                        faux += ecran.pixel(x + e, y + e) != apres.pixel(x, y);
                QVERIFY2(
                    faux == 0,
                    qPrintable(
                        QStringLiteral("tick %1: %2 pixels wrong on screen").arg(tic).arg(faux)));
            }
        }
        // A disc drawn again where it was: its place alone is repainted.
        b.Cls();
        b.Circle(100, 30, 3);
        QTRY_VERIFY(!espion.peint.isEmpty());
        QCoreApplication::processEvents();
        espion.peint = QRegion();
        b.Cls();
        b.Circle(100, 30, 3);
        QTRY_VERIFY(!espion.peint.isEmpty());
        const QRect r = espion.peint.boundingRect();
        QVERIFY2(r.width() * r.height() < 20 * 20,
                 qPrintable(QStringLiteral("%1 x %2").arg(r.width()).arg(r.height())));
    }

    // Wide segments are stamped from one drawn once for each vector: moved
    // anywhere, cut by an edge or not, they are the pixels the painter gives.
    void traitsLargesCommeLePeintre_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("largeur");
        QTest::newRow("rod, 2 wide") << qreal(1) << 2;
        QTest::newRow("trace, 3 wide") << qreal(1) << 3;
        QTest::newRow("trace, 3 wide, 2x") << qreal(2) << 3;
    }
    void traitsLargesCommeLePeintre() {
        QFETCH(qreal, dpr);
        QFETCH(int, largeur);
        PictureBox b;
        b.setRatio(dpr);
        b.resize(120, 80);
        b.setDrawWidth(largeur);
        b.Cls();
        QImage attendue(int(120 * dpr), int(80 * dpr), QImage::Format_RGB32);
        attendue.fill(Qt::white);
        QPainter p(&attendue);
        QPen stylo(Noir, std::nearbyint(largeur * dpr), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        quint32 graine = 4242;
        const auto hasard = [&](int n) {
            graine = graine * 1103515245u + 12345u;
            return int((graine >> 8) % quint32(n));
        };
        const QList<QColor> couleurs{Noir, Rouge, QColor(0, 0, 255)};
        for (int k = 0; k < 400; ++k) {
            // Few vectors, so that most segments reuse one drawn before.
            const QPoint a(hasard(130) - 5, hasard(90) - 5);
            const QPoint d(hasard(5) - 2, hasard(41) - 20);
            const QColor c = couleurs[k % 3];
            b.Line(float(a.x()), float(a.y()), float(a.x() + d.x()), float(a.y() + d.y()), c);
            stylo.setColor(c);
            p.setPen(stylo);
            const auto px = [&](QPoint q) {
                return QPointF(std::nearbyint(q.x() * dpr), std::nearbyint(q.y() * dpr));
            };
            p.drawLine(px(a), px(a + d));
        }
        p.end();
        const QImage faite = b.image();
        int differents = 0;
        for (int y = 0; y < faite.height(); ++y)
            for (int x = 0; x < faite.width(); ++x)
                differents += faite.pixel(x, y) != attendue.pixel(x, y);
        QCOMPARE(differents, 0);
    }
};

QTEST_MAIN(TstDessins)
#include "tst_dessins.moc"
