#include "ui/accueil/ClavierAccueil.h"

#include "ui/accueil/Accueil.h"
#include "views/ImageControle.h"

#include <QPushButton>
#include <QShortcut>
#include <stdexcept>

namespace vibralume {

ClavierAccueil::ClavierAccueil(Accueil& accueil) : QObject(&accueil) {
    auto* demarrer = accueil.controle<QPushButton>(QStringLiteral("Command1"));
    auto* fermer = accueil.controle<ImageControle>(QStringLiteral("Image1"));
    if (!demarrer || !fermer)
        throw std::logic_error("vibralume : la page d'accueil n'a pas ses boutons");
    for (const QKeySequence& touche :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)}) {
        auto* s = new QShortcut(touche, &accueil);
        s->setAutoRepeat(false);
        connect(s, &QShortcut::activated, demarrer, &QPushButton::click);
    }
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), &accueil);
    connect(echap, &QShortcut::activated, fermer, [fermer] { emit fermer->clicked(); });
}

} // namespace vibralume
