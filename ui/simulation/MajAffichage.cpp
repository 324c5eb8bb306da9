// The parameter display refresh: scroll bars and options become the model's
// parameters, the captions, the amplitude markers and the tone.

#include "model/Legendes.h"
#include "model/Parametres.h"
#include "model/TexteNombre.h"
#include "ui/simulation/OS.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

// The numbers as the model writes them; the words around them are the
// interface's own.
QString nombre(const std::string& texte) {
    return QString::fromStdString(texte);
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

    c_.Label2->setText(
        tr("fréquence : %1Hz").arg(nombre(NombreLabel2(int16_t(c_.frequence->value())))));
    c_.Label23->setText(QStringLiteral("v=%1cm/s").arg(nombre(TexteNombre(m_.Celerite))));
    // A maximum below the value brings the value down, and that change runs
    // this refresh again before the rest of this one.
    c_.Amplitude->setMaximum(AmplitudeMax(m_.Celerite, m_.Freq));
    c_.Label32->setText(tr("Amplitude du soliton : %1cm").arg(nombre(TexteNombre(m_.AmplSoliton))));
    c_.label3->setText(tr("Amplitude : %1cm").arg(nombre(NombreLabel3(m_.AmplVib))));
    m_.NbOnde = NbOndePour(m_.Freq, m_.Celerite);
    m_.Resonance = ResonancePour(bord, m_.Freq, m_.Celerite);

    // A tone that could not be written has been reported by the sound; the
    // player then stays silent rather than play an older file.
    const Ton ton = TonPour(m_.Freq, m_.AmplVib, m_.Resonance);
    son_.GenereSon(ton.F, ton.P);
    if (m_.SonActif)
        son_.JoueSon();

    c_.lambda->setText(nombre(LegendeLambda(m_.Celerite, m_.Freq)));
    c_.vit->setText(nombre(LegendeVit(m_.Celerite)));
    c_.f->setText(nombre(LegendeF(m_.Freq)));
}

} // namespace vibralume
