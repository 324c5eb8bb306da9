// The graphs window beside the main window: what it draws after each tick is
// the model's own displacements and the levels the sensors read, where the
// axes say and where the sensors read, a standing wave's medium up to its end
// mark; it stands still with the pause and moves with a step; it marks the
// sensors, the green group and the nodes; it saves its picture; the key and
// the background's menu open it.

#include "Banc.h"
#include "model/LeLongDuMilieu.h"
#include "model/Mesure.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/ZoomOS.h"
#include "ui/partage/Enregistrement.h"
#include "ui/partage/FenetreGraphes.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Dessins.h"
#include "views/GraphesMilieu.h"

#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <cmath>

using namespace vibralume;

namespace {

// The window with the model open, its graphs window made, and saves that go
// where the test says.
struct Atelier : Banc {
    QTemporaryDir dossier;
    QString chemin;
    QStringList propositions;
    int choixFenetrePrincipale = 0;
    ComplementsOS complements{*os, DemarrageOS{}, [](double) {}, nullptr};
    FenetreGraphes& f = complements.graphes();
    GraphesMilieu& g = f.graphes();
    Atelier() {
        complements.zoom().zoomNormal();
        f.setChoix([this](const QString&, const QString& proposition, const QString&) {
            propositions << proposition;
            return chemin;
        });
        complements.enregistrement().setChoix(
            [this](const QString&, const QString&, const QString&) {
                ++choixFenetrePrincipale;
                return QString();
            });
        QApplication::setActiveWindow(os.get());
        os->Timer1().start(1 << 30); // running, for the clock to be read; the test ticks
        os->AfficheModeleMicro();
    }
    void tick(double t) {
        horloge.lecture = 36000 + t;
        os->Timer1_Timer();
    }
    QColor pixel(QPointF p) const {
        const QImage& im = g.image();
        const qreal r = im.devicePixelRatio();
        return QColor(im.pixel(int(std::floor(p.x() * r)), int(std::floor(p.y() * r))));
    }
    /// Some pixel of `zone` (logical pixels) within `ecart` of colour `c` on each channel.
    bool contient(QRectF zone, const QColor& c, int ecart = 0) const {
        const QRect r = zone.toAlignedRect() & g.rect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = pixel(QPointF(x + 0.5, y + 0.5));
                if (std::abs(p.red() - c.red()) <= ecart &&
                    std::abs(p.green() - c.green()) <= ecart &&
                    std::abs(p.blue() - c.blue()) <= ecart)
                    return true;
            }
        return false;
    }
    /// The strip of letters under a plot, around the abscissa x (cm).
    QRectF lettre(const QRectF& zone, double x) const {
        return QRectF(g.pixelDeplacement(x, 0).x() - 7, zone.bottom() + 1, 14, 14);
    }
    /// Where the sensors that are on read.
    std::vector<double> capteurs() {
        std::vector<double> x;
        for (int16_t n : {1, 2})
            if (os->mesures().capteurActif(n))
                x.push_back(AbscisseLecture(os->mesures().abscisseCapteur(n)));
        return x;
    }

    // The graphs show the model as it stands: its displacements and the
    // sensors' levels, in the series and on the pixels.
    void verifieSuitLeModele() {
        const ContenuGraphes& c = g.contenu();
        // A standing wave as far as its end mark, slices 1 to 36.
        const bool progressive = os->controle<QAbstractButton>("OndeProgressive")->isChecked();
        QCOMPARE(c.bord == Bord::Progressive, progressive);
        const int vues = progressive ? NbTranches : 36;
        QCOMPARE(int(c.points.size()), vues);
        for (int i = 1; i <= vues; ++i)
            QCOMPARE(c.points[std::size_t(i - 1)].deplacement, m.Elongation[i]);
        QCOMPARE(c.pressions.size(), std::size_t(progressive ? 25 : 20));
        for (std::size_t k = 0; k < c.pressions.size(); ++k)
            QCOMPARE(c.pressions[k].niveau, NiveauCapteur(m, float(k)));
        // A point of the curve on each of these slices, and none at the
        // opposite displacement, which a wrong sign would give.
        for (int i : {6, 12, 19, 27, 33, progressive ? 41 : 36}) {
            const double x = m.PosRepos[i] + 1.65;
            const double e = m.Elongation[i];
            const QColor attendu = m.TrancheColoree && std::abs(i - m.TrancheColoree) <= 2
                                       ? VertTranches
                                       : CouleurDeplacement;
            QCOMPARE(pixel(g.pixelDeplacement(x, e)), attendu);
            if (std::abs(e) > c.demiEchelle / 4)
                QVERIFY(pixel(g.pixelDeplacement(x, -e)) != attendu);
        }
        // Up is a displacement to the right, as the axis reads; the ruler's
        // centimetre ticks stand on the plots' centimetres.
        QVERIFY(g.pixelDeplacement(5, c.demiEchelle).y() <
                g.pixelDeplacement(5, 0).y() - g.zoneDeplacement().height() / 3);
        const QRectF regle = g.placeRegle();
        QVERIFY(std::abs(regle.top() - g.zonePression().bottom()) < 40);
        // Below the millimetre ticks' length, only the centimetres' reach.
        const double cm = g.pixelDeplacement(1, 0).x() - g.pixelDeplacement(0, 0).x();
        const double y = regle.top() + 0.15 * cm;
        for (int k = 1; k <= 24; ++k) {
            const double x = g.pixelDeplacement(k, 0).x();
            QVERIFY2(contient(QRectF(x - 1, y, 2, 1), Qt::black, 60),
                     qPrintable(QString::number(k)));
            QVERIFY(!contient(QRectF(x + cm / 2 - 2, y, 4, 1), Qt::black, 60));
        }
        // Each place a sensor reads inside the medium, and the line half-way
        // to the next, away from the sensors' own lines.
        const auto xs = capteurs();
        for (std::size_t k = 2; k < c.pressions.size(); ++k) {
            const PointPression& a = c.pressions[k];
            const PointPression& b = c.pressions[std::min(k + 1, c.pressions.size() - 1)];
            const bool pres = std::any_of(xs.begin(), xs.end(),
                                          [&](double x) { return std::abs(x - a.x - 0.5) < 0.8; });
            const QPointF p = g.pixelPression(a.x, a.niveau);
            const QPointF q = g.pixelPression((a.x + b.x) / 2, (a.niveau + b.niveau) / 2);
            if (!pres && g.zonePression().contains(p) && g.zonePression().contains(q)) {
                QCOMPARE(pixel(p), CouleurPression);
                QVERIFY2(contient(QRectF(q - QPointF(1, 1), QSizeF(2, 2)), CouleurPression, 40),
                         qPrintable(QString::number(a.x)));
            }
        }
        // Right of the end mark, its grey and nothing of the medium; a
        // progressive wave runs to the edge.
        const QRectF d = g.zoneDeplacement(), z = g.zonePression();
        const double xf = g.pixelDeplacement(AbscisseBord, 0).x() + 3;
        QCOMPARE(contient(QRectF(xf, d.top(), d.right() - xf, d.height()), CouleurDeplacement),
                 progressive);
        QCOMPARE(contient(QRectF(xf, z.top(), z.right() - xf, z.height()), CouleurPression),
                 progressive);
        const QColor bord =
            c.bord == Bord::OuvertFerme ? QColor(224, 224, 224) : QColor(128, 128, 128);
        if (!progressive)
            QCOMPARE(pixel(QPointF(xf + 10, d.center().y())), bord);
    }
};

} // namespace

class TstGraphes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // Each kind of wave, a few ticks apart; the nodes and antinodes of a
    // resonant standing wave where its ends put them (worked out by hand:
    // the open end at 4.15 cm is an antinode of displacement).
    void suitLeModele_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<double>("premierNoeud"); // of displacement; NaN: none
        QTest::addColumn<double>("premierVentre");
        const double aucun = qQNaN();
        QTest::newRow("progressive") << "progressive" << aucun << aucun;
        QTest::newRow("pulse") << "impulsion" << aucun << aucun;
        QTest::newRow("open-open at resonance, lambda 10 cm") << "ouvert" << 6.65 << 4.15;
        QTest::newRow("open-closed at resonance, lambda 20 cm") << "ferme" << 9.15 << 4.15;
        QTest::newRow("open-open off resonance") << "hors resonance" << aucun << aucun;
    }
    void suitLeModele() {
        QFETCH(QString, cas);
        QFETCH(double, premierNoeud);
        QFETCH(double, premierVentre);
        Atelier a;
        a.os->mesures().ActiveCapteur(1);
        a.os->mesures().ActiveCapteur(2);
        if (cas == QLatin1String("impulsion")) {
            a.os->Label11_Click();
            a.os->Soliton_Click(3);
        } else if (cas != QLatin1String("progressive")) {
            a.choisis(cas == QLatin1String("ferme") ? "OndeStationnaire2" : "OndeStationnaire");
            if (cas == QLatin1String("ferme"))
                a.barre("v")->setValue(2); // 10 cm/s
            a.barre("frequence")
                ->setValue(cas == QLatin1String("ouvert")  ? 15
                           : cas == QLatin1String("ferme") ? 5
                                                           : 18);
        }
        a.complements.montreGraphes();
        for (double t : {0.6, 0.93, 1.31}) {
            a.tick(t);
            a.verifieSuitLeModele();
        }
        const auto& places = a.g.contenu().places;
        const QRectF d = a.g.zoneDeplacement(), p = a.g.zonePression();
        if (std::isnan(premierNoeud)) {
            QVERIFY(places.empty());
            QVERIFY(!a.contient(QRectF(d.left(), d.bottom() + 1, d.width(), 14), CouleurNoeud, 40));
            return;
        }
        auto premier = [&](NoeudOuVentre n) {
            for (const PlaceRemarquable& pl : places)
                if (pl.grandeur == Grandeur::Deplacement && pl.nature == n)
                    return pl.x;
            return -1.0;
        };
        QVERIFY(std::abs(premier(NoeudOuVentre::Noeud) - premierNoeud) < 1e-6);
        QVERIFY(std::abs(premier(NoeudOuVentre::Ventre) - premierVentre) < 1e-6);
        // The pressure curve crosses the rest level on each pressure node.
        for (const PlaceRemarquable& pl : places)
            if (pl.grandeur == Grandeur::Pression && pl.nature == NoeudOuVentre::Noeud)
                QVERIFY(a.contient(
                    QRectF(a.g.pixelPression(pl.x, NiveauRepos) - QPointF(1, 1), QSizeF(2, 2)),
                    CouleurPression, 40));
        // Lettered in their colours: a node of displacement is an antinode of pressure.
        QVERIFY(a.contient(a.lettre(d, premierNoeud), CouleurNoeud, 40));
        QVERIFY(a.contient(a.lettre(p, premierNoeud), CouleurVentre, 40));
        QVERIFY(a.contient(a.lettre(d, premierVentre), CouleurVentre, 40));
        QVERIFY(a.contient(a.lettre(p, premierVentre), CouleurNoeud, 40));
    }

    // Paused, the graphs keep still whatever the clock says; a step moves
    // them by 25 ms of the model.
    void pauseEtPasAPas() {
        Atelier a;
        a.complements.montreGraphes();
        a.tick(0.5);
        const QImage avant = a.g.image().copy();
        a.os->Command1_Click();
        a.horloge.lecture += 0.7;
        QTest::qWait(60);
        QCOMPARE(a.g.image(), avant);
        const int32_t t = a.m.TempsMs;
        a.os->Command3_Click();
        QCOMPARE(a.m.TempsMs, t + 25);
        QVERIFY(a.g.image() != avant);
        a.verifieSuitLeModele();
    }

    // Hidden, the window leaves the ticks alone; shown again, it draws the
    // state of then.
    void dessineSeulementVue() {
        Atelier a;
        a.complements.montreGraphes();
        a.tick(0.5);
        a.f.hide();
        a.tick(0.8);
        bool ancien = false;
        for (int i = 1; i <= NbTranches; ++i)
            ancien |= a.g.contenu().points[std::size_t(i - 1)].deplacement != a.m.Elongation[i];
        QVERIFY(ancien);
        a.f.show();
        a.verifieSuitLeModele();
    }

    // Sensors that are on, where they read (the middle of their two slices,
    // not their marker's edge), in their colours; those that are off,
    // nowhere; the green group on its five slices.
    void marques_data() {
        QTest::addColumn<double>("x1"); // negative: off
        QTest::addColumn<double>("x2");
        QTest::addColumn<int>("groupe");
        QTest::newRow("sensor 1 at 6.3 cm, reading at 6.9, group around slice 20")
            << 6.3 << -1.0 << 20;
        QTest::newRow("both sensors, reading at 3.9 and 14.9, no group") << 3.2 << 14.6 << 0;
        QTest::newRow("sensor 2 alone at 21.4 cm, reading at 21.9, group around 8")
            << -1.0 << 21.4 << 8;
    }
    void marques() {
        QFETCH(double, x1);
        QFETCH(double, x2);
        QFETCH(int, groupe);
        Atelier a;
        PanneauMesures& mesures = a.os->mesures();
        const std::array<double, 2> xs{x1, x2};
        for (int16_t n : {1, 2}) {
            const double x = xs[std::size_t(n - 1)];
            if (x < 0)
                continue;
            mesures.ActiveCapteur(n);
            mesures.ModeleMicro_DragDrop(a.w(n == 1 ? "Micro1" : "Micro2"), x, 0.6);
        }
        if (groupe)
            mesures.ModeleMicro_MouseUp(Qt::LeftButton, (groupe + 2) / 2.0 + 0.1, 1);
        QCOMPARE(a.m.TrancheColoree, int16_t(groupe));
        a.complements.montreGraphes();
        a.tick(0.7);
        a.verifieSuitLeModele();

        const ContenuGraphes& c = a.g.contenu();
        QCOMPARE(c.trancheColoree, int16_t(groupe));
        const QRectF d = a.g.zoneDeplacement(), p = a.g.zonePression();
        for (int16_t n : {1, 2}) {
            const double x = xs[std::size_t(n - 1)];
            const auto& capteur = c.capteurs[std::size_t(n - 1)];
            const QColor couleur = n == 1 ? CouleurMarqueur1 : CouleurMarqueur2;
            const double lu = std::floor(x) + 0.9;
            const double px = a.g.pixelDeplacement(lu, 0).x();
            if (x < 0) {
                QVERIFY(!capteur);
                QVERIFY(
                    !a.contient(QRectF(0, d.top(), a.g.width(), p.bottom() - d.top()), couleur));
                continue;
            }
            QVERIFY(capteur);
            QVERIFY(std::abs(capteur->x - lu) < 1e-9);
            QCOMPARE(capteur->niveau, NiveauCapteur(a.m, mesures.abscisseCapteur(n)));
            // Its line over both plots, its marker and its dot where it
            // reads; nothing of it at its marker's edge.
            QVERIFY(a.contient(QRectF(px - 2, d.top() + 2, 4, 2), couleur));
            QVERIFY(a.contient(QRectF(px - 2, a.g.pixelPression(0, 5.5).y(), 4, 2), couleur));
            QVERIFY(a.contient(QRectF(px + 3, p.top() + 3, 2, 2), couleur));
            QCOMPARE(a.pixel(a.g.pixelPression(lu, capteur->niveau)), couleur);
            const double bord = a.g.pixelDeplacement(x, 0).x();
            QVERIFY(!a.contient(QRectF(bord - 2, d.top(), 4, d.height()), couleur));
        }
        // The group: a pale green band over the pressure plot, green points.
        const double xGroupe = (groupe ? groupe : 20) / 2.0 + 1.65;
        const QColor bande = a.pixel(a.g.pixelPression(xGroupe + 0.1, 5.8));
        QCOMPARE(bande.green() > bande.red() + 20, groupe != 0);
        for (int i = std::max(1, groupe - 3); groupe && i <= groupe + 3; ++i) {
            const PointDeplacement& pt = c.points[std::size_t(i - 1)];
            const QColor attendu = std::abs(i - groupe) <= 2 ? VertTranches : CouleurDeplacement;
            QCOMPARE(a.pixel(a.g.pixelDeplacement(pt.x, pt.deplacement)), attendu);
        }
    }

    // Saved as a PNG of the window's size, by Ctrl+S in the window or its
    // context menu, never through the main window's own save.
    void enregistre() {
        Atelier a;
        a.os->mesures().ActiveCapteur(1);
        a.complements.montreGraphes();
        a.tick(0.5);
        a.chemin = a.dossier.filePath(QStringLiteral("graphes.png"));
        QApplication::setActiveWindow(&a.f);
        QTest::keyClick(&a.f, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(a.propositions.size(), 1);
        QCOMPARE(a.choixFenetrePrincipale, 0);
        QVERIFY(a.propositions[0].contains(QRegularExpression(QStringLiteral(
            "/vibralume-graphes-\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d\\.png$"))));
        const QImage png(a.chemin);
        QCOMPARE(png.size(), a.f.size());
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
                 a.f.grab().toImage().convertToFormat(QImage::Format_RGB32));

        QVERIFY(QFile::remove(a.chemin));
        QAction* enregistrer = nullptr;
        for (QAction* action : a.f.menu()->actions())
            if (action->text().startsWith(QStringLiteral("Enregistrer l'image des graphes")))
                enregistrer = action;
        QVERIFY(enregistrer);
        enregistrer->trigger();
        QCOMPARE(a.propositions.size(), 2);
        QCOMPARE(QImage(a.chemin).size(), a.f.size());
    }

    // W opens and closes it from either window, Escape closes it, the
    // background's menu opens it, and the list of shortcuts tells the key.
    void ouverture() {
        Atelier a;
        QVERIFY(!a.f.isVisible());
        a.tick(0.4);
        QTest::keyClick(a.os.get(), Qt::Key_W);
        QVERIFY(a.f.isVisible());
        QCOMPARE(a.f.windowTitle(), QStringLiteral("Graphes - Vibralume"));
        a.verifieSuitLeModele();
        QApplication::setActiveWindow(&a.f);
        QTest::keyClick(&a.f, Qt::Key_W);
        QVERIFY(!a.f.isVisible());
        QApplication::setActiveWindow(a.os.get());
        QTest::keyClick(a.os.get(), Qt::Key_W);
        QVERIFY(a.f.isVisible());
        QTest::keyClick(a.os.get(), Qt::Key_W);
        QVERIFY(!a.f.isVisible());

        QMenu* menu = a.complements.menu().menuA(QPoint(5, 400));
        QVERIFY(menu);
        QAction* graphes = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().section(QLatin1Char('\t'), 0, 0) ==
                QStringLiteral("Graphes le long du milieu..."))
                graphes = action;
        QVERIFY(graphes);
        graphes->trigger();
        QVERIFY(a.f.isVisible());
        QApplication::setActiveWindow(&a.f);
        QTest::keyClick(&a.f, Qt::Key_Escape);
        QVERIFY(!a.f.isVisible());

        bool liste = false;
        for (const TableCommandes::Groupe& groupe : a.complements.commandes().groupes())
            for (const TableCommandes::Ligne& l : groupe.lignes)
                liste |= groupe.titre == QStringLiteral("Fenêtres") &&
                         l.touches == QStringLiteral("W") &&
                         l.effet.contains(QStringLiteral("Graphes"));
        QVERIFY(liste);
    }

    // The pressure axis counts divisions from the rest level, compressions up.
    void graduationPression_data() {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("texte");
        QTest::newRow("top of the screen") << 0 << QStringLiteral("+3");
        QTest::newRow("rest") << 3 << QStringLiteral("0");
        QTest::newRow("a rarefaction") << 4 << QStringLiteral("-1");
    }
    void graduationPression() {
        QFETCH(int, niveau);
        QFETCH(QString, texte);
        QCOMPARE(GraphesMilieu::graduationPression(niveau), texte);
    }

    // The drawing fills the window at any size, its axes stretched with it;
    // the main window's zoom grows the window and its texts alike.
    void tailleEtZoom() {
        Atelier a;
        a.complements.montreGraphes();
        a.tick(0.5);
        auto largeur = [&] {
            return a.g.pixelDeplacement(LargeurModele, 0).x() - a.g.pixelDeplacement(0, 0).x();
        };
        const double avant = largeur();
        const QSize taille = a.f.size();
        a.f.resize(taille + QSize(260, 150));
        QTRY_COMPARE(a.g.size(), a.f.size());
        QCOMPARE(a.g.image().size(), a.g.size() * a.g.image().devicePixelRatio());
        QVERIFY(std::abs(largeur() - (avant + 260)) < 1);
        a.verifieSuitLeModele();

        a.f.resize(taille);
        QTRY_COMPARE(a.g.size(), taille);
        a.complements.zoom().agrandit();
        QCOMPARE(a.g.zoom(), 1.25);
        QCOMPARE(a.f.size(), (taille * 1.25).boundedTo(a.f.screen()->availableGeometry().size()));
        QTRY_COMPARE(a.g.size(), a.f.size());
        a.verifieSuitLeModele();
    }
};

QTEST_MAIN(TstGraphes)
#include "tst_graphes.moc"
