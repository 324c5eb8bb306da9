#include "ui/accessible/BarreAccessible.h"

#include "ui/accessible/FicheAccessible.h"

#include <QScrollBar>

namespace vibralume {

BarreAccessible::BarreAccessible(QScrollBar* barre)
    : QAccessibleWidget(barre, QAccessible::ScrollBar) {}

QScrollBar* BarreAccessible::barre() const {
    return static_cast<QScrollBar*>(widget());
}

QString BarreAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Value)
        return QAccessibleWidget::text(t);
    const auto fiche = FicheAccessible::de(object());
    return fiche && fiche->valeur ? fiche->valeur(barre()->value())
                                  : QString::number(barre()->value());
}

void* BarreAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant BarreAccessible::currentValue() const {
    return barre()->value();
}

// Moved as by its arrows: its change handler runs, the captions follow.
void BarreAccessible::setCurrentValue(const QVariant& valeur) {
    barre()->setValue(valeur.toInt());
}

QVariant BarreAccessible::maximumValue() const {
    return barre()->maximum();
}

QVariant BarreAccessible::minimumValue() const {
    return barre()->minimum();
}

QVariant BarreAccessible::minimumStepSize() const {
    return barre()->singleStep();
}

} // namespace vibralume
