#include "ui/ZoomOS.h"

#include "ui/Construction.h"
#include "ui/DessinEtat.h"
#include "ui/MiseEnPageOS.h"
#include "ui/OS.h"
#include "ui/PanneauMesures.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace vibralume {

ZoomOS::ZoomOS(OS& os) : QObject(&os), os_(os) {
    os.installEventFilter(this);
}

QSize ZoomOS::taille(double zoom) {
    return QSize(twips(LargeurOS, zoom), twips(HauteurOS, zoom));
}

double ZoomOS::zoomQuiTient(QSize zone, QSize t) {
    if (zone.isEmpty())
        return 1;
    double z = std::min(zone.width() * TwipsParPixel / t.width(),
                        zone.height() * TwipsParPixel / t.height());
    // Rounded to whole pixels the layout may still overflow by one: step down.
    while (z > 0.05 && (twips(t.width(), z) > zone.width() || twips(t.height(), z) > zone.height()))
        z -= 0.001;
    return z;
}

void ZoomOS::setZoom(double zoom, bool libre) {
    if (!libre)
        zoom = std::clamp(zoom, Minimum, Maximum);
    if (pleinEcran_)
        quittePleinEcran();
    const QRect avant = os_.geometry();
    const QSize apres = taille(zoom);
    applique(zoom, QPoint());
    os_.setFixedSize(apres);
    // The centre stays where it was, and the whole window on the screen.
    QRect place(QPoint(), apres);
    place.moveCenter(avant.center());
    if (const QScreen* ecran = os_.screen()) {
        const QRect zone = ecran->availableGeometry();
        place.moveLeft(std::clamp(place.left(), zone.left(),
                                  std::max(zone.left(), zone.right() - apres.width() + 1)));
        place.moveTop(std::clamp(place.top(), zone.top(),
                                 std::max(zone.top(), zone.bottom() - apres.height() + 1)));
    }
    if (os_.isVisible())
        os_.move(place.topLeft());
    emit zoomChange(zoom_, pleinEcran_);
}

void ZoomOS::agrandit() {
    if (pleinEcran_)
        return;
    // The next step strictly above, from a zoom that may lie between steps.
    const double pas = std::floor(zoom_ / Pas + 1e-6) + 1;
    setZoom(std::min(Maximum, pas * Pas));
}

void ZoomOS::reduit() {
    if (pleinEcran_)
        return;
    const double pas = std::ceil(zoom_ / Pas - 1e-6) - 1;
    setZoom(std::max(Minimum, pas * Pas));
}

void ZoomOS::zoomNormal() {
    setZoom(1);
}

void ZoomOS::basculePleinEcran() {
    if (pleinEcran_) {
        quittePleinEcran();
        return;
    }
    zoomAvant_ = zoom_;
    pleinEcran_ = true;
    os_.setMinimumSize(0, 0);
    os_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* ecran = os_.screen())
        os_.setGeometry(ecran->geometry());
    os_.showFullScreen();
    ajustePleinEcran();
}

void ZoomOS::quittePleinEcran() {
    if (!pleinEcran_)
        return;
    pleinEcran_ = false;
    os_.showNormal();
    setZoom(zoomAvant_, true);
}

// Full screen: the layout at the largest zoom the screen takes, centred, the
// margins in the window's grey.
void ZoomOS::ajustePleinEcran() {
    const QSize ecran = os_.size();
    tailleAjustee_ = ecran;
    const double z = zoomQuiTient(ecran, QSize(LargeurOS, HauteurOS));
    const QSize t = taille(z);
    applique(z, QPoint((ecran.width() - t.width()) / 2, (ecran.height() - t.height()) / 2));
    emit zoomChange(zoom_, pleinEcran_);
}

bool ZoomOS::eventFilter(QObject* objet, QEvent* e) {
    // The screen may hand the full-screen window its size late, or change it.
    if (objet == &os_ && e->type() == QEvent::Resize && pleinEcran_ && os_.size() != tailleAjustee_)
        ajustePleinEcran();
    return QObject::eventFilter(objet, e);
}

void ZoomOS::applique(double zoom, QPoint origine) {
    zoom_ = zoom;
    const PanneauMesures::Places capteurs = os_.mesures().places();
    placeControles(&os_, os_.controlesParNom(), MiseEnPageOS(), zoom, origine);
    const ControlesOS& c = os_.controles();
    // Everything drawn is drawn again at the new scale, the oscilloscope's
    // screen with the traces of its sweep.
    c.Regle->Cls();
    os_.DessineRegle();
    os_.mesures().RetraceOscillo();
    os_.mesures().replaceMarqueurs(capteurs);
    DessineEtat(c, os_.etat());
}

} // namespace vibralume
