#include "ui/simulation/VisionneuseEnonce.h"

#include "assets/Ressources.h"
#include "ui/miseenpage/Construction.h"
#include "views/ConteneurEnonce.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPdfDocument>
#include <QPdfView>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace vibralume {

VisionneuseEnonce::VisionneuseEnonce(QWidget* parent)
    : QWidget(parent, Qt::Window), document_(new QPdfDocument(this)), vue_(new QPdfView(this)) {
    setObjectName(QStringLiteral("VisionneuseEnonce"));
    setWindowTitle(tr("Enoncé du modèle microscopique"));
    setWindowIcon(iconeProgramme());
    // Closing the main window ends the program, whether the statement is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    chargeEnonce(*document_);
    vue_->setDocument(document_);
    vue_->setPageMode(QPdfView::PageMode::SinglePage);
    vue_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(vue_);
    vue_->setFocus();

    // Tall enough for the whole page on the screen of the main window; a
    // smaller or resized window scrolls.
    const QScreen* ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    const QMargins marges = vue_->documentMargins();
    const int hauteur = zone.height() * 9 / 10;
    QSizeF page = document_->pagePointSize(0);
    if (page.isEmpty())
        page = QSizeF(595.3, 841.9); // A4, in points
    const int cadre = 2 * vue_->frameWidth();
    const int largeurPage =
        int((hauteur - cadre - marges.top() - marges.bottom()) * page.width() / page.height());
    const int largeur = largeurPage + marges.left() + marges.right() + cadre +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(qMin(largeur, zone.width()), hauteur);
    centreSurEcran(this);
}

void VisionneuseEnonce::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace vibralume
