#include "views/Trait.h"

#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QPainter>
#include <cmath>

namespace vibralume {

Trait::Trait(PictureBox* conteneur) : QWidget(conteneur), boite_(conteneur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// The widget covers the line's bounding box (one pixel wider), inside the
// container's border, and paints the line across it.
void Trait::setPoints(double x1, double y1, double x2, double y2) {
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    const int b = boite_->bordure();
    const QPointF a = boite_->versPixels(x1, y1), z = boite_->versPixels(x2, y2);
    const int gx = int(std::nearbyint(std::min(a.x(), z.x())));
    const int gy = int(std::nearbyint(std::min(a.y(), z.y())));
    const int dx = int(std::nearbyint(std::max(a.x(), z.x())));
    const int dy = int(std::nearbyint(std::max(a.y(), z.y())));
    setGeometry(b + gx, b + gy, dx - gx + 1, dy - gy + 1);
    update();
}

void Trait::setCouleur(const QColor& c) {
    couleur_ = c;
    update();
}

void Trait::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPointF a = boite_->versPixels(x1_, y1_), z = boite_->versPixels(x2_, y2_);
    const QPointF o = pos() - QPoint(boite_->bordure(), boite_->bordure());
    p.setPen(QPen(couleur_, epaisseur(1, boite_->zoom())));
    p.drawLine(QPointF(std::nearbyint(a.x()), std::nearbyint(a.y())) - o,
               QPointF(std::nearbyint(z.x()), std::nearbyint(z.y())) - o);
}

} // namespace vibralume
