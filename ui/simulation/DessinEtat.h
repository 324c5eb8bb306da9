#pragma once
// What the tick draws, from the state as it stands: the model view (with the
// standing wave's plate in its strip) and the enlarged vibrator.

#include "model/ChoixEleve.h"
#include "model/Module1.h"
#include "ui/simulation/ControlesOS.h"

namespace vibralume {

/// Draws the panels that are shown: the model once its particles have been
/// laid out by a tick that showed it, and the vibrator's rod.
void DessineEtat(const ControlesOS& c, const Module1& m, const ValeursChoix& choix);

} // namespace vibralume
