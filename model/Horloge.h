#pragma once
// The two outside sources of the simulation, injected so that every tick can
// be reproduced in a test.

namespace vibralume {

/// The clock: seconds since midnight, with a fraction.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual double secondes() = 0;
};

/// The pseudo-random generator: the next number in [0, 1).
class Aleatoire {
public:
    virtual ~Aleatoire() = default;
    virtual double suivant() = 0;
    /// Seeds the generator from a clock reading.
    virtual void amorcer(double graine) = 0;
};

} // namespace vibralume
