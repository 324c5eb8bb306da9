#pragma once
// Everything the main window draws on its picture boxes.

#include "model/Module1.h"

#include <QColor>

namespace vibralume {

class PictureBox;

/// Green of the highlighted group of five slices.
inline const QColor VertTranches{0, 255, 80};
/// Grid of the oscilloscope.
inline const QColor CouleurGrille{190, 190, 220};
/// Trace colours of sensor 1 and sensor 2.
inline const QColor CouleurCapteur1{121, 123, 181};
inline const QColor CouleurCapteur2{237, 127, 28};

/// Model view of a progressive wave or pulse: the plate, then 500 particles.
void DessineModeleProgressif(PictureBox& modele, const Module1& m);
/// Model view of a standing wave: the plate in its own strip at xVibreur (cm),
/// and only the slices that stand between 0 and 20 cm.
void DessineModeleStationnaire(PictureBox& modele, PictureBox& vibreurOS, const Module1& m,
                               double xVibreur);
/// The 25 cm ruler, millimetre ticks and numbered centimetres.
void DessineRegle(PictureBox& regle);
/// The red vibrator rod at abscissa x (cm).
void DessineVibreur(PictureBox& vibreur, double x);
/// The oscilloscope grid over whatever the screen holds; leaves the line solid and 1 wide.
void AfficheQuadrillage(PictureBox& oscillo);

} // namespace vibralume
