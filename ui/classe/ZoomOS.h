#pragma once
// The main window enlarged or reduced as one, and full screen: the layout is
// placed again from its twips at the new scale, the drawings are made again
// and nothing of the running simulation is lost.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

namespace vibralume {

class OS;

class ZoomOS : public QObject {
    Q_OBJECT
public:
    /// Zooms the keys and options may choose, 25 % apart.
    static constexpr double Minimum = 0.5;
    static constexpr double Maximum = 4.0;
    static constexpr double Pas = 0.25;

    explicit ZoomOS(OS& os);

    double zoom() const { return zoom_; }
    bool pleinEcran() const { return pleinEcran_; }

    /// The window at `zoom` (kept within 50 % to 400 % unless `libre`, as the
    /// largest that fits a small screen may be), its centre kept in place
    /// and its frame (title bar and borders) on the screen. Leaves full
    /// screen first.
    void setZoom(double zoom, bool libre = false);
    /// One step of 25 % up or down, from the zoom in use.
    void agrandit();
    void reduit();
    /// 100 %.
    void zoomNormal();
    /// Full screen at the largest zoom that fits, centred, or back to the
    /// zoom and the place of before.
    void basculePleinEcran();
    void quittePleinEcran();

    /// The largest zoom at which a window of `twips` fits in `zone`.
    static double zoomQuiTient(QSize zone, QSize twips);
    /// The window's size at `zoom`, in logical pixels.
    static QSize taille(double zoom);

signals:
    /// After every change: the zoom in use, and whether the window fills the screen.
    void zoomChange(double zoom, bool pleinEcran);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    /// Places and draws everything at `zoom`, the layout's corner at `origine`.
    void applique(double zoom, QPoint origine);
    void ajustePleinEcran();
    /// The window at `zoom` out of full screen, centred on `centre_`.
    void metA(double zoom);
    /// Back from full screen, with nothing laid out yet.
    void sortPleinEcran();
    /// Takes the window's centre and its frame's margins as it stands; the
    /// centre only if the window was moved since it was last put, so that it
    /// stays exact, with no pixel lost to rounding from step to step.
    void retiensCentre();

    OS& os_;
    double zoom_ = 1;
    bool pleinEcran_ = false;
    double zoomAvant_ = 1;          ///< the zoom to return to from full screen
    QSize tailleAjustee_;           ///< the full-screen size the layout was fitted to
    std::optional<QPointF> centre_; ///< where the window's centre stays (screen pixels)
    QMargins marges_;               ///< the frame around the window, as the desktop draws it
    QRect clientPose_;              ///< the window (inside its frame) as last put
};

} // namespace vibralume
