#pragma once
// A drawing surface with the picture-box vocabulary the windows are written
// in: a scale in centimetres, pixels or user units, persistent drawing into a
// backing image, and the primitives line, box, circle, point and print.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <vector>

namespace vibralume {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class StyleTrait { Plein, Pointille };

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    /// Background colour, used by Cls.
    void setFond(const QColor& c);
    QColor fond() const { return fond_; }
    /// A 1-pixel black line border (at 100 %) drawn inside the outer size.
    void setBordure(bool b);
    /// Width of the border in logical pixels, 0 without one.
    int bordure() const;
    /// Zoom of the window (1 for 100 %): the scale units, the line widths and
    /// the border grow with it. The backing image is cleared; redraw after.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    /// Size of the drawing area inside the border, in logical pixels.
    QSize interieur() const;

    /// Scale units: pixels (the default), centimetres, or user units given
    /// as twips per unit across and down.
    void setEchellePixels();
    void setEchelleCentimetres();
    void setEchelleUtilisateur(double twipsParUniteX, double twipsParUniteY);
    /// Scale units to logical pixels inside the border.
    QPointF versPixels(double x, double y) const;
    double versPixelsX(double x) const { return x * ux_; }
    double versPixelsY(double y) const { return y * uy_; }
    /// Logical pixels inside the border to scale units.
    QPointF versEchelle(QPointF px) const;

    /// Drawing width in device pixels: the line width at the zoom and density.
    double largeurStylo() const;
    /// Device pixel ratio of the backing image (follows the screen by default).
    void setRatio(qreal dpr);
    qreal ratio() const { return dpr_; }

    // Drawing state.
    void setDrawWidth(int w);
    int drawWidth() const { return drawWidth_; }
    void setDrawStyle(StyleTrait s);
    StyleTrait drawStyle() const { return drawStyle_; }
    void setForeColor(const QColor& c);
    QColor foreColor() const { return foreColor_; }
    void setFillColor(const QColor& c);
    QColor fillColor() const { return fillColor_; }
    void setFillSolid(bool plein);
    bool fillSolid() const { return fillSolid_; }
    double currentX = 0;
    double currentY = 0;

    // Primitives; coordinates in scale units.
    void Cls();
    void Line(float x1, float y1, float x2, float y2, const QColor& c);
    void Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, foreColor_); }
    /// Filled box between two corners.
    void Box(float x1, float y1, float x2, float y2, const QColor& c);
    /// Circle outlined with the foreground colour, filled with the fill colour when solid.
    void Circle(float x, float y, float rayon);
    void PSet(float x, float y, const QColor& c);
    /// Prints a number at the current position: its sign place (a space when
    /// not negative), its digits and a trailing space.
    void Print(double nombre);

    /// The drawing as it stands (device pixels).
    const QImage& image();

signals:
    void clicked();
    /// Mouse released over the box, position in scale units.
    void mouseUp(Qt::MouseButton bouton, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void childEvent(QChildEvent*) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QPainter& peintre();
    /// The pen, the brush or the fill changed.
    void styleChange();
    void termine();
    void refaitImage();
    void assureImage();
    void appliqueStylo();
    /// The pen and the brush the drawing state gives.
    QPen stylo() const;
    QBrush brosse() const;
    QPointF aligne(double x, double y) const;
    /// Records that a primitive changed `r` (device pixels of the image).
    void marque(const QRectF& r);
    void marque(const QRect& r);
    /// Device pixels of the image to the widget's logical pixels that show
    /// them, a pixel wider all round.
    QRect zoneEcran(const QRect& r) const;
    /// Clips a child to the interior, so that nothing it paints covers the border.
    void rogne(QWidget* enfant) const;
    void rogneEnfants() const;

    /// A run of opaque pixels of one colour on one row of a stamp.
    struct Trait {
        int y, x, n;
        QRgb pixel;
        /// Where the run starts from the stamp's corner in the image's pixels
        /// (rows of the image's own length).
        qsizetype decalage = 0;
    };
    /// The runs of a stamp, row by row; false when some pixel is neither
    /// opaque nor clear.
    static bool traitsDe(const QImage& image, std::vector<Trait>& traits);
    struct Tampon {
        double rayon;
        QColor trait, remplissage;
        bool plein;
        int largeur;
        StyleTrait style;
        QImage image;
        int marge;
        /// The stamp's opaque pixels row by row, a run per colour; every
        /// other pixel is clear.
        std::vector<Trait> traits;
        /// Whether every pixel is either opaque or clear, so that it can be
        /// copied run by run instead of blended.
        bool net;
    };
    const Tampon& tampon(double rayon);
    /// A wide segment drawn once: its vector in device pixels, its width and
    /// colour, where it starts in its stamp, and the stamp's runs.
    struct TraitLarge {
        QPoint vecteur;
        double largeur;
        QColor couleur;
        QPoint depart;
        QSize taille;
        std::vector<Trait> traits;
        bool net;
    };
    /// The stamp of a wide segment of vector d in colour c with the current
    /// pen; null when it cannot be stamped.
    const TraitLarge* traitLarge(QPoint d, const QColor& c);
    /// Fills a sharp stamp's opaque runs into the image, its corner at (x, y)
    /// in device pixels, cut to the image; `taille` is the stamp's.
    void tamponne(const std::vector<Trait>& traits, int x, int y, QSize taille);
    /// Gives each run its start in the image's rows.
    void situe(std::vector<Trait>& traits) const;
    /// Fills a rectangle of the image (device pixels) with one pixel value.
    void remplit(const QRect& r, QRgb pixel);
    /// From now on until the next clear, the image may differ from the
    /// background anywhere.
    void toutEstTrace();

    const QImage& point(const QColor& c);

    QImage image_;
    /// The widget's size when the image was last found to fit it.
    QSize verifiePour_;
    std::vector<Tampon> tampons_;
    size_t dernier_ = 0; ///< the stamp used last
    /// Counts the changes of the drawing state; the last stamp was found for
    /// the state of `versionDernier_`.
    unsigned versionStyle_ = 0;
    unsigned versionDernier_ = ~0u;
    std::vector<TraitLarge> traitsLarges_;
    QImage point_; ///< the last wide point's dot
    /// What was drawn since the last clear, in the image's device pixels:
    /// outside it, the image is all background.
    QRect trace_;
    QRect sale_;      ///< what waits to be repainted (logical pixels)
    QRect saleImage_; ///< the image's device pixels that sale_ shows
    QColor pointCouleur_;
    std::unique_ptr<QPainter> peintre_;
    QColor fond_{Qt::white};
    bool bordure_ = false;
    double ux_ = 1, uy_ = 1;         ///< logical pixels per scale unit, at the zoom
    double uxBase_ = 1, uyBase_ = 1; ///< the same at 100 %
    double zoom_ = 1;
    qreal dpr_ = 1;
    bool dprFixe_ = false;
    int drawWidth_ = 1;
    StyleTrait drawStyle_ = StyleTrait::Plein;
    QColor foreColor_{Qt::black};
    QColor fillColor_{Qt::black};
    bool fillSolid_ = false;
    bool styloAJour_ = false;
    bool appuye_ = false;
};

} // namespace vibralume
