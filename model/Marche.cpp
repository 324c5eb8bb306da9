#include "model/Marche.h"

#include "model/Mesure.h"

#include <cstdint>
#include <limits>

namespace vibralume {

void Pause(Module1& m) {
    m.TempsPause = m.TempsMs / 1000.0;
}

void Reprise(Module1& m, Horloge& horloge) {
    m.TempsDepart = horloge.secondes() - m.TempsPause;
}

void PasAPas(Module1& m) {
    m.TempsPrec = PositionBalayage(m.TempsMs, m.DureeBalayage);
    int64_t t = static_cast<int64_t>(m.TempsMs) + 25;
    if (t > std::numeric_limits<int32_t>::max()) {
        // Same remedy as the tick's after some 24 days: a whole day back.
        t -= MillisecondesParJour;
        m.DebutSoliton -= SecondesParJour;
    }
    m.TempsMs = static_cast<int32_t>(t);
    m.TempsPause = m.TempsMs / 1000.0;
}

void LanceSoliton(Module1& m, Horloge& horloge) {
    // From the clock, not from TempsMs: during a pause the departure lies
    // further ahead by the time already spent paused.
    m.DebutSoliton = horloge.secondes() + 0.25 - m.TempsDepart;
}

} // namespace vibralume
