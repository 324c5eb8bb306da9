#include "model/HorlogeContinue.h"

#include "model/Constantes.h"

namespace vibralume {

double HorlogeContinue::secondes() {
    const double brute = source_.secondes();
    // Half a day tells midnight from a small step back of the system clock.
    if (dejaLue_ && brute < precedente_ - SecondesParJour / 2) {
        decalage_ += SecondesParJour;
    }
    precedente_ = brute;
    dejaLue_ = true;
    return brute + decalage_;
}

} // namespace vibralume
