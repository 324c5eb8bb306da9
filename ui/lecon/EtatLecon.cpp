#include "ui/lecon/EtatLecon.h"

#include "ui/classe/Curseurs.h"
#include "ui/classe/Ralenti.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/DessinEtat.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

Lecon EtatLecon::lis() const {
    Lecon l;
    l.choix = os_.choix().valeurs();
    l.choix.ecouteAuCapteur = false;
    l.typeSoliton = os_.etat().TypeSoliton;
    l.trancheColoree = os_.etat().TrancheColoree;
    return l;
}

void EtatLecon::pose(const Lecon& l) {
    const ControlesOS& c = os_.controles();
    PanneauMesures& p = os_.mesures();
    const ValeursChoix& v = l.choix;

    if (v.vibration != os_.choix().valeurs().vibration) {
        if (v.vibration == Vibration::Solitaire)
            os_.Label11_Click();
        else
            os_.Label31_Click();
    }
    // The boundary first: it sets the amplitude's cap that the bars then refine.
    QRadioButton* bords[] = {c.OndeProgressive, c.OndeStationnaire, c.OndeStationnaire2};
    bords[std::size_t(v.bord)]->setChecked(true);
    c.frequence->setValue(v.frequence);
    c.v->setValue(v.vitesse);
    c.Amplitude->setValue(v.amplitude);
    c.AmplitudeSoliton->setValue(v.amplitudeSoliton);
    c.Amortissement->setChecked(v.amortissement);
    (v.milieu == EtatMilieu::Gaz ? c.Gaz : c.Solide)->setChecked(true);
    os_.choix().typeSoliton(l.typeSoliton);
    os_.MajAffichage();

    // The model before the oscilloscope, which opens only over it.
    if (v.modeleOuvert)
        os_.AfficheModeleMicro();
    else
        p.CacherModeleMicro_Click();
    if (v.oscilloscopeOuvert)
        p.AfficheOscilloscope();
    else
        p.CacheOscillo_Click();
    if (v.vibreurOuvert)
        p.AfficheVibreur();
    else
        p.CacheVibreur_Click();
    c.Sens[std::size_t(v.indexBaseTemps)]->setChecked(true);

    // Placed, then switched: a sensor switched on reads where it stands.
    for (int16_t n : {1, 2}) {
        const Capteur& k = v.capteurs[std::size_t(n - 1)];
        p.ModeleMicro_DragDrop(n == 1 ? c.Micro1 : c.Micro2, k.x, k.y);
        if (k.actif != p.capteurActif(n)) {
            if (k.actif)
                p.ActiveCapteur(n);
            else
                p.DesactiveCapteur(n);
        }
    }
    os_.choix().trancheColoree(l.trancheColoree);
    DessineEtat(c, os_.etat(), os_.choix().valeurs());
    if (ralenti_)
        ralenti_->choisit(v.diviseurTemps);
    os_.choix().curseurs(v.curseurs);
    if (curseurs_)
        curseurs_->actualise();
}

} // namespace vibralume
