#include "model/EcouteCapteur.h"

#include "model/Mesure.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vibralume {

namespace {

/// Never asked for: only the particles' places draw numbers, and they are not laid out here.
class SansHasard : public Aleatoire {
public:
    double suivant() override { return 0; }
    void amorcer(double) override {}
};

} // namespace

double AmplitudePression(const Module1& m, const EntreesTick& e, float x) {
    if (!(m.Freq > 0))
        return 0;
    EntreesTick sansParticules = e;
    sansParticules.modeleVisible = false;
    SansHasard hasard;
    Module1 instant = m;
    const double periodeMs = 1000 / m.Freq;
    double bas = std::numeric_limits<double>::infinity();
    double haut = -bas;
    for (int k = 0; k < EchantillonsParPeriode; ++k) {
        instant.TempsMs = static_cast<int32_t>(
            std::nearbyint(m.TempsMs - k * periodeMs / EchantillonsParPeriode));
        CalculeTranches(instant, sansParticules, hasard);
        const double niveau = PressionCapteur(instant, x);
        bas = std::min(bas, niveau);
        haut = std::max(haut, niveau);
    }
    return (haut - bas) / 2;
}

double GainPression(double amplitude) {
    const double relative = std::clamp(amplitude / AmplitudePleine, 0.0, 1.0);
    return relative * relative;
}

} // namespace vibralume
