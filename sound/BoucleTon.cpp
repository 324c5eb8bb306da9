#include "sound/BoucleTon.h"

#include <algorithm>
#include <cstring>

namespace vibralume {

void BoucleTon::remplace(std::vector<int16_t> echantillons) {
    echantillons_ = std::move(echantillons);
    position_ = 0;
}

std::size_t BoucleTon::lis(char* destination, std::size_t octets) {
    if (echantillons_.empty()) {
        return 0;
    }
    // Whole samples only, so that the loop never shifts by a byte.
    const std::size_t voulus = octets / sizeof(int16_t);
    std::size_t donnes = 0;
    while (donnes < voulus) {
        const std::size_t morceau = std::min(voulus - donnes, echantillons_.size() - position_);
        std::memcpy(destination + donnes * sizeof(int16_t), echantillons_.data() + position_,
                    morceau * sizeof(int16_t));
        donnes += morceau;
        position_ = (position_ + morceau) % echantillons_.size();
    }
    return donnes * sizeof(int16_t);
}

} // namespace vibralume
