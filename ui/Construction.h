#pragma once
// Builds a window's controls from its layout table.

#include "ui/DefControle.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <vector>

namespace vibralume {

/// The colour of a table entry, resolving the platform's roles.
QColor resoudCouleur(int c);

/// The font of a table entry, served by the embedded families.
QFont resoudPolice(const DefPolice& p);

/// Creates every control of the table inside `fenetre`, each named after its
/// row, and returns them by name.
QHash<QString, QWidget*> construitControles(QWidget* fenetre,
                                            const std::vector<DefControle>& table);

/// Centres a window on its screen's available area.
void centreSurEcran(QWidget* fenetre);

/// Centres the window when it is first shown, and never again.
void centreAuPremierAffichage(QWidget* fenetre);

} // namespace vibralume
