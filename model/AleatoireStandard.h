#pragma once
// The real pseudo-random generator.

#include "model/Horloge.h"

#include <random>

namespace vibralume {

/// Uniform numbers in [0, 1); the same sequence at every start until seeded.
class AleatoireStandard : public Aleatoire {
public:
    double suivant() override;
    void amorcer(double graine) override;

private:
    std::mt19937_64 generateur_{}; // fixed default seed
};

} // namespace vibralume
