#include "views/Oscilloscope.h"

#include "model/Mesure.h"
#include "views/Dessins.h"
#include "views/PictureBox.h"

namespace vibralume {

void TraceCapteur(PictureBox& oscillo, Module1& m, int16_t n, float xCapteur) {
    if (n != 1 && n != 2)
        return;
    const double D = m.DureeBalayage;
    const double s = PositionBalayage(m.TempsMs, D);
    const QColor& couleur = n == 1 ? CouleurCapteur1 : CouleurCapteur2;
    double y = PressionCapteur(m, xCapteur);
    // A vibrator standing still (no frequency yet) keeps the trace on the
    // middle line, whatever displacements remain in the slices.
    if (m.Freq == 0)
        y = 3;
    if (s < m.TempsPrec) {
        // Only the first sensor to notice the new sweep wipes the screen; the
        // other one then draws from its old level at the new abscissa.
        oscillo.Cls();
        AfficheQuadrillage(oscillo);
        m.PressionPrec[n] = y;
        m.TempsPrec = s;
    }
    oscillo.setDrawWidth(3);
    oscillo.Line(float(m.TempsPrec * 10 / D), float(m.PressionPrec[n]), float(s * 10 / D), float(y),
                 couleur);
    m.PressionPrec[n] = y;
}

} // namespace vibralume
