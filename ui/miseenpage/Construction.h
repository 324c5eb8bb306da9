#pragma once
// Builds a window's controls from its layout table.

#include "ui/miseenpage/ControlesConstruits.h"
#include "ui/miseenpage/DefControle.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <vector>

namespace vibralume {

/// Context of the layout tables' captions and tooltips in the translations.
inline constexpr const char* ContexteMiseEnPage = "MiseEnPage";

/// A caption or tooltip of a layout table in the interface's language: its
/// French as written in the table while no translation is installed.
QString traduitMiseEnPage(const char* texte);

/// The colour of a table entry, resolving the platform's roles.
QColor resoudCouleur(int c);

/// The font of a table entry at `zoom`, served by the embedded families.
QFont resoudPolice(const DefPolice& p, double zoom = 1);

/// Creates every control of `table` (which outlives them) inside `fenetre`,
/// each named after its row, placed at `zoom`, its caption and tooltip in the
/// interface's language, and returns them.
ControlesConstruits construitControles(QWidget* fenetre, const std::vector<DefControle>& table,
                                       double zoom = 1);

/// Places every control again at `zoom`: positions, sizes, fonts, line
/// widths, pictures and drawing scales all follow, computed from the table's
/// twips; the window's own children are shifted by `origine`. Lines keep
/// their end points in their box's units; drawings are cleared.
void placeControles(QWidget* fenetre, const ControlesConstruits& controles, double zoom,
                    QPoint origine = {});

/// Centres a window on its screen's available area.
void centreSurEcran(QWidget* fenetre);

/// Centres the window when it is first shown, and never again.
void centreAuPremierAffichage(QWidget* fenetre);

} // namespace vibralume
