#include "model/Tick.h"

#include "model/Entiers.h"
#include "model/Mesure.h"
#include "model/Sech.h"

#include <cmath>

namespace vibralume {

namespace {

/// Pulse sharpness for each width class.
double RaideurSoliton(int16_t type) {
    switch (type) {
    case 2:
        return 10;
    case 3:
        return 5;
    default:
        return 15;
    }
}

} // namespace

void AvanceTempsHorloge(Module1& m, Horloge& horloge) {
    m.TempsPrec = PositionBalayage(m.TempsMs, m.DureeBalayage);
    const double maintenant = horloge.secondes();
    auto ms = EnInt32((maintenant - m.TempsDepart) * 1000);
    if (!ms) {
        // About 24 days of simulated time overflow 32-bit milliseconds: move
        // the time origin (and the pulse with it) by whole days instead.
        const double ecart = maintenant - m.TempsDepart;
        if (!std::isfinite(ecart)) {
            return;
        }
        const double decalage = std::floor(ecart / SecondesParJour) * SecondesParJour;
        m.TempsDepart += decalage;
        m.DebutSoliton -= decalage;
        ms = EnInt32((maintenant - m.TempsDepart) * 1000);
        if (!ms) {
            return;
        }
    }
    m.TempsMs = *ms;
}

double ElongationPeriodique(const Module1& m, int i, bool amorti) {
    const double e =
        m.AmplVib * std::cos(m.Freq * DeuxPi * m.TempsMs / 1000 - m.NbOnde * m.PosRepos[i]);
    return amorti ? std::exp(-m.PosRepos[i] / 50) * e : e;
}

double ElongationSolitaire(const Module1& m, int i, bool amorti) {
    const double s = (m.TempsMs / 1000.0 - m.DebutSoliton - m.PosRepos[i] / m.Celerite) *
                     RaideurSoliton(m.TypeSoliton);
    const double e = m.AmplSoliton * Sech(s);
    return amorti ? std::exp(-m.PosRepos[i] / 25) * e : e;
}

double ElongationStationnaire(const Module1& m, int i, double c) {
    if (m.Resonance) {
        return m.AmplVib * 10 * c * std::cos(m.NbOnde * (i - 5) / 2);
    }
    return m.AmplVib * 10 * c;
}

void PlaceParticules(Module1& m, int i, bool gaz, Aleatoire& alea) {
    for (int j = 1; j <= NbRangees; ++j) {
        m.PosX[i][j] = m.PosRepos[i] + 1.65 + m.Elongation[i];
        m.PosY[i][j] = j / 3.25;
        if (gaz) {
            // Drawn afresh each tick from the lattice: agitation, not drift.
            const double r1 = alea.suivant();
            const double r2 = alea.suivant();
            m.PosX[i][j] = r1 / 2 + m.PosX[i][j];
            m.PosY[i][j] = m.PosY[i][j] - r2 / 4;
        }
    }
}

double AbscisseVibreur(const Module1& m, bool progressive) {
    if (progressive) {
        return m.PosRepos[1] + 1.5 + m.Elongation[1];
    }
    return m.Elongation[1] / 10 + m.PosRepos[1] + 1.5;
}

Plaque PlaqueVibreur(const Module1& m) {
    return {m.PosRepos[1] + 1.48 + m.Elongation[1], m.PosRepos[1] + 1.51 + m.Elongation[1]};
}

double CalculeTranches(Module1& m, const EntreesTick& e, Aleatoire& alea) {
    if (e.progressive) {
        for (int i = 1; i <= NbTranches; ++i) {
            m.Elongation[i] = e.periodique ? ElongationPeriodique(m, i, e.amortissement)
                                           : ElongationSolitaire(m, i, e.amortissement);
            if (e.modeleVisible) {
                PlaceParticules(m, i, e.gaz, alea);
            }
        }
        return AbscisseVibreur(m, true);
    }
    // Standing waves are never damped: the option only applies to the progressive wave.
    const double c = std::cos(m.Freq * DeuxPi * m.TempsMs / 1000);
    for (int i = 1; i <= NbTranches; ++i) {
        m.Elongation[i] = ElongationStationnaire(m, i, c);
        if (e.modeleVisible) {
            PlaceParticules(m, i, e.gaz, alea);
        }
    }
    return AbscisseVibreur(m, false);
}

} // namespace vibralume
