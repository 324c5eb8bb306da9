#include "model/Demarrage.h"

namespace vibralume {

void Demarrage(Module1& m) {
    m.BaseTemps = 200;
    m.TempsDepart = 0;
    m.DureeBalayage = 2000.0 / 1000;
    m.TypeSoliton = 1;
    // The refresh reads neither array, so setting them here, before it runs,
    // gives the same state as setting them after it.
    for (int i = 1; i <= NbTranches; ++i) {
        m.PosRepos[i] = static_cast<double>(i * 20) / 40;
    }
    AnnuleElongations(m);
}

void AnnuleElongations(Module1& m) {
    for (int i = 1; i <= NbTranches; ++i) {
        m.Elongation[i] = 0;
    }
}

} // namespace vibralume
