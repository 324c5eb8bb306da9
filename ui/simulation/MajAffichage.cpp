// The parameter display refresh: scroll bars and options become the model's
// parameters, the captions, the amplitude markers and the tone.

#include "model/Legendes.h"
#include "model/Parametres.h"
#include "ui/simulation/LegendesTraduites.h"
#include "ui/simulation/OS.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

// The model writes French; the caption is in the interface's language.
void legende(Etiquette* e, const std::string& texte) {
    e->setText(LegendesTraduites::traduit(texte));
}

Bord bordChoisi(const QRadioButton* progressive, const QRadioButton* ouvert) {
    if (progressive->isChecked())
        return Bord::Progressive;
    return ouvert->isChecked() ? Bord::OuvertOuvert : Bord::OuvertFerme;
}

} // namespace

void OS::MajAffichage() {
    c_.ModeleMicro->Cls();
    m_.DureeBalayage = DureeBalayagePour(m_.BaseTemps);
    m_.Freq = FreqPour(int16_t(c_.frequence->value()));
    m_.Celerite = CeleritePour(int16_t(c_.v->value()));
    c_.Vib0->setX(AbscisseVib0, AbscisseVib0);

    const Bord bord = bordChoisi(c_.OndeProgressive, c_.OndeStationnaire);
    const Marqueurs marques =
        MajAmplitudes(m_, !c_.OndeSolitaire->isHidden(), bord, int16_t(c_.Amplitude->value()),
                      int16_t(c_.AmplitudeSoliton->value()));
    c_.Vib_AmplG->setX(marques.gauche, marques.gauche);
    c_.Vib_AmplD->setX(marques.droite, marques.droite);

    legende(c_.Label2, LegendeLabel2(int16_t(c_.frequence->value())));
    legende(c_.Label23, LegendeLabel23(m_.Celerite));
    // A maximum below the value brings the value down, and that change runs
    // this refresh again before the rest of this one.
    c_.Amplitude->setMaximum(AmplitudeMax(m_.Celerite, m_.Freq));
    legende(c_.Label32, LegendeLabel32(m_.AmplSoliton));
    legende(c_.label3, LegendeLabel3(m_.AmplVib));
    m_.NbOnde = NbOndePour(m_.Freq, m_.Celerite);
    m_.Resonance = ResonancePour(bord, m_.Freq, m_.Celerite);

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
