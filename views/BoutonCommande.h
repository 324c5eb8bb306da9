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
    /// Width of each of the bevel's two lines, in logical pixels.
    void setEpaisseur(int e);
    int epaisseur() const { return epaisseur_; }

    /// Bevel colours: the light edge, the outer dark edge and the inner shadow.
    static const QColor Clair;
    static const QColor Sombre;
    static const QColor Ombre;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int epaisseur_ = 1;
};

} // namespace vibralume
