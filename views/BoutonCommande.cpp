#include "views/BoutonCommande.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace vibralume {

const QColor BoutonCommande::Clair{255, 255, 255};
const QColor BoutonCommande::Sombre{64, 64, 64};
const QColor BoutonCommande::Ombre{128, 128, 128};

BoutonCommande::BoutonCommande(QWidget* parent) : QPushButton(parent) {}

void BoutonCommande::setEpaisseur(int e) {
    epaisseur_ = std::max(1, e);
    update();
}

namespace {

/// A ring `e` wide just inside `r`: its top and left sides in one colour, its
/// bottom and right sides in another (none when invalid).
void anneau(QPainter& p, const QRect& r, int e, const QColor& hautGauche, const QColor& basDroite) {
    if (hautGauche.isValid()) {
        p.fillRect(QRect(r.x(), r.y(), r.width() - e, e), hautGauche);
        p.fillRect(QRect(r.x(), r.y(), e, r.height() - e), hautGauche);
    }
    if (basDroite.isValid()) {
        p.fillRect(QRect(r.x(), r.bottom() - e + 1, r.width(), e), basDroite);
        p.fillRect(QRect(r.right() - e + 1, r.y(), e, r.height()), basDroite);
    }
}

} // namespace

void BoutonCommande::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const int e = epaisseur_;
    p.fillRect(r, palette().color(QPalette::Button));
    const bool enfonce = isDown() || isChecked();
    // Outer edge: light above and left, dark below and right (the reverse
    // when pressed); inside it, a grey shadow along the dark sides.
    const QRect dedans = r.adjusted(e, e, -e, -e);
    if (enfonce) {
        anneau(p, r, e, Sombre, Clair);
        anneau(p, dedans, e, Ombre, QColor());
    } else {
        anneau(p, r, e, Clair, Sombre);
        anneau(p, dedans, e, QColor(), Ombre);
    }

    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect =
        r.adjusted(2 * e, 2 * e, -2 * e, -2 * e).translated(enfonce ? QPoint(e, e) : QPoint());
    style()->drawControl(QStyle::CE_PushButtonLabel, &option, &p, this);
    // The focus mark only once the keyboard has been used, as the platform does.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3 * e, 3 * e, -3 * e, -3 * e);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace vibralume
