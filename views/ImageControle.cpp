#include "views/ImageControle.h"

#include "assets/Ressources.h"

#include <QMouseEvent>
#include <QPainter>

namespace vibralume {

ImageControle::ImageControle(QWidget* parent) : QWidget(parent) {}

void ImageControle::setNomImage(const QString& nom) {
    nom_ = nom;
    update();
}

void ImageControle::paintEvent(QPaintEvent*) {
    if (nom_.isEmpty())
        return;
    QPainter p(this);
    // Drawn for the device painted on: the screen, or a finer picture saved.
    p.drawPixmap(rect(), image(nom_, size(), p.device()->devicePixelRatioF()));
}

void ImageControle::mousePressEvent(QMouseEvent* e) {
    appuye_ = true;
    e->accept();
}

void ImageControle::mouseReleaseEvent(QMouseEvent* e) {
    if (appuye_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    appuye_ = false;
}

} // namespace vibralume
