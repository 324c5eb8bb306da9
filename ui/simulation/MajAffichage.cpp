// The parameter display refresh: the pupil's choices become the model's
// parameters, the captions, the amplitude markers and the tone.

#include "model/Legendes.h"
#include "model/Parametres.h"
#include "ui/simulation/LegendesTraduites.h"
#include "ui/simulation/OS.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QScrollBar>

namespace vibralume {

namespace {

// The model writes French; the caption is in the interface's language.
void legende(Etiquette* e, const std::string& texte) {
    e->setText(LegendesTraduites::traduit(texte));
}

} // namespace

void OS::MajAffichage() {
    c_.ModeleMicro->Cls();
    const Derives d = choix_.majParametres();
    c_.Vib0->setX(AbscisseVib0, AbscisseVib0);
    c_.Vib_AmplG->setX(d.marques.gauche, d.marques.gauche);
    c_.Vib_AmplD->setX(d.marques.droite, d.marques.droite);

    legende(c_.Label2, LegendeLabel2(choix_.valeurs().frequence));
    legende(c_.Label23, LegendeLabel23(m_.Celerite));
    // A cap below the amplitude brings the bar down, and that change runs
    // this refresh again before the rest of this one: what follows reads
    // the state that inner refresh left.
    choix_.amplitudeMax(d.amplitudeMax);
    c_.Amplitude->setMaximum(d.amplitudeMax);
    legende(c_.Label32, LegendeLabel32(m_.AmplSoliton));
    legende(c_.label3, LegendeLabel3(m_.AmplVib));

    // A tone that could not be written has been reported by the sound; the
    // player then stays silent rather than play an older file.
    const Ton ton = TonPour(m_.Freq, m_.AmplVib, m_.Resonance);
    son_.GenereSon(ton.F, ton.P);
    if (m_.SonActif)
        son_.JoueSon();

    legende(c_.lambda, LegendeLambda(m_.Celerite, m_.Freq));
    legende(c_.vit, LegendeVit(m_.Celerite));
    legende(c_.f, LegendeF(m_.Freq));
}

} // namespace vibralume
