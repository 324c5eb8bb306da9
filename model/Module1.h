#pragma once
// Program-wide state of the simulation. One instance is owned by the
// application and handed by reference to the windows, the views and the
// sound; nothing here is hidden in globals.

#include "model/Constantes.h"

#include <array>
#include <cstdint>

namespace vibralume {

/// Number of slices of the medium (slice 0 exists but is never used).
inline constexpr int NbTranches = 50;
/// Rows of particles per slice (row 0 exists but is never used).
inline constexpr int NbRangees = 10;

struct Module1 {
    // Parameters, derived from the controls by the display refresh.
    double Freq = 0;          ///< vibrator frequency, Hz
    double Celerite = 0;      ///< propagation speed, cm/s
    double NbOnde = 0;        ///< wave number, rad/cm
    double AmplVib = 0;       ///< periodic vibration amplitude, cm
    double AmplSoliton = 0;   ///< solitary pulse amplitude, cm
    double BaseTemps = 0;     ///< oscilloscope time base, ms per division
    double DureeBalayage = 0; ///< oscilloscope sweep duration, s
    bool Resonance = false;   ///< standing wave at an eigenfrequency
    int16_t TypeSoliton = 0;  ///< 1 short, 2 medium, 3 long pulse
    bool SonActif = false;    ///< listening is on

    // Times.
    int32_t TempsMs = 0;     ///< simulated time, ms
    double TempsDepart = 0;  ///< clock reading at simulated time 0, s
    double TempsPause = 0;   ///< simulated time at the last pause, s
    double DebutSoliton = 0; ///< simulated time the pulse leaves the vibrator, s
    double TempsPrec = 0;    ///< sweep position at the previous sample, s

    // Medium and particles (index 0 unused).
    std::array<double, NbTranches + 1> PosRepos{};   ///< rest abscissa, cm
    std::array<double, NbTranches + 1> Elongation{}; ///< displacement, cm
    std::array<std::array<double, NbRangees + 1>, NbTranches + 1> PosX{};
    std::array<std::array<double, NbRangees + 1>, NbTranches + 1> PosY{};
    int16_t TrancheColoree = 0;           ///< centre of the green group, 0 = none
    std::array<double, 3> PressionPrec{}; ///< last plotted sensor level (1 and 2)
};

} // namespace vibralume
