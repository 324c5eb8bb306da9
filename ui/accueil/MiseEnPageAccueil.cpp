#include "ui/accueil/MiseEnPageAccueil.h"

#include <QtGlobal>

namespace vibralume {

using namespace couleur;
using G = Genre;
using P = Pointeur;

// The guillemets hold no-break spaces, as French typography wants. Like the
// table's captions, the source of its translations (context "MiseEnPage").
const char* const DescriptionAccueil = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Vibralume est un logiciel de simulation permettant d'animer un modèle microscopique de la "
    "propagation d'une onde sonore dans un milieu rectiligne. Le milieu simulé est gazeux ou "
    "solide. L'utilisateur peut \u00AB\u00A0manipuler\u00A0\u00BB certains éléments du modèle "
    "comme des objets (les colorier, les déplacer...). Le logiciel permet également de simuler "
    "et d'interpréter microscopiquement certaines expériences classiques.");

namespace {

// clang-format off
const std::vector<DefControle> Table = {
    {.nom = "Image2", .genre = G::Img, .dans = "", .x = 132, .y = 132, .l = 504, .h = 492, .image = "icone"},
    {.nom = "Shape1", .genre = G::Forme, .dans = "", .x = 120, .y = 120, .l = 528, .h = 516, .texte = Blanc, .fond = Gris224},
    {.nom = "Label7", .genre = G::Etiq, .dans = "", .x = 840, .y = 120, .l = 4692, .h = 492, .legende = "Vibralume", .texte = Blanc, .fond = Marine, .police = calibri(24)},
    {.nom = "Image1", .genre = G::Img, .dans = "", .x = 8520, .y = 120, .l = 456, .h = 456, .pointeur = P::Main, .image = "croix"},
    {.nom = "Colonne", .genre = G::Boite, .dans = "", .x = 0, .y = 720, .l = LargeurColonne, .h = HauteurColonne, .texte = SysTexte, .fond = Blanc, .epaisseur = 4},
    {.nom = "Label4", .genre = G::Etiq, .dans = "", .x = 480, .y = 2760, .l = 2892, .h = 372, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "L'équipe Vibralume"), .texte = Blanc, .fond = Marine, .police = calibriGras(13.8)},
    {.nom = "Label3", .genre = G::Etiq, .dans = "", .x = 480, .y = 3120, .l = 2652, .h = 612, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Sciences physiques, lycée"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    {.nom = "Label2", .genre = G::Etiq, .dans = "", .x = 480, .y = 3840, .l = 2412, .h = 372, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "L'atelier des ondes"), .texte = Blanc, .fond = Marine, .police = calibriGras(13.8)},
    {.nom = "Label5", .genre = G::Etiq, .dans = "", .x = 480, .y = 4200, .l = 2652, .h = 612, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Physique-chimie, collège et lycée"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    {.nom = "Picture1", .genre = G::Boite, .dans = "", .x = 3480, .y = 2760, .l = 5532, .h = 2052, .texte = SysTexte, .fond = Gris224},
    {.nom = "Label6", .genre = G::Etiq, .dans = "Picture1", .x = 120, .y = 120, .l = 5292, .h = 2052, .legende = DescriptionAccueil, .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Command1", .genre = G::Bouton, .dans = "", .x = 480, .y = 4920, .l = 2532, .h = 615, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Démarrer la simulation"), .texte = SysBouton, .fond = Gris224, .police = calibri(10.2), .image = "demarrer"},
    {.nom = "Label1", .genre = G::Etiq, .dans = "", .x = 6360, .y = 5280, .l = 2652, .h = 372, .legende = "Vibralume 2026", .texte = Blanc, .fond = Marine, .police = calibriGras(13.8), .align = Aligne::Droite},
};
// clang-format on

} // namespace

const std::vector<DefControle>& MiseEnPageAccueil() {
    return Table;
}

} // namespace vibralume
