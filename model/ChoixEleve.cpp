#include "model/ChoixEleve.h"

#include <algorithm>

namespace vibralume {

void Choix::vibration(Vibration v) {
    c_.vibration = v;
    // The pulses travel on the medium with no boundary.
    if (v == Vibration::Solitaire)
        c_.bord = Bord::Progressive;
}

void Choix::bord(Bord b) {
    if (c_.vibration == Vibration::Solitaire && b != Bord::Progressive)
        return;
    c_.bord = b;
}

void Choix::amplitude(int16_t valeur) {
    c_.amplitude = std::clamp<int16_t>(valeur, 0, std::max<int16_t>(c_.amplitudeMax, 0));
}

void Choix::amplitudeMax(int16_t maximum) {
    c_.amplitudeMax = maximum;
    amplitude(c_.amplitude);
}

void Choix::capteur(int n, bool actif) {
    if (n < 1 || n > 2)
        return;
    c_.capteurs[std::size_t(n - 1)].actif = actif;
    if (n == 1 && !actif)
        c_.ecouteAuCapteur = false;
}

void Choix::placeCapteur(int n, double x, double y) {
    if (n < 1 || n > 2)
        return;
    Capteur& k = c_.capteurs[std::size_t(n - 1)];
    k.x = x;
    k.y = y;
}

void Choix::baseTemps(int16_t index) {
    if (index < 0 || index >= int16_t(BasesTemps.size()))
        return;
    c_.indexBaseTemps = index;
    m_.BaseTemps = BasesTemps[std::size_t(index)];
}

void Choix::modele(bool ouvert) {
    c_.modeleOuvert = ouvert;
    if (!ouvert)
        c_.oscilloscopeOuvert = false;
}

void Choix::oscilloscope(bool ouvert) {
    c_.oscilloscopeOuvert = ouvert && c_.modeleOuvert;
}

void Choix::son(bool actif) {
    m_.SonActif = actif;
    if (!actif)
        c_.ecouteAuCapteur = false;
}

void Choix::ecouteAuCapteur(bool oui) {
    c_.ecouteAuCapteur = oui && m_.SonActif && c_.capteurs[0].actif;
}

EntreesTick Choix::entreesTick() const {
    EntreesTick e;
    e.progressive = c_.bord == Bord::Progressive;
    e.periodique = c_.vibration == Vibration::Periodique;
    e.amortissement = c_.amortissement;
    e.gaz = c_.milieu == EtatMilieu::Gaz;
    e.modeleVisible = c_.modeleOuvert;
    return e;
}

Marqueurs Choix::majParametres() {
    m_.DureeBalayage = DureeBalayagePour(m_.BaseTemps);
    m_.Freq = FreqPour(c_.frequence);
    m_.Celerite = CeleritePour(c_.vitesse);
    const Marqueurs marques = MajAmplitudes(m_, c_.vibration == Vibration::Solitaire, c_.bord,
                                            c_.amplitude, c_.amplitudeSoliton);
    m_.NbOnde = NbOndePour(m_.Freq, m_.Celerite);
    m_.Resonance = ResonancePour(c_.bord, m_.Freq, m_.Celerite);
    return marques;
}

} // namespace vibralume
