#include "model/LectureCurseurs.h"

#include "model/LeLongDuMilieu.h"
#include "model/Mesure.h"

#include <cmath>

namespace vibralume {

double MsParPixel(double baseTempsMs, double pixelsParDivision) {
    return pixelsParDivision > 0 ? baseTempsMs / pixelsParDivision : 0;
}

std::optional<double> DistanceCapteurs(const ValeursChoix& v) {
    const Capteur& c1 = v.capteurs[0];
    const Capteur& c2 = v.capteurs[1];
    // The reading takes the marker's abscissa as the tick does, a float.
    const auto x1 = static_cast<float>(c1.x);
    const auto x2 = static_cast<float>(c2.x);
    if (!c1.actif || !c2.actif || !PremiereTrancheCapteur(x1) || !PremiereTrancheCapteur(x2))
        return std::nullopt;
    return std::abs(AbscisseLecture(x2) - AbscisseLecture(x1));
}

LectureCurseurs LitCurseurs(const CurseursMesure& c, double baseTempsMs,
                            std::optional<double> distanceCm, double pixelMs) {
    LectureCurseurs l;
    l.dtMs = std::abs(c.temps[1] - c.temps[0]) * baseTempsMs;
    l.dNiveaux = std::abs(c.niveaux[1] - c.niveaux[0]);
    l.distanceCm = distanceCm;
    if (!(l.dtMs > 0))
        return l;
    l.frequenceHz = 1000 / l.dtMs;
    if (!distanceCm)
        return l;
    const double dt = l.dtMs / 1000;
    l.celeriteCmS = *distanceCm / dt;
    // The shorter time is the farther off: Δt one pixel too long gives
    // less. Within a pixel of nothing, any speed could be read.
    const double p = pixelMs / 1000;
    if (dt > p)
        l.ecartCeleriteCmS = *distanceCm / (dt - p) - *l.celeriteCmS;
    return l;
}

} // namespace vibralume
