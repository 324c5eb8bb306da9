#include "ui/classe/NavigationClavier.h"

#include "ui/accessible/ControleAccessible.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
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

/// A marker moves by one slice, or by a group's width with Shift.
constexpr double PasCapteur = 0.5;
constexpr double GrandPasCapteur = 2.5;
constexpr int GrandPasTranches = 5;

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
    // The model and its markers come where the model's placeholder stands.
    ordre_.insert(ordre_.begin() + 1, {c.ModeleMicro, c.Micro1, c.Micro2});
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

// A control that takes the arrows always shows it has them.
void NavigationClavier::suit(QWidget* focus) {
    const bool clavier = os_.testAttribute(Qt::WA_KeyboardFocusChange) || prendLesFleches(focus);
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
    } else if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
               w->hasFocus()) {
        // (Not a key passed up by a focused child: a marker's keys are not the model's.)
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool appui = e->type() == QEvent::KeyPress;
        // Escape takes the mark off before it leaves full screen: one thing at a time.
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier &&
            !marque_->isHidden()) {
            if (appui)
                w->clearFocus();
            e->accept();
            return true;
        }
        if (const auto g = geste(w, k)) {
            if (!appui) {
                e->accept();
                return true;
            }
            if (!*g)
                return false;
            (*g)();
            return true;
        }
        // Return does what a click on the focused control does.
        if (appui && k->modifiers() == Qt::NoModifier &&
            estTouche(k, {Qt::Key_Return, Qt::Key_Enter})) {
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                b->click();
            else if (!ControleAccessible::clique(w))
                return false;
            return true;
        }
    }
    return false;
}

bool NavigationClavier::prendLesFleches(const QWidget* w) const {
    const ControlesOS& c = os_.controles();
    return w && (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QRadioButton*>(w) ||
                 w == c.Micro1 || w == c.Micro2 || w == c.ModeleMicro);
}

std::optional<std::function<void()>> NavigationClavier::geste(QWidget* w,
                                                              const QKeyEvent* k) const {
    const bool maj = k->modifiers() == Qt::ShiftModifier;
    if (!prendLesFleches(w) || (k->modifiers() != Qt::NoModifier && !maj))
        return std::nullopt;
    const int sens = k->key() == Qt::Key_Right ? 1 : k->key() == Qt::Key_Left ? -1 : 0;
    const bool fleche = sens != 0 || estTouche(k, {Qt::Key_Up, Qt::Key_Down});
    if (auto* s = qobject_cast<QScrollBar*>(w)) {
        // Right and up for more, left and down for less, as the captions
        // read; Page Up and Down stay the frequency's.
        using A = QAbstractSlider;
        const std::pair<QKeyCombination, A::SliderAction> pas[] = {
            {Qt::Key_Right, A::SliderSingleStepAdd},
            {Qt::Key_Up, A::SliderSingleStepAdd},
            {Qt::Key_Left, A::SliderSingleStepSub},
            {Qt::Key_Down, A::SliderSingleStepSub},
            {Qt::SHIFT | Qt::Key_Right, A::SliderPageStepAdd},
            {Qt::SHIFT | Qt::Key_Left, A::SliderPageStepSub},
            {Qt::Key_Home, A::SliderToMinimum},
            {Qt::Key_End, A::SliderToMaximum}};
        for (const auto& [touche, action] : pas)
            if (k->keyCombination() == touche)
                return [s, a = action] { s->triggerAction(a); };
        return std::nullopt;
    }
    if (qobject_cast<QRadioButton*>(w))
        return fleche && !maj ? std::optional(std::function<void()>()) : std::nullopt;
    PanneauMesures* p = &os_.mesures();
    const ControlesOS& c = os_.controles();
    if (w == c.ModeleMicro && !maj && estTouche(k, {Qt::Key_Delete, Qt::Key_Backspace}))
        return [p] { p->EffaceTrancheColoree(); };
    if (sens == 0)
        return std::nullopt;
    if (w == c.ModeleMicro)
        return [p, pas = sens * (maj ? GrandPasTranches : 1)] { p->DeplaceTrancheColoree(pas); };
    const int16_t n = w == c.Micro1 ? 1 : 2;
    return [p, n, pas = sens * (maj ? GrandPasCapteur : PasCapteur)] { p->DeplaceCapteur(n, pas); };
}

} // namespace vibralume
