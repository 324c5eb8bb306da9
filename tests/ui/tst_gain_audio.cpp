// What the volume keys and listening at sensor 1 do to the tone as heard:
// the real window with its additions and the real player, its output recorded
// from the private PulseAudio null sink (started by the CTest fixture).

#include "model/Module1.h"
#include "sound/DossierSon.h"
#include "sound/SonLecture.h"
#include "tests/model/Doublures.h"
#include "tests/sound/Enregistreur.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/EcouteAuCapteur.h"
#include "ui/classe/Volume.h"
#include "ui/demarrage/Application.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <iostream>
#include <memory>

using namespace vibralume;
using essai::Fe;
using essai::secondes;

namespace {

// The program's window as main() builds it: its additions hand their gain
// to the player.
struct Fenetre {
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.25, 0.5}};
    QTemporaryDir dossierTemporaire;
    DossierSon dossier{dossierTemporaire.path().toStdString(), std::cerr};
    SonLecture son{dossier, std::cerr};
    std::unique_ptr<OS> os;
    ComplementsOS* complements = nullptr;

    Fenetre() {
        os = std::make_unique<OS>(m, horloge, alea, son);
        complements = new ComplementsOS(
            *os, DemarrageOS{}, [this](double g) { son.lecture().setGain(g); }, nullptr, nullptr,
            &son);
        os->show();
        os->Timer1().stop();
        QApplication::setActiveWindow(os.get());
        os->activateWindow();
    }
    ~Fenetre() { os.reset(); }

    void clic(const char* nom) const {
        QWidget* c = os->controle(QString::fromLatin1(nom));
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(c->width() / 2, c->height() / 2));
    }
    void touche(Qt::Key k, Qt::KeyboardModifiers mod = {}) const {
        QWidget* cible = QApplication::focusWidget() ? QApplication::focusWidget() : os.get();
        QTest::keyClick(cible, k, mod);
    }
    QByteArray fichierTon() const {
        QFile f(QString::fromStdString(dossier.cheminTon().string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class TstGainAudio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void volume();
    void capteurAuNoeudEtAuVentre();

private:
    // The root mean square at `F` Hz of the recording's `duree` seconds that
    // begin `apres` seconds from now.
    double niveau(double F, double apres, double duree);

    std::unique_ptr<Fenetre> f_;
    essai::Enregistreur enregistreur_;
};

void TstGainAudio::initTestCase() {
    prepareApplication();
    const QString pourquoi = enregistreur_.demarreSurServeurPrive();
    QVERIFY2(pourquoi.isEmpty(), qPrintable(pourquoi));
}

void TstGainAudio::init() {
    f_ = std::make_unique<Fenetre>();
}

void TstGainAudio::cleanup() {
    f_.reset();
    QTest::qWait(200);
}

double TstGainAudio::niveau(double F, double apres, double duree) {
    const qsizetype debut = enregistreur_.maintenant() + secondes(apres);
    const qsizetype fin = debut + secondes(duree);
    if (!enregistreur_.attends(fin))
        return -1;
    // A whole number of 10 ms windows: every multiple of 100 Hz on an exact bin.
    const double p = essai::puissance(enregistreur_.echantillons(), debut, fin, F, false);
    // For a sine of amplitude A over n samples the power is (n A / 2)^2.
    return std::sqrt(p) * 2 / double(fin - debut) / std::sqrt(2.0);
}

// Ctrl+Down five times from 100 %: 50 %, heard at its cube (-18 dB); the mute
// key silences; the tone file is the same throughout.
void TstGainAudio::volume() {
    f_->clic("Command4");
    QVERIFY(f_->m.SonActif);
    const QByteArray ton = f_->fichierTon();
    QVERIFY(!ton.isEmpty());
    const double plein = niveau(1800, 0.3, 0.3);
    qInfo("1800 Hz at 100 %%: %.1f rms", plein);
    QVERIFY2(plein > 1000, "the tone is not heard at full volume");

    for (int k = 0; k < 5; ++k)
        f_->touche(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(f_->complements->volume().pourcent(), 50);
    const double moitie = niveau(1800, 0.3, 0.3);
    qInfo("at 50 %%: %.1f rms, %.2f dB", moitie, 20 * std::log10(moitie / plein));
    QVERIFY2(std::abs(moitie / plein - 0.125) < 0.01,
             qPrintable(QStringLiteral("50 % heard at %1 of full").arg(moitie / plein)));
    QCOMPARE(f_->fichierTon(), ton);

    f_->touche(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(f_->complements->volume().muet());
    QVERIFY(f_->m.SonActif);
    const double muet = niveau(1800, 0.3, 0.3);
    qInfo("muted: %.2f rms", muet);
    QVERIFY2(muet >= 0 && muet < 1, qPrintable(QStringLiteral("muted, %1 rms").arg(muet)));
    QCOMPARE(f_->fichierTon(), ton);
}

// Open at both ends, 0.5 Hz at 15 cm/s: a resonant standing wave, a pressure
// antinode at mid-medium and nodes toward the ends. Listening at sensor 1 is
// as loud at the antinode as the plain listening, and beside the node (slices
// 34 and 35) as much quieter as the pressure there: |sin(59 k / 4)| against
// |sin(31 k / 4)|, 25.6 dB.
void TstGainAudio::capteurAuNoeudEtAuVentre() {
    OS& os = *f_->os;
    os.controle<QAbstractButton>(QStringLiteral("OndeStationnaire"))->click();
    os.controle<QScrollBar>(QStringLiteral("frequence"))->setValue(5);
    os.controle<QScrollBar>(QStringLiteral("v"))->setValue(3);
    QVERIFY(f_->m.Resonance);
    os.AfficheModeleMicro();
    os.mesures().AfficheOscilloscope();
    os.mesures().ActiveCapteur(1);
    const double F = 1000 * f_->m.Freq;
    QCOMPARE(F, 500.0);

    QWidget* micro1 = os.controles().Micro1;
    auto place = [&](double x) {
        os.mesures().ModeleMicro_DragDrop(micro1, x, 1.0);
        QVERIFY(std::abs(os.mesures().abscisseCapteur(1) - x) < 0.05);
    };
    // Slices 20 and 21 at mid-medium; slices 34 and 35 next to a node.
    place(11.3);
    f_->clic("Command4");
    const double simple = niveau(F, 0.3, 0.4);
    f_->touche(Qt::Key_L, Qt::ShiftModifier);
    QVERIFY(f_->complements->ecoute()->actif());
    QVERIFY(f_->m.SonActif);
    const double ventre = niveau(F, 0.3, 0.4);
    place(18.3);
    const double noeud = niveau(F, 0.3, 0.4);
    place(11.3);
    const double retour = niveau(F, 0.3, 0.4);
    qInfo("plain listening %.1f rms; at the sensor: antinode %.1f rms, node %.2f rms, back at "
          "the antinode %.1f rms",
          simple, ventre, noeud, retour);
    QVERIFY2(
        ventre > 0.9 * simple,
        qPrintable(QStringLiteral("antinode heard at %1 of the plain tone").arg(ventre / simple)));
    QVERIFY(std::abs(retour / ventre - 1) < 0.02);
    const double k = f_->m.NbOnde;
    const double attendu = 20 * std::log10(std::sin(31 * k / 4) / std::sin(59 * k / 4));
    const double entendu = 20 * std::log10(ventre / std::max(noeud, 1e-3));
    QVERIFY2(noeud > 0 && std::abs(entendu - attendu) < 1,
             qPrintable(QStringLiteral("node %1 dB below the antinode, %2 dB expected")
                            .arg(entendu)
                            .arg(attendu)));

    // Off again: the plain listening, as loud at the node as anywhere.
    place(18.3);
    f_->touche(Qt::Key_L, Qt::ShiftModifier);
    QVERIFY(!f_->complements->ecoute()->actif());
}

QTEST_MAIN(TstGainAudio)
#include "tst_gain_audio.moc"
