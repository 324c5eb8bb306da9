#pragma once
// A line control on a picture box's surface, placed in the box's scale units.

#include <QColor>
#include <QWidget>

namespace vibralume {

class PictureBox;

class Trait : public QWidget {
    Q_OBJECT
public:
    explicit Trait(PictureBox* conteneur);
    /// End points in the container's scale units.
    void setPoints(double x1, double y1, double x2, double y2);
    void setX(double x1, double x2) { setPoints(x1, y1_, x2, y2_); }
    /// Places the line again after its container's scale changed.
    void replace() { setPoints(x1_, y1_, x2_, y2_); }
    double x1() const { return x1_; }
    double x2() const { return x2_; }
    double y1() const { return y1_; }
    double y2() const { return y2_; }
    void setCouleur(const QColor& c);
    QColor couleur() const { return couleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    PictureBox* boite_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor couleur_{Qt::black};
};

} // namespace vibralume
