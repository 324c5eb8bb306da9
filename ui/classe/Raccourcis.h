#pragma once
// The main window's own commands: one for each thing a pupil clicks, each
// doing what its click does through the same handler, and only when that
// click could be made (its control shown and enabled); also the zoom, full
// screen and the volume. They go into the window's table of commands.

#include <QObject>

namespace vibralume {

class OS;
class TableCommandes;
class Volume;
class ZoomOS;

class Raccourcis : public QObject {
    Q_OBJECT
public:
    /// Adds the commands to `table`.
    Raccourcis(OS& os, TableCommandes& table, ZoomOS& zoom, Volume& volume);

private:
    void ajouteMarche();
    void ajouteVibration();
    void ajouteFenetres();
    void ajouteOscilloscope();
    void ajouteMilieu();
    void ajouteAffichage();

    OS& os_;
    TableCommandes& table_;
    ZoomOS& zoom_;
    Volume& volume_;
};

} // namespace vibralume
