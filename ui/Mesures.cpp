// The oscilloscope's time base and panel, the opening and closing of the
// vibrator and model panels, and the two pressure sensors: switched on and off
// from the oscilloscope, dragged over the model, sampled at every tick.

#include "model/Mesure.h"
#include "ui/OS.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/Oscilloscope.h"
#include "views/PictureBox.h"

#include <QMouseEvent>
#include <QRadioButton>
#include <QRubberBand>
#include <array>
#include <cmath>
#include <optional>

namespace vibralume {

namespace {

/// The widget the pointer is over at p (in racine's coordinates), looking
/// through `ignore` as if it were not there.
QWidget* widgetSous(QWidget* racine, QPoint p, const QWidget* ignore) {
    const QObjectList& enfants = racine->children();
    // Children are kept in stacking order, the front one last.
    for (auto it = enfants.crbegin(); it != enfants.crend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w == ignore || w->isWindow() || w->isHidden() ||
            w->testAttribute(Qt::WA_TransparentForMouseEvents) || !w->geometry().contains(p))
            continue;
        return widgetSous(w, p - w->pos(), ignore);
    }
    return racine;
}

/// Mouse buttons as the handlers number them (middle = 4, as the platform does).
int numeroBouton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return BoutonGauche;
    case Qt::RightButton:
        return BoutonDroit;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

/// Scale units of the model to the pixel position of a child's top-left corner.
QPoint coinDansModele(const PictureBox& modele, double X, double Y) {
    const QPointF px = modele.versPixels(X, Y);
    const int b = modele.bordure();
    return QPoint(int(std::nearbyint(px.x())) + b, int(std::nearbyint(px.y())) + b);
}

const char* nomCoche(int16_t n) {
    return n == 1 ? "micro1_coche" : "micro2_coche";
}
const char* nomNonCoche(int16_t n) {
    return n == 1 ? "micro1_noncoche" : "micro2_noncoche";
}

} // namespace

// A marker dragged by hand. The button that went down on the marker keeps the
// mouse until it comes up, so every move and the release reach the marker
// wherever the pointer is; this filter turns them into the model's DragOver
// and DragDrop while an outline of the marker follows the pointer. Until the
// pointer first leaves the marker it is over the marker, not the model: a
// click, or a press that wanders inside the marker, moves nothing.
class OS::Glissement : public QObject {
public:
    explicit Glissement(OS& os) : QObject(&os), os_(os) {}

    void commence(QLabel* marqueur, QPoint prise) {
        // A release missed while the window lost the mouse must not leave a
        // drag stuck: each press on a marker starts afresh.
        source_ = marqueur;
        prise_ = prise;
        depart_ = QRect(marqueur->mapTo(&os_, QPoint(0, 0)), marqueur->size());
        sorti_ = false;
        if (!contour_) {
            contour_ = new QRubberBand(QRubberBand::Rectangle, &os_);
            contour_->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        contour_->setGeometry(QRect(marqueur->mapTo(&os_, QPoint(0, 0)), marqueur->size()));
        contour_->raise();
        contour_->show();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!source_ || o != source_)
            return false;
        if (e->type() != QEvent::MouseMove && e->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* me = static_cast<QMouseEvent*>(e);
        const QPointF global = me->globalPosition();
        if (!depart_.contains(os_.mapFromGlobal(global).toPoint()))
            sorti_ = true;
        const std::optional<QPointF> xy = sorti_ ? surModele(global) : std::optional<QPointF>();
        if (e->type() == QEvent::MouseMove) {
            contour_->move(os_.mapFromGlobal(global).toPoint() - prise_);
            if (xy)
                os_.ModeleMicro_DragOver(source_, xy->x(), xy->y());
        } else if (me->buttons() == Qt::NoButton) {
            QWidget* source = source_;
            source_ = nullptr;
            contour_->hide();
            if (xy)
                os_.ModeleMicro_DragDrop(source, xy->x(), xy->y());
        }
        return true;
    }

private:
    /// The pointer in the model's centimetres, when the model itself is what
    /// lies under it (not one of the panels or marks in front of it).
    std::optional<QPointF> surModele(QPointF global) const {
        PictureBox* modele = os_.ModeleMicro_;
        const QPoint p = os_.mapFromGlobal(global).toPoint();
        if (widgetSous(&os_, p, source_) != modele)
            return std::nullopt;
        const double b = modele->bordure();
        return modele->versEchelle(modele->mapFromGlobal(global) - QPointF(b, b));
    }

    OS& os_;
    QLabel* source_ = nullptr;
    QPoint prise_;
    QRect depart_; ///< the marker where the press found it, in the window
    bool sorti_ = false;
    QRubberBand* contour_ = nullptr;
};

void OS::relieMesures() {
    clic("CacheVibreur", &OS::CacheVibreur_Click);
    clic("Label12", &OS::AfficheVibreur);
    clic("Picture1", &OS::AfficheVibreur);
    clic("CacheOscillo", &OS::CacheOscillo_Click);
    clic("Label13", &OS::AfficheOscilloscope);
    clic("Label14", &OS::AfficheOscilloscope);
    clic("Picture2", &OS::AfficheOscilloscope);
    clic("CacherModeleMicro", &OS::CacherModeleMicro_Click);
    clic("micro1_noncoche", [this] { ActiveCapteur(1); });
    clic("micro1_coche", [this] { DesactiveCapteur(1); });
    clic("micro2_noncoche", [this] { ActiveCapteur(2); });
    clic("micro2_coche", [this] { DesactiveCapteur(2); });
    clic("capteur1", [this] { capteur_Click(1); });
    clic("Capteur2", [this] { capteur_Click(2); });

    // An option's click handler runs when it becomes selected.
    for (int16_t k = 0; k < 5; ++k) {
        auto* sens = controle<QRadioButton>(QStringLiteral("Sens_%1").arg(k));
        connect(sens, &QRadioButton::toggled, this, [this, k](bool oui) {
            if (oui)
                Sens_Click(k);
        });
    }

    glissement_ = new Glissement(*this);
    Micro1_ = controle<QLabel>(QStringLiteral("Micro1"));
    Micro2_ = controle<QLabel>(QStringLiteral("Micro2"));
    for (QLabel* marqueur : {Micro1_, Micro2_}) {
        marqueur->installEventFilter(glissement_);
        connect(
            static_cast<Etiquette*>(marqueur), &Etiquette::mouseDown, this,
            [this, marqueur](Qt::MouseButton, QPoint prise) { Micro_MouseDown(marqueur, prise); });
    }
    connect(ModeleMicro_, &PictureBox::mouseUp, this, &OS::ModeleMicro_MouseUp);
}

void OS::Sens_Click(int16_t Index) {
    static constexpr std::array<double, 5> BasesTemps{200, 500, 1000, 1500, 2000};
    if (Index < 0 || Index >= int16_t(BasesTemps.size()))
        return;
    m_.BaseTemps = BasesTemps[Index];
    MajAffichage();
    // TempsPrec stays: the next segment starts from the old sweep position
    // read on the new scale.
    Oscillo_->Cls();
    AfficheQuadrillage();
}

void OS::AfficheOscilloscope() {
    montre("Oscilloscope", true);
}

void OS::CacheOscillo_Click() {
    montre("Oscilloscope", false);
}

void OS::Capteurs() {
    if (!Micro1_->isHidden())
        TraceCapteur(1);
    if (!Micro2_->isHidden())
        TraceCapteur(2);
}

void OS::TraceCapteur(int16_t n) {
    const QWidget* marqueur = n == 1 ? Micro1_ : Micro2_;
    vibralume::TraceCapteur(*Oscillo_, m_, n, abscisseCapteur(marqueur));
}

float OS::abscisseCapteur(const QWidget* marqueur) const {
    const int b = ModeleMicro_->bordure();
    return float(ModeleMicro_->versEchelle(QPointF(marqueur->x() - b, marqueur->y() - b)).x());
}

void OS::CacheVibreur_Click() {
    montre("Vibreur", false);
}

void OS::AfficheVibreur() {
    montre("Vibreur", true);
}

void OS::CacherModeleMicro_Click() {
    montre("ModeleMicro", false);
    montre("Command1", false);
    montre("Command2", false);
    montre("Command3", false);
    montre("VibreurOS", false);
    montre("BordOuvert", false);
    montre("BordFerme", false);
    if (visible("Oscilloscope"))
        montre("Oscilloscope", false);
    // The oscilloscope cannot be opened again until the model is.
    montre("Picture2", false);
    montre("Picture4", true);
}

void OS::ActiveCapteur(int16_t n) {
    QLabel* marqueur = n == 1 ? Micro1_ : Micro2_;
    marqueur->show();
    // The trace starts from the pressure there now, not from an old level.
    m_.PressionPrec[n] = PressionCapteur(m_, abscisseCapteur(marqueur));
    montre(nomCoche(n), true);
    montre(nomNonCoche(n), false);
}

void OS::DesactiveCapteur(int16_t n) {
    (n == 1 ? Micro1_ : Micro2_)->hide();
    montre(nomCoche(n), false);
    montre(nomNonCoche(n), true);
}

void OS::capteur_Click(int16_t n) {
    if (visible(nomNonCoche(n)))
        ActiveCapteur(n);
    else
        DesactiveCapteur(n);
}

void OS::Micro_MouseDown(QLabel* marqueur, QPoint prise) {
    glissement_->commence(marqueur, prise);
}

// Nothing is snapped or clamped: the oscilloscope reads the new place at its
// next sample, and PressionPrec keeps the level of the old one.
void OS::ModeleMicro_DragOver(QWidget* Source, double X, double Y) {
    Source->move(coinDansModele(*ModeleMicro_, X, Y));
}

void OS::ModeleMicro_DragDrop(QWidget* Source, double X, double Y) {
    Source->move(coinDansModele(*ModeleMicro_, X, Y));
}

void OS::ModeleMicro_MouseUp(Qt::MouseButton bouton, double X, double) {
    m_.TrancheColoree = TrancheColoreeApresClic(m_.TrancheColoree, numeroBouton(bouton), float(X));
}

} // namespace vibralume
