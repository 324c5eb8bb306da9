// The parameter display refresh: the pupil's choices become the model's
// parameters, the captions, the amplitude markers and the tone.

#include "model/Legendes.h"
#include "model/Parametres.h"
#include "model/TexteNombre.h"
#include "ui/simulation/OS.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QScrollBar>

namespace vibralume {

namespace {

// The numbers as the model writes them; the words around them are the
// interface's own.
QString nombre(const std::string& texte) {
    return QString::fromStdString(texte);
}

} // namespace

void OS::MajAffichage() {
    c_.ModeleMicro->Cls();
    const Derives d = choix_.majParametres();
    c_.Vib0->setX(AbscisseVib0, AbscisseVib0);
    c_.Vib_AmplG->setX(d.marques.gauche, d.marques.gauche);
    c_.Vib_AmplD->setX(d.marques.droite, d.marques.droite);

    c_.Label2->setText(
        tr("fréquence : %1Hz").arg(nombre(NombreLabel2(choix_.valeurs().frequence))));
    c_.Label23->setText(QStringLiteral("v=%1cm/s").arg(nombre(TexteNombre(m_.Celerite))));
    // A cap below the amplitude brings the bar down, and that change runs
    // this refresh again before the rest of this one: what follows reads
    // the state that inner refresh left.
    choix_.amplitudeMax(d.amplitudeMax);
    c_.Amplitude->setMaximum(d.amplitudeMax);
    c_.Label32->setText(tr("Amplitude du soliton : %1cm").arg(nombre(TexteNombre(m_.AmplSoliton))));
    c_.label3->setText(tr("Amplitude : %1cm").arg(nombre(NombreLabel3(m_.AmplVib))));

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
