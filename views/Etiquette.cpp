#include "views/Etiquette.h"

#include <QMouseEvent>

namespace vibralume {

Etiquette::Etiquette(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

void Etiquette::mousePressEvent(QMouseEvent* e) {
    appuye_ = true;
    emit mouseDown(e->button(), e->position().toPoint());
    e->accept();
}

void Etiquette::mouseReleaseEvent(QMouseEvent* e) {
    if (appuye_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    appuye_ = false;
}

} // namespace vibralume
