#pragma once
// The oscilloscope screen: its scale, and the sensors' traces drawn segment
// by segment as the model hands them over.

#include "model/Mesure.h"

namespace vibralume {

class PictureBox;

/// One division of the oscilloscope screen, in twips across and down.
inline constexpr double TwipsParDivisionX = 567.2;
inline constexpr double TwipsParDivisionY = 578.0;

/// Draws one segment of a sensor's trace, 3 pixels wide in the sensor's
/// colour, after wiping the screen and redrawing the grid when the sweep has
/// started again.
void TraceSegment(PictureBox& oscillo, const SegmentTrace& segment);

} // namespace vibralume
