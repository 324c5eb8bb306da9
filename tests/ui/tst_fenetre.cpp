// The main window as laid out at load, checked against values read off the
// layout's own description: pixels, captions, fonts, scroll bars, layering,
// pointers and the colours a pupil sees.

#include "Banc.h"
#include "assets/Ressources.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using namespace vibralume;

namespace {

struct Place {
    const char* nom;
    const char* dans;
    int x, y, l, h;
    bool visible;
};

// Pixels at 15 twips per pixel, inside the container's border.
// clang-format off
const Place Places[] = {
        {"VibreurOS", "", 32, 56, 187, 121, false},
        {"ModeleMicro", "", 33, 56, 943, 121, false},
        {"BordOuvert", "ModeleMicro", 756, 0, 189, 121, false},
        {"BordFerme", "ModeleMicro", 756, 0, 189, 121, false},
        {"Micro2", "ModeleMicro", 736, 56, 16, 17, false},
        {"Micro1", "ModeleMicro", 320, 56, 16, 17, false},
        {"Regle", "", 32, 192, 945, 25, true},
        {"Picture3", "", 32, 40, 945, 153, true},
        {"Label15", "Picture3", -23, 73, 945, 170, true},
        {"Command3", "", 240, 16, 20, 20, false},
        {"Command1", "", 208, 16, 20, 20, false},
        {"Command2", "", 208, 16, 20, 20, false},
        {"CacherModeleMicro", "", 952, 16, 19, 19, true},
        {"Label1", "", 32, 16, 401, 17, true},
        {"Shape1", "", 27, 8, 954, 213, true},
        {"OndeSolitaire", "", 32, 410, 232, 127, false},
        {"SolitonMoyen", "OndeSolitaire", 88, 96, 65, 25, true},
        {"SolitonLong", "OndeSolitaire", 160, 96, 65, 25, true},
        {"AmplitudeSoliton", "OndeSolitaire", 16, 59, 209, 17, true},
        {"SolitonCourt", "OndeSolitaire", 16, 96, 65, 25, true},
        {"Picture20", "OndeSolitaire", 0, 0, 128, 41, true},
        {"Image4", "Picture20", 0, 21, 57, 23, true},
        {"Label31", "Picture20", 0, 3, 129, 41, true},
        {"Label33", "OndeSolitaire", 16, 80, 193, 17, true},
        {"Image2", "OndeSolitaire", 176, 19, 57, 23, true},
        {"Label32", "OndeSolitaire", 16, 43, 193, 17, true},
        {"Label34", "OndeSolitaire", 128, 3, 105, 33, true},
        {"OndePeriodique", "", 32, 410, 232, 127, true},
        {"Picture13", "OndePeriodique", 123, 0, 109, 41, true},
        {"Image1", "Picture13", 56, 19, 57, 23, true},
        {"Label11", "Picture13", 0, 3, 113, 33, true},
        {"Amplitude", "OndePeriodique", 16, 104, 177, 17, true},
        {"frequence", "OndePeriodique", 16, 64, 177, 17, true},
        {"Image3", "OndePeriodique", 0, 19, 57, 23, true},
        {"label3", "OndePeriodique", 16, 88, 153, 17, true},
        {"Label2", "OndePeriodique", 16, 48, 121, 17, true},
        {"Label10", "OndePeriodique", 0, 3, 121, 33, true},
        {"Vibreur", "", 32, 256, 232, 153, true},
        {"Picture1", "", 32, 256, 232, 153, true},
        {"Label12", "Picture1", 25, 33, 153, 97, true},
        {"CacheVibreur", "", 240, 232, 19, 19, true},
        {"Label4", "", 32, 230, 137, 17, true},
        {"Shape3", "", 27, 227, 241, 315, true},
        {"Command5", "", 104, 584, 81, 41, false},
        {"Image6", "Command5", 24, 8, 30, 30, true},
        {"Command4", "", 104, 584, 81, 41, true},
        {"Image5", "Command4", 24, 8, 30, 30, true},
        {"Label21", "", 32, 632, 233, 41, true},
        {"Label20", "", 32, 560, 161, 17, true},
        {"Shape4", "", 27, 552, 241, 129, true},
        {"Picture11", "", 288, 227, 393, 81, true},
        {"Picture5", "Picture11", 4, 28, 385, 50, true},
        {"Label19", "Picture5", 17, 9, 105, 17, true},
        {"Label18", "Picture5", 17, 25, 25, 17, true},
        {"lambda", "Picture5", 41, 27, 81, 17, true},
        {"vit", "Picture5", 273, 25, 129, 17, true},
        {"f", "Picture5", 161, 25, 73, 17, true},
        {"Label27", "Picture5", 137, 25, 25, 17, true},
        {"Label26", "Picture5", 249, 25, 25, 17, true},
        {"Label25", "Picture5", 249, 9, 105, 17, true},
        {"Label24", "Picture5", 137, 9, 105, 17, true},
        {"Label17", "Picture11", 4, 4, 353, 17, true},
        {"Picture14", "", 288, 312, 393, 369, true},
        {"Oscilloscope", "Picture14", 4, 28, 385, 337, false},
        {"Picture16", "Oscilloscope", 0, 0, 385, 57, true},
        {"micro1_noncoche", "Picture16", 41, 17, 13, 13, true},
        {"micro1_coche", "Picture16", 41, 17, 13, 13, false},
        {"micro2_noncoche", "Picture16", 41, 33, 13, 13, true},
        {"activation_micros", "Picture16", 9, 1, 209, 17, true},
        {"capteur1", "Picture16", 57, 17, 65, 17, true},
        {"Capteur2", "Picture16", 57, 33, 65, 17, true},
        {"micro2_coche", "Picture16", 41, 33, 13, 13, false},
        {"Picture15", "Oscilloscope", 0, 288, 385, 49, true},
        {"Frame3", "Picture15", 17, 17, 345, 25, true},
        {"Sens_0", "Frame3", 0, 8, 65, 17, true},
        {"Sens_2", "Frame3", 136, 8, 65, 17, true},
        {"Sens_3", "Frame3", 208, 8, 65, 17, true},
        {"Sens_4", "Frame3", 280, 8, 65, 17, true},
        {"Sens_1", "Frame3", 72, 8, 65, 17, true},
        {"Label9", "Picture15", 9, 1, 313, 25, true},
        {"Oscillo", "Oscilloscope", 0, 56, 385, 233, true},
        {"Picture2", "Picture14", 4, 28, 385, 337, false},
        {"Label13", "Picture2", 33, 105, 297, 65, false},
        {"Label14", "Picture2", 25, 193, 329, 65, true},
        {"Picture4", "Picture14", 4, 28, 385, 337, true},
        {"Label22", "Picture4", 9, 169, 366, 41, true},
        {"CacheOscillo", "Picture14", 369, 4, 19, 19, true},
        {"Label8", "Picture14", 4, 4, 305, 17, true},
        {"Picture6", "", 696, 227, 285, 355, true},
        {"Picture10", "Picture6", 4, 286, 277, 65, true},
        {"v", "Picture10", 17, 41, 249, 17, true},
        {"Label23", "Picture10", 17, 25, 161, 17, true},
        {"Label7", "Picture10", 9, 9, 233, 17, true},
        {"Picture9", "Picture6", 4, 179, 277, 103, true},
        {"Solide", "Picture9", 17, 33, 121, 17, true},
        {"Gaz", "Picture9", 17, 17, 121, 17, true},
        {"Label28", "Picture9", 33, 49, 225, 49, true},
        {"Label6", "Picture9", 9, 1, 225, 17, true},
        {"Picture8", "Picture6", 4, 118, 277, 57, true},
        {"Amortissement", "Picture8", 17, 25, 193, 17, true},
        {"Label30", "Picture8", 9, 9, 225, 17, true},
        {"Picture7", "Picture6", 4, 25, 277, 89, true},
        {"OndeStationnaire2", "Picture7", 17, 57, 265, 17, true},
        {"OndeStationnaire", "Picture7", 17, 41, 257, 17, true},
        {"OndeProgressive", "Picture7", 17, 25, 257, 17, true},
        {"Label16", "Picture7", 9, 9, 257, 17, true},
        {"Label5", "Picture6", 4, 4, 273, 25, true},
        {"Picture17", "", 696, 592, 285, 89, true},
        {"Picture18", "Picture17", 4, 28, 277, 57, true},
        {"EnonceModele", "Picture18", 57, 35, 150, 18, true},
        {"info_modele", "Picture18", 1, 1, 280, 33, true},
        {"Label29", "Picture17", 4, 4, 273, 25, true},
};

struct Legende {
    const char* nom;
    const char* texte;
};

// Captions the start-up rewrites with the parameters are checked with it.
const Legende Legendes[] = {
        {"Micro2", "2"},
        {"Micro1", "1"},
        {"Label15", "Cliquer sur cette fenêtre pour voir le modèle microscopique de l'onde sonore qui se propage dans le milieu"},
        {"Label1", "Modèle microscopique"},
        {"Label31", "Vibration périodique"},
        {"Label33", "Animer le vibreur :"},
        {"Label34", "Vibration solitaire"},
        {"Label11", "Vibration solitaire "},
        {"Label10", "Vibration périodique"},
        {"Label12", "Ouvrir cette fenêtre pour voir la vibration à l'origine de l'onde sonore"},
        {"Label4", "Vibration"},
        {"Label21", "En activant la fonction \"écouter\", vous entendrez un son de fréquence 1000 fois plus grande que celle du vibreur représenté."},
        {"Label20", "Ecouter le son produit"},
        {"Label19", "Longueur d'onde : "},
        {"Label18", "λ = "},
        {"Label27", "f   = "},
        {"Label26", "v  = "},
        {"Label25", "Célérité : "},
        {"Label24", "Fréquence : "},
        {"Label17", "Propriétés de l'onde sonore"},
        {"activation_micros", "Activation des capteurs de pression"},
        {"capteur1", "Capteur 1"},
        {"Capteur2", "Capteur 2"},
        {"Sens_0", "0,2 s/div"},
        {"Sens_2", "1,0 s/div"},
        {"Sens_3", "1,5 s/div"},
        {"Sens_4", "2,0 s/div"},
        {"Sens_1", "0,5 s/div"},
        {"Label9", "Sensibilité horizontale "},
        {"Label13", "Cliquer sur cette fenêtre pour voir l'évolution temporelle de la pression en deux points du milieu de propagation."},
        {"Label14", "Deux \"capteurs de pression\" apparaîtront dans la fenêtre \"modèle microscopique\"."},
        {"Label22", "Cette fenêtre ne peut être activée que si le modèle microscopique est visible."},
        {"Label8", "Evolution temporelle de la pression acoustique"},
        {"Label7", "Célérité du son dans le milieu"},
        {"Solide", "Solide"},
        {"Gaz", "Gaz"},
        {"Label28", "Attention, la modification de la vitesse de propagation lors du changement d'état n'est pas simulée."},
        {"Label6", "Etat physique du milieu"},
        {"Amortissement", "Simuler un amortissement"},
        {"Label30", "Amortissement de l'onde sonore"},
        {"OndeStationnaire2", "Milieu ouvert à gauche fermé à droite"},
        {"OndeStationnaire", "Milieu ouvert aux deux extrémités"},
        {"OndeProgressive", "Pas de condition aux limites"},
        {"Label16", "Conditions aux limites"},
        {"Label5", "Propriétés du milieu de propagation"},
        {"info_modele", "Double cliquer ci-dessous pour lire l'énoncé du modèle microscopique de la propagation du son"},
        {"Label29", "Enoncé du modèle microscopique "},
};
// clang-format on

} // namespace

class TstFenetre : public QObject {
    Q_OBJECT
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.5}};
    SonCompte son;
    OS* os = nullptr;

private slots:
    void initTestCase() {
        prepareApplication();
        os = new OS(m, horloge, alea, son);
    }
    void cleanupTestCase() { delete os; }

    void conversionDesTwips() {
        QCOMPARE(twips(15), 1);
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twips(-360), -24);
        QCOMPARE(twips(15120), 1008);
        QCOMPARE(twips(10404), 694);
        QCOMPARE(pointsEnPixels(10.2), 14);
        QCOMPARE(pointsEnPixels(7.8), 10);
        QCOMPARE(pointsEnPixels(13.8), 18);
    }

    void fenetre() {
        QCOMPARE(os->windowTitle(), QStringLiteral("Vibralume"));
        QCOMPARE(os->size(), QSize(1008, 694));
        QCOMPARE(os->minimumSize(), os->maximumSize());
        QCOMPARE(os->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!os->windowIcon().isNull());
        QCOMPARE(os->findChild<QTimer*>(QStringLiteral("Timer1")), &os->Timer1());
        QCOMPARE(os->Timer1().interval(), 20);
        QVERIFY(os->Timer1().isActive());
    }

    void places_data() {
        QTest::addColumn<QString>("dans");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<bool>("visible");
        for (const Place& p : Places)
            QTest::newRow(p.nom) << QString::fromLatin1(p.dans) << QRect(p.x, p.y, p.l, p.h)
                                 << p.visible;
    }
    void places() {
        QFETCH(QString, dans);
        QFETCH(QRect, geometrie);
        QFETCH(bool, visible);
        QWidget* w = os->controle(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), dans.isEmpty() ? QStringLiteral("OS") : dans);
        QCOMPARE(w->geometry(), geometrie);
        QCOMPARE(!w->isHidden(), visible);
    }

    void legendes_data() {
        QTest::addColumn<QString>("texte");
        for (const Legende& l : Legendes)
            QTest::newRow(l.nom) << QString::fromUtf8(l.texte);
    }
    void legendes() {
        QFETCH(QString, texte);
        QWidget* w = os->controle(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(texteDe(w), texte);
    }

    void polices_data() {
        QTest::addColumn<QString>("famille");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("gras");
        QTest::addColumn<bool>("italique");
        QTest::addColumn<bool>("souligne");
        const QString c = QStringLiteral("Carlito"), a = QStringLiteral("Liberation Sans");
        QTest::newRow("Label15") << c << 18 << false << false << false;
        QTest::newRow("Label1") << c << 16 << false << false << false;
        QTest::newRow("Label21") << c << 10 << false << false << false;
        QTest::newRow("Micro1") << c << 12 << true << false << false;
        QTest::newRow("Label11") << c << 14 << false << false << true;
        QTest::newRow("Label28") << c << 12 << false << true << false;
        QTest::newRow("Label27") << c << 14 << false << true << false;
        QTest::newRow("Label9") << c << 14 << false << false << false;
        QTest::newRow("Sens_3") << c << 12 << false << false << false;
        QTest::newRow("OndeProgressive") << c << 14 << false << false << false;
        QTest::newRow("Amortissement") << c << 14 << false << false << false;
        QTest::newRow("lambda") << a << 12 << false << false << false;
        QTest::newRow("vit") << a << 12 << false << false << false;
    }
    void polices() {
        QFETCH(QString, famille);
        QFETCH(int, pixels);
        QFETCH(bool, gras);
        QFETCH(bool, italique);
        QFETCH(bool, souligne);
        QWidget* w = os->controle(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        const QFontInfo info(w->font());
        QCOMPARE(info.family(), famille);
        QCOMPARE(info.pixelSize(), pixels);
        QCOMPARE(info.bold(), gras);
        QCOMPARE(info.italic(), italique);
        QCOMPARE(w->font().underline(), souligne);
    }

    void barres_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<int>("petit");
        QTest::addColumn<int>("grand");
        QTest::newRow("AmplitudeSoliton") << 0 << 50 << 25 << 1 << 5;
        QTest::newRow("frequence") << 1 << 40 << 18 << 1 << 10;
        QTest::newRow("v") << 1 << 8 << 3 << 1 << 1;
    }
    void barres() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, valeur);
        QFETCH(int, petit);
        QFETCH(int, grand);
        auto* s = os->controle<QScrollBar>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(s);
        QCOMPARE(s->orientation(), Qt::Horizontal);
        QCOMPARE(s->minimum(), min);
        QCOMPARE(s->maximum(), max);
        QCOMPARE(s->value(), valeur);
        QCOMPARE(s->singleStep(), petit);
        QCOMPARE(s->pageStep(), grand);
    }

    // The first listed of two overlapping siblings lies in front.
    void superposition_data() {
        QTest::addColumn<QString>("derriere");
        QTest::newRow("VibreurOS") << "ModeleMicro";
        QTest::newRow("ModeleMicro") << "Picture3";
        QTest::newRow("Vibreur") << "Picture1";
        QTest::newRow("Oscilloscope") << "Picture2";
        QTest::newRow("Picture2") << "Picture4";
        QTest::newRow("Label1") << "Shape1";
        QTest::newRow("Label4") << "Shape3";
        QTest::newRow("Label20") << "Shape4";
        QTest::newRow("Label21") << "Shape4";
        QTest::newRow("Command1") << "Command2";
        QTest::newRow("Command5") << "Command4";
        QTest::newRow("Image4") << "Label31";
        QTest::newRow("Micro2") << "Micro1";
        QTest::newRow("BordOuvert") << "Micro2";
    }
    void superposition() {
        QFETCH(QString, derriere);
        QWidget* devant = os->controle(QString::fromLatin1(QTest::currentDataTag()));
        QWidget* arriere = os->controle(derriere);
        QVERIFY(devant && arriere);
        QCOMPARE(devant->parentWidget(), arriere->parentWidget());
        const QObjectList& freres = devant->parentWidget()->children();
        QVERIFY(freres.indexOf(devant) > freres.indexOf(arriere));
    }

    void pointeurs_data() {
        QTest::addColumn<int>("forme");
        QTest::addColumn<QPoint>("pointChaud");
        const QPoint main(12, 1), saisie(4, 16), aucun(-1, -1);
        const int bitmap = Qt::BitmapCursor;
        for (const char* n :
             {"ModeleMicro", "Label15", "Command1", "Command3", "CacherModeleMicro", "Label31",
              "Label11", "Picture1", "CacheVibreur", "Command4", "Command5", "micro1_noncoche",
              "capteur1", "Capteur2", "Picture2", "CacheOscillo", "EnonceModele"})
            QTest::newRow(n) << bitmap << main;
        for (const char* n :
             {"frequence", "Amplitude", "AmplitudeSoliton", "v", "Micro1", "Micro2"})
            QTest::newRow(n) << bitmap << saisie;
        QTest::newRow("Picture4") << int(Qt::ForbiddenCursor) << aucun;
        QTest::newRow("Label22") << int(Qt::ForbiddenCursor) << aucun;
        QTest::newRow("Picture3") << int(Qt::ArrowCursor) << aucun;
        QTest::newRow("Regle") << int(Qt::ArrowCursor) << aucun;
        QTest::newRow("Gaz") << int(Qt::ArrowCursor) << aucun;
        // A picture without a pointer of its own shows its button's.
        QTest::newRow("Image5") << bitmap << main;
    }
    void pointeurs() {
        QFETCH(int, forme);
        QFETCH(QPoint, pointChaud);
        QWidget* w = os->controle(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        const QCursor c = w->cursor();
        QCOMPARE(int(c.shape()), forme);
        if (forme == Qt::BitmapCursor)
            QCOMPARE(c.hotSpot(), pointChaud);
    }

    void boutonsImages_data() {
        QTest::addColumn<QString>("image");
        QTest::newRow("SolitonCourt") << "soliton_court";
        QTest::newRow("SolitonMoyen") << "soliton_moyen";
        QTest::newRow("SolitonLong") << "soliton_long";
    }
    void boutonsImages() {
        QFETCH(QString, image);
        auto* b = os->controle<QAbstractButton>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(b && b->text().isEmpty());
        // The picture fills the button inside its bevel.
        QCOMPARE(b->iconSize(), b->size() - QSize(4, 4));
        const QImage vu = b->icon().pixmap(b->iconSize()).toImage();
        const QImage attendu = ::image(image, b->iconSize(), 1).toImage();
        QCOMPARE(vu.convertToFormat(QImage::Format_ARGB32),
                 attendu.convertToFormat(QImage::Format_ARGB32));
        // Around it, the plain bevel: light above and left, dark below and right.
        const QImage bouton = b->grab().toImage();
        const int l = b->width(), h = b->height();
        QCOMPARE(QColor(bouton.pixel(l / 2, 0)), QColor(255, 255, 255));
        QCOMPARE(QColor(bouton.pixel(0, h / 2)), QColor(255, 255, 255));
        QCOMPARE(QColor(bouton.pixel(l / 2, h - 1)), QColor(64, 64, 64));
        QCOMPARE(QColor(bouton.pixel(l - 1, h / 2)), QColor(64, 64, 64));
    }

    void bulles() {
        QCOMPARE(os->controle("ModeleMicro")->toolTip(),
                 QStringLiteral("Cliquer pour colorer cette zone"));
        QCOMPARE(os->controle("Label15")->toolTip(),
                 QStringLiteral("Représentation microscopique"));
        QCOMPARE(os->controle("CacherModeleMicro")->toolTip(),
                 QStringLiteral("cacher le modèle microscopique"));
    }

    void groupesDOptions() {
        auto* progressive = os->controle<QAbstractButton>("OndeProgressive");
        auto* gaz = os->controle<QAbstractButton>("Gaz");
        auto* solide = os->controle<QAbstractButton>("Solide");
        QVERIFY(progressive->isChecked() && gaz->isChecked() && !solide->isChecked());
        solide->setChecked(true);
        // The medium's group does not reach into the boundary's group.
        QVERIFY(!gaz->isChecked());
        QVERIFY(progressive->isChecked());
        gaz->setChecked(true);
        QCOMPARE(os->controle("Sens_2")->property("Index").toInt(), 2);
        QVERIFY(os->controle<QAbstractButton>("Sens_0")->isChecked());
        QCOMPARE(os->controle("Label1")->property("Index").toInt(), 1);
    }

    // Every bordered box keeps its whole border: what its controls would
    // paint beyond the interior (the speed's caption, the last boundary
    // option, the model's invitation) is cut at the border.
    void bordures() {
        int boites = 0;
        for (PictureBox* b : os->findChildren<PictureBox*>()) {
            if (!b->bordure())
                continue;
            ++boites;
            const QImage vu = b->grab().toImage();
            const qreal r = vu.devicePixelRatio();
            QStringList abimes;
            auto noir = [&](int x, int y) {
                if (QColor::fromRgb(vu.pixel(QPointF(x * r, y * r).toPoint())) != Qt::black)
                    abimes << QStringLiteral("(%1, %2)").arg(x).arg(y);
            };
            for (int x = 0; x < b->width(); ++x)
                noir(x, 0), noir(x, b->height() - 1);
            for (int y = 0; y < b->height(); ++y)
                noir(0, y), noir(b->width() - 1, y);
            QVERIFY2(abimes.isEmpty(),
                     qPrintable(b->objectName() + QStringLiteral(": border not black at ") +
                                abimes.mid(0, 5).join(QLatin1Char(' '))));
        }
        QCOMPARE(boites, 18);
    }

    // Colours a pupil sees, sampled in the middle of each region.
    void couleurs_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        const QColor fond(192, 192, 192), marine(0, 0, 64), clair(224, 224, 224);
        QTest::newRow("window background") << QPoint(5, 5) << fond;
        QTest::newRow("window between columns") << QPoint(275, 400) << fond;
        QTest::newRow("navy band, top") << QPoint(500, 12) << marine;
        QTest::newRow("navy band, left column") << QPoint(29, 520) << marine;
        QTest::newRow("navy, wave properties") << QPoint(600, 232) << marine;
        QTest::newRow("navy, medium properties") << QPoint(950, 230) << marine;
        QTest::newRow("model placeholder") << QPoint(200, 60) << clair;
        QTest::newRow("oscilloscope placeholder") << QPoint(350, 360) << clair;
        QTest::newRow("periodic panel") << QPoint(200, 500) << clair;
        QTest::newRow("boundary options panel") << QPoint(960, 335) << clair;
        QTest::newRow("ruler") << QPoint(60, 202) << QColor(Qt::white);
        QTest::newRow("vibrator view") << QPoint(150, 300) << QColor(Qt::white);
    }
    void couleurs() {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        static const QImage capture = os->grab().toImage();
        QCOMPARE(QColor::fromRgb(capture.pixel(point * capture.devicePixelRatio())), couleur);
    }
};

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
