#pragma once
// A lesson taken from the window, or put into it. Put through the same
// handlers as a pupil's clicks, in an order where each control can take its
// value (the boundary before the amplitude's cap, the model before the
// oscilloscope over it), so that controls, model and sound agree.

#include "model/Lecon.h"

namespace vibralume {

class OS;
class Ralenti;

class EtatLecon {
public:
    /// `ralenti` may be null: the pace is then left as it is.
    EtatLecon(OS& os, Ralenti* ralenti) : os_(os), ralenti_(ralenti) {}

    /// What the window is set to now, with no title and no instructions.
    Lecon lis() const;
    /// Sets the window to `lecon`; the run, its time and the listening stay.
    void pose(const Lecon& lecon);

private:
    OS& os_;
    Ralenti* ralenti_;
};

} // namespace vibralume
