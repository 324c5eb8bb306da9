#include "ui/simulation/MiseEnPageOS.h"

#include "views/Reperes.h"

#include <QtGlobal>

namespace vibralume {

using namespace couleur;
using G = Genre;
using P = Pointeur;

namespace {

// Texts of the window, exactly as the pupils read them. The French is the
// source of their translations (context "MiseEnPage", as in every layout
// table); names, numbers and symbols are left unmarked and stay as they are.
constexpr const char* InviteModele = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Cliquer sur cette fenêtre pour voir le modèle microscopique de l'onde sonore qui se "
    "propage dans le milieu");
constexpr const char* InviteVibreur = QT_TRANSLATE_NOOP(
    "MiseEnPage", "Ouvrir cette fenêtre pour voir la vibration à l'origine de l'onde sonore");
constexpr const char* ExpliqueEcoute = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "En activant la fonction \"écouter\", vous entendrez un son de fréquence 1000 fois plus "
    "grande que celle du vibreur représenté.");
constexpr const char* InviteOscillo = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Cliquer sur cette fenêtre pour voir l'évolution temporelle de la pression en deux points "
    "du milieu de propagation.");
constexpr const char* AnnonceCapteurs = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Deux \"capteurs de pression\" apparaîtront dans la fenêtre \"modèle microscopique\".");
constexpr const char* OscilloIndisponible = QT_TRANSLATE_NOOP(
    "MiseEnPage", "Cette fenêtre ne peut être activée que si le modèle microscopique est visible.");
constexpr const char* AvertissementEtat = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Attention, la modification de la vitesse de propagation lors du changement d'état n'est "
    "pas simulée.");
constexpr const char* InviteEnonce = QT_TRANSLATE_NOOP(
    "MiseEnPage",
    "Double cliquer ci-dessous pour lire l'énoncé du modèle microscopique de la propagation du "
    "son");

// clang-format off
const std::vector<DefControle> Table = {
    // Top band: microscopic model, run controls and ruler.
    {.nom = "VibreurOS", .genre = G::Boite, .dans = "", .x = 480, .y = 840, .l = 2805, .h = 1815, .visible = false, .texte = SysTexte, .fond = 0x808080, .echelle = Echelle::Centimetres, .epaisseur = 2},
    {.nom = "Line1", .genre = G::Ligne, .dans = "VibreurOS", .x = 0, .y = 0, .l = 0, .h = 1800, .visible = true, .texte = SysTexte},
    {.nom = "ModeleMicro", .genre = G::Boite, .dans = "", .x = 492, .y = 840, .l = 14148, .h = 1812, .visible = false, .texte = SysTexte, .fond = Blanc, .pointeur = P::Main, .bulle = QT_TRANSLATE_NOOP("MiseEnPage", "Cliquer pour colorer cette zone"), .echelle = Echelle::Centimetres},
    {.nom = "BordOuvert", .genre = G::Boite, .dans = "ModeleMicro", .x = 11339, .y = 0, .l = 2835, .h = 1815, .visible = false, .texte = SysTexte, .fond = RgbBordOuvert, .echelle = Echelle::Centimetres},
    {.nom = "BordFerme", .genre = G::Boite, .dans = "ModeleMicro", .x = 11339, .y = 0, .l = 2835, .h = 1815, .visible = false, .texte = SysTexte, .fond = RgbBordFerme, .echelle = Echelle::Centimetres},
    {.nom = "paroi", .genre = G::Ligne, .dans = "BordFerme", .x = 10, .y = 0, .l = 10, .h = 2000, .visible = true, .texte = SysTexte},
    {.nom = "Micro2", .genre = G::Etiq, .dans = "ModeleMicro", .x = 11040, .y = 840, .l = LargeurCapteurTwips, .h = 252, .visible = false, .legende = "2", .texte = Blanc, .fond = RgbCapteur2, .police = calibriGras(9), .align = Aligne::Centre, .bordure = true, .pointeur = P::Saisie},
    {.nom = "Micro1", .genre = G::Etiq, .dans = "ModeleMicro", .x = 4800, .y = 840, .l = LargeurCapteurTwips, .h = 255, .visible = false, .legende = "1", .texte = Blanc, .fond = RgbCapteur1, .police = calibriGras(9), .align = Aligne::Centre, .bordure = true, .pointeur = P::Saisie},
    {.nom = "Regle", .genre = G::Boite, .dans = "", .x = 480, .y = 2880, .l = 14175, .h = HauteurRegleTwips, .visible = true, .texte = SysTexte, .fond = Blanc, .police = arial(8), .bordure = true, .echelle = Echelle::Centimetres},
    {.nom = "Picture3", .genre = G::Boite, .dans = "", .x = 480, .y = 600, .l = 14175, .h = 2295, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "Label15", .genre = G::Etiq, .dans = "Picture3", .x = -360, .y = 1080, .l = 14172, .h = 2556, .visible = true, .legende = InviteModele, .texte = Gris128, .fond = Aucune, .police = calibri(13.8), .align = Aligne::Centre, .pointeur = P::Main, .bulle = QT_TRANSLATE_NOOP("MiseEnPage", "Représentation microscopique")},
    {.nom = "Command3", .genre = G::Img, .dans = "", .x = 3600, .y = 240, .l = 300, .h = 300, .visible = false, .pointeur = P::Main, .image = "pas"},
    {.nom = "Command1", .genre = G::Img, .dans = "", .x = 3120, .y = 240, .l = 300, .h = 300, .visible = false, .pointeur = P::Main, .image = "pause"},
    {.nom = "Command2", .genre = G::Img, .dans = "", .x = 3120, .y = 240, .l = 300, .h = 300, .visible = false, .pointeur = P::Main, .image = "lecture"},
    {.nom = "CacherModeleMicro", .genre = G::Img, .dans = "", .x = 14280, .y = 240, .l = 288, .h = 288, .visible = true, .pointeur = P::Main, .bulle = QT_TRANSLATE_NOOP("MiseEnPage", "cacher le modèle microscopique"), .image = "croix"},
    {.nom = "Label1", .genre = G::Etiq, .dans = "", .x = 480, .y = 240, .l = 6012, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Modèle microscopique"), .texte = Blanc, .fond = Marine, .police = calibri(12), .index = 1},
    {.nom = "Shape1", .genre = G::Forme, .dans = "", .x = 408, .y = 120, .l = 14304, .h = 3192, .visible = true, .texte = Marine, .fond = Marine},
    // Left column: vibration and wave source.
    {.nom = "OndeSolitaire", .genre = G::Boite, .dans = "", .x = 480, .y = 6144, .l = 3480, .h = 1908, .visible = false, .texte = SysTexte, .fond = Gris224},
    {.nom = "SolitonMoyen", .genre = G::Bouton, .dans = "OndeSolitaire", .x = 1320, .y = 1440, .l = 972, .h = 372, .visible = true, .texte = SysTexte, .fond = Gris224, .image = "soliton_moyen"},
    {.nom = "SolitonLong", .genre = G::Bouton, .dans = "OndeSolitaire", .x = 2400, .y = 1440, .l = 972, .h = 372, .visible = true, .texte = SysTexte, .fond = Gris224, .image = "soliton_long"},
    {.nom = "AmplitudeSoliton", .genre = G::Barre, .dans = "OndeSolitaire", .x = 240, .y = 888, .l = 3132, .h = 252, .visible = true, .pointeur = P::Saisie, .min = 0, .max = 50, .valeur = 25, .petit = 1, .grand = 5},
    {.nom = "SolitonCourt", .genre = G::Bouton, .dans = "OndeSolitaire", .x = 240, .y = 1440, .l = 972, .h = 372, .visible = true, .texte = SysTexte, .fond = Gris224, .image = "soliton_court"},
    {.nom = "Picture20", .genre = G::Boite, .dans = "OndeSolitaire", .x = 0, .y = 0, .l = 1920, .h = 612, .visible = true, .texte = SysTexte, .fond = Marine},
    {.nom = "Image4", .genre = G::Img, .dans = "Picture20", .x = 0, .y = 312, .l = 852, .h = 348, .visible = true, .image = "onglet_sinus_blanc"},
    {.nom = "Label31", .genre = G::Etiq, .dans = "Picture20", .x = 0, .y = 48, .l = 1932, .h = 612, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Vibration périodique"), .texte = Blanc, .fond = Aucune, .police = calibriSouligne(10.2), .pointeur = P::Main},
    {.nom = "Label33", .genre = G::Etiq, .dans = "OndeSolitaire", .x = 240, .y = 1200, .l = 2892, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Animer le vibreur :"), .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Image2", .genre = G::Img, .dans = "OndeSolitaire", .x = 2640, .y = 288, .l = 852, .h = 348, .visible = true, .image = "onglet_impulsion_gris"},
    {.nom = "Label32", .genre = G::Etiq, .dans = "OndeSolitaire", .x = 240, .y = 648, .l = 2892, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "amplitude : "), .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Label34", .genre = G::Etiq, .dans = "OndeSolitaire", .x = 1920, .y = 48, .l = 1572, .h = 492, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Vibration solitaire"), .texte = SysBouton, .fond = Aucune, .police = calibri(10.2), .align = Aligne::Droite},
    {.nom = "OndePeriodique", .genre = G::Boite, .dans = "", .x = 480, .y = 6144, .l = 3480, .h = 1908, .visible = true, .texte = SysTexte, .fond = Gris224},
    {.nom = "Picture13", .genre = G::Boite, .dans = "OndePeriodique", .x = 1848, .y = 0, .l = 1632, .h = 612, .visible = true, .texte = SysTexte, .fond = Marine},
    {.nom = "Image1", .genre = G::Img, .dans = "Picture13", .x = 840, .y = 288, .l = 852, .h = 348, .visible = true, .image = "onglet_impulsion_blanc"},
    {.nom = "Label11", .genre = G::Etiq, .dans = "Picture13", .x = 0, .y = 48, .l = 1692, .h = 492, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Vibration solitaire "), .texte = Blanc, .fond = Aucune, .police = calibriSouligne(10.2), .align = Aligne::Droite, .pointeur = P::Main},
    {.nom = "Amplitude", .genre = G::Barre, .dans = "OndePeriodique", .x = 240, .y = 1560, .l = 2652, .h = 255, .visible = true, .pointeur = P::Saisie, .min = 0, .max = 20, .valeur = 10, .petit = 1, .grand = 5},
    {.nom = "frequence", .genre = G::Barre, .dans = "OndePeriodique", .x = 240, .y = 960, .l = 2652, .h = 252, .visible = true, .pointeur = P::Saisie, .min = 1, .max = 40, .valeur = 18, .petit = 1, .grand = 10},
    {.nom = "Image3", .genre = G::Img, .dans = "OndePeriodique", .x = 0, .y = 288, .l = 852, .h = 348, .visible = true, .image = "onglet_sinus_gris"},
    {.nom = "label3", .genre = G::Etiq, .dans = "OndePeriodique", .x = 240, .y = 1320, .l = 2292, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "amplitude : "), .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Label2", .genre = G::Etiq, .dans = "OndePeriodique", .x = 240, .y = 720, .l = 1812, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "fréquence : f = "), .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Label10", .genre = G::Etiq, .dans = "OndePeriodique", .x = 0, .y = 48, .l = 1812, .h = 492, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Vibration périodique"), .texte = SysBouton, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Vibreur", .genre = G::Boite, .dans = "", .x = 480, .y = 3840, .l = 3480, .h = 2295, .visible = true, .texte = SysTexte, .fond = SysFond, .echelle = Echelle::Centimetres, .epaisseur = 2},
    {.nom = "Vib_AmplD", .genre = G::Ligne, .dans = "Vibreur", .x = 2280, .y = 1984, .l = 2280, .h = 2154, .visible = true, .texte = SysInactif},
    {.nom = "Vib_AmplG", .genre = G::Ligne, .dans = "Vibreur", .x = 360, .y = 1984, .l = 360, .h = 2154, .visible = true, .texte = SysInactif},
    {.nom = "Vib0", .genre = G::Ligne, .dans = "Vibreur", .x = 1320, .y = 1984, .l = 1320, .h = 2154, .visible = true, .texte = SysTexte},
    {.nom = "Picture1", .genre = G::Boite, .dans = "", .x = 480, .y = 3840, .l = 3480, .h = 2295, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true, .pointeur = P::Main},
    {.nom = "Label12", .genre = G::Etiq, .dans = "Picture1", .x = 360, .y = 480, .l = 2292, .h = 1452, .visible = true, .legende = InviteVibreur, .texte = Gris128, .fond = Aucune, .police = calibri(13.8), .align = Aligne::Centre},
    {.nom = "CacheVibreur", .genre = G::Img, .dans = "", .x = 3600, .y = 3480, .l = 288, .h = 288, .visible = true, .pointeur = P::Main, .image = "croix"},
    {.nom = "Label4", .genre = G::Etiq, .dans = "", .x = 480, .y = 3456, .l = 2052, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Vibration"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    {.nom = "Shape3", .genre = G::Forme, .dans = "", .x = 408, .y = 3408, .l = 3612, .h = 4728, .visible = true, .texte = Marine, .fond = Marine},
    // Bottom of the left column: listening.
    {.nom = "Command5", .genre = G::Boite, .dans = "", .x = 1560, .y = 8760, .l = 1212, .h = 612, .visible = false, .texte = SysTexte, .fond = Marine, .pointeur = P::Main},
    {.nom = "Image6", .genre = G::Img, .dans = "Command5", .x = 360, .y = 120, .l = 444, .h = 444, .visible = true, .image = "hautparleur_barre"},
    {.nom = "Command4", .genre = G::Boite, .dans = "", .x = 1560, .y = 8760, .l = 1212, .h = 612, .visible = true, .texte = SysTexte, .fond = Marine, .pointeur = P::Main},
    {.nom = "Image5", .genre = G::Img, .dans = "Command4", .x = 360, .y = 120, .l = 444, .h = 444, .visible = true, .image = "hautparleur"},
    {.nom = "Label21", .genre = G::Etiq, .dans = "", .x = 480, .y = 9480, .l = 3492, .h = 612, .visible = true, .legende = ExpliqueEcoute, .texte = Blanc, .fond = Marine, .police = calibri(7.8)},
    {.nom = "Label20", .genre = G::Etiq, .dans = "", .x = 480, .y = 8400, .l = 2412, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Ecouter le son produit"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    {.nom = "Shape4", .genre = G::Forme, .dans = "", .x = 408, .y = 8280, .l = 3612, .h = 1932, .visible = true, .texte = Marine, .fond = SysTexte},
    // Middle column, top: properties of the wave.
    {.nom = "Picture11", .genre = G::Boite, .dans = "", .x = 4320, .y = 3408, .l = 5892, .h = 1212, .visible = true, .texte = SysTexte, .fond = Marine, .bordure = true},
    {.nom = "Picture5", .genre = G::Boite, .dans = "Picture11", .x = 48, .y = 408, .l = 5775, .h = 744, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "Label19", .genre = G::Etiq, .dans = "Picture5", .x = 240, .y = 120, .l = 1575, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Longueur d'onde : "), .texte = Noir, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "Label18", .genre = G::Etiq, .dans = "Picture5", .x = 240, .y = 360, .l = 375, .h = 255, .visible = true, .legende = "λ = ", .texte = Noir, .fond = Gris224, .police = {"Symbol", 11.4}},
    {.nom = "lambda", .genre = G::Etiq, .dans = "Picture5", .x = 600, .y = 390, .l = 1215, .h = 255, .visible = true, .texte = Noir, .fond = Gris224, .police = arial(9)},
    {.nom = "vit", .genre = G::Etiq, .dans = "Picture5", .x = 4080, .y = 360, .l = 1935, .h = 255, .visible = true, .texte = Noir, .fond = Gris224, .police = arial(9)},
    {.nom = "f", .genre = G::Etiq, .dans = "Picture5", .x = 2400, .y = 360, .l = 1092, .h = 252, .visible = true, .texte = Noir, .fond = Gris224, .police = arial(9)},
    {.nom = "Label27", .genre = G::Etiq, .dans = "Picture5", .x = 2040, .y = 360, .l = 375, .h = 255, .visible = true, .legende = "f   = ", .texte = Noir, .fond = Gris224, .police = calibriItalique(10.2)},
    {.nom = "Label26", .genre = G::Etiq, .dans = "Picture5", .x = 3720, .y = 360, .l = 375, .h = 255, .visible = true, .legende = "v  = ", .texte = Noir, .fond = Gris224, .police = calibriItalique(10.2)},
    {.nom = "Label25", .genre = G::Etiq, .dans = "Picture5", .x = 3720, .y = 120, .l = 1575, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Célérité : "), .texte = Noir, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "Label24", .genre = G::Etiq, .dans = "Picture5", .x = 2040, .y = 120, .l = 1575, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Fréquence : "), .texte = Noir, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "Label17", .genre = G::Etiq, .dans = "Picture11", .x = 48, .y = 48, .l = 5292, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Propriétés de l'onde sonore"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    // Middle column, bottom: oscilloscope.
    {.nom = "Picture14", .genre = G::Boite, .dans = "", .x = 4320, .y = 4680, .l = 5892, .h = 5532, .visible = true, .texte = SysTexte, .fond = Marine, .bordure = true},
    {.nom = "Oscilloscope", .genre = G::Boite, .dans = "Picture14", .x = 48, .y = 408, .l = 5775, .h = 5052, .visible = false, .texte = SysTexte, .fond = Marine},
    {.nom = "Picture16", .genre = G::Boite, .dans = "Oscilloscope", .x = 0, .y = 0, .l = 5772, .h = 852, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "micro1_noncoche", .genre = G::Img, .dans = "Picture16", .x = 600, .y = 240, .l = 192, .h = 192, .visible = true, .pointeur = P::Main, .image = "micro1_noncoche"},
    {.nom = "micro1_coche", .genre = G::Img, .dans = "Picture16", .x = 600, .y = 240, .l = 192, .h = 192, .visible = false, .pointeur = P::Main, .image = "micro1_coche"},
    {.nom = "micro2_noncoche", .genre = G::Img, .dans = "Picture16", .x = 600, .y = 480, .l = 192, .h = 192, .visible = true, .pointeur = P::Main, .image = "micro2_noncoche"},
    {.nom = "activation_micros", .genre = G::Etiq, .dans = "Picture16", .x = 120, .y = 0, .l = 3132, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Activation des capteurs de pression"), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "capteur1", .genre = G::Etiq, .dans = "Picture16", .x = 840, .y = 240, .l = 972, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Capteur 1"), .texte = Gris64, .fond = Aucune, .police = calibri(10.2), .pointeur = P::Main},
    {.nom = "Capteur2", .genre = G::Etiq, .dans = "Picture16", .x = 840, .y = 480, .l = 972, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Capteur 2"), .texte = Gris64, .fond = Aucune, .police = calibri(10.2), .pointeur = P::Main},
    {.nom = "micro2_coche", .genre = G::Img, .dans = "Picture16", .x = 600, .y = 480, .l = 192, .h = 192, .visible = false, .pointeur = P::Main, .image = "micro2_coche"},
    {.nom = "Picture15", .genre = G::Boite, .dans = "Oscilloscope", .x = 0, .y = 4320, .l = 5772, .h = 732, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "Frame3", .genre = G::Cadre, .dans = "Picture15", .x = 240, .y = 240, .l = 5175, .h = 375, .visible = true, .texte = SysTexte, .fond = Gris224},
    {.nom = "Sens_0", .genre = G::Option, .dans = "Frame3", .x = 0, .y = 120, .l = 975, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "0,2 s/div"), .texte = Gris64, .fond = Gris224, .police = calibri(9), .coche = true, .index = 0},
    {.nom = "Sens_2", .genre = G::Option, .dans = "Frame3", .x = 2040, .y = 120, .l = 975, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "1,0 s/div"), .texte = Gris64, .fond = Gris224, .police = calibri(9), .index = 2},
    {.nom = "Sens_3", .genre = G::Option, .dans = "Frame3", .x = 3120, .y = 120, .l = 975, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "1,5 s/div"), .texte = Gris64, .fond = Gris224, .police = calibri(9), .index = 3},
    {.nom = "Sens_4", .genre = G::Option, .dans = "Frame3", .x = 4200, .y = 120, .l = 975, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "2,0 s/div"), .texte = Gris64, .fond = Gris224, .police = calibri(9), .index = 4},
    {.nom = "Sens_1", .genre = G::Option, .dans = "Frame3", .x = 1080, .y = 120, .l = 975, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "0,5 s/div"), .texte = Gris64, .fond = Gris224, .police = calibri(9), .index = 1},
    {.nom = "Label9", .genre = G::Etiq, .dans = "Picture15", .x = 120, .y = 0, .l = 4692, .h = 372, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Sensibilité horizontale "), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "Oscillo", .genre = G::Boite, .dans = "Oscilloscope", .x = 0, .y = 840, .l = 5775, .h = 3495, .visible = true, .texte = SysTexte, .fond = SysFond, .bordure = true, .echelle = Echelle::Oscillo},
    {.nom = "Picture2", .genre = G::Boite, .dans = "Picture14", .x = 48, .y = 408, .l = 5775, .h = 5052, .visible = false, .texte = SysTexte, .fond = Gris224, .bordure = true, .pointeur = P::Main},
    {.nom = "Label13", .genre = G::Etiq, .dans = "Picture2", .x = 480, .y = 1560, .l = 4455, .h = 975, .visible = false, .legende = InviteOscillo, .texte = Gris128, .fond = Aucune, .police = calibri(13.8), .align = Aligne::Centre},
    {.nom = "Label14", .genre = G::Etiq, .dans = "Picture2", .x = 360, .y = 2880, .l = 4935, .h = 975, .visible = true, .legende = AnnonceCapteurs, .texte = Gris128, .fond = Aucune, .police = calibri(13.8), .align = Aligne::Centre},
    {.nom = "Picture4", .genre = G::Boite, .dans = "Picture14", .x = 48, .y = 408, .l = 5775, .h = 5052, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true, .pointeur = P::Interdit},
    {.nom = "Label22", .genre = G::Etiq, .dans = "Picture4", .x = 120, .y = 2520, .l = 5490, .h = 615, .visible = true, .legende = OscilloIndisponible, .texte = Gris128, .fond = Aucune, .police = calibri(13.8), .align = Aligne::Centre, .pointeur = P::Interdit},
    {.nom = "CacheOscillo", .genre = G::Img, .dans = "Picture14", .x = 5520, .y = 48, .l = 288, .h = 288, .visible = true, .pointeur = P::Main, .image = "croix"},
    {.nom = "Label8", .genre = G::Etiq, .dans = "Picture14", .x = 48, .y = 48, .l = 4572, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Evolution temporelle de la pression acoustique"), .texte = Blanc, .fond = Aucune, .police = calibri(12)},
    // Right column: properties of the medium and statement of the model.
    {.nom = "Picture6", .genre = G::Boite, .dans = "", .x = 10440, .y = 3408, .l = 4272, .h = 5328, .visible = true, .texte = SysTexte, .fond = Marine, .bordure = true},
    {.nom = "Picture10", .genre = G::Boite, .dans = "Picture6", .x = 48, .y = 4272, .l = 4152, .h = 972, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "v", .genre = G::Barre, .dans = "Picture10", .x = 240, .y = 600, .l = 3732, .h = 255, .visible = true, .pointeur = P::Saisie, .min = 1, .max = 8, .valeur = 3, .petit = 1, .grand = 1},
    {.nom = "Label23", .genre = G::Etiq, .dans = "Picture10", .x = 240, .y = 360, .l = 2412, .h = 252, .visible = true, .legende = "v = ", .texte = Gris64, .fond = Aucune, .police = calibri(10.2)},
    {.nom = "Label7", .genre = G::Etiq, .dans = "Picture10", .x = 120, .y = 120, .l = 3492, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Célérité du son dans le milieu"), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "Picture9", .genre = G::Boite, .dans = "Picture6", .x = 48, .y = 2664, .l = 4152, .h = 1548, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "Solide", .genre = G::Option, .dans = "Picture9", .x = 240, .y = 480, .l = 1815, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Solide"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "Gaz", .genre = G::Option, .dans = "Picture9", .x = 240, .y = 240, .l = 1815, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Gaz"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2), .coche = true},
    {.nom = "Label28", .genre = G::Etiq, .dans = "Picture9", .x = 480, .y = 720, .l = 3372, .h = 732, .visible = true, .legende = AvertissementEtat, .texte = Gris64, .fond = Aucune, .police = calibriItalique(9)},
    {.nom = "Label6", .genre = G::Etiq, .dans = "Picture9", .x = 120, .y = 0, .l = 3372, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Etat physique du milieu"), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "Picture8", .genre = G::Boite, .dans = "Picture6", .x = 48, .y = 1752, .l = 4152, .h = 852, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "Amortissement", .genre = G::Case, .dans = "Picture8", .x = 240, .y = 360, .l = 2895, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Simuler un amortissement"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "Label30", .genre = G::Etiq, .dans = "Picture8", .x = 120, .y = 120, .l = 3372, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Amortissement de l'onde sonore"), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "Picture7", .genre = G::Boite, .dans = "Picture6", .x = 48, .y = 360, .l = 4152, .h = 1332, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "OndeStationnaire2", .genre = G::Option, .dans = "Picture7", .x = 240, .y = 840, .l = 3972, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Milieu ouvert à gauche fermé à droite"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "OndeStationnaire", .genre = G::Option, .dans = "Picture7", .x = 240, .y = 600, .l = 3852, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Milieu ouvert aux deux extrémités"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2)},
    {.nom = "OndeProgressive", .genre = G::Option, .dans = "Picture7", .x = 240, .y = 360, .l = 3852, .h = 255, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Pas de condition aux limites"), .texte = Gris64, .fond = Gris224, .police = calibri(10.2), .coche = true},
    {.nom = "Label16", .genre = G::Etiq, .dans = "Picture7", .x = 120, .y = 120, .l = 3852, .h = 252, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Conditions aux limites"), .texte = Noir, .fond = Aucune, .police = calibri(10.8)},
    {.nom = "Label5", .genre = G::Etiq, .dans = "Picture6", .x = 48, .y = 48, .l = 4092, .h = 372, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Propriétés du milieu de propagation"), .texte = Blanc, .fond = Marine, .police = calibri(12)},
    {.nom = "Picture17", .genre = G::Boite, .dans = "", .x = 10440, .y = 8880, .l = 4272, .h = 1332, .visible = true, .texte = SysTexte, .fond = Marine, .bordure = true},
    {.nom = "Picture18", .genre = G::Boite, .dans = "Picture17", .x = 48, .y = 408, .l = 4152, .h = 852, .visible = true, .texte = SysTexte, .fond = Gris224, .bordure = true},
    {.nom = "EnonceModele", .genre = G::Ole, .dans = "Picture18", .x = 840, .y = 504, .l = 2256, .h = 276, .visible = true, .texte = SysTexte, .fond = Gris224, .pointeur = P::Main},
    {.nom = "info_modele", .genre = G::Etiq, .dans = "Picture18", .x = 0, .y = 0, .l = 4200, .h = 492, .visible = true, .legende = InviteEnonce, .texte = Gris64, .fond = Aucune, .police = calibri(9)},
    {.nom = "Label29", .genre = G::Etiq, .dans = "Picture17", .x = 48, .y = 48, .l = 4092, .h = 372, .visible = true, .legende = QT_TRANSLATE_NOOP("MiseEnPage", "Enoncé du modèle microscopique "), .texte = Blanc, .fond = Marine, .police = calibri(12)},

};
// clang-format on

} // namespace

const std::vector<DefControle>& MiseEnPageOS() {
    return Table;
}

} // namespace vibralume
