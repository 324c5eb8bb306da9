#include "model/Parametres.h"

#include "model/Entiers.h"

#include <cmath>
#include <stdexcept>

namespace vibralume {

namespace {

/// Whole when the double equals its integer part exactly; no tolerance, on purpose.
bool EstEntier(double x) {
    return x == std::floor(x);
}

} // namespace

double DureeBalayagePour(double baseTemps) {
    return baseTemps * 10 / 1000;
}

double FreqPour(int16_t frequence) {
    return frequence / 10.0;
}

double CeleritePour(int16_t v) {
    const int produit = v * 5;
    if (produit < INT16_MIN || produit > INT16_MAX) {
        throw std::overflow_error("Celerite: 16-bit product out of range");
    }
    return static_cast<int16_t>(produit);
}

Marqueurs MajAmplitudes(Module1& m, bool solitaireVisible, Bord bord, int16_t amplitude,
                        int16_t amplitudeSoliton) {
    if (solitaireVisible) {
        m.AmplSoliton = amplitudeSoliton / 10.0;
        // The pulse only pushes forward: both markers mark its farthest reach.
        return {AbscisseVib0 + m.AmplSoliton, AbscisseVib0 + m.AmplSoliton};
    }
    // A standing wave is ten times taller than the vibration that drives it.
    m.AmplVib = bord == Bord::Progressive ? amplitude / 10.0 : amplitude / 100.0;
    return {AbscisseVib0 - m.AmplVib, AbscisseVib0 + m.AmplVib};
}

int16_t AmplitudeMax(double celerite, double freq) {
    const auto maximum = EnInt16(celerite * 5 / (freq * 4));
    if (!maximum) {
        throw std::overflow_error("Amplitude maximum out of the 16-bit range");
    }
    return *maximum;
}

double NbOndePour(double freq, double celerite) {
    return freq * DeuxPi / celerite;
}

bool ResonancePour(Bord bord, double freq, double celerite) {
    const double a = freq * 30 / celerite;
    const double b = freq * 60 / celerite;
    switch (bord) {
    case Bord::OuvertOuvert:
        return EstEntier(a);
    case Bord::OuvertFerme:
        return EstEntier(b) && !EstEntier(a);
    case Bord::Progressive:
        break;
    }
    return false;
}

Ton TonPour(double freq, double amplVib, bool resonance) {
    const double crete = resonance ? amplVib * 327670 / 5 : amplVib * 32767 / 5;
    const auto p = EnInt32(crete);
    if (!p) {
        throw std::overflow_error("Tone peak out of the 32-bit range");
    }
    return {freq * 1000, *p};
}

} // namespace vibralume
