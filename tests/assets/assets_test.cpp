// The embedded pictures, cursors, icon and fonts. Runs with a font configuration that
// hides every installed font (see CMakeLists.txt), so the fonts found are the embedded ones.

#include "assets/Ressources.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QtTest>

namespace {

const QColor navy(0, 0, 64);
const QColor blanc(255, 255, 255);
const QColor noir(0, 0, 0);
const QColor grisClair(224, 224, 224);
const QColor gris(96, 96, 96);
const QColor rouge(240, 32, 32);
const QColor orange(255, 128, 0);
const QColor bleuViolet(128, 128, 255);

struct Echantillon {
    QPoint point; // logical pixel
    QColor couleur;
};

bool proche(QColor a, QColor b) {
    const int tolerance = 40;
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

QString texte(QColor c) {
    return QStringLiteral("(%1, %2, %3, alpha %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

// Colour at the centre of the device pixels that cover logical pixel `p`.
QColor couleurA(const QImage& image, QPoint p) {
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(qFloor((p.x() + 0.5) * dpr), qFloor((p.y() + 0.5) * dpr));
}

} // namespace

Q_DECLARE_METATYPE(QList<Echantillon>)

class TestRessources : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ressourcePresente_data();
    void ressourcePresente();
    void image_data();
    void image();
    void imageInconnue();
    void imageEnCache();
    void curseur_data();
    void curseur();
    void icone();
    void police_data();
    void police();
    void substitutions_data();
    void substitutions();
};

void TestRessources::initTestCase() {
    // Without this the font tests would prove nothing: the machine's own copies of the
    // fonts must be out of sight.
    QVERIFY2(!QFontDatabase::families().contains(QStringLiteral("Carlito")),
             "installed fonts are visible: run through ctest, which hides them");
    chargePolices();
}

void TestRessources::ressourcePresente_data() {
    QTest::addColumn<QString>("chemin");
    const char* const chemins[] = {
        ":/images/icone.svg",
        ":/images/lecture.svg",
        ":/images/pause.svg",
        ":/images/pas.svg",
        ":/images/croix.svg",
        ":/images/hautparleur.svg",
        ":/images/hautparleur_barre.svg",
        ":/images/onglet_sinus_gris.svg",
        ":/images/onglet_impulsion_gris.svg",
        ":/images/onglet_sinus_blanc.svg",
        ":/images/onglet_impulsion_blanc.svg",
        ":/images/soliton_court.svg",
        ":/images/soliton_moyen.svg",
        ":/images/soliton_long.svg",
        ":/images/micro1_noncoche.svg",
        ":/images/micro1_coche.svg",
        ":/images/micro2_noncoche.svg",
        ":/images/micro2_coche.svg",
        ":/images/demarrer.svg",
        ":/cursors/main.svg",
        ":/cursors/saisie.svg",
        ":/fonts/Carlito-Regular.ttf",
        ":/fonts/Carlito-Bold.ttf",
        ":/fonts/Carlito-Italic.ttf",
        ":/fonts/Carlito-BoldItalic.ttf",
        ":/fonts/LiberationSans-Regular.ttf",
        ":/fonts/LiberationSans-Bold.ttf",
        ":/fonts/LiberationSans-Italic.ttf",
        ":/documents/enonce.pdf",
    };
    for (const char* chemin : chemins) {
        QTest::newRow(chemin) << QString::fromLatin1(chemin);
    }
}

// The resources live in a static library: they reach the program only if its
// initialisation object is linked in, which this executable checks for its own part.
void TestRessources::ressourcePresente() {
    QFETCH(QString, chemin);
    QFile fichier(chemin);
    QVERIFY2(fichier.exists(), qPrintable(chemin));
    QVERIFY(fichier.size() > 100);
}

void TestRessources::image_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QList<Echantillon>>("echantillons");
    const QColor transparent(0, 0, 0, 0);

    QTest::newRow("icone") << "icone" << QSize(32, 32)
                           << QList<Echantillon>{{{16, 0}, blanc},
                                                 {{16, 3}, noir},
                                                 {{16, 28}, noir},
                                                 {{3, 10}, QColor(112, 112, 112)},
                                                 {{5, 20}, blanc}};
    QTest::newRow("lecture") << "lecture" << QSize(25, 25)
                             << QList<Echantillon>{
                                    {{1, 1}, navy}, {{11, 12}, blanc}, {{21, 12}, navy}};
    QTest::newRow("pause") << "pause" << QSize(25, 25)
                           << QList<Echantillon>{{{1, 1}, navy},
                                                 {{8, 12}, blanc},
                                                 {{12, 12}, navy},
                                                 {{16, 12}, blanc}};
    QTest::newRow("pas") << "pas" << QSize(25, 25)
                         << QList<Echantillon>{{{1, 1}, navy},
                                               {{6, 12}, blanc},
                                               {{9, 12}, navy},
                                               {{13, 12}, blanc}};
    QTest::newRow("croix") << "croix" << QSize(48, 48)
                           << QList<Echantillon>{{{2, 2}, navy},    {{24, 24}, rouge},
                                                 {{15, 15}, rouge}, {{32, 15}, rouge},
                                                 {{24, 8}, navy},   {{8, 24}, navy}};
    QTest::newRow("hautparleur") << "hautparleur" << QSize(37, 37)
                                 << QList<Echantillon>{{{2, 2}, navy},    {{8, 18}, blanc},
                                                       {{15, 18}, blanc}, {{23, 18}, blanc},
                                                       {{25, 18}, navy},  {{26, 18}, blanc}};
    QTest::newRow("hautparleur_barre")
        << "hautparleur_barre" << QSize(37, 37)
        << QList<Echantillon>{
               {{2, 2}, navy}, {{8, 18}, blanc}, {{18, 18}, orange}, {{26, 18}, navy}};
    QTest::newRow("onglet_sinus_gris")
        << "onglet_sinus_gris" << QSize(71, 29)
        << QList<Echantillon>{
               {{1, 1}, grisClair}, {{13, 6}, gris}, {{28, 22}, gris}, {{13, 22}, grisClair}};
    QTest::newRow("onglet_sinus_blanc")
        << "onglet_sinus_blanc" << QSize(71, 29)
        << QList<Echantillon>{
               {{1, 1}, navy}, {{13, 6}, blanc}, {{28, 22}, blanc}, {{13, 22}, navy}};
    QTest::newRow("onglet_impulsion_gris")
        << "onglet_impulsion_gris" << QSize(71, 29)
        << QList<Echantillon>{
               {{1, 1}, grisClair}, {{10, 21}, gris}, {{35, 8}, gris}, {{20, 10}, grisClair}};
    QTest::newRow("onglet_impulsion_blanc")
        << "onglet_impulsion_blanc" << QSize(71, 29)
        << QList<Echantillon>{
               {{1, 1}, navy}, {{10, 21}, blanc}, {{35, 8}, blanc}, {{20, 10}, navy}};
    // The three pulses differ in width: at x = 35 the curve is low, half-way or high.
    QTest::newRow("soliton_court")
        << "soliton_court" << QSize(86, 29)
        << QList<Echantillon>{
               {{1, 1}, grisClair}, {{43, 7}, gris}, {{35, 22}, gris}, {{35, 13}, grisClair}};
    QTest::newRow("soliton_moyen")
        << "soliton_moyen" << QSize(86, 29)
        << QList<Echantillon>{
               {{1, 1}, grisClair}, {{43, 7}, gris}, {{35, 17}, gris}, {{35, 13}, grisClair}};
    QTest::newRow("soliton_long") << "soliton_long" << QSize(86, 29)
                                  << QList<Echantillon>{{{1, 1}, grisClair},
                                                        {{43, 7}, gris},
                                                        {{35, 12}, gris},
                                                        {{35, 20}, grisClair}};
    QTest::newRow("micro1_noncoche")
        << "micro1_noncoche" << QSize(16, 16)
        << QList<Echantillon>{{{8, 8}, bleuViolet}, {{6, 11}, bleuViolet}};
    QTest::newRow("micro1_coche") << "micro1_coche" << QSize(16, 16)
                                  << QList<Echantillon>{{{3, 13}, bleuViolet}, {{6, 11}, blanc}};
    QTest::newRow("micro2_noncoche") << "micro2_noncoche" << QSize(16, 16)
                                     << QList<Echantillon>{{{8, 8}, orange}, {{6, 11}, orange}};
    QTest::newRow("micro2_coche") << "micro2_coche" << QSize(16, 16)
                                  << QList<Echantillon>{{{3, 13}, orange}, {{6, 11}, blanc}};
    QTest::newRow("demarrer") << "demarrer" << QSize(20, 20)
                              << QList<Echantillon>{{{1, 1}, transparent},
                                                    {{9, 10}, QColor(32, 80, 208)},
                                                    {{18, 10}, transparent}};
}

void TestRessources::image() {
    QFETCH(QString, nom);
    QFETCH(QSize, taille);
    QFETCH(QList<Echantillon>, echantillons);

    for (const qreal dpr : {1.0, 2.0}) {
        const QPixmap pixmap = ::image(nom, taille, dpr);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        QCOMPARE(pixmap.size(), taille * dpr);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), taille);
        const QImage rendu = pixmap.toImage();
        for (const Echantillon& e : echantillons) {
            const QColor vu = couleurA(rendu, e.point);
            QVERIFY2(proche(vu, e.couleur),
                     qPrintable(QStringLiteral("%1 at (%2, %3), dpr %4: %5, expected %6")
                                    .arg(nom)
                                    .arg(e.point.x())
                                    .arg(e.point.y())
                                    .arg(dpr)
                                    .arg(texte(vu), texte(e.couleur))));
        }
    }
}

void TestRessources::imageInconnue() {
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("absente")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Ressources")));
    QVERIFY(::image(QStringLiteral("absente"), QSize(10, 10), 1).isNull());
}

void TestRessources::imageEnCache() {
    const QPixmap a = ::image(QStringLiteral("croix"), QSize(19, 19), 1.5);
    const QPixmap b = ::image(QStringLiteral("croix"), QSize(19, 19), 1.5);
    QCOMPARE(a.cacheKey(), b.cacheKey());
    // A different size or ratio is drawn anew, not stretched from the cached one.
    const QPixmap c = ::image(QStringLiteral("croix"), QSize(19, 19), 2);
    QVERIFY(c.cacheKey() != a.cacheKey());
    QCOMPARE(c.size(), QSize(38, 38));
    QCOMPARE(a.size(), QSize(29, 29)); // 19 x 1.5 = 28.5, rounded
}

void TestRessources::curseur_data() {
    QTest::addColumn<bool>("main");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QPoint>("pointChaud");
    QTest::addColumn<QPoint>("dedans"); // white inside the hand, next to the hot spot
    QTest::addColumn<QPoint>("dehors"); // transparent, just beyond the hot spot

    QTest::newRow("main, dpr 1") << true << 1.0 << QPoint(12, 1) << QPoint(12, 4) << QPoint(12, 0);
    QTest::newRow("main, dpr 2") << true << 2.0 << QPoint(12, 1) << QPoint(12, 4) << QPoint(12, 0);
    QTest::newRow("saisie, dpr 1")
        << false << 1.0 << QPoint(4, 16) << QPoint(7, 16) << QPoint(3, 16);
    QTest::newRow("saisie, dpr 2")
        << false << 2.0 << QPoint(4, 16) << QPoint(7, 16) << QPoint(3, 16);
}

void TestRessources::curseur() {
    QFETCH(bool, main);
    QFETCH(qreal, dpr);
    QFETCH(QPoint, pointChaud);
    QFETCH(QPoint, dedans);
    QFETCH(QPoint, dehors);

    const QCursor c = main ? curseurMain(dpr) : curseurSaisie(dpr);
    QCOMPARE(c.shape(), Qt::BitmapCursor);
    // The hot spot is given in the pixmap's device-independent pixels.
    QCOMPARE(c.hotSpot(), pointChaud);
    const QPixmap pixmap = c.pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.size(), QSize(32, 32) * dpr);

    // The hot spot is the tip of the outline: black, with nothing beyond it.
    const QImage rendu = pixmap.toImage();
    const QColor pointe = couleurA(rendu, pointChaud);
    QVERIFY2(pointe.alpha() > 200 && pointe.lightness() < 60, qPrintable(texte(pointe)));
    QVERIFY2(proche(couleurA(rendu, dedans), blanc), qPrintable(texte(couleurA(rendu, dedans))));
    QCOMPARE(couleurA(rendu, dehors).alpha(), 0);
}

void TestRessources::icone() {
    const QIcon icone = iconeProgramme();
    QVERIFY(!icone.isNull());
    const QList<QSize> tailles = icone.availableSizes();
    QVERIFY(tailles.contains(QSize(16, 16)));
    QVERIFY(tailles.contains(QSize(32, 32)));
    QVERIFY(tailles.contains(QSize(256, 256)));
    const QImage image32 = icone.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(image32.size(), QSize(32, 32));
    QVERIFY(proche(image32.pixelColor(16, 3), noir));
    QVERIFY(proche(image32.pixelColor(16, 0), blanc));
    // Large sizes are drawn from the vector source, not blown up from 32 x 32.
    const QImage image256 = icone.pixmap(QSize(256, 256)).toImage();
    QCOMPARE(image256.size(), QSize(256, 256));
    QVERIFY(proche(image256.pixelColor(128, 20), noir));
    QVERIFY(proche(image256.pixelColor(128, 8), blanc));
}

void TestRessources::police_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("famille");
    QTest::addColumn<QString>("style");
    QTest::newRow("Carlito-Regular") << "Carlito-Regular.ttf"
                                     << "Carlito"
                                     << "Regular";
    QTest::newRow("Carlito-Bold") << "Carlito-Bold.ttf"
                                  << "Carlito"
                                  << "Bold";
    QTest::newRow("Carlito-Italic") << "Carlito-Italic.ttf"
                                    << "Carlito"
                                    << "Italic";
    QTest::newRow("Carlito-BoldItalic") << "Carlito-BoldItalic.ttf"
                                        << "Carlito"
                                        << "Bold Italic";
    QTest::newRow("LiberationSans-Regular") << "LiberationSans-Regular.ttf"
                                            << "Liberation Sans"
                                            << "Regular";
    QTest::newRow("LiberationSans-Bold") << "LiberationSans-Bold.ttf"
                                         << "Liberation Sans"
                                         << "Bold";
    QTest::newRow("LiberationSans-Italic") << "LiberationSans-Italic.ttf"
                                           << "Liberation Sans"
                                           << "Italic";
}

// Each embedded file is the font it is named after, and chargePolices made every one of
// them known (nothing else could have: the installed fonts are hidden).
void TestRessources::police() {
    QFETCH(QString, fichier);
    QFETCH(QString, famille);
    QFETCH(QString, style);
    QVERIFY(QFontDatabase::families().contains(famille));
    QVERIFY2(QFontDatabase::styles(famille).contains(style),
             qPrintable(QFontDatabase::styles(famille).join(QStringLiteral(", "))));

    QFile f(QStringLiteral(":/fonts/") + fichier);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const int id = QFontDatabase::addApplicationFontFromData(f.readAll());
    QVERIFY(id >= 0);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{famille});
    QFontDatabase::removeApplicationFont(id);
}

void TestRessources::substitutions_data() {
    QTest::addColumn<QString>("demandee");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<bool>("italique");
    QTest::addColumn<QString>("obtenue");
    QTest::newRow("Calibri") << "Calibri" << false << false << "Carlito";
    QTest::newRow("Calibri bold") << "Calibri" << true << false << "Carlito";
    QTest::newRow("Calibri italic") << "Calibri" << false << true << "Carlito";
    QTest::newRow("Calibri bold italic") << "Calibri" << true << true << "Carlito";
    QTest::newRow("Arial") << "Arial" << false << false << "Liberation Sans";
    QTest::newRow("Arial bold") << "Arial" << true << false << "Liberation Sans";
}

void TestRessources::substitutions() {
    QFETCH(QString, demandee);
    QFETCH(bool, gras);
    QFETCH(bool, italique);
    QFETCH(QString, obtenue);
    QFont police(demandee, 10);
    police.setBold(gras);
    police.setItalic(italique);
    const QFontInfo info(police);
    QCOMPARE(info.family(), obtenue);
    QCOMPARE(info.bold(), gras);
    QCOMPARE(info.italic(), italique);
}

QTEST_MAIN(TestRessources)
#include "assets_test.moc"
