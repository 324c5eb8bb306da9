#pragma once
// A lesson taken from the window, or put into it. Put through the same
// handlers as a pupil's clicks, in an order where each control can take its
// value (the boundary before the amplitude's cap, the model before the
// oscilloscope over it), so that controls, model and sound agree.

#include "model/Lecon.h"

namespace vibralume {

class Curseurs;
class OS;
class Ralenti;

class EtatLecon {
public:
    /// `ralenti` and `curseurs` may be null: the pace, or the cursors'
    /// drawing and readout, then follow by themselves or not at all.
    EtatLecon(OS& os, Ralenti* ralenti, Curseurs* curseurs)
        : os_(os), ralenti_(ralenti), curseurs_(curseurs) {}

    /// What the window is set to now, with no title and no instructions.
    Lecon lis() const;
    /// Sets the window to `lecon`; the run, its time and the listening stay.
    void pose(const Lecon& lecon);

private:
    OS& os_;
    Ralenti* ralenti_;
    Curseurs* curseurs_;
};

} // namespace vibralume
