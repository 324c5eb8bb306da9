#pragma once
// The real clock.

#include "model/Horloge.h"

namespace vibralume {

/// Local time of day in seconds since midnight, with its fraction.
class HorlogeSysteme : public Horloge {
public:
    double secondes() override;
};

} // namespace vibralume
