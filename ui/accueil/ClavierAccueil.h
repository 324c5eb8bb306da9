#pragma once
// The home page with the keyboard: Return or Space starts the simulation,
// Escape ends the program, as its button and its close picture do.

#include <QObject>

namespace vibralume {

class Accueil;

class ClavierAccueil : public QObject {
    Q_OBJECT
public:
    explicit ClavierAccueil(Accueil& accueil);
};

} // namespace vibralume
