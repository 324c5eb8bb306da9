#pragma once
// Slow motion: a clock that runs at a fraction of the one it reads, so that
// everything timed by it (the model, the vibrator, the oscilloscope) moves
// slower while keeping its meaning in simulated time.

#include "model/Horloge.h"

namespace vibralume {

class HorlogeRalentie : public Horloge {
public:
    explicit HorlogeRalentie(Horloge& source) : source_(source) {}
    /// At the fraction 1 it reads what its source reads.
    double secondes() override;
    /// From now on the time advances at `facteur` times the source's rate,
    /// from where it stands: it never jumps.
    void setFacteur(double facteur);
    double facteur() const { return facteur_; }

private:
    Horloge& source_;
    double facteur_ = 1;
    double depart_ = 0;  ///< this clock's reading at the last change
    double origine_ = 0; ///< the source's reading then
    bool change_ = false;
};

} // namespace vibralume
