#include "ui/simulation/GlissementMarqueur.h"

#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace vibralume {

namespace {

/// The widget the pointer is over at p (in racine's coordinates), looking
/// through `ignore` as if it were not there.
QWidget* widgetSous(QWidget* racine, QPoint p, const QWidget* ignore) {
    const QObjectList& enfants = racine->children();
    // Children are kept in stacking order, the front one last.
    for (auto it = enfants.crbegin(); it != enfants.crend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w == ignore || w->isWindow() || w->isHidden() ||
            w->testAttribute(Qt::WA_TransparentForMouseEvents) || !w->geometry().contains(p))
            continue;
        return widgetSous(w, p - w->pos(), ignore);
    }
    return racine;
}

} // namespace

GlissementMarqueur::GlissementMarqueur(QWidget& fenetre, PictureBox& modele, Reaction DragOver,
                                       Reaction DragDrop, QObject* parent)
    : QObject(parent), fenetre_(fenetre), modele_(modele), DragOver_(std::move(DragOver)),
      DragDrop_(std::move(DragDrop)) {}

void GlissementMarqueur::commence(Etiquette* marqueur, QPoint prise) {
    source_ = marqueur;
    prise_ = prise;
    depart_ = QRect(marqueur->mapTo(&fenetre_, QPoint(0, 0)), marqueur->size());
    sorti_ = false;
    if (!contour_) {
        contour_ = new QRubberBand(QRubberBand::Rectangle, &fenetre_);
        contour_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    contour_->setGeometry(depart_);
    contour_->raise();
    contour_->show();
}

bool GlissementMarqueur::eventFilter(QObject* objet, QEvent* e) {
    if (!source_ || objet != source_)
        return false;
    if (e->type() != QEvent::MouseMove && e->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* me = static_cast<QMouseEvent*>(e);
    const QPointF global = me->globalPosition();
    if (!depart_.contains(fenetre_.mapFromGlobal(global).toPoint()))
        sorti_ = true;
    QPointF xy;
    const bool auDessus = sorti_ && surModele(global, xy);
    if (e->type() == QEvent::MouseMove) {
        contour_->move(fenetre_.mapFromGlobal(global).toPoint() - prise_);
        if (auDessus)
            DragOver_(source_, xy.x(), xy.y());
    } else if (me->buttons() == Qt::NoButton) {
        QWidget* source = source_;
        source_ = nullptr;
        contour_->hide();
        if (auDessus)
            DragDrop_(source, xy.x(), xy.y());
    }
    return true;
}

bool GlissementMarqueur::surModele(QPointF global, QPointF& xy) const {
    const QPoint p = fenetre_.mapFromGlobal(global).toPoint();
    if (widgetSous(&fenetre_, p, source_) != &modele_)
        return false;
    const double b = modele_.bordure();
    xy = modele_.versEchelle(modele_.mapFromGlobal(global) - QPointF(b, b));
    return true;
}

} // namespace vibralume
