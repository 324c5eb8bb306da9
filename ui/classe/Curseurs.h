#pragma once
// The oscilloscope's measuring cursors for the lesson: shown or hidden by a
// key or the background's menu, over the screen, with what they read in a
// small window of its own. The speed of sound is measured as in the lab: the
// delay between the two sensors' traces, and the distance between them.

#include "model/LectureCurseurs.h"

#include <QObject>
#include <QPoint>
#include <optional>
#include <utility>

namespace vibralume {

class CurseursOscillo;
class FenetreCurseurs;
class MenuFond;
class OS;
class TableCommandes;
class ZoomOS;

class Curseurs : public QObject {
    Q_OBJECT
public:
    /// Adds the commands to `table` and the show-or-hide one to `menu`; the
    /// readout's text follows `zoom`.
    Curseurs(OS& os, TableCommandes& table, MenuFond& menu, ZoomOS& zoom);

    CurseursOscillo& ecran() { return *ecran_; }
    FenetreCurseurs& fenetre() { return *fenetre_; }
    /// Shows the cursors, or hides them.
    void bascule();
    /// The next cursor takes the arrows.
    void choisitSuivant();
    /// What the cursors read now, as the window shows it.
    LectureCurseurs lecture() const;
    /// Everything shown again from the window's choices: after they were set
    /// by other means than these cursors (a lesson opened).
    void actualise();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    OS& os_;
    CurseursOscillo* ecran_;
    FenetreCurseurs* fenetre_;
    /// Beside the window, unless the user put it elsewhere.
    void placeLecture();

    /// What the readout shows, and with the sensors' lines: the reading is
    /// asked for at every sample, and changes only when something is moved.
    std::optional<std::pair<LectureCurseurs, bool>> montree_;
    bool placee_ = false;
    QPoint placeAuto_; ///< where it was last put; moved from there, it stays where the user left it
};

} // namespace vibralume
