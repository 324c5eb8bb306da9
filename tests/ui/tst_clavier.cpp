// The main window driven from the keyboard, as a teacher does in front of a
// class: every shortcut does what its click does, whatever control has the
// focus, and ticks no option by the way; Tab goes through the controls in
// reading order; Return activates the one with the focus.

#include "Clavier.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/NavigationClavier.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/simulation/PanneauMesures.h"
#include "ui/simulation/VisionneuseEnonce.h"
#include "views/PictureBox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <functional>

using namespace vibralume;

namespace {

// The background's menu is open, its first entry ready for Return.
bool menuAuClavier(Clavier& k) {
    auto* menu = k.os->findChild<QMenu*>(QStringLiteral("MenuFond"));
    return menu && menu->isVisible() && menu->activeAction() == menu->actions().first();
}

struct Cas {
    const char* nom;
    QKeyCombination touche;
    std::function<void(Clavier&)> avant; // may be empty
    std::function<bool(Clavier&)> fait;
};

const std::vector<Cas>& cas() {
    static const std::vector<Cas> liste = {
        {"Space pauses",
         Qt::Key_Space,
         {},
         [](Clavier& k) { return !k.os->Timer1().isActive() && k.montre("Command2"); }},
        {"Space runs again", Qt::Key_Space, [](Clavier& k) { k.os->Command1_Click(); },
         [](Clavier& k) { return k.os->Timer1().isActive() && k.montre("Command1"); }},
        {"Right steps 25 ms", Qt::Key_Right, [](Clavier& k) { k.m.TempsMs = 1000; },
         [](Clavier& k) { return k.m.TempsMs == 1025 && !k.os->Timer1().isActive(); }},
        {"Up raises the frequency",
         Qt::Key_Up,
         {},
         [](Clavier& k) { return k.barre("frequence")->value() == 19 && k.m.Freq == 1.9; }},
        {"Down lowers it",
         Qt::Key_Down,
         {},
         [](Clavier& k) { return k.barre("frequence")->value() == 17; }},
        {"Page Up, a large step",
         Qt::Key_PageUp,
         {},
         [](Clavier& k) { return k.barre("frequence")->value() == 28; }},
        {"Page Down",
         Qt::Key_PageDown,
         {},
         [](Clavier& k) { return k.barre("frequence")->value() == 8; }},
        {"Shift+Down, amplitude",
         Qt::SHIFT | Qt::Key_Down,
         {},
         [](Clavier& k) { return k.barre("Amplitude")->value() == 9 && k.m.AmplVib == 0.9; }},
        {"Shift+Up, pulse amplitude", Qt::SHIFT | Qt::Key_Up,
         [](Clavier& k) { k.os->Label11_Click(); },
         [](Clavier& k) { return k.barre("AmplitudeSoliton")->value() == 26; }},
        {"Alt+Up, speed",
         Qt::ALT | Qt::Key_Up,
         {},
         [](Clavier& k) { return k.barre("v")->value() == 4 && k.m.Celerite == 20; }},
        {"L listens",
         Qt::Key_L,
         {},
         [](Clavier& k) { return k.m.SonActif && k.son.joue == 1 && k.montre("Command5"); }},
        {"L stops", Qt::Key_L, [](Clavier& k) { k.os->Command4_Click(); },
         [](Clavier& k) { return !k.m.SonActif && k.son.arrete == 1 && k.montre("Command4"); }},
        {"M closes the model",
         Qt::Key_M,
         {},
         [](Clavier& k) { return !k.montre("ModeleMicro") && k.montre("Picture4"); }},
        {"M opens it", Qt::Key_M, [](Clavier& k) { k.os->mesures().CacherModeleMicro_Click(); },
         [](Clavier& k) { return k.montre("ModeleMicro") && k.montre("Command3"); }},
        {"O closes the oscilloscope",
         Qt::Key_O,
         {},
         [](Clavier& k) { return !k.montre("Oscilloscope"); }},
        {"O with the model closed does nothing", Qt::Key_O,
         [](Clavier& k) { k.os->mesures().CacherModeleMicro_Click(); },
         [](Clavier& k) { return !k.montre("Oscilloscope") && k.montre("Picture4"); }},
        {"V closes the vibrator", Qt::Key_V, {}, [](Clavier& k) { return !k.montre("Vibreur"); }},
        {"1 switches sensor 1 on",
         Qt::Key_1,
         {},
         [](Clavier& k) { return k.montre("Micro1") && k.montre("micro1_coche"); }},
        {"& is 1 on a French keyboard",
         Qt::Key_Ampersand,
         {},
         [](Clavier& k) { return k.montre("Micro1"); }},
        {"2 switches sensor 2 off", Qt::Key_2, [](Clavier& k) { k.os->mesures().ActiveCapteur(2); },
         [](Clavier& k) { return !k.montre("Micro2") && k.montre("micro2_noncoche"); }},
        {"T, next time base",
         Qt::Key_T,
         {},
         [](Clavier& k) { return k.option("Sens_1")->isChecked() && k.m.BaseTemps == 500; }},
        {"Shift+T, previous (around)",
         Qt::SHIFT | Qt::Key_T,
         {},
         [](Clavier& k) { return k.option("Sens_4")->isChecked() && k.m.BaseTemps == 2000; }},
        {"E, open at both ends",
         Qt::Key_E,
         {},
         [](Clavier& k) {
             return k.option("OndeStationnaire")->isChecked() && k.montre("BordOuvert");
         }},
        {"F, closed at the right",
         Qt::Key_F,
         {},
         [](Clavier& k) {
             return k.option("OndeStationnaire2")->isChecked() && k.montre("BordFerme");
         }},
        {"E refused in the solitary family", Qt::Key_E, [](Clavier& k) { k.os->Label11_Click(); },
         [](Clavier& k) { return k.option("OndeProgressive")->isChecked(); }},
        {"S, a solid", Qt::Key_S, {}, [](Clavier& k) { return k.option("Solide")->isChecked(); }},
        {"A, damping",
         Qt::Key_A,
         {},
         [](Clavier& k) { return k.option("Amortissement")->isChecked(); }},
        {"I, the solitary vibration",
         Qt::Key_I,
         {},
         [](Clavier& k) { return k.montre("OndeSolitaire") && !k.montre("OndePeriodique"); }},
        {"F6, a medium pulse", Qt::Key_F6, [](Clavier& k) { k.os->Label11_Click(); },
         [](Clavier& k) { return k.m.TypeSoliton == 2 && k.m.DebutSoliton == 36000.25; }},
        {"F6 without the pulse panel",
         Qt::Key_F6,
         {},
         [](Clavier& k) { return k.m.TypeSoliton == 1; }},
        {"Ctrl++ enlarges",
         Qt::CTRL | Qt::Key_Plus,
         {},
         [](Clavier& k) { return k.complements.zoom().zoom() == 1.25; }},
        {"Ctrl+- reduces",
         Qt::CTRL | Qt::Key_Minus,
         {},
         [](Clavier& k) { return k.complements.zoom().zoom() == 0.75; }},
        {"Ctrl+0, 100 %", Qt::CTRL | Qt::Key_0, [](Clavier& k) { k.complements.zoom().setZoom(2); },
         [](Clavier& k) { return k.complements.zoom().zoom() == 1 && k.os->width() == 1008; }},
        {"F11, full screen",
         Qt::Key_F11,
         {},
         [](Clavier& k) { return k.complements.zoom().pleinEcran(); }},
        {"Escape leaves it", Qt::Key_Escape,
         [](Clavier& k) { k.complements.zoom().basculePleinEcran(); },
         [](Clavier& k) { return !k.complements.zoom().pleinEcran() && k.os->width() == 1008; }},
        {"Ctrl+Down, softer",
         Qt::CTRL | Qt::Key_Down,
         {},
         [](Clavier& k) {
             return k.complements.volume().pourcent() == 90 && qFuzzyCompare(k.gain, 0.729);
         }},
        {"Ctrl+M, mute",
         Qt::CTRL | Qt::Key_M,
         {},
         [](Clavier& k) { return k.complements.volume().muet() && k.gain == 0; }},
        {"F2, the statement",
         Qt::Key_F2,
         {},
         [](Clavier& k) { return k.os->findChild<VisionneuseEnonce*>() != nullptr; }},
        {"Menu, the background's menu", Qt::Key_Menu, {}, menuAuClavier},
        {"Shift+F10 too", Qt::SHIFT | Qt::Key_F10, {}, menuAuClavier},
    };
    return liste;
}

} // namespace

class TstClavier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication();
        // The keys named as a French desktop names them.
        Langue::installe(Langue::francais());
    }

    // Each shortcut, with the focus on an option button, a scroll bar other
    // than the one it moves, or nowhere in particular.
    void raccourcis_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("focus");
        for (std::size_t k = 0; k < cas().size(); ++k)
            for (const char* focus : {"", "Gaz", "Amortissement", "Sens_0"})
                QTest::newRow(qPrintable(QStringLiteral("%1, focus %2")
                                             .arg(QLatin1String(cas()[k].nom))
                                             .arg(QLatin1String(*focus ? focus : "none"))))
                    << int(k) << QString::fromLatin1(focus);
    }
    void raccourcis() {
        QFETCH(int, k);
        QFETCH(QString, focus);
        const Cas& c = cas()[std::size_t(k)];
        Clavier b;
        if (c.avant)
            c.avant(b);
        // In a focused group of options the arrows are the group's (below),
        // and Escape takes its frame off first (tst_accessibilite).
        const int touche = c.touche.key();
        if (focus != QLatin1String("Amortissement") && !focus.isEmpty() &&
            (touche == Qt::Key_Up || touche == Qt::Key_Down || touche == Qt::Key_Right ||
             touche == Qt::Key_Escape) &&
            c.touche.keyboardModifiers() == Qt::NoModifier)
            QSKIP("the keys of a focused group of options");
        if (!focus.isEmpty()) {
            b.os->controle(focus)->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), b.os->controle(focus));
        }
        const bool gaz = b.option("Gaz")->isChecked();
        const bool progressive = b.option("OndeProgressive")->isChecked();
        const bool sens0 = b.option("Sens_0")->isChecked();
        // Keys go where the keyboard sends them: to the focused control.
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : b.os.get();
        QTest::keyClick(cible, c.touche.key(), c.touche.keyboardModifiers());
        QVERIFY2(c.fait(b), c.nom);
        // The focused option was not ticked by the key.
        const QString tag = QString::fromLatin1(c.nom);
        if (!tag.startsWith(QLatin1String("S,")))
            QCOMPARE(b.option("Gaz")->isChecked(), gaz);
        if (!tag.startsWith(QLatin1String("E,")) && !tag.startsWith(QLatin1String("F,")))
            QCOMPARE(b.option("OndeProgressive")->isChecked(), progressive);
        if (!tag.startsWith(QLatin1String("T,")) && !tag.startsWith(QLatin1String("Shift+T")))
            QCOMPARE(b.option("Sens_0")->isChecked(), sens0);
    }

    // A focused scroll bar keeps its arrows; the frequency does not move.
    void barreAvecLeFocus() {
        Clavier b;
        QScrollBar* v = b.barre("v");
        v->setFocus(Qt::TabFocusReason);
        QTest::keyClick(v, Qt::Key_Right);
        QTest::keyClick(v, Qt::Key_Up);
        QCOMPARE(v->value(), 5);
        QCOMPARE(b.barre("frequence")->value(), 18);
        QVERIFY(b.os->Timer1().isActive()); // no step either
        QTest::keyClick(v, Qt::Key_Space);
        QVERIFY(!b.os->Timer1().isActive()); // Space still pauses
    }

    // Tab visits what can be clicked or set, in reading order, passing by
    // what is hidden or covered by its panel; the focus mark follows it.
    void ordreDeTabulation() {
        Banc b;
        ComplementsOS complements(
            *b.os, DemarrageOS{}, [](double) {}, nullptr);
        QApplication::setActiveWindow(b.os.get());
        const QStringList attendus = {
            "Picture3",        "CacherModeleMicro", "CacheVibreur", "Label11",
            "frequence",       "Amplitude",         "Image5",       "CacheOscillo",
            "OndeProgressive", "Amortissement",     "Gaz",          "v",
            "EnonceModele"};
        QStringList vus;
        QWidget* marque = b.os->findChild<QWidget*>(QStringLiteral("MarqueFocus"));
        QVERIFY(marque && marque->isHidden());
        b.os->controle("EnonceModele")->setFocus();
        QVERIFY(marque->isHidden()); // not before the keyboard is used
        for (int k = 0; k < attendus.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            vus << (f ? f->objectName() : QStringLiteral("-"));
            QVERIFY(!marque->isHidden());
            QVERIFY(marque->geometry().contains(QRect(f->mapTo(b.os.get(), QPoint()), f->size())));
        }
        // The option groups hold the focus on their selected button.
        QCOMPARE(vus, attendus);
        // Once the vibrator is closed, its placeholder is reached instead.
        b.os->mesures().CacheVibreur_Click();
        b.os->controle("CacherModeleMicro")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        // Return does what its click does.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(b.montre("Vibreur"));
    }

    // Tabbed to, a group of options takes the arrows: they go from one option
    // to the next, as anywhere on the desktop; the frequency stays.
    void flechesDUnGroupe() {
        Clavier b;
        b.option("OndeProgressive")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b.option("OndeProgressive"), Qt::Key_Down);
        QVERIFY(b.option("OndeStationnaire")->isChecked());
        QVERIFY(b.montre("BordOuvert"));
        QCOMPARE(b.barre("frequence")->value(), 18);
        // A click gives an option no focus: the keys stay the window's.
        b.os->controle("Gaz")->clearFocus();
        QTest::mouseClick(b.os->controle("Solide"), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(b.option("Solide")->isChecked());
        QVERIFY(!b.os->controle("Solide")->hasFocus());
    }

    // F1 lists every shortcut, in French.
    void liste() {
        Clavier b;
        QTest::keyClick(b.os.get(), Qt::Key_F1);
        auto* fenetre = b.os->findChild<QWidget*>(QStringLiteral("FenetreRaccourcis"));
        QVERIFY(fenetre && fenetre->isVisible());
        auto* arbre = fenetre->findChild<QTreeWidget*>();
        QStringList lignes;
        for (int g = 0; g < arbre->topLevelItemCount(); ++g)
            for (int i = 0; i < arbre->topLevelItem(g)->childCount(); ++i)
                lignes << arbre->topLevelItem(g)->child(i)->text(0) + QStringLiteral(" : ") +
                              arbre->topLevelItem(g)->child(i)->text(1);
        for (const char* attendu :
             {"Espace : Pause, ou reprise de la simulation",
              "Flèche droite : Pas à pas : 25 ms de plus",
              "L : Écouter le son produit, ou l'arrêter", "1 : Capteur 1 : activer ou désactiver",
              "F11 : Plein écran, ou retour", "F1 : Cette liste des raccourcis"})
            QVERIFY2(lignes.contains(QString::fromUtf8(attendu)), attendu);
        std::size_t total = 0;
        for (const auto& g : b.complements.commandes().groupes())
            total += g.lignes.size();
        QCOMPARE(qsizetype(total), lignes.size());
        QApplication::setActiveWindow(fenetre);
        QTest::keyClick(fenetre, Qt::Key_Escape);
        QVERIFY(!fenetre->isVisible());
    }

    // Screen readers find a French name on what a pupil uses, and the values
    // as text.
    void nomsAccessibles_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("nom");
        QTest::newRow("pause") << "Command1"
                               << "Pause";
        QTest::newRow("step") << "Command3"
                              << "Pas à pas";
        QTest::newRow("listen") << "Command4"
                                << "Écouter le son produit";
        QTest::newRow("listen picture") << "Image5"
                                        << "Écouter le son produit";
        QTest::newRow("frequency") << "frequence"
                                   << "Fréquence du vibreur";
        QTest::newRow("speed") << "v"
                               << "Célérité du son dans le milieu";
        QTest::newRow("sensor 1 box") << "micro1_noncoche"
                                      << "Capteur 1";
        QTest::newRow("sensor 2 marker") << "Micro2"
                                         << "Capteur 2";
        QTest::newRow("an option") << "Solide"
                                   << "Solide";
        QTest::newRow("wavelength value") << "lambda"
                                          << " 8.33cm";
        QTest::newRow("frequency value") << "f"
                                         << " 1.8Hz";
        QTest::newRow("speed value") << "vit"
                                     << " 15cm/s";
    }
    void nomsAccessibles() {
        QFETCH(QString, controle);
        QFETCH(QString, nom);
        Clavier b;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b.os->controle(controle));
        QVERIFY(i);
        QCOMPARE(i->text(QAccessible::Name), nom);
    }
    void toutEstNomme() {
        Clavier b;
        for (QWidget* w : b.complements.navigation().ordre()) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(i && !i->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName()));
        }
        // A scroll bar tells its caption as it stands.
        b.barre("frequence")->setValue(25);
        QCOMPARE(b.os->controle("frequence")->accessibleDescription(),
                 QStringLiteral("fréquence :  2.5Hz"));
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
