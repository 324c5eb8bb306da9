#include "views/BoutonCommande.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace vibralume {

const QColor BoutonCommande::Clair{255, 255, 255};
const QColor BoutonCommande::Sombre{64, 64, 64};
const QColor BoutonCommande::Ombre{128, 128, 128};

BoutonCommande::BoutonCommande(QWidget* parent) : QPushButton(parent) {}

void BoutonCommande::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));
    const bool enfonce = isDown() || isChecked();
    // Outer edge: light above and left, dark below and right (the reverse
    // when pressed); inside it, a grey shadow along the dark sides.
    const QColor& haut = enfonce ? Sombre : Clair;
    const QColor& bas = enfonce ? Clair : Sombre;
    p.setPen(haut);
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(bas);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Ombre);
    if (enfonce) {
        p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-2, 1));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -2));
    } else {
        p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
        p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
    }

    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = r.adjusted(2, 2, -2, -2).translated(enfonce ? QPoint(1, 1) : QPoint());
    style()->drawControl(QStyle::CE_PushButtonLabel, &option, &p, this);
    // The focus mark only once the keyboard has been used, as the platform does.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3, 3, -3, -3);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace vibralume
