#include "ui/classe/ZoomOS.h"

#include "ui/miseenpage/Construction.h"
#include "ui/simulation/DessinEtat.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>
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
        sortPleinEcran();
    else
        retiensCentre();
    metA(zoom);
}

void ZoomOS::retiensCentre() {
    if (!os_.isVisible())
        return;
    // A desktop's window manager draws a frame around the window, which
    // move() places and which the screen must hold. The window's own margins
    // follow what the window manager last said; the widget's copy of them
    // may lag (none until the window has moved). None in full screen: the
    // ones known are kept.
    if (const QWindow* fenetre = os_.windowHandle()) {
        const QMargins marges = fenetre->frameMargins();
        if (marges.left() >= 0 && marges.top() >= 0 && marges.right() >= 0 &&
            marges.bottom() >= 0 && !marges.isNull())
            marges_ = marges;
    }
    // The frame's centre stays with the window's, the margins being the same.
    const QRect client = os_.geometry();
    if (client != clientPose_)
        centre_ = QRectF(client).center();
}

void ZoomOS::metA(double zoom) {
    const QSize apres = taille(zoom);
    applique(zoom, QPoint());
    os_.setFixedSize(apres);
    const QScreen* ecran = os_.screen();
    if (os_.isVisible() && ecran) {
        const QRect zone = ecran->availableGeometry();
        // Shown in full screen from the start, it has stood nowhere else:
        // its frame in the middle of the screen.
        if (!centre_)
            centre_ =
                QRectF(zone).center() +
                QPointF(marges_.left() - marges_.right(), marges_.top() - marges_.bottom()) / 2;
        const QPointF centre = *centre_;
        QRect cadre = QRect(QPoint(int(std::lround(centre.x() - apres.width() / 2.0)),
                                   int(std::lround(centre.y() - apres.height() / 2.0))),
                            apres)
                          .marginsAdded(marges_);
        // The frame on the screen: where it cannot be whole, its title bar.
        cadre.moveLeft(std::clamp(cadre.left(), zone.left(),
                                  std::max(zone.left(), zone.right() - cadre.width() + 1)));
        cadre.moveTop(std::clamp(cadre.top(), zone.top(),
                                 std::max(zone.top(), zone.bottom() - cadre.height() + 1)));
        // The window's own place, not move()'s frame: just back from full
        // screen, the window has no frame yet to be placed by.
        clientPose_ = cadre.marginsRemoved(marges_);
        os_.setGeometry(clientPose_);
    }
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
    retiensCentre();
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
    sortPleinEcran();
    metA(zoomAvant_);
}

void ZoomOS::sortPleinEcran() {
    pleinEcran_ = false;
    os_.showNormal();
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
    placeControles(&os_, os_.construits(), zoom, origine);
    const ControlesOS& c = os_.controles();
    // Everything drawn is drawn again at the new scale, the oscilloscope's
    // screen with the traces of its sweep.
    c.Regle->Cls();
    os_.DessineRegle();
    os_.mesures().RetraceOscillo();
    os_.mesures().replaceMarqueurs(capteurs);
    DessineEtat(c, os_.etat(), os_.choix().valeurs());
}

} // namespace vibralume
