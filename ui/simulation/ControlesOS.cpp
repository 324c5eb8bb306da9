#include "ui/simulation/ControlesOS.h"

#include "ui/miseenpage/Resolveur.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"
#include "views/Trait.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <string>

namespace vibralume {

ControlesOS resoudControlesOS(const ControlesConstruits& controles) {
    const Resolveur r(controles, "OS");
    ControlesOS c{};
    // Each member bears its control's name: written once, it cannot differ.
#define RESOUS(nom) r(c.nom, #nom)
    RESOUS(ModeleMicro);
    RESOUS(VibreurOS);
    RESOUS(BordOuvert);
    RESOUS(BordFerme);
    RESOUS(Micro1);
    RESOUS(Micro2);
    RESOUS(Regle);
    RESOUS(Picture3);
    RESOUS(Label15);
    RESOUS(Command1);
    RESOUS(Command2);
    RESOUS(Command3);
    RESOUS(CacherModeleMicro);
    RESOUS(OndeSolitaire);
    RESOUS(SolitonCourt);
    RESOUS(SolitonMoyen);
    RESOUS(SolitonLong);
    RESOUS(AmplitudeSoliton);
    RESOUS(Label31);
    RESOUS(Label32);
    RESOUS(OndePeriodique);
    RESOUS(Label11);
    RESOUS(Amplitude);
    RESOUS(frequence);
    RESOUS(label3);
    RESOUS(Label2);
    RESOUS(Vibreur);
    RESOUS(Vib_AmplD);
    RESOUS(Vib_AmplG);
    RESOUS(Vib0);
    RESOUS(Picture1);
    RESOUS(Label12);
    RESOUS(CacheVibreur);
    RESOUS(Command5);
    RESOUS(Image6);
    RESOUS(Command4);
    RESOUS(Image5);
    RESOUS(lambda);
    RESOUS(vit);
    RESOUS(f);
    RESOUS(Oscilloscope);
    RESOUS(micro1_noncoche);
    RESOUS(micro1_coche);
    RESOUS(micro2_noncoche);
    RESOUS(micro2_coche);
    RESOUS(capteur1);
    RESOUS(Capteur2);
    for (std::size_t k = 0; k < c.Sens.size(); ++k)
        c.Sens[k] = r.trouve<QRadioButton>(("Sens_" + std::to_string(k)).c_str());
    RESOUS(Oscillo);
    RESOUS(Picture2);
    RESOUS(Label13);
    RESOUS(Label14);
    RESOUS(Picture4);
    RESOUS(CacheOscillo);
    RESOUS(v);
    RESOUS(Label23);
    RESOUS(Solide);
    RESOUS(Gaz);
    RESOUS(Amortissement);
    RESOUS(OndeStationnaire2);
    RESOUS(OndeStationnaire);
    RESOUS(OndeProgressive);
    RESOUS(EnonceModele);
#undef RESOUS
    return c;
}

} // namespace vibralume
