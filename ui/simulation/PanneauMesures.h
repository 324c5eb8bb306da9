#pragma once
// The measuring side of the main window: the oscilloscope and its time base,
// the two pressure sensors switched on, dragged and sampled, the highlighted
// group of slices, and the panels a pupil opens and closes. The handlers keep
// the names of the controls they serve.

#include "model/ChoixEleve.h"
#include "model/Module1.h"
#include "ui/simulation/ControlesOS.h"
#include "views/TracesOscillo.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <array>
#include <cstdint>
#include <functional>

namespace vibralume {

class GlissementMarqueur;

class PanneauMesures : public QObject {
    Q_OBJECT
public:
    /// Wires the controls of `fenetre`, whose choices are `choix`;
    /// `MajAffichage` is the window's parameter refresh, which a new time
    /// base runs. The sensors' places start where the markers are laid out.
    PanneauMesures(QWidget& fenetre, const ControlesOS& c, Module1& m, ChoixEleve& choix,
                   std::function<void()> MajAffichage);
    ~PanneauMesures() override;

    // Oscilloscope.
    /// The grid over whatever the screen holds.
    void AfficheQuadrillage();
    void Sens_Click(int16_t Index);
    void AfficheOscilloscope();
    void CacheOscillo_Click();
    /// The tick's share: one segment for each sensor that is on; then
    /// `echantillonne` tells who follows the measures.
    void Capteurs();
    void TraceCapteur(int16_t n);
    /// The screen made again at its present scale with the traces of the
    /// sweep in progress (after a zoom).
    void RetraceOscillo();

    // Sensors (n = 1 or 2).
    /// As the pupil's choices have it; its marker is shown exactly then.
    bool capteurActif(int16_t n) const;
    /// Its abscissa: the marker's left edge in the model's centimetres.
    float abscisseCapteur(int16_t n) const;
    /// Where the markers' corners stand, in the model's centimetres (index 1 and 2).
    using Places = std::array<QPointF, 3>;
    Places places() const;
    /// Puts the markers back on `places` after the model's scale changed (a
    /// zoom, which lays the markers out anew): the sensors read the same slices.
    void replaceMarqueurs(const Places& places);
    /// Click on the unticked box: the marker appears and its trace starts
    /// from the pressure there now.
    void ActiveCapteur(int16_t n);
    /// Click on the ticked box.
    void DesactiveCapteur(int16_t n);
    /// Click on the box's caption: toggles the sensor.
    void capteur_Click(int16_t n);
    void Micro_MouseDown(Etiquette* marqueur, QPoint prise);
    void ModeleMicro_DragOver(QWidget* Source, double X, double Y);
    void ModeleMicro_DragDrop(QWidget* Source, double X, double Y);
    /// Highlights five slices (left button) or none (right button).
    void ModeleMicro_MouseUp(Qt::MouseButton bouton, double X, double Y);
    /// From the keyboard: the marker of sensor n dropped `pas` centimetres
    /// further right (left when negative), never beyond the model's edges.
    void DeplaceCapteur(int16_t n, double pas);
    /// From the keyboard: the highlighted group moved by `pas` slices, or
    /// shown in the middle of the medium when there is none; or cleared.
    /// The model is drawn again at once, even while paused.
    void DeplaceTrancheColoree(int pas);
    void EffaceTrancheColoree();

    // Panels.
    void CacheVibreur_Click();
    void AfficheVibreur();
    void CacherModeleMicro_Click();

signals:
    /// A tick has sampled the sensors: the levels plotted are in `PressionPrec`.
    void echantillonne();
    /// Sensor n has just been switched on or off.
    void capteurBascule(int16_t n, bool actif);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    Etiquette* marqueur(int16_t n) const;
    /// Moves a marker's top-left corner to (X, Y) in the model's centimetres.
    void deplace(QWidget* Source, double X, double Y);
    /// The pixel of the model where a marker's corner at `cm` stands.
    QPoint pixelDe(QPointF cm) const;

    QWidget& fenetre_;
    const ControlesOS& c_;
    Module1& m_;
    ChoixEleve& choix_;
    std::function<void()> MajAffichage_;
    GlissementMarqueur* glissement_;
    /// What the screen shows of the sweep in progress.
    TracesOscillo traces_;
};

} // namespace vibralume
