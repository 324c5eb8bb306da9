#include "ui/accessible/FicheAccessible.h"

#include <QVariant>
#include <QWidget>

namespace vibralume {

namespace {
constexpr char Propriete[] = "vibralume_ficheAccessible";
} // namespace

void FicheAccessible::pose(QWidget* w, const FicheAccessible& fiche) {
    w->setProperty(Propriete, QVariant::fromValue(fiche));
}

std::optional<FicheAccessible> FicheAccessible::de(const QObject* w) {
    const QVariant v = w->property(Propriete);
    if (!v.canConvert<FicheAccessible>())
        return std::nullopt;
    return v.value<FicheAccessible>();
}

} // namespace vibralume
