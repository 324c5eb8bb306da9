#pragma once
// The measuring cursors over the oscilloscope screen: two times across, two
// levels down, dashed lines drawn over the traces, never into them (the
// screen's image is the traces' only memory). Dragged with the mouse, or
// moved with the arrows once one is picked; where they stand is the pupil's
// choices', read and written there only.

#include "model/ChoixEleve.h"

#include <QWidget>
#include <optional>

namespace vibralume {

class PictureBox;

class CurseursOscillo : public QWidget {
    Q_OBJECT
public:
    /// The cursors: the two times, then the two levels.
    enum Curseur { Temps1, Temps2, Niveau1, Niveau2, NbCurseurs };

    /// Over the inside of `oscillo`, the cursors `choix` holds.
    CurseursOscillo(PictureBox& oscillo, ChoixEleve& choix);

    /// Shown or hidden as the choices say, and drawn again: after they
    /// changed by other means.
    void actualise();
    /// The cursor the arrows move.
    Curseur choisi() const { return choisi_; }
    void choisit(Curseur k);
    /// Moves cursor k by `pas` divisions, right or down when positive.
    void deplace(Curseur k, double pas);
    /// The cursor within reach of `pos` (this widget's pixels), the nearest; or none.
    std::optional<Curseur> curseurA(QPointF pos) const;
    /// Where cursor k stands in this widget's pixels: across for a time, down for a level.
    double pixelDe(Curseur k) const;
    /// Pixels per division across, at the screen's zoom.
    double pixelsParDivision() const;
    static bool estTemps(Curseur k) { return k == Temps1 || k == Temps2; }
    /// Times in green, levels in crimson: neither trace's colour nor the grid's.
    static QColor couleur(Curseur k);

    /// How far from a cursor the mouse takes it, in pixels at 100 %.
    static constexpr double Portee = 4;

signals:
    /// A cursor was moved, from the mouse or the keyboard.
    void bouge();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    /// The inside of the screen, in its pixels.
    void place();
    /// Divisions at a pixel of this widget, across for a time, down for a level.
    double divisionDe(Curseur k, QPointF pos) const;
    void ecrit(Curseur k, double valeur);
    double valeur(Curseur k) const;

    PictureBox& oscillo_;
    ChoixEleve& choix_;
    Curseur choisi_ = Temps1;
    std::optional<Curseur> tenu_;
    double prise_ = 0;        ///< from the pointer to the cursor held, in divisions
    CurseursMesure dessines_; ///< as last painted
};

} // namespace vibralume
