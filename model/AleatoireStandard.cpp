#include "model/AleatoireStandard.h"

#include <bit>
#include <cstdint>

namespace vibralume {

double AleatoireStandard::suivant() {
    // The top 53 bits scaled by 2^-53: never 1, whatever the library's
    // distributions would do.
    return static_cast<double>(generateur_() >> 11) * 0x1.0p-53;
}

void AleatoireStandard::amorcer(double graine) {
    // Every bit of the clock reading counts, fraction included.
    generateur_.seed(std::bit_cast<uint64_t>(graine));
}

} // namespace vibralume
