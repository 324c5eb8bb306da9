#include "model/EcouteCapteur.h"

#include "model/Mesure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vibralume {

namespace {

/// Never asked for: only the particles' places draw numbers, and they are not laid out here.
class SansHasard : public Aleatoire {
public:
    double suivant() override { return 0; }
    void amorcer(double) override {}
};

// Half the peak-to-peak swing of the level at each abscissa of `xs` over the
// window just past: one computation of the slices per instant.
std::vector<double> Balancements(const Module1& m, const EntreesTick& e,
                                 const std::vector<float>& xs) {
    std::vector<double> balancements(xs.size(), 0.0);
    if (e.periodique && !(m.Freq > 0))
        return balancements;
    EntreesTick sansParticules = e;
    sansParticules.modeleVisible = false;
    SansHasard hasard;
    Module1 instant = m;
    // A pulse owes nothing to the periodic panel's frequency.
    const double fenetreMs = e.periodique ? 1000 / m.Freq : FenetreImpulsionMs;
    std::vector<double> bas(xs.size(), std::numeric_limits<double>::infinity());
    std::vector<double> haut(xs.size(), -std::numeric_limits<double>::infinity());
    for (int k = 0; k < EchantillonsParFenetre; ++k) {
        instant.TempsMs = static_cast<int32_t>(
            std::nearbyint(m.TempsMs - k * fenetreMs / EchantillonsParFenetre));
        CalculeTranches(instant, sansParticules, hasard);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const double niveau = PressionCapteur(instant, xs[i]);
            bas[i] = std::min(bas[i], niveau);
            haut[i] = std::max(haut[i], niveau);
        }
    }
    for (std::size_t i = 0; i < xs.size(); ++i)
        balancements[i] = (haut[i] - bas[i]) / 2;
    return balancements;
}

} // namespace

double AmplitudePression(const Module1& m, const EntreesTick& e, float x) {
    return Balancements(m, e, {x})[0];
}

double AmplitudeReference(const Module1& m, const EntreesTick& e) {
    // Every place a sensor reads: the pairs of slices from the 2nd to the 48th.
    std::vector<float> places;
    for (int x = 2; x <= 25; ++x)
        places.push_back(float(x));
    EntreesTick sansAmortissement = e;
    sansAmortissement.amortissement = false;
    const std::vector<double> b = Balancements(m, sansAmortissement, places);
    return std::max(*std::max_element(b.begin(), b.end()), BalancementAudible);
}

double GainPression(double amplitude, double reference) {
    if (!(reference > 0) || !(amplitude > 0))
        return 0;
    return std::clamp(amplitude / reference, 0.0, 1.0);
}

double GainAuCapteur(const Module1& m, const EntreesTick& e, float x) {
    return GainPression(AmplitudePression(m, e, x), AmplitudeReference(m, e));
}

} // namespace vibralume
