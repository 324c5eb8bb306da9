#pragma once
// Listening at a sensor: how loud the tone is where sensor 1 stands. A
// microphone there gives a signal in proportion to the pressure, so the
// loudness is the swing of the pressure at the sensor against the largest
// swing in the medium: full at a pressure antinode of a standing wave, a
// whisper near a node, a swell as a pulse passes, fading with distance when
// the wave is damped.

#include "model/Module1.h"
#include "model/Tick.h"

namespace vibralume {

/// Instants at which the pressure is read over the window below.
inline constexpr int EchantillonsParFenetre = 16;

/// The window a pulse's swing is read over (ms): long enough for the
/// shortest pulse to pass a sensor, short enough to follow it, whatever the
/// frequency the periodic panel holds.
inline constexpr double FenetreImpulsionMs = 100;

/// Half the peak-to-peak swing of the pressure level (oscilloscope units) at
/// abscissa x (cm) over the window just past: the vibrator's period for the
/// periodic vibration, FenetreImpulsionMs for a pulse. Read from the
/// displacements' formulas, so it answers at once for a sensor just moved.
/// 0 for a periodic vibration without a frequency.
double AmplitudePression(const Module1& m, const EntreesTick& e, float x);

/// A swing (oscilloscope divisions) a fifth of a pixel high on the screen:
/// smaller swings are not heard at full loudness even where they are the
/// largest, so the far tails of a pulse not yet launched stay silent.
inline constexpr double BalancementAudible = 0.005;

/// The largest swing anywhere in the medium over the same window, damping
/// left aside, and at least BalancementAudible: what is heard at full loudness.
double AmplitudeReference(const Module1& m, const EntreesTick& e);

/// The output's gain for a swing against the reference: their ratio, as a
/// microphone's signal follows the pressure, at most 1; 0 when nothing moves.
double GainPression(double amplitude, double reference);

/// The loudness heard at abscissa x (cm): its swing against the reference.
double GainAuCapteur(const Module1& m, const EntreesTick& e, float x);

} // namespace vibralume
