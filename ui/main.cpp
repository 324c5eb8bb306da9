#include "model/AleatoireStandard.h"
#include "model/HorlogeContinue.h"
#include "model/HorlogeSysteme.h"
#include "model/Module1.h"
#include "sound/DossierSon.h"
#include "sound/SonLecture.h"
#include "ui/Accueil.h"
#include "ui/Application.h"
#include "ui/LigneDeCommande.h"
#include "ui/OS.h"

#include <QApplication>
#include <QPointer>
#include <iostream>
#include <memory>

using namespace vibralume;

int main(int argc, char* argv[]) {
    // Read before QApplication opens the display: help, version and refusals
    // answer in a terminal without one.
    const Demande demande = LigneDeCommande::lis(LigneDeCommande::arguments(argc, argv));
    if (const Fin* fin = std::get_if<Fin>(&demande))
        return LigneDeCommande::termine(*fin);
    const Options& options = std::get<Options>(demande);

    QApplication app(argc, argv);
    prepareApplication();
    // The state, the clock, the generator and the sound outlive both windows.
    Module1 etat;
    HorlogeSysteme horlogeSysteme;
    HorlogeContinue horloge(horlogeSysteme);
    AleatoireStandard alea;
    // The tone file lives next to the program, or in the user's data folder
    // where the program's own folder may not be written.
    DossierSon dossier(DossierSon::dossierExecutable(), std::cerr);
    SonLecture son(dossier, std::cerr);
    std::unique_ptr<OS> fenetre;
    const auto ouvreOS = [&]() -> QWidget* {
        fenetre = std::make_unique<OS>(etat, horloge, alea, son);
        return fenetre.get();
    };

    // The home page deletes itself when its start button has opened the main
    // window; only the way out through its close picture leaves it standing.
    QPointer<Accueil> accueil;
    if (options.sansAccueil) {
        ouvreOS()->show();
    } else {
        accueil = new Accueil(etat, alea, ouvreOS);
        accueil->show();
    }
    const int code = app.exec();
    delete accueil.data();
    return code;
}
