#include "model/HorlogeContinue.h"

namespace vibralume {

namespace {
constexpr double Journee = 86400;
} // namespace

double HorlogeContinue::secondes() {
    const double brute = source_.secondes();
    // Half a day tells midnight from a small step back of the system clock.
    if (dejaLue_ && brute < precedente_ - Journee / 2) {
        decalage_ += Journee;
    }
    precedente_ = brute;
    dejaLue_ = true;
    return brute + decalage_;
}

} // namespace vibralume
