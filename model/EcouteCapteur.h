#pragma once
// Listening at a sensor: how loud the tone is where sensor 1 stands. The
// loudness follows the swing of the pressure there over the vibrator's last
// period: full at a pressure antinode of a standing wave, nothing at a node,
// a swell as a pulse passes, fading with distance when the wave is damped.

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

/// A swing of this many oscilloscope divisions or more is heard at full loudness.
inline constexpr double AmplitudePleine = 1.0;

/// The output's gain for a swing: as its square, as the sound's intensity
/// goes, at most 1. A sensor reads a pair of slices, never exactly a node:
/// the square makes the pairs about a node as quiet as a node should be.
double GainPression(double amplitude);

} // namespace vibralume
