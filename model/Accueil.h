#pragma once
// Arithmetic of the home page's animated band of dots.

#include "model/Module1.h"

#include <vector>

namespace vibralume {

/// Wave number of the home page's band, set when the home page loads.
void ChargeAccueil(Module1& m);

/// One frame: `TempsMs` advances 10 ms; returns the left abscissas of the
/// columns, crowded where the wave compresses, the last one at 100 or beyond.
std::vector<double> ColonnesAccueil(Module1& m);

} // namespace vibralume
