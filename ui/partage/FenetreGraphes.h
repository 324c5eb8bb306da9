#pragma once
// The graphs along the medium in a window of their own: drawn again at each
// tick of the simulation while the window is shown (so they stop with the
// pause and move with a step), and saved as a picture like the other views.

#include "ui/partage/Enregistrement.h"
#include "views/GraphesMilieu.h"

#include <QImage>
#include <QWidget>

class QMenu;

namespace vibralume {

class OS;

class FenetreGraphes : public QWidget {
    Q_OBJECT
public:
    /// Follows the ticks of `os`; its pictures are written through
    /// `enregistrement`. A window of its own even with a parent.
    FenetreGraphes(OS& os, Enregistrement& enregistrement, QWidget* parent);

    GraphesMilieu& graphes() { return *graphes_; }
    /// What the graphs would show now: the model's slices and the places
    /// sensors read, as far as the model view shows the medium, the sensors
    /// that are on, the highlighted group, and the nodes of a resonant standing wave.
    ContenuGraphes contenu() const;
    /// Texts and lines at the main window's zoom; the window keeps its
    /// proportions and grows or shrinks with it.
    void setZoom(double zoom);

    /// Another way to ask where to save (tests); without one a file dialog asks.
    void setChoix(Enregistrement::Choix choix) { choix_ = std::move(choix); }
    /// The window as it is seen.
    QImage image();
    /// Asks where, then writes the window's picture as a PNG file.
    void enregistreImage();
    /// The context menu, as a right click shows it.
    QMenu* menu();

protected:
    void showEvent(QShowEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    /// Draws the graphs from the state now, if the window is seen.
    void actualise();

    OS& os_;
    Enregistrement& enregistrement_;
    Enregistrement::Choix choix_;
    GraphesMilieu* graphes_;
    QMenu* menu_ = nullptr;
    double zoom_ = 1;
};

} // namespace vibralume
