#pragma once
// Time keeping of the run controls: pause, run, step and pulse launch. The
// window enables and disables its timer; these keep the simulated time.

#include "model/Horloge.h"
#include "model/Module1.h"

namespace vibralume {

/// Pause: the simulated time stops at the last tick's value.
void Pause(Module1& m);

/// Run: the time origin moves so that the simulated time continues from the pause.
void Reprise(Module1& m, Horloge& horloge);

/// Step (while paused): exactly 25 ms more; `TempsPrec` keeps the sweep
/// position being left so the oscilloscope draws the segment between them.
void PasAPas(Module1& m);

/// Pulse departure, 0.25 s of simulated time after now as the clock tells it;
/// call after setting `TypeSoliton` and refreshing.
void LanceSoliton(Module1& m, Horloge& horloge);

} // namespace vibralume
