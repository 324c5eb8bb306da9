#pragma once
// A rectangle shape on its container's surface: a fill and a 1-pixel border.

#include <QColor>
#include <QWidget>

namespace vibralume {

class Forme : public QWidget {
    Q_OBJECT
public:
    Forme(const QColor& remplissage, const QColor& bord, QWidget* parent = nullptr);
    /// Width of the border, in logical pixels.
    void setEpaisseur(int e);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor remplissage_, bord_;
    int epaisseur_ = 1;
};

} // namespace vibralume
