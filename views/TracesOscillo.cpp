#include "views/TracesOscillo.h"

#include "views/Dessins.h"
#include "views/Oscilloscope.h"
#include "views/PictureBox.h"

namespace vibralume {

namespace {

/// A sweep holds one segment per tick and sensor: at most a few thousand,
/// twenty thousand at a tenth of real time. Past this many (a clock that
/// stands still while the timer runs), segments are drawn but not kept.
constexpr std::size_t SegmentsMax = 200'000;

} // namespace

void TracesOscillo::trace(PictureBox& oscillo, const SegmentTrace& segment) {
    if (segment.recommence)
        segments_.clear(); // keeps its room: the next sweeps need no allocation
    if (segments_.size() < SegmentsMax)
        segments_.push_back(segment);
    TraceSegment(oscillo, segment);
}

void TracesOscillo::oublie() {
    segments_.clear();
}

void TracesOscillo::retrace(PictureBox& oscillo) const {
    oscillo.Cls();
    AfficheQuadrillage(oscillo);
    for (SegmentTrace segment : segments_) {
        // The wipe that started the sweep is done above.
        segment.recommence = false;
        TraceSegment(oscillo, segment);
    }
}

} // namespace vibralume
