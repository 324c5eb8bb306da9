// The parameter display refresh: scroll bars and options become the model's
// parameters, the captions, the amplitude markers and the tone.

#include "model/Legendes.h"
#include "model/Parametres.h"
#include "sound/Generateur.h"
#include "ui/OS.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

void legende(QWidget* w, const std::string& texte) {
    static_cast<QLabel*>(w)->setText(QString::fromStdString(texte));
}

Bord bordChoisi(const QRadioButton* progressive, const QRadioButton* ouvert) {
    if (progressive->isChecked())
        return Bord::Progressive;
    return ouvert->isChecked() ? Bord::OuvertOuvert : Bord::OuvertFerme;
}

} // namespace

void OS::MajAffichage() {
    ModeleMicro_->Cls();
    m_.DureeBalayage = DureeBalayagePour(m_.BaseTemps);
    m_.Freq = FreqPour(int16_t(frequence_->value()));
    m_.Celerite = CeleritePour(int16_t(v_->value()));
    Vib0_->setX(AbscisseVib0, AbscisseVib0);

    const Bord bord = bordChoisi(OndeProgressive_, OndeStationnaire_);
    const Marqueurs marques =
        MajAmplitudes(m_, visible("OndeSolitaire"), bord, int16_t(Amplitude_->value()),
                      int16_t(AmplitudeSoliton_->value()));
    Vib_AmplG_->setX(marques.gauche, marques.gauche);
    Vib_AmplD_->setX(marques.droite, marques.droite);

    legende(controle("Label2"), LegendeLabel2(int16_t(frequence_->value())));
    legende(controle("Label23"), LegendeLabel23(m_.Celerite));
    // A maximum below the value brings the value down, and that change runs
    // this refresh again before the rest of this one.
    Amplitude_->setMaximum(AmplitudeMax(m_.Celerite, m_.Freq));
    legende(controle("Label32"), LegendeLabel32(m_.AmplSoliton));
    legende(controle("label3"), LegendeLabel3(m_.AmplVib));
    m_.NbOnde = NbOndePour(m_.Freq, m_.Celerite);
    m_.Resonance = ResonancePour(bord, m_.Freq, m_.Celerite);

    const Ton ton = TonPour(m_.Freq, m_.AmplVib, m_.Resonance);
    GenereSon(ton.F, ton.P);
    if (m_.SonActif)
        son_.JoueSon();

    legende(controle("lambda"), LegendeLambda(m_.Celerite, m_.Freq));
    legende(controle("vit"), LegendeVit(m_.Celerite));
    legende(controle("f"), LegendeF(m_.Freq));
}

} // namespace vibralume
