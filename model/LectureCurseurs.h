#pragma once
// What the oscilloscope's measuring cursors read: the time and the level
// between them, the frequency whose period that time would be, and, with
// both sensors on, the distance between the places the sensors read and the
// speed of a wave that takes that time to go from one to the other.

#include "model/ChoixEleve.h"

#include <optional>

namespace vibralume {

/// What the cursors read; a value the numbers do not give is left out.
struct LectureCurseurs {
    double dtMs = 0;                        ///< between the time cursors, never negative
    std::optional<double> frequenceHz;      ///< 1/Δt; none while Δt is 0
    double dNiveaux = 0;                    ///< between the level cursors (divisions)
    std::optional<double> distanceCm;       ///< between the sensors' reading places
    std::optional<double> celeriteCmS;      ///< distance / Δt
    std::optional<double> ecartCeleriteCmS; ///< how far one pixel of Δt moves the speed

    bool operator==(const LectureCurseurs&) const = default;
};

/// The time (ms) one pixel of the screen stands for, at `baseTempsMs` per
/// division and `pixelsParDivision` across.
double MsParPixel(double baseTempsMs, double pixelsParDivision);

/// How far apart sensors 1 and 2 read (cm, never negative): where the traces
/// differ by the wave's travel. None unless both are on and read inside the medium.
std::optional<double> DistanceCapteurs(const ValeursChoix& v);

/// The cursors `c` read on a time base of `baseTempsMs` per division, the
/// sensors `distanceCm` apart, one pixel being `pixelMs`.
LectureCurseurs LitCurseurs(const CurseursMesure& c, double baseTempsMs,
                            std::optional<double> distanceCm, double pixelMs);

} // namespace vibralume
