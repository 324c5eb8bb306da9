#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures, cursors, icon and fonts are compiled in as resources:
//   :/images/<nom>.svg        pictures (lecture, pause, pas, croix, hautparleur, ...)
//   :/cursors/main.svg        pointing hand, hot spot (12, 1)
//   :/cursors/saisie.svg      grabbing hand, hot spot (4, 16)
//   :/fonts/Carlito-*.ttf, :/fonts/LiberationSans-*.ttf
//   :/documents/enonce.pdf    the one-page statement of the model, in French
//   :/documents/enonce_en.pdf the same in English
// Everything here needs a QGuiApplication and runs on the user-interface thread.

/// Registers the embedded fonts (once) and maps "Calibri" to Carlito and "Arial" to
/// Liberation Sans, so that the windows look the same on a machine without them.
void chargePolices();

/// Picture :/images/<nom>.svg drawn at `taille` logical pixels for a screen of device
/// pixel ratio `dpr`; cached. A null pixmap if there is no such picture.
QPixmap image(const QString& nom, QSize taille, qreal dpr);

/// Pointing hand, hot spot (12, 1), for everything that reacts to a click. Drawn for
/// `dpr` (the application's device pixel ratio when 0).
QCursor curseurMain(qreal dpr = 0);

/// Grabbing hand, hot spot (4, 16), for the scroll bars and the dragged sensor markers.
QCursor curseurSaisie(qreal dpr = 0);

/// The program icon (a slice of the medium) at the usual icon sizes.
QIcon iconeProgramme();
