#pragma once
// Listening at a sensor: how loud the tone is where sensor 1 stands. The
// loudness follows the swing of the pressure there over the vibrator's last
// period, against the largest swing in the medium: full at a pressure
// antinode of a standing wave, nothing at a node, a swell as a pulse passes,
// fading with distance when the wave is damped.

#include "model/Module1.h"
#include "model/Tick.h"

namespace vibralume {

/// Instants of the last period at which the pressure is read.
inline constexpr int EchantillonsParPeriode = 16;

/// Half the peak-to-peak swing of the pressure level (oscilloscope units) at
/// abscissa x (cm) over the vibrator's period just past, read from the
/// displacements' formulas at that many instants: it answers at once for a
/// sensor just moved. 0 without a frequency.
double AmplitudePression(const Module1& m, const EntreesTick& e, float x);

/// A swing (oscilloscope divisions) a fifth of a pixel high on the screen:
/// smaller swings are not heard at full loudness even where they are the
/// largest, so the far tails of a pulse not yet launched stay silent.
inline constexpr double BalancementAudible = 0.005;

/// The largest swing anywhere in the medium at this moment, damping left
/// aside, and at least BalancementAudible: what is heard at full loudness.
/// At a standing wave's antinode, as near the vibrator, as where a pulse passes.
double AmplitudeReference(const Module1& m, const EntreesTick& e);

/// The output's gain for a swing against the reference: the square of their
/// ratio, as the sound's intensity goes, at most 1; 0 when nothing moves. A
/// sensor reads a pair of slices, never exactly a node: the square makes the
/// pairs about a node as quiet as a node should be.
double GainPression(double amplitude, double reference);

/// The loudness heard at abscissa x (cm): its swing against the reference.
double GainAuCapteur(const Module1& m, const EntreesTick& e, float x);

} // namespace vibralume
