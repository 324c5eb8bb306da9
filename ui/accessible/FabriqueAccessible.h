#pragma once
// The program's own controls as screen readers should see them.

namespace vibralume {

/// Lets screen readers see the program's own controls for what they are
/// (buttons, check boxes, scroll bars in their units); once, before the
/// first window.
void installeAccessibilite();

} // namespace vibralume
