#pragma once
// A command button as the windows were drawn with: flat in its own colour
// inside a plain one-pixel bevel, raised at rest and sunken while pressed,
// its picture and caption centred.

#include <QPushButton>

namespace vibralume {

class BoutonCommande : public QPushButton {
    Q_OBJECT
public:
    explicit BoutonCommande(QWidget* parent = nullptr);

    /// Bevel colours: the light edge, the outer dark edge and the inner shadow.
    static const QColor Clair;
    static const QColor Sombre;
    static const QColor Ombre;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace vibralume
