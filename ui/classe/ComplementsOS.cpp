#include "ui/classe/ComplementsOS.h"

#include "ui/classe/Accessibilite.h"
#include "ui/classe/Annonce.h"
#include "ui/classe/ChoixLangue.h"
#include "ui/classe/EcouteAuCapteur.h"
#include "ui/classe/FenetreAPropos.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/NavigationClavier.h"
#include "ui/classe/Raccourcis.h"
#include "ui/classe/Ralenti.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"
#include "ui/partage/Enregistrement.h"
#include "ui/partage/FenetreGraphes.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/OS.h"

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
      raccourcis_(new Raccourcis(os, *zoom_, *volume_)), navigation_(new NavigationClavier(os)),
      annonce_(new Annonce(&os)), enregistrement_(new Enregistrement(os)), menu_(new MenuFond(os)) {
    Accessibilite::applique(os);
    ajouteGraphes();
    ajouteEnregistrement();
    if (horloge)
        ajouteRalenti(*horloge);
    if (son)
        ajouteEcoute(*son);
    // Last in the menu: chosen seldom, once for all the lessons.
    langue_ = new ChoixLangue(*menu_, reglages, Langue::installee(), os);
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

void ComplementsOS::ajouteRalenti(HorlogeRalentie& horloge) {
    ralenti_ = new Ralenti(os_, horloge);
    Ralenti* r = ralenti_;
    raccourcis_->ajoute(tr("Marche de la simulation"), tr("R"),
                        tr("Ralenti : x1, x1/2, x1/4, x1/10 du temps réel"), {Qt::Key_R},
                        [r] { r->suivant(); });
    menu_->ajoute({{tr("Ralenti (x1, x1/2, x1/4, x1/10)"), tr("R"), [r] { r->suivant(); }}});
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
    raccourcis_->ajoute(tr("Vibration"), tr("Maj + L"),
                        tr("Écouter au capteur 1 : le son suit la pression à cet endroit"),
                        {Qt::SHIFT | Qt::Key_L}, [e] { e->bascule(); });
    menu_->ajoute({{tr("Écouter au capteur 1"), tr("Maj+L"), [e] { e->bascule(); }}});
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

// The graphs along the medium: a key among the windows', and the first
// entry of the background's menu.
void ComplementsOS::ajouteGraphes() {
    raccourcis_->ajoute(tr("Fenêtres"), tr("W"), tr("Graphes le long du milieu : ouvrir ou fermer"),
                        {Qt::Key_W}, [this] {
                            if (graphes_ && graphes_->isVisible())
                                graphes_->close();
                            else
                                montreGraphes();
                        });
    menu_->ajoute({{tr("Graphes le long du milieu..."), tr("W"), [this] { montreGraphes(); }}, {}});
    MenuFond* menu = menu_;
    raccourcis_->ajoute(tr("Fenêtres"), tr("Menu / Maj + F10"), tr("Menu du fond de la fenêtre"),
                        {Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10},
                        [menu] { menu->ouvreAuClavier(); });
}

// Saving and sharing: keys, and the background's menu with the rest.
void ComplementsOS::ajouteEnregistrement() {
    Enregistrement* e = enregistrement_;
    const QString groupe = tr("Enregistrer et partager");
    raccourcis_->ajoute(groupe, tr("Ctrl + S"), tr("Enregistrer l'image de la fenêtre"),
                        {Qt::CTRL | Qt::Key_S}, [e] { e->enregistreImageFenetre(); });
    raccourcis_->ajoute(
        groupe, tr("Ctrl + Maj + S"),
        tr("Enregistrer l'image de la fenêtre pour l'impression (deux fois plus fine)"),
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S}, [e] { e->enregistreImageImpression(); });
    raccourcis_->ajoute(groupe, tr("Ctrl + C"), tr("Copier l'image de la fenêtre"),
                        {Qt::CTRL | Qt::Key_C}, [e] { e->copieImageFenetre(); });
    raccourcis_->ajoute(groupe, tr("Ctrl + E"), tr("Exporter les mesures des capteurs (CSV)"),
                        {Qt::CTRL | Qt::Key_E}, [e] { e->exporteMesures(); });
    ZoomOS* zoom = zoom_;
    Volume* volume = volume_;
    Raccourcis* raccourcis = raccourcis_;
    menu_->ajoute({
        {tr("Enregistrer l'image de la fenêtre..."), tr("Ctrl+S"),
         [e] { e->enregistreImageFenetre(); }},
        {tr("Enregistrer l'image pour l'impression..."), tr("Ctrl+Maj+S"),
         [e] { e->enregistreImageImpression(); }},
        {tr("Enregistrer l'image de l'oscilloscope..."), QString(),
         [e] { e->enregistreImageOscilloscope(); }},
        {tr("Copier l'image de la fenêtre"), tr("Ctrl+C"), [e] { e->copieImageFenetre(); }},
        {tr("Exporter les mesures (CSV)..."), tr("Ctrl+E"), [e] { e->exporteMesures(); }},
        {},
        {tr("Agrandir"), tr("Ctrl++"), [zoom] { zoom->agrandit(); }},
        {tr("Réduire"), tr("Ctrl+-"), [zoom] { zoom->reduit(); }},
        {tr("Taille normale"), tr("Ctrl+0"), [zoom] { zoom->zoomNormal(); }},
        {tr("Plein écran"), tr("F11"), [zoom] { zoom->basculePleinEcran(); }},
        {tr("Couper ou remettre le son"), tr("Ctrl+M"), [volume] { volume->basculeMuet(); }},
        {},
        {tr("Raccourcis clavier"), tr("F1"), [raccourcis] { raccourcis->montreListe(); }},
        {tr("À propos de Vibralume"), QString(), [this] { aPropos(); }},
    });
}

} // namespace vibralume
