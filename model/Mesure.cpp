#include "model/Mesure.h"

#include "model/Entiers.h"

#include <algorithm>
#include <cmath>

namespace vibralume {

double PositionBalayage(double tempsMs, double dureeBalayage) {
    const double q = tempsMs / (dureeBalayage * 1000);
    return (q - std::floor(q)) * dureeBalayage;
}

std::optional<int16_t> PremiereTrancheCapteur(float x) {
    // The integer part is taken before doubling, so a sensor reads the pair of
    // slices starting at an even one. A NaN or absurd abscissa reads as outside.
    const auto a = EnInt16(2 * std::floor(static_cast<double>(x) - 1));
    if (!a || *a < 1 || *a > NbTranches - 1) {
        return std::nullopt;
    }
    return a;
}

double PressionCapteur(const Module1& m, float x) {
    const auto a = PremiereTrancheCapteur(x);
    if (!a) {
        return 4;
    }
    return (m.Elongation[*a + 1] - m.Elongation[*a]) * 2 + 3;
}

double NiveauCapteur(const Module1& m, float x) {
    return m.Freq == 0 ? NiveauRepos : PressionCapteur(m, x);
}

SegmentTrace SegmentCapteur(Module1& m, int16_t n, float xCapteur) {
    const double D = m.DureeBalayage;
    const double s = PositionBalayage(m.TempsMs, D);
    const double y = NiveauCapteur(m, xCapteur);
    SegmentTrace segment;
    segment.capteur = n;
    if (s < m.TempsPrec) {
        // Only the first sensor to notice the new sweep restarts it; the
        // other one then draws from its old level at the new abscissa.
        segment.recommence = true;
        m.PressionPrec[n] = y;
        m.TempsPrec = s;
    }
    segment.x1 = m.TempsPrec * 10 / D;
    segment.y1 = m.PressionPrec[n];
    segment.x2 = s * 10 / D;
    segment.y2 = y;
    m.PressionPrec[n] = y;
    return segment;
}

namespace {
/// The centres a group of five slices can have inside slices 1 to 49.
constexpr int16_t TrancheColoreeMin = 3;
constexpr int16_t TrancheColoreeMax = 47;
} // namespace

int16_t TrancheColoreeApresClic(int16_t actuelle, int bouton, float x) {
    int16_t tranche = actuelle;
    if (bouton == BoutonGauche) {
        tranche = EnInt16(std::floor(2 * static_cast<double>(x)) - 2).value_or(0);
    } else if (bouton == BoutonDroit) {
        tranche = 0;
    }
    // Keeps the five slices tranche-2 .. tranche+2 inside 1..49.
    if (tranche > TrancheColoreeMax || tranche < TrancheColoreeMin) {
        tranche = 0;
    }
    return tranche;
}

int16_t TrancheColoreeDeplacee(int16_t actuelle, int pas) {
    if (actuelle == 0)
        return int16_t(NbTranches / 2);
    return int16_t(std::clamp(actuelle + pas, int(TrancheColoreeMin), int(TrancheColoreeMax)));
}

} // namespace vibralume
