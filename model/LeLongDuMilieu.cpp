#include "model/LeLongDuMilieu.h"

#include "model/Mesure.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vibralume {

namespace {

/// The slice whose displacement the standing formula's cosine is centred on.
constexpr double TrancheOrigineStationnaire = 5;
/// Slice i rests at i times this (cm).
constexpr double EcartTranches = 0.5;
/// The program's 2 pi is a little short of the true one: a place that should
/// fall on the last slice or on the end mark lands a hair beyond it, and
/// this allowance keeps it.
constexpr double Tolerance = 1e-6;

/// The model's abscissa of a place between slices, `u` counted in slices (1 to 50).
double AbscisseEntreTranches(const Module1& m, double u) {
    const int i = std::clamp(static_cast<int>(std::floor(u)), 1, NbTranches - 1);
    return m.PosRepos[i] + (u - i) * (m.PosRepos[i + 1] - m.PosRepos[i]) + DecalageModele;
}

} // namespace

double FinMilieuVu(Bord bord) {
    return bord == Bord::Progressive ? std::numeric_limits<double>::infinity() : AbscisseBord;
}

std::vector<PointDeplacement> PointsDeplacement(const Module1& m, double fin) {
    std::vector<PointDeplacement> points;
    points.reserve(NbTranches);
    for (int i = 1; i <= NbTranches; ++i) {
        const double x = m.PosRepos[i] + DecalageModele;
        if (x <= fin)
            points.push_back({i, x, m.Elongation[i]});
    }
    return points;
}

double AbscisseLecture(float x) {
    // The pair a, a + 1 that PremiereTrancheCapteur names, taken the same
    // way where it lies outside the medium.
    const double a = 2 * std::floor(static_cast<double>(x) - 1);
    return (a + 0.5) * EcartTranches + DecalageModele;
}

std::vector<PointPression> PointsPression(const Module1& m, double fin) {
    std::vector<PointPression> points;
    // A sensor's reading depends only on the integer part of its abscissa.
    for (int k = 0; k < LargeurModele; ++k) {
        const float x = static_cast<float>(k);
        const double lu = AbscisseLecture(x);
        if (lu <= fin)
            points.push_back({lu, NiveauCapteur(m, x), PremiereTrancheCapteur(x).has_value()});
    }
    return points;
}

std::vector<PlaceRemarquable> NoeudsEtVentres(const Module1& m, Bord bord) {
    std::vector<PlaceRemarquable> places;
    if (bord == Bord::Progressive || !m.Resonance || !(m.NbOnde > 0) || !std::isfinite(m.NbOnde))
        return places;
    // Slice u's amplitude goes as |cos(NbOnde (u - 5) / 2)|: an antinode where
    // the angle is a whole number of pi, a node half-way. The true pi, not
    // the program's 2 pi: these are the zeros and peaks of the cosine itself.
    // Pressure follows the slope of the displacement, so its nodes are the
    // displacement's antinodes and the other way round.
    const double pas = std::numbers::pi / m.NbOnde; // in slices, node to antinode
    const int premier =
        static_cast<int>(std::ceil((1 - TrancheOrigineStationnaire) / pas - Tolerance));
    const int dernier =
        static_cast<int>(std::floor((NbTranches - TrancheOrigineStationnaire) / pas + Tolerance));
    const double fin = FinMilieuVu(bord) + Tolerance;
    for (int k = premier; k <= dernier; ++k) {
        const double u = TrancheOrigineStationnaire + k * pas;
        if (u < 1 - Tolerance || u > NbTranches + Tolerance)
            continue;
        const double x = AbscisseEntreTranches(m, u);
        if (x > fin)
            break;
        const bool ventre = k % 2 == 0;
        places.push_back(
            {x, Grandeur::Deplacement, ventre ? NoeudOuVentre::Ventre : NoeudOuVentre::Noeud});
        places.push_back(
            {x, Grandeur::Pression, ventre ? NoeudOuVentre::Noeud : NoeudOuVentre::Ventre});
    }
    return places;
}

double AmplitudeAttendue(const Module1& m, Bord bord, bool periodique) {
    if (!periodique)
        return m.AmplSoliton;
    return bord == Bord::Progressive ? m.AmplVib : m.AmplVib * 10;
}

double DemiEchelleDeplacement(double amplitude) {
    constexpr std::array<double, 3> mantisses{1, 2, 5};
    if (!std::isfinite(amplitude) || amplitude <= 0)
        return 0.1;
    // A relative allowance, so that 0.3 * 10 computed in binary still fits in 5.
    for (double puissance = 0.1;; puissance *= 10)
        for (double mantisse : mantisses)
            if (amplitude <= mantisse * puissance * (1 + 1e-9))
                return mantisse * puissance;
}

} // namespace vibralume
