#pragma once
// The wave seen along the medium at one instant: each slice's displacement
// where the model view draws it, the level a sensor would read at each place,
// and, for a standing wave at resonance, where its nodes and antinodes stand.

#include "model/Module1.h"
#include "model/Parametres.h"

#include <vector>

namespace vibralume {

/// From a slice's rest abscissa to where the model view draws its particles at rest (cm).
inline constexpr double DecalageModele = 1.65;

/// Width of the model view, which the graphs span (cm).
inline constexpr double LargeurModele = 24.956;

/// One slice on the displacement graph.
struct PointDeplacement {
    int tranche = 0;        ///< 1 to 50
    double x = 0;           ///< where the model draws it at rest (cm)
    double deplacement = 0; ///< its `Elongation` (cm)
};

/// The 50 slices, in order.
std::vector<PointDeplacement> PointsDeplacement(const Module1& m);

/// A sensor's reading over one centimetre of its abscissa, where it is constant.
struct MarchePression {
    double debut = 0;       ///< sensor abscissa where the step starts (cm)
    double fin = 0;         ///< and where the next one starts (cm)
    double niveau = 0;      ///< `NiveauCapteur` there (oscilloscope divisions, 3 = rest)
    bool dansMilieu = true; ///< the sensor reads two slices (else the level of outside)
};

/// The steps for sensor abscissas from 0 to `largeur` cm, the last one cut at `largeur`.
std::vector<MarchePression> MarchesPression(const Module1& m, double largeur = LargeurModele);

/// What a place marks: a displacement or a pressure extremum, a node or an antinode.
enum class Grandeur { Deplacement, Pression };
enum class NoeudOuVentre { Noeud, Ventre };

struct PlaceRemarquable {
    double x = 0; ///< on the model's abscissa (cm)
    Grandeur grandeur = Grandeur::Deplacement;
    NoeudOuVentre nature = NoeudOuVentre::Noeud;
};

/// Nodes and antinodes of displacement and of pressure between slices 1 and
/// 50, in order of x (displacement first where both stand), for a standing
/// wave at resonance; none otherwise.
std::vector<PlaceRemarquable> NoeudsEtVentres(const Module1& m, Bord bord);

/// The largest displacement (cm) the wave in progress can reach: the
/// vibration's amplitude, the pulse's, or ten times the vibration's in a
/// standing wave.
double AmplitudeAttendue(const Module1& m, Bord bord, bool periodique);

/// Half-height of the displacement axis (cm): the smallest 1, 2 or 5 times a
/// power of ten, from 0.1 up, that holds `amplitude`.
double DemiEchelleDeplacement(double amplitude);

} // namespace vibralume
