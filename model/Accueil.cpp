#include "model/Accueil.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vibralume {

namespace {

/// Angular frequency of the band's wave, rad/s: 16 pi to seven decimals, so
/// that the pattern goes through a whole cycle every 12.5 frames of 10 ms.
constexpr double PulsationAccueil = 50.2654824;

} // namespace

void ChargeAccueil(Module1& m) {
    m.NbOnde = DeuxPi / 75;
}

std::vector<double> ColonnesAccueil(Module1& m) {
    if (m.TempsMs > std::numeric_limits<int32_t>::max() - 10) {
        // After weeks on the home page: two million seconds back is a whole
        // number of the pattern's 0.125 s cycles.
        m.TempsMs -= 2'000'000'000;
    }
    m.TempsMs += 10;
    std::vector<double> colonnes;
    double x = 0;
    do {
        const double phi = m.TempsMs * PulsationAccueil / 1000 - m.NbOnde * x;
        x = x + 2.2 + 2 * std::cos(phi);
        colonnes.push_back(x);
        // Columns are at least 0.2 apart, so the band ends; written as
        // "while below" rather than "until at or above", a NaN ends it too.
    } while (x < 100);
    return colonnes;
}

} // namespace vibralume
