// The main window's start-up, its parameter refresh and its run and
// parameter controls, driven as a pupil would, with a hand-driven clock.

#include "Banc.h"
#include "sound/Generateur.h"
#include "ui/miseenpage/Construction.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QCheckBox>
#include <QFile>
#include <cmath>

using namespace vibralume;

namespace {

// The tone file as it must be, built byte by byte without the program's writer.
QByteArray tonAttendu(double F, int32_t P) {
    const int32_t n = int32_t(std::nearbyint(((1 / F) * 10) * 44100));
    QByteArray o;
    auto u32 = [&](uint32_t v) {
        for (int k = 0; k < 4; ++k)
            o.append(char((v >> (8 * k)) & 0xFF));
    };
    auto u16 = [&](uint16_t v) {
        o.append(char(v & 0xFF));
        o.append(char(v >> 8));
    };
    o.append("RIFF");
    u32(36 + 2 * n);
    o.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(44100), u32(88200), u16(2), u16(16);
    o.append("data");
    u32(2 * n);
    for (int j = 0; j < n; ++j) {
        const double s = std::nearbyint(P * std::sin((j * 6.2831853) * (F / 44100)));
        u16(uint16_t(int16_t(std::clamp(s, -32768.0, 32767.0))));
    }
    return o;
}

QByteArray fichierSon(const Banc& b) {
    QFile f(QString::fromStdString(b.son.cheminTon().string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstOS : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // A control the handlers use, missing from the layout or of another kind,
    // stops the start-up with a message naming it; the complete layout resolves.
    void controlesResolus_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("enleve"); // else turned into a caption
        QTest::addColumn<QString>("message");
        QTest::newRow("complete") << QString() << false << QString();
        QTest::newRow("no frequence")
            << "frequence" << true << "la fenêtre OS n'a pas de contrôle « frequence »";
        QTest::newRow("no Sens_3")
            << "Sens_3" << true << "la fenêtre OS n'a pas de contrôle « Sens_3 »";
        QTest::newRow("Command3 a caption")
            << "Command3" << false
            << "le contrôle « Command3 » de la fenêtre OS est un vibralume::Etiquette, pas un "
               "vibralume::ImageControle";
    }
    void controlesResolus() {
        QFETCH(QString, nom);
        QFETCH(bool, enleve);
        QFETCH(QString, message);
        std::vector<DefControle> table = MiseEnPageOS();
        for (auto it = table.begin(); it != table.end(); ++it)
            if (QLatin1String(it->nom) == nom) {
                if (enleve)
                    table.erase(it);
                else
                    it->genre = Genre::Etiq;
                break;
            }
        QWidget fenetre;
        const auto controles = construitControles(&fenetre, table);
        QString dit;
        try {
            const ControlesOS c = resoudControlesOS(controles);
            QVERIFY(c.frequence && c.Sens[4] && c.EnonceModele);
        } catch (const std::logic_error& e) {
            dit = QString::fromUtf8(e.what());
        }
        QCOMPARE(dit, message.isEmpty() ? message : QStringLiteral("vibralume : ") + message);
    }

    void demarrage() {
        Banc b;
        QCOMPARE(b.m.Freq, 1.8);
        QCOMPARE(b.m.Celerite, 15.0);
        QCOMPARE(b.m.AmplVib, 1.0);
        QCOMPARE(b.m.AmplSoliton, 0.0);
        QVERIFY(std::abs(b.m.NbOnde - 0.753982236) < 1e-9);
        QVERIFY(!b.m.Resonance);
        QCOMPARE(b.m.BaseTemps, 200.0);
        QCOMPARE(b.m.DureeBalayage, 2.0);
        QCOMPARE(b.m.TypeSoliton, int16_t(1));
        QCOMPARE(b.m.PosRepos[50], 25.0);
        QCOMPARE(b.barre("Amplitude")->maximum(), 10);
        QCOMPARE(b.barre("Amplitude")->value(), 10);
        QCOMPARE(b.texte("Label2"), QStringLiteral("fréquence :  1.8Hz"));
        QCOMPARE(b.texte("Label23"), QStringLiteral("v= 15cm/s"));
        QCOMPARE(b.texte("label3"), QStringLiteral("Amplitude :  1cm"));
        QCOMPARE(b.texte("Label32"), QStringLiteral("Amplitude du soliton :  0cm"));
        QCOMPARE(b.texte("lambda"), QStringLiteral(" 8.33cm"));
        QCOMPARE(b.texte("vit"), QStringLiteral(" 15cm/s"));
        QCOMPARE(b.texte("f"), QStringLiteral(" 1.8Hz"));
        QCOMPARE(b.os->controle<Trait>("Vib0")->x1(), 2.0);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplG")->x1(), 1.0);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplD")->x2(), 3.0);
        QVERIFY(!b.montre("Micro1") && !b.montre("Micro2"));
        QCOMPARE(b.son.joue, 0);
        QCOMPARE(fichierSon(b), tonAttendu(1800, 6553));
    }

    void legendes_data() {
        QTest::addColumn<int>("frequence");
        QTest::addColumn<int>("v");
        QTest::addColumn<QString>("label2");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("lambda");
        QTest::addColumn<QString>("label23");
        QTest::addColumn<QString>("vit");
        QTest::newRow("0.1 Hz") << 1 << 3 << "fréquence : 0.1Hz"
                                << "0.1Hz"
                                << " 150cm"
                                << "v= 15cm/s"
                                << " 15cm/s";
        QTest::newRow("0.9 Hz") << 9 << 3 << "fréquence : 0.9Hz"
                                << "0.9Hz"
                                << " 16.66cm"
                                << "v= 15cm/s"
                                << " 15cm/s";
        QTest::newRow("1 Hz") << 10 << 3 << "fréquence :  1Hz"
                              << " 1Hz"
                              << " 15cm"
                              << "v= 15cm/s"
                              << " 15cm/s";
        QTest::newRow("1.8 Hz, 5 cm/s") << 18 << 1 << "fréquence :  1.8Hz"
                                        << " 1.8Hz"
                                        << " 2.77cm"
                                        << "v= 5cm/s"
                                        << " 5cm/s";
        QTest::newRow("4 Hz, 40 cm/s") << 40 << 8 << "fréquence :  4Hz"
                                       << " 4Hz"
                                       << " 10cm"
                                       << "v= 40cm/s"
                                       << " 40cm/s";
    }
    void legendes() {
        QFETCH(int, frequence);
        QFETCH(int, v);
        Banc b;
        b.barre("v")->setValue(v);
        b.barre("frequence")->setValue(frequence);
        QTEST(b.texte("Label2"), "label2");
        QTEST(b.texte("f"), "f");
        QTEST(b.texte("lambda"), "lambda");
        QTEST(b.texte("Label23"), "label23");
        QTEST(b.texte("vit"), "vit");
        QCOMPARE(fichierSon(b),
                 tonAttendu(frequence * 100.0, int32_t(std::nearbyint(b.m.AmplVib * 32767 / 5))));
    }

    // A lower maximum pulls the amplitude down, and the refresh runs again
    // with it: captions, markers and tone follow the new value.
    void amplitudePlafonnee() {
        Banc b;
        b.barre("v")->setValue(1);
        QCOMPARE(b.barre("Amplitude")->maximum(), 3);
        QCOMPARE(b.barre("Amplitude")->value(), 3);
        QCOMPARE(b.m.AmplVib, 0.3);
        QCOMPARE(b.texte("label3"), QStringLiteral("Amplitude : 0.3cm"));
        QCOMPARE(b.os->controle<Trait>("Vib_AmplG")->x1(), 1.7);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplD")->x1(), 2.3);
        QCOMPARE(fichierSon(b), tonAttendu(1800, 1966));
    }

    void bords() {
        Banc b;
        b.clic("Label15");
        b.m.Elongation[7] = 0.4;
        b.choisis("OndeStationnaire");
        QCOMPARE(b.m.AmplVib, 0.1);
        QCOMPARE(b.texte("label3"), QStringLiteral("Amplitude : 0.1cm"));
        QCOMPARE(b.os->controle<Trait>("Vib_AmplG")->x1(), 1.9);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplD")->x1(), 2.1);
        QVERIFY(b.montre("BordOuvert") && !b.montre("BordFerme") && b.montre("VibreurOS"));
        QCOMPARE(b.m.Elongation[7], 0.0);
        QCOMPARE(b.barre("Amplitude")->maximum(), 10);

        b.clic("Command1");
        b.clic("Command3");
        QVERIFY(b.m.Elongation[7] != 0.0);
        b.choisis("OndeStationnaire2");
        QVERIFY(!b.montre("BordOuvert") && b.montre("BordFerme"));
        for (int i = 1; i <= 50; ++i)
            QCOMPARE(b.m.Elongation[i], 0.0);

        b.choisis("OndeProgressive");
        QVERIFY(!b.montre("BordOuvert") && !b.montre("BordFerme") && !b.montre("VibreurOS"));
        QCOMPARE(b.m.AmplVib, 1.0);
    }

    void resonance_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("resonance");
        QTest::addColumn<int>("pic");
        QTest::newRow("open-open") << "OndeStationnaire" << true << 6553;
        QTest::newRow("open-closed") << "OndeStationnaire2" << false << 655;
        QTest::newRow("progressive") << "OndeProgressive" << false << 6553;
    }
    void resonance() {
        QFETCH(QString, option);
        QFETCH(bool, resonance);
        QFETCH(int, pic);
        Banc b;
        b.barre("frequence")->setValue(5);
        b.choisis(option.toLatin1().constData());
        QCOMPARE(b.m.Resonance, resonance);
        QCOMPARE(fichierSon(b), tonAttendu(500, pic));
    }

    void familleSolitaire() {
        Banc b;
        b.clic("Command4");
        QVERIFY(b.m.SonActif);
        b.choisis("OndeStationnaire");
        b.clic("Label11");
        QVERIFY(!b.m.SonActif);
        QCOMPARE(b.son.arrete, 1);
        QVERIFY(b.montre("Command4") && !b.montre("Command5"));
        QVERIFY(b.montre("OndeSolitaire") && !b.montre("OndePeriodique"));
        QVERIFY(!b.w("OndeStationnaire")->isEnabled() && !b.w("OndeStationnaire2")->isEnabled());
        QVERIFY(b.os->controle<QAbstractButton>("OndeProgressive")->isChecked());
        QCOMPARE(b.m.AmplSoliton, 2.5);
        // The periodic amplitude keeps its last value, taken with the standing wave.
        QCOMPARE(b.m.AmplVib, 0.1);
        QCOMPARE(b.texte("Label32"), QStringLiteral("Amplitude du soliton :  2.5cm"));
        QCOMPARE(b.os->controle<Trait>("Vib_AmplG")->x1(), 4.5);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplD")->x1(), 4.5);
        QCOMPARE(b.w("Command4")->cursor().shape(), Qt::ForbiddenCursor);
        // Listening is refused in this family.
        const int joues = b.son.joue;
        b.clic("Command4");
        QVERIFY(!b.m.SonActif);
        QCOMPARE(b.son.joue, joues);
        QVERIFY(b.montre("Command4") && !b.montre("Command5"));

        b.clic("Label31");
        QVERIFY(!b.montre("OndeSolitaire") && b.montre("OndePeriodique"));
        QVERIFY(b.w("OndeStationnaire")->isEnabled());
        QCOMPARE(b.w("Command4")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.os->controle<Trait>("Vib_AmplG")->x1(), 1.0);
    }

    void ecoute() {
        Banc b;
        b.clic("Image5");
        QVERIFY(b.m.SonActif);
        QCOMPARE(b.son.joue, 1);
        QVERIFY(!b.montre("Command4") && b.montre("Command5"));
        b.barre("frequence")->setValue(17);
        QCOMPARE(b.son.joue, 2);
        // A change that also lowers the amplitude's maximum refreshes twice.
        b.barre("frequence")->setValue(20);
        QCOMPARE(b.son.joue, 4);
        b.clic("Command5");
        QVERIFY(!b.m.SonActif);
        QCOMPARE(b.son.arrete, 1);
        b.barre("frequence")->setValue(21);
        QCOMPARE(b.son.joue, 4);
        b.clic("Command4");
        b.os->close();
        QCOMPARE(b.son.arrete, 2);
    }

    void ouvertureDuModele() {
        Banc b;
        b.os->Timer1().start();
        b.clic("Label15");
        QVERIFY(b.montre("ModeleMicro") && b.montre("Command3") && b.montre("Command1"));
        QVERIFY(!b.montre("Command2"));
        QVERIFY(b.montre("Picture2") && !b.montre("Picture4"));
        QVERIFY(b.montre("Label13") && b.montre("Label14"));
        QVERIFY(!b.montre("VibreurOS"));
        b.clic("Command1");
        QVERIFY(!b.os->Timer1().isActive());
        QVERIFY(!b.montre("Command1") && b.montre("Command2"));
    }

    void pauseMarchePas() {
        Banc b;
        b.os->Timer1().start();
        b.clic("Picture3");
        b.horloge.lecture = 36001.0;
        b.os->Timer1_Timer();
        QCOMPARE(b.m.TempsMs, 36001000);
        b.clic("Command1");
        QCOMPARE(b.m.TempsPause, 36001.0);
        // A long pause, then run: the time goes on from where it stood.
        b.horloge.lecture = 40000.0;
        b.clic("Command2");
        QVERIFY(b.os->Timer1().isActive());
        QVERIFY(b.montre("Command1") && !b.montre("Command2"));
        b.horloge.lecture = 40000.5;
        b.os->Timer1_Timer();
        QCOMPARE(b.m.TempsMs, 36001500);

        // Step while running pauses first, then adds 25 ms, five times.
        b.m.TempsMs = 1000;
        for (int k = 0; k < 5; ++k)
            b.clic("Command3");
        QVERIFY(!b.os->Timer1().isActive());
        QVERIFY(b.montre("Command2") && !b.montre("Command1"));
        QCOMPARE(b.m.TempsMs, 1125);
        QCOMPARE(b.m.TempsPause, 1.125);
    }

    void impulsion_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("type");
        QTest::newRow("short") << "SolitonCourt" << 1;
        QTest::newRow("medium") << "SolitonMoyen" << 2;
        QTest::newRow("long") << "SolitonLong" << 3;
    }
    void impulsion() {
        QFETCH(QString, bouton);
        QFETCH(int, type);
        Banc b;
        b.clic("Label11");
        b.os->Timer1().start();
        b.horloge.lecture = 36010.0;
        b.os->Timer1_Timer();
        b.clic(bouton.toLatin1().constData());
        QCOMPARE(b.m.TypeSoliton, int16_t(type));
        QCOMPARE(b.m.DebutSoliton, 36010.25);
        // Before departure only the pulse's front touches slice 1; 0.25 s
        // later its peak passes (slice 1 lies 0.5 cm from the vibrator).
        b.os->Timer1_Timer();
        const double avant = b.m.Elongation[1];
        QVERIFY(b.m.Elongation[50] < 1e-3);
        b.horloge.lecture = 36010.25 + 0.5 / 15;
        b.os->Timer1_Timer();
        QVERIFY(b.m.Elongation[1] > 0.999 * b.m.AmplSoliton);
        QVERIFY(avant < 0.5 * b.m.Elongation[1]);
    }

    // Gas and solid, and the refresh leaving the view empty while paused.
    void milieuEtRafraichissement() {
        Banc b;
        b.clic("Label15");
        b.barre("Amplitude")->setValue(0);
        b.choisis("Solide");
        QVERIFY(!b.os->controle<QAbstractButton>("Gaz")->isChecked());
        b.clic("Command3");
        auto* vue = b.os->controle<PictureBox>("ModeleMicro");
        const int x = int(std::nearbyint(2.15 * 1440 / 2.54 / 15));
        const int y = int(std::nearbyint(1 / 3.25 * 1440 / 2.54 / 15));
        QCOMPARE(QColor::fromRgb(vue->image().pixel(x, y)), QColor(Qt::black));
        QCOMPARE(b.alea.tirages, std::size_t(0));

        b.choisis("Gaz");
        b.clic("Command3");
        QCOMPARE(b.alea.tirages, std::size_t(1000));
        // Each particle moved right by r1/2 = 0.125 cm and up by r2/4 = 0.125 cm.
        QCOMPARE(b.m.PosX[1][1], 0.5 + 1.65 + 0.125);
        QCOMPARE(b.m.PosY[1][1], 1 / 3.25 - 0.125);

        b.barre("v")->setValue(4);
        const QImage vide = vue->image();
        for (int px = 0; px < vide.width(); px += 3)
            QCOMPARE(QColor::fromRgb(vide.pixel(px, y)), QColor(Qt::white));
    }

    void amortissementLuAuTick() {
        Banc b;
        b.clic("Command3");
        const double libre = b.m.Elongation[50];
        b.os->controle<QCheckBox>("Amortissement")->setChecked(true);
        b.m.TempsMs -= 25;
        b.clic("Command3");
        QCOMPARE(b.m.Elongation[50], libre * std::exp(-0.5));
    }
};

QTEST_MAIN(TstOS)
#include "tst_os.moc"
