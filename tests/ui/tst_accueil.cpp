// The home page: its band of dots read pixel by pixel under a scripted
// generator, the hand-over to the main window, the way out, and the page as
// laid out.

#include "Banc.h"
#include "model/Accueil.h"
#include "model/AleatoireStandard.h"
#include "ui/accueil/Accueil.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextLayout>
#include <cmath>
#include <vector>

using namespace vibralume;

namespace {

// For the pages whose start button is never pressed.
QWidget* pasDeFenetre() {
    qFatal("the main window was asked for");
}

struct Page {
    Module1 m;
    std::unique_ptr<Accueil> a;
    explicit Page(Aleatoire& alea) {
        a = std::make_unique<Accueil>(m, alea, pasDeFenetre);
        // The tests draw every frame themselves.
        a->Timer1().stop();
    }
    PictureBox* colonne() const { return a->controle<PictureBox>(QStringLiteral("Colonne")); }
};

bool noir(const QImage& im, int x, int y) {
    return x >= 0 && y >= 0 && x < im.width() && y < im.height() &&
           QColor(im.pixel(x, y)) == QColor(Qt::black);
}

int premiereColonneNoire(const QImage& im) {
    for (int x = 0; x < im.width(); ++x)
        for (int y = 0; y < im.height(); ++y)
            if (noir(im, x, y))
                return x;
    return -1;
}

bool ligneNoire(const QImage& im, int y) {
    for (int x = 0; x < im.width(); ++x)
        if (noir(im, x, y))
            return true;
    return false;
}

} // namespace

class TstAccueil : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void chargement() {
        AleatoireScripte alea{{0.5}};
        Module1 m;
        m.NbOnde = 1;
        Accueil a(m, alea, pasDeFenetre);
        QVERIFY(std::abs(m.NbOnde - 6.2831853 / 75) < 1e-15);
        QCOMPARE(m.TempsMs, 0);
        QCOMPARE(a.Timer1().interval(), 25);
        QVERIFY(a.Timer1().isActive());
        QCOMPARE(alea.tirages, std::size_t(0));
    }

    // Every dot of a column lies at (x + 5 r1, i + r2): with the same r1 and
    // r2 at every draw, the first column's dots give away its abscissa, the
    // factor 5 and which draw went where.
    void premiereColonne_data() {
        QTest::addColumn<double>("r1");
        QTest::addColumn<double>("r2");
        QTest::newRow("left edge") << 0.0 << 0.5;
        QTest::newRow("middle") << 0.5 << 0.25;
        QTest::newRow("right edge") << 0.999 << 0.9;
        QTest::newRow("distinct") << 0.2 << 0.7;
    }
    void premiereColonne() {
        QFETCH(double, r1);
        QFETCH(double, r2);
        AleatoireScripte alea{{r1, r2}};
        Page p(alea);
        PictureBox* c = p.colonne();
        c->setRatio(1);
        p.a->Timer1_Timer();
        QCOMPARE(p.m.TempsMs, 10);
        const QImage im = c->image();

        const double x1 = 2.2 + 2 * std::cos(0.16 * M_PI);
        QVERIFY(std::abs(x1 - 3.953) < 5e-4);
        const QPointF coin = c->versPixels(x1 + 5 * r1, r2);
        // A dot is 4 pixels across, centred on its point.
        QVERIFY2(std::abs(premiereColonneNoire(im) - (coin.x() - 2)) <= 1,
                 qPrintable(QStringLiteral("leftmost black at %1, expected %2")
                                .arg(premiereColonneNoire(im))
                                .arg(coin.x() - 2)));
        for (int i = 0; i < 10; ++i) {
            const QPointF centre = c->versPixels(x1 + 5 * r1, i + r2);
            QVERIFY2(noir(im, int(centre.x()), int(centre.y())), qPrintable(QString::number(i)));
        }
        // Rows of pixels far from every i + r2 stay white.
        for (int y = 0; y < im.height(); ++y) {
            const double u = y / c->versPixelsY(1) - r2;
            const double ecart = std::abs(u - std::nearbyint(u)) * c->versPixelsY(1);
            if (ecart > 3)
                QVERIFY2(!ligneNoire(im, y), qPrintable(QString::number(y)));
        }
    }

    // Eleven dots per column, two draws per dot, and the column that reaches
    // 100 is drawn too; frame after frame, the loop comes to an end.
    void finDeBoucle() {
        AleatoireScripte alea{{0.0, 0.3}};
        Page p(alea);
        for (int k = 0; k < 40; ++k) {
            Module1 copie = p.m;
            const std::vector<double> colonnes = ColonnesAccueil(copie);
            QVERIFY(colonnes.back() >= 100);
            QVERIFY(colonnes[colonnes.size() - 2] < 100);
            alea.tirages = 0;
            p.a->Timer1_Timer();
            QCOMPARE(alea.tirages, 22 * colonnes.size());
            QCOMPARE(p.m.TempsMs, copie.TempsMs);
        }
    }

    // Each frame starts from a white band: two frames leave what the second
    // frame alone would draw.
    void effaceChaqueImage() {
        AleatoireScripte alea{{0.1, 0.6}};
        Page deux(alea);
        deux.colonne()->setRatio(1);
        deux.a->Timer1_Timer();
        deux.a->Timer1_Timer();

        AleatoireScripte alea2{{0.1, 0.6}};
        Page une(alea2);
        une.colonne()->setRatio(1);
        une.m.TempsMs = 10;
        une.a->Timer1_Timer();
        QCOMPARE(une.m.TempsMs, 20);
        QCOMPARE(deux.colonne()->image(), une.colonne()->image());
    }

    // The page leaves the generator as it found it: two starts of the
    // program draw the same dots, and a seeded generator would not.
    void memesPointsAChaqueDemarrage() {
        AleatoireStandard alea1, alea2, alea3;
        alea3.amorcer(36000.25);
        Page a1(alea1), a2(alea2), a3(alea3);
        for (Page* p : {&a1, &a2, &a3})
            p->colonne()->setRatio(1);
        for (int k = 0; k < 3; ++k)
            for (Page* p : {&a1, &a2, &a3})
                p->a->Timer1_Timer();
        QCOMPARE(a1.colonne()->image(), a2.colonne()->image());
        QVERIFY(a1.colonne()->image() != a3.colonne()->image());
    }

    // The start button builds the main window and shows it while the home
    // page is still up; the home page then goes for good.
    void demarrer() {
        Module1 m;
        HorlogeManuelle horloge{36000.0};
        AleatoireScripte alea{{0.25, 0.5}};
        SonCompte son;
        std::unique_ptr<OS> os;
        int construites = 0;
        auto* a = new Accueil(m, alea, [&]() -> QWidget* {
            ++construites;
            os = std::make_unique<OS>(m, horloge, alea, son);
            return os.get();
        });
        QPointer<Accueil> garde(a);
        const auto nettoie = qScopeGuard([&] { delete garde.data(); });
        a->show();
        QVERIFY(QTest::qWaitForWindowExposed(a));

        // What the world looked like when the home page was hidden.
        struct Temoin : QObject {
            std::unique_ptr<OS>* os;
            bool vu = false, osMontre = false, minuterie = true;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Hide && !vu) {
                    vu = true;
                    osMontre = *os && (*os)->isVisible();
                    minuterie = static_cast<Accueil*>(o)->Timer1().isActive();
                }
                return false;
            }
        } temoin;
        temoin.os = &os;
        a->installEventFilter(&temoin);

        QPushButton* bouton = a->controle<QPushButton>(QStringLiteral("Command1"));
        QTest::mouseClick(bouton, Qt::LeftButton, {}, bouton->rect().center());
        QCOMPARE(construites, 1);
        QVERIFY(temoin.vu);
        QVERIFY(temoin.osMontre);
        QVERIFY(!temoin.minuterie);
        QVERIFY(os->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(garde.isNull());
        QVERIFY(os->isVisible());
    }

    void fenetre() {
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        Accueil* a = p.a.get();
        a->show();
        QVERIFY(QTest::qWaitForWindowExposed(a));
        QVERIFY(a->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(a->isWindow());
        QCOMPARE(a->windowTitle(), QStringLiteral("Vibralume - page d'accueil"));
        QVERIFY(!a->windowIcon().isNull());
        QCOMPARE(a->size(), QSize(609, 385));
        QCOMPARE(a->minimumSize(), a->maximumSize());
        const QRect ecran = a->screen()->availableGeometry();
        QVERIFY(std::abs(a->geometry().center().x() - ecran.center().x()) <= 1);
        QVERIFY(std::abs(a->geometry().center().y() - ecran.center().y()) <= 1);
    }

    void places_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("dans");
        QTest::addColumn<QRect>("place");
        // Pixels at 15 twips per pixel.
        const struct {
            const char* nom;
            const char* dans;
            QRect place;
        } places[] = {
            {"Shape1", "Accueil", {8, 8, 35, 34}},
            // Inside its frame's one-pixel border, which shows on all four sides.
            {"Image2", "Accueil", {9, 9, 33, 32}},
            {"Label7", "Accueil", {56, 8, 313, 33}},
            {"Image1", "Accueil", {568, 8, 30, 30}},
            {"Colonne", "Accueil", {0, 48, 608, 121}},
            {"Label4", "Accueil", {32, 184, 193, 25}},
            {"Label3", "Accueil", {32, 208, 177, 41}},
            {"Label2", "Accueil", {32, 256, 161, 25}},
            {"Label5", "Accueil", {32, 280, 177, 41}},
            {"Picture1", "Accueil", {232, 184, 369, 137}},
            {"Label6", "Picture1", {8, 8, 353, 137}},
            {"Command1", "Accueil", {32, 328, 169, 41}},
            {"Label1", "Accueil", {424, 352, 177, 25}},
        };
        for (const auto& pl : places)
            QTest::newRow(pl.nom) << QString::fromLatin1(pl.nom) << QString::fromLatin1(pl.dans)
                                  << pl.place;
    }
    void places() {
        QFETCH(QString, nom);
        QFETCH(QString, dans);
        QFETCH(QRect, place);
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        QWidget* w = p.a->controle(nom);
        QVERIFY(w);
        QCOMPARE(w->objectName(), nom);
        QCOMPARE(w->parentWidget()->objectName(), dans);
        QCOMPARE(w->geometry(), place);
        QVERIFY(!w->isHidden());
    }

    // Captions: text colour, background, font size in pixels, weight, alignment.
    void legendes_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QColor>("texte");
        QTest::addColumn<bool>("fondPlein");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("gras");
        QTest::addColumn<int>("aligne");
        const QColor blanc(255, 255, 255);
        QTest::newRow("title") << "Label7" << blanc << true << 32 << false << int(Qt::AlignLeft);
        QTest::newRow("name 1") << "Label4" << blanc << true << 18 << true << int(Qt::AlignLeft);
        QTest::newRow("school 1") << "Label3" << blanc << true << 16 << false << int(Qt::AlignLeft);
        QTest::newRow("name 2") << "Label2" << blanc << true << 18 << true << int(Qt::AlignLeft);
        QTest::newRow("school 2") << "Label5" << blanc << true << 16 << false << int(Qt::AlignLeft);
        QTest::newRow("publisher")
            << "Label1" << blanc << true << 18 << true << int(Qt::AlignRight);
        QTest::newRow("description")
            << "Label6" << QColor(64, 64, 64) << false << 14 << false << int(Qt::AlignLeft);
    }
    void legendes() {
        QFETCH(QString, nom);
        QFETCH(QColor, texte);
        QFETCH(bool, fondPlein);
        QFETCH(int, pixels);
        QFETCH(bool, gras);
        QFETCH(int, aligne);
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        auto* l = p.a->controle<QLabel>(nom);
        QVERIFY(l);
        QVERIFY(!l->text().isEmpty());
        QCOMPARE(l->palette().color(QPalette::WindowText), texte);
        QCOMPARE(l->autoFillBackground(), fondPlein);
        if (fondPlein)
            QCOMPARE(l->palette().color(QPalette::Window), QColor(0, 0, 64));
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Carlito"));
        QCOMPARE(l->font().pixelSize(), pixels);
        QCOMPARE(l->font().bold(), gras);
        QCOMPARE(int(l->alignment() & Qt::AlignHorizontal_Mask), aligne);
    }

    void textes() {
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        auto texte = [&](const char* nom) {
            return p.a->controle<QLabel>(QString::fromLatin1(nom))->text();
        };
        QCOMPARE(texte("Label7"), QStringLiteral("Vibralume"));
        QCOMPARE(texte("Label6"),
                 QString::fromUtf16(
                     u"Vibralume est un logiciel de simulation permettant d'animer un mod\u00e8le "
                     u"microscopique de la propagation d'une onde sonore dans un milieu "
                     u"rectiligne. Le milieu simul\u00e9 est gazeux ou solide. L'utilisateur "
                     u"peut \u00ab\u00a0manipuler\u00a0\u00bb certains \u00e9l\u00e9ments du "
                     u"mod\u00e8le comme des objets (les colorier, les d\u00e9placer...). Le "
                     u"logiciel permet \u00e9galement de simuler et d'interpr\u00e9ter "
                     u"microscopiquement certaines exp\u00e9riences classiques."));
        // The whole description fits in its panel, lines set at the font's height.
        QLabel* l = p.a->controle<QLabel>(QStringLiteral("Label6"));
        QTextLayout mise(l->text(), l->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        mise.setTextOption(option);
        int lignes = 0;
        mise.beginLayout();
        for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
            ligne.setLineWidth(l->width());
            ++lignes;
        }
        mise.endLayout();
        const double hauteur = lignes * QFontMetricsF(l->font()).height();
        QVERIFY2(hauteur <= l->parentWidget()->height() - l->y(),
                 qPrintable(QStringLiteral("%1 lines, %2 px").arg(lignes).arg(hauteur)));

        auto* b = p.a->controle<QPushButton>(QStringLiteral("Command1"));
        QCOMPARE(b->text(), QStringLiteral("D\u00e9marrer la simulation"));
        QCOMPARE(b->iconSize(), QSize(20, 20));
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->palette().color(QPalette::Button), QColor(224, 224, 224));
        // Flat in its colour inside a plain bevel: left of the picture, every
        // pixel between the bevels is the button's grey.
        const QImage vu = b->grab().toImage();
        QCOMPARE(QColor(vu.pixel(0, 0)), QColor(255, 255, 255));
        QCOMPARE(QColor(vu.pixel(b->width() - 1, b->height() - 1)), QColor(64, 64, 64));
        QCOMPARE(QColor(vu.pixel(b->width() - 2, b->height() / 2)), QColor(128, 128, 128));
        for (int y = 2; y < b->height() - 2; ++y)
            for (int x = 2; x < 8; ++x)
                QCOMPARE(QColor(vu.pixel(x, y)), QColor(224, 224, 224));
        QCOMPARE(b->font().pixelSize(), 14);
        QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Carlito"));
    }

    // What a pupil sees, read off the window's own rendering.
    void couleurs() {
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        Accueil* a = p.a.get();
        const QImage im = a->grab().toImage();
        auto couleur = [&](int x, int y) { return QColor(im.pixel(x, y)); };
        QCOMPARE(a->palette().color(QPalette::Window), QColor(0, 0, 64));
        QCOMPARE(couleur(5, 300), QColor(0, 0, 64));
        QCOMPARE(couleur(604, 380), QColor(0, 0, 64));
        // Shape1's grey border shows round the logo, which lies in front.
        QCOMPARE(couleur(8, 25), QColor(224, 224, 224));
        QCOMPARE(couleur(25, 8), QColor(224, 224, 224));
        QCOMPARE(couleur(42, 25), QColor(224, 224, 224));
        QCOMPARE(couleur(25, 41), QColor(224, 224, 224));
        QCOMPARE(couleur(25, 13), QColor(0, 0, 0));
        QCOMPARE(couleur(300, 50), QColor(255, 255, 255));
        QCOMPARE(couleur(233, 185), QColor(224, 224, 224));

        auto* image1 = a->controle<ImageControle>(QStringLiteral("Image1"));
        QCOMPARE(image1->nomImage(), QStringLiteral("croix"));
        QCOMPARE(image1->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(a->controle<ImageControle>(QStringLiteral("Image2"))->nomImage(),
                 QStringLiteral("icone"));
        PictureBox* c = p.colonne();
        QCOMPARE(c->drawWidth(), 4);
        QCOMPARE(c->fond(), QColor(Qt::white));
        QCOMPARE(c->foreColor(), QColor(Qt::black));
        QCOMPARE(c->versPixels(100, 10), QPointF(608, 121));
        QCOMPARE(a->controle<PictureBox>(QStringLiteral("Picture1"))->fond(),
                 QColor(224, 224, 224));
    }

    // Ends the main event loop at once. Kept last: the application stays in
    // its quitting state afterwards.
    void fermer() {
        AleatoireScripte alea{{0.5}};
        Page p(alea);
        p.a->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.a.get()));
        QEventLoop boucle;
        bool encore = true;
        QTimer::singleShot(0, &boucle, [&] {
            auto* croix = p.a->controle(QStringLiteral("Image1"));
            QTest::mouseClick(croix, Qt::LeftButton, {}, croix->rect().center());
            encore = boucle.isRunning();
            if (encore)
                boucle.exit(1);
        });
        QCOMPARE(boucle.exec(), 0);
        QVERIFY(!encore);
        QVERIFY(p.a->isVisible());
    }
};

QTEST_MAIN(TstAccueil)
#include "tst_accueil.moc"
