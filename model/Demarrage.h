#pragma once
// The model's share of the main window's start-up.

#include "model/Module1.h"

namespace vibralume {

/// Start values: time base 200 ms, time origin at midnight, sweep 2 s, short
/// pulse, slices at rest at i/2 cm. The refresh, the drawings and the seeding
/// of the generator remain the window's.
void Demarrage(Module1& m);

/// Every displacement back to 0, as choosing a standing wave does.
void AnnuleElongations(Module1& m);

} // namespace vibralume
