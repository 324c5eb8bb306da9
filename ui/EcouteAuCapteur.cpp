#include "ui/EcouteAuCapteur.h"

#include "model/EcouteCapteur.h"
#include "sound/Son.h"
#include "ui/ControlesOS.h"
#include "ui/OS.h"
#include "ui/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QRadioButton>

namespace vibralume {

EcouteAuCapteur::EcouteAuCapteur(OS& os, Son& son) : QObject(&os), os_(os), son_(son) {
    connect(&os.mesures(), &PanneauMesures::echantillonne, this, &EcouteAuCapteur::suit);
    // A marker moved while paused is heard at its new place all the same.
    os.controles().Micro1->installEventFilter(this);
}

bool EcouteAuCapteur::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::Move && objet == os_.controles().Micro1)
        suit();
    return QObject::eventFilter(objet, e);
}

void EcouteAuCapteur::bascule() {
    if (actif_) {
        arrete();
        return;
    }
    const ControlesOS& c = os_.controles();
    actif_ = true;
    parLeBouton_ = seul_ = false;
    if (!os_.etat().SonActif) {
        if (!c.OndePeriodique->isHidden()) {
            // As the listen button does, which then shows the stop picture.
            os_.Command4_Click();
            parLeBouton_ = true;
        } else {
            son_.JoueSon();
            seul_ = true;
        }
    }
    suit();
    emit basculee(true);
}

void EcouteAuCapteur::arrete() {
    actif_ = false;
    if (parLeBouton_ && os_.etat().SonActif)
        os_.Command5_Click();
    if (seul_)
        son_.ArreteSon();
    parLeBouton_ = seul_ = false;
    emit facteurChange(facteur());
    emit basculee(false);
}

// At every tick: the loudness where sensor 1 stands now.
void EcouteAuCapteur::suit() {
    if (!actif_)
        return;
    const Module1& m = os_.etat();
    // Stopped meanwhile (the stop button, a choice of pulses): this way ends too.
    if (!m.SonActif && !seul_) {
        arrete();
        return;
    }
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
