#include "views/Oscilloscope.h"

#include "views/Dessins.h"
#include "views/PictureBox.h"

namespace vibralume {

namespace {

/// Width of a sensor's trace, in pixels.
constexpr int LargeurTrace = 3;

} // namespace

void TraceSegment(PictureBox& oscillo, const SegmentTrace& segment) {
    if (segment.capteur != 1 && segment.capteur != 2)
        return;
    if (segment.recommence) {
        oscillo.Cls();
        AfficheQuadrillage(oscillo);
    }
    oscillo.setDrawWidth(LargeurTrace);
    oscillo.Line(float(segment.x1), float(segment.y1), float(segment.x2), float(segment.y2),
                 segment.capteur == 1 ? CouleurCapteur1 : CouleurCapteur2);
}

} // namespace vibralume
