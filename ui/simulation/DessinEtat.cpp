#include "ui/simulation/DessinEtat.h"

#include "model/Tick.h"
#include "views/Dessins.h"
#include "views/PictureBox.h"

namespace vibralume {

void DessineEtat(const ControlesOS& c, const Module1& m, const ValeursChoix& choix) {
    const bool progressive = choix.bord == Bord::Progressive;
    const double xVibreur = AbscisseVibreur(m, progressive);
    // A tick lays the particles out only while the model is shown; before
    // the first such tick there is nothing to draw yet.
    const bool placees = m.PosX[1][1] != 0;
    if (!c.ModeleMicro->isHidden() && placees) {
        if (progressive)
            DessineModeleProgressif(*c.ModeleMicro, m);
        else
            DessineModeleStationnaire(*c.ModeleMicro, *c.VibreurOS, m, xVibreur);
    }
    if (!c.Vibreur->isHidden()) {
        c.Vibreur->Cls();
        DessineVibreur(*c.Vibreur, xVibreur);
    }
}

} // namespace vibralume
