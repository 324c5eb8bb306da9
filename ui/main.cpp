#include "model/AleatoireStandard.h"
#include "model/HorlogeContinue.h"
#include "model/HorlogeRalentie.h"
#include "model/HorlogeSysteme.h"
#include "model/Module1.h"
#include "sound/DossierSon.h"
#include "sound/SonLecture.h"
#include "ui/accueil/Accueil.h"
#include "ui/accueil/ClavierAccueil.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/TemoinSon.h"
#include "ui/demarrage/Application.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/LigneDeCommande.h"
#include "ui/demarrage/Reglages.h"
#include "ui/lecon/Lecons.h"
#include "ui/simulation/OS.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <iostream>
#include <memory>

using namespace vibralume;

int main(int argc, char* argv[]) {
    // What the last lessons left: the help is given in their language.
    Reglages reglages(std::cerr);
    const ValeursReglages derniers = reglages.lis();
    // Read before QApplication opens the display: help, version and refusals
    // answer in a terminal without one.
    const Demande demande =
        LigneDeCommande::lis(LigneDeCommande::arguments(argc, argv), derniers.langue);
    if (const Fin* fin = std::get_if<Fin>(&demande))
        return LigneDeCommande::termine(*fin);
    const Options& options = std::get<Options>(demande);

    QApplication app(argc, argv);
    // French unless English is asked for, now or at a lesson before; asked
    // for on the command line, it is kept for the next ones.
    const QString langue = Langue::auDemarrage(options.langue, derniers.langue, reglages);
    if (!prepareApplication(langue))
        std::cerr << "vibralume : traduction « " << langue.toStdString()
                  << " » introuvable, interface en français" << std::endl;
    // The state, the clock, the generator and the sound outlive both windows.
    Module1 etat;
    HorlogeSysteme horlogeSysteme;
    HorlogeContinue horlogeContinue(horlogeSysteme);
    // Slow motion slows this clock, the main window's.
    HorlogeRalentie horloge(horlogeContinue);
    AleatoireStandard alea;
    // The tone file lives in the user's data folder, or next to the program
    // run from its build tree.
    DossierSon dossier = DossierSon::pourExecutable(std::cerr);
    SonLecture son(dossier, std::cerr);

    // The zoom and the volume: the command line's, or the last ones used.
    DemarrageOS depart;
    depart.zoom = options.zoomPourcent.value_or(derniers.zoomPourcent) / 100.0;
    depart.ajuste = options.zoomAjuste;
    depart.pleinEcran = derniers.pleinEcran && !options.zoomPourcent && !options.zoomAjuste;
    depart.volume = options.volume.value_or(derniers.volume);
    depart.muet = !options.volume && derniers.muet;
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const double zoom =
        ComplementsOS::zoomDeDepart(depart, ecran ? ecran->availableGeometry().size() : QSize());

    std::unique_ptr<OS> fenetre;
    Lecons* lecons = nullptr;
    const auto ouvreOS = [&]() -> QWidget* {
        fenetre = std::make_unique<OS>(etat, horloge, alea, son);
        auto* complements = new ComplementsOS(
            *fenetre, depart, [&son](double gain) { son.lecture().setGain(gain); }, &reglages,
            &horloge, &son);
        lecons = new Lecons(*fenetre, *complements, &reglages);
        new TemoinSon(*fenetre, son.lecture(), son);
        return fenetre.get();
    };

    // The home page deletes itself when its start button has opened the main
    // window; only the way out through its close picture leaves it standing.
    QPointer<Accueil> accueil;
    if (options.sansAccueil || options.lecon) {
        ouvreOS()->show();
        // A lesson that cannot be opened is said over the window, as it is.
        if (options.lecon)
            lecons->ouvre(*options.lecon);
    } else {
        // At the main window's zoom, which fits the screen: so does the page.
        accueil = new Accueil(etat, alea, ouvreOS, nullptr, zoom);
        new ClavierAccueil(*accueil);
        accueil->show();
    }
    const int code = app.exec();
    delete accueil.data();
    return code;
}
