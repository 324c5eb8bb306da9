#pragma once
// Names and descriptions of the main window's controls for screen readers,
// in the interface's language, the role of each control a click acts on, and
// the scroll bars' values in their units; nothing of the window's look
// changes (no tooltips are added).

#include <QCoreApplication>

namespace vibralume {

class OS;

class Accessibilite {
    Q_DECLARE_TR_FUNCTIONS(Accessibilite)
public:
    /// Gives every control a pupil can use or read an accessible name and,
    /// where useful, a description; the scroll bars' descriptions follow
    /// their captions. Each control a click acts on becomes a button or a
    /// check box, and the scroll bars say their values in their units.
    static void applique(OS& os);
};

} // namespace vibralume
