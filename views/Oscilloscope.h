#pragma once
// The oscilloscope's traces: one segment per visible sensor and tick, the
// screen wiped at the start of every sweep.

#include "model/Module1.h"

#include <cstdint>

namespace vibralume {

class PictureBox;

/// Adds sensor n's segment (n = 1 or 2) from the previous sample to the level
/// read now at abscissa xCapteur (cm); wipes the screen and redraws the grid
/// when the sweep has started again.
void TraceCapteur(PictureBox& oscillo, Module1& m, int16_t n, float xCapteur);

} // namespace vibralume
