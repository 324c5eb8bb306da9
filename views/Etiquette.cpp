#include "views/Etiquette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace vibralume {

Etiquette::~Etiquette() = default;

Etiquette::Etiquette(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

namespace {
// A width no caption reaches: the lines keep the characters they are given.
constexpr qreal PlusLarge = 1e6;
} // namespace

void Etiquette::setMiseDeReference(const QFont& police, int largeurTexte) {
    policeReference_ = police;
    largeurReference_ = largeurTexte;
    mise_.reset();
    update();
}

// Lines follow each other at the font's own height, with no extra leading:
// a two-line caption fits where the layout gave it room for two lines.
// The layout is kept from one paint to the next: the markers over the model
// are painted again at every tick, their caption unchanged.
void Etiquette::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    p.setPen(palette().color(QPalette::WindowText));
    metEnPage();
    if (serrage_ == 1) {
        mise_->draw(&p, contentsRect().topLeft());
        return;
    }
    p.translate(contentsRect().topLeft());
    p.scale(serrage_, 1);
    mise_->draw(&p, QPointF(0, 0));
}

int Etiquette::nombreLignes() {
    metEnPage();
    return mise_->lineCount();
}

qreal Etiquette::largeurLignes() {
    metEnPage();
    qreal large = 0;
    for (int k = 0; k < mise_->lineCount(); ++k)
        large = std::max(large, mise_->lineAt(k).naturalTextWidth());
    return large * serrage_;
}

void Etiquette::metEnPage() {
    const QRect zone = contentsRect();
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    if (!mise_ || miseTexte_ != text() || miseLargeur_ != zone.width() || misePolice_ != font() ||
        miseAlignement_ != h) {
        QTextOption option(h);
        option.setWrapMode(QTextOption::WordWrap);
        // Where the lines break at 100 %: so many characters a line.
        QList<int> longueurs;
        if (policeReference_ && *policeReference_ != font()) {
            QTextLayout reference(text(), *policeReference_, this);
            reference.setTextOption(option);
            reference.beginLayout();
            for (QTextLine l = reference.createLine(); l.isValid(); l = reference.createLine()) {
                l.setLineWidth(largeurReference_);
                longueurs << l.textLength();
            }
            reference.endLayout();
        }
        mise_ = std::make_unique<QTextLayout>(text(), font(), this);
        if (!longueurs.isEmpty()) {
            // Lines of so many characters, however wide; aligned here, since
            // a line may be a pixel wider than the caption's box.
            option.setAlignment(Qt::AlignLeft);
        }
        mise_->setTextOption(option);
        const qreal pas = QFontMetricsF(font(), this).height();
        qreal plusLarge = 0;
        int k = 0;
        mise_->beginLayout();
        for (QTextLine ligne = mise_->createLine(); ligne.isValid(); ligne = mise_->createLine()) {
            if (longueurs.isEmpty()) {
                ligne.setLineWidth(zone.width());
            } else {
                ligne.setNumColumns(k < longueurs.size() ? longueurs[k] : text().size(), PlusLarge);
                plusLarge = std::max(plusLarge, ligne.naturalTextWidth());
            }
            ++k;
        }
        // The zoomed font's glyphs round to whole pixels otherwise than at
        // 100 %: a line a few pixels too wide for its box is narrowed to fit
        // rather than cut at the box's edge.
        serrage_ = plusLarge > zone.width() && zone.width() > 0 ? zone.width() / plusLarge : 1;
        for (k = 0; k < mise_->lineCount(); ++k) {
            QTextLine ligne = mise_->lineAt(k);
            qreal x = 0;
            if (!longueurs.isEmpty()) {
                const qreal reste = zone.width() / serrage_ - ligne.naturalTextWidth();
                x = h == Qt::AlignHCenter ? reste / 2 : h == Qt::AlignRight ? reste : 0;
            }
            ligne.setPosition(QPointF(x, k * pas));
        }
        mise_->endLayout();
        miseTexte_ = text();
        miseLargeur_ = zone.width();
        misePolice_ = font();
        miseAlignement_ = h;
    }
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
