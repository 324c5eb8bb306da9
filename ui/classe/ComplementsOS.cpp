#include "ui/classe/ComplementsOS.h"

#include "ui/classe/Accessibilite.h"
#include "ui/classe/Annonce.h"
#include "ui/classe/ChoixLangue.h"
#include "ui/classe/Curseurs.h"
#include "ui/classe/EcouteAuCapteur.h"
#include "ui/classe/FenetreAPropos.h"
#include "ui/classe/FenetreRaccourcis.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/NavigationClavier.h"
#include "ui/classe/Raccourcis.h"
#include "ui/classe/Ralenti.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"
#include "ui/partage/Enregistrement.h"
#include "ui/partage/FenetreGraphes.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/OS.h"

#include <QAction>
#include <QScreen>
#include <cmath>

namespace vibralume {

namespace {

/// Room left for the window's frame (title bar and borders) on the desktop.
constexpr int CadreLargeur = 16;
constexpr int CadreHauteur = 48;

} // namespace

double ComplementsOS::zoomDeDepart(const DemarrageOS& d, QSize zoneLibre) {
    const QSize zone(zoneLibre.width() - CadreLargeur, zoneLibre.height() - CadreHauteur);
    const double tient = ZoomOS::zoomQuiTient(zone, QSize(LargeurOS, HauteurOS));
    if (d.ajuste)
        return tient;
    const QSize t = ZoomOS::taille(d.zoom);
    return t.width() <= zone.width() && t.height() <= zone.height() ? d.zoom : tient;
}

ComplementsOS::ComplementsOS(OS& os, const DemarrageOS& d, std::function<void(double)> gain,
                             Reglages* reglages, HorlogeRalentie* horloge, Son* son)
    : QObject(&os), os_(os), gain_(std::move(gain)), zoom_(new ZoomOS(os)),
      volume_(new Volume(
          [this](double g) {
              gainVolume_ = g;
              appliqueGain();
          },
          d.volume, d.muet, this)),
      commandes_(new TableCommandes(os)),
      raccourcis_(new Raccourcis(os, *commandes_, *zoom_, *volume_)),
      navigation_(new NavigationClavier(os)), annonce_(new Annonce(&os)),
      enregistrement_(new Enregistrement(os)), menu_(new MenuFond(os, *commandes_)) {
    Accessibilite::applique(os);
    ajouteGraphes();
    ajouteEnregistrement();
    if (horloge)
        ajouteRalenti(*horloge);
    if (son)
        ajouteEcoute(*son);
    curseurs_ = new Curseurs(os, *commandes_, *menu_, *zoom_);
    // Last in the menu: chosen seldom, once for all the lessons.
    langue_ = new ChoixLangue(*commandes_, *menu_, reglages, Langue::installee(), os);
    const QSize zone = os.screen() ? os.screen()->availableGeometry().size() : QSize(1920, 1080);
    zoom_->setZoom(zoomDeDepart(d, zone), true);
    if (d.pleinEcran)
        zoom_->basculePleinEcran();

    // From now on, what the user changes is said for a moment, and kept.
    connect(zoom_, &ZoomOS::zoomChange, this, [this, reglages](double z, bool plein) {
        if (plein)
            annonce_->montre(tr("Plein écran - Échap pour revenir"));
        else
            annonce_->montre(tr("Zoom %1 %").arg(std::lround(z * 100)));
        if (reglages) {
            reglages->ecrisPleinEcran(plein);
            if (!plein)
                reglages->ecrisZoom(int(std::lround(z * 100)));
        }
    });
    connect(volume_, &Volume::change, this, [this, reglages](int pourcent, bool muet) {
        annonce_->montre(muet ? tr("Son coupé") : tr("Volume %1 %").arg(pourcent));
        if (reglages) {
            reglages->ecrisVolume(pourcent);
            reglages->ecrisMuet(muet);
        }
    });
}

ComplementsOS::~ComplementsOS() = default;

void ComplementsOS::aPropos() {
    if (!aPropos_)
        aPropos_ = new FenetreAPropos(&os_);
    aPropos_->show();
    aPropos_->raise();
    aPropos_->activateWindow();
}

void ComplementsOS::montreRaccourcis() {
    if (!listeRaccourcis_)
        listeRaccourcis_ = new FenetreRaccourcis(*commandes_, &os_);
    listeRaccourcis_->show();
    listeRaccourcis_->raise();
    listeRaccourcis_->activateWindow();
}

void ComplementsOS::ajouteRalenti(HorlogeRalentie& horloge) {
    ralenti_ = new Ralenti(os_, horloge, os_.choix());
    Ralenti* r = ralenti_;
    menu_->ajoute({commandes_->ajoute({.nom = "ralenti",
                                       .groupe = tr("Marche de la simulation"),
                                       .effet = tr("Ralenti : x1, x1/2, x1/4, x1/10 du temps réel"),
                                       .touches = {Qt::Key_R},
                                       .fait = [r] { r->suivant(); },
                                       .texte = tr("Ralenti (x1, x1/2, x1/4, x1/10)")})});
    connect(r, &Ralenti::change, this, [this](int diviseur) {
        annonce_->montre(diviseur == 1 ? tr("Temps réel") : tr("Ralenti x1/%1").arg(diviseur));
    });
}

void ComplementsOS::appliqueGain() {
    if (gain_)
        gain_(gainVolume_ * (ecoute_ ? ecoute_->facteur() : 1.0));
}

void ComplementsOS::ajouteEcoute(Son& son) {
    ecoute_ = new EcouteAuCapteur(os_, son);
    EcouteAuCapteur* e = ecoute_;
    // Always offered: asked for with sensor 1 off, it says what to do first.
    menu_->ajoute({commandes_->ajoute(
        {.nom = "ecouteCapteur",
         .groupe = tr("Vibration"),
         .effet = tr("Écouter au capteur 1 : le son suit la pression à cet endroit"),
         .touches = {Qt::SHIFT | Qt::Key_L},
         .fait = [e] { e->bascule(); },
         .texte = tr("Écouter au capteur 1")})});
    connect(e, &EcouteAuCapteur::facteurChange, this, [this] { appliqueGain(); });
    connect(e, &EcouteAuCapteur::basculee, this, [this](bool actif) {
        annonce_->montre(actif ? tr("Écoute au capteur 1") : tr("Écoute ordinaire"));
    });
    connect(e, &EcouteAuCapteur::refusee, this,
            [this] { annonce_->montre(tr("Activer d'abord le capteur 1 sur l'oscilloscope")); });
}

FenetreGraphes& ComplementsOS::graphes() {
    if (!graphes_) {
        graphes_ = new FenetreGraphes(os_, *enregistrement_, &os_);
        graphes_->setZoom(zoom_->zoom());
        connect(zoom_, &ZoomOS::zoomChange, graphes_, [g = graphes_](double z, bool plein) {
            // Full screen is the main window's alone.
            if (!plein)
                g->setZoom(z);
        });
    }
    return *graphes_;
}

void ComplementsOS::montreGraphes() {
    FenetreGraphes& g = graphes();
    g.setWindowState(g.windowState() & ~Qt::WindowMinimized);
    g.show();
    g.raise();
    g.activateWindow();
}

// The graphs along the medium, the background's menu and the list of keys:
// keys among the windows'.
void ComplementsOS::ajouteGraphes() {
    const QString fenetres = tr("Fenêtres");
    commandes_->ajoute({.nom = "graphes",
                        .groupe = fenetres,
                        .effet = tr("Graphes le long du milieu : ouvrir ou fermer"),
                        .touches = {Qt::Key_W},
                        .fait =
                            [this] {
                                if (graphes_ && graphes_->isVisible())
                                    graphes_->close();
                                else
                                    montreGraphes();
                            },
                        .texte = tr("Graphes le long du milieu...")});
    MenuFond* menu = menu_;
    commandes_->ajoute({.nom = "menu",
                        .groupe = fenetres,
                        .effet = tr("Menu du fond de la fenêtre"),
                        .touches = {Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10},
                        .fait = [menu] { menu->ouvreAuClavier(); }});
}

// Saving and sharing, then the zoom, the sound and the help: keys, and the
// background's menu.
void ComplementsOS::ajouteEnregistrement() {
    Enregistrement* e = enregistrement_;
    TableCommandes& t = *commandes_;
    const QString groupe = tr("Enregistrer et partager");
    QAction* image = t.ajoute({.nom = "imageFenetre",
                               .groupe = groupe,
                               .effet = tr("Enregistrer l'image de la fenêtre"),
                               .touches = {Qt::CTRL | Qt::Key_S},
                               .fait = [e] { e->enregistreImageFenetre(); },
                               .texte = tr("Enregistrer l'image de la fenêtre...")});
    QAction* impression = t.ajoute(
        {.nom = "imageImpression",
         .groupe = groupe,
         .effet = tr("Enregistrer l'image de la fenêtre pour l'impression (deux fois plus fine)"),
         .touches = {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
         .fait = [e] { e->enregistreImageImpression(); },
         .texte = tr("Enregistrer l'image pour l'impression...")});
    QAction* oscilloscope = t.ajoute({.nom = "imageOscilloscope",
                                      .groupe = groupe,
                                      .effet = tr("Enregistrer l'image de l'oscilloscope..."),
                                      .fait = [e] { e->enregistreImageOscilloscope(); }});
    QAction* copie = t.ajoute({.nom = "copie",
                               .groupe = groupe,
                               .effet = tr("Copier l'image de la fenêtre"),
                               .touches = {Qt::CTRL | Qt::Key_C},
                               .fait = [e] { e->copieImageFenetre(); }});
    QAction* mesures = t.ajoute({.nom = "exportMesures",
                                 .groupe = groupe,
                                 .effet = tr("Exporter les mesures des capteurs (CSV)"),
                                 .touches = {Qt::CTRL | Qt::Key_E},
                                 .fait = [e] { e->exporteMesures(); },
                                 .texte = tr("Exporter les mesures (CSV)...")});
    const QString affichage = tr("Affichage et son");
    QAction* liste = t.ajoute({.nom = "raccourcis",
                               .groupe = affichage,
                               .effet = tr("Cette liste des raccourcis"),
                               .touches = {Qt::Key_F1},
                               .fait = [this] { montreRaccourcis(); },
                               .texte = tr("Raccourcis clavier")});
    QAction* apropos = t.ajoute({.nom = "aPropos",
                                 .groupe = affichage,
                                 .effet = tr("À propos de Vibralume"),
                                 .fait = [this] { aPropos(); }});
    menu_->ajoute({t.action("graphes"), nullptr, image, impression, oscilloscope, copie, mesures,
                   nullptr, t.action("agrandir"), t.action("reduire"), t.action("tailleNormale"),
                   t.action("pleinEcran"), t.action("muet"), nullptr, liste, apropos});
}

} // namespace vibralume
