#include "views/Etiquette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

namespace vibralume {

Etiquette::Etiquette(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

// Lines follow each other at the font's own height, with no extra leading:
// a two-line caption fits where the layout gave it room for two lines.
void Etiquette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect zone = contentsRect();
    QTextLayout mise(text(), font(), this);
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    mise.setTextOption(option);
    const qreal pas = QFontMetricsF(font(), this).height();
    qreal y = 0;
    mise.beginLayout();
    for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
        ligne.setLineWidth(zone.width());
        ligne.setPosition(QPointF(0, y));
        y += pas;
    }
    mise.endLayout();
    mise.draw(&p, zone.topLeft());
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
