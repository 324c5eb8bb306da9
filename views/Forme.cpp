#include "views/Forme.h"

#include <QPainter>

namespace vibralume {

Forme::Forme(const QColor& remplissage, const QColor& bord, QWidget* parent)
    : QWidget(parent), remplissage_(remplissage), bord_(bord) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), remplissage_);
    p.setPen(QPen(bord_, 0));
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
}

} // namespace vibralume
