#include "ui/classe/Raccourcis.h"

#include "ui/classe/TableCommandes.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

using Regle = std::function<bool()>;

/// A click on `w` could be made now: it is shown and enabled.
bool cliquable(const QWidget* w) {
    return w->isVisibleTo(w->window()) && w->isEnabled();
}

Regle peut(const QWidget* w) {
    return [w] { return cliquable(w); };
}

Regle peutUn(const QWidget* a, const QWidget* b) {
    return [a, b] { return cliquable(a) || cliquable(b); };
}

// A scroll bar moved as a click on its arrows or its trough would move it.
std::function<void()> barre(QScrollBar* s, QAbstractSlider::SliderAction pas) {
    return [s, pas] {
        if (cliquable(s))
            s->triggerAction(pas);
    };
}

std::function<void()> choisit(QAbstractButton* o) {
    return [o] {
        if (cliquable(o))
            o->click();
    };
}

constexpr auto Plus = QAbstractSlider::SliderSingleStepAdd;
constexpr auto Moins = QAbstractSlider::SliderSingleStepSub;

} // namespace

Raccourcis::Raccourcis(OS& os, TableCommandes& table, ZoomOS& zoom, Volume& volume)
    : QObject(&os), os_(os), table_(table), zoom_(zoom), volume_(volume) {
    ajouteMarche();
    ajouteVibration();
    ajouteFenetres();
    ajouteOscilloscope();
    ajouteMilieu();
    ajouteAffichage();
}

void Raccourcis::ajouteMarche() {
    const ControlesOS& c = os_.controles();
    OS* os = &os_;
    const QString marche = tr("Marche de la simulation");
    table_.ajoute({.nom = "pause",
                   .groupe = marche,
                   .effet = tr("Pause, ou reprise de la simulation"),
                   .touches = {Qt::Key_Space},
                   .fait =
                       [os, &c] {
                           if (cliquable(c.Command1))
                               os->Command1_Click();
                           else if (cliquable(c.Command2))
                               os->Command2_Click();
                       },
                   .permise = peutUn(c.Command1, c.Command2),
                   .images = {c.Command1, c.Command2}});
    table_.ajoute({.nom = "pasAPas",
                   .groupe = marche,
                   .effet = tr("Pas à pas : 25 ms de plus"),
                   .touches = {Qt::Key_Right},
                   .fait = [os] { os->Command3_Click(); },
                   .permise = peut(c.Command3),
                   .repete = true,
                   .images = {c.Command3}});
}

void Raccourcis::ajouteVibration() {
    const ControlesOS& c = os_.controles();
    OS* os = &os_;
    const QString vibration = tr("Vibration");
    auto frequence = [&](const char* nom, const QString& effet, QKeyCombination touche,
                         QAbstractSlider::SliderAction pas) {
        table_.ajoute({.nom = nom,
                       .groupe = vibration,
                       .effet = effet,
                       .touches = {touche},
                       .fait = barre(c.frequence, pas),
                       .permise = peut(c.frequence),
                       .repete = true});
    };
    frequence("frequencePlus", tr("Fréquence plus haute"), Qt::Key_Up, Plus);
    frequence("frequenceMoins", tr("Fréquence plus basse"), Qt::Key_Down, Moins);
    frequence("frequencePagePlus", tr("Fréquence : grand pas vers le haut"), Qt::Key_PageUp,
              QAbstractSlider::SliderPageStepAdd);
    frequence("frequencePageMoins", tr("Fréquence : grand pas vers le bas"), Qt::Key_PageDown,
              QAbstractSlider::SliderPageStepSub);
    // The amplitude of whichever vibration is shown.
    auto amplitude = [&](const char* nom, const QString& effet, QKeyCombination touche,
                         QAbstractSlider::SliderAction pas) {
        table_.ajoute({.nom = nom,
                       .groupe = vibration,
                       .effet = effet,
                       .touches = {touche},
                       .fait =
                           [&c, pas] {
                               QScrollBar* s =
                                   cliquable(c.Amplitude) ? c.Amplitude : c.AmplitudeSoliton;
                               if (cliquable(s))
                                   s->triggerAction(pas);
                           },
                       .permise = peutUn(c.Amplitude, c.AmplitudeSoliton),
                       .repete = true});
    };
    amplitude("amplitudePlus", tr("Amplitude plus grande"), Qt::SHIFT | Qt::Key_Up, Plus);
    amplitude("amplitudeMoins", tr("Amplitude plus petite"), Qt::SHIFT | Qt::Key_Down, Moins);
    table_.ajoute({.nom = "vibration",
                   .groupe = vibration,
                   .effet = tr("Vibration solitaire, ou périodique"),
                   .touches = {Qt::Key_I},
                   .fait =
                       [os, &c] {
                           if (cliquable(c.Label11))
                               os->Label11_Click();
                           else if (cliquable(c.Label31))
                               os->Label31_Click();
                       },
                   .permise = peutUn(c.Label11, c.Label31)});
    const char* solitons[] = {QT_TR_NOOP("Soliton court"), QT_TR_NOOP("Soliton moyen"),
                              QT_TR_NOOP("Soliton long")};
    const char* noms[] = {"solitonCourt", "solitonMoyen", "solitonLong"};
    for (int16_t k = 1; k <= 3; ++k) {
        QPushButton* bouton = k == 1 ? c.SolitonCourt : k == 2 ? c.SolitonMoyen : c.SolitonLong;
        table_.ajoute({.nom = noms[k - 1],
                       .groupe = vibration,
                       .effet = tr(solitons[k - 1]),
                       .touches = {QKeySequence(Qt::Key_F4 + k)},
                       .fait = [os, k] { os->Soliton_Click(k); },
                       .permise = peut(bouton)});
    }
    table_.ajoute({.nom = "ecoute",
                   .groupe = vibration,
                   .effet = tr("Écouter le son produit, ou l'arrêter"),
                   .touches = {Qt::Key_L},
                   .fait =
                       [os, &c] {
                           if (cliquable(c.Command4))
                               os->Command4_Click();
                           else if (cliquable(c.Command5))
                               os->Command5_Click();
                       },
                   .permise = peutUn(c.Command4, c.Command5),
                   .images = {c.Command4, c.Command5}});
}

void Raccourcis::ajouteFenetres() {
    const ControlesOS& c = os_.controles();
    OS* os = &os_;
    PanneauMesures* mesures = &os_.mesures();
    const QString fenetres = tr("Fenêtres");
    table_.ajoute({.nom = "modele",
                   .groupe = fenetres,
                   .effet = tr("Modèle microscopique : ouvrir ou fermer"),
                   .touches = {Qt::Key_M},
                   .fait =
                       [os, mesures] {
                           if (!os->choix().valeurs().modeleOuvert)
                               os->AfficheModeleMicro();
                           else
                               mesures->CacherModeleMicro_Click();
                       },
                   .images = {c.CacherModeleMicro}});
    table_.ajoute(
        {.nom = "oscilloscope",
         .groupe = fenetres,
         .effet = tr("Oscilloscope : ouvrir ou fermer"),
         .touches = {Qt::Key_O},
         .fait =
             [os, mesures, &c] {
                 if (os->choix().valeurs().oscilloscopeOuvert)
                     mesures->CacheOscillo_Click();
                 else if (cliquable(c.Picture2))
                     mesures->AfficheOscilloscope();
             },
         // Open, or its placeholder offers it: not while the model is closed.
         .permise =
             [os, &c] { return os->choix().valeurs().oscilloscopeOuvert || cliquable(c.Picture2); },
         .images = {c.CacheOscillo}});
    table_.ajoute({.nom = "vibreur",
                   .groupe = fenetres,
                   .effet = tr("Vibreur : ouvrir ou fermer"),
                   .touches = {Qt::Key_V},
                   .fait =
                       [os, mesures] {
                           if (!os->choix().valeurs().vibreurOuvert)
                               mesures->AfficheVibreur();
                           else
                               mesures->CacheVibreur_Click();
                       },
                   .images = {c.CacheVibreur}});
    table_.ajoute({.nom = "enonce",
                   .groupe = fenetres,
                   .effet = tr("Énoncé du modèle microscopique"),
                   .touches = {Qt::Key_F2},
                   .fait = [os] { os->EnonceModele_DblClick(); }});
}

void Raccourcis::ajouteOscilloscope() {
    const ControlesOS& c = os_.controles();
    PanneauMesures* mesures = &os_.mesures();
    const QString capteurs = tr("Oscilloscope");
    // "&" and "é" are the 1 and 2 of a French keyboard without Shift.
    table_.ajoute({.nom = "capteur1",
                   .groupe = capteurs,
                   .effet = tr("Capteur 1 : activer ou désactiver"),
                   .touches = {Qt::Key_1},
                   .fait = [mesures] { mesures->capteur_Click(1); },
                   .permise = peutUn(c.micro1_noncoche, c.micro1_coche),
                   .autres = {Qt::Key_Ampersand}});
    table_.ajoute({.nom = "capteur2",
                   .groupe = capteurs,
                   .effet = tr("Capteur 2 : activer ou désactiver"),
                   .touches = {Qt::Key_2},
                   .fait = [mesures] { mesures->capteur_Click(2); },
                   .permise = peutUn(c.micro2_noncoche, c.micro2_coche),
                   .autres = {Qt::Key_Eacute}});
    // The time base after or before the one chosen, around.
    const OS* os = &os_;
    auto base = [os, &c](int sens) -> QRadioButton* {
        const std::size_t n = c.Sens.size();
        const auto k = std::size_t(os->choix().valeurs().indexBaseTemps);
        return k < n ? c.Sens[(k + std::size_t(int(n) + sens)) % n] : nullptr;
    };
    for (const int sens : {1, -1})
        table_.ajoute(
            {.nom = sens > 0 ? "baseSuivante" : "basePrecedente",
             .groupe = capteurs,
             .effet = sens > 0 ? tr("Sensibilité horizontale suivante")
                               : tr("Sensibilité horizontale précédente"),
             .touches = {sens > 0 ? QKeySequence(Qt::Key_T) : QKeySequence(Qt::SHIFT | Qt::Key_T)},
             .fait =
                 [base, sens] {
                     if (QRadioButton* b = base(sens); b && cliquable(b))
                         b->click();
                 },
             .permise =
                 [base, sens] {
                     const QRadioButton* b = base(sens);
                     return b && cliquable(b);
                 }});
}

void Raccourcis::ajouteMilieu() {
    const ControlesOS& c = os_.controles();
    const QString milieu = tr("Milieu de propagation");
    auto option = [&](const char* nom, const QString& effet, Qt::Key touche, QAbstractButton* o) {
        table_.ajoute({.nom = nom,
                       .groupe = milieu,
                       .effet = effet,
                       .touches = {touche},
                       .fait = choisit(o),
                       .permise = peut(o)});
    };
    option("progressive", tr("Pas de condition aux limites"), Qt::Key_P, c.OndeProgressive);
    option("ouvert", tr("Milieu ouvert aux deux extrémités"), Qt::Key_E, c.OndeStationnaire);
    option("ferme", tr("Milieu ouvert à gauche fermé à droite"), Qt::Key_F, c.OndeStationnaire2);
    option("amortissement", tr("Simuler un amortissement, ou non"), Qt::Key_A, c.Amortissement);
    option("gaz", tr("Gaz"), Qt::Key_G, c.Gaz);
    option("solide", tr("Solide"), Qt::Key_S, c.Solide);
    for (const bool plus : {true, false})
        table_.ajoute({.nom = plus ? "celeritePlus" : "celeriteMoins",
                       .groupe = milieu,
                       .effet = plus ? tr("Célérité plus grande") : tr("Célérité plus petite"),
                       .touches = {QKeySequence(Qt::ALT | (plus ? Qt::Key_Up : Qt::Key_Down))},
                       .fait = barre(c.v, plus ? Plus : Moins),
                       .permise = peut(c.v),
                       .repete = true});
}

void Raccourcis::ajouteAffichage() {
    const QString affichage = tr("Affichage et son");
    ZoomOS* zoom = &zoom_;
    Volume* volume = &volume_;
    table_.ajoute(
        {.nom = "agrandir",
         .groupe = affichage,
         .effet = tr("Agrandir la fenêtre"),
         .touches = {Qt::CTRL | Qt::Key_Plus},
         .fait = [zoom] { zoom->agrandit(); },
         .permise = [zoom] { return !zoom->pleinEcran() && zoom->zoom() < ZoomOS::Maximum; },
         .texte = tr("Agrandir"),
         .autres = {Qt::CTRL | Qt::Key_Equal},
         .repete = true});
    table_.ajoute(
        {.nom = "reduire",
         .groupe = affichage,
         .effet = tr("Réduire la fenêtre"),
         .touches = {Qt::CTRL | Qt::Key_Minus},
         .fait = [zoom] { zoom->reduit(); },
         .permise = [zoom] { return !zoom->pleinEcran() && zoom->zoom() > ZoomOS::Minimum; },
         .texte = tr("Réduire"),
         .repete = true});
    table_.ajoute({.nom = "tailleNormale",
                   .groupe = affichage,
                   .effet = tr("Taille normale (100 %)"),
                   .touches = {Qt::CTRL | Qt::Key_0},
                   .fait = [zoom] { zoom->zoomNormal(); },
                   .texte = tr("Taille normale"),
                   .autres = {Qt::CTRL | Qt::Key_Agrave}});
    table_.ajoute({.nom = "pleinEcran",
                   .groupe = affichage,
                   .effet = tr("Plein écran, ou retour"),
                   .touches = {Qt::Key_F11},
                   .fait = [zoom] { zoom->basculePleinEcran(); },
                   .texte = tr("Plein écran")});
    // A control framed by the keyboard loses its frame first (NavigationClavier).
    table_.ajoute(
        {.nom = "echap",
         .groupe = affichage,
         .effet =
             tr("Ôter le cadre de la commande choisie au clavier, sinon quitter le plein écran"),
         .touches = {Qt::Key_Escape},
         .fait = [zoom] { zoom->quittePleinEcran(); }});
    for (const bool plus : {true, false})
        table_.ajoute(
            {.nom = plus ? "volumePlus" : "volumeMoins",
             .groupe = affichage,
             .effet = plus ? tr("Volume du son plus fort") : tr("Volume du son plus faible"),
             .touches = {QKeySequence(Qt::CTRL | (plus ? Qt::Key_Up : Qt::Key_Down))},
             .fait = [volume, plus] { plus ? volume->plus() : volume->moins(); },
             .repete = true});
    table_.ajoute({.nom = "muet",
                   .groupe = affichage,
                   .effet = tr("Couper le son, ou le remettre"),
                   .touches = {Qt::CTRL | Qt::Key_M},
                   .fait = [volume] { volume->basculeMuet(); },
                   .texte = tr("Couper ou remettre le son")});
}

} // namespace vibralume
