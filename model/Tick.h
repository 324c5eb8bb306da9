#pragma once
// Arithmetic of the timer tick: the simulated time from the clock, the
// displacement of every slice from a closed-form wave, and the particle layout.

#include "model/Horloge.h"
#include "model/Module1.h"

namespace vibralume {

/// What the tick reads from the window's controls.
struct EntreesTick {
    bool progressive = true;    ///< `OndeProgressive` selected (else a standing wave)
    bool periodique = true;     ///< `OndePeriodique` visible (else the solitary pulse)
    bool amortissement = false; ///< `Amortissement` checked
    bool gaz = true;            ///< `Gaz` selected (else `Solide`)
    bool modeleVisible = false; ///< `ModeleMicro` visible: only then are particles laid out
};

/// Head of a timer tick: `TempsPrec` from the time being left, then `TempsMs` from the clock.
void AvanceTempsHorloge(Module1& m, Horloge& horloge);

/// Recomputes `Elongation` (and `PosX`/`PosY` when the model is shown) for the
/// current `TempsMs`; returns the vibrator abscissa for `DessineVibreur`.
double CalculeTranches(Module1& m, const EntreesTick& e, Aleatoire& alea);

/// Periodic progressive displacement of slice i, optionally damped over 50 cm.
double ElongationPeriodique(const Module1& m, int i, bool amorti);

/// Solitary pulse displacement of slice i, optionally damped over 25 cm.
double ElongationSolitaire(const Module1& m, int i, bool amorti);

/// Standing displacement of slice i, given c = cos(omega t).
double ElongationStationnaire(const Module1& m, int i, double c);

/// Lattice position of the 10 particles of slice i, plus the gas agitation
/// (r1 then r2 per particle, in row order).
void PlaceParticules(Module1& m, int i, bool gaz, Aleatoire& alea);

/// Drawn vibrator abscissa: the plate follows slice 1 in a progressive wave,
/// a tenth of it in a standing one.
double AbscisseVibreur(const Module1& m, bool progressive);

/// Left and right edges (cm) of the vibrator's plate in the model view of a
/// progressive wave: 0.03 cm wide, 0.14 cm left of slice 1's particles at rest.
struct Plaque {
    double gauche = 0;
    double droite = 0;
};
Plaque PlaqueVibreur(const Module1& m);

} // namespace vibralume
