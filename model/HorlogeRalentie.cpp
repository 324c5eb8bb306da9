#include "model/HorlogeRalentie.h"

namespace vibralume {

double HorlogeRalentie::secondes() {
    const double source = source_.secondes();
    return change_ ? depart_ + facteur_ * (source - origine_) : source;
}

void HorlogeRalentie::setFacteur(double facteur) {
    if (facteur == facteur_ || !(facteur > 0))
        return;
    depart_ = secondes();
    origine_ = source_.secondes();
    facteur_ = facteur;
    change_ = true;
}

} // namespace vibralume
