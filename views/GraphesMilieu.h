#pragma once
// Two graphs along the medium, sharing the model's centimetre axis: the
// slices' displacement above, the level the sensors read below (each where
// its two slices are), then a copy of the ruler. A standing wave's medium
// ends at its end mark, as in the model view. Drawn into a backing image, as
// the other canvases are.

#include "model/LeLongDuMilieu.h"
#include "views/Reperes.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vibralume {

class PictureBox;

/// The displacement curve and its points.
inline const QColor CouleurDeplacement{0, 60, 170};
/// The pressure curve inside the medium.
inline const QColor CouleurPression{170, 0, 40};
/// Nodes and antinodes, their dashed lines and letters.
inline const QColor CouleurNoeud{200, 0, 0};
inline const QColor CouleurVentre{0, 130, 0};
/// Sensor markers 1 and 2, as in the model view.
inline const QColor CouleurMarqueur1 = couleurRgb(RgbCapteur1);
inline const QColor CouleurMarqueur2 = couleurRgb(RgbCapteur2);

/// A sensor that is on: where it reads and what it reads.
struct CapteurGraphe {
    double x = 0;      ///< the middle of its two slices, `AbscisseLecture` (cm)
    double niveau = 0; ///< oscilloscope divisions
};

/// Everything the graphs show at one tick.
struct ContenuGraphes {
    Bord bord = Bord::Progressive;        ///< where and how the medium ends
    std::vector<PointDeplacement> points; ///< one per slice seen, joined by the curve
    std::vector<PointPression> pressions; ///< one per place a sensor reads, joined likewise
    std::vector<PlaceRemarquable> places; ///< nodes and antinodes, lettered N and V
    double demiEchelle = 1;               ///< half-height of the displacement axis (cm)
    int16_t trancheColoree = 0;           ///< centre of the green group, 0 = none
    std::array<std::optional<CapteurGraphe>, 2> capteurs; ///< sensors 1 and 2
};

class GraphesMilieu : public QWidget {
    Q_OBJECT
public:
    explicit GraphesMilieu(QWidget* parent = nullptr);
    ~GraphesMilieu() override;

    /// Draws `contenu` now, and again at each new size.
    void montre(ContenuGraphes contenu);
    /// What was drawn last.
    const ContenuGraphes& contenu() const { return contenu_; }
    /// Zoom of the texts and lines (1 for 100 %); the axes follow the size.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    /// The drawing as it stands (device pixels).
    const QImage& image() const { return image_; }
    /// Where a displacement (cm) at the model's abscissa x (cm) is drawn, in logical pixels.
    QPointF pixelDeplacement(double x, double deplacement) const;
    /// Where a level (oscilloscope divisions) at the model's abscissa x (cm) is drawn.
    QPointF pixelPression(double x, double niveau) const;
    /// Where each plot draws its curve inside its frame, in logical pixels
    /// (below it, a strip for the letters of the nodes and antinodes).
    QRectF zoneDeplacement() const;
    QRectF zonePression() const;
    /// Where the copy of the ruler stands, its centimetres on the plots' ones.
    QRectF placeRegle() const { return placeRegle_; }
    /// The pressure axis's number at a level: divisions from the rest level,
    /// a compression counted positive, with the interface's signs.
    static QString graduationPression(int niveau);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    /// Places the frames and the ruler for the widget's size and the zoom.
    void dispose();
    void dessine();
    void dessineCadres(QPainter& p);
    void dessineGroupe(QPainter& p);
    void dessineBord(QPainter& p);
    void dessinePlaces(QPainter& p);
    void dessineDeplacement(QPainter& p);
    void dessinePression(QPainter& p);
    void dessineCapteurs(QPainter& p);
    double pixelX(double x) const;
    QFont police(double pixels, bool gras = false) const;

    ContenuGraphes contenu_;
    QImage image_;
    std::unique_ptr<PictureBox> regle_; ///< never shown: its drawing is copied
    QRectF cadreDeplacement_, cadrePression_, placeRegle_;
    QSize tailleDisposee_; ///< the size the frames were placed for
    double pxParCm_ = 1;
    double zoom_ = 1;
};

} // namespace vibralume
