#include "model/ChoixEleve.h"

#include <algorithm>

namespace vibralume {

void ChoixEleve::vibration(Vibration v) {
    c_.vibration = v;
    if (v == Vibration::Solitaire && c_.bord != Bord::Progressive)
        bord(Bord::Progressive);
}

void ChoixEleve::bord(Bord b) {
    c_.bord = b;
    amplitudeMax(b == Bord::Progressive ? AmplitudeMaxProgressive : AmplitudeMaxStationnaire);
}

void ChoixEleve::frequence(int16_t valeur) {
    c_.frequence = std::clamp(valeur, FrequenceMin, FrequenceMax);
}

void ChoixEleve::vitesse(int16_t valeur) {
    c_.vitesse = std::clamp(valeur, VitesseMin, VitesseMax);
}

void ChoixEleve::amplitude(int16_t valeur) {
    c_.amplitude = std::clamp<int16_t>(valeur, 0, std::max<int16_t>(c_.amplitudeMax, 0));
}

void ChoixEleve::amplitudeMax(int16_t maximum) {
    c_.amplitudeMax = maximum;
    amplitude(c_.amplitude);
}

void ChoixEleve::amplitudeSoliton(int16_t valeur) {
    c_.amplitudeSoliton = std::clamp<int16_t>(valeur, 0, AmplitudeSolitonMax);
}

void ChoixEleve::capteur(int n, bool actif) {
    if (n < 1 || n > 2)
        return;
    c_.capteurs[std::size_t(n - 1)].actif = actif;
    if (n == 1 && !actif)
        c_.ecouteAuCapteur = false;
}

void ChoixEleve::placeCapteur(int n, double x, double y) {
    if (n < 1 || n > 2)
        return;
    Capteur& k = c_.capteurs[std::size_t(n - 1)];
    k.x = x;
    k.y = y;
}

void ChoixEleve::baseTemps(int16_t index) {
    if (index < 0 || index >= int16_t(BasesTemps.size()))
        return;
    c_.indexBaseTemps = index;
    m_.BaseTemps = BasesTemps[std::size_t(index)];
}

void ChoixEleve::modele(bool ouvert) {
    c_.modeleOuvert = ouvert;
    if (!ouvert)
        c_.oscilloscopeOuvert = false;
}

void ChoixEleve::diviseurTemps(int d) {
    if (std::ranges::find(DiviseursTemps, d) != DiviseursTemps.end())
        c_.diviseurTemps = d;
}

void ChoixEleve::son(bool actif) {
    m_.SonActif = actif;
    if (!actif)
        c_.ecouteAuCapteur = false;
}

void ChoixEleve::curseurs(const CurseursMesure& c) {
    c_.curseurs.visibles = c.visibles;
    for (std::size_t i = 0; i < 2; ++i) {
        c_.curseurs.temps[i] = std::clamp(c.temps[i], 0.0, CurseurTempsMax);
        c_.curseurs.niveaux[i] = std::clamp(c.niveaux[i], 0.0, CurseurNiveauMax);
    }
}

void ChoixEleve::ecouteAuCapteur(bool oui) {
    c_.ecouteAuCapteur = oui && c_.capteurs[0].actif;
}

EntreesTick ChoixEleve::entreesTick() const {
    EntreesTick e;
    e.progressive = c_.bord == Bord::Progressive;
    e.periodique = !solitaire();
    e.amortissement = c_.amortissement;
    e.gaz = c_.milieu == EtatMilieu::Gaz;
    e.modeleVisible = c_.modeleOuvert;
    return e;
}

// Freq and Celerite first, since the amplitudes' cap, the wave number and
// the resonance are made from them.
Derives ChoixEleve::majParametres() {
    Derives d;
    m_.DureeBalayage = DureeBalayagePour(m_.BaseTemps);
    m_.Freq = FreqPour(c_.frequence);
    m_.Celerite = CeleritePour(c_.vitesse);
    d.marques = MajAmplitudes(m_, solitaire(), c_.bord, c_.amplitude, c_.amplitudeSoliton);
    d.amplitudeMax = AmplitudeMax(m_.Celerite, m_.Freq);
    m_.NbOnde = NbOndePour(m_.Freq, m_.Celerite);
    m_.Resonance = ResonancePour(c_.bord, m_.Freq, m_.Celerite);
    return d;
}

} // namespace vibralume
