#include "views/Etiquette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

namespace vibralume {

Etiquette::~Etiquette() = default;

Etiquette::Etiquette(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

// Lines follow each other at the font's own height, with no extra leading:
// a two-line caption fits where the layout gave it room for two lines.
// The layout is kept from one paint to the next: the markers over the model
// are painted again at every tick, their caption unchanged.
void Etiquette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect zone = contentsRect();
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    if (!mise_ || miseTexte_ != text() || miseLargeur_ != zone.width() || misePolice_ != font() ||
        miseAlignement_ != h) {
        mise_ = std::make_unique<QTextLayout>(text(), font(), this);
        QTextOption option(h);
        option.setWrapMode(QTextOption::WordWrap);
        mise_->setTextOption(option);
        const qreal pas = QFontMetricsF(font(), this).height();
        qreal y = 0;
        mise_->beginLayout();
        for (QTextLine ligne = mise_->createLine(); ligne.isValid(); ligne = mise_->createLine()) {
            ligne.setLineWidth(zone.width());
            ligne.setPosition(QPointF(0, y));
            y += pas;
        }
        mise_->endLayout();
        miseTexte_ = text();
        miseLargeur_ = zone.width();
        misePolice_ = font();
        miseAlignement_ = h;
    }
    mise_->draw(&p, zone.topLeft());
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
