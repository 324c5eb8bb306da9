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

/// The model's abscissa of a place between slices, `u` counted in slices (1 to 50).
double AbscisseEntreTranches(const Module1& m, double u) {
    const int i = std::clamp(static_cast<int>(std::floor(u)), 1, NbTranches - 1);
    return m.PosRepos[i] + (u - i) * (m.PosRepos[i + 1] - m.PosRepos[i]) + DecalageModele;
}

} // namespace

std::vector<PointDeplacement> PointsDeplacement(const Module1& m) {
    std::vector<PointDeplacement> points;
    points.reserve(NbTranches);
    for (int i = 1; i <= NbTranches; ++i)
        points.push_back({i, m.PosRepos[i] + DecalageModele, m.Elongation[i]});
    return points;
}

std::vector<MarchePression> MarchesPression(const Module1& m, double largeur) {
    std::vector<MarchePression> marches;
    // A sensor's reading depends only on the integer part of its abscissa.
    for (int k = 0; k < largeur; ++k) {
        const float x = static_cast<float>(k);
        marches.push_back({double(k), std::min(double(k + 1), largeur), NiveauCapteur(m, x),
                           PremiereTrancheCapteur(x).has_value()});
    }
    return marches;
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
    // The program's 2 pi is a little short of the true one, so a place that
    // should fall on the last slice lands a hair beyond it: the allowance keeps it.
    const double pas = std::numbers::pi / m.NbOnde; // in slices, node to antinode
    const double tolerance = 1e-6;
    const int premier =
        static_cast<int>(std::ceil((1 - TrancheOrigineStationnaire) / pas - tolerance));
    const int dernier =
        static_cast<int>(std::floor((NbTranches - TrancheOrigineStationnaire) / pas + tolerance));
    for (int k = premier; k <= dernier; ++k) {
        const double u = TrancheOrigineStationnaire + k * pas;
        if (u < 1 - tolerance || u > NbTranches + tolerance)
            continue;
        const double x = AbscisseEntreTranches(m, u);
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
