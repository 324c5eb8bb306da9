#pragma once
// The sensors' traces of the sweep on the oscilloscope screen, kept in
// divisions as the ticks hand them over, so that the screen can be made
// again at another size (a zoom, full screen) with what the class saw.

#include "model/Mesure.h"

#include <cstddef>
#include <vector>

namespace vibralume {

class PictureBox;

class TracesOscillo {
public:
    /// Draws `segment` as TraceSegment does and keeps it; the first segment
    /// of a new sweep wipes the screen and what was kept.
    void trace(PictureBox& oscillo, const SegmentTrace& segment);
    /// The screen was wiped by other means (a new time base): nothing to keep.
    void oublie();
    /// The screen at its present scale: wiped, the grid, then every segment kept.
    void retrace(PictureBox& oscillo) const;
    /// How many segments are kept.
    std::size_t nombre() const { return segments_.size(); }

private:
    std::vector<SegmentTrace> segments_;
};

} // namespace vibralume
