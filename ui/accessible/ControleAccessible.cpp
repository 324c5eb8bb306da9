#include "ui/accessible/ControleAccessible.h"

#include "ui/accessible/FicheAccessible.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

namespace vibralume {

ControleAccessible::ControleAccessible(QWidget* w) : QAccessibleWidget(w) {}

bool ControleAccessible::clique(QWidget* w) {
    if (auto* i = qobject_cast<ImageControle*>(w))
        emit i->clicked();
    else if (auto* l = qobject_cast<Etiquette*>(w))
        emit l->clicked();
    else if (auto* p = qobject_cast<PictureBox*>(w))
        emit p->clicked();
    else if (auto* o = qobject_cast<ConteneurEnonce*>(w))
        emit o->doubleClicked();
    else
        return false;
    return true;
}

QAccessible::Role ControleAccessible::role() const {
    if (const auto fiche = FicheAccessible::de(object());
        fiche && fiche->role != QAccessible::NoRole)
        return fiche->role;
    return qobject_cast<const Etiquette*>(object()) ? QAccessible::StaticText
                                                    : QAccessibleWidget::role();
}

QAccessible::State ControleAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto fiche = FicheAccessible::de(object()); fiche && fiche->coche) {
        s.checkable = true;
        s.checked = fiche->coche();
    }
    return s;
}

// A caption with no name of its own reads as its text, as any label does.
QString ControleAccessible::text(QAccessible::Text t) const {
    const QString texte = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && texte.isEmpty())
        if (const auto* l = qobject_cast<const Etiquette*>(object()))
            return l->text();
    return texte;
}

QStringList ControleAccessible::actionNames() const {
    QStringList noms = QAccessibleWidget::actionNames();
    const QAccessible::Role r = role();
    if (r == QAccessible::Button)
        noms.prepend(pressAction());
    else if (r == QAccessible::CheckBox)
        noms.prepend(toggleAction());
    return noms;
}

// Pressed as a click would be: only while the control can be clicked.
void ControleAccessible::doAction(const QString& action) {
    const QAccessible::Role r = role();
    const bool presse = (r == QAccessible::Button || r == QAccessible::CheckBox) &&
                        (action == pressAction() || action == toggleAction());
    if (!presse) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (widget()->isVisible() && widget()->isEnabled())
        clique(widget());
}

} // namespace vibralume
