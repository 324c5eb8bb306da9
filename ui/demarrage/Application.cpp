#include "ui/demarrage/Application.h"

#include "assets/Ressources.h"
#include "ui/accessible/FabriqueAccessible.h"
#include "ui/demarrage/Langue.h"
#include "ui/miseenpage/Construction.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace vibralume {

bool prepareApplication(const QString& langue) {
    // The program speaks French whatever the system's language, unless
    // another language is chosen.
    const bool traduit = Langue::installe(langue);
    chargePolices();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(resoudPolice(calibri(9)));
    QApplication::setWindowIcon(iconeProgramme());
    installeAccessibilite();
    return traduit;
}

} // namespace vibralume
