#pragma once
// A clock that does not wrap at midnight.

#include "model/Horloge.h"

namespace vibralume {

/// Wraps a seconds-since-midnight clock and adds a day each time its reading
/// jumps back by more than half a day, so simulated time never jumps back.
class HorlogeContinue : public Horloge {
public:
    explicit HorlogeContinue(Horloge& source) : source_(source) {}
    double secondes() override;

private:
    Horloge& source_;
    double precedente_ = 0;
    double decalage_ = 0;
    bool dejaLue_ = false;
};

} // namespace vibralume
