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
        if (annonce_ && n == 1 && !actif)
            arrete(os_.choix().solitaire());
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
    if (annonce_ && objet == c.Command5 && e->type() == QEvent::Hide && c.Command5->isHidden()) {
        arrete(false);
    } else if (objet == c.Micro1 && e->type() == QEvent::Move) {
        suit();
    }
    return QObject::eventFilter(objet, e);
}

bool EcouteAuCapteur::actif() const {
    return os_.choix().valeurs().ecouteAuCapteur;
}

void EcouteAuCapteur::bascule() {
    if (actif()) {
        arrete(demarreIci_);
        return;
    }
    const ControlesOS& c = os_.controles();
    ChoixEleve& choix = os_.choix();
    if (!choix.capteur(1).actif) {
        emit refusee();
        return;
    }
    demarreIci_ = !choix.ecoute();
    if (!choix.ecoute()) {
        // The listen button's own action, without its refusal of the
        // pulses: a pulse is heard at the sensor as it passes.
        choix.son(true);
        son_.JoueSon();
        c.Command4->hide();
        c.Command5->show();
    }
    choix.ecouteAuCapteur(true);
    annonce_ = true;
    suit();
    emit basculee(true);
}

void EcouteAuCapteur::arrete(bool arreteSon) {
    os_.choix().ecouteAuCapteur(false);
    annonce_ = false;
    demarreIci_ = false;
    if (arreteSon && os_.choix().ecoute())
        os_.Command5_Click();
    emit facteurChange(facteur());
    emit basculee(false);
}

// At every tick: the loudness where sensor 1 stands now.
void EcouteAuCapteur::suit() {
    if (!actif())
        return;
    const ChoixEleve& choix = os_.choix();
    facteur_ = GainAuCapteur(os_.etat(), choix.entreesTick(), float(choix.capteur(1).x));
    emit facteurChange(facteur_);
}

} // namespace vibralume
