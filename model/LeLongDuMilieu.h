#pragma once
// The wave seen along the medium at one instant: each slice's displacement
// where the model view draws it, the level a sensor reads at each place it
// can read, and, for a standing wave at resonance, where its nodes and
// antinodes stand; all of it as far as the model view shows the medium.

#include "model/Module1.h"
#include "model/Parametres.h"

#include <limits>
#include <vector>

namespace vibralume {

/// From a slice's rest abscissa to where the model view draws its particles at rest (cm).
inline constexpr double DecalageModele = 1.65;

/// Width of the model view, which the graphs span (cm).
inline constexpr double LargeurModele = 24.956;

/// Where the end mark of a standing wave starts on the model view (cm): the
/// open end or the closed wall hides whatever lies right of it.
inline constexpr double AbscisseBord = 20;

/// How far along the model view the medium is seen (cm): up to the end
/// mark in a standing wave; without end, an infinite abscissa, in a
/// progressive wave.
double FinMilieuVu(Bord bord);

/// One slice on the displacement graph.
struct PointDeplacement {
    int tranche = 0;        ///< 1 to 50
    double x = 0;           ///< where the model draws it at rest (cm)
    double deplacement = 0; ///< its `Elongation` (cm)
};

/// The slices drawn at rest at or before `fin` (cm), in order.
std::vector<PointDeplacement>
PointsDeplacement(const Module1& m, double fin = std::numeric_limits<double>::infinity());

/// Where a sensor whose marker stands at abscissa x (cm) reads, on the
/// model's abscissa: the middle of its two slices at rest, 0.9 cm right of
/// the whole centimetre its marker is in (also outside the medium).
double AbscisseLecture(float x);

/// One place a sensor can read, and what it reads there.
struct PointPression {
    double x = 0;           ///< `AbscisseLecture` (cm)
    double niveau = 0;      ///< `NiveauCapteur` there (oscilloscope divisions, 3 = rest)
    bool dansMilieu = true; ///< the sensor reads two slices (else the level of outside)
};

/// The places read by a marker anywhere on the model (one per whole
/// centimetre of its abscissa, from 0 to `LargeurModele`), in order, those
/// at or before `fin` (cm).
std::vector<PointPression> PointsPression(const Module1& m,
                                          double fin = std::numeric_limits<double>::infinity());

/// What a place marks: a displacement or a pressure extremum, a node or an antinode.
enum class Grandeur { Deplacement, Pression };
enum class NoeudOuVentre { Noeud, Ventre };

struct PlaceRemarquable {
    double x = 0; ///< on the model's abscissa (cm)
    Grandeur grandeur = Grandeur::Deplacement;
    NoeudOuVentre nature = NoeudOuVentre::Noeud;
};

/// Nodes and antinodes of displacement and of pressure between slice 1 and
/// the end mark, in order of x (displacement first where both stand), for a
/// standing wave at resonance; none otherwise.
std::vector<PlaceRemarquable> NoeudsEtVentres(const Module1& m, Bord bord);

/// The largest displacement (cm) the wave in progress can reach: the
/// vibration's amplitude, the pulse's, or ten times the vibration's in a
/// standing wave.
double AmplitudeAttendue(const Module1& m, Bord bord, bool periodique);

/// Half-height of the displacement axis (cm): the smallest 1, 2 or 5 times a
/// power of ten, from 0.1 up, that holds `amplitude`.
double DemiEchelleDeplacement(double amplitude);

} // namespace vibralume
