#pragma once
// What the pupil reads off the model: the sensors' pressure, the oscilloscope's
// sweep position, and the highlighted group of slices.

#include "model/Module1.h"

#include <cstdint>
#include <optional>

namespace vibralume {

/// Position (s, 0 to D) within a sweep of D seconds at the simulated time tempsMs.
double PositionBalayage(double tempsMs, double dureeBalayage);

/// The first of the two slices a sensor at abscissa x (cm) reads, or
/// nothing where it reads outside the medium.
std::optional<int16_t> PremiereTrancheCapteur(float x);

/// Sensor level (oscilloscope units, 3 = rest) at the abscissa x (cm):
/// 4 outside the medium, below 3 in a compression.
double PressionCapteur(const Module1& m, float x);

/// Level of the oscilloscope's middle line: the pressure at rest.
inline constexpr double NiveauRepos = 3;

/// What a sensor at abscissa x (cm) shows: its pressure, or the middle line
/// while the vibrator stands still (no frequency yet), whatever
/// displacements remain in the slices.
double NiveauCapteur(const Module1& m, float x);

/// One segment of a sensor's trace, in oscilloscope divisions, as a tick adds it.
struct SegmentTrace {
    int16_t capteur = 0;     ///< 1 or 2: whose trace, and so its colour
    bool recommence = false; ///< the sweep started again: wipe the screen and redraw the grid first
    double x1 = 0, y1 = 0;   ///< from the previous sample
    double x2 = 0, y2 = 0;   ///< to the level read now
};

/// Sensor n's next segment (n = 1 or 2), to the level read now at abscissa
/// xCapteur (cm); keeps in `PressionPrec` and `TempsPrec` where the next one
/// starts. The first sensor to see the sweep start again restarts it.
SegmentTrace SegmentCapteur(Module1& m, int16_t n, float xCapteur);

/// Mouse buttons as the model view reports them.
inline constexpr int BoutonGauche = 1;
inline constexpr int BoutonDroit = 2;

/// `TrancheColoree` after a mouse-up at abscissa x (cm) with the given button:
/// the centre of five slices within 1..49, or 0 for none.
int16_t TrancheColoreeApresClic(int16_t actuelle, int bouton, float x);

/// `TrancheColoree` moved by `pas` slices from the keyboard: stopped at 3 and
/// 47, the ends of the medium; with none highlighted, the middle of the medium.
int16_t TrancheColoreeDeplacee(int16_t actuelle, int pas);

} // namespace vibralume
