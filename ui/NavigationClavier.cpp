#include "ui/NavigationClavier.h"

#include "ui/ControlesOS.h"
#include "ui/OS.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

/// A frame around the focused control, over everything, letting the mouse through.
class MarqueFocus : public QWidget {
public:
    explicit MarqueFocus(QWidget* fenetre) : QWidget(fenetre) {
        setObjectName(QStringLiteral("MarqueFocus"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    static constexpr int Marge = 3;

protected:
    void paintEvent(QPaintEvent*) override {
        // Dark outside, bright inside: seen on the navy bands as on the greys.
        QPainter p(this);
        const QRect r = rect();
        const QRegion dehors = QRegion(r) - QRegion(r.adjusted(1, 1, -1, -1));
        const QRegion dedans =
            QRegion(r.adjusted(1, 1, -1, -1)) - QRegion(r.adjusted(Marge, Marge, -Marge, -Marge));
        for (const QRect& x : dehors)
            p.fillRect(x, Qt::black);
        for (const QRect& x : dedans)
            p.fillRect(x, QColor(255, 200, 0));
    }
};

bool estTouche(const QKeyEvent* k, std::initializer_list<int> touches) {
    for (int t : touches)
        if (k->key() == t)
            return true;
    return false;
}

} // namespace

NavigationClavier::NavigationClavier(OS& os)
    : QObject(&os), os_(os), marque_(new MarqueFocus(&os)) {
    const ControlesOS& c = os.controles();
    // Reading order: the top band, the left column, the middle, the right.
    ordre_ = {c.Picture3,
              c.Command1,
              c.Command2,
              c.Command3,
              c.CacherModeleMicro,
              c.Picture1,
              c.CacheVibreur,
              c.Label11,
              c.frequence,
              c.Amplitude,
              c.Label31,
              c.AmplitudeSoliton,
              c.SolitonCourt,
              c.SolitonMoyen,
              c.SolitonLong,
              c.Image5,
              c.Image6,
              c.Picture2,
              c.CacheOscillo,
              c.micro1_noncoche,
              c.micro1_coche,
              c.micro2_noncoche,
              c.micro2_coche,
              c.Sens[0],
              c.Sens[1],
              c.Sens[2],
              c.Sens[3],
              c.Sens[4],
              c.OndeProgressive,
              c.OndeStationnaire,
              c.OndeStationnaire2,
              c.Amortissement,
              c.Gaz,
              c.Solide,
              c.v,
              c.EnonceModele};
    for (QWidget* w : ordre_) {
        // By Tab only, never by a click: the keys a teacher presses after
        // clicking an option or a button still reach the window's shortcuts.
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
    }
    for (std::size_t k = 1; k < ordre_.size(); ++k)
        QWidget::setTabOrder(ordre_[k - 1], ordre_[k]);
    // A placeholder covered by its open panel is not reached.
    panneaux_ = {
        {c.Vibreur, c.Picture1}, {c.ModeleMicro, c.Picture3}, {c.Oscilloscope, c.Picture2}};
    for (const auto& [panneau, invitation] : panneaux_) {
        panneau->installEventFilter(this);
        invitation->setFocusPolicy(panneau->isHidden() ? Qt::TabFocus : Qt::NoFocus);
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* maintenant) { suit(maintenant); });
}

void NavigationClavier::suit(QWidget* focus) {
    const bool clavier = os_.testAttribute(Qt::WA_KeyboardFocusChange);
    if (!focus || focus->window() != &os_ || !clavier ||
        std::find(ordre_.begin(), ordre_.end(), focus) == ordre_.end()) {
        marque_->hide();
        return;
    }
    const int m = MarqueFocus::Marge;
    marque_->setGeometry(
        QRect(focus->mapTo(&os_, QPoint(0, 0)), focus->size()).adjusted(-m, -m, m, m));
    marque_->raise();
    marque_->show();
}

bool NavigationClavier::eventFilter(QObject* objet, QEvent* e) {
    auto* w = static_cast<QWidget*>(objet);
    if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
        for (const auto& [panneau, invitation] : panneaux_)
            if (w == panneau)
                invitation->setFocusPolicy(e->type() == QEvent::Hide ? Qt::TabFocus : Qt::NoFocus);
    if (e->type() == QEvent::Hide && w->hasFocus()) {
        marque_->hide();
    } else if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
        if (w->hasFocus())
            suit(w);
    } else if (e->type() == QEvent::ShortcutOverride) {
        // A focused scroll bar moves with its own arrows and pages; in a
        // focused group of options the arrows go from one option to the next.
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool fleche = estTouche(k, {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down});
        const bool page =
            estTouche(k, {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End});
        if (k->modifiers() == Qt::NoModifier &&
            ((qobject_cast<QScrollBar*>(w) && (fleche || page)) ||
             (qobject_cast<QRadioButton*>(w) && fleche))) {
            e->accept();
            return true;
        }
    } else if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        // Right and up for more, left and down for less, as the captions read.
        if (auto* s = qobject_cast<QScrollBar*>(w); s && k->modifiers() == Qt::NoModifier) {
            const std::pair<int, QAbstractSlider::SliderAction> pas[] = {
                {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
                {Qt::Key_Up, QAbstractSlider::SliderSingleStepAdd},
                {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
                {Qt::Key_Down, QAbstractSlider::SliderSingleStepSub},
                {Qt::Key_PageUp, QAbstractSlider::SliderPageStepAdd},
                {Qt::Key_PageDown, QAbstractSlider::SliderPageStepSub},
                {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
                {Qt::Key_End, QAbstractSlider::SliderToMaximum}};
            for (const auto& [touche, action] : pas)
                if (k->key() == touche) {
                    s->triggerAction(action);
                    return true;
                }
        }
        if (k->modifiers() == Qt::NoModifier && estTouche(k, {Qt::Key_Return, Qt::Key_Enter})) {
            // Return does what a click on the focused control does.
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->click();
            else if (auto* i = qobject_cast<ImageControle*>(w))
                emit i->clicked();
            else if (auto* l = qobject_cast<Etiquette*>(w))
                emit l->clicked();
            else if (auto* p = qobject_cast<PictureBox*>(w))
                emit p->clicked();
            else if (auto* o = qobject_cast<ConteneurEnonce*>(w))
                emit o->doubleClicked();
            else
                return false;
            return true;
        }
    }
    return false;
}

} // namespace vibralume
