#include "ui/ComplementsOS.h"

#include "ui/Accessibilite.h"
#include "ui/Annonce.h"
#include "ui/MiseEnPageOS.h"
#include "ui/NavigationClavier.h"
#include "ui/OS.h"
#include "ui/Raccourcis.h"
#include "ui/Reglages.h"
#include "ui/Volume.h"
#include "ui/ZoomOS.h"

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
                             Reglages* reglages)
    : QObject(&os), os_(os), zoom_(new ZoomOS(os)),
      volume_(new Volume(std::move(gain), d.volume, d.muet, this)),
      raccourcis_(new Raccourcis(os, *zoom_, *volume_)), navigation_(new NavigationClavier(os)),
      annonce_(new Annonce(&os)) {
    Accessibilite::applique(os);
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

} // namespace vibralume
