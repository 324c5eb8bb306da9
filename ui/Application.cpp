#include "ui/Application.h"

#include "assets/Ressources.h"
#include "ui/Construction.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace vibralume {

void prepareApplication() {
    chargePolices();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(resoudPolice(calibri(9)));
    QApplication::setWindowIcon(iconeProgramme());
}

} // namespace vibralume
