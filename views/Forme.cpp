#include "views/Forme.h"

#include <QPainter>

namespace vibralume {

Forme::Forme(const QColor& remplissage, const QColor& bord, QWidget* parent)
    : QWidget(parent), remplissage_(remplissage), bord_(bord) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forme::setEpaisseur(int e) {
    epaisseur_ = e;
    update();
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int e = epaisseur_;
    p.fillRect(rect(), bord_);
    p.fillRect(rect().adjusted(e, e, -e, -e), remplissage_);
}

} // namespace vibralume
