#pragma once
// A sensor marker dragged by hand over the model.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QRubberBand;

namespace vibralume {

class Etiquette;
class PictureBox;

/// The button that went down on a marker keeps the mouse until it comes up,
/// so every move and the release reach the marker wherever the pointer is;
/// this filter turns them into the model's DragOver and DragDrop while an
/// outline of the marker follows the pointer. Until the pointer first leaves
/// the marker it is over the marker, not the model: a click, or a press that
/// wanders inside the marker, moves nothing.
class GlissementMarqueur : public QObject {
public:
    /// What the model does when a marker is dragged over it (DragOver) and
    /// dropped on it (DragDrop), with the pointer in its centimetres.
    using Reaction = std::function<void(QWidget* source, double X, double Y)>;

    /// Owned by `parent`.
    GlissementMarqueur(QWidget& fenetre, PictureBox& modele, Reaction DragOver, Reaction DragDrop,
                       QObject* parent);

    /// A press on `marqueur` at `prise` (its own pixels) starts a drag; a
    /// release missed while the window lost the mouse leaves nothing stuck.
    void commence(Etiquette* marqueur, QPoint prise);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    /// True, with the pointer in the model's centimetres, when the model
    /// itself is what lies under it (not one of the panels or marks in front of it).
    bool surModele(QPointF global, QPointF& xy) const;

    QWidget& fenetre_;
    PictureBox& modele_;
    Reaction DragOver_;
    Reaction DragDrop_;
    Etiquette* source_ = nullptr;
    QPoint prise_;
    QRect depart_; ///< the marker where the press found it, in the window
    bool sorti_ = false;
    QRubberBand* contour_ = nullptr;
};

} // namespace vibralume
