#include "views/ConteneurEnonce.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfDocument>
#include <cmath>

namespace vibralume {

QString cheminEnonce() {
    // The statement is written once per language: its resource is named by
    // the translation in use, like any other text of the interface.
    //: The statement document of this language: its path among the program's resources
    return QCoreApplication::translate("ConteneurEnonce", ":/documents/enonce.pdf");
}

bool chargeEnonce(QPdfDocument& document) {
    // A child of the document, so that it outlives every read the document makes.
    auto* fichier = new QFile(cheminEnonce(), &document);
    if (!fichier->open(QIODevice::ReadOnly))
        return false;
    document.load(fichier);
    return document.status() == QPdfDocument::Status::Ready;
}

ConteneurEnonce::ConteneurEnonce(QWidget* parent)
    : QFrame(parent), document_(new QPdfDocument(this)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    connect(document_, &QPdfDocument::statusChanged, this, qOverload<>(&QWidget::update));
    chargeEnonce(*document_);
}

ConteneurEnonce::~ConteneurEnonce() = default;

void ConteneurEnonce::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect cadre = contentsRect();
    const qreal dpr = devicePixelRatioF();
    const int largeur = int(std::lround(cadre.width() * dpr));
    // The page is drawn at the frame's width and cut at its bottom edge, as
    // the picture of an embedded document is: the pupil sees the title.
    if (document_->pageCount() > 0 && largeur > 0 &&
        (page_.width() != largeur || page_.devicePixelRatio() != dpr)) {
        const QSizeF pt = document_->pagePointSize(0);
        const int hauteur = int(std::lround(largeur * pt.height() / pt.width()));
        // The page is rendered on transparency: lay it on its white paper.
        const QImage rendu = document_->render(0, QSize(largeur, hauteur));
        page_ = QImage(rendu.size(), QImage::Format_RGB32);
        page_.fill(Qt::white);
        QPainter(&page_).drawImage(0, 0, rendu);
        page_.setDevicePixelRatio(dpr);
    }
    if (!page_.isNull()) {
        p.setClipRect(cadre);
        p.drawImage(cadre.topLeft(), page_);
        p.setClipping(false);
    }
    drawFrame(&p);
}

// The frame takes its own clicks, as a windowed control does: they never
// reach the panel behind it.
void ConteneurEnonce::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void ConteneurEnonce::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}

void ConteneurEnonce::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace vibralume
