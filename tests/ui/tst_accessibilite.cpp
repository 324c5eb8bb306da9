// The main window without a mouse: the keys with the focus on each kind of
// control; and for a screen reader, the controls' roles, presses and values.

#include "Clavier.h"
#include "ui/demarrage/Langue.h"
#include "ui/simulation/VisionneuseEnonce.h"

#include <QAccessible>
#include <QRadioButton>
#include <functional>

using namespace vibralume;

namespace {

void touche(Clavier& k, QKeyCombination t) {
    QWidget* f = QApplication::focusWidget();
    QTest::keyClick(f ? f : k.os.get(), t.key(), t.keyboardModifiers());
}

// False when Tab never reaches `nom`.
bool tabuleJusqua(Clavier& k, const QString& nom) {
    for (int n = 0; n < 60 && QApplication::focusWidget() != k.os->controle(nom); ++n)
        touche(k, Qt::Key_Tab);
    return QApplication::focusWidget() == k.os->controle(nom);
}

using F = Clavier&;
using Action = std::function<void(F)>;
using Test = std::function<bool(F)>;

struct Cas {
    const char* controle;
    QAccessible::Role role;
    Action avant; // may be empty
    Test fait;
};

const std::vector<Cas>& cas() {
    const auto b = QAccessible::Button;
    const auto c = QAccessible::CheckBox;
    auto ferme = [](const char* nom) { return [nom](F f) { f.w(nom)->hide(); }; };
    auto vu = [](const char* nom) { return [nom](F f) { return f.montre(nom); }; };
    auto cache = [](const char* nom) { return [nom](F f) { return !f.montre(nom); }; };
    const Action sansModele = [](F f) { f.os->mesures().CacherModeleMicro_Click(); };
    static const std::vector<Cas> liste = {
        {"Command1", b, {}, [](F f) { return !f.os->Timer1().isActive(); }},
        {"Command2", b, [](F f) { f.os->Command1_Click(); },
         [](F f) { return f.os->Timer1().isActive(); }},
        {"Command3", b, {}, [](F f) { return f.m.TempsMs == 1025; }},
        {"CacherModeleMicro", b, {}, cache("ModeleMicro")},
        {"CacheVibreur", b, {}, cache("Vibreur")},
        {"CacheOscillo", b, {}, cache("Oscilloscope")},
        {"Picture1", b, ferme("Vibreur"), vu("Vibreur")},
        {"Picture2", b, ferme("Oscilloscope"), vu("Oscilloscope")},
        {"Label15", b, sansModele, vu("ModeleMicro")},
        {"Label11", b, {}, vu("OndeSolitaire")},
        {"Label31", b, [](F f) { f.os->Label11_Click(); }, vu("OndePeriodique")},
        {"Command4", b, {}, [](F f) { return f.m.SonActif; }},
        {"Image6", b, [](F f) { f.os->Command4_Click(); }, [](F f) { return !f.m.SonActif; }},
        {"EnonceModele", b, {}, [](F f) { return f.os->findChild<VisionneuseEnonce*>(); }},
        {"micro1_noncoche", c, {}, vu("Micro1")},
        {"micro1_coche", c, [](F f) { f.os->mesures().ActiveCapteur(1); }, cache("Micro1")},
        {"capteur1", c, {}, vu("Micro1")},
        {"Capteur2", c, [](F f) { f.os->mesures().ActiveCapteur(2); }, cache("Micro2")},
        // Not pressed while it cannot be clicked: the run button hides while running.
        {"Command2", b, [](F f) { f.m.TempsDepart = 12; },
         [](F f) { return f.m.TempsDepart == 12; }},
    };
    return liste;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Test)

class TstAccessibilite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }
    void cleanup() { Langue::installe(Langue::francais()); }

    // In full screen, Page Up and V keep their meaning whatever has the
    // focus; the arrows are a scroll bar's, an option's, the model's (its
    // green slices) and a marker's (never off the model); the first Escape
    // takes the focus off, giving the arrows back, the next leaves full screen.
    void selonLeFocus_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<Action>("avant");
        QTest::addColumn<Test>("fleche"); // what Right did to it; none: it stepped
        const Action rien = [](F) {};
        const Test aucun;
        for (const char* nom : {"", "Amortissement", "Command3", "Label11", "EnonceModele"})
            QTest::newRow(*nom ? nom : "none") << nom << rien << aucun;
        QTest::newRow("SolitonLong")
            << "SolitonLong" << Action([](F f) { f.os->Label11_Click(); }) << aucun;
        QTest::newRow("v") << "v" << rien << Test([](F f) { return f.barre("v")->value() == 4; });
        QTest::newRow("Sens_0") << "Sens_0" << rien
                                << Test([](F f) { return f.m.BaseTemps == 500; });
        QTest::newRow("group shown")
            << "ModeleMicro" << rien << Test([](F f) { return f.m.TrancheColoree == 25; });
        auto micro2 = [](double x) {
            return Action([x](F f) {
                f.os->mesures().ActiveCapteur(2);
                f.os->mesures().ModeleMicro_DragDrop(f.w("Micro2"), x, 1.482);
            });
        };
        QTest::newRow("marker") << "Micro2" << micro2(19) << Test([](F f) {
            return f.os->mesures().abscisseCapteur(2) == 19.5f;
        });
        // Against the model's right edge, no further.
        QTest::newRow("marker at the edge") << "Micro2" << micro2(24.4) << Test([](F f) {
            return f.w("Micro2")->geometry().right() == f.w("ModeleMicro")->width() - 1;
        });
    }
    void selonLeFocus() {
        QFETCH(QString, controle);
        QFETCH(Action, avant);
        QFETCH(Test, fleche);
        Clavier f;
        f.m.TempsMs = 1000;
        avant(f);
        ZoomOS& zoom = f.complements.zoom();
        zoom.basculePleinEcran();
        QVERIFY(controle.isEmpty() || tabuleJusqua(f, controle));
        touche(f, Qt::Key_PageUp);
        touche(f, Qt::Key_V);
        // (The frequency is not shown with the solitary vibration.)
        QCOMPARE(f.barre("frequence")->value(), f.montre("OndePeriodique") ? 28 : 18);
        QVERIFY(!f.montre("Vibreur"));
        touche(f, Qt::Key_Right);
        QCOMPARE(f.m.TempsMs, fleche ? 1000 : 1025);
        QVERIFY(!fleche || fleche(f));
        touche(f, Qt::Key_Escape);
        QCOMPARE(zoom.pleinEcran(), !controle.isEmpty());
        touche(f, Qt::Key_Right);
        QCOMPARE(f.m.TempsMs, fleche ? 1025 : 1050);
        touche(f, Qt::Key_Escape);
        QVERIFY(!zoom.pleinEcran());
    }

    // Pressed through the reader, a control does what its click does; a
    // sensor's box and caption say whether the sensor is on.
    void presser_data() {
        QTest::addColumn<int>("k");
        for (std::size_t k = 0; k < cas().size(); ++k)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(k).arg(cas()[k].controle)))
                << int(k);
    }
    void presser() {
        QFETCH(int, k);
        const Cas& c = cas()[std::size_t(k)];
        Clavier f;
        f.m.TempsMs = 1000;
        if (c.avant)
            c.avant(f);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(f.w(c.controle));
        QCOMPARE(i->role(), c.role);
        const bool caseACocher = c.role == QAccessible::CheckBox;
        const QString action = caseACocher ? QAccessibleActionInterface::toggleAction()
                                           : QAccessibleActionInterface::pressAction();
        QVERIFY(i->actionInterface()->actionNames().contains(action));
        const char* marqueur = QByteArray(c.controle).contains('2') ? "Micro2" : "Micro1";
        QCOMPARE(i->state().checked, caseACocher && f.montre(marqueur));
        i->actionInterface()->doAction(action);
        QVERIFY(c.fait(f));
        QCOMPARE(i->state().checked, caseACocher && f.montre(marqueur));
    }

    void valeursDesBarres_data() {
        QTest::addColumn<QStringList>("ligne"); // language, scroll bar, value, text
        // A negative value: the same, for a standing wave.
        for (const char* l :
             {"fr frequence 18 1,8 Hz", "en frequence 18 1.8 Hz", "fr v 3 15 cm/s",
              "fr Amplitude 10 1 cm", "fr Amplitude -10 0,1 cm", "en AmplitudeSoliton 25 2.5 cm"})
            QTest::newRow(l) << QString::fromLatin1(l).split(QLatin1Char(' '));
    }
    void valeursDesBarres() {
        QFETCH(QStringList, ligne);
        QVERIFY(Langue::installe(ligne[0]));
        Clavier f;
        if (ligne[2].toInt() < 0)
            f.os->controle<QRadioButton>("OndeStationnaire")->click();
        QScrollBar* s = f.barre(qPrintable(ligne[1]));
        s->setValue(std::abs(ligne[2].toInt()));
        QCOMPARE(QAccessible::queryAccessibleInterface(s)->text(QAccessible::Value),
                 ligne.mid(3).join(QLatin1Char(' ')));
    }
};

QTEST_MAIN(TstAccessibilite)
#include "tst_accessibilite.moc"
