#include "model/Sech.h"

#include <cmath>

namespace vibralume {

double Sech(double x) {
    // The cut-off is symmetric: a pulse launched during a long pause gives
    // arguments far below -700, where exp(-x) would overflow to infinity.
    if (!(std::fabs(x) < 50)) {
        return 0;
    }
    return 2 / (std::exp(-x) + std::exp(x));
}

} // namespace vibralume
