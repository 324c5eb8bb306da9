#pragma once
// The arithmetic of the parameter display refresh: how scroll-bar values and
// option buttons become the model's parameters. Each function is one step, so
// the window's refresh can run them in its own order among the captions.

#include "model/Module1.h"

#include <cstdint>

namespace vibralume {

/// The selected boundary option: `OndeProgressive`, `OndeStationnaire`
/// (open at both ends) or `OndeStationnaire2` (open left, closed right).
enum class Bord { Progressive, OuvertOuvert, OuvertFerme };

/// Abscissas (cm in `Vibreur`) of the amplitude markers `Vib_AmplG` and `Vib_AmplD`.
struct Marqueurs {
    double gauche = 2;
    double droite = 2;
};

/// The tone handed to the synthesis: frequency F (Hz) and peak P.
struct Ton {
    double F = 0;
    int32_t P = 0;
};

/// Abscissa of `Vib0`, the vibrator rod at rest.
inline constexpr double AbscisseVib0 = 2;

/// Sweep duration (s): ten divisions of `baseTemps` ms.
double DureeBalayagePour(double baseTemps);

/// `Freq` (Hz) for a `frequence` scroll value.
double FreqPour(int16_t frequence);

/// `Celerite` (cm/s) for a `v` scroll value, a 16-bit product;
/// throws std::overflow_error when the product leaves int16_t.
double CeleritePour(int16_t v);

/// Sets `AmplVib` (periodic family) or `AmplSoliton` (solitary family shown)
/// and returns where the amplitude markers stand.
Marqueurs MajAmplitudes(Module1& m, bool solitaireVisible, Bord bord, int16_t amplitude,
                        int16_t amplitudeSoliton);

/// Maximum of the `Amplitude` scroll bar, the int16_t nearest to Celerite*5/(Freq*4);
/// throws std::overflow_error when that is no int16_t (a zero `Freq`).
int16_t AmplitudeMax(double celerite, double freq);

/// `NbOnde` (rad/cm).
double NbOndePour(double freq, double celerite);

/// `Resonance`: exact whole-number tests of Freq*30/Celerite and Freq*60/Celerite.
bool ResonancePour(Bord bord, double freq, double celerite);

/// The tone: F = 1000 x Freq and the peak, ten times larger at resonance;
/// throws std::overflow_error when the peak is no int32_t.
Ton TonPour(double freq, double amplVib, bool resonance);

} // namespace vibralume
