#include "ui/classe/Annonce.h"

#include "ui/miseenpage/Construction.h"

namespace vibralume {

Annonce::Annonce(QWidget* fenetre)
    : QLabel(fenetre, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      fenetre_(fenetre) {
    setObjectName(QStringLiteral("Annonce"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    setMargin(10);
    setStyleSheet(QStringLiteral("QLabel { background: rgb(0, 0, 64); color: white; "
                                 "border: 1px solid white; }"));
    minuterie_.setSingleShot(true);
    minuterie_.setInterval(DureeMs);
    connect(&minuterie_, &QTimer::timeout, this, &QWidget::hide);
}

void Annonce::montre(const QString& texte) {
    // As large as the window's own captions at its zoom, and a bit more.
    QFont police = resoudPolice({"Calibri", 14, true}, double(fenetre_->width()) / 1008);
    setFont(police);
    setText(texte);
    adjustSize();
    const QPoint haut =
        fenetre_->mapToGlobal(QPoint(fenetre_->width() / 2, fenetre_->height() / 8));
    move(haut.x() - width() / 2, haut.y() - height() / 2);
    show();
    raise();
    minuterie_.start();
}

} // namespace vibralume
