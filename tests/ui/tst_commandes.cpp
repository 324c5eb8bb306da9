// The table of commands as the user meets it: every key does its command
// exactly when the command can be used, the menu and the key list name the
// same key, and what screen readers and tooltips say comes from the table.

#include "Banc.h"
#include "model/HorlogeRalentie.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/lecon/Lecons.h"
#include "ui/simulation/PanneauMesures.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <QTreeWidget>
#include <functional>

using namespace vibralume;

namespace {

// The window with every addition, slow motion and listening at the sensor
// included, at 100 %, active, the model and the oscilloscope open.
struct Atelier : Banc {
    HorlogeRalentie ralentie{horloge};
    ComplementsOS complements{*os, DemarrageOS{}, [](double) {}, nullptr, &ralentie, &son};
    Lecons lecons{*os, complements, nullptr};
    Atelier() {
        complements.zoom().zoomNormal();
        QApplication::setActiveWindow(os.get());
        os->Timer1().start(1 << 30); // running, as far as the buttons can tell
        os->AfficheModeleMicro();
        os->mesures().AfficheOscilloscope();
    }
};

// The text a menu paints for an entry, keys after the tab: the same action
// in a menu of the test's own, which may ask the style's options.
struct MenuLu : QMenu {
    using QMenu::initStyleOption;
};
QString peint(QAction* a) {
    MenuLu lu;
    lu.addAction(a);
    QStyleOptionMenuItem o;
    lu.initStyleOption(&o, a);
    lu.removeAction(a);
    return o.text;
}

// Each key of `a` pressed once on the window; how many times it fired.
// The command's own effect is cut off: only its firing is watched.
int presse(Atelier& b, QAction* a, const QKeySequence& touche) {
    QObject::disconnect(a, &QAction::triggered, &b.complements.commandes(), nullptr);
    int fois = 0;
    const auto c = QObject::connect(a, &QAction::triggered, [&fois] { ++fois; });
    QTest::keyClick(b.os.get(), touche[0].key(), touche[0].keyboardModifiers());
    QObject::disconnect(c);
    return fois;
}

using Avant = std::function<void(Atelier&)>;

} // namespace

Q_DECLARE_METATYPE(Avant)

class TstCommandes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication();
        Langue::installe(Langue::francais());
    }

    void commande_data() {
        QTest::addColumn<QString>("nom");
        Atelier b;
        for (const QAction* a : b.complements.commandes().actions())
            if (!a->shortcuts().isEmpty())
                QTest::newRow(qPrintable(a->objectName())) << a->objectName();
    }
    // Each of its keys fires it, just as its rule allows; the key list shows
    // the key the menu shows; it has a name to be read out, and the pictures
    // it acts on tell its key.
    void commande() {
        QFETCH(QString, nom);
        Atelier b;
        TableCommandes& t = b.complements.commandes();
        QAction* a = t.action(nom.toLatin1().constData());
        QVERIFY(a);
        QMenu* menu = b.complements.menu().menuA(QPoint(5, 400));
        t.actualise();
        const bool permise = a->isEnabled();
        QVERIFY(!a->text().isEmpty());

        QString listee;
        b.complements.montreRaccourcis();
        auto* arbre = b.os->findChild<QTreeWidget*>(QStringLiteral("liste"));
        for (int g = 0; g < arbre->topLevelItemCount(); ++g)
            for (int i = 0; i < arbre->topLevelItem(g)->childCount(); ++i)
                if (arbre->topLevelItem(g)->child(i)->text(1) == a->toolTip())
                    listee = arbre->topLevelItem(g)->child(i)->text(0);
        arbre->window()->close();
        const QString premiere = a->shortcut().toString(QKeySequence::NativeText);
        QVERIFY2(listee.startsWith(premiere), qPrintable(listee));
        if (menu->actions().contains(a)) {
            QCOMPARE(peint(a).section(QLatin1Char('\t'), 1), listee);
            QAccessibleInterface* entree =
                QAccessible::queryAccessibleInterface(menu)->child(int(menu->actions().indexOf(a)));
            QCOMPARE(entree->text(QAccessible::Name), a->text());
        }
        // The pictures with no tooltip of their own tell the command's.
        static const QHash<QString, QStringList> images = {{"pause", {"Command1", "Command2"}},
                                                           {"pasAPas", {"Command3"}},
                                                           {"ecoute", {"Command4", "Command5"}},
                                                           {"oscilloscope", {"CacheOscillo"}},
                                                           {"vibreur", {"CacheVibreur"}}};
        for (const QString& image : images.value(nom))
            QCOMPARE(b.os->controle(image)->toolTip(),
                     a->toolTip() + QStringLiteral(" (") + listee + QLatin1Char(')'));

        for (const QKeySequence& touche : a->shortcuts())
            QVERIFY2(presse(b, a, touche) == (permise ? 1 : 0), qPrintable(touche.toString()));
    }

    // Where its click could not be made, a command is greyed and its key
    // does nothing; it comes back as soon as the click can be made.
    void regle_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Avant>("avant");
        QTest::addColumn<bool>("permise");
        using F = Avant;
        const F rien = [](Atelier&) {};
        const F sansModele = [](Atelier& k) { k.os->mesures().CacherModeleMicro_Click(); };
        const F solitaire = [](Atelier& k) { k.os->Label11_Click(); };
        const F sansOscillo = [](Atelier& k) { k.os->mesures().CacheOscillo_Click(); };
        QTest::newRow("pause, model open") << "pause" << rien << true;
        QTest::newRow("pause, model closed") << "pause" << sansModele << false;
        QTest::newRow("step, model closed") << "pasAPas" << sansModele << false;
        QTest::newRow("oscilloscope, model closed") << "oscilloscope" << sansModele << false;
        QTest::newRow("sensor 1, oscilloscope open") << "capteur1" << rien << true;
        QTest::newRow("sensor 2, oscilloscope closed") << "capteur2" << sansOscillo << false;
        QTest::newRow("time base, oscilloscope closed") << "baseSuivante" << sansOscillo << false;
        QTest::newRow("frequency, solitary") << "frequencePlus" << solitaire << false;
        QTest::newRow("pulse, periodic") << "solitonCourt" << rien << false;
        QTest::newRow("pulse, solitary") << "solitonLong" << solitaire << true;
        QTest::newRow("open ends, solitary") << "ouvert" << solitaire << false;
        QTest::newRow("amplitude, solitary") << "amplitudeMoins" << solitaire << true;
        QTest::newRow("zoom in at 400 %")
            << "agrandir" << F([](Atelier& k) { k.complements.zoom().setZoom(4); }) << false;
        QTest::newRow("zoom out at 50 %")
            << "reduire" << F([](Atelier& k) { k.complements.zoom().setZoom(0.5); }) << false;
        QTest::newRow("zoom out at 75 %")
            << "reduire" << F([](Atelier& k) { k.complements.zoom().setZoom(0.75); }) << true;
    }
    void regle() {
        QFETCH(QString, nom);
        QFETCH(Avant, avant);
        QFETCH(bool, permise);
        Atelier b;
        avant(b);
        QAction* a = b.complements.commandes().action(nom.toLatin1().constData());
        QCOMPARE(presse(b, a, a->shortcut()), permise ? 1 : 0);
        QCOMPARE(a->isEnabled(), permise);
    }
};

QTEST_MAIN(TstCommandes)
#include "tst_commandes.moc"
