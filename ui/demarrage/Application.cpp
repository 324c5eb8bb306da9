#include "ui/demarrage/Application.h"

#include "assets/Ressources.h"
#include "ui/accessible/FabriqueAccessible.h"
#include "ui/demarrage/Langue.h"
#include "ui/miseenpage/Construction.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace vibralume {

void prepareApplication() {
    // The program speaks French whatever the system's language, until
    // another language is chosen.
    Langue::installe(Langue::francais());
    chargePolices();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(resoudPolice(calibri(9)));
    QApplication::setWindowIcon(iconeProgramme());
    installeAccessibilite();
}

} // namespace vibralume
