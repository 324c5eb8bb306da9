#include "ui/classe/Volume.h"

#include <algorithm>

namespace vibralume {

Volume::Volume(std::function<void(double)> appliqueGain, int pourcent, bool muet, QObject* parent)
    : QObject(parent), appliqueGain_(std::move(appliqueGain)),
      pourcent_(std::clamp(pourcent, 0, 100)), muet_(muet) {
    applique();
}

double Volume::gain() const {
    if (muet_)
        return 0;
    const double v = pourcent_ / 100.0;
    return v * v * v;
}

void Volume::setPourcent(int pourcent) {
    pourcent = std::clamp(pourcent, 0, 100);
    // Changing the volume is wanting to hear it.
    const bool changeMuet = muet_ && pourcent != pourcent_;
    if (pourcent == pourcent_ && !changeMuet)
        return;
    pourcent_ = pourcent;
    muet_ = muet_ && !changeMuet;
    applique();
}

void Volume::plus() {
    setPourcent((pourcent_ / Pas + 1) * Pas);
}

void Volume::moins() {
    setPourcent((pourcent_ + Pas - 1) / Pas * Pas - Pas);
}

void Volume::setMuet(bool muet) {
    if (muet == muet_)
        return;
    muet_ = muet;
    applique();
}

void Volume::applique() {
    if (appliqueGain_)
        appliqueGain_(gain());
    emit change(pourcent_, muet_);
}

} // namespace vibralume
