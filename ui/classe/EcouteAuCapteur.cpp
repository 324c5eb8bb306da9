#include "ui/classe/EcouteAuCapteur.h"

#include "model/EcouteCapteur.h"
#include "sound/Son.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>

namespace vibralume {

EcouteAuCapteur::EcouteAuCapteur(OS& os, Son& son) : QObject(&os), os_(os), son_(son) {
    connect(&os.mesures(), &PanneauMesures::echantillonne, this, &EcouteAuCapteur::suit);
    connect(&os.mesures(), &PanneauMesures::capteurBascule, this, [this](int16_t n, bool actif) {
        // Sensor 1 switched off: plain listening, which the pulses do not offer.
        if (actif_ && n == 1 && !actif)
            arrete(!os_.controles().OndeSolitaire->isHidden());
    });
    const ControlesOS& c = os.controles();
    // A marker moved while paused is heard at its new place all the same.
    c.Micro1->installEventFilter(this);
    // The stop picture is shown exactly while the window listens.
    c.Command5->installEventFilter(this);
}

bool EcouteAuCapteur::eventFilter(QObject* objet, QEvent* e) {
    const ControlesOS& c = os_.controles();
    // Hidden itself, not with its window: stopped by the stop picture, its
    // key, or the choice of the pulses.
    if (actif_ && objet == c.Command5 && e->type() == QEvent::Hide && c.Command5->isHidden()) {
        arrete(false);
    } else if (objet == c.Micro1 && e->type() == QEvent::Move) {
        suit();
    }
    return QObject::eventFilter(objet, e);
}

void EcouteAuCapteur::bascule() {
    if (actif_) {
        arrete(demarreIci_);
        return;
    }
    const ControlesOS& c = os_.controles();
    if (!os_.mesures().capteurActif(1)) {
        emit refusee();
        return;
    }
    Module1& m = os_.etat();
    demarreIci_ = !m.SonActif;
    if (!m.SonActif) {
        // The listen button's own action, without its refusal of the
        // pulses: a pulse is heard at the sensor as it passes.
        m.SonActif = true;
        son_.JoueSon();
        c.Command4->hide();
        c.Command5->show();
    }
    actif_ = true;
    suit();
    emit basculee(true);
}

void EcouteAuCapteur::arrete(bool arreteSon) {
    actif_ = false;
    demarreIci_ = false;
    if (arreteSon && os_.etat().SonActif)
        os_.Command5_Click();
    emit facteurChange(facteur());
    emit basculee(false);
}

// At every tick: the loudness where sensor 1 stands now.
void EcouteAuCapteur::suit() {
    if (!actif_)
        return;
    const Module1& m = os_.etat();
    const ControlesOS& c = os_.controles();
    EntreesTick e;
    e.progressive = c.OndeProgressive->isChecked();
    e.periodique = !c.OndePeriodique->isHidden();
    e.amortissement = c.Amortissement->isChecked();
    e.gaz = c.Gaz->isChecked();
    facteur_ = GainAuCapteur(m, e, os_.mesures().abscisseCapteur(1));
    emit facteurChange(facteur_);
}

} // namespace vibralume
