#include "ui/classe/Ralenti.h"

#include "model/HorlogeRalentie.h"

#include <QWidget>
#include <algorithm>
#include <iterator>

namespace vibralume {

Ralenti::Ralenti(QWidget& fenetre, HorlogeRalentie& horloge, ChoixEleve& choix)
    : QObject(&fenetre), fenetre_(fenetre), horloge_(horloge), choix_(choix) {}

void Ralenti::suivant() {
    const auto ici = std::ranges::find(DiviseursTemps, diviseur());
    const auto apres = ici == DiviseursTemps.end() || std::next(ici) == DiviseursTemps.end()
                           ? DiviseursTemps.begin()
                           : std::next(ici);
    choisit(*apres);
}

void Ralenti::choisit(int diviseur) {
    if (diviseur == this->diviseur() ||
        std::ranges::find(DiviseursTemps, diviseur) == DiviseursTemps.end())
        return;
    choix_.diviseurTemps(diviseur);
    horloge_.setFacteur(1.0 / diviseur);
    fenetre_.setWindowTitle(titre());
    emit change(diviseur);
}

QString Ralenti::titre() const {
    if (!lecon_.isEmpty())
        return diviseur() == 1 ? QStringLiteral("Vibralume — %1").arg(lecon_)
                               : tr("Vibralume — %1 — ralenti x1/%2").arg(lecon_).arg(diviseur());
    if (diviseur() == 1)
        return QStringLiteral("Vibralume");
    return tr("Vibralume — ralenti x1/%1").arg(diviseur());
}

void Ralenti::setLecon(const QString& titre) {
    lecon_ = titre;
    fenetre_.setWindowTitle(this->titre());
}

} // namespace vibralume
