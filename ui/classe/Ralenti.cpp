#include "ui/classe/Ralenti.h"

#include "model/HorlogeRalentie.h"

#include <QWidget>
#include <iterator>

namespace vibralume {

Ralenti::Ralenti(QWidget& fenetre, HorlogeRalentie& horloge)
    : QObject(&fenetre), fenetre_(fenetre), horloge_(horloge) {}

void Ralenti::suivant() {
    choisit(Diviseurs[(rang_ + 1) % int(std::size(Diviseurs))]);
}

void Ralenti::choisit(int diviseur) {
    for (int r = 0; r < int(std::size(Diviseurs)); ++r)
        if (Diviseurs[r] == diviseur && r != rang_) {
            rang_ = r;
            horloge_.setFacteur(1.0 / diviseur);
            fenetre_.setWindowTitle(titre());
            emit change(diviseur);
        }
}

QString Ralenti::titre() const {
    if (diviseur() == 1)
        return QStringLiteral("Vibralume");
    return tr("Vibralume — ralenti x1/%1").arg(diviseur());
}

} // namespace vibralume
