// The main window enlarged, reduced and full screen, as a teacher does it:
// every place, size and font follows the layout's twips at the new scale,
// the drawings are made again, the oscilloscope with its traces, and the
// running simulation loses nothing.

#define QTEST_QPA_MOUSE_HANDLING

#include "Banc.h"
#include "model/Mesure.h"
#include "ui/classe/ZoomOS.h"
#include "ui/miseenpage/ControlesConstruits.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Dessins.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Trait.h"
#include "views/Twips.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

using namespace vibralume;

namespace {

const DefControle& ligne(const char* nom) {
    for (const DefControle& d : MiseEnPageOS())
        if (QLatin1String(d.nom) == QLatin1String(nom))
            return d;
    qFatal("no control %s in the layout", nom);
}

// Where the layout puts a control at `zoom`, inside its container's border
// (border widths read off the table too: one pixel at 100 %, grown with the zoom).
QRect placeAttendue(const char* nom, double zoom) {
    const DefControle& d = ligne(nom);
    int b = 0;
    if (*d.dans) {
        const DefControle& c = ligne(d.dans);
        b = c.genre == Genre::Boite && c.bordure ? epaisseur(1, zoom) : 0;
    }
    return QRect(b + twips(d.x, zoom), b + twips(d.y, zoom), twips(d.l, zoom), twips(d.h, zoom));
}

} // namespace

class TstZoom : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // A sample of every kind of control: place, size and font at each zoom,
    // straight from the layout's twips.
    void places_data() {
        QTest::addColumn<double>("zoom");
        for (double z : {0.5, 0.75, 1.25, 2.0, 4.0})
            QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(z * 100))) << z;
    }
    void places() {
        QFETCH(double, zoom);
        Banc b;
        ZoomOS zoomOS(*b.os);
        zoomOS.setZoom(zoom);
        QCOMPARE(zoomOS.zoom(), zoom);
        QCOMPARE(b.os->size(), QSize(twips(15120, zoom), twips(10404, zoom)));
        QCOMPARE(b.os->minimumSize(), b.os->maximumSize());
        for (const char* nom : {"ModeleMicro",       "Regle",         "Label15", "Command1",
                                "OndePeriodique",    "frequence",     "label3",  "Vibreur",
                                "Command4",          "Image5",        "lambda",  "Picture14",
                                "Oscilloscope",      "Oscillo",       "Sens_3",  "Picture7",
                                "OndeStationnaire2", "Amortissement", "v",       "EnonceModele",
                                "SolitonLong",       "Shape4"})
            QCOMPARE(b.w(nom)->geometry(), placeAttendue(nom, zoom));
        for (const char* nom : {"Label15", "lambda", "Sens_3", "Amortissement", "Label28"})
            QCOMPARE(b.w(nom)->font().pixelSize(), pointsEnPixels(ligne(nom).police.pt, zoom));
        auto* regle = b.os->controle<PictureBox>("Regle");
        QCOMPARE(regle->bordure(), epaisseur(1, zoom));
        QCOMPARE(regle->zoom(), zoom);
        // The scale units follow: a centimetre of the model is that many pixels.
        QCOMPARE(b.os->controle<PictureBox>("ModeleMicro")->versPixels(1, 0).x(),
                 1440 / 2.54 / 15 * zoom);
        // The option buttons' marks grow too.
        auto* o = b.os->controle<QRadioButton>("Sens_3");
        QStyleOptionButton opt;
        opt.initFrom(o);
        QCOMPARE(o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, o),
                 int(std::nearbyint(QApplication::style()->pixelMetric(
                                        QStyle::PM_ExclusiveIndicatorWidth, &opt, nullptr) *
                                    zoom)));
    }

    // Every caption breaks into the lines it has at 100 %, at every zoom
    // step: the rounding of a zoomed font never pushes a word onto a line the
    // caption has no room for ("Activation des capteurs de pression" at 150 %),
    // and a caption that fits its box at 100 % fits it at every zoom, its
    // lines never cut at the edge ("... un son de" at 150 %).
    void lignesDesLegendes() {
        Banc b;
        ZoomOS zoomOS(*b.os);
        QHash<QString, int> aCent;
        QSet<QString> tiennent;
        const auto etiquettes = b.os->findChildren<Etiquette*>();
        QVERIFY(etiquettes.size() > 30);
        for (Etiquette* e : etiquettes)
            if (!e->text().isEmpty()) {
                const QString nom = e->objectName() + e->property("Index").toString();
                aCent.insert(nom, e->nombreLignes());
                if (e->largeurLignes() <= e->contentsRect().width())
                    tiennent.insert(nom);
            }
        QVERIFY(tiennent.contains(QStringLiteral("Label21")));
        QCOMPARE(aCent.value(QStringLiteral("activation_micros")), 1);
        for (int pourcent = 50; pourcent <= 400; pourcent += 25) {
            zoomOS.setZoom(pourcent / 100.0);
            for (Etiquette* e : etiquettes) {
                const QString nom = e->objectName() + e->property("Index").toString();
                if (aCent.contains(nom))
                    QVERIFY2(e->nombreLignes() == aCent.value(nom),
                             qPrintable(QStringLiteral("%1 « %2 » in %3 lines at %4 %, %5 at 100 %")
                                            .arg(nom, e->text())
                                            .arg(e->nombreLignes())
                                            .arg(pourcent)
                                            .arg(aCent.value(nom))));
                if (tiennent.contains(nom))
                    QVERIFY2(e->largeurLignes() <= e->contentsRect().width() + 1e-6,
                             qPrintable(QStringLiteral("%1 « %2 » %3 pixels wide in %4 at %5 %")
                                            .arg(nom, e->text())
                                            .arg(e->largeurLignes())
                                            .arg(e->contentsRect().width())
                                            .arg(pourcent)));
            }
        }
    }

    // Lines and drawings grow as one: the ruler's centimetre ticks, the
    // amplitude marks (where the refresh put them) and a sensor's trace width.
    void dessins() {
        Banc b;
        ZoomOS zoomOS(*b.os);
        b.barre("frequence")->setValue(25); // markers moved by the refresh
        zoomOS.setZoom(2);
        auto* regle = b.os->controle<PictureBox>("Regle");
        const QImage r = regle->image();
        const qreal dpr = regle->ratio();
        // The tick at 5 cm: 2 pixels wide at 100 %, 4 at 200 %.
        const int x5 = int(std::nearbyint(5 * 1440 / 2.54 / 15 * 2 * dpr));
        int noirs = 0;
        for (int x = x5 - int(6 * dpr); x <= x5 + int(6 * dpr); ++x)
            noirs += QColor(r.pixel(x, int(4 * dpr))) == QColor(Qt::black);
        QCOMPARE(noirs, int(4 * dpr));
        auto* g = b.os->controle<Trait>("Vib_AmplG");
        QCOMPARE(g->x1(), 2 - b.m.AmplVib);
        QCOMPARE(g->x(), int(std::nearbyint((2 - b.m.AmplVib) * 1440 / 2.54 / 15 * 2)));
        auto* oscillo = b.os->controle<PictureBox>("Oscillo");
        oscillo->setDrawWidth(3);
        QCOMPARE(oscillo->largeurStylo(), 6 * oscillo->ratio());
    }

    // Time, parameters, pause, the highlighted group, the sensors and their
    // places, the listening: all as they were, after zooming in and out.
    void etatConserve() {
        Banc b;
        b.os->Timer1().start(1 << 30); // running, as far as the buttons can tell
        b.os->AfficheModeleMicro();
        b.os->mesures().AfficheOscilloscope();
        b.os->mesures().ActiveCapteur(1);
        b.barre("frequence")->setValue(25);
        b.choisis("OndeStationnaire");
        b.os->controle<QCheckBox>("Amortissement")->setChecked(true);
        b.clic("Command4");
        b.horloge.lecture = 36000.5;
        b.os->Timer1_Timer();
        b.clic("Command1"); // pause
        b.m.TrancheColoree = 8;
        // A sensor just left of a slice-pair boundary, where rounding to the
        // pixels of another zoom could tip it over.
        auto* micro = b.os->controle<Etiquette>("Micro1");
        micro->move(int(std::floor(4.0 * 1440 / 2.54 / 15)), 20);
        const float x = b.os->mesures().abscisseCapteur(1);
        const Module1 avant = b.m;
        const int joue = b.son.joue, arrete = b.son.arrete;

        ZoomOS zoomOS(*b.os);
        for (double z : {1.25, 2.0, 0.75, 3.5, 1.0}) {
            zoomOS.setZoom(z);
            QCOMPARE(b.os->mesures().abscisseCapteur(1), x);
            QCOMPARE(PressionCapteur(b.m, x), PressionCapteur(avant, x));
        }
        QCOMPARE(b.m.TempsMs, avant.TempsMs);
        QCOMPARE(b.m.TempsPause, avant.TempsPause);
        QCOMPARE(b.m.Freq, 2.5);
        QCOMPARE(b.m.Elongation, avant.Elongation);
        QCOMPARE(b.m.TrancheColoree, int16_t(8));
        QVERIFY(b.m.SonActif);
        QCOMPARE(b.son.joue, joue);
        QCOMPARE(b.son.arrete, arrete);
        QVERIFY(!b.os->Timer1().isActive());
        QVERIFY(b.montre("Command2") && !b.montre("Command1"));
        QVERIFY(b.montre("Micro1") && b.montre("Oscilloscope") && b.montre("BordOuvert"));
        QVERIFY(b.os->controle<QRadioButton>("OndeStationnaire")->isChecked());
        QVERIFY(b.os->controle<QCheckBox>("Amortissement")->isChecked());
        QCOMPARE(micro->pos(), QPoint(int(std::floor(4.0 * 1440 / 2.54 / 15)), 20));
        // The paused model is drawn again from where it stood, the group of
        // slices 6 to 10 still green.
        auto* modele = b.os->controle<PictureBox>("ModeleMicro");
        auto vu = [&](int i) {
            const QPointF p = modele->versPixels(b.m.PosX[i][5], b.m.PosY[i][5]) * modele->ratio();
            return modele->image().pixelColor(p.toPoint());
        };
        QCOMPARE(vu(10), VertTranches);
        QCOMPARE(vu(20), QColor(Qt::black));
    }

    // The trace of the sweep in progress is drawn again at every new size,
    // full screen and back included; a new time base and the start of a new
    // sweep still wipe it, and it stays wiped through a zoom.
    void traceConservee() {
        Banc b;
        ZoomOS zoomOS(*b.os);
        b.os->Timer1().start(1 << 30); // running: the ticks read the clock
        b.os->AfficheModeleMicro();
        b.os->mesures().AfficheOscilloscope();
        b.os->mesures().ActiveCapteur(1);
        auto* oscillo = b.os->controle<PictureBox>("Oscillo");
        // Where each tick's segment ended, in divisions.
        auto ticks = [&](double de, double a) {
            QList<QPointF> fins;
            for (double t = de; t < a + 1e-9; t += 0.1) {
                b.horloge.lecture = 36000 + t;
                b.os->Timer1_Timer();
                const double D = b.m.DureeBalayage;
                fins << QPointF(PositionBalayage(b.m.TempsMs, D) * 10 / D, b.m.PressionPrec[1]);
            }
            return fins;
        };
        // How many of `fins` show the trace's colour, at the screen's scale now.
        auto vus = [&](const QList<QPointF>& fins) {
            const QImage& image = oscillo->image();
            int n = 0;
            for (const QPointF& f : fins) {
                const QPointF p = oscillo->versPixels(f.x(), f.y()) * oscillo->ratio();
                n += image.pixelColor(int(std::nearbyint(p.x())), int(std::nearbyint(p.y()))) ==
                     CouleurCapteur1;
            }
            return n;
        };
        const QList<QPointF> balayage = ticks(0.1, 1.5);
        QCOMPARE(vus(balayage), balayage.size());
        const int largeur = oscillo->image().width();
        zoomOS.setZoom(1.25);
        QVERIFY(oscillo->image().width() > largeur * 1.2);
        QCOMPARE(vus(balayage), balayage.size());
        zoomOS.basculePleinEcran();
        QVERIFY(std::abs(zoomOS.zoom() - 1.25) > 0.1); // the screen's size, another scale
        QCOMPARE(vus(balayage), balayage.size());
        zoomOS.quittePleinEcran();
        QCOMPARE(vus(balayage), balayage.size());

        b.os->mesures().Sens_Click(1); // 0.5 s per division, a new screen
        zoomOS.zoomNormal();
        QCOMPARE(vus(balayage), 0);
        // To the end of this 5 s sweep (3.2 to 9.8 divisions), then into the next one.
        const QList<QPointF> fin = ticks(1.6, 4.9);
        const QList<QPointF> nouveau = ticks(5.0, 5.4);
        zoomOS.agrandit();
        QCOMPARE(vus(nouveau), nouveau.size());
        QCOMPARE(vus(fin), 0);
    }

    // Steps of 25 % from 50 % to 400 %, from any zoom; back to 100 %.
    void pas() {
        Banc b;
        ZoomOS z(*b.os);
        z.setZoom(0.8, true);
        z.agrandit();
        QCOMPARE(z.zoom(), 1.0);
        z.agrandit();
        QCOMPARE(z.zoom(), 1.25);
        z.setZoom(0.8, true);
        z.reduit();
        QCOMPARE(z.zoom(), 0.75);
        z.reduit();
        z.reduit();
        QCOMPARE(z.zoom(), 0.5);
        z.reduit();
        QCOMPARE(z.zoom(), 0.5);
        z.setZoom(3.75);
        z.agrandit();
        z.agrandit();
        QCOMPARE(z.zoom(), 4.0);
        z.zoomNormal();
        QCOMPARE(z.zoom(), 1.0);
        QCOMPARE(b.os->size(), QSize(1008, 694));
    }

    // The largest zoom that fits a screen, for a few screens.
    // A change of zoom walks the controls found at start-up: none is looked
    // up by its name again, however the change is asked for.
    void sansRechercheParNom() {
        Banc b;
        ZoomOS z(*b.os);
        const long avant = ControlesConstruits::recherches();
        z.setZoom(1.25);
        z.reduit();
        z.basculePleinEcran();
        z.quittePleinEcran();
        QCOMPARE(ControlesConstruits::recherches(), avant);
    }

    void zoomQuiTient_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QSize>("fenetre");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(1570, 1080);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QSize(1280, 881);
        QTest::newRow("960 x 540, a 200 % desktop") << QSize(960, 540) << QSize(785, 540);
        QTest::newRow("800 x 600") << QSize(800, 600) << QSize(800, 550);
    }
    void zoomQuiTient() {
        QFETCH(QSize, ecran);
        QFETCH(QSize, fenetre);
        const double z = ZoomOS::zoomQuiTient(ecran, QSize(15120, 10404));
        const QSize t = ZoomOS::taille(z);
        QVERIFY(t.width() <= ecran.width() && t.height() <= ecran.height());
        QCOMPARE(t, fenetre);
    }

    // Full screen: the layout at the largest zoom the screen takes, centred,
    // the margins in the window's grey; Escape's way back restores the zoom.
    void pleinEcran() {
        Banc b;
        ZoomOS z(*b.os);
        z.setZoom(1.25);
        z.basculePleinEcran();
        QVERIFY(z.pleinEcran());
        const QSize ecran = b.os->size();
        QCOMPARE(ecran, b.os->screen()->geometry().size());
        const QSize t = ZoomOS::taille(z.zoom());
        QVERIFY(t.width() <= ecran.width() && t.height() <= ecran.height());
        QVERIFY(t.width() == ecran.width() || t.height() == ecran.height());
        const QPoint coin((ecran.width() - t.width()) / 2, (ecran.height() - t.height()) / 2);
        QCOMPARE(b.w("Picture6")->geometry(), placeAttendue("Picture6", z.zoom()).translated(coin));
        QCOMPARE(b.w("Label15")->geometry(), placeAttendue("Label15", z.zoom()));
        const QImage vu = b.os->grab().toImage();
        const QColor gris(192, 192, 192);
        QCOMPARE(QColor(vu.pixel(0, 0)), gris);
        QCOMPARE(QColor(vu.pixel(vu.width() - 1, vu.height() - 1)), gris);
        z.quittePleinEcran();
        QVERIFY(!z.pleinEcran());
        QCOMPARE(z.zoom(), 1.25);
        QCOMPARE(b.os->size(), ZoomOS::taille(1.25));
        QCOMPARE(b.w("Picture6")->geometry(), placeAttendue("Picture6", 1.25));
    }
};

QTEST_MAIN(TstZoom)
#include "tst_zoom.moc"
